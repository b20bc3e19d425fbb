// createRGBImage's choice of pixel type and getRGB's conversions, with the argument checks
// after which nothing is read or written.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "tests/platform/canvas.h"
#include "tests/support/runtime_fixture.h"

namespace {

using ImageRgbTest = RuntimeTest;

TEST_F(ImageRgbTest, CreateRgbImageChoosesThePixelTypeByAlpha) {
  struct Case {
    const char* name;
    std::vector<uint32_t> rgb;
    bool processAlpha;
    int32_t type;
    std::vector<uint32_t> readBack;
  };
  const Case cases[] = {
      {"alpha ignored", {0x00FF0000, 0x8000FF00}, false, Image::kRgb565, {0xFFFF0000, 0xFF00FF00}},
      {"only alpha 0 and 0xFF",
       {0x00FF0000, 0xFF0000FF},
       true,
       Image::kRgb565Keyed,
       {0x00000000, 0xFF0000FF}},
      {"all opaque", {0xFFFFFFFF, 0xFF000000}, true, Image::kRgb565, {0xFFFFFFFF, 0xFF000000}},
      {"one alpha 0x80",
       {0x80FF0000, 0xFF0000FF},
       true,
       Image::kArgb4444,
       {0x88FF0000, 0xFF0000FF}},
      {"half-transparent magenta does not count",
       {0x80FF00FF, 0xFF00FF00},
       true,
       Image::kRgb565Keyed,
       {0x00000000, 0xFF00FF00}},
      {"an element past the image's pixels does not count",
       {0x00FF0000, 0xFF0000FF, 0x80FF0000},
       true,
       Image::kRgb565Keyed,
       {0x00000000, 0xFF0000FF}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TraceCapture trace;
    Image* image = Image::createRGBImage(MakeInts(c.rgb), 2, 1, c.processAlpha);
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(trace.lines().empty());
    EXPECT_FALSE(image->isMutable());
    EXPECT_EQ(image->m_pixelType, c.type);
    EXPECT_EQ(ArgbOf(image), c.readBack);
  }
}

TEST_F(ImageRgbTest, CreateRgbImageArgumentErrorsGiveNull) {
  struct Case {
    const char* line;
    bool withArray;
    int32_t width, height;
  };
  const Case cases[] = {
      {"createRGBImage rgbData", false, 1, 1},
      {"createRGBImage width, height", true, 0, 2},
      {"createRGBImage width, height", true, 2, -1},
      {"createRGBImage length", true, 3, 2},
      {"createRGBImage length", true, INT_MAX, INT_MAX},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    TraceCapture trace;
    IntArray* rgb = c.withArray ? MakeInts(std::vector<uint32_t>(5, 0xFFFFFFFF)) : nullptr;
    EXPECT_EQ(Image::createRGBImage(rgb, c.width, c.height, true), nullptr);
    EXPECT_TRUE(trace.contains(c.line));
  }
}

TEST_F(ImageRgbTest, GetRgbConvertsEachPixelType) {
  struct Case {
    int32_t type;
    uint16_t pixel;
    uint32_t argb;
  };
  const Case cases[] = {
      {Image::kArgb4444, 0x8F00, 0x88FF0000},    {Image::kArgb4444, 0x0000, 0x00000000},
      {Image::kArgb4444, 0xF5A3, 0xFF55AA33},    {Image::kRgb565, 0xFFFF, 0xFFFFFFFF},
      {Image::kRgb565, 0x0841, 0xFF080808},      {Image::kRgb565, 0xF81F, 0xFFFF00FF},
      {Image::kRgb565Keyed, 0xF81F, 0x00000000}, {Image::kRgb565Keyed, 0x001F, 0xFF0000FF},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "type " << c.type << " pixel " << std::hex << c.pixel);
    Image* image = NewObject<Image>();
    ASSERT_TRUE(image->initPixels(1, 1, c.type, 0));
    static_cast<ShortArray*>(image->pixels)->elements()[0] = static_cast<int16_t>(c.pixel);
    EXPECT_EQ(ArgbOf(image), std::vector<uint32_t>{c.argb});
  }
}

TEST_F(ImageRgbTest, GetRgbPlacesRowsByOffsetAndScanLength) {
  Canvas canvas(3, 3);  // odd width: rows of 4 pixels in the array
  for (int32_t y = 0; y < 3; y++) {
    for (int32_t x = 0; x < 3; x++) canvas.at(x, y) = static_cast<uint16_t>((y * 3 + x + 1) << 11);
  }
  auto red = [](uint32_t v) { return 0xFF000000u | (((v << 3) * 255 / 248) & 0xFF) << 16; };
  IntArray* out = MakeInts(std::vector<uint32_t>(8, 7));
  // Rows 1 and 2, columns 1 and 2, written bottom up from element 5 with a scan of -4.
  canvas.image->getRGB(out, 5, -4, 1, 1, 2, 2);
  const auto* e = reinterpret_cast<uint32_t*>(out->elements());
  EXPECT_EQ(e[5], red(5));
  EXPECT_EQ(e[6], red(6));
  EXPECT_EQ(e[1], red(8));
  EXPECT_EQ(e[2], red(9));
  for (int i : {0, 3, 4, 7}) EXPECT_EQ(e[i], 7u) << i;
}

TEST_F(ImageRgbTest, GetRgbArgumentErrorsReadAndWriteNothing) {
  struct Case {
    const char* line;
    int32_t offset, scan, x, y, w, h;
  };
  const Case cases[] = {
      {"getRGB length", 0, 3, 0, 0, 3, 3},   // 9 elements into 8
      {"getRGB length", 2, 3, 0, 0, 2, 3},   // the last row ends past the array
      {"getRGB length", 0, -3, 0, 0, 2, 2},  // the second row lies before element 0
      {"getRGB length", -1, 2, 0, 0, 1, 1},
      {"getRGB length", 0, INT_MAX, 0, 0, 1, 2},
      {"getRGB x,y outside", 0, 2, -1, 0, 2, 2},
      {"getRGB x,y outside", 0, 2, 0, -1, 2, 2},
      {"getRGB width,height outside", 0, 2, 2, 0, 2, 2},
      {"getRGB width,height outside", 0, 2, 0, 2, 2, 2},
      {"getRGB width,height outside", 0, 1, INT_MAX, 0, 1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.line << " " << c.offset << " " << c.scan << " " << c.x
                                    << "," << c.y << " " << c.w << "x" << c.h);
    Canvas canvas(3, 3);
    canvas.fill(0xFFFF);
    IntArray* out = MakeInts(std::vector<uint32_t>(8, 7));
    TraceCapture trace;
    canvas.image->getRGB(out, c.offset, c.scan, c.x, c.y, c.w, c.h);
    EXPECT_TRUE(trace.contains(c.line));
    for (int32_t i = 0; i < 8; i++) EXPECT_EQ(out->elements()[i], 7);
  }
  Canvas canvas(1, 1);
  TraceCapture trace;
  canvas.image->getRGB(nullptr, 0, 1, 0, 0, 1, 1);
  EXPECT_TRUE(trace.contains("getRGB argb null"));
  Image* bytes = NewObject<Image>();
  ASSERT_TRUE(bytes->initPixels(1, 1, Image::kBytePerPixel, 0));
  bytes->getRGB(MakeInts({7}), 0, 1, 0, 0, 1, 1);
  EXPECT_TRUE(trace.contains("m_pixelType"));
}

}  // namespace
