// The per-frame bunch update: slots 0..9 in order, each bunch in use by the rule of its type
// and then the common tail; every slot keeps this frame's counts for the next. Here too the
// rules of the hanging bunch (type 0) and of the pair on one rope (type 1). Centres, rest
// points and speeds are 16.16 pixels (per second), angles 8.8 degrees, times milliseconds.
#include <algorithm>

#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/board/actor.h"
#include "game/board/bunch.h"
#include "game/board/bunch_rules.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/trace.h"

namespace bunch_rules {

namespace {

constexpr int32_t kFullAngle = 360 << 8;  // one turn in 8.8 degrees
constexpr int32_t kQuarterTurn = 64;      // of fixCos's 256 steps
constexpr int32_t kDefaultPeriod = 1000;  // ms
constexpr int32_t kBossLevel = 3;         // levelKind

GameStatics* S() {
  return Statics<GameStatics>();
}

}  // namespace

// ---- Shared by the rules --------------------------------------------------------------------

int32_t FrameTime() {
  return S()->cGame_frameTime;
}

int32_t Period(const cGame_CBubbleBunch* bunch) {
  return bunch->cfgDuration > 0 ? bunch->cfgDuration : kDefaultPeriod;
}

int32_t LevelParam(int32_t i) {
  IntArray* params = S()->cGame_levelParams;
  return params && i >= 0 && i < params->length ? params->elements()[i] : 0;
}

void Burst(int32_t b) {
  DebugLog("bunch %d burst", b);
  cGame::burstBunch(b, false);
}

namespace {

// Rectangle r of the actor's current frame as {x, y, w, h} offsets; false without one.
bool FrameRect(cActor* actor, int32_t r, int32_t out[4]) {
  IntArray* rect = S()->cGame_rectScratch;
  ASprite* sprite = cActor::getSprite(actor);
  if (!actor || !sprite || !actor->player || !rect || rect->length < 4) return false;
  sprite->getAFrameRect(actor->player->anim, actor->player->frame, r, rect, 0, true);
  std::copy_n(rect->elements(), 4, out);
  return true;
}

}  // namespace

bool FrameRectCorner(cActor* actor, int32_t r, int32_t* x, int32_t* y) {
  int32_t e[4];
  if (!FrameRect(actor, r, e)) return false;
  *x = actor->x + e[0];
  *y = actor->y + e[1];
  return true;
}

bool FrameRectSpan(cActor* actor, int32_t r, int32_t* left, int32_t* right) {
  int32_t e[4];
  if (!FrameRect(actor, r, e)) return false;
  *left = e[0];
  *right = e[0] + e[2];
  return true;
}

// ---- Type 0: hanging at a rest point ----------------------------------------------------------

namespace {

// The anchor and each handle actor (the first handleCount decorations).
template <class F>
void ForEachHangingActor(cGame_CBubbleBunch* bunch, F f) {
  if (bunch->anchor) f(bunch->anchor);
  ObjectArray* handles = bunch->decorations;
  const int32_t n = handles ? std::min(bunch->handleCount, handles->length) : 0;
  for (int32_t k = 0; k < n; k++) {
    if (auto* actor = static_cast<cActor*>(handles->elements()[k])) f(actor);
  }
}

// How far the bunch drops and how far each added bubble sinks it (px): the lower its bottom
// lies in the band, the smaller the steps.
struct Steps {
  int32_t drop, sink, rise;
};

Steps StepsByBand(const cGame_CBubbleBunch* bunch) {
  GameStatics* s = S();
  const int64_t bottom = int64_t{bunch->centreY} + bunch->maxY + 18 * kPx;
  Steps steps = bottom < s->cGame_bandY25   ? Steps{60, 10, 0}
                : bottom < s->cGame_bandY50 ? Steps{40, 8, 0}
                : bottom < s->cGame_bandY75 ? Steps{30, 6, 0}
                                            : Steps{10, 4, 0};
  const int64_t top = int64_t{bunch->centreY} - 18 * kPx;
  steps.rise = top < s->cGame_bandY50 ? 4 : top < s->cGame_bandY75 ? 6 : 8;
  return steps;
}

// The warning variant 3, 2, 1 shows one, two, three landings before the next drop step; on a
// multiple of the step the drop is marked. A step of 0 or less means no landing drops: the
// remainder by it is undefined.
void WarnOrMarkDrop(cGame_CBubbleBunch* bunch) {
  const int32_t every = LevelParam(0);
  if (every <= 0) return;
  const int32_t landed = bunch->landedCount;
  if (landed % every == 0) {
    bunch->dropPending = 1;
    return;
  }
  if (!bunch->anchor) return;
  const int32_t variant = (landed + 1) % every == 0   ? 3
                          : (landed + 2) % every == 0 ? 2
                          : (landed + 3) % every == 0 ? 1
                                                      : 0;
  bunch->variant = variant;
  const bool changed = cActor::getAnim(bunch->anchor) != variant;
  ForEachHangingActor(bunch, [&](cActor* actor) {
    if (changed) cActor::setSpriteMode(actor, cActor::kModeNotifyOnce);
    cActor::setNextAnim(actor, variant, cActor::kModeLoop);
  });
}

void Drop(int32_t b, cGame_CBubbleBunch* bunch, int32_t distance) {
  DebugLog("bunch %d drop", b);
  cGame::nudgeBunch(b, 0, distance * kPx, 0, 0);
  bunch->variant = 0;
  ForEachHangingActor(bunch, [](cActor* actor) {
    cActor::setAnimation(actor, 4, cActor::kModeNotifyOnce, true);
    cActor::setNextAnim(actor, 0, cActor::kModeLoop);
  });
  bunch->dropPending = 0;
}

// The spring toward the rest point: each axis pulled by a tenth of its distance, the speed
// doubled (the bunch sways against the clamp), damped per 100 ms step, clamped to 1 px/s x
// 65536. Products with the frame time are formed in 64 bits.
void Spring(cGame_CBubbleBunch* bunch, int64_t dt) {
  const int64_t ax = (int64_t{bunch->restX} - bunch->centreX) * 10 / 100 * 16 / 1000;
  const int64_t ay = (int64_t{bunch->restY} - bunch->centreY) * 10 / 100 * 16 / 1000;
  int64_t vx = ax * dt + int64_t{bunch->vx} * 2;
  int64_t vy = ay * dt + int64_t{bunch->vy} * 2;
  bunch->timer += static_cast<int32_t>(dt);
  while (bunch->timer > 100) {
    vx = vx * 74 / 100;
    vy = vy * 87 / 100;
    bunch->timer -= 100;
  }
  bunch->vx = static_cast<int32_t>(std::clamp<int64_t>(vx, -65536, 65536));
  bunch->vy = static_cast<int32_t>(std::clamp<int64_t>(vy, -65536, 65536));
}

void PlaceHangingActors(cGame_CBubbleBunch* bunch) {
  const int32_t y = bunch->centreY >> 16;
  cActor::setPosition(bunch->anchor, bunch->centreX >> 16, y);
  ObjectArray* actors = bunch->decorations;
  IntArray* columns = bunch->handles;
  const int32_t n =
      actors && columns ? std::min({bunch->handleCount, actors->length, columns->length}) : 0;
  for (int32_t k = 0; k < n; k++) {
    const int32_t x = (bunch->centreX + columns->elements()[k] * 37 * kPx) >> 16;
    cActor::setPosition(static_cast<cActor*>(actors->elements()[k]), x, y);
  }
}

}  // namespace

// The rest point sinks for every bubble added and rises for every one lost; every
// levelParams[0]-th landing steps it down. The bunch moves vertically by its speed always
// (read literally, a hanging bunch never moved in y: none of the sinking, rising or drop
// steps ever showed) and by its fall speed while falling.
void HangingRule(int32_t b, cGame_CBubbleBunch* bunch) {
  GameStatics* s = S();
  if (s->cGame_levelType == 2 || s->cGame_levelType == 3) return;
  const Steps steps = StepsByBand(bunch);
  const int32_t gained = bunch->count - bunch->prevCount;
  bunch->restY += gained * (gained > 0 ? steps.sink : steps.rise) * kPx;
  if (bunch->fallSpeed == 0 && bunch->landedCount != bunch->prevLandedCount) {
    WarnOrMarkDrop(bunch);
  }
  if (bunch->dropPending && bunch->fallSpeed == 0) Drop(b, bunch, steps.drop);
  bunch->restY = std::max(bunch->restY, s->cGame_bandY0);

  const int64_t dt = s->cGame_frameTime;
  Spring(bunch, dt);
  bunch->centreX += static_cast<int32_t>(dt * bunch->vx * 16 / 1000);
  bunch->centreY +=
      static_cast<int32_t>(int64_t{bunch->fallSpeed} * dt / 1000 + dt * bunch->vy * 16 / 1000);
  // Pushed past a side: the rest point moves in and the spring brings the bunch back.
  if (int64_t{bunch->centreX} + bunch->maxX > s->cGame_playRight) {
    bunch->restX = s->cGame_playRight - bunch->maxX;
  }
  if (int64_t{bunch->centreX} + bunch->minX < s->cGame_playLeft) {
    bunch->restX = s->cGame_playLeft - bunch->minX;
  }
  PlaceHangingActors(bunch);
  if (bunch->handleCount < 1 && bunch->hadHandles) cGame::updateBunchSpin(b);
}

// ---- Type 1: a pair on one rope -------------------------------------------------------------

namespace {

// One side of the pair falls toward its rest point, damped per 100 ms step, at most 8 px/s x
// 65536; above the pair's top it stops there and the other side takes the mirror place.
void PairSide(cGame_CBubbleBunch* self, cGame_CBubbleBunch* other, int64_t mid, int64_t dt) {
  const int32_t top = S()->cGame_pairTopY;
  int64_t vy = self->vy + (int64_t{self->restY} - self->centreY) * 10 / 100 * 16 / 1000 * dt;
  self->timer += static_cast<int32_t>(dt);
  while (self->timer > 100) {
    vy = vy * 87 / 100;
    self->timer -= 100;
  }
  self->vy = static_cast<int32_t>(std::clamp<int64_t>(vy, -524288, 524288));
  self->centreY += static_cast<int32_t>(int64_t{self->vy} * 16 / 1000 * dt);
  if (self->centreY >= top) return;
  self->centreY = self->restY = top;
  self->vy = 0;
  other->centreY = other->restY = static_cast<int32_t>(2 * mid - top);
  other->vy = 0;
}

}  // namespace

// Run from the pair's lower slot. The heavier side hangs lower, 6 px per bubble of
// difference; a side holding nothing rises to the top. A partner that is not another type-1
// slot in use (none, or the bunch itself) makes no pair.
void PairRule(int32_t b, cGame_CBubbleBunch* bunch) {
  if (bunch->partner <= b) return;
  cGame_CBubbleBunch* partner = cGame::getBunch(bunch->partner);
  if (!partner || !partner->inUse || partner->type != 1) return;
  const int64_t top = S()->cGame_pairTopY;
  const int64_t mid = (int64_t{bunch->centreY} + partner->centreY) >> 1;
  int64_t d = 0;
  if (bunch->count > 0 && partner->count > 0) {
    d = int64_t{bunch->count - partner->count} * 6 * kPx;
  } else if (bunch->count > 0) {
    d = mid;
  } else if (partner->count > 0) {
    d = -mid;
  }
  if (mid + d < top) {
    d = top - mid;
  } else if (mid - d < top) {
    d = mid - top;
  }
  bunch->restY = static_cast<int32_t>(mid + d);
  partner->restY = static_cast<int32_t>(mid - d);
  const int64_t dt = FrameTime();
  PairSide(bunch, partner, mid, dt);
  PairSide(partner, bunch, mid, dt);
}

}  // namespace bunch_rules

