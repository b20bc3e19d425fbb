// cGame's shapes on drawGraphics: arrow heads of lines, quadratic Bezier curves as line
// segments, and triangles filled with translucent spans of the span colour row. A triangle
// touches only rows and columns inside the clip, so far-off vertices cost nothing.
#include <algorithm>
#include <cstdint>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/graphics.h"
#include "javame/image.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"

namespace {

using Graphics = javax_microedition_lcdui_Graphics;
using Image = javax_microedition_lcdui_Image;

constexpr int32_t kFixOne = 256;
constexpr int32_t kSpanRow = 256;  // colours in the span colour row

Graphics* Target() {
  return Statics<GameStatics>()->cGame_drawGraphics;
}

// An edge from its top vertex: its x in 8.8 at row y is x + (y - top) * slope, the same as
// stepping the slope row by row.
struct Edge {
  int64_t x;  // 8.8, at row top
  int64_t top;
  int64_t slope;  // 8.8 per row

  int64_t at(int64_t y) const { return x + (y - top) * slope; }
};

// (dx << 8) / dy rounded to the nearest, in 64 bits; dy > 0.
int64_t Slope(int64_t dx, int64_t dy) {
  const int64_t scaled = dx * kFixOne;
  return (scaled + (scaled < 0 ? -dy / 2 : dy / 2)) / dy;
}

// One row of the span from x to x2 (either way round), cut to the clip's columns, in pieces
// of the span row's length.
void DrawSpan(Graphics* g, IntArray* row, int64_t x, int64_t x2, int32_t y, int32_t clipLeft,
              int32_t clipRight) {
  int64_t from = std::max<int64_t>(std::min(x, x2), clipLeft);
  const int64_t to = std::min<int64_t>(std::max(x, x2), clipRight);
  while (from < to) {
    const int32_t w = static_cast<int32_t>(std::min<int64_t>(to - from, kSpanRow));
    g->drawRGB(row, 0, kSpanRow, static_cast<int32_t>(from), y, w, 1, true);
    from += w;
  }
}

// Rows first .. last - 1 between edges a and b, only those inside the clip.
void FillRows(Graphics* g, IntArray* row, const Edge& a, const Edge& b, int64_t first,
              int64_t last) {
  const int64_t clipTop = g->getClipY(), clipBottom = clipTop + g->getClipHeight();
  const int32_t clipLeft = g->getClipX(), clipRight = clipLeft + g->getClipWidth();
  for (int64_t y = std::max(first, clipTop); y < std::min(last, clipBottom); y++) {
    DrawSpan(g, row, (a.at(y) + kFixOne / 2) >> 8, (b.at(y) + kFixOne / 2) >> 8,
             static_cast<int32_t>(y), clipLeft, clipRight);
  }
}

}  // namespace

// ---- Colour, clip and back buffer -----------------------------------------------------------

void cGame::setColor(int32_t rgb) {
  if (Graphics* g = Target(); NullCheck(g)) g->setColor(rgb);
}

void cGame::fillRectOnGraphics(javax_microedition_lcdui_Graphics* g, int32_t x, int32_t y,
                               int32_t w, int32_t h) {
  if (NullCheck(g)) g->fillRect(x, y, w, h);
}

void cGame::setClipToScreen() {
  GameStatics* s = Statics<GameStatics>();
  if (Graphics* g = Target(); NullCheck(g)) {
    g->setClip(0, s->cGame_playTop, s->cGame_canvasWidth, s->cGame_canvasHeight);
  }
}

void cGame::createBackBuffer(int32_t w, int32_t h) {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_backBuffer = Image::createImage(w, h);
  s->cGame_backBufferGraphics = s->cGame_backBuffer ? s->cGame_backBuffer->getGraphics() : nullptr;
}

// ---- Lines ----------------------------------------------------------------------------------

// Spans of 2 size + 1 pixels, one shorter at each end a row (or column), toward direction's
// side: 0 up, 1 down, 2 left, 3 right.
void cGame::fillArrow(int32_t x, int32_t y, int32_t direction, int32_t size) {
  Graphics* g = Target();
  if (!NullCheck(g) || direction < 0 || direction > 3) return;
  const int32_t step = direction == 0 || direction == 2 ? -1 : 1;
  for (int32_t half = size, at = 0; half >= 0; half--, at += step) {
    if (direction < 2) {
      g->drawLine(x - half, y + at, x + half, y + at);
    } else {
      g->drawLine(x + at, y - half, x + at, y + half);
    }
  }
}

void cGame::drawBezier(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                       int32_t n, bool doubled, int32_t colour1, int32_t colour2) {
  GameStatics* s = Statics<GameStatics>();
  Graphics* g = Target();
  if (!NullCheck(g)) return;
  int32_t px = x0, py = y0;
  for (int32_t i = 1; i <= n; i++) {
    bezierPoint(x0, y0, x1, y1, x2, y2, kFixOne * i / n);
    const int32_t x = s->cGame_bezierX, y = s->cGame_bezierY;
    g->setColor(colour1);
    g->drawLine(px, py, x, y);
    if (doubled) {
      g->setColor(colour2);
      g->drawLine(px + 1, py, x + 1, y);
    }
    px = x;
    py = y;
  }
}

// ---- Triangles ------------------------------------------------------------------------------

// The vertices sorted by y; rows from the top vertex to the middle one, then to the bottom,
// each a span between the long edge and the current short one. An edge of no height adds no
// rows.
void cGame::fillTriangle(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  Graphics* g = Target();
  IntArray* row = Statics<GameStatics>()->cGame_solidPalette;
  if (!NullCheck(g) || !NullCheck(row)) return;
  struct Vertex {
    int64_t x, y;
  } v[3] = {{x0, y0}, {x1, y1}, {x2, y2}};
  if (v[0].y > v[1].y) std::swap(v[0], v[1]);
  if (v[1].y > v[2].y) std::swap(v[1], v[2]);
  if (v[0].y > v[1].y) std::swap(v[0], v[1]);
  if (v[2].y == v[0].y) return;
  const Edge longEdge{v[0].x * kFixOne, v[0].y, Slope(v[2].x - v[0].x, v[2].y - v[0].y)};
  if (v[1].y > v[0].y) {
    const Edge upper{v[0].x * kFixOne, v[0].y, Slope(v[1].x - v[0].x, v[1].y - v[0].y)};
    FillRows(g, row, longEdge, upper, v[0].y, v[1].y);
  }
  if (v[2].y > v[1].y) {
    const Edge lower{v[1].x * kFixOne, v[1].y, Slope(v[2].x - v[1].x, v[2].y - v[1].y)};
    FillRows(g, row, longEdge, lower, v[1].y, v[2].y);
  }
}
