// Level type 5's belt frame by frame over the real bunch table: three places 200 px apart on a
// 480 px screen, so the belt runs from -60 to 540 px; bunches wrap from end to end, an emptied
// one is built again only off the screen, and the flyer timer starts flyers and re-arms.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/board/board_seams.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "tests/game/world/type_rule_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

class BeltTest : public TypeRuleTest {
 protected:
  void SetUp() override {
    TypeRuleTest::SetUp();
    OneBubbleTemplates({2, 4, 6});
    s->cGame_levelType = 5;
    s->cGame_levelOver = false;
    s->cGame_canvasWidth = 480;
    s->cGame_beltBunchSize = 200 * kPx;
    s->cGame_beltHalf = 300 * kPx;
    s->cGame_beltSpeed = 0;
    s->cGame_beltX = NewIntArray(3);
    s->cGame_beltY = NewIntArray(3);
    for (int32_t i = 0; i < 3; i++) {
      IntArray::set(s->cGame_beltX, i, 240 * kPx);
      IntArray::set(s->cGame_beltY, i, (100 + 50 * i) * kPx);
    }
    s->cGame_beltTimer = 100000;
    s->cGame_frameTime = 100;
    BoardSeamCalls().clear();
  }
  // Bunch i built from its template at the belt place i, as the belt's refill builds it.
  void Build(int32_t i) {
    cGame::buildBunchFromTemplate(i, i, IntArray::get(s->cGame_beltX, i),
                                  IntArray::get(s->cGame_beltY, i), 0, 39);
  }
};

// One frame at the given speed and frame time: a bunch past either end goes to the other end,
// and a bunch holding bubbles takes the new x. 40 px/s over 1000 ms passes 32 bits in 16.16.
TEST_F(BeltTest, BeltBunchesMoveAndWrapFromEndToEnd) {
  struct Case {
    int32_t speed, frameTime, fromX, toX;  // px/s, ms, px, px
  };
  const Case kCases[] = {
      {100, 100, 500, 510}, {100, 100, 530, 540}, {100, 100, 535, -60}, {-100, 100, -50, -60},
      {-100, 100, -55, 540}, {40, 1000, 0, 40},   {-40, 1000, 100, 60},
  };
  Build(0);
  for (const Case& c : kCases) {
    s->cGame_beltSpeed = c.speed * kPx;
    s->cGame_frameTime = c.frameTime;
    IntArray::set(s->cGame_beltX, 0, c.fromX * kPx);
    cGame::updateScrollingBunches();
    EXPECT_EQ(IntArray::get(s->cGame_beltX, 0), c.toX * kPx) << c.speed << " from " << c.fromX;
    EXPECT_EQ(Bunch(0)->centreX, c.toX * kPx) << c.speed << " from " << c.fromX;
  }
}

// Bunch 1 emptied by the player: on the screen, or less than a quarter spacing (50 px) beyond
// an edge, it stays empty; further out it is built from template 1 at its belt place with look
// 39, unless the level is over.
TEST_F(BeltTest, AnEmptiedBunchIsBuiltAgainOnlyOffTheScreen) {
  struct Case {
    int32_t x;
    bool over, built;
  };
  const Case kCases[] = {
      {240, false, false}, {-50, false, false}, {-51, false, true}, {530, false, false},
      {531, false, true},  {-51, true, false},  {531, true, false},
  };
  for (const Case& c : kCases) {
    cGame::clearAllBunches();
    s->cGame_levelOver = c.over;
    IntArray::set(s->cGame_beltX, 1, c.x * kPx);
    TraceCapture trace;
    cGame::updateScrollingBunches();
    EXPECT_EQ(Bunch(1)->count > 0, c.built) << c.x << " over " << c.over;
    EXPECT_EQ(trace.lines(), c.built ? std::vector<std::string>{"belt refill 1"}
                                     : std::vector<std::string>{})
        << c.x;
    if (!c.built) continue;
    EXPECT_EQ(Bunch(1)->type, 0);
    EXPECT_EQ(Bunch(1)->centreX, c.x * kPx);
    EXPECT_EQ(Bunch(1)->centreY, 150 * kPx);
    EXPECT_EQ(Bunch(1)->core->colour, 4);
    EXPECT_EQ(Bunch(1)->core->appearance, 39);
  }
}

// Frames of 400 ms from 300 ms left: the timer runs out in frame 1 and sends a flyer at
// y = 100 + draw mod 200, to the right on an even y; frame 2 re-arms it at
// 1000 + draw mod 500 (less that frame); it runs out again in frame 4, and a timer at 0
// neither starts a flyer nor re-arms until it is below 0. Draws worked by hand from the seed.
TEST_F(BeltTest, TheFlyerTimerStartsFlyersAndReArms) {
  struct Case {
    int32_t seed, flyerY;
    bool exitRight;
    int32_t rearmed;
  };
  const Case kCases[] = {{1, 196, true, 1200}, {2, 221, false, 1144}};
  for (const Case& c : kCases) {
    BoardSeamCalls().clear();
    s->cGame_randomSeed = c.seed;
    s->cGame_beltFlyerMin = 100;
    s->cGame_beltFlyerMax = 300;
    s->cGame_beltDelayMin = 1000;
    s->cGame_beltDelayMax = 1500;
    s->cGame_frameTime = 400;
    s->cGame_beltTimer = 300;
    cGame::updateScrollingBunches();
    EXPECT_EQ(s->cGame_beltTimer, -100);
    ASSERT_EQ(BoardSeamCalls().size(), 1u) << c.seed;
    EXPECT_EQ(BoardSeamCalls()[0],
              (BoardSeamCall{"startFlyer", {c.flyerY, c.exitRight ? 1 : 0}}));
    cGame::updateScrollingBunches();
    EXPECT_EQ(s->cGame_beltTimer, c.rearmed - 400) << c.seed;
    std::vector<size_t> calls;
    for (int32_t frame = 3; frame <= 6; frame++) {
      cGame::updateScrollingBunches();
      calls.push_back(BoardSeamCalls().size());
    }
    EXPECT_EQ(calls, (std::vector<size_t>{1, 2, 2, 2})) << c.seed;
  }
}

// Equal delays re-arm at the delay without a draw.
TEST_F(BeltTest, EqualDelaysReArmWithoutADraw) {
  s->cGame_randomSeed = 9;
  s->cGame_beltDelayMin = s->cGame_beltDelayMax = 700;
  s->cGame_beltTimer = -1;
  cGame::updateScrollingBunches();
  EXPECT_EQ(s->cGame_beltTimer, 600);
  EXPECT_EQ(s->cGame_randomSeed, 9);
}

}  // namespace
