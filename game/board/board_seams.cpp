// The board's operations whose concerns are not built yet: a bubble's flight and its picture,
// the bunch pushes, the colour choices, a shot's landing and the level state that the board's
// end releases. Each does nothing (a colour query gives 0) until its own file replaces it.
#include "game/board/bubble.h"
#include "game/cgame.h"
#include "game/game_statics.h"

void Bubble::update() {}
void Bubble::paint() {}
void cGame::nudgeBunch(int32_t, int32_t, int32_t, int32_t, int32_t) {}
int32_t cGame::randomColorNotBunch7(int32_t) {
  return 0;
}
void cGame::onBubbleLanded(Bubble*, Bubble*, int32_t, int32_t, int32_t, int32_t) {}
void cGame::clearSceneryCounters() {}
void cGame::releaseHudMeterActors() {}
void cGame::releaseLevelObjects() {}

// ---- Stand-ins: the next-bubble choice, the boss walks and the overlay panels ----------------
// Until their own files land: the next-bubble choice's colour draw by its rule (one generator
// step: a set bit of boardColourMask, or one of the seven without one); nothing released or
// drawn.
int32_t cGame::randomSetBit() {
  const int32_t mask = Statics<GameStatics>()->cGame_boardColourMask;
  if (mask <= 0) return rand(7);
  return nthSetBit(mask, rand(popCount(mask)) + 1);
}
void cGame::releaseThrowActor() {}
void cGame::paintAimLine() {}
void cGame::setupOverlayPanel(int32_t, int32_t, int32_t, int32_t, int32_t, IntArray*) {}
