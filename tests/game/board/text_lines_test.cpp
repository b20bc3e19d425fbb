// Wrapped text drawn line by line with the data set's body font: the block placed by each
// vertical and horizontal anchor, a count cut to the lines there are, the typing limit, and
// the font's palette, flags and text range as before afterwards.
#include <gtest/gtest.h>

#include <vector>

#include "runtime/string.h"
#include "tests/game/world/screen_fixture.h"
#include "tests/support/string_text.h"

namespace {

class TextLinesTest : public ScreenTest {
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
  int32_t LineHeight() { return Font()->getFontHeight() + Font()->getLineSpacing(); }

  String* text_ = nullptr;
  ShortArray* lines_ = nullptr;
};

TEST_F(TextLinesTest, TheAnchorPlacesTheBlockAndEachLine) {
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

TEST_F(TextLinesTest, TheCountIsCutToTheLinesThereAreAndTheLimitCutsCharacters) {
  const int32_t total = lines_->elements()[0];
  EXPECT_EQ(Ink(300, 1, 999, 20, 100), Ink(300, 1, total - 1, 20, 100));
  EXPECT_EQ(Ink(300, 1, -1, 20, 100), Ink(300, 1, total - 1, 20, 100));
  EXPECT_EQ(Ink(300, total, 5, 20, 100)[0], -1) << "no line from past the end";
  EXPECT_EQ(Ink(300, 0, 3, 20, 100, 0)[0], -1);
  const std::vector<int32_t> typed = Ink(300, 0, 3, 20, 100, 3);
  EXPECT_LT(typed[3], 300 + LineHeight()) << "three characters stay on the first line";
  EXPECT_LT(typed[2], Ink(300, 0, 1, 20, 100)[2]);
}

TEST_F(TextLinesTest, TheFontsPaletteFlagsAndTextRangeAreAsBefore) {
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

}  // namespace
