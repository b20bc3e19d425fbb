// The board's operations whose concerns are not built yet: a bubble's flight,
// the bunch pushes, the colour choices, a shot's landing, the level state that the board's
// end releases and the scaled text. Each does nothing (a colour query gives 0) until its own file
// replaces it.
#include "game/board/bubble.h"
#include "game/cgame.h"

void Bubble::update() {}
void cGame::pickBunchColours(int32_t, int32_t) {}
int32_t cGame::randomColorNotBunch7(int32_t) {
  return 0;
}
void cGame::clearSceneryCounters() {}
void cGame::releaseLevelObjects() {}
void cGame::resetBoardColours() {}
void cGame::drawStringScaled(ASprite*, javax_microedition_lcdui_Graphics*, String*, int32_t,
                             int32_t, int32_t, int32_t) {}
void cGame::drawPageScaled(ASprite*, javax_microedition_lcdui_Graphics*, String*, int32_t, int32_t,
                           int32_t, int32_t) {}

// ---- Stand-ins until the shot's flight and the bunch physics land ----
void Bubble::startShake(int32_t, bool) {}
void Bubble::schedulePop(int32_t, bool) {}
void cGame::applyHitToBunch(int32_t, int32_t, int32_t, int32_t, int32_t) {}
