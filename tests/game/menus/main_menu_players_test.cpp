// The main menu's own players over the data set's sprites: the character's walk kept inside
// x 40..300 (turning where it stands at the ends), the title's decorations placed from the
// menu's first text item and painted with the character, and the erased progress bringing the
// first character set's sprites back.
#include <gtest/gtest.h>

#include <vector>

#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/cgame.h"
#include "runtime/constant_pool.h"
#include "tests/game/board/actor_fixture.h"
#include "tests/platform/canvas.h"
#include "tests/support/managed_bytes.h"
#include "tests/support/runtime_fixture.h"
#include "tools/databuild/layout_writer.h"

namespace {

constexpr int32_t kCharacterSlot = 15, kDecorSlot = 46;
constexpr uint16_t kGround = 0x0841;

class MainMenuPlayersTest : public ActorTest {
 protected:
  void SetUp() override {
    ActorTest::SetUp();
    PlantPacks({"characters", "boss"});
    cGame::openPack(GetConstantString(67));
    Store(kCharacterSlot, cGame::loadSprite(2, 1, 0, 0, true, false, 0, nullptr));
    cGame::openPack(GetConstantString(63));
    Store(kDecorSlot, cGame::loadSprite(0, 1, 0, 0, true, false, 0, nullptr));
    cGame::closeResourceStream();
    ASSERT_NE(Slot(kCharacterSlot), nullptr);
    ASSERT_NE(Slot(kDecorSlot), nullptr);
    cGame::initMenuTables();
  }
  void Store(int32_t slot, ASprite* sprite) { s->cGame_spriteTable->elements()[slot] = sprite; }
};

// One frame's step from x in a direction: taken inside 40..300, else the character turns round
// and stays; its animation shows the way it walks.
TEST_F(MainMenuPlayersTest, TheCharacterWalksInsideItsStretchAndTurnsAtItsEnds) {
  struct Case {
    int32_t x, dir, ms;
    int32_t endX, endDir, anim;
  };
  const Case kCases[] = {
      {100, 1, 1000, 160, 1, 4},  {100, -1, 1000, 40, -1, 3}, {299, 1, 40, 299, -1, 4},
      {41, -1, 100, 41, 1, 3},    {300, 1, 0, 300, 1, 4},     {250, 1, 833, 299, 1, 4},
  };
  cGame::setupMainMenu();
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.x);
    s->cGame_menuCharacterMode = 1;
    s->cGame_menuCharacterX = c.x;
    s->cGame_menuCharacterDir = c.dir;
    s->cGame_frameTime = c.ms;
    cGame::updateMenuCharacter();
    EXPECT_EQ(s->cGame_menuCharacterX, c.endX);
    EXPECT_EQ(s->cGame_menuCharacterDir, c.endDir);
    EXPECT_EQ(s->cGame_menuCharacterPlayer->anim, c.anim);
  }
  // However long it runs, standing and walking by the draws, it never leaves the stretch.
  s->cGame_frameTime = 40;
  bool walked = false, stood = false;
  for (int32_t frame = 0; frame < 3000; frame++) {
    const bool standing = s->cGame_menuCharacterMode == 0;
    cGame::updateMenuCharacter();
    ASSERT_GE(s->cGame_menuCharacterX, 40);
    ASSERT_LE(s->cGame_menuCharacterX, 300);
    (standing ? stood : walked) = true;
    if (standing) {
      ASSERT_EQ(s->cGame_menuCharacterPlayer->anim, 5);
    }
  }
  EXPECT_TRUE(walked && stood);
}

