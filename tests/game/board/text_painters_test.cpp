// The board's text painters with the data set's body font: text at 200 per cent, and wrapped
// text drawn line by line (the block placed by each vertical and horizontal anchor, a count cut
// to the lines there are, the typing limit, a scaled font's line height), the font's scale,
// palette, flags and text range as before afterwards.
#include <gtest/gtest.h>

#include <vector>

#include "engine/pix_effects.h"
#include "runtime/string.h"
#include "tests/game/world/screen_fixture.h"
#include "tests/support/string_text.h"

namespace {

class TextPaintersTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    text_ = NewJavaString("one two three four five six seven eight nine ten eleven twelve");
    s->cGame_scrollText = text_;  // kept where the collector looks
    lines_ = Font()->wrapText(text_, 120);
    s->cGame_scrollTextBreaks = lines_;
    ASSERT_GE(lines_->elements()[0], 3);
  }
  // The box of the ink of one call, on a fresh black image.
  std::vector<int32_t> Ink(int32_t y, int32_t first, int32_t count, int32_t anchor, int32_t x,
                           int32_t charLimit = -1) {
    screen_->fill(0);
    cGame::drawTextLines(Font(), screen_->graphics, text_, lines_, y, first, count, anchor, x,
                         charLimit);
    std::vector<int32_t> box = {-1, -1, -1, -1};
    for (int32_t py = 0; py < 800; py++) {
      for (int32_t px = 0; px < 480; px++) {
        if (screen_->at(px, py) == 0) continue;
        if (box[0] < 0) box = {px, py, px, py};
        box = {std::min(box[0], px), std::min(box[1], py), std::max(box[2], px), py};
      }
    }
    return box;
  }
  // The ink's box {left, top, right, bottom} of the screen as it is now; {-1, ...} for none.
  std::vector<int32_t> InkNow() {
    std::vector<int32_t> box = {-1, -1, -1, -1};
    for (int32_t py = 0; py < 800; py++) {
      for (int32_t px = 0; px < 480; px++) {
        if (screen_->at(px, py) == 0) continue;
        if (box[0] < 0) box = {px, py, px, py};
        box = {std::min(box[0], px), std::min(box[1], py), std::max(box[2], px), py};
      }
    }
    return box;
  }
  int32_t LineHeight() { return Font()->getFontHeight() + Font()->getLineSpacing(); }

  String* text_ = nullptr;
  ShortArray* lines_ = nullptr;
};

TEST_F(TextPaintersTest, TheAnchorPlacesTheBlockAndEachLine) {
  const int32_t h = LineHeight();
  const std::vector<int32_t> top = Ink(300, 0, 3, 20, 100);
  ASSERT_NE(top[0], -1);
  EXPECT_GE(top[1], 300);
  EXPECT_LT(top[3], 300 + 3 * h);
  EXPECT_GE(top[0], 100);
  // Bottom: the block moves up by two line heights and each line by the font's height;
  // centre: by half of each.
  const std::vector<int32_t> bottom = Ink(300, 0, 3, 36, 100);
  EXPECT_EQ(bottom[1] - top[1], -(2 * h + Font()->getFontHeight()));
  const std::vector<int32_t> middle = Ink(300, 0, 3, 6, 100);
  EXPECT_EQ(middle[1] - top[1], -(h + Font()->getFontHeight() / 2));
  // Centred and right-aligned lines about x.
  const std::vector<int32_t> centred = Ink(300, 0, 3, 17, 240);
  EXPECT_NEAR((centred[0] + centred[2]) / 2, 240, 3);
  const std::vector<int32_t> right = Ink(300, 0, 3, 24, 400);
  EXPECT_NEAR(right[2], 400, 4) << "the ink may overhang the measured width a little";
}

TEST_F(TextPaintersTest, TheCountIsCutToTheLinesThereAreAndTheLimitCutsCharacters) {
  const int32_t total = lines_->elements()[0];
  EXPECT_EQ(Ink(300, 1, 999, 20, 100), Ink(300, 1, total - 1, 20, 100));
  EXPECT_EQ(Ink(300, 1, -1, 20, 100), Ink(300, 1, total - 1, 20, 100));
  EXPECT_EQ(Ink(300, total, 5, 20, 100)[0], -1) << "no line from past the end";
  EXPECT_EQ(Ink(300, 0, 3, 20, 100, 0)[0], -1);
  const std::vector<int32_t> typed = Ink(300, 0, 3, 20, 100, 3);
  EXPECT_LT(typed[3], 300 + LineHeight()) << "three characters stay on the first line";
  EXPECT_LT(typed[2], Ink(300, 0, 1, 20, 100)[2]);
}

