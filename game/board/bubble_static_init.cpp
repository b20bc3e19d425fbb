// Bubble's class initialiser: the constant tables of the hexagonal directions (their steps,
// opposites, index by step and sectors), and the arrays of the collision grid and the pool,
// made once at start-up.
#include "game/board/bubble.h"

#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kCellSize = 8;  // collision cells are 8 x 8 pixels

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
    StoreElement(table, dx, FillByteArrayFrom(NewByteArray(3), 3, Bubble::kDirectionIndex[dx], 3));
  }
  return table;
}

ByteArray* DirectionTable(const int32_t (&values)[Bubble::kDirections]) {
  return FillByteArrayFrom(NewByteArray(Bubble::kDirections), Bubble::kDirections, values,
                           Bubble::kDirections);
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

// The copy replaces the board's table only when it holds the same six values; any other
// would send links and placements to the wrong cells, so it is refused with a trace.
void Adopt(ByteArray* copy, const int32_t (&values)[Bubble::kDirections],
           StaticRef<ByteArray>& table, const char* origin, const char* what) {
  bool same = copy && copy->length == Bubble::kDirections;
  for (int32_t d = 0; same && d < Bubble::kDirections; d++) same = copy->elements()[d] == values[d];
  if (same) {
    table = copy;
    return;
  }
  DebugLog("%s: the %s is not the six directions' values; refused, the board's own stays", origin,
           what);
}

}  // namespace

void cGame::adoptDirectionTables(ByteArray* dx, ByteArray* dy, ByteArray* opposite,
                                 const char* origin) {
  GameStatics* s = Statics<GameStatics>();
  Adopt(dx, Bubble::kNeighbourDx, s->Bubble_neighbourDx, origin, "neighbour dx table");
  Adopt(dy, Bubble::kNeighbourDy, s->Bubble_neighbourDy, origin, "neighbour dy table");
  Adopt(opposite, Bubble::kOppositeDirection, s->Bubble_oppositeDirection, origin,
        "opposite direction table");
}

void Bubble::staticInit() {
  GameStatics* s = Statics<GameStatics>();
  s->Bubble_directionIndexTable = DirectionIndexTable();
  s->Bubble_neighbourDx = DirectionTable(kNeighbourDx);
  s->Bubble_neighbourDy = DirectionTable(kNeighbourDy);
  s->Bubble_oppositeDirection = DirectionTable(kOppositeDirection);
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
