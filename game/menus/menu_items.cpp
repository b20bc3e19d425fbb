// Small operations over the current menu's records that the screens share: the row items
// (counted from the menu's first type-4 record), map items' neighbours, the levels a map item
// opens, item states, frame sizes, and the map and list players' release. Reads outside the
// menu give the checked accessor's absent values: -1 for links, 0 otherwise.
#include <algorithm>

#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/board/actor_support.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/graphics.h"
#include "runtime/array.h"
#include "runtime/class.h"

namespace {

constexpr int32_t kMapItems = 14;  // item 0 the world entry, 1..13 the levels
constexpr int32_t kLastMainWorld = 7;
constexpr int32_t kFirstMapMenu = 2;  // the map of world w is menu w + 2

ShortArray* RowItem(int32_t i) {
  const int32_t menu = Statics<GameStatics>()->cGame_currentMenu;
  return cGame::menuRecord(menu, cGame::menuFirstItem(menu) + i);
}

// levelResults[world][item]; -3 (no level) outside the table.
int32_t ResultOf(int32_t world, int32_t item) {
  ObjectArray* rows = Statics<GameStatics>()->cGame_levelResults;
  IntArray* row = rows && world >= 0 && world < rows->length
                      ? CheckCast<IntArray>(rows->elements()[world])
                      : nullptr;
  return row && item >= 0 && item < row->length ? row->elements()[item] : -3;
}

int32_t MapResult(int32_t item) {
  return ResultOf(Statics<GameStatics>()->cGame_selectedWorld, item);
}

void Append(IntArray* out, int32_t& count, int32_t value) {
  if (out && count < out->length) out->elements()[count] = value;
  count++;
}

void Drop(ObjectArray* players, int32_t count) {
  for (int32_t i = 0; players && i < std::min(count, players->length); i++) {
    players->elements()[i] = nullptr;
  }
}

}  // namespace

// ---- Row items -----------------------------------------------------------------------------

int32_t cGame::lastLeadingRow(int32_t m) {
  const int32_t first = menuFirstItem(m);
  int32_t last = first;
  while (recordType(menuRecord(m, last + 1)) == 4 && recordType(menuRecord(m, first)) == 4) last++;
  return last;
}

int32_t cGame::menuItemX(int32_t i) {
  return recordX(RowItem(i));
}
int32_t cGame::menuItemY(int32_t i) {
  return recordY(RowItem(i));
}
int32_t cGame::menuItemValue2(int32_t i) {
  return layoutValue(RowItem(i), 2, -1);
}
int32_t cGame::menuItemValue3(int32_t i) {
  return layoutValue(RowItem(i), 3, -1);
}
int32_t cGame::mapItemNeighbour(int32_t i, int32_t k) {
  return layoutValue(RowItem(i), 4 + k, -1);
}
int32_t cGame::menuItemLevelSlot(int32_t i, int32_t k) {
  return mapItemNeighbour(i, k);
}

// ---- Map links -----------------------------------------------------------------------------

int32_t cGame::listUnlockedLevels(int32_t from, IntArray* out, int32_t) {
  GameStatics* s = Statics<GameStatics>();
  int32_t count = 0;
  IntArray* fresh = s->cGame_newlyUnlocked;
  for (int32_t k = 0; fresh && k < fresh->length; k++) {
    if (fresh->elements()[k] != -1) Append(out, count, fresh->elements()[k]);
  }
  for (int32_t k = 0; k < 4; k++) {
    const int32_t n = mapItemNeighbour(from, k);
    if (n >= 0 && n <= 13 && n > from && MapResult(n) > -1) Append(out, count, n);
  }
  return count;
}

int32_t cGame::listReachableLevels(int32_t from, IntArray* out) {
  int32_t count = 0;
  if (MapResult(from) < 0) return 0;
  for (int32_t k = 0; k < 4; k++) {
    const int32_t n = mapItemNeighbour(from, k);
    if (n >= 0 && n < kMapItems && MapResult(n) >= -1 && n > from) Append(out, count, n);
  }
  return count;
}

