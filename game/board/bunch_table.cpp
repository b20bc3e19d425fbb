// The bunch table: ten reusable bunch slots, made once.
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"

void cGame::initBoardTables() {
  Statics<GameStatics>()->cGame_bunches =
      NewObjectArray(cid::cGame_CBubbleBunch, cGame_CBubbleBunch::kSlots);
}
