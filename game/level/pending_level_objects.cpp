// Stand-ins for the level objects, until they land: each does nothing.
#include "game/cgame.h"

void cGame::destroyLevelObject(int32_t) {}
void cGame::hitLevelObject(int32_t) {}
