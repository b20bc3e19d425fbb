// Word wrapping on the data set's body font: where lines end, their widths and the text state
// each starts in, the result growing for long texts, and the text rebuilt with its breaks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/game_statics.h"
#include "tests/engine/font_fixture.h"
#include "tests/support/string_text.h"

namespace {

struct Line {
  int32_t end;
  int32_t width;
  int32_t state;
  bool operator==(const Line&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Line& l) {
  return out << "{" << l.end << ", " << l.width << ", 0x" << std::hex << l.state << std::dec << "}";
}

std::string Narrow(const std::u16string& text) {
  return std::string(text.begin(), text.end());
}

class FontWrapTest : public FontTest {
 protected:
  ASprite* body() const { return font(3); }
  int32_t advance(char16_t c) const { return body()->getScaledFModuleX(body()->getCharFrame(c)); }
  std::vector<Line> wrap(const std::u16string& text, int32_t width) const {
    ShortArray* r = body()->wrapText(Text(text), width);
    std::vector<Line> lines;
    for (int32_t k = 0; k < r->elements()[0]; k++) {
      lines.push_back(
          {r->elements()[1 + 3 * k], r->elements()[2 + 3 * k], r->elements()[3 + 3 * k]});
    }
    return lines;
  }
};

TEST_F(FontWrapTest, LinesEndAfterSpacesAtLineFeedsAndNeverInsideAWord) {
  const int32_t a = advance(u'a'), b = advance(u'b'), space = body()->spaceWidth;
  struct Case {
    std::u16string text;
    int32_t width;
    std::vector<Line> lines;
  };
  const Case kCases[] = {
      // The first word fits; the space after it does not, or the next glyph does not.
      {u"aaa bbb", 3 * a, {{4, 3 * a, 0}, {7, 3 * b, 0}}},
      {u"aaa bbb", 3 * a + space, {{4, 3 * a, 0}, {7, 3 * b, 0}}},
      // A run of spaces stays on the line it ends, but not in its width.
      {u"aa   bb", 2 * a + space, {{5, 2 * a, 0}, {7, 2 * b, 0}}},
      {u"aa   bb", 2 * a + 3 * space, {{5, 2 * a, 0}, {7, 2 * b, 0}}},
      // A line feed ends a line where it stands; the next line starts with it.
      {u"ab\nba", 1000, {{2, a + b, 0}, {5, a + b, 0}}},
      // Everything fits; a word wider than the width keeps its line.
      {u"ab ab", 1000, {{5, 2 * (a + b) + space, 0}}},
      {u"aaaaaa", a, {{6, 6 * a, 0}}},
      {u"", 10, {{0, 0, 0}}},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(wrap(c.text, c.width), c.lines) << Narrow(c.text) << " at " << c.width;
  }
}

TEST_F(FontWrapTest, EachLineStartsInTheStateTheTextLeftIt) {
  const int32_t a = advance(u'a'), b = advance(u'b');
  body()->setCurrentPalette(1);
  // Bold is counted in the widths; a line starts in the state where the last one ended.
  EXPECT_EQ(wrap(u"\\^aa \\0\\_bb", 2 * a + 2),
            (std::vector<Line>{{5, 2 * a + 2, 0x0001}, {11, 2 * b + 2, 0x1001}}));
  // A break inside a word returns to the state at its space: the escape after the space is
  // read again on the next line.
  EXPECT_EQ(wrap(u"aa \\^bb", 2 * a + 1),
            (std::vector<Line>{{3, 2 * a, 0x0001}, {7, 2 * b + 2, 0x0001}}));
  // The sprite's own state is left as it was.
  EXPECT_FALSE(body()->bold);
  EXPECT_FALSE(body()->underline);
  EXPECT_EQ(body()->currentPalette, 1);
}

TEST_F(FontWrapTest, AThreeHundredLineTextWrapsWhole) {
  std::u16string text;
  for (int i = 0; i < 299; i++) text += u"ab ";
  text += u"ab";
  const std::vector<Line> lines = wrap(text, advance(u'a') + advance(u'b'));
  ASSERT_EQ(lines.size(), 300u);
  for (size_t k = 0; k < lines.size(); k++) {
    EXPECT_EQ(lines[k].end, static_cast<int32_t>(k < 299 ? 3 * k + 3 : 3 * k + 2));
  }
  EXPECT_GE(Statics<GameStatics>()->ASprite_wrapResult->length, 1 + 3 * 300);
  // Rebuilt with its breaks, it pages as 300 lines.
  String* wrapped = body()->wrapToString(Text(text), advance(u'a') + advance(u'b'));
  EXPECT_EQ(ASprite::splitLines(wrapped, 0, wrapped->length(), 10, nullptr), 300);
  // A short text afterwards reuses the grown result.
  ShortArray* grown = Statics<GameStatics>()->ASprite_wrapResult;
  body()->wrapText(Text(u"ab"), 100);
  EXPECT_EQ(Statics<GameStatics>()->ASprite_wrapResult, grown);
}

TEST_F(FontWrapTest, WrapToStringInsertsALineFeedAtEachBreakButNotBeforeOne) {
  const int32_t a = advance(u'a');
  struct Case {
    std::u16string text;
    int32_t width;
    std::u16string wrapped;
  };
  const Case kCases[] = {
      {u"aaa bbb", 3 * a, u"aaa \nbbb"},
      {u"aa\nbb", 1000, u"aa\nbb"},
      {u"aa bb\ncc", 2 * a, u"aa \nbb\ncc"},
      {u"aa   ", 2 * a, u"aa   "},
      {u"", 10, u""},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(UnitsOf(body()->wrapToString(Text(c.text), c.width)), c.wrapped) << Narrow(c.text);
  }
}

}  // namespace