int32_t cGame::countForwardNeighbours() {
  const int32_t selected = Statics<GameStatics>()->cGame_mapSelected;
  int32_t count = 0;
  for (int32_t k = 0; k < 4; k++) count += mapItemNeighbour(selected, k) > selected ? 1 : 0;
  return count;
}

// The levels that item after + 1 of world's map links to and that were locked open, and are
// listed in newlyUnlocked; only the main worlds have maps.
int32_t cGame::collectNewlyUnlocked(int32_t after, int32_t world) {
  GameStatics* s = Statics<GameStatics>();
  if (!s->cGame_newlyUnlocked) s->cGame_newlyUnlocked = NewIntArray(4);
  IntArray* fresh = s->cGame_newlyUnlocked;
  for (int32_t k = 0; k < fresh->length; k++) fresh->elements()[k] = -1;
  const int32_t menu = kFirstMapMenu + world;
  if (world < 0 || world > kLastMainWorld) return 0;
  const int32_t first = menuFirstItem(menu);
  ShortArray* item = menuRecord(menu, first + after + 1);
  ObjectArray* rows = s->cGame_levelResults;
  IntArray* row =
      rows && world < rows->length ? CheckCast<IntArray>(rows->elements()[world]) : nullptr;
  for (int32_t k = 0; k < 4; k++) {
    const int32_t n = layoutValue(item, 4 + k, -1);
    if (n < 1 || n >= kMapItems || n <= after || ResultOf(world, n) != -2) continue;
    if (k < fresh->length) fresh->elements()[k] = n;
    row->elements()[n] = -1;
  }
  return first;
}

// ---- Players -------------------------------------------------------------------------------

void cGame::releaseMapPlayers() {
  GameStatics* s = Statics<GameStatics>();
  ObjectArray* paths = s->cGame_mapPathPlayers;
  ObjectArray* items = s->cGame_mapItemPlayers;
  Drop(paths, paths ? paths->length : 0);
  Drop(items, items ? items->length : 0);
  s->cGame_mapCursorPlayer = nullptr;
  s->cGame_mapCursorIconPlayer = nullptr;
  s->cGame_extraGridPreviewPlayer = nullptr;
  s->cGame_mapHintPlayer = nullptr;
  s->cGame_mapPathCount = 0;
  s->cGame_mapPathsDone = 0;
}

void cGame::releaseListPlayers() {
  GameStatics* s = Statics<GameStatics>();
  Drop(s->cGame_listPlayers, s->cGame_menuItemCount);
  s->cGame_listPlayers = nullptr;
  s->cGame_listTitlePlayer = nullptr;
}

void cGame::clearWorldMarkers() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_worldMarkerPlayer = nullptr;
  s->cGame_worldScreenPlayer = nullptr;
}

void cGame::clearSelectionSlots() {
  GameStatics* s = Statics<GameStatics>();
  Drop(s->cGame_gridIconPlayers, 12);
}

// The player i of listPlayers: its current animation-frame's rectangle at its list position.
void cGame::listPlayerRect(int32_t i, IntArray* out, bool flags) {
  GameStatics* s = Statics<GameStatics>();
  ObjectArray* players = s->cGame_listPlayers;
  IntArray* positions = s->cGame_listItemPositions;
  MQLibPlayer* player = players && i >= 0 && i < players->length
                            ? CheckCast<MQLibPlayer>(players->elements()[i])
                            : nullptr;
  IntArray* scratch = s->cGame_rectScratch;
  if (!player || !player->sprite || !scratch || !out || out->length < 4) return;
  player->sprite->getAFrameRect(player->anim, player->frame, 0, scratch, flags ? 1 : 0, true);
  const bool placed = positions && 2 * i + 1 < positions->length;
  const int32_t dx = placed ? positions->elements()[2 * i] : 0;
  const int32_t dy = placed ? positions->elements()[2 * i + 1] : 0;
  const int32_t* r = scratch->elements();
  const int32_t rect[4] = {r[0] + dx, r[1] + dy, r[2], r[3]};
  std::copy(rect, rect + 4, out->elements());
}

// ---- Item states and predicates ------------------------------------------------------------

