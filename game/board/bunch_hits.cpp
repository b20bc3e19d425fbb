// A bunch acted on as a whole: a member leaving it, a burst that scatters every member, a
// handle shot off, the bunch re-anchored on an attachment, nudged and pushed, and a catcher
// driven out by a shot. Each keeps the member list, bunchBubbleTotal, the handles and the key
// bubble in step: a bubble names a bunch only while that bunch's list holds it.
#include <algorithm>

#include "game/board/actor.h"
#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"

namespace {

constexpr int32_t kFreedPoints = 200;  // a freed attachment, handle, burst or burst member
constexpr int32_t kSpent = 39;         // a spent special: it dies as it leaves
constexpr int32_t kTiedToObject = 36;
constexpr int32_t kPiercing = 28;  // colours besides the anchor's that free a handle
constexpr int32_t kBomb = 7;
constexpr int32_t kHandleEnds = 5;         // a handle actor's closing animation
constexpr int32_t kPressureBurst = 20000;  // ms a type-4 bunch is pressed before it bursts
constexpr int32_t kColumn = 37;            // px between handle columns
constexpr int32_t kEdgeBand = 18;          // px the catcher's band reaches past its rectangles
constexpr int32_t kCatcherSteps = 2;       // 74-px steps a catcher can be driven out
constexpr int32_t kCatcherEase = 1000;     // ms of easing to the new step
constexpr int32_t kHardPush = 8;           // a type-0 bunch that lost its handles
constexpr int32_t kSoftPush = 2;
constexpr int32_t kLooseSpin = 128;  // 8.8 degrees per second

Bubble* Member(cGame_CBubbleBunch* bunch, int32_t i) {
  return static_cast<Bubble*>(bunch->bubbles->elements()[i]);
}

cActor* Decoration(cGame_CBubbleBunch* bunch, int32_t i) {
  ObjectArray* actors = bunch->decorations;
  if (!actors || i < 0 || i >= actors->length) return nullptr;
  return static_cast<cActor*>(actors->elements()[i]);
}

// A released or burst bubble pops 2..7 sixteenths of a second later: one step of the game
// generator, its upper bits taken modulo 6, so the delay is never negative.
void PopSoon(Bubble* bubble) {
  bubble->schedulePop(cGame::rand(6) + 2, false);
}

// Takes the bubble out of the member list, the last member taking its place; false when the
// list does not hold it.
bool RemoveMember(cGame_CBubbleBunch* bunch, Bubble* bubble) {
  const int32_t count = cGame::bunchMemberCount(bunch);
  for (int32_t i = 0; i < count; i++) {
    if (Member(bunch, i) != bubble) continue;
    bunch->bubbles->elements()[i] = bunch->bubbles->elements()[count - 1];
    bunch->bubbles->elements()[count - 1] = nullptr;
    bunch->count = static_cast<int16_t>(count - 1);
    return true;
  }
  return false;
}

// The kinds that outlive a burst as an empty slot, their own rule ending them later.
bool KeepsSlotOnBurst(const cGame_CBubbleBunch* bunch) {
  const int32_t bossKind = Statics<GameStatics>()->cGame_bossKind;
  switch (bunch->type) {
    case 1:
    case 5:
    case 6:
    case 12:
      return true;
    case 4:
      return bunch->counter < kPressureBurst;
    case 8:
      return bossKind != 1;
    default:
      return false;
  }
}

// A type-1 bunch steps back by its speed and rests there.
void StopFalling(cGame_CBubbleBunch* bunch) {
  bunch->centreY -= bunch->vy;
  bunch->vy = 0;
  bunch->restY = bunch->centreY;
}

}  // namespace

// ---- Leaving a bunch ----------------------------------------------------------------------

