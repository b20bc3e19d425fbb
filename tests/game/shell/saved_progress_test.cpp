// The saved progress and settings over the real record store: the record byte for byte after
// a reset, every field round trip, one record however often it is saved, and records that
// are missing, cut, long, out of range or unreadable.
#include <gtest/gtest.h>

#include <string>

#include "host/file_faults.h"
#include "javame/input_stream.h"
#include "runtime/string.h"
#include "tests/game/shell/progress_fixture.h"

namespace {

using SavedProgressTest = ProgressTest;

std::string ResetRecord() {
  std::string bytes(264, '\0');
  bytes[0] = '\xFF';
  for (int i = 1; i <= 12; i++) bytes[i] = '\xFE';
  bytes[15] = 1;
  for (int w = 0; w < 12; w++) {
    for (int c = 1; c < 14; c++) bytes[41 + 14 * w + c] = '\xFE';
  }
  for (int i = 248; i < 256; i++) bytes[i] = '\xFF';
  return bytes;
}

TEST_F(SavedProgressTest, AResetProgressSavesAsItsRecordByteForByte) {
  cGame::resetProgressTables();
  TraceCapture trace;
  cGame::saveProgress();
  EXPECT_EQ(RecordFile(kProgressStore, 1), ResetRecord());
  EXPECT_EQ(RecordFile(kSettingsStore, 1), std::string("\x01", 1));
  EXPECT_EQ(IndexFile(kProgressStore), Ints({1, 1, 1}));
  EXPECT_TRUE(trace.lines().empty());
}

TEST_F(SavedProgressTest, EveryFieldComesBackAsSaved) {
  for (const int which : {0, 1}) {
    SCOPED_TRACE(which);
    Progress saved = Pattern(which);
    Apply(saved);
    GameStatics* s = Statics<GameStatics>();
    IntArray::set(static_cast<IntArray*>(s->cGame_levelResults->elements()[4]), 3, -1);
    IntArray::set(static_cast<IntArray*>(s->cGame_levelResults->elements()[4]), 4, -2);
    s->cGame_statBestTime = -1;
    saved = Current();
    cGame::saveProgress();
    cGame::resetProgressTables();
    s->cGame_levelIntroTextsEnabled = which == 0;
    TraceCapture trace;
    cGame::loadProgress();
    EXPECT_EQ(Current(), saved);
    EXPECT_TRUE(trace.lines().empty());
  }
}

TEST_F(SavedProgressTest, OneByteFieldsKeepTheirLowEightBits) {
  Statics<GameStatics>()->cGame_statBestStage = 200;
  Statics<GameStatics>()->cGame_progressAux = -129;
  cGame::saveProgress();
  cGame::loadProgress();
  EXPECT_EQ(Statics<GameStatics>()->cGame_statBestStage, -56);
  EXPECT_EQ(Statics<GameStatics>()->cGame_progressAux, 127);
}

TEST_F(SavedProgressTest, SavingAgainReplacesRecordOne) {
  cGame::saveProgress();
  Statics<GameStatics>()->cGame_totalScore = 77;
  cGame::saveProgress();
  EXPECT_EQ(IndexFile(kProgressStore), Ints({1, 1, 1}));
  EXPECT_EQ(IndexFile(kSettingsStore), Ints({1, 1, 1}));
  EXPECT_FALSE(RecordFile(kProgressStore, 2).has_value());
  cGame::resetProgressTables();
  cGame::loadProgress();
  EXPECT_EQ(Statics<GameStatics>()->cGame_totalScore, 77);
}

TEST_F(SavedProgressTest, TheSettingIsOnOnlyForAByteOfOne) {
  struct Case {
    std::string record;
    bool before;
    bool after;
  };
  const Case kCases[] = {
      {"\x01", false, true}, {"\x02", true, false}, {std::string(1, '\0'), true, false},
      {"\xFF", true, false}, {"", true, true},      {"", false, false},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE("record of " + std::to_string(c.record.size()) + " bytes, before " +
                 std::to_string(c.before));
    Plant(save_, IndexName(kSettingsStore), Ints({1, 1, 1}));
    Plant(save_, RecordName(kSettingsStore, 1), c.record);
    Statics<GameStatics>()->cGame_levelIntroTextsEnabled = c.before;
    TraceCapture trace;
    cGame::loadSettings();
    EXPECT_EQ(Statics<GameStatics>()->cGame_levelIntroTextsEnabled, c.after);
    EXPECT_EQ(trace.lines().size(), c.record.empty() ? 1u : 0u) << "an empty record is traced";
  }
}

TEST_F(SavedProgressTest, WithoutStoresTheResetValuesAndTheDefaultSettingStay) {
  const Progress reset = Current();
  ASSERT_TRUE(Statics<GameStatics>()->cGame_levelIntroTextsEnabled);
  TraceCapture trace;
  cGame::loadProgress();
  EXPECT_EQ(Current(), reset);
  EXPECT_TRUE(trace.lines().empty());
  // Each load closes its store, which writes it: both exist now, empty.
  EXPECT_EQ(IndexFile(kProgressStore), Ints({0, 0}));
  EXPECT_EQ(IndexFile(kSettingsStore), Ints({0, 0}));
}

TEST_F(SavedProgressTest, ARecordOfAnotherLengthIsMissingWhenShortAndCutWhenLong) {
  const std::string saved = [&] {
    Apply(Pattern(1));
    cGame::saveProgress();
    return *RecordFile(kProgressStore, 1);
  }();
  const Progress full = Current();
  struct Case {
    size_t length;
    bool read;
  };
  for (const Case c : {Case{0, false}, Case{263, false}, Case{265, true}, Case{300, true}}) {
    SCOPED_TRACE(c.length);
    std::string record = saved.substr(0, c.length);
    record.resize(c.length, '\x7F');
    Plant(save_, RecordName(kProgressStore, 1), record);
    cGame::resetProgressTables();
    const Progress reset = Current();
    TraceCapture trace;
    cGame::loadProgress();
    Progress expected = c.read ? full : reset;
    expected["setting"] = 1;
    EXPECT_EQ(Current(), expected);
    ASSERT_EQ(trace.lines().size(), 1u);
    EXPECT_NE(trace.lines()[0].find("\"progress\" is " + std::to_string(c.length) + " bytes"),
              std::string::npos)
        << trace.lines()[0];
  }
}

TEST_F(SavedProgressTest, ValuesUsedAsIndexesLoadClampedIntoTheirRange) {
  std::string record = ResetRecord();
  struct Case {
    int offset;
    int8_t stored;
    std::string field;
    int32_t loaded;
  };
  const Case kCases[] = {
      {0, 40, "selectedWorld", 11},
      {0 + 1, -5, "mapCursorByWorld[0]", -2},
      {12, 99, "mapCursorByWorld[11]", 13},
      {13, 9, "worldsUnlocked", 7},
      {13, -1, "worldsUnlocked", 0},
      {41 + 1, 5, "levelResults[0][1]", 2},
      {41 + 14 * 11 + 13, -3, "levelResults[11][13]", -2},
      {41 + 14 * 6, 99, "levelResults[6][0]", 99},  // the spare column keeps any value
      {261, 2, "spriteSetOption", 1},
      {262, -1, "hudOrderOption", 0},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.field + " stored as " + std::to_string(c.stored));
    std::string bytes = record;
    bytes[c.offset] = static_cast<char>(c.stored);
    Plant(save_, IndexName(kProgressStore), Ints({1, 1, 1}));
    Plant(save_, RecordName(kProgressStore, 1), bytes);
    TraceCapture trace;
    cGame::loadProgress();
    EXPECT_EQ(Current().at(c.field), c.loaded);
    const bool clamped = c.loaded != c.stored;
    ASSERT_EQ(trace.lines().size(), clamped ? 1u : 0u);
    if (clamped) {
      EXPECT_NE(trace.lines()[0].find(c.field), std::string::npos) << trace.lines()[0];
    }
  }
}

