// cGame's helpers of the menus: the soft keys of the current screen, the current menu and its
// scroll arrows, the first play's hint sequence and the menu's animation indices. Layout items
// are short[]s whose value 9 is the item's visible flag and values from 5 on its parameters.
#include <algorithm>

#include "engine/mqlib_player.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/class.h"

namespace {

constexpr int32_t kVisibleFlag = 9;
constexpr int32_t kUpArrowItem = 9;
constexpr int32_t kDownArrowItem = 10;
constexpr int32_t kHintsShowing = 1;  // the hint mode of the first play

// Item k of the current menu's layout, or null.
ShortArray* MenuItemOf(int32_t k) {
  GameStatics* s = Statics<GameStatics>();
  ObjectArray* layouts = s->cGame_menuLayouts;
  const int32_t menu = s->cGame_currentMenu;
  if (!layouts || menu < 0 || menu >= layouts->length) return nullptr;
  ObjectArray* layout = CheckCast<ObjectArray>(layouts->elements()[menu]);
  if (!layout || k < 0 || k >= layout->length) return nullptr;
  return CheckCast<ShortArray>(layout->elements()[k]);
}

void ShowItem(int32_t k, bool visible) {
  ShortArray* item = MenuItemOf(k);
  if (item && kVisibleFlag < item->length) item->elements()[kVisibleFlag] = visible ? 1 : 0;
}

}  // namespace

void cGame::clearSoftKeys() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_softKeyLeft = -1;
  s->cGame_softKeyRight = -1;
  s->cGame_softKeysFlag = false;
}

void cGame::applyScreenSoftKeys() {
  constexpr int32_t kBackLabel = 2;
  switch (Statics<GameStatics>()->cGame_screenId) {
    case 0:
      setSoftKeys(-1, -1, 0);
      break;
    case 2:
    case 5:
    case 6:
    case 13:
    case 18:
    case 20:
      setSoftKeys(kBackLabel, -1, 0);
      break;
    default:
      break;
  }
}

// ---- The current menu -----------------------------------------------------------------------

// The list's items past its heading pair, as many as the item table holds.
void cGame::setMenuItems(int32_t menu, IntArray* list, int32_t rows, int32_t flag, int32_t layout) {
  GameStatics* s = Statics<GameStatics>();
  if (!NullCheck(list)) return;
  IntArray* items = s->cGame_menuItems;
  const int32_t count = items ? std::clamp(list->length - 2, 0, items->length) : 0;
  s->cGame_currentMenuList = list;
  s->cGame_currentMenu = layout;
  s->cGame_menuTitle = list->length > 0 ? list->elements()[0] : 0;
  s->cGame_menuSubtitle = list->length > 1 ? list->elements()[1] : 0;
  s->cGame_menuFlag = flag;
  s->cGame_menuItemCount = count;
  for (int32_t i = 0; i < count; i++) items->elements()[i] = list->elements()[2 + i];
  resetMenuSelection(menu, rows);
}

int32_t cGame::getMenuItemValue(int32_t n, int32_t i) {
  constexpr int32_t kFirstParameter = 5;
  ShortArray* item = MenuItemOf(menuFirstItem(Statics<GameStatics>()->cGame_currentMenu) + n);
  return item ? ShortArray::get(item, kFirstParameter + i) : 0;
}

void cGame::updateMenuScrollArrows() {
  GameStatics* s = Statics<GameStatics>();
  ShowItem(kUpArrowItem, s->cGame_menuScroll > 0);
  ShowItem(kDownArrowItem, s->cGame_menuScroll < s->cGame_menuItemCount - 1);
}

void cGame::setListScrollItems(int32_t count, int32_t value, int32_t upItem, int32_t downItem) {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_listScrollCount = count;
  s->cGame_listScrollOffset = value;
  s->cGame_listScrollUpItem = upItem;
  s->cGame_listScrollDownItem = downItem;
}

void cGame::updateListScrollArrows() {
  GameStatics* s = Statics<GameStatics>();
  ShowItem(s->cGame_listScrollUpItem, s->cGame_listScrollOffset > 0);
  ShowItem(s->cGame_listScrollDownItem, s->cGame_listScrollOffset < s->cGame_listScrollCount - 1);
}

// ---- Hints and the menu's animations --------------------------------------------------------

// The first play's hints as the intro list: five lines, speakers taking turns. The list holds
// each line as n, and shows text 480 + n: the hints are texts 626 to 630.
void cGame::initHintSequence() {
  constexpr int32_t kLines = 5, kFirstHint = 626, kShownFrom = 480;
  constexpr int32_t kSpeakers[kLines] = {1, 2, 1, 2, 1};
  GameStatics* s = Statics<GameStatics>();
  s->cGame_hintMode = s->cGame_firstPlayHints;
  if (s->cGame_hintMode != kHintsShowing) return;
  s->cGame_firstPlayHints = 0;
  s->cGame_hintTextStep = -1;
  IntArray* texts = s->cGame_introTexts;
  IntArray* speakers = s->cGame_introSpeakers;
  if (!texts || !speakers || texts->length < kLines || speakers->length < kLines) return;
  s->cGame_introCount = kLines;
  for (int32_t i = 0; i < kLines; i++) {
    texts->elements()[i] = kFirstHint - kShownFrom + i;
    speakers->elements()[i] = kSpeakers[i];
  }
  s->cGame_hintSequenceSet = true;
}

void cGame::resetMenuAnims() {
  initHintSequence();
  GameStatics* s = Statics<GameStatics>();
  s->cGame_menuRememberedSelection = s->cGame_menuSelection;
  s->cGame_menuStep = 0;
  s->cGame_menuAnimA = s->cGame_menuAnimB = -1;
}

void cGame::clearHintMode() {
  Statics<GameStatics>()->cGame_hintMode = -1;
}

// While the hints show, their animations stay; otherwise an animation that has ended (or never
// began) lets its index go.
void cGame::clearFinishedMenuAnims() {
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_hintMode == kHintsShowing) return;
  for (int32_t* index : {&s->cGame_menuAnimA, &s->cGame_menuAnimB}) {
    ObjectArray* players = s->cGame_layoutPlayers;
    MQLibPlayer* player = players && *index >= 0 && *index < players->length
                              ? CheckCast<MQLibPlayer>(players->elements()[*index])
                              : nullptr;
    if (!player || player->isAnimOver()) *index = -1;
  }
}

// The items that may blink while hint line 0..4 shows: one of five constant tables.
void cGame::selectModeTable() {
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_hintMode != kHintsShowing) return;
  IntArray* const tables[] = {s->cGame_optionValuesD, s->cGame_optionValuesE,
                              s->cGame_optionValuesF, s->cGame_optionValuesG,
                              s->cGame_optionValuesH};
  const int32_t step = s->cGame_hintTextStep;
  s->cGame_modeTable = step >= 0 && step < 5 ? tables[step] : nullptr;
}

bool cGame::isInModeTable(int32_t v) {
  IntArray* table = Statics<GameStatics>()->cGame_modeTable;
  return table && std::find(table->elements(), table->elements() + table->length, v) !=
                      table->elements() + table->length;
}
