// The board's operations whose concerns are not built yet: a bubble's flight and its picture,
// the bunch pushes, the colour choices, a shot's landing and the level state that the board's
// end releases. Each does nothing (a colour query gives 0) until its own file replaces it.
#include "game/board/bubble.h"
#include "game/cgame.h"

void Bubble::update() {}
void Bubble::paint() {}
void cGame::pickBunchColours(int32_t, int32_t) {}
int32_t cGame::randomColorNotBunch7(int32_t) {
  return 0;
}
void cGame::clearSceneryCounters() {}
void cGame::releaseHudMeterActors() {}
void cGame::releaseLevelObjects() {}
void cGame::resetBoardColours() {}
int32_t cGame::easeValue(int32_t, int32_t) {
  return 0;
}
int32_t cGame::easeValueAlt(int32_t, int32_t) {
  return 0;
}

// ---- Stand-ins until the shot's flight and the bunch physics land ----
void Bubble::startShake(int32_t, bool) {}
void Bubble::schedulePop(int32_t, bool) {}
void cGame::applyHitToBunch(int32_t, int32_t, int32_t, int32_t, int32_t) {}
