// ASprite's palette operations and cGame's sprite loaders over packs written by the data
// builder: alpha treatments, blends, tint palettes rebuilt when their amount changes, the
// palette mask walked bit by bit, the image cache built, skipped and kept after freeData.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/cgame.h"
#include "tests/engine/sprite_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

using namespace sprite_test;

std::vector<uint32_t> Colours(ASprite* sprite, int32_t p) {
  auto* palette = static_cast<IntArray*>(sprite->palettes->elements()[p]);
  const auto* first = reinterpret_cast<const uint32_t*>(palette->elements());
  return std::vector<uint32_t>(first, first + palette->length);
}

// Two palettes of five colours: the key, opaque red, translucent green, transparent blue,
// opaque grey; palette 1 holds alpha masks in its red channel.
SpriteData FiveColours() {
  SpriteData s = PaletteSprite(flag::kImagesAllowed, 1);
  s.palettes = {{ASprite::kKeyColour, 0xFFFF0000, 0x8000FF00, 0x000000FF, 0xFF808080},
                {0xFF000000, 0xFF400000, 0xFF800000, 0xFFC00000, 0xFF200000}};
  s.modules.push_back(ImageModule(5, 1, [](int i) { return i; }));
  s.modules.push_back(ImageModule(2, 2, [](int i) { return i % 2 + 1; }));
  s.modules.push_back(ImageModule(1, 3, [](int) { return 4; }));
  const SpriteFModule first[] = {{0, 0, 0, 0}};
  const SpriteFModule second[] = {{1, 0, 0, 0}, {2, 2, 0, 0}};
  AddFrame(s, first);
  AddFrame(s, second);
  const SpriteAFrame anim[] = {{1, 1, 0, 0, 0}};
  AddAnimation(s, anim);
  return s;
}

class SpritePalettesTest : public SpriteTest {
 protected:
  void PlantSprites(const std::vector<SpriteData>& sprites) {
    std::vector<std::vector<uint8_t>> entries;
    for (const SpriteData& s : sprites) entries.push_back(databuild::WriteSprite(s));
    PlantAndOpenPack("sp", entries);
  }
};

TEST_F(SpritePalettesTest, AlphaTreatments) {
  struct Case {
    const char* name;
    bool keepKey, multiply;
    std::vector<uint32_t> expected;
  };
  const Case kCases[] = {
      {"every colour", false, false, {0x40FF00FF, 0x40FF0000, 0x4000FF00, 0x400000FF, 0x40808080}},
      {"keeping the key and the transparent",
       true,
       false,
       {0x00FF00FF, 0x40FF0000, 0x4000FF00, 0x000000FF, 0x40808080}},
      {"multiplied", false, true, {0x00FF00FF, 0x3FFF0000, 0x2000FF00, 0x000000FF, 0x3F808080}},
  };
  for (const Case& c : kCases) {
    ASprite* sprite = Load(FiveColours());
    sprite->setPaletteAlpha(0, 0x40, c.keepKey, c.multiply);
    EXPECT_EQ(Colours(sprite, 0), c.expected) << c.name;
  }
  ASprite* sprite = Load(FiveColours());
  sprite->applyLastAlphaPalette(0);
  EXPECT_EQ(Colours(sprite, 0),
            (std::vector<uint32_t>{0x00FF00FF, 0x40FF0000, 0x8000FF00, 0x000000FF, 0x20808080}));
  EXPECT_TRUE(sprite->hasTransparency && sprite->hasPartialAlpha);
}

TEST_F(SpritePalettesTest, BlendsKeepTheKeyAndMoveEachChannel) {
  ASprite* sprite = Load(FiveColours());
  const int32_t target = sprite->appendPalette();
  ASSERT_EQ(target, 2);
  EXPECT_TRUE(sprite->blendPalette(128, 0, static_cast<int32_t>(0xFF0000FF), target, true));
  EXPECT_EQ(Colours(sprite, target),
            (std::vector<uint32_t>{0x00FF00FF, 0xFF7F007F, 0xBF007F7F, 0x7F0000FF, 0xFF4040BF}));
  // Toward palette 1, colour by colour.
  sprite->blendPalette(256, 0, 1, target, false);
  EXPECT_EQ(Colours(sprite, target),
            (std::vector<uint32_t>{0x00FF00FF, 0xFF400000, 0xFF800000, 0xFFC00000, 0xFF200000}));
}

TEST_F(SpritePalettesTest, AtMostSixteenPalettes) {
  ASprite* sprite = Load(FiveColours());
  for (int32_t p = 2; p < 16; p++) EXPECT_EQ(sprite->appendPalette(), p);
  TraceCapture trace;
  EXPECT_EQ(sprite->appendPalette(), -1);
  EXPECT_EQ(sprite->addTintPalette(0, 0xFFFFFF, 100, true, true), -1);
  EXPECT_EQ(sprite->paletteCount, 16);
  EXPECT_EQ(sprite->tintPalette, -1);
  EXPECT_EQ(sprite->moduleTintStamp, nullptr);
  EXPECT_EQ(trace.lines().size(), 2u);
  sprite->setCurrentPalette(16);
  sprite->setCurrentPalette(-1);
  EXPECT_EQ(sprite->getCurrentPalette(), 0);
  sprite->setCurrentPalette(15);
  EXPECT_EQ(sprite->getCurrentPalette(), 15);
}

