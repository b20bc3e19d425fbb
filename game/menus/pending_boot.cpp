// Stand-in for the yes/no popup, which the boot and title screens bring: it opens nothing, so
// a question asked stays unanswered. This file goes when the popup arrives.
#include "game/cgame.h"

void cGame::openPopupChoice(int32_t, int32_t, int32_t) {}
