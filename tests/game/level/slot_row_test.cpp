// Level type 2's slot row: the bracket tables give the runs of three and of two, the game
// generator places them and colours the rest; the expected rows were worked out by hand from
// the generator's steps.
#include <gtest/gtest.h>

#include <vector>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "tests/support/array_values.h"
#include "tests/support/library_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

using Row = std::vector<int32_t>;

class SlotRowTest : public LibraryTest {
 protected:
  void SetUp() override {
    LibraryTest::SetUp();
    s = Statics<GameStatics>();
    s->cGame_stageRowsA = NewObjectArray(cid::ByteArray, 1);
    s->cGame_stageRowsB = NewObjectArray(cid::ByteArray, 1);
    s->cGame_currentStage = 0;
    s->cGame_stageIndex = 0;
    s->cGame_stageColours = NewByteArray(20);
    s->cGame_waveSlots = NewIntArray(11);
  }
  // The bracket rows of a level: threes and twos by percent rolls.
  void Brackets(const Row& threes, const Row& twos) {
    s->cGame_stageRowsA->elements()[0] = Bytes(threes);
    s->cGame_stageRowsB->elements()[0] = Bytes(twos);
  }
  // Rows that answer k for every roll 0..99: k bounds below any roll, the rest above.
  static Row Always(int32_t n, int32_t k) {
    Row row(n, 127);
    for (int32_t i = 0; i < k; i++) row[i] = -128;
    return row;
  }
  static ByteArray* Bytes(const Row& values) {
    ByteArray* array = NewByteArray(static_cast<int32_t>(values.size()));
    for (size_t i = 0; i < values.size(); i++) ByteArray::set(array, i, values[i]);
    return array;
  }
  void Colours(int32_t n) { ByteArray::set(s->cGame_stageColours, 0, n); }
  // The seed after `steps` steps of the game generator from `seed`.
  static int32_t Stepped(int32_t seed, int32_t steps) {
    for (int32_t i = 0; i < steps; i++) seed = seed * 1664525 + 1013904223;
    return seed;
  }
  Row Slots() const { return ValuesOf<IntArray>(s->cGame_waveSlots); }

  GameStatics* s = nullptr;
};

TEST_F(SlotRowTest, ThreeSeedsGiveTheirRowsOverTheLevelsBracketTables) {
  Brackets({0, 40, 75, 95}, {0, 20, 45, 70, 85, 100});
  Colours(5);
  struct Case {
    int32_t seed;
    Row slots;
    uint32_t after;
  };
  const Case kCases[] = {
      // a run of three at 3..5, runs of two at 6..7 and 1..2, singles in 0, 8, 9, 10
      {2, {0, 2, 2, 3, 3, 3, 4, 4, 3, 3, 4}, 0x1b70ccbeu},
      // runs of three at 1, 4 and 8; the run of two at 7..8 overwrites column 8 of the last
      {16, {2, 1, 1, 1, 0, 0, 0, 1, 1, 4, 4}, 0x0e6c0701u},
      // runs of three at 0 and 5; a run of two wraps from 10 to 0 over the first run, the
      // next one starts on the free column 9
      {31, {0, 1, 1, 1, 1, 3, 3, 3, 4, 0, 0}, 0xe582d0aeu},
  };
  for (const Case& c : kCases) {
    s->cGame_randomSeed = c.seed;
    cGame::randomizeSlotRow();
    EXPECT_EQ(Slots(), c.slots) << c.seed;
    EXPECT_EQ(static_cast<uint32_t>(s->cGame_randomSeed), c.after) << c.seed;
  }
}

TEST_F(SlotRowTest, EdgeCasesOfTheRunCounts) {
  struct Case {
    const char* what;
    int32_t threes, twos, colours, seed;
    Row slots;
    int32_t steps;  // generator steps taken
  };
  const Case kCases[] = {
      // 9 + 4 columns do not fit: one run of two is drawn
      {"3 and 2", 3, 2, 4, 7, {0, 0, 0, 3, 3, 1, 1, 1, 1, 1, 1}, 10},
      // no colour draws: only the two rolls and the four positions step the generator
      {"no colours", 3, 2, 0, 7, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 6},
      // the run of two drawn at column 10 takes column 0 too
      {"wrap", 0, 1, 4, 20, {1, 1, 2, 3, 1, 0, 3, 1, 2, 3, 1}, 13},
      // every column a single draw
      {"singles", 0, 0, 6, 7, {0, 0, 5, 2, 5, 0, 1, 1, 3, 4, 2}, 13},
  };
  for (const Case& c : kCases) {
    Brackets(Always(4, c.threes), Always(6, c.twos));
    Colours(c.colours);
    s->cGame_randomSeed = c.seed;
    cGame::randomizeSlotRow();
    EXPECT_EQ(Slots(), c.slots) << c.what;
    EXPECT_EQ(s->cGame_randomSeed, Stepped(c.seed, c.steps)) << c.what;
  }
}

// Every pair the bracket rows (4 and 6 entries) can answer ends and writes every column; the
// runs of three stay whole, so each of them shows in the row.
TEST_F(SlotRowTest, EveryPairOfRunCountsEndsWithEveryColumnColoured) {
  Colours(7);
  for (int32_t threes = 0; threes < 4; threes++) {
    for (int32_t twos = 0; twos < 6; twos++) {
      for (int32_t seed : {1, 99, 123456}) {
        Brackets(Always(4, threes), Always(6, twos));
        IntArray* slots = s->cGame_waveSlots;
        for (int32_t k = 0; k < 11; k++) IntArray::set(slots, k, -1);
        s->cGame_randomSeed = seed;
        cGame::randomizeSlotRow();
        for (int32_t v : Slots()) {
          EXPECT_TRUE(v >= 0 && v < 7) << threes << " " << twos << " " << seed;
        }
      }
    }
  }
}

TEST_F(SlotRowTest, ARowTooLongForThreeRunsIsCutAndAMissingSlotRowIsMade) {
  // A bracket row longer than the reader's four could answer 5 runs of three.
  Brackets(Always(6, 5), Always(6, 0));
  Colours(3);
  s->cGame_waveSlots = nullptr;
  s->cGame_randomSeed = 5;
  TraceCapture trace;
  cGame::randomizeSlotRow();
  EXPECT_TRUE(trace.contains(
      "cGame::randomizeSlotRow: 5 runs of three do not fit 11 columns; 3 are drawn"));
  ASSERT_NE(s->cGame_waveSlots, nullptr);
  const Row slots = Slots();
  ASSERT_EQ(slots.size(), 11u);
  for (int32_t v : slots) EXPECT_TRUE(v >= 0 && v < 3);
}

}  // namespace
