// Colour, clip and translation of a Graphics. The clip is kept absolute (translation
// included), never starts below 0 and never ends beyond the target; its sums are formed in
// 64 bits so that huge arguments give a huge clip, not a wrapped one.
#include <algorithm>
#include <climits>

#include "javame/graphics.h"
#include "platform/graphics_blit.h"
#include "platform/graphics_raster.h"

namespace {

int32_t AtLeastZero(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, 0, INT_MAX));
}

int32_t AtMost(int64_t v, int32_t limit) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, INT_MIN, limit));
}

}  // namespace

uint16_t javax_microedition_lcdui_Graphics::Rgb888ToRgb565(uint32_t rgb) {
  return Argb8888ToRgb565(rgb);
}

// ---- Colour ---------------------------------------------------------------------------------

void javax_microedition_lcdui_Graphics::setColor(int32_t rgb) {
  colour = static_cast<uint32_t>(rgb) | 0xFF000000u;
}

void javax_microedition_lcdui_Graphics::setColor(int32_t r, int32_t g, int32_t b) {
  if (r < 0 || r > 255) TraceArgument("setColor r");
  if (g < 0 || g > 255) TraceArgument("setColor g");
  if (b < 0 || b > 255) TraceArgument("setColor b");
  colour = 0xFF000000u | static_cast<uint32_t>(r) << 16 | static_cast<uint32_t>(g) << 8 |
           static_cast<uint32_t>(b);
}

int32_t javax_microedition_lcdui_Graphics::getRedComponent() {
  return (colour >> 16) & 0xFF;
}
int32_t javax_microedition_lcdui_Graphics::getGreenComponent() {
  return (colour >> 8) & 0xFF;
}
int32_t javax_microedition_lcdui_Graphics::getBlueComponent() {
  return colour & 0xFF;
}

// ---- Clip -----------------------------------------------------------------------------------

void javax_microedition_lcdui_Graphics::setClip(int32_t x, int32_t y, int32_t w, int32_t h) {
  const int64_t x1 = int64_t{translateX} + x, y1 = int64_t{translateY} + y;
  clipX1 = AtLeastZero(x1);
  clipY1 = AtLeastZero(y1);
  clipX2 = AtMost(x1 + w, target ? target->width : 0);
  clipY2 = AtMost(y1 + h, target ? target->height : 0);
}

void javax_microedition_lcdui_Graphics::clipRect(int32_t x, int32_t y, int32_t w, int32_t h) {
  const int64_t x1 = int64_t{translateX} + x, y1 = int64_t{translateY} + y;
  const int64_t x2 = std::min<int64_t>(clipX2, x1 + w), y2 = std::min<int64_t>(clipY2, y1 + h);
  clipX1 = AtLeastZero(std::max<int64_t>(clipX1, x1));
  clipY1 = AtLeastZero(std::max<int64_t>(clipY1, y1));
  clipX2 = AtMost(x2, target ? target->width : 0);
  clipY2 = AtMost(y2, target ? target->height : 0);
}

int32_t javax_microedition_lcdui_Graphics::getClipX() {
  return clipX1 - translateX;
}
int32_t javax_microedition_lcdui_Graphics::getClipY() {
  return clipY1 - translateY;
}
int32_t javax_microedition_lcdui_Graphics::getClipWidth() {
  return clipX2 - clipX1;
}
int32_t javax_microedition_lcdui_Graphics::getClipHeight() {
  return clipY2 - clipY1;
}

// ---- Translation ----------------------------------------------------------------------------

void javax_microedition_lcdui_Graphics::translate(int32_t x, int32_t y) {
  translateX += x;
  translateY += y;
}

int32_t javax_microedition_lcdui_Graphics::getTranslateX() {
  return translateX;
}
int32_t javax_microedition_lcdui_Graphics::getTranslateY() {
  return translateY;
}
