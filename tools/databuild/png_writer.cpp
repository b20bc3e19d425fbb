// PNG writing: signature, IHDR, the optional PLTE and tRNS, one IDAT, IEND.
#include "tools/databuild/png_writer.h"

#include <zlib.h>

#include <string>

#include "tools/databuild/build_error.h"

namespace databuild {

namespace {

constexpr uint8_t kSignature[8] = {137, 'P', 'N', 'G', 13, 10, 26, 10};

int ChannelsOf(uint8_t colourType) {
  switch (colourType) {
    case 0:
    case 3:
      return 1;
    case 2:
      return 3;
    case 4:
      return 2;
    case 6:
      return 4;
    default:
      throw BuildError("PNG: colour type " + std::to_string(colourType) + " does not exist");
  }
}

// Each row behind its filter byte 0, deflated into a zlib stream.
std::vector<uint8_t> ImageData(const PngPicture& picture, size_t rowBytes) {
  std::vector<uint8_t> filtered;
  filtered.reserve((rowBytes + 1) * picture.height);
  for (uint32_t y = 0; y < picture.height; y++) {
    filtered.push_back(0);
    const auto row = picture.samples.begin() + static_cast<std::ptrdiff_t>(y * rowBytes);
    filtered.insert(filtered.end(), row, row + static_cast<std::ptrdiff_t>(rowBytes));
  }
  uLongf size = compressBound(static_cast<uLong>(filtered.size()));
  std::vector<uint8_t> packed(size);
  if (compress2(packed.data(), &size, filtered.data(), static_cast<uLong>(filtered.size()),
                Z_BEST_COMPRESSION) != Z_OK) {
    throw BuildError("PNG: zlib could not deflate the image data");
  }
  packed.resize(size);
  return packed;
}

}  // namespace

void WritePngChunk(BigEndianWriter& out, std::string_view type, std::span<const uint8_t> data) {
  out.writeI32(static_cast<int32_t>(data.size()));
  const std::vector<uint8_t> typeAndData = [&] {
    std::vector<uint8_t> bytes(type.begin(), type.end());
    bytes.insert(bytes.end(), data.begin(), data.end());
    return bytes;
  }();
  out.writeBytes(typeAndData);
  const uLong crc =
      crc32(crc32(0, nullptr, 0), typeAndData.data(), static_cast<uInt>(typeAndData.size()));
  out.writeI32(static_cast<int32_t>(crc));
}

std::vector<uint8_t> EncodePng(const PngPicture& picture) {
  const size_t rowBytes = size_t{picture.width} * ChannelsOf(picture.colourType);
  if (picture.samples.size() != rowBytes * picture.height) {
    throw BuildError("PNG: " + std::to_string(picture.samples.size()) + " sample bytes for " +
                     std::to_string(picture.width) + " x " + std::to_string(picture.height) +
                     " pixels of colour type " + std::to_string(picture.colourType));
  }
  BigEndianWriter out;
  out.writeBytes(kSignature);
  BigEndianWriter header;
  header.writeI32(static_cast<int32_t>(picture.width));
  header.writeI32(static_cast<int32_t>(picture.height));
  // Bit depth 8, the colour type, then compression, filter and interlace methods 0.
  for (uint8_t byte : {uint8_t{8}, picture.colourType, uint8_t{0}, uint8_t{0}, uint8_t{0}}) {
    header.writeU8(byte);
  }
  WritePngChunk(out, "IHDR", header.bytes());
  if (!picture.palette.empty()) WritePngChunk(out, "PLTE", picture.palette);
  if (!picture.transparency.empty()) WritePngChunk(out, "tRNS", picture.transparency);
  WritePngChunk(out, "IDAT", ImageData(picture, rowBytes));
  WritePngChunk(out, "IEND", {});
  return out.take();
}

}  // namespace databuild
