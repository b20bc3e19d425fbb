// cGame's shapes on drawGraphics, pixel for pixel: arrow heads, Bezier curves, and triangles
// of translucent spans, flat and far-off ones included.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "tests/platform/canvas.h"
#include "tests/support/library_fixture.h"

namespace {

class DrawShapesTest : public LibraryTest {
 protected:
  // A black canvas that drawGraphics draws on, white lines.
  Canvas* target(int32_t w, int32_t h) {
    canvases_.push_back(std::make_unique<Canvas>(w, h));
    Canvas* canvas = canvases_.back().get();
    Statics<GameStatics>()->cGame_drawGraphics = canvas->graphics;
    canvas->graphics->setColor(0xFFFFFF);
    return canvas;
  }
  static void SpanColour(uint32_t argb) {
    IntArray* row = NewIntArray(256);
    for (int32_t i = 0; i < 256; i++) row->elements()[i] = static_cast<int32_t>(argb);
    Statics<GameStatics>()->cGame_solidPalette = row;
  }

  std::vector<std::unique_ptr<Canvas>> canvases_;  // each kept to the test's end
};

TEST_F(DrawShapesTest, ArrowHeadsNarrowTowardTheirPoint) {
  struct Case {
    int32_t direction, size;
    const char* art;
  };
  const Case kCases[] = {
      {1, 0, ".....\n.....\n..#..\n.....\n....."}, {1, 2, ".....\n.....\n#####\n.###.\n..#.."},
      {0, 2, "..#..\n.###.\n#####\n.....\n....."}, {2, 1, ".....\n..#..\n.##..\n..#..\n....."},
      {3, 1, ".....\n..#..\n..##.\n..#..\n....."}, {7, 2, ".....\n.....\n.....\n.....\n....."},
  };
  for (const Case& c : kCases) {
    Canvas* canvas = target(5, 5);
    cGame::fillArrow(2, 2, c.direction, c.size);
    EXPECT_EQ(canvas->art(), c.art) << c.direction << " " << c.size;
  }
}

TEST_F(DrawShapesTest, ABezierCurveIsNLinesAndRemembersItsEnd) {
  Canvas* canvas = target(12, 6);
  cGame::drawBezier(0, 0, 5, 0, 10, 0, 4, true, 0xFFFFFF, 0xFFFFFF);
  // Doubled: every line again one pixel to the right.
  EXPECT_EQ(canvas->count(0xFFFF), 12);
  EXPECT_EQ(canvas->at(11, 0), 0xFFFF);
  EXPECT_EQ(Statics<GameStatics>()->cGame_bezierX, 10);
  EXPECT_EQ(Statics<GameStatics>()->cGame_bezierY, 0);
  // A corner: through (4, 0) toward (4, 4); the midpoint (t = 128) is (3, 1).
  Canvas* corner = target(6, 6);
  cGame::drawBezier(0, 0, 4, 0, 4, 4, 2, false, 0xFFFFFF, 0);
  EXPECT_EQ(corner->at(3, 1), 0xFFFF);
  EXPECT_EQ(corner->at(4, 4), 0xFFFF);
  EXPECT_EQ(corner->at(4, 0), 0);
}

TEST_F(DrawShapesTest, TrianglesFillRowsFromTopToBottomInTheSpanColour) {
  SpanColour(0xFFFFFFFF);
  Canvas* canvas = target(10, 10);
  cGame::fillTriangle(0, 0, 8, 0, 0, 8);
  EXPECT_EQ(canvas->count(0xFFFF), 8 + 7 + 6 + 5 + 4 + 3 + 2 + 1);
  EXPECT_EQ(canvas->at(7, 0), 0xFFFF);
  EXPECT_EQ(canvas->at(0, 7), 0xFFFF);
  EXPECT_EQ(canvas->at(8, 0), 0);
  // The same triangle given in any vertex order.
  Canvas* turned = target(10, 10);
  cGame::fillTriangle(0, 8, 0, 0, 8, 0);
  EXPECT_EQ(turned->art(), canvas->art());
  // Translucent: half of red over black.
  SpanColour(0x80FF0000);
  Canvas* red = target(10, 10);
  cGame::fillTriangle(0, 0, 8, 0, 0, 8);
  const uint16_t half = red->at(1, 1);
  EXPECT_EQ(half & 0x07FF, 0);
  EXPECT_NEAR(half >> 11, 16, 1);
}

TEST_F(DrawShapesTest, FlatAndFarOffTrianglesDrawOnlyWhatTheClipShows) {
  SpanColour(0xFFFFFFFF);
  Canvas* flat = target(10, 10);
  cGame::fillTriangle(0, 5, 9, 5, 4, 5);
  EXPECT_EQ(flat->count(0), 100);
  // Rows above the middle vertex only: the lower part has no height.
  Canvas* upper = target(10, 10);
  cGame::fillTriangle(5, 0, 0, 4, 9, 4);
  EXPECT_EQ(upper->at(5, 0), 0);  // the apex row has a span of no width
  EXPECT_EQ(upper->at(1, 3), 0xFFFF);
  EXPECT_EQ(upper->at(5, 4), 0);
  // Vertices two billion pixels away: the screen is covered, and the run ends at once.
  Canvas* far = target(40, 30);
  far->graphics->setClip(5, 6, 20, 10);
  cGame::fillTriangle(-2000000000, -2000000000, 2000000000, -2000000000, 0, 2000000000);
  EXPECT_EQ(far->count(0xFFFF), 20 * 10);
  EXPECT_EQ(far->at(4, 6), 0);
  EXPECT_EQ(far->at(5, 6), 0xFFFF);
  // Wrong way round and outside the clip entirely.
  Canvas* outside = target(10, 10);
  cGame::fillTriangle(100, 100, 200, 150, 120, 300);
  EXPECT_EQ(outside->count(0), 100);
}

}  // namespace
