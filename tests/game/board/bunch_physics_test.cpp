// Bunch physics over the real bunch table: the swing step's moves, gravity, rope pull, turn
// pull, damping steps and spin limit (one row per case, fields after one call); a shot's
// impulse by bunch type; spin exchange and pushes between bunches; extents at a trial angle;
// and where a cell may be placed.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "game/board/actor.h"
#include "tests/game/board/flight_fixture.h"

namespace {

using BunchPhysicsTest = FlightTest;

constexpr int32_t kPx = 1 << 16;
constexpr int32_t kGravityAt40 = 786432;  // 19660800 * 40 / 1000

// The fields the swing step reads and writes.
struct Swing {
  int32_t centreX, centreY, vx, vy, angle, spin, ropeLength, timer;
};

TEST_F(BunchPhysicsTest, TheSwingStepMovesFallsPullsAndDampsByTheTable) {
  struct Case {
    const char* what;
    int32_t dt;
    Swing in, out;
    int32_t stretch;
  };
  // The anchor hangs at (240, 100) px; a bunch 200 px below it on a 300 px rope is slack.
  const int32_t x = 240 * kPx, y = 300 * kPx;
  const Case kCases[] = {
      {"vx 1000 moves 40 in 40 ms",
       40,
       {x, y, 1000, 0, 0, 0, 300, 0},
       {x + 40, y, 1000, kGravityAt40, 0, 0, 300, 40},
       -100},
      {"vx 24 moves nothing (960 / 1000)",
       40,
       {x, y, 24, 0, 0, 0, 300, 0},
       {x, y, 24, kGravityAt40, 0, 0, 300, 40},
       -100},
      {"at rope length no pull and no turn",
       40,
       {x, y, 0, 0, 0, 500, 200, 0},
       {x, y, 0, kGravityAt40, 20, 500, 200, 40},
       0},
      {"spin 46081 is clamped",
       0,
       {x, y, 0, 0, 0, 46081, 300, 0},
       {x, y, 0, 0, 0, 46080, 300, 0},
       -100},
      {"spin -46081 is clamped",
       0,
       {x, y, 0, 0, 0, -46081, 300, 0},
       {x, y, 0, 0, 0, -46080, 300, 0},
       -100},
      {"timer 301: three damping steps",
       40,
       {x, y, 1000, 0, 0, 10000, 300, 261},
       {x + 40, y, 856, 674266, 400, 7290, 300, 1},
       -100},
      {"timer 300: two damping steps",
       40,
       {x, y, 1000, 0, 0, 10000, 300, 260},
       {x + 40, y, 902, 709754, 400, 8100, 300, 100},
       -100},
      // 300 px straight down on a 100 px rope, turned a quarter: pulled up by 200 px of
      // stretch and turned back. In 32 bits the gravity and the turn pull would wrap.
      {"dt 1000: gravity, rope pull and turn in 64 bits",
       1000,
       {x, 400 * kPx, 0, 0, 23040, 0, 100, 0},
       {x, 400 * kPx, 0, -648473195, 23040, -46080, 100, 100},
       200},
      // A rope of -5 leaves a bunch on its anchor stretched with no direction to pull in.
      {"on the anchor nothing pulls",
       40,
       {x, 100 * kPx, 0, 0, 0, 0, -5, 0},
       {x, 100 * kPx, 0, kGravityAt40, 0, 0, -5, 40},
       5},
  };
  cActor* anchor = Pooled(0);
  anchor->x = 240;
  anchor->y = 100;
  for (const Case& c : kCases) {
    cGame_CBubbleBunch* bunch = Bunch(0);
    bunch->anchor = anchor;
    std::tie(bunch->centreX, bunch->centreY, bunch->vx, bunch->vy, bunch->angle, bunch->spin,
             bunch->ropeLength, bunch->timer) =
        std::tie(c.in.centreX, c.in.centreY, c.in.vx, c.in.vy, c.in.angle, c.in.spin,
                 c.in.ropeLength, c.in.timer);
    s->cGame_frameTime = c.dt;
    cGame::updateBunchSwing(0);
    EXPECT_EQ(std::tie(bunch->centreX, bunch->centreY, bunch->vx, bunch->vy, bunch->angle,
                       bunch->spin, bunch->ropeLength, bunch->timer),
              std::tie(c.out.centreX, c.out.centreY, c.out.vx, c.out.vy, c.out.angle, c.out.spin,
                       c.out.ropeLength, c.out.timer))
        << c.what;
    EXPECT_EQ(bunch->stretch, c.stretch) << c.what;
  }
}

// The rope is the exact whole-pixel length: 60 and 80 px across make 100, not 99.
TEST_F(BunchPhysicsTest, TheRopeLengthIsTheExactWholePixelDistance) {
  cActor* anchor = Pooled(0);
  anchor->x = 100;
  anchor->y = 100;
  Placed(0, 11, 160, 180)->anchor = anchor;
  Bunch(0)->ropeLength = 0;
  s->cGame_frameTime = 0;
  cGame::updateBunchSwing(0);
  EXPECT_EQ(Bunch(0)->stretch, 100);
}

TEST_F(BunchPhysicsTest, AShotsImpulseDependsOnTheBunchType) {
  struct Case {
    int32_t type;
    int32_t spin, vx, vy;  // after the hit
  };
  // The shot meets the bunch 4 px right of its centre flying 64 px/s left and 16 px/s down:
  // its 1/16 s step ends straight below the centre, a quarter turn (k = 64 * 57600 / 870400 =
  // 4) at 4 px: 16 * 4. Type 9 spins by the sideways speed: (vx >> 8) * 3 / 8.
  const int32_t shotVx = -64 * kPx, shotVy = 16 * kPx;
  const Case kCases[] = {
      {9, 1000 + 6144, 7, 9},
      {8, 1000 + 64, 7, 9},
      {11, 1000 + 64, 7 - 1572864, 9 + 393216},
      {0, 1000, 7, 9},
  };
  for (const Case& c : kCases) {
    cGame_CBubbleBunch* bunch = Placed(0, c.type, 240, 300);
    bunch->spin = 1000;
    bunch->vx = 7;
    bunch->vy = 9;
    cGame::applyHitToBunch(0, 244 * kPx, 300 * kPx, shotVx, shotVy);
    EXPECT_EQ(std::tie(bunch->spin, bunch->vx, bunch->vy), std::tie(c.spin, c.vx, c.vy))
        << "type " << c.type;
  }
  // A type-9 bunch hit hard still spins no faster than the limit.
  Placed(0, 9, 240, 300)->spin = -40000;
  cGame::applyHitToBunch(0, 280 * kPx, 300 * kPx, 800 * kPx, 0);
  EXPECT_EQ(Bunch(0)->spin, -46080);
}

TEST_F(BunchPhysicsTest, ATypeNineBunchTradesSpinByInverseMasses) {
  struct Case {
    const char* what;
    int32_t spinA, spinB, xA, xB, countA, countB;
    int32_t afterA, afterB;
  };
  // Counts 4 and 2: inverse masses 64 and 128. ds = -1000: m = 2000, j = (1024000 / 192 + 1)
  // >> 1 = 2667; a gains 2667 / 4 and b loses 2667 / 2. The other way j = -2666.
  const Case kCases[] = {
      {"a left, spinning slower", 0, 1000, 200, 300, 4, 2, 666, -333},
      {"a right, spinning faster", 1000, 0, 300, 200, 4, 2, 334, 1333},
      {"moving apart: nothing", 0, 1000, 300, 200, 4, 2, 0, 1000},
      {"an empty bunch: nothing", 0, 1000, 200, 300, 4, 0, 0, 1000},
  };
  for (const Case& c : kCases) {
    cGame_CBubbleBunch* a = Placed(0, 9, c.xA, 300);
    cGame_CBubbleBunch* b = Placed(1, 9, c.xB, 300);
    std::tie(a->spin, b->spin, a->count, b->count) =
        std::make_tuple(c.spinA, c.spinB, int16_t(c.countA), int16_t(c.countB));
    cGame::resolveBunchCollision(0, 1, 5, 6);
    EXPECT_EQ(std::tie(a->spin, b->spin), std::tie(c.afterA, c.afterB)) << c.what;
    EXPECT_EQ(std::make_tuple(a->restX, b->restX), std::make_tuple(c.xA * kPx, c.xB * kPx))
        << c.what << ": a type-9 bunch pushes nothing";
    a->count = b->count = 0;
  }
}

// Pushed by (5, -6), a type-0 bunch comes to rest up to 2 px back along the push (left and
// down); the type-6 bunch, pushed the other way, skips its next spin step. A carrier (type 5)
// on either side pushes nothing.
TEST_F(BunchPhysicsTest, OtherBunchesArePushedApartUnlessOneIsACarrier) {
  for (int32_t otherType : {6, 5}) {
    cGame_CBubbleBunch* a = Placed(0, 0, 200, 300);
    cGame_CBubbleBunch* b = Placed(1, otherType, 300, 300);
    b->skipSpin = 0;
    cGame::resolveBunchCollision(0, 1, 5, -6);
    cGame::resolveBunchCollision(1, 0, -5, 6);
    const bool pushed = otherType != 5;
    const int32_t dx = a->restX - 200 * kPx, dy = a->restY - 300 * kPx;
    if (pushed) {
      EXPECT_TRUE(dx < 0 && dx >= -2 * kPx && dy > 0 && dy <= 2 * kPx) << dx << ", " << dy;
    } else {
      EXPECT_EQ(std::tie(dx, dy), std::make_tuple(0, 0));
    }
    EXPECT_EQ(b->skipSpin, pushed ? 1 : 0) << "type " << otherType;
  }
}

// One bubble 37 px right of the centre: a quarter turn (23040) takes it 37 px down.
TEST_F(BunchPhysicsTest, ExtentsAtATrialAngleLeaveTheAngleAndItsSinesAlone) {
  Placed(0, 8, 240, 300);
  Attached(0, 1, 0);
  Attached(0, -1, 1);
  cGame_CBubbleBunch* bunch = Bunch(0);
  auto extents = [&] {
    return std::make_tuple(bunch->minX, bunch->maxX, bunch->minY, bunch->maxY);
  };
  bunch->sin = 11;
  bunch->cos = 22;
  cGame::extentsAtAngle(0, 23040);
  EXPECT_EQ(std::tie(bunch->angle, bunch->sin, bunch->cos), std::make_tuple(0, 11, 22));
  EXPECT_EQ(std::get<3>(extents()), 37 * kPx);
  struct Pair {
    int32_t trial, same;
  };
  for (const Pair& p : {Pair{-256, 91904}, Pair{92160, 0}, Pair{-23040, 69120}}) {
    cGame::extentsAtAngle(0, p.same);
    const auto expected = extents();
    cGame::extentsAtAngle(0, p.trial);
    EXPECT_EQ(extents(), expected) << "trial angle " << p.trial;
  }
  EXPECT_EQ(std::tie(bunch->angle, bunch->sin, bunch->cos), std::make_tuple(0, 11, 22));
}

// Cell (-1, 0) of a bunch at x = 240 lies 37 px left; row 1 lies 33 px up, row -1 33 px down.
TEST_F(BunchPhysicsTest, ACellIsInThePlayAreaUpToItsFourLimitsInclusive) {
  struct Case {
    const char* what;
    int32_t playLeft, playRight, playTop, centreY, col, row;
    bool inside;
  };
  const int32_t wide = 480 * kPx;
  const Case kCases[] = {
      {"on the left bound", 203 * kPx, wide, 0, 400, -1, 0, true},
      {"past the left bound", 203 * kPx + 1, wide, 0, 400, -1, 0, false},
      {"on the right bound", 0, 277 * kPx, 0, 400, 1, 0, true},
      {"past the right bound", 0, 277 * kPx - 1, 0, 400, 1, 0, false},
      {"on the top bound", 0, wide, 100, 151, 0, 1, true},  // y = 118 = playTop + 18
      {"above the top bound", 0, wide, 101, 151, 0, 1, false},
      {"on the bottom bound", 0, wide, 0, 749, 0, -1, true},  // y = 782
      {"below the bottom bound", 0, wide, 0, 750, 0, -1, false},
  };
  for (const Case& c : kCases) {
    s->cGame_playLeft = c.playLeft;
    s->cGame_playRight = c.playRight;
    s->cGame_playTop = c.playTop;
    Placed(0, 3, 240, c.centreY);
    EXPECT_EQ(cGame::isCellInPlayArea(0, c.col, c.row), c.inside) << c.what;
  }
}

TEST_F(BunchPhysicsTest, ACellIsBlockedByAnotherBunchsBubbleUpToTouching) {
  struct Case {
    int32_t otherX;
    bool clear;
  };
  for (const Case& c : {Case{276, false}, Case{277, true}, Case{203, true}, Case{204, false}}) {
    cGame::clearAllBunches();
    Bubble::resetPool();
    Bubble::fillPool();
    Placed(0, 3, 240, 400);
    Attached(0, 0, 0);  // its own bubble on the cell never blocks it
    Placed(1, 6, c.otherX, 400);
    Attached(1, 0, 0);
    cGame::updateBunchExtents();
    EXPECT_EQ(cGame::isCellClearOfOtherBunches(0, 0, 0), c.clear) << "other at x " << c.otherX;
  }
}

}  // namespace
