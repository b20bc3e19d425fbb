// Reading back the game's --screenshot PNG as the RGB565 pixels it was written from.
#pragma once

#include <png.h>

#include <cstdint>
#include <filesystem>
#include <vector>

// The PNG's pixels as RGB565 (the writer widens each channel by repeating its high bits, so
// the top bits give the value back); empty when it is not a 480 x 800 picture.
inline std::vector<uint16_t> ReadScreenshot(const std::filesystem::path& path) {
  constexpr uint32_t kWidth = 480, kHeight = 800;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return {};
  if (image.width != kWidth || image.height != kHeight) {
    png_image_free(&image);
    return {};
  }
  image.format = PNG_FORMAT_RGB;
  std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return {};
  std::vector<uint16_t> pixels(kWidth * kHeight);
  for (size_t i = 0; i < pixels.size(); i++) {
    pixels[i] = static_cast<uint16_t>((rgb[3 * i] >> 3) << 11 | (rgb[3 * i + 1] >> 2) << 5 |
                                      rgb[3 * i + 2] >> 3);
  }
  return pixels;
}
