// cGame's helpers of the menus: the soft keys of the current screen.
#include "game/cgame.h"
#include "game/game_statics.h"

void cGame::clearSoftKeys() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_softKeyLeft = -1;
  s->cGame_softKeyRight = -1;
  s->cGame_softKeysFlag = false;
}

void cGame::applyScreenSoftKeys() {
  constexpr int32_t kBackLabel = 2;
  switch (Statics<GameStatics>()->cGame_screenId) {
    case 0:
      setSoftKeys(-1, -1, 0);
      break;
    case 2:
    case 5:
    case 6:
    case 13:
    case 18:
    case 20:
      setSoftKeys(kBackLabel, -1, 0);
      break;
    default:
      break;
  }
}
