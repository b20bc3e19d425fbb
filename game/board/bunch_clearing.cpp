// Ending a bunch and its decorations: a bunch cleared back to a free slot (its anchor, handle
// and spoke actors ending by type), a side handle taken off, and the spokes of a hub bunch
// showing which of the core's sides hold a bubble of the colour they want.
#include <algorithm>

#include "game/board/actor.h"
#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"

namespace {

constexpr int32_t kHandleEnds = 5;         // the anchor's and a handle's closing animation
constexpr int32_t kHubEnds = 1;            // the hub's
constexpr int32_t kFirstSpokeEnd = 14;     // spoke d closes with 14 + d
constexpr int32_t kFirstSpokeFilled = 7;   // spoke d shows 7 + d with a neighbour, else d
constexpr int32_t kHolderEnds = 2;         // the type-3 anchor's
constexpr int32_t kBurstPressure = 20000;  // ms a type-4 bunch is pressed before it bursts

cActor* Decoration(cGame_CBubbleBunch* bunch, int32_t i) {
  ObjectArray* actors = bunch->decorations;
  if (!actors || i < 0 || i >= actors->length) return nullptr;
  return static_cast<cActor*>(actors->elements()[i]);
}

void EndDecorations(int32_t b, cGame_CBubbleBunch* bunch) {
  switch (bunch->type) {
    case 0:
      cActor::setAnimation(bunch->anchor, kHandleEnds, cActor::kModeOnce, true);
      if (ObjectArray* anchors = Statics<GameStatics>()->cGame_bunchClearedAnchors) {
        if (b < anchors->length) anchors->elements()[b] = bunch->anchor;
      }
      for (int32_t h = 0; h < bunch->handleCount; h++) {
        cActor::setAnimation(Decoration(bunch, h), kHandleEnds, cActor::kModeOnce, true);
      }
      break;
    case 2:
      cActor::setAnimation(bunch->anchor, kHubEnds, cActor::kModeOnce, true);
      for (int32_t d = 0; d < Bubble::kDirections; d++) {
        cActor::setAnimation(Decoration(bunch, d), kFirstSpokeEnd + d, cActor::kModeOnce, true);
      }
      break;
    case 3:
      cActor::setAnimation(bunch->anchor, kHolderEnds, cActor::kModeNotifyOnce, true);
      break;
    default:
      break;
  }
}

}  // namespace

// A slot that was never used has no decorations to end, and one not made yet (before the first
// board) nothing at all. The colour slots, the layout record's period and facing, and the
// angle survive clearing.
void cGame::clearBunch(int32_t b, bool silent) {
  cGame_CBubbleBunch* bunch = getBunch(b);
  if (!bunch) return;
  removeBunchBubbles(b);
  if (bunch->inUse) {
    if (!silent) EndDecorations(b, bunch);
    const bool pressedOut = bunch->type == 4 && bunch->counter >= kBurstPressure;
    const bool chainBossPart = bunch->type == 8 && Statics<GameStatics>()->cGame_bossKind == 1;
    if (!silent && (pressedOut || chainBossPart)) cActor::release(bunch->anchor);
  }
  bunch->partner = -1;
  bunch->timer = bunch->timer2 = bunch->timer3 = bunch->counter = 0;
  bunch->type = 0;
  bunch->inUse = 0;
  bunch->phase = bunch->ropeLength = bunch->pushSteps = bunch->easeFromX = 0;
  bunch->prevCount = bunch->prevLandedCount = 0;
  bunch->centreX = bunch->centreY = bunch->restX = bunch->restY = 0;
  bunch->vx = bunch->vy = 0;
  bunch->skipSpin = 0;
  bunch->variant = 0;
  bunch->anchor = bunch->topActor = nullptr;
  bunch->decorations = nullptr;
  bunch->fallSpeed = 0;
  bunch->dropPending = 0;
  bunch->sin = 0;
  bunch->cos = cGame_CBubbleBunch::kOne;
  bunch->spin = 0;
  bunch->stretch = 0;
  bunch->handleCount = 0;
  bunch->handles = nullptr;
  bunch->hadHandles = 0;
}

// The handle of the bubble's column (the first one) goes, its actor closing or released, and
// the last handle takes its place. A column that no handle has changes nothing: lowering the
// count all the same took it below 0, and the next handle was written before the array.
void cGame::removeBunchAttachment(Bubble* bubble, bool animate) {
  if (!NullCheck(bubble)) return;
  cGame_CBubbleBunch* bunch = getBunch(bubble->bunch);
  if (!bunch || !bunch->handles) return;
  IntArray* handles = bunch->handles;
  const int32_t count = std::min(bunch->handleCount, handles->length);
  int32_t h = 0;
  while (h < count && handles->elements()[h] != bubble->col) h++;
  if (h == count) return;
  cActor* actor = Decoration(bunch, h);
  if (animate) {
    cActor::setAnimation(actor, kHandleEnds, cActor::kModeOnce, true);
  } else {
    cActor::release(actor);
  }
  const int32_t last = count - 1;
  handles->elements()[h] = handles->elements()[last];
  if (bunch->decorations && last < bunch->decorations->length) {
    bunch->decorations->elements()[h] = bunch->decorations->elements()[last];
  }
  bunch->handleCount = last;
}

// Spoke d wants colourA when ropeLength + d is even, colourB when odd; it is lit (palette
// colour + 1) while the core's neighbour there has that colour.
void cGame::refreshCoreAnimations(int32_t b) {
  cGame_CBubbleBunch* bunch = getBunch(b);
  if (!bunch || !bunch->core || !bunch->core->neighbours) return;
  for (int32_t d = 0; d < Bubble::kDirections; d++) {
    auto* neighbour = static_cast<Bubble*>(bunch->core->neighbours->elements()[d]);
    cActor* spoke = Decoration(bunch, d);
    cActor::setAnimation(spoke, neighbour ? kFirstSpokeFilled + d : d, cActor::kModeLoop, true);
    const int32_t wanted = (bunch->ropeLength + d) % 2 == 0 ? bunch->colourA : bunch->colourB;
    cActor::setPalette(spoke, neighbour && neighbour->colour == wanted ? wanted + 1 : 0);
  }
}
