// cGame's drawing utilities on real images: the unmasked colour, the drawRGB clipped to the
// screen (and passed unchanged elsewhere), and the gradient fill's four modes line by line.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/static_class.h"
#include "tests/platform/canvas.h"
#include "tests/support/library_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

class DrawUtilitiesTest : public LibraryTest {
 protected:
  // A screen of the given size: both screenGraphics and drawGraphics draw on it.
  static Canvas Screen(int32_t w, int32_t h) {
    Canvas screen(w, h);
    Statics<GameStatics>()->cGame_screenGraphics = screen.graphics;
    cGame::setDrawGraphics(nullptr);
    return screen;
  }
};

TEST_F(DrawUtilitiesTest, SetDrawGraphicsFallsBackToTheScreen) {
  Canvas screen = Screen(4, 4);
  Canvas other(4, 4);
  EXPECT_EQ(Statics<GameStatics>()->cGame_drawGraphics, screen.graphics);
  cGame::setDrawGraphics(other.graphics);
  EXPECT_EQ(Statics<GameStatics>()->cGame_drawGraphics, other.graphics);
  cGame::setDrawGraphics(nullptr);
  EXPECT_EQ(Statics<GameStatics>()->cGame_drawGraphics, screen.graphics);
}

TEST_F(DrawUtilitiesTest, SetColorRgbDoesNotMaskTheComponents) {
  Canvas screen = Screen(4, 4);
  struct Case {
    int32_t r, g, b;
    uint32_t colour;
  };
  const Case kCases[] = {
      {255, 0, 0, 0xFFFF0000},
      {256, 0, 0, 0xFF000000},  // red's ninth bit lands in alpha, which is
                                // already full
      {0, 256, 0, 0xFF010000},
      {1, 2, 3, 0xFF010203},
      {0, 0, 0x1FF, 0xFF0001FF},
  };
  for (const Case& c : kCases) {
    cGame::setColorRGB(c.r, c.g, c.b);
    EXPECT_EQ(screen.graphics->colour, c.colour) << c.r << ", " << c.g << ", " << c.b;
  }
}

// A 30 x 3 source whose every pixel is its own colour.
IntArray* Source() {
  std::vector<uint32_t> argb;
  for (uint32_t row = 0; row < 3; row++) {
    for (uint32_t column = 0; column < 30; column++) {
      argb.push_back(0xFF000000 | row << 22 | column << 11 | column << 3);
    }
  }
  return MakeInts(argb);
}

// The pixels drawRGB itself draws: the oracle of the clipped calls.
std::vector<uint16_t> Drawn(int32_t w, int32_t h, int32_t offset, int32_t x, int32_t y, int32_t dw,
                            int32_t dh) {
  Canvas expected(w, h);
  expected.fill(0);
  expected.graphics->drawRGB(Source(), offset, 30, x, y, dw, dh, false);
  return std::vector<uint16_t>(expected.pixels(), expected.pixels() + w * h);
}

TEST_F(DrawUtilitiesTest, DrawRgbClippedCutsTheScreenRectangleAndMovesTheStart) {
  struct Case {
    int32_t x, y, w, h;
    // the drawRGB call it becomes: start, x, y, w, h
    int32_t start, dx, dy, dw, dh;
  };
  const Case kCases[] = {
      {-10, 0, 30, 2, 10, 0, 0, 20, 2},  // 20 columns from source column 10
      {30, 1, 30, 2, 0, 30, 1, 10, 2},   // cut at the right edge of the 40-pixel screen
      {5, -1, 10, 3, 30, 5, 0, 10, 2},   // the first row above the screen
      {5, 3, 10, 3, 0, 5, 3, 10, 1},     // cut at the bottom
      {40, 0, 10, 2, 0, 0, 0, 0, 0},     // wholly right of the screen: nothing
      {-10, 0, 10, 2, 0, 0, 0, 0, 0},    // x + w < 1: nothing
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
    Canvas screen = Screen(40, 4);
    screen.fill(0);
    cGame::drawRGBClipped(screen.graphics, 40, 4, Source(), 30, 0, 0, c.x, c.y, c.w, c.h, false);
    EXPECT_EQ(std::vector<uint16_t>(screen.pixels(), screen.pixels() + 160),
              Drawn(40, 4, c.start, c.dx, c.dy, c.dw, c.dh));
  }
}

