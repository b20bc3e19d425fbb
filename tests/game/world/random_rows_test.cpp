// Level type 2's generated rows over the real board: bunch 0 hangs from 11 colour-39 bubbles
// as the wave set-up leaves it, and each new row goes in above while the old top row takes
// its colours. Expected colours were worked out by hand from the generator's steps, the old
// top row's bubbles taking their draws in pool order; the colour-39 bubble that leaves on an
// even row pops a moment later, which takes one draw where it leaves.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "tests/game/board/bunch_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

using Cell = std::tuple<int32_t, int32_t, int32_t>;  // row, col, colour

class RandomRowsTest : public BunchTest {
 protected:
  static constexpr int32_t kTop = 39;
  static constexpr int32_t kTopFlags = Bubble::kClearedOnCopy | Bubble::kNeverPops;

  void SetUp() override {
    BunchTest::SetUp();
    Wave();
  }
  // A fresh board as the wave set-up leaves it: the top row of bunch 0 at (-5..5, 0).
  void Wave() {
    Bubble::resetPool();
    cGame::startBoard();
    s->cGame_stageIndex = 0;
    s->cGame_stageColours = NewByteArray(20);
    s->cGame_stageMaxSpecialColumns = NewByteArray(20);
    s->cGame_stageSpecialBase = NewByteArray(20);
    s->cGame_stageSpecialStep = NewByteArray(20);
    s->cGame_stageMasks = NewIntArray(20);
    s->cGame_waveSlots = NewIntArray(11);
    s->cGame_specialKinds = NewShortArray(22);
    for (int32_t k = 0; k < 22; k++) s->cGame_specialKinds->elements()[k] = static_cast<int16_t>(7 + k);
    s->cGame_waveRowY = 60 * kPx;
    s->cGame_waveRowCount = 0;
    s->cGame_pendingRows = 0;
    s->cGame_rowSpecialChance = 0;
    for (int32_t c = -5; c <= 5; c++) Attached(0, c, 0, kTop, kTopFlags);
    cGame::setBunchCentre(0, s->cGame_canvasWidth / 2 * kPx, s->cGame_waveRowY);
  }
  void Stage(int32_t colours, int32_t maxSpecials, int32_t base, int32_t step, int32_t mask) {
    ByteArray::set(s->cGame_stageColours, 0, colours);
    ByteArray::set(s->cGame_stageMaxSpecialColumns, 0, maxSpecials);
    ByteArray::set(s->cGame_stageSpecialBase, 0, base);
    ByteArray::set(s->cGame_stageSpecialStep, 0, step);
    IntArray::set(s->cGame_stageMasks, 0, mask);
  }
  // The members of bunch 0 not flagged dead.
  static std::vector<Bubble*> Board() {
    std::vector<Bubble*> list;
    for (Bubble* b : Members(0)) {
      if (!(b->flags & Bubble::kDead)) list.push_back(b);
    }
    return list;
  }
  // The live member at (col, row); null when none.
  static Bubble* At(int32_t col, int32_t row) {
    for (Bubble* b : Board()) {
      if (b->col == col && b->row == row) return b;
    }
    return nullptr;
  }
  // The board below the top row, sorted by row and column.
  static std::vector<Cell> Rows() {
    std::vector<Cell> cells;
    for (Bubble* b : Board()) {
      if (b->row < 0) cells.emplace_back(b->row, b->col, b->colour);
    }
    std::sort(cells.begin(), cells.end());
    return cells;
  }
};

