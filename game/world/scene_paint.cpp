// The in-game scene in its fixed order: background actors, the track and the light beams,
// ropes, bubbles, the main actor layer, particles, the HUD, an optional fill and last the
// results overlay. A paint into the back buffer leaves a frozen copy that the late phases
// show in place of the live scene. Also the rope and chain painters, the particle painters of
// the boss and the targets, the play-area bands and the lesson's hint line.
#include "engine/sprite.h"
#include "game/board/actor.h"
#include "game/board/actor_support.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/graphics.h"
#include "javame/image.h"
#include "runtime/array.h"
#include "runtime/java_arith.h"

using actor_support::SpriteInSlot;
using Graphics = javax_microedition_lcdui_Graphics;

namespace {

constexpr int32_t kBubbleSlot = 25, kChainSlot = 26;
constexpr int32_t kLatePhase = 18;  // from here a direct paint shows the frozen copy
constexpr int32_t kAimBoss = 1, kRingBoss = 3;
constexpr int32_t kChainLink = 3, kChainBar = 2, kChainTop = 0, kChainEnd = 4;
constexpr int32_t kRowClipHeight = 480;  // the row's clip height, the screen width's number
constexpr int32_t kMarkerFrame = 62;
constexpr int32_t kHintTextBase = 425, kHintFont = 3;

GameStatics* S() {
  return Statics<GameStatics>();
}

Graphics* G() {
  return S()->cGame_currentGraphics();
}

void ClipToScreen() {
  if (Graphics* g = G()) g->setClip(0, 0, S()->cGame_screenWidth(), S()->cGame_screenHeight());
}

int32_t PixelX(const cGame_CBubbleBunch* b) {
  return b->centreX >> 16;
}
int32_t PixelY(const cGame_CBubbleBunch* b) {
  return b->centreY >> 16;
}

// A two-pixel rope: the line, and beside it one pixel right in the shade.
void Rope(Graphics* g, int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint32_t light,
          uint32_t dark) {
  g->setColor(static_cast<int32_t>(light));
  g->drawLine(x0, y0, x1, y1);
  g->setColor(static_cast<int32_t>(dark));
  g->drawLine(x0 + 1, y0, x1 + 1, y1);
}

int32_t ChainFrameHeight(ASprite* chain, int32_t f) {
  return chain ? chain->getFrameHeight(f) : 0;
}

}  // namespace

// ---- The scene -------------------------------------------------------------------------------

void cGame::paintScene() {
  paintScene(false, false, 0);
}

void cGame::paintScene(bool toBackBuffer, bool dim, int32_t colour) {
  GameStatics* s = S();
  ClipToScreen();
  if (toBackBuffer) {
    Graphics* back = s->cGame_backBufferGraphics;
    javax_microedition_lcdui_Image* image = s->cGame_backBufferImage();
    if (back && image) {
      back->setColor(0);
      back->fillRect(0, 0, image->getWidth(), image->getHeight());
    }
    s->cGame_currentGraphics() = back ? back : static_cast<Graphics*>(s->cGame_frameGraphics);
  }
  if (s->cGame_playPhase >= kLatePhase && !toBackBuffer) {
    if (Graphics* g = G(); g && s->cGame_backBufferImage()) {
      g->drawImage(s->cGame_backBufferImage(), 0, 0, 0);
    }
    paintResultsOverlay();
    return;
  }
  cActor::paintLayer(4);
  paintLevelType7Track();
  paintLightBeams();
  paintBunchRopes(5);
  cActor::paintLayer(5);
  paintBubbleField();
  if (s->cGame_bossKind == kAimBoss) paintAimLine();
  paintBunchRopes(1);
  cActor::paintLayer(1);
  if (s->cGame_bossKind == kRingBoss) paintBossEmitters();
  paintTargetEmitters();
  paintWaveText();
  ClipToScreen();
  cActor::paintLayer(3);
  paintHud();
  if (dim) {
    if (Graphics* g = G()) {
      g->setColor(colour);
      g->fillRect(0, 0, s->cGame_screenWidth(), s->cGame_screenHeight());
    }
  }
  if (toBackBuffer) s->cGame_currentGraphics() = s->cGame_frameGraphics;
  paintResultsOverlay();
}

// ---- Ropes and chains ------------------------------------------------------------------------

