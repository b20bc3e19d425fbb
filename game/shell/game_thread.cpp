// The game's canvas and its game thread: construction, start-up, pause and resume, and the run
// loop that repaints once a pass and sleeps what is left of the 40 ms frame budget. The flags
// and time bases the platform thread also touches go through LoadShared and StoreShared.
#include <algorithm>

#include "engine/mqlib_player.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/shell/input_lock.h"
#include "game/shell/shared_statics.h"
#include "javame/display.h"
#include "javame/midlet.h"
#include "javame/random.h"
#include "javame/thread.h"
#include "platform/frame_driver.h"
#include "runtime/application_impl.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/system.h"
#include "runtime/trace.h"

namespace {

int64_t Now() {
  return java_lang_System::currentTimeMillis();
}

}  // namespace

// ---- Construction and start-up ----------------------------------------------------------------

cGame::cGame(javax_microedition_midlet_MIDlet* midlet, javax_microedition_lcdui_Display* display) {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_canvasInstance = this;
  StoreShared(s->cGame_runState, -1);
  StoreShared(s->cGame_inPaint, true);
  s->cGame_gameMidlet = midlet;
  s->cGame_gameDisplay = display;
  javax_microedition_lcdui_Display::setCurrent(display, this);
  initKeyMap();
  const int64_t now = Now();
  StoreShared(s->cGame_lastFrameTick, now);
  StoreShared(loopTick, now);
  resetStateMachine();
}

void cGame::startUp() {
  GameStatics* s = Statics<GameStatics>();
  if (LoadShared(s->cGame_runState) >= 0) return;
  s->cGame_canvasWidth = kCanvasWidth;
  s->cGame_canvasHeight = kCanvasHeight;
  ByteArray* latched = NewByteArray(kGameKeyCount);
  ByteArray* live = NewByteArray(kGameKeyCount);
  {
    InputGuard guard;
    s->cGame_keysLatched = latched;
    s->cGame_keysLive = live;
  }
  setRandomSeed(Now());
  StoreShared(s->cGame_runState, 0);
  // The new thread takes the calling thread's priority.
  auto* thread = NewObject<java_lang_Thread>(s->cGame_canvasInstance);
  if (thread && thread->nativeStart() >= 0) return;
  // Without its game thread nothing would ever end the application: end it now.
  DebugLog("cGame::startUp(): the game thread did not start; the application ends");
  StoreShared(s->cGame_runState, -1);
  if (ApplicationImpl* context = GetApplicationImpl()) context->exit();
}

// The game's own generator (rand, randRange) takes the seed's low 32 bits at the same time:
// the game seeds it when it starts, and this is the one place it does so.
void cGame::setRandomSeed(int64_t seed) {
  GameStatics* s = Statics<GameStatics>();
  if (!s->cGame_sharedRandom) s->cGame_sharedRandom = NewObject<java_util_Random>();
  if (NullCheck(s->cGame_sharedRandom)) s->cGame_sharedRandom->setSeed(seed);
  s->cGame_randomSeed = static_cast<int32_t>(seed);
}

// ---- Pause and resume -------------------------------------------------------------------------

void cGame::resume() {
  GameStatics* s = Statics<GameStatics>();
  if (!LoadShared(s->cGame_paused)) return;
  const int64_t now = Now();
  StoreShared(s->cGame_frameTick, now);
  StoreShared(s->cGame_lastFrameTick, now);
  cGame* canvas = s->cGame_gameCanvas;
  if (canvas) StoreShared(canvas->loopTick, now);
  StoreShared(s->cGame_paused, false);
  StoreShared(s->cGame_resumedFlag, true);  // the play state pauses on it
  javax_microedition_lcdui_Display::setCurrent(s->cGame_gameDisplay, canvas);
  StoreShared(s->cGame_repaintRequested, true);
  if (!LoadShared(s->cGame_inPaint)) GetApplicationImpl()->repaintNow();
  clearKeyStates();
}

void cGame::pause() {
  GameStatics* s = Statics<GameStatics>();
  if (LoadShared(s->cGame_paused)) return;
  StoreShared(s->cGame_paused, true);
  MQLibPlayer::soundStopAll();
}

void cGame::showNotify() {
  resume();
}

void cGame::hideNotify() {
  stopSound();
  pause();
}

// ---- The run loop -----------------------------------------------------------------------------

// A pass either paints a frame and sleeps the rest of the frame budget (at least 1 ms), the
// budget counted from the end of the previous sleep, or, while paused, only sleeps 1 ms.
void cGame::run() {
  GameStatics* s = Statics<GameStatics>();
  ApplicationImpl* context = GetApplicationImpl();
  javax_microedition_lcdui_Display::setCurrent(s->cGame_gameDisplay, this);
  StoreShared(s->cGame_inPaint, false);
  while (LoadShared(s->cGame_runState) >= 0) {
    if (LoadShared(s->cGame_paused)) {
      StoreShared(loopTick, std::min(LoadShared(loopTick), Now()));
      java_lang_Thread::sleep(1);
    } else {
      context->repaintNow();
      if (GetPendingException()) break;
      ApplicationImpl::noop1(this);
      const int64_t now = Now();
      StoreShared(loopTick, std::min(LoadShared(loopTick), now));
      java_lang_Thread::sleep(
          std::max<int64_t>(1, s->cGame_frameBudget - now + LoadShared(loopTick)));
      StoreShared(loopTick, Now());
    }
    EndOfGameLoopPass();
    if (GetPendingException()) break;
  }
  // An exception that left the loop ends the game.
  if (DiscardPendingException()) StoreShared(s->cGame_runState, -1);
  releaseKeyArrays();
  context->exit();
}
