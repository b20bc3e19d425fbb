// The board-side lists that the level objects, the shooter and the bosses share: the thrown
// bubbles' lists, the five level targets with their particle emitters, the three special target
// slots and the pair list, and a few small queries over them. A target index outside
// 0..targetCount - 1 is ignored by every target operation.
#include <algorithm>

#include "engine/sprite.h"
#include "game/board/actor.h"
#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kTargets = 5;
constexpr int32_t kSpecialSlots = 3;
constexpr int32_t kTargetPeriodParam = 12;
constexpr int32_t kLockType = 7;
constexpr int32_t kSameSpotLayer = 6;

// Target states.
constexpr int32_t kTargetHit = 3;
constexpr int32_t kTargetStopped = 5;
constexpr int32_t kEmitterStopped = -2;

GameStatics* S() {
  return Statics<GameStatics>();
}

// The target lists exist and i is one of the targets added.
bool IsTarget(int32_t i) {
  GameStatics* s = S();
  return i >= 0 && i < s->cGame_targetCount && s->cGame_targetState && s->cGame_targetCounter &&
         s->cGame_targetFlag && s->cGame_targetBubble && s->cGame_targetEmitters &&
         s->cGame_targetFrom && s->cGame_targetTo && s->cGame_targetTimer;
}

}  // namespace

// ---- Thrown bubbles and level objects -------------------------------------------------------

void cGame::allocTargetLists(int32_t n) {
  GameStatics* s = S();
  n = std::max(n, 0);
  s->cGame_thrownActors = NewObjectArray(cid::cActor, n);
  s->cGame_thrownTargets = NewObjectArray(cid::Bubble, n);
  s->cGame_thrownSide = NewIntArray(n);
  s->cGame_thrownKind = NewIntArray(n);
  s->cGame_thrownStartX = NewIntArray(n);
  s->cGame_thrownStartY = NewIntArray(n);
  s->cGame_thrownTimer = NewIntArray(n);
}

int32_t cGame::findFreeLevelObjectSlot() {
  ObjectArray* actors = S()->cGame_thrownActors;
  for (int32_t i = 0; actors && i < actors->length; i++) {
    if (!actors->elements()[i]) return i;
  }
  return -1;
}

bool cGame::hasLevelObjectList() {
  return S()->cGame_thrownActors != nullptr;
}

bool cGame::isLevelObjectBusy() {
  return S()->cGame_flyerState != 0 || S()->cGame_walkerState != 0;
}

bool cGame::isBossVulnerable() {
  return S()->cGame_bossFlashing == 0;
}

bool cGame::canBossTakeHit() {
  return S()->cGame_hitPending == 0;
}

// The lock furthest into its descent (largest timer2, the later slot on a tie) among those past
// phase 0: the colour its preview shows, -1 when there is none.
int32_t cGame::bestType7BunchValue() {
  cGame_CBubbleBunch* best = nullptr;
  for (int32_t b = 0; b < cGame_CBubbleBunch::kSlots; b++) {
    cGame_CBubbleBunch* bunch = getBunch(b);
    if (!bunch || !bunch->inUse || bunch->type != kLockType || bunch->phase < 1) continue;
    if (!best || bunch->timer2 >= best->timer2) best = bunch;
  }
  if (!best || !best->decorations || best->decorations->length < 2) return -1;
  auto* preview = static_cast<cActor*>(best->decorations->elements()[1]);
  return preview ? cActor::getAnim(preview) : -1;
}

cActor* cGame::findActorAtSamePosition(cActor* actor) {
  if (!actor) return nullptr;
  for (cActor* a = cActor::layerHead(kSameSpotLayer); a; a = a->next) {
    if (a->x == actor->x && a->y == actor->y) return a;
  }
  return nullptr;
}

// ---- Level targets --------------------------------------------------------------------------

void cGame::allocLevelTargetLists() {
  GameStatics* s = S();
  s->cGame_targetState = NewIntArray(kTargets);
  s->cGame_targetCounter = NewIntArray(kTargets);
  s->cGame_targetFlag = NewByteArray(kTargets);
  s->cGame_targetBubble = NewObjectArray(cid::Bubble, kTargets);
  s->cGame_targetEmitters = NewIntArray(kTargets);
  s->cGame_targetFrom = NewIntArray(kTargets);
  s->cGame_targetTo = NewIntArray(kTargets);
  s->cGame_targetTimer = NewIntArray(kTargets);
  s->cGame_targetCount = 0;
  IntArray* params = s->cGame_levelParams;
  s->cGame_targetPeriod =
      params && params->length > kTargetPeriodParam ? params->elements()[kTargetPeriodParam] : 0;
  s->cGame_targetGoalX = 80;
  s->cGame_targetGoalY = 260;
}

// At most five: a sixth is refused, its bubble keeps objectIndex -1 and no list is written.
void cGame::addLevelTarget(Bubble* bubble) {
  GameStatics* s = S();
  const int32_t i = s->cGame_targetCount;
  if (!bubble) return;
  if (i < 0 || i >= kTargets) {
    DebugLog("level targets: target %d refused, a level holds at most %d", i + 1, kTargets);
    return;
  }
  s->cGame_targetCount = i + 1;
  // A board built without the level's target lists keeps its targets as plain bubbles.
  if (!IsTarget(i) || s->cGame_targetState->length <= i) {
    s->cGame_targetCount = i;
    return;
  }
  s->cGame_targetState->elements()[i] = 0;
  s->cGame_targetCounter->elements()[i] = 0;
  s->cGame_targetFlag->elements()[i] = 1;
  s->cGame_targetBubble->elements()[i] = bubble;
  s->cGame_targetEmitters->elements()[i] = -1;
  s->cGame_targetTimer->elements()[i] = 0;
  bubble->objectIndex = i;
}

