// The text natives: every font has the system font's metrics, widths equal what drawing
// advances, the colour 0xFF00FF draws, the anchors with translation and clip place the ink,
// and text across each edge stays inside the target.
#include <gtest/gtest.h>

#include <climits>

#include "host/text_service.h"
#include "javame/font.h"
#include "platform/graphics_blit.h"
#include "platform/text_layout.h"
#include "runtime/string.h"
#include "tests/platform/canvas.h"
#include "tests/support/library_fixture.h"

namespace {

using Font = javax_microedition_lcdui_Font;

class GraphicsTextTest : public LibraryTest {};

// The ink's bounding box on a canvas cleared to 0: {x1, y1, x2, y2} exclusive, all -1 when none.
struct Box {
  int x1 = -1, y1 = -1, x2 = -1, y2 = -1;
};
Box InkBox(const Canvas& canvas) {
  Box box;
  for (int y = 0; y < canvas.image->height; y++) {
    for (int x = 0; x < canvas.image->width; x++) {
      if (canvas.at(x, y) == 0) continue;
      if (box.x1 < 0 || x < box.x1) box.x1 = x;
      if (box.y1 < 0 || y < box.y1) box.y1 = y;
      box.x2 = std::max(box.x2, x + 1);
      box.y2 = std::max(box.y2, y + 1);
    }
  }
  return box;
}

TEST_F(GraphicsTextTest, EveryFontHasTheFacesMetrics) {
  host::FontMetrics face;
  ASSERT_TRUE(host::GetSystemFontMetrics(&face));
  for (int32_t faceBits : {0, 32, 64}) {
    for (int32_t style : {0, 1, 2, 4, 7}) {
      for (int32_t size : {0, 8, 16}) {
        Font* font = Font::getFont(faceBits, style, size);
        ASSERT_NE(font, nullptr);
        EXPECT_EQ(font->getBaselinePosition(), face.ascent);
        EXPECT_EQ(font->getHeight(), face.height);
        EXPECT_EQ(font->getSize(), size);
      }
    }
  }
  Font* font = Font::getDefaultFont();
  String* text = NewJavaString("Plimora");
  EXPECT_EQ(font->stringWidth(NewJavaString("")), 0);
  EXPECT_EQ(font->stringWidth(text), host::MeasureText(u"Plimora"));
  EXPECT_EQ(font->substringWidth(text, 1, 3), host::MeasureText(u"lim"));
  EXPECT_EQ(font->charWidth(u'P'), host::MeasureText(u"P"));
  EXPECT_EQ(font->charsWidth(text->toCharArray(), 2, 5), host::MeasureText(u"imora"));
  for (auto [offset, length] : {std::pair{-1, 2}, {0, 8}, {7, 1}, {2, INT_MAX}, {0, -1}}) {
    EXPECT_EQ(font->substringWidth(text, offset, length), 0) << offset << "+" << length;
  }
}

TEST_F(GraphicsTextTest, TheMeasuredWidthIsTheDrawnAdvanceInAnyColour) {
  Font* font = Font::getDefaultFont();
  for (uint32_t colour : {0xFFFFFFu, 0xFF00FFu}) {
    Canvas canvas(200, 40);
    canvas.graphics->setColor(static_cast<int32_t>(colour));
    canvas.graphics->drawString(NewJavaString(""), 0, 0, 0);
    EXPECT_EQ(canvas.count(0), 200 * 40) << "empty text draws nothing";
    String* text = NewJavaString("HIH");
    canvas.graphics->drawString(text, 10, 5, 20);
    const Box box = InkBox(canvas);
    EXPECT_GE(box.x1, 10);
    EXPECT_LE(box.x2, 10 + font->stringWidth(text));
    EXPECT_GE(box.x2, 10 + font->stringWidth(text) - 3);
    EXPECT_GE(box.y1, 5);
    EXPECT_LE(box.y2, 5 + font->getBaselinePosition());
    EXPECT_GT(canvas.count(Graphics::Rgb888ToRgb565(colour)), 0) << std::hex << colour;
    // The same characters drawn one at a time advance by their widths and give the same pixels.
    Canvas single(200, 40);
    single.graphics->setColor(static_cast<int32_t>(colour));
    int32_t x = 10;
    for (char16_t c : std::u16string_view(u"HIH")) {
      single.graphics->drawChar(c, x, 5, 20);
      x += font->charWidth(c);
    }
    const std::map<uint16_t, char> legend = {{0, '.'}, {Graphics::Rgb888ToRgb565(colour), '#'}};
    EXPECT_EQ(single.art(legend), canvas.art(legend));
  }
}

// drawString inks the target in place; its pixels are those of the device's way, the text
// rendered into a 32-bit buffer and copied with the keyed ARGB8888 blitter, in every colour:
// one equal to the key draws nothing, as the keyed copy skips it.
TEST_F(GraphicsTextTest, DrawingGivesThePixelsOfTheBufferAndTheKeyedCopy) {
  Font* font = Font::getDefaultFont();
  const std::u16string_view text = u"Wq Ej|";
  String* string = NewJavaString("Wq Ej|");
  const int32_t w = font->stringWidth(string), h = font->getHeight();
  for (uint32_t colour : {0xFFFFFFu, 0xFF00FFu, 0x00F81Fu, 0x80123456u}) {
    const int32_t size = (w + 8) * (h + 6);
    Canvas drawn(w + 8, h + 6), copied(w + 8, h + 6);
    drawn.fill(0x1234);
    copied.fill(0x1234);
    drawn.graphics->setColor(static_cast<int32_t>(colour));
    drawn.graphics->drawString(string, 3, 2, 20);
    std::vector<uint32_t> buffer(static_cast<size_t>(w) * h);
    int32_t pitch = 0;
    ASSERT_TRUE(RenderTextToBuffer(text, {0, 0, w, h}, buffer.data(), &pitch, colour));
    EXPECT_EQ(pitch, w * 4);
    BlitArgb8888CopyKeyed({w, h, pitch, 2, copied.image->rowLength},
                          reinterpret_cast<const uint8_t*>(buffer.data()),
                          reinterpret_cast<uint8_t*>(&copied.at(3, 2)));
    EXPECT_EQ(std::vector<uint16_t>(drawn.pixels(), drawn.pixels() + size),
              std::vector<uint16_t>(copied.pixels(), copied.pixels() + size))
        << std::hex << colour;
    EXPECT_EQ(drawn.count(0x1234) == size, colour == 0x00F81Fu) << std::hex << colour;
  }
}

TEST_F(GraphicsTextTest, AnchorsTranslationAndClipPlaceTheInk) {
  Font* font = Font::getDefaultFont();
  String* text = NewJavaString("IIII");
  const int32_t w = font->stringWidth(text), h = font->getHeight(), b = font->getBaselinePosition();
  const struct {
    int32_t anchor;
    int32_t left, top;  // of the box, for the anchor point (100, 50) translated by (5, 7)
  } cases[] = {{0, 105, 57},
               {20, 105, 57},
               {24, 105 - w, 57},
               {17, 105 - w / 2, 57},
               {33, 105 - w / 2, 57 - h},
               {68, 105, 57 - b}};
  for (const auto& c : cases) {
    int64_t x = 100, y = 50;
    PlaceTextBox(w, h, b, c.anchor, &x, &y);
    EXPECT_EQ(x + 5, c.left) << c.anchor;
    EXPECT_EQ(y + 7, c.top) << c.anchor;
    Canvas canvas(240, 140);
    canvas.graphics->setColor(0xFFFFFF);
    canvas.graphics->translate(5, 7);
    canvas.graphics->drawString(text, 100, 50, c.anchor);
    const Box box = InkBox(canvas);
    EXPECT_GE(box.x1, c.left) << c.anchor;
    EXPECT_LE(box.x2, c.left + w) << c.anchor;
    EXPECT_GE(box.y1, c.top) << c.anchor;
    EXPECT_LE(box.y2, c.top + h) << c.anchor;
    // A clip over the box's left half keeps the ink left of its middle.
    Canvas clipped(240, 140);
    clipped.graphics->setColor(0xFFFFFF);
    clipped.graphics->translate(5, 7);
    clipped.graphics->setClip(c.left - 5, c.top - 7, w / 2, h);
    clipped.graphics->drawString(text, 100, 50, c.anchor);
    const Box cut = InkBox(clipped);
    EXPECT_GE(cut.x1, c.left) << c.anchor;
    EXPECT_LE(cut.x2, c.left + w / 2) << c.anchor;
  }
}

TEST_F(GraphicsTextTest, TextAcrossEachEdgeStaysInsideAndBadRangesDrawNothing) {
  Canvas canvas(30, 20);
  canvas.graphics->setColor(0xFFFFFF);
  String* text = NewJavaString("Wide text \u00C9\U0001F600 across");
  for (auto [x, y] : {std::pair{-40, 5},
                      {20, 5},
                      {5, -12},
                      {5, 15},
                      {-500, -500},
                      {INT_MAX, 0},
                      {INT_MIN, INT_MIN}}) {
    canvas.graphics->drawString(text, x, y, 20);
    canvas.graphics->drawString(text, x, y, 33);
  }
  EXPECT_GT(canvas.count(0xFFFF), 0);
  Canvas untouched(30, 20);
  untouched.graphics->setColor(0xFFFFFF);
  untouched.graphics->drawSubstring(text, 3, 40, 0, 0, 0);
  untouched.graphics->drawSubstring(text, -1, 2, 0, 0, 0);
  untouched.graphics->drawChars(text->toCharArray(), 5, -1, 0, 0, 0);
  untouched.graphics->drawString(nullptr, 0, 0, 0);
  EXPECT_EQ(untouched.count(0), 30 * 20);
}

}  // namespace
