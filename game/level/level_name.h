// The level that levelData holds, as trace lines of the level readers name it.
#pragma once

#include <string>

#include "game/game_statics.h"

// "level L of world W": the pack entry and pack index levelData came from.
inline std::string LevelName() {
  GameStatics* s = Statics<GameStatics>();
  return "level " + std::to_string(s->cGame_levelEntry) + " of world " +
         std::to_string(s->cGame_levelPack);
}
