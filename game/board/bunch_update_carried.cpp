// The bunches carried by their animated anchors: the hub that mends the ring round its core
// (type 2), the holder whose next placement ring is surveyed whenever the board changes
// (type 3) and the carrier at the screen edge that holds and throws a bubble (type 5). Each
// follows a frame rectangle of its anchor's current frame.
#include <algorithm>

#include "game/board/actor.h"
#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/board/bunch_rules.h"
#include "game/board/hex_ring.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/trace.h"

namespace bunch_rules {

namespace {

GameStatics* S() {
  return Statics<GameStatics>();
}

// Centre and rest point at the corner of rectangle r of the anchor's frame.
void FollowAnchorRect(int32_t b, cActor* anchor, int32_t r) {
  int32_t x = 0, y = 0;
  if (FrameRectCorner(anchor, r, &x, &y)) cGame::setBunchCentre(b, x * kPx, y * kPx);
}

// ---- Type 2: the hub's ring -------------------------------------------------------------------

constexpr int32_t kSpokes = 6;
constexpr int32_t kBlinkTime = 3000;  // ms before a mend that the spoke blinks
constexpr int32_t kMendLook = 39;     // the appearance a mended cell's new bubble starts from
constexpr int32_t kRecolourSound = 16;

cActor* Spoke(cGame_CBubbleBunch* bunch, int32_t k) {
  ObjectArray* spokes = bunch->decorations;
  return spokes && k < spokes->length ? static_cast<cActor*>(spokes->elements()[k]) : nullptr;
}

Bubble* RingBubble(Bubble* core, int32_t k) {
  ObjectArray* links = core->neighbours;
  return links && k < links->length ? static_cast<Bubble*>(links->elements()[k]) : nullptr;
}

// Ring cell k wants colourB when ropeLength + k is odd, else colourA.
int32_t WantedColour(const cGame_CBubbleBunch* bunch, int32_t k) {
  return (bunch->ropeLength + k) % 2 != 0 ? bunch->colourB : bunch->colourA;
}

// From direction `phase` round: the first empty ring cell, else the first of the wrong
// colour; -1 when the ring is complete.
int32_t CellToMend(cGame_CBubbleBunch* bunch, Bubble* core) {
  const int32_t from = ((bunch->phase % kSpokes) + kSpokes) % kSpokes;
  for (int32_t i = 0; i < kSpokes; i++) {
    const int32_t k = (from + i) % kSpokes;
    if (!RingBubble(core, k)) return k;
  }
  for (int32_t i = 0; i < kSpokes; i++) {
    const int32_t k = (from + i) % kSpokes;
    if (RingBubble(core, k)->colour != WantedColour(bunch, k)) return k;
  }
  return -1;
}

// A wrong colour changes to the wanted one; an empty cell takes a new bubble from the pool
// (none free: it stays empty).
void Mend(int32_t b, cGame_CBubbleBunch* bunch, Bubble* core, int32_t k) {
  GameStatics* s = S();
  const int32_t wanted = WantedColour(bunch, k);
  if (Bubble* wrong = RingBubble(core, k)) {
    wrong->colour = wanted;
    wrong->startAppearanceChange(1);
    cGame::refreshCoreAnimations(b);
    if (s->cGame_soundEffectsOn()) cGame::playSound(kRecolourSound, 1);
  } else if (Bubble* fresh = Bubble::allocate()) {
    fresh->appearance = kMendLook;
    fresh->colour = wanted;
    fresh->startAppearanceChange(1);
    cGame::placeBubbleInBunch(fresh, core, k);
    fresh->syncPixelPosition();
    fresh->updateGridCell();
  } else {
    return;
  }
  DebugLog("bunch %d mend", b);
}

}  // namespace

// Every pause before a mend is levelParams[8] shorter than the one before while it is longer
// than that; a complete ring holds the pause at levelParams[7].
void HubRule(int32_t b, cGame_CBubbleBunch* bunch) {
  if (cActor* hub = bunch->anchor) {
    FollowAnchorRect(b, hub, 1);
    int32_t x = 0, y = 0;
    if (FrameRectCorner(hub, 0, &x, &y)) {
      for (int32_t k = 0; k < kSpokes; k++) cActor::setPosition(Spoke(bunch, k), x, y);
    }
  }
  Bubble* core = bunch->core;
  if (!core) return;
  const int32_t k = CellToMend(bunch, core);
  if (k < 0) {
    bunch->timer = bunch->counter = LevelParam(7);
    return;
  }
  bunch->phase = k;
  bunch->timer -= FrameTime();
  if (bunch->timer < kBlinkTime) {
    const bool lit = (bunch->timer & 511) < 256;
    cActor::setPalette(Spoke(bunch, k), lit ? WantedColour(bunch, k) + 1 : 0);
  }
  if (bunch->timer > 0) return;
  Mend(b, bunch, core, k);
  const int32_t shrink = LevelParam(8);
  if (bunch->counter > shrink) bunch->counter -= shrink;
  bunch->timer = bunch->counter;
}

// ---- Type 3: the holder's next ring ---------------------------------------------------------

namespace {

constexpr int32_t kRings = 12;

// The placement count: levelParams[9], levelParams[10] per ring beyond the first, and
// timer3 / levelParams[11] (no such term for a divisor of 0 or less).
int32_t PlacementCount(const cGame_CBubbleBunch* bunch, int32_t ring) {
  const int32_t divisor = LevelParam(11);
  return LevelParam(9) + (ring - 1) * LevelParam(10) + (divisor > 0 ? bunch->timer3 / divisor : 0);
}

}  // namespace

// At the first ring holding an empty cell inside the play area: that ring, unless one such
// cell is blocked by another bunch (then none, phase 0).
void HolderRule(int32_t b, cGame_CBubbleBunch* bunch) {
  GameStatics* s = S();
  FollowAnchorRect(b, bunch->anchor, 0);
  if (!s->cGame_boardChanged) return;
  s->cGame_boardChanged = 0;
  for (int32_t ring = 1; ring <= kRings; ring++) {
    bool open = false, blocked = false;
    hex_ring::ForEachCell(ring, [&](int32_t col, int32_t row) {
      if (cGame::findBubbleInBunch(b, col, row) || !cGame::isCellInPlayArea(b, col, row)) return;
      open = true;
      blocked = blocked || !cGame::isCellClearOfOtherBunches(b, col, row);
    });
    if (!open) continue;
    bunch->phase = blocked ? 0 : ring;
    if (!blocked) bunch->counter = PlacementCount(bunch, ring);
    return;
  }
  bunch->phase = 0;
}

// ---- Type 5: the carrier ----------------------------------------------------------------------

namespace {

constexpr int32_t kCarrierY = 360;       // px
constexpr int32_t kOffEdge = 40;         // px beyond the screen edge at rest
constexpr int32_t kPushStep = 74;        // px per step a hit drives it out
constexpr int32_t kComeBackTime = 6000;  // ms per step back
constexpr int32_t kEaseTime = 1000;      // ms
constexpr int32_t kIdleTime = 5000;      // ms between draws of the idle animation
constexpr int32_t kIdleLooks = 3;
constexpr int32_t kWonSound = 30;

// Its animations by side: three idle ones, the push reaction, the end of a won level.
struct CarrierSet {
  int32_t idle, pushed, won, reactionEnd;
};
CarrierSet SetOf(const cGame_CBubbleBunch* bunch) {
  return bunch->facing == 2 ? CarrierSet{3, 6, 7, 69} : CarrierSet{11, 14, 15, 70};
}

// Where the carrier stands: out past its edge by its push steps, eased from where the last
// change found it over 1000 ms.
int32_t CarrierX(cGame_CBubbleBunch* bunch, int32_t dt) {
  const int32_t out = kOffEdge + bunch->pushSteps * kPushStep;
  const int32_t target = bunch->facing == 2 ? -out : S()->cGame_screenWidth() + out;
  if (bunch->timer3 <= 0) return target;
  const int32_t x = static_cast<int32_t>(target + (int64_t{bunch->easeFromX} - target) *
                                                      bunch->timer3 / kEaseTime);
  bunch->timer3 -= dt;
  return x;
}

// The held bubble goes once rectangle 0 lies wholly on the carrier's outer side.
void ThrowWhenSwungOut(int32_t b, cGame_CBubbleBunch* bunch, cActor* carrier) {
  int32_t left = 0, right = 0;
  if (bunch->ropeLength < 0 || !FrameRectSpan(carrier, 0, &left, &right)) return;
  if (bunch->facing == 2 ? right >= 0 : left <= 0) return;
  cGame::throwBubbleFromBunch(b, bunch->ropeLength);
  bunch->ropeLength = -2;
}

// The reaction to a push ends with its end event; an idle carrier changes its look every
// 5000 ms; after a won level it plays its end animation once, with its sound.
void Animate(cGame_CBubbleBunch* bunch, cActor* carrier, int32_t dt) {
  GameStatics* s = S();
  const CarrierSet set = SetOf(bunch);
  const int32_t anim = cActor::getAnim(carrier);
  if (s->cGame_levelWon) {
    if (anim == set.won) return;
    cActor::setAnimation(carrier, set.won, cActor::kModeNotifyOnce, true);
    if (s->cGame_soundEffectsOn()) cGame::playSound(kWonSound, 1);
    return;
  }
  if (cGame::consumeEvent(set.reactionEnd)) {
    cActor::setAnimation(carrier, set.idle, cActor::kModeLoop, true);
  }
  bunch->timer += dt;
  if (bunch->timer < kIdleTime) return;
  bunch->timer = 0;
  if (anim < set.idle || anim >= set.idle + kIdleLooks) return;
  cActor::setAnimation(carrier, set.idle + cGame::getRandom(0, kIdleLooks), cActor::kModeLoop,
                       false);
}

}  // namespace

void CarrierRule(int32_t b, cGame_CBubbleBunch* bunch) {
  cActor* carrier = bunch->anchor;
  if (!carrier) return;
  const int32_t dt = FrameTime();
  if (bunch->pushSteps > 0) {
    bunch->timer2 += dt;
    if (bunch->timer2 >= kComeBackTime) {
      bunch->timer2 = 0;
      bunch->pushSteps -= 1;
      bunch->timer3 = kEaseTime;
      bunch->easeFromX = carrier->x;
    }
  }
  cActor::setPosition(carrier, CarrierX(bunch, dt), kCarrierY);
  FollowAnchorRect(b, carrier, 0);
  ThrowWhenSwungOut(b, bunch, carrier);
  Animate(bunch, carrier, dt);
}

}  // namespace bunch_rules
