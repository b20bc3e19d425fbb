// Off-centre spin: a bunch whose bubbles weigh more on one side of its centre turns toward
// that side, damped by 7 per cent per 100 ms step, its spin kept within -0x80000..0x80000 (8.8
// degrees per second), and never turns further into a side wall.
#include <algorithm>
#include <cstdlib>

#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"

namespace {

constexpr int32_t kDampingStep = 100;  // ms
constexpr int32_t kSpinLimit = 0x80000;
constexpr int32_t kOnePixel = 256;  // of the 24.8 offset
constexpr int32_t kRestSpin = 64;   // a quarter of the fixed-point one

}  // namespace

// The offsets are summed in 64 bits (170 offsets of 200 px overflow 32) and the products with
// the frame time are formed in 64 bits; each is narrowed once.
void cGame::updateBunchSpin(int32_t b) {
  cGame_CBubbleBunch* bunch = getBunch(b);
  if (!NullCheck(bunch)) return;
  if (bunch->skipSpin != 0) {
    bunch->skipSpin = 0;
    return;
  }
  const int64_t dt = Statics<GameStatics>()->cGame_frameTime;
  const int32_t n = bunchMemberCount(bunch);
  int64_t sum = 0;
  for (int32_t i = 0; i < n; i++) {
    auto* bubble = static_cast<Bubble*>(bunch->bubbles->elements()[i]);
    if (bubble) sum += int64_t{bubble->x} - bunch->centreX;
  }
  int32_t a = n > 0 ? static_cast<int32_t>(sum / n) >> 8 : 0;
  if (std::abs(a) < kOnePixel && std::abs(bunch->spin) < kRestSpin) a = 0;
  int64_t spin = bunch->spin + int64_t{a * 10 / 100} * dt * 16 / 1000;
  bunch->timer += static_cast<int32_t>(dt);
  while (bunch->timer > kDampingStep) {
    bunch->timer -= kDampingStep;
    spin = spin * 93 / 100;
  }
  bunch->spin = static_cast<int32_t>(std::clamp<int64_t>(spin, -kSpinLimit, kSpinLimit));
  if (bunchTurnedOutward(b, bunch->spin)) bunch->spin = 0;
  bunch->angle += static_cast<int32_t>(int64_t{bunch->spin} * dt * 16 / 1000);
  bunch->skipSpin = 0;
}

// Overhangs are measured in 64 bits so extents far off the screen cannot wrap into a fit.
bool cGame::bunchTurnedOutward(int32_t b, int32_t step) {
  cGame_CBubbleBunch* bunch = getBunch(b);
  if (!NullCheck(bunch)) return false;
  GameStatics* s = Statics<GameStatics>();
  auto left = [&] {
    return std::max<int64_t>(0, int64_t{s->cGame_playLeft} - bunch->minX - bunch->centreX);
  };
  auto right = [&] {
    return std::max<int64_t>(0, int64_t{bunch->maxX} + bunch->centreX - s->cGame_playRight);
  };
  const int64_t oldLeft = left(), oldRight = right();
  extentsAtAngle(b, bunch->angle + step);
  return left() > oldLeft || right() > oldRight;
}