TEST_F(RandomRowsTest, TwoRowsTakeDrawnColoursOrTheSlotRowsBesideTheirSpecials) {
  // Specials 7 and 10 (slots 0 and 3); the chance climbs 40 a row and falls back to 30.
  Stage(5, 3, 30, 40, 0b1001);
  const int32_t slots[11] = {3, 1, 4, 1, 5, 2, 6, 2, 0, 3, 1};
  struct Case {
    int32_t pendingRows;
    std::vector<Cell> rows;
    int32_t chance;
    uint32_t seed;
  };
  const std::vector<Case> kCases = {
      // Row 1: special columns 4 and 9; row 2 (chance 70): special column 2, so the chance
      // falls back to 30.
      {0,
       {{-2, -3, 3}, {-2, -2, 1}, {-2, -1, 3}, {-2, 0, 10}, {-2, 1, 2}, {-2, 2, 2}, {-2, 3, 0},
        {-2, 4, 3}, {-2, 5, 7}, {-2, 6, 1}, {-1, -4, 3}, {-1, -3, 4}, {-1, -2, 7}, {-1, -1, 3},
        {-1, 0, 0}, {-1, 1, 3}, {-1, 2, 1}, {-1, 3, 4}, {-1, 4, 0}, {-1, 5, 3}, {-1, 6, 0}},
       30,
       2863161923u},
      // The slot row gives the ordinary colours, which take no draw; row 2 draws no special
      // column and the chance stays at 70.
      {1,
       {{-2, -3, 1}, {-2, -2, 4}, {-2, -1, 1}, {-2, 0, 7}, {-2, 1, 2}, {-2, 2, 6}, {-2, 3, 2},
        {-2, 4, 0}, {-2, 5, 7}, {-2, 6, 1}, {-1, -4, 3}, {-1, -3, 1}, {-1, -2, 4}, {-1, -1, 1},
        {-1, 0, 5}, {-1, 1, 2}, {-1, 2, 6}, {-1, 3, 2}, {-1, 4, 0}, {-1, 5, 3}, {-1, 6, 1}},
       70,
       2915610096u},
  };
  for (const Case& c : kCases) {
    Wave();
    Stage(5, 3, 30, 40, 0b1001);
    for (int32_t k = 0; k < 11; k++) IntArray::set(s->cGame_waveSlots, k, slots[k]);
    s->cGame_pendingRows = c.pendingRows;
    s->cGame_randomSeed = 77;
    cGame::generateRandomLevel();
    cGame::generateRandomLevel();
    EXPECT_EQ(Rows(), c.rows) << c.pendingRows;
    EXPECT_EQ(s->cGame_rowSpecialChance, c.chance) << c.pendingRows;
    EXPECT_EQ(static_cast<uint32_t>(s->cGame_randomSeed), c.seed) << c.pendingRows;
    EXPECT_EQ(s->cGame_pendingRows, c.pendingRows);
    EXPECT_EQ(s->cGame_waveRowCount, 2);
  }
}

// The new row is built before the old one is coloured, and on even rows the cell (-5, 0) that
// would leave the hexagonal alignment is emptied; the centre steps half a column on odd rows.
TEST_F(RandomRowsTest, EveryRowKeepsElevenTopBubblesAndOneKey) {
  Stage(4, 1, 0, 0, 0);
  s->cGame_randomSeed = 3;
  const int32_t middle = s->cGame_canvasWidth / 2 * kPx;
  for (int32_t n = 0; n < 6; n++) {
    Bubble* leaving = At(-5, 0);
    ASSERT_NE(leaving, nullptr);
    cGame::generateRandomLevel();
    std::vector<int32_t> topCols;
    int32_t keys = 0;
    for (Bubble* b : Board()) {
      if (b->row == 0) {
        topCols.push_back(b->col);
        EXPECT_EQ(b->colour, kTop);
        EXPECT_EQ(b->flags & kTopFlags, kTopFlags);
      } else {
        EXPECT_TRUE(b->colour >= 0 && b->colour < 4) << n;
        EXPECT_FALSE(b->flags & Bubble::kNeverPops);
      }
      if (b->flags & Bubble::kKey) {
        keys++;
        EXPECT_EQ(b->col, 0);
        EXPECT_EQ(b->row, 0);
        EXPECT_EQ(Bunch(0)->core, b);
      }
    }
    std::sort(topCols.begin(), topCols.end());
    EXPECT_EQ(topCols, (std::vector<int32_t>{-5, -4, -3, -2, -1, 0, 1, 2, 3, 4, 5})) << n;
    EXPECT_EQ(keys, 1) << n;
    EXPECT_EQ(leaving->flags & Bubble::kDead, n % 2 == 0 ? Bubble::kDead : 0) << n;
    EXPECT_EQ(Bunch(0)->centreX, middle - (n % 2 ? 18 * kPx : 0)) << n;
    EXPECT_EQ(Bunch(0)->centreY, s->cGame_waveRowY);
    EXPECT_EQ(s->cGame_waveRowCount, n + 1);
    EXPECT_EQ(s->cGame_specialState, 3);
    EXPECT_TRUE(s->cGame_shotHasLanded);
    EXPECT_TRUE(s->cGame_gridRebuildRequested);
  }
  // Rows of 10 and 11 below the top row, alternating: 6 rows, three of each.
  EXPECT_EQ(Rows().size(), 63u);
}

