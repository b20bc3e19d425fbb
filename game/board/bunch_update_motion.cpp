// The turning, timed and falling bunches: the one pressed against a wall until it bursts
// (type 4), the lock that descends to the danger line (type 7), the spinner that slows down
// (type 8), the pendulum on its rope (type 9) and the bunches that fall (types 13 and 15).
// Every product with the frame time is formed in 64 bits and narrowed once.
#include <algorithm>

#include "game/board/actor.h"
#include "game/board/actor_support.h"
#include "game/board/bunch.h"
#include "game/board/bunch_rules.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"

namespace bunch_rules {

namespace {

constexpr int32_t kFullAngle = 360 << 8;  // one turn in 8.8 degrees
constexpr int32_t kLevelLost = 51;        // event

GameStatics* S() {
  return Statics<GameStatics>();
}

int32_t CentrePxX(const cGame_CBubbleBunch* bunch) {
  return bunch->centreX >> 16;
}
int32_t CentrePxY(const cGame_CBubbleBunch* bunch) {
  return bunch->centreY >> 16;
}

// ---- Type 4 ---------------------------------------------------------------------------------

constexpr int32_t kPuffFrom = 17000;  // ms pressed before the puffs start
constexpr int32_t kBurstAt = 20000;   // ms pressed when it bursts
constexpr int32_t kPuffEvent = 67;
constexpr int32_t kPuffReach = 37;  // px round the centre

bool IsPressed(const cGame_CBubbleBunch* bunch) {
  GameStatics* s = S();
  return int64_t{bunch->centreX} + bunch->maxX > s->cGame_playRight ||
         int64_t{bunch->centreX} + bunch->minX < s->cGame_playLeft;
}

// The anchor trembles round the centre, the more the longer the bunch is held.
void Shake(cGame_CBubbleBunch* bunch) {
  const int32_t a = static_cast<int32_t>(int64_t{bunch->counter} * 37 / 160000);
  const int32_t x = CentrePxX(bunch) - (a + 1) / 2 + cGame::getRandom(0, a + 1);
  const int32_t y = CentrePxY(bunch) - (a + 1) / 2 + cGame::getRandom(0, a + 1);
  cActor::setPosition(bunch->anchor, x, y);
}

void Puff(const cGame_CBubbleBunch* bunch) {
  const int32_t x = CentrePxX(bunch) + cGame::getRandom(-kPuffReach, kPuffReach + 1);
  const int32_t y = CentrePxY(bunch) + cGame::getRandom(-kPuffReach, kPuffReach + 1);
  cGame::spawnActor(actor_support::SpriteInSlot(35), 0, x, y, 1, 400, cActor::kModeOnce, 1,
                    kPuffEvent);
}

}  // namespace

// Held against a wall it shakes, puffs from 17 s on and bursts at 20 s, losing the level;
// free, it turns once per period. Not while the ring boss owns these bunches.
void PressedRule(int32_t b, cGame_CBubbleBunch* bunch) {
  GameStatics* s = S();
  if (s->cGame_bossKind == 3) return;
  const int64_t dt = FrameTime();
  if (IsPressed(bunch)) {
    bunch->counter += static_cast<int32_t>(dt);
    Shake(bunch);
    if (bunch->counter >= kPuffFrom) {
      Puff(bunch);
      bunch->phase = cGame::consumeEvent(kPuffEvent) ? 0 : 1;
    }
    if (bunch->counter >= kBurstAt) {
      Burst(b);
      cGame::postEvent(kLevelLost);
      return;
    }
  } else {
    bunch->counter = 0;
    cActor::setPosition(bunch->anchor, CentrePxX(bunch), CentrePxY(bunch));
    bunch->angle += static_cast<int32_t>(kFullAngle * dt / Period(bunch));
  }
  if (bunch->count == 1 && bunch->core) Burst(b);
}

// ---- Type 7 ---------------------------------------------------------------------------------

namespace {

constexpr int32_t kLockPhases = 5;

// The anchor moves to the centre, its decorations keeping their places beside it.
void FollowCentre(cGame_CBubbleBunch* bunch) {
  cActor* lock = bunch->anchor;
  if (!lock) return;
  const int32_t dx = CentrePxX(bunch) - lock->x, dy = CentrePxY(bunch) - lock->y;
  cActor::setPosition(lock, lock->x + dx, lock->y + dy);
  ObjectArray* actors = bunch->decorations;
  for (int32_t i = 0; actors && i < actors->length; i++) {
    auto* actor = static_cast<cActor*>(actors->elements()[i]);
    if (actor) cActor::setPosition(actor, actor->x + dx, actor->y + dy);
  }
}

// The colour panel and its bubble appear, the bubble in a colour no other lock shows.
void ShowColour(int32_t b, cGame_CBubbleBunch* bunch) {
  ObjectArray* actors = bunch->decorations;
  for (int32_t i = 0; actors && i < actors->length; i++) {
    cActor::setVisible(static_cast<cActor*>(actors->elements()[i]), true);
  }
  if (actors && actors->length >= 2) {
    cActor::setAnimation(static_cast<cActor*>(actors->elements()[1]),
                         cGame::randomColorNotBunch7(b), cActor::kModeLoop, false);
  }
}

// A phase skipped by a long frame still shows the colour (phase 1) before the next ones.
void EnterPhase(int32_t b, cGame_CBubbleBunch* bunch, int32_t phase) {
  const int32_t before = bunch->phase;
  const int32_t base = bunch->facing == 1 ? 0 : 9;
  cActor::setAnimation(bunch->anchor, base + phase, cActor::kModeLoop, false);
  bunch->phase = phase;
  if (before < 1 && phase >= 1) ShowColour(b, bunch);
  if (phase == kLockPhases) {
    cActor::setAnimation(bunch->anchor, bunch->facing < 2 ? 7 : 16, cActor::kModeNotifyOnce, false);
    cGame::postEvent(kLevelLost);
  }
}

}  // namespace

// The shown time follows the clock at most 8 times as fast; after the first fifth of the
// period the lock descends from its rest point to the danger line, reached at the period's
// end with the level lost. A refused shot's pause ends with the bubble thrown back.
void LockRule(int32_t b, cGame_CBubbleBunch* bunch) {
  GameStatics* s = S();
  const int64_t dt = FrameTime();
  const int32_t period = Period(bunch);
  bunch->timer += static_cast<int32_t>(dt);
  const int64_t lag = int64_t{bunch->timer} - bunch->timer2;
  bunch->timer2 += static_cast<int32_t>(std::clamp<int64_t>(lag, -8 * dt, 8 * dt));
  const int32_t fifth = period / 5;
  if (bunch->timer2 > fifth) {
    const int32_t y = cGame::lerpFixed(bunch->restY >> 16, s->cGame_dangerLineY,
                                       bunch->timer2 - fifth, period - fifth);
    bunch->centreY = y * kPx;
    FollowCentre(bunch);
  }
  if (bunch->counter > 0) {
    bunch->counter -= static_cast<int32_t>(dt);
    if (bunch->counter <= 0) {
      const int32_t kind = s->cGame_shotColour >= 0 ? s->cGame_shotColour : cGame::randomSetBit();
      cGame::throwBubbleFromBunch(b, kind);
    }
  }
  const int32_t phase = static_cast<int32_t>(
      std::min<int64_t>(kLockPhases, int64_t{bunch->timer2} * kLockPhases / period));
  if (phase != bunch->phase) EnterPhase(b, bunch, phase);
}

// ---- Type 8 ---------------------------------------------------------------------------------

// It turns by its spin unless the turn would take it further out of the play area (then it
// stops), losing 5 per cent of the spin per 100 ms; one bubble left bursts it.
void SpinnerRule(int32_t b, cGame_CBubbleBunch* bunch) {
  const int64_t dt = FrameTime();
  const int32_t step = static_cast<int32_t>(int64_t{bunch->spin} * dt / 1000);
  if (cGame::bunchTurnedOutward(b, step)) {
    bunch->spin = 0;
  } else {
    bunch->angle += step;
  }
  bunch->timer += static_cast<int32_t>(dt);
  while (bunch->timer > 100) {
    bunch->spin = static_cast<int32_t>(int64_t{bunch->spin} * 95 / 100);
    bunch->timer -= 100;
  }
  if (bunch->count == 1) Burst(b);
}

// ---- Type 9 ---------------------------------------------------------------------------------

// Per 100 ms step the pendulum settles at the bottom once within half a degree of it and
// slower than a degree per second; otherwise it is pulled back by half its angle and loses 3
// per cent. The centre then hangs from the anchor at the rope's length.
void PendulumRule(int32_t b, cGame_CBubbleBunch* bunch) {
  const int64_t dt = FrameTime();
  bunch->timer += static_cast<int32_t>(dt);
  while (bunch->timer > 100) {
    if (bunch->angle >= -128 && bunch->angle < 128 && bunch->spin > -256 && bunch->spin < 256) {
      bunch->angle = 0;
      bunch->spin = 0;
    }
    const int64_t pull =
        bunch->angle >= kFullAngle / 2 ? (kFullAngle - bunch->angle) >> 1 : -(bunch->angle >> 1);
    bunch->spin = static_cast<int32_t>((bunch->spin + pull) * 97 / 100);
    bunch->timer -= 100;
  }
  bunch->angle += static_cast<int32_t>(int64_t{bunch->spin} * dt / 1000);
  cActor* anchor = bunch->anchor;
  if (!anchor) return;
  const int32_t t = bunch->angle / 360;
  const int64_t rope = int64_t{bunch->ropeLength} * 256;
  const int64_t x = int64_t{anchor->x} * kPx - cGame::fixCos(64 - t) * rope;
  const int64_t y = int64_t{anchor->y} * kPx + cGame::fixCos(t) * rope;
  cGame::setBunchCentre(b, static_cast<int32_t>(x), static_cast<int32_t>(y));
}

// ---- Types 13 and 15 ------------------------------------------------------------------------

// Its own fall speed, in whole pixels per second.
void SinkerRule(int32_t, cGame_CBubbleBunch* bunch) {
  bunch->centreY += static_cast<int32_t>(int64_t{bunch->fallSpeed} * kPx * FrameTime() / 1000);
}

// 148 px/s, at most 16.5 px a frame; past the danger line it bursts.
void FallerRule(int32_t b, cGame_CBubbleBunch* bunch) {
  const int64_t step = std::min<int64_t>(int64_t{FrameTime()} * 148 * kPx / 1000, 0x108000);
  bunch->centreY += static_cast<int32_t>(step);
  bunch->restY += static_cast<int32_t>(step);
  if (CentrePxY(bunch) > S()->cGame_dangerLineY) Burst(b);
}

}  // namespace bunch_rules
