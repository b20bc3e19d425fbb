// A shot's landing: a lock or a catcher takes or throws back the shot, any other bunch files it
// beside the bubble it hit; its new neighbours react by kind, a flood of its colour of three
// or more pops in flood order and scores, and what no longer hangs on the bunch drops. Every
// bubble that leaves a bunch goes through releaseBubbleFromBunch, which keeps the lists true.
#include <algorithm>

#include "game/board/actor.h"
#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/java_arith.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kPx = 1 << 16;
constexpr int32_t kShotLands = 21;         // event posted by every landing
constexpr int32_t kPopEnded = 26;          // event of a pop animation's end
constexpr int32_t kKeepQueued = 0x200;     // an event entry that stays when consumed
constexpr int32_t kSoundTaken = 26;        // a lock or catcher took the shot
constexpr int32_t kSoundLanded = 16;       // a landing that popped nothing; a joker's change
constexpr int32_t kSoundPopped = 15;       // a landing that started a pop
constexpr int32_t kHiddenLook = 42;        // the appearance of a hidden colour
constexpr int32_t kSettleMatchable = 500;  // ms of calm after a matchable shot lands
constexpr int32_t kSettleOther = 1250;
constexpr int32_t kRefusalTime = 1000;           // ms a lock refuses shots after a wrong colour
constexpr int32_t kThrownBack = -2;              // a catcher's colour once it has thrown
constexpr int32_t kFallSpeed = 0x940000;         // 148 px/s: a shot freed by a type-15 bunch
constexpr int32_t kSecondBunchReach = 0x4A0000;  // 74 px (Manhattan) to a second bunch
constexpr int32_t kMatch = 3;
constexpr int32_t kBigMatch = 5;
constexpr int32_t kBigMatchAward = 2;  // earned by the third big match of a level
constexpr int32_t kMatchNudge = 12 * kPx;
constexpr int32_t kDropPoints = 200;
constexpr int32_t kMatchPoints = 200;

// Kinds of colour (game/board/bubble.h lists the board's kinds).
constexpr int32_t kLineBombLast = 9;  // 7 bomb, 8 and 9 line bombs
constexpr int32_t kPopsOnLanding = 12;
constexpr int32_t kTurnsToSpender = 13;
constexpr int32_t kColourBombFirst = 14;
constexpr int32_t kColourBombLast = 20;
constexpr int32_t kPaintFirst = 21;
constexpr int32_t kPaintLast = 27;
constexpr int32_t kTargetFirst = 29;
constexpr int32_t kTargetLast = 35;
constexpr int32_t kTiedToObject = 36;
constexpr int32_t kUnlockFirst = 37;
constexpr int32_t kUnlockLast = 38;
constexpr int32_t kSpent = 39;
constexpr int32_t kSpender = 40;

bool IsBomb(int32_t colour) {
  return colour >= 7 && colour <= kLineBombLast;
}
bool IsUnlock(int32_t colour) {
  return colour >= kUnlockFirst && colour <= kUnlockLast;
}
bool IsPaint(int32_t colour) {
  return colour >= kPaintFirst && colour <= kPaintLast;
}

Bubble* Neighbour(const Bubble* bubble, int32_t d) {
  if (!bubble || !bubble->neighbours || d < 0 || d >= bubble->neighbours->length) return nullptr;
  return static_cast<Bubble*>(bubble->neighbours->elements()[d]);
}

Bubble* Member(cGame_CBubbleBunch* bunch, int32_t i) {
  return static_cast<Bubble*>(bunch->bubbles->elements()[i]);
}

cActor* Decoration(cGame_CBubbleBunch* bunch, int32_t i) {
  ObjectArray* actors = bunch->decorations;
  if (!actors || i < 0 || i >= actors->length) return nullptr;
  return static_cast<cActor*>(actors->elements()[i]);
}

// A colour copied from another bubble brings that bubble's flags less the flood marks; the
// receiver keeps its own key, attachment and indestructible bits, which its bunch's core,
// handles and counters follow.
void TakeColourAndFlags(Bubble* to, const Bubble* from, int32_t dropped) {
  constexpr int32_t kOwn = Bubble::kKey | Bubble::kAttachment | Bubble::kIndestructible;
  to->colour = from->colour;
  to->flags = (from->flags & ~(dropped | kOwn)) | (to->flags & kOwn) | Bubble::kNeedsRepaint;
  to->startAppearanceChange(0);
  cGame::playSfx(kSoundLanded);
}

// ---- The lock and the catcher -------------------------------------------------------------

