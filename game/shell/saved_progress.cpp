// The saved progress and settings: the 264-byte progress record (record 1 of the store named
// by string constant 162) mirrors cGame's progress tables field by field, and the one-byte
// settings record (string constant 165) the intro-text setting. A record is always written
// whole and read only from the bytes it has.
#include <cstddef>
#include <string>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "runtime/exceptions.h"
#include "runtime/string.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kProgressStore = 162;  // string constants naming the two stores
constexpr int32_t kSettingsStore = 165;

// Progress record. One-byte fields hold the int's low 8 bits and read back sign-extended;
// four-byte fields are int32 little-endian.
//   0  selectedWorld        13 worldsUnlocked     209 totalScore (4)
//   1  mapCursorByWorld 12  14 progressAux        213 unlockFlags 15
//  15  firstPlayHints       16 awardFlags 25       41 levelResults 12 rows x 14
// 228 .. 259 eight int32: the five lifetime totals, statBestBossTime, statBestTime,
//   statBestSurvivalTime
// 260 statBestStage  261 spriteSetOption  262 hudOrderOption  263 world0Level12Seen
constexpr int32_t kRecordSize = 264;
constexpr int32_t kMapCursors = 1;
constexpr int32_t kAwardFlags = 16;
constexpr int32_t kLevelResults = 41;
constexpr int32_t kUnlockFlags = 213;
constexpr int32_t kWorldRows = 12;
constexpr int32_t kRowLength = 14;
constexpr int32_t kAwardCount = 25;
constexpr int32_t kUnlockRoom = 15;  // bytes 213..227, whatever unlockFlagCount is

// Ranges of the loaded values that later code indexes with; other fields load as they are.
struct Range {
  int32_t lo = -128;
  int32_t hi = 127;
};
constexpr Range kWhole{};
constexpr Range kWorldRange{-1, 11};
constexpr Range kMapCursorRange{-2, 13};
constexpr Range kWorldsUnlockedRange{0, 7};
constexpr Range kResultRange{-2, 2};
constexpr Range kOptionRange{0, 1};

using IntStatic = int32_t GameStatics::*;

struct ByteField {
  int32_t offset;
  IntStatic field;
  const char* name;
  Range range;
};

constexpr ByteField kByteFields[] = {
    {0, &GameStatics::cGame_selectedWorld, "selectedWorld", kWorldRange},
    {13, &GameStatics::cGame_worldsUnlocked, "worldsUnlocked", kWorldsUnlockedRange},
    {14, &GameStatics::cGame_progressAux, "progressAux", kWhole},
    {15, &GameStatics::cGame_firstPlayHints, "firstPlayHints", kWhole},
    {260, &GameStatics::cGame_statBestStage, "statBestStage", kWhole},
    {261, &GameStatics::cGame_spriteSetOption, "spriteSetOption", kOptionRange},
    {262, &GameStatics::cGame_hudOrderOption, "hudOrderOption", kOptionRange},
    {263, &GameStatics::cGame_world0Level12Seen, "world0Level12Seen", kWhole},
};

struct IntField {
  int32_t offset;
  IntStatic field;
};

constexpr IntField kIntFields[] = {
    {209, &GameStatics::cGame_totalScore},           {228, &GameStatics::cGame_statBubblesPopped},
    {232, &GameStatics::cGame_statPlayTime},         {236, &GameStatics::cGame_statBubblesDropped},
    {240, &GameStatics::cGame_statAttachmentsFreed}, {244, &GameStatics::cGame_statChains},
    {248, &GameStatics::cGame_statBestBossTime},     {252, &GameStatics::cGame_statBestTime},
    {256, &GameStatics::cGame_statBestSurvivalTime},
};

// ---- Building the record ----------------------------------------------------------------------

