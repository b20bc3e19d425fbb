// cGame's class initialisers: the start-up values of the game's statics.
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"

namespace {

constexpr int32_t kFrameBudget = 40;   // ms a pass of the game loop
constexpr int32_t kNoKeyCode = -9999;  // no key pressed yet
constexpr int32_t kNoPosition = -1;    // no pointer position
constexpr int32_t kPopupFontSlot = 3;  // the sprite table's slot of the popup's font

// The shell's defaults; the Graphics statics, the pointer flags and the control bar's flags
// start as the zero-filled block has them (null and false).
void InitShellDefaults(GameStatics* s) {
  s->cGame_frameBudget = kFrameBudget;
  s->cGame_lastKeyCode = kNoKeyCode;
  s->cGame_touchAction = cGame::kNoTouchAction;
  s->cGame_touchSoftKey = cGame::kNoTouchAction;
  for (int32_t* position :
       {&s->cGame_tapX, &s->cGame_tapY, &s->cGame_pointerReleaseX, &s->cGame_pointerReleaseY,
        &s->cGame_pointerPressX, &s->cGame_pointerPressY, &s->cGame_pointerX, &s->cGame_pointerY}) {
    *position = kNoPosition;
  }
  s->cGame_popupFont = kPopupFontSlot;
  s->cGame_eventQueue = NewIntArray(cGame::kEventQueueLength);
}

}  // namespace

void cGame::clinitTables() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_canvasWidth = kCanvasWidth;
  s->cGame_canvasHeight = kCanvasHeight;
  InitShellDefaults(s);
  s->cGame_effectsFullSupport = false;
  s->cGame_effectsEnabled = true;
}