// Orientation 0 takes shots on sides 4 and 5, 1 on 5 and 0, 2 on 4 and 3; any other on all.
bool LockTakesSide(int32_t facing, int32_t side) {
  switch (facing) {
    case 0:
      return side == 4 || side == 5;
    case 1:
      return side == 5 || side == 0;
    case 2:
      return side == 4 || side == 3;
    default:
      return true;
  }
}

// A refused shot falls away at four times its offset from the bunch centre.
void ThrowBack(Bubble* shot, const cGame_CBubbleBunch* bunch) {
  shot->vx = (shot->x - bunch->centreX) * 4;
  shot->vy = (shot->y - bunch->centreY) * 4;
  shot->flags |= Bubble::kFreeFlyer;
}

// The lock is ready once it has opened a phase, its shown time is no longer ahead of its
// time, and its refusal time has run out.
void LandOnLock(Bubble* shot, cGame_CBubbleBunch* bunch, int32_t side) {
  shot->bunch = Bubble::kLoose;
  if (shot->flags & Bubble::kDead) return;
  const bool ready = bunch->phase >= 1 && bunch->timer2 <= bunch->timer && bunch->counter <= 0;
  if (!ready || !LockTakesSide(bunch->facing, side)) {
    ThrowBack(shot, bunch);
    return;
  }
  shot->flags |= Bubble::kDead;
  if (shot->colour != cActor::getAnim(Decoration(bunch, 1))) {
    bunch->counter = kRefusalTime;
    cActor::setAnimation(bunch->anchor, bunch->facing == 1 ? 8 : 17, cActor::kModeLoop, true);
    return;
  }
  bunch->timer = 0;
  cActor::setVisible(Decoration(bunch, 0), false);
  cActor::setVisible(Decoration(bunch, 1), false);
  cGame::playSfx(kSoundTaken);
}

// An empty catcher holds a colour below 0 other than the thrown mark.
void LandOnCatcher(Bubble* shot, cGame_CBubbleBunch* bunch) {
  shot->bunch = Bubble::kLoose;
  if (bunch->ropeLength >= 0 || bunch->ropeLength == kThrownBack) {
    ThrowBack(shot, bunch);
    return;
  }
  bunch->ropeLength = shot->colour;
  bunch->timer = 0;
  shot->flags |= Bubble::kDead;
  cGame::playSfx(kSoundTaken);
}

// ---- Attaching beside the hit bubble ------------------------------------------------------

// A cell off the play area's left edge turns to the next free side around the hit bubble,
// toward the shot's own height (off the right edge the other way round).
int32_t SideWithinPlayArea(cGame_CBubbleBunch* bunch, const Bubble* shot, const Bubble* hit,
                           int32_t side) {
  GameStatics* s = Statics<GameStatics>();
  Bubble::cellPosition(bunch, hit->col + Bubble::kNeighbourDx[side],
                       hit->row + Bubble::kNeighbourDy[side], true, true);
  const int32_t x = s->Bubble_cellX;
  if (x >= s->cGame_playLeft && x <= s->cGame_playRight) return side;
  const bool above = shot->y < hit->y;
  const bool left = x < s->cGame_playLeft;
  const int32_t turned = above == left ? (side + 1) % 6 : (side + 5) % 6;
  return Neighbour(hit, turned) ? side : turned;
}

// ---- The neighbours' reactions ------------------------------------------------------------

