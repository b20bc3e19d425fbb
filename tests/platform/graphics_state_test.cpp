// Graphics state: the constructor's starting state, colour with its forced opacity and range
// traces, and the clip arithmetic with translation, clamping and huge arguments.
#include <gtest/gtest.h>

#include <climits>

#include "tests/platform/canvas.h"
#include "tests/support/runtime_fixture.h"

namespace {

using GraphicsStateTest = RuntimeTest;

struct ClipBox {
  int32_t x, y, w, h;
  bool operator==(const ClipBox&) const = default;
};

ClipBox ClipOf(Graphics* g) {
  return {g->getClipX(), g->getClipY(), g->getClipWidth(), g->getClipHeight()};
}

TEST_F(GraphicsStateTest, ANewGraphicsCoversItsImageWithColourZero) {
  Canvas canvas(7, 5);
  Graphics* g = canvas.graphics;
  EXPECT_EQ(g->target, canvas.image);
  EXPECT_EQ(g->colour, 0u);
  EXPECT_EQ(ClipOf(g), (ClipBox{0, 0, 7, 5}));
  EXPECT_EQ(g->getTranslateX(), 0);
  EXPECT_EQ(g->getTranslateY(), 0);
}

TEST_F(GraphicsStateTest, SetColorForcesFullOpacityAndKeepsOutOfRangeComponents) {
  Canvas canvas(1, 1);
  Graphics* g = canvas.graphics;
  TraceCapture trace;
  g->setColor(0x12345678);
  EXPECT_EQ(g->colour, 0xFF345678u);
  EXPECT_EQ(g->getRedComponent(), 0x34);
  EXPECT_EQ(g->getGreenComponent(), 0x56);
  EXPECT_EQ(g->getBlueComponent(), 0x78);
  EXPECT_TRUE(trace.lines().empty());

  struct Case {
    int32_t r, g, b;
    const char* line;  // null: no trace
    uint32_t colour;
  };
  const Case cases[] = {
      {1, 2, 3, nullptr, 0xFF010203u},
      {256, 0, 0, "setColor r", 0xFF000000u | (256u << 16)},
      {0, -1, 0, "setColor g", 0xFFFFFF00u},
      {0, 0, 300, "setColor b", 0xFF00012Cu},
  };
  for (const Case& c : cases) {
    trace.clear();
    g->setColor(c.r, c.g, c.b);
    EXPECT_EQ(g->colour, c.colour) << c.r << "," << c.g << "," << c.b;
    if (c.line) {
      EXPECT_TRUE(trace.contains(c.line));
    } else {
      EXPECT_TRUE(trace.lines().empty());
    }
  }
}

TEST_F(GraphicsStateTest, ClipArithmetic) {
  struct Case {
    const char* name;
    int32_t tx, ty;  // translation before the clip calls
    ClipBox set;     // setClip arguments
    bool intersect;  // then clipRect(with)
    ClipBox with;
    ClipBox expected;  // the getters
  };
  const Case cases[] = {
      {"negative origin is raised to 0", 0, 0, {-10, -10, 50, 50}, false, {}, {0, 0, 40, 40}},
      {"end is lowered to the target", 0, 0, {470, 790, 50, 50}, false, {}, {470, 790, 10, 10}},
      {"translation moves the clip", 5, 6, {0, 0, 10, 10}, false, {}, {0, 0, 10, 10}},
      {"translated clip past the origin", 5, 6, {-10, -10, 20, 20}, false, {}, {-5, -6, 15, 16}},
      {"huge sizes do not wrap", 10, 10, {0, 0, INT_MAX, INT_MAX}, false, {}, {0, 0, 470, 790}},
      {"clipRect intersects", 0, 0, {10, 10, 100, 100}, true, {50, 0, 100, 30}, {50, 10, 60, 20}},
      {"empty intersection", 0, 0, {10, 10, 10, 10}, true, {30, 30, 5, 5}, {30, 30, -10, -10}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas(480, 800);
    Graphics* g = canvas.graphics;
    g->translate(c.tx, c.ty);
    g->setClip(c.set.x, c.set.y, c.set.w, c.set.h);
    if (c.intersect) g->clipRect(c.with.x, c.with.y, c.with.w, c.with.h);
    EXPECT_EQ(ClipOf(g), c.expected);
  }
}

TEST_F(GraphicsStateTest, TranslationAddsUp) {
  Canvas canvas(4, 4);
  Graphics* g = canvas.graphics;
  g->translate(3, -2);
  g->translate(-1, 5);
  EXPECT_EQ(g->getTranslateX(), 2);
  EXPECT_EQ(g->getTranslateY(), 3);
  // The clip stays where it was; its getters answer relative to the new origin.
  EXPECT_EQ(ClipOf(g), (ClipBox{-2, -3, 4, 4}));
}

TEST_F(GraphicsStateTest, Rgb888ToRgb565KeepsTheTopBitsOfEachChannel) {
  EXPECT_EQ(Graphics::Rgb888ToRgb565(0xFFFFFF), 0xFFFF);
  EXPECT_EQ(Graphics::Rgb888ToRgb565(0xFF00FF), 0xF81F);
  EXPECT_EQ(Graphics::Rgb888ToRgb565(0x07030B), 0x0001);
  EXPECT_EQ(Graphics::Rgb888ToRgb565(0x080400), 0x0820);
}

}  // namespace
