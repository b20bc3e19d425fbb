// The one place where a Graphics' target becomes pixel memory: the pixel array is checked to
// hold every row of the image, and the clip is narrowed to the image, so nothing a primitive
// clips to can address memory outside the pixels.
#include <algorithm>

#include "platform/graphics_raster.h"
#include "runtime/exceptions.h"
#include "runtime/trace.h"

void TraceArgument(const char* text) {
  DebugLog("%s", text);
  PrintStackTrace();
}

bool PixelArrayHoldsRows(const javax_microedition_lcdui_Image& image, int64_t length) {
  const int64_t stride = image.rowLength / 2;
  return image.width >= 0 && image.height >= 0 && stride >= image.width &&
         stride * image.height <= length;
}

bool AcquireDrawTarget(javax_microedition_lcdui_Graphics* graphics, const char* operation,
                       DrawTarget* out) {
  javax_microedition_lcdui_Image* image = graphics->target;
  if (!NullCheck(image)) return false;
  Array* pixels = image->pixels;
  if (!pixels || pixels->classId != cid::ShortArray) {
    DebugLog("%s: the target image has no 16-bit pixels", operation);
    return false;
  }
  if (!PixelArrayHoldsRows(*image, pixels->length)) {
    DebugLog("%s: the target image's %d x %d pixels do not fit its pixel array", operation,
             image->width, image->height);
    return false;
  }
  out->pixels = reinterpret_cast<uint16_t*>(static_cast<ShortArray*>(pixels)->elements());
  out->stride = image->rowLength / 2;
  out->clipX1 = std::max(graphics->clipX1, 0);
  out->clipY1 = std::max(graphics->clipY1, 0);
  out->clipX2 = std::min(graphics->clipX2, image->width);
  out->clipY2 = std::min(graphics->clipY2, image->height);
  out->translateX = graphics->translateX;
  out->translateY = graphics->translateY;
  out->colour = graphics->colour;
  return true;
}

bool ClipRectToGraphics(const DrawTarget& target, int64_t x, int64_t y, int64_t w, int64_t h,
                        PixelRect* out) {
  const int64_t left = std::max<int64_t>(x, target.clipX1);
  const int64_t right = std::min<int64_t>(x + w, target.clipX2);
  const int64_t top = std::max<int64_t>(y, target.clipY1);
  const int64_t bottom = std::min<int64_t>(y + h, target.clipY2);
  if (right - left < 1 || bottom - top < 1) return false;
  *out = PixelRect{static_cast<int32_t>(left), static_cast<int32_t>(top),
                   static_cast<int32_t>(right - left), static_cast<int32_t>(bottom - top)};
  return true;
}

bool RowsInside(__int128 first, int64_t scanlength, int64_t w, int64_t rows, int64_t length) {
  const __int128 lastRow = static_cast<__int128>(rows - 1) * scanlength;
  return first + std::min<__int128>(lastRow, 0) >= 0 &&
         first + std::max<__int128>(lastRow, 0) + w <= length;
}