// count entries of table from element first stored one byte each at record[offset..].
void PutTableBytes(ByteArray* record, int32_t offset, IntArray* table, int32_t first,
                   int32_t count) {
  for (int32_t i = 0; i < count; i++) {
    ByteArray::set(record, offset + i, IntArray::get(table, first + i));
  }
}

// The unlock flags the record holds: as many as the table has, at most the 15 bytes of room.
int32_t UnlockBytes() {
  IntArray* flags = Statics<GameStatics>()->cGame_unlockFlags;
  if (!flags) return 0;
  return flags->length < kUnlockRoom ? flags->length : kUnlockRoom;
}

ByteArray* BuildProgressRecord() {
  GameStatics* s = Statics<GameStatics>();
  ByteArray* record = NewByteArray(kRecordSize);
  if (!record || record->length != kRecordSize) return nullptr;
  for (const ByteField& f : kByteFields) ByteArray::set(record, f.offset, s->*f.field);
  for (const IntField& f : kIntFields) cGame::writeIntLE(record, f.offset, s->*f.field);
  PutTableBytes(record, kMapCursors, s->cGame_mapCursorByWorld, 0, kWorldRows);
  PutTableBytes(record, kAwardFlags, s->cGame_awardFlags, 0, kAwardCount);
  for (int32_t w = 0; w < kWorldRows; w++) {
    auto* row = static_cast<IntArray*>(s->cGame_levelResults->elements()[w]);
    PutTableBytes(record, kLevelResults + w * kRowLength, row, 0, kRowLength);
  }
  PutTableBytes(record, kUnlockFlags, s->cGame_unlockFlags, 0, UnlockBytes());
  return record;
}

// ---- Reading the record -----------------------------------------------------------------------

// Collects the values that a load clamps, for one trace line.
class Clamps {
 public:
  // value, or the end of range it passes; name and the indexes (-1 none) say what it is.
  int32_t take(int32_t value, Range range, const char* name, int32_t i = -1, int32_t j = -1) {
    if (value >= range.lo && value <= range.hi) return value;
    const int32_t clamped = value < range.lo ? range.lo : range.hi;
    if (count_++ < kListed) {
      listed_ += std::string(" ") + name;
      for (const int32_t index : {i, j}) {
        if (index >= 0) listed_ += "[" + std::to_string(index) + "]";
      }
      listed_ += " " + std::to_string(value) + "->" + std::to_string(clamped);
    }
    return clamped;
  }
  void trace(ByteArray* record) const {
    if (count_ == 0) return;
    DebugLog(
        "cGame::loadProgress: record 1 of \"%s\" (%d bytes): %d values out of range, "
        "clamped:%s%s",
        StringToCString(GetConstantString(kProgressStore)).c_str(), record->length, count_,
        listed_.c_str(), count_ > kListed ? " ..." : "");
  }

 private:
  static constexpr int32_t kListed = 8;
  int32_t count_ = 0;
  std::string listed_;
};

// count bytes from record[offset] into table from element first; row names the table's row
// in the trace (-1 for a table of one row).
void TakeTableBytes(ByteArray* record, int32_t offset, IntArray* table, int32_t first,
                    int32_t count, Range range, const char* name, int32_t row, Clamps& clamps) {
  for (int32_t i = 0; i < count; i++) {
    const int32_t value = ByteArray::get(record, offset + i);
    const int32_t element = first + i;
    IntArray::set(table, element,
                  row < 0 ? clamps.take(value, range, name, element)
                          : clamps.take(value, range, name, row, element));
  }
}

