// The play state (state 17). It plays no level yet: every message does nothing.
#include "game/cgame.h"

void cGame::statePlay(int32_t) {}
