// The level header reader over headers written by the data builder's level writer: every
// value in its static, the layout's edge cases, counts outside the tables, and every cut
// header refused whole.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "tests/support/level_header_fixture.h"
#include "tests/support/library_fixture.h"
#include "tests/support/managed_bytes.h"
#include "tests/support/runtime_fixture.h"
#include "tools/databuild/level_writer.h"

namespace {

using Bytes = std::vector<uint8_t>;
using databuild::DialogueEntry;
using databuild::LevelHeader;

// The shared header with entries in all three lists.
LevelHeader Distinct() {
  LevelHeader h = DistinctLevelHeader();
  h.intro = {{7, 0, {1, 2, 3, 4}}, {8, 2, {-1, -2, -3, -4}}};
  h.tail = {-300, 301, -3, 4, 5};
  h.won = {{9, 10, {11, 12, 13, 0}}};
  h.lost = {{-5, 1, {-6, -7, -8, 0}}, {20, 3, {21, 22, 23, 0}}, {30, 4, {31, 32, 33, 0}}};
  return h;
}

class LevelHeaderTest : public LibraryTest {
 protected:
  // Reads a header from bytes as the loader does: the cursor at 0, level 5 of world 2.
  static void Read(const Bytes& bytes) {
    GameStatics* s = Statics<GameStatics>();
    s->cGame_levelPack = 2;
    s->cGame_levelEntry = 5;
    ByteArray* level = ManagedBytes(bytes);
    s->cGame_levelData = level;
    cGame::setDataCursor(0);
    cGame::readLevelHeader(level);
  }
  static int32_t Cursor() { return Statics<GameStatics>()->cGame_dataCursor; }
  // The first count elements of a table static.
  template <class A>
  static std::vector<int32_t> Values(const StaticRef<A>& table, int32_t count) {
    std::vector<int32_t> values;
    for (int32_t i = 0; i < count; i++) values.push_back(table->elements()[i]);
    return values;
  }
  static Bytes Patched(Bytes bytes, size_t at, int32_t value) {
    for (int i = 0; i < 4; i++)
      bytes[at + i] = static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i));
    return bytes;
  }
  // The values that readLevelHeader writes, as one list; all zero for a refused header.
  static std::vector<int32_t> AllValues() {
    GameStatics* s = Statics<GameStatics>();
    std::vector<int32_t> v = {s->cGame_levelType,         s->cGame_levelFlags,
                              s->cGame_levelActorSet,     s->cGame_levelValueAt4,
                              s->cGame_levelValueAt5,     s->cGame_levelValueAt6,
                              s->cGame_levelValueAt8,     s->cGame_levelValueAt9,
                              s->cGame_levelValueAt10,    s->cGame_shotSequenceRepeats,
                              s->cGame_levelCountdown,    s->cGame_levelFlagAt14,
                              s->cGame_levelUnlockItem,   s->cGame_levelValueAt16,
                              s->cGame_fastTime,          s->cGame_timeBonus,
                              s->cGame_slowTimeSpan,      s->cGame_specialChance,
                              s->cGame_specialBaseChance, s->cGame_specialChanceStep,
                              s->cGame_anchorPalette,     s->cGame_introCount,
                              s->cGame_levelTailValue0,   s->cGame_levelTailValue1,
                              s->cGame_levelTailValue2,   s->cGame_levelTailValue3,
                              s->cGame_levelTailValue4,   s->cGame_wonCount,
                              s->cGame_lostCount};
    auto add = [&](const auto&... tables) {
      for (const std::vector<int32_t>& values : {Values(tables, tables->length)...}) {
        v.insert(v.end(), values.begin(), values.end());
      }
    };
    add(s->cGame_specialWeights, s->cGame_specialWeightsBase, s->cGame_levelParams);
    add(s->cGame_introTexts, s->cGame_introSpeakers, s->cGame_introValue0, s->cGame_introValue1,
        s->cGame_introValue2, s->cGame_introValue3);
    add(s->cGame_wonTexts, s->cGame_wonValues, s->cGame_wonValue0, s->cGame_wonValue1,
        s->cGame_wonValue2);
    add(s->cGame_lostTexts, s->cGame_lostSpeakers, s->cGame_lostValue0, s->cGame_lostValue1,
        s->cGame_lostValue2);
    return v;
  }
};

