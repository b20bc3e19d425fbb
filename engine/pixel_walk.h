// How a picture of sw x sh pixels is read so that it comes out under transform flags (1 flip
// in x, 2 flip in y, 4 turn 90 degrees clockwise, flips first): pixel (dx, dy) of the result
// is source element start + dy * rowStep + dx * pixelStep. The result is sw x sh, or sh x sw
// when flags & 4.
#pragma once

#include <cstdint>

struct PixelWalk {
  int32_t start;
  int32_t rowStep;
  int32_t pixelStep;
};

constexpr PixelWalk WalkUnderFlags(int32_t flags, int32_t sw, int32_t sh) {
  // The source element under result pixel (dx, dy): undo the turn, then the flips.
  const auto index = [flags, sw, sh](int32_t dx, int32_t dy) {
    const int32_t ux = (flags & 4) ? dy : dx;
    const int32_t uy = (flags & 4) ? sh - 1 - dx : dy;
    const int32_t sx = (flags & 1) ? sw - 1 - ux : ux;
    const int32_t sy = (flags & 2) ? sh - 1 - uy : uy;
    return sy * sw + sx;
  };
  const int32_t start = index(0, 0);
  return {start, index(0, 1) - start, index(1, 0) - start};
}
