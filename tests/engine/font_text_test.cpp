// Bitmap-font text on the data set's fonts: measuring, the escapes and control characters,
// anchors and the drawing limit, pages. Drawn text is compared, pixel for pixel, with the
// glyph frames painted by hand where the font's tables place them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/game_statics.h"
#include "tests/engine/font_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

constexpr int32_t kWidth = 320, kHeight = 120;

struct Placed {
  int32_t frame;
  int32_t x;
  int32_t y;
  int32_t palette = 0;
};

class FontTextTest : public FontTest {
 protected:
  ASprite* body() const { return font(3); }
  int32_t frameOf(char16_t c) const { return body()->getCharFrame(c); }
  int32_t advance(char16_t c) const { return body()->getScaledFModuleX(frameOf(c)); }
  // Where drawString puts the glyphs of a line drawn at y.
  int32_t glyphY(int32_t y) const { return y + body()->baseline; }

  // The glyph frames painted one by one in their palettes.
  std::vector<uint16_t> composed(const std::vector<Placed>& glyphs) const {
    Canvas canvas(kWidth, kHeight);
    const int32_t kept = body()->currentPalette;
    for (const Placed& g : glyphs) {
      body()->setCurrentPalette(g.palette);
      body()->paintFrame(canvas.graphics, g.frame, g.x, g.y, 0, 0, 0);
    }
    body()->currentPalette = kept;
    return sprite_test::PixelsOf(canvas);
  }
  std::vector<uint16_t> drawn(const std::u16string& text, int32_t x, int32_t y, int32_t anchor = 0,
                              bool restorePalette = false) const {
    Canvas canvas(kWidth, kHeight);
    body()->drawString(canvas.graphics, Text(text), nullptr, x, y, anchor, restorePalette);
    return sprite_test::PixelsOf(canvas);
  }
  GameStatics* statics() const { return Statics<GameStatics>(); }
};

TEST_F(FontTextTest, TheFontsCarryTheirMetricsAndGlyphs) {
  CollectNow();  // the fonts must outlive a collection, as they do in the game's sprite table
  for (int32_t slot = 3; slot <= 5; slot++) {
    ASprite* f = font(slot);
    EXPECT_GT(f->baseline, 0) << slot;
    EXPECT_GT(f->lineSpacing, f->baseline) << slot;
    EXPECT_GT(f->fontHeight, 0) << slot;
    EXPECT_EQ(f->spaceWidth, BuilderAdvance(slot, u' ')) << slot;
    EXPECT_EQ(f->paletteCount, 2) << slot;
    for (const char16_t c : {u'A', u'g', u'_', u'.'}) {
      EXPECT_GT(f->getCharFrame(c), 1) << slot;
      EXPECT_EQ(f->getScaledFModuleX(f->getCharFrame(c)), BuilderAdvance(slot, c)) << slot;
    }
  }
  // Titles above headings above body text.
  EXPECT_GT(font(4)->lineSpacing, font(5)->lineSpacing);
  EXPECT_GT(font(5)->lineSpacing, font(3)->lineSpacing);
}

TEST_F(FontTextTest, MeasuresEachKindOfCharacter) {
  const int32_t a = advance(u'A'), b = advance(u'B'), space = body()->spaceWidth;
  const int32_t line = body()->lineSpacing, step = body()->fontHeight + line;
  struct Case {
    std::u16string text;
    int32_t width;
    int32_t height;
  };
  const Case kCases[] = {
      {u"", 0, line},
      {u"\n", 0, line + step},
      {u"AB", a + b, line},
      {u"A B", a + space + b, line},
      {u"AB\nA", a + b, line + step},
      {u"A\\^B", a + b + 1, line},      // bold: one pixel more a glyph
      {u"A\\_B\\1B", a + 2 * b, line},  // underline and palette escapes measure nothing
      {std::u16string(u"\x01\x01"
                      u"A"),
       a, line},                // a palette control
      {u"A\x03\x1F", a, line},  // other control characters
      {u"A\\", a, line},        // an escape cut off by the end
      {std::u16string(u"\x02\x01"), body()->getScaledFModuleX(1), line},  // frame 1 as a glyph
      {std::u16string(u"\x02\x7FFF"), 0, line},                           // a frame the font lacks
  };
  for (const Case& c : kCases) {
    body()->getStringSize(Text(c.text), nullptr);
    EXPECT_EQ(statics()->ASprite_textWidth, c.width) << std::string(c.text.begin(), c.text.end());
    EXPECT_EQ(statics()->ASprite_textHeight, c.height) << std::string(c.text.begin(), c.text.end());
    EXPECT_FALSE(body()->bold);
  }
  // A char[] measures as the String does; a gap between glyphs is not counted after the last.
  CharArray* chars = NewCharArray(2);
  chars->elements()[0] = u'A';
  chars->elements()[1] = u'B';
  body()->charGap = 3;
  body()->getStringSize(nullptr, chars);
  EXPECT_EQ(statics()->ASprite_textWidth, a + 3 + b);
  // A scale of 128 halves every metric and advance.
  body()->charGap = 0;
  body()->scale = 128;
  body()->getStringSize(Text(u"AB\n"), nullptr);
  EXPECT_EQ(statics()->ASprite_textWidth, (a >> 1) + (b >> 1));
  EXPECT_EQ(statics()->ASprite_textHeight, (line >> 1) * 2 + (body()->fontHeight >> 1));
}

