// The bunch table over real pools and bunch objects: the made slots, clearing, counting, the
// handle hit test, rectangles, extents, floods and the links of compound roots.
#include <gtest/gtest.h>

#include <tuple>

#include "game/board/actor.h"
#include "runtime/array.h"
#include "tests/game/board/bunch_fixture.h"

namespace {

using BunchTableTest = BunchTest;

TEST_F(BunchTableTest, MadeSlotsHaveTheirPeriodColourSlotsAndAnUnturnedAngle) {
  for (int32_t b = 0; b < 10; b++) {
    cGame_CBubbleBunch* bunch = Bunch(b);
    ASSERT_NE(bunch, nullptr) << b;
    EXPECT_EQ(std::tie(bunch->cfgDuration, bunch->colourA, bunch->colourB, bunch->facing),
              std::make_tuple(1000, 0, 1, 0))
        << b;
    EXPECT_EQ(std::tie(bunch->cos, bunch->sin, bunch->partner, bunch->inUse),
              std::make_tuple(256, 0, -1, int8_t{0}))
        << b;
    EXPECT_EQ(bunch->bubbles->length, 180);
  }
  EXPECT_EQ(cGame::getBunch(10), nullptr);
  EXPECT_EQ(cGame::getBunch(-1), nullptr);
  // Making them again keeps the objects.
  cGame_CBubbleBunch* first = Bunch(0);
  cGame::createBunches();
  EXPECT_EQ(Bunch(0), first);
}

TEST_F(BunchTableTest, ClearingAllResetsEverySlotAndTheTotalsButKeepsTheRecordsValues) {
  Placed(2, 6, 100, 200);
  Attached(2, 0, 0, 3);
  Attached(2, 1, 0, 3);
  cGame_CBubbleBunch* bunch = Bunch(2);
  bunch->colourA = 4, bunch->colourB = 5, bunch->cfgDuration = 700, bunch->facing = 2;
  bunch->angle = 512, bunch->spin = 9, bunch->vx = 3, bunch->handleCount = 1;
  s->cGame_bunchScratch->elements()[1] = 7;
  s->cGame_bunchClearedAnchors->elements()[3] = bunch->anchor;
  ASSERT_EQ(s->cGame_bunchBubbleTotal, 2);
  cGame::clearAllBunches();
  EXPECT_EQ(std::tie(bunch->count, bunch->inUse, bunch->type, bunch->centreX, bunch->restY),
            std::make_tuple(int16_t{0}, int8_t{0}, 0, 0, 0));
  EXPECT_EQ(std::tie(bunch->spin, bunch->vx, bunch->handleCount, bunch->cos),
            std::make_tuple(0, 0, 0, 256));
  EXPECT_EQ(bunch->core, nullptr);
  EXPECT_EQ(bunch->anchor, nullptr);
  EXPECT_EQ(
      std::tie(bunch->colourA, bunch->colourB, bunch->cfgDuration, bunch->facing, bunch->angle),
      std::make_tuple(4, 5, 700, 2, 512));
  EXPECT_EQ(s->cGame_bunchBubbleTotal, 0);
  EXPECT_EQ(s->cGame_bunchScratch->elements()[1], 0);
  EXPECT_EQ(s->cGame_bunchClearedAnchors->elements()[3], nullptr);
  EXPECT_EQ(cGame::findFreeBunchSlot(), 0);
}

TEST_F(BunchTableTest, CountingLeavesOutCarriersLocksAndEmptyBunches) {
  Placed(0, 5, 100, 100);
  Placed(1, 7, 200, 100);
  Placed(2, 0, 300, 100);
  Placed(3, 0, 400, 100);
  for (int32_t b = 0; b < 3; b++) Attached(b, 0, 0);
  Bunch(3)->inUse = 1;  // live, but holding no bubble
  EXPECT_EQ(cGame::countBunches(false), 1);
  EXPECT_EQ(cGame::countBunches(true), 3);
  EXPECT_EQ(cGame::findFreeBunchSlot(), 4);
  for (int32_t b = 4; b < 10; b++) Bunch(b)->inUse = 1;
  EXPECT_EQ(cGame::findFreeBunchSlot(), -1);
}

// Handles hang 80 px above the centre; side handle k sits handles[k] columns of 37 px across.
TEST_F(BunchTableTest, TheHandleHitTestFindsTheFirstHandleCloserThanFortyPixels) {
  Placed(0, 0, 200, 300);
  Attached(0, 0, 0);
  cGame_CBubbleBunch* zero = Bunch(0);
  zero->handles = NewIntArray(2);
  zero->handles->elements()[0] = 1;
  zero->handleCount = 1;
  Placed(1, 0, 200, 300);
  Attached(1, 0, 0);
  struct Case {
    int32_t x, y;  // px
    bool hit;
    int32_t bunch, handle;
  };
  const Case kCases[] = {
      {200, 220, true, 0, -1}, {239, 220, true, 0, -1},
      {200, 259, true, 0, -1}, {220, 239, true, 0, -1},
      {237, 220, true, 0, -1}, {237 + 20, 220, true, 0, 0},  // the main handle is 57 px off
      {276, 220, true, 0, 0},  {277, 220, false, 0, 0},
      {200, 260, false, 0, 0},  // 40 px below the main handle is not closer than 40
  };
  for (const Case& c : kCases) {
    s->cGame_hitBunch = 9;
    s->cGame_hitHandle = 9;
    EXPECT_EQ(cGame::hitTestBunches(c.x * kPx, c.y * kPx), c.hit) << c.x << ", " << c.y;
    if (c.hit) {
      EXPECT_EQ(std::tie(s->cGame_hitBunch, s->cGame_hitHandle), std::make_tuple(c.bunch, c.handle))
          << c.x << ", " << c.y;
    } else {
      EXPECT_EQ(std::tie(s->cGame_hitBunch, s->cGame_hitHandle), std::make_tuple(9, 9));
    }
  }
  // A side handle counted but not in the array is not read; an empty bunch is not hit.
  zero->handleCount = 5;
  EXPECT_TRUE(cGame::hitTestBunches(276 * kPx, 220 * kPx));
  cGame::removeBunchBubbles(0);
  s->cGame_hitBunch = 9;
  EXPECT_TRUE(cGame::hitTestBunches(200 * kPx, 220 * kPx));
  EXPECT_EQ(s->cGame_hitBunch, 1);
  Bunch(1)->type = 4;
  EXPECT_FALSE(cGame::hitTestBunches(200 * kPx, 220 * kPx)) << "only type 0 has handles";
}

TEST_F(BunchTableTest, RectanglesThatTouchOverlap) {
  struct Case {
    int32_t l2, r2, t2, b2;
    bool overlap;
  };
  const Case kCases[] = {
      {10, 20, 0, 10, true}, {11, 20, 0, 10, false}, {-5, 0, 0, 10, true}, {-5, -1, 0, 10, false},
      {0, 10, 10, 20, true}, {0, 10, 11, 20, false}, {2, 8, 2, 8, true},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(cGame::rectsOverlap(0, 10, 0, 10, c.l2, c.r2, c.t2, c.b2), c.overlap) << c.l2;
  }
}

// Cells (0,0), (1,0), (-1,0), (0,1) and (0,-1) of a bunch at (200, 300).
TEST_F(BunchTableTest, ExtentsAreTheMembersExtremeOffsetsFromTheCentre) {
  Placed(4, 6, 200, 300);
  for (auto [col, row] : {std::pair{0, 0}, {1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
    Attached(4, col, row);
  }
  cGame::updateBunchExtents();
  cGame_CBubbleBunch* bunch = Bunch(4);
  EXPECT_EQ(std::tie(bunch->minX, bunch->maxX, bunch->minY, bunch->maxY),
            std::make_tuple(-37 * kPx, 37 * kPx, -33 * kPx, 33 * kPx));
  EXPECT_EQ(std::tie(Bunch(5)->minX, Bunch(5)->maxY), std::make_tuple(0, 0));
  EXPECT_EQ(cGame::findBubbleInBunch(4, 0, -1), Members(4)[4]);
  EXPECT_EQ(cGame::findBubbleInBunch(4, 2, 0), nullptr);
  cGame::removeBunchBubbles(4);
  EXPECT_EQ(std::tie(bunch->count, bunch->minX, bunch->maxY), std::make_tuple(int16_t{0}, 0, 0));
  EXPECT_EQ(s->cGame_bunchBubbleTotal, 0);
}

// A row of cells (0..5, 0): colours 1, 1, 10 (a joker), 1, then a child of a root of colour
// 1, then 2. The child of 1 is visited but not counted; the 2 stops mode 1.
TEST_F(BunchTableTest, FloodsCountAnyColourOrOneColourWithJokers) {
  Placed(0, 6, 100, 400);
  Bubble* start = Attached(0, 0, 0, 1);
  Attached(0, 1, 0, 1);
  Attached(0, 2, 0, Bubble::kJoker);
  Bubble* beyondJoker = Attached(0, 3, 0, 1);
  Bubble* child = Attached(0, 4, 0, 5);
  Bubble* other = Attached(0, 5, 0, 2);
  child->parent = start;
  EXPECT_EQ(cGame::floodCountFrom(start, 1), 4);
  EXPECT_TRUE(child->flags & Bubble::kVisited);
  EXPECT_FALSE(other->flags & Bubble::kVisited);
  EXPECT_EQ(std::tie(beyondJoker->floodDepth, beyondJoker->floodOrder), std::make_tuple(3, 3));

  Bubble::clearVisitedAll();
  for (Bubble* b : Members(0)) EXPECT_FALSE(b->flags & Bubble::kVisited);
  EXPECT_EQ(cGame::floodCountFrom(start, 0), 6);

  struct Case {
    int32_t mode;
    int32_t flagsOfThird;
    int32_t count;
  };
  const Case kCases[] = {
      {1, Bubble::kIndestructible, 2},
      {1, Bubble::kDead, 2},
      {0, Bubble::kDead, 2},
      {1, Bubble::kVisited, 2},
      {7, 0, 1},
  };
  Bubble* third = Members(0)[2];
  for (const Case& c : kCases) {
    Bubble::clearVisitedAll();
    third->flags = (third->flags & ~(Bubble::kIndestructible | Bubble::kDead)) | c.flagsOfThird;
    EXPECT_EQ(cGame::floodCountFrom(start, c.mode), c.count) << c.mode << " " << c.flagsOfThird;
  }
}

TEST_F(BunchTableTest, AdjacentCompoundRootsGetNoParent) {
  Placed(0, 6, 200, 400);
  Bubble* rootA = Attached(0, 0, 0, 1, Bubble::kCompoundRoot);
  Bubble* rootB = Attached(0, 1, 0, 2, Bubble::kCompoundRoot);
  Bubble* childOfA = Attached(0, -1, 0, 3);
  Bubble* childOfB = Attached(0, 2, 0, 3);
  cGame::linkAnchors(0);
  EXPECT_EQ(rootA->parent, nullptr);
  EXPECT_EQ(rootB->parent, nullptr);
  EXPECT_EQ(childOfA->parent, rootA);
  EXPECT_EQ(childOfB->parent, rootB);
  childOfA->startAppearanceChange(2);  // ends at its root
  EXPECT_EQ(rootA->changeSteps, 9);
}

}  // namespace