TEST_F(LevelHeaderTest, EveryValueLandsInItsStatic) {
  const Bytes bytes = databuild::WriteLevelHeader(Distinct());
  TraceCapture trace;
  Read(bytes);
  GameStatics* s = Statics<GameStatics>();
  EXPECT_EQ((std::vector<int32_t>{
                s->cGame_levelType, s->cGame_levelFlags, s->cGame_levelActorSet,
                s->cGame_levelValueAt4, s->cGame_levelValueAt5, s->cGame_levelValueAt6,
                s->cGame_levelValueAt8, s->cGame_levelValueAt9, s->cGame_levelValueAt10,
                s->cGame_shotSequenceRepeats, s->cGame_levelUnlockItem, s->cGame_levelValueAt16,
                s->cGame_fastTime, s->cGame_timeBonus, s->cGame_slowTimeSpan,
                s->cGame_specialChance, s->cGame_specialBaseChance, s->cGame_specialChanceStep}),
            (std::vector<int32_t>{3, 1, -2, 4, -5, 600, 8, 9, -1000, -1, 14, -16, 20000, 2400,
                                  28000, 32, 33, 34}));
  EXPECT_TRUE(s->cGame_levelCountdown);
  EXPECT_TRUE(s->cGame_levelFlagAt14);
  std::vector<int32_t> weights;
  for (int k = 0; k < 22; k++) weights.push_back(35 + k);
  EXPECT_EQ(Values(s->cGame_specialWeights, 22), weights);
  EXPECT_EQ(Values(s->cGame_specialWeightsBase, 22), weights);
  std::vector<int32_t> params;
  for (int i = 0; i < 13; i++) params.push_back(1000 + i);
  EXPECT_EQ(Values(s->cGame_levelParams, 13), params);
  EXPECT_EQ(s->cGame_anchorPalette, 1006);
  EXPECT_EQ(s->cGame_introCount, 2);
  EXPECT_EQ(Values(s->cGame_introTexts, 2), (std::vector<int32_t>{7, 8}));
  EXPECT_EQ(Values(s->cGame_introSpeakers, 2), (std::vector<int32_t>{0, 2}));
  EXPECT_EQ(Values(s->cGame_introValue0, 2), (std::vector<int32_t>{1, -1}));
  EXPECT_EQ(Values(s->cGame_introValue3, 2), (std::vector<int32_t>{4, -4}));
  EXPECT_EQ((std::vector<int32_t>{s->cGame_levelTailValue0, s->cGame_levelTailValue1,
                                  s->cGame_levelTailValue2, s->cGame_levelTailValue3,
                                  s->cGame_levelTailValue4}),
            (std::vector<int32_t>{-300, 301, -3, 4, 5}));
  EXPECT_EQ(s->cGame_wonCount, 1);
  EXPECT_EQ(Values(s->cGame_wonValues, 1), (std::vector<int32_t>{10}));
  EXPECT_EQ(Values(s->cGame_wonValue2, 1), (std::vector<int32_t>{13}));
  EXPECT_EQ(s->cGame_lostCount, 3);
  EXPECT_EQ(Values(s->cGame_lostTexts, 3), (std::vector<int32_t>{-5, 20, 30}));
  EXPECT_EQ(Values(s->cGame_lostSpeakers, 3), (std::vector<int32_t>{1, 3, 4}));
  EXPECT_EQ(Values(s->cGame_lostValue0, 3), (std::vector<int32_t>{-6, 21, 31}));
  EXPECT_EQ(Values(s->cGame_lostValue2, 3), (std::vector<int32_t>{-8, 23, 33}));
  EXPECT_EQ(Cursor(), static_cast<int32_t>(bytes.size()));
  EXPECT_TRUE(trace.lines().empty());
}

TEST_F(LevelHeaderTest, TheLayoutsEdgeCases) {
  LevelHeader empty = Distinct();
  empty.intro.clear();
  empty.won.clear();
  empty.lost.clear();
  Read(databuild::WriteLevelHeader(empty));
  EXPECT_EQ(Cursor(), 61 + 52 + 21) << "no entries: the header ends 21 bytes after the table";

  LevelHeader ten = empty;
  ten.params.resize(10);
  Read(databuild::WriteLevelHeader(ten));
  EXPECT_EQ(
      Values(Statics<GameStatics>()->cGame_levelParams, 13),
      (std::vector<int32_t>{1000, 1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 0, 0, 0}));
  EXPECT_EQ(Cursor(), 61 + 40 + 21);
  EXPECT_EQ(Statics<GameStatics>()->cGame_levelTailValue0, -300)
      << "reading goes on after ten values";

  struct Case {
    size_t at;
    Bytes stored;
    int32_t GameStatics::*field;
    int32_t value;
  };
  const Case kCases[] = {
      {15, {0xFF}, &GameStatics::cGame_levelUnlockItem, -1},
      {2, {0xFF, 0x7F}, &GameStatics::cGame_levelActorSet, 32767},
      {2, {0x00, 0x80}, &GameStatics::cGame_levelActorSet, -32768},
      {0, {9}, &GameStatics::cGame_levelType, 9},  // kept; the build gives it no section
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE("offset " + std::to_string(c.at));
    Bytes bytes = databuild::WriteLevelHeader(empty);
    std::copy(c.stored.begin(), c.stored.end(), bytes.begin() + c.at);
    Read(bytes);
    EXPECT_EQ(Statics<GameStatics>()->*c.field, c.value);
  }
}