// The list entry goes whether or not the bubble flies: the total falls only for an entry the
// list held, so it stays the sum of the members.
void cGame::releaseBubbleFromBunch(Bubble* bubble) {
  if (!NullCheck(bubble) || bubble->bunch < 0) return;
  GameStatics* s = Statics<GameStatics>();
  const int32_t b = bubble->bunch;
  cGame_CBubbleBunch* bunch = getBunch(b);
  if (!bunch) {
    bubble->bunch = Bubble::kLoose;
    return;
  }
  s->cGame_boardChanged = 1;
  const bool dies = bubble->colour == kSpent;
  if (bubble->isIndestructible()) bunch->indestructibleCount -= 1;
  const bool key = (bubble->flags & Bubble::kKey) != 0;
  if (key && bunch->handleCount < 1 && bunch->type != 12) {
    burstBunch(b, false);
  } else {
    if (key) pickBunchAttachment(b);
    if (!dies) {
      if (bunch->type == 12) {
        bubble->vx += (bubble->x - bunch->centreX) >> 2;
        bubble->vy += (bubble->y - bunch->centreY) >> 1;
      } else {
        bubble->vx += (bubble->x - bunch->centreX) * 2;
        bubble->vy += (bubble->y - bunch->centreY) * 2;
      }
      bubble->flags |= Bubble::kFreeFlyer;
    }
    if (RemoveMember(bunch, bubble)) s->cGame_bunchBubbleTotal -= 1;
    if (bunch->core == bubble) bunch->core = nullptr;  // a core with no attachment to move to
    if (bubble->flags & Bubble::kAttachment) {
      removeBunchAttachment(bubble, true);
      if (addScore(kFreedPoints, true)) s->cGame_burstCount += 1;
    }
  }
  bubble->unlinkNeighbours();
  if (bunch->type == 2) refreshCoreAnimations(b);
  bubble->bunch = Bubble::kLoose;
  if (dies) {
    bubble->flags |= Bubble::kDead;
    PopSoon(bubble);
  }
}

// ---- Bursts -------------------------------------------------------------------------------

void cGame::burstBunch(int32_t b, bool silent) {
  GameStatics* s = Statics<GameStatics>();
  cGame_CBubbleBunch* bunch = getBunch(b);
  if (!bunch || !bunch->inUse) return;
  const bool scoring = s->cGame_levelType != 3 && s->cGame_bossKind != 3 && !silent;
  if (scoring && addScore(kFreedPoints, false)) s->cGame_burstCount += 1;
  int32_t scored = 0;
  for (int32_t i = 0; i < bunchMemberCount(bunch); i++) {
    Bubble* bubble = Member(bunch, i);
    if (!bubble) continue;
    if (scoring && bubble->popTimer < 0) {
      s->cGame_droppedBubbleCount += 1;
      addScore(kFreedPoints, false);
      scored += 1;
    }
    bubble->bunch = Bubble::kLoose;
    bubble->unlinkNeighbours();
    bubble->vx = (bubble->x - bunch->centreX) * 2;
    bubble->vy = (bubble->y - bunch->centreY) * 2;
    bubble->flags |= Bubble::kFreeFlyer;
    PopSoon(bubble);
    if (bubble->colour == kTiedToObject && !s->cGame_levelOver) {
      destroyLevelObject(bubble->objectIndex);
    }
  }
  if (scoring) checkComboAward(scored);
  if (!silent && KeepsSlotOnBurst(bunch)) {
    removeBunchBubbles(b);
  } else {
    clearBunch(b, silent);
  }
  countDownGoal(b);
}

void cGame::burstAllBunches(bool silent) {
  for (int32_t b = 0; b < cGame_CBubbleBunch::kSlots; b++) burstBunch(b, silent);
}

// ---- Handles ------------------------------------------------------------------------------

