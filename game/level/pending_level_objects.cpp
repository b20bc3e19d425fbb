// Stand-ins for the level objects, until they land: each does nothing; those the board's
// starters call log their calls in BoardSeamCalls.
#include "game/board/board_seams.h"
#include "game/cgame.h"

void cGame::destroyLevelObject(int32_t) {}
void cGame::hitLevelObject(int32_t) {}

bool cGame::countFreeNeighbours(int32_t slot, int32_t skip) {
  BoardSeamCalls().push_back({"countFreeNeighbours", {slot, skip}});
  return false;
}
void cGame::setTargetHit(int32_t slot) {
  BoardSeamCalls().push_back({"setTargetHit", {slot}});
}
void cGame::startFlyer(int32_t y, bool exitRight) {
  BoardSeamCalls().push_back({"startFlyer", {y, exitRight ? 1 : 0}});
}
