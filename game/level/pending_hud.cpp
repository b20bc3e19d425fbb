// Stand-in for the HUD's goal counter text, until the HUD lands: the readers' goal counts
// are kept in goalTotal and goalRemaining, shown by nothing yet.
#include "game/cgame.h"

void cGame::setGoalCounterText(int32_t) {}

// ---- Stand-ins for the level objects and the in-play awards ----
void cGame::checkComboAward(int32_t) {}
void cGame::countDownGoal(int32_t) {}
void cGame::destroyLevelObject(int32_t) {}
void cGame::hitLevelObject(int32_t) {}
void cGame::openPopupAward(int32_t) {}
