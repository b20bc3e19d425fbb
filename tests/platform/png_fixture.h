// PNG fixtures for the decoder's tests: images written with libpng into memory, and chunk
// surgery (cutting, adding and replacing chunks with correct CRCs) for the broken cases.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PngSpec {
  int width = 1;
  int height = 1;
  int colourType = 2;  // a PNG colour type: 0 grey, 2 RGB, 3 palette, 4 grey + alpha, 6 RGBA
  int bitDepth = 8;
  bool interlaced = false;
  // Rows of samples, top first, as libpng takes them for this type and depth (16-bit samples
  // big-endian, depths below 8 packed high bits first).
  std::vector<uint8_t> rows;
  std::vector<uint8_t> palette;       // RGB triples
  std::vector<uint8_t> paletteAlpha;  // the tRNS of a palette image
  bool colourKeyed = false;           // a tRNS colour for grey or RGB images
  uint16_t keyRed = 0, keyGreen = 0, keyBlue = 0, keyGrey = 0;
};

std::vector<uint8_t> WritePng(const PngSpec& spec);

// One chunk with its length and CRC, as it stands in the file.
std::vector<uint8_t> PngChunk(const std::string& type, const std::vector<uint8_t>& data);

// An IHDR chunk's data for the given size, depth and colour type (no interlace).
std::vector<uint8_t> IhdrData(uint32_t width, uint32_t height, uint8_t bitDepth,
                              uint8_t colourType);

// The byte offset at which the chunk of the given type starts (its length field); npos when
// the file has none.
size_t FindChunk(const std::vector<uint8_t>& png, const std::string& type);

// png with extra inserted before the byte at position.
std::vector<uint8_t> InsertAt(const std::vector<uint8_t>& png, size_t position,
                              const std::vector<uint8_t>& extra);