void cGame::stopEffectSlot(int32_t i) {
  GameStatics* s = S();
  if (!IsTarget(i)) return;
  killEmitterParticles(s->cGame_targetEmitters->elements()[i]);
  s->cGame_targetEmitters->elements()[i] = kEmitterStopped;
  s->cGame_targetState->elements()[i] = kTargetStopped;
}

void cGame::stopAllEffectSlots() {
  GameStatics* s = S();
  for (int32_t i = 0; i < s->cGame_targetCount; i++) {
    if (IsTarget(i) && s->cGame_targetEmitters->elements()[i] >= 0) stopEffectSlot(i);
  }
}

bool cGame::isAnyTargetHit() {
  GameStatics* s = S();
  for (int32_t i = 0; i < s->cGame_targetCount; i++) {
    if (IsTarget(i) && s->cGame_targetState->elements()[i] == kTargetHit) return true;
  }
  return false;
}

void cGame::markAllTargets() {
  GameStatics* s = S();
  for (int32_t i = 0; i < s->cGame_targetCount; i++) {
    if (IsTarget(i)) s->cGame_targetFlag->elements()[i] = 1;
  }
}

// The target's emitter flies from the bubble to halfway towards the goal point.
void cGame::triggerTarget(int32_t i) {
  GameStatics* s = S();
  if (!IsTarget(i)) return;
  auto* bubble = static_cast<Bubble*>(s->cGame_targetBubble->elements()[i]);
  if (!bubble || s->cGame_targetState->elements()[i] >= kTargetHit) return;
  const int32_t x = bubble->x >> 16;
  const int32_t y = bubble->y >> 16;
  s->cGame_targetState->elements()[i] = kTargetHit;
  s->cGame_targetFrom->elements()[i] = x << 16 | (y & 0xFFFF);
  s->cGame_targetTo->elements()[i] =
      ((x + s->cGame_targetGoalX) >> 1) << 16 | (((y + s->cGame_targetGoalY) >> 1) & 0xFFFF);
  s->cGame_targetTimer->elements()[i] = 0;
  setEmitterTarget(s->cGame_targetEmitters->elements()[i], 1);
}

// Leaving a level: the targets' emitters stop, their lists and the board's sprites go.
void cGame::resetEffects() {
  GameStatics* s = S();
  s->Bubble_popAnimCount = 0;
  stopAllEffectSlots();
  s->cGame_targetState = nullptr;
  s->cGame_targetCounter = nullptr;
  s->cGame_targetFlag = nullptr;
  s->cGame_targetBubble = nullptr;
  s->cGame_targetEmitters = nullptr;
  s->cGame_targetFrom = nullptr;
  s->cGame_targetTo = nullptr;
  s->cGame_targetTimer = nullptr;
  s->cGame_bubbleSprite = nullptr;
  s->cGame_wallHitSprite = nullptr;
  s->cGame_changeSprite = nullptr;
}

void cGame::startSlotEmitter(int32_t i) {
  GameStatics* s = S();
  IntArray* emitters = s->cGame_weakPointEmitters;
  if (!emitters || i < 0 || i >= emitters->length) return;
  const int32_t e = startParticleEmitter(s->cGame_ringCentreX, s->cGame_ringCentreY, 0, -1, -1);
  emitters->elements()[i] = e;
  if (e < 0) return;
  setEmitterTarget(e, 0);
  IntArray* radius = s->cGame_weakPointRadius;
  if (radius && i < radius->length) radius->elements()[i] = 0;
}

// ---- Special target slots and the pair list -------------------------------------------------

void cGame::allocTripleLists() {
  GameStatics* s = S();
  s->cGame_slotActor = NewObjectArray(cid::cActor, kSpecialSlots);
  s->cGame_slotBubble = NewObjectArray(cid::Bubble, kSpecialSlots);
  s->cGame_slotSide = NewIntArray(kSpecialSlots);
  s->cGame_slotKind = NewIntArray(kSpecialSlots);
  s->cGame_slotTimer = NewIntArray(kSpecialSlots);
  s->cGame_slotFrom = NewIntArray(kSpecialSlots);
  s->cGame_slotHops = NewIntArray(kSpecialSlots);
}

// A range that is empty, reversed or reaches past the count removes nothing.
void cGame::removePairRange(int32_t from, int32_t to) {
  GameStatics* s = S();
  IntArray* first = s->cGame_pairFirst;
  IntArray* second = s->cGame_pairSecond;
  const int32_t count = s->cGame_pairCount;
  if (!first || !second || from < 0 || from > to || to >= count || count > first->length ||
      count > second->length) {
    return;
  }
  const int32_t gone = to - from + 1;
  for (int32_t i = from; i + gone < count; i++) {
    first->elements()[i] = first->elements()[i + gone];
    second->elements()[i] = second->elements()[i + gone];
  }
  s->cGame_pairCount = count - gone;
}