// A handle index that is not one of the bunch's handles (the main handle with no attachment
// to move to) bursts the bunch as if it had none.
void cGame::hitBunchHandle(int32_t b, int32_t h, int32_t colour) {
  GameStatics* s = Statics<GameStatics>();
  cGame_CBubbleBunch* bunch = getBunch(b);
  if (!bunch) return;
  if (colour != s->cGame_anchorPalette && colour != kPiercing && colour != kBomb) {
    bunch->dropPending = 1;
    return;
  }
  if (bunch->handleCount > 0 && h == -1) h = pickBunchAttachment(b);
  IntArray* handles = bunch->handles;
  const int32_t count = handles ? std::min(bunch->handleCount, handles->length) : 0;
  if (h >= 0 && h < count) {
    cActor::setAnimation(Decoration(bunch, h), kHandleEnds, cActor::kModeOnce, true);
    if (Bubble* freed = findBubbleInBunch(b, handles->elements()[h], 0)) {
      freed->flags &= ~Bubble::kAttachment;
    }
    const int32_t last = count - 1;
    handles->elements()[h] = handles->elements()[last];
    if (bunch->decorations && last < bunch->decorations->length) {
      bunch->decorations->elements()[h] = bunch->decorations->elements()[last];
    }
    bunch->handleCount = last;
    if (addScore(kFreedPoints, false)) s->cGame_burstCount += 1;
  } else {
    burstBunch(b, false);
  }
  s->cGame_handleHitCount += 1;
}

// The chosen bubble lands on cell (0, 0) (the core's cell) and the centre on it, so no
// member moves on the screen. The handle that comes to column 0 keeps it, its actor at the
// new centre.
int32_t cGame::pickBunchAttachment(int32_t b) {
  cGame_CBubbleBunch* bunch = getBunch(b);
  Bubble* chosen = nullptr;
  for (int32_t i = bunchMemberCount(bunch) - 1; i >= 0 && !chosen; i--) {
    Bubble* bubble = Member(bunch, i);
    if (bubble && (bubble->flags & Bubble::kAttachment)) chosen = bubble;
  }
  if (!chosen) return -1;
  Bubble* old = bunch->core;
  setBunchCentre(b, chosen->x, chosen->y);
  const int32_t dc = -chosen->col, dr = -chosen->row;
  for (int32_t i = 0; i < bunchMemberCount(bunch); i++) {
    if (Bubble* bubble = Member(bunch, i)) {
      bubble->col += dc;
      bubble->row += dr;
    }
  }
  int32_t result = -1;
  IntArray* handles = bunch->handles;
  const int32_t count = handles ? std::min(bunch->handleCount, handles->length) : 0;
  for (int32_t h = 0; h < count; h++) {
    handles->elements()[h] += dc;
    if (handles->elements()[h] != 0) continue;
    result = h;
    cActor::setPosition(Decoration(bunch, h),
                        (bunch->centreX >> 16) + handles->elements()[h] * kColumn,
                        bunch->centreY >> 16);
  }
  if (old) {
    old->flags &= ~Bubble::kKey;
    old->flags |= Bubble::kAttachment;
  }
  chosen->flags |= Bubble::kKey;
  chosen->flags &= ~Bubble::kAttachment;
  bunch->core = chosen;
  return result;
}

// ---- Nudges and pushes --------------------------------------------------------------------

// A sideways nudge swings the anchor (animation 7 left, 6 right), which then loops its
// variant again.
void cGame::nudgeBunch(int32_t b, int32_t dx, int32_t dy, int32_t dvx, int32_t dvy) {
  GameStatics* s = Statics<GameStatics>();
  cGame_CBubbleBunch* bunch = getBunch(b);
  if (!bunch || s->cGame_levelType == 2 || s->cGame_levelType == 3) return;
  bunch->restY += dy;
  bunch->vy += dvy;
  if (s->cGame_levelType == 5) return;
  bunch->restX += dx;
  bunch->vx += dvx;
  if (dx == 0 || !bunch->anchor) return;
  cActor::setAnimation(bunch->anchor, dx < 0 ? 7 : 6, cActor::kModeNotifyOnce, true);
  cActor::setNextAnim(bunch->anchor, bunch->variant, cActor::kModeLoop);
}

