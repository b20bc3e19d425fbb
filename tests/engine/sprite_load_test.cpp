// ASprite's loading over sprites written by the data builder's sprite writer: every flag,
// palette format and pixel encoding decodes to the written pictures, computed frame bounds
// equal stored ones, and malformed data loads as the rulings say, with its trace line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/sprite.h"
#include "tests/engine/sprite_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

using namespace sprite_test;

// What the reader gives back for a written colour: 0x6505 keeps no alpha-0 colour but its
// key 0xF81F, which converts to transparent 0x00F800F8.
uint32_t ReadBack(int format, uint32_t c) {
  return format == 0x6505 && c >> 24 == 0 ? 0x00F800F8u : c;
}

bool HasLine(const TraceCapture& trace, const std::string& part) {
  for (const std::string& line : trace.lines()) {
    if (line.find(part) != std::string::npos) return true;
  }
  return false;
}

// Image modules of several sizes and patterns (runs long and short), with a shape between
// them so that pixel offsets skip its empty entry.
void AddModules(SpriteData& s, int colours) {
  const auto wrap = [colours](int v) { return v % colours; };
  s.modules.push_back(ImageModule(7, 3, [&](int i) { return wrap(i * 5 + i / 7); }));
  s.modules.push_back(Shape(ModuleKind::kFilledRect, 0xFF102030, 4, 2));
  s.modules.push_back(ImageModule(1, 1, [&](int) { return colours - 1; }));
  s.modules.push_back(ImageModule(40, 3, [&](int i) { return wrap(i / 9); }));
  if (s.flags & flag::kWideModuleSizes) {
    s.modules.push_back(ImageModule(300, 2, [&](int i) { return wrap(i / 150 + i % 3); }));
  }
  if (s.flags & flag::kWidePixelSizes) {  // the largest module a scratch buffer holds
    s.modules.push_back(ImageModule(200, 200, [&](int i) { return wrap(i / 200 + i % 2); }));
  }
  if (s.pixelEncoding == 0xA256) {
    for (SpriteModule& m : s.modules) {
      for (size_t i = 0; i < m.pixels.size(); i++) {
        m.alphas.push_back(static_cast<uint8_t>(i < 5 ? 0xFE : i / 4 * 40));
      }
    }
  }
  // A frame and an animation, so every section is there.
  const SpriteFModule parts[] = {{0, -3, 2, 0}, {2, 5, -1, 4}};
  AddFrame(s, parts, std::vector<SpriteRect>{{1, 2, 3, 4}});
  const SpriteAFrame frames[] = {{0, 3, -2, 7, 1}};
  AddAnimation(s, frames);
}

struct RoundTrip {
  const char* name;
  uint32_t flags;
  int format;
  int encoding;
  int colours;
};

class SpriteLoadTest : public SpriteTest {};

TEST_F(SpriteLoadTest, RoundTripsDecodeToTheWrittenPictures) {
  const RoundTrip kCases[] = {
      {"byte indexes", flag::kImagesAllowed, 0x8888, 0x5602, 200},
      {"nibbles, wide sizes", flag::kWideModuleSizes, 0x4444, 0x1600, 16},
      {"two bits, positions", flag::kModulePositions, 0x5515, 0x0400, 4},
      {"one bit, 32-bit pixel sizes", flag::kWidePixelSizes, 0x6505, 0x0200, 2},
      {"runs of index bits, wide frames, computed bounds",
       flag::kWideFrameValues | flag::kComputedBounds, 0x8888, 0x64F0, 16},
      {"runs of index bits, one colour", 0, 0x4444, 0x64F0, 1},
      {"runs of index bits, 256 colours", flag::kWidePixelSizes, 0x8888, 0x64F0, 256},
      {"runs or singles, rectangles", flag::kFrameRects, 0x4444, 0x27F1, 200},
      {"runs or literals, wide animation offsets", flag::kWideAFrameOffsets, 0x5515, 0x56F2, 30},
      {"colour and alpha runs", flag::kWideModuleSizes | flag::kWidePixelSizes, 0x8888, 0xA256, 9},
  };
  for (const RoundTrip& c : kCases) {
    SCOPED_TRACE(c.name);
    SpriteData s = PaletteSprite(c.flags, c.colours, 2, c.format);
    s.pixelEncoding = c.encoding;
    AddModules(s, c.colours);
    TraceCapture trace;
    ASprite* sprite = Load(s);
    EXPECT_TRUE(trace.lines().empty()) << trace.lines().front();
    ASSERT_EQ(sprite->moduleCount, static_cast<int32_t>(s.modules.size()));
    EXPECT_EQ(sprite->paletteCount, 2);
    EXPECT_EQ(sprite->colorsPerPalette, c.colours);
    for (int32_t p = 0; p < 2; p++) {
      for (size_t m = 0; m < s.modules.size(); m++) {
        const SpriteModule& written = s.modules[m];
        if (written.kind != ModuleKind::kImage) continue;
        std::vector<uint32_t> expected;
        for (size_t i = 0; i < written.pixels.size(); i++) {
          uint32_t colour = ReadBack(c.format, s.palettes[p][written.pixels[i]]);
          if (c.encoding == 0xA256)
            colour = (colour & 0xFFFFFF) | uint32_t{written.alphas[i]} << 24;
          expected.push_back(colour);
        }
        EXPECT_EQ(Decoded(sprite, static_cast<int32_t>(m), p), expected) << "module " << m;
      }
    }
    EXPECT_EQ(sprite->getModuleWidth(0), 7);
    EXPECT_EQ(sprite->getFrameCount(), 1);
    EXPECT_EQ(sprite->getFModuleX(0, 0), -3);
    EXPECT_EQ(sprite->getFModuleFlags(0, 1), 4);
    EXPECT_EQ(sprite->getAFrameTime(0, 0), 3);
    EXPECT_EQ(sprite->getAFrameXAt(0), -2);
    EXPECT_EQ(sprite->getAFrameYAt(0), 7);
  }
}