TEST_F(LevelHeaderTest, CountsOutsideTheTablesAreClippedAndTheLayoutKept) {
  LevelHeader seven = Distinct();
  seven.intro.assign(7, DialogueEntry{40, 1, {2, 3, 4, 5}});
  seven.intro[6] = {99, 99, {99, 99, 99, 99}};
  seven.won.assign(8, DialogueEntry{50, 6, {7, 8, 9, 0}});
  const Bytes bytes = databuild::WriteLevelHeader(seven);
  TraceCapture trace;
  Read(bytes);
  GameStatics* s = Statics<GameStatics>();
  EXPECT_EQ(s->cGame_introCount, 6);
  EXPECT_EQ(Values(s->cGame_introTexts, 6), std::vector<int32_t>(6, 40));
  EXPECT_EQ(s->cGame_levelTailValue0, -300) << "the seventh entry is skipped";
  EXPECT_EQ(s->cGame_wonCount, 6);
  EXPECT_EQ(s->cGame_lostCount, 3);
  EXPECT_EQ(Cursor(), static_cast<int32_t>(bytes.size()));
  ASSERT_EQ(trace.lines().size(), 1u);
  EXPECT_NE(trace.lines()[0].find("intro count 7 clipped to 6"), std::string::npos);
  EXPECT_NE(trace.lines()[0].find("won count 8 clipped to 6"), std::string::npos);

  // A count of -1 reads no entries: the layout of a count of 0.
  LevelHeader none = Distinct();
  none.intro.clear();
  none.lost.clear();
  const Bytes zero = databuild::WriteLevelHeader(none);
  const size_t introAt = 61 + 52;
  const size_t lostAt = zero.size() - 4;
  for (const size_t at : {introAt, lostAt}) {
    SCOPED_TRACE(at);
    Read(Patched(zero, at, -1));
    EXPECT_EQ(s->cGame_introCount, 0);
    EXPECT_EQ(s->cGame_lostCount, 0);
    EXPECT_EQ(s->cGame_wonCount, 1);
    EXPECT_EQ(Cursor(), static_cast<int32_t>(zero.size()));
  }
}

TEST_F(LevelHeaderTest, AParameterCountOtherThan13) {
  LevelHeader none = Distinct();
  none.intro.clear();
  // n = -1 reads no values: the intro count follows at offset 61.
  Bytes bytes = databuild::WriteLevelHeader(none);
  bytes.erase(bytes.begin() + 61, bytes.begin() + 61 + 52);
  TraceCapture trace;
  Read(Patched(bytes, 57, -1));
  EXPECT_EQ(Values(Statics<GameStatics>()->cGame_levelParams, 13), std::vector<int32_t>(13, 0));
  EXPECT_EQ(Statics<GameStatics>()->cGame_levelTailValue0, -300);
  EXPECT_EQ(Cursor(), static_cast<int32_t>(bytes.size()));
  ASSERT_EQ(trace.lines().size(), 1u);
  EXPECT_NE(trace.lines()[0].find("is -1 (13 expected)"), std::string::npos) << trace.lines()[0];

  // n = 14 reads 13 values and goes on: the fourteenth is taken as the intro count, and
  // everything after it four bytes early.
  LevelHeader fourteen;
  for (int i = 0; i < 14; i++) fourteen.params.push_back(i == 13 ? 0 : i + 1);
  const Bytes written = databuild::WriteLevelHeader(fourteen);
  Read(written);
  EXPECT_EQ(Statics<GameStatics>()->cGame_levelParams->elements()[12], 13);
  EXPECT_EQ(Cursor(), static_cast<int32_t>(written.size()) - 4);
}

TEST_F(LevelHeaderTest, EveryCutHeaderIsRefusedWhole) {
  const Bytes whole = databuild::WriteLevelHeader(Distinct());
  const std::vector<int32_t> zero(AllValues().size(), 0);
  for (size_t length = 0; length < whole.size(); length++) {
    SCOPED_TRACE(length);
    Read(whole);
    TraceCapture trace;
    Read(Bytes(whole.begin(), whole.begin() + length));
    EXPECT_EQ(AllValues(), zero);
    EXPECT_EQ(Cursor(), static_cast<int32_t>(length)) << "the body starts at the data's end";
    EXPECT_TRUE(
        trace.contains("cGame::readLevelHeader: level 5 of world 2: the header runs past "
                       "the end of the data at offset " +
                       std::to_string(length) + "; the level is empty"));
  }
}

}  // namespace
