// The level file's header: read into cGame's level statics and the six-entry dialogue
// tables, and the level data loaded from its pack. A header that runs past the end of its
// data is refused whole: every value is zero and the body starts at the data's end, so no
// later reader of the level finds a half-read header.
#include <string>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/level/level_name.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "runtime/string.h"
#include "runtime/trace.h"

// Header layout, little-endian and signed (n, c1, c2, c3 are counts read from the data):
//   0 s8 levelType        1 s8 levelFlags       2 s16 levelActorSet
//   4 s8, 5 s8, 6 s16, 8 s8, 9 s8, 10 s16       levelValueAt4 .. levelValueAt10
//  12 s8 shotSequenceRepeats  13 s8 levelCountdown  14 s8 levelFlagAt14  15 s8 levelUnlockItem
//  16 i32 levelValueAt16  20 i32 fastTime  24 i32 timeBonus  28 i32 slowTimeSpan
//  32 s8 specialChance  33 s8 specialBaseChance  34 s8 specialChanceStep
//  35 22 x s8 special weights          57 i32 n     61 min(n, 13) x i32 levelParams
//  i32 c1, c1 x {s16 text, s16 speaker, s8, s8, s8, s8, 1 byte}             the intro list
//  s16, s16, s8, s8, 2 bytes, s8                                             levelTailValue0..4
//  i32 c2, c2 x {s16 text, s16 value, s8, s8, 2 bytes, s8}                   the won list
//  i32 c3, c3 x {s16 text, s16 speaker, s8, s8, 2 bytes, s8}                 the lost list

