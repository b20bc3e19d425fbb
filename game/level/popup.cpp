// The modal popup as the shell's frame sees it: its update goes to the one of its kind (the
// dialogue kinds 2 to 4 in popup_dialogue.cpp; the others have none yet). Its painters do
// nothing yet, and neither does the touch overlay painted over every state.
#include "game/cgame.h"
#include "game/game_statics.h"

void cGame::updatePopup() {
  switch (Statics<GameStatics>()->cGame_popupKind) {
    case 2:
    case 3:
    case 4:
      updateDialoguePopup();
      break;
    default:
      break;
  }
}

void cGame::paintPopup() {}
void cGame::paintPopupBody() {}
void cGame::paintPopupSoftKeys() {}
void cGame::paintTouchOverlay() {}
