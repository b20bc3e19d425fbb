// The menu framework: a menu is one menu layout shown with one entry list. Opening binds the
// list to the layout and runs the layout type's set-up; each frame runs its updater and
// advances every layout player; painting walks the menu's records in order. A layout outside
// 1..19, or one never parsed, is never opened.
#include "engine/mqlib_player.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/trace.h"

namespace {

// Values of the layout-type record.
constexpr int32_t kGroupValue = 4;
constexpr int32_t kListFlagValue = 6;
constexpr int32_t kAlternateSwitchValue = 7;
constexpr int32_t kAlternateGroupValue = 8;
constexpr int32_t kRowsValue = 9;
constexpr int32_t kMapPagesDownValue = 10;
constexpr int32_t kMapPagesAcrossValue = 11;
constexpr int32_t kDefaultRows = 8;

int32_t CurrentLayoutType() {
  return cGame::menuHeader(Statics<GameStatics>()->cGame_currentMenu, 1);
}

// The set-up of the current menu's layout type.
void SetUpLayout(int32_t type, int32_t listId) {
  GameStatics* s = Statics<GameStatics>();
  ShortArray* layout = cGame::menuLayoutRecord(s->cGame_currentMenu);
  switch (type) {
    case 10:
      cGame::setupMenuScreen();
      cGame::setupLevelMap(cGame::layoutValue(layout, kMapPagesDownValue, 0),
                           cGame::layoutValue(layout, kMapPagesAcrossValue, 0));
      break;
    case 12:
      s->cGame_worldChosen = s->cGame_selectedWorld;
      cGame::setupWorldSelect();
      break;
    case 13:
      cGame::setupGrid2x2();
      break;
    case 14:
      cGame::resetMenuAnims();
      break;
    case 16:
      cGame::showPresetOverlay(listId);
      break;
    case 19:
      cGame::statisticsText();
      break;
    case 20:
      cGame::removeMenuItem(187, true);
      cGame::removeMenuItem(188, true);
      cGame::setupCarousel(listId, 5);
      cGame::createCarouselPlayer();
      break;
    case 22:
      cGame::setupExtraLevelGrid();
      break;
    case 24:
      cGame::setPagedListLayout(listId);
      break;
    default:
      break;
  }
}

}  // namespace

// ---- Opening and updating ------------------------------------------------------------------

void cGame::openMenu(int32_t listId, int32_t layout) {
  GameStatics* s = Statics<GameStatics>();
  if (layout < 1 || layout >= kMenuLayoutCount || !menuLayout(layout)) {
    DebugLog("cGame::openMenu: menu layout %d is not loaded; list %d not opened", layout, listId);
    return;
  }
  ObjectArray* lists = s->cGame_menuLists;
  IntArray* list = lists && listId >= 0 && listId < lists->length
                       ? CheckCast<IntArray>(lists->elements()[listId])
                       : nullptr;
  if (!list) {
    DebugLog("cGame::openMenu: there is no entry list %d; layout %d not opened", listId, layout);
    return;
  }
  setMenuItems(listId, list, menuVisibleRows(layout), menuListFlag(layout) ? 1 : 0, layout);
  if (menuLayoutRecord(layout)) SetUpLayout(CurrentLayoutType(), listId);
}

void cGame::updateCurrentMenu() {
  GameStatics* s = Statics<GameStatics>();
  switch (menuLayoutRecord(s->cGame_currentMenu) ? CurrentLayoutType() : 0) {
    case 3:
      handleListKeys();
      break;
    case 10:
      updateLevelMap();
      break;
    case 12:
      updateWorldSelect();
      break;
    case 13:
      updateGrid2x2();
      break;
    case 14:
      updateHotAreaMenu();
      break;
    case 16:
      updateValuePicker();
      break;
    case 19:
      updateStatsPages();
      break;
    case 20:
      touchHighlightListItem();
      if (s->cGame_fadeDirection == 0) handleListKeys();
      updateTransitionMenu(true);
      break;
    case 22:
      updateExtraLevelGrid();
      break;
    case 24:
      updatePagedList();
      break;
    default:
      break;
  }
  // Every layout player runs, whichever menu shows it.
  ObjectArray* players = s->cGame_layoutPlayers;
  for (int32_t i = 0; players && i < players->length; i++) {
    auto* player = CheckCast<MQLibPlayer>(players->elements()[i]);
    if (player) player->update(s->cGame_frameTime);
  }
}

