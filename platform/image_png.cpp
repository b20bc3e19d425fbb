// Image from PNG bytes: the header walk, the caps, the image and its pixels, then libpng.
// The PNG bytes' address is taken only once the image and its pixels exist, because making
// them may compact the data heap and move the bytes.
#include "javame/image.h"
#include "platform/png_decoder.h"
#include "runtime/exceptions.h"
#include "runtime/range_check.h"
#include "runtime/trace.h"

using Image = javax_microedition_lcdui_Image;

namespace {

// The pixel type a PNG colour type decodes to: ARGB4444 for grey with alpha (4) and RGB with
// alpha (6), else RGB565 (keyed afterwards when a pixel turns out to be the key).
int32_t PixelTypeFor(int32_t colourType) {
  return colourType == 4 || colourType == 6 ? Image::kArgb4444 : Image::kRgb565;
}

}  // namespace

Image* Image::createImage(ByteArray* data, int32_t offset, int32_t length) {
  if (!NullCheck(data)) return nullptr;
  if (!RangeInside(offset, length, data->length)) {
    DebugLog("createImage: PNG bytes %d..%lld lie outside the data (length %d)", offset,
             static_cast<long long>(int64_t{offset} + length), data->length);
    return nullptr;
  }
  PngHeader header;
  if (!ReadPngHeader(data, offset, length, &header)) {
    if (header.overrunType[0]) {
      DebugLog(
          "createImage: PNG chunk \"%s\" at byte %lld declares %lld bytes, past the end of the "
          "%d bytes of data",
          header.overrunType, static_cast<long long>(header.overrunAt),
          static_cast<long long>(header.overrunLength), length);
    } else {
      DebugLog("createImage: the PNG data has no readable IHDR chunk");
    }
    return nullptr;
  }
  if (header.width < 1 || header.height < 1 || header.width > kMaxPngSide ||
      header.height > kMaxPngSide) {
    DebugLog("createImage: a PNG of %d x %d pixels is refused (at most %d x %d)", header.width,
             header.height, kMaxPngSide, kMaxPngSide);
    return nullptr;
  }
  Image* image = NewObject<Image>();
  if (!image ||
      !image->initPixels(header.width, header.height, PixelTypeFor(header.colourType), 0)) {
    return nullptr;
  }
  ShortArray* pixels = static_cast<ShortArray*>(image->pixels);
  const auto* bytes = reinterpret_cast<const uint8_t*>(data->elements()) + offset;
  char message[256] = "";
  switch (DecodePngToImage(image, header, bytes, static_cast<size_t>(length),
                           reinterpret_cast<uint16_t*>(pixels->elements()), message,
                           sizeof message)) {
    case PngDecodeResult::kDecoded:
      if (image->m_pixelType == kRgb565) image->scanColourKey();
      return image;
    case PngDecodeResult::kMismatch:
      DebugLog("createImage: %s", message);
      return nullptr;
    case PngDecodeResult::kFailed:
      break;
  }
  // The image stays, blank: zero pixels of type 0.
  DebugLog("createImage: PNG error: %s; the image is left blank", message);
  for (int32_t i = 0; i < pixels->length; i++) pixels->elements()[i] = 0;
  image->m_pixelType = kRgb565;
  return image;
}
