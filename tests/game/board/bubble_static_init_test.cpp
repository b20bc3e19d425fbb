#include "game/board/bubble.h"

#include <gtest/gtest.h>

#include <array>

#include "game/game_statics.h"
#include "runtime/array.h"
#include "tests/support/runtime_fixture.h"

namespace {

// The steps (dx, dy) of the six directions: right, down-right, down-left, left, up-left,
// up-right.
constexpr std::array<int32_t, 6> kDx = {1, 1, 0, -1, -1, 0};
constexpr std::array<int32_t, 6> kDy = {0, -1, -1, 0, 1, 1};

class BubbleStaticInitTest : public RuntimeTest {
 protected:
  GameStatics* statics() { return Statics<GameStatics>(); }

  void InitWithCanvas(int32_t width, int32_t height) {
    statics()->cGame_canvasWidth = width;
    statics()->cGame_canvasHeight = height;
    Bubble::staticInit();
  }
};

template <class A>
A* Element(ObjectArray* array, int32_t index) {
  return static_cast<A*>(array->elements()[index]);
}

TEST_F(BubbleStaticInitTest, TheCollisionGridHasOneEightPixelCellMoreThanTheCanvasHolds) {
  struct Row {
    int32_t width, height, columns, rows;
  };
  for (const Row& row : {Row{480, 800, 61, 101}, Row{240, 320, 31, 41}, Row{7, 8, 1, 2}}) {
    SCOPED_TRACE(row.width);
    InitWithCanvas(row.width, row.height);
    EXPECT_EQ(statics()->Bubble_gridColumns, row.columns);
    EXPECT_EQ(statics()->Bubble_gridRows, row.rows);
    ObjectArray* grid = statics()->Bubble_collisionGrid;
    ASSERT_EQ(grid->length, row.columns);
    for (int32_t column = 0; column < row.columns; column++) {
      ObjectArray* cells = Element<ObjectArray>(grid, column);
      ASSERT_EQ(cells->length, row.rows);
      for (int32_t cell = 0; cell < row.rows; cell++) ASSERT_EQ(cells->elements()[cell], nullptr);
    }
  }
}

TEST_F(BubbleStaticInitTest, TheDirectionIndexTableNamesTheDirectionOfEachStep) {
  InitWithCanvas(480, 800);
  ObjectArray* table = statics()->Bubble_directionIndexTable;
  ASSERT_EQ(table->length, 3);
  for (int32_t dx = -1; dx <= 1; dx++) {
    ByteArray* row = Element<ByteArray>(table, dx + 1);
    ASSERT_EQ(row->length, 3);
    for (int32_t dy = -1; dy <= 1; dy++) {
      int32_t expected = -1;
      for (int32_t k = 0; k < 6; k++) {
        if (kDx[k] == dx && kDy[k] == dy) expected = k;
      }
      EXPECT_EQ(ByteArray::get(row, dy + 1), expected) << dx << ", " << dy;
    }
  }
}

// The opposite of a direction is the one whose step undoes it.
TEST_F(BubbleStaticInitTest, TheDirectionTablesHoldEachStepAndItsOpposite) {
  InitWithCanvas(480, 800);
  GameStatics* s = statics();
  ASSERT_EQ(s->Bubble_neighbourDx->length, 6);
  ASSERT_EQ(s->Bubble_neighbourDy->length, 6);
  ASSERT_EQ(s->Bubble_oppositeDirection->length, 6);
  for (int32_t k = 0; k < 6; k++) {
    EXPECT_EQ(ByteArray::get(s->Bubble_neighbourDx, k), kDx[k]) << k;
    EXPECT_EQ(ByteArray::get(s->Bubble_neighbourDy, k), kDy[k]) << k;
    const int32_t opposite = ByteArray::get(s->Bubble_oppositeDirection, k);
    ASSERT_TRUE(opposite >= 0 && opposite < 6) << k;
    EXPECT_EQ(kDx[opposite], -kDx[k]) << k;
    EXPECT_EQ(kDy[opposite], -kDy[k]) << k;
  }
}

// Sector k lies between directions k and k + 1: its five cells are the two direction steps
// a and b, the cell a + b between them, and each step taken twice.
TEST_F(BubbleStaticInitTest, EachSectorHoldsTheCellsBetweenItsTwoDirections) {
  InitWithCanvas(480, 800);
  ObjectArray* sectors = statics()->Bubble_sectorOffsets;
  ASSERT_EQ(sectors->length, 6);
  for (int32_t k = 0; k < 6; k++) {
    IntArray* pairs = Element<IntArray>(sectors, k);
    ASSERT_EQ(pairs->length, 10);
    auto dx = [&](int32_t pair) { return IntArray::get(pairs, 2 * pair); };
    auto dy = [&](int32_t pair) { return IntArray::get(pairs, 2 * pair + 1); };
    const int32_t next = (k + 1) % 6;
    const bool inOrder =
        dx(0) == kDx[k] && dy(0) == kDy[k] && dx(1) == kDx[next] && dy(1) == kDy[next];
    const bool swapped =
        dx(0) == kDx[next] && dy(0) == kDy[next] && dx(1) == kDx[k] && dy(1) == kDy[k];
    EXPECT_TRUE(inOrder || swapped) << k;
    EXPECT_EQ(dx(2), dx(0) + dx(1)) << k;
    EXPECT_EQ(dy(2), dy(0) + dy(1)) << k;
    for (int32_t step = 0; step < 2; step++) {
      EXPECT_EQ(dx(3 + step), 2 * dx(step)) << k;
      EXPECT_EQ(dy(3 + step), 2 * dy(step)) << k;
    }
  }
}

TEST_F(BubbleStaticInitTest, ThePoolListsAndCountersStartEmpty) {
  InitWithCanvas(480, 800);
  GameStatics* s = statics();
  ObjectArray* lists[] = {s->Bubble_bubblePool, s->Bubble_activeBubbles, s->Bubble_bubbleWorkList};
  for (ObjectArray* list : lists) {
    ASSERT_EQ(list->length, 170);
    for (int32_t i = 0; i < 170; i++) ASSERT_EQ(list->elements()[i], nullptr);
  }
  EXPECT_NE(lists[0], lists[1]);
  EXPECT_NE(lists[1], lists[2]);
  EXPECT_NE(lists[0], lists[2]);
  EXPECT_EQ(s->Bubble_nearBubbles->length, 25);
  ASSERT_EQ(s->Bubble_colourCountTable->length, 7);
  for (int32_t colour = 0; colour < 7; colour++) {
    EXPECT_EQ(IntArray::get(s->Bubble_colourCountTable, colour), 0);
  }
}

}  // namespace
