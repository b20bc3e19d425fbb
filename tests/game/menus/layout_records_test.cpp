// The layout records' parsers over entries written by the data builder's layout writer: the
// screen groups and their relative places, the menu headers, the shared animation slots and
// their resets, and the entries that would run past their bytes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "tests/support/library_fixture.h"
#include "tests/support/managed_bytes.h"
#include "tests/support/runtime_fixture.h"
#include "tools/databuild/layout_writer.h"

namespace {

using databuild::LayoutRecord;

ByteArray* Entry(const std::vector<LayoutRecord>& records) {
  return ManagedBytes(databuild::WriteLayoutRecords(records));
}

std::vector<int16_t> Elements(ShortArray* record) {
  if (!record) return {};
  return std::vector<int16_t>(record->elements(), record->elements() + record->length);
}

LayoutRecord Animated(int type) {
  return {type, 10, 20, {0, 1, 2, 3, 4}};
}

class LayoutRecordsTest : public LibraryTest {
 protected:
  void SetUp() override {
    LibraryTest::SetUp();
    cGame::initMenuTables();
  }
  static int32_t groupCount() { return Statics<GameStatics>()->cGame_screenLayout->length; }
  static int32_t groupSize(int32_t g) { return cGame::screenGroup(g)->length; }
  static int32_t slotOf(ShortArray* record) { return cGame::layoutValue(record, 5, -1); }
};

TEST_F(LayoutRecordsTest, EveryEntryOfTheDataSetParsesWithoutATraceLine) {
  const std::vector<std::vector<uint8_t>> entries = databuild::LayoutEntries();
  ASSERT_EQ(entries.size(), 20u);
  TraceCapture trace;
  cGame::parseLayout(ManagedBytes(entries[0]));
  for (int32_t t = 1; t < 20; t++) cGame::parseLayoutTable(t, ManagedBytes(entries[t]));
  cGame::assignAnimationSlots();
  EXPECT_TRUE(trace.lines().empty()) << trace.lines().front();
  EXPECT_EQ(groupCount(), 9);
  // Each menu's layout type, as the menu states open them.
  const int32_t kTypes[20] = {0,  20, 10, 10, 10, 10, 10, 10, 10, 10,
                              12, 13, 14, 16, 19, 22, 24, 25, 24, 25};
  std::vector<bool> slotTaken(Statics<GameStatics>()->cGame_layoutPlayers->length);
  for (int32_t t = 1; t < 20; t++) {
    SCOPED_TRACE("menu " + std::to_string(t));
    EXPECT_EQ(cGame::menuHeader(t, 1), kTypes[t]);
    EXPECT_EQ(cGame::recordType(cGame::menuLayoutRecord(t)), kTypes[t]);
    EXPECT_EQ(cGame::menuRecordCount(t),
              static_cast<int32_t>(databuild::LayoutEntryRecords(t).size()));
    for (int32_t i = 1; i <= cGame::menuRecordCount(t); i++) {
      ShortArray* record = cGame::menuRecord(t, i);
      if (!cGame::hasPlayerSlot(record)) continue;
      const int32_t slot = slotOf(record);
      ASSERT_TRUE(slot >= 0 && slot < static_cast<int32_t>(slotTaken.size()));
      EXPECT_FALSE(slotTaken[slot]) << "slot " << slot << " given twice";
      slotTaken[slot] = true;
    }
  }
  for (int32_t g = 0; g < groupCount(); g++) {
    for (int32_t i = 0; i < groupSize(g); i++) {
      ShortArray* record = cGame::groupRecord(g, i);
      if (cGame::hasPlayerSlot(record)) slotTaken.at(slotOf(record)) = true;
    }
  }
  EXPECT_EQ(std::count(slotTaken.begin(), slotTaken.end(), false), 0) << "every slot is used";
}

TEST_F(LayoutRecordsTest, ScreenGroupsHoldTheirRecordsRelativeToTheirOpener) {
  cGame::parseLayout(Entry({{1, 100, 200, {50, 60, 1, 2}},
                            {6, 130, 190, {0, 1, 2}, /*ignored=*/-7},
                            {1, -5, 7, {}},
                            {1, 0, 0, {}},
                            {5, 3, 4, {-1, -2, -32768, 32767, 0}}}));
  ASSERT_EQ(groupCount(), 3);
  EXPECT_EQ(Elements(cGame::groupRecord(0, 0)), (std::vector<int16_t>{1, 100, 200, 50, 60, 1, 2}));
  EXPECT_EQ(Elements(cGame::groupRecord(0, 1)), (std::vector<int16_t>{6, 30, -10, 0, 1, 2}));
  EXPECT_EQ(groupSize(1), 1) << "an opener followed by an opener";
  EXPECT_EQ(Elements(cGame::groupRecord(1, 0)), (std::vector<int16_t>{1, -5, 7}));
  EXPECT_EQ(Elements(cGame::groupRecord(2, 1)),
            (std::vector<int16_t>{5, 3, 4, -1, -2, -32768, 32767, 0, 0, 0}));
}

TEST_F(LayoutRecordsTest, MenuHeadersNameTheLayoutRecordTheFirstRowAndTheLastMovingItem) {
  cGame::parseLayoutTable(3, Entry({{4, 0, 0, {}},
                                    {11, 0, 0, {0, 0, 0, 0, 0}},
                                    {10, 5, 6, {}},
                                    {4, 0, 0, {}},
                                    {11, 0, 0, {0, 0, 0, 0, 0}},
                                    {4, 0, 0, {}},
                                    {20, 0, 0, {1}},
                                    {0, 0, 0, {}}}));
  EXPECT_EQ(Elements(CheckCast<ShortArray>(cGame::menuLayout(3)->elements()[0])),
            (std::vector<int16_t>{7, 20, 1, 5}));
  EXPECT_EQ(Elements(cGame::menuRecord(3, 3)), (std::vector<int16_t>{10, 5, 6}));
  EXPECT_EQ(cGame::menuLayout(2), nullptr);
  cGame::parseLayoutTable(4, Entry({{6, 0, 0, {}}}));
  EXPECT_EQ(Elements(CheckCast<ShortArray>(cGame::menuLayout(4)->elements()[0])),
            (std::vector<int16_t>{-1, 0, 0, 0}))
      << "no layout record";
}

// An animated record owns a slot and a state only when it carries its five values.
TEST_F(LayoutRecordsTest, AnimatedRecordsWithoutFiveValuesGetNoSlot) {
  struct Case {
    LayoutRecord record;
    int32_t length;
  };
  const Case kCases[] = {
      {Animated(5), 10},
      {Animated(11), 10},
      {Animated(23), 10},
      {{5, 0, 0, {}}, 3},
      {{23, 0, 0, {0, 1, 2, 3}}, 7},
      {{11, 0, 0, {0, 1, 2, 3, 4, 5}}, 9},
      {{6, 0, 0, {0, 1, 2, 3, 4}}, 8},
  };
  std::vector<LayoutRecord> records;
  for (const Case& c : kCases) records.push_back(c.record);
  cGame::parseLayoutTable(1, Entry(records));
  cGame::assignAnimationSlots();
  for (int32_t i = 0; i < static_cast<int32_t>(std::size(kCases)); i++) {
    SCOPED_TRACE(i);
    ShortArray* record = cGame::menuRecord(1, i + 1);
    EXPECT_EQ(record->length, kCases[i].length);
    EXPECT_EQ(cGame::hasPlayerSlot(record), kCases[i].length == 10);
    if (i < 3) {
      EXPECT_EQ(slotOf(record), i);
    }
  }
  EXPECT_EQ(Statics<GameStatics>()->cGame_layoutPlayers->length, 3);
}

// Each entry is cut where a record would run past its bytes, the records before it kept; the
// trace names the entry and the record's offset.
TEST_F(LayoutRecordsTest, ARecordPastTheEndStopsTheEntryWithATraceLine) {
  const std::vector<uint8_t> whole =
      databuild::WriteLayoutRecords(std::vector<LayoutRecord>{{4, 1, 2, {7}}, {4, 3, 4, {8}}});
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    int32_t records;
    std::string line;
  };
  std::vector<uint8_t> negative = whole;
  negative[12 + 8] = 0xFF, negative[12 + 9] = 0xFF;  // the second record's n = -1
  std::vector<uint8_t> longer = whole;
  longer[12 + 8] = 2;  // the second record claims two values
  const Case kCases[] = {
      {"negative count", negative, 1,
       "cGame: layout entry 5: the record at offset 12 runs past the entry's 24 bytes (-1 "
       "values); the records after it are dropped"},
      {"values past the end", longer, 1,
       "cGame: layout entry 5: the record at offset 12 runs past the entry's 24 bytes (2 "
       "values); the records after it are dropped"},
      {"a cut header", std::vector<uint8_t>(whole.begin(), whole.begin() + 17), 1,
       "cGame: layout entry 5: the record at offset 12 runs past the entry's 17 bytes (-1 "
       "values); the records after it are dropped"},
      {"whole", whole, 2, ""},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    TraceCapture trace;
    cGame::parseLayoutTable(5, ManagedBytes(c.bytes));
    EXPECT_EQ(cGame::menuRecordCount(5), c.records);
    EXPECT_EQ(Elements(cGame::menuRecord(5, 1)), (std::vector<int16_t>{4, 1, 2, 7}));
    if (c.line.empty()) {
      EXPECT_TRUE(trace.lines().empty());
    } else {
      EXPECT_TRUE(trace.contains(c.line)) << (trace.lines().empty() ? "" : trace.lines()[0]);
    }
  }
}

