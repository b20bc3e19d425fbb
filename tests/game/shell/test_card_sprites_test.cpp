// The test card's sprites and texts in one frame, in process: entering state 1 loads the boot
// sprites from the data set's pack "logo" into slots 0 to 2, the fonts into slots 3 to 5 and
// the sparkle into slot 9, and sets up the pixel effects; its paint and the control bar draw
// the logo in the eight transforms, the texts, the sparkle and the bar's frames exactly as the
// same modules drawn with drawRegion by hand, which is the picture the screenshot tests compare
// with (less the maths tables' gradients and sine, which the program test checks).
#include <gtest/gtest.h>

#include <vector>

#include "engine/sprite.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/shell/state_table.h"
#include "tests/platform/canvas.h"
#include "tests/support/started_runtime_fixture.h"
#include "tests/support/test_card_picture.h"
#include "tools/databuild/boot_sprites.h"

namespace {

// The Graphics transform of flags 0..7.
constexpr int32_t kToGraphics[8] = {0, 2, 1, 3, 5, 7, 4, 6};

// Module m of the builder's sprite as an Image, its key transparent.
Image* ModuleImage(const databuild::SpriteData& s, int m) {
  const databuild::SpriteModule& module = s.modules[m];
  std::vector<uint32_t> argb;
  for (const uint8_t index : module.pixels) argb.push_back(s.palettes[0][index]);
  return Image::createRGBImage(MakeInts(argb), module.width, module.height, true);
}

// Frame f's parts drawn by hand under flags t into the box of w x h at (x, y): each part's
// place moved by the flips and the turn of the box, its picture by drawRegion's transform.
void DrawFrame(Graphics* g, const databuild::SpriteData& s, int f, int t, int x, int y, int w,
               int h, int originX, int originY) {
  const databuild::SpriteFrame& frame = s.frames[f];
  for (int i = 0; i < frame.fmoduleCount; i++) {
    const databuild::SpriteFModule& part = s.fmodules[frame.firstFModule + i];
    const databuild::SpriteModule& m = s.modules[part.module];
    if (m.kind != databuild::ModuleKind::kImage) {
      g->setColor(static_cast<int32_t>(m.colour));
      g->fillRect(x + part.x - originX, y + part.y - originY, m.width, m.height);
      continue;
    }
    int px = part.x - originX, py = part.y - originY;
    if (t & 1) px = w - px - m.width;
    if (t & 2) py = h - py - m.height;
    if (t & 4) {
      const int turned = h - py - m.height;
      py = px;
      px = turned;
    }
    g->drawRegion(ModuleImage(s, part.module), 0, 0, m.width, m.height, kToGraphics[t], x + px,
                  y + py, 0);
  }
}

class TestCardSpritesTest : public StartedRuntimeTest {};

TEST_F(TestCardSpritesTest, TheCardsSpritesPaintAsDrawRegionDrawsThem) {
  PlantDataSetPacks();
  GameStatics* s = Statics<GameStatics>();
  Canvas painted(480, 800);
  s->cGame_drawGraphics = painted.graphics;
  s->cGame_keysLatched = NewByteArray(cGame::kGameKeyCount);  // every key up
  StateHandlerOf(1)(cGame::kStateEnter);
  ASSERT_NE(s->cGame_spriteTable, nullptr);
  for (const int32_t slot : {0, 1, 2, 3, 4, 5, 9}) {
    auto* sprite = static_cast<ASprite*>(s->cGame_spriteTable->elements()[slot]);
    ASSERT_NE(sprite, nullptr) << slot;
    EXPECT_GT(sprite->getFrameCount(), 0) << slot;
  }
  EXPECT_TRUE(s->MQPixEffects_effectsInitialised);
  StateHandlerOf(1)(cGame::kStatePaint);
  cGame::drawControlBar();

  // The same scene by hand: the card's ground and cells, the logos, the band and the bar.
  Canvas expected(480, 800);
  for (int32_t y = 0; y < 640; y++) {
    for (int32_t x = 0; x < 480; x++) {
      const bool cell = x >= kTestCardCellLeft && y >= kTestCardCellTop &&
                        (x - kTestCardCellLeft) / kTestCardCellPitch < kTestCardColumns &&
                        (y - kTestCardCellTop) / kTestCardCellPitch < 4 &&
                        (x - kTestCardCellLeft) % kTestCardCellPitch < kTestCardCellSize &&
                        (y - kTestCardCellTop) % kTestCardCellPitch < kTestCardCellSize;
      expected.at(x, y) =
          Graphics::Rgb888ToRgb565(cell ? TestCardKeyColour(0) : kTestCardBackground);
    }
  }
  const databuild::SpriteData logo = databuild::LogoSprite();
  for (int32_t t = 0; t < 8; t++) {
    const TestCardPlace place = TestCardLogoPlace(t);
    DrawFrame(expected.graphics, logo, 0, t, place.x, place.y, 178, 50, 0, 0);
  }
  const databuild::SpriteData bar = databuild::ControlBarSprite();
  expected.graphics->setColor(0);
  expected.graphics->fillRect(0, 640, 480, 160);
  DrawFrame(expected.graphics, bar, 0, 0, 0, 640, 480, 160, 0, 0);
  const int32_t kButtons[3][3] = {{1, 240, 720}, {2, 100, 720}, {3, 380, 720}};
  for (const auto& b : kButtons) DrawFrame(expected.graphics, bar, b[0], 0, b[1], b[2], 0, 0, 0, 0);
  // Before any update: the fade has not begun and the sparkle shows its first frame.
  TestCardScene scene;
  scene.fadeWidth = 0;
  scene.sparkleFrame = 0;
  DrawTestCardLayer(expected.graphics, scene);

  // The gradients and the sine are the maths tables' part of the card, pictured on their own.
  auto maths = [](int32_t x, int32_t y) {
    int32_t lines = 0;
    for (int32_t i = 0; i < 4; i++) {
      if (TestCardGradientLineAt(i, x, y, &lines) >= 0) return true;
    }
    return TestCardSineDots().contains({x, y});
  };
  const std::vector<uint16_t> picture = TestCardPicture(scene);
  int32_t wrong = 0, pictured = 0;
  for (int32_t y = 0; y < 800; y++) {
    for (int32_t x = 0; x < 480; x++) {
      if (maths(x, y)) continue;
      wrong += painted.at(x, y) != expected.at(x, y);
      pictured += picture[static_cast<size_t>(y) * 480 + x] != expected.at(x, y);
    }
  }
  EXPECT_EQ(wrong, 0) << "pixels the card painted otherwise than drawRegion";
  EXPECT_EQ(pictured, 0) << "pixels of the screenshot tests' picture otherwise than drawRegion";
  EXPECT_EQ(TestCardLogo().w, 178);
  EXPECT_EQ(TestCardLogo().h, 50);
}

}  // namespace
