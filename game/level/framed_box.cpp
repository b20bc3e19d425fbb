// Framed boxes and the level-type-7 track. A box is four corner frames and four long edge
// frames of slot 12, each edge painted once from one end and cut to the box's length by a
// clip taken from the edge's rectangle 0; the caller's clip is restored after each. The track
// paints the type-7 rows of bunch templates coming down a pseudo-perspective slope, growing
// from half to full size.
#include <cstdint>

#include "engine/sprite.h"
#include "game/board/actor_support.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/graphics.h"
#include "runtime/array.h"

using actor_support::SpriteInSlot;
using Graphics = javax_microedition_lcdui_Graphics;

namespace {

constexpr int32_t kBoxSlot = 12, kTrackSlot = 40;
// Frames of slot 12; the bottom pieces differ by style (1: the second set).
constexpr int32_t kTopLeft = 0, kTopRight = 1, kTopEdge = 4, kRightEdge = 5, kLeftEdge = 6;
constexpr int32_t kBottomEdge[2] = {7, 10}, kBottomLeft[2] = {2, 8}, kBottomRight[2] = {3, 9};
constexpr uint32_t kDimColour = 0x77000000;  // drawn opaque: setColor forces the alpha
constexpr int32_t kDimGrowX = 20, kDimGrowY = 16;
constexpr int32_t kTrackType = 7, kEmptyCell = 39, kSecondLookFlag = 0x100, kSecondLookFrames = 4;
constexpr int32_t kOne = 256, kHalf = 128, kQuarterTurn = 64;

struct Clip {
  int32_t x, y, w, h;
};

Clip SaveClip(Graphics* g) {
  return {g->getClipX(), g->getClipY(), g->getClipWidth(), g->getClipHeight()};
}

void RestoreClip(Graphics* g, const Clip& c) {
  g->setClip(c.x, c.y, c.w, c.h);
}

// Rectangle 0 of frame f of the box sprite as {x, y, w, h}.
void EdgeRect(ASprite* box, int32_t f, int32_t r[4]) {
  GameStatics* s = Statics<GameStatics>();
  if (!s->cGame_rectScratch || s->cGame_rectScratch->length < 4) {
    s->cGame_rectScratch = NewIntArray(4);
  }
  IntArray* out = s->cGame_rectScratch;
  box->getFrameRect(f, 0, out, 0);
  for (int32_t i = 0; i < 4; i++) r[i] = out->elements()[i];
}

// Template t's value at cell k (a byte or an int row); 0 outside the table.
int32_t TemplateValue(ObjectArray* table, int32_t t, int32_t k) {
  if (!table || t < 0 || t >= table->length || !table->elements()[t]) return 0;
  Array* cells = Array::ofObject(table->elements()[t]);
  if (!cells || k < 0 || k >= cells->length) return 0;
  if (cells->classId == cid::ByteArray) return ByteArray::get(static_cast<ByteArray*>(cells), k);
  return IntArray::get(static_cast<IntArray*>(cells), k);
}

}  // namespace

// ---- Framed boxes ----------------------------------------------------------------------------

// The edges are single long frames, so a box is as large as the edges' artwork at most; a box
// narrower than an edge's rectangle offset gets an empty clip there and keeps its corners.
void cGame::paintFramedBox(int32_t x, int32_t y, int32_t w, int32_t h, int32_t style) {
  Graphics* g = Statics<GameStatics>()->cGame_currentGraphics();
  ASprite* box = SpriteInSlot(kBoxSlot);
  if (!g || !box) return;
  const int32_t set = style == 1 ? 1 : 0;
  const Clip saved = SaveClip(g);
  int32_t r[4];
  EdgeRect(box, kTopEdge, r);
  g->clipRect(x + r[0], y + r[1], w - r[0], r[3]);
  box->paintFrame(g, kTopEdge, x, y, 0, 0, 0);
  RestoreClip(g, saved);
  EdgeRect(box, kRightEdge, r);
  g->clipRect(x + w + r[0], y + r[1], r[2], h - r[1]);
  box->paintFrame(g, kRightEdge, x + w, y, 0, 0, 0);
  RestoreClip(g, saved);
  EdgeRect(box, kLeftEdge, r);
  g->clipRect(x + r[0], y, r[2], h);
  box->paintFrame(g, kLeftEdge, x, y + h, 0, 0, 0);
  RestoreClip(g, saved);
  EdgeRect(box, kBottomEdge[set], r);
  g->clipRect(x, y + h + r[1], w, r[3]);
  box->paintFrame(g, kBottomEdge[set], x + w, y + h, 0, 0, 0);
  RestoreClip(g, saved);
  box->paintFrame(g, kTopLeft, x, y, 0, 0, 0);
  box->paintFrame(g, kTopRight, x + w, y, 0, 0, 0);
  box->paintFrame(g, kBottomLeft[set], x, y + h, 0, 0, 0);
  box->paintFrame(g, kBottomRight[set], x + w, y + h, 0, 0, 0);
}

