// drawArc and fillArc: a midpoint walk of the ellipse inscribed in (x, y, w, h), drawn in whole
// quadrants only. Decisions are kept exactly, in quarter units (the 16.16 values times 4 over
// 65536), which 64 bits hold for radii up to kMaxCurveRadius.
#include "javame/graphics.h"
#include "platform/graphics_raster.h"

namespace {

enum ArcMode { kOutline = 0, kFill = 1 };

// Quadrant bits: 1 upper right, 2 upper left, 4 lower left, 8 lower right.
constexpr int32_t kUpperRight = 1, kUpperLeft = 2, kLowerLeft = 4, kLowerRight = 8;

// An angle above 360 reduced into 1..360 by whole turns; other values are kept.
int64_t ReduceAngle(int64_t degrees) {
  return degrees > 360 ? (degrees - 1) % 360 + 1 : degrees;
}

// The quadrants wholly covered from start to start + arcAngle: the end's mask (quadrants
// ending before it) AND the start's mask (quadrants starting at or after it).
int32_t QuadrantMask(int32_t startAngle, int32_t arcAngle) {
  const int64_t start = ReduceAngle(startAngle);
  const int64_t end = ReduceAngle(start + arcAngle);
  int32_t endMask = 0;
  if (end >= 360) {
    endMask = 15;
  } else if (end >= 270) {
    endMask = 7;
  } else if (end >= 180) {
    endMask = 3;
  } else if (end >= 90) {
    endMask = 1;
  }
  const int32_t startMask =
      (start == 0 ? 1 : 0) | (start < 91 ? 2 : 0) | (start < 181 ? 4 : 0) | (start < 271 ? 8 : 0);
  return endMask & startMask;
}

struct Arc {
  const DrawTarget& target;
  int64_t cx, cy;  // centre, absolute
  int32_t quadrants;
  ArcMode mode;
};

// One walk point (dx, dy) in every drawn quadrant: a pixel for the outline, the span from the
// centre column to the point for the fill.
void ArcPlot(const Arc& arc, int64_t dx, int64_t dy) {
  const bool fill = arc.mode == kFill;
  const int64_t w = fill ? dx + 1 : 1;
  if (arc.quadrants & kUpperRight)
    FillArea(arc.target, fill ? arc.cx : arc.cx + dx, arc.cy - dy, w, 1);
  if (arc.quadrants & kUpperLeft) FillArea(arc.target, arc.cx - dx, arc.cy - dy, w, 1);
  if (arc.quadrants & kLowerLeft) FillArea(arc.target, arc.cx - dx, arc.cy + dy, w, 1);
  if (arc.quadrants & kLowerRight)
    FillArea(arc.target, fill ? arc.cx : arc.cx + dx, arc.cy + dy, w, 1);
}

// Midpoint ellipse with radii a and b from (0, b): region 1 while 2b²x < 2a²y, region 2 down
// to y = 0. d holds 4 x the decision, so its quarter fractions stay exact.
void WalkEllipse(const Arc& arc, int64_t a, int64_t b) {
  const int64_t a2 = a * a, b2 = b * b;
  int64_t x = 0, y = b;
  int64_t dx = 0, dy = 2 * a2 * y;
  int64_t d = 4 * b2 - 4 * a2 * b + a2;  // 4 (b² - a²b + a²/4)
  while (dx < dy) {
    ArcPlot(arc, x, y);
    x++;
    dx += 2 * b2;
    if (d < 0) {
      d += 4 * (dx + b2);
    } else {
      y--;
      dy -= 2 * a2;
      d += 4 * (dx - dy + b2);
    }
  }
  d = b2 * (2 * x + 1) * (2 * x + 1) + 4 * a2 * (y - 1) * (y - 1) - 4 * a2 * b2;
  while (y >= 0) {
    ArcPlot(arc, x, y);
    y--;
    dy -= 2 * a2;
    if (d > 0) {
      d += 4 * (a2 - dy);
    } else {
      x++;
      dx += 2 * b2;
      d += 4 * (dx - dy + a2);
    }
  }
}

// Radii w >> 1 and h >> 1 around the centre (x + a, y + b); a negative size draws nothing, a
// radius above kMaxCurveRadius is refused with the operation's trace.
void EllipseArc(javax_microedition_lcdui_Graphics* graphics, int32_t x, int32_t y, int32_t w,
                int32_t h, int32_t startAngle, int32_t arcAngle, ArcMode mode) {
  const char* operation = mode == kFill ? "fillArc" : "drawArc";
  DrawTarget target;
  if (!AcquireDrawTarget(graphics, operation, &target)) return;
  const int64_t a = w >> 1, b = h >> 1;
  if (a < 0 || b < 0) return;
  if (a > kMaxCurveRadius || b > kMaxCurveRadius) {
    TraceArgument(mode == kFill ? "fillArc radius" : "drawArc radius");
    return;
  }
  const int32_t quadrants = QuadrantMask(startAngle, arcAngle);
  if (quadrants == 0) return;
  const Arc arc{target, int64_t{x} + target.translateX + a, int64_t{y} + target.translateY + b,
                quadrants, mode};
  WalkEllipse(arc, a, b);
}

}  // namespace

void javax_microedition_lcdui_Graphics::drawArc(int32_t x, int32_t y, int32_t w, int32_t h,
                                                int32_t startAngle, int32_t arcAngle) {
  EllipseArc(this, x, y, w, h, startAngle, arcAngle, kOutline);
}

void javax_microedition_lcdui_Graphics::fillArc(int32_t x, int32_t y, int32_t w, int32_t h,
                                                int32_t startAngle, int32_t arcAngle) {
  EllipseArc(this, x, y, w, h, startAngle, arcAngle, kFill);
}
