// A bubble's pop by kind when its pop timer runs out (bombs set off their neighbours, line
// bombs two lines of the bunch, paint bubbles recolour a sector, unlock bubbles show their
// banner), the scheduling of pops, the shake of a hit bubble and the paint bubble's sector.
// A popped bubble is only marked dead: the world update takes it out of play.
#include <algorithm>

#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/java_arith.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kBomb = 7;
constexpr int32_t kLineBombRising = 8;  // up-right, then down-left
constexpr int32_t kLineBombLevel = 9;   // left, then right
constexpr int32_t kFirstPaint = 21, kLastPaint = 27;
constexpr int32_t kFirstUnlock = 37, kLastUnlock = 38;
constexpr int32_t kUnlockSound = 19;
constexpr int32_t kPaintSound = 16;
constexpr int32_t kBossLevel = 3;
constexpr int32_t kRevealedLooks = 42;  // a hidden colour shown as it pops
constexpr int32_t kSectorCells = 5;
constexpr int32_t kCentreRingBunch = 2;
constexpr int32_t kCarriedBunch = 3;
constexpr int32_t kCentreRingParam = 7;  // levelParams entry of a type-2 bunch's timer
// Neighbour links are followed without a visited mark: a walk longer than the pool has
// bubbles has closed a loop (merged bunches, bad data) and is cut.
constexpr int32_t kWalkLimit = Bubble::kPoolSize;

Bubble* Neighbour(const Bubble* b, int32_t d) {
  if (!b->neighbours || d < 0 || d >= b->neighbours->length) return nullptr;
  return static_cast<Bubble*>(b->neighbours->elements()[d]);
}

// The root a compound bubble's calls go to; a parent chain that loops is cut with a trace.
Bubble* Root(Bubble* b) {
  for (int32_t steps = 0; b->parent; steps++) {
    if (steps == Bubble::kPoolSize) {
      DebugLog("Bubble: bubble %d's parents form a loop", b->index);
      break;
    }
    b = b->parent;
  }
  return b;
}

// A neighbour set off by a blast: it flies from the blast's centre and pops k sixteenths on.
void SetOff(Bubble* centre, Bubble* b, int32_t k) {
  b->flyOffX = b->x - centre->x;
  b->flyOffY = b->y - centre->y;
  b->schedulePop(k, true);
  cGame::objectOnBubbleGone(b);
}

void Blast(Bubble* bomb) {
  int32_t k = 1;
  for (int32_t d = 0; d < Bubble::kDirections; d++) {
    Bubble* b = Neighbour(bomb, d);
    if (!b || b->isIndestructible()) continue;
    SetOff(bomb, b, k);
    k += 1;
  }
}

void LineBlast(Bubble* bomb) {
  const bool rising = bomb->colour == kLineBombRising;
  for (int32_t d : {rising ? 5 : 3, rising ? 2 : 0}) {
    Bubble* at = bomb;
    for (int32_t k = 1; k <= kWalkLimit; k++) {
      Bubble* next = Neighbour(at, d);
      if (!next || next->isIndestructible()) break;
      SetOff(bomb, next, k);
      at = next;
    }
  }
}

bool OnCentreRing(const Bubble* b) {
  return b->col >= -1 && b->col <= 1 && b->row >= -1 && b->row <= 1 && b->col != b->row;
}

}  // namespace

// ---- Popping ------------------------------------------------------------------------------

