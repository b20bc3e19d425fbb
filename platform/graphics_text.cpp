// The Graphics text natives: the text's box placed by its anchor, moved by the translation and
// cut to the clip; only the part of the box that shows is drawn, and every pixel no glyph
// covers leaves the target as it was. RenderTextToBuffer renders such a window into a 32-bit
// buffer for the keyed ARGB8888 copy.
#include <string_view>

#include "host/text_service.h"
#include "javame/font.h"
#include "javame/graphics.h"
#include "platform/graphics_blit.h"
#include "platform/graphics_raster.h"
#include "platform/text_layout.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/string.h"
#include "runtime/trace.h"

namespace {

using Graphics = javax_microedition_lcdui_Graphics;

}  // namespace

bool TextSlice(const char16_t* units, int32_t size, int32_t offset, int32_t length,
               const char* operation, std::u16string_view* slice) {
  if (offset < 0 || length < 0 || int64_t{offset} + length > size) {
    DebugLog("%s(): characters %d + %d lie outside a text of %d", operation, offset, length, size);
    return false;
  }
  *slice = std::u16string_view(units + offset, static_cast<size_t>(length));
  return true;
}

void PlaceTextBox(int64_t w, int64_t h, int64_t baseline, int32_t anchor, int64_t* x, int64_t* y) {
  if (anchor == 0) anchor = Graphics::TOP | Graphics::LEFT;
  const int64_t ax = *x, ay = *y;
  if (anchor & Graphics::RIGHT) *x = ax - w;
  if (anchor & Graphics::BOTTOM) *y = ay - h;
  if (anchor & Graphics::HCENTER) *x = ax - (w >> 1);
  if (anchor & Graphics::BASELINE) *y = ay - baseline;
}

bool RenderTextToBuffer(std::u16string_view text, const TextWindow& window, uint32_t* buffer,
                        int32_t* pitch, uint32_t colour) {
  *pitch = window.width * 4;
  return host::RenderText(text, colour & 0xFFFFFF, buffer, window.width, window.height,
                          window.width, window.left, window.top);
}

namespace {

// Draws the units of text at the anchor point in g's colour.
void DrawText(Graphics* g, std::u16string_view text, int32_t x, int32_t y, int32_t anchor) {
  if (text.empty()) return;
  DrawTarget target;
  if (!AcquireDrawTarget(g, "drawString", &target)) return;
  javax_microedition_lcdui_Font* font = javax_microedition_lcdui_Font::getDefaultFont();
  if (!NullCheck(font)) return;
  const int64_t w = host::MeasureText(text);
  int64_t left = x, top = y;
  PlaceTextBox(w, font->height, font->getBaselinePosition(), anchor, &left, &top);
  left += target.translateX;
  top += target.translateY;
  PixelRect shown;
  if (!ClipRectToGraphics(target, left, top, w, font->height, &shown)) return;
  // Inking the target in place gives exactly the pixels the keyed copy of RenderTextToBuffer's
  // window would, without a buffer: glyph pixels take the colour, the rest stay. A colour equal
  // to the key is skipped by that copy, so it draws nothing here either.
  const uint32_t rgb = target.colour & 0xFFFFFF;
  if (rgb == kColourKeyArgb8888) return;
  host::InkText(text, Argb8888ToRgb565(rgb),
                target.pixels + int64_t{shown.y} * target.stride + shown.x, shown.w, shown.h,
                target.stride, shown.x - left, shown.y - top);
}

}  // namespace

void Graphics::drawString(String* text, int32_t x, int32_t y, int32_t anchor) {
  if (!NullCheck(text)) return;
  DrawText(this, std::u16string_view(text->characters, static_cast<size_t>(text->length())), x, y,
           anchor);
}

void Graphics::drawSubstring(String* text, int32_t offset, int32_t length, int32_t x, int32_t y,
                             int32_t anchor) {
  if (!NullCheck(text)) return;
  std::u16string_view slice;
  if (TextSlice(text->characters, text->length(), offset, length, "Graphics::drawSubstring",
                &slice)) {
    DrawText(this, slice, x, y, anchor);
  }
}

void Graphics::drawChar(char16_t c, int32_t x, int32_t y, int32_t anchor) {
  DrawText(this, std::u16string_view(&c, 1), x, y, anchor);
}

void Graphics::drawChars(CharArray* chars, int32_t offset, int32_t length, int32_t x, int32_t y,
                         int32_t anchor) {
  if (!NullCheck(chars)) return;
  std::u16string_view slice;
  if (TextSlice(chars->elements(), chars->length, offset, length, "Graphics::drawChars", &slice)) {
    DrawText(this, slice, x, y, anchor);
  }
}
