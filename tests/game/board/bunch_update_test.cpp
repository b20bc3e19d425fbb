// The frame's bunch pass over real bunches: the hanging bunch's bands, sinking, rising, drop
// warnings and drop steps, its spring and the play-area clamp; the pair on one rope; the
// common tail's angle and the burst of a bunch that nothing can pop; the counts each slot
// keeps for the next frame.
#include <gtest/gtest.h>

#include <tuple>

#include "engine/mqlib_player.h"
#include "game/board/actor.h"
#include "tests/game/board/bunch_rules_fixture.h"

namespace {

class HangingBunchTest : public BunchRulesTest {
 protected:
  // A hanging bunch of one core at (240, y) px, its counts as last frame's.
  static cGame_CBubbleBunch* Hanging(int32_t y) {
    cGame_CBubbleBunch* bunch = Placed(0, 0, 240, y);
    Attached(0, 0, 0, 1);
    bunch->prevCount = bunch->count;
    bunch->prevLandedCount = bunch->landedCount;
    return bunch;
  }
};

// The bottom (centre + 18 px for a lone core) picks the drop and sink steps, the top (centre -
// 18 px) the rise: each row one frame with a bubble gained (drop pending) or two lost.
TEST_F(HangingBunchTest, TheBandsPickTheDropSinkAndRiseSteps) {
  struct Case {
    const char* what;
    int32_t y, gained;
    bool dropPending;
    int32_t restMovesPx;
  };
  const Case kCases[] = {
      {"bottom above a quarter: drop 60, sink 10", 201, 1, true, 70},
      {"bottom exactly at a quarter: drop 40, sink 8", 202, 1, true, 48},
      {"bottom at half: drop 30, sink 6", 362, 1, true, 36},
      {"bottom at three quarters: drop 10, sink 4", 522, 1, true, 14},
      {"a gain without a drop sinks only", 202, 1, false, 8},
      {"two lost, top above half: rise 4 each", 397, -2, false, -8},
      {"two lost, top at half: rise 6 each", 398, -2, false, -12},
      {"two lost, top at three quarters: rise 8 each", 558, -2, false, -16},
      {"nothing gained or lost", 300, 0, false, 0},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    cGame::clearAllBunches();
    cGame_CBubbleBunch* bunch = Hanging(c.y);
    bunch->prevCount = static_cast<int16_t>(bunch->count - c.gained);
    bunch->dropPending = c.dropPending;
    trace_.clear();
    Frames(1);
    EXPECT_EQ(bunch->restY, (c.y + c.restMovesPx) * kPx);
    EXPECT_EQ(TraceCount("bunch 0 drop"), c.dropPending ? 1 : 0);
    EXPECT_EQ(bunch->dropPending, 0);
  }
}

// Every fifth landing steps the bunch down once; the anchor warns 3, 2, 1 landings ahead,
// looping the warning after its current pass (mode 30 first, then state 101).
TEST_F(HangingBunchTest, EveryFifthLandingStepsTheBunchDownAfterWarnings) {
  Param(0, 5);
  cGame_CBubbleBunch* bunch = Hanging(300);
  bunch->landedCount = bunch->prevLandedCount = 0;
  cActor* anchor = bunch->anchor;
  ASSERT_NE(anchor, nullptr);
  const int32_t kVariantAfter[] = {0, 1, 2, 3};
  int32_t rest = 300;
  for (int32_t landing = 1; landing <= 4; landing++) {
    SCOPED_TRACE(landing);
    Attached(0, landing, 0);
    Frames(1);
    rest += 8;  // a bubble gained with the bottom (318 px) in the second quarter
    EXPECT_EQ(bunch->restY, rest * kPx);
    EXPECT_EQ(std::tie(bunch->variant, anchor->state, anchor->nextAnim, anchor->nextMode),
              std::make_tuple(kVariantAfter[landing - 1], cActor::kSpriteThenNext,
                              kVariantAfter[landing - 1], cActor::kModeLoop));
    EXPECT_EQ(TraceCount("bunch 0 drop"), 0);
  }
  Attached(0, -1, 0);
  Frames(1);
  EXPECT_EQ(bunch->restY, (rest + 8 + 40) * kPx) << "the fifth sinks and drops";
  EXPECT_EQ(TraceCount("bunch 0 drop"), 1);
  EXPECT_EQ(std::tie(bunch->variant, bunch->dropPending, anchor->player->anim, anchor->mode,
                     anchor->nextAnim),
            std::make_tuple(0, int8_t{0}, 4, cActor::kModeNotifyOnce, 0));
  Frames(3);
  EXPECT_EQ(TraceCount("bunch 0 drop"), 1) << "one step per multiple";
}

// With no drop step (0 or negative) landings neither warn nor drop; a falling bunch takes
// no drop steps either.
TEST_F(HangingBunchTest, NoDropStepOrAFallingBunchMeansNoWarningsAndNoDrops) {
  struct Case {
    int32_t every, fallSpeed;
  };
  for (const Case& c : {Case{0, 0}, Case{-3, 0}, Case{1, 65536}}) {
    SCOPED_TRACE(testing::Message() << c.every << " " << c.fallSpeed);
    cGame::clearAllBunches();
    Param(0, c.every);
    cGame_CBubbleBunch* bunch = Hanging(300);
    bunch->fallSpeed = c.fallSpeed;
    trace_.clear();
    for (int32_t landing = 1; landing <= 6; landing++) {
      Attached(0, landing, 0);
      Frames(1);
    }
    EXPECT_EQ(std::tie(bunch->variant, bunch->dropPending, bunch->anchor->state),
              std::make_tuple(0, int8_t{0}, cActor::kSprite));
    EXPECT_EQ(TraceCount("bunch 0 drop"), 0);
  }
}

// The spring frame by frame, from rest 10 px below a still centre: the pull is a tenth of the
// distance, the speed doubles each frame, clamps at 65536 and is damped per 100 ms; the
// centre moves by it although the bunch is not falling. A fall speed adds its own step.
TEST_F(HangingBunchTest, TheSpringMovesAHangingBunchDownFrameByFrame) {
  struct Step {
    int32_t vy, centreY;
  };
  // Frame 1: ay = (655360 / 10) * 16 / 1000 = 1048, vy = 41920, dy = 40 * 41920 * 16 / 1000.
  // Frame 2: ay = 1005, vy = 40200 + 83840 clamps. Frame 3 (timer 120): one damping step of
  // (40 * 938 + 131072) * 87 / 100 = 146675, clamped again.
  const Step kSteps[] = {{41920, 300 * kPx + 26828},
                         {65536, 300 * kPx + 26828 + 41943},
                         {65536, 300 * kPx + 26828 + 2 * 41943}};
  for (int32_t fall : {0, 100 * kPx}) {
    SCOPED_TRACE(fall);
    cGame::clearAllBunches();
    cGame_CBubbleBunch* bunch = Hanging(300);
    bunch->restY = 310 * kPx;
    bunch->fallSpeed = fall;
    for (int32_t i = 0; i < 3; i++) {
      const int32_t before = bunch->centreY;
      Frames(1);
      EXPECT_EQ(bunch->vy, kSteps[i].vy) << "frame " << i + 1;
      if (fall == 0) {
        EXPECT_EQ(bunch->centreY, kSteps[i].centreY) << "frame " << i + 1;
      } else if (i == 0) {
        EXPECT_EQ(bunch->centreY - before, 4 * kPx + 26828) << "the fall's own 4 px";
      }
      EXPECT_EQ(bunch->anchor->y, bunch->centreY >> 16);
    }
  }
}

// A bunch past a side wall is not moved back at once: its rest point moves in so that its
// extent ends at the wall, and the spring brings it back. The rest point never rises above
// the band's top.
TEST_F(HangingBunchTest, PastAWallTheRestPointMovesAndTheSpringBringsItBack) {
  cGame_CBubbleBunch* bunch = Hanging(300);
  Attached(0, 1, 0);  // 37 px right of the centre
  s->cGame_playRight = 260 * kPx;
  Frames(1);
  EXPECT_EQ(bunch->centreX, 240 * kPx) << "no jump back";
  EXPECT_EQ(bunch->restX, 260 * kPx - 37 * kPx);
  Frames(10);
  EXPECT_LT(bunch->centreX, 240 * kPx);

  cGame::clearAllBunches();
  bunch = Hanging(300);
  bunch->restY = 20 * kPx;
  Frames(1);
  EXPECT_EQ(bunch->restY, kBand0 * kPx);
}

// The side handles stand on their columns, 37 px each, on the centre's row.
TEST_F(HangingBunchTest, TheAnchorAndHandlesFollowTheCentre) {
  cGame_CBubbleBunch* bunch = Hanging(300);
  Attached(0, 2, 0, 3, Bubble::kAttachment);
  Attached(0, -1, 0, 3, Bubble::kAttachment);
  bunch->centreX += 5 * kPx;
  bunch->restX = bunch->centreX;
  Frames(1);
  auto* right = static_cast<cActor*>(bunch->decorations->elements()[0]);
  auto* left = static_cast<cActor*>(bunch->decorations->elements()[1]);
  EXPECT_EQ(std::make_tuple(bunch->anchor->x, right->x, left->x, right->y),
            std::make_tuple(245, 245 + 74, 245 - 37, 300));
}

// Hanging bunches keep still in the level types of waves and scenery.
TEST_F(HangingBunchTest, WavesAndSceneryLevelsSkipTheRule) {
  for (int32_t type : {2, 3}) {
    cGame::clearAllBunches();
    s->cGame_levelType = type;
    cGame_CBubbleBunch* bunch = Hanging(300);
    bunch->restY = 310 * kPx;
    bunch->prevCount = 0;
    Frames(2);
    EXPECT_EQ(std::tie(bunch->centreY, bunch->restY, bunch->vy),
              std::make_tuple(300 * kPx, 310 * kPx, 0));
  }
}

// ---- The pair -------------------------------------------------------------------------------

class PairTest : public BunchRulesTest {
 protected:
  // Bunches 0 and 1 of type 1, partners, at (120, y0) and (360, y1) px with n0 and n1
  // bubbles.
  static void Pair(int32_t y0, int32_t n0, int32_t y1, int32_t n1) {
    for (auto [b, y, n] : {std::tuple{0, y0, n0}, std::tuple{1, y1, n1}}) {
      cGame_CBubbleBunch* bunch = Placed(b, 1, 120 + 240 * b, y);
      bunch->partner = 1 - b;
      for (int32_t i = 0; i < n; i++) Attached(b, i, 0);
      bunch->inUse = 1;
    }
  }
};

// Three bubbles against one: 12 px of difference, the heavier side's rest point lower, both
// pulled by (12 px / 10) * 16 / 1000 * 40 = 50320 in the first frame.
TEST_F(PairTest, TheHeavierSideHangsLower) {
  Pair(300, 3, 300, 1);
  Frames(1);
  EXPECT_EQ(std::make_tuple(Bunch(0)->restY, Bunch(1)->restY),
            std::make_tuple(312 * kPx, 288 * kPx));
  EXPECT_EQ(std::make_tuple(Bunch(0)->vy, Bunch(1)->vy), std::make_tuple(50320, -50320));
  EXPECT_EQ(std::make_tuple(Bunch(0)->centreY, Bunch(1)->centreY),
            std::make_tuple(300 * kPx + 805 * 40, 300 * kPx - 805 * 40));
}

// An empty side rests at the top; rising past it, it stops there and its partner takes the
// mirror place (2 x mid - top) at rest.
TEST_F(PairTest, ASideRisingPastTheTopStopsAndThePartnerMirrorsIt) {
  Pair(101, 0, 300, 3);
  Bunch(0)->vy = -524288;
  Frames(1);
  const int32_t mid = (101 * kPx + 300 * kPx) >> 1;
  EXPECT_EQ(std::make_tuple(Bunch(0)->centreY, Bunch(0)->restY, Bunch(0)->vy),
            std::make_tuple(kPairTop * kPx, kPairTop * kPx, 0));
  EXPECT_EQ(std::make_tuple(Bunch(1)->centreY, Bunch(1)->restY, Bunch(1)->vy),
            std::make_tuple(2 * mid - kPairTop * kPx, 2 * mid - kPairTop * kPx, 0));
}

// No pair without a partner that is another type-1 slot in use.
TEST_F(PairTest, WithoutARealPartnerNoPairRuleRuns) {
  struct Case {
    const char* what;
    int32_t partner, partnerType;
    bool partnerInUse;
  };
  const Case kCases[] = {{"no partner", -1, 1, true},
                         {"itself", 0, 1, true},
                         {"a partner of another type", 1, 0, true},
                         {"a partner not in use", 1, 1, false}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    cGame::clearAllBunches();
    Pair(300, 3, 300, 1);
    Bunch(0)->partner = c.partner;
    Bunch(1)->partner = -1;
    Bunch(1)->type = c.partnerType;
    Bunch(1)->inUse = c.partnerInUse;
    Bunch(0)->restY = 280 * kPx;
    Frames(1);
    EXPECT_EQ(std::make_tuple(Bunch(0)->centreY, Bunch(0)->restY, Bunch(0)->vy),
              std::make_tuple(300 * kPx, 280 * kPx, 0));
  }
}

// ---- The common tail ------------------------------------------------------------------------

using BunchTailTest = BunchRulesTest;

// The angle lands in 0..92159 whatever it was, even several turns out (a long frame's turn),
// and sine and cosine follow it.
TEST_F(BunchTailTest, TheAngleIsNormalisedByAFloorModuloAndGivesSineAndCosine) {
  struct Case {
    int32_t angle, normalised, sin, cos;
  };
  const Case kCases[] = {
      {0, 0, 0, 256},
      {-46080, 46080, 0, -256},
      {92160, 0, 0, 256},
      {23040, 23040, 256, 0},
      {2 * 92160 + 23040, 23040, 256, 0},
      {-3 * 92160 - 23040, 69120, -256, 0},
  };
  Placed(0, 10, 240, 300);
  Attached(0, 0, 0);
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.angle);
    Bunch(0)->angle = c.angle;
    Frames(1);
    EXPECT_EQ(std::make_tuple(Bunch(0)->angle, Bunch(0)->sin, Bunch(0)->cos),
              std::make_tuple(c.normalised, c.sin, c.cos));
  }
}

