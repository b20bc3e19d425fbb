// The world's step, once a frame of the play state: a fixed sequence of updaters, so an event
// posted by one is seen by the later ones in the same frame and by the earlier ones in the
// next; the bubble pool changes (bubbles removed) only at the fixed point of step 5 of the
// bubble step.
#include "game/world/world_steps.h"

#include "game/board/actor.h"
#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kMaskColours = 44, kShowColours = 45, kIndestructibleGone = 24;
constexpr int32_t kGoalReached = 50;
constexpr int32_t kKeyColour = 12;
constexpr int32_t kFreedSound = 16;
constexpr int32_t kChangeSteps = 9;
constexpr int32_t kTrackLevel = 8;
constexpr int32_t kPlainLevel = 1;

GameStatics* S() {
  return Statics<GameStatics>();
}

void UpdateBosses() {
  switch (S()->cGame_bossKind) {
    case 0:
    case 4:
      cGame::updateBossKind0();
      break;
    case 1:
      cGame::updateBossKind1();
      break;
    case 2:
    case 5:
      cGame::updateBossKind2();
      break;
    case 3:
      cGame::updateBossKind3();
      break;
    default:
      break;
  }
}

void UpdateActors() {
  cActor::updateAll();
}

// The steps of updateWorld, in their order.
const WorldStep kWorldSteps[kWorldStepCount] = {
    UpdateActors,
    &cGame::updateWaveMode,
    &cGame::updateMode3Scenery,
    &cGame::updateLevelType4Objects,
    &cGame::updateScrollingBunches,
    &cGame::updateTimedDrops,
    &cGame::updateRowFeeder,
    &cGame::updateLevelType8,
    &cGame::updateHudMeters,
    &cGame::updateWorldObjects,
    &cGame::flushBubbleEvents,
    &cGame::updateFlyer,
    &cGame::updateWalkerThrow,
    &cGame::updateSlots,
    &cGame::updateThrownBubbles,
    &cGame::showScoreLabel,
    &cGame::updateTriggers,
    &cGame::updateHudTimer,
    UpdateBosses,
    &cGame::updateSlidingBanner,
};

WorldStep g_steps[kWorldStepCount] = {};
bool g_stepsReplaced = false;

Bubble* Active(GameStatics* s, int32_t i) {
  ObjectArray* list = s->Bubble_activeBubbles;
  return list && i >= 0 && i < list->length ? CheckCast<Bubble>(list->elements()[i]) : nullptr;
}

// ---- The bubble step's parts -----------------------------------------------------------------

// Masking runs before unmasking, so both in one frame leave the colours shown.
void ColourMaskEvents(GameStatics* s) {
  if (cGame::consumeEvent(kMaskColours)) {
    Bubble::setColourReveal(true, false);
    s->cGame_coloursMasked = true;
  }
  if (cGame::consumeEvent(kShowColours)) {
    Bubble::setColourReveal(false, false);
    s->cGame_coloursMasked = false;
  }
}

void BecomeOrdinary(Bubble* bubble) {
  if (bubble->parent) {
    bubble->startAppearanceChange(0);
  } else {
    bubble->targetAppearance = bubble->appearance;
    bubble->changeSteps = kChangeSteps;
    bubble->changeDelay = 0;
    S()->Bubble_bubblesChanged = 1;
  }
  bubble->flags &= ~Bubble::kIndestructible;
  if (cGame_CBubbleBunch* bunch = cGame::getBunch(bubble->bunch)) {
    bunch->indestructibleCount -= 1;
  }
}

// Event 24: the indestructible bubbles become ordinary and every key-coloured bubble pops.
void IndestructiblesGone(GameStatics* s) {
  if (!cGame::consumeEvent(kIndestructibleGone) || s->Bubble_activeBubbleCount < 1) return;
  bool freed = false;
  for (int32_t i = 0; i < s->Bubble_activeBubbleCount; i++) {
    Bubble* bubble = Active(s, i);
    if (!bubble) continue;
    if (bubble->flags & Bubble::kIndestructible) {
      BecomeOrdinary(bubble);
      freed = true;
    }
    if (bubble->colour == kKeyColour) bubble->schedulePop(0, false);
  }
  if (freed) cGame::playSfx(kFreedSound);
}