// What landing beside n does to n, by n's kind; true when n was a spender (40) released
// from its bunch, whose bunch then has to drop what hung on it.
bool ReactToLanding(Bubble* shot, Bubble* n, int32_t k, int32_t b) {
  GameStatics* s = Statics<GameStatics>();
  const bool sturdy = n->isIndestructible();
  if (!sturdy) n->startShake(k, false);
  for (int32_t objective = 0; objective < 3; objective++) {
    if ((n->flags & (0x20 << objective)) && s->cGame_currentObjective == objective) {
      ByteArray* flags = s->cGame_objectiveFlags;
      if (flags && objective < flags->length) flags->elements()[objective] = 1;
    }
  }
  if (n->flags & Bubble::kHiddenColour) {
    n->appearance = kHiddenLook;
    n->startAppearanceChange(0);
    n->flags &= ~Bubble::kHiddenColour;
  }
  const int32_t colour = n->colour;
  if (IsBomb(colour) || IsUnlock(colour) || IsPaint(colour)) {
    if (sturdy) return false;
    n->flyOffX = shot->flyOffX;
    n->flyOffY = shot->flyOffY;
    n->schedulePop(0, false);
  } else if (colour >= kColourBombFirst && colour <= kColourBombLast) {
    cGame_CBubbleBunch* bunch = cGame::getBunch(b);
    int32_t j = 0;
    for (int32_t i = 0; i < cGame::bunchMemberCount(bunch); i++) {
      Bubble* member = Member(bunch, i);
      if (member && member->colour == colour - kColourBombFirst && !member->isIndestructible()) {
        member->schedulePop(j++, true);
      }
    }
    n->schedulePop(0, false);
  } else if (colour == Bubble::kJoker) {
    if (shot->isMatchable()) TakeColourAndFlags(n, shot, Bubble::kVisited | Bubble::kClearedOnCopy);
  } else if (colour == kTurnsToSpender) {
    if (!sturdy) n->colour = kSpender;
  } else if (colour == kSpender) {
    cGame::spawnTrackedActor(n->pixelX, n->pixelY);
    n->colour = kSpent;
    cGame::releaseBubbleFromBunch(n);
    return true;
  } else if (colour == kPopsOnLanding) {
    if (!sturdy) n->schedulePop(0, false);
  } else if (colour == kTiedToObject) {
    cGame::hitLevelObject(n->objectIndex);
  } else if (colour >= kTargetFirst && colour <= kTargetLast) {
    if (!IsBomb(shot->colour)) {
      cGame::fillTargetSlot(n, Bubble::kOppositeDirection[k]);
      n->schedulePop(0, false);
    }
  }
  return false;
}

// The shot's own kind after the match: a bomb or unlock shot pops at once, a paint shot
// turns its neighbours to its colour first.
void ShotKindAfterLanding(Bubble* shot) {
  const int32_t colour = shot->colour;
  if (IsPaint(colour)) {
    for (int32_t d = 0; d < Bubble::kDirections; d++) {
      if (Bubble* n = Neighbour(shot, d)) {
        n->colour = colour - kPaintFirst;
        n->startAppearanceChange(0);
      }
    }
  }
  if (IsBomb(colour) || IsUnlock(colour) || IsPaint(colour)) shot->schedulePop(0, true);
}

}  // namespace

// ---- Landing ------------------------------------------------------------------------------

void cGame::onBubbleLanded(Bubble* shot, Bubble* hitBubble, int32_t b, int32_t side, int32_t col,
                           int32_t row) {
  if (!NullCheck(shot)) return;
  GameStatics* s = Statics<GameStatics>();
  postEvent(kShotLands);
  s->cGame_shotHasLanded = 1;
  s->cGame_landedShotCount += 1;
  s->cGame_landX = shot->pixelX;
  s->cGame_landY = shot->pixelY;
  s->cGame_popsPending = 0;
  s->cGame_settleTimer = shot->isMatchable() ? kSettleMatchable : kSettleOther;
  shot->flyOffX = shot->vx;
  shot->flyOffY = shot->vy;
  if (b < 0) return;
  cGame_CBubbleBunch* bunch = getBunch(b);
  if (!bunch) {
    DebugLog("cGame::onBubbleLanded: bubble %d lands on bunch %d, which is not there", shot->index,
             b);
    return;
  }
  if (side < 0 || side >= Bubble::kDirections) {
    const int32_t wrapped = (JavaRem(side, 6) + 6) % 6;
    DebugLog("cGame::onBubbleLanded: side %d taken as %d", side, wrapped);
    side = wrapped;
  }
  if (!hitBubble) {
    attachBubbleToBunch(shot, b, col, row);
  } else if (bunch->type == 7) {
    LandOnLock(shot, bunch, side);
    return;
  } else if (bunch->type == 5) {
    LandOnCatcher(shot, bunch);
    return;
  } else if (bunch->type == 15) {
    shot->bunch = Bubble::kLoose;
    shot->vx >>= 2;
    shot->vy = kFallSpeed;
    shot->flags |= Bubble::kFreeFlyer;
    return;
  } else {
    placeBubbleInBunch(shot, hitBubble, SideWithinPlayArea(bunch, shot, hitBubble, side));
  }
  shot->updateGridCell();

  int32_t touching = 0;
  int64_t sumX = 0, sumY = 0;
  bool spenderReleased = false;
  for (int32_t k = 0; k < Bubble::kDirections; k++) {
    Bubble* n = Neighbour(shot, k);
    if (!n) continue;
    touching += 1;
    sumX += n->x;
    sumY += n->y;
    spenderReleased |= ReactToLanding(shot, n, k, b);
  }
  if (touching == 0) return;
  applyHitToBunch(b, static_cast<int32_t>(sumX / touching), static_cast<int32_t>(sumY / touching),
                  shot->flyOffX, shot->flyOffY);

  if (shot->isMatchable()) {
    markConnectedBubbles(shot, shot->flyOffX);
  } else if (shot->colour == Bubble::kJoker) {
    if (Bubble* m = shot->neighbourTowardDirection()) {
      TakeColourAndFlags(shot, m,
                         Bubble::kCompoundRoot | Bubble::kVisited | Bubble::kClearedOnCopy);
      markConnectedBubbles(shot, shot->flyOffX);
    }
  }
  ShotKindAfterLanding(shot);

  if (s->cGame_popsPending == 0) {
    s->cGame_popStreak = 0;
    s->cGame_missStreak += 1;
  } else {
    s->cGame_missStreak = 0;
    s->cGame_popStreak += 1;
  }
  const int32_t hitSide = s->Bubble_hitSide;
  if (hitSide >= 0 && hitSide < Bubble::kDirections) {
    shot->startShake(Bubble::kOppositeDirection[hitSide], true);
  }
  if (spenderReleased) releaseBunch(b);
  playSfx(s->cGame_popsPending == 0 ? kSoundLanded : kSoundPopped);
}