void cGame::paintDimmedFramedBox(int32_t x, int32_t y, int32_t w, int32_t h) {
  const int32_t bx = x - kDimGrowX, by = y - kDimGrowY;
  const int32_t bw = w + 2 * kDimGrowX, bh = h + 2 * kDimGrowY;
  if (Graphics* g = Statics<GameStatics>()->cGame_currentGraphics()) {
    g->setColor(static_cast<int32_t>(kDimColour));
    g->fillRect(bx, by, bw, bh);
  }
  paintFramedBox(bx, by, bw, bh, 1);
}

// ---- The level-type-7 track ------------------------------------------------------------------

// Newest row first, so the older, nearer rows cover the newer ones. A row's age eases its y
// from 0 to a fifth of the screen height and its scale from half to full size over
// rowFirstTime ms. Without a positive rowFirstTime no row is painted (the divisions would be
// by zero); a row whose scale divisor is not positive is skipped; the size step stays in 0..3
// (a row past full size would pick the other look's frames).
void cGame::paintLevelType7Track() {
  GameStatics* s = Statics<GameStatics>();
  Graphics* g = s->cGame_currentGraphics();
  ASprite* track = SpriteInSlot(kTrackSlot);
  if (s->cGame_levelType != kTrackType || !g || !track || s->cGame_rowFirstTime < 1) return;
  const int32_t firstTime = s->cGame_rowFirstTime;
  IntArray* templates = s->cGame_rowTemplate;
  IntArray* sizes = s->cGame_bunchTemplateSize;
  for (int32_t r = s->cGame_rowLastVisible; r >= s->cGame_rowFirstVisible; r--) {
    if (r >= s->cGame_rowCount || r < 0 || !templates || r >= templates->length) continue;
    const int32_t age = s->cGame_rowElapsed - s->cGame_rowInterval * r;
    const int32_t q = 64 * age / firstTime;
    const int32_t rowY =
        (cGame::fixCos(kQuarterTurn - q) * (s->cGame_screenHeight() * 20 / 100) + kHalf) >> 8;
    const int32_t d = ((firstTime - age) << 8) / firstTime;
    if (d + kOne < 1) continue;
    const int32_t scale =
        static_cast<int32_t>(((int64_t{kOne} << 9) / (int64_t{d} + kOne) + 1) >> 1);
    int32_t step = (6 * (16 - 128 + scale) + kHalf) >> 8;
    step = step < 0 ? 0 : step > 3 ? 3 : step;
    const int32_t t = templates->elements()[r];
    const int32_t n = sizes && t >= 0 && t < sizes->length ? sizes->elements()[t] : 0;
    for (int32_t k = 0; k < n; k++) {
      if (TemplateValue(s->cGame_bunchTemplateKind, t, k) == kEmptyCell) continue;
      const int32_t col = TemplateValue(s->cGame_bunchTemplateCol, t, k);
      const int32_t row = TemplateValue(s->cGame_bunchTemplateRow, t, k);
      const int32_t dx = (col * 37 + row * 19) * scale;
      const int32_t dy = row * scale * -33;
      const bool second = (TemplateValue(s->cGame_bunchTemplateFlags, t, k) & kSecondLookFlag) != 0;
      const int32_t frame = (second ? kSecondLookFrames : 0) + step;
      track->paintFrame(g, frame, s->cGame_screenWidth() / 2 + ((dx + kHalf) >> 8),
                        rowY + ((dy + kHalf) >> 8), 0, 0, 0);
    }
  }
}