void cGame::markSelectedMenuItems() {
  GameStatics* s = Statics<GameStatics>();
  const int32_t world = s->cGame_selectedWorld;
  const int32_t menu = s->cGame_currentMenu;
  const int32_t a = menuItemValue3(world), b = menuItemValue2(world);
  if (a != -1 && world < s->cGame_worldsUnlocked) setLayoutValue(menuRecord(menu, a), 6, 1);
  if (b != -1) setLayoutValue(menuRecord(menu, b), 6, 1);
}

void cGame::clearMenuItemFlags() {
  const int32_t menu = Statics<GameStatics>()->cGame_currentMenu;
  for (int32_t i = 3; i <= 6; i++) setLayoutValue(menuRecord(menu, i), 6, 0);
}

bool cGame::worldsAvailable() {
  return Statics<GameStatics>()->cGame_worldsUnlocked >= 1;
}
bool cGame::gameInProgress() {
  return Statics<GameStatics>()->cGame_selectedWorld != -1;
}

bool cGame::mapLevelSelected() {
  GameStatics* s = Statics<GameStatics>();
  return s->cGame_mapMode == 0 && s->cGame_mapSelected > 0;
}

bool cGame::mapEntrySelected() {
  GameStatics* s = Statics<GameStatics>();
  return s->cGame_mapMode == 0 && s->cGame_mapSelected == 0;
}

bool cGame::worldSelectIdle() {
  return Statics<GameStatics>()->cGame_worldSelectMode == 0;
}

int32_t cGame::scaledScreenX() {
  return Statics<GameStatics>()->cGame_mapPagesX * kCanvasWidth;
}
int32_t cGame::scaledScreenY() {
  return Statics<GameStatics>()->cGame_mapPagesY * kCanvasHeight;
}

// Page mapPage is the first back buffer's picture, the next page the second page's, each at its
// page offset less the camera.
void cGame::paintMapPages() {
  GameStatics* s = Statics<GameStatics>();
  javax_microedition_lcdui_Graphics* g = s->cGame_drawGraphics;
  if (!g) return;
  const bool down = s->cGame_mapVertical;
  const int32_t page = s->cGame_mapPage;
  javax_microedition_lcdui_Image* images[2] = {s->cGame_backBuffer, s->cGame_mapSecondPage};
  for (int32_t k = 0; k < 2; k++) {
    if (!images[k]) continue;
    const int32_t x = down ? 0 : (page + k) * kCanvasWidth;
    const int32_t y = down ? (page + k) * kCanvasHeight : 0;
    g->drawImage(images[k], x - s->cGame_mapCameraX, y - s->cGame_mapCameraY, 0);
  }
}

int32_t cGame::menuSpriteFrameWidth(int32_t f) {
  return menuSpriteFrameRect(f, 2);
}

int32_t cGame::menuSpriteFrameHeight(int32_t f) {
  return menuSpriteFrameRect(f, 3);
}

// Element k of the rectangle of frame f + 8 of sprite slot 13; 0 without the sprite.
int32_t cGame::menuSpriteFrameRect(int32_t f, int32_t k) {
  constexpr int32_t kMenuSpriteSlot = 13, kFirstFrame = 8;
  ASprite* sprite = actor_support::SpriteInSlot(kMenuSpriteSlot);
  IntArray* scratch = Statics<GameStatics>()->cGame_rectScratch;
  if (!sprite || !scratch || scratch->length < 4) return 0;
  sprite->getFrameRect(f + kFirstFrame, 0, scratch, 0);
  return scratch->elements()[k];
}

// ---- Characters ----------------------------------------------------------------------------

void cGame::keepCharacterChoice(int32_t row) {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_spriteSetOption = s->cGame_characterCursor;
  s->cGame_hudOrderOption = row;
}

bool cGame::characterUnlocked() {
  GameStatics* s = Statics<GameStatics>();
  return s->cGame_characterCursor <= s->cGame_charactersUnlocked;
}

int32_t cGame::portraitSpriteEntry(int32_t speaker) {
  if (speaker == 3) return 60;
  return speaker >= 0 && speaker <= 5 ? 61 : -1;
}

void cGame::removeEntry74() {
  removeMenuItem(74, true);
}

int32_t cGame::entryCount() {
  return Statics<GameStatics>()->cGame_menuItemCount;
}
