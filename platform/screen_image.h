// The screen image: an Image laid over the display's back buffer, so everything drawn on the
// screen graphics lands in the buffer at once. Its pixel array wraps the buffer without
// owning it; when the image goes, the array forgets the buffer and never frees it.
#pragma once

#include <cstdint>

#include "javame/image.h"

// The logical screen every Displayable sees, in pixels.
constexpr int32_t kScreenWidth = 480;
constexpr int32_t kScreenHeight = 800;

class ScreenImage : public javax_microedition_lcdui_Image {
 public:
  // Lays the image over width x height RGB565 pixels, rows of the width rounded up to even;
  // mutable. A size that gives a negative length leaves it without pixels (traced).
  void initOverBuffer(int32_t width, int32_t height, uint16_t* pixels);
};
