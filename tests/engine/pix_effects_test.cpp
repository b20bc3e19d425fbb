// MQPixEffects: the effect mask, the scaled drawing of effect 11 (sizes, source mapping, the
// alpha treatments, batches and the row buffer), sprite modules routed through the effects,
// the kernels, the oscillator, set-up and frame step, and cGame's drawing wrappers.
#include <gtest/gtest.h>

#include <vector>

#include "engine/pix_effects.h"
#include "game/cgame.h"
#include "tests/engine/sprite_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

using namespace sprite_test;

// A source of w x h whose pixel (x, y) shows x + 1 in its red and y + 1 in its green bits
// (x < 31, y < 63), so a drawn RGB565 pixel names the source pixel it came from, and no
// source pixel is black.
IntArray* Coordinates(int32_t w, int32_t h, uint32_t alpha = 0xFF) {
  std::vector<uint32_t> values;
  for (int32_t y = 0; y < h; y++) {
    for (int32_t x = 0; x < w; x++) values.push_back(alpha << 24 | (x + 1) << 19 | (y + 1) << 10);
  }
  return MakeInts(values);
}

struct Source {
  int32_t x, y;
  bool operator==(const Source&) const = default;
};

Source SourceOf(uint16_t pixel) {
  return {(pixel >> 11) - 1, ((pixel >> 5) & 63) - 1};
}

class PixEffectsTest : public SpriteTest {
 protected:
  void SetUp() override {
    SpriteTest::SetUp();
    MQPixEffects::init();
  }
  static IntArray* ScaleParams() {
    return static_cast<IntArray*>(
        Statics<GameStatics>()->MQPixEffects_effectParams->elements()[11]);
  }
  static void Scale(int32_t percent, int32_t alpha, int32_t mode = -1) {
    MQPixEffects::setEffect(MQPixEffects::kScale, false);
    FillIntArray(ScaleParams(), 3, mode, percent, alpha);
  }
  // The source pixels a canvas shows at dw x dh from (x0, y0).
  static std::vector<Source> Shown(const Canvas& c, int32_t x0, int32_t y0, int32_t dw,
                                   int32_t dh) {
    std::vector<Source> shown;
    for (int32_t y = y0; y < y0 + dh; y++) {
      for (int32_t x = x0; x < x0 + dw; x++) shown.push_back(SourceOf(c.at(x, y)));
    }
    return shown;
  }
  // Where the scaling takes destination (c, r) of dw x dh from, for a w x h source.
  static std::vector<Source> Mapped(int32_t w, int32_t h, int32_t dw, int32_t dh, int32_t c0 = 0,
                                    int32_t r0 = 0, int32_t cw = -1, int32_t ch = -1) {
    std::vector<Source> mapped;
    for (int32_t r = r0; r < r0 + (ch < 0 ? dh : ch); r++) {
      for (int32_t c = c0; c < c0 + (cw < 0 ? dw : cw); c++) {
        mapped.push_back(
            {static_cast<int32_t>(int64_t{c} * w / dw), static_cast<int32_t>(int64_t{r} * h / dh)});
      }
    }
    return mapped;
  }
};

