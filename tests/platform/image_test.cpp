// Image pixel storage: row lengths and arrays by pixel type, refused sizes, the mutable flag,
// the pixel-array getters, the colour-key scan and getGraphics.
#include <gtest/gtest.h>

#include <climits>

#include "runtime/instance_factory.h"
#include "tests/platform/canvas.h"
#include "tests/support/runtime_fixture.h"

namespace {

using ImageTest = RuntimeTest;

TEST_F(ImageTest, StorageByPixelType) {
  struct Case {
    int32_t width, height, type, extra;
    int32_t rowLength;
    int16_t arrayClass;
    int32_t elements;
  };
  const Case cases[] = {
      {3, 2, Image::kRgb565, 0, 8, cid::ShortArray, 8},  // odd width rounds up to even
      {4, 2, Image::kRgb565Keyed, 0, 8, cid::ShortArray, 8},
      {1, 1, Image::kArgb4444, 0, 4, cid::ShortArray, 2},
      {3, 2, Image::kBytePerPixel, 5, 3, cid::ByteArray, 5 + 6 + 1},
      {3, 2, 4, 0, 2, cid::ByteArray, 4 + 1},  // two pixels per byte
      {4, 3, 7, 2, 2, cid::ByteArray, 2 + 6 + 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " type " << c.type);
    Image* image = NewObject<Image>();
    ASSERT_TRUE(image->initPixels(c.width, c.height, c.type, c.extra));
    EXPECT_EQ(image->width, c.width);
    EXPECT_EQ(image->height, c.height);
    EXPECT_EQ(image->rowLength, c.rowLength);
    EXPECT_EQ(image->m_pixelType, c.type);
    EXPECT_FALSE(image->isMutable());
    ASSERT_NE(image->pixels, nullptr);
    EXPECT_EQ(image->pixels->classId, c.arrayClass);
    EXPECT_EQ(image->pixels->length, c.elements);
  }
}

TEST_F(ImageTest, RefusedSizesLeaveNoPixels) {
  struct Case {
    int32_t width, height, type;
  };
  const Case cases[] = {
      {0, 5, Image::kRgb565},
      {5, 0, Image::kRgb565},
      {-3, 5, Image::kRgb565},
      {5, INT_MIN, Image::kArgb4444},
      {INT_MAX, INT_MAX, Image::kRgb565},  // the byte count overflows 32 bits
      {4000, 4000, Image::kRgb565},        // 32 MB, beyond the 16 MB data heap
      {INT_MAX, 2, Image::kBytePerPixel},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " type " << c.type);
    Image* image = NewObject<Image>();
    TraceCapture trace;
    EXPECT_FALSE(image->initPixels(c.width, c.height, c.type, 0));
    EXPECT_EQ(trace.lines().size(), 1u);
    EXPECT_EQ(image->pixels, nullptr);
    EXPECT_EQ(image->width, 0);
    EXPECT_EQ(image->height, 0);
    EXPECT_EQ(Image::createImage(c.width, c.height), nullptr);
  }
}

TEST_F(ImageTest, CreateImageMakesABlankMutableRgb565Image) {
  Image* image = Image::createImage(5, 3);
  ASSERT_NE(image, nullptr);
  EXPECT_TRUE(image->isMutable());
  EXPECT_EQ(image->m_pixelType, Image::kRgb565);
  EXPECT_EQ(image->getWidth(), 5);
  EXPECT_EQ(image->getHeight(), 3);
  EXPECT_EQ(image->rowLength, 12);
  ShortArray* pixels = image->getPixelArray();
  ASSERT_NE(pixels, nullptr);
  EXPECT_EQ(pixels->length, 18);
  for (int32_t i = 0; i < pixels->length; i++) EXPECT_EQ(pixels->elements()[i], 0);
}

TEST_F(ImageTest, AMutableImageOfAnotherTypeIsTracedAndStillMutable) {
  Image* image = NewObject<Image>();
  TraceCapture trace;
  ASSERT_TRUE(image->initPixels(2, 2, Image::kMutableFlag | Image::kArgb4444, 0));
  EXPECT_TRUE(trace.contains("imagetype"));
  EXPECT_TRUE(image->isMutable());
  EXPECT_EQ(image->m_pixelType, Image::kArgb4444);
}

TEST_F(ImageTest, GetGraphicsOfAnImmutableImageIsTracedButMade) {
  Image* immutable = NewObject<Image>();
  ASSERT_TRUE(immutable->initPixels(2, 2, Image::kRgb565, 0));
  TraceCapture trace;
  Graphics* g = immutable->getGraphics();
  ASSERT_NE(g, nullptr);
  EXPECT_TRUE(trace.contains("!mutable"));
  EXPECT_EQ(g->target, immutable);
  trace.clear();
  EXPECT_NE(Image::createImage(2, 2)->getGraphics(), nullptr);
  EXPECT_TRUE(trace.lines().empty());
}

TEST_F(ImageTest, PixelArrayGettersCheckTheArrayClass) {
  Image* shorts = Image::createImage(2, 2);
  Image* bytes = NewObject<Image>();
  ASSERT_TRUE(bytes->initPixels(2, 2, Image::kBytePerPixel, 0));
  TraceCapture trace;
  EXPECT_EQ(shorts->getPixelArray(), shorts->pixels);
  EXPECT_EQ(bytes->getPixelByteArray(), bytes->pixels);
  EXPECT_TRUE(trace.lines().empty());
  EXPECT_EQ(shorts->getPixelByteArray(), nullptr);
  ASSERT_FALSE(trace.lines().empty());
  EXPECT_EQ(trace.lines().front(), "");
  trace.clear();
  EXPECT_EQ(bytes->getPixelArray(), nullptr);
  EXPECT_TRUE(trace.contains(""));
}

TEST_F(ImageTest, ScanColourKeyLooksAtEveryPixel) {
  Canvas canvas(3, 3);
  canvas.image->scanColourKey();
  EXPECT_EQ(canvas.image->m_pixelType, Image::kRgb565);
  canvas.at(2, 2) = 0xF81F;
  canvas.image->scanColourKey();
  EXPECT_EQ(canvas.image->m_pixelType, Image::kRgb565Keyed);
  canvas.at(2, 2) = 0xF81E;
  canvas.image->scanColourKey();
  EXPECT_EQ(canvas.image->m_pixelType, Image::kRgb565);
}

TEST_F(ImageTest, AFactoryMadeImageHasNoPixelsAndNothingDrawsIntoIt) {
  auto* image =
      static_cast<Image*>(NewInstanceFactory::newInstance(cid::javax_microedition_lcdui_Image));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->classId, cid::javax_microedition_lcdui_Image);
  EXPECT_EQ(image->pixels, nullptr);
  EXPECT_EQ(image->getWidth(), 0);
  auto* g = NewObject<Graphics>(image);
  g->setColor(0xFFFFFF);
  TraceCapture trace;
  g->fillRect(0, 0, 10, 10);
  EXPECT_TRUE(trace.contains("fillRect: the target image has no 16-bit pixels"));
  Canvas canvas(2, 2);
  canvas.graphics->drawImage(image, 0, 0, 0);  // a 0 x 0 region: nothing to draw
  EXPECT_EQ(canvas.count(0), 4);
}

}  // namespace
