// The bosses' routines: the flat run a walking boss jumps to, the profile's climb by one hex
// row, and the ring boss's states and weak points.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "game/board/actor.h"
#include "game/board/bubble.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "tests/game/board/motion_fixture.h"

namespace {

constexpr int32_t kGap = -1000;

class BossRoutinesTest : public MotionTest {
 protected:
  // The surface bunch 0 at (240, 300) px: half column i stands at 240 + (i - 24) * 18.5 px.
  void SetUp() override {
    MotionTest::SetUp();
    Placed(0, 0, 240, 300);
    s->cGame_surfaceBunch = 0;
  }
  // A profile of gaps but for the runs given as (first, last, value), limits 10..35.
  void SetProfile(const std::vector<std::tuple<int32_t, int32_t, int32_t>>& runs) {
    cGame::buildColumnProfile();
    int32_t* p = s->cGame_columnProfile->elements();
    for (int32_t i = 0; i < 48; i++) p[i] = kGap;
    for (const auto& [first, last, value] : runs) {
      for (int32_t i = first; i <= last; i++) p[i] = value;
    }
    s->cGame_profileFirst = 10;
    s->cGame_profileLast = 35;
  }
  // A falling row (type 15) of one bubble at x px, in the first empty bunch from 4 on: it
  // blocks the half columns within 37 px.
  void FallingRowAt(int32_t x) {
    int32_t b = 4;
    while (Bunch(b)->count != 0) b++;
    Placed(b, 15, x, 100);
    Attached(b, 0, 0);
    cGame::updateBunchExtents();
  }
  void ClearFallingRows() {
    for (int32_t b = 4; b < 10; b++) Bunch(b)->type = 0;
  }
  // Half column i's x on screen in 16.16: the centre's exact x, not its whole pixel.
  static int32_t ExactColumnX(int32_t b, int32_t i) {
    return Bunch(b)->centreX + (i - 24) * (37 << 15);
  }
};

TEST_F(BossRoutinesTest, AFlatRunIsFiveEqualFreeColumnsTowardsTheFacing) {
  using Runs = std::vector<std::tuple<int32_t, int32_t, int32_t>>;
  constexpr int32_t kNoRow = 0;  // no falling row
  struct Case {
    const char* name;
    Runs runs;
    int32_t fallingRowX, facing, column;
    bool found;
    int32_t jumpColumn, ground;
  };
  const Case kCases[] = {
      {"five to the right: the fourth", {{12, 16, 3}}, kNoRow, 1, 10, true, 15, 3},
      {"five to the left: the middle", {{12, 16, 3}}, kNoRow, -1, 30, true, 14, 3},
      {"the walk starts at the boss", {{12, 16, 3}}, kNoRow, 1, 13, false, 0, 0},
      {"a height change restarts", {{12, 15, 3}, {16, 20, 2}}, kNoRow, 1, 10, true, 19, 2},
      {"a longer run lands by its start", {{12, 19, 4}}, kNoRow, 1, 10, true, 15, 4},
      {"a gap restarts", {{12, 13, 3}, {15, 19, 3}}, kNoRow, 1, 10, true, 18, 3},
      {"four are not enough", {{12, 15, 3}, {17, 20, 3}}, kNoRow, 1, 10, false, 0, 0},
      // Half columns up to 12 lie under a falling row at -2 px; 20 to 23 under one at 200 px.
      {"blocked, right", {{12, 17, 3}}, -2, 1, 10, true, 16, 3},
      {"blocked, left", {{15, 20, 3}}, 200, -1, 25, true, 17, 3},
      {"ending on the last column", {{31, 35, 1}}, kNoRow, 1, 20, true, 34, 1},
      {"past the last column", {{32, 36, 1}}, kNoRow, 1, 20, false, 0, 0},
      {"ending on the first column", {{10, 14, 1}}, kNoRow, -1, 20, true, 12, 1},
      {"past the first column", {{9, 13, 1}}, kNoRow, -1, 20, false, 0, 0},
      {"the boss beyond the limit", {{12, 16, 3}}, kNoRow, 1, 36, false, 0, 0},
      {"no facing", {{12, 16, 3}}, kNoRow, 0, 10, false, 0, 0},
      {"a facing of two", {{12, 16, 3}}, kNoRow, 2, 10, false, 0, 0},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    ClearFallingRows();
    if (c.fallingRowX != kNoRow) FallingRowAt(c.fallingRowX);
    SetProfile(c.runs);
    s->cGame_bossFacing = c.facing;
    s->cGame_bossColumn = c.column;
    s->cGame_jumpColumn = 0;
    s->cGame_bossGround = 0;
    EXPECT_EQ(cGame::findFlatColumnRun(), c.found);
    EXPECT_EQ(s->cGame_jumpColumn, c.jumpColumn);
    EXPECT_EQ(s->cGame_bossGround, c.ground);
    EXPECT_EQ(s->cGame_bossColumn, c.column) << "the search does not move the boss";
  }
}

TEST_F(BossRoutinesTest, TheFallingRowFixtureBlocksTheColumnsItNames) {
  FallingRowAt(-2);
  EXPECT_TRUE(cGame::isColumnUnderType15Bunch(12));
  EXPECT_FALSE(cGame::isColumnUnderType15Bunch(13));
  ClearFallingRows();
  FallingRowAt(200);
  EXPECT_FALSE(cGame::isColumnUnderType15Bunch(19));
  EXPECT_TRUE(cGame::isColumnUnderType15Bunch(20));
  EXPECT_TRUE(cGame::isColumnUnderType15Bunch(23));
  EXPECT_FALSE(cGame::isColumnUnderType15Bunch(24));
}

// Each member keeps its half column's exact x on screen and its column top moves 33 px down with
// jumpToY; twice in a row the rows alternate back to the unshifted parity.
TEST_F(BossRoutinesTest, TheProfileClimbsOneRowWithEitherParity) {
  const std::vector<std::pair<int32_t, int32_t>> kCells = {{0, 0}, {1, -1}, {-2, 1}, {3, 2}};
  for (const int8_t parity : {0, 1}) {
    SCOPED_TRACE(parity);
    const int32_t b = 2 + parity;
    Placed(b, 0, 240, 300);
    s->cGame_surfaceBunch = b;
    std::vector<Bubble*> members;
    for (const auto& [col, row] : kCells) members.push_back(Attached(b, col, row));
    s->cGame_rowParityShift = parity;
    cGame::buildColumnProfile();
    std::vector<int32_t> xBefore, topBefore;
    for (const Bubble* m : members) {
      xBefore.push_back(ExactColumnX(b, 2 * m->col + m->row + 24));
      topBefore.push_back(cGame::columnTopY(2 * m->col + m->row + 24));
    }
    s->cGame_bossGround = 4;
    s->cGame_bossColumn = 20;
    s->cGame_jumpColumn = 22;
    s->cGame_jumpToY = 500;

    cGame::shiftColumnProfile();

    const int32_t step = parity ? 1 : -1;
    for (size_t k = 0; k < members.size(); k++) {
      const Bubble* m = members[k];
      EXPECT_EQ(m->row, kCells[k].second - 1);
      EXPECT_EQ(m->col, kCells[k].first + (parity ? 1 : 0));
      const int32_t i = 2 * m->col + m->row + 24;
      EXPECT_EQ(i, 2 * kCells[k].first + kCells[k].second + 24 + step);
      EXPECT_EQ(ExactColumnX(b, i), xBefore[k]) << k;
      EXPECT_EQ(cGame::columnTopY(i), topBefore[k] + 33) << k;
    }
    const int32_t dx = parity ? -(37 << 15) : 37 << 15;
    EXPECT_EQ(Bunch(b)->centreX, 240 * kPx + dx);
    EXPECT_EQ(Bunch(b)->restX, 240 * kPx + dx);
    EXPECT_EQ(Bunch(b)->centreY, 300 * kPx);
    EXPECT_EQ(s->cGame_bossGround, 3);
    EXPECT_EQ(s->cGame_bossColumn, 20 + step);
    EXPECT_EQ(s->cGame_jumpColumn, 22 + step);
    EXPECT_EQ(s->cGame_jumpToY, 533);
    EXPECT_EQ(s->cGame_rowParityShift, parity ? 0 : 1);
    EXPECT_EQ(s->cGame_profileFirst, parity ? 10 : 9) << "the limits follow the new parity";

    cGame::shiftColumnProfile();
    EXPECT_EQ(s->cGame_rowParityShift, parity);
    EXPECT_EQ(Bunch(b)->centreX, 240 * kPx) << "two climbs bring the centre back";
    EXPECT_EQ(members[0]->row, -2);
    EXPECT_EQ(members[0]->col, 1);
  }
}

}  // namespace

