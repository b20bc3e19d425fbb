// javax.microedition.lcdui.Image: pixels of one pixel type with their size and row length.
// The class side is in javame/image.cpp; the natives in platform/image*.cpp, PNG decoding in
// platform/png_decoder.cpp. An image's size and pixels never change once set.
#pragma once

#include <cstdint>

#include "runtime/array.h"
#include "runtime/object.h"

class String;
class java_io_InputStream;
class javax_microedition_lcdui_Graphics;

class javax_microedition_lcdui_Image : public Object {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_lcdui_Image;

  // Pixel types (m_pixelType). 0 to 2 keep 16-bit pixels in a ShortArray; 3 and above keep
  // byte-per-pixel and 4-bit forms in a ByteArray and are storage only.
  static constexpr int32_t kRgb565 = 0;
  static constexpr int32_t kRgb565Keyed = 1;  // 0xF81F is transparent
  static constexpr int32_t kArgb4444 = 2;
  static constexpr int32_t kBytePerPixel = 3;
  static constexpr int32_t kMutableFlag = 0x1000000;  // bit 24 of initPixels' type and flags
  static constexpr uint16_t kColourKey = 0xF81F;      // RGB565 magenta, 0xFF00FF

  javax_microedition_lcdui_Image() { RegisterReferenceFields(this, &pixels); }

  // Operations 6 to 8 (javame/image.cpp, getGraphics in platform/image.cpp).
  virtual javax_microedition_lcdui_Graphics* getGraphics();
  virtual int32_t getWidth();
  virtual int32_t getHeight();
  bool isMutable() const { return mutableFlag != 0; }

  // ---- Class side (javame/image.cpp) -------------------------------------------------------
  // A blank mutable RGB565 image; null (with a trace line) for a size that is refused.
  static javax_microedition_lcdui_Image* createImage(int32_t width, int32_t height);
  // A new mutable image holding the source's region (x, y, width, height) drawn with the
  // transform; the transforms that turn by 90 or 270 degrees (4 to 7) exchange its width and
  // height.
  static javax_microedition_lcdui_Image* createImage(javax_microedition_lcdui_Image* source,
                                                     int32_t x, int32_t y, int32_t width,
                                                     int32_t height, int32_t transform);
  // The PNG image of the stream's bytes, read while it reports more available and a read
  // gives some; null for a null stream, or with the exception pending when a read raises one.
  static javax_microedition_lcdui_Image* createImage(java_io_InputStream* stream);
  // The PNG image of the named resource (Class::getResourceAsStream); null when it is missing.
  static javax_microedition_lcdui_Image* createImage(String* name);

  // ---- Pixel storage (platform/image.cpp) --------------------------------------------------
  // Allocates the pixels for typeAndFlags (a pixel type, plus kMutableFlag for a mutable
  // image) and sets the size. A size of 0 or less, or one whose bytes overflow or cannot fit
  // the data heap, is refused with a trace line: false, and the image keeps no pixels.
  bool initPixels(int32_t width, int32_t height, int32_t typeAndFlags, int32_t extraBytes);
  // Bytes per row: types 0-2 the width rounded up to even, times 2; type 3 the width; other
  // types half the width rounded up. 64-bit, so a caller can check it before storing it.
  static int64_t RowLengthFor(int32_t pixelType, int32_t width);
  // The pixel array as a ShortArray (types 0-2) or a ByteArray (types 3 and above); null,
  // after an empty trace line and the method trace, when the image holds the other kind.
  ShortArray* getPixelArray();
  ByteArray* getPixelByteArray();
  // Pixel type 1 when some 16-bit pixel is the colour key 0xF81F, else 0.
  void scanColourKey();

  // ---- ARGB arrays (platform/image_rgb.cpp) ------------------------------------------------
  static javax_microedition_lcdui_Image* createRGBImage(IntArray* rgb, int32_t width,
                                                        int32_t height, bool processAlpha);
  void getRGB(IntArray* argb, int32_t offset, int32_t scanlength, int32_t x, int32_t y,
              int32_t width, int32_t height);

  // ---- PNG (platform/image_png.cpp) --------------------------------------------------------
  // An image decoded from the PNG bytes data[offset .. offset + length); null with a trace line
  // naming the cause when the header cannot be used. Both names are the same native.
  static javax_microedition_lcdui_Image* createImage(ByteArray* data, int32_t offset,
                                                     int32_t length);
  static javax_microedition_lcdui_Image* nativeCreateImage(ByteArray* data, int32_t offset,
                                                           int32_t length) {
    return createImage(data, offset, length);
  }

  Array* pixels;        // ShortArray for pixel types 0-2, ByteArray for 3 and above
  int32_t width;        // pixels
  int32_t height;       // pixels
  int32_t rowLength;    // bytes per row
  uint8_t mutableFlag;  // 1: created blank and writable
  int32_t m_pixelType;
};
