// Images from ARGB int arrays (createRGBImage) and pixels back as ARGB (getRGB). Every element
// a call would read or write is checked against its array first; after any argument error
// nothing is read or written.
#include <algorithm>

#include "javame/graphics.h"
#include "javame/image.h"
#include "platform/graphics_blit.h"
#include "platform/graphics_raster.h"
#include "runtime/trace.h"

using Image = javax_microedition_lcdui_Image;

namespace {

// True when one of the image's count pixels has an alpha other than 0 and 0xFF and a colour
// other than the magenta 0xFF00FF, so only an ARGB4444 image can hold it. Elements past the
// image are not its pixels: a shared scratch buffer holds whatever was decoded into it last.
bool HasTranslucentPixel(IntArray* rgb, int64_t count) {
  const auto* first = reinterpret_cast<const uint32_t*>(rgb->elements());
  return std::any_of(first, first + count, [](uint32_t p) {
    const uint32_t alpha = p >> 24;
    return alpha != 0 && alpha != 0xFF && (p & 0xFFFFFF) != 0xFF00FF;
  });
}

uint32_t Argb4444ToArgb8888(uint16_t p) {
  return static_cast<uint32_t>((p >> 12) * 17) << 24 |
         static_cast<uint32_t>(((p >> 8) & 15) * 17) << 16 |
         static_cast<uint32_t>(((p >> 4) & 15) * 17) << 8 | (p & 15) * 17;
}

}  // namespace

Image* Image::createRGBImage(IntArray* rgb, int32_t w, int32_t h, bool processAlpha) {
  if (!rgb) {
    TraceArgument("createRGBImage rgbData");
    return nullptr;
  }
  if (w <= 0 || h <= 0) {
    TraceArgument("createRGBImage width, height");
    return nullptr;
  }
  if (int64_t{w} * h > rgb->length) {
    TraceArgument("createRGBImage length");
    return nullptr;
  }
  const bool translucent = processAlpha && HasTranslucentPixel(rgb, int64_t{w} * h);
  Image* image = NewObject<Image>();
  if (!image || !image->initPixels(w, h, translucent ? kArgb4444 : kRgb565, 0)) return nullptr;
  auto* graphics = NewObject<javax_microedition_lcdui_Graphics>(image);
  if (!graphics) return nullptr;
  const bool keyed = processAlpha && !translucent;
  if (keyed) {
    // Alpha-0 pixels keep the key that this fill leaves; then the image is keyed if any remain.
    graphics->setColor(0xFF00FF);
    graphics->fillRect(0, 0, w, h);
  }
  graphics->drawRGB(rgb, 0, w, 0, 0, w, h, processAlpha);
  if (keyed) image->scanColourKey();
  return image;
}

void Image::getRGB(IntArray* argb, int32_t offset, int32_t scanlength, int32_t x, int32_t y,
                   int32_t w, int32_t h) {
  if (!argb) {
    TraceArgument("getRGB argb null");
    return;
  }
  if (w > 0 && h > 0 && !RowsInside(offset, scanlength, w, h, argb->length)) {
    TraceArgument("getRGB length");
    return;
  }
  if (x < 0 || y < 0) {
    TraceArgument("getRGB x,y outside");
    return;
  }
  if (int64_t{x} + w > width || int64_t{y} + h > height) {
    TraceArgument("getRGB width,height outside");
    return;
  }
  if (m_pixelType < kRgb565 || m_pixelType > kArgb4444) {
    TraceArgument("m_pixelType");
    return;
  }
  ShortArray* array = getPixelArray();
  if (!array || w <= 0 || h <= 0) return;
  if (!PixelArrayHoldsRows(*this, array->length)) {
    DebugLog("getRGB: the image's pixels do not hold its %d x %d pixels", width, height);
    return;
  }
  const int64_t stride = rowLength / 2;
  // Read once: stores through the int array could alias the field, so the loop would re-read it.
  const int32_t pixelType = m_pixelType;
  const auto* source = reinterpret_cast<const uint16_t*>(array->elements());
  auto* out = reinterpret_cast<uint32_t*>(argb->elements());
  for (int32_t row = 0; row < h; row++) {
    const uint16_t* from = source + (int64_t{y} + row) * stride + x;
    uint32_t* to = out + offset + int64_t{row} * scanlength;
    for (int32_t i = 0; i < w; i++) {
      const uint16_t p = from[i];
      if (pixelType == kArgb4444) {
        to[i] = Argb4444ToArgb8888(p);
      } else if (pixelType == kRgb565Keyed && p == kColourKey) {
        to[i] = 0;
      } else {
        to[i] = 0xFF000000u | Rgb565ToRgb888(p);
      }
    }
  }
}
