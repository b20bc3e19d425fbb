// Screen tests: a started runtime over the data set's packs with the body font in sprite slot
// 3, the text table loaded, the progress tables made, the key arrays, and a 480 x 800 memory
// image as the paint target; helpers that send a state its messages and press game keys.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/sprite.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/graphics.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/constant_pool.h"
#include "tests/platform/canvas.h"
#include "tests/support/library_fixture.h"

class ScreenTest : public LibraryTest {
 protected:
  static constexpr int32_t kFontSlot = 3;
  static constexpr int32_t kFontPack = 274;  // string constants naming the packs
  static constexpr int32_t kTextPack = 273;
  static constexpr int32_t kBodyFontEntry = 3;

  void SetUp() override {
    LibraryTest::SetUp();
    s = Statics<GameStatics>();
    PlantDataSetPacks();
    s->cGame_spriteTable = NewObjectArray(cid::Object, 63);
    cGame::loadTextPack(GetConstantString(kTextPack), 0);
    cGame::openPack(GetConstantString(kFontPack));
    ASprite* font = cGame::loadSprite(kBodyFontEntry, 3, 0, 0, true, false, 0, nullptr);
    s->cGame_spriteTable->elements()[kFontSlot] = font;
    cGame::buildFontCharMap(font, cGame::readPackEntryObject(0));
    cGame::closeResourceStream();
    ASSERT_NE(font, nullptr);
    cGame::initProgressTables();
    s->cGame_keysLive = NewByteArray(cGame::kGameKeyCount);
    s->cGame_keysLatched = NewByteArray(cGame::kGameKeyCount);
    s->cGame_nextState = -1;
    screen_ = new Canvas(480, 800);
    s->cGame_drawGraphics = screen_->graphics;
  }
  void TearDown() override {
    delete screen_;
    LibraryTest::TearDown();
  }

  ASprite* Font() const { return CheckCast<ASprite>(s->cGame_spriteTable->elements()[kFontSlot]); }

  // One update with game key k pressed in this frame (none for k < 0).
  template <typename Handler>
  void Update(Handler handler, int32_t k = -1, int32_t dt = 40) {
    s->cGame_frameTime = dt;
    if (k >= 0) s->cGame_keysLatched->elements()[k] = 1;
    handler(cGame::kStateUpdate);
    if (k >= 0) s->cGame_keysLatched->elements()[k] = 0;
  }

  // The box {minX, minY, maxX, maxY} of the pixels of colour rgb (RGB 888); all -1 when none.
  std::vector<int32_t> BoxOf(int32_t rgb) const {
    const uint16_t pixel = javax_microedition_lcdui_Graphics::Rgb888ToRgb565(rgb);
    std::vector<int32_t> box = {-1, -1, -1, -1};
    for (int32_t y = 0; y < 800; y++) {
      for (int32_t x = 0; x < 480; x++) {
        if (screen_->at(x, y) != pixel) continue;
        if (box[0] < 0) box = {x, y, x, y};
        box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x), y};
      }
    }
    return box;
  }

  GameStatics* s = nullptr;
  Canvas* screen_ = nullptr;
};
