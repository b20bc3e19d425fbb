// cGame's edits of the current menu: the selection reset, and hiding,
// removing and replacing items of menuItems (bit 31 set = hidden). The selection always names
// an item that exists (0 .. menuItemCount - 1), or 0.
#include <algorithm>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/static_class.h"

namespace {

constexpr int32_t kHidden = static_cast<int32_t>(0x80000000u);

// The items of the current menu that menuItems holds: menuItemCount, or fewer when the array
// is shorter (or missing).
int32_t ItemsHeld() {
  GameStatics* s = Statics<GameStatics>();
  IntArray* items = s->cGame_menuItems;
  return items ? std::clamp(s->cGame_menuItemCount, 0, items->length) : 0;
}

// The selection as the menu keeps it: 0 when it names no item; the first visible row moved
// so that the selection lies among the visible rows.
void KeepSelectionVisible() {
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_menuSelection >= s->cGame_menuItemCount) s->cGame_menuSelection = 0;
  const int32_t selection = s->cGame_menuSelection;
  const int32_t rows = s->cGame_menuVisibleRows;
  if (selection >= s->cGame_menuFirstVisible + rows) {
    s->cGame_menuFirstVisible = selection - rows + 1;
  } else if (selection >= 0 && selection < s->cGame_menuFirstVisible) {
    s->cGame_menuFirstVisible = selection;
  }
}

}  // namespace

// The selection remembered for the menu list; 0 for a menu with no remembered selection (a
// negative one, or one past menuSavedSelection) and for one that names no item.
void cGame::resetMenuSelection(int32_t menu, int32_t rows) {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_menuScroll = 0;
  s->cGame_menuFirstVisible = 0;
  s->cGame_menuVisibleRows = rows;
  IntArray* saved = s->cGame_menuSavedSelection;
  const bool remembered = saved && menu >= 0 && menu < saved->length;
  s->cGame_menuSelection = remembered ? saved->elements()[menu] : 0;
  KeepSelectionVisible();
}

// Every item equal to id is hidden; with remove the first of them also leaves the list. An id
// that is not in the list changes nothing.
void cGame::removeMenuItem(int32_t id, bool remove) {
  GameStatics* s = Statics<GameStatics>();
  const int32_t held = ItemsHeld();
  if (held == 0) return;
  int32_t* items = s->cGame_menuItems->elements();
  int32_t first = -1;
  for (int32_t i = 0; i < held; i++) {
    if (items[i] != id) continue;
    items[i] |= kHidden;
    if (first < 0) first = i;
  }
  if (!remove || first < 0) return;
  std::copy(items + first + 1, items + held, items + first);
  s->cGame_menuItemCount = held - 1;
  KeepSelectionVisible();
}

void cGame::replaceMenuItem(int32_t oldId, int32_t newId) {
  const int32_t held = ItemsHeld();
  if (held == 0) return;
  int32_t* items = Statics<GameStatics>()->cGame_menuItems->elements();
  int32_t* found = std::find(items, items + held, oldId);
  if (found != items + held) *found = newId;
}
