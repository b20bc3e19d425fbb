// The collision grid: a screen grid of 8 px cells (gx = x >> 19, gy = y >> 19 on the 16.16
// place) in which each bubble of a bunch is filed, so the shot and other movers find nearby
// bubbles without scanning the pool. A cell holds at most one bubble, and a filed bubble
// records its cell in gridCol, gridRow (-1, -1 when it is not filed). Rebuilt once a frame;
// between rebuilds each mover keeps its own entry current.
#include <algorithm>

#include "game/board/bubble.h"
#include "game/game_statics.h"
#include "runtime/array.h"

namespace {

constexpr int32_t kCellShift = 19;  // 16.16 to 8 px cells
constexpr int32_t kNearWindow = 4;  // isAnyNear's window: 32 x 32 px

// The cell's column of bubbles; null (quietly) outside the grid or without one.
ObjectArray* GridColumn(int32_t gx) {
  GameStatics* s = Statics<GameStatics>();
  ObjectArray* grid = s->Bubble_collisionGrid;
  if (!grid || gx < 0 || gx >= grid->length || gx >= s->Bubble_gridColumns) return nullptr;
  return static_cast<ObjectArray*>(grid->elements()[gx]);
}

Object** Cell(int32_t gx, int32_t gy) {
  ObjectArray* column = GridColumn(gx);
  if (!column || gy < 0 || gy >= column->length || gy >= Statics<GameStatics>()->Bubble_gridRows) {
    return nullptr;
  }
  return column->elements() + gy;
}

// Empties the bubble's recorded cell when that cell holds it: two bubbles can share an 8 px
// cell, and emptying the other's entry would let a shot pass through it until the rebuild.
void VacateRecordedCell(Bubble* bubble) {
  Object** cell = Cell(bubble->gridCol, bubble->gridRow);
  if (cell && *cell == bubble) *cell = nullptr;
}

}  // namespace

void Bubble::clearGrid() {
  GameStatics* s = Statics<GameStatics>();
  for (int32_t gx = 0; gx < s->Bubble_gridColumns; gx++) {
    ObjectArray* column = GridColumn(gx);
    if (column) std::fill_n(column->elements(), column->length, nullptr);
  }
}

// A bubble at x = 0 exactly is filed here in column 0 (updateGridCell wants x > 0).
void Bubble::rebuildGrid() {
  clearGrid();
  GameStatics* s = Statics<GameStatics>();
  ObjectArray* active = s->Bubble_activeBubbles;
  if (!active) return;
  const int32_t count = std::min(s->Bubble_activeBubbleCount, active->length);
  for (int32_t i = 0; i < count; i++) {
    Bubble* bubble = static_cast<Bubble*>(active->elements()[i]);
    if (!bubble) continue;
    bubble->gridCol = bubble->gridRow = -1;
    if (bubble->bunch < 0) continue;
    Object** cell = Cell(bubble->x >> kCellShift, bubble->y >> kCellShift);
    if (!cell) continue;
    *cell = bubble;
    bubble->gridCol = bubble->x >> kCellShift;
    bubble->gridRow = bubble->y >> kCellShift;
  }
}

void Bubble::removeFromGrid() {
  if (gridCol >= 0 && gridRow >= 0) VacateRecordedCell(this);
  gridCol = gridRow = -1;
}

void Bubble::updateGridCell() {
  if (bunch < 0) removeFromGrid();
  const bool onScreen = x > 0 && y > 0;
  const int32_t gx = onScreen ? x >> kCellShift : -1;
  const int32_t gy = onScreen ? y >> kCellShift : -1;
  if (gx == gridCol && gy == gridRow) return;
  if (gridCol >= 0) VacateRecordedCell(this);
  Object** cell = bunch >= 0 ? Cell(gx, gy) : nullptr;
  if (cell) {
    *cell = this;
    gridCol = gx;
    gridRow = gy;
  } else {
    gridCol = gridRow = -1;
  }
}

// The window is clipped to the grid; at most 25 bubbles are stored (with centres 36 px apart
// a window of size 8 never holds more) and the count is the number stored.
bool Bubble::queryGrid(int32_t gx, int32_t gy, int32_t size) {
  GameStatics* s = Statics<GameStatics>();
  const int64_t half = size >> 1;
  const int64_t firstColumn = std::max<int64_t>(gx - half, 0);
  const int64_t endColumn = std::min<int64_t>(gx - half + size, s->Bubble_gridColumns);
  const int64_t firstRow = std::max<int64_t>(gy - half, 0);
  const int64_t endRow = std::min<int64_t>(gy - half + size, s->Bubble_gridRows);
  ObjectArray* near = s->Bubble_nearBubbles;
  const int32_t capacity = near ? std::min(near->length, kNearBubbleCapacity) : 0;
  int32_t found = 0;
  for (int64_t column = firstColumn; column < endColumn && found < capacity; column++) {
    for (int64_t row = firstRow; row < endRow && found < capacity; row++) {
      Object** cell = Cell(static_cast<int32_t>(column), static_cast<int32_t>(row));
      if (cell && *cell) near->elements()[found++] = *cell;
    }
  }
  s->Bubble_nearBubbleCount = found;
  return found > 0;
}

bool Bubble::queryGridAt(int32_t x, int32_t y, int32_t size) {
  return queryGrid(x >> kCellShift, y >> kCellShift, size);
}

bool Bubble::isAnyNear(int32_t x, int32_t y, int32_t radiusPx) {
  if (!queryGridAt(x, y, kNearWindow)) return false;
  GameStatics* s = Statics<GameStatics>();
  const int64_t reach = int64_t{radiusPx} << 16;
  for (int32_t i = 0; i < s->Bubble_nearBubbleCount; i++) {
    auto* bubble = static_cast<Bubble*>(s->Bubble_nearBubbles->elements()[i]);
    if (bubble->manhattanDistanceTo(x, y) <= reach) return true;
  }
  return false;
}
