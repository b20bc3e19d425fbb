// Round rectangles (straight edges plus midpoint-circle corners) and filled triangles (spans
// between two edges stepped in 8.8 fixed point). Triangle rows outside the clip are skipped
// by advancing the edges by their slopes, so huge coordinates never walk billions of rows.
#include <algorithm>
#include <utility>

#include "javame/graphics.h"
#include "platform/graphics_raster.h"

namespace {

// The corner radius: max(arcWidth - 2, 0) / 2 (arcHeight is not used). Radii beyond
// kMaxCurveRadius are refused with a trace line naming the operation: -1.
int64_t CornerRadius(int32_t arcWidth, const char* refusal) {
  const int64_t r = std::max<int64_t>(int64_t{arcWidth} - 2, 0) / 2;
  if (r <= kMaxCurveRadius) return r;
  TraceArgument(refusal);
  return -1;
}

// Midpoint circle of radius r over the first octant, from (0, r) while px <= py: decision
// start 1 - r, increments 3 and 5 - 2r growing by 2, and by 2 and 4.
template <class Visit>
void WalkCircle(int64_t r, Visit visit) {
  int64_t px = 0, py = r, d = 1 - r, east = 3, southEast = 5 - 2 * r;
  while (px <= py) {
    visit(px, py);
    if (d < 0) {
      d += east;
      east += 2;
      southEast += 2;
    } else {
      d += southEast;
      east += 2;
      southEast += 4;
      py--;
    }
    px++;
  }
}

// Corner centres of a rounded rectangle whose right and bottom edges are at right, bottom.
struct Corners {
  int64_t left, top, right, bottom;
};

}  // namespace

// ---- Round rectangles -----------------------------------------------------------------------

void javax_microedition_lcdui_Graphics::drawRoundRect(int32_t x, int32_t y, int32_t w, int32_t h,
                                                      int32_t arcWidth, int32_t /*arcHeight*/) {
  DrawTarget target;
  if (!AcquireDrawTarget(this, "drawRoundRect", &target)) return;
  const int64_t r = CornerRadius(arcWidth, "drawRoundRect arcWidth");
  if (r < 0) return;
  const int64_t left = int64_t{x} + target.translateX, top = int64_t{y} + target.translateY;
  const int64_t right = left + w, bottom = top + h;
  DrawClippedLine(target, {left + r, top}, {right - r, top});
  DrawClippedLine(target, {left + r, bottom}, {right - r, bottom});
  DrawClippedLine(target, {left, top + r}, {left, bottom - r});
  DrawClippedLine(target, {right, top + r}, {right, bottom - r});
  const Corners c{left + r, top + r, right - r, bottom - r};
  auto plot = [&](int64_t a, int64_t b) {
    FillArea(target, c.right + a, c.top - b, 1, 1);
    FillArea(target, c.left - a, c.top - b, 1, 1);
    FillArea(target, c.left - a, c.bottom + b, 1, 1);
    FillArea(target, c.right + a, c.bottom + b, 1, 1);
  };
  WalkCircle(r, [&](int64_t px, int64_t py) {
    plot(px, py);
    plot(py, px);
  });
}

// Covers w x h pixels like fillRect: the band between the corner centres, then one span per
// circle point across the top and bottom rows of the corners.
void javax_microedition_lcdui_Graphics::fillRoundRect(int32_t x, int32_t y, int32_t w, int32_t h,
                                                      int32_t arcWidth, int32_t /*arcHeight*/) {
  DrawTarget target;
  if (!AcquireDrawTarget(this, "fillRoundRect", &target)) return;
  const int64_t r = CornerRadius(arcWidth, "fillRoundRect arcWidth");
  if (r < 0) return;
  const int64_t left = int64_t{x} + target.translateX, top = int64_t{y} + target.translateY;
  const Corners c{left + r, top + r, left + w - 1 - r, top + h - 1 - r};
  FillArea(target, left, c.top, w, c.bottom - c.top + 1);
  auto span = [&](int64_t a, int64_t b) {
    const int64_t width = c.right - c.left + 2 * a + 1;
    FillArea(target, c.left - a, c.top - b, width, 1);
    FillArea(target, c.left - a, c.bottom + b, width, 1);
  };
  WalkCircle(r, [&](int64_t px, int64_t py) {
    span(px, py);
    span(py, px);
  });
}

// ---- Triangles ------------------------------------------------------------------------------

namespace {

struct Vertex {
  int64_t x, y;
};

// ((to.x - from.x) << 8) / (to.y - from.y), truncating; 0 for a flat edge.
int64_t Slope(const Vertex& from, const Vertex& to) {
  const int64_t dy = to.y - from.y;
  return dy == 0 ? 0 : (to.x - from.x) * 256 / dy;
}

// Fills rows [first, end) of one part of the triangle, whose edges are at left and right
// (8.8) on row `start` and move by leftStep and rightStep per row; rows outside the clip are
// stepped over in one multiplication.
void FillPart(const DrawTarget& target, int64_t start, int64_t end, int64_t left, int64_t right,
              int64_t leftStep, int64_t rightStep) {
  const int64_t first = std::max<int64_t>(start, target.clipY1);
  const int64_t last = std::min<int64_t>(end, target.clipY2);
  // Stepping only over rows of this part keeps each product within the edge's own extent.
  if (first >= last) return;
  left += (first - start) * leftStep;
  right += (first - start) * rightStep;
  for (int64_t y = first; y < last; y++) {
    FillArea(target, left >> 8, y, (right >> 8) - (left >> 8), 1);
    left += leftStep;
    right += rightStep;
  }
}

}  // namespace

void javax_microedition_lcdui_Graphics::fillTriangle(int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                                                     int32_t x3, int32_t y3) {
  DrawTarget target;
  if (!AcquireDrawTarget(this, "fillTriangle", &target)) return;
  const int64_t tx = target.translateX, ty = target.translateY;
  Vertex v[3] = {{x1 + tx, y1 + ty}, {x2 + tx, y2 + ty}, {x3 + tx, y3 + ty}};
  for (int pass = 0; pass < 2; pass++) {
    if (v[0].y > v[1].y) std::swap(v[0], v[1]);
    if (v[1].y > v[2].y) std::swap(v[1], v[2]);
  }
  const int64_t s12 = Slope(v[0], v[1]), s13 = Slope(v[0], v[2]), s23 = Slope(v[1], v[2]);
  int64_t left = v[0].x * 256, right = left;
  if (v[0].y == v[1].y) {
    left = std::min(v[0].x, v[1].x) * 256;
    right = std::max(v[0].x, v[1].x) * 256;
  }
  // Upper part: rows y1 .. y2 - 1; the lower part goes on from where its edges reach row y2.
  const int64_t upperLeftStep = std::min(s12, s13), upperRightStep = std::max(s12, s13);
  FillPart(target, v[0].y, v[1].y, left, right, upperLeftStep, upperRightStep);
  const int64_t upperRows = v[1].y - v[0].y;
  left += upperRows * upperLeftStep;
  right += upperRows * upperRightStep;
  FillPart(target, v[1].y, v[2].y + 1, left, right, std::max(s23, s13), std::min(s23, s13));
}