void cGame::paintBunchRopes(int32_t pass) {
  GameStatics* s = S();
  Graphics* g = G();
  if (!g) return;
  g->setColor(0);
  auto live = [](int32_t i) {
    cGame_CBubbleBunch* b = getBunch(i);
    return b && b->inUse ? b : nullptr;
  };
  if (pass == 1) {
    for (int32_t i = 0; i + 1 < 10; i++) {
      cGame_CBubbleBunch* b = live(i);
      cGame_CBubbleBunch* next = live(i + 1);
      if (!b || b->type != 14 || !next) continue;
      g->setColor(0);
      g->drawLine(PixelX(b), PixelY(b), PixelX(next), PixelY(next));
    }
  }
  ASprite* bubbles = s->cGame_bubbleSprite ? static_cast<ASprite*>(s->cGame_bubbleSprite)
                                           : SpriteInSlot(kBubbleSlot);
  ASprite* chain = SpriteInSlot(kChainSlot);
  const int32_t top = s->cGame_playTop;
  for (int32_t i = 0; i < 10; i++) {
    cGame_CBubbleBunch* b = live(i);
    if (!b) continue;
    const int32_t x = PixelX(b), y = PixelY(b);
    const int32_t ax = b->anchor ? cActor::getX(b->anchor) : x;
    if (pass == 5) {
      if (b->type == 9) Rope(g, ax, top, x, y, 0xff8800, 0xaa5500);
      if (b->type == 11 && b->stretch >= 0) Rope(g, ax, top, x, y, 0x00aa00, 0x007700);
      if (b->type == 11 && b->stretch < 0) {
        const int32_t cx = (x + ax) / 2 - b->stretch, cy = (top + y) / 2;
        drawBezier(ax, top, cx, cy, x, y, 5, true, 0x00aa00, 0x007700);
      }
      if (b->type == 5 && b->ropeLength >= 0 && bubbles) {
        bubbles->paintFrame(g, b->ropeLength, x, y, 0, 0, 0);
      }
      continue;
    }
    if (pass != 1) continue;
    if (b->type == 1 && chain) {
      IntArray* r = s->cGame_rectScratch;
      if (!r || r->length < 4) r = s->cGame_rectScratch = NewIntArray(4);
      chain->getFrameRect(kChainTop, 0, r, 0);
      const int32_t ry = r->elements()[1] + top, rh = r->elements()[3];
      const int32_t h = ChainFrameHeight(chain, kChainEnd);
      paintChainColumn(chain, kChainLink, x, ry + rh, y - h - 18, y);
      // One row per pair, from the lower index, to a partner in use.
      cGame_CBubbleBunch* p = b->partner >= 0 && b->partner < 10 ? live(b->partner) : nullptr;
      if (p && i < b->partner) paintChainRow(chain, kChainBar, x, ry, PixelX(p), PixelY(p));
    }
    if (b->type == 6 && chain) {
      paintChainColumn(chain, kChainLink, x, 0, y - ChainFrameHeight(chain, kChainEnd) - 18, 0);
    }
    if (b->type == 14 && bubbles) bubbles->paintFrame(g, kMarkerFrame, x, y, 0, 0, 0);
  }
}

// Tiles stand at fixed places modulo the frame's height that move with phase; a frame less
// than a pixel high paints nothing.
void cGame::paintChainColumn(ASprite* sprite, int32_t frame, int32_t x, int32_t yTop,
                             int32_t yBottom, int32_t phase) {
  Graphics* g = G();
  if (!g || !sprite) return;
  const int32_t step = sprite->getFrameHeight(frame);
  if (step < 1) return;
  g->setClip(0, yTop, S()->cGame_screenWidth(), yBottom - yTop + 1);
  int32_t y = (yTop + phase) % step;
  if (y > yTop) y -= step;
  for (; y <= yBottom; y += step) sprite->paintFrame(g, frame, x, y, 0, 0, 0);
  ClipToScreen();
}

void cGame::paintChainRow(ASprite* sprite, int32_t frame, int32_t xStart, int32_t y, int32_t xEnd,
                          int32_t phase) {
  Graphics* g = G();
  if (!g || !sprite) return;
  const int32_t step = sprite->getFrameWidth(frame);
  if (step < 1) return;
  g->setClip(xStart, 0, xEnd - xStart + 1, kRowClipHeight);
  int32_t x = (xStart + phase) % step;
  if (x > xStart) x -= step;
  for (; x <= xEnd; x += step) sprite->paintFrame(g, frame, x, y, 0, 0, 0);
  ClipToScreen();
}

// ---- Particles -------------------------------------------------------------------------------

void cGame::paintBossEmitters() {
  GameStatics* s = S();
  if (IntArray* points = s->cGame_weakPointEmitters) {
    for (int32_t i = 0; i < 6 && i < points->length; i++) {
      if (points->elements()[i] != -1) paintParticleEmitter(points->elements()[i], 0);
    }
  }
  if (s->cGame_feeder != -1) paintParticleEmitter(s->cGame_feeder, 0);
}

void cGame::paintRingBossEmitters() {
  if (S()->cGame_bossKind == kRingBoss) paintBossEmitters();
}

void cGame::paintTargetEmitters() {
  GameStatics* s = S();
  IntArray* emitters = s->cGame_targetEmitters;
  if (!emitters) return;
  for (int32_t i = 0; i < s->cGame_targetCount && i < emitters->length; i++) {
    if (emitters->elements()[i] >= 0) paintParticleEmitter(emitters->elements()[i], 0);
  }
}

// ---- Play-area bands and the lesson's hint ---------------------------------------------------

// The products are taken in 64 bits: a top panel under 31 px would wrap bandY75 negative.
void cGame::computePlayBands() {
  GameStatics* s = S();
  s->cGame_bandTop = s->cGame_playTop + 37;
  const int64_t height = s->cGame_screenHeight() - s->cGame_bandTop - 136;
  s->cGame_bandY0 = s->cGame_bandTop << 16;
  auto band = [&](int64_t percent) {
    return s->cGame_bandY0 + static_cast<int32_t>(height * (percent << 16) / 100);
  };
  s->cGame_bandY25 = band(25);
  s->cGame_bandY50 = band(50);
  s->cGame_bandY75 = band(75);
  ASprite* chain = SpriteInSlot(kChainSlot);
  s->cGame_pairTopY = chain ? (chain->getFrameHeight(kChainTop) + chain->getFrameHeight(kChainEnd) +
                               s->cGame_playTop +
                               18) << 16
                            : 0;
}

// Without the step's line (a missing or short message table) the step moves on as when it
// has none.
void cGame::showNextCharacterLine() {
  GameStatics* s = S();
  const int32_t k = 2 * s->cGame_currentObjective + 1;
  IntArray* messages = s->cGame_lessonMessages;
  const int32_t h = messages && k >= 0 && k < messages->length ? messages->elements()[k] : -1;
  s->cGame_lessonPhase = 4;
  if (h < 0) return;
  openPopupText(kHintTextBase + h, kHintFont, IntArray::get(s->cGame_lessonMessageValues, k));
  s->cGame_popupOpen = true;
}
