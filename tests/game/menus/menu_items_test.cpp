// The menu item accessors over layouts written by the data builder's layout writer: row items
// counted from the first type-4 record, neighbours and the levels they list, the levels a won
// level opens (once, and only on the main worlds' maps), item states and the predicates.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "tests/support/library_fixture.h"
#include "tests/support/managed_bytes.h"
#include "tools/databuild/layout_writer.h"

namespace {

using databuild::LayoutRecord;

ByteArray* Entry(const std::vector<LayoutRecord>& records) {
  return ManagedBytes(databuild::WriteLayoutRecords(records));
}

std::vector<int32_t> Values(IntArray* array, int32_t count) {
  return std::vector<int32_t>(array->elements(), array->elements() + count);
}

class MenuItemsTest : public LibraryTest {
 protected:
  void SetUp() override {
    LibraryTest::SetUp();
    cGame::initMenuTables();
    cGame::initProgressTables();
    s = Statics<GameStatics>();
  }
  // The data set's map of world w as the current menu.
  void WorldMap(int32_t w) {
    cGame::parseLayoutTable(w + 2, ManagedBytes(databuild::LayoutEntries()[w + 2]));
    s->cGame_currentMenu = w + 2;
    s->cGame_selectedWorld = w;
  }
  void SetResult(int32_t world, int32_t item, int32_t result) {
    IntArray::set(CheckCast<IntArray>(s->cGame_levelResults->elements()[world]), item, result);
  }
  int32_t ResultOf(int32_t world, int32_t item) {
    return IntArray::get(CheckCast<IntArray>(s->cGame_levelResults->elements()[world]), item);
  }
  GameStatics* s = nullptr;
};

TEST_F(MenuItemsTest, RowItemsCountFromTheFirstRowAndAMenuWithoutRowsFromItsHeader) {
  cGame::parseLayoutTable(5, Entry({{3, 0, 0, {}},
                                    {6, 9, 9, {}},
                                    {4, 10, 20, {0, 0, 7, 8, 1, 2}},
                                    {4, 30, 40, {}},
                                    {6, 0, 0, {}},
                                    {4, 0, 0, {}}}));
  cGame::parseLayoutTable(6, Entry({{3, 0, 0, {}}, {6, 4, 5, {}}}));
  s->cGame_currentMenu = 5;
  EXPECT_EQ(cGame::menuFirstItem(5), 3);
  EXPECT_EQ(cGame::lastLeadingRow(5), 4);
  EXPECT_EQ(cGame::menuItemX(1), 30);
  EXPECT_EQ(cGame::menuItemValue2(0), 7);
  EXPECT_EQ(cGame::menuItemValue3(0), 8);
  EXPECT_EQ(cGame::mapItemNeighbour(0, 1), 2);
  EXPECT_EQ(cGame::mapItemNeighbour(0, 2), -1) << "past the record: no link";
  EXPECT_EQ(cGame::menuItemValue2(1), -1);
  EXPECT_EQ(cGame::menuItemY(9), 0) << "past the menu";
  EXPECT_EQ(cGame::menuFirstItem(6), 0);
  EXPECT_EQ(cGame::lastLeadingRow(6), 0) << "the first item is no row";
  s->cGame_currentMenu = 6;
  EXPECT_EQ(cGame::menuItemX(0), 0) << "item 0 is the header";
  EXPECT_EQ(cGame::menuItemX(2), 4);
}

// World 2's map runs down: item i links up to i - 1 and down to i + 1 (item 13 to the next
// world, 14).
TEST_F(MenuItemsTest, NeighboursOutsideTheLevelsAreNeverListed) {
  WorldMap(2);
  IntArray* out = NewIntArray(8);
  for (int32_t item = 0; item < 14; item++) SetResult(2, item, 0);
  EXPECT_EQ(cGame::mapItemNeighbour(13, 1), 14);
  EXPECT_EQ(cGame::mapItemNeighbour(0, 0), -2);
  cGame::collectNewlyUnlocked(-1, 2);  // empties the new list
  EXPECT_EQ(cGame::listUnlockedLevels(13, out, 4), 0) << "14 is the next world";
  EXPECT_EQ(cGame::listUnlockedLevels(5, out, 4), 1);
  EXPECT_EQ(out->elements()[0], 6);
  SetResult(2, 7, -1);
  EXPECT_EQ(cGame::listReachableLevels(6, out), 1);
  SetResult(2, 6, -1);
  EXPECT_EQ(cGame::listReachableLevels(6, out), 0) << "from a level without a result";
  s->cGame_mapSelected = 4;
  EXPECT_EQ(cGame::countForwardNeighbours(), 1);
}

TEST_F(MenuItemsTest, AWonLevelOpensItsLinkedLevelsOnceAndOnlyOnAMainWorldsMap) {
  WorldMap(3);  // runs across: item i links left to i - 1, right to i + 1
  cGame::collectNewlyUnlocked(3, 3);
  EXPECT_EQ(Values(s->cGame_newlyUnlocked, 4), (std::vector<int32_t>{-1, -1, -1, 5}));
  EXPECT_EQ(ResultOf(3, 5), -1);
  cGame::collectNewlyUnlocked(3, 3);
  EXPECT_EQ(Values(s->cGame_newlyUnlocked, 4), (std::vector<int32_t>{-1, -1, -1, -1}))
      << "a second call reports nothing";
  for (int32_t world : {8, 9, -1}) {
    SCOPED_TRACE(world);
    cGame::collectNewlyUnlocked(3, world);
    EXPECT_EQ(Values(s->cGame_newlyUnlocked, 4), (std::vector<int32_t>{-1, -1, -1, -1}));
  }
  EXPECT_EQ(ResultOf(8, 5), -2);
}

TEST_F(MenuItemsTest, TheWorldSelectScreenMarksTheRecordsTheSelectedWorldNames) {
  cGame::parseLayoutTable(10, ManagedBytes(databuild::LayoutEntries()[10]));
  s->cGame_currentMenu = 10;
  struct Case {
    int32_t world, unlocked, marked;
  };
  for (const Case c : {Case{1, 3, 4}, Case{2, 2, -1}, Case{5, 7, 4}}) {
    SCOPED_TRACE(c.world);
    cGame::clearMenuItemFlags();
    s->cGame_selectedWorld = c.world;
    s->cGame_worldsUnlocked = c.unlocked;
    cGame::markSelectedMenuItems();
    for (int32_t i = 3; i <= 6; i++) {
      EXPECT_EQ(cGame::layoutValue(cGame::menuRecord(10, i), 6, -1), i == c.marked ? 1 : 0) << i;
    }
  }
}

TEST_F(MenuItemsTest, MapPredicates) {
  struct Case {
    int32_t mode, selected;
    bool level, entry;
  };
  for (const Case c : {Case{0, 0, false, true}, Case{0, 3, true, false}, Case{1, 3, false, false},
                       Case{1, 0, false, false}}) {
    s->cGame_mapMode = c.mode;
    s->cGame_mapSelected = c.selected;
    EXPECT_EQ(cGame::mapLevelSelected(), c.level);
    EXPECT_EQ(cGame::mapEntrySelected(), c.entry);
  }
  s->cGame_mapPagesX = 2;
  s->cGame_mapPagesY = 1;
  EXPECT_EQ(cGame::scaledScreenX(), 960);
  EXPECT_EQ(cGame::scaledScreenY(), 800);
  s->cGame_selectedWorld = -1;
  EXPECT_FALSE(cGame::gameInProgress());
  s->cGame_characterCursor = 1;
  cGame::keepCharacterChoice(1);
  EXPECT_EQ(s->cGame_spriteSetOption, 1);
  EXPECT_EQ(s->cGame_hudOrderOption, 1);
  EXPECT_EQ(cGame::portraitSpriteEntry(3), 60);
  EXPECT_EQ(cGame::portraitSpriteEntry(5), 61);
  EXPECT_EQ(cGame::portraitSpriteEntry(6), -1);
}

}  // namespace
