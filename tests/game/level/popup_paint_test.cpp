// The popup and the touch overlay painted into an image over the data set's sprites and fonts
// (loaded as the boot does): the opening clip, kind 1's buttons and labels by the choice, the
// blinking prompt, the soft keys' hit tests, and an overlay without buttons.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/shell/loader_support.h"
#include "host/file_roots.h"
#include "javame/file.h"
#include "javame/graphics.h"
#include "javame/image.h"
#include "runtime/array.h"
#include "runtime/string.h"
#include "tests/support/started_runtime_fixture.h"

namespace {

using Image = javax_microedition_lcdui_Image;
constexpr int32_t kW = 480, kH = 800;
constexpr int32_t kGround = 0x00FF00;

class PopupPaintTest : public StartedRuntimeTest {
 protected:
  void SetUp() override {
    StartedRuntimeTest::SetUp();
    s_ = Statics<GameStatics>();
    host::SetDataRoot(PLIMORA_DATA_PATH);
    s_->cGame_archiveFile = nullptr;
    cGame::stateBoot(cGame::kStateEnter);
    cGame::bootLoad();
    // The images are roots through the statics while the test paints.
    s_->cGame_backBuffer = Image::createImage(kW, kH);
    s_->cGame_backBufferGraphics = s_->cGame_backBuffer->getGraphics();
  }
  // The back buffer filled with the ground and made the drawing target.
  void Clear() {
    javax_microedition_lcdui_Graphics* g = s_->cGame_backBufferGraphics;
    g->setClip(0, 0, kW, kH);
    g->setColor(kGround);
    g->fillRect(0, 0, kW, kH);
    s_->cGame_drawGraphics = g;
  }
  std::vector<int32_t> Pixels() {
    IntArray* rgb = NewIntArray(kW * kH);
    s_->cGame_backBuffer->getRGB(rgb, 0, kW, 0, 0, kW, kH);
    return {rgb->elements(), rgb->elements() + kW * kH};
  }
  // The columns where the picture is not the ground.
  static std::pair<int32_t, int32_t> InkColumns(const std::vector<int32_t>& p) {
    int32_t left = kW, right = -1;
    for (int32_t i = 0; i < kW * kH; i++) {
      if ((p[i] & 0xFFFFFF) == kGround) continue;
      left = std::min(left, i % kW);
      right = std::max(right, i % kW);
    }
    return {left, right};
  }
  GameStatics* s_ = nullptr;
};

// 200 ms of opening: nothing at 0, the middle half at 100, the whole box (30..449) at 200.
TEST_F(PopupPaintTest, TheOpeningClipGrowsFromTheCentreLine) {
  struct Case {
    int64_t t;
    int32_t left, right;
  };
  const Case cases[] = {{0, kW, -1}, {100, 120, 359}, {200, 30, 449}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.t);
    Clear();
    cGame::openPopupChoice(28, 1, 0);
    s_->cGame_fadeTime = c.t;
    cGame::paintPopup();
    cGame::paintPopupBody();
    const auto [left, right] = InkColumns(Pixels());
    EXPECT_EQ(left, c.left);
    EXPECT_EQ(right, c.right);
  }
}

// The chosen button shows frame 6 with its label in palette 0, the other frame 4 with palette 1;
// the picture is that of the two frames and labels painted by hand over the box and the text.
TEST_F(PopupPaintTest, KindOnePaintsTheChosenButtonInFrameSixAndTheOtherInFrameFour) {
  ASprite* buttons = loader::SpriteAt(20);
  ASprite* font = loader::SpriteAt(3);
  ASSERT_NE(buttons, nullptr);
  ASSERT_NE(font, nullptr);
  ASSERT_GT(font->paletteCount, 1);
  for (const int32_t choice : {1, 0}) {
    SCOPED_TRACE(choice);
    Clear();
    cGame::openPopupChoice(28, choice, 0);
    s_->cGame_fadeTime = 200;
    cGame::paintPopup();
    const std::vector<int32_t> painted = Pixels();
    const int32_t by = s_->cGame_popupButtonY;

    Clear();
    javax_microedition_lcdui_Graphics* g = s_->cGame_drawGraphics;
    const int32_t th = s_->cGame_popupTextHeight, h1 = th + 228, y0 = kH / 2;
    g->setColor(0);
    g->fillRect(30, y0 - h1 / 2, 420, h1);
    font->setCurrentPalette(1);
    String* text = s_->cGame_popupWrapped;
    font->drawPage(g, text, kW / 2, y0 + th / 2 - h1 / 2 + 32, 3, 0, text->length());
    for (int32_t i = 0; i < 2; i++) {
      const bool chosen = (choice == 1) == (i == 0);
      buttons->paintFrame(g, chosen ? 6 : 4, kW / 2, by + 58 * i, 0, 0, 0);
      font->setCurrentPalette(chosen ? 0 : 1);
      font->drawString(g, cGame::getText(6 + i), nullptr, kW / 2, by + 58 * i, 3, false);
    }
    EXPECT_TRUE(Pixels() == painted);
  }
}

