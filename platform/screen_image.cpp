// The screen image over the back buffer.
#include "platform/screen_image.h"

void ScreenImage::initOverBuffer(int32_t width, int32_t height, uint16_t* pixels) {
  rowLength = static_cast<int32_t>(RowLengthFor(kRgb565, width));
  const int64_t elements = int64_t{rowLength / 2} * height;
  const int32_t length = elements > INT32_MAX ? -1 : static_cast<int32_t>(elements);
  this->pixels = NewShortArrayOverBuffer(reinterpret_cast<int16_t*>(pixels), length);
  this->width = width;
  this->height = height;
  mutableFlag = 1;
  m_pixelType = kRgb565;
}
