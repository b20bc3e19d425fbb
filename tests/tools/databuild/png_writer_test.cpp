// The builder's PNG writer: the chunks stand in order with correct CRCs, and the image data
// inflates to the rows behind their filter bytes.
#include "tools/databuild/png_writer.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <string>
#include <vector>

#include "tools/databuild/build_error.h"

namespace databuild {
namespace {

struct Chunk {
  std::string type;
  std::vector<uint8_t> data;
};

uint32_t BigEndian32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3];
}

// The chunks after the signature; every CRC is checked on the way.
std::vector<Chunk> Chunks(const std::vector<uint8_t>& png) {
  const std::vector<uint8_t> signature = {137, 'P', 'N', 'G', 13, 10, 26, 10};
  EXPECT_TRUE(std::equal(signature.begin(), signature.end(), png.begin()));
  std::vector<Chunk> chunks;
  size_t at = 8;
  while (at + 12 <= png.size()) {
    const uint32_t length = BigEndian32(&png[at]);
    const uint8_t* typeAndData = &png[at + 4];
    EXPECT_LE(at + 12 + length, png.size());
    EXPECT_EQ(crc32(0, typeAndData, 4 + length), BigEndian32(typeAndData + 4 + length));
    chunks.push_back({std::string(typeAndData, typeAndData + 4),
                      std::vector<uint8_t>(typeAndData + 4, typeAndData + 4 + length)});
    at += 12 + length;
  }
  EXPECT_EQ(at, png.size());
  return chunks;
}

std::vector<uint8_t> Inflate(const std::vector<uint8_t>& packed, size_t size) {
  std::vector<uint8_t> out(size);
  uLongf outSize = static_cast<uLongf>(size);
  EXPECT_EQ(uncompress(out.data(), &outSize, packed.data(), static_cast<uLong>(packed.size())),
            Z_OK);
  EXPECT_EQ(outSize, size);
  return out;
}

TEST(PngWriterTest, WritesHeaderPaletteTransparencyDataAndEnd) {
  PngPicture picture{3, 2, 3, {0, 1, 2, 2, 1, 0}, {255, 0, 0, 0, 255, 0, 0, 0, 255}, {0, 128}};
  const std::vector<Chunk> chunks = Chunks(EncodePng(picture));
  ASSERT_EQ(chunks.size(), 5u);
  EXPECT_EQ(chunks[0].type, "IHDR");
  EXPECT_EQ(chunks[0].data, (std::vector<uint8_t>{0, 0, 0, 3, 0, 0, 0, 2, 8, 3, 0, 0, 0}));
  EXPECT_EQ(chunks[1].type, "PLTE");
  EXPECT_EQ(chunks[1].data, picture.palette);
  EXPECT_EQ(chunks[2].type, "tRNS");
  EXPECT_EQ(chunks[2].data, picture.transparency);
  EXPECT_EQ(chunks[3].type, "IDAT");
  EXPECT_EQ(Inflate(chunks[3].data, 8), (std::vector<uint8_t>{0, 0, 1, 2, 0, 2, 1, 0}));
  EXPECT_EQ(chunks[4].type, "IEND");
  EXPECT_TRUE(chunks[4].data.empty());
}

TEST(PngWriterTest, RowsHoldTheChannelsOfTheirColourType) {
  struct Case {
    uint8_t colourType;
    int channels;
  };
  for (const Case c : {Case{0, 1}, Case{2, 3}, Case{4, 2}, Case{6, 4}}) {
    SCOPED_TRACE(int{c.colourType});
    PngPicture picture{2, 2, c.colourType, {}, {}, {}};
    for (int i = 0; i < 4 * c.channels; i++) picture.samples.push_back(static_cast<uint8_t>(i * 7));
    const std::vector<Chunk> chunks = Chunks(EncodePng(picture));
    ASSERT_EQ(chunks.size(), 3u);
    const size_t rowBytes = 2 * c.channels;
    const std::vector<uint8_t> rows = Inflate(chunks[1].data, 2 * (rowBytes + 1));
    EXPECT_EQ(rows[0], 0);
    EXPECT_EQ(rows[rowBytes + 1], 0);
    EXPECT_TRUE(std::equal(rows.begin() + 1, rows.begin() + 1 + rowBytes, picture.samples.begin()));
    EXPECT_TRUE(
        std::equal(rows.begin() + rowBytes + 2, rows.end(), picture.samples.begin() + rowBytes));
  }
}

TEST(PngWriterTest, RefusesSamplesThatDoNotFitAndUnknownColourTypes) {
  EXPECT_THROW(EncodePng({2, 2, 2, std::vector<uint8_t>(11), {}, {}}), BuildError);
  EXPECT_THROW(EncodePng({1, 1, 5, std::vector<uint8_t>(3), {}, {}}), BuildError);
}

}  // namespace
}  // namespace databuild
