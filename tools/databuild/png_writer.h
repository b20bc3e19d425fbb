// The builder's PNG writer: 8-bit images of every colour type, each row with filter 0, the
// image data deflated by zlib at its best compression, one IDAT chunk.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "tools/databuild/big_endian_writer.h"

namespace databuild {

struct PngPicture {
  uint32_t width = 0;
  uint32_t height = 0;
  uint8_t colourType = 2;             // 0 grey, 2 RGB, 3 palette, 4 grey + alpha, 6 RGBA
  std::vector<uint8_t> samples;       // rows top first, width x channels bytes each
  std::vector<uint8_t> palette;       // PLTE data: RGB triples
  std::vector<uint8_t> transparency;  // tRNS data as the file holds it; none when empty
};

// The whole file. A picture whose samples do not fill its rows, or whose colour type is not
// one of the five, is a BuildError.
std::vector<uint8_t> EncodePng(const PngPicture& picture);

// One chunk: big-endian data length, the 4-letter type, the data, the CRC-32 of type and data.
void WritePngChunk(BigEndianWriter& out, std::string_view type, std::span<const uint8_t> data);

}  // namespace databuild
