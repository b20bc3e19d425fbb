// Hexagonal cells over the real static block and real bunch objects: cell places unturned and
// turned, a bubble following its bunch, direction lookups, the neighbour a facing bubble
// turns toward, and the play area's bounds.
#include <gtest/gtest.h>

#include <tuple>

#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "runtime/array.h"
#include "tests/support/library_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

constexpr int32_t kPx = 1 << 16;

class BubbleGeometryTest : public LibraryTest {
 protected:
  void SetUp() override {
    LibraryTest::SetUp();
    s = Statics<GameStatics>();
    Bubble::fillPool();
  }
  // A bunch in slot `slot` of the table at (cx, cy) px, turned by `degrees` (a quarter turn
  // has sin 256 and cos 0 in 8.8).
  cGame_CBubbleBunch* Bunch(int32_t slot, int32_t cx, int32_t cy, int32_t angle = 0,
                            int32_t sin = 0, int32_t cos = 256) {
    auto* bunch = NewObject<cGame_CBubbleBunch>();
    bunch->centreX = cx * kPx;
    bunch->centreY = cy * kPx;
    bunch->angle = angle;
    bunch->sin = sin;
    bunch->cos = cos;
    s->cGame_bunches->elements()[slot] = bunch;
    return bunch;
  }
  std::tuple<int32_t, int32_t> Cell() const { return {s->Bubble_cellX, s->Bubble_cellY}; }

  GameStatics* s = nullptr;
};

TEST_F(BubbleGeometryTest, CellPlacesUnturnedAndTurned) {
  constexpr int32_t kQuarterTurn = 90 << 8;
  struct Case {
    int32_t col, row;
    bool turned, offset;
    int32_t x, y;  // 16.16
  };
  const Case kCases[] = {
      {0, 0, false, true, 240 * kPx, 400 * kPx},  // the centre itself
      {0, 0, true, false, 0, 0},
      {1, 0, false, false, 37 * kPx, 0},
      {1, 0, false, true, 277 * kPx, 400 * kPx},
      {0, 1, false, false, 18 * kPx, -33 * kPx},   // 18.5 px right, fraction dropped
      {0, -1, false, false, -19 * kPx, 33 * kPx},  // -18.5 drops toward minus infinity
      {1, 0, true, false, 0, 37 * kPx},            // a quarter turn: right becomes down
      {0, 1, true, false, 33 * kPx, 18 * kPx},
      {0, -1, true, false, -33 * kPx, -19 * kPx},
      {1, 0, true, true, 240 * kPx, 437 * kPx},
  };
  cGame_CBubbleBunch* still = Bunch(0, 240, 400);
  cGame_CBubbleBunch* quarter = Bunch(1, 240, 400, kQuarterTurn, 256, 0);
  for (const Case& c : kCases) {
    Bubble::cellPosition(c.turned ? quarter : still, c.col, c.row, c.turned, c.offset);
    EXPECT_EQ(Cell(), std::make_tuple(c.x, c.y))
        << c.col << ", " << c.row << " turned " << c.turned << " offset " << c.offset;
  }
  // A bunch whose angle is 0 is not turned, whatever its sine says; nor is one asked unturned.
  cGame_CBubbleBunch* stale = Bunch(2, 0, 0, 0, 256, 0);
  Bubble::cellPosition(stale, 1, 0, true, false);
  EXPECT_EQ(Cell(), std::make_tuple(37 * kPx, 0));
  Bubble::cellPosition(quarter, 1, 0, false, false);
  EXPECT_EQ(Cell(), std::make_tuple(37 * kPx, 0));
}

// Cell (200, -100) lies 300 half-columns (5550 px) right and 3300 px down.
TEST_F(BubbleGeometryTest, AHalfTurnMirrorsAFarCell) {
  cGame_CBubbleBunch* half = Bunch(0, 0, 0, 180 << 8, 0, -256);
  Bubble::cellPosition(half, 200, -100, true, false);
  EXPECT_EQ(Cell(), std::make_tuple(-5550 * kPx, -3300 * kPx));
}

