// The shell's states that are not built yet (boot loading, the sound question, the title, the
// ending scene): each does nothing until it is built.
#include "game/cgame.h"

void cGame::stateBootLoading(int32_t) {}
void cGame::stateSoundQuestion(int32_t) {}
void cGame::stateTitle(int32_t) {}
void cGame::stateScreen31(int32_t) {}