namespace {

constexpr int32_t kParamCount = 13;
constexpr int32_t kAnchorParam = 6;
constexpr int32_t kSpecialKinds = 22;
constexpr int32_t kListCapacity = 6;
constexpr int32_t kEntrySize = 9;
constexpr int32_t kParamCountText = 127;  // string constant: "...parameter count is "

// The problems of one header, for its one trace line.
class HeaderProblems {
 public:
  void add(const std::string& problem) { text_ += (text_.empty() ? " " : "; ") + problem; }
  bool any() const { return !text_.empty(); }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

void Skip(int32_t bytes) {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_dataCursor = s->cGame_dataCursor + bytes;
}

// A dialogue list's count clipped to the six-entry tables; the surplus entries are skipped
// after the list, so the cursor stays where the layout puts it.
struct ListCount {
  int32_t kept;
  int64_t skippedBytes;
};

ListCount ReadListCount(ByteArray* level, const char* list, HeaderProblems& problems) {
  const int32_t count = cGame::readInt(level);
  if (count >= 0 && count <= kListCapacity) return {count, 0};
  problems.add(std::string(list) + " count " + std::to_string(count) +
               (count < 0 ? " read as 0" : " clipped to 6"));
  if (count < 0) return {0, 0};
  return {kListCapacity, static_cast<int64_t>(count - kListCapacity) * kEntrySize};
}

// Moves the cursor past skipped surplus entries; past the end of the data at most, which
// fails the header.
void SkipSurplus(ByteArray* level, int64_t bytes) {
  GameStatics* s = Statics<GameStatics>();
  if (bytes == 0) return;
  if (bytes > static_cast<int64_t>(level->length) - s->cGame_dataCursor) {
    s->cGame_dataReadFailed = true;
    s->cGame_dataCursor = level->length;
    return;
  }
  Skip(static_cast<int32_t>(bytes));
}

void ReadFixedPart(ByteArray* level) {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_levelType = cGame::readByte(level);
  s->cGame_levelFlags = cGame::readByte(level);
  s->cGame_levelActorSet = cGame::readShort(level);
  s->cGame_levelValueAt4 = cGame::readByte(level);
  s->cGame_levelValueAt5 = cGame::readByte(level);
  s->cGame_levelValueAt6 = cGame::readShort(level);
  s->cGame_levelValueAt8 = cGame::readByte(level);
  s->cGame_levelValueAt9 = cGame::readByte(level);
  s->cGame_levelValueAt10 = cGame::readShort(level);
  s->cGame_shotSequenceRepeats = cGame::readByte(level);
  s->cGame_levelCountdown = cGame::readByte(level) != 0;
  s->cGame_levelFlagAt14 = cGame::readByte(level) != 0;
  s->cGame_levelUnlockItem = cGame::readByte(level);
  s->cGame_levelValueAt16 = cGame::readInt(level);
  s->cGame_fastTime = cGame::readInt(level);
  s->cGame_timeBonus = cGame::readInt(level);
  s->cGame_slowTimeSpan = cGame::readInt(level);
  s->cGame_specialChance = cGame::readByte(level);
  s->cGame_specialBaseChance = cGame::readByte(level);
  s->cGame_specialChanceStep = cGame::readByte(level);
  for (int32_t k = 0; k < kSpecialKinds; k++) {
    const int32_t weight = cGame::readByte(level);
    ByteArray::set(s->cGame_specialWeights, k, weight);
    ByteArray::set(s->cGame_specialWeightsBase, k, weight);
  }
}

// n values into the 13-entry table, 0 for the rest; n above 13 reads 13 and goes on.
void ReadParams(ByteArray* level, HeaderProblems& problems) {
  GameStatics* s = Statics<GameStatics>();
  const int32_t n = cGame::readInt(level);
  if (n != kParamCount) {
    problems.add(StringToCString(GetConstantString(kParamCountText)) + std::to_string(n) +
                 " (13 expected)");
  }
  for (int32_t i = 0; i < kParamCount; i++) {
    IntArray::set(s->cGame_levelParams, i, i < n ? cGame::readInt(level) : 0);
  }
  s->cGame_anchorPalette = IntArray::get(s->cGame_levelParams, kAnchorParam);
}

void ReadIntroList(ByteArray* level, HeaderProblems& problems) {
  GameStatics* s = Statics<GameStatics>();
  const ListCount count = ReadListCount(level, "intro", problems);
  s->cGame_introCount = count.kept;
  for (int32_t i = 0; i < count.kept; i++) {
    IntArray::set(s->cGame_introTexts, i, cGame::readShort(level));
    IntArray::set(s->cGame_introSpeakers, i, cGame::readShort(level));
    IntArray::set(s->cGame_introValue0, i, cGame::readByte(level));
    ByteArray::set(s->cGame_introValue1, i, cGame::readByte(level));
    ByteArray::set(s->cGame_introValue2, i, cGame::readByte(level));
    ByteArray::set(s->cGame_introValue3, i, cGame::readByte(level));
    Skip(1);
  }
  SkipSurplus(level, count.skippedBytes);
}

void ReadTail(ByteArray* level) {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_levelTailValue0 = cGame::readShort(level);
  s->cGame_levelTailValue1 = cGame::readShort(level);
  s->cGame_levelTailValue2 = cGame::readByte(level);
  s->cGame_levelTailValue3 = cGame::readByte(level);
  Skip(2);
  s->cGame_levelTailValue4 = cGame::readByte(level);
}

// The won and the lost list share one layout; their tables differ.
struct EndList {
  const char* name;
  int32_t GameStatics::*count;
  StaticRef<ShortArray> GameStatics::*texts;
  StaticRef<ShortArray> GameStatics::*second;
  StaticRef<ByteArray> GameStatics::*values[3];
};

constexpr EndList kWonList = {
    "won",
    &GameStatics::cGame_wonCount,
    &GameStatics::cGame_wonTexts,
    &GameStatics::cGame_wonValues,
    {&GameStatics::cGame_wonValue0, &GameStatics::cGame_wonValue1, &GameStatics::cGame_wonValue2}};
constexpr EndList kLostList = {"lost",
                               &GameStatics::cGame_lostCount,
                               &GameStatics::cGame_lostTexts,
                               &GameStatics::cGame_lostSpeakers,
                               {&GameStatics::cGame_lostValue0, &GameStatics::cGame_lostValue1,
                                &GameStatics::cGame_lostValue2}};

void SetShort(ShortArray* array, int32_t index, int32_t value) {
  if (int16_t* slot = ShortArray::slot(array, index, "cGame::readLevelHeader")) {
    *slot = static_cast<int16_t>(value);
  }
}

void ReadEndList(ByteArray* level, const EndList& list, HeaderProblems& problems) {
  GameStatics* s = Statics<GameStatics>();
  const ListCount count = ReadListCount(level, list.name, problems);
  s->*list.count = count.kept;
  for (int32_t i = 0; i < count.kept; i++) {
    SetShort(s->*list.texts, i, cGame::readShort(level));
    SetShort(s->*list.second, i, cGame::readShort(level));
    ByteArray::set(s->*list.values[0], i, cGame::readByte(level));
    ByteArray::set(s->*list.values[1], i, cGame::readByte(level));
    Skip(2);
    ByteArray::set(s->*list.values[2], i, cGame::readByte(level));
  }
  SkipSurplus(level, count.skippedBytes);
}

// The header's values and tables, for clearing them and for making the tables once.
using IntStatic = int32_t GameStatics::*;
template <class A>
using TableStatic = StaticRef<A> GameStatics::*;

constexpr IntStatic kHeaderValues[] = {
    &GameStatics::cGame_levelType,         &GameStatics::cGame_levelFlags,
    &GameStatics::cGame_levelActorSet,     &GameStatics::cGame_levelValueAt4,
    &GameStatics::cGame_levelValueAt5,     &GameStatics::cGame_levelValueAt6,
    &GameStatics::cGame_levelValueAt8,     &GameStatics::cGame_levelValueAt9,
    &GameStatics::cGame_levelValueAt10,    &GameStatics::cGame_shotSequenceRepeats,
    &GameStatics::cGame_levelUnlockItem,   &GameStatics::cGame_levelValueAt16,
    &GameStatics::cGame_fastTime,          &GameStatics::cGame_timeBonus,
    &GameStatics::cGame_slowTimeSpan,      &GameStatics::cGame_specialChance,
    &GameStatics::cGame_specialBaseChance, &GameStatics::cGame_specialChanceStep,
    &GameStatics::cGame_anchorPalette,     &GameStatics::cGame_introCount,
    &GameStatics::cGame_levelTailValue0,   &GameStatics::cGame_levelTailValue1,
    &GameStatics::cGame_levelTailValue2,   &GameStatics::cGame_levelTailValue3,
    &GameStatics::cGame_levelTailValue4,   &GameStatics::cGame_wonCount,
    &GameStatics::cGame_lostCount,
};

struct IntTable {
  TableStatic<IntArray> table;
  int32_t length;
};
constexpr IntTable kIntTables[] = {
    {&GameStatics::cGame_levelParams, kParamCount},
    {&GameStatics::cGame_introTexts, kListCapacity},
    {&GameStatics::cGame_introSpeakers, kListCapacity},
    {&GameStatics::cGame_introValue0, kListCapacity},
};
constexpr TableStatic<ShortArray> kShortTables[] = {
    &GameStatics::cGame_wonTexts, &GameStatics::cGame_wonValues, &GameStatics::cGame_lostTexts,
    &GameStatics::cGame_lostSpeakers};
constexpr TableStatic<ByteArray> kListByteTables[] = {
    &GameStatics::cGame_introValue1, &GameStatics::cGame_introValue2,
    &GameStatics::cGame_introValue3, &GameStatics::cGame_wonValue0,
    &GameStatics::cGame_wonValue1,   &GameStatics::cGame_wonValue2,
    &GameStatics::cGame_lostValue0,  &GameStatics::cGame_lostValue1,
    &GameStatics::cGame_lostValue2};
constexpr TableStatic<ByteArray> kWeightTables[] = {&GameStatics::cGame_specialWeights,
                                                    &GameStatics::cGame_specialWeightsBase};

template <class A>
void Zero(A* array) {
  const int32_t length = array ? array->length : 0;
  for (int32_t i = 0; i < length; i++) array->elements()[i] = 0;
}

}  // namespace

// ---- The header -------------------------------------------------------------------------------

void cGame::clearLevelHeader() {
  GameStatics* s = Statics<GameStatics>();
  for (const IntStatic field : kHeaderValues) s->*field = 0;
  s->cGame_levelCountdown = false;
  s->cGame_levelFlagAt14 = false;
  for (const IntTable& t : kIntTables) Zero<IntArray>(s->*t.table);
  for (const auto table : kShortTables) Zero<ShortArray>(s->*table);
  for (const auto table : kListByteTables) Zero<ByteArray>(s->*table);
  for (const auto table : kWeightTables) Zero<ByteArray>(s->*table);
}

void cGame::readLevelHeader(ByteArray* level) {
  GameStatics* s = Statics<GameStatics>();
  if (!NullCheck(level)) return;
  HeaderProblems problems;
  ReadFixedPart(level);
  ReadParams(level, problems);
  ReadIntroList(level, problems);
  ReadTail(level);
  ReadEndList(level, kWonList, problems);
  ReadEndList(level, kLostList, problems);
  if (s->cGame_dataReadFailed || s->cGame_dataCursor > level->length) {
    DebugLog(
        "cGame::readLevelHeader: %s: the header runs past the end of the data at offset "
        "%d; the level is empty",
        LevelName().c_str(), level->length);
    clearLevelHeader();
    s->cGame_dataCursor = level->length;
    return;
  }
  // Departure: the device built the parameter-count text and dropped it; a bad header is
  // traced.
  if (problems.any()) {
    DebugLog("cGame::readLevelHeader: %s:%s", LevelName().c_str(), problems.text().c_str());
  }
}

void cGame::initLevelHeaderTables() {
  GameStatics* s = Statics<GameStatics>();
  for (const IntTable& t : kIntTables) s->*t.table = NewIntArray(t.length);
  for (const auto table : kShortTables) s->*table = NewShortArray(kListCapacity);
  for (const auto table : kListByteTables) s->*table = NewByteArray(kListCapacity);
  for (const auto table : kWeightTables) s->*table = NewByteArray(kSpecialKinds);
}

void cGame::readLevelObjects() {
  GameStatics* s = Statics<GameStatics>();
  setDataCursor(s->cGame_levelBodyStart);
  s->cGame_levelBodyFailed = false;
  if (s->cGame_levelType == 0) readLevelObjectRecords(s->cGame_levelData);
}
