// The menus' helpers: the current menu from an entry list, its items' parameters and scroll
// arrows, the first play's hint sequence, the menu's animation indices, and the screen resets.
#include <gtest/gtest.h>

#include <vector>

#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "tests/support/library_fixture.h"

namespace {

class MenuUtilitiesTest : public LibraryTest {
 protected:
  void SetUp() override {
    LibraryTest::SetUp();
    s = Statics<GameStatics>();
    s->cGame_menuItems = NewIntArray(50);
    // Layout 3: a header whose element 2 names its first list row (4), then twelve items of
    // twelve values, value k of item n being 100 n + k.
    s->cGame_menuLayouts = NewObjectArray(cid::ObjectArray, 20);
    ObjectArray* layout = NewObjectArray(cid::ShortArray, 13);
    layout->elements()[0] = NewShortArray(4);
    static_cast<ShortArray*>(layout->elements()[0])->elements()[2] = 4;
    for (int32_t n = 1; n < 13; n++) {
      ShortArray* item = NewShortArray(12);
      for (int32_t k = 0; k < 12; k++) item->elements()[k] = static_cast<int16_t>(100 * n + k);
      layout->elements()[n] = item;
    }
    s->cGame_menuLayouts->elements()[3] = layout;
    s->cGame_currentMenu = 3;
  }
  int32_t visible(int32_t item) const {
    auto* layout = static_cast<ObjectArray*>(s->cGame_menuLayouts->elements()[3]);
    return static_cast<ShortArray*>(layout->elements()[item])->elements()[9];
  }

