// Stand-ins for the board values the trigger rules read, until the bubble pool (the lost
// shot's flag and count) and the bunch table (a bunch's landed count) land: nothing lost,
// nothing landed.
#include "game/cgame.h"

bool cGame::isShotLost() {
  return false;
}

int32_t cGame::getLostShotCount() {
  return 0;
}

int32_t cGame::getHitBunchLandedCount() {
  return 0;
}
