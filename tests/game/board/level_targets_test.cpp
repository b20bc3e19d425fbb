// The column profile of the surface bunch and its boss tests, the level targets and the shared
// lists, and both easing tables at the start, middle and end of a half turn.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/board/actor.h"
#include "runtime/array.h"
#include "tests/game/board/motion_fixture.h"

namespace {

using ColumnProfileTest = MotionTest;

std::vector<int32_t> Profile() {
  IntArray* p = Statics<GameStatics>()->cGame_columnProfile;
  return std::vector<int32_t>(p->elements(), p->elements() + p->length);
}

TEST_F(ColumnProfileTest, AnEmptyBunchIsAllGapsAndNoColumnPairIsBelowTheBoss) {
  Placed(0, 0, 240, 300);
  s->cGame_surfaceBunch = 0;
  cGame::buildColumnProfile();
  EXPECT_EQ(Profile(), std::vector<int32_t>(48, -1000));
  EXPECT_EQ(s->cGame_profileCentre, 24);
  for (int32_t c = -2; c < 50; c++) {
    s->cGame_bossColumn = c;
    s->cGame_bossGround = 5;
    ASSERT_FALSE(cGame::isAboveColumnPair()) << c;
    ASSERT_FALSE(cGame::isAboveFilledColumnPair()) << c;
  }
  // A gap is far up: its top lies 33000 px above the centre.
  EXPECT_EQ(cGame::columnTopY(10), 300 + 33000 - 18);
  EXPECT_EQ(cGame::columnTopY(-1), 300 + 33000 - 18) << "a read outside is a gap";
  EXPECT_EQ(cGame::columnTopY(48), 300 + 33000 - 18);
}

TEST_F(ColumnProfileTest, EachBubbleRaisesItsTwoHalfColumns) {
  Placed(0, 0, 240, 300);
  s->cGame_surfaceBunch = 0;
  Attached(0, 0, 0);
  Attached(0, 1, -2);               // half column 24: row -2 does not lower row 0
  Attached(0, 3, -1);               // half columns 28 and 29
  Attached(0, 2, 1)->popTimer = 5;  // popping: left open
  Attached(0, -12, 0);              // half column 0: outside 1..47, not written
  Attached(0, 12, 0);               // half column 48: not written either
  s->cGame_rowParityShift = 0;
  cGame::buildColumnProfile();
  std::vector<int32_t> expected(48, -1000);
  expected[23] = expected[24] = 0;
  expected[28] = expected[29] = -1;
  EXPECT_EQ(Profile(), expected);
  EXPECT_EQ(std::tie(s->cGame_profileFirst, s->cGame_profileLast), std::make_tuple(10, 35));
  s->cGame_rowParityShift = 1;
  cGame::buildColumnProfile();
  EXPECT_EQ(std::tie(s->cGame_profileFirst, s->cGame_profileLast), std::make_tuple(9, 34));
  EXPECT_EQ(cGame::columnX(24), 240);
  EXPECT_EQ(cGame::columnX(26), 240 + 37);
  EXPECT_EQ(cGame::columnX(23), 240 - 19) << "(-37) >> 1 rounds down";
  EXPECT_EQ(cGame::columnTopY(24), 300 - 18);
  EXPECT_EQ(cGame::columnTopY(28), 300 + 33 - 18);
  // The boss stands at row 1 over the pair (23, 24) and over (28, 29); (24, 25) has one gap.
  struct Case {
    int32_t column, ground;
    bool above, aboveFilled;
  };
  const Case kCases[] = {
      {24, 1, true, true},   {24, 0, false, false}, {29, 0, true, true},  {25, 1, true, false},
      {27, 1, false, false}, {0, 1, false, false},  {48, 1, false, false},
  };
  for (const Case& c : kCases) {
    s->cGame_bossColumn = c.column;
    s->cGame_bossGround = c.ground;
    EXPECT_EQ(cGame::isAboveColumnPair(), c.above) << c.column << " " << c.ground;
    EXPECT_EQ(cGame::isAboveFilledColumnPair(), c.aboveFilled) << c.column << " " << c.ground;
  }
}

TEST_F(ColumnProfileTest, AColumnIsUnderAFallingRowWithin37PxOfItsExtents) {
  Placed(0, 0, 240, 300);
  s->cGame_surfaceBunch = 0;
  Placed(1, 15, 300, 100);
  Attached(1, 0, 0);
  Attached(1, 1, 0);
  cGame::updateBunchExtents();  // the row spans 300..337 px
  struct Case {
    int32_t column;
    bool under;
  };
  // Half column i stands at 240 + (i - 24) * 18.5 px.
  const Case kCases[] = {{24, false}, {25, false}, {26, true}, {30, true}, {31, true}, {32, false}};
  for (const Case& c : kCases) {
    EXPECT_EQ(cGame::isColumnUnderType15Bunch(c.column), c.under) << c.column;
  }
  Bunch(1)->type = 0;
  EXPECT_FALSE(cGame::isColumnUnderType15Bunch(30));
}

using LevelTargetsTest = MotionTest;

TEST_F(LevelTargetsTest, FiveTargetsAtMostAndTheirStates) {
  Param(12, 4000);
  cGame::allocLevelTargetLists();
  EXPECT_EQ(std::tie(s->cGame_targetCount, s->cGame_targetPeriod, s->cGame_targetGoalX,
                     s->cGame_targetGoalY),
            std::make_tuple(0, 4000, 80, 260));
  std::vector<Bubble*> bubbles;
  for (int32_t i = 0; i < 6; i++) {
    Bubble* b = Bubble::allocate();
    b->objectIndex = -1;
    b->setPosition(100 + 10 * i, 200);
    bubbles.push_back(b);
    cGame::addLevelTarget(b);
  }
  EXPECT_EQ(s->cGame_targetCount, 5);
  EXPECT_EQ(bubbles[4]->objectIndex, 4);
  EXPECT_EQ(bubbles[5]->objectIndex, -1) << "the sixth is refused";
  EXPECT_EQ(TraceCount("target 6 refused"), 1);
  EXPECT_EQ(std::make_tuple(s->cGame_targetFlag->elements()[2], s->cGame_targetEmitters->elements()[2]),
            std::make_tuple(int8_t{1}, -1));
  EXPECT_FALSE(cGame::isAnyTargetHit());
  cGame::triggerTarget(1);
  EXPECT_TRUE(cGame::isAnyTargetHit());
  EXPECT_EQ(s->cGame_targetState->elements()[1], 3);
  EXPECT_EQ(s->cGame_targetFrom->elements()[1], 110 << 16 | 200);
  EXPECT_EQ(s->cGame_targetTo->elements()[1], ((110 + 80) >> 1) << 16 | ((200 + 260) >> 1));
  // A target already hit, or past it, is left alone.
  s->cGame_targetFrom->elements()[1] = 7;
  cGame::triggerTarget(1);
  s->cGame_targetState->elements()[2] = 4;
  cGame::triggerTarget(2);
  EXPECT_EQ(s->cGame_targetFrom->elements()[1], 7);
  EXPECT_EQ(s->cGame_targetState->elements()[2], 4);
  EXPECT_EQ(s->cGame_targetFrom->elements()[2], 0);
  // Indexes outside the targets do nothing.
  for (int32_t i : {-1, 5, 6}) {
    cGame::triggerTarget(i);
    cGame::stopEffectSlot(i);
  }
  s->cGame_targetEmitters->elements()[3] = 7;
  cGame::stopAllEffectSlots();
  EXPECT_EQ(std::make_tuple(s->cGame_targetEmitters->elements()[3], s->cGame_targetState->elements()[3]),
            std::make_tuple(-2, 5));
  EXPECT_EQ(s->cGame_targetState->elements()[0], 0) << "no emitter, nothing stopped";
  for (int32_t i = 0; i < 5; i++) s->cGame_targetFlag->elements()[i] = 0;
  cGame::markAllTargets();
  EXPECT_EQ(s->cGame_targetFlag->elements()[4], 1);
  cGame::resetEffects();
  EXPECT_EQ(s->cGame_targetState, nullptr);
  EXPECT_EQ(s->cGame_bubbleSprite, nullptr);
  EXPECT_FALSE(cGame::isAnyTargetHit());
  cGame::markAllTargets();  // no lists: nothing to mark
}

TEST_F(LevelTargetsTest, ListsSlotsPairsAndTheFurthestLock) {
  EXPECT_FALSE(cGame::hasLevelObjectList());
  EXPECT_EQ(cGame::findFreeLevelObjectSlot(), -1);
  cGame::allocTargetLists(3);
  EXPECT_TRUE(cGame::hasLevelObjectList());
  EXPECT_EQ(s->cGame_thrownTimer->length, 3);
  s->cGame_thrownActors->elements()[0] = Sprite(1, 1, 0, 1);
  EXPECT_EQ(cGame::findFreeLevelObjectSlot(), 1);
  cGame::allocTripleLists();
  EXPECT_EQ(std::make_tuple(s->cGame_slotActor->length, s->cGame_slotHops->length),
            std::make_tuple(3, 3));
  // The pair list: a range is cut out and the rest moves down; a bad range removes nothing.
  s->cGame_pairFirst = NewIntArray(6);
  s->cGame_pairSecond = NewIntArray(6);
  for (int32_t i = 0; i < 6; i++) {
    s->cGame_pairFirst->elements()[i] = i;
    s->cGame_pairSecond->elements()[i] = 10 * i;
  }
  s->cGame_pairCount = 6;
  for (auto [from, to] : {std::pair{3, 2}, {-1, 1}, {4, 6}}) cGame::removePairRange(from, to);
  EXPECT_EQ(s->cGame_pairCount, 6);
  cGame::removePairRange(1, 2);
  EXPECT_EQ(s->cGame_pairCount, 4);
  EXPECT_EQ(std::vector<int32_t>(s->cGame_pairFirst->elements(), s->cGame_pairFirst->elements() + 4),
            std::vector<int32_t>({0, 3, 4, 5}));
  EXPECT_EQ(s->cGame_pairSecond->elements()[1], 30);
  // The furthest lock past phase 0 shows its preview's colour; a tie goes to the later slot.
  EXPECT_EQ(cGame::bestType7BunchValue(), -1);
  for (int32_t b : {2, 4, 6}) {
    cGame_CBubbleBunch* lock = Placed(b, 7, 100, 100);
    lock->inUse = 1;
    lock->phase = b == 6 ? 0 : 1;
    lock->timer2 = b == 6 ? 9000 : 500;
    lock->decorations = NewObjectArray(cid::cActor, 2);
    cActor* preview = Sprite(0, 0, 0, 1);
    preview->player->anim = b;  // the colour it shows
    lock->decorations->elements()[1] = preview;
  }
  EXPECT_EQ(cGame::bestType7BunchValue(), 4);
  // Two actors of layer 6 at one spot: the first is found.
  Sprite(50, 60, 0, 6);
  Sprite(50, 60, 5, 6);
  cActor* probe = Sprite(50, 60, 0, 2);
  EXPECT_EQ(cGame::findActorAtSamePosition(probe), Layer(6).front());
  probe->x = 51;
  EXPECT_EQ(cGame::findActorAtSamePosition(probe), nullptr);
  EXPECT_FALSE(cGame::isLevelObjectBusy());
  s->cGame_walkerState = 2;
  EXPECT_TRUE(cGame::isLevelObjectBusy());
  s->cGame_bossFlashing = 1;
  EXPECT_FALSE(cGame::isBossVulnerable());
  EXPECT_TRUE(cGame::canBossTakeHit());
}

// Curves at t = 0, a quarter turn (u 128) and a half turn (u 256), from the sine table:
// s(0) = S[0], s(128) = S[128], s(256) = S[255], s(384) = S[127], s(512) = -S[0].
TEST_F(LevelTargetsTest, BothEasingTablesGiveEachCurveByType) {
  const std::vector<int32_t> S = databuild::SineQuarterTable();
  const int32_t kOne = 0x10000;
  const int32_t ts[3] = {0, 25736, 51471};
  const int32_t sinU[3] = {S[0], S[128], S[255]};
  const int32_t cosU[3] = {S[255], S[127], -S[0]};
  auto curve = [&](char name, int32_t k) {
    switch (name) {
      case 'L': return ts[k];
      case 'N': return -ts[k];
      case 'R': return (kOne - cosU[k]) >> 1;
      case 'H': return sinU[k] >> 1;
      case 'F': return (cosU[k] - kOne) >> 1;
      case 'D': return -sinU[k] >> 1;
      default: return 0;
    }
  };
  const char kEase[] = "L-N-RHFDDRHF--";   // types 0..13: '-' gives 0
  const char kEaseAlt[] = "-L-NDRHFRHFD--";
  for (int32_t type = -1; type < 14; type++) {
    for (int32_t k = 0; k < 3; k++) {
      const char e = type < 0 ? '-' : kEase[type];
      const char a = type < 0 ? '-' : kEaseAlt[type];
      EXPECT_EQ(cGame::easeValue(type, ts[k]), curve(e, k)) << type << " t " << ts[k];
      EXPECT_EQ(cGame::easeValueAlt(type, ts[k]), curve(a, k)) << type << " t " << ts[k];
    }
  }
  EXPECT_EQ(cGame::easeValue(4, 0), 0);
  EXPECT_EQ(cGame::easeValue(0, 12345), 12345);
}

}  // namespace
