// Stand-ins for the level objects, the looping track and the in-play awards, until they land:
// a type-8 level's flood marks nothing, so its shots match nothing yet; the others do nothing.
#include "game/cgame.h"

int32_t cGame::floodMarkBunch(Bubble*, int32_t, int32_t) {
  return 0;
}
void cGame::checkComboAward(int32_t) {}
void cGame::countDownGoal(int32_t) {}
void cGame::destroyLevelObject(int32_t) {}
void cGame::hitLevelObject(int32_t) {}
