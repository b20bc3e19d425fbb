// Arcs: whole quadrants only, chosen from the start and end angles, on a midpoint ellipse.
#include <gtest/gtest.h>

#include <climits>

#include "tests/platform/canvas.h"
#include "tests/support/runtime_fixture.h"

namespace {

using GraphicsArcTest = RuntimeTest;

// Which quadrants around the centre (cx, cy) hold white pixels: bit 1 upper right, 2 upper
// left, 4 lower left, 8 lower right; the centre row and column count for both sides.
int32_t QuadrantsTouched(const Canvas& canvas, int32_t cx, int32_t cy) {
  int32_t quadrants = 0;
  for (int32_t y = 0; y < canvas.image->height; y++) {
    for (int32_t x = 0; x < canvas.image->width; x++) {
      if (canvas.at(x, y) != 0xFFFF) continue;
      const bool right = x > cx, left = x < cx, up = y<cy, down = y> cy;
      if (right && up) quadrants |= 1;
      if (left && up) quadrants |= 2;
      if (left && down) quadrants |= 4;
      if (right && down) quadrants |= 8;
    }
  }
  return quadrants;
}

TEST_F(GraphicsArcTest, AnglesSelectWholeQuadrants) {
  struct Case {
    int32_t start, arc;
    int32_t quadrants;
  };
  const Case cases[] = {
      {0, 90, 1},
      {90, 90, 2},
      {180, 90, 4},
      {270, 90, 8},
      {0, 360, 15},
      {0, 180, 3},
      {90, 270, 14},
      {180, 180, 12},
      {1, 359, 14},
      {45, 90, 0},
      {0, 89, 0},
      {-10, 100, 0},
      // Angles above 360 come back into 1..360: 450 is 90, but 720 is 360, where no
      // quadrant starts, and an end of 390 is 30.
      {450, 90, 2},
      {720, 90, 0},
      {90, 300, 0},
  };
  for (const Case& c : cases) {
    for (bool fill : {false, true}) {
      SCOPED_TRACE(testing::Message()
                   << "start " << c.start << " arc " << c.arc << " fill " << fill);
      Canvas canvas(101, 101);
      canvas.graphics->setColor(0xFFFFFF);
      if (fill) {
        canvas.graphics->fillArc(0, 0, 100, 100, c.start, c.arc);
      } else {
        canvas.graphics->drawArc(0, 0, 100, 100, c.start, c.arc);
      }
      EXPECT_EQ(QuadrantsTouched(canvas, 50, 50), c.quadrants);
      if (c.quadrants == 0) {
        EXPECT_EQ(canvas.count(0xFFFF), 0);
      }
    }
  }
}

TEST_F(GraphicsArcTest, AQuarterFillCoversTheQuarterDisc) {
  Canvas canvas(101, 101);
  canvas.graphics->setColor(0xFFFFFF);
  canvas.graphics->fillArc(0, 0, 100, 100, 0, 90);
  // Inside the radius-50 quarter around (50, 50), all set; well outside it, none.
  for (int32_t y = 0; y <= 50; y++) {
    for (int32_t x = 50; x <= 100; x++) {
      const int32_t dx = x - 50, dy = 50 - y, d2 = dx * dx + dy * dy;
      if (d2 <= 48 * 48) {
        EXPECT_EQ(canvas.at(x, y), 0xFFFF) << x << "," << y;
      } else if (d2 >= 52 * 52) {
        EXPECT_EQ(canvas.at(x, y), 0) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(canvas.at(100, 50), 0xFFFF);  // the ends of the radii
  EXPECT_EQ(canvas.at(50, 0), 0xFFFF);
}

TEST_F(GraphicsArcTest, AFullOutlineIsASymmetricClosedEllipse) {
  Canvas canvas(41, 21);
  canvas.graphics->setColor(0xFFFFFF);
  canvas.graphics->drawArc(0, 0, 40, 20, 0, 360);  // radii 20 and 10 around (20, 10)
  for (int32_t y = 0; y <= 20; y++) {
    for (int32_t x = 0; x <= 40; x++) {
      EXPECT_EQ(canvas.at(x, y), canvas.at(40 - x, y)) << x << "," << y;
      EXPECT_EQ(canvas.at(x, y), canvas.at(x, 20 - y)) << x << "," << y;
    }
  }
  // The flat top: region 1 keeps y = 10 for dx 0 to 6.
  EXPECT_EQ(canvas.art().substr(0, 41),
            std::string(14, '.') + std::string(13, '#') + std::string(14, '.'));
  for (int32_t y = 0; y <= 20; y++) {  // every row of the ellipse is reached, left and right
    int32_t n = 0;
    for (int32_t x = 0; x <= 20; x++) n += canvas.at(x, y) == 0xFFFF;
    EXPECT_GE(n, 1) << "row " << y;
  }
  EXPECT_EQ(canvas.at(0, 10), 0xFFFF);
  EXPECT_EQ(canvas.at(20, 10), 0);
}

TEST_F(GraphicsArcTest, ArcsFollowTranslationAndClip) {
  Canvas canvas(12, 12);
  Graphics* g = canvas.graphics;
  g->setColor(0xFFFFFF);
  g->translate(2, 2);
  g->setClip(0, 0, 5, 10);  // left half of the circle only
  g->fillArc(0, 0, 8, 8, 0, 360);
  for (int32_t y = 0; y < 12; y++) {
    for (int32_t x = 7; x < 12; x++) EXPECT_EQ(canvas.at(x, y), 0) << x << "," << y;
  }
  EXPECT_EQ(canvas.at(2, 6), 0xFFFF);  // the left end of the horizontal radius
  EXPECT_EQ(canvas.at(1, 6), 0);
}

TEST_F(GraphicsArcTest, NegativeSizesDrawNothingAndHugeRadiiAreRefused) {
  Canvas canvas(8, 8);
  canvas.graphics->setColor(0xFFFFFF);
  TraceCapture trace;
  canvas.graphics->fillArc(4, 4, -6, 6, 0, 360);
  canvas.graphics->drawArc(4, 4, 6, -6, 0, 360);
  EXPECT_TRUE(trace.lines().empty());
  canvas.graphics->fillArc(-1000000, -1000000, INT_MAX, INT_MAX, 0, 360);
  canvas.graphics->drawArc(0, 0, 8, INT_MAX, 0, 360);
  EXPECT_TRUE(trace.contains("fillArc radius"));
  EXPECT_TRUE(trace.contains("drawArc radius"));
  EXPECT_EQ(canvas.count(0xFFFF), 0);
}

}  // namespace