TEST_F(FontTextTest, BoldDrawsEachGlyphTwiceAndPersistsIntoTheNextCall) {
  const int32_t a = advance(u'A'), b = advance(u'B');
  const int32_t y = glyphY(10);
  EXPECT_EQ(
      drawn(u"A\\^B", 5, 10),
      composed({{frameOf(u'A'), 5, y}, {frameOf(u'B'), 5 + a, y}, {frameOf(u'B'), 6 + a, y}}));
  EXPECT_TRUE(body()->bold);
  EXPECT_EQ(drawn(u"AB", 5, 10), composed({{frameOf(u'A'), 5, y},
                                           {frameOf(u'A'), 6, y},
                                           {frameOf(u'B'), 6 + a, y},
                                           {frameOf(u'B'), 7 + a, y}}));
  body()->getStringSize(Text(u"AB"), nullptr);
  EXPECT_EQ(statics()->ASprite_textWidth, a + b + 2);
}

TEST_F(FontTextTest, UnderlineCentresTheUnderscoreUnderGlyphsAndSpaces) {
  const int32_t a = advance(u'A'), space = body()->spaceWidth, line = advance(u'_');
  const int32_t y = glyphY(10), under = frameOf(u'_');
  EXPECT_EQ(drawn(u"\\_A B", 5, 10),
            composed({{frameOf(u'A'), 5, y},
                      {under, 5 + ((a - line) >> 1), y},
                      {under, 5 + a + ((space - line) >> 1), y},
                      {frameOf(u'B'), 5 + a + space, y},
                      {under, 5 + a + space + ((advance(u'B') - line) >> 1), y}}));
  EXPECT_TRUE(body()->underline);
}

TEST_F(FontTextTest, PaletteControlsAndEscapesSwitchPalettes) {
  const int32_t a = advance(u'A'), y = glyphY(10);
  const int32_t fa = frameOf(u'A'), fb = frameOf(u'B');
  // Character 1 with p, and 255 for the palette saved at the start of a restoring call.
  EXPECT_EQ(drawn(std::u16string(u"\x01\x01"
                                 u"A\x01\xFF"
                                 u"B"),
                  5, 10, 0, true),
            composed({{fa, 5, y, 1}, {fb, 5 + a, y, 0}}));
  EXPECT_EQ(body()->currentPalette, 0);
  // Without restorePalette, 255 returns to what the last restoring call saved (palette 0),
  // and the palette left at the end stays.
  body()->setCurrentPalette(1);
  EXPECT_EQ(drawn(std::u16string(u"A\x01\xFF"
                                 u"B"),
                  5, 10),
            composed({{fa, 5, y, 1}, {fb, 5 + a, y, 0}}));
  EXPECT_EQ(body()->currentPalette, 0);
  // Backslash and a digit; a palette the font lacks is ignored.
  EXPECT_EQ(drawn(u"\\1A\\7B", 5, 10), composed({{fa, 5, y, 1}, {fb, 5 + a, y, 1}}));
  body()->setCurrentPalette(0);
  // Restoring also undoes an escape's palette.
  drawn(u"\\1A", 5, 10, 0, true);
  EXPECT_EQ(body()->currentPalette, 0);
}

TEST_F(FontTextTest, FrameControlAndMissingCharactersDrawFrames) {
  const int32_t y = glyphY(10);
  EXPECT_EQ(drawn(std::u16string(u"\x02\x05"
                                 u"A"),
                  5, 10),
            composed({{5, 5, y}, {frameOf(u'A'), 5 + body()->getScaledFModuleX(5), y}}));
  EXPECT_EQ(frameOf(u'\u4E00'), 1);
  EXPECT_EQ(drawn(u"\u4E00", 5, 10), composed({{1, 5, y}}));
  // A frame the font lacks draws nothing and takes no room.
  EXPECT_EQ(drawn(std::u16string(u"\x02\x7FFF"
                                 u"A"),
                  5, 10),
            composed({{frameOf(u'A'), 5, y}}));
}

