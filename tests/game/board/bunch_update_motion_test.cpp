// The turning, timed and falling bunches frame by frame: the bunch pressed against a wall
// (shake, puffs, burst and the lost level), the descending lock (phases, colour, the lost
// level, the refusal's throw), the spinner's damping and wall stop, the pendulum's settling
// and hanging place, the falling types, and the types that lend another rule.
#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>
#include <vector>

#include "engine/mqlib_player.h"
#include "game/board/actor.h"
#include "tests/game/board/bunch_rules_fixture.h"

namespace {

// ---- Type 4 -----------------------------------------------------------------------------------

class PressedTest : public BunchRulesTest {
 protected:
  void SetUp() override {
    BunchRulesTest::SetUp();
    LoadEffectSprites();
  }
  // A type-4 bunch of a core and one more bubble at (240, 300) px, pressed against the right
  // wall when pressed.
  cGame_CBubbleBunch* Pressed(bool pressed) {
    cGame_CBubbleBunch* bunch = Placed(0, 4, 240, 300);
    Attached(0, 0, 0);
    Attached(0, 1, 0);
    s->cGame_playRight = (pressed ? 260 : 400) * kPx;
    return bunch;
  }
  // The puffs in layer 1: slot 35's animation 1 once, with end event 67.
  std::vector<cActor*> Puffs() const {
    std::vector<cActor*> puffs;
    for (cActor* actor : Layer(1)) {
      if (actor->player->sprite == Slot(kPopSlot) && actor->player->anim == 1) {
        puffs.push_back(actor);
      }
    }
    return puffs;
  }
};

// Each second against the wall counts; from 17 s a puff a frame round the centre (phase 1 until
// a puff's end event is consumed), the anchor shaking more; at 20 s the bunch bursts and the
// level is lost.
TEST_F(PressedTest, HeldAgainstAWallItShakesPuffsAndBurstsAtTwentySeconds) {
  cGame_CBubbleBunch* bunch = Pressed(true);
  Frames(16, 1000);
  EXPECT_EQ(std::make_tuple(bunch->counter, Puffs().size(), bunch->phase),
            std::make_tuple(16000, size_t{0}, 0));
  EXPECT_EQ(bunch->angle, 0) << "no turn while held";
  Frames(1, 1000);
  ASSERT_EQ(Puffs().size(), 1u);
  cActor* puff = Puffs()[0];
  EXPECT_EQ(std::make_tuple(puff->mode, puff->event, puff->z),
            std::make_tuple(cActor::kModeOnce, 67, 400));
  EXPECT_LE(std::abs(puff->x - 240), 37);
  EXPECT_LE(std::abs(puff->y - 300), 37);
  EXPECT_EQ(bunch->phase, 1);
  // 17000 * 37 / 160000 = 3: the anchor stands 2 px before to 1 px past the centre.
  EXPECT_GE(bunch->anchor->x, 238);
  EXPECT_LE(bunch->anchor->x, 241);
  cGame::postEvent(67);
  Frames(1, 1000);
  EXPECT_EQ(std::make_tuple(bunch->phase, Puffs().size()), std::make_tuple(0, size_t{2}));
  Frames(1, 1000);
  EXPECT_EQ(std::make_tuple(bunch->counter, TraceCount("bunch 0 burst")),
            std::make_tuple(19000, 0));
  Frames(1, 1000);
  EXPECT_EQ(std::make_tuple(bunch->inUse, bunch->count), std::make_tuple(int8_t{0}, int16_t{0}));
  EXPECT_EQ(TraceCount("bunch 0 burst"), 1);
  EXPECT_TRUE(cGame::isEventQueued(51));
}

// Free of the walls its count restarts, its anchor sits on the centre and it turns once per
// period (a period of 0 or less taken as 1000 ms); under the ring boss nothing of it runs.
TEST_F(PressedTest, FreeItTurnsOncePerPeriodAndUnderTheRingBossNothingRuns) {
  struct Case {
    const char* what;
    int32_t period, bossKind;
    bool pressed;
    int32_t angle, counter;
  };
  const Case kCases[] = {
      {"period 2000: 92160 x 40 / 2000", 2000, -1, false, 1843, 0},
      {"period 0 counts as 1000", 0, -1, false, 3686, 0},
      {"a negative period counts as 1000", -5, -1, false, 3686, 0},
      {"the ring boss's bunch keeps its count", 2000, 3, true, 0, 500},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    cGame::clearAllBunches();
    s->cGame_bossKind = c.bossKind;
    cGame_CBubbleBunch* bunch = Pressed(c.pressed);
    bunch->cfgDuration = c.period;
    bunch->counter = 500;
    bunch->angle = 0;
    Frames(1);
    EXPECT_EQ(std::make_tuple(bunch->angle, bunch->counter), std::make_tuple(c.angle, c.counter));
    if (bunch->anchor) {
      EXPECT_EQ(std::make_tuple(bunch->anchor->x, bunch->anchor->y), std::make_tuple(240, 300));
    }
  }
}

// Left with its core alone it bursts; a single member that is not the core does not.
TEST_F(PressedTest, ALoneCoreBurstsTheBunch) {
  for (bool core : {true, false}) {
    SCOPED_TRACE(core);
    cGame::clearAllBunches();
    trace_.clear();
    Placed(0, 4, 240, 300);
    Attached(0, core ? 0 : 1, 0);
    s->cGame_playRight = 400 * kPx;
    Frames(1);
    EXPECT_EQ(TraceCount("bunch 0 burst"), core ? 1 : 0);
  }
}

// ---- Type 7 -----------------------------------------------------------------------------------

class LockTest : public BunchRulesTest {
 protected:
  // A lock at (240, 200) px facing 0 with a period of 10 s and its core.
  cGame_CBubbleBunch* Lock(int32_t period = 10000) {
    cGame_CBubbleBunch* bunch = Placed(0, 7, 240, 200);
    bunch->cfgDuration = period;
    Attached(0, 0, 0);
    return bunch;
  }
  static cActor* Decoration(int32_t i) {
    return static_cast<cActor*>(Bunch(0)->decorations->elements()[i]);
  }
};

// One second a frame: the shown time keeps up; after the first fifth the lock descends from
// 200 px to the danger line (700) by lerpFixed, the anchor and decorations with it; each phase
// loops animation 9 + phase; phase 1 shows the colour, phase 5 closes (animation 7, once) and
// loses the level.
TEST_F(LockTest, ItDescendsThroughItsPhasesAndLosesTheLevelAtTheLine) {
  cGame_CBubbleBunch* bunch = Lock();
  const int32_t panelDy = Decoration(0)->y - bunch->anchor->y;
  EXPECT_NE(Decoration(0)->flags & cActor::kHidden, 0) << "hidden until phase 1";
  struct Step {
    int32_t y, phase, anim;
  };
  // Frame 3: 200 + ((1000 << 8) / 8000 * 500 + 128 >> 8) = 263.
  const Step kSteps[] = {{200, 0, 9},  {200, 1, 10}, {263, 1, 10}, {325, 2, 11}, {388, 2, 11},
                         {450, 3, 12}, {513, 3, 12}, {575, 4, 13}, {638, 4, 13}, {700, 5, 7}};
  for (int32_t frame = 0; frame < 10; frame++) {
    SCOPED_TRACE(frame + 1);
    Frames(1, 1000);
    const Step& step = kSteps[frame];
    EXPECT_EQ(std::make_tuple(bunch->centreY >> 16, bunch->phase, bunch->anchor->player->anim),
              std::make_tuple(step.y, step.phase, step.anim));
    EXPECT_EQ(bunch->timer2, 1000 * (frame + 1));
    EXPECT_EQ(bunch->anchor->y, step.y);
    EXPECT_EQ(Decoration(0)->y - bunch->anchor->y, panelDy);
    EXPECT_EQ(cGame::isEventQueued(51), frame == 9);
    if (frame >= 1) {
      EXPECT_EQ(Decoration(0)->flags & cActor::kHidden, 0);
      EXPECT_EQ(Decoration(1)->flags & cActor::kHidden, 0);
    }
  }
  EXPECT_EQ(bunch->anchor->mode, cActor::kModeNotifyOnce);
}

// The shown time follows a clock that jumped ahead by at most 8 x dt a frame; a long frame
// that skips phase 1 still shows the colour; a period of 0 or less is taken as 1000 ms.
TEST_F(LockTest, TheShownTimeFollowsAtMostEightTimesFasterAndNoPhaseIsLostToALongFrame) {
  cGame_CBubbleBunch* bunch = Lock();
  bunch->timer = 5000;
  Frames(1, 40);
  EXPECT_EQ(std::make_tuple(bunch->timer, bunch->timer2), std::make_tuple(5040, 320));
  Frames(1, 40);
  EXPECT_EQ(bunch->timer2, 640);

  cGame::clearAllBunches();
  bunch = Lock(2000);
  Frames(1, 1000);
  EXPECT_EQ(bunch->phase, 2);
  EXPECT_EQ(Decoration(1)->flags & cActor::kHidden, 0);

  for (int32_t period : {0, -1}) {
    SCOPED_TRACE(period);
    cGame::clearAllBunches();
    bunch = Lock(period);
    Frames(1, 600);
    EXPECT_EQ(std::make_tuple(bunch->phase, bunch->centreY >> 16), std::make_tuple(3, 450))
        << "a period of 0 or less counts as 1000 ms";
  }
}

// A refused shot's pause counts down; in the frame it runs out the lock throws the shot's
// colour back, or a board colour when no colour is known, once.
TEST_F(LockTest, TheRefusalPauseEndsInOneThrow) {
  struct Case {
    int32_t shotColour;
  };
  for (const Case& c : {Case{3}, Case{0}, Case{-1}}) {
    SCOPED_TRACE(c.shotColour);
    cGame::clearAllBunches();
    ArmThrows();
    s->cGame_shotColour = c.shotColour;
    cGame_CBubbleBunch* bunch = Lock();
    bunch->counter = 1000;
    Frames(24);
    EXPECT_TRUE(Throws().empty());
    Frames(1);
    ASSERT_EQ(Throws().size(), 1u);
    EXPECT_EQ(std::make_tuple(Throws()[0][1], Throws()[0][2]), std::make_tuple(240, 200))
        << "from the lock's centre";
    if (c.shotColour >= 0) {
      EXPECT_EQ(Throws()[0][0], c.shotColour);
    } else {
      EXPECT_GE(Throws()[0][0], 0);
      EXPECT_LT(Throws()[0][0], 7);
    }
    Frames(5);
    EXPECT_EQ(Throws().size(), 1u);
  }
}

// ---- Type 8 -----------------------------------------------------------------------------------

using SpinnerTest = BunchRulesTest;

// The spin turns it and loses 5 per cent per 100 ms step, frame by frame.
TEST_F(SpinnerTest, ItTurnsByItsSpinDampedPerHundredMilliseconds) {
  cGame_CBubbleBunch* bunch = Placed(0, 8, 240, 300);
  Attached(0, 0, 0);
  Attached(0, 1, 0);
  bunch->angle = 0;
  bunch->spin = 10000;
  struct Step {
    int32_t angle, spin, timer;
  };
  const Step kSteps[] = {{400, 10000, 40}, {800, 10000, 80}, {1200, 9500, 20}, {1580, 9500, 60}};
  for (const Step& step : kSteps) {
    Frames(1);
    EXPECT_EQ(std::make_tuple(bunch->angle, bunch->spin, bunch->timer),
              std::make_tuple(step.angle, step.spin, step.timer));
  }
}

// A turn further into the left wall stops it; a single member bursts it.
TEST_F(SpinnerTest, ATurnIntoAWallStopsItAndALoneMemberBurstsIt) {
  cGame_CBubbleBunch* bunch = Placed(0, 8, 240, 300);
  Attached(0, 1, 0);
  Attached(0, 0, -1);
  bunch->angle = 0;
  bunch->spin = 20000;
  cGame::updateBunchExtents();
  s->cGame_playLeft = bunch->centreX + bunch->minX;
  Frames(1);
  EXPECT_EQ(std::make_tuple(bunch->angle, bunch->spin), std::make_tuple(0, 0));

  for (int32_t members : {1, 2}) {
    cGame::clearAllBunches();
    trace_.clear();
    Placed(0, 8, 240, 300);
    for (int32_t i = 0; i < members; i++) Attached(0, i, 0);
    Frames(1);
    EXPECT_EQ(TraceCount("bunch 0 burst"), members == 1 ? 1 : 0) << members;
  }
}

// ---- Type 9 -----------------------------------------------------------------------------------

using PendulumTest = BunchRulesTest;

// One 120 ms frame (one damping step): near the bottom and slow it settles; otherwise it is
// pulled back by half its angle (from the other side past 180 degrees) and loses 3 per cent.
TEST_F(PendulumTest, ItSettlesAtTheBottomOrSwingsBack) {
  struct Case {
    const char* what;
    int32_t angle, spin;
    int32_t angleAfter, spinAfter;
  };
  const Case kCases[] = {
      {"within half a degree and slow: settles", 100, 200, 0, 0},
      {"half a degree before the bottom, just slow enough: settles", -128, -255, 0, 0},
      {"too fast to settle", 100, 300, 129, 242},
      {"too far to settle", 200, 0, 189, -97},
      {"past 180 degrees the pull turns", 92000, 0, 92009, 77},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    cGame::clearAllBunches();
    cGame_CBubbleBunch* bunch = Placed(0, 9, 240, 300);
    Attached(0, 0, 0);
    bunch->angle = c.angle;
    bunch->spin = c.spin;
    Frames(1, 120);
    EXPECT_EQ(std::make_tuple(bunch->angle, bunch->spin),
              std::make_tuple(c.angleAfter, c.spinAfter));
  }
}

// The centre hangs from the anchor (240, 60) at the rope's 240 px, turned by the angle.
TEST_F(PendulumTest, TheCentreHangsFromTheAnchorAtTheRopesLength) {
  struct Case {
    int32_t angle, x, y;
  };
  const Case kCases[] = {{0, 240, 300}, {23040, 0, 60}, {69120, 480, 60}, {46080, 240, -180}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.angle);
    cGame::clearAllBunches();
    cGame_CBubbleBunch* bunch = Placed(0, 9, 240, 300);
    Attached(0, 0, 0);
    ASSERT_EQ(bunch->ropeLength, 240);
    bunch->angle = c.angle;
    bunch->spin = 0;
    Frames(1, 40);
    EXPECT_EQ(std::make_tuple(bunch->centreX, bunch->centreY, bunch->restX, bunch->restY),
              std::make_tuple(c.x * kPx, c.y * kPx, c.x * kPx, c.y * kPx));
  }
}