TEST_F(TextPaintersTest, TheFontsPaletteFlagsAndTextRangeAreAsBefore) {
  Font()->setCurrentPalette(0);
  Font()->bold = true;
  Ink(300, 0, -1, 20, 100, 5);
  EXPECT_EQ(Font()->getCurrentPalette(), 0);
  EXPECT_TRUE(Font()->bold);
  EXPECT_FALSE(Font()->underline);
  EXPECT_EQ(
      std::vector<int32_t>({s->ASprite_textStart, s->ASprite_textEnd, s->ASprite_textDrawLimit}),
      std::vector<int32_t>({-1, -1, -1}));
  // Nothing to draw with: no text, no table, no font.
  cGame::drawTextLines(Font(), screen_->graphics, nullptr, lines_, 0, 0, -1, 20, 0, -1);
  cGame::drawTextLines(Font(), screen_->graphics, text_, nullptr, 0, 0, -1, 20, 0, -1);
  cGame::drawTextLines(nullptr, screen_->graphics, text_, lines_, 0, 0, -1, 20, 0, -1);
}

// Twice the size: twice as wide and about twice as high, at the same anchor point; the font is
// unscaled again afterwards and the scaling effect off.
TEST_F(TextPaintersTest, ScaledTextIsTwiceAsLargeAtTwoHundredPerCent) {
  s->cGame_effectsEnabled = true;
  s->cGame_canvasWidth = 480, s->cGame_canvasHeight = 800;
  MQPixEffects::init();
  String* word = NewJavaString("Bubbles");
  s->cGame_scrollText = word;
  screen_->fill(0);
  Font()->drawString(screen_->graphics, word, nullptr, 40, 100, 0, false);
  const std::vector<int32_t> plain = InkNow();
  screen_->fill(0);
  cGame::drawStringScaled(Font(), screen_->graphics, word, 40, 100, 0, 200);
  const std::vector<int32_t> twice = InkNow();
  ASSERT_NE(plain[0], -1);
  ASSERT_NE(twice[0], -1);
  const int32_t w = plain[2] - plain[0] + 1;
  EXPECT_NEAR(twice[2] - twice[0] + 1, 2 * w, w / 8) << "width";
  EXPECT_GT(twice[3] - twice[1], plain[3] - plain[1]) << "height";
  EXPECT_EQ(Font()->scale, -1);
  EXPECT_FALSE(MQPixEffects::isEffectOn(MQPixEffects::kScale));
  // A page of two lines stands twice as high as the plain page.
  String* page = NewJavaString("Bubbles\nBubbles");
  s->cGame_scrollText = page;
  screen_->fill(0);
  Font()->drawPage(screen_->graphics, page, 40, 100, 0, 0, page->length());
  const std::vector<int32_t> plainPage = InkNow();
  screen_->fill(0);
  cGame::drawPageScaled(Font(), screen_->graphics, page, 40, 100, 0, 200);
  const std::vector<int32_t> twicePage = InkNow();
  EXPECT_NEAR(twicePage[3] - twicePage[1], 2 * (plainPage[3] - plainPage[1]),
              (plainPage[3] - plainPage[1]) / 4);
  EXPECT_EQ(Font()->scale, -1);
}

TEST_F(TextPaintersTest, AScaledFontSpacesItsLinesByItsScaledLineHeight) {
  const int32_t plain = LineHeight();
  Font()->scale = 512;  // twice the size, 8.8
  const int32_t doubled = LineHeight();
  EXPECT_NEAR(doubled, 2 * plain, 1);
  const std::vector<int32_t> one = Ink(100, 1, 1, 20, 40);
  const std::vector<int32_t> two = Ink(100, 0, 2, 20, 40);
  Font()->scale = -1;
  ASSERT_NE(one[0], -1);
  // The second line of a two-line block starts one scaled line height below the block's top.
  EXPECT_EQ(two[3], one[3] + doubled);
}

}  // namespace
