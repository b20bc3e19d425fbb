// Stand-ins for what the play state, the world update and the launcher call before the
// concerns that build them land: each does nothing, and a query gives its neutral answer (no
// target hit, no object list, no colour, no award, the info panel closed). The scene paint
// shows actor layers 4, 5 and 1. The real ones replace this file.
#include "game/board/actor.h"
#include "game/board/bubble.h"
#include "game/cgame.h"

// ---- The world's updaters ---------------------------------------------------------------------
void cGame::updateWaveMode() {}
void cGame::updateMode3Scenery() {}
void cGame::updateLevelType4Objects() {}
void cGame::updateScrollingBunches() {}
void cGame::updateTimedDrops() {}
void cGame::updateRowFeeder() {}
void cGame::updateLevelType8() {}
void cGame::updateHudMeters() {}
void cGame::flushBubbleEvents() {}
void cGame::updateFlyer() {}
void cGame::updateWalkerThrow() {}
void cGame::updateSlots() {}
void cGame::updateThrownBubbles() {}
void cGame::showScoreLabel() {}
void cGame::updateHudTimer() {}
void cGame::updateBossKind0() {}
void cGame::updateBossKind1() {}
void cGame::updateBossKind2() {}
void cGame::updateBossKind3() {}
void cGame::updateSlidingBanner() {}

// ---- The board ------------------------------------------------------------------------------
void cGame::updateBubbleBunches() {}
void cGame::evaluateBoardRows() {}
void cGame::collideBubbleBunches() {}
void cGame::updateTargetObjects() {}
void cGame::updateSteeredActor() {}
bool cGame::isAnyTargetHit() {
  return false;
}
void cGame::loadNextStage() {}
void cGame::markAllTargets() {}
void cGame::stopAllEffectSlots() {}
bool cGame::hasLevelObjectList() {
  return false;
}
int32_t cGame::bestType7BunchValue() {
  return -1;
}
int32_t cGame::pickMostCommonColour(int32_t) {
  return -1;
}
void cGame::releaseSlotOf(Bubble*) {}
void cGame::objectOnBubbleRemoved(Bubble*) {}
void Bubble::faceByVelocity() {}
void Bubble::schedulePop(int32_t, bool) {}
void Bubble::setColourReveal(bool, bool) {}

// ---- Launcher, lesson, bosses -----------------------------------------------------------------
void cGame::updateShooterHud() {}
void cGame::stepLessonScript() {}
void cGame::setBossStateKind2(int32_t) {}
void cGame::setBossStateKind3(int32_t) {}

// ---- HUD, level end, awards -------------------------------------------------------------------
void cGame::setHudMeterAnims(bool) {}
void cGame::startSlidingBanner(int32_t, int32_t, bool) {}
void cGame::buildLevelEndScreen(int32_t) {}
void cGame::paintScene(bool toBackBuffer, bool, int32_t) {
  if (toBackBuffer) return;
  for (int32_t layer : {4, 5, 1}) cActor::paintLayer(layer);
}
int32_t cGame::checkAchievements(int32_t) {
  return -1;
}
bool cGame::updateInfoPanel() {
  return true;
}
void cGame::clearPlaySelection() {}
