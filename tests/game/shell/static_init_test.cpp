// The game's static initialisation as start-up runs it: the shell's start-up values, the work
// arrays at their capacities (alive after a collection), the menu lists and other constant
// tables, the layout constants taken from 480 x 800, and the text statics.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "engine/mqlib_player.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/graphics.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "runtime/static_class.h"
#include "runtime/string.h"
#include "tests/support/array_values.h"
#include "tests/support/library_fixture.h"

namespace {

class StaticInitTest : public LibraryTest {};

TEST_F(StaticInitTest, TheLayoutConstantsFollowTheCanvasAtStartUpOnly) {
  GameStatics* s = Statics<GameStatics>();
  struct Case {
    const char* name;
    int32_t* value;
    int32_t expected;
  };
  const Case kCases[] = {
      {"screenCentreX", &s->cGame_screenCentreX, 240},
      {"quarterX", &s->cGame_quarterX, 120},
      {"bottomRowY", &s->cGame_bottomRowY, 799},
      {"scaleUnit2", &s->cGame_scaleUnit2, 512},
      {"scaleUnit4", &s->cGame_scaleUnit4, 1024},
      {"scaleUnit", &s->cGame_scaleUnit, 256},
      {"scaleUnitHalf", &s->cGame_scaleUnitHalf, 128},
      {"bannerSpeed", &s->cGame_bannerSpeed, 400 << 8},
      {"layoutFactor", &s->cGame_layoutFactor, 71680},
      {"canvasWidthAtStart", &s->cGame_canvasWidthAtStart, 480},
      {"canvasHeightAtStart", &s->cGame_canvasHeightAtStart, 800},
      {"mapPanelX", &s->cGame_mapPanelX, 288},
      {"mapPanelY", &s->cGame_mapPanelY, 774},
      {"mapWalkSpeed", &s->cGame_mapWalkSpeed, 33280},
  };
  const std::vector<int32_t> kPanel = {432, 620, 740, 436, 288};
  const std::vector<int32_t> kEdges = {470, 680, 760, 5,   80,  20,  440, 760, 400, 720,
                                       400, 320, 280, 620, 400, 560, 330, 420, 30};
  auto check = [&] {
    for (const Case& c : kCases) EXPECT_EQ(*c.value, c.expected) << c.name;
    EXPECT_EQ(ValuesOf<IntArray>(s->cGame_panelRect), kPanel);
    EXPECT_EQ(ValuesOf<IntArray>(s->cGame_edgeLayout), kEdges);
    EXPECT_FALSE(s->cGame_constantFalse);
    EXPECT_TRUE(s->cGame_constantTrue);
  };
  check();
  // The play state runs at 480 x 640: the constants keep the start-up size.
  NewObject<cGame>()->sizeChanged(480, 640);
  ASSERT_EQ(s->cGame_canvasHeight, 640);
  check();
}

TEST_F(StaticInitTest, MenuListsAreTwentyOneSeparateListsEachWithItsHeading) {
  ObjectArray* lists = Statics<GameStatics>()->cGame_menuLists;
  ASSERT_EQ(lists->length, 21);
  std::set<Object*> distinct;
  for (int32_t n = 0; n < 21; n++) {
    const std::vector<int32_t> list = ValuesOf<IntArray>(lists->elements()[n]);
    ASSERT_GE(list.size(), 2u) << n;
    EXPECT_EQ(list[1], -1) << n;
    distinct.insert(lists->elements()[n]);
  }
  EXPECT_EQ(distinct.size(), 21u);
  EXPECT_EQ(ValuesOf<IntArray>(lists->elements()[15]), (std::vector<int32_t>{65, -1}));
  EXPECT_EQ(ValuesOf<IntArray>(lists->elements()[16]), (std::vector<int32_t>{65, -1}));
  EXPECT_EQ(ValuesOf<IntArray>(lists->elements()[17]), (std::vector<int32_t>{64, -1}));
  std::vector<int32_t> list10 = {636, -1};
  for (int32_t item = 637; item <= 661; item++) list10.push_back(item);
  EXPECT_EQ(ValuesOf<IntArray>(lists->elements()[10]), list10);
  EXPECT_EQ(ValuesOf<IntArray>(lists->elements()[12]).size(), 27u);
  EXPECT_EQ(Statics<GameStatics>()->cGame_unlockFlagCount, 15);
}

TEST_F(StaticInitTest, WorkArraysHaveTheirCapacitiesAndSurviveACollection) {
  GameStatics* s = Statics<GameStatics>();
  struct Case {
    const char* name;
    Object* array;
    int32_t classId, length;
  };
  const Case kCases[] = {
      {"soundData", s->cGame_soundData, cid::ObjectArray, 38},
      {"soundLoops", s->cGame_soundLoops, cid::ByteArray, 38},
      {"menuItems", s->cGame_menuItems, cid::IntArray, 50},
      {"menuSavedSelection", s->cGame_menuSavedSelection, cid::IntArray, 21},
      {"eventQueue", s->cGame_eventQueue, cid::IntArray, 40},
      {"triggerEvent", s->cGame_triggerEvent, cid::IntArray, 50},
      {"triggerFlags", s->cGame_triggerFlags, cid::IntArray, 50},
      {"triggerMustSet", s->cGame_triggerMustSet, cid::IntArray, 50},
      {"triggerMustClear", s->cGame_triggerMustClear, cid::IntArray, 50},
      {"triggerMustRise", s->cGame_triggerMustRise, cid::IntArray, 50},
      {"triggerMustFall", s->cGame_triggerMustFall, cid::IntArray, 50},
      {"triggerOrder", s->cGame_triggerOrder, cid::IntArray, 50},
      {"rectScratch", s->cGame_rectScratch, cid::IntArray, 4},
      {"particlePool", s->cGame_particlePool, cid::ObjectArray, 3000},
      {"particleEmitters", s->cGame_particleEmitters, cid::ObjectArray, 50},
      {"menuStartTable", s->cGame_menuStartTable, cid::IntArray, 1},
      {"levelsPerWorld", s->cGame_levelsPerWorld, cid::IntArray, 12},
      {"worldTexts", s->cGame_worldTexts, cid::ObjectArray, 12},
      {"colourTable", s->cGame_colourTable, cid::IntArray, 14},
      {"variantOrder", s->cGame_variantOrder, cid::IntArray, 8},
      {"buttonPointsA", s->cGame_buttonPointsA, cid::IntArray, 16},
      {"buttonPointsB", s->cGame_buttonPointsB, cid::IntArray, 16},
      {"listedAwardIds", s->cGame_listedAwardIds, cid::IntArray, 6},
      {"shellStrings", s->cGame_shellStrings, cid::ObjectArray, 15},
      {"shellStringTable", s->cGame_shellStringTable, cid::ObjectArray, 10},
  };
  // Marks in the last particle row: a collection must keep the rows and what they hold.
  auto* lastRow = static_cast<IntArray*>(s->cGame_particlePool->elements()[2999]);
  lastRow->elements()[10] = 1234;
  CollectNow();
  CollectNow();
  for (const Case& c : kCases) {
    ASSERT_NE(c.array, nullptr) << c.name;
    EXPECT_EQ(c.array->classId, c.classId) << c.name;
    EXPECT_EQ(static_cast<Array*>(c.array)->length, c.length) << c.name;
  }
  for (ObjectArray* rows : {static_cast<ObjectArray*>(s->cGame_particlePool),
                            static_cast<ObjectArray*>(s->cGame_particleEmitters)}) {
    for (int32_t row = 0; row < rows->length; row++) {
      Object* words = rows->elements()[row];
      ASSERT_TRUE(words && words->classId == cid::IntArray) << row;
      ASSERT_EQ(static_cast<IntArray*>(words)->length, 11) << row;
    }
  }
  EXPECT_EQ(static_cast<IntArray*>(s->cGame_particlePool->elements()[2999])->elements()[10], 1234);
}

TEST_F(StaticInitTest, ConstantTablesHoldTheirValues) {
  GameStatics* s = Statics<GameStatics>();
  EXPECT_EQ(ValuesOf<IntArray>(s->cGame_levelsPerWorld),
            (std::vector<int32_t>{13, 13, 13, 13, 13, 13, 13, 13, 10, 10, 10, 1}));
  EXPECT_EQ(ValuesOf<IntArray>(s->cGame_variantOrder),
            (std::vector<int32_t>{0, 3, 5, 4, 2, 1, 7, 6}));
  EXPECT_EQ(ValuesOf<IntArray>(s->cGame_colourTable)[3], 0xB34102);
  EXPECT_EQ(ValuesOf<IntArray>(s->cGame_colourTable)[13], 0xBFEDFF);
  EXPECT_EQ(ValuesOf<IntArray>(s->cGame_optionValuesA), (std::vector<int32_t>{7, 9}));
  EXPECT_EQ(ValuesOf<IntArray>(s->cGame_optionValuesD), (std::vector<int32_t>{7, 7, 7, 7}));
  EXPECT_EQ(ValuesOf<IntArray>(s->cGame_optionValuesF), (std::vector<int32_t>{2, 1}));
  EXPECT_EQ(ValuesOf<IntArray>(s->cGame_optionValuesH), std::vector<int32_t>{});
  EXPECT_EQ(ValuesOf<IntArray>(s->cGame_listedAwardIds),
            (std::vector<int32_t>{16, 17, 19, 20, 22, 23}));
  EXPECT_EQ(ValuesOf<IntArray>(s->cGame_buttonPointsB)[15], 164);
  EXPECT_EQ(s->cGame_fixOne, 256);
  EXPECT_EQ(s->cGame_fixQuarter, 64);
  EXPECT_EQ(s->cGame_fixThreeQuarters, 192);
  EXPECT_EQ(s->cGame_fixPi, 804);
  EXPECT_EQ(s->MQLibPlayer_animTick, 40);
  EXPECT_EQ(s->MQLibPlayer_soundChannelCount, 4);
  for (int32_t world = 0; world < 12; world++) {
    EXPECT_EQ(cGame::getStatic12(world), world < 8 ? 13 : world < 11 ? 10 : 1) << world;
    EXPECT_EQ(cGame::getStatic16(world), world) << world;
  }
  EXPECT_EQ(cGame::getStatic12(12), 0);
  EXPECT_EQ(cGame::getStatic16(-1), 0);
}

TEST_F(StaticInitTest, TextStaticsAreStringConstantsByNumber) {
  GameStatics* s = Statics<GameStatics>();
  EXPECT_EQ(s->cGame_textEncoding, GetConstantString(270));
  EXPECT_EQ(s->cGame_shellName, GetConstantString(302));
  EXPECT_EQ(s->cGame_defaultText, GetConstantString(46));
  for (int32_t i = 0; i < 15; i++) {
    EXPECT_EQ(s->cGame_shellStrings->elements()[i], GetConstantString(277 + i)) << i;
  }
  for (int32_t i = 0; i < 10; i++) {
    EXPECT_EQ(s->cGame_shellStringTable->elements()[i], GetConstantString(292 + i)) << i;
  }
  for (int32_t world = 0; world < 12; world++) {
    EXPECT_EQ(s->cGame_worldTexts->elements()[world], GetConstantString(world)) << world;
  }
}

TEST_F(StaticInitTest, TheShellStartsWithItsDefaults) {
  GameStatics* s = Statics<GameStatics>();
  EXPECT_EQ(s->cGame_canvasWidth, 480);
  EXPECT_EQ(s->cGame_canvasHeight, 800);
  EXPECT_EQ(s->cGame_softKeyLeft, -1);
  EXPECT_EQ(s->cGame_softKeyRight, -1);
  EXPECT_FALSE(s->cGame_softKeysFlag);
  EXPECT_EQ(s->cGame_touchMarginX, 80);
  EXPECT_EQ(s->cGame_touchMarginY, 80);
  EXPECT_EQ(s->cGame_chainedLoadKind, -1);
  EXPECT_EQ(s->cGame_chainedStateAfterLoad, -1);
  EXPECT_FALSE(s->cGame_loadChained);
  EXPECT_TRUE(s->cGame_loadFresh);
  EXPECT_EQ(s->cGame_levelVariant, 1);
  EXPECT_FALSE(s->cGame_levelRestart);
  EXPECT_FALSE(s->cGame_musicEnabled);
  EXPECT_EQ(s->cGame_popupFont, 3);
  EXPECT_TRUE(s->cGame_levelIntroTextsEnabled);
  EXPECT_EQ(s->cGame_drawGraphics, nullptr);
  EXPECT_EQ(s->cGame_chooserWorld, -1) << "no world is chosen outside the level chooser";
}

}  // namespace
