// The board's operations whose concerns are not built yet: a bubble's flight and its picture,
// and the clearing of the bunch table. Each does nothing until its own file replaces it.
#include "game/board/bubble.h"
#include "game/cgame.h"

void Bubble::update() {}
void Bubble::paint() {}
void cGame::clearAllBunches() {}
