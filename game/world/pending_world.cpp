// Stand-ins for what the play state, the world update, the launcher and the level build call
// before the concerns that build them land: each does nothing, and a query gives its neutral
// answer (no target hit, no object list, no colour, no award). The real
// ones replace this file.
#include <cstdint>

#include "game/board/bubble.h"
#include "game/cgame.h"

// ---- The world's updaters ---------------------------------------------------------------------
void cGame::updateLevelType4Objects() {}
void cGame::updateFlyer() {}
void cGame::updateWalkerThrow() {}
void cGame::updateSlots() {}
void cGame::updateThrownBubbles() {}
void cGame::updateBossKind0() {}
void cGame::updateBossKind1() {}
void cGame::updateBossKind2() {}
void cGame::updateBossKind3() {}

// ---- The board ------------------------------------------------------------------------------
void cGame::updateTargetObjects() {}
void cGame::updateSteeredActor() {}
void cGame::releaseSlotOf(Bubble*) {}
void cGame::objectOnBubbleRemoved(Bubble*) {}

// ---- Lesson, bosses -----------------------------------------------------------------
void cGame::stepLessonScript() {}
void cGame::setBossStateKind2(int32_t) {}

// ---- Painters of later concerns: the chain boss's aim line, the results table -----------------
void cGame::paintAimLine() {}
void cGame::paintResultsTable() {}

// ---- Level end, awards ------------------------------------------------------------------------
int32_t cGame::checkAchievements(int32_t) {
  return -1;
}
void cGame::clearPlaySelection() {}