// Up and down over the entries whose id is not negative, wrapping with the menu's list flag.
// A step never goes past the entry count, so a list with nothing to select keeps its
// selection.
void cGame::handleListKeys() {
  GameStatics* s = Statics<GameStatics>();
  IntArray* entries = s->cGame_menuItems;
  const int32_t count = entries ? std::min(s->cGame_menuItemCount, entries->length) : 0;
  const bool up = isKeyJustPressed(1) || isKeyJustPressed(8);
  const bool down = isKeyJustPressed(2) || isKeyJustPressed(14);
  if (count <= 0 || up == down) return;
  auto selectable = [&](int32_t i) { return i >= 0 && i < count && entries->elements()[i] >= 0; };
  int32_t first = 0, last = count - 1;
  while (first < count && !selectable(first)) first++;
  while (last >= 0 && !selectable(last)) last--;
  if (first >= count) return;
  const int32_t rows = std::max(1, s->cGame_menuVisibleRows);
  const bool wrap = s->cGame_menuFlag != 0;
  int32_t selected = s->cGame_menuSelection, scroll = s->cGame_menuFirstVisible;
  for (int32_t step = 0; step < count; step++) {
    if (up) {
      if (--selected < scroll) scroll--;
      if (selected < 0) {
        selected = wrap ? count - 1 : first;
        scroll = wrap ? std::max(0, count - rows) : first;
      }
    } else {
      if (++selected > scroll + rows - 1) scroll++;
      if (selected >= count) {
        selected = wrap ? 0 : last;
        scroll = wrap ? 0 : std::max(0, last - rows + 1);
      }
    }
    if (selectable(selected)) break;
  }
  if (!selectable(selected)) return;
  s->cGame_menuSelection = selected;
  s->cGame_menuFirstVisible = std::max(0, scroll);
  s->cGame_fullRedraw = true;
}

// ---- Layout-record accessors ---------------------------------------------------------------

int32_t cGame::menuVisibleRows(int32_t m) {
  const int32_t rows = layoutValue(menuLayoutRecord(m), kRowsValue, -1);
  return rows == -1 ? kDefaultRows : rows;
}

bool cGame::menuListFlag(int32_t m) {
  return layoutValue(menuLayoutRecord(m), kListFlagValue, 0) > 0;
}

int32_t cGame::menuGroup(int32_t m) {
  return layoutValue(menuLayoutRecord(m), kGroupValue, 0);
}

int32_t cGame::menuAlternateGroup(int32_t m) {
  return layoutValue(menuLayoutRecord(m), kAlternateGroupValue, 0);
}

bool cGame::menuUsesAlternateGroup(int32_t m) {
  return layoutValue(menuLayoutRecord(m), kAlternateSwitchValue, 0) == 1;
}

int32_t cGame::screenGroupSize(int32_t g) {
  ObjectArray* group = screenGroup(g);
  return group ? group->length : 0;
}

void cGame::setMenuViewOrigin(int32_t x, int32_t y) {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_mapViewX = x;
  s->cGame_mapViewY = y;
}

// ---- The moving item -----------------------------------------------------------------------

// Header element 3 names the menu's moving item; 0 (the header) means it has none.
void cGame::setLayoutItemAnim(int32_t menu, int32_t anim) {
  const int32_t item = menuHeader(menu, 3);
  MQLibPlayer* player = item > 0 ? recordPlayer(menuRecord(menu, item)) : nullptr;
  if (!player || (player->anim == anim && !player->finished)) return;
  player->anim = anim;
  player->setFrame(0);
  player->loopCounter = -2;  // loops for ever, as a new player does
  player->finished = false;
}

void cGame::setMenuItemPosition(int32_t menu, int32_t x, int32_t y) {
  const int32_t item = menuHeader(menu, 3);
  ShortArray* record = item > 0 ? menuRecord(menu, item) : nullptr;
  if (!record) return;
  record->elements()[1] = static_cast<int16_t>(x);
  record->elements()[2] = static_cast<int16_t>(y);
}
