// MQPixEffects: the effect mask and its parameters, the route of sprite module pixels through
// the effects (only effect 11, the scaling, draws; the other routed effects draw nothing), and
// the oscillator over the effect clock.
#include <utility>

#include "engine/pix_effects.h"
#include "engine/sprite.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/image.h"
#include "runtime/java_arith.h"

namespace {

constexpr int32_t kAlphaMode = 0;  // effect 11's parameters
constexpr int32_t kPercent = 1;
constexpr int32_t kAlpha = 2;
constexpr int32_t kDefaultScale[3] = {-1, 100, -1};

// The 8.8 angles of the cosine: one is 256, a quarter turn 64.
constexpr int32_t kFixOne = 256;
constexpr int32_t kFixQuarter = 64;

int32_t Bit(int32_t n) {
  return JavaShl(1, n);
}

// Effect 11's parameters {alpha mode, percent, alpha}, or null when there are none.
IntArray* ScaleParams() {
  ObjectArray* params = Statics<GameStatics>()->MQPixEffects_effectParams;
  if (!params || params->length <= MQPixEffects::kScale) return nullptr;
  Object* p = params->elements()[MQPixEffects::kScale];
  if (!p || p->classId != cid::IntArray || static_cast<IntArray*>(p)->length < 3) return nullptr;
  return static_cast<IntArray*>(p);
}

}  // namespace

// ---- The effect mask ------------------------------------------------------------------------

void MQPixEffects::setEffect(int32_t n, bool reset) {
  GameStatics* s = Statics<GameStatics>();
  const int32_t bit = Bit(n);
  s->MQPixEffects_effectMask |= bit;
  if (!s->cGame_effectsFullSupport && (bit & kFullSupportOnly)) {
    s->MQPixEffects_effectMask &= ~kFullSupportOnly;
  }
  if (bit & kFullScreen) s->MQPixEffects_fullScreenMask |= bit;
  if (reset) resetEffectParams(n);
}

void MQPixEffects::clearEffect(int32_t n, bool reset) {
  GameStatics* s = Statics<GameStatics>();
  const int32_t bit = Bit(n);
  s->MQPixEffects_effectMask &= ~bit;
  if (bit & kFullScreen) s->MQPixEffects_fullScreenMask &= ~bit;
  if (reset) resetEffectParams(n);
}

bool MQPixEffects::isEffectOn(int32_t n) {
  return (Statics<GameStatics>()->MQPixEffects_effectMask & Bit(n)) != 0;
}

void MQPixEffects::resetEffectParams(int32_t n) {
  if (n != kScale) return;
  ObjectArray* params = Statics<GameStatics>()->MQPixEffects_effectParams;
  if (!NullCheck(params) || params->length <= kScale) return;
  IntArray* values = ScaleParams();
  if (!values) {
    values = NewIntArray(3);
    if (!values) return;
    Statics<GameStatics>()->MQPixEffects_effectParams->elements()[kScale] = values;
  }
  for (int32_t i = 0; i < 3; i++) values->elements()[i] = kDefaultScale[i];
}

void MQPixEffects::setFullScreenMaskBit(int32_t n) {
  Statics<GameStatics>()->MQPixEffects_fullScreenMask |= Bit(n);
}

void MQPixEffects::clearFullScreenMaskBit(int32_t n) {
  Statics<GameStatics>()->MQPixEffects_fullScreenMask &= ~Bit(n);
}

bool MQPixEffects::isFullScreenEffectActive() {
  GameStatics* s = Statics<GameStatics>();
  return s->MQPixEffects_fullScreenMask != 0 || s->MQPixEffects_effectImageFlag != 0;
}

bool MQPixEffects::paintsWith(int32_t bits) {
  GameStatics* s = Statics<GameStatics>();
  return s->cGame_effectsEnabled && (s->MQPixEffects_effectMask & bits) != 0;
}

int32_t MQPixEffects::scalePercent() {
  IntArray* params = ScaleParams();
  return params ? params->elements()[kPercent] : kDefaultScale[kPercent];
}

bool MQPixEffects::useAlpha(bool partialAlpha, int32_t mode) {
  if (mode == 1) return false;
  if (mode == 2) return true;
  return partialAlpha;
}

// ---- Module pixels through the effects ------------------------------------------------------

IntArray* MQPixEffects::apply(javax_microedition_lcdui_Graphics* g, IntArray* pixels, int32_t x,
                              int32_t y, int32_t w, int32_t h, int32_t flags, bool alpha,
                              bool partialAlpha) {
  GameStatics* s = Statics<GameStatics>();
  const int32_t mask = s->MQPixEffects_effectMask;
  if (mask & kTransformsFirst) {
    if (flags & 4) std::swap(w, h);
    pixels = ASprite::transformRGB(pixels, w, h, flags);
  }
  s->MQPixEffects_effectOutputAlpha = alpha;
  s->MQPixEffects_effectOutputWidth = w;
  s->MQPixEffects_effectOutputHeight = h;
  if (!pixels || !(mask & kScaleBit)) return nullptr;
  IntArray* target = ASprite::getScratchBuffer(pixels);
  IntArray* params = ScaleParams();
  if (!NullCheck(params)) return nullptr;
  const int32_t percent = params->elements()[kPercent];
  const int32_t alphaValue = params->elements()[kAlpha];
  if (percent == 100 && alphaValue == -1) return pixels;
  drawScaledRGB(g, pixels, target, x, y, w, h, percent, alphaValue, alpha,
                useAlpha(partialAlpha, params->elements()[kAlphaMode]));
  return nullptr;
}

IntArray* MQPixEffects::applyToImage(javax_microedition_lcdui_Graphics* g,
                                     javax_microedition_lcdui_Image* image, int32_t x, int32_t y,
                                     int32_t w, int32_t h, int32_t flags, bool alpha,
                                     bool partialAlpha) {
  if (!NullCheck(image)) return nullptr;
  IntArray* pixels = ASprite::getScratchBuffer(nullptr);
  if (!pixels || int64_t{w} * h > pixels->length) return nullptr;
  image->getRGB(pixels, 0, w, 0, 0, w, h);
  return apply(g, pixels, x, y, w, h, flags, alpha, partialAlpha);
}

// ---- The oscillator -------------------------------------------------------------------------

int32_t MQPixEffects::oscillate(int32_t freq, int32_t lo, int32_t hi) {
  const int64_t turns =
      int64_t{Statics<GameStatics>()->MQPixEffects_effectClock} * 360 * freq + kFixOne / 2;
  const auto angle = static_cast<int32_t>((turns >> 8) >> 10);
  const int32_t half = (hi - lo) >> 1;
  return lo + half + ((half * cGame::fixCos(kFixQuarter - angle) + kFixOne / 2) >> 8);
}

void MQPixEffects::noop() {}