TEST_F(BubbleGeometryTest, ABubbleInABunchFollowsItsCellAndAFreeOneStays) {
  Bunch(3, 100, 300, 90 << 8, 256, 0);
  Bubble* member = Bubble::allocate();
  member->bunch = 3;
  member->col = 1;
  member->updateBunchPosition();
  EXPECT_EQ(std::tie(member->x, member->y, member->pixelX, member->pixelY),
            std::make_tuple(100 * kPx, 337 * kPx, 100, 337));
  for (int32_t bunch : {Bubble::kFlyingShot, Bubble::kLoose}) {
    Bubble* free = Bubble::allocate();
    free->bunch = bunch;
    free->setPosition(5, 6);
    free->updateBunchPosition();
    EXPECT_EQ(std::tie(free->x, free->y, free->pixelX), std::make_tuple(5 * kPx, 6 * kPx, 0));
  }
  TraceCapture trace;
  member->bunch = 10;  // no such slot: traced, left in place
  member->updateBunchPosition();
  EXPECT_EQ(member->pixelY, 337);
  EXPECT_EQ(trace.lines().size(), 1u);
}

TEST_F(BubbleGeometryTest, DirectionIndexOfEveryStep) {
  struct Case {
    int32_t dx, dy, direction;
  };
  const Case kCases[] = {
      {1, 0, 0},  {1, -1, 1}, {0, -1, 2},   {-1, 0, 3}, {-1, 1, 4},  {0, 1, 5},
      {0, 0, -1}, {1, 1, -1}, {-1, -1, -1}, {2, 0, -1}, {0, -2, -1}, {INT32_MIN, 0, -1},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(Bubble::directionIndex(c.dx, c.dy), c.direction) << c.dx << ", " << c.dy;
  }
  for (int32_t d = 0; d < 6; d++) {
    EXPECT_EQ(Bubble::directionIndex(Bubble::kNeighbourDx[d], Bubble::kNeighbourDy[d]), d);
  }
}

TEST_F(BubbleGeometryTest, TheNeighbourTowardTheDirectionIsTheNearestMatchableOne) {
  Bubble* shot = Bubble::getPooled(0);
  Bubble* at[6];
  for (int32_t d = 0; d < 6; d++) at[d] = Bubble::getPooled(1 + d);
  Bubble* root = Bubble::getPooled(7);
  root->colour = 2;
  auto place = [&](std::initializer_list<int32_t> sides) {
    for (int32_t d = 0; d < 6; d++) shot->neighbours->elements()[d] = nullptr;
    for (int32_t d : sides) shot->neighbours->elements()[d] = at[d];
  };
  for (int32_t d = 0; d < 6; d++) at[d]->colour = 1;

  shot->direction = 0;
  place({2, 4});
  EXPECT_EQ(shot->neighbourTowardDirection(), at[2]) << "a tie goes to the lower side";
  place({3, 5});
  EXPECT_EQ(shot->neighbourTowardDirection(), at[5]) << "5 is one step from 0 round the turn";
  at[1]->colour = 7;  // a bomb is no candidate
  place({1, 3});
  EXPECT_EQ(shot->neighbourTowardDirection(), at[3]);
  at[1]->parent = root;  // ... unless its parent is matchable: the parent is given
  EXPECT_EQ(shot->neighbourTowardDirection(), root);
  at[1]->parent = nullptr;
  at[1]->colour = 1;
  at[3]->flags = Bubble::kIndestructible;
  place({3});
  EXPECT_EQ(shot->neighbourTowardDirection(), nullptr);
  place({});
  EXPECT_EQ(shot->neighbourTowardDirection(), nullptr);
  at[4]->parent = root;  // a matchable winner with a parent also gives its parent
  place({4});
  EXPECT_EQ(shot->neighbourTowardDirection(), root);
}

TEST_F(BubbleGeometryTest, ThePlayAreaKeepsABubblesRimOffBothWalls) {
  s->cGame_canvasWidth = 480;
  cGame::setPlayArea(20, 30);
  EXPECT_EQ(std::tie(s->cGame_playMarginLeft, s->cGame_playMarginRight, s->cGame_playLeftPx,
                     s->cGame_playRightMarginPx),
            std::make_tuple(20, 30, 38, 48));
  EXPECT_EQ(s->cGame_playLeft, 38 * kPx);
  EXPECT_EQ(s->cGame_playRight, 432 * kPx);
}

}  // namespace
