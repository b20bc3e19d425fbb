// Image pixel storage: allocation by pixel type, the pixel-array getters, the colour-key scan
// and getGraphics. A size is checked before anything is allocated, so an image either holds
// pixels for all its rows or has no pixels and no size.
#include <algorithm>

#include "javame/graphics.h"
#include "javame/image.h"
#include "platform/graphics_raster.h"
#include "runtime/application.h"
#include "runtime/memory_manager.h"
#include "runtime/trace.h"

using Image = javax_microedition_lcdui_Image;

namespace {

// The most bytes one pixel body may take: what the data heap holds in one block.
int64_t MaxPixelBytes() {
  Application* application = GetApplication();
  if (!application || !application->dataHeap) return 0;
  return int64_t{application->dataHeap->heapSize()} - application->dataHeap->headerSize();
}

bool HoldsSixteenBitPixels(int32_t pixelType) {
  return pixelType >= Image::kRgb565 && pixelType <= Image::kArgb4444;
}

}  // namespace

int64_t Image::RowLengthFor(int32_t pixelType, int32_t width) {
  if (HoldsSixteenBitPixels(pixelType)) return ((int64_t{width} + 1) & ~int64_t{1}) * 2;
  if (pixelType == kBytePerPixel) return width;
  return (int64_t{width} + 1) / 2;
}

bool Image::initPixels(int32_t w, int32_t h, int32_t typeAndFlags, int32_t extraBytes) {
  const int32_t type = typeAndFlags & ~kMutableFlag;
  if (typeAndFlags & kMutableFlag) {
    if (type != kRgb565) TraceArgument("imagetype");
    mutableFlag = 1;
  }
  if (w <= 0 || h <= 0) {
    DebugLog("Image::initPixels: an image of %d x %d pixels is refused", w, h);
    return false;
  }
  const int64_t row = RowLengthFor(type, w);
  const bool sixteenBit = HoldsSixteenBitPixels(type);
  // Byte-based storage keeps extraBytes in front of the pixels and one byte after them.
  const int64_t bytes = sixteenBit ? row * h : int64_t{extraBytes} + row * h + 1;
  if (bytes < 1 || bytes > MaxPixelBytes()) {
    DebugLog("Image::initPixels: %d x %d pixels of type %d (%lld bytes) do not fit the data heap",
             w, h, type, static_cast<long long>(bytes));
    return false;
  }
  const int64_t elements = sixteenBit ? bytes / 2 : bytes;
  Array* array = sixteenBit ? static_cast<Array*>(NewShortArray(static_cast<int32_t>(elements)))
                            : static_cast<Array*>(NewByteArray(static_cast<int32_t>(elements)));
  if (!array || array->length != elements) {
    DebugLog("Image::initPixels: no memory for %d x %d pixels", w, h);
    return false;
  }
  pixels = array;
  width = w;
  height = h;
  rowLength = static_cast<int32_t>(row);
  m_pixelType = type;
  return true;
}

ShortArray* Image::getPixelArray() {
  if (!pixels || pixels->classId != cid::ShortArray) {
    TraceArgument("");
    return nullptr;
  }
  return static_cast<ShortArray*>(pixels);
}

ByteArray* Image::getPixelByteArray() {
  if (!pixels || pixels->classId != cid::ByteArray) {
    TraceArgument("");
    return nullptr;
  }
  return static_cast<ByteArray*>(pixels);
}

void Image::scanColourKey() {
  ShortArray* array = getPixelArray();
  if (!array) return;
  const int64_t count =
      std::clamp<int64_t>(int64_t{rowLength / 2} * height, 0, int64_t{array->length});
  const auto* first = reinterpret_cast<const uint16_t*>(array->elements());
  const auto* last = first + count;
  m_pixelType = std::find(first, last, kColourKey) != last ? kRgb565Keyed : kRgb565;
}

javax_microedition_lcdui_Graphics* Image::getGraphics() {
  if (!isMutable()) TraceArgument("!mutable");
  return NewObject<javax_microedition_lcdui_Graphics>(this);
}