TEST_F(RandomRowsTest, ACertainChanceGivesEveryRowASpecialAndFallsBackToTheBase) {
  Stage(3, 2, 20, 100, 0b110);  // kinds 8 and 9
  s->cGame_randomSeed = 11;
  for (int32_t n = 0; n < 5; n++) {
    cGame::generateRandomLevel();
    int32_t specials = 0;
    for (Bubble* b : Board()) {
      if (b->row != -1) continue;
      EXPECT_TRUE(b->colour < 3 || b->colour == 8 || b->colour == 9) << b->colour;
      if (b->colour >= 7) specials++;
    }
    EXPECT_GE(specials, 1) << n;
    EXPECT_LE(specials, 2) << n;
    EXPECT_EQ(s->cGame_rowSpecialChance, 20);
  }
}

// A special column whose stage allows no kind (the mask's bits past kind 28 count for none)
// takes an ordinary colour by its draw, and a stage asking for more special columns than
// the row holds gets the 11 there are.
TEST_F(RandomRowsTest, SpecialColumnsWithoutKindsOrBeyondTheRowStaySafe) {
  struct Case {
    int32_t maxSpecials, mask;
    bool specials;
  };
  for (const Case c : {Case{11, 0, false}, Case{11, 1 << 22 | 1 << 30, false},
                       Case{100, 1 << 5, true}, Case{-1, 1 << 5, true}}) {
    Wave();
    Stage(4, c.maxSpecials, 100, 100, c.mask);
    for (int32_t seed = 0; seed < 12; seed++) {
      s->cGame_randomSeed = seed;
      cGame::generateRandomLevel();
      for (Bubble* b : Board()) {
        if (b->row != -1) continue;
        const bool ordinary = b->colour >= 0 && b->colour < 4;
        EXPECT_TRUE(ordinary || (c.specials && b->colour == 12)) << b->colour;
      }
    }
  }
}

TEST_F(RandomRowsTest, WithoutRoomInThePoolTheRowWaits) {
  Stage(4, 1, 0, 0, 0);
  while (s->Bubble_activeBubbleCount < Bubble::kPoolSize - 11) Bubble::allocate();
  s->cGame_pendingRows = 2;
  s->cGame_randomSeed = 9;
  cGame::generateRandomLevel();  // exactly 11 left: the row is built, none are left
  EXPECT_EQ(s->cGame_waveRowCount, 1);
  EXPECT_EQ(s->Bubble_activeBubbleCount, Bubble::kPoolSize);
  const int32_t seed = s->cGame_randomSeed;
  const std::vector<Cell> before = Rows();
  TraceCapture trace;
  cGame::generateRandomLevel();
  EXPECT_TRUE(trace.contains(
      "cGame::generateRandomLevel: 170 bubbles in play leave no room for a row of 11; the "
      "row waits"));
  EXPECT_EQ(s->cGame_waveRowCount, 1);
  EXPECT_EQ(s->cGame_pendingRows, 2);
  EXPECT_EQ(s->cGame_randomSeed, seed);
  EXPECT_EQ(Rows(), before);
}

}  // namespace