// A bunch whose every member is indestructible bursts, except in a boss level; one plain
// member or no member at all keeps it.
TEST_F(BunchTailTest, ABunchOfIndestructiblesBurstsExceptInABossLevel) {
  struct Case {
    const char* what;
    int32_t levelKind, indestructible, plain;
    bool bursts;
  };
  const Case kCases[] = {{"all indestructible", 1, 2, 0, true},
                         {"all indestructible in a lesson", 2, 1, 0, true},
                         {"all indestructible in a boss level", 3, 2, 0, false},
                         {"one plain member", 1, 2, 1, false},
                         {"no member", 1, 0, 0, false}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    cGame::clearAllBunches();
    trace_.clear();
    s->cGame_levelKind() = c.levelKind;
    Placed(0, 10, 240, 300)->inUse = 1;
    for (int32_t i = 0; i < c.indestructible; i++) Attached(0, i, 0, 0, Bubble::kIndestructible);
    for (int32_t i = 0; i < c.plain; i++) Attached(0, i, 1, 0);
    const int32_t before = Bunch(0)->count;
    Frames(1);
    EXPECT_EQ(Bunch(0)->count, c.bursts ? 0 : before);
    EXPECT_EQ(TraceCount("bunch 0 burst"), c.bursts ? 1 : 0);
  }
}

// Every slot keeps this frame's counts; the hanging rule reads them as last frame's.
TEST_F(BunchTailTest, EverySlotKeepsThisFramesCountsForTheNext) {
  Placed(3, 10, 240, 300);
  Attached(3, 0, 0);
  Attached(3, 1, 0);
  Bunch(3)->landedCount = 7;
  Bunch(5)->landedCount = 2;  // a slot not in use
  Frames(1);
  EXPECT_EQ(std::make_tuple(Bunch(3)->prevCount, Bunch(3)->prevLandedCount), std::make_tuple(2, 7));
  EXPECT_EQ(Bunch(5)->prevLandedCount, 2);
}

}  // namespace
