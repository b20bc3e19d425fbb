// Board colours and the boss's cell map over real bunches: the colour slots, the most common
// colour and its random ties, the map over negative cells and its colour set, the open-cell and
// ring searches, the chain walk and the boss's release by kind.
#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

#include "game/board/actor.h"
#include "javame/random.h"
#include "runtime/array.h"
#include "tests/game/board/motion_fixture.h"

namespace {

class BoardColoursTest : public MotionTest {
 protected:
  // The shared generator on seed.
  void Seeded(int64_t seed) { s->cGame_sharedRandom = NewObject<java_util_Random>(seed); }
  // A tie's draw of the generator: it takes the later colour one time in three.
  static bool TieTakes(java_util_Random& twin) {
    const int64_t r = twin.nextInt();
    return (r < 0 ? -r : r) % 3 == 0;
  }
  // The first seed from 1 whose first getRandom(0, 7) is want.
  static int64_t SeedDrawingFirst(int32_t want) {
    for (int64_t seed = 1;; seed++) {
      java_util_Random r(seed);
      if (std::llabs(static_cast<int64_t>(r.next(32))) % 7 == want) return seed;
    }
  }
  static int32_t Map(int32_t col, int32_t row) { return cGame::cellMapAt(col, row); }
  void SetMap(int32_t col, int32_t row, int32_t v) {
    auto* column = static_cast<IntArray*>(
        s->cGame_cellColourMap->elements()[col + s->cGame_mapOriginCol]);
    column->elements()[row + s->cGame_mapOriginRow] = v;
  }
};

TEST_F(BoardColoursTest, ColourSlotsAvoidTheColourAndEachOther) {
  const int64_t sixFirst = SeedDrawingFirst(6);
  cGame_CBubbleBunch* bunch = Bunch(0);
  // avoid 6 and a first draw of 6: the first slot wraps to 0, the second avoids 6 and 0.
  s->cGame_sharedRandom = NewObject<java_util_Random>(sixFirst);
  bunch->colourA = bunch->colourB = -1;
  cGame::pickBunchColours(0, 6);
  EXPECT_EQ(bunch->colourA, 0);
  EXPECT_NE(bunch->colourB, 6);
  EXPECT_NE(bunch->colourB, 0);
  EXPECT_GE(bunch->colourB, 0);
  EXPECT_LT(bunch->colourB, 7);
  // Slots already chosen are kept; a kept first slot is still avoided by the second.
  for (int64_t seed = 1; seed < 40; seed++) {
    s->cGame_sharedRandom = NewObject<java_util_Random>(seed);
    bunch->colourA = 3, bunch->colourB = -1;
    cGame::pickBunchColours(0, 2);
    ASSERT_EQ(bunch->colourA, 3);
    ASSERT_TRUE(bunch->colourB != 3 && bunch->colourB != 2 && bunch->colourB >= 0 &&
                bunch->colourB < 7)
        << seed;
  }
  bunch->colourA = 4, bunch->colourB = 5;
  cGame::pickBunchColours(0, 4);
  EXPECT_EQ(std::tie(bunch->colourA, bunch->colourB), std::make_tuple(4, 5));
}

TEST_F(BoardColoursTest, TheMostCommonColourIsTheLowestBunchsLeavingOutTheExcludedAndPopping) {
  Seeded(5);
  EXPECT_EQ(cGame::pickMostCommonColour(-1), -1) << "no bunch holds bubbles";
  Placed(0, 0, 240, 200);
  Attached(0, 0, 0, 1);
  Attached(0, 1, 0, 1);
  Attached(0, 2, 0, 1);
  Placed(1, 0, 240, 400);  // the lowest
  Attached(1, 0, 0, 2);
  Attached(1, 1, 0, 2);
  Attached(1, 2, 0, 3);
  Bubble* popping = Attached(1, 3, 0, 3);
  Attached(1, 4, 0, 3);
  Attached(1, 5, 0, 8);  // a special is not matchable
  popping->popTimer = 100;
  // Counts 2 and 2 for colours 2 and 3: colours 0 and 1 tie at 0 (two draws), colour 2 wins
  // at once, colour 3 only by the third draw.
  for (int64_t seed : {11, 12, 13, 14, 15, 16}) {
    Seeded(seed);
    java_util_Random twin(seed);
    TieTakes(twin), TieTakes(twin);
    EXPECT_EQ(cGame::pickMostCommonColour(-1), TieTakes(twin) ? 3 : 2) << seed;
  }
  EXPECT_EQ(cGame::pickMostCommonColour(2), 3) << "colour 2 excluded";
  EXPECT_EQ(s->cGame_colourCounts->elements()[3], 2);
}

// Every bubble popping: every colour ties at 0, each draw decides.
TEST_F(BoardColoursTest, AllPoppingGivesMinusOneOrAColourOfCountZeroByTheDraws) {
  Placed(0, 0, 240, 300);
  for (int32_t c = 0; c < 3; c++) Attached(0, c, 0, c)->popTimer = 50;
  for (int64_t seed : {1, 2, 3, 4, 5, 6, 7, 8}) {
    Seeded(seed);
    java_util_Random twin(seed);
    int32_t expected = -1;
    for (int32_t c = 0; c < 7; c++) {
      if (TieTakes(twin)) expected = c;
    }
    EXPECT_EQ(cGame::pickMostCommonColour(-1), expected) << seed;
  }
}

TEST_F(BoardColoursTest, TheCellMapCoversNegativeCellsAndKeepsItsColoursOnTheBoard) {
  Placed(3, 8, 240, 300);
  Attached(3, 0, 0, 1);
  Attached(3, -2, 1, 4);
  Attached(3, 1, -2, 5);
  Attached(3, -1, 0, 1);
  cGame::buildCellColourMap();
  ASSERT_EQ(s->cGame_chainBunch, 3);
  EXPECT_EQ(s->cGame_cellColourMap->length, 4) << "columns -2..1";
  EXPECT_EQ(std::tie(s->cGame_mapOriginCol, s->cGame_mapOriginRow), std::make_tuple(2, 2));
  EXPECT_EQ(std::make_tuple(Map(0, 0), Map(-2, 1), Map(1, -2), Map(-1, 0), Map(0, 1)),
            std::make_tuple(1, 4, 5, 1, -1));
  // Reads outside the map are empty cells.
  EXPECT_EQ(std::make_tuple(Map(-3, 0), Map(2, 0), Map(0, 2), Map(0, -3)),
            std::make_tuple(-1, -1, -1, -1));
  cGame::collectMapColours();
  EXPECT_EQ(s->cGame_mapColourMask, (1 << 1) | (1 << 4) | (1 << 5));
  cGame::replaceColourInMap(-1, 6);
  EXPECT_EQ(Map(0, 1), -1) << "empty cells are left alone";
  // Colours 1 and 5 are on the board, colour 4 is not: it takes one of the board's colours.
  s->cGame_boardColourMask = (1 << 1) | (1 << 5);
  s->cGame_randomSeed = 99;
  cGame::updateColourSet();
  EXPECT_EQ(Map(0, 0), 1);
  EXPECT_EQ(Map(1, -2), 5);
  EXPECT_TRUE(Map(-2, 1) == 1 || Map(-2, 1) == 5) << Map(-2, 1);
  // No type-8 bunch with a core: no chain bunch.
  cGame::clearAllBunches();
  cGame::buildCellColourMap();
  EXPECT_EQ(s->cGame_chainBunch, -1);
}

// Cells of the map that are now empty and beside a bubble; 5184 (72 px squared) is a tie band
// in which the higher cell wins.
TEST_F(BoardColoursTest, TheClosestOpenCellPrefersTheHigherWithinTheTieBand) {
  struct Case {
    std::vector<std::pair<int32_t, int32_t>> open;  // cells marked in the map, now empty
    int32_t col, row;
  };
  const Case kCases[] = {
      {{{-1, 0}, {0, 1}}, 0, 1},    // 1413 against 1369: within the band, and higher
      {{{-1, 0}, {0, -1}}, -1, 0},  // the lower one never displaces a nearer one
      {{{-1, 0}, {2, 0}}, -1, 0},   // 5476 against 1369: no higher, the nearer stays
      {{{5, 5}}, 0, 0},             // nothing beside it: no cell found
  };
  for (const Case& c : kCases) {
    cGame::clearAllBunches();
    Placed(0, 8, 240, 400);
    Attached(0, 0, 0, 2);
    Attached(0, 1, 0, 2);
    cGame::buildCellColourMap();
    // A map wide enough for every case's cells.
    s->cGame_cellColourMap = NewObjectArray(cid::IntArray, 12);
    for (int32_t i = 0; i < 12; i++) {
      IntArray* column = NewIntArray(12);
      std::fill_n(column->elements(), 12, -1);
      s->cGame_cellColourMap->elements()[i] = column;
    }
    s->cGame_mapOriginCol = s->cGame_mapOriginRow = 5;
    SetMap(0, 0, 2), SetMap(1, 0, 2);
    for (auto [col, row] : c.open) SetMap(col, row, 3);
    cGame::findClosestOpenCell();
    EXPECT_EQ(std::tie(s->cGame_openCol, s->cGame_openRow), std::tie(c.col, c.row))
        << c.open.front().first << "," << c.open.front().second;
  }
}

TEST_F(BoardColoursTest, RingSearchesWalkTheRingAroundBunchZerosCore) {
  Placed(0, 6, 240, 400);
  Attached(0, 0, 0);
  s->cGame_ringCol = 77, s->cGame_ringRow = 88;
  EXPECT_TRUE(cGame::findFreeCellOnRing(2));
  EXPECT_EQ(std::tie(s->cGame_ringCol, s->cGame_ringRow), std::make_tuple(2, 0));
  // Fill ring 2's twelve cells: then it is full and the ring cell stays as it was.
  const int32_t ring2[12][2] = {{2, 0},  {2, -1},  {2, -2}, {1, -2}, {0, -2}, {-1, -1},
                                {-2, 0}, {-2, 1},  {-2, 2}, {-1, 2}, {0, 2},  {1, 1}};
  for (const auto& cell : ring2) Attached(0, cell[0], cell[1]);
  s->cGame_ringCol = 77, s->cGame_ringRow = 88;
  EXPECT_FALSE(cGame::findFreeCellOnRing(2));
  EXPECT_EQ(std::tie(s->cGame_ringCol, s->cGame_ringRow), std::make_tuple(77, 88));
  // Near the centre: ring 2 full, so ring 5's first cell.
  EXPECT_TRUE(cGame::findFreeCellNearCentre());
  EXPECT_EQ(std::tie(s->cGame_feedCol, s->cGame_feedRow), std::make_tuple(5, 0));
  cGame::clearBossTargets();
  EXPECT_EQ(std::tie(s->cGame_feedCol, s->cGame_feedRow, s->cGame_feedSpare),
            std::make_tuple(0, 0, 0));
}

TEST_F(BoardColoursTest, TheChainWalkTheNearestBubbleAndTheTargetCell) {
  Placed(2, 8, 240, 400);
  Bubble* a = Attached(2, 0, 0, 1);
  Bubble* b = Attached(2, 1, 0, 1);
  Bubble* c = Attached(2, 2, 0, 1);
  cGame::buildCellColourMap();
  s->cGame_bossCol = 2, s->cGame_bossRow = 0;
  cGame::findChainPredecessor();
  EXPECT_EQ(std::tie(s->cGame_pathNextCol, s->cGame_pathNextRow), std::make_tuple(2, 0))
      << "an empty chain leaves the boss's cell";
  s->cGame_chainHead = a;
  a->chainNext = b, b->chainNext = c, c->chainNext = nullptr;
  cGame::findChainPredecessor();
  EXPECT_EQ(std::tie(s->cGame_pathNextCol, s->cGame_pathNextRow), std::make_tuple(1, 0));
  c->chainNext = a;  // a loop still ends
  cGame::findChainPredecessor();
  EXPECT_EQ(std::tie(s->cGame_pathNextCol, s->cGame_pathNextRow), std::make_tuple(1, 0));
  s->cGame_bossActor = Sprite(318, 390, 0, 1);  // nearest to c at 314 px
  cGame::findNearestBubble();
  EXPECT_EQ(std::tie(s->cGame_aimCol, s->cGame_aimRow), std::make_tuple(2, 0));
  EXPECT_TRUE(cGame::isTargetCellOccupied());
  s->cGame_aimCol = 3;
  EXPECT_FALSE(cGame::isTargetCellOccupied());
}

TEST_F(BoardColoursTest, ReleasingTheBossDropsItsKindsState) {
  struct Case {
    int32_t kind;
    bool mapKept, profileKept, emittersKept;
  };
  const Case kCases[] = {
      {1, false, true, true}, {2, true, false, true}, {5, true, false, true},
      {3, true, true, false}, {0, true, true, true},  {9, true, true, true},
  };
  for (const Case& c : kCases) {
    s->cGame_cellColourMap = NewObjectArray(cid::IntArray, 1);
    s->cGame_columnProfile = NewIntArray(48);
    s->cGame_weakPointEmitters = NewIntArray(6);
    std::fill_n(s->cGame_weakPointEmitters->elements(), 6, -1);
    s->cGame_feeder = -1;
    s->cGame_feedCol = 4;
    cActor* boss = Sprite(100, 100, 0, 1);
    s->cGame_bossActor = boss;
    s->cGame_bossKind = c.kind;
    cGame::releaseBoss();
    EXPECT_EQ(s->cGame_bossKind, -1) << c.kind;
    EXPECT_EQ(s->cGame_bossActor, nullptr);
    EXPECT_EQ(boss->state, cActor::kFree) << c.kind;
    EXPECT_EQ(s->cGame_cellColourMap != nullptr, c.mapKept) << c.kind;
    EXPECT_EQ(s->cGame_feedCol == 4, c.mapKept) << "the chain boss's targets go with its map";
    EXPECT_EQ(s->cGame_columnProfile != nullptr, c.profileKept) << c.kind;
    EXPECT_EQ(s->cGame_weakPointEmitters != nullptr, c.emittersKept) << c.kind;
  }
  // No boss: nothing happens.
  cActor* other = Sprite(10, 10, 0, 1);
  s->cGame_bossActor = other;
  cGame::releaseBoss();
  EXPECT_EQ(s->cGame_bossActor, other);
}

// The wheel bosses (kinds 0 and 4) let go of their throw as they leave: the thrown actor goes
// back to the pool and neither it nor its target is kept; other kinds leave both alone. An
// actor already free stays free.
TEST_F(BoardColoursTest, TheWheelBossesLetGoOfTheirThrowAsTheyLeave) {
  struct Case {
    int32_t kind;
    bool released;
  };
  const Case kCases[] = {{0, true}, {4, true}, {1, false}, {3, false}};
  Bubble* target = Bubble::allocate();
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.kind);
    cActor* thrown = Sprite(120, 300, 0, 1);
    s->cGame_throwActor = thrown;
    s->cGame_throwTarget = target;
    s->cGame_bossActor = Sprite(100, 100, 0, 1);
    s->cGame_bossKind = c.kind;
    cGame::releaseBoss();
    EXPECT_EQ(thrown->state == cActor::kFree, c.released);
    EXPECT_EQ(s->cGame_throwActor == nullptr, c.released);
    EXPECT_EQ(s->cGame_throwTarget == nullptr, c.released);
    EXPECT_EQ(Layer(1).size(), c.released ? 0u : 1u);
    cActor::release(thrown);
  }
  cActor* spent = Sprite(120, 300, 0, 1);
  cActor::release(spent);
  s->cGame_throwActor = spent;
  s->cGame_throwTarget = target;
  cGame::releaseThrowActor();
  EXPECT_EQ(spent->state, cActor::kFree);
  EXPECT_EQ(s->cGame_throwActor, nullptr);
  EXPECT_EQ(s->cGame_throwTarget, nullptr);
}

}  // namespace