// ---- Types 13 and 15 ------------------------------------------------------------------------

using FallingTest = BunchRulesTest;

// Type 13 falls at its own speed in pixels per second; type 15 at 148 px/s, at most 16.5 px a
// frame, its rest point with it. Products past 32 bits in a 1000 ms frame are exact.
TEST_F(FallingTest, FallingBunchesFallAtTheirSpeeds) {
  struct Case {
    int32_t type, fallSpeed, dt;
    int32_t centreMoves, restMoves;
  };
  const Case kCases[] = {
      {13, 150, 40, 6 * kPx, 0},        {13, 150, 1000, 150 * kPx, 0},
      {15, 0, 40, 387973, 387973},      {15, 0, 100, 969932, 969932},
      {15, 0, 200, 0x108000, 0x108000}, {15, 0, 1000, 0x108000, 0x108000},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.type << " " << c.dt);
    cGame::clearAllBunches();
    cGame_CBubbleBunch* bunch = Placed(0, c.type, 240, 200);
    Attached(0, 0, 0);
    bunch->fallSpeed = c.fallSpeed;
    Frames(1, c.dt);
    EXPECT_EQ(std::make_tuple(bunch->centreY - 200 * kPx, bunch->restY - 200 * kPx),
              std::make_tuple(c.centreMoves, c.restMoves));
  }
}

