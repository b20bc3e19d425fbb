// Fuzz target: any bytes as the screen layout and as a menu layout. The parsers keep every
// record inside the bytes, give each animated record at most one slot of layoutPlayers, and
// the resets and accessors stay inside the tables.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz/support/fuzz_runtime.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/class.h"

namespace {

constexpr int32_t kFuzzDataHeapSize = 4 * 1024 * 1024;
constexpr size_t kLargestInput = 64 * 1024;
constexpr int32_t kMenu = 1;

// Every record of the table is a short[] of at least type, x, y; returns the bytes they take.
int64_t RecordBytes(ObjectArray* records, int32_t first) {
  int64_t bytes = 0;
  for (int32_t i = first; records && i < records->length; i++) {
    auto* record = CheckCast<ShortArray>(records->elements()[i]);
    FuzzCheck(record && record->length >= 3);
    bytes += 10 + 2 * int64_t{record->length - 3 - (cGame::hasPlayerSlot(record) ? 2 : 0)};
  }
  return bytes;
}

void CheckSlot(ShortArray* record, std::vector<bool>& taken) {
  const int32_t slot = cGame::layoutValue(record, 5, -1);
  if (!cGame::hasPlayerSlot(record) || slot < 0) return;
  FuzzCheck(slot < static_cast<int32_t>(taken.size()) && !taken[slot]);
  taken[slot] = true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Application* application = StartFuzzRuntime(kFuzzDataHeapSize, nullptr);
  (void)application;
  if (size > kLargestInput) return 0;
  ByteArray* bytes = FuzzBytes(data, size);
  cGame::initMenuTables();
  cGame::parseLayout(bytes);
  cGame::parseLayoutTable(kMenu, bytes);
  cGame::assignAnimationSlots();
  GameStatics* s = Statics<GameStatics>();
  int64_t groupBytes = 0;
  for (int32_t g = 0; g < s->cGame_screenLayout->length; g++) {
    groupBytes += RecordBytes(cGame::screenGroup(g), 0);
  }
  FuzzCheck(groupBytes <= static_cast<int64_t>(size));
  FuzzCheck(RecordBytes(cGame::menuLayout(kMenu), 1) <= static_cast<int64_t>(size));
  const int32_t count = cGame::menuRecordCount(kMenu);
  const int32_t layoutRecord = cGame::menuHeader(kMenu, 0);
  FuzzCheck(layoutRecord == -1 || (layoutRecord >= 1 && layoutRecord <= count));
  FuzzCheck(cGame::menuFirstItem(kMenu) >= 0 && cGame::menuFirstItem(kMenu) <= count);
  std::vector<bool> taken(s->cGame_layoutPlayers->length);
  for (int32_t g = 0; g < s->cGame_screenLayout->length; g++) {
    for (int32_t i = 0; i < cGame::screenGroup(g)->length; i++)
      CheckSlot(cGame::groupRecord(g, i), taken);
  }
  for (int32_t i = 1; i <= count; i++) CheckSlot(cGame::menuRecord(kMenu, i), taken);
  for (int32_t g = -1; g <= s->cGame_screenLayout->length; g++) cGame::resetLayoutAnimations(g);
  cGame::resetMenuAnimations(kMenu);
  return 0;
}
