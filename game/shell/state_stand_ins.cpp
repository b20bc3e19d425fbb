// The shell's states that are not built yet (the ending scene): each does nothing until it is
// built.
#include "game/cgame.h"

void cGame::stateScreen31(int32_t) {}
