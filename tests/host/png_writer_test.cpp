// The PNG writer: what it writes reads back through libpng with every RGB565 value intact,
// and a failed write reports the file and leaves nothing behind.
#include "host/png_writer.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "tests/support/runtime_fixture.h"

namespace {

namespace fs = std::filesystem;

struct Decoded {
  int width = 0, height = 0, bitDepth = 0, colourType = 0;
  std::vector<uint8_t> rgb;
};

Decoded ReadPng(const fs::path& path) {
  Decoded out;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return out;
  out.width = static_cast<int>(image.width);
  out.height = static_cast<int>(image.height);
  out.colourType = image.format == PNG_FORMAT_RGB ? PNG_COLOR_TYPE_RGB : -1;
  out.bitDepth = 8;
  image.format = PNG_FORMAT_RGB;
  out.rgb.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, out.rgb.data(), 0, nullptr)) out.rgb.clear();
  return out;
}

class PngWriterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("plimora_png_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  fs::path folder_;
};

TEST_F(PngWriterTest, EveryRgb565ValueSurvivesTheRoundTrip) {
  // 256 x 256 pixels hold all 65536 values; rows are padded to show the pitch is honoured.
  constexpr int kSide = 256, kPitchPixels = 260;
  std::vector<uint16_t> pixels(kPitchPixels * kSide, 0xDEAD);
  for (int i = 0; i < 65536; i++) pixels[(i / kSide) * kPitchPixels + i % kSide] = uint16_t(i);
  fs::path path = folder_ / "all.png";
  ASSERT_TRUE(host::WritePng565(path, pixels.data(), kSide, kSide, kPitchPixels * 2));

  Decoded png = ReadPng(path);
  ASSERT_EQ(png.width, kSide);
  ASSERT_EQ(png.height, kSide);
  EXPECT_EQ(png.colourType, PNG_COLOR_TYPE_RGB);
  ASSERT_EQ(png.rgb.size(), size_t{65536 * 3});
  for (int i = 0; i < 65536; i++) {
    uint8_t r = png.rgb[3 * i], g = png.rgb[3 * i + 1], b = png.rgb[3 * i + 2];
    ASSERT_EQ(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3), i);
  }
  // Full channels widen to full bytes; white is white.
  int white = 0xFFFF;
  EXPECT_EQ(png.rgb[3 * white], 255);
  EXPECT_EQ(png.rgb[3 * white + 1], 255);
  EXPECT_EQ(png.rgb[3 * white + 2], 255);
  EXPECT_FALSE(fs::exists(folder_ / "all.png.tmp"));
}

TEST_F(PngWriterTest, FailuresNameTheFileAndLeaveNothingBehind) {
  uint16_t pixels[4] = {1, 2, 3, 4};
  struct Case {
    fs::path path;
    int width, height, pitch;
  } cases[] = {
      {folder_ / "missing" / "shot.png", 2, 2, 4},  // no such folder
      {folder_, 2, 2, 4},                           // the target is a folder
      {folder_ / "bad.png", 0, 2, 4},               // no pixels
      {folder_ / "bad.png", 2, 2, 3},               // rows overlap
  };
  for (const Case& c : cases) {
    TraceCapture trace;
    EXPECT_FALSE(host::WritePng565(c.path, pixels, c.width, c.height, c.pitch)) << c.path;
    ASSERT_EQ(trace.lines().size(), 1u) << c.path;
    EXPECT_NE(trace.lines()[0].find(c.path.string()), std::string::npos) << trace.lines()[0];
  }
  EXPECT_TRUE(fs::is_directory(folder_));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 0);
}

TEST_F(PngWriterTest, AnExistingFileIsReplacedWhole) {
  fs::path path = folder_ / "shot.png";
  std::vector<uint16_t> first(8 * 8, 0xF800), second(4 * 2, 0x001F);
  ASSERT_TRUE(host::WritePng565(path, first.data(), 8, 8, 16));
  ASSERT_TRUE(host::WritePng565(path, second.data(), 4, 2, 8));
  Decoded png = ReadPng(path);
  ASSERT_EQ(png.width, 4);
  ASSERT_EQ(png.height, 2);
  EXPECT_EQ(png.rgb[0], 0);
  EXPECT_EQ(png.rgb[2], 255);
}

}  // namespace
