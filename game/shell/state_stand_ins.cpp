// The shell's states that are not built yet (the level chooser, the two scene
// screens): each does nothing until it is built.
#include "game/cgame.h"

void cGame::statePreGame(int32_t) {}
void cGame::stateScreen18(int32_t) {}
void cGame::stateScreen31(int32_t) {}
