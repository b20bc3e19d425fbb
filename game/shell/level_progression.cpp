// Level progression over cGame's progress tables: their creation and reset, the rule applied
// when a level is won, and the derived values the statistics screen and the menus read.
// Indexes from outside the tables change nothing and answer false, with a trace line.
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kWorldRows = 12;
constexpr int32_t kRowLength = 14;  // column 0 spare, column 1 + n level n
constexpr int32_t kAwardCount = 25;
constexpr int32_t kListedAwards = 6;
constexpr int32_t kMainWorlds = 8;  // worlds 0..7 of 13 levels
constexpr int32_t kMainLevels = 13;
constexpr int32_t kLastLevel = 12;
constexpr int32_t kFirstExtraWorld = 8;  // worlds 8..10 of 10 levels
constexpr int32_t kExtraWorlds = 3;
constexpr int32_t kExtraLevels = 10;
constexpr int32_t kLastMainWorld = 7;
constexpr int32_t kExtraLevelChoices = kExtraWorlds * kExtraLevels;
constexpr int32_t kLocked = -2;
constexpr int32_t kNoneSelected = -1;

IntArray* ResultRow(int32_t world) {
  ObjectArray* rows = Statics<GameStatics>()->cGame_levelResults;
  if (!NullCheck(rows) || !IndexInRange("cGame levelResults", world, rows->length)) return nullptr;
  return static_cast<IntArray*>(rows->elements()[world]);
}

// The stored result of level `level` of `world`.
int32_t ResultOf(int32_t world, int32_t level) {
  return IntArray::get(ResultRow(world), level + 1);
}

// The levels 0..levels-1 of worlds first..first+worlds-1 whose result is at least least.
int32_t CountResultsAtLeast(int32_t first, int32_t worlds, int32_t levels, int32_t least) {
  int32_t count = 0;
  for (int32_t w = first; w < first + worlds; w++) {
    for (int32_t l = 0; l < levels; l++) {
      if (ResultOf(w, l) >= least) count++;
    }
  }
  return count;
}

int32_t CountFlagsSet(IntArray* flags) {
  int32_t count = 0;
  const int32_t length = flags ? flags->length : 0;
  for (int32_t i = 0; i < length; i++) {
    if (flags->elements()[i] == 1) count++;
  }
  return count;
}

// The award id at position i of the award list; -1, traced, when i or the id is off a table.
int32_t ListedAwardId(int32_t i, const char* operation) {
  IntArray* list = Statics<GameStatics>()->cGame_listedAwardIds;
  if (!list || i < 0 || i >= list->length || i >= kListedAwards) {
    DebugLog("%s: award list position %d outside 0..%d", operation, i, kListedAwards - 1);
    return -1;
  }
  const int32_t id = list->elements()[i];
  if (id < 0 || id >= kAwardCount) {
    DebugLog("%s: listed award id %d outside 0..%d", operation, id, kAwardCount - 1);
    return -1;
  }
  return id;
}

// True when n names an unlock flag; n at or above the count is traced.
bool UnlockIndexInRange(int32_t n, const char* operation) {
  if (n < 0) return false;
  IntArray* flags = Statics<GameStatics>()->cGame_unlockFlags;
  const int32_t count = flags ? flags->length : 0;
  if (n < count) return true;
  DebugLog("%s: item %d outside the %d unlock flags", operation, n, count);
  return false;
}

void Fill(IntArray* table, int32_t value) {
  const int32_t length = table ? table->length : 0;
  for (int32_t i = 0; i < length; i++) table->elements()[i] = value;
}

}  // namespace

// ---- The tables -------------------------------------------------------------------------------

void cGame::initProgressTables() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_mapCursorByWorld = NewIntArray(kWorldRows);
  ObjectArray* rows = NewObjectArray(cid::IntArray, kWorldRows);
  s->cGame_levelResults = rows;
  for (int32_t w = 0; rows && w < rows->length; w++) rows->elements()[w] = NewIntArray(kRowLength);
  s->cGame_awardFlags = NewIntArray(kAwardCount);
  s->cGame_unlockFlags = NewIntArray(s->cGame_unlockFlagCount);
  resetProgressTables();
}

void cGame::resetProgressTables() {
  GameStatics* s = Statics<GameStatics>();
  Fill(s->cGame_mapCursorByWorld, kLocked);
  for (int32_t w = 0; w < kWorldRows; w++) {
    IntArray* row = ResultRow(w);
    Fill(row, kLocked);
    IntArray::set(row, 0, 0);
  }
  s->cGame_worldsUnlocked = 0;
  s->cGame_lastCompletedLevel = 0;
  s->cGame_progressAux = 0;
  Fill(s->cGame_awardFlags, 0);
  Fill(s->cGame_unlockFlags, 0);
  s->cGame_firstPlayHints = 1;
  s->cGame_selectedLevel = kNoneSelected;
  s->cGame_selectedWorld = kNoneSelected;
  s->cGame_statBestBossTime = -1;
  s->cGame_statBestTime = -1;
  s->cGame_totalScore = 0;
  s->cGame_spriteSetOption = 0;
  s->cGame_hudOrderOption = 0;
  s->cGame_levelPassedFlag = false;
  s->cGame_statBubblesPopped = 0;
  s->cGame_statPlayTime = 0;
  s->cGame_statBubblesDropped = 0;
  s->cGame_statAttachmentsFreed = 0;
  s->cGame_statChains = 0;
  s->cGame_statBestSurvivalTime = 0;
  s->cGame_statBestStage = 0;
  s->cGame_world0Level12Seen = 0;
}

