// The blitters' per-pixel rules and their descriptor walk: conversions, keys, blends, palettes,
// negative steps, and steps too long for 16 bits.
#include "platform/graphics_blit.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/platform/canvas.h"
#include "tests/support/runtime_fixture.h"

namespace {

const uint8_t* Bytes(const void* p) {
  return static_cast<const uint8_t*>(p);
}
uint8_t* Bytes(void* p) {
  return static_cast<uint8_t*>(p);
}

// One row of n pixels into a row of the same length.
BlitDescriptor Row(int32_t n, int32_t dstPixelStep) {
  return {n, 1, 0, dstPixelStep, 0};
}

TEST(GraphicsBlitTest, Argb8888Conversions) {
  struct Case {
    uint32_t p;
    uint16_t rgb565, argb4444;
  };
  const Case cases[] = {
      {0xFFFFFFFF, 0xFFFF, 0xFFFF}, {0x00000000, 0x0000, 0x0000}, {0x80FF0000, 0xF800, 0x8F00},
      {0x1200FF00, 0x07E0, 0x10F0}, {0xFF0000FF, 0x001F, 0xF00F}, {0x7F876543, 0x8328, 0x7864},
  };
  for (const Case& c : cases) {
    uint16_t copy = 0, quarter = 0;
    BlitArgb8888Copy(Row(1, 2), Bytes(&c.p), Bytes(&copy));
    BlitArgb8888ToArgb4444(Row(1, 2), Bytes(&c.p), Bytes(&quarter));
    EXPECT_EQ(copy, c.rgb565) << std::hex << c.p;
    EXPECT_EQ(quarter, c.argb4444) << std::hex << c.p;
  }
}

TEST(GraphicsBlitTest, TheKeyedIntCopySkipsOnlyTheIntF81F) {
  const uint32_t source[4] = {0x0000F81F, 0xFFFF00FF, 0x00FF00FF, 0xFF00F81F};
  uint16_t out[4] = {1, 1, 1, 1};
  BlitArgb8888CopyKeyed(Row(4, 2), Bytes(source), Bytes(out));
  EXPECT_EQ(out[0], 1);       // skipped
  EXPECT_EQ(out[1], 0xF81F);  // magenta text still draws, as the RGB565 key value
  EXPECT_EQ(out[2], 0xF81F);
  EXPECT_EQ(out[3], 0x07C3);
}

TEST(GraphicsBlitTest, Argb8888BlendByAlpha) {
  const uint32_t source[4] = {0xFF102030, 0x00FFFFFF, 0x80F80000, 0x40FFFFFF};
  uint16_t out[4] = {0x1234, 0x1234, 0x0000, 0xFFFF};
  BlitArgb8888Blend(Row(4, 2), Bytes(source), Bytes(out));
  EXPECT_EQ(out[0], 0x1106);    // alpha 255: the plain conversion
  EXPECT_EQ(out[1], 0x1234);    // alpha 0: untouched
  EXPECT_EQ(out[2], 15 << 11);  // 31 x 128 >> 8
  EXPECT_EQ(out[3], 0xFFFF);    // white over white stays white
}

TEST(GraphicsBlitTest, Rgb565ToIntWidensThroughTheTables) {
  const uint16_t source[4] = {0xFFFF, 0x0000, 0x0841, 0x8410};
  uint32_t wide[4] = {}, six[4] = {};
  BlitRgb565ToInt(Row(4, 4), Bytes(source), Bytes(wide));
  BlitRgb565ToInt6(Row(4, 4), Bytes(source), Bytes(six));
  EXPECT_EQ(wide[0], 0xFFFFFFu);
  EXPECT_EQ(wide[1], 0u);
  EXPECT_EQ(wide[2], 0x080808u);  // 1 x 255 / 31 = 8, 2 x 255 / 63 = 8
  EXPECT_EQ(wide[3], 0x838183u);  // 16 x 255 / 31 = 131, 32 x 255 / 63 = 129
  EXPECT_EQ(six[0], 0x3F3F3Fu);   // 31 becomes 63
  EXPECT_EQ(six[1], 0u);
  EXPECT_EQ(six[2], 0x020202u);
  EXPECT_EQ(six[3], 0x212021u);  // red and blue 16 become 33, green 32 stays
  EXPECT_EQ(kFiveBitTo8[31], 255);
  EXPECT_EQ(kSixBitTo8[63], 255);
}

TEST(GraphicsBlitTest, PaletteBlittersSkipKeyEntries) {
  uint16_t palette256[256] = {};
  uint16_t palette16[16] = {};
  for (int i = 0; i < 256; i++) palette256[i] = static_cast<uint16_t>(0x100 + i);
  for (int i = 0; i < 16; i++) palette16[i] = static_cast<uint16_t>(0x200 + i);
  palette256[7] = kColourKey565;
  palette16[3] = kColourKey565;

  const uint8_t indices[3] = {0, 7, 255};
  uint16_t out8[3] = {9, 9, 9};
  BlitPalette8Keyed(Row(3, 2), indices, Bytes(out8), palette256);
  EXPECT_EQ(out8[0], 0x100);
  EXPECT_EQ(out8[1], 9);
  EXPECT_EQ(out8[2], 0x1FF);

  // Nibbles 1 2 | 3 4 | 5 6 with the high nibble first; rows start at the second nibble.
  const uint8_t nibbles[6] = {0x12, 0x34, 0x56, 0xAB, 0xCD, 0xEF};
  uint16_t out4[2][4] = {{9, 9, 9, 9}, {9, 9, 9, 9}};
  const BlitDescriptor d{4, 2, 3, 2, 8};
  BlitPalette4Keyed(d, nibbles, 1, Bytes(out4), palette16);
  EXPECT_EQ(out4[0][0], 0x202);
  EXPECT_EQ(out4[0][1], 9);  // nibble 3 is the key
  EXPECT_EQ(out4[0][2], 0x204);
  EXPECT_EQ(out4[0][3], 0x205);
  EXPECT_EQ(out4[1][0], 0x20B);
  EXPECT_EQ(out4[1][1], 0x20C);
  EXPECT_EQ(out4[1][2], 0x20D);
  EXPECT_EQ(out4[1][3], 0x20E);
}

// Rows of 19 pixels: two whole vectors of eight and a tail of three, keys anywhere.
TEST(GraphicsBlitTest, LongRowsCopyEveryPixelAndSkipEveryKey) {
  constexpr int kWidth = 19, kHeight = 3, kPitch = 24;
  uint16_t source[kHeight][kPitch] = {};
  for (int y = 0; y < kHeight; y++) {
    for (int x = 0; x < kWidth; x++) {
      source[y][x] = (x * 7 + y) % 5 == 0 ? kColourKey565 : static_cast<uint16_t>(100 * y + x);
    }
  }
  const BlitDescriptor d{kWidth, kHeight, kPitch * 2, 2, kPitch * 2};
  uint16_t keyed[kHeight][kPitch], plain[kHeight][kPitch];
  for (int y = 0; y < kHeight; y++) {
    for (int x = 0; x < kPitch; x++) keyed[y][x] = plain[y][x] = 0x5555;
  }
  BlitCopyKeyed(d, Bytes(source), Bytes(keyed));
  BlitCopy(d, Bytes(source), Bytes(plain));
  for (int y = 0; y < kHeight; y++) {
    for (int x = 0; x < kPitch; x++) {
      const bool inside = x < kWidth;
      const uint16_t s = source[y][x];
      EXPECT_EQ(keyed[y][x], inside && s != kColourKey565 ? s : 0x5555) << x << "," << y;
      EXPECT_EQ(plain[y][x], inside ? s : 0x5555) << x << "," << y;
    }
  }
}

TEST(GraphicsBlitTest, NegativeStepsWalkBackwards) {
  // 3 x 2 source into a 2 x 3 destination, turned a quarter clockwise.
  const uint16_t source[2][3] = {{1, 2, 3}, {4, 5, 6}};
  uint16_t out[3][2] = {};
  const BlitDescriptor d{3, 2, 6, 4, -2};  // pixels go down a row, rows go left
  BlitCopy(d, Bytes(source), Bytes(&out[0][1]));
  EXPECT_EQ(out[0][0], 4);
  EXPECT_EQ(out[0][1], 1);
  EXPECT_EQ(out[1][0], 5);
  EXPECT_EQ(out[1][1], 2);
  EXPECT_EQ(out[2][0], 6);
  EXPECT_EQ(out[2][1], 3);
}

using GraphicsWideRowTest = RuntimeTest;

// Rows of 20000 pixels are 40000 bytes apart, beyond a 16-bit step: a flipped region must
// still land on the right rows.
TEST_F(GraphicsWideRowTest, StepsOfWideRowsDoNotWrap) {
  Canvas canvas(20000, 2);
  Image* source = NewObject<Image>();
  ASSERT_TRUE(source->initPixels(1, 2, Image::kRgb565, 0));
  auto* pixels = reinterpret_cast<uint16_t*>(static_cast<ShortArray*>(source->pixels)->elements());
  pixels[0] = 0x1111;
  pixels[source->rowLength / 2] = 0x2222;
  canvas.graphics->drawRegion(source, 0, 0, 1, 2, Graphics::TRANS_MIRROR_ROT180, 19999, 0, 0);
  EXPECT_EQ(canvas.at(19999, 0), 0x2222);
  EXPECT_EQ(canvas.at(19999, 1), 0x1111);
  EXPECT_EQ(canvas.count(0), 2 * 20000 - 2);
  // A turned row steps from pixel to pixel by a whole destination row, backwards here.
  Image* row = NewObject<Image>();
  ASSERT_TRUE(row->initPixels(2, 1, Image::kRgb565, 0));
  auto* rowPixels = reinterpret_cast<uint16_t*>(static_cast<ShortArray*>(row->pixels)->elements());
  rowPixels[0] = 0x3333;
  rowPixels[1] = 0x4444;
  canvas.graphics->drawRegion(row, 0, 0, 2, 1, Graphics::TRANS_ROT270, 5, 0, 0);
  EXPECT_EQ(canvas.at(5, 0), 0x4444);
  EXPECT_EQ(canvas.at(5, 1), 0x3333);
}

}  // namespace
