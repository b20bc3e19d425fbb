// The bosses' helper routines: the walking bosses' search for flat ground on the surface
// bunch's column profile and the profile's climb by one hex row, and the ring boss's state
// setter and weak-point test. The profile is rebuilt whenever the bunch's rows change.
#include <cstdint>

#include "game/board/actor.h"
#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"

namespace {

constexpr int32_t kGap = -1000;
constexpr int32_t kFlatRun = 5;            // equal columns a jump needs
constexpr int32_t kHalfColumn = 37 << 15;  // 18.5 px in 16.16
constexpr int32_t kRowHeight = 33;         // px

GameStatics* S() {
  return Statics<GameStatics>();
}

}  // namespace

// ---- The walking bosses' ground -----------------------------------------------------------

// Walks from bossColumn in the facing direction to the profile's limit and stops at the first
// five equal, free, non-gap half columns. The jump lands on the fourth of them facing right,
// the middle one facing left. A blocked column counts as a gap: it ends the run before it and
// is no part of the next one.
bool cGame::findFlatColumnRun() {
  GameStatics* s = S();
  const int32_t facing = s->cGame_bossFacing;
  if (facing != 1 && facing != -1) return false;
  int32_t height = kGap, run = 0, start = s->cGame_bossColumn;
  for (int32_t c = s->cGame_bossColumn;; c += facing) {
    if ((facing == 1 && c > s->cGame_profileLast) || (facing == -1 && c < s->cGame_profileFirst)) {
      return false;
    }
    const int32_t value = isColumnUnderType15Bunch(c) ? kGap : columnProfileAt(c);
    if (value != height || value == kGap) {
      height = value;
      run = 0;
      start = c;
    }
    if (value == kGap) continue;
    if (++run < kFlatRun) continue;
    s->cGame_jumpColumn = facing == 1 ? start + 3 : start - 2;
    s->cGame_bossGround = columnProfileAt(s->cGame_jumpColumn);
    return true;
  }
}

// The surface bunch climbs one hex row while its bubbles keep their places on screen: each
// member's row goes up by one (and its column on by one on a shifted row), the centre moves
// half a column against the shift, and everything measured on the profile follows.
void cGame::shiftColumnProfile() {
  GameStatics* s = S();
  const bool shifted = s->cGame_rowParityShift != 0;
  cGame_CBubbleBunch* bunch = getBunch(s->cGame_surfaceBunch);
  for (int32_t k = 0; bunch && k < bunchMemberCount(bunch); k++) {
    auto* bubble = static_cast<Bubble*>(bunch->bubbles->elements()[k]);
    if (!bubble) continue;
    bubble->row -= 1;
    if (shifted) bubble->col += 1;
  }
  if (bunch) {
    const int32_t dx = shifted ? -kHalfColumn : kHalfColumn;
    bunch->centreX += dx;
    bunch->restX += dx;
  }
  const int32_t step = shifted ? 1 : -1;
  s->cGame_bossGround -= 1;
  s->cGame_bossColumn += step;
  s->cGame_jumpColumn += step;
  s->cGame_jumpToY += kRowHeight;
  s->cGame_rowParityShift = shifted ? 0 : 1;
  buildColumnProfile();
}

// ---- The ring boss ------------------------------------------------------------------------

