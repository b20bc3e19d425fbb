// Stand-ins for the world's operations whose concerns are not built yet: each does nothing
// until its own file replaces it.
#include "game/cgame.h"

void cGame::fillTargetSlot(Bubble*, int32_t) {}
