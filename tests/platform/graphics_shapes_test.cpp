// Rectangles, lines, round rectangles and triangles, pixel by pixel on small targets, with
// clipping, translation, the colour-0 rule of a new Graphics and huge coordinates.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <functional>

#include "tests/platform/canvas.h"
#include "tests/support/runtime_fixture.h"

namespace {

using GraphicsShapesTest = RuntimeTest;

struct DrawCase {
  const char* name;
  std::function<void(Graphics*)> draw;  // runs after setColor(0xFFFFFF)
  const char* art;
};

void RunCases(int32_t width, int32_t height, const DrawCase* cases, size_t count) {
  for (size_t i = 0; i < count; i++) {
    SCOPED_TRACE(cases[i].name);
    Canvas canvas(width, height);
    canvas.graphics->setColor(0xFFFFFF);
    cases[i].draw(canvas.graphics);
    EXPECT_EQ(canvas.art(), cases[i].art);
  }
}

TEST_F(GraphicsShapesTest, FillRect) {
  const DrawCase cases[] = {
      {"inside", [](Graphics* g) { g->fillRect(1, 1, 3, 2); }, "......\n.###..\n.###..\n......"},
      {"partly left of the clip", [](Graphics* g) { g->fillRect(-2, 0, 4, 1); },
       "##....\n......\n......\n......"},
      {"partly outside a set clip",
       [](Graphics* g) {
         g->setClip(2, 1, 3, 2);
         g->fillRect(0, 0, 6, 4);
       },
       "......\n..###.\n..###.\n......"},
      {"translated",
       [](Graphics* g) {
         g->translate(4, 3);
         g->fillRect(0, 0, 5, 5);
       },
       "......\n......\n......\n....##"},
      {"width 0", [](Graphics* g) { g->fillRect(1, 1, 0, 2); }, "......\n......\n......\n......"},
      {"height 0", [](Graphics* g) { g->fillRect(1, 1, 2, 0); }, "......\n......\n......\n......"},
      {"negative width", [](Graphics* g) { g->fillRect(3, 1, -2, 2); },
       "......\n......\n......\n......"},
      {"huge width ends at the edge", [](Graphics* g) { g->fillRect(4, 2, INT_MAX, 1); },
       "......\n......\n....##\n......"},
      {"empty clip",
       [](Graphics* g) {
         g->setClip(1, 1, 2, 2);
         g->clipRect(4, 0, 2, 4);
         g->fillRect(0, 0, 6, 4);
       },
       "......\n......\n......\n......"},
  };
  RunCases(6, 4, cases, std::size(cases));
}

// Rows long enough for whole 16-byte stores, starting at odd and even pixels.
TEST_F(GraphicsShapesTest, LongFillRowsStopAtTheirEnds) {
  for (int32_t x : {0, 1, 2, 3}) {
    for (int32_t w : {8, 9, 16, 19}) {
      Canvas canvas(24, 2);
      canvas.graphics->setColor(0xFFFFFF);
      canvas.graphics->fillRect(x, 1, w, 1);
      for (int32_t i = 0; i < 24; i++) {
        EXPECT_EQ(canvas.at(i, 0), 0);
        EXPECT_EQ(canvas.at(i, 1), i >= x && i < x + w ? 0xFFFF : 0) << x << " " << w << " " << i;
      }
    }
  }
}

TEST_F(GraphicsShapesTest, ANewGraphicsDrawsNothingUntilItsColourIsSet) {
  Canvas canvas(5, 3);
  canvas.fill(0x1234);
  Graphics* g = canvas.graphics;
  g->fillRect(0, 0, 5, 3);
  g->drawLine(0, 0, 4, 2);
  g->drawRect(0, 0, 4, 2);
  g->fillTriangle(0, 0, 4, 0, 0, 2);
  g->fillArc(0, 0, 4, 2, 0, 360);
  g->fillRoundRect(0, 0, 5, 3, 4, 4);
  EXPECT_EQ(canvas.count(0x1234), 15);
  g->setColor(0);  // black, now opaque
  g->fillRect(0, 0, 5, 3);
  EXPECT_EQ(canvas.count(0), 15);
}

TEST_F(GraphicsShapesTest, DrawLine) {
  const DrawCase cases[] = {
      {"one pixel", [](Graphics* g) { g->drawLine(2, 1, 2, 1); }, "......\n..#...\n......\n......"},
      {"horizontal, both ends", [](Graphics* g) { g->drawLine(4, 0, 1, 0); },
       ".####.\n......\n......\n......"},
      {"vertical", [](Graphics* g) { g->drawLine(0, 3, 0, 1); }, "......\n#.....\n#.....\n#....."},
      {"a tie takes x as the major axis", [](Graphics* g) { g->drawLine(0, 0, 3, 3); },
       "#.....\n.#....\n..#...\n...#.."},
      {"the minor axis steps at error >= 0", [](Graphics* g) { g->drawLine(0, 0, 4, 1); },
       "##....\n..###.\n......\n......"},
      {"error 0 at the start steps at once", [](Graphics* g) { g->drawLine(0, 0, 2, 1); },
       "#.....\n.##...\n......\n......"},
      {"y major", [](Graphics* g) { g->drawLine(5, 0, 4, 3); }, ".....#\n.....#\n....#.\n....#."},
      {"entirely outside the clip", [](Graphics* g) { g->drawLine(-5, -1, 10, -1); },
       "......\n......\n......\n......"},
      {"crossing the clip", [](Graphics* g) { g->drawLine(-3, 2, 9, 2); },
       "......\n......\n######\n......"},
      // The far end is moved to x = 4, where the line meets y = 4 (the clip's height), and to
      // y = 3, the last row: the walk then bends by one pixel.
      {"through a corner from outside", [](Graphics* g) { g->drawLine(-2, -2, 7, 7); },
       "#.....\n.#....\n..##..\n....#."},
      {"huge end points", [](Graphics* g) { g->drawLine(INT_MIN, INT_MIN, INT_MAX, INT_MAX); },
       "#.....\n.#....\n..##..\n....#."},
      {"translated into a clip",
       [](Graphics* g) {
         g->translate(1, 1);
         g->setClip(0, 0, 3, 2);
         g->drawLine(-1, 0, 10, 0);
       },
       "......\n.###..\n......\n......"},
  };
  RunCases(6, 4, cases, std::size(cases));
}

// Every line inside the target starts and ends on its end points and writes one pixel per
// step of its longer axis.
TEST_F(GraphicsShapesTest, EveryLineCoversItsEndPointsWithOnePixelPerMajorStep) {
  for (int32_t x1 = 0; x1 < 7; x1++) {
    for (int32_t y1 = 0; y1 < 5; y1++) {
      for (int32_t x2 = 0; x2 < 7; x2++) {
        for (int32_t y2 = 0; y2 < 5; y2++) {
          Canvas canvas(7, 5);
          canvas.graphics->setColor(0xFFFFFF);
          canvas.graphics->drawLine(x1, y1, x2, y2);
          const int32_t major = std::max(std::abs(x2 - x1), std::abs(y2 - y1));
          ASSERT_EQ(canvas.at(x1, y1), 0xFFFF) << x1 << y1 << x2 << y2;
          ASSERT_EQ(canvas.at(x2, y2), 0xFFFF) << x1 << y1 << x2 << y2;
          ASSERT_EQ(canvas.count(0xFFFF), major + 1) << x1 << y1 << x2 << y2;
        }
      }
    }
  }
}

TEST_F(GraphicsShapesTest, DrawRectCoversOneMoreThanItsSize) {
  Canvas canvas(12, 12);
  canvas.graphics->setColor(0xFFFFFF);
  canvas.graphics->drawRect(0, 0, 10, 10);
  EXPECT_EQ(canvas.count(0xFFFF), 40);  // the border of 11 x 11
  for (int32_t i = 0; i <= 10; i++) {
    EXPECT_EQ(canvas.at(i, 0), 0xFFFF);
    EXPECT_EQ(canvas.at(i, 10), 0xFFFF);
    EXPECT_EQ(canvas.at(0, i), 0xFFFF);
    EXPECT_EQ(canvas.at(10, i), 0xFFFF);
  }
  EXPECT_EQ(canvas.at(11, 11), 0);
  EXPECT_EQ(canvas.at(5, 5), 0);
}

TEST_F(GraphicsShapesTest, RoundRectangles) {
  const DrawCase cases[] = {
      {"arc 0 outlines like drawRect", [](Graphics* g) { g->drawRoundRect(1, 1, 5, 3, 0, 0); },
       "........\n.######.\n.#....#.\n.#....#.\n.######.\n........"},
      {"arc 0 fills like fillRect", [](Graphics* g) { g->fillRoundRect(1, 1, 5, 3, 0, 0); },
       "........\n.#####..\n.#####..\n.#####..\n........\n........"},
      {"outline with corner radius 2", [](Graphics* g) { g->drawRoundRect(0, 0, 7, 5, 6, 99); },
       ".######.\n#......#\n#......#\n#......#\n#......#\n.######."},
      {"fill with corner radius 2", [](Graphics* g) { g->fillRoundRect(0, 0, 8, 6, 6, 99); },
       ".######.\n########\n########\n########\n########\n.######."},
  };
  RunCases(8, 6, cases, std::size(cases));
}

// fillRoundRect(x, y, w + 1, h + 1) fills exactly what drawRoundRect(x, y, w, h) outlines:
// every outline pixel is filled, and each filled row ends on outline pixels.
TEST_F(GraphicsShapesTest, RoundRectFillsMatchTheirOutlines) {
  for (int32_t arc : {0, 4, 9, 12}) {  // corner radius 0 to 5, at most half a side
    for (int32_t w : {10, 15}) {
      SCOPED_TRACE(testing::Message() << "arc " << arc << " width " << w);
      const int32_t h = 12;
      Canvas outline(w + 3, h + 3), fill(w + 3, h + 3);
      outline.graphics->setColor(0xFFFFFF);
      fill.graphics->setColor(0xFFFFFF);
      outline.graphics->drawRoundRect(1, 1, w, h, arc, 0);
      fill.graphics->fillRoundRect(1, 1, w + 1, h + 1, arc, 0);
      for (int32_t y = 0; y < h + 3; y++) {
        int32_t first = -1, last = -1;
        for (int32_t x = 0; x < w + 3; x++) {
          if (outline.at(x, y)) {
            EXPECT_EQ(fill.at(x, y), 0xFFFF) << x << "," << y;
          }
          if (fill.at(x, y)) {
            if (first < 0) first = x;
            last = x;
          }
        }
        if (first >= 0) {
          EXPECT_EQ(outline.at(first, y), 0xFFFF) << "row " << y;
          EXPECT_EQ(outline.at(last, y), 0xFFFF) << "row " << y;
        }
      }
    }
  }
}

TEST_F(GraphicsShapesTest, AHugeCornerRadiusIsRefused) {
  Canvas canvas(4, 4);
  canvas.graphics->setColor(0xFFFFFF);
  TraceCapture trace;
  canvas.graphics->fillRoundRect(0, 0, 4, 4, INT_MAX, 0);
  canvas.graphics->drawRoundRect(0, 0, 4, 4, INT_MAX, 0);
  EXPECT_TRUE(trace.contains("fillRoundRect arcWidth"));
  EXPECT_TRUE(trace.contains("drawRoundRect arcWidth"));
  EXPECT_EQ(canvas.count(0xFFFF), 0);
}

TEST_F(GraphicsShapesTest, FillTriangle) {
  const DrawCase cases[] = {
      {"flat top", [](Graphics* g) { g->fillTriangle(0, 0, 4, 0, 0, 4); },
       "####..\n###...\n##....\n#.....\n......"},
      {"flat bottom", [](Graphics* g) { g->fillTriangle(2, 0, 0, 4, 4, 4); },
       "......\n.#....\n.##...\n###...\n####.."},
      {"three equal y values: one span, the third x unused",
       [](Graphics* g) { g->fillTriangle(1, 2, 4, 2, 5, 2); },
       "......\n......\n.###..\n......\n......"},
      {"a single point draws nothing", [](Graphics* g) { g->fillTriangle(2, 2, 2, 2, 2, 2); },
       "......\n......\n......\n......\n......"},
      {"clipped above and below",
       [](Graphics* g) {
         g->setClip(0, 1, 6, 2);
         g->fillTriangle(0, -10, 0, 10, 5, 0);
       },
       "......\n####..\n####..\n......\n......"},
      {"huge vertices cover the target",
       [](Graphics* g) {
         g->fillTriangle(0, -2000000000, 2000000000, 2000000000, -2000000000, 2000000000);
       },
       "######\n######\n######\n######\n######"},
  };
  RunCases(6, 5, cases, std::size(cases));
}

TEST_F(GraphicsShapesTest, TriangleVerticesMayComeInAnyOrder) {
  const int32_t v[3][2] = {{1, 0}, {5, 2}, {0, 4}};
  const int order[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
  std::string first;
  for (const auto& o : order) {
    Canvas canvas(6, 5);
    canvas.graphics->setColor(0xFFFFFF);
    canvas.graphics->fillTriangle(v[o[0]][0], v[o[0]][1], v[o[1]][0], v[o[1]][1], v[o[2]][0],
                                  v[o[2]][1]);
    if (first.empty()) first = canvas.art();
    EXPECT_EQ(canvas.art(), first);
  }
  EXPECT_NE(first.find('#'), std::string::npos);
}

}  // namespace