  GameStatics* s = nullptr;
};

TEST_F(MenuUtilitiesTest, AnEntryListBecomesTheCurrentMenu) {
  IntArray* list = FillIntArray(NewIntArray(5), 5, 69, -1, 209, 60, 62);
  cGame::setMenuItems(0, list, 4, 1, 7);
  EXPECT_EQ(s->cGame_currentMenu, 7);
  EXPECT_EQ(s->cGame_currentMenuList, list);
  EXPECT_EQ(s->cGame_menuTitle, 69);
  EXPECT_EQ(s->cGame_menuSubtitle, -1);
  EXPECT_EQ(s->cGame_menuFlag, 1);
  EXPECT_EQ(s->cGame_menuItemCount, 3);
  EXPECT_EQ(
      std::vector<int32_t>(s->cGame_menuItems->elements(), s->cGame_menuItems->elements() + 3),
      (std::vector<int32_t>{209, 60, 62}));
  // A list longer than the item table fills the table and no more.
  IntArray* longList = NewIntArray(80);
  cGame::setMenuItems(0, longList, 4, 0, 3);
  EXPECT_EQ(s->cGame_menuItemCount, 50);
  cGame::setMenuItems(0, nullptr, 4, 0, 3);
  EXPECT_EQ(s->cGame_menuItemCount, 50);
}

TEST_F(MenuUtilitiesTest, ItemParametersAndScrollArrowsReadTheCurrentLayout) {
  EXPECT_EQ(cGame::getMenuItemValue(0, 0), 405);  // item 4, value 5
  EXPECT_EQ(cGame::getMenuItemValue(2, 3), 608);
  EXPECT_EQ(cGame::getMenuItemValue(20, 0), 0);  // past the layout
  struct Case {
    int32_t scroll, count, up, down;
  };
  for (const Case c : {Case{0, 5, 0, 1}, Case{2, 5, 1, 1}, Case{4, 5, 1, 0}, Case{0, 1, 0, 0}}) {
    s->cGame_menuScroll = c.scroll;
    s->cGame_menuItemCount = c.count;
    cGame::updateMenuScrollArrows();
    EXPECT_EQ(visible(9), c.up) << c.scroll << " of " << c.count;
    EXPECT_EQ(visible(10), c.down) << c.scroll << " of " << c.count;
  }
  cGame::setListScrollItems(3, 2, 11, 12);
  cGame::updateListScrollArrows();
  EXPECT_EQ(visible(11), 1);
  EXPECT_EQ(visible(12), 0);
  cGame::setListScrollItems(3, 0, 11, 40);  // an arrow item the layout lacks is left alone
  cGame::updateListScrollArrows();
  EXPECT_EQ(visible(11), 0);
}

TEST_F(MenuUtilitiesTest, TheFirstPlayWritesTheHintsAsTheIntroList) {
  s->cGame_introTexts = NewIntArray(6);
  s->cGame_introSpeakers = NewIntArray(6);
  s->cGame_firstPlayHints = 0;
  cGame::initHintSequence();
  EXPECT_EQ(s->cGame_hintMode, 0);
  EXPECT_EQ(s->cGame_introCount, 0);
  s->cGame_firstPlayHints = 1;
  s->cGame_menuSelection = 3;
  s->cGame_menuAnimA = s->cGame_menuAnimB = 2;
  cGame::resetMenuAnims();
  EXPECT_EQ(s->cGame_hintMode, 1);
  EXPECT_EQ(s->cGame_firstPlayHints, 0);
  EXPECT_EQ(s->cGame_hintTextStep, -1);
  EXPECT_TRUE(s->cGame_hintSequenceSet);
  ASSERT_EQ(s->cGame_introCount, 5);
  for (int32_t i = 0; i < 5; i++) {
    EXPECT_EQ(s->cGame_introTexts->elements()[i] + 480, 626 + i);  // the texts shown
    EXPECT_EQ(s->cGame_introSpeakers->elements()[i], i % 2 ? 2 : 1);
  }
  EXPECT_EQ(s->cGame_menuRememberedSelection, 3);
  EXPECT_EQ(s->cGame_menuAnimA, -1);
  EXPECT_EQ(s->cGame_menuAnimB, -1);
  cGame::clearHintMode();
  EXPECT_EQ(s->cGame_hintMode, -1);
}

TEST_F(MenuUtilitiesTest, ModeTablesAndFinishedAnimations) {
  s->cGame_optionValuesD = FillIntArray(NewIntArray(4), 4, 7, 7, 7, 7);
  s->cGame_optionValuesE = FillIntArray(NewIntArray(2), 2, 4, 3);
  s->cGame_optionValuesH = NewIntArray(0);
  s->cGame_hintMode = 1;
  s->cGame_hintTextStep = 1;
  cGame::selectModeTable();
  EXPECT_TRUE(cGame::isInModeTable(3));
  EXPECT_FALSE(cGame::isInModeTable(7));
  s->cGame_hintTextStep = 4;
  cGame::selectModeTable();
  EXPECT_FALSE(cGame::isInModeTable(0));
  s->cGame_hintTextStep = 9;
  cGame::selectModeTable();
  EXPECT_FALSE(cGame::isInModeTable(3));

  // Player 0 plays for ever, player 1 has ended.
  ASprite* sprite = NewObject<ASprite>();
  sprite->initFields();
  s->cGame_layoutPlayers = NewObjectArray(cid::MQLibPlayer, 2);
  auto* looping = NewObject<MQLibPlayer>(sprite, 0, 0);
  looping->anim = 0;
  looping->loopCounter = -1;
  s->cGame_layoutPlayers->elements()[0] = looping;
  s->cGame_layoutPlayers->elements()[1] = NewObject<MQLibPlayer>(MQLibPlayer::Reset::kReset);
  s->cGame_menuAnimA = 0;
  s->cGame_menuAnimB = 1;
  cGame::clearFinishedMenuAnims();  // the hints show: both stay
  EXPECT_EQ(s->cGame_menuAnimB, 1);
  s->cGame_hintMode = -1;
  cGame::clearFinishedMenuAnims();
  EXPECT_EQ(s->cGame_menuAnimA, 0);
  EXPECT_EQ(s->cGame_menuAnimB, -1);
  s->cGame_menuAnimA = 5;  // no such player
  cGame::clearFinishedMenuAnims();
  EXPECT_EQ(s->cGame_menuAnimA, -1);
}

TEST_F(MenuUtilitiesTest, TheScreenResetsZeroAndDropWhatTheyName) {
  IntArray* table = FillIntArray(NewIntArray(3), 3, 1, 2, 3);
  s->cGame_screenTable = table;
  s->cGame_screenRefA = s->cGame_screenRefB = s->cGame_screenRefC = table;
  cGame::releaseScreenArrays();
  EXPECT_EQ(table->elements()[2], 0);
  EXPECT_EQ(s->cGame_screenTable, nullptr);
  EXPECT_EQ(s->cGame_screenRefB, nullptr);
  EXPECT_EQ(s->cGame_screenRefC, table);
  cGame::clearAllScreenRefs();
  EXPECT_EQ(s->cGame_screenRefC, nullptr);
  s->cGame_screenTableB = FillIntArray(NewIntArray(2), 2, 5, 6);
  cGame::clearScreenTables();
  EXPECT_EQ(s->cGame_screenTableB->elements()[1], 0);
  s->cGame_screenPlayerA = NewObject<MQLibPlayer>();
  cGame::releaseScreenPlayers();
  EXPECT_EQ(s->cGame_screenPlayerA, nullptr);
}

}  // namespace
