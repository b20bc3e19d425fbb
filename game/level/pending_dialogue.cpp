// The dialogue popup's update (kinds 2 to 4) until the dialogue lands: it does nothing.
#include "game/cgame.h"

void cGame::updatePopupDialog(int32_t) {}