// A type-0 bunch gives way along the push (sin1024 is 16.16, so twice or eight times that in
// pixels) and rests there; a pair of type 1 stop falling where they are.
void cGame::pushBunch(int32_t b, int32_t px, int32_t py) {
  GameStatics* s = Statics<GameStatics>();
  cGame_CBubbleBunch* bunch = getBunch(b);
  if (!bunch) return;
  switch (bunch->type) {
    case 0: {
      const int32_t a = atan2To1024(py, px);
      int32_t sn = sin1024(a), cs = sin1024(a + 256);
      if (bunch->handleCount < 1 && bunch->hadHandles) {
        sn *= kHardPush;
        cs *= kHardPush;
        bunch->spin = cs >= 1 ? kLooseSpin : -kLooseSpin;
      } else {
        sn *= kSoftPush;
        cs *= kSoftPush;
      }
      bunch->vx = bunch->vy = 0;
      nudgeBunch(b, (bunch->centreX - bunch->restX) - cs, (bunch->centreY - bunch->restY) - sn, 0,
                 0);
      break;
    }
    case 1: {
      StopFalling(bunch);
      cGame_CBubbleBunch* partner = getBunch(bunch->partner);
      if (partner && partner->inUse) StopFalling(partner);
      break;
    }
    case 4:
      if (s->cGame_bossKind != 3) bunch->skipSpin = 1;
      break;
    case 6:
      bunch->skipSpin = 1;
      break;
    default:
      break;
  }
}

// ---- The catcher --------------------------------------------------------------------------

namespace {

// Frame rectangle r of the anchor's current animation frame, offset by the anchor: left, top,
// right, bottom in pixels, edges included.
struct Box {
  int32_t left, top, right, bottom;
  bool holds(int32_t x, int32_t y) const {
    return x >= left && x <= right && y >= top && y <= bottom;
  }
};

Box AnchorRect(cActor* anchor, int32_t r) {
  IntArray* rect = Statics<GameStatics>()->cGame_rectScratch;
  if (!cActor::getFrameRect(anchor, r, rect)) return {0, 0, -1, -1};
  const int32_t* e = rect->elements();
  return {e[0], e[1], e[0] + e[2], e[1] + e[3]};
}

// The catcher's body (rectangle 2), and a band over rectangle 1's rows from rectangle 3's
// left edge to rectangle 2's left edge plus rectangle 3's width, 18 px wider on each side.
bool CatcherHit(cActor* anchor, int32_t x, int32_t y) {
  if (!anchor) return false;
  const Box body = AnchorRect(anchor, 2);
  if (body.holds(x, y)) return true;
  const Box rows = AnchorRect(anchor, 1);
  const Box arm = AnchorRect(anchor, 3);
  const Box band{arm.left - kEdgeBand, rows.top, body.left + (arm.right - arm.left) + kEdgeBand,
                 rows.bottom};
  return band.holds(x, y);
}

}  // namespace

bool cGame::shotHitsType5Bunch(int32_t x, int32_t y) {
  for (int32_t b = 0; b < cGame_CBubbleBunch::kSlots; b++) {
    cGame_CBubbleBunch* bunch = getBunch(b);
    if (!bunch || !bunch->inUse || bunch->type != 5) continue;
    cActor* anchor = bunch->anchor;
    if (!CatcherHit(anchor, x >> 16, y >> 16)) continue;
    if (bunch->pushSteps < kCatcherSteps && bunch->ropeLength < 0) {
      const bool left = bunch->facing == 2;
      bunch->pushSteps += 1;
      bunch->timer2 = 0;
      bunch->timer3 = kCatcherEase;
      bunch->easeFromX = anchor->x;
      cActor::setAnimation(anchor, left ? 6 : 14, cActor::kModeNotifyOnce, true);
      cActor::setEvent(anchor, left ? 69 : 70);
    }
    return true;
  }
  return false;
}