TEST_F(SpritePalettesTest, ATintPaletteIsRebuiltAfterItsAmountChanges) {
  ASprite* sprite = Load(FiveColours());
  const int32_t tint = sprite->addTintPalette(0, static_cast<int32_t>(0xFFFFFFFF), 0, true, true);
  ASSERT_EQ(tint, 2);
  sprite->setCurrentPalette(tint);
  Canvas canvas(1, 3);
  sprite->paintModule(canvas.graphics, 2, 0, 0, 0);  // the opaque grey module
  EXPECT_EQ(canvas.at(0, 0), 0x8410);                // the amount 0: grey as it is
  sprite->setPaletteBlendAmount(255);
  EXPECT_EQ(sprite->tintAmount, 255);
  EXPECT_EQ(Colours(sprite, tint)[1], 0xFFFFFEFEu);
  EXPECT_EQ(Colours(sprite, tint)[4], 0xFFFEFEFEu);
  sprite->paintModule(canvas.graphics, 2, 0, 0, 0);
  EXPECT_EQ(canvas.at(0, 0), 0xFFFF);  // rebuilt from the blended palette
  EXPECT_EQ(sprite->moduleTintStamp->elements()[2], static_cast<int8_t>(255));
  EXPECT_EQ(sprite->moduleTintStamp->elements()[1], 0);  // modules not painted keep theirs
  // A second tint palette is blended even with the amount of the first.
  const int32_t second =
      sprite->addTintPalette(0, static_cast<int32_t>(0xFF000000), 255, false, true);
  EXPECT_EQ(Colours(sprite, second)[1], 0xFF000000u);
}

TEST_F(SpritePalettesTest, TheLoaderTreatsAndBuildsThePalettesOfTheMask) {
  SpriteData s = FiveColours();
  s.palettes.resize(3, s.palettes[0]);
  PlantSprites({s});
  TraceCapture trace;
  // Bit 31 is walked as an unsigned bit: palettes 0 and 2, then the missing ones, once.
  ASprite* sprite =
      cGame::loadSprite(0, static_cast<int32_t>(0x80000005u), 1, 0x40, true, false, 0, nullptr);
  ASSERT_EQ(trace.lines().size(), 1u);
  EXPECT_NE(
      trace.lines()[0].find("entry 0): the palette mask 0x80000000 names palettes past its 3"),
      std::string::npos)
      << trace.lines()[0];
  for (int32_t p : {0, 2}) {
    EXPECT_EQ(Colours(sprite, p)[1], 0x3FFF0000u) << p;  // translucent colours: multiplied
    for (int32_t m = 0; m < 3; m++) EXPECT_NE(sprite->getModuleImage(m, p), nullptr) << p << m;
  }
  EXPECT_EQ(Colours(sprite, 1)[1], 0xFF400000u);
  EXPECT_EQ(sprite->getModuleImage(0, 1), nullptr);
  EXPECT_EQ(sprite->tintSourcePalette, -1);
  EXPECT_EQ(sprite->scale, -1);
}

TEST_F(SpritePalettesTest, SkippedModulesAndListedAnimationsLimitTheImagesBuilt) {
  PlantSprites({FiveColours()});
  ByteArray* skip = ManagedBytes({0, 1});  // module 2 lies past the array: built
  ASprite* some = cGame::loadSprite(0, 1, 0, 0, true, false, 0, skip);
  EXPECT_NE(some->getModuleImage(0, 0), nullptr);
  EXPECT_EQ(some->getModuleImage(1, 0), nullptr);
  EXPECT_NE(some->getModuleImage(2, 0), nullptr);
  IntArray* anims = MakeInts({0});
  ASprite* animated = cGame::loadSpriteWithPalette(0, 1, 0, 0, true, false, 0, anims);
  EXPECT_EQ(animated->getModuleImage(0, 0), nullptr);  // frame 1 uses modules 1 and 2
  EXPECT_NE(animated->getModuleImage(1, 0), nullptr);
  EXPECT_NE(animated->getModuleImage(2, 0), nullptr);
}

TEST_F(SpritePalettesTest, AFreedSpritePaintsTheSamePixelsFromItsCache) {
  PlantSprites({FiveColours()});
  ASprite* kept = cGame::loadSprite(0, 1, 0, 0, true, false, 0, nullptr);
  ASprite* freed = cGame::loadSprite(0, 1, 0, 0, true, true, 0, nullptr);
  EXPECT_EQ(freed->pixelData, nullptr);
  EXPECT_EQ(freed->palettes, nullptr);
  EXPECT_EQ(freed->modulePixelOffset, nullptr);
  for (int32_t flags = 0; flags < 8; flags++) {
    Canvas a(8, 8), b(8, 8);
    kept->paintFrame(a.graphics, 1, 2, 2, flags, 0, 0);
    freed->paintFrame(b.graphics, 1, 2, 2, flags, 0, 0);
    EXPECT_EQ(PixelsOf(a), PixelsOf(b)) << flags;
    EXPECT_LT(b.count(0), 64) << flags;
  }
  // The cache is all that is left: an uncached module paints nothing.
  freed->moduleImages = nullptr;
  Canvas c(8, 8);
  freed->paintFrame(c.graphics, 1, 2, 2, 0, 0, 0);
  EXPECT_EQ(c.count(0), 64);
}

}  // namespace
