// cGame's edits of the current menu: hiding and removing items with the list compacted, the
// selection kept on an item that exists, the remembered selection restored, soft-key labels.
#include <gtest/gtest.h>

#include <vector>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/static_class.h"
#include "tests/support/library_fixture.h"

namespace {

constexpr int32_t kHidden = static_cast<int32_t>(0x80000000u);

class MenuEditsTest : public LibraryTest {
 protected:
  // The current menu holds items, with the selection and the rows shown.
  static void Menu(const std::vector<int32_t>& items, int32_t selection, int32_t firstVisible,
                   int32_t rows) {
    GameStatics* s = Statics<GameStatics>();
    s->cGame_menuItems = NewIntArray(50);
    for (size_t i = 0; i < items.size(); i++) s->cGame_menuItems->elements()[i] = items[i];
    s->cGame_menuItemCount = static_cast<int32_t>(items.size());
    s->cGame_menuSelection = selection;
    s->cGame_menuFirstVisible = firstVisible;
    s->cGame_menuVisibleRows = rows;
  }
  static std::vector<int32_t> Items() {
    GameStatics* s = Statics<GameStatics>();
    const int32_t* items = s->cGame_menuItems->elements();
    return std::vector<int32_t>(items, items + s->cGame_menuItemCount);
  }
  static int32_t selection() { return Statics<GameStatics>()->cGame_menuSelection; }
  static int32_t firstVisible() { return Statics<GameStatics>()->cGame_menuFirstVisible; }
};

TEST_F(MenuEditsTest, RemovingAnAbsentItemChangesNothing) {
  Menu({10, 20, 30}, 2, 1, 2);
  cGame::removeMenuItem(99, true);
  cGame::removeMenuItem(99, false);
  EXPECT_EQ(Items(), (std::vector<int32_t>{10, 20, 30}));
  EXPECT_EQ(selection(), 2);
  EXPECT_EQ(firstVisible(), 1);
}

TEST_F(MenuEditsTest, EveryMatchIsHiddenAndTheFirstLeavesTheListWhenRemoved) {
  Menu({10, 20, 30, 20, 40}, 1, 0, 3);
  cGame::removeMenuItem(20, false);
  EXPECT_EQ(Items(), (std::vector<int32_t>{10, 20 | kHidden, 30, 20 | kHidden, 40}));
  Menu({10, 20, 30, 20, 40}, 1, 0, 3);
  cGame::removeMenuItem(20, true);
  EXPECT_EQ(Items(), (std::vector<int32_t>{10, 30, 20 | kHidden, 40}));
  EXPECT_EQ(selection(), 1);
}

// Item menuItemCount does not exist: a selection at the new count resets as one beyond it.
TEST_F(MenuEditsTest, ASelectionNoLongerInTheListResetsAndStaysVisible) {
  struct Case {
    int32_t selection, firstVisible, rows;
    int32_t selectionAfter, firstVisibleAfter;
  };
  const Case kCases[] = {
      {3, 2, 2, 3, 2},  // still an item
      {4, 3, 2, 0, 0},  // equal to the new count: item 0, scrolled back into view
      {6, 5, 2, 0, 0},  // beyond it
      {1, 0, 1, 1, 1},  // the selection below the visible row is brought into view
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.selection);
    Menu({1, 2, 3, 4, 5}, c.selection, c.firstVisible, c.rows);
    cGame::removeMenuItem(1, true);
    EXPECT_EQ(Statics<GameStatics>()->cGame_menuItemCount, 4);
    EXPECT_EQ(selection(), c.selectionAfter);
    EXPECT_EQ(firstVisible(), c.firstVisibleAfter);
  }
}

TEST_F(MenuEditsTest, ResetMenuSelectionRestoresTheRememberedSelectionInView) {
  struct Case {
    int32_t menu, saved, rows;
    int32_t selectionAfter, firstVisibleAfter;
  };
  const Case kCases[] = {
      {4, 3, 2, 3, 2},   // below the rows' end: scrolled so that it is the last row
      {4, 1, 2, 1, 0},   // already visible
      {4, 5, 2, 0, 0},   // equal to the item count: no such item
      {4, 9, 2, 0, 0},   // beyond it
      {-1, 3, 2, 0, 0},  // no menu list
      {21, 3, 2, 0, 0},  // a list that menuSavedSelection does not hold
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.menu * 100 + c.saved);
    Menu({1, 2, 3, 4, 5}, 0, 4, 7);
    Statics<GameStatics>()->cGame_menuScroll = 9;
    Statics<GameStatics>()->cGame_menuSavedSelection = NewIntArray(21);
    if (c.menu >= 0 && c.menu < 21)
      Statics<GameStatics>()->cGame_menuSavedSelection->elements()[c.menu] = c.saved;
    cGame::resetMenuSelection(c.menu, c.rows);
    EXPECT_EQ(selection(), c.selectionAfter);
    EXPECT_EQ(firstVisible(), c.firstVisibleAfter);
    EXPECT_EQ(Statics<GameStatics>()->cGame_menuScroll, 0);
    EXPECT_EQ(Statics<GameStatics>()->cGame_menuVisibleRows, c.rows);
  }
}

TEST_F(MenuEditsTest, ReplaceMenuItemChangesTheFirstMatchOnly) {
  Menu({7, 8, 7}, 0, 0, 3);
  cGame::replaceMenuItem(7, 70);
  cGame::replaceMenuItem(99, 1);
  EXPECT_EQ(Items(), (std::vector<int32_t>{70, 8, 7}));
}

TEST_F(MenuEditsTest, SetSoftKeysTakesTheRightLabelFirst) {
  cGame::setSoftKeys(12, 34, 5);
  EXPECT_EQ(Statics<GameStatics>()->cGame_softKeyRight, 12);
  EXPECT_EQ(Statics<GameStatics>()->cGame_softKeyLeft, 34);
  EXPECT_TRUE(Statics<GameStatics>()->cGame_softKeysFlag);
  cGame::setSoftKeys(-1, -1, 0);
  EXPECT_FALSE(Statics<GameStatics>()->cGame_softKeysFlag);
}

}  // namespace
