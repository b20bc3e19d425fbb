// What the scene screens share: the upward text scroll, the two overlay actor layers painted
// over the scene, the release of the screen's actors, and six background actors that fly
// across the upper screen on random paths, each waiting (negative elapsed time) before its
// next flight.
#include <utility>

#include "game/board/actor.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/graphics.h"
#include "javame/random.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/math_natives.h"

namespace {

constexpr int32_t kScrollSpeed = 40 << 8;  // px a second, 8.8
constexpr int32_t kBackgroundActors = 6;
constexpr int32_t kShortestFlight = 1000;  // ms
constexpr int32_t kFlightSpread = 2000;
constexpr int32_t kOffScreen = 50;  // px beyond either side where a flight starts and ends
constexpr int32_t kLoopingMode = 20;

// The next value of the shared generator, made not negative as Java's Math.abs makes it (the
// smallest int stays negative).
int32_t NextAbs() {
  java_util_Random* random = Statics<GameStatics>()->cGame_sharedRandom;
  return random ? java_lang_Math::abs(random->nextInt()) : 0;
}

// lo + |r| mod (hi - lo); lo without a draw when the range is empty.
int32_t RandomIn(int32_t lo, int32_t hi) {
  return hi == lo ? lo : lo + NextAbs() % (hi - lo);
}

cActor* BackgroundActor(int32_t i) {
  ObjectArray* actors = Statics<GameStatics>()->cGame_backgroundActors;
  return actors && i < actors->length ? CheckCast<cActor>(actors->elements()[i]) : nullptr;
}

void StartFlight(GameStatics* s, int32_t i) {
  const int32_t h = s->cGame_canvasHeight;
  s->cGame_backgroundDuration->elements()[i] = kShortestFlight + NextAbs() % kFlightSpread;
  s->cGame_backgroundEndY->elements()[i] = RandomIn(0, h / 4);
  s->cGame_backgroundStartY->elements()[i] = RandomIn(h / 4, h / 2);
  const bool reverse = NextAbs() % 2 == 0;
  s->cGame_backgroundReverse->elements()[i] = reverse ? 1 : 0;
  cActor* actor = BackgroundActor(i);
  cActor::setVisible(actor, true);
  cActor::setAnimation(actor, reverse ? 0 : 1, kLoopingMode, true);
}

// Where the flight has taken actor i after t of its d ms.
void Place(GameStatics* s, int32_t i, int32_t t) {
  const int32_t d = s->cGame_backgroundDuration->elements()[i];
  if (d == 0) return;
  int32_t from = -kOffScreen;
  int32_t to = s->cGame_canvasWidth + kOffScreen;
  if (s->cGame_backgroundReverse->elements()[i]) std::swap(from, to);
  const int32_t y0 = s->cGame_backgroundStartY->elements()[i];
  const int32_t y1 = s->cGame_backgroundEndY->elements()[i];
  cActor::setPosition(BackgroundActor(i), from + (to - from) * t / d, y0 + (y1 - y0) * t / d);
}

}  // namespace

// ---- Text scroll ----------------------------------------------------------------------------

void cGame::updateTextScroll() {
  GameStatics* s = Statics<GameStatics>();
  if (-s->cGame_scrollTextHeight > (s->cGame_textScrollY + 128) >> 8) {
    s->cGame_textScrollY = s->cGame_canvasHeight << 8;
  }
  s->cGame_textScrollY -= kScrollSpeed * s->cGame_frameTime / 1000;
}

// ---- Overlay layers -------------------------------------------------------------------------

void cGame::paintOverlayLayers(bool toBackBuffer) {
  GameStatics* s = Statics<GameStatics>();
  if (toBackBuffer) {
    s->cGame_drawGraphics =
        s->cGame_backBufferGraphics ? s->cGame_backBufferGraphics : s->cGame_frameGraphics;
  }
  if (javax_microedition_lcdui_Graphics* g = s->cGame_drawGraphics) {
    g->setClip(0, 0, kCanvasWidth, kCanvasHeight);
  }
  cActor::paintLayer(4);
  cActor::paintLayer(1);
  if (toBackBuffer) s->cGame_drawGraphics = s->cGame_frameGraphics;
}

// ---- Releasing the screen's actors ----------------------------------------------------------

void cGame::releaseActorArray() {
  GameStatics* s = Statics<GameStatics>();
  if (ObjectArray* actors = s->cGame_sceneActors) {
    for (int32_t i = 0; i < actors->length; i++) {
      cActor::release(CheckCast<cActor>(actors->elements()[i]));
    }
  }
  s->cGame_sceneActors = nullptr;
}

void cGame::releaseEffectArray() {
  GameStatics* s = Statics<GameStatics>();
  for (int32_t i = 0; i < kBackgroundActors; i++) cActor::release(BackgroundActor(i));
  s->cGame_backgroundActors = nullptr;
  s->cGame_backgroundElapsed = nullptr;
  s->cGame_backgroundDuration = nullptr;
  s->cGame_backgroundStartY = nullptr;
  s->cGame_backgroundEndY = nullptr;
  s->cGame_backgroundReverse = nullptr;
}

// ---- Background actors ----------------------------------------------------------------------

void cGame::updateBackgroundActors() {
  GameStatics* s = Statics<GameStatics>();
  IntArray* elapsed = s->cGame_backgroundElapsed;
  if (!s->cGame_backgroundActors || !elapsed || !s->cGame_backgroundDuration ||
      !s->cGame_backgroundStartY || !s->cGame_backgroundEndY || !s->cGame_backgroundReverse) {
    return;
  }
  const int32_t dt = s->cGame_frameTime;
  for (int32_t i = 0; i < kBackgroundActors && i < elapsed->length; i++) {
    const int32_t t = elapsed->elements()[i] + dt;
    elapsed->elements()[i] = t;
    if (t < 0) continue;
    if (t - dt < 0) StartFlight(s, i);
    Place(s, i, t);
    if (t > s->cGame_backgroundDuration->elements()[i]) {
      cActor::setVisible(BackgroundActor(i), false);
      elapsed->elements()[i] = -1;
    }
  }
}
