// Image's creators: a transformed region of another image, and PNG data read from a stream or
// a resource, where a stream that claims bytes it never gives cannot hold the reader.
#include "javame/image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "javame/byte_array_input_stream.h"
#include "javame/exception_classes.h"
#include "javame/graphics.h"
#include "javame/input_stream.h"
#include "runtime/string.h"
#include "tests/support/library_fixture.h"
#include "tests/support/runtime_fixture.h"
#include "tools/databuild/png_writer.h"

namespace {

using Image = javax_microedition_lcdui_Image;
using Graphics = javax_microedition_lcdui_Graphics;

uint16_t PixelAt(Image* image, int32_t x, int32_t y) {
  return static_cast<uint16_t>(image->getPixelArray()->elements()[x + y * (image->rowLength / 2)]);
}

// A 3 x 2 RGB picture: red, green, blue over white, black, grey.
std::vector<uint8_t> SmallPng() {
  databuild::PngPicture picture;
  picture.width = 3;
  picture.height = 2;
  picture.samples = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255, 0, 0, 0, 128, 128, 128};
  return databuild::EncodePng(picture);
}

// A stream that reports `claimed` bytes available on every call and gives the scripted results
// to its reads, repeating the last one; a result of -2 raises an IOException. The results
// belong to the test: a managed object holds nothing with a destructor.
class ScriptedStream : public java_io_InputStream {
 public:
  ScriptedStream(int32_t claimed, const std::vector<int32_t>* results)
      : claimed(claimed), results(results) {}
  int32_t read(ByteArray*, int32_t, int32_t) override {
    const int32_t result = (*results)[std::min<size_t>(reads++, results->size() - 1)];
    if (result == -2) ThrowException(NewObject<java_io_IOException>());
    return result == -2 ? -1 : result;
  }
  int32_t read() override { return -1; }
  int64_t skip(int64_t) override { return 0; }
  int32_t available() override { return claimed; }

  int32_t claimed;
  const std::vector<int32_t>* results;
  size_t reads = 0;
};

class ImageCreatorsTest : public LibraryTest {};

TEST_F(ImageCreatorsTest, ARegionIsCopiedWithItsTransformAndTurnsExchangeTheSize) {
  // Source 4 x 3, each pixel x + 10 y; the region is (1, 0) to (3, 2): 2 wide, 3 high.
  Image* source = Image::createImage(4, 3);
  for (int32_t y = 0; y < 3; y++) {
    for (int32_t x = 0; x < 4; x++) {
      source->getPixelArray()->elements()[x + y * 4] = static_cast<int16_t>(x + 10 * y);
    }
  }
  for (int32_t transform = 0; transform < 8; transform++) {
    SCOPED_TRACE(transform);
    Image* image = Image::createImage(source, 1, 0, 2, 3, transform);
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(image->isMutable());
    const bool turned = transform >= 4;
    EXPECT_EQ(image->getWidth(), turned ? 3 : 2);
    EXPECT_EQ(image->getHeight(), turned ? 2 : 3);
  }
  Image* copy = Image::createImage(source, 1, 0, 2, 3, Graphics::TRANS_NONE);
  EXPECT_EQ(PixelAt(copy, 0, 0), 1);
  EXPECT_EQ(PixelAt(copy, 1, 2), 22);
  // A quarter turn clockwise: the region's top row becomes the right-hand column.
  Image* turned = Image::createImage(source, 1, 0, 2, 3, Graphics::TRANS_ROT90);
  EXPECT_EQ(PixelAt(turned, 2, 0), 1);
  EXPECT_EQ(PixelAt(turned, 2, 1), 2);
  EXPECT_EQ(PixelAt(turned, 0, 0), 21);
}

TEST_F(ImageCreatorsTest, AStreamOfPngBytesDecodes) {
  const std::vector<uint8_t> png = SmallPng();
  ByteArray* bytes = NewByteArray(static_cast<int32_t>(png.size()));
  std::copy(png.begin(), png.end(), reinterpret_cast<uint8_t*>(bytes->elements()));
  Image* image = Image::createImage(NewObject<java_io_ByteArrayInputStream>(bytes));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->getWidth(), 3);
  EXPECT_EQ(image->getHeight(), 2);
  EXPECT_FALSE(image->isMutable());
  EXPECT_EQ(PixelAt(image, 0, 0), 0xF800);
  EXPECT_EQ(PixelAt(image, 2, 0), 0x001F);
  EXPECT_EQ(PixelAt(image, 0, 1), 0xFFFF);
}

// Each stream claims more bytes than it gives, so only its reads can end the loop.
TEST_F(ImageCreatorsTest, AReadOfNothingEndsTheStreamAndARaisingReadGivesNoImage) {
  struct Case {
    const char* name;
    std::vector<int32_t> results;
    int32_t raised;
  };
  const Case cases[] = {
      {"a read of 0", {0}, 0},
      {"a read of -1", {-1}, 0},
      {"a few bytes, then 0", {4, 0}, 0},
      {"a raising read", {4, -2}, cid::java_io_IOException},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto* stream = NewObject<ScriptedStream>(1000, &c.results);
    TraceCapture trace;
    EXPECT_EQ(Image::createImage(stream), nullptr);
    EXPECT_EQ(stream->reads, c.results.size());
    EXPECT_EQ(TakePending().classId, c.raised);
  }
}

TEST_F(ImageCreatorsTest, AResourceIsReadByItsNameAndAMissingOneIsNamed) {
  const std::vector<uint8_t> png = SmallPng();
  // A name ending in ".bar" is opened as a file of its own, whatever the archive holds.
  Plant(data_, "picture.bar", std::string(png.begin(), png.end()));
  Image* image = Image::createImage(NewJavaString("picture.bar"));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->getWidth(), 3);
  TraceCapture trace;
  EXPECT_EQ(Image::createImage(NewJavaString("/missing.png")), nullptr);
  EXPECT_EQ(trace.lines(),
            std::vector<std::string>{"Image.createImage: no resource \"/missing.png\""});
}

}  // namespace
