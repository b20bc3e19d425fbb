// Bubble: one bubble of the board, taken from the fixed pool of 170.
#pragma once

#include <cstdint>

#include "runtime/class.h"
#include "runtime/object.h"

class Bubble : public Object {
 public:
  static constexpr int16_t kClassId = cid::Bubble;

  // ---- Stand-in until the bubble pool lands ----
  // The fields and flags that the pop effect and the cell markers read, as the pool names
  // them; the pool brings the whole class.
  static constexpr int32_t kCompoundRoot = 0x8;  // its bunch neighbours go with it
  static constexpr int32_t kPlainColours = 7;
  static constexpr int32_t kDirections = 6;
  Bubble() { RegisterReferenceFields(this, &chainNext); }

  // ---- Class initialiser: game/board/bubble_static_init.cpp ----
  // Builds the direction and sector tables, the colour counters, the collision grid sized
  // from the canvas, the query list and the three pool lists.
  static void staticInit();

  // ---- Pop effect: game/board/bubble_pop_effect.cpp ----
  // Posts 22, plays the pop's sound, and shows the pop (anim of sprite 35, mode 10, end event
  // 0x11A, counted in popAnimCount) with a particle burst in the bubble's colour; a compound
  // root pops its six neighbour cells too. Anim 2, the dull pop, once a level is lost.
  void popEffect(int32_t anim);

  // Fields read so far (stand-in, see above).
  int32_t pixelX, pixelY;  // integer parts of its 16.16 position
  int32_t colour;          // 0..6 plain; the kinds from 7 up are specials
  int32_t col, row;        // hexagonal cell in its bunch
  int32_t flags;
  Bubble* chainNext;    // the cell a path search came from (the marker's owner)
  int32_t markerValue;  // path length of the cell marker placed here
};