// Kinds 0 and 2 draw text 38 at y 475 only while bit 9 of the tick is set.
TEST_F(PopupPaintTest, ThePromptShowsOnlyWhileBitNineOfTheTickIsSet) {
  auto paintAt = [&](int64_t tick) {
    Clear();
    cGame::openPopupText(29, 3, 320);
    s_->cGame_fadeTime = 200;
    s_->cGame_frameTick = tick;
    cGame::paintPopup();
    return Pixels();
  };
  const std::vector<int32_t> without = paintAt(0);
  struct Case {
    int64_t tick;
    bool shown;
  };
  const Case cases[] = {{0x200, true}, {0x1FF, false}, {0x600, true}, {0x400, false},
                        {0x12345A00, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tick);
    const std::vector<int32_t> p = paintAt(c.tick);
    int32_t differing = 0, outsideRow = 0;
    for (int32_t i = 0; i < kW * kH; i++) {
      if (p[i] == without[i]) continue;
      differing++;
      if (i / kW < 440 || i / kW > 510) outsideRow++;
    }
    EXPECT_EQ(differing > 0, c.shown);
    EXPECT_EQ(outsideRow, 0);
  }
}

// The right square (400, 720, 80, 80): pressed and let go outside it gives no key; let go inside
// it gives the left soft key for labels 0, 1 and a text's, the right one for label 2.
TEST_F(PopupPaintTest, TheRightSoftKeyReportsOnlyAReleaseInsideItsSquare) {
  struct Case {
    int32_t label, releaseX;
    int32_t key;
  };
  const Case cases[] = {{0, 440, 18}, {1, 440, 18}, {2, 440, 19}, {5, 440, 18},
                        {0, 300, 257}, {2, 380, 257}, {5, 200, 257}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.label) + " at " + std::to_string(c.releaseX));
    Clear();
    s_->cGame_softKeyLeft = -1;
    s_->cGame_softKeyRight = c.label;
    s_->cGame_pointerX = 440;
    s_->cGame_pointerY = 760;
    s_->cGame_tapX = s_->cGame_tapY = -1;
    cGame::paintTouchOverlay();
    EXPECT_EQ(s_->cGame_touchAction, 257);
    s_->cGame_pointerX = c.releaseX;
    cGame::paintTouchOverlay();
    s_->cGame_pointerX = s_->cGame_pointerY = -1;
    s_->cGame_tapX = c.releaseX;
    s_->cGame_tapY = 760;
    cGame::paintTouchOverlay();
    EXPECT_EQ(s_->cGame_touchAction, c.key);
  }
}

// With both labels -1 the overlay paints the shared player and nothing else.
TEST_F(PopupPaintTest, WithoutButtonsTheOverlayPaintsOnlyTheSharedPlayer) {
  MQLibPlayer* player = s_->cGame_sharedAnimPlayer;
  ASSERT_NE(player, nullptr);
  auto paint = [&](bool overlay) {
    Clear();
    player->reset();
    player->setSprite(loader::SpriteAt(32));
    player->x = 200;
    player->y = 300;
    player->setAnim(2, -1);
    if (overlay) {
      s_->cGame_softKeyLeft = s_->cGame_softKeyRight = -1;
      s_->cGame_frameTime = 0;
      cGame::paintTouchOverlay();
    } else {
      player->render();
    }
    return Pixels();
  };
  const std::vector<int32_t> alone = paint(false);
  EXPECT_EQ(InkColumns(alone).second >= 0, true) << "the player shows";
  EXPECT_TRUE(paint(true) == alone);
}

// A pressed soft key becomes the touch action and the latch is emptied; without one the
// action is none, and a press animation that has run out is stopped and rewound and both
// idle frames come back, while one still playing goes on.
TEST_F(PopupPaintTest, TheSoftKeyLatchPassesAKeyOnAndRestsTheButtonsOnceThePressHasPlayed) {
  MQLibPlayer* player = s_->cGame_sharedAnimPlayer;
  ASSERT_NE(player, nullptr);
  s_->cGame_touchSoftKey = 18;
  cGame::setSoftKeyPressed(player, 18);
  EXPECT_EQ(std::make_pair(s_->cGame_touchAction, s_->cGame_touchSoftKey), std::make_pair(18, 257));
  struct Case {
    const char* what;
    int32_t playFor;  // ms of a one-shot press animation; -1 none
    bool rests;
  };
  const Case cases[] = {
      {"still playing", 0, false}, {"played out", 5000, true}, {"no animation", -1, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    player->reset();
    player->setSprite(loader::SpriteAt(32));
    if (c.playFor >= 0) {
      player->setAnim(2, 1);
      player->setFrame(1);
      for (int32_t t = 0; t < c.playFor; t += 40) player->update(40);
    }
    const int32_t anim = player->anim, frame = player->frame;
    s_->cGame_softKeyIdleLeft = s_->cGame_softKeyIdleRight = false;
    s_->cGame_touchAction = 18;
    cGame::setSoftKeyPressed(player, 257);
    EXPECT_EQ(s_->cGame_touchAction, 257);
    EXPECT_EQ(s_->cGame_softKeyIdleLeft && s_->cGame_softKeyIdleRight, c.rests);
    if (c.rests) {
      EXPECT_EQ(std::make_pair(player->anim, player->frame), std::make_pair(-1, 0));
    } else {
      EXPECT_EQ(std::make_pair(player->anim, player->frame), std::make_pair(anim, frame));
    }
  }
}

}  // namespace