TEST_F(PixEffectsTest, TheMaskAndItsFullScreenPart) {
  GameStatics* s = Statics<GameStatics>();
  EXPECT_EQ(s->MQPixEffects_effectMask, 0);
  EXPECT_TRUE(s->MQPixEffects_effectsInitialised);
  EXPECT_EQ(s->MQPixEffects_effectBufferImage, nullptr);  // no full support
  MQPixEffects::setEffect(3, false);
  EXPECT_EQ(s->MQPixEffects_effectMask, 0);
  EXPECT_EQ(s->MQPixEffects_fullScreenMask, 1 << 3);
  EXPECT_TRUE(MQPixEffects::isFullScreenEffectActive());
  MQPixEffects::clearEffect(3, false);
  EXPECT_FALSE(MQPixEffects::isFullScreenEffectActive());
  FillIntArray(ScaleParams(), 3, 2, 40, 7);
  MQPixEffects::setEffect(11, false);
  EXPECT_EQ(s->MQPixEffects_effectMask, 1 << 11);
  EXPECT_TRUE(MQPixEffects::isEffectOn(11));
  MQPixEffects::setEffect(8, true);
  EXPECT_EQ(s->MQPixEffects_effectMask, 1 << 11 | 1 << 8);
  EXPECT_EQ(MQPixEffects::scalePercent(), 40);
  MQPixEffects::clearEffect(11, true);
  EXPECT_EQ(std::vector<int32_t>(ScaleParams()->elements(), ScaleParams()->elements() + 3),
            (std::vector<int32_t>{-1, 100, -1}));
  MQPixEffects::setFullScreenMaskBit(9);
  EXPECT_TRUE(MQPixEffects::isFullScreenEffectActive());
  MQPixEffects::clearFullScreenMaskBit(9);
  EXPECT_FALSE(MQPixEffects::isFullScreenEffectActive());
  EXPECT_FALSE(MQPixEffects::useAlpha(true, 1));
  EXPECT_TRUE(MQPixEffects::useAlpha(false, 2));
  EXPECT_TRUE(MQPixEffects::useAlpha(true, 0));
}

TEST_F(PixEffectsTest, ScalingAtOneHundredWithoutAlphaPaintsAsWithout) {
  ASprite* cached = Load([] {
    SpriteData s = PaletteSprite(flag::kImagesAllowed, 9);
    for (size_t i = 1; i < 9; i++) s.palettes[0][i] |= 0xFF000000;  // a keyed cache
    s.modules.push_back(ImageModule(5, 3, [](int i) { return i % 9; }));
    return s;
  }());
  for (const bool cache : {false, true}) {
    if (cache) cached->buildModuleImages(0, 0, -1, -1);
    for (int32_t flags = 0; flags < 8; flags++) {
      MQPixEffects::clearEffect(11, true);
      Canvas plain(8, 8), scaled(8, 8);
      cached->paintModule(plain.graphics, 0, 1, 2, flags);
      Scale(100, -1);
      cached->paintModule(scaled.graphics, 0, 1, 2, flags);
      EXPECT_EQ(PixelsOf(scaled), PixelsOf(plain)) << cache << " " << flags;
    }
  }
}

TEST_F(PixEffectsTest, AtHalfAModuleIsDrawnOnceAtTheScaledSize) {
  SpriteData s = PaletteSprite(flag::kImagesAllowed, 2);
  s.palettes[0] = {0xFF00FF00, 0xFFFF0000};
  s.modules.push_back(ImageModule(40, 20, [](int i) { return i % 40 < 20; }));
  ASprite* sprite = Load(s);
  Scale(50, 255);
  Canvas canvas(50, 30);
  sprite->paintModule(canvas.graphics, 0, 3, 4, 0);
  EXPECT_EQ(canvas.count(0), 50 * 30 - 21 * 11);
  EXPECT_EQ(canvas.at(3, 4), 0xF800);
  EXPECT_EQ(canvas.at(23, 14), 0x07E0);
  EXPECT_EQ(canvas.at(24, 4), 0);
  // Routed effects other than the scaling draw nothing.
  MQPixEffects::clearEffect(11, true);
  MQPixEffects::setEffect(7, false);
  Canvas none(50, 30);
  sprite->paintModule(none.graphics, 0, 3, 4, 0);
  EXPECT_EQ(none.count(0), 50 * 30);
}

