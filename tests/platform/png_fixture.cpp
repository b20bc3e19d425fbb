// libpng writes the fixtures into memory; chunks are put together with zlib's CRC-32.
#include "tests/platform/png_fixture.h"

#include <png.h>
#include <zlib.h>

#include <cstring>

namespace {

void Append(png_structp png, png_bytep data, size_t length) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void Flush(png_structp) {}

void PutBigEndian32(std::vector<uint8_t>* out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out->push_back(static_cast<uint8_t>(v >> shift));
}

}  // namespace

std::vector<uint8_t> WritePng(const PngSpec& spec) {
  std::vector<uint8_t> out;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return {};
  }
  png_set_write_fn(png, &out, Append, Flush);
  png_set_IHDR(png, info, spec.width, spec.height, spec.bitDepth, spec.colourType,
               spec.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  std::vector<png_color> palette;
  for (size_t i = 0; i + 2 < spec.palette.size(); i += 3) {
    palette.push_back({spec.palette[i], spec.palette[i + 1], spec.palette[i + 2]});
  }
  if (!palette.empty()) png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
  if (!spec.paletteAlpha.empty()) {
    png_set_tRNS(png, info, spec.paletteAlpha.data(), static_cast<int>(spec.paletteAlpha.size()),
                 nullptr);
  } else if (spec.colourKeyed) {
    png_color_16 key{};
    key.red = spec.keyRed;
    key.green = spec.keyGreen;
    key.blue = spec.keyBlue;
    key.gray = spec.keyGrey;
    png_set_tRNS(png, info, nullptr, 0, &key);
  }
  png_write_info(png, info);
  const size_t rowBytes = png_get_rowbytes(png, info);
  std::vector<png_bytep> rows;
  std::vector<uint8_t> samples = spec.rows;
  samples.resize(rowBytes * spec.height);
  for (int y = 0; y < spec.height; y++) rows.push_back(samples.data() + y * rowBytes);
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

std::vector<uint8_t> PngChunk(const std::string& type, const std::vector<uint8_t>& data) {
  std::vector<uint8_t> chunk;
  PutBigEndian32(&chunk, static_cast<uint32_t>(data.size()));
  chunk.insert(chunk.end(), type.begin(), type.end());
  chunk.insert(chunk.end(), data.begin(), data.end());
  const uLong crc =
      crc32(crc32(0, nullptr, 0), chunk.data() + 4, static_cast<uInt>(chunk.size() - 4));
  PutBigEndian32(&chunk, static_cast<uint32_t>(crc));
  return chunk;
}

std::vector<uint8_t> IhdrData(uint32_t width, uint32_t height, uint8_t bitDepth,
                              uint8_t colourType) {
  std::vector<uint8_t> data;
  PutBigEndian32(&data, width);
  PutBigEndian32(&data, height);
  data.insert(data.end(), {bitDepth, colourType, 0, 0, 0});
  return data;
}

size_t FindChunk(const std::vector<uint8_t>& png, const std::string& type) {
  size_t position = 8;
  while (position + 8 <= png.size()) {
    const uint32_t length = static_cast<uint32_t>(png[position]) << 24 | png[position + 1] << 16 |
                            png[position + 2] << 8 | png[position + 3];
    if (memcmp(&png[position + 4], type.data(), 4) == 0) return position;
    position += 12 + static_cast<size_t>(length);
  }
  return std::string::npos;
}

std::vector<uint8_t> InsertAt(const std::vector<uint8_t>& png, size_t position,
                              const std::vector<uint8_t>& extra) {
  std::vector<uint8_t> out(png.begin(), png.begin() + static_cast<std::ptrdiff_t>(position));
  out.insert(out.end(), extra.begin(), extra.end());
  out.insert(out.end(), png.begin() + static_cast<std::ptrdiff_t>(position), png.end());
  return out;
}
