// javax.microedition.lcdui.Font: a face, style and size as asked, with the metrics the native
// fills (platform/font_natives.cpp). The default font and the cache of other fonts are statics
// (javame/font_statics.h); a font once made is never changed.
#pragma once

#include <cstdint>

#include "runtime/object.h"

class CharArray;
class String;

class javax_microedition_lcdui_Font : public Object {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_lcdui_Font;

  // Style bits; a plain font has none.
  static constexpr int32_t STYLE_PLAIN = 0;
  static constexpr int32_t STYLE_BOLD = 1;
  static constexpr int32_t STYLE_ITALIC = 2;
  static constexpr int32_t STYLE_UNDERLINED = 4;
  // getFont(int) specifiers.
  static constexpr int32_t FONT_STATIC_TEXT = 0;
  static constexpr int32_t FONT_INPUT_TEXT = 1;

  javax_microedition_lcdui_Font() = default;  // as the class factory makes it: all 0
  // A font of this face, style and size whose metrics the native has filled.
  javax_microedition_lcdui_Font(int32_t face, int32_t style, int32_t size);

  // ---- Class side (javame/font.cpp) ---------------------------------------------------------
  // The font of face, style and size 0, made on the first call and the same object afterwards.
  static javax_microedition_lcdui_Font* getDefaultFont();
  // 0 or 1: the default font; any other specifier throws java_lang_IllegalArgumentException.
  static javax_microedition_lcdui_Font* getFont(int32_t specifier);
  // The cached font of face | style | size, made and cached on its first request. The default
  // font is not in the cache.
  static javax_microedition_lcdui_Font* getFont(int32_t face, int32_t style, int32_t size);

  // Operations 6 and 7.
  virtual int32_t getSize();
  virtual int32_t getHeight();
  int32_t getFace() const { return face; }
  int32_t getStyle() const { return style; }
  int32_t getBaselinePosition() const { return baseline; }
  bool isPlain() const { return style == STYLE_PLAIN; }
  bool isBold() const { return (style & STYLE_BOLD) != 0; }
  bool isItalic() const { return (style & STYLE_ITALIC) != 0; }
  bool isUnderlined() const { return (style & STYLE_UNDERLINED) != 0; }

  // ---- Natives (platform/font_natives.cpp) --------------------------------------------------
  // Stores face, style and size and fills baseline and height with the system font's metrics
  // (fixed figures of ours when the system font is missing).
  void initMetrics(int32_t face, int32_t style, int32_t size);
  // Widths in pixels, as drawString advances: characters below U+0020 measure 0, a surrogate
  // pair is one glyph. A null text, or (offset, length) outside it, traces and measures 0.
  int32_t stringWidth(String* text);
  int32_t substringWidth(String* text, int32_t offset, int32_t length);
  int32_t charsWidth(CharArray* chars, int32_t offset, int32_t length);
  int32_t charWidth(char16_t c);

  int32_t face;      // as asked (MIDP face constants)
  int32_t style;     // STYLE_ bits
  int32_t size;      // as asked (MIDP size constants)
  int32_t baseline;  // ascent, pixels
  int32_t height;    // line height, pixels
};