namespace {

constexpr int32_t kTarget = 111 << 8;  // 8.8 px

// The ring boss over the data set's particle definitions, the weak points' target radius the
// start-up's: bossActor a sprite actor, the six
// weak points unarmed at radius 0, no feeder.
class RingBossTest : public MotionTest {
 protected:
  void SetUp() override {
    MotionTest::SetUp();
    cGame::clinitTables();  // the emitter rows, every one then freed for use
    for (int32_t e = 0; e < 50; e++) cGame::stopEmitter(e);
    PlantDataSetPacks();
    LoadEffectSprites();
    cGame::openPack(GetConstantString(76));
    cGame::loadParticleDefinitions(cGame::readPackEntry(0));
    cGame::closeResourceStream();
    s->cGame_bossKind = 3;
    s->cGame_bossActor = Sprite(240, 400, 400, 1);
    s->cGame_weakPointEmitters = NewIntArray(6);
    for (int32_t i = 0; i < 6; i++) s->cGame_weakPointEmitters->elements()[i] = -1;
    s->cGame_weakPointRadius = NewIntArray(6);
    s->cGame_ringCentreX = 240;
    s->cGame_ringCentreY = 400;
    s->cGame_feeder = -1;
  }
  static int32_t Emitter(int32_t i) {
    return Statics<GameStatics>()->cGame_weakPointEmitters->elements()[i];
  }
  static int32_t& Radius(int32_t i) {
    return Statics<GameStatics>()->cGame_weakPointRadius->elements()[i];
  }
};

TEST_F(RingBossTest, EachStateShowsItsLookAndEndEvent) {
  struct Case {
    int32_t state, health;
    int8_t feedSide;
    int32_t anim, mode, event, healthAfter;
  };
  constexpr int32_t kLoop = cActor::kModeLoop, kOnce = cActor::kModeNotifyOnce;
  const Case kCases[] = {
      {0, 3, 1, 0, kLoop, 0, 3},     {0, 3, 0, 1, kLoop, 0, 3},     {1, 3, 1, 4, kOnce, 69, 3},
      {1, 3, 0, 5, kOnce, 69, 3},    {1000, 3, 1, 2, kOnce, 69, 2}, {1000, 2, 0, 3, kOnce, 69, 1},
      {1000, 1, 1, 2, kOnce, 68, 0}, {1001, 2, 0, 6, kOnce, 50, 2}, {1002, 2, 1, 4, kOnce, 69, 2},
      {1002, 2, 0, 5, kOnce, 69, 2},
  };
  cActor* boss = s->cGame_bossActor;
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.state);
    SCOPED_TRACE(c.feedSide);
    s->cGame_bossState = -1;
    s->cGame_bossHealth = c.health;
    s->cGame_feedSide = c.feedSide;
    cActor::setPalette(boss, 1);
    cActor::setEvent(boss, 0);
    cGame::setBossStateKind3(c.state);
    EXPECT_EQ(s->cGame_bossState, c.state);
    EXPECT_EQ(cActor::getAnim(boss), c.anim);
    EXPECT_EQ(boss->mode, c.mode);
    EXPECT_EQ(boss->event, c.event);
    EXPECT_EQ(s->cGame_bossHealth, c.healthAfter);
    if (c.state == 1000) {
      EXPECT_EQ(s->cGame_bossIconCount, c.healthAfter);
    }
    if (c.state == 1001) {
      EXPECT_EQ(s->cGame_bossIconCount, 0);
    }
    if (c.state != 1000) {
      EXPECT_EQ(boss->palette, 0);
    }
  }
  // The same state again changes nothing; an unknown one is only recorded.
  cActor::setPalette(boss, 1);
  cGame::setBossStateKind3(1002);
  EXPECT_EQ(boss->palette, 1);
  cGame::setBossStateKind3(7);
  EXPECT_EQ(s->cGame_bossState, 7);
  EXPECT_EQ(boss->palette, 1);
}