// A type-3 holder plays its placement once (its end reported), then loops its look again.
void cGame::placeBubbleInBunch(Bubble* bubble, Bubble* nextTo, int32_t side) {
  if (!NullCheck(bubble) || !NullCheck(nextTo)) return;
  if (nextTo->bunch < 0) {
    DebugLog("cGame::placeBubbleInBunch: bubble %d is in no bunch", nextTo->index);
    return;
  }
  side = std::clamp(side, 0, Bubble::kDirections - 1);
  attachBubbleToBunch(bubble, nextTo->bunch, nextTo->col + Bubble::kNeighbourDx[side],
                      nextTo->row + Bubble::kNeighbourDy[side]);
  cGame_CBubbleBunch* bunch = getBunch(nextTo->bunch);
  if (!bunch || bunch->type != 3 || !bunch->anchor) return;
  cActor* holder = bunch->anchor;
  cActor::setAnimation(holder, 0, cActor::kModeNotifyOnce, true);
  const int32_t layer = holder->layer;
  cActor::removeFromLayer(holder);  // its depth changes: it goes back in at its new place
  holder->flags |= cActor::kKeepSorted;
  holder->z = 20;
  if (layer >= 0) cActor::insertIntoLayer(holder, layer);
  cActor::setNextAnim(holder, 1, cActor::kModeLoop);
}

// ---- Matching -----------------------------------------------------------------------------

// A second bunch joins the match through one bubble of the shot's colour within 74 px: the
// first such bubble of the bubbles in play, in a bunch other than the shot's.
void cGame::markConnectedBubbles(Bubble* shot, int32_t shotVx) {
  if (!NullCheck(shot)) return;
  GameStatics* s = Statics<GameStatics>();
  Bubble::clearVisitedAll();
  s->cGame_floodSerial = 0;
  int32_t n = 0;
  if (s->cGame_levelType == 8) {
    n = floodMarkBunch(shot, 0, shot->colour);
  } else {
    n = floodCount(shot, 1, 0, shot->colour);
    ObjectArray* active = s->Bubble_activeBubbles;
    if (countBunches(false) > 1 && active) {
      const int32_t live = std::min(s->Bubble_activeBubbleCount, active->length);
      for (int32_t i = 0; i < live; i++) {
        auto* other = static_cast<Bubble*>(active->elements()[i]);
        if (!other || other->bunch < 0 || other->bunch == shot->bunch) continue;
        if (other->colour != shot->colour || other->isIndestructible()) continue;
        if (other->flags & (Bubble::kDead | Bubble::kVisited)) continue;
        if (shot->manhattanDistanceTo(other) >= kSecondBunchReach) continue;
        n += floodCount(other, 1, 0, shot->colour);
        break;
      }
    }
  }
  cGame_CBubbleBunch* bunch = getBunch(shot->bunch);
  if (n < kMatch) {
    if (s->cGame_wallBounced && bunch && bunch->type == 0) {
      nudgeBunch(shot->bunch, shotVx >= 0 ? kMatchNudge : -kMatchNudge, 0, 0, 0);
    }
    return;
  }
  if (bunch) {
    bunch->landedCount -= 1;
    if (bunch->type == 0) {
      Bubble* hit = s->Bubble_hitBubble;
      const int32_t d = hit ? bunch->centreX - hit->x : 0;
      // A quarter of the offset per second: the push grows with how far off centre it hit.
      nudgeBunch(shot->bunch, d < 0 ? -kMatchNudge : kMatchNudge, 0, d / 4, 0);
    }
  }
  scoreMatch(n);
}

