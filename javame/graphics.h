// javax.microedition.lcdui.Graphics: colour, clip and translation over a target image, and the
// drawing natives that write into its 16-bit pixels. The constructor is in
// javame/graphics.cpp; the natives in platform/graphics_*.cpp, grouped by concern.
#pragma once

#include <cstdint>

#include "javame/image.h"
#include "runtime/array.h"
#include "runtime/object.h"

class javax_microedition_lcdui_Graphics : public Object {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_lcdui_Graphics;

  // Anchor bits.
  static constexpr int32_t HCENTER = 1;
  static constexpr int32_t VCENTER = 2;
  static constexpr int32_t LEFT = 4;
  static constexpr int32_t RIGHT = 8;
  static constexpr int32_t TOP = 16;
  static constexpr int32_t BOTTOM = 32;
  static constexpr int32_t BASELINE = 64;

  // Region transforms.
  static constexpr int32_t TRANS_NONE = 0;
  static constexpr int32_t TRANS_MIRROR_ROT180 = 1;
  static constexpr int32_t TRANS_MIRROR = 2;
  static constexpr int32_t TRANS_ROT180 = 3;
  static constexpr int32_t TRANS_MIRROR_ROT270 = 4;
  static constexpr int32_t TRANS_ROT90 = 5;
  static constexpr int32_t TRANS_ROT270 = 6;
  static constexpr int32_t TRANS_MIRROR_ROT90 = 7;

  // Target = image, colour 0 (so nothing shows until setColor), clip (0, 0)-(width, height),
  // no translation.
  explicit javax_microedition_lcdui_Graphics(javax_microedition_lcdui_Image* image);

  // ---- Colour, clip and translation (platform/graphics_state.cpp) ---------------------------
  void setColor(int32_t rgb);
  void setColor(int32_t r, int32_t g, int32_t b);
  int32_t getRedComponent();
  int32_t getGreenComponent();
  int32_t getBlueComponent();
  void setClip(int32_t x, int32_t y, int32_t w, int32_t h);
  void clipRect(int32_t x, int32_t y, int32_t w, int32_t h);
  int32_t getClipX();
  int32_t getClipY();
  int32_t getClipWidth();
  int32_t getClipHeight();
  void translate(int32_t x, int32_t y);
  int32_t getTranslateX();
  int32_t getTranslateY();
  // 0x00RRGGBB to RGB565.
  static uint16_t Rgb888ToRgb565(uint32_t rgb);

  // ---- Rectangles and lines (platform/graphics_fill.cpp, platform/graphics_line.cpp) --------
  void fillRect(int32_t x, int32_t y, int32_t w, int32_t h);
  void drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
  void drawRect(int32_t x, int32_t y, int32_t w, int32_t h);

  // ---- Round rectangles and triangles (platform/graphics_shapes.cpp) ------------------------
  void drawRoundRect(int32_t x, int32_t y, int32_t w, int32_t h, int32_t arcWidth,
                     int32_t arcHeight);
  void fillRoundRect(int32_t x, int32_t y, int32_t w, int32_t h, int32_t arcWidth,
                     int32_t arcHeight);
  void fillTriangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3, int32_t y3);

  // ---- Arcs (platform/graphics_arc.cpp) -----------------------------------------------------
  void drawArc(int32_t x, int32_t y, int32_t w, int32_t h, int32_t startAngle, int32_t arcAngle);
  void fillArc(int32_t x, int32_t y, int32_t w, int32_t h, int32_t startAngle, int32_t arcAngle);

  // ---- Images and pixel arrays (platform/graphics_region.cpp) -------------------------------
  void drawRegion(javax_microedition_lcdui_Image* image, int32_t xSrc, int32_t ySrc, int32_t w,
                  int32_t h, int32_t transform, int32_t x, int32_t y, int32_t anchor);
  void drawImage(javax_microedition_lcdui_Image* image, int32_t x, int32_t y, int32_t anchor);
  void drawRGB(IntArray* rgb, int32_t offset, int32_t scanlength, int32_t x, int32_t y, int32_t w,
               int32_t h, bool processAlpha);

  // ---- Text in the system font (platform/graphics_text.cpp) -------------------------------
  // The text's box is its width by the default font's height, placed by the anchor (0 is
  // TOP | LEFT; BASELINE puts the baseline at y; VCENTER is ignored), moved by the translation
  // and cut to the clip; glyph pixels take the colour. Empty text draws nothing; a null text
  // or (offset, length) outside it traces and draws nothing.
  void drawString(String* text, int32_t x, int32_t y, int32_t anchor);
  void drawSubstring(String* text, int32_t offset, int32_t length, int32_t x, int32_t y,
                     int32_t anchor);
  void drawChar(char16_t c, int32_t x, int32_t y, int32_t anchor);
  void drawChars(CharArray* chars, int32_t offset, int32_t length, int32_t x, int32_t y,
                 int32_t anchor);

  javax_microedition_lcdui_Image* target;
  uint32_t colour;  // 0xAARRGGBB
  int32_t clipX1;   // clip corners, absolute (translation included); x2 and y2 exclusive
  int32_t clipY1;
  int32_t clipX2;
  int32_t clipY2;
  int32_t translateX;
  int32_t translateY;
};
