// The class side of Image: the size getters and the creators over the natives (a blank
// mutable image, a transformed region of another image, PNG data from a stream or a
// resource).
#include "javame/image.h"

#include "javame/graphics.h"
#include "javame/input_stream.h"
#include "platform/whole_stream.h"
#include "runtime/class.h"
#include "runtime/exceptions.h"
#include "runtime/string.h"
#include "runtime/trace.h"

using Image = javax_microedition_lcdui_Image;
using Graphics = javax_microedition_lcdui_Graphics;

int32_t Image::getWidth() {
  return width;
}

int32_t Image::getHeight() {
  return height;
}

Image* Image::createImage(int32_t width, int32_t height) {
  auto* image = NewObject<Image>();
  if (!image || !image->initPixels(width, height, kMutableFlag | kRgb565, 0)) return nullptr;
  return image;
}

Image* Image::createImage(Image* source, int32_t x, int32_t y, int32_t width, int32_t height,
                          int32_t transform) {
  const bool turned =
      transform >= Graphics::TRANS_MIRROR_ROT270 && transform <= Graphics::TRANS_MIRROR_ROT90;
  Image* image = turned ? createImage(height, width) : createImage(width, height);
  Graphics* graphics = image ? image->getGraphics() : nullptr;
  if (!graphics) return image;
  graphics->drawRegion(source, x, y, width, height, transform, 0, 0,
                       Graphics::TOP | Graphics::LEFT);
  return image;
}

// The stream is read as ReadWholeStream reads it, so a stream that keeps reporting bytes it
// never gives cannot hold the reader in its loop.
Image* Image::createImage(java_io_InputStream* stream) {
  if (!NullCheck(stream)) return nullptr;
  ByteArray* bytes = ReadWholeStream(stream);
  if (!bytes) return nullptr;
  return createImage(bytes, 0, bytes->length);
}

Image* Image::createImage(String* name) {
  if (!NullCheck(name)) return nullptr;
  java_io_InputStream* stream = Class::getResourceAsStream(name);
  if (!stream) {
    DebugLog("Image.createImage: no resource \"%s\"", StringToCString(name).c_str());
    return nullptr;
  }
  Image* image = createImage(stream);
  stream->close();
  return image;
}