TEST_F(PixEffectsTest, ScaledSizesAndTheSourceMapping) {
  struct Case {
    const char* name;
    int32_t w, h, percent;
    int32_t dw, dh;
  };
  const Case kCases[] = {{"100 percent", 10, 10, 100, 11, 11},
                         {"0 percent", 10, 10, 0, 1, 1},
                         {"below 0 counts as 0", 10, 10, -20, 1, 1},
                         {"half", 30, 20, 50, 16, 11},
                         {"150 percent", 6, 4, 150, 10, 7}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    Canvas canvas(60, 40);
    IntArray* rowBuf = NewIntArray(ASprite::kScratchPixels);
    MQPixEffects::drawScaledRGB(canvas.graphics, Coordinates(c.w, c.h), rowBuf, 2, 3, c.w, c.h,
                                c.percent, -1, false, false);
    EXPECT_EQ(canvas.count(0), 60 * 40 - c.dw * c.dh);
    EXPECT_EQ(Shown(canvas, 2, 3, c.dw, c.dh), Mapped(c.w, c.h, c.dw, c.dh));
  }
  // The last row and column of 10 x 10 at 100 percent repeat source row and column 9.
  Canvas canvas(11, 11);
  MQPixEffects::drawScaledRGB(canvas.graphics, Coordinates(10, 10), NewIntArray(200), 0, 0, 10, 10,
                              100, -1, false, false);
  EXPECT_EQ(SourceOf(canvas.at(10, 10)), (Source{9, 9}));
  EXPECT_EQ(SourceOf(canvas.at(9, 10)), (Source{8, 9}));
}

TEST_F(PixEffectsTest, BatchesPiecesAndTheClipDrawTheSamePicture) {
  // 8 x 6 at 150 percent: 13 x 10 destination pixels.
  Canvas whole(40, 30);
  MQPixEffects::drawScaledRGB(whole.graphics, Coordinates(8, 6), NewIntArray(1000), 5, 4, 8, 6, 150,
                              -1, false, false);
  const std::vector<Source> expected = Mapped(8, 6, 13, 10);
  ASSERT_EQ(Shown(whole, 5, 4, 13, 10), expected);
  // Three rows a batch and a last one of one row; a buffer shorter than a row, in pieces.
  for (const int32_t length : {39, 5, 1}) {
    Canvas c(40, 30);
    MQPixEffects::drawScaledRGB(c.graphics, Coordinates(8, 6), NewIntArray(length), 5, 4, 8, 6, 150,
                                -1, false, false);
    EXPECT_EQ(PixelsOf(c), PixelsOf(whole)) << length;
  }
  // 5000 percent makes 401 x 301 pixels: only the clip's are made, with the same mapping.
  Canvas clipped(40, 30);
  clipped.graphics->setClip(10, 5, 20, 15);
  MQPixEffects::drawScaledRGB(clipped.graphics, Coordinates(8, 6), NewIntArray(64), -100, -50, 8, 6,
                              5000, -1, false, false);
  EXPECT_EQ(clipped.count(0), 40 * 30 - 20 * 15);
  EXPECT_EQ(Shown(clipped, 10, 5, 20, 15), Mapped(8, 6, 401, 301, 110, 55, 20, 15));
  // An empty row buffer draws nothing, with a trace.
  TraceCapture trace;
  Canvas none(4, 4);
  MQPixEffects::drawScaledRGB(none.graphics, Coordinates(2, 2), NewIntArray(0), 0, 0, 2, 2, 100, -1,
                              false, false);
  EXPECT_EQ(none.count(0), 16);
  EXPECT_EQ(trace.lines().size(), 1u);
}

TEST_F(PixEffectsTest, TheFourAlphaTreatments) {
  // Opaque white, half-transparent white, the key (alpha 0xFF), and transparent black.
  IntArray* src = MakeInts({0xFFFFFFFF, 0x80FFFFFF, 0xFFFF00FF, 0x00000000});
  struct Case {
    const char* name;
    int32_t alpha;
    bool processAlpha, multiply;
    std::vector<uint16_t> pixels;  // over a grey 0x8410 ground
  };
  const Case kCases[] = {
      {"copied, alpha ignored", -1, false, false, {0xFFFF, 0xFFFF, 0xF81F, 0x0000}},
      {"copied, alpha used", -1, true, false, {0xFFFF, 0xBDF7, 0xF81F, 0x8410}},
      {"multiplied", 128, false, true, {0xBDF7, 0x9CF3, 0xBA17, 0x8410}},
      {"keyed", 128, true, false, {0xBDF7, 0xBDF7, 0x8410, 0x4208}},
      {"replaced", 128, false, false, {0xBDF7, 0xBDF7, 0xBA17, 0x4208}},
  };
  for (const Case& c : kCases) {
    Canvas canvas(4, 1);
    canvas.fill(0x8410);
    MQPixEffects::drawScaledRGB(canvas.graphics, src, NewIntArray(16), 0, 0, 4, 1, 75, c.alpha,
                                c.processAlpha, c.multiply);
    EXPECT_EQ(PixelsOf(canvas), c.pixels) << c.name;
  }
}

