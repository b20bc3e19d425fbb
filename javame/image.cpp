// The class side of Image that its natives need: the size getters and the blank mutable
// image of createImage(int, int).
#include "javame/image.h"

int32_t javax_microedition_lcdui_Image::getWidth() {
  return width;
}

int32_t javax_microedition_lcdui_Image::getHeight() {
  return height;
}

javax_microedition_lcdui_Image* javax_microedition_lcdui_Image::createImage(int32_t width,
                                                                            int32_t height) {
  auto* image = NewObject<javax_microedition_lcdui_Image>();
  if (!image || !image->initPixels(width, height, kMutableFlag | kRgb565, 0)) return nullptr;
  return image;
}
