// PNG decoding for Image: a header walk straight over the caller's bytes, and libpng decoding
// into an image's 16-bit pixels. Neither reads outside the bytes it is given.
#pragma once

#include <cstddef>
#include <cstdint>

#include "javame/image.h"

// The largest width and height a PNG image may declare.
constexpr int32_t kMaxPngSide = 4096;

// What the chunk walk finds; values the walk did not meet stay 0.
struct PngHeader {
  int32_t width;
  int32_t height;
  int32_t bitDepth;
  int32_t colourType;
  int32_t paletteEntryCount;  // PLTE length / 3
  bool hasTransparency;       // a tRNS chunk was met
  // The chunk whose declared length runs past the end of the data, if any: its type as four
  // characters, the offset of its length field and the length it declares.
  char overrunType[5];
  int64_t overrunAt;
  int64_t overrunLength;
};

// Walks the chunks of data[offset .. offset + length) after the 8-byte signature: IHDR gives
// the size, bit depth and colour type (a later IHDR overwrites an earlier one), PLTE the
// palette count, tRNS the transparency flag, IEND ends the walk, every other chunk is
// skipped. 1 when an IHDR was read, else 0; also 0 when a chunk declares more bytes than the
// data holds (the overrun fields name it), so that libpng never sees such a length. The range
// must lie inside the array.
int32_t ReadPngHeader(ByteArray* data, int32_t offset, int32_t length, PngHeader* out);

enum class PngDecodeResult {
  kDecoded,   // the pixels hold the picture
  kFailed,    // libpng stopped with an error; the pixels are as they were
  kMismatch,  // libpng's header differs from the walk's; the pixels are as they were
};

// The largest block libpng may have at once; a larger request fails and takes libpng's error
// path. Decoding an image within kMaxPngSide needs far less: libpng's rows, zlib's window and
// its own records; ancillary chunks, which the game never reads, are skipped unread.
constexpr size_t kLargestLibpngBlock = 1 << 20;

// What libpng asked of the decoder's memory callbacks in one decode.
struct PngMemoryUse {
  size_t requests = 0;
  size_t largestRequest = 0;  // in bytes, granted or not
};

// Decodes the PNG bytes data[0 .. length) into pixels, the image's 16-bit pixel rows (row
// length / 2 elements apart), comparing what libpng reads with header. Rows become RGB565,
// with 0xF81F where a tRNS chunk made a pixel fully transparent, or ARGB4444 for an image of
// pixel type 2. On failure, message names the cause (up to messageSize bytes with its end).
// When memory is given, libpng's allocations are counted there.
PngDecodeResult DecodePngToImage(javax_microedition_lcdui_Image* image, const PngHeader& header,
                                 const uint8_t* data, size_t length, uint16_t* pixels,
                                 char* message, size_t messageSize, PngMemoryUse* memory = nullptr);
