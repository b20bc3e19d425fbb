// The modal popup as the shell's frame sees it. No popup can open yet: its update and its
// painters do nothing, and neither does the touch overlay painted over every state.
#include "game/cgame.h"

void cGame::updatePopup() {}
void cGame::paintPopup() {}
void cGame::paintPopupBody() {}
void cGame::paintPopupSoftKeys() {}
void cGame::paintTouchOverlay() {}
