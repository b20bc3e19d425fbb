// Solid and blended rectangle fills, and fillRect. Fills are clipped before any pixel is
// touched, so their cost is bounded by the clip, whatever the coordinates.
#include <cstring>

#include "platform/graphics_blit.h"
#include "platform/graphics_raster.h"
#include "runtime/trace.h"

namespace {

// Eight pixels per 16-byte store along the row, then the rest one by one.
void FillRow(uint16_t* row, int32_t w, uint16_t colour) {
  const Pixels8 eight = Pixels8{} + colour;
  int32_t i = 0;
  for (; i + 8 <= w; i += 8) memcpy(row + i, &eight, sizeof eight);
  for (; i < w; i++) row[i] = colour;
}

uint16_t* RowStart(const DrawTarget& target, const PixelRect& rect, int32_t row) {
  return target.pixels + static_cast<ptrdiff_t>(rect.y + row) * target.stride + rect.x;
}

}  // namespace

void FillRect16(const DrawTarget& target, const PixelRect& rect, uint16_t colour) {
  if (rect.h < 1) {
    DebugLog("FillRect16 h > 0");
    return;
  }
  for (int32_t row = 0; row < rect.h; row++) FillRow(RowStart(target, rect, row), rect.w, colour);
}

void FillRectBlend16(const DrawTarget& target, const PixelRect& rect, uint32_t argb) {
  for (int32_t row = 0; row < rect.h; row++) {
    uint16_t* pixel = RowStart(target, rect, row);
    for (int32_t i = 0; i < rect.w; i++) pixel[i] = BlendArgb8888(pixel[i], argb);
  }
}

void FillArea(const DrawTarget& target, int64_t x, int64_t y, int64_t w, int64_t h) {
  PixelRect rect;
  if (!ClipRectToGraphics(target, x, y, w, h, &rect)) return;
  if ((target.colour >> 24) == 0xFF) {
    FillRect16(target, rect, javax_microedition_lcdui_Graphics::Rgb888ToRgb565(target.colour));
  } else {
    FillRectBlend16(target, rect, target.colour);
  }
}

void javax_microedition_lcdui_Graphics::fillRect(int32_t x, int32_t y, int32_t w, int32_t h) {
  DrawTarget target;
  if (!AcquireDrawTarget(this, "fillRect", &target)) return;
  FillArea(target, int64_t{x} + target.translateX, int64_t{y} + target.translateY, w, h);
}