// ---- The frame's pass ---------------------------------------------------------------------

namespace {

using namespace bunch_rules;

void RunTypeRule(int32_t b, cGame_CBubbleBunch* bunch) {
  GameStatics* s = Statics<GameStatics>();
  switch (bunch->type) {
    case 0:
      HangingRule(b, bunch);
      break;
    case 1:
      PairRule(b, bunch);
      break;
    case 2:
      HubRule(b, bunch);
      break;
    case 3:
      HolderRule(b, bunch);
      break;
    case 4:
      PressedRule(b, bunch);
      break;
    case 5:
      CarrierRule(b, bunch);
      break;
    case 6:
      if (bunch->count > 0) cGame::updateBunchSpin(b);
      break;
    case 7:
      LockRule(b, bunch);
      break;
    case 8:
      SpinnerRule(b, bunch);
      break;
    case 9:
      PendulumRule(b, bunch);
      break;
    case 11:
      cGame::updateBunchSwing(b);
      if (bunch->count > 0) cGame::updateBunchSpin(b);
      break;
    case 12:
      if (s->cGame_boardChanged) {
        s->cGame_boardChanged = 0;
        cGame::buildColumnProfile();
      }
      break;
    case 13:
      SinkerRule(b, bunch);
      break;
    case 15:
      FallerRule(b, bunch);
      break;
    default:
      break;
  }
}

// The angle into 0..92159 by a floor modulo (a long frame can turn a bunch by more than one
// turn, and one addition would leave it outside, where the bosses' tilt tests read it), its
// sine and cosine; a bunch of indestructible bubbles only bursts, except in a boss level.
void CommonTail(int32_t b, cGame_CBubbleBunch* bunch) {
  bunch->angle = ((bunch->angle % kFullAngle) + kFullAngle) % kFullAngle;
  const int32_t t = bunch->angle / 360;
  bunch->sin = cGame::fixCos(kQuarterTurn - t);
  bunch->cos = cGame::fixCos(t);
  if (bunch->count >= 1 && bunch->count == bunch->indestructibleCount &&
      Statics<GameStatics>()->cGame_levelKind() != kBossLevel) {
    Burst(b);
  }
}

}  // namespace

void cGame::updateBubbleBunches() {
  for (int32_t b = 0; b < cGame_CBubbleBunch::kSlots; b++) {
    cGame_CBubbleBunch* bunch = getBunch(b);
    if (!bunch) continue;
    if (bunch->inUse) RunTypeRule(b, bunch);
    if (bunch->inUse) CommonTail(b, bunch);
    bunch->prevLandedCount = bunch->landedCount;
    bunch->prevCount = bunch->count;
  }
}
