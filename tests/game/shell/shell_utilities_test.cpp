// cGame's shell helpers: strings from the byte-array table, the hint number up to the current
// level, the back buffer, the one-colour palette and the arithmetic helpers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "runtime/static_class.h"
#include "tests/platform/canvas.h"
#include "tests/support/library_fixture.h"
#include "tests/support/managed_bytes.h"

namespace {

class ShellUtilitiesTest : public LibraryTest {};

ByteArray* Text(const std::string& text) {
  return ManagedBytes(std::vector<uint8_t>(text.begin(), text.end()));
}

TEST_F(ShellUtilitiesTest, GetTableStringDecodesEntriesAndGivesTheEmptyStringOutside) {
  GameStatics* s = Statics<GameStatics>();
  EXPECT_EQ(TextOf(cGame::getTableString(0)), "");  // no table yet
  ObjectArray* table = NewObjectArray(cid::ByteArray, 3);
  table->elements()[0] = Text("audio/x-wav");
  table->elements()[1] = Text("caf\xC3\xA9");  // UTF-8, as textEncoding names
  s->MQLibPlayer_soundFormatNames = table;
  s->cGame_textEncoding = NewJavaString("UTF-8");
  EXPECT_EQ(TextOf(cGame::getTableString(0)), "audio/x-wav");
  EXPECT_EQ(TextOf(cGame::getTableString(1)), "caf\xE9");  // one unit, U+00E9
  for (const int32_t outside : {2, 3, -1, INT32_MIN}) {
    EXPECT_EQ(cGame::getTableString(outside), GetConstantString(46)) << outside;
  }
}

TEST_F(ShellUtilitiesTest, MaxValueUpToCurrentLevelWalksTheHintsInOrder) {
  GameStatics* s = Statics<GameStatics>();
  EXPECT_EQ(cGame::maxValueUpToCurrentLevel(), 0);  // no hint table
  // (world, level, value) in ascending (world, level) order.
  s->cGame_hintWorlds = ManagedBytes({0, 0, 1, 1, 2});
  s->cGame_hintLevels = ManagedBytes({0, 5, 0, 3, 0});
  s->cGame_hintValues = ManagedBytes({1, 3, 2, 6, 9});
  struct Case {
    int32_t world, level, expected;
  };
  const Case kCases[] = {{1, 2, 3}, {1, 3, 6}, {0, 4, 1}, {0, -1, 0}, {5, 0, 9}};
  for (const Case& c : kCases) {
    s->cGame_currentWorld = c.world;
    s->cGame_currentLevel = c.level;
    EXPECT_EQ(cGame::maxValueUpToCurrentLevel(), c.expected) << c.world << ", " << c.level;
  }
  s->cGame_hintValues = ManagedBytes({1, 3, 2});  // the shortest array ends the walk
  EXPECT_EQ(cGame::maxValueUpToCurrentLevel(), 3);
}

TEST_F(ShellUtilitiesTest, TheBackBufferClearsAndDrawsWhole) {
  GameStatics* s = Statics<GameStatics>();
  Canvas back(6, 4);
  s->cGame_backBuffer = back.image;
  s->cGame_backBufferGraphics = back.graphics;
  cGame::clearBackBuffer(0x00FF00);
  EXPECT_EQ(back.count(0x07E0), 24);
  Canvas screen(8, 5);
  screen.fill(0);
  cGame::drawBackBuffer(screen.graphics);
  EXPECT_EQ(screen.count(0x07E0), 24);
  EXPECT_EQ(screen.at(5, 3), 0x07E0);
  EXPECT_EQ(screen.at(6, 0), 0);
}

TEST_F(ShellUtilitiesTest, MakeSolidPaletteFillsOneArrayOnce) {
  GameStatics* s = Statics<GameStatics>();
  cGame::makeSolidPalette(0x123456);
  IntArray* palette = s->cGame_solidPalette;
  ASSERT_NE(palette, nullptr);
  ASSERT_EQ(palette->length, 256);
  EXPECT_EQ(palette->elements()[255], 0x123456);
  palette->elements()[7] = 0;
  cGame::makeSolidPalette(0x123456);  // the same colour: nothing
  EXPECT_EQ(palette->elements()[7], 0);
  cGame::makeSolidPalette(0);  // 0 is a colour like any other
  cGame::makeSolidPalette(-1);
  EXPECT_EQ(s->cGame_solidPalette, palette);
  for (int32_t i = 0; i < 256; i++) ASSERT_EQ(palette->elements()[i], -1);
}

TEST_F(ShellUtilitiesTest, ArithmeticHelpersAndTheLevelType) {
  EXPECT_EQ(cGame::distanceSquared(1, 2, 4, 6), 25);
  EXPECT_EQ(cGame::distanceSquared(-3, 0, 0, -4), 25);
  struct Case {
    int32_t v, lo, hi, expected;
  };
  for (const Case& c : {Case{5, 0, 10, 5}, Case{-1, 0, 10, 0}, Case{11, 0, 10, 10},
                        Case{10, 0, 10, 10}, Case{5, 10, 0, 10}}) {
    EXPECT_EQ(cGame::clamp(c.v, c.lo, c.hi), c.expected) << c.v;
  }
  Statics<GameStatics>()->cGame_levelType = 2;
  EXPECT_FALSE(cGame::isLevelTypeNot2());
  Statics<GameStatics>()->cGame_levelType = 7;
  EXPECT_TRUE(cGame::isLevelTypeNot2());
}

}  // namespace
