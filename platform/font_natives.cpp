// The Font natives: every font is the system font (host/text_service.h), so face, style and
// size are kept as asked and the metrics are the face's for all. Widths sum the advances that
// drawing uses. Without the system font the metrics are fixed figures of ours, those of a
// 16-pixel line, and every width is 0.
#include <algorithm>
#include <string_view>

#include "host/text_service.h"
#include "javame/font.h"
#include "platform/text_layout.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/string.h"
#include "runtime/trace.h"

namespace {

using Font = javax_microedition_lcdui_Font;

constexpr int32_t kFallbackAscent = 13;  // pixels from the top of a line to its baseline
constexpr int32_t kFallbackHeight = 16;  // pixels per line

int32_t WidthOf(std::u16string_view text) {
  return static_cast<int32_t>(std::min<int64_t>(host::MeasureText(text), INT32_MAX));
}

}  // namespace

void Font::initMetrics(int32_t fontFace, int32_t fontStyle, int32_t fontSize) {
  face = fontFace;
  style = fontStyle;
  size = fontSize;
  host::FontMetrics metrics;
  if (!host::GetSystemFontMetrics(&metrics)) metrics = {kFallbackAscent, kFallbackHeight};
  baseline = metrics.ascent;
  height = metrics.height;
}

int32_t Font::stringWidth(String* text) {
  if (!NullCheck(text)) return 0;
  return WidthOf(std::u16string_view(text->characters, static_cast<size_t>(text->length())));
}

int32_t Font::substringWidth(String* text, int32_t offset, int32_t length) {
  if (!NullCheck(text)) return 0;
  std::u16string_view slice;
  if (!TextSlice(text->characters, text->length(), offset, length, "Font::substringWidth", &slice))
    return 0;
  return WidthOf(slice);
}

int32_t Font::charsWidth(CharArray* chars, int32_t offset, int32_t length) {
  if (!NullCheck(chars)) return 0;
  std::u16string_view slice;
  if (!TextSlice(chars->elements(), chars->length, offset, length, "Font::charsWidth", &slice))
    return 0;
  return WidthOf(slice);
}

int32_t Font::charWidth(char16_t c) {
  return WidthOf(std::u16string_view(&c, 1));
}
