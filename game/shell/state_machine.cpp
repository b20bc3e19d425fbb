// The state machine: the handler of every state number, the dispatcher that sends a message
// to the current state's handler, and the requests of a change, which the frame applies at its
// start.
#include "engine/mqlib_player.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/shell/caught_exception.h"
#include "game/shell/state_table.h"
#include "javame/exception_classes.h"
#include "runtime/exceptions.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kStateCount = cGame::kStateCount;

// Index = state number; states 7, 11, 16, 19 and 21 have no handler.
constexpr StateHandler kStateHandlers[kStateCount + 1] = {
    nullptr,                     // 0
    &cGame::stateBoot,           // 1
    &cGame::stateBootLoading,    // 2
    &cGame::stateSoundQuestion,  // 3
    &cGame::stateLoading,        // 4
    &cGame::stateTitle,          // 5
    &cGame::stateMainMenu,       // 6
    nullptr,                     // 7
    &cGame::statePreGame,        // 8
    &cGame::stateMenu9,          // 9
    &cGame::stateMenu10,         // 10
    nullptr,                     // 11
    &cGame::stateMenu12,         // 12
    &cGame::statePauseMenu,      // 13
    &cGame::stateMenu14,         // 14
    &cGame::stateLevelEnd,       // 15
    nullptr,                     // 16
    &cGame::statePlay,           // 17
    &cGame::stateScreen18,       // 18
    nullptr,                     // 19
    &cGame::stateMenu20,         // 20
    nullptr,                     // 21
    &cGame::stateMenu22,         // 22
    &cGame::stateMenu23,         // 23
    &cGame::stateMenu24,         // 24
    &cGame::stateMenu25,         // 25
    &cGame::stateMenu26,         // 26
    &cGame::stateMenu27,         // 27
    &cGame::stateMenu28,         // 28
    &cGame::stateMenu29,         // 29
    &cGame::stateMenu30,         // 30
    &cGame::stateScreen31,       // 31
    &cGame::stateMenu32,         // 32
};

// The table in use: the handlers above unless a test replaced some.
struct HandlerTable {
  StateHandler handlers[kStateCount + 1];
  HandlerTable() { restore(); }
  void restore() {
    for (int32_t s = 0; s <= kStateCount; s++) handlers[s] = kStateHandlers[s];
  }
};

HandlerTable& Table() {
  static HandlerTable table;
  return table;
}

bool IsState(int32_t s) {
  return s >= 1 && s <= kStateCount;
}

// Stops the animation the menu screens share, when it has one still running. Animation
// players hold no animation yet, so there is none to stop.
void StopSharedAnimation(MQLibPlayer*) {}

}  // namespace

// ---- The table --------------------------------------------------------------------------------

StateHandler StateHandlerOf(int32_t s) {
  return IsState(s) ? Table().handlers[s] : nullptr;
}

void ReplaceStateHandler(int32_t s, StateHandler handler) {
  if (IsState(s)) Table().handlers[s] = handler;
}

void RestoreStateHandlers() {
  Table().restore();
}

// ---- Dispatch and change requests -------------------------------------------------------------

bool CatchPendingException() {
  Object* pending = GetPendingException();
  if (!InstanceOf(pending, cid::java_lang_Exception)) return false;
  ClearPendingException();
  static_cast<java_lang_Throwable*>(pending)->printStackTrace();
  return true;
}

// ---- Dispatch and change requests -------------------------------------------------------------

void cGame::dispatchState(int32_t message) {
  GameStatics* s = Statics<GameStatics>();
  const int32_t state = s->cGame_currentState;
  if (state != s->cGame_lastDispatchedState) {
    if (s->cGame_sharedAnimPlayer) StopSharedAnimation(s->cGame_sharedAnimPlayer);
    s->cGame_lastDispatchedState = state;
  }
  const StateHandler handler = StateHandlerOf(state);
  if (!handler) return;
  handler(message);
  if (CatchPendingException()) {
    DebugLog("cGame::dispatchState(): state %d let an exception through at message %d", state,
             message);
  }
}

void cGame::resetStateMachine() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_currentState = 1;
  s->cGame_previousState = -1;
  s->cGame_nextState = -1;
  s->cGame_stateChangePending = false;
  s->cGame_stateEntering = true;
  s->cGame_stateFrames = 0;
  s->cGame_stateTime = 0;
}

void cGame::setState(int32_t next) {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_nextState = next;
  s->cGame_stateChangePending = true;
}