// A type-15 bunch bursts once its centre's pixel row passes the danger line (700 px).
TEST_F(FallingTest, ATypeFifteenBurstsBelowTheDangerLine) {
  struct Case {
    int32_t y;
    bool bursts;
  };
  for (const Case& c : {Case{683, false}, Case{684, false}, Case{685, true}}) {
    SCOPED_TRACE(c.y);
    cGame::clearAllBunches();
    trace_.clear();
    Placed(0, 15, 240, c.y);
    Attached(0, 0, 0);
    Frames(1, 1000);  // 16.5 px: 684 ends at 700.5, on the line's row, 685 past it
    EXPECT_EQ(TraceCount("bunch 0 burst"), c.bursts ? 1 : 0);
    EXPECT_EQ(Bunch(0)->inUse, c.bursts ? 0 : 1);
  }
}

// ---- Types that lend another rule -------------------------------------------------------------

using LentRuleTest = BunchRulesTest;

// Type 6 spins only while it has bubbles (its skipped step is used up), type 11 swings on its
// rope (gravity's 300 px/s^2 x 40 ms) and spins, type 12 rebuilds the profile when the board
// changed; types 10 and 14 move by nothing.
TEST_F(LentRuleTest, TypesSixElevenAndTwelveRunTheirLentRules) {
  cGame_CBubbleBunch* six = Placed(0, 6, 120, 300);
  Attached(0, 0, 0);
  six->skipSpin = 1;
  cGame_CBubbleBunch* emptySix = Placed(1, 6, 360, 300);
  emptySix->inUse = 1;
  emptySix->skipSpin = 1;
  cGame_CBubbleBunch* eleven = Placed(2, 11, 240, 400);
  Attached(2, 0, 0);
  Placed(3, 12, 240, 600);
  Attached(3, 0, 0);
  s->cGame_surfaceBunch = 3;
  cGame_CBubbleBunch* ten = Placed(4, 10, 240, 500);
  Attached(4, 0, 0);
  ten->vy = 5000;
  s->cGame_boardChanged = 1;
  Frames(1);
  EXPECT_EQ(std::make_tuple(six->skipSpin, emptySix->skipSpin),
            std::make_tuple(int8_t{0}, int8_t{1}));
  EXPECT_EQ(eleven->vy, 786432);
  EXPECT_EQ(s->cGame_boardChanged, 0);
  EXPECT_EQ(cGame::columnTopY(24), 600 - 18) << "the profile holds the core's column";
  EXPECT_EQ(std::make_tuple(ten->centreY, ten->vy), std::make_tuple(500 * kPx, 5000));
}

}  // namespace
