// Stand-ins for the services of the menus, the level, the world and the board that the loader
// calls before their subsystems land: each does nothing. The real ones replace this file.
#include "game/cgame.h"

// ---- Level ------------------------------------------------------------------------------------
void cGame::releaseSlotActors() {}
void cGame::releaseFlyerActors() {}
void cGame::releaseWalkerActors() {}
void cGame::releaseObjectList() {}
void cGame::releaseGoalActors() {}
void cGame::releaseHudActors() {}
void cGame::resetSlotActors() {}

// ---- World ------------------------------------------------------------------------------------
void cGame::createBossKind0() {}
void cGame::createBossKind1() {}
void cGame::createBossKind2() {}
void cGame::createBossKind3() {}
void cGame::createHudActors() {}

// ---- Board ------------------------------------------------------------------------------------
void cGame::allocTripleLists() {}
void cGame::resetEffects() {}