TEST_F(PixEffectsTest, Kernels) {
  // blendAdd reads a source flipped in x into the target; the key source pixel is left out.
  IntArray* src = MakeInts({0x00100000, 0x00FF00FF, 0x00F00102, 0x00010203});
  IntArray* dst = MakeInts({0xFF200000, 0xFF202020, 0xFF000000, 0xFFFFFFFF});
  MQPixEffects::blendAdd(src, 1, 2, -1, dst, 2, 2);
  EXPECT_EQ(
      std::vector<int32_t>(dst->elements(), dst->elements() + 4),
      (std::vector<int32_t>{static_cast<int32_t>(0xFF200000), 0x00302020, 0x00010203, 0x00FFFFFF}));
  IntArray* multiplied = MakeInts({0x00404040});
  MQPixEffects::blendMultiplyAdd(MakeInts({0x00802000}), 0, 1, 1, multiplied, 1, 1);
  EXPECT_EQ(multiplied->elements()[0], 0x00C06040);  // d + s d / 64 a channel
  TraceCapture trace;
  MQPixEffects::blendAdd(src, 1, 2, 1, dst, 2, 2);  // would read element 4
  EXPECT_EQ(trace.lines().size(), 1u);

  IntArray* in = MakeInts({0x80306090, 0x40FF00FF, 0xFFFF55FF});
  IntArray* out = NewIntArray(3);
  struct Grey {
    int32_t a;
    bool keyMode, multiply;
    std::vector<uint32_t> expected;
  };
  const Grey kGreys[] = {{-1, false, false, {0x80303030, 0x40FFFFFF, 0xFFFFFFFF}},
                         {-1, true, false, {0x80303030, 0, 0}},
                         {64, false, true, {0x20303030, 0x10FFFFFF, 0x3FFFFFFF}},
                         {64, true, false, {0x40303030, 0, 0}},
                         {64, false, false, {0x40303030, 0x40FFFFFF, 0x40FFFFFF}}};
  for (const Grey& g : kGreys) {
    MQPixEffects::greyFromRed(in, out, 3, g.a, g.keyMode, g.multiply);
    const auto* first = reinterpret_cast<const uint32_t*>(out->elements());
    EXPECT_EQ(std::vector<uint32_t>(first, first + 3), g.expected) << g.a << g.keyMode;
  }
  MQPixEffects::setAlpha(in, out, 3, 300, true, false);
  const auto* first = reinterpret_cast<const uint32_t*>(out->elements());
  EXPECT_EQ(std::vector<uint32_t>(first, first + 3),
            (std::vector<uint32_t>{0xFF306090, 0, 0xFFFF55FF}));
  EXPECT_TRUE(Statics<GameStatics>()->MQPixEffects_effectOutputAlpha);
}

