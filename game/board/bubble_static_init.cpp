// Bubble's class initialiser: the constant tables of the hexagonal directions, and the arrays
// of the collision grid and the pool, made once at start-up.
#include "game/board/bubble.h"

#include "game/game_statics.h"
#include "runtime/array.h"

namespace {

constexpr int32_t kPoolSize = 170;
constexpr int32_t kNearBubbleCapacity = 25;
constexpr int32_t kCellSize = 8;  // collision cells are 8 x 8 pixels

// [dx + 1][dy + 1]: the direction of the step (dx, dy); -1 where no direction steps so.
constexpr int32_t kDirectionIndex[3][3] = {{-1, 3, 4}, {2, -1, 5}, {1, 0, -1}};

// Per sector k (the cells between directions k and k + 1), five (dx, dy) steps.
constexpr int32_t kSectorOffsets[6][10] = {
    {1, 0, 1, -1, 2, -1, 2, 0, 2, -2},    {0, -1, 1, -1, 1, -2, 0, -2, 2, -2},
    {-1, 0, 0, -1, -1, -1, -2, 0, 0, -2}, {-1, 0, -1, 1, -2, 1, -2, 0, -2, 2},
    {-1, 1, 0, 1, -1, 2, -2, 2, 0, 2},    {0, 1, 1, 0, 1, 1, 0, 2, 2, 0},
};

void StoreElement(ObjectArray* array, int32_t index, Object* element) {
  if (Object** slot = ObjectArray::slot(array, index, "Bubble::staticInit")) *slot = element;
}

ObjectArray* DirectionIndexTable() {
  ObjectArray* table = NewObjectArray(cid::ByteArray, 3);
  for (int32_t dx = 0; dx < 3; dx++) {
    StoreElement(table, dx, FillByteArrayFrom(NewByteArray(3), 3, kDirectionIndex[dx], 3));
  }
  return table;
}

ObjectArray* SectorOffsets() {
  ObjectArray* table = NewObjectArray(cid::IntArray, 6);
  for (int32_t sector = 0; sector < 6; sector++) {
    StoreElement(table, sector, FillIntArrayFrom(NewIntArray(10), 10, kSectorOffsets[sector], 10));
  }
  return table;
}

// Bubble[columns][rows], every cell empty.
ObjectArray* CollisionGrid(int32_t columns, int32_t rows) {
  ObjectArray* grid = NewObjectArray(cid::ObjectArray, columns);
  for (int32_t column = 0; column < columns; column++) {
    StoreElement(grid, column, NewObjectArray(cid::Bubble, rows));
  }
  return grid;
}

}  // namespace

void Bubble::staticInit() {
  GameStatics* s = Statics<GameStatics>();
  s->Bubble_directionIndexTable = DirectionIndexTable();
  s->Bubble_sectorOffsets = SectorOffsets();
  s->Bubble_colourCountTable = NewIntArray(kPlainColours);
  s->Bubble_gridColumns = s->cGame_canvasWidth / kCellSize + 1;
  s->Bubble_gridRows = s->cGame_canvasHeight / kCellSize + 1;
  s->Bubble_collisionGrid = CollisionGrid(s->Bubble_gridColumns, s->Bubble_gridRows);
  s->Bubble_nearBubbles = NewObjectArray(cid::Bubble, kNearBubbleCapacity);
  s->Bubble_bubblePool = NewObjectArray(cid::Bubble, kPoolSize);
  s->Bubble_activeBubbles = NewObjectArray(cid::Bubble, kPoolSize);
  s->Bubble_bubbleWorkList = NewObjectArray(cid::Bubble, kPoolSize);
}
