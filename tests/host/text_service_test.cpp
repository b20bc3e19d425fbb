// The system font: the face's metrics, widths that match the ink drawn, glyphs cut to their
// window, and a missing font file that is traced once and leaves the message screen its
// built-in font.
#include "host/text_service.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/message_font.h"
#include "tests/support/runtime_fixture.h"

namespace {

class TextServiceTest : public ::testing::Test {
 protected:
  void TearDown() override { host::SetSystemFontFile(""); }
  TraceCapture trace_;
};

// The columns of a rendered line that hold ink: first and last, or -1 when none.
std::pair<int, int> InkColumns(const std::vector<uint32_t>& pixels, int width) {
  int first = -1, last = -1;
  for (size_t i = 0; i < pixels.size(); i++) {
    if (pixels[i] == host::kTextKey) continue;
    const int x = static_cast<int>(i % width);
    if (first < 0 || x < first) first = x;
    last = std::max(last, x);
  }
  return {first, last};
}

TEST_F(TextServiceTest, TheFaceHasItsMetricsAndWidthsMatchTheInk) {
  host::FontMetrics metrics;
  ASSERT_TRUE(host::GetSystemFontMetrics(&metrics));
  EXPECT_GT(metrics.ascent, host::kSystemFontPixels / 2);
  EXPECT_GT(metrics.height, metrics.ascent);
  EXPECT_LT(metrics.height, 2 * host::kSystemFontPixels);

  EXPECT_EQ(host::MeasureText(u""), 0);
  EXPECT_EQ(host::MeasureText(u"\n\t\x01"), 0) << "controls measure 0";
  EXPECT_EQ(host::MeasureText(u"ab"), host::MeasureText(u"a") + host::MeasureText(u"b"))
      << "no kerning";
  EXPECT_EQ(host::MeasureText(u"a\nb"), host::MeasureText(u"ab"));
  EXPECT_GT(host::MeasureText(u"\uE000"), 0) << "a missing glyph has its box's advance";
  // A surrogate pair is one glyph; its halves alone are two missing-glyph boxes.
  const std::u16string pair = u"\U0001F600";
  const std::u16string halves = {pair[1], pair[0]};
  EXPECT_EQ(host::MeasureText(halves), 2 * host::MeasureText(u"\uE000"));
  EXPECT_LE(host::MeasureText(pair), host::MeasureText(halves));
  // Every code point the face lacks draws the one missing-glyph box, ink and all.
  const int box = static_cast<int>(host::MeasureText(u"\uE000"));
  std::vector<uint32_t> boxes[3];
  const char16_t* lacking[3] = {u"\uE000", u"\uF8FF", u"\U0010FFFD"};
  for (int i = 0; i < 3; i++) {
    boxes[i].resize(static_cast<size_t>(box) * metrics.height);
    ASSERT_TRUE(host::RenderText(lacking[i], 1, boxes[i].data(), box, metrics.height, box, 0, 0));
  }
  EXPECT_GT(std::count(boxes[0].begin(), boxes[0].end(), 1u), 0);
  EXPECT_EQ(boxes[1], boxes[0]);
  EXPECT_EQ(boxes[2], boxes[0]);

  const std::u16string text = u"Plimora Wq";
  const int width = static_cast<int>(host::MeasureText(text));
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * metrics.height);
  ASSERT_TRUE(host::RenderText(text, 0xFF00FF, pixels.data(), width, metrics.height, width, 0, 0));
  const auto [first, last] = InkColumns(pixels, width);
  EXPECT_GE(first, 0);
  EXPECT_LE(first, 3);
  EXPECT_GE(last, width - 4) << "the ink reaches the measured width";
  EXPECT_EQ(std::count(pixels.begin(), pixels.end(), 0xFF00FFu) +
                std::count(pixels.begin(), pixels.end(), host::kTextKey),
            static_cast<long>(pixels.size()))
      << "monochrome: the colour or the key";
}

TEST_F(TextServiceTest, AWindowShowsItsPartOfTheBox) {
  host::FontMetrics metrics;
  ASSERT_TRUE(host::GetSystemFontMetrics(&metrics));
  const std::u16string text = u"HHHH";
  const int width = static_cast<int>(host::MeasureText(text));
  std::vector<uint32_t> whole(static_cast<size_t>(width) * metrics.height);
  host::RenderText(text, 1, whole.data(), width, metrics.height, width, 0, 0);
  // Windows over every edge of the box, and past it: each pixel is what the whole box holds there.
  const struct {
    int64_t left, top;
    int w, h;
  } windows[] = {{-5, -5, 10, 10},
                 {width - 4, metrics.height - 3, 9, 9},
                 {3, 2, 5, 4},
                 {width + 10, 0, 4, 4},
                 {-100, -100, 4, 4}};
  for (const auto& w : windows) {
    std::vector<uint32_t> part(static_cast<size_t>(w.w) * w.h, 7);
    ASSERT_TRUE(host::RenderText(text, 1, part.data(), w.w, w.h, w.w, w.left, w.top));
    for (int y = 0; y < w.h; y++) {
      for (int x = 0; x < w.w; x++) {
        const int64_t bx = w.left + x, by = w.top + y;
        const bool inside = bx >= 0 && bx < width && by >= 0 && by < metrics.height;
        const uint32_t expected = inside ? whole[by * width + bx] : host::kTextKey;
        EXPECT_EQ(part[y * w.w + x], expected) << bx << "," << by;
      }
    }
    // Inked in place, the same window's glyph pixels take the colour and the rest stay.
    std::vector<uint16_t> inked(static_cast<size_t>(w.w) * w.h, 7);
    ASSERT_TRUE(host::InkText(text, 0xF800, inked.data(), w.w, w.h, w.w, w.left, w.top));
    for (size_t i = 0; i < inked.size(); i++) {
      EXPECT_EQ(inked[i], part[i] == host::kTextKey ? 7 : 0xF800) << w.left << "," << w.top;
    }
  }
}

TEST_F(TextServiceTest, AMissingFontIsTracedOnceAndTheMessageScreenKeepsItsText) {
  host::SetSystemFontFile("/nonexistent/NoSuchFont.ttf");
  host::FontMetrics metrics;
  EXPECT_FALSE(host::GetSystemFontMetrics(&metrics));
  EXPECT_EQ(host::MeasureText(u"abc"), 0);
  uint32_t pixel = 5;
  EXPECT_FALSE(host::RenderText(u"abc", 1, &pixel, 1, 1, 1, 0, 0));
  EXPECT_EQ(pixel, 5u);
  uint16_t inked = 5;
  EXPECT_FALSE(host::InkText(u"abc", 1, &inked, 1, 1, 1, 0, 0));
  EXPECT_EQ(inked, 5);
  ASSERT_EQ(trace_.lines().size(), 1u);
  EXPECT_NE(trace_.lines()[0].find("/nonexistent/NoSuchFont.ttf"), std::string::npos);

  std::vector<uint16_t> fallback(100 * 40, 0), built(100 * 40, 0);
  host::DrawMessageScreenText(fallback.data(), 100, 40, 5, u"WAIT", 0xF800);
  host::DrawMessageText(built.data(), 100, 40, 5, u"WAIT", 0xF800);
  EXPECT_EQ(fallback, built);
  EXPECT_GT(std::count(fallback.begin(), fallback.end(), 0xF800), 0);
}

}  // namespace