TEST_F(SpriteLoadTest, ComputedBoundsEqualStoredOnes) {
  for (const uint32_t width : {0u, flag::kWideFrameValues}) {
    SpriteData s = PaletteSprite(width, 4);
    s.modules.push_back(ImageModule(6, 3, [](int i) { return i % 4; }));
    s.modules.push_back(Shape(ModuleKind::kEmptyBox, 0, 9, 2));
    s.modules.push_back(Shape(ModuleKind::kFilledTriangle, 0xFF00FF00, 0, 0, {4, 4, -4, 4}));
    const SpriteFModule turned[] = {{0, -10, -4, 4}, {1, 3, 3, 0}};
    const SpriteFModule triangle[] = {{2, 7, -9, 0}};
    const SpriteFModule missing[] = {{200, 1, 1, 0}};
    AddFrame(s, turned);
    AddFrame(s, triangle);
    AddFrame(s, {});
    AddFrame(s, missing);
    ASprite* stored = Load(s);
    s.flags |= flag::kComputedBounds;
    ASprite* computed = Load(s);
    ASSERT_NE(stored->frameBounds, nullptr);
    ASSERT_NE(computed->frameBounds, nullptr);
    ASSERT_EQ(computed->frameBounds->classId, stored->frameBounds->classId);
    for (int32_t f = 0; f < 4; f++) {
      EXPECT_EQ(computed->getFrameWidth(f), stored->getFrameWidth(f)) << f;
      EXPECT_EQ(computed->getFrameHeight(f), stored->getFrameHeight(f)) << f;
    }
    EXPECT_EQ(computed->getFrameWidth(0), 22);  // the turned 3 x 6 module at -10, the box to 12
    EXPECT_EQ(computed->getFrameHeight(0), 9);  // -4 .. 2, then the box's 3 .. 5
    // An empty frame, and one whose only module is missing, keep the empty extremes.
    for (int32_t f : {2, 3}) {
      std::vector<int32_t> values;
      for (int32_t i = 0; i < 4; i++) {
        values.push_back(
            width ? static_cast<ShortArray*>(computed->frameBounds)->elements()[4 * f + i]
                  : static_cast<ByteArray*>(computed->frameBounds)->elements()[4 * f + i]);
      }
      EXPECT_EQ(values, (std::vector<int32_t>{-1, -1, 1, 1})) << f;
    }
  }
}

TEST_F(SpriteLoadTest, Rgb565KeepsOnlyItsKeyTransparent) {
  SpriteData s = PaletteSprite(0, 1, 1, 0x6505);
  s.palettes[0] = {0x00000000, 0xFF000000, 0xFFF8FCF8, 0xFFF800F0, 0xFFF804F8, 0xFFF800F8};
  s.modules.push_back(ImageModule(6, 1, [](int i) { return i; }));
  ASprite* sprite = Load(s);
  // Written: 0xF81F, 0x0000, 0xFFFF, 0xF81E, 0xF83F and the magenta 0xF81F again.
  const std::vector<uint32_t> expected = {0x00F800F8, 0xFF000000, 0xFFF8FCF8,
                                          0xFFF800F0, 0xFFF804F8, 0x00F800F8};
  EXPECT_EQ(Decoded(sprite, 0), expected);
  EXPECT_TRUE(sprite->hasTransparency);
  EXPECT_FALSE(sprite->hasPartialAlpha);
}