// The repaint flags: the previous pixel position catches up, and the bubble is filed again
// (level type 8 rebuilds the whole grid once instead).
void RefileMovedBubbles(GameStatics* s) {
  const bool track = s->cGame_levelType == kTrackLevel;
  for (int32_t i = 0; i < s->Bubble_activeBubbleCount; i++) {
    Bubble* bubble = Active(s, i);
    if (!bubble || !(bubble->flags & Bubble::kNeedsRepaint)) continue;
    bubble->flags &= ~Bubble::kNeedsRepaint;
    bubble->prevPixelX = bubble->pixelX;
    bubble->prevPixelY = bubble->pixelY;
    if (!track) bubble->updateGridCell();
  }
  if (track) Bubble::rebuildGrid();
}

// The start is read once, before the loop: each moved bubble advances bubbleUpdateStart for
// the next frame, and read live it would shift this frame's walk, running some bubbles twice
// and others not at all. The live count is read again before each update.
void UpdateBubbles(GameStatics* s) {
  s->cGame_shotLanded = false;
  s->cGame_bubblesMoved = 0;
  const int32_t live = s->Bubble_activeBubbleCount;
  if (live < 1) return;
  s->cGame_bubbleUpdateStart %= live;
  if (s->cGame_bubbleUpdateStart < 0) s->cGame_bubbleUpdateStart += live;
  const int32_t start = s->cGame_bubbleUpdateStart;
  for (int32_t j = 0; j < s->Bubble_activeBubbleCount; j++) {
    if (Bubble* bubble = Active(s, (start + j) % s->Bubble_activeBubbleCount)) bubble->update();
  }
}

// A plain level of type 0 or 8 whose bunches are empty and whose targets are all still held
// ends its stage; a stage count below 1 counts as 1, so the level ends with its last stage
// and no stage past the data is built. Once the last stage has ended, the goal is posted and
// nothing more ends: the phase machine sets levelOver a frame after it takes the goal, and in
// between the board is still clear.
void StageEnd(GameStatics* s) {
  const int32_t type = s->cGame_levelType;
  if (type != 0 && type != kTrackLevel) return;
  if (s->cGame_levelKind() != kPlainLevel || s->cGame_levelOver) return;
  const int32_t count = s->cGame_levelStageCount() < 1 ? 1 : s->cGame_levelStageCount();
  if (s->cGame_levelStage() >= count) return;
  if (cGame::countBunches(false) != 0 || cGame::isAnyTargetHit()) return;
  s->cGame_levelStage() += 1;
  DebugLog("stage end %d", s->cGame_levelStage());
  if (s->cGame_levelStage() >= count) {
    cGame::postEvent(kGoalReached);
  } else {
    cGame::loadNextStage();
  }
}

}  // namespace

// ---- The step table ---------------------------------------------------------------------------

WorldStep WorldStepAt(int32_t i) {
  if (i < 0 || i >= kWorldStepCount) return nullptr;
  return g_stepsReplaced ? g_steps[i] : kWorldSteps[i];
}

void ReplaceWorldStep(int32_t i, WorldStep step) {
  if (i < 0 || i >= kWorldStepCount) return;
  if (!g_stepsReplaced) {
    for (int32_t k = 0; k < kWorldStepCount; k++) g_steps[k] = kWorldSteps[k];
    g_stepsReplaced = true;
  }
  g_steps[i] = step;
}

void RestoreWorldSteps() {
  g_stepsReplaced = false;
}

// ---- The world's step -------------------------------------------------------------------------

void cGame::updateWorld() {
  for (int32_t i = 0; i < kWorldStepCount; i++) {
    if (WorldStep step = WorldStepAt(i)) step();
  }
}

void cGame::updateWorldObjects() {
  GameStatics* s = S();
  s->cGame_frameMod5 = (s->cGame_frameMod5 + 1) % 5;
  ColourMaskEvents(s);
  IndestructiblesGone(s);
  updateBubbleBunches();
  removeFlaggedBubbles();
  RefileMovedBubbles(s);
  UpdateBubbles(s);
  evaluateBoardRows();
  updateBunchExtents();
  collideBubbleBunches();
  updateTargetObjects();
  updateSteeredActor();
  StageEnd(s);
  s->cGame_settleTimer -= s->cGame_frameTime;
  if (s->cGame_gridRebuildRequested) {
    Bubble::rebuildGrid();
    s->cGame_gridRebuildRequested = false;
  }
}
