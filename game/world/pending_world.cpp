// Stand-ins for the scene's painters whose subsystems are not built yet: the lesson's light
// beam, the chain boss's aim line, the wave text of level type 2, the level-end overlay and
// the level-type-7 track. Each paints nothing until its own file replaces it.
#include "game/cgame.h"

void cGame::paintLightBeams() {}
void cGame::paintAimLine() {}
void cGame::paintWaveText() {}
void cGame::paintResultsOverlay() {}
void cGame::paintLevelType7Track() {}
