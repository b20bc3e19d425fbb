// The sprite writer: the header and section order, the encodings' bytes at their limits, and
// values that do not fit their fields refused. Round trips through the game's reader are in
// tests/engine/sprite_load_test.cpp.
#include "tools/databuild/sprite_writer.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "tools/databuild/build_error.h"

namespace {

using namespace databuild;
using Bytes = std::vector<uint8_t>;

TEST(SpriteWriterTest, HeaderAndEmptySections) {
  SpriteData s;
  s.flags = 0x12345678 & ~sprite_flags::kPaletteSection;
  SpriteLayout layout;
  const Bytes bytes = WriteSprite(s, &layout);
  // Version, flags, then the five sections' empty counts (no rectangle count: no flag 0x8000).
  EXPECT_EQ(bytes, (Bytes{0, 0, 0x78, 0x56, 0x34, 0x12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(layout.modules, 6u);
  EXPECT_EQ(layout.end, bytes.size());
}

TEST(SpriteWriterTest, EncodingsAtTheirLimits) {
  struct Case {
    const char* name;
    int encoding, colours;
    Bytes indexes, alphas, encoded;
  };
  const Bytes run200(200, 7);
  Bytes literals, literalsEncoded;
  for (int i = 0; i < 130; i++) literals.push_back(static_cast<uint8_t>(i % 2));
  for (int i = 0; i < 132; i++) {
    // 255 and the first 127, then 131 and the last three.
    literalsEncoded.push_back(i == 0     ? 255
                              : i == 128 ? 131
                                         : static_cast<uint8_t>((i - 1 - (i > 128)) % 2));
  }
  const Case kCases[] = {
      {"nibbles, padded", 0x1600, 16, {1, 15, 9}, {}, {0x1F, 0x90}},
      {"two bits", 0x0400, 4, {3, 0, 1, 2, 3}, {}, {0xC6, 0xC0}},
      {"one bit", 0x0200, 2, {1, 0, 0, 0, 0, 0, 0, 1, 1}, {}, {0x81, 0x80}},
      {"index-bit runs of 16", 0x64F0, 16, Bytes(17, 3), {}, {0xF3, 0x03}},
      {"index-bit runs, one colour", 0x64F0, 1, Bytes(300, 0), {}, {0xFF, 0x2B}},
      {"runs and singles", 0x27F1, 200, {5, 5, 199, 4}, {}, {130, 5, 129, 199, 4}},
      {"runs of 127", 0x27F1, 10, run200, {}, {255, 7, 201, 7}},
      {"literals of 127", 0x56F2, 2, literals, {}, literalsEncoded},
      {"colours, then alpha runs",
       0xA256,
       4,
       {1, 1, 1, 2},
       {0xFE, 9, 9, 9},
       {3, 1, 129, 2, 0xFE, 1, 0xFE, 0xFE, 3, 9}},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(EncodeSpritePixels(c.encoding, c.indexes, c.alphas, c.colours), c.encoded) << c.name;
  }
}

TEST(SpriteWriterTest, ValuesThatDoNotFitTheirFieldsAreRefused) {
  const auto withModule = [](uint32_t flags, SpriteModule m) {
    SpriteData s;
    s.flags = flags;
    s.modules.push_back(m);
    return s;
  };
  SpriteModule wide;
  wide.width = 256;
  SpriteModule shape;
  shape.kind = ModuleKind::kFilledArc;
  shape.params = {1};
  SpriteData offset;
  offset.fmodules.push_back({0, 128, 0, 0});
  SpriteData pixels;
  pixels.flags = sprite_flags::kPaletteSection;
  pixels.palettes = {{0, 1}};
  pixels.modules.push_back(SpriteModule{});
  pixels.modules[0].width = 2;
  pixels.modules[0].height = 1;
  pixels.modules[0].pixels = {1};
  SpriteData bigPixels = pixels;
  bigPixels.modules[0].width = 200;
  bigPixels.modules[0].height = 200;
  bigPixels.modules[0].pixels = Bytes(40000, 1);
  const std::function<void()> kRefused[] = {
      [&] { WriteSprite(withModule(0, wide)); },
      [&] { WriteSprite(withModule(0, shape)); },
      [&] { WriteSprite(offset); },
      [&] { WriteSprite(pixels); },     // the pixels do not fill the module
      [&] { WriteSprite(bigPixels); },  // 40000 bytes need 32-bit sizes
      [&] { EncodeSpritePixels(0x1600, Bytes{16}, {}, 17); },
      [&] { EncodeSpritePixels(0x64F0, Bytes{4}, {}, 4); },
      [&] { EncodeSpritePixels(0x1234, Bytes{0}, {}, 4); },
  };
  for (size_t i = 0; i < std::size(kRefused); i++) {
    EXPECT_THROW(kRefused[i](), BuildError) << i;
  }
  wide.height = 1;
  EXPECT_NO_THROW(WriteSprite(withModule(sprite_flags::kWideModuleSizes, wide)));
  bigPixels.flags |= sprite_flags::kWidePixelSizes;
  EXPECT_NO_THROW(WriteSprite(bigPixels));
}

}  // namespace
