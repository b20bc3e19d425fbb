// Fuzz target: any bytes as a whole level record: the header, the walk over a type-0 layout,
// the section of the level's type, the rules after the shot sequence, and ten frames of the
// trigger rules. Every reader stays inside the data, every count inside its table, and the
// rule walk ends each frame.
#include <cstddef>
#include <cstdint>

#include "fuzz/support/fuzz_data_root.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"

namespace {

constexpr int32_t kFuzzDataHeapSize = 4 * 1024 * 1024;
constexpr int32_t kFrames = 10;

bool Inside(int32_t cursor, ByteArray* level) {
  return cursor >= 0 && cursor <= level->length;
}

// The section of the level's type, as the level build reads it.
void ReadSection(ByteArray* level) {
  GameStatics* s = Statics<GameStatics>();
  cGame::setDataCursor(s->cGame_levelBodyStart);
  s->cGame_levelBodyFailed = false;
  switch (s->cGame_levelType) {
    case 0:
      cGame::readLevelObjectRecords(level);
      break;
    case 4:
      cGame::readLevelType4(level);
      break;
    case 5:
    case 6:
    case 7:
      cGame::readBoardTables(level);
      if (s->cGame_levelType == 5) cGame::readLevelType5(level);
      if (s->cGame_levelType == 6) cGame::readLevelType6(level);
      if (s->cGame_levelType == 7) cGame::readLevelType7(level);
      break;
    default:
      break;
  }
}

// The counts the readers of this level's type leave stay inside the tables they describe
// (the statics of the other types keep an earlier input's values).
void CheckSections() {
  GameStatics* s = Statics<GameStatics>();
  const int32_t type = s->cGame_levelType;
  FuzzCheck(s->cGame_bunchTemplateCount >= 0 && s->cGame_bunchTemplateCount <= 7);
  if (type >= 5 && type <= 7) {
    for (int32_t t = 0; t < s->cGame_bunchTemplateCount; t++) {
      const int32_t cells = s->cGame_bunchTemplateSize->elements()[t];
      FuzzCheck(cells >= 0 && cells <= 20);
    }
  }
  if (type == 4 && s->cGame_pathCount > 0) {
    FuzzCheck(s->cGame_pathPointCount <= s->cGame_pathPointX->length);
    FuzzCheck(s->cGame_pathCount <= s->cGame_pathLength->length);
  }
  if (type == 6) {
    if (s->cGame_dropCount > 0) FuzzCheck(s->cGame_dropCount <= s->cGame_dropTime->length);
    for (int32_t i = 0; i < s->cGame_dropCount; i++) {
      const int32_t t = s->cGame_dropTemplate->elements()[i];
      FuzzCheck(t >= 0 && t < s->cGame_bunchTemplateCount);
    }
  }
  if (type == 7 && s->cGame_rowCount > 0) {
    FuzzCheck(s->cGame_rowCount <= s->cGame_rowTemplate->length);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static FuzzDataRoot& root = StartFuzzRuntimeWithData(kFuzzDataHeapSize, nullptr);
  static const bool tables = (cGame::initLevelHeaderTables(), cGame::initBoardTables(), true);
  (void)root;
  (void)tables;
  GameStatics* s = Statics<GameStatics>();
  ByteArray* level = FuzzBytes(data, size);
  s->cGame_levelData = level;
  s->cGame_levelSpriteFlags = NewBoolArray(7);
  cGame::setDataCursor(0);
  cGame::readLevelHeader(level);
  s->cGame_levelBodyStart = s->cGame_dataCursor;
  cGame::readLevelObjects();
  FuzzCheck(Inside(s->cGame_dataCursor, level));
  ReadSection(level);
  FuzzCheck(Inside(s->cGame_dataCursor, level));
  CheckSections();
  // The shot sequence stands between the section and the rules.
  if (!s->cGame_levelBodyFailed) {
    const int32_t shots = cGame::readInt(level);
    const int32_t left = level->length - s->cGame_dataCursor;
    cGame::setDataCursor(shots >= 0 && shots <= left ? s->cGame_dataCursor + shots : level->length);
  }
  cGame::readLevelTriggers(level);
  FuzzCheck(s->cGame_triggerCount >= 0 && s->cGame_triggerCount <= 50);
  cGame::resetTriggerBookkeeping();
  s->cGame_sinceEvent9 = s->cGame_sinceEvent10 = 0;
  for (int32_t frame = 0; frame < kFrames; frame++) {
    s->cGame_levelFrames = frame;
    s->cGame_sinceEvent9 += 1000;
    s->cGame_sinceEvent10 += 700;
    s->cGame_eventCount = 0;
    cGame::updateTriggers();
    FuzzCheck(s->cGame_triggerCount >= 0 && s->cGame_triggerCount <= 50);
  }
  return 0;
}
