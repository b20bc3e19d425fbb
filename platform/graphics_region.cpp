// drawRegion, drawImage and drawRGB: anchoring, clipping the destination while moving the
// source window with it, the eight transforms as destination steps, and the choice of
// blitter. Every argument error is traced and then nothing is drawn.
#include <algorithm>

#include "javame/graphics.h"
#include "platform/graphics_blit.h"
#include "platform/graphics_raster.h"
#include "runtime/trace.h"

namespace {

using Image = javax_microedition_lcdui_Image;

// How a transform maps source axes onto the destination. Without `exchange` the destination's
// x follows the source's x and its y the source's y; with it, the destination's x follows the
// source's y and its y the source's x. flipX: the destination's x runs against the source axis
// it follows; flipY likewise for its y.
struct TransformAxes {
  bool exchange, flipX, flipY;
};

constexpr TransformAxes kTransformAxes[8] = {
    {false, false, false},  // TRANS_NONE
    {false, false, true},   // TRANS_MIRROR_ROT180
    {false, true, false},   // TRANS_MIRROR
    {false, true, true},    // TRANS_ROT180
    {true, false, false},   // TRANS_MIRROR_ROT270
    {true, true, false},    // TRANS_ROT90
    {true, false, true},    // TRANS_ROT270
    {true, true, true},     // TRANS_MIRROR_ROT90
};

// A source window and where its transformed picture lands.
struct Region {
  int64_t xSrc, ySrc, w, h;  // source pixels
  int64_t x, y;              // destination top-left, absolute
};

// Cuts the destination rectangle to the clip and moves the source window with it: the cut on
// each destination side removes source pixels from the start of the source axis that side
// follows when the axis runs with it, from the end when it runs against it. False when
// nothing is left.
bool ClipRegion(const DrawTarget& target, const TransformAxes& axes, Region* r) {
  const int64_t destW = axes.exchange ? r->h : r->w, destH = axes.exchange ? r->w : r->h;
  const int64_t cutLeft = std::max<int64_t>(target.clipX1 - r->x, 0);
  const int64_t cutRight = std::max<int64_t>(r->x + destW - target.clipX2, 0);
  const int64_t cutTop = std::max<int64_t>(target.clipY1 - r->y, 0);
  const int64_t cutBottom = std::max<int64_t>(r->y + destH - target.clipY2, 0);
  if (destW - cutLeft - cutRight < 1 || destH - cutTop - cutBottom < 1) return false;
  int64_t& xAxisStart = axes.exchange ? r->ySrc : r->xSrc;  // source axis under destination x
  int64_t& yAxisStart = axes.exchange ? r->xSrc : r->ySrc;
  xAxisStart += axes.flipX ? cutRight : cutLeft;
  yAxisStart += axes.flipY ? cutBottom : cutTop;
  int64_t& xAxisLength = axes.exchange ? r->h : r->w;
  int64_t& yAxisLength = axes.exchange ? r->w : r->h;
  xAxisLength -= cutLeft + cutRight;
  yAxisLength -= cutTop + cutBottom;
  r->x += cutLeft;
  r->y += cutTop;
  return true;
}

// The source image's 16-bit pixels, when it has rows enough for its size.
const uint16_t* SourcePixels(Image* image) {
  Array* pixels = image->pixels;
  if (!pixels || pixels->classId != cid::ShortArray) return nullptr;
  if (!PixelArrayHoldsRows(*image, pixels->length)) return nullptr;
  return reinterpret_cast<const uint16_t*>(static_cast<ShortArray*>(pixels)->elements());
}

// Checks the clipped source window, sets the destination start and steps of the transform and
// runs the blitter of the source's pixel type.
void DrawRegionCore(const DrawTarget& target, Image* image, const Region& r,
                    const TransformAxes& axes) {
  if (r.xSrc < 0 || r.xSrc + r.w > image->width) {
    TraceArgument("drawRegion x_src");
    return;
  }
  if (r.ySrc < 0 || r.ySrc + r.h > image->height) {
    TraceArgument("drawRegion y_src");
    return;
  }
  const int32_t pixelType = image->m_pixelType;
  if (pixelType < Image::kRgb565 || pixelType > Image::kArgb4444) {
    TraceArgument("m_pixelType");
    return;
  }
  const uint16_t* source = SourcePixels(image);
  if (!source) {
    DebugLog("drawRegion: the source image's pixels do not hold its %d x %d pixels", image->width,
             image->height);
    return;
  }
  const int32_t dstRow = target.stride * 2;
  // Source pixels advance the destination along the axis that follows the source's x; source
  // rows along the other one.
  const int32_t alongX = axes.flipX ? -2 : 2, alongY = axes.flipY ? -dstRow : dstRow;
  const int64_t destW = axes.exchange ? r.h : r.w, destH = axes.exchange ? r.w : r.h;
  const int64_t startX = axes.flipX ? r.x + destW - 1 : r.x;
  const int64_t startY = axes.flipY ? r.y + destH - 1 : r.y;
  const BlitDescriptor d{static_cast<int32_t>(r.w), static_cast<int32_t>(r.h), image->rowLength,
                         axes.exchange ? alongY : alongX, axes.exchange ? alongX : alongY};
  const auto* src =
      reinterpret_cast<const uint8_t*>(source + r.ySrc * (image->rowLength / 2) + r.xSrc);
  auto* dst = reinterpret_cast<uint8_t*>(target.pixels + startY * target.stride + startX);
  switch (pixelType) {
    case Image::kRgb565:
      BlitCopy(d, src, dst);
      break;
    case Image::kRgb565Keyed:
      BlitCopyKeyed(d, src, dst);
      break;
    default:
      BlitBlendArgb4444(d, src, dst);
      break;
  }
}

}  // namespace

