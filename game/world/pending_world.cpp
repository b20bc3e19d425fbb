// Stand-ins for the world's services that later subsystems build, and the play state's frame
// until it lands. Each stand-in does nothing (the level build calls them); the real ones
// replace this file.
#include <cstdint>

#include "game/board/actor.h"
#include "game/board/bubble.h"
#include "game/cgame.h"

// ---- Stand-ins: level targets, board survey, stages, generated rows, track, slots -------------

void cGame::addLevelTarget(Bubble*) {}
void cGame::allocTargetLists(int32_t) {}
void cGame::evaluateBoardRows() {}
void cGame::selectStage(int32_t) {}
void cGame::randomizeSlotRow() {}
void cGame::generateRandomLevel() {}
void cGame::layoutTrackBunches() {}
void cGame::fillTargetSlot(Bubble*, int32_t) {}

// ---- Stand-ins: the scene's painters of later subsystems (the lesson's light beam, the chain
// boss's aim line, the wave text of level type 2, the results table) ------------------------

void cGame::paintLightBeams() {}
void cGame::paintAimLine() {}
void cGame::paintWaveText() {}
void cGame::paintResultsTable() {}

// ---- Stand-in: the play state (state 17) ------------------------------------------------------
// Each frame the actors and the HUD's clock update; the paint is the scene.

void cGame::statePlay(int32_t message) {
  if (message == kStateUpdate) {
    cActor::updateAll();
    updateHudTimer();
  }
  if (message == kStatePaint) paintScene();
}
