// cGame's resets of a screen's own arrays, references and players, as the screens leave them.
#include "engine/mqlib_player.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"

namespace {

void Zero(IntArray* table) {
  for (int32_t i = 0; table && i < table->length; i++) table->elements()[i] = 0;
}

}  // namespace

void cGame::releaseScreenArrays() {
  GameStatics* s = Statics<GameStatics>();
  Zero(s->cGame_screenTable);
  s->cGame_screenTable = nullptr;
  s->cGame_screenRefA = nullptr;
  s->cGame_screenRefB = nullptr;
}

void cGame::clearScreenRef() {
  Statics<GameStatics>()->cGame_screenRefA = nullptr;
}

void cGame::clearScreenRefs() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_screenRefA = s->cGame_screenRefB = s->cGame_screenRefC = nullptr;
}

void cGame::clearAllScreenRefs() {
  clearScreenRef();
  clearScreenRefs();
}

void cGame::releaseScreenPlayers() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_screenPlayerA = s->cGame_screenPlayerB = nullptr;
}

void cGame::clearScreenTables() {
  GameStatics* s = Statics<GameStatics>();
  for (IntArray* table : {s->cGame_screenTableA, s->cGame_screenTableB, s->cGame_screenTableC}) {
    Zero(table);
  }
}