void cGame::scoreMatch(int32_t n) {
  GameStatics* s = Statics<GameStatics>();
  addScore(n * 100, false);
  s->cGame_poppedBubbleCount += n;
  ObjectArray* active = s->Bubble_activeBubbles;
  const int32_t live = active ? std::min(s->Bubble_activeBubbleCount, active->length) : 0;
  for (int32_t i = 0; i < live; i++) {
    auto* bubble = static_cast<Bubble*>(active->elements()[i]);
    if (bubble && (bubble->flags & Bubble::kVisited)) bubble->schedulePop(bubble->floodOrder, true);
  }
  s->cGame_matchCount += 1;
  if (n >= kBigMatch) {
    s->cGame_bigMatchCount += 1;
    if (isLevelTypeNot2() && s->cGame_bigMatchCount == 3) earnAward(kBigMatchAward);
  }
  addScore(kMatchPoints, false);
  if (n > s->cGame_bestMatchSize) {
    addScore((n - s->cGame_bestMatchSize) * kMatchPoints, false);
    s->cGame_bestMatchSize = n;
  }
}

// ---- Dropping -----------------------------------------------------------------------------

namespace {

// A type-12 member stands on an edge column when its column, counted from the bunch's left
// edge over rows that shift by half a column, is -6 or the row's last (5 even, 6 odd).
bool OnEdgeColumn(const Bubble* bubble, bool parityShift) {
  const int32_t r = bubble->row + (parityShift ? 1 : 0);
  const int32_t last = r % 2 == 0 ? 5 : 6;
  const int32_t c = bubble->col + (r >= 0 ? (r + 1) >> 1 : -((-r) >> 1));
  return c == -6 || c == last;
}

// Marks visited every member that still hangs: on an edge column (type 12) or on the core.
// False when nothing is to drop (a bunch without a core).
bool MarkHanging(int32_t b, cGame_CBubbleBunch* bunch) {
  GameStatics* s = Statics<GameStatics>();
  if (bunch->type == 12) {
    Bubble::clearVisitedAll();
    for (int32_t i = 0; i < cGame::bunchMemberCount(bunch); i++) {
      Bubble* bubble = Member(bunch, i);
      if (!bubble || (bubble->flags & (Bubble::kVisited | Bubble::kDead))) continue;
      if (!OnEdgeColumn(bubble, s->cGame_rowParityShift != 0)) continue;
      s->cGame_floodSerial = 0;
      cGame::floodCount(bubble, 0, 0, bubble->colour);
    }
    return true;
  }
  if (bunch->handleCount > 0) cGame::splitOffAnchoredPart(b);
  Bubble* core = bunch->core;
  if (!core) return false;
  Bubble::clearVisitedAll();
  s->cGame_floodSerial = 0;
  cGame::floodCount(core, 0, 0, core->colour);
  return true;
}

}  // namespace

// The walk reads the same entry again after a release, which moves the last member there;
// an entry that a release left in place is stepped over, so the walk always ends.
void cGame::releaseBunch(int32_t b) {
  GameStatics* s = Statics<GameStatics>();
  cGame_CBubbleBunch* bunch = getBunch(b);
  if (!bunch || (bunch->type == 4 && s->cGame_bossKind == 3)) return;
  if (!MarkHanging(b, bunch)) return;
  int32_t dropped = 0;
  for (int32_t i = 0; i < bunchMemberCount(bunch);) {
    Bubble* bubble = Member(bunch, i);
    if (!bubble || bubble->bunch != b || (bubble->flags & Bubble::kVisited)) {
      i++;
      continue;
    }
    if (bubble->popTimer < 0) {
      addScore(kDropPoints, false);
      dropped += 1;
      s->cGame_droppedBubbleCount += 1;
    }
    if (bubble->colour == kTiedToObject) destroyLevelObject(bubble->objectIndex);
    releaseBubbleFromBunch(bubble);
    if (i < bunchMemberCount(bunch) && Member(bunch, i) == bubble) i++;
  }
  checkComboAward(dropped);
}

// ---- Pop-end events -----------------------------------------------------------------------

void cGame::flushBubbleEvents() {
  GameStatics* s = Statics<GameStatics>();
  for (;;) {
    const int32_t i = findEvent(kPopEnded);
    if (i < 0) return;
    const bool kept = (s->cGame_eventQueue->elements()[i] & kKeepQueued) != 0;
    if (!kept) removeEvent(i);
    if (s->Bubble_popAnimCount == 1) s->cGame_popsPending = 0;
    s->Bubble_popAnimCount = std::max(0, s->Bubble_popAnimCount - 1);
    if (kept) return;
  }
}
