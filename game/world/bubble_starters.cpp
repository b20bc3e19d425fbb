// Two starters the board calls: a bubble thrown from a bunch toward a free cell beside a bubble
// in play, and a target creature put into one of the three special target slots. Both only
// start their object; its flight or its hops run in the level objects' own updates.
#include "game/board/actor.h"
#include "game/board/actor_support.h"
#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/class.h"

namespace {

constexpr int32_t kThrownSprite = 25;
constexpr int32_t kThrownDepth = 499;
constexpr int32_t kThrowSound = 27;
constexpr int32_t kTargetSprite = 49;
constexpr int32_t kTargetDepth = 100;
constexpr int32_t kFirstTargetKind = 29;  // kinds 29 .. 35 carry a target creature
constexpr int32_t kLayer = 1;
constexpr int32_t kSideA = 1, kSideB = 2;  // a thrown bubble lands below its target

// The first entry of the list whose actor slot is empty; -1 without one or without a list.
int32_t FreeEntry(ObjectArray* actors) {
  if (!actors) return -1;
  for (int32_t i = 0; i < actors->length; i++) {
    if (!actors->elements()[i]) return i;
  }
  return -1;
}

Bubble* LiveBubble(GameStatics* s, int32_t i) {
  ObjectArray* list = s->Bubble_activeBubbles;
  return list && i >= 0 && i < list->length ? CheckCast<Bubble>(list->elements()[i]) : nullptr;
}

bool TakesThrow(Bubble* bubble) {
  return cGame::linkFreeNeighbour(bubble, kSideA) || cGame::linkFreeNeighbour(bubble, kSideB);
}

// The n-th bubble in play (in active-list order) with a free cell on side 1 or 2, counting
// from 0; with n = -1 only the count, as the result.
int32_t CountThrowTargets(GameStatics* s, int32_t n, Bubble** found) {
  int32_t count = 0;
  for (int32_t i = 0; i < s->Bubble_activeBubbleCount; i++) {
    Bubble* bubble = LiveBubble(s, i);
    if (!TakesThrow(bubble)) continue;
    if (count == n) *found = bubble;
    count += 1;
  }
  return count;
}

}  // namespace

// ---- A free cell beside a bubble ---------------------------------------------------------------

bool cGame::linkFreeNeighbour(Bubble* bubble, int32_t side) {
  if (!bubble || bubble->bunch < 0 || side < 0 || side >= Bubble::kDirections) return false;
  if (!bubble->neighbours || bubble->neighbours->elements()[side]) return false;
  return canPlaceNeighbour(bubble, side, false);
}

// ---- A bubble thrown from a bunch ------------------------------------------------------------

// Only type-5 and type-7 layouts make the thrown-bubble lists; without them nothing is thrown.
// The target is drawn by the game generator among the candidates, counted in a first walk and
// found in a second, so nothing is kept between the walks.
void cGame::throwBubbleFromBunch(int32_t b, int32_t kind) {
  GameStatics* s = Statics<GameStatics>();
  cGame_CBubbleBunch* bunch = getBunch(b);
  const int32_t entry = FreeEntry(s->cGame_thrownActors);
  if (!bunch || entry < 0) return;
  s->cGame_thrownTargets->elements()[entry] = nullptr;
  const int32_t count = CountThrowTargets(s, -1, nullptr);
  if (count == 0) return;
  Bubble* target = nullptr;
  CountThrowTargets(s, rand(count), &target);
  s->cGame_thrownTargets->elements()[entry] = target;
  IntArray::set(s->cGame_thrownSide, entry, linkFreeNeighbour(target, kSideA) ? kSideA : kSideB);
  IntArray::set(s->cGame_thrownKind, entry, kind);
  IntArray::set(s->cGame_thrownStartX, entry, bunch->centreX);
  IntArray::set(s->cGame_thrownStartY, entry, bunch->centreY);
  IntArray::set(s->cGame_thrownTimer, entry, 0);
  s->cGame_thrownActors->elements()[entry] =
      spawnActor(actor_support::SpriteInSlot(kThrownSprite), 0, bunch->centreX >> 16,
                 bunch->centreY >> 16, kind, kThrownDepth, cActor::kModeLoop, kLayer, 0);
  if (s->cGame_sfxEnabled) playSound(kThrowSound, 1);
}

// ---- A target creature in a special slot -------------------------------------------------------

// With all three slots taken nothing happens. The creature picks the neighbour it will hop to
// (never the side the shot came from while another is free) and makes its first hop.
void cGame::fillTargetSlot(Bubble* bubble, int32_t skip) {
  GameStatics* s = Statics<GameStatics>();
  const int32_t slot = FreeEntry(s->cGame_slotActor);
  if (!bubble || slot < 0) return;
  const int32_t kind = bubble->colour - kFirstTargetKind;
  s->cGame_slotBubble->elements()[slot] = bubble;
  IntArray::set(s->cGame_slotKind, slot, kind);
  IntArray::set(s->cGame_slotTimer, slot, 0);
  IntArray::set(s->cGame_slotHops, slot, 0);
  countFreeNeighbours(slot, skip);
  s->cGame_slotActor->elements()[slot] =
      spawnActor(actor_support::SpriteInSlot(kTargetSprite), kind, bubble->pixelX, bubble->pixelY,
                 IntArray::get(s->cGame_slotSide, slot), kTargetDepth, cActor::kModeLoop, kLayer,
                 0);
  setTargetHit(slot);
}
