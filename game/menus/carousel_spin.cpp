// The spin of the carousel's turning entries: timed half-turn swings, and the finishing turn
// that the menu fade drives so the entries come to rest on a multiple of 180 degrees just as
// the screen is fully out. Angles are degrees, speeds degrees a second.
#include "game/cgame.h"
#include "game/game_statics.h"

namespace {

enum SpinState : int32_t { kIdle, kSwinging, kFinishing };

constexpr int32_t kSwingTime = 700;    // ms
constexpr int32_t kRestingAngle = 90;  // degrees
constexpr int64_t kFadeLength = 1000;  // ms of the menu fade
constexpr int32_t kHalfTurn = 180;

void ComeToRest(GameStatics* s) {
  s->cGame_carouselState = kIdle;
  s->cGame_carouselAngle = kRestingAngle;
  s->cGame_carouselTimer = 0;
}

}  // namespace

void cGame::startSpin() {
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_carouselState != kIdle) return;
  s->cGame_carouselIndex = (s->cGame_carouselIndex + 1) % 2;
  if (s->cGame_carouselIndex == 1) s->cGame_carouselAngle += kHalfTurn;
  s->cGame_carouselState = kSwinging;
  s->cGame_carouselTimer = kSwingTime;
}

void cGame::updateSpin() {
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_carouselState == kSwinging) {
    s->cGame_carouselTimer -= s->cGame_frameTime;
    if (s->cGame_carouselTimer <= 0) ComeToRest(s);
  } else if (s->cGame_carouselState == kFinishing && s->cGame_fadeTime >= kFadeLength) {
    ComeToRest(s);
  }
}

// The angle the spin reaches when the fade clock has run out is a; the speed grows by what
// takes it on to the next multiple of 180 in that time. With no time left the speed is kept:
// nothing could cover the distance.
void cGame::advanceRotation() {
  GameStatics* s = Statics<GameStatics>();
  const int64_t t = s->cGame_fadeTime;
  const int64_t a = (s->cGame_carouselAngle + s->cGame_carouselTurnSpeed * t / 1000) % 360;
  s->cGame_carouselState = kFinishing;
  if (t == 0) return;
  s->cGame_carouselTurnSpeed +=
      static_cast<int32_t>(((a / kHalfTurn + 1) * kHalfTurn - a) * 1000 / t);
}