TEST_F(RingBossTest, RecoveryArmsThreeWeakPointsAtTheSecondHealthAndAllAtTheLast) {
  s->cGame_bossHealth = 2;
  cGame::setBossStateKind3(1);
  for (int32_t i = 0; i < 6; i++) EXPECT_EQ(Emitter(i) >= 0, i % 2 == 0) << i;
  // Weak point 2 was pushed out, 4 stands at the target: 2 is dropped and armed again.
  const int32_t kept = Emitter(4);
  Radius(2) = kTarget + 1;
  Radius(4) = kTarget;
  s->cGame_bossHealth = 1;
  s->cGame_bossState = 0;
  cGame::setBossStateKind3(1);
  for (int32_t i = 0; i < 6; i++) EXPECT_GE(Emitter(i), 0) << i;
  EXPECT_EQ(Emitter(4), kept);
  EXPECT_EQ(Radius(2), 0) << "armed again from the centre";
  EXPECT_EQ(Radius(4), kTarget);
}

TEST_F(RingBossTest, AShotMeetsTheFirstArmedWeakPointWithinReachElseTheFeeder) {
  for (int32_t i = 0; i < 6; i++) cGame::startSlotEmitter(i);
  for (int32_t i = 0; i < 6; i++) cGame::setEmitterPos(Emitter(i), 100 + 50 * i, 300);
  Radius(0) = kTarget + 1;  // pushed out: not counted
  struct Case {
    const char* name;
    int32_t x, y;
    int32_t hitPoint;  // -1 none
  };
  // The square reaches 16 px around each weak point, grown by the bubble's 18.
  const Case kCases[] = {
      {"on weak point 1", 150, 300, 1}, {"34 px right of 1", 184, 266, 1},
      {"35 px left of 2", 165, 300, 1}, {"on pushed-out 0", 100, 300, -1},
      {"35 px below 3", 250, 335, -1},  {"between 4 and 5", 325, 300, 4},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    for (int32_t i = 1; i < 6; i++) Radius(i) = kTarget;
    Bubble* shot = Bubble::allocate();
    shot->bunch = Bubble::kFlyingShot;
    shot->setPosition(c.x, c.y);
    shot->syncPixelFromPosition();
    shot->vx = -7 << 16;
    shot->vy = 5 << 16;
    cGame::bossKind3WeakPointHit(shot);
    for (int32_t i = 1; i < 6; i++) {
      EXPECT_EQ(Radius(i), i == c.hitPoint ? kTarget + 1 : kTarget) << i;
    }
    const bool hit = c.hitPoint >= 0;
    EXPECT_EQ(shot->bunch, hit ? Bubble::kLoose : Bubble::kFlyingShot);
    EXPECT_EQ(shot->vx, hit ? -7 << 15 : -7 << 16);
    EXPECT_EQ(shot->vy, hit ? 0 : 5 << 16);
    EXPECT_EQ((shot->flags & Bubble::kFreeFlyer) != 0, hit);
  }
  // The feeder at (400, 500), on its way with two bubbles to bring.
  const int32_t feeder = cGame::startParticleEmitter(400, 500, 0, -1, -1);
  ASSERT_GE(feeder, 0);
  s->cGame_feeder = feeder;
  s->cGame_feedsLeft = 2;
  s->cGame_feederTimer = 1200;
  Bubble* shot = Bubble::allocate();
  shot->bunch = Bubble::kFlyingShot;
  shot->setPosition(435, 500);  // out of reach
  shot->syncPixelFromPosition();
  cGame::bossKind3WeakPointHit(shot);
  EXPECT_EQ(s->cGame_feedsLeft, 2);
  shot->setPosition(434, 466);
  shot->syncPixelFromPosition();
  cGame::bossKind3WeakPointHit(shot);
  EXPECT_EQ(std::make_tuple(s->cGame_feederFromX, s->cGame_feederFromY, s->cGame_feederTimer,
                            s->cGame_feedsLeft),
            std::make_tuple(400, 500, 0, 0));
  EXPECT_EQ(shot->bunch, Bubble::kFlyingShot) << "the shot flies on";
  // Another boss kind has no weak points.
  s->cGame_bossKind = 2;
  s->cGame_feedsLeft = 2;
  cGame::bossKind3WeakPointHit(shot);
  EXPECT_EQ(s->cGame_feedsLeft, 2);
}

}  // namespace