// Returns with the bubble alive (pop cancelled) for an indestructible bunch bubble outside a
// boss level; otherwise the bubble is dead and its bunch has been told.
void Bubble::popNow() {
  GameStatics* s = Statics<GameStatics>();
  if (!(flags & kFreeFlyer)) {
    s->cGame_lastPopX = pixelX;
    s->cGame_lastPopY = pixelY;
  }
  if (colour == kBomb) {
    Blast(this);
    cGame::releaseBubbleFromBunch(this);
    popEffect(1);
    s->cGame_bombPopCount += 1;
  } else if (colour == kLineBombRising || colour == kLineBombLevel) {
    if (bunch >= 0) LineBlast(this);
    cGame::releaseBubbleFromBunch(this);
    popEffect(1);
    s->cGame_bombPopCount += 1;
  } else if (colour >= kFirstPaint && colour <= kLastPaint) {
    if (bunch >= 0) hitFromDirection(flyOffX >> 16, flyOffY >> 16);
    cGame::releaseBubbleFromBunch(this);
    popEffect(0);
  } else if (colour >= kFirstUnlock && colour <= kLastUnlock) {
    if ((!s->cGame_levelOver || s->cGame_levelWon) && s->cGame_levelUnlockItem >= 0) {
      cGame::playSfx(kUnlockSound);
      cGame::startSlidingBanner(pixelX, pixelY, false);
    }
    cGame::releaseBubbleFromBunch(this);
    popEffect(1);
  } else {
    if (isIndestructible() && bunch >= 0 && s->cGame_levelKind() != kBossLevel) {
      popTimer = -1;
      return;
    }
    if (flags & kCompoundRoot) {
      for (int32_t d = 0; d < kDirections; d++) {
        Bubble* b = Neighbour(this, d);
        if (b && b->bunch >= 0) cGame::releaseBubbleFromBunch(b);
      }
    }
    cGame::releaseBubbleFromBunch(this);
    popEffect(0);
  }
  flags |= kDead;
  if (bunchBefore < 0) {
    cGame::countSpecialBubble(this);
    return;
  }
  cGame::releaseBunch(bunchBefore);
  if (cGame_CBubbleBunch* b = cGame::getBunch(bunchBefore)) {
    if (b->type == kCentreRingBunch && OnCentreRing(this)) {
      b->timer = b->counter = IntArray::get(s->cGame_levelParams, kCentreRingParam);
    } else if (b->type == kCarriedBunch) {
      b->timer = 0;
    }
  }
  cGame::countSpecialBubble(this);
}

// t = n * 1000 / 16 ms; a deadline already due at or before t stays.
void Bubble::schedulePop(int32_t n, bool stop) {
  if (flags & kNeverPops) return;
  Bubble* root = Root(this);
  if (root != this) {
    root->schedulePop(n, stop);
    return;
  }
  Statics<GameStatics>()->cGame_popsPending = 1;
  const int32_t t = n * 1000 / 16;
  if (flags & kHiddenColour) {
    appearance = kRevealedLooks;
    startAppearanceChange(0);
    flags &= ~kHiddenColour;
  }
  if (popTimer >= 0 && popTimer <= t) return;
  popTimer = t;
  if (stop) {
    vx = vy = 0;
    flags &= ~kFreeFlyer;
  }
}

// ---- Shakes and the paint bubble's sector --------------------------------------------------

// The shake's angle is 1024 units per turn, a sixth wide about the direction, turned with the
// bunch (its angle to the nearest whole degree).
void Bubble::startShake(int32_t dir, bool soft) {
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_levelType == 2 || s->cGame_levelType == 3) return;
  Bubble* root = Root(this);
  if (root != this) {
    root->startShake(dir, soft);
    return;
  }
  shakeAngle = cGame::rand(170) + dir * 170 - 85;
  cGame_CBubbleBunch* b = bunch >= 0 ? cGame::getBunch(bunch) : nullptr;
  if (b && b->angle != 0) {
    shakeAngle += static_cast<int32_t>(int64_t{(b->angle + 128) >> 8} * 1024 / 360);
  }
  shakeStrength = soft ? cGame::randRange(6, 12) : cGame::randRange(12, 24);
  shakeFramesLeft = shakeFrames = cGame::randRange(6, 8);
}

// The sector (of six, 256 steps per turn) that the hit came from names five cell steps.
void Bubble::hitFromDirection(int32_t dx, int32_t dy) {
  GameStatics* s = Statics<GameStatics>();
  const int32_t a = cGame::fixAtan2(dx, dy);
  int32_t sector = JavaDiv(a * 6, s->cGame_fixFull);
  if (sector == 6) sector = 0;
  Object** entry = ObjectArray::slot(s->Bubble_sectorOffsets, sector, "Bubble::hitFromDirection");
  auto* offsets = entry ? static_cast<IntArray*>(*entry) : nullptr;
  if (!NullCheck(offsets)) return;
  bool changed = false;
  for (int32_t k = 0; k < kSectorCells; k++) {
    const int32_t c = col + IntArray::get(offsets, 2 * k);
    const int32_t r = row + IntArray::get(offsets, 2 * k + 1);
    Bubble* b = cGame::findBubbleInBunch(bunch, c, r);
    if (!b || !b->isMatchable()) continue;
    b->colour = colour - kFirstPaint;
    b->startAppearanceChange(0);
    changed = true;
  }
  if (changed) cGame::playSfx(kPaintSound);
}
