// The static fields of Bubble as one declaration list for the static block
// (runtime/static_fields.h says how an entry is written).
#pragma once

#include <cstdint>

class IntArray;
class ObjectArray;

// directionIndexTable: byte[3][3], the direction of a step (dx, dy) at [dx + 1][dy + 1].
// sectorOffsets: int[6][10], five (dx, dy) cell steps per sector between two directions.
// colourCountTable: int[7], one counter per plain colour.
// gridColumns, gridRows: the collision grid's size in 8-pixel cells.
// collisionGrid: Bubble[gridColumns][gridRows]; nearBubbles: Bubble[25], the last query.
// bubblePool, activeBubbles, bubbleWorkList: Bubble[170] each.
#define PLIMORA_STATICS_Bubble(REF, VALUE)      \
  REF(Bubble, ObjectArray, directionIndexTable) \
  REF(Bubble, ObjectArray, sectorOffsets)       \
  REF(Bubble, IntArray, colourCountTable)       \
  VALUE(Bubble, int32_t, gridColumns)           \
  VALUE(Bubble, int32_t, gridRows)              \
  REF(Bubble, ObjectArray, collisionGrid)       \
  REF(Bubble, ObjectArray, nearBubbles)         \
  REF(Bubble, ObjectArray, bubblePool)          \
  REF(Bubble, ObjectArray, activeBubbles)       \
  REF(Bubble, ObjectArray, bubbleWorkList)