TEST_F(LayoutRecordsTest, RecordsBeforeTheFirstOpenerAreSkipped) {
  TraceCapture trace;
  cGame::parseLayout(Entry({Animated(5), {6, 0, 0, {}}, {1, 8, 9, {}}, Animated(5)}));
  EXPECT_TRUE(
      trace.contains("cGame::parseLayout: 2 records before the first screen group are "
                     "skipped"));
  ASSERT_EQ(groupCount(), 1);
  EXPECT_EQ(groupSize(0), 2);
  EXPECT_EQ(Elements(cGame::groupRecord(0, 1)),
            (std::vector<int16_t>{5, 2, 11, 0, 1, 2, 3, 4, 0, 0}));
  cGame::assignAnimationSlots();
  EXPECT_EQ(Statics<GameStatics>()->cGame_layoutPlayers->length, 1);
}

TEST_F(LayoutRecordsTest, MissingEntriesAndMenusOutsideTheTableAreRefused) {
  TraceCapture trace;
  cGame::parseLayout(nullptr);
  EXPECT_EQ(groupCount(), 0);
  for (int32_t t : {0, 20, -1}) cGame::parseLayoutTable(t, Entry({{3, 0, 0, {}}}));
  cGame::parseLayoutTable(7, nullptr);
  for (int32_t t = 0; t < 20; t++) EXPECT_EQ(cGame::menuLayout(t), nullptr);
  EXPECT_EQ(trace.lines().size(), 5u);
  cGame::assignAnimationSlots();
  EXPECT_EQ(Statics<GameStatics>()->cGame_layoutPlayers->length, 0) << "nothing animated";
}

