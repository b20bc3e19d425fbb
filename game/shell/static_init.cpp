// cGame's class initialisers: the start-up values of the game's statics.
#include "game/cgame.h"

#include "game/game_statics.h"

namespace {

// The logical canvas of the game, in pixels (portrait).
constexpr int32_t kCanvasWidth = 480;
constexpr int32_t kCanvasHeight = 800;

}  // namespace

void cGame::clinitTables() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_canvasWidth = kCanvasWidth;
  s->cGame_canvasHeight = kCanvasHeight;
}