TEST_F(SpriteLoadTest, RunsOfIndexBitsWithSixteenColoursUseFourBits) {
  SpriteData s = PaletteSprite(0, 16);
  s.pixelEncoding = 0x64F0;
  SpriteModule m = ImageModule(17, 1, [](int) { return 0; });
  m.encodedPixels = std::vector<uint8_t>{0xF3, 0x05};  // 16 pixels of index 3, one of 5
  s.modules.push_back(m);
  ASprite* sprite = Load(s);
  EXPECT_EQ(sprite->pixelBits, 4);
  EXPECT_EQ(sprite->pixelMask, 15);
  std::vector<uint32_t> expected(16, s.palettes[0][3]);
  expected.push_back(s.palettes[0][5]);
  EXPECT_EQ(Decoded(sprite, 0), expected);
}

TEST_F(SpriteLoadTest, ANegativeModuleCountReadsNoPaletteSection) {
  SpriteData s = PaletteSprite(0, 4);
  databuild::SpriteLayout layout;
  std::vector<uint8_t> bytes = databuild::WriteSprite(s, &layout);
  bytes[layout.modules] = 0x00;
  bytes[layout.modules + 1] = 0x80;  // -32768
  TraceCapture trace;
  ASprite* sprite = LoadBytes(bytes);
  EXPECT_TRUE(trace.lines().empty());
  EXPECT_EQ(sprite->moduleCount, 0);
  EXPECT_EQ(sprite->paletteCount, 0);
  EXPECT_EQ(sprite->palettes, nullptr);
}

// ---- Malformed data -------------------------------------------------------------------------

// A sprite with a table in every section, for cutting and patching.
SpriteData EverySection() {
  SpriteData s = PaletteSprite(flag::kFrameRects, 4, 2);
  s.modules.push_back(ImageModule(3, 2, [](int i) { return i % 4; }));
  s.modules.push_back(ImageModule(2, 2, [](int) { return 1; }));
  s.modules.push_back(Shape(ModuleKind::kFilledArc, 0xFF0000FF, 5, 5, {0, 90}));
  const SpriteFModule parts[] = {{0, 0, 0, 0}, {1, 3, 0, 0}};
  AddFrame(s, parts, std::vector<SpriteRect>{{0, 0, 5, 2}});
  const SpriteAFrame frames[] = {{0, 2, 0, 0, 0}};
  AddAnimation(s, frames);
  return s;
}

TEST_F(SpriteLoadTest, DataCutInsideAnySectionRefusesTheWholeSprite) {
  databuild::SpriteLayout l;
  const std::vector<uint8_t> whole = databuild::WriteSprite(EverySection(), &l);
  const struct {
    size_t length;
    const char* section;
  } kCuts[] = {{4, "header"},
               {l.modules + 3, "module section"},
               {l.fmodules + 1, "frame-module section"},
               {l.frames + 3, "frame section"},
               {l.anims - 1, "frame section"},  // inside the stored bounds
               {l.aframes + 4, "animation-frame section"},
               {l.anims + 3, "animation section"},
               {l.palettes + 7, "palette section"},
               {l.pixels + 5, "pixel section"},
               {l.end - 1, "pixel section"}};
  for (const auto& cut : kCuts) {
    SCOPED_TRACE(cut.section);
    TraceCapture trace;
    ASprite* sprite = LoadBytes(std::vector<uint8_t>(whole.begin(), whole.begin() + cut.length));
    EXPECT_EQ(sprite->moduleCount, 0);
    EXPECT_EQ(sprite->getFrameCount(), 0);
    EXPECT_EQ(sprite->palettes, nullptr);
    EXPECT_EQ(sprite->flags, 0);
    ASSERT_EQ(trace.lines().size(), 1u);
    EXPECT_NE(trace.lines()[0].find(cut.section), std::string::npos) << trace.lines()[0];
    EXPECT_NE(trace.lines()[0].find("runs past the end"), std::string::npos);
  }
  EXPECT_EQ(LoadBytes(whole)->moduleCount, 3);
}

TEST_F(SpriteLoadTest, EncodedRunsStopAtTheModuleAndAtItsBytes) {
  SpriteData s = PaletteSprite(0, 4);
  s.pixelEncoding = 0x56F2;
  SpriteModule overlong = ImageModule(2, 2, [](int) { return 0; });
  overlong.encodedPixels = std::vector<uint8_t>{100, 1, 2, 3};  // 100 pixels of index 1
  SpriteModule short_ = ImageModule(3, 1, [](int) { return 0; });
  short_.encodedPixels = std::vector<uint8_t>{129, 2};  // one literal; the rest is missing
  SpriteModule indexes = ImageModule(3, 1, [](int) { return 0; });
  indexes.encodedPixels = std::vector<uint8_t>{131, 1, 9, 3};  // index 9 past the 4 colours
  s.modules = {overlong, short_, indexes};
  ASprite* sprite = Load(s);
  const std::vector<uint32_t>& c = s.palettes[0];
  EXPECT_EQ(Decoded(sprite, 0), std::vector<uint32_t>(4, c[1]));
  EXPECT_EQ(Decoded(sprite, 1), (std::vector<uint32_t>{c[2], 0, 0}));
  EXPECT_EQ(Decoded(sprite, 2), (std::vector<uint32_t>{c[1], 0, c[3]}));
}