// The decorations hang at the title's left edge, below its middle by the hanging picture's
// height; they paint only where the menu has a title, the character always.
TEST_F(MainMenuPlayersTest, TheDecorationsHangFromTheTitleAndPaintWithTheCharacter) {
  const databuild::LayoutRecord layout = {20, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0, 0, -1}};
  const std::vector<databuild::LayoutRecord> titled = {layout,
                                                       {6, 60, 100, {0, 360, 40, 0, 0, 0, 1, 1}}};
  cGame::parseLayoutTable(2, ManagedBytes(databuild::WriteLayoutRecords(titled)));
  s->cGame_currentMenu = 2;
  IntArray* hang = NewIntArray(4);
  Slot(kDecorSlot)->getAFrameRect(2, 0, 0, hang, 0, false);
  Canvas canvas(480, 800);
  s->cGame_drawGraphics = canvas.graphics;
  cGame::setupMainMenu();
  EXPECT_TRUE(s->cGame_menuDecorShown);
  EXPECT_EQ(s->cGame_menuDecorX, 60);
  EXPECT_EQ(s->cGame_menuDecorY, 100 + 20 + hang->elements()[3]);
  EXPECT_EQ(s->cGame_menuDecorPlayerA->anim, 16);
  EXPECT_EQ(s->cGame_menuDecorPlayerB->anim, 1);
  auto inkIn = [&canvas](int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    int32_t n = 0;
    for (int32_t y = y0; y < y1; y++) {
      for (int32_t x = x0; x < x1; x++) n += canvas.at(x, y) != kGround;
    }
    return n;
  };
  canvas.fill(kGround);
  cGame::paintMainMenuPlayers();
  const int32_t decorY = s->cGame_menuDecorY, walkX = s->cGame_menuCharacterX;
  EXPECT_GT(inkIn(30, decorY - 30, 90, decorY + 30), 0) << "the decorations";
  EXPECT_GT(inkIn(walkX - 30, 590, walkX + 30, 650), 0) << "the character";

  // A menu without a text item has nothing to hang them from.
  const std::vector<databuild::LayoutRecord> untitled = {layout};
  cGame::parseLayoutTable(2, ManagedBytes(databuild::WriteLayoutRecords(untitled)));
  cGame::setupMainMenu();
  canvas.fill(kGround);
  cGame::paintMainMenuPlayers();
  EXPECT_EQ(inkIn(30, decorY - 30, 90, decorY + 30), 0);
  EXPECT_GT(inkIn(0, 590, 480, 650), 0);
  cGame::releaseMainMenuPlayers();
  EXPECT_EQ(s->cGame_menuCharacterPlayer, nullptr);
  EXPECT_EQ(s->cGame_menuDecorPlayerA, nullptr);
}

// The second set's sprites shown, erasing the progress from the main menu chooses the first set
// again and loads its three sprites; from the options the sprites stay for the next load.
TEST_F(MainMenuPlayersTest, ErasingFromTheMainMenuBringsTheFirstCharacterSetBack) {
  if (!s->cGame_menuLists) cGame::clinitTables();
  const std::vector<std::vector<uint8_t>> entries = databuild::LayoutEntries();
  cGame::parseLayout(ManagedBytes(entries[0]));
  for (int32_t t = 1; t < 20; t++) cGame::parseLayoutTable(t, ManagedBytes(entries[t]));
  cGame::assignAnimationSlots();
  cGame::initProgressTables();
  s->cGame_keysLatched = NewByteArray(cGame::kGameKeyCount);
  for (const auto& [handler, reloads] :
       std::vector<std::pair<void (*)(int32_t), bool>>{{cGame::stateMenu10, false},
                                                      {cGame::stateMainMenu, true}}) {
    SCOPED_TRACE(reloads);
    s->cGame_spriteSetOption = 1;
    s->cGame_loadedSpriteSet = 1;
    for (int32_t slot : {15, 16, 17}) Store(slot, nullptr);
    handler(cGame::kStateEnter);
    s->cGame_popupAnswered = true;
    s->cGame_popupTextId = 201;
    s->cGame_popupChoice = 1;
    handler(cGame::kStateUpdate);
    EXPECT_EQ(s->cGame_spriteSetOption, 0);
    EXPECT_EQ(s->cGame_loadedSpriteSet, reloads ? 0 : 1);
    for (int32_t slot : {15, 16, 17}) EXPECT_EQ(Slot(slot) != nullptr, reloads) << slot;
    handler(cGame::kStateExit);
  }
}

}  // namespace
