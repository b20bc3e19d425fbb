// The menus' own sprites from the data builder, painted as the menu states paint them on a
// memory image: the background covers the screen, and the value arrows show on the side where
// a value lies.
#include <gtest/gtest.h>

#include <vector>

#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "tests/platform/canvas.h"
#include "tests/support/library_fixture.h"
#include "tests/support/managed_bytes.h"
#include "tools/databuild/layout_writer.h"
#include "tools/databuild/menu_sprites.h"
#include "tools/databuild/sprite_writer.h"

namespace {

constexpr uint16_t kGround = 0x0841;

ASprite* Loaded(const databuild::SpriteData& data) {
  ASprite* sprite = NewObject<ASprite>();
  sprite->initFields();
  sprite->load(ManagedBytes(databuild::WriteSprite(data)), 0, 0, 0);
  sprite->buildModuleImages(0, 0, -1, -1);
  return sprite;
}

class MenuArtTest : public LibraryTest {
 protected:
  void SetUp() override {
    LibraryTest::SetUp();
    s = Statics<GameStatics>();
    if (!s->cGame_menuLists) cGame::clinitTables();
    s->cGame_spriteTable = NewObjectArray(cid::Object, 63);
    s->cGame_spriteTable->elements()[21] = Loaded(databuild::MenuBackgroundSprite());
    s->cGame_spriteTable->elements()[31] = Loaded(databuild::ValueArrowSprite());
    cGame::initMenuTables();
    const std::vector<std::vector<uint8_t>> entries = databuild::LayoutEntries();
    cGame::parseLayout(ManagedBytes(entries[0]));
    for (int32_t t = 1; t < 20; t++) cGame::parseLayoutTable(t, ManagedBytes(entries[t]));
    cGame::assignAnimationSlots();
    canvas_ = new Canvas(480, 800);
    canvas_->fill(kGround);
    s->cGame_drawGraphics = canvas_->graphics;
  }
  void TearDown() override {
    delete canvas_;
    LibraryTest::TearDown();
  }
  // Pixels other than ground inside (x, y, w, h).
  int32_t PaintedIn(int32_t x, int32_t y, int32_t w, int32_t h) const {
    int32_t n = 0;
    for (int32_t j = y; j < y + h; j++) {
      for (int32_t i = x; i < x + w; i++) n += canvas_->at(i, j) != kGround ? 1 : 0;
    }
    return n;
  }

  GameStatics* s = nullptr;
  Canvas* canvas_ = nullptr;
};

TEST_F(MenuArtTest, TheBackgroundCoversTheScreen) {
  cGame::createMenuHeaderPlayer();
  ASSERT_NE(s->cGame_screenBackPlayer, nullptr);
  s->cGame_screenBackPlayer->render();
  EXPECT_EQ(canvas_->count(kGround), 0);
}

// The award list (state 24) over its three entries: the left arrow once a value lies below,
// the right one while one lies above.
TEST_F(MenuArtTest, ValueArrowsShowWhereAValueLies) {
  struct Case {
    int32_t value;
    bool left, right;
  };
  cGame::stateMenu24(cGame::kStateEnter);
  s->cGame_menuItemCount = 3;
  for (const Case c : {Case{0, false, true}, Case{1, true, true}, Case{2, true, false}}) {
    SCOPED_TRACE(c.value);
    canvas_->fill(kGround);
    s->cGame_menuValue = c.value;
    s->cGame_fullRedraw = false;
    cGame::stateMenu24(cGame::kStatePaint);
    EXPECT_EQ(PaintedIn(100, 738, 60, 60) > 0, c.left);
    EXPECT_EQ(PaintedIn(320, 738, 60, 60) > 0, c.right);
  }
}

}  // namespace