TEST_F(SavedProgressTest, AProgressStoreThatCannotBeReadIsNeverOverwritten) {
  Apply(Pattern(0));
  cGame::saveProgress();
  const std::string earned = *RecordFile(kProgressStore, 1);
  host::ArmFileFault(host::kFaultRead, 0);
  cGame::rmsLoad(NewJavaString(kProgressStore));
  const int reads = host::CountedFileOps();
  ASSERT_GE(reads, 2) << "the index and the record are read";
  for (int k = 1; k <= reads; k++) {
    SCOPED_TRACE("read " + std::to_string(k) + " of the progress store fails");
    cGame::resetProgressTables();
    const Progress reset = Current();
    TraceCapture trace;
    host::ArmFileFault(host::kFaultRead, k);
    cGame::loadProgress();
    host::DisarmFileFaults();
    EXPECT_EQ(Current(), reset);
    EXPECT_FALSE(trace.lines().empty());
    trace.clear();
    cGame::saveProgress();
    EXPECT_EQ(RecordFile(kProgressStore, 1), earned) << "the earned progress is kept";
    EXPECT_FALSE(trace.lines().empty()) << "the refused save is traced";
    Statics<GameStatics>()->cGame_progressUnreadable = false;
  }
}

TEST_F(SavedProgressTest, AFailedSaveIsTracedWithTheStoreAndLeavesTheOldRecord) {
  cGame::saveProgress();
  const std::string before = *RecordFile(kProgressStore, 1);
  Statics<GameStatics>()->cGame_totalScore = 5;
  TraceCapture trace;
  host::ArmFileFault(host::kFaultWrite, 1);
  cGame::saveProgress();
  host::DisarmFileFaults();
  EXPECT_EQ(RecordFile(kProgressStore, 1), before);
  bool named = false;
  for (const std::string& line : trace.lines()) {
    named = named || line.find("cGame::rmsSave: store \"progress\": Record store error: ") == 0;
  }
  EXPECT_TRUE(named) << "no trace line names the store and the error";
  EXPECT_EQ(GetPendingException(), nullptr);
}

TEST_F(SavedProgressTest, TheRecordHelpersWithoutCallersWorkOnRecordOne) {
  String* name = NewJavaString("extra");
  EXPECT_EQ(cGame::rmsOpenInputStream(name), nullptr);
  EXPECT_EQ(Statics<GameStatics>()->cGame_loadedRecord, nullptr);
  cGame::rmsSaveBytes(name, Bytes("abc"));
  EXPECT_EQ(Text(cGame::rmsLoadRecord(name)), "abc");
  java_io_InputStream* in = cGame::rmsOpenInputStream(name);
  ASSERT_NE(in, nullptr);
  EXPECT_EQ(Text(Statics<GameStatics>()->cGame_loadedRecord), "abc");
  EXPECT_EQ(in->read(), 'a');
  EXPECT_EQ(Statics<GameStatics>()->cGame_openStore, nullptr) << "no store stays open";
}

}  // namespace