TEST_F(DrawUtilitiesTest, DrawRgbClippedPassesOtherGraphicsUnchanged) {
  Screen(40, 4);
  Canvas other(40, 4);
  other.fill(0);
  // Row 1 of the source from its column 2, at (-3, 1): drawRGB's own clip applies.
  cGame::drawRGBClipped(other.graphics, 10, 2, Source(), 30, 2, 1, -3, 1, 20, 2, false);
  EXPECT_EQ(std::vector<uint16_t>(other.pixels(), other.pixels() + 160),
            Drawn(40, 4, 32, -3, 1, 20, 2));
}

// The colour of line k of n from colour1 to colour2, as 16.16 channel steps give it.
uint32_t LineColour(uint32_t c1, uint32_t c2, int32_t k, int32_t n) {
  uint32_t colour = 0xFF000000;
  for (int shift : {16, 8, 0}) {
    const int32_t a = c1 >> shift & 0xFF, b = c2 >> shift & 0xFF;
    colour |= static_cast<uint32_t>(((a << 16) + k * (((b - a) << 16) / n)) >> 16) << shift;
  }
  return colour;
}

TEST_F(DrawUtilitiesTest, FillGradientRectDrawsOneLinePerStepInEachMode) {
  constexpr uint32_t kFrom = 0x10F020, kTo = 0xF01080;
  constexpr int32_t x = 2, y = 3, w = 6, h = 10;
  struct Case {
    int32_t mode;
    bool vertical;
    int32_t firstLine, direction;  // where line k = 0 lies and which way the lines go
  };
  const Case kCases[] = {
      {4, true, x + w - 1, -1}, {8, true, x, 1}, {16, false, y + h - 1, -1}, {32, false, y, 1}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.mode);
    Canvas screen = Screen(16, 16);
    screen.fill(0);
    cGame::fillGradientRect(x, y, w, h, static_cast<int32_t>(kFrom), static_cast<int32_t>(kTo),
                            c.mode);
    const int32_t n = c.vertical ? w : h;
    int32_t painted = 0;
    for (int32_t k = 0; k < n; k++) {
      const uint16_t pixel = Graphics::Rgb888ToRgb565(LineColour(kFrom, kTo, k, n) & 0xFFFFFF);
      const int32_t line = c.firstLine + c.direction * k;
      // A line covers one pixel more than the rectangle's other side: drawLine draws both ends.
      for (int32_t i = 0; i <= (c.vertical ? h : w); i++) {
        const uint16_t at = c.vertical ? screen.at(line, y + i) : screen.at(x + i, line);
        ASSERT_EQ(at, pixel) << "line " << k << ", pixel " << i;
        painted++;
      }
    }
    EXPECT_EQ(screen.count(0), 16 * 16 - painted);
    EXPECT_EQ(screen.graphics->colour, LineColour(kFrom, kTo, n - 1, n));  // the last line's
    EXPECT_NE(screen.graphics->colour, 0xFF000000 | kTo);                  // one step short
  }
}

TEST_F(DrawUtilitiesTest, FillGradientRectWithNothingToDrawDrawsNothing) {
  struct Case {
    int32_t w, h, mode;
  };
  const Case kCases[] = {{0, 10, 4},  {-3, 10, 8}, {10, 0, 16}, {10, -1, 32},
                         {10, 10, 0}, {10, 10, 2}, {10, 10, 12}};
  for (const Case& c : kCases) {
    Canvas screen = Screen(16, 16);
    screen.fill(0);
    screen.graphics->setColor(0x123456);
    TraceCapture trace;
    cGame::fillGradientRect(1, 1, c.w, c.h, 0xFFFFFF, 0, c.mode);
    EXPECT_EQ(screen.count(0), 256) << c.mode;
    EXPECT_EQ(screen.graphics->colour, 0xFF123456u) << c.mode;
    EXPECT_TRUE(trace.lines().empty()) << c.mode;
  }
}

}  // namespace
