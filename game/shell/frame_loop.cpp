// One frame of the game, inside the canvas's synchronous paint on the game thread: the key
// latch, the frame time, then the frame body (a pending state change, the popup or the state's
// update and paint, the pointer latch) and the control bar under the play area.
#include <algorithm>

#include "engine/sprite.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/shell/caught_exception.h"
#include "game/shell/input_lock.h"
#include "game/shell/shared_statics.h"
#include "javame/graphics.h"
#include "javame/runtime.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/system.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kLongestFrameTime = 1000;  // ms: a stall never moves game clocks further
constexpr int64_t kLowMemory = 500000;       // bytes free below which a frame asks for a collection
constexpr int32_t kPlayAreaHeight = 640;
constexpr int32_t kLoadingState = 4;
constexpr int32_t kPlayState = 17;
constexpr int32_t kEndingScene = 31;
constexpr int32_t kControlBarSlot = 1;  // the sprite table's slot of the bar's frames

// Where the bar's frames go: the background, the centre, left and right buttons, then the
// same three lit.
struct BarFrame {
  int32_t frame, x, y;
};
constexpr BarFrame kBarFrames[] = {{0, 0, 640}, {1, 240, 720}, {2, 100, 720}, {3, 380, 720}};
constexpr BarFrame kCentreLit = {4, 240, 720};
constexpr BarFrame kLeftLit = {5, 100, 720};
constexpr BarFrame kRightLit = {6, 380, 720};

void PaintBarFrame(ASprite* bar, const BarFrame& frame) {
  bar->paintFrame(Statics<GameStatics>()->cGame_drawGraphics, frame.frame, frame.x, frame.y, 0, 0,
                  0);
}

// Each step of the frame body runs one operation and answers whether the frame goes on: a
// throwable that is no exception (the dispatcher drops exceptions) skips the rest of the frame.
bool Ran(void (*operation)()) {
  operation();
  return !GetPendingException();
}

bool Sent(int32_t message) {
  cGame::dispatchState(message);
  return !GetPendingException();
}

// A requested change: exit to the old state, then the new one entered; a state entered (at
// start-up too) gets its enter message.
bool EnterRequestedState(GameStatics* s) {
  if (s->cGame_stateChangePending) {
    if (!Sent(cGame::kStateExit)) return false;
    if (s->cGame_nextState == kLoadingState) {
      DebugLog("state %d -> %d (load kind %d)", s->cGame_currentState, s->cGame_nextState,
               s->cGame_loadKind);
    } else {
      DebugLog("state %d -> %d", s->cGame_currentState, s->cGame_nextState);
    }
    s->cGame_previousState = s->cGame_currentState;
    s->cGame_currentState = s->cGame_nextState;
    s->cGame_stateChangePending = false;
    s->cGame_stateEntering = true;
    s->cGame_nextState = -1;
  }
  if (!s->cGame_stateEntering) return true;
  s->cGame_stateEntering = false;
  s->cGame_stateFrames = 0;
  s->cGame_stateTime = 0;
  return Sent(cGame::kStateEnter);
}

// With the popup open the state is painted under it only when something asks for it, and gets
// no update until the frame in which the popup closes: that one goes on from clear keys.
bool PopupFrame(GameStatics* s) {
  if (!Ran(&cGame::updatePopup)) return false;
  if (s->cGame_fullRedraw || LoadShared(s->cGame_repaintRequested)) {
    if (!Sent(cGame::kStatePaint)) return false;
    s->cGame_fullRedraw = false;
    if (s->cGame_popupOpen && !Ran(&cGame::paintPopup)) return false;
  }
  if (s->cGame_popupOpen) return Ran(&cGame::paintPopupBody) && Ran(&cGame::paintPopupSoftKeys);
  if (NullCheck(s->cGame_drawGraphics)) {
    s->cGame_drawGraphics->setClip(0, 0, cGame::kCanvasWidth, cGame::kCanvasHeight);
  }
  cGame::clearKeyStates();
  return Sent(cGame::kStateUpdate);
}

