// Fuzz target: any bytes as the screen layout and as a menu layout. The parsers keep every
// record inside the bytes and give each animated record at most one slot of layoutPlayers;
// then the players are made, the menu is opened with each entry list and runs ten frames of
// update and paint, and every accessor and reset stays inside the tables.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz/support/fuzz_runtime.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/graphics.h"
#include "javame/image.h"
#include "runtime/array.h"
#include "runtime/class.h"

namespace {

constexpr int32_t kFuzzDataHeapSize = 4 * 1024 * 1024;
constexpr size_t kLargestInput = 64 * 1024;
constexpr int32_t kMenu = 1;
constexpr int32_t kLists = 21;
constexpr int32_t kFrames = 10;

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

// The game's tables the menus read: the entry lists (each of a few entries, one disabled),
// the item arrays, a canvas to paint on.
void MenuTables() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_menuItems = NewIntArray(50);
  s->cGame_menuSavedSelection = NewIntArray(kLists);
  s->cGame_menuLists = NewObjectArray(cid::Object, kLists);
  for (int32_t list = 0; list < kLists; list++) {
    IntArray* entries = NewIntArray(2 + list % 6);
    for (int32_t i = 0; i < entries->length; i++) entries->elements()[i] = 60 + i;
    if (entries->length > 3) entries->elements()[3] |= static_cast<int32_t>(0x80000000u);
    s->cGame_menuLists->elements()[list] = entries;
  }
  s->cGame_keysLatched = NewByteArray(cGame::kGameKeyCount);
  s->cGame_keysLatched->elements()[2] = 1;
  s->cGame_spriteTable = NewObjectArray(cid::Object, 63);
  s->cGame_rectScratch = NewIntArray(4);
  s->cGame_drawGraphics = javax_microedition_lcdui_Image::createImage(480, 800)->getGraphics();
}

// Every accessor over items on both sides of the menu's records.
void Accessors(int32_t count) {
  IntArray* rect = NewIntArray(4);
  IntArray* out = NewIntArray(32);
  for (int32_t i = -1; i <= count + 1; i++) {
    cGame::menuItemX(i);
    cGame::menuItemValue2(i);
    cGame::menuItemValue3(i);
    for (int32_t k = 0; k < 4; k++) cGame::mapItemNeighbour(i, k);
    cGame::listUnlockedLevels(i, out, kMenu);
    cGame::listReachableLevels(i, out);
    cGame::nextTextItemRect(i, rect);
    cGame::paintNextTextItem(-1, i, nullptr, true);
    cGame::paintMenuItemIndexed(-1, i, nullptr, false);
  }
  cGame::lastLeadingRow(kMenu);
  cGame::countForwardNeighbours();
  cGame::markSelectedMenuItems();
  cGame::clearMenuItemFlags();
  cGame::setLayoutItemAnim(kMenu, 1);
  cGame::setMenuItemPosition(kMenu, 5, 5);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Application* application = StartFuzzRuntime(kFuzzDataHeapSize, nullptr);
  (void)application;
  static const bool tables = (MenuTables(), true);
  (void)tables;
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
  for (int32_t g = 0; g < s->cGame_screenLayout->length; g++) cGame::createScreenPlayers(g);
  cGame::createMenuPlayers(kMenu);
  for (int32_t list = 0; list < kLists; list++) {
    cGame::openMenu(list, kMenu);
    for (int32_t frame = 0; frame < kFrames; frame++) {
      s->cGame_frameTime = 40;
      cGame::updateCurrentMenu();
      cGame::paintCurrentMenu(frame % 2 == 0 ? -1 : 0);
      cGame::paintScreenGroup(kMenu, 240, 400, frame, nullptr, frame % 3 == 0, -1, frame % 4 - 1);
      cGame::paintLayoutItem(kMenu, frame, 0, 0, 1, nullptr);
    }
  }
  Accessors(count);
  for (int32_t g = -1; g <= s->cGame_screenLayout->length; g++) cGame::resetLayoutAnimations(g);
  cGame::resetMenuAnimations(kMenu);
  return 0;
}
