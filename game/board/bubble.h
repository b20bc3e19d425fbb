// Bubble: one bubble of the board, taken from the fixed pool of 170.
#pragma once

#include "runtime/object.h"

class Bubble : public Object {
 public:
  static constexpr int16_t kClassId = cid::Bubble;

  // ---- Class initialiser: game/board/bubble_static_init.cpp ----
  // Builds the direction and sector tables, the colour counters, the collision grid sized
  // from the canvas, the query list and the three pool lists.
  static void staticInit();
};