void ReadProgressRecord(ByteArray* record) {
  GameStatics* s = Statics<GameStatics>();
  Clamps clamps;
  for (const ByteField& f : kByteFields) {
    s->*f.field = clamps.take(ByteArray::get(record, f.offset), f.range, f.name);
  }
  for (const IntField& f : kIntFields) s->*f.field = cGame::readIntLE(record, f.offset);
  TakeTableBytes(record, kMapCursors, s->cGame_mapCursorByWorld, 0, kWorldRows, kMapCursorRange,
                 "mapCursorByWorld", -1, clamps);
  TakeTableBytes(record, kAwardFlags, s->cGame_awardFlags, 0, kAwardCount, kWhole, "awardFlags", -1,
                 clamps);
  for (int32_t w = 0; w < kWorldRows; w++) {
    auto* row = static_cast<IntArray*>(s->cGame_levelResults->elements()[w]);
    const int32_t at = kLevelResults + w * kRowLength;
    TakeTableBytes(record, at, row, 0, 1, kWhole, "levelResults", w, clamps);  // the spare
    TakeTableBytes(record, at + 1, row, 1, kRowLength - 1, kResultRange, "levelResults", w, clamps);
  }
  TakeTableBytes(record, kUnlockFlags, s->cGame_unlockFlags, 0, UnlockBytes(), kWhole,
                 "unlockFlags", -1, clamps);
  clamps.trace(record);
}

// The record as it may be read: a shorter one is taken as missing, a longer one is read from
// its first 264 bytes; either is traced.
bool UsableProgressRecord(ByteArray* record) {
  if (record->length == kRecordSize) return true;
  const bool usable = record->length > kRecordSize;
  DebugLog("cGame::loadProgress: record 1 of \"%s\" is %d bytes, not %d; %s",
           StringToCString(GetConstantString(kProgressStore)).c_str(), record->length, kRecordSize,
           usable ? "its first 264 bytes are read" : "taken as missing");
  return usable;
}

// The tables that the load fills exist (initProgressTables ran).
bool HaveProgressTables() {
  GameStatics* s = Statics<GameStatics>();
  ObjectArray* rows = s->cGame_levelResults;
  if (!rows || rows->length < kWorldRows || !s->cGame_mapCursorByWorld || !s->cGame_awardFlags) {
    DebugLog("cGame: the progress tables are not allocated; nothing is read or written");
    return false;
  }
  return true;
}

}  // namespace

// ---- Progress ---------------------------------------------------------------------------------

void cGame::saveProgress() {
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_progressUnreadable) {
    // Departure: the stored progress could not be read at start-up; overwriting it with this
    // session's tables would lose it, so only the settings are saved.
    DebugLog("cGame::saveProgress: the progress in \"%s\" could not be read; it is kept",
             StringToCString(GetConstantString(kProgressStore)).c_str());
  } else if (HaveProgressTables()) {
    ByteArray* record = BuildProgressRecord();
    if (record) rmsSave(GetConstantString(kProgressStore), record, 0, record->length);
    if (GetPendingException()) return;
  }
  saveSettings();
}

void cGame::loadProgress() {
  GameStatics* s = Statics<GameStatics>();
  ByteArray* record = rmsLoad(GetConstantString(kProgressStore));
  if (GetPendingException()) return;
  s->cGame_progressUnreadable = s->cGame_rmsLoadFailed;
  if (record && UsableProgressRecord(record) && HaveProgressTables()) ReadProgressRecord(record);
  loadSettings();
}

// ---- Settings ---------------------------------------------------------------------------------

void cGame::saveSettings() {
  ByteArray* record = NewByteArray(1);
  if (!record || record->length != 1) return;
  ByteArray::set(record, 0, Statics<GameStatics>()->cGame_levelIntroTextsEnabled ? 1 : 0);
  rmsSave(GetConstantString(kSettingsStore), record, 0, 1);
}

void cGame::loadSettings() {
  ByteArray* record = rmsLoad(GetConstantString(kSettingsStore));
  if (GetPendingException() || !record) return;
  if (record->length < 1) {
    DebugLog("cGame::loadSettings: record 1 of \"%s\" is empty; the setting keeps its value",
             StringToCString(GetConstantString(kSettingsStore)).c_str());
    return;
  }
  Statics<GameStatics>()->cGame_levelIntroTextsEnabled = ByteArray::get(record, 0) == 1;
}
