// The animation player: its life from no animation through playing to finished, the frame
// clock that moves on at most one animation-frame an update, and the paint of the current
// animation-frame with a per-player scale effect.
#include "engine/mqlib_player.h"

#include "engine/pix_effects.h"
#include "javame/graphics.h"
#include "engine/sprite.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/class.h"

namespace {

constexpr int32_t kNoAnimation = -1;
constexpr int32_t kNoEffect = -1;
constexpr int32_t kAfterSpriteChange = -2;  // the loop counter of a new or re-sprited player
constexpr int32_t kEffectScaleParam = 1;    // effect 11's parameter: the scale in percent

}  // namespace

// ---- Construction ---------------------------------------------------------------------------

MQLibPlayer::MQLibPlayer() {
  RegisterReferenceFields(this, &sprite);
}

MQLibPlayer::MQLibPlayer(Reset) : MQLibPlayer() {
  reset();
}

// reset leaves the player finished, so setSprite's change always runs.
MQLibPlayer::MQLibPlayer(ASprite* s, int32_t px, int32_t py) : MQLibPlayer(Reset::kReset) {
  x = px;
  y = py;
  setSprite(s);
}

void MQLibPlayer::reset() {
  x = y = 0;
  paintFlags = 0;
  sprite = nullptr;
  anim = kNoAnimation;
  frame = frameTime = 0;
  loopCounter = 1;
  finished = true;
  effectParam = kNoEffect;
}

// ---- Choosing what plays --------------------------------------------------------------------

void MQLibPlayer::setSprite(ASprite* s) {
  sprite = s;
  if (!finished && anim == kNoAnimation) return;
  anim = kNoAnimation;
  loopCounter = kAfterSpriteChange;
  finished = false;
}

void MQLibPlayer::setAnim(int32_t a, int32_t loops) {
  if (!finished && a == anim) return;
  anim = a;
  setFrame(0);
  loopCounter = loops - 1;
  finished = false;
}

int32_t MQLibPlayer::setFrame(int32_t f) {
  if (anim == kNoAnimation) return -1;
  const int32_t n = playableFrames();
  if (n > 0 && f >= n) f %= n;
  frameTime = 0;
  frame = f;
  return f;
}

int32_t MQLibPlayer::playableFrames() {
  if (anim == kNoAnimation || !sprite || anim < 0) return -1;
  ByteArray* counts = sprite->animAFrameCount;
  if (!counts || anim >= counts->length) return -1;
  return sprite->getAFrameCount(anim);
}

// ---- The frame clock ------------------------------------------------------------------------

void MQLibPlayer::update(int32_t dt) {
  if (finished || anim == kNoAnimation) return;
  const int32_t n = playableFrames();
  if (n < 0) {
    finished = loopCounter >= 0;
    return;
  }
  frameTime += dt;
  const int32_t d = getFrameDuration();
  if (frameTime < d) return;
  frameTime -= d;
  if (frame < n - 1) {
    frame += 1;
  } else if (loopCounter > 0) {
    loopCounter -= 1;
    frame = 0;
  } else if (loopCounter < 0) {
    frame = 0;
  } else {
    finished = true;
  }
}

void MQLibPlayer::updateFrame() {
  update(Statics<GameStatics>()->cGame_frameTime);
}

bool MQLibPlayer::isAnimOver() {
  if (anim == kNoAnimation) return true;
  return loopCounter >= 0 && finished;
}

int32_t MQLibPlayer::getAnimFrameCount() {
  return anim == kNoAnimation ? -1 : playableFrames() < 0 ? 0 : playableFrames();
}

int32_t MQLibPlayer::getFrameDuration() {
  const int32_t n = playableFrames();
  if (n < 0 || frame < 0 || frame >= n) return 0;
  return sprite->getAFrameTime(anim, frame) * Statics<GameStatics>()->MQLibPlayer_animTick;
}

// ---- Painting -------------------------------------------------------------------------------

void MQLibPlayer::render() {
  if (playableFrames() < 0) return;
  GameStatics* s = Statics<GameStatics>();
  if (effectParam != kNoEffect) {
    MQPixEffects::setEffect(MQPixEffects::kScale, false);
    ObjectArray* params = s->MQPixEffects_effectParams;
    if (params && MQPixEffects::kScale < params->length) {
      auto* scale = static_cast<IntArray*>(params->elements()[MQPixEffects::kScale]);
      if (scale && kEffectScaleParam < scale->length) {
        scale->elements()[kEffectScaleParam] = effectParam;
      }
    }
  }
  sprite->paintAFrame(s->cGame_drawGraphics, anim, frame, x, y, paintFlags, 0, 0);
  s->MQPixEffects_effectMask &= ~MQPixEffects::kRoutesPixels;
}