// Without a popup: update, then (unless the update opened one) paint and the touch overlay.
bool StateFrame(GameStatics* s) {
  if (!Sent(cGame::kStateUpdate)) return false;
  if (s->cGame_popupOpen) return true;
  if (!Sent(cGame::kStatePaint)) return false;
  if (s->cGame_pointerHidden) {
    InputGuard guard;
    s->cGame_pointerX = -1;
    s->cGame_pointerY = -1;
  }
  return Ran(&cGame::paintTouchOverlay);
}

}  // namespace

// ---- The canvas's operations ------------------------------------------------------------------

void cGame::paint(javax_microedition_lcdui_Graphics* g) {
  paintFrame(g);
}

void cGame::sizeChanged(int32_t w, int32_t h) {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_canvasWidth = w;
  s->cGame_canvasHeight = h;
}

// ---- The frame --------------------------------------------------------------------------------

void cGame::paintFrame(javax_microedition_lcdui_Graphics* g) {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_frameGraphics = g;
  // A paint the platform starts by itself during a pause, or one inside a frame, is ignored.
  if (LoadShared(s->cGame_paused) || LoadShared(s->cGame_inPaint)) return;
  StoreShared(s->cGame_inPaint, true);
  latchKeys();

  const int64_t now = java_lang_System::currentTimeMillis();
  StoreShared(s->cGame_frameTick, now);
  const int64_t elapsed = now - LoadShared(s->cGame_lastFrameTick);
  s->cGame_frameTime = static_cast<int32_t>(std::clamp<int64_t>(elapsed, 0, kLongestFrameTime));
  StoreShared(s->cGame_lastFrameTick, now);

  s->cGame_screenGraphics = g;
  s->cGame_drawGraphics = g;
  drawFrame();
  if (GetPendingException()) {
    if (!CatchPendingException()) return;
    StoreShared(s->cGame_runState, -1);
  }
  if (java_lang_Runtime::freeMemory() < kLowMemory) java_lang_System::gc();
  StoreShared(s->cGame_repaintRequested, false);
  StoreShared(s->cGame_inPaint, false);
  s->cGame_frameGraphics = nullptr;
}

void cGame::drawFrame() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_fullRedraw = true;
  if (s->cGame_canvasWidth > kCanvasWidth || s->cGame_canvasHeight > kCanvasHeight) {
    cGame* canvas = s->cGame_canvasInstance;
    if (NullCheck(canvas)) canvas->sizeChanged(kCanvasWidth, kCanvasHeight);
  }
  updateFrame();
  if (GetPendingException() && !CatchPendingException()) return;
  drawControlBar();
}

void cGame::updateFrame() {
  GameStatics* s = Statics<GameStatics>();
  if (!EnterRequestedState(s)) return;
  if (!(s->cGame_popupOpen ? PopupFrame(s) : StateFrame(s))) return;
  s->cGame_stateFrames += 1;
  s->cGame_stateTime += s->cGame_frameTime;
  latchPointer();
}

void cGame::drawControlBar() {
  GameStatics* s = Statics<GameStatics>();
  const int32_t state = s->cGame_currentState;
  if (state != kPlayState && state != kEndingScene && !s->cGame_controlBarShown) return;
  javax_microedition_lcdui_Graphics* g = s->cGame_drawGraphics;
  if (!NullCheck(g)) return;
  g->setClip(0, 0, kCanvasWidth, kCanvasHeight);
  g->setColor(0x000000);
  g->fillRect(0, kPlayAreaHeight, kCanvasWidth, kCanvasHeight - kPlayAreaHeight);
  ObjectArray* sprites = s->cGame_spriteTable;
  Object* slot =
      sprites && sprites->length > kControlBarSlot ? sprites->elements()[kControlBarSlot] : nullptr;
  ASprite* bar = CheckCast<ASprite>(slot);
  if (!bar) return;
  for (const BarFrame& frame : kBarFrames) PaintBarFrame(bar, frame);
  if (s->cGame_controlBarCentreLit) PaintBarFrame(bar, kCentreLit);
  if (s->cGame_controlBarLeftLit) PaintBarFrame(bar, kLeftLit);
  if (s->cGame_controlBarRightLit) PaintBarFrame(bar, kRightLit);
}
