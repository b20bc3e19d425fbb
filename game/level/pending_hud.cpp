// Stand-ins for the HUD's texts, until the HUD lands: the readers' goal counts are kept in
// goalTotal and goalRemaining, and the stage in stageIndex, shown by nothing yet.
#include "game/cgame.h"

void cGame::setGoalCounterText(int32_t) {}
void cGame::setStageNumberText(int32_t) {}

// ---- Stand-ins for the level objects and the in-play awards ----
void cGame::checkComboAward(int32_t) {}
void cGame::countDownGoal(int32_t) {}
void cGame::destroyLevelObject(int32_t) {}
void cGame::hitLevelObject(int32_t) {}
