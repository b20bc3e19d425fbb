// Font: the one default font, the cache of getFont(face, style, size), the specifier check,
// the style queries, and metrics that the style and size asked for do not change.
#include "javame/font.h"

#include <gtest/gtest.h>

#include "runtime/instance_factory.h"
#include "tests/support/library_fixture.h"

namespace {

using Font = javax_microedition_lcdui_Font;

// MIDP face, style and size constants: each family has its own bits.
constexpr int32_t kFaceProportional = 64;
constexpr int32_t kSizeLarge = 16;

class FontTest : public LibraryTest {};

TEST_F(FontTest, TheDefaultFontIsMadeOnceAndIsNotInTheCache) {
  Font* font = Font::getDefaultFont();
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(Font::getDefaultFont(), font);
  EXPECT_EQ(font->getFace(), 0);
  EXPECT_EQ(font->getStyle(), 0);
  EXPECT_EQ(font->getSize(), 0);
  EXPECT_GT(font->getBaselinePosition(), 0);
  EXPECT_GT(font->getHeight(), font->getBaselinePosition());
  Font* plain = Font::getFont(0, 0, 0);
  ASSERT_NE(plain, nullptr);
  EXPECT_NE(plain, font);
  // Kept by the statics through a collection.
  CollectNow();
  EXPECT_EQ(Font::getDefaultFont(), font);
  EXPECT_EQ(Font::getFont(0, 0, 0), plain);
}

TEST_F(FontTest, TheSpecifierFormGivesTheDefaultFontOrRefuses) {
  EXPECT_EQ(Font::getFont(Font::FONT_STATIC_TEXT), Font::getDefaultFont());
  EXPECT_EQ(Font::getFont(Font::FONT_INPUT_TEXT), Font::getDefaultFont());
  EXPECT_EQ(TakePending().classId, 0);
  for (int32_t specifier : {2, -1}) {
    EXPECT_EQ(Font::getFont(specifier), nullptr);
    const Raised raised = TakePending();
    EXPECT_EQ(raised.classId, cid::java_lang_IllegalArgumentException) << specifier;
    EXPECT_EQ(raised.message, "");
  }
}

TEST_F(FontTest, EachFaceStyleAndSizeIsMadeOnceAndKeepsWhatWasAsked) {
  Font* bold = Font::getFont(kFaceProportional, Font::STYLE_BOLD, kSizeLarge);
  ASSERT_NE(bold, nullptr);
  EXPECT_EQ(Font::getFont(kFaceProportional, Font::STYLE_BOLD, kSizeLarge), bold);
  EXPECT_EQ(bold->getFace(), kFaceProportional);
  EXPECT_EQ(bold->getStyle(), Font::STYLE_BOLD);
  EXPECT_EQ(bold->getSize(), kSizeLarge);
  // The system font serves every request: the metrics are the default font's.
  Font* standard = Font::getDefaultFont();
  EXPECT_EQ(bold->getHeight(), standard->getHeight());
  EXPECT_EQ(bold->getBaselinePosition(), standard->getBaselinePosition());
  // More fonts than the cache's first threshold (3) are all kept, each once.
  Font* made[6];
  for (int32_t i = 0; i < 6; i++) made[i] = Font::getFont(0, 0, i * 8);
  for (int32_t i = 0; i < 6; i++) {
    EXPECT_EQ(Font::getFont(0, 0, i * 8), made[i]) << i;
    for (int32_t j = 0; j < i; j++) EXPECT_NE(made[i], made[j]);
  }
}

TEST_F(FontTest, StyleQueriesReadTheStyleBits) {
  struct Case {
    int32_t style;
    bool plain, bold, italic, underlined;
  };
  const Case cases[] = {
      {0, true, false, false, false},
      {Font::STYLE_BOLD, false, true, false, false},
      {Font::STYLE_ITALIC, false, false, true, false},
      {Font::STYLE_UNDERLINED, false, false, false, true},
      {Font::STYLE_BOLD | Font::STYLE_ITALIC | Font::STYLE_UNDERLINED, false, true, true, true},
  };
  for (const Case& c : cases) {
    Font* font = Font::getFont(0, c.style, 0);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->isPlain(), c.plain) << c.style;
    EXPECT_EQ(font->isBold(), c.bold) << c.style;
    EXPECT_EQ(font->isItalic(), c.italic) << c.style;
    EXPECT_EQ(font->isUnderlined(), c.underlined) << c.style;
  }
}

TEST_F(FontTest, TheClassFactoryMakesAnEmptyFont) {
  auto* font =
      static_cast<Font*>(NewInstanceFactory::newInstance(cid::javax_microedition_lcdui_Font));
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->classId, cid::javax_microedition_lcdui_Font);
  EXPECT_EQ(font->getHeight(), 0);
}

}  // namespace