TEST_F(FontTextTest, AnchorsPlaceEveryLineFromTheWidestAndTheLimitKeepsThosePlaces) {
  const int32_t a = advance(u'A'), b = advance(u'B');
  const int32_t step = body()->fontHeight + body()->lineSpacing;
  // Right: both lines start at x minus the widest; bottom: lifted by the whole height.
  const int32_t left = 300 - (a + b);
  const int32_t top = 100 - (body()->lineSpacing + step);
  EXPECT_EQ(drawn(u"AB\nA", 300, 100, 8 | 32),
            composed({{frameOf(u'A'), left, glyphY(top)},
                      {frameOf(u'B'), left + a, glyphY(top)},
                      {frameOf(u'A'), left, glyphY(top + step)}}));
  // Centred, with the drawing limit: three glyphs where the whole text puts them.
  statics()->ASprite_textDrawLimit = 3;
  const int32_t width = a + b + advance(u'C') + advance(u'D') + advance(u'E');
  const int32_t x = 160 - (width >> 1), y = glyphY(60 - (body()->lineSpacing >> 1));
  EXPECT_EQ(
      drawn(u"ABCDE", 160, 60, 1 | 2),
      composed({{frameOf(u'A'), x, y}, {frameOf(u'B'), x + a, y}, {frameOf(u'C'), x + a + b, y}}));
  statics()->ASprite_textDrawLimit = -1;
  // A range: [textStart, textEnd) of the text.
  statics()->ASprite_textStart = 1;
  statics()->ASprite_textEnd = 2;
  EXPECT_EQ(drawn(u"ABC", 5, 10), composed({{frameOf(u'B'), 5, glyphY(10)}}));
}

TEST_F(FontTextTest, SplitLinesListsTheSeparatorsOfTheRange) {
  struct Case {
    std::u16string text;
    int32_t start, end;
    std::vector<int32_t> out;
  };
  const Case kCases[] = {{u"ab\ncd\n", 0, 6, {-1, 2, 5, 6}},
                         {u"ab\ncd\n", 3, 5, {2, 5}},
                         {u"", 0, 0, {-1, 0}},
                         {u"a\nb", 0, 99, {-1, 1, 3}}};  // an end past the text is cut to it
  for (const Case& c : kCases) {
    IntArray* out = NewIntArray(8);
    const int32_t n = ASprite::splitLines(Text(c.text), c.start, c.end, 10, out);
    ASSERT_EQ(n + 1, static_cast<int32_t>(c.out.size()));
    EXPECT_EQ(std::vector<int32_t>(out->elements(), out->elements() + n + 1), c.out);
  }
  // Lines past the table are counted, not written.
  IntArray* small = NewIntArray(2);
  EXPECT_EQ(ASprite::splitLines(Text(u"a\nb\nc"), 0, 5, 10, small), 3);
}

TEST_F(FontTextTest, APageStacksItsLinesByTheVerticalAnchor) {
  const int32_t step = body()->fontHeight + body()->lineSpacing;
  Canvas page(kWidth, kHeight);
  body()->drawPage(page.graphics, Text(u"A\nB"), 5, 100, 32, 0, 3);
  // Each line is drawn with the anchor too: bottom-anchored, lifted by its own height.
  const int32_t first = 100 - step - body()->lineSpacing;
  EXPECT_EQ(sprite_test::PixelsOf(page), composed({{frameOf(u'A'), 5, glyphY(first)},
                                                   {frameOf(u'B'), 5, glyphY(first + step)}}));
  EXPECT_EQ(statics()->ASprite_textStart, -1);
  EXPECT_EQ(statics()->ASprite_textEnd, -1);
}

TEST_F(FontTextTest, AThreeHundredLinePageDrawsItsLastLine) {
  std::u16string text;
  for (int i = 0; i < 299; i++) text += u"A\n";
  text += u"B";
  const int32_t step = body()->fontHeight + body()->lineSpacing;
  Canvas page(kWidth, kHeight);
  const int32_t y = 20 - 299 * step;
  body()->drawPage(page.graphics, Text(text), 5, y, 0, 0, static_cast<int32_t>(text.size()));
  EXPECT_EQ(sprite_test::PixelsOf(page), composed({{frameOf(u'A'), 5, glyphY(y + 298 * step)},
                                                   {frameOf(u'B'), 5, glyphY(y + 299 * step)}}));
}

}  // namespace
