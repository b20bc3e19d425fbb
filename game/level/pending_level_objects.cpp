// Stand-ins for the level objects and the in-play awards, until they land: each does nothing.
#include "game/cgame.h"

void cGame::checkComboAward(int32_t) {}
void cGame::countDownGoal(int32_t) {}
void cGame::destroyLevelObject(int32_t) {}
void cGame::hitLevelObject(int32_t) {}
