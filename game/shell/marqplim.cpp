// The application class's lifecycle: the platform's start, pause and destroy of the MIDlet,
// passed on to the game's canvas and its statics.
#include "game/shell/marqplim.h"

#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/shell/shared_statics.h"
#include "javame/display.h"

MarqPLIM::MarqPLIM() {
  Statics<GameStatics>()->MarqPLIM_applicationInstance = this;
}

MarqPLIM* MarqPLIM::getInstance() {
  return Statics<GameStatics>()->MarqPLIM_applicationObject;
}

void MarqPLIM::startApp() {
  GameStatics* s = Statics<GameStatics>();
  if (!s->cGame_gameCanvas) {
    s->cGame_gameCanvas =
        NewObject<cGame>(this, javax_microedition_lcdui_Display::getDisplay(this));
    if (!s->cGame_gameCanvas) return;
    cGame::startUp();
  }
  cGame::resume();
}

void MarqPLIM::pauseApp() {
  cGame::pause();
}

void MarqPLIM::destroyApp(bool) {
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_gameCanvas) StoreShared(s->cGame_runState, -1);
}