// Slots run over the screen groups first, then the menus in order; the resets empty the
// players, a group's reset also its states.
TEST_F(LayoutRecordsTest, SlotsSpanGroupsAndMenusAndTheResetsEmptyThem) {
  cGame::parseLayout(Entry({{1, 0, 0, {}}, Animated(5), {1, 0, 0, {}}, Animated(5), Animated(11)}));
  cGame::parseLayoutTable(9, Entry({Animated(23), {3, 0, 0, {}}, Animated(11)}));
  cGame::parseLayoutTable(2, Entry({Animated(5)}));
  cGame::assignAnimationSlots();
  EXPECT_EQ(slotOf(cGame::groupRecord(0, 1)), 0);
  EXPECT_EQ(slotOf(cGame::groupRecord(1, 1)), 1);
  EXPECT_EQ(cGame::recordType(cGame::groupRecord(1, 2)), 11);
  EXPECT_EQ(slotOf(cGame::groupRecord(1, 2)), -1) << "no slot for a type 11 of a group";
  EXPECT_EQ(slotOf(cGame::menuRecord(2, 1)), 2);
  EXPECT_EQ(slotOf(cGame::menuRecord(9, 1)), 3);
  EXPECT_EQ(slotOf(cGame::menuRecord(9, 3)), 4);
  ObjectArray* players = Statics<GameStatics>()->cGame_layoutPlayers;
  ASSERT_EQ(players->length, 5);
  for (int32_t slot = 0; slot < 5; slot++) players->elements()[slot] = NewIntArray(1);
  for (ShortArray* record : {cGame::groupRecord(1, 1), cGame::menuRecord(9, 1)}) {
    cGame::setLayoutValue(record, 6, 1);
  }
  cGame::resetLayoutAnimations(1);
  cGame::resetMenuAnimations(9);
  cGame::resetLayoutAnimations(7);
  cGame::resetMenuAnimations(12);
  EXPECT_NE(players->elements()[0], nullptr);
  EXPECT_EQ(players->elements()[1], nullptr);
  EXPECT_NE(players->elements()[2], nullptr);
  EXPECT_EQ(players->elements()[3], nullptr);
  EXPECT_EQ(players->elements()[4], nullptr);
  EXPECT_EQ(cGame::layoutValue(cGame::groupRecord(1, 1), 6, -1), 0);
  EXPECT_EQ(cGame::layoutValue(cGame::menuRecord(9, 1), 6, -1), 1) << "a menu keeps its states";
}

}  // namespace
