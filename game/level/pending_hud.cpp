// Stand-in for the HUD's goal counter text, until the HUD lands: the readers' goal counts
// are kept in goalTotal and goalRemaining, shown by nothing yet.
#include "game/cgame.h"

void cGame::setGoalCounterText(int32_t) {}