namespace {

constexpr int32_t kRingBoss = 3;
constexpr int32_t kWeakPoints = 6;
constexpr int32_t kHitSquare = 32;  // px, centred on a weak point or the feeder
constexpr int32_t kNextEvent = 69;  // the boss update's cue for the next state
constexpr int32_t kLastHitEvent = 68;
constexpr int32_t kLevelWonEvent = 50;
constexpr int32_t kDefeatedSound = 23;

// Each state's look: animation by feedSide (set, clear), sprite mode and end event.
void ShowState(cActor* boss, int32_t animSet, int32_t animClear, int32_t mode, int32_t event) {
  cActor::setAnimation(boss, S()->cGame_feedSide ? animSet : animClear, mode, true);
  cActor::setEvent(boss, event);
}

// Weak points 0, 2 and 4 at the second health; at the last, every one pushed out is dropped
// and every empty one armed again.
void RearmWeakPoints() {
  GameStatics* s = S();
  IntArray* emitters = s->cGame_weakPointEmitters;
  if (!emitters) return;
  if (s->cGame_bossHealth == 2) {
    for (const int32_t i : {0, 2, 4}) cGame::startSlotEmitter(i);
    return;
  }
  if (s->cGame_bossHealth != 1) return;
  for (int32_t i = 0; i < emitters->length; i++) {
    const int32_t e = emitters->elements()[i];
    if (e < 0 || IntArray::get(s->cGame_weakPointRadius, i) <= s->cGame_weakPointTargetRadius) {
      continue;
    }
    cGame::killEmitterParticles(e);
    cGame::stopEmitter(e);
    emitters->elements()[i] = -1;
  }
  for (int32_t i = 0; i < emitters->length; i++) {
    if (emitters->elements()[i] == -1) cGame::startSlotEmitter(i);
  }
}

// The bubble lies in the hit square centred on emitter e (grown by its radius).
bool HitsEmitter(const Bubble* bubble, int32_t e) {
  return bubble->isInRect(cGame::getEmitterX(e) - kHitSquare / 2,
                          cGame::getEmitterY(e) - kHitSquare / 2, kHitSquare, kHitSquare);
}

}  // namespace

// Entering a state sets the boss actor's look and the event its animation ends with; a state
// the ring boss does not know is only recorded.
void cGame::setBossStateKind3(int32_t state) {
  GameStatics* s = S();
  if (state == s->cGame_bossState) return;
  s->cGame_bossState = state;
  cActor* boss = s->cGame_bossActor;
  switch (state) {
    case 0:
      cActor::setPalette(boss, 0);
      cActor::setAnimation(boss, s->cGame_feedSide ? 0 : 1, cActor::kModeLoop, true);
      break;
    case 1:
      RearmWeakPoints();
      cActor::setPalette(boss, 0);
      ShowState(boss, 4, 5, cActor::kModeNotifyOnce, kNextEvent);
      break;
    case 1000:
      s->cGame_bossHealth -= 1;
      setBossHealthIcons(s->cGame_bossHealth);
      ShowState(boss, 2, 3, cActor::kModeNotifyOnce,
                s->cGame_bossHealth > 0 ? kNextEvent : kLastHitEvent);
      break;
    case 1001:
      setBossHealthIcons(0);
      cActor::setPalette(boss, 0);
      cActor::setAnimation(boss, 6, cActor::kModeNotifyOnce, true);
      cActor::setEvent(boss, kLevelWonEvent);
      playSfx(kDefeatedSound);
      break;
    case 1002:
      cActor::setPalette(boss, 0);
      ShowState(boss, 4, 5, cActor::kModeNotifyOnce, kNextEvent);
      break;
    default:
      break;
  }
}

// A shot that meets an armed weak point within reach falls away and pushes the weak point out;
// otherwise one that meets the feeder sends it back from where it is with nothing left to bring
// and flies on.
void cGame::bossKind3WeakPointHit(Bubble* bubble) {
  GameStatics* s = S();
  if (!bubble || s->cGame_bossKind != kRingBoss) return;
  IntArray* emitters = s->cGame_weakPointEmitters;
  for (int32_t i = 0; emitters && i < kWeakPoints && i < emitters->length; i++) {
    const int32_t e = emitters->elements()[i];
    if (e < 0 || IntArray::get(s->cGame_weakPointRadius, i) > s->cGame_weakPointTargetRadius) {
      continue;
    }
    if (!HitsEmitter(bubble, e)) continue;
    bubble->bunch = Bubble::kLoose;
    bubble->vx /= 2;
    bubble->vy = 0;
    bubble->flags |= Bubble::kFreeFlyer;
    IntArray::set(s->cGame_weakPointRadius, i, s->cGame_weakPointTargetRadius + 1);
    setEmitterTarget(e, 1);
    return;
  }
  const int32_t feeder = s->cGame_feeder;
  if (feeder < 0 || !HitsEmitter(bubble, feeder)) return;
  s->cGame_feederFromX = getEmitterX(feeder);
  s->cGame_feederFromY = getEmitterY(feeder);
  s->cGame_feederTimer = 0;
  s->cGame_feedsLeft = 0;
}
