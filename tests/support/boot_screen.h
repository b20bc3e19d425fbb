// The boot screens as the screenshot tests read them: the box of the pixels that are not the
// logo screen's white, and where the data builder's logo lands when it is centred on the
// 480 x 800 screen.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>

#include "tools/databuild/boot_sprites.h"

struct PixelBox {
  int32_t left = 0, top = 0, right = -1, bottom = -1;  // inclusive; right < left when empty
  bool operator==(const PixelBox&) const = default;
};

// The box of the screen's pixels that differ from white; `at` reads one in RGB565.
inline PixelBox NonWhiteBox(const std::function<uint16_t(int32_t, int32_t)>& at) {
  PixelBox box{480, 800, -1, -1};
  for (int32_t y = 0; y < 800; y++) {
    for (int32_t x = 0; x < 480; x++) {
      if (at(x, y) == 0xFFFF) continue;
      box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
             std::max(box.bottom, y)};
    }
  }
  return box;
}

// The box of the logo's painted pixels (every module pixel but the key, index 0, at its part's
// offset from the frame's origin, its top-left corner), centred as state 2 paints the frame:
// x = (480 - frame width) >> 1, and the same for y.
inline PixelBox CentredLogoBox() {
  const databuild::SpriteData logo = databuild::LogoSprite();
  const databuild::SpriteFrame& frame = logo.frames[0];
  int32_t w = 0, h = 0;
  PixelBox ink{1 << 20, 1 << 20, -1, -1};
  for (int32_t i = 0; i < frame.fmoduleCount; i++) {
    const databuild::SpriteFModule& part = logo.fmodules[frame.firstFModule + i];
    const databuild::SpriteModule& m = logo.modules[part.module];
    w = std::max(w, part.x + m.width);
    h = std::max(h, part.y + m.height);
    for (int32_t y = 0; y < m.height; y++) {
      for (int32_t x = 0; x < m.width; x++) {
        if (m.pixels[y * m.width + x] == 0) continue;
        ink = {std::min(ink.left, part.x + x), std::min(ink.top, part.y + y),
               std::max(ink.right, part.x + x), std::max(ink.bottom, part.y + y)};
      }
    }
  }
  const int32_t x = (480 - w) >> 1, y = (800 - h) >> 1;
  return {ink.left + x, ink.top + y, ink.right + x, ink.bottom + y};
}