// ---- Winning a level --------------------------------------------------------------------------

// The play state has already stored this play's result, so "never won before" is judged by
// previousRating, the result the level had when it was loaded.
void cGame::onLevelCompleted(int32_t level, int32_t world) {
  GameStatics* s = Statics<GameStatics>();
  if (world < 0 || world >= kWorldRows || level < 0 || level >= kRowLength - 1) {
    DebugLog("cGame::onLevelCompleted: level %d of world %d is off the tables", level, world);
    return;
  }
  s->cGame_lastCompletedLevel = level;
  const bool neverWon = s->cGame_previousRating < 0;
  if (neverWon && (level < kLastLevel || s->cGame_selectedWorld < kLastMainWorld)) {
    s->cGame_newUnlocksPending = 1;
    collectNewlyUnlocked(level, world);
  }
  if (level >= kLastLevel && world < kLastMainWorld && world == s->cGame_worldsUnlocked) {
    s->cGame_worldsUnlocked = s->cGame_worldsUnlocked + 1;
  }
  saveProgress();
}

// ---- Derived values ---------------------------------------------------------------------------

int32_t cGame::getCompletionPercent() {
  const int32_t done = CountResultsAtLeast(0, kMainWorlds, kMainLevels, 0);
  return done * 100 / (kMainWorlds * kMainLevels);
}

int32_t cGame::getWorldsUnlocked() {
  const int32_t worlds = Statics<GameStatics>()->cGame_worldsUnlocked;
  if (worlds == kLastMainWorld && ResultOf(kLastMainWorld, kLastLevel) >= 0) return kMainWorlds;
  return worlds;
}

int32_t cGame::countUnlockedAwards() {
  return CountFlagsSet(Statics<GameStatics>()->cGame_awardFlags);
}

int32_t cGame::countUnlockedItems() {
  return CountFlagsSet(Statics<GameStatics>()->cGame_unlockFlags);
}

int32_t cGame::countExtraLevelsDone() {
  return CountResultsAtLeast(kFirstExtraWorld, kExtraWorlds, kExtraLevels, 0);
}

bool cGame::allLevelsAtLeast(int32_t value, bool withExtra) {
  if (CountResultsAtLeast(0, kMainWorlds, kMainLevels, value) < kMainWorlds * kMainLevels) {
    return false;
  }
  return !withExtra || CountResultsAtLeast(kFirstExtraWorld, kExtraWorlds, kExtraLevels, value) ==
                           kExtraWorlds * kExtraLevels;
}

// ---- Items and awards -------------------------------------------------------------------------

bool cGame::isItemUnlocked(int32_t n) {
  if (!UnlockIndexInRange(n, "cGame::isItemUnlocked")) return false;
  return Statics<GameStatics>()->cGame_unlockFlags->elements()[n] == 1;
}

void cGame::unlockItem(int32_t n) {
  if (!UnlockIndexInRange(n, "cGame::unlockItem")) return;
  Statics<GameStatics>()->cGame_unlockFlags->elements()[n] = 1;
}

bool cGame::getListedAwardFlag(int32_t i) {
  const int32_t id = ListedAwardId(i, "cGame::getListedAwardFlag");
  return id >= 0 && IntArray::get(Statics<GameStatics>()->cGame_awardFlags, id) == 1;
}

bool cGame::isInAwardIdList(int32_t id) {
  IntArray* list = Statics<GameStatics>()->cGame_listedAwardIds;
  const int32_t length = list ? list->length : 0;
  for (int32_t i = 0; i < length; i++) {
    if (list->elements()[i] == id) return true;
  }
  return false;
}

void cGame::unlockListedAwards() {
  for (int32_t i = 0; i < kListedAwards; i++) {
    const int32_t id = ListedAwardId(i, "cGame::unlockListedAwards");
    if (id >= 0) IntArray::set(Statics<GameStatics>()->cGame_awardFlags, id, 1);
  }
}

// ---- Level choices ----------------------------------------------------------------------------

bool cGame::tryWorld0Level12Flag() {
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_world0Level12Seen == 1 || s->cGame_currentWorld != 0 ||
      s->cGame_currentLevel != kLastLevel) {
    return false;
  }
  s->cGame_world0Level12Seen = 1;
  return true;
}

void cGame::selectWorld11() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_currentWorld = 11;
  s->cGame_currentLevel = 0;
}

void cGame::selectExtraLevel() {
  GameStatics* s = Statics<GameStatics>();
  const int32_t i = s->cGame_menuSelection;
  if (i < 0 || i >= kExtraLevelChoices) {
    DebugLog("cGame::selectExtraLevel: selection %d outside 0..%d", i, kExtraLevelChoices - 1);
    return;
  }
  s->cGame_currentLevel = i % kExtraLevels;
  s->cGame_currentWorld = i / kExtraLevels + kFirstExtraWorld;
}
