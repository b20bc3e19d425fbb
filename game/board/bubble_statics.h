// The static fields of Bubble as one declaration list for the static block
// (runtime/static_fields.h says how an entry is written).
#pragma once

#include <cstdint>

class Bubble;
class ByteArray;
class IntArray;
class ObjectArray;

// The tables (game/board/bubble_static_init.cpp):
// directionIndexTable: byte[3][3], the direction of a step (dx, dy) at [dx + 1][dy + 1].
// neighbourDx, neighbourDy, oppositeDirection: byte[6], each direction's cell step and its
//   opposite; the maths pack's copies replace them only when they hold the same values.
// sectorOffsets: int[6][10], five (dx, dy) cell steps per sector between two directions.
// colourCountTable: int[7], one counter per plain colour.
// The collision grid (game/board/bubble_grid.cpp): gridColumns, gridRows, its size in 8-pixel
//   cells; collisionGrid: Bubble[gridColumns][gridRows]; nearBubbles: Bubble[25], the last
//   query's bubbles, nearBubbleCount of them.
// cellX, cellY: the 16.16 place the last cellPosition gave.
// The pool (game/board/bubble_pool.cpp): bubblePool, activeBubbles, bubbleWorkList:
//   Bubble[170] each; activeBubbleCount: the bubbles in play. shotLost, lostShotCount: a shot
//   left the screen, and how many did, since the last allocation. popAnimCount: the pop
//   animations still running. bubblesChanged: an appearance change has started.
// hitBubble, hitSide: the bubble and side of the shot's last swept hit test; contactX,
//   contactY its point of contact (16.16). lastPiercedBubble: the bubble the piercing shot
//   touched in its last sub-step, null when it touched none.
#define PLIMORA_STATICS_Bubble(REF, VALUE)      \
  REF(Bubble, ObjectArray, directionIndexTable) \
  REF(Bubble, ByteArray, neighbourDx)           \
  REF(Bubble, ByteArray, neighbourDy)           \
  REF(Bubble, ByteArray, oppositeDirection)     \
  REF(Bubble, ObjectArray, sectorOffsets)       \
  REF(Bubble, IntArray, colourCountTable)       \
  VALUE(Bubble, int32_t, gridColumns)           \
  VALUE(Bubble, int32_t, gridRows)              \
  REF(Bubble, ObjectArray, collisionGrid)       \
  REF(Bubble, ObjectArray, nearBubbles)         \
  VALUE(Bubble, int32_t, nearBubbleCount)       \
  VALUE(Bubble, int32_t, cellX)                 \
  VALUE(Bubble, int32_t, cellY)                 \
  REF(Bubble, ObjectArray, bubblePool)          \
  REF(Bubble, ObjectArray, activeBubbles)       \
  REF(Bubble, ObjectArray, bubbleWorkList)      \
  VALUE(Bubble, int32_t, activeBubbleCount)     \
  VALUE(Bubble, int8_t, shotLost)               \
  VALUE(Bubble, int32_t, lostShotCount)         \
  VALUE(Bubble, int32_t, popAnimCount)          \
  VALUE(Bubble, int8_t, bubblesChanged)         \
  REF(Bubble, Bubble, hitBubble)                \
  VALUE(Bubble, int32_t, hitSide)               \
  VALUE(Bubble, int32_t, contactX)              \
  VALUE(Bubble, int32_t, contactY)              \
  REF(Bubble, Bubble, lastPiercedBubble)
