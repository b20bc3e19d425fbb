// Off-centre spin over the real bunch table: one row per case, the bunch's members, spin and
// frame in, its spin, angle, timer and skip flag after one call; and the wall test alone.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "tests/game/board/flight_fixture.h"

namespace {

using BunchSpinTest = FlightTest;

constexpr int32_t kPx = 1 << 16;

TEST_F(BunchSpinTest, ABunchTurnsTowardItsWeightWithinTheWallsByTheTable) {
  using Cells = std::vector<std::pair<int32_t, int32_t>>;
  const Cells symmetric = {{-1, 0}, {1, 0}};
  // (1, 0) lies 37 px right and (0, -1) 19 px left and 33 px down: 9 px of weight to the
  // right (2304 in 24.8) adds 230 * 40 * 16 / 1000 = 147 in 40 ms. A turn of 78 degrees
  // clockwise takes the lower bubble 17 px further left.
  const Cells rightHeavy = {{1, 0}, {0, -1}};
  struct Case {
    const char* what;
    Cells cells;
    int32_t spin, dt, skip;
    bool atLeftWall;
    int32_t spinAfter, angleAfter, timerAfter;
  };
  const Case kCases[] = {
      {"a symmetric bunch stays at rest", symmetric, 0, 40, 0, false, 0, 0, 40},
      {"off-centre weight turns it", rightHeavy, 20000, 40, 0, false, 20147, 12894, 40},
      {"a turn into the left wall is refused", rightHeavy, 20000, 40, 0, true, 0, 0, 40},
      {"dt 250 damps twice", symmetric, 10000, 250, 0, false, 8649, 34596, 50},
      // 272842 * 1000 * 16 wraps in 32 bits.
      {"dt 1000 at the limit, in 64 bits", symmetric, 0x80000, 1000, 0, false, 272842, 4365472,
       100},
      {"a skipped step changes nothing else", rightHeavy, 500, 40, 1, false, 500, 0, 0},
  };
  for (const Case& c : kCases) {
    cGame::clearAllBunches();
    Bubble::resetPool();
    Bubble::fillPool();
    cGame_CBubbleBunch* bunch = Placed(0, 6, 240, 300);
    bunch->angle = 0;  // clearing keeps a bunch's angle
    for (auto [col, row] : c.cells) Attached(0, col, row);
    cGame::updateBunchExtents();
    s->cGame_playLeft = c.atLeftWall ? bunch->centreX + bunch->minX : 0;
    s->cGame_playRight = 480 * kPx;
    bunch->spin = c.spin;
    bunch->skipSpin = static_cast<int8_t>(c.skip);
    s->cGame_frameTime = c.dt;
    cGame::updateBunchSpin(0);
    EXPECT_EQ(std::make_tuple(bunch->spin, bunch->angle, bunch->timer, bunch->skipSpin),
              std::make_tuple(c.spinAfter, c.angleAfter, c.timerAfter, int8_t{0}))
        << c.what;
  }
}

// The wall test keeps the trial angle's extents; a turn away from the wall or inside the play
// area is allowed.
TEST_F(BunchSpinTest, TheWallTestComparesOverhangsAndKeepsTheTrialExtents) {
  Placed(0, 6, 240, 300);
  Attached(0, 1, 0);
  Attached(0, 0, -1);
  cGame::updateBunchExtents();
  cGame_CBubbleBunch* bunch = Bunch(0);
  s->cGame_playLeft = bunch->centreX + bunch->minX;
  s->cGame_playRight = bunch->centreX + bunch->maxX;
  EXPECT_TRUE(cGame::bunchTurnedOutward(0, 20000)) << "clockwise swings the lower bubble left";
  EXPECT_LT(bunch->minX, -19 * kPx) << "the trial angle's extents stay";
  cGame::updateBunchExtents();
  EXPECT_FALSE(cGame::bunchTurnedOutward(0, 0));
  s->cGame_playLeft = 0;
  s->cGame_playRight = 480 * kPx;
  EXPECT_FALSE(cGame::bunchTurnedOutward(0, 20000));
  EXPECT_EQ(bunch->angle, 0);
}

}  // namespace
