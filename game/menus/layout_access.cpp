// Checked access to the parsed layout tables: screen groups, menu layouts, their records and
// the values of a record. Every read outside a table or past a record's end gives the absent
// value its caller names, every write there does nothing, so bad layout data never reaches
// outside an array.
#include "engine/mqlib_player.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/class.h"

namespace {

ObjectArray* ElementTable(ObjectArray* tables, int32_t i) {
  if (!tables || i < 0 || i >= tables->length) return nullptr;
  return CheckCast<ObjectArray>(tables->elements()[i]);
}

}  // namespace

ObjectArray* cGame::screenGroup(int32_t g) {
  return ElementTable(Statics<GameStatics>()->cGame_screenLayout, g);
}

ObjectArray* cGame::menuLayout(int32_t t) {
  return ElementTable(Statics<GameStatics>()->cGame_menuLayouts, t);
}

ShortArray* cGame::groupRecord(int32_t g, int32_t i) {
  ObjectArray* group = screenGroup(g);
  if (!group || i < 0 || i >= group->length) return nullptr;
  return CheckCast<ShortArray>(group->elements()[i]);
}

// Item 0 is the header: menuRecord gives records from item 1 on, null for the header.
ShortArray* cGame::menuRecord(int32_t t, int32_t i) {
  ObjectArray* layout = menuLayout(t);
  if (!layout || i < 1 || i >= layout->length) return nullptr;
  return CheckCast<ShortArray>(layout->elements()[i]);
}

int32_t cGame::menuRecordCount(int32_t t) {
  ObjectArray* layout = menuLayout(t);
  return layout ? layout->length - 1 : 0;
}

// The header's element k; a menu never parsed has none: -1 for its layout record, 0 else.
int32_t cGame::menuHeader(int32_t t, int32_t k) {
  ObjectArray* layout = menuLayout(t);
  ShortArray* header =
      layout && layout->length > 0 ? CheckCast<ShortArray>(layout->elements()[0]) : nullptr;
  if (!header || k < 0 || k >= header->length) return k == 0 ? -1 : 0;
  return header->elements()[k];
}

ShortArray* cGame::menuLayoutRecord(int32_t t) {
  return menuRecord(t, menuHeader(t, 0));
}

int32_t cGame::recordType(ShortArray* record) {
  return record && record->length > 0 ? record->elements()[0] : 0;
}

int32_t cGame::recordX(ShortArray* record) {
  return record && record->length > 1 ? record->elements()[1] : 0;
}

int32_t cGame::recordY(ShortArray* record) {
  return record && record->length > 2 ? record->elements()[2] : 0;
}

int32_t cGame::layoutValue(ShortArray* record, int32_t k, int32_t absent) {
  if (!record || k < 0 || 3 + k >= record->length) return absent;
  return record->elements()[3 + k];
}

void cGame::setLayoutValue(ShortArray* record, int32_t k, int32_t value) {
  if (record && k >= 0 && 3 + k < record->length) {
    record->elements()[3 + k] = static_cast<int16_t>(value);
  }
}

bool cGame::hasPlayerSlot(ShortArray* record) {
  constexpr int32_t kAnimatedLength = 3 + 5 + 2;
  const int32_t type = recordType(record);
  return record && record->length == kAnimatedLength && (type == 5 || type == 11 || type == 23);
}

// The player of an animated record's slot; null for any other record and an empty slot.
MQLibPlayer* cGame::recordPlayer(ShortArray* record) {
  if (!hasPlayerSlot(record)) return nullptr;
  ObjectArray* players = Statics<GameStatics>()->cGame_layoutPlayers;
  const int32_t slot = layoutValue(record, 5, -1);
  if (!players || slot < 0 || slot >= players->length) return nullptr;
  return CheckCast<MQLibPlayer>(players->elements()[slot]);
}

void cGame::setRecordPlayer(ShortArray* record, MQLibPlayer* player) {
  if (!hasPlayerSlot(record)) return;
  ObjectArray* players = Statics<GameStatics>()->cGame_layoutPlayers;
  const int32_t slot = layoutValue(record, 5, -1);
  if (players && slot >= 0 && slot < players->length) players->elements()[slot] = player;
}

int32_t cGame::menuFirstItem(int32_t m) {
  return menuHeader(m, 2);
}
