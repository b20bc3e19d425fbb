// Fuzz target: any bytes as a level's data. The header reader never reads outside them and
// either takes the header whole, its dialogue counts inside the six-entry tables, or refuses
// it with every value zero and the body at the data's end; then the walk over the body stays
// inside the data.
#include <cstddef>
#include <cstdint>

#include "fuzz/support/fuzz_data_root.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"

namespace {

constexpr int32_t kFuzzDataHeapSize = 2 * 1024 * 1024;

bool InList(int32_t count) {
  return count >= 0 && count <= 6;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static FuzzDataRoot& root = StartFuzzRuntimeWithData(kFuzzDataHeapSize, nullptr);
  static const bool tables = (cGame::initLevelHeaderTables(), true);
  (void)root;
  (void)tables;
  GameStatics* s = Statics<GameStatics>();
  ByteArray* level = FuzzBytes(data, size);
  s->cGame_levelData = level;
  cGame::setDataCursor(0);
  cGame::readLevelHeader(level);
  const int32_t body = s->cGame_dataCursor;
  FuzzCheck(body >= 0 && body <= level->length);
  FuzzCheck(InList(s->cGame_introCount) && InList(s->cGame_wonCount) && InList(s->cGame_lostCount));
  if (s->cGame_dataReadFailed) {
    FuzzCheck(body == level->length && s->cGame_fastTime == 0 && s->cGame_levelType == 0 &&
              s->cGame_introCount == 0 && s->cGame_levelParams->elements()[12] == 0);
  }
  s->cGame_levelBodyStart = body;
  cGame::readLevelObjects();
  FuzzCheck(s->cGame_dataCursor >= body && s->cGame_dataCursor <= level->length);
  return 0;
}
