// Lines: Cohen-Sutherland clipping against the clip rectangle, then Bresenham between the
// clipped end points, so a line never walks more pixels than the clip is long. drawLine and
// drawRect.
#include "platform/graphics_blit.h"
#include "platform/graphics_raster.h"

namespace {

constexpr int32_t kAbove = 1, kBelow = 2, kRight = 4, kLeft = 8;

// On the line from (a, c) to (aOther, cOther), the a where c reaches bound:
// a + (aOther - a)(bound - c) / (cOther - c), the product first and the division truncating.
// The product may need more than 64 bits; the result lies between a and aOther.
int64_t Crossing(int64_t a, int64_t aOther, int64_t c, int64_t cOther, int64_t bound) {
  const __int128 product = static_cast<__int128>(aOther - a) * (bound - c);
  return a + static_cast<int64_t>(product / (cOther - c));
}

// Moves p, whose outcode is code, onto the clip edge of the first of its bits.
void MoveToEdge(LinePoint* p, const LinePoint& other, int32_t code, int64_t w, int64_t h) {
  if (code & kAbove) {
    p->x = Crossing(p->x, other.x, p->y, other.y, 0);
    p->y = 0;
  } else if (code & kBelow) {
    p->x = Crossing(p->x, other.x, p->y, other.y, h);
    p->y = h - 1;
  } else if (code & kRight) {
    p->y = Crossing(p->y, other.y, p->x, other.x, w);
    p->x = w - 1;
  } else {
    p->y = Crossing(p->y, other.y, p->x, other.x, 0);
    p->x = 0;
  }
}

// Bresenham from `from` to `to`, both included: the major axis is the longer one (x on a
// tie), the error starts at 2 minor - major and the minor axis steps while it is >= 0.
template <class Plot>
void WalkLine(LinePoint from, LinePoint to, Plot plot) {
  const int64_t dx = to.x >= from.x ? to.x - from.x : from.x - to.x;
  const int64_t dy = to.y >= from.y ? to.y - from.y : from.y - to.y;
  const int64_t sx = to.x >= from.x ? 1 : -1;
  const int64_t sy = to.y >= from.y ? 1 : -1;
  const bool xMajor = dx >= dy;
  const int64_t major = xMajor ? dx : dy;
  const int64_t minor = xMajor ? dy : dx;
  int64_t error = 2 * minor - major;
  int64_t x = from.x, y = from.y;
  for (int64_t i = 0; i <= major; i++) {
    plot(x, y);
    if (error >= 0) {
      if (xMajor) {
        y += sy;
      } else {
        x += sx;
      }
      error -= 2 * major;
    }
    error += 2 * minor;
    if (xMajor) {
      x += sx;
    } else {
      y += sy;
    }
  }
}

uint16_t& PixelAt(const DrawTarget& target, int64_t x, int64_t y) {
  return target.pixels[y * target.stride + x];
}

}  // namespace

int32_t ClipLineOutcode(const LinePoint& p, int64_t w, int64_t h) {
  int32_t code = 0;
  if (p.y < 0) code |= kAbove;
  if (p.y >= h) code |= kBelow;
  if (p.x >= w) code |= kRight;
  if (p.x < 0) code |= kLeft;
  return code;
}

bool ClipLine(LinePoint* p0, LinePoint* p1, int64_t w, int64_t h) {
  if (w < 1 || h < 1) return false;
  int32_t code0 = ClipLineOutcode(*p0, w, h);
  int32_t code1 = ClipLineOutcode(*p1, w, h);
  // Each move fixes one axis of one end point for good, so four moves always settle it; the
  // bound only makes that visible.
  for (int32_t moves = 0; moves <= 8; moves++) {
    if ((code0 | code1) == 0) return true;
    if (code0 & code1) return false;
    if (code0 != 0) {
      MoveToEdge(p0, *p1, code0, w, h);
      code0 = ClipLineOutcode(*p0, w, h);
    } else {
      MoveToEdge(p1, *p0, code1, w, h);
      code1 = ClipLineOutcode(*p1, w, h);
    }
  }
  return false;
}

void DrawLine16(const DrawTarget& target, LinePoint from, LinePoint to, uint16_t colour) {
  WalkLine(from, to, [&](int64_t x, int64_t y) { PixelAt(target, x, y) = colour; });
}

void DrawLineBlend16(const DrawTarget& target, LinePoint from, LinePoint to, uint32_t argb) {
  WalkLine(from, to, [&](int64_t x, int64_t y) {
    uint16_t& pixel = PixelAt(target, x, y);
    pixel = BlendArgb8888(pixel, argb);
  });
}

void DrawClippedLine(const DrawTarget& target, LinePoint from, LinePoint to) {
  // Clipping works relative to the clip's top-left corner.
  const LinePoint origin{target.clipX1, target.clipY1};
  LinePoint p0{from.x - origin.x, from.y - origin.y};
  LinePoint p1{to.x - origin.x, to.y - origin.y};
  if (!ClipLine(&p0, &p1, target.clipX2 - target.clipX1, target.clipY2 - target.clipY1)) return;
  p0 = {p0.x + origin.x, p0.y + origin.y};
  p1 = {p1.x + origin.x, p1.y + origin.y};
  if ((target.colour >> 24) == 0xFF) {
    DrawLine16(target, p0, p1, javax_microedition_lcdui_Graphics::Rgb888ToRgb565(target.colour));
  } else {
    DrawLineBlend16(target, p0, p1, target.colour);
  }
}

void javax_microedition_lcdui_Graphics::drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  DrawTarget target;
  if (!AcquireDrawTarget(this, "drawLine", &target)) return;
  const int64_t tx = target.translateX, ty = target.translateY;
  DrawClippedLine(target, {x1 + tx, y1 + ty}, {x2 + tx, y2 + ty});
}

void javax_microedition_lcdui_Graphics::drawRect(int32_t x, int32_t y, int32_t w, int32_t h) {
  DrawTarget target;
  if (!AcquireDrawTarget(this, "drawRect", &target)) return;
  const int64_t left = int64_t{x} + target.translateX, top = int64_t{y} + target.translateY;
  const int64_t right = left + w, bottom = top + h;
  DrawClippedLine(target, {left, top}, {right, top});
  DrawClippedLine(target, {left, top}, {left, bottom});
  DrawClippedLine(target, {right, top}, {right, bottom});
  DrawClippedLine(target, {left, bottom}, {right, bottom});
}
