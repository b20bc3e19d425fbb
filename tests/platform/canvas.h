// Small drawing targets for pixel-exact tests: an image with its Graphics, its pixels written
// out as text (one character per pixel and one line per row), and ARGB int arrays in and out.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "javame/graphics.h"
#include "javame/image.h"

using Image = javax_microedition_lcdui_Image;
using Graphics = javax_microedition_lcdui_Graphics;

// '.' for 0, '#' for white; the characters of other values come from the caller.
inline const std::map<uint16_t, char> kBlackAndWhite = {{0x0000, '.'}, {0xFFFF, '#'}};

struct Canvas {
  Canvas(int32_t width, int32_t height)
      : image(Image::createImage(width, height)), graphics(image->getGraphics()) {}

  // The pixels are re-read from the image each time: the data heap may have moved them.
  uint16_t* pixels() const {
    return reinterpret_cast<uint16_t*>(static_cast<ShortArray*>(image->pixels)->elements());
  }
  uint16_t& at(int32_t x, int32_t y) const { return pixels()[x + y * (image->rowLength / 2)]; }
  void fill(uint16_t value) const {
    for (int32_t y = 0; y < image->height; y++) {
      for (int32_t x = 0; x < image->width; x++) at(x, y) = value;
    }
  }
  int32_t count(uint16_t value) const {
    int32_t n = 0;
    for (int32_t y = 0; y < image->height; y++) {
      for (int32_t x = 0; x < image->width; x++) n += at(x, y) == value;
    }
    return n;
  }
  // Rows joined by '\n'; a value missing from the legend shows as '?'.
  std::string art(const std::map<uint16_t, char>& legend = kBlackAndWhite) const {
    std::string text;
    for (int32_t y = 0; y < image->height; y++) {
      if (y > 0) text += '\n';
      for (int32_t x = 0; x < image->width; x++) {
        auto found = legend.find(at(x, y));
        text += found == legend.end() ? '?' : found->second;
      }
    }
    return text;
  }

  Image* image;
  Graphics* graphics;
};

// An int array holding the ARGB values.
inline IntArray* MakeInts(const std::vector<uint32_t>& values) {
  IntArray* array = NewIntArray(static_cast<int32_t>(values.size()));
  for (size_t i = 0; i < values.size(); i++) array->elements()[i] = static_cast<int32_t>(values[i]);
  return array;
}

// The whole image as ARGB values through getRGB, row by row.
inline std::vector<uint32_t> ArgbOf(Image* image) {
  const int32_t n = image->width * image->height;
  IntArray* out = NewIntArray(n);
  image->getRGB(out, 0, image->width, 0, 0, image->width, image->height);
  const auto* first = reinterpret_cast<const uint32_t*>(out->elements());
  return std::vector<uint32_t>(first, first + n);
}
