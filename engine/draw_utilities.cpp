// cGame's drawing utilities: thin forwards to the Graphics that state painting uses
// (drawGraphics), a drawRGB clipped to the screen, and a two-colour gradient fill drawn as
// lines, its channels interpolated in 16.16 fixed point.
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/graphics.h"
#include "javame/image.h"
#include "runtime/exceptions.h"
#include "runtime/java_arith.h"
#include "runtime/static_class.h"

namespace {

constexpr uint32_t kOpaque = 0xFF000000u;

// drawGraphics after its null check.
javax_microedition_lcdui_Graphics* DrawGraphics() {
  javax_microedition_lcdui_Graphics* g = Statics<GameStatics>()->cGame_drawGraphics;
  return NullCheck(g) ? g : nullptr;
}

}  // namespace

// ---- Forwards to drawGraphics -------------------------------------------------------------

void cGame::setDrawGraphics(javax_microedition_lcdui_Graphics* g) {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_drawGraphics =
      g ? g : static_cast<javax_microedition_lcdui_Graphics*>(s->cGame_screenGraphics);
}

// The components are not masked: a component above 255 spills into the next one up.
void cGame::setColorRGB(int32_t r, int32_t g, int32_t b) {
  if (auto* graphics = DrawGraphics()) {
    graphics->setColor(static_cast<int32_t>(kOpaque) | JavaShl(r, 16) | JavaShl(g, 8) | b);
  }
}

void cGame::setClip(int32_t x, int32_t y, int32_t w, int32_t h) {
  if (auto* graphics = DrawGraphics()) graphics->setClip(x, y, w, h);
}

void cGame::drawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  if (auto* graphics = DrawGraphics()) graphics->drawLine(x1, y1, x2, y2);
}

void cGame::drawRect(int32_t x, int32_t y, int32_t w, int32_t h) {
  if (auto* graphics = DrawGraphics()) graphics->drawRect(x, y, w, h);
}

javax_microedition_lcdui_Image* cGame::createRGBImage(IntArray* rgb, int32_t w, int32_t h,
                                                      bool alpha) {
  return javax_microedition_lcdui_Image::createRGBImage(rgb, w, h, alpha);
}

// ---- Clipped pixel arrays -----------------------------------------------------------------

// On the screen Graphics the rectangle is first cut to the W x H screen, moving the start
// in rgb with it; on any other Graphics the arguments pass unchanged.
void cGame::drawRGBClipped(javax_microedition_lcdui_Graphics* g, int32_t screenWidth,
                           int32_t screenHeight, IntArray* rgb, int32_t scanlength, int32_t offset,
                           int32_t row, int32_t x, int32_t y, int32_t w, int32_t h, bool alpha) {
  if (!NullCheck(g)) return;
  int32_t start = offset + scanlength * row;
  int32_t rows = h;
  if (g == Statics<GameStatics>()->cGame_screenGraphics) {
    if (x >= screenWidth || x + w < 1 || y >= screenHeight || y + h < 1) return;
    if (x < 1) {
      start -= x;
      w += x;
      x = 0;
    }
    if (w > screenWidth - x) w = screenWidth - x;
    rows = y + h < screenHeight ? h : screenHeight - y;
    if (y < 1) {
      rows += y;
      start -= scanlength * y;
      y = 0;
    }
  }
  g->drawRGB(rgb, start, scanlength, x, y, w, rows, alpha);
}

// ---- Gradient fill ------------------------------------------------------------------------

namespace {

// One colour channel in 16.16: it starts at colour1's and moves by a fixed step per line.
struct Channel {
  Channel(uint32_t colour1, uint32_t colour2, int32_t shift, int32_t lines)
      : value(static_cast<int32_t>(colour1 >> shift & 0xFF) << 16),
        step(JavaDiv((static_cast<int32_t>(colour2 >> shift & 0xFF) -
                      static_cast<int32_t>(colour1 >> shift & 0xFF))
                         << 16,
                     lines)) {}
  int32_t whole() const { return value >> 16; }

  int32_t value;
  int32_t step;
};

}  // namespace

// Modes 4 and 8 draw w vertical lines (4 from the right edge leftwards, 8 from the left edge
// rightwards); modes 16 and 32 draw h horizontal lines (16 from the bottom up, 32 from the top
// down). Each line is one pixel longer than the rectangle, as drawLine includes both ends. The
// last line is one step short of colour2.
void cGame::fillGradientRect(int32_t x, int32_t y, int32_t w, int32_t h, int32_t colour1,
                             int32_t colour2, int32_t mode) {
  const bool vertical = mode == 4 || mode == 8;
  if (!vertical && mode != 16 && mode != 32) return;
  const int32_t lines = vertical ? w : h;
  if (lines <= 0) return;  // nothing to draw, and no step to divide by zero for
  auto* graphics = DrawGraphics();
  if (!graphics) return;
  const auto c1 = static_cast<uint32_t>(colour1), c2 = static_cast<uint32_t>(colour2);
  Channel red(c1, c2, 16, lines), green(c1, c2, 8, lines), blue(c1, c2, 0, lines);
  for (int32_t k = 0; k < lines; k++) {
    graphics->setColor(
        static_cast<int32_t>(kOpaque | red.whole() << 16 | green.whole() << 8 | blue.whole()));
    switch (mode) {
      case 4:
        graphics->drawLine(x + w - 1 - k, y, x + w - 1 - k, y + h);
        break;
      case 8:
        graphics->drawLine(x + k, y, x + k, y + h);
        break;
      case 16:
        graphics->drawLine(x, y + h - 1 - k, x + w, y + h - 1 - k);
        break;
      default:
        graphics->drawLine(x, y + k, x + w, y + k);
        break;
    }
    red.value += red.step;
    green.value += green.step;
    blue.value += blue.step;
  }
}