TEST_F(SpriteLoadTest, AModuleOverTheScratchBufferGetsNoPixels) {
  SpriteData s = PaletteSprite(flag::kWidePixelSizes, 2);
  s.pixelEncoding = 0x64F0;
  s.modules.push_back(ImageModule(201, 200, [](int i) { return i % 2; }));
  s.modules.push_back(ImageModule(2, 1, [](int) { return 1; }));
  TraceCapture trace;
  ASprite* sprite = Load(s);
  EXPECT_TRUE(HasLine(trace, "module 0 is 201 x 200, over 40000 pixels")) << trace.lines().size();
  EXPECT_EQ(sprite->moduleCount, 2);
  EXPECT_TRUE(Decoded(sprite, 0).empty());
  EXPECT_EQ(Decoded(sprite, 1), std::vector<uint32_t>(2, s.palettes[0][1]));
  sprite->buildModuleImages(0, 0, -1, -1);
  EXPECT_EQ(sprite->getModuleImage(0, 0), nullptr);
  EXPECT_NE(sprite->getModuleImage(1, 0), nullptr);
}

TEST_F(SpriteLoadTest, SeventeenPalettesRefuseTheSprite) {
  SpriteData s = EverySection();
  s.palettes.resize(17, s.palettes[0]);
  TraceCapture trace;
  ASprite* sprite = Load(s);
  EXPECT_EQ(sprite->moduleCount, 0);
  EXPECT_EQ(sprite->paletteCount, 0);
  EXPECT_TRUE(HasLine(trace, "palette section: it holds 17 palettes, more than 16"));
}

TEST_F(SpriteLoadTest, AnUnknownPaletteFormatLeavesZeroPalettesAndThePixelsUnread) {
  databuild::SpriteLayout l;
  std::vector<uint8_t> bytes = databuild::WriteSprite(EverySection(), &l);
  bytes[l.palettes] = 0x34;
  bytes[l.palettes + 1] = 0x12;
  TraceCapture trace;
  ASprite* sprite = LoadBytes(bytes);
  EXPECT_TRUE(HasLine(trace, "unknown palette format 0x1234"));
  ASSERT_EQ(sprite->moduleCount, 3);
  ASSERT_EQ(sprite->paletteCount, 2);
  for (int32_t p = 0; p < 2; p++) {
    auto* palette = static_cast<IntArray*>(sprite->palettes->elements()[p]);
    ASSERT_EQ(palette->length, 4);
    EXPECT_EQ(std::vector<int32_t>(palette->elements(), palette->elements() + 4),
              std::vector<int32_t>(4, 0));
  }
  EXPECT_EQ(sprite->pixelData, nullptr);
  EXPECT_TRUE(Decoded(sprite, 0).empty());
  EXPECT_EQ(sprite->getFrameCount(), 1);  // the tables before the palettes stand
}

TEST_F(SpriteLoadTest, AFrameModuleNamingAMissingModuleMeasuresAndPaintsNothing) {
  SpriteData s = EverySection();
  s.fmodules[1].module = 255;
  s.flags |= flag::kComputedBounds;
  TraceCapture trace;
  ASprite* sprite = Load(s);
  EXPECT_TRUE(HasLine(trace, "ASprite frame-module's module: index 255 out of range (length 3)"));
  EXPECT_EQ(sprite->getFrameWidth(0), 3);  // module 0 alone
  Canvas canvas(8, 4);
  sprite->buildModuleImages(0, 0, -1, -1);
  sprite->paintFrame(canvas.graphics, 0, 0, 0, 0, 0, 0);
  EXPECT_EQ(canvas.art().substr(3, 5), ".....");  // nothing where module 1 would be
}

TEST_F(SpriteLoadTest, ReadsOfMissingEntriesGiveZeroWithATrace) {
  ASprite* sprite = Load(EverySection());
  TraceCapture trace;
  const int32_t kReads[] = {sprite->getModuleWidth(3),   sprite->getFModuleCount(-1),
                            sprite->getFModuleX(0, 2),   sprite->getAFrameFrame(1, 0),
                            sprite->getAFrameTime(0, 1), sprite->getFrameWidth(1),
                            sprite->getFModuleXAt(2),    sprite->getModulePixelOffset(-2)};
  for (const int32_t value : kReads) EXPECT_EQ(value, 0);
  EXPECT_EQ(trace.lines().size(), std::size(kReads));
  EXPECT_EQ(sprite->getModuleParamIndex(2), 0);
  EXPECT_EQ(sprite->getModuleParamIndex(0), -1);
}

}  // namespace
