// cGame's requests to the loader: the way back to the main menu, and the clearing the loader
// does before a load.
#include "game/cgame.h"
#include "game/game_statics.h"

void cGame::returnToMenu() {
  constexpr int32_t kMenuUnload = 22, kMenuLoad = 1, kLoadingState = 4, kMainMenuState = 6;
  GameStatics* s = Statics<GameStatics>();
  s->cGame_loadKind = kMenuUnload;
  s->cGame_stateAfterLoad = kLoadingState;
  s->cGame_chainedLoadKind = kMenuLoad;
  s->cGame_chainedStateAfterLoad = kMainMenuState;
  setState(kLoadingState);
}

// Departure: the device cleared byte 84 of sprite 0's 32-bit layout; no field of ours is that byte,
// and slot 0 is empty after the boot state anyway.
void cGame::clearSprite0Field() {}
