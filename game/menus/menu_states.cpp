// The menu states, the pause menu and the level end. No menu is built yet: each handler does
// nothing (the main menu and the options stand in as plain lists in menu_states_interim.cpp).
#include "game/cgame.h"

void cGame::stateMenu9(int32_t) {}
void cGame::stateMenu12(int32_t) {}
void cGame::statePauseMenu(int32_t) {}
void cGame::stateMenu14(int32_t) {}
void cGame::stateLevelEnd(int32_t) {}
void cGame::stateMenu20(int32_t) {}
void cGame::stateMenu22(int32_t) {}
void cGame::stateMenu23(int32_t) {}
void cGame::stateMenu24(int32_t) {}
void cGame::stateMenu25(int32_t) {}
void cGame::stateMenu26(int32_t) {}
void cGame::stateMenu27(int32_t) {}
void cGame::stateMenu28(int32_t) {}
void cGame::stateMenu29(int32_t) {}
void cGame::stateMenu30(int32_t) {}
void cGame::stateMenu32(int32_t) {}
