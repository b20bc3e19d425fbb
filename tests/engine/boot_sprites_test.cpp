// The data set's boot sprites, pack "logo", read through the real archive and pack as the
// boot state loads them: the logo, the control bar and the loading screen, with the frames,
// places and rectangles the shell paints them by.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/cgame.h"
#include "runtime/string.h"
#include "tests/engine/sprite_fixture.h"
#include "tests/support/runtime_fixture.h"
#include "tools/databuild/data_set.h"

namespace {

class BootSpritesTest : public SpriteTest {
 protected:
  void SetUp() override {
    SpriteTest::SetUp();
    for (const databuild::Pack& pack : databuild::DataSetPacks()) {
      if (pack.name != "logo") continue;
      for (const databuild::ArchiveEntry& file : databuild::WritePack(pack)) {
        PlantArchiveEntry(file.name, file.bytes);
      }
    }
    cGame::openPack(NewJavaString("logo"));
    TraceCapture trace;
    for (int32_t entry = 0; entry < 3; entry++) {
      sprites_[entry] = cGame::loadSprite(entry, 1, 0, 0, true, false, 0, nullptr);
    }
    cGame::closeResourceStream();
    EXPECT_TRUE(trace.lines().empty()) << trace.lines().front();
  }
  std::vector<int32_t> Bounds(int32_t entry, int32_t frame) {
    IntArray* out = NewIntArray(4);
    sprites_[entry]->getFrameBounds(out, frame, 0, 0, 0);
    return Four(out);
  }

  ASprite* sprites_[3] = {};
};

TEST_F(BootSpritesTest, EachIsAKeyedPaletteSpriteWithItsImagesBuilt) {
  std::vector<int32_t> encodings;
  for (ASprite* sprite : sprites_) {
    ASSERT_GT(sprite->moduleCount, 0);
    ASSERT_EQ(sprite->paletteCount, 1);
    EXPECT_EQ(static_cast<uint32_t>(
                  static_cast<IntArray*>(sprite->palettes->elements()[0])->elements()[0]),
              ASprite::kKeyColour);
    encodings.push_back(sprite->pixelFormat & 0xFFFF);
    for (int32_t m = 0; m < sprite->moduleCount; m++) {
      if (sprite->moduleKind->elements()[m] == ASprite::kImage) {
        EXPECT_NE(sprite->getModuleImage(m, 0), nullptr) << m;
      }
    }
  }
  EXPECT_EQ(encodings, (std::vector<int32_t>{0x56F2, 0x27F1, 0x64F0}));
}

TEST_F(BootSpritesTest, TheLogoFitsTheBootScreenInEveryTransform) {
  const std::vector<int32_t> b = Bounds(0, 0);
  EXPECT_EQ(b[0], 0);
  EXPECT_EQ(b[1], 0);
  EXPECT_LE(b[2], 200);
  EXPECT_LE(b[3], 60);
  EXPECT_EQ(sprites_[0]->getFrameWidth(0), b[2]);
  EXPECT_EQ(sprites_[0]->getFrameHeight(0), b[3]);
  // Turned, it is as tall as it was wide.
  IntArray* out = NewIntArray(4);
  sprites_[0]->getFrameBounds(out, 0, 0, 0, 4);
  EXPECT_EQ(out->elements()[3] - out->elements()[1], b[2]);
}

TEST_F(BootSpritesTest, TheControlBarFillsItsBandAndCentresItsButtons) {
  ASSERT_EQ(sprites_[1]->getFrameCount(), 7);
  EXPECT_EQ(Bounds(1, 0), (std::vector<int32_t>{0, 0, 480, 160}));
  for (int32_t frame = 1; frame <= 6; frame++) {
    const std::vector<int32_t> b = Bounds(1, frame);
    EXPECT_EQ(b[0], -b[2]) << frame;
    EXPECT_EQ(b[1], -b[3]) << frame;
    EXPECT_LE(b[2] * 2, 160) << frame;
  }
  // Lit buttons cover the buttons they light.
  for (int32_t frame = 1; frame <= 3; frame++) EXPECT_EQ(Bounds(1, frame), Bounds(1, frame + 3));
  Canvas screen(480, 800);
  sprites_[1]->paintFrame(screen.graphics, 0, 0, 640, 0, 0, 0);
  EXPECT_EQ(screen.count(0), 480 * 640);  // every pixel of the band painted, none above it
}

TEST_F(BootSpritesTest, TheLoadingScreenCoversTheScreenAndItsBarHasAFillRectangle) {
  EXPECT_EQ(Bounds(2, 0), (std::vector<int32_t>{0, 0, 480, 800}));
  Canvas screen(480, 800);
  screen.fill(0);
  sprites_[2]->paintFrame(screen.graphics, 0, 0, 0, 0, 0, 0);
  EXPECT_EQ(screen.count(0), 0);
  IntArray* rect = NewIntArray(4);
  sprites_[2]->getFrameRect(1, 0, rect, 0);
  const std::vector<int32_t> fill = Four(rect);
  const std::vector<int32_t> bar = Bounds(2, 1);
  EXPECT_GT(fill[2], 300);
  EXPECT_GT(fill[3], 10);
  // The fill lies inside the trough, which stays clear of the bubbles below y 230 + its height.
  EXPECT_GE(fill[0], bar[0]);
  EXPECT_GE(fill[1], bar[1]);
  EXPECT_LE(fill[0] + fill[2], bar[2]);
  EXPECT_LE(fill[1] + fill[3], bar[3]);
}

}  // namespace