TEST_F(PixEffectsTest, BlendingOntoTheScreenPacksTheClippedRegion) {
  // A 3 x 2 source turned (flags 4) onto a 2 x 3 region, clipped to its lower two rows.
  IntArray* src = MakeInts({0x010000, 0x020000, 0x030000, 0x040000, 0x050000, 0x060000});
  IntArray* buffer = MakeInts({0x10, 0x20, 0x30, 0x40, 0x50, 0x60});
  Canvas canvas(10, 10);
  canvas.graphics->setClip(0, 5, 10, 5);
  IntArray* result = MQPixEffects::blendOntoScreen(canvas.graphics, src, buffer, 3, 4, 3, 2, 4,
                                                   true, false, false);
  ASSERT_EQ(result, buffer);
  EXPECT_EQ(Statics<GameStatics>()->MQPixEffects_effectOutputWidth, 2);
  EXPECT_EQ(Statics<GameStatics>()->MQPixEffects_effectOutputHeight, 2);
  EXPECT_FALSE(Statics<GameStatics>()->MQPixEffects_effectOutputAlpha);
  // Turned: row 1 of the region is (source 4, source 1), row 2 (source 5, source 2).
  EXPECT_EQ(std::vector<int32_t>(buffer->elements(), buffer->elements() + 4),
            (std::vector<int32_t>{0x050030, 0x020040, 0x060050, 0x030060}));
  EXPECT_EQ(MQPixEffects::blendOntoScreen(canvas.graphics, src, buffer, 3, 0, 3, 2, 4, true, false,
                                          false),
            nullptr);
}

TEST_F(PixEffectsTest, TheOscillatorSwingsWithTheClock) {
  PlantDataSetPacks();  // the oscillator's cosine reads the data set's table
  cGame::loadFixedPointTables();
  struct Case {
    int32_t clock, value;
  };
  // At one turn a second (8.8), the clock's 183rd ms is a quarter turn, its 547th three.
  for (const Case& c : {Case{0, 20}, Case{183, 30}, Case{547, 10}}) {
    Statics<GameStatics>()->MQPixEffects_effectClock = c.clock;
    EXPECT_EQ(MQPixEffects::oscillate(256, 10, 30), c.value) << c.clock;
  }
}

TEST_F(PixEffectsTest, TheFrameStepAndTheWrappers) {
  GameStatics* s = Statics<GameStatics>();
  Canvas screen(8, 8);
  s->cGame_drawGraphics = screen.graphics;
  MQPixEffects::setEffect(2, false);
  MQPixEffects::update(40);
  MQPixEffects::update(15);
  EXPECT_EQ(s->MQPixEffects_effectClock, 55);
  EXPECT_EQ(s->cGame_drawGraphics, screen.graphics);  // no full support: no effect buffer
  s->cGame_effectsFullSupport = true;
  MQPixEffects::init();
  ASSERT_NE(s->MQPixEffects_effectBufferImage, nullptr);
  EXPECT_EQ(s->MQPixEffects_effectBufferImage->width, 480);
  MQPixEffects::setEffect(2, false);
  MQPixEffects::update(1);
  EXPECT_EQ(s->cGame_drawGraphics, s->MQPixEffects_effectBufferGraphics);
  EXPECT_EQ(s->cGame_screenGraphics, s->MQPixEffects_effectBufferGraphics);
  s->cGame_effectsFullSupport = false;

  s->cGame_drawGraphics = screen.graphics;
  screen.graphics->setColor(0xFFFFFF);
  cGame::fillRect(1, 1, 2, 3);
  EXPECT_EQ(screen.count(0xFFFF), 6);
  cGame::drawRGB(screen.graphics, MakeInts({0xFF0000FF}), 0, 1, 7, 7, 1, 1, false);
  EXPECT_EQ(screen.at(7, 7), 0x001F);

  // Magenta becomes transparent in a keyed copy; the kept buffer is reused when long enough.
  Image* source = Image::createRGBImage(MakeInts({0xFFFF00FF, 0xFF00FF00, 0xFF00FF00, 0xFFFF00FF}),
                                        2, 2, false);
  Image* keyed = cGame::makeKeyedImage(source);
  ASSERT_NE(keyed, nullptr);
  EXPECT_EQ(ArgbOf(keyed), (std::vector<uint32_t>{0, 0xFF00FF00, 0xFF00FF00, 0}));
  IntArray* kept = s->cGame_keyedImagePixels;
  cGame::makeKeyedImage(Image::createRGBImage(MakeInts({0xFF000000}), 1, 1, false));
  EXPECT_EQ(static_cast<IntArray*>(s->cGame_keyedImagePixels), kept);
}

}  // namespace
