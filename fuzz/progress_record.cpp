// Fuzz target: any bytes as record 1 of the progress store. The load ends with nothing
// pending and every value that later code indexes with inside its range; the derived values
// lie in theirs; and what was loaded saves and loads again unchanged.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/support/fuzz_store_runtime.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/object_manager.h"

namespace {

constexpr int32_t kFuzzDataHeapSize = 8 * 1024 * 1024;
constexpr int kRunsPerCollection = 32;

bool Within(int32_t value, int32_t lo, int32_t hi) {
  return value >= lo && value <= hi;
}

// Every progress value, in one list.
std::vector<int32_t> ProgressValues() {
  GameStatics* s = Statics<GameStatics>();
  std::vector<int32_t> values = {
      s->cGame_selectedWorld,        s->cGame_worldsUnlocked,     s->cGame_progressAux,
      s->cGame_firstPlayHints,       s->cGame_totalScore,         s->cGame_statBubblesPopped,
      s->cGame_statPlayTime,         s->cGame_statBubblesDropped, s->cGame_statAttachmentsFreed,
      s->cGame_statChains,           s->cGame_statBestBossTime,   s->cGame_statBestTime,
      s->cGame_statBestSurvivalTime, s->cGame_statBestStage,      s->cGame_spriteSetOption,
      s->cGame_hudOrderOption,       s->cGame_world0Level12Seen};
  auto add = [&](IntArray* table) {
    for (int32_t i = 0; i < table->length; i++) values.push_back(table->elements()[i]);
  };
  add(s->cGame_mapCursorByWorld);
  add(s->cGame_awardFlags);
  add(s->cGame_unlockFlags);
  for (int32_t w = 0; w < s->cGame_levelResults->length; w++) {
    add(static_cast<IntArray*>(s->cGame_levelResults->elements()[w]));
  }
  return values;
}

void CheckRanges() {
  GameStatics* s = Statics<GameStatics>();
  FuzzCheck(Within(s->cGame_selectedWorld, -1, 11) && Within(s->cGame_worldsUnlocked, 0, 7));
  FuzzCheck(Within(s->cGame_spriteSetOption, 0, 1) && Within(s->cGame_hudOrderOption, 0, 1));
  for (int32_t w = 0; w < 12; w++) {
    FuzzCheck(Within(s->cGame_mapCursorByWorld->elements()[w], -2, 13));
    auto* row = static_cast<IntArray*>(s->cGame_levelResults->elements()[w]);
    for (int32_t c = 1; c < 14; c++) FuzzCheck(Within(row->elements()[c], -2, 2));
  }
  FuzzCheck(Within(cGame::getCompletionPercent(), 0, 100));
  FuzzCheck(Within(cGame::getWorldsUnlocked(), 0, 8));
  FuzzCheck(Within(cGame::countUnlockedAwards(), 0, 25));
  FuzzCheck(Within(cGame::countUnlockedItems(), 0, 15));
  FuzzCheck(Within(cGame::countExtraLevelsDone(), 0, 30));
  cGame::allLevelsAtLeast(0, true);
  for (int32_t i = -1; i <= 6; i++) cGame::getListedAwardFlag(i);
  for (int32_t n = -1; n <= 15; n++) cGame::isItemUnlocked(n);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static FuzzStoreRuntime runtime(kFuzzDataHeapSize);
  static int runs = 0;
  const std::string index = {0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1};  // record 1, the only one
  runtime.plantStore("progress", index, {std::string(reinterpret_cast<const char*>(data), size)});
  cGame::initProgressTables();
  cGame::loadProgress();
  FuzzCheck(!GetPendingException());
  CheckRanges();
  const std::vector<int32_t> loaded = ProgressValues();
  cGame::saveProgress();
  FuzzCheck(!GetPendingException());
  cGame::resetProgressTables();
  cGame::loadProgress();
  FuzzCheck(ProgressValues() == loaded);
  if (++runs % kRunsPerCollection == 0) {
    runtime.application()->getObjectManager()->gc(kGcForced);
  }
  return 0;
}