void javax_microedition_lcdui_Graphics::drawRegion(javax_microedition_lcdui_Image* image,
                                                   int32_t xSrc, int32_t ySrc, int32_t w, int32_t h,
                                                   int32_t transform, int32_t x, int32_t y,
                                                   int32_t anchor) {
  if (!image) {
    TraceArgument("drawRegion pSrc");
    return;
  }
  if (transform < 0 || transform > TRANS_MIRROR_ROT90) {
    TraceArgument("drawRegion transform");
    return;
  }
  DrawTarget target;
  if (!AcquireDrawTarget(this, "drawRegion", &target)) return;
  const TransformAxes& axes = kTransformAxes[transform];
  Region r{xSrc, ySrc, w, h, x, y};
  const int64_t destW = axes.exchange ? r.h : r.w, destH = axes.exchange ? r.w : r.h;
  if (anchor & HCENTER) {
    r.x -= destW >> 1;
  } else if (anchor & RIGHT) {
    r.x -= destW;
  }
  if (anchor & VCENTER) {
    r.y -= destH >> 1;
  } else if (anchor & BOTTOM) {
    r.y -= destH;
  }
  r.x += target.translateX;
  r.y += target.translateY;
  if (!ClipRegion(target, axes, &r)) return;
  DrawRegionCore(target, image, r, axes);
}

void javax_microedition_lcdui_Graphics::drawImage(javax_microedition_lcdui_Image* image, int32_t x,
                                                  int32_t y, int32_t anchor) {
  if (!image) {
    TraceArgument("drawRegion pSrc");
    return;
  }
  drawRegion(image, 0, 0, image->width, image->height, TRANS_NONE, x, y, anchor);
}

void javax_microedition_lcdui_Graphics::drawRGB(IntArray* rgb, int32_t offset, int32_t scanlength,
                                                int32_t x, int32_t y, int32_t w, int32_t h,
                                                bool processAlpha) {
  if (!rgb) {
    TraceArgument("drawRGB rgbData");
    return;
  }
  DrawTarget target;
  if (!AcquireDrawTarget(this, "drawRGB", &target)) return;
  const int64_t left = int64_t{x} + target.translateX, top = int64_t{y} + target.translateY;
  PixelRect rect;
  if (!ClipRectToGraphics(target, left, top, w, h, &rect)) return;
  // Every element the clipped rows read must lie inside the array, whichever the scan's sign.
  const __int128 first =
      offset + static_cast<__int128>(rect.y - top) * scanlength + (rect.x - left);
  if (!RowsInside(first, scanlength, rect.w, rect.h, rgb->length)) {
    TraceArgument("drawRGB length");
    return;
  }
  const auto* src = reinterpret_cast<const uint8_t*>(rgb->elements() + static_cast<int64_t>(first));
  auto* dst = reinterpret_cast<uint8_t*>(target.pixels + int64_t{rect.y} * target.stride + rect.x);
  auto blit = BlitArgb8888Copy;
  if (this->target->m_pixelType == javax_microedition_lcdui_Image::kArgb4444) {
    blit = BlitArgb8888ToArgb4444;
  } else if (processAlpha) {
    blit = BlitArgb8888Blend;
  }
  // Rows farther apart than a 32-bit step reaches exist only in arrays of over 2^29 ints.
  const int64_t srcRowStep = rect.h == 1 ? 0 : int64_t{scanlength} * 4;
  if (srcRowStep != static_cast<int32_t>(srcRowStep)) {
    TraceArgument("drawRGB scanlength");
    return;
  }
  blit({rect.w, rect.h, static_cast<int32_t>(srcRowStep), 2, target.stride * 2}, src, dst);
}
