// Frames of the game run one at a time on the test's own thread: a started runtime, the game's
// canvas with its key arrays (its game thread is never started), a manual clock, and a
// recording handler in place of every state's, so a test sees each message a frame sends.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/shell/state_table.h"
#include "host/clock.h"
#include "javame/image.h"
#include "runtime/array.h"
#include "runtime/static_class.h"
#include "tests/support/started_runtime_fixture.h"

// One message a handler received.
struct StateCall {
  int32_t state, message;
};

inline std::vector<StateCall> stateCalls;
// Runs inside the recording handler after the call is recorded: the test's own reaction.
inline std::function<void(int32_t state, int32_t message)> onStateCall;

template <int32_t S>
void RecordingHandler(int32_t message) {
  stateCalls.push_back({S, message});
  if (onStateCall) onStateCall(S, message);
}

template <int32_t... S>
constexpr std::array<StateHandler, sizeof...(S)> RecordingHandlers(
    std::integer_sequence<int32_t, S...>) {
  return {&RecordingHandler<S>...};
}

inline void PutInRecordingHandlers() {
  constexpr auto handlers =
      RecordingHandlers(std::make_integer_sequence<int32_t, cGame::kStateCount + 1>());
  for (int32_t s = 1; s <= cGame::kStateCount; s++) {
    if (StateHandlerOf(s)) ReplaceStateHandler(s, handlers[s]);
  }
}

inline std::string Describe(const std::vector<StateCall>& calls) {
  static const char* const kNames[] = {"enter", "update", "paint", "exit"};
  std::string text;
  for (const StateCall& call : calls) {
    text += std::to_string(call.state) + ":" +
            (call.message >= 0 && call.message < 4 ? kNames[call.message] : "?") + " ";
  }
  return text;
}

class FrameTest : public StartedRuntimeTest {
 protected:
  void SetUp() override {
    host::UseClock(&clock_);
    StartedRuntimeTest::SetUp();
    s_ = Statics<GameStatics>();
    // The application's screen graphics are a root: no collection frees them.
    application_.setScreenGraphics(javax_microedition_lcdui_Image::createImage(480, 800));
    s_->cGame_gameCanvas = NewObject<cGame>(nullptr, nullptr);
    s_->cGame_keysLive = NewByteArray(cGame::kGameKeyCount);
    s_->cGame_keysLatched = NewByteArray(cGame::kGameKeyCount);
    // As the run loop leaves them when it starts.
    s_->cGame_runState = 0;
    s_->cGame_inPaint = false;
    PutInRecordingHandlers();
  }
  void TearDown() override {
    RestoreStateHandlers();
    stateCalls.clear();
    onStateCall = nullptr;
    StartedRuntimeTest::TearDown();
    host::UseClock(nullptr);
  }

  // One frame through the canvas's paint.
  void Frame() { canvas()->paint(application_.m_screenGraphics); }
  // The calls of the next frame, as "state:message" words.
  std::string FrameCalls() {
    stateCalls.clear();
    Frame();
    return Describe(stateCalls);
  }
  cGame* canvas() { return s_->cGame_gameCanvas; }
  int32_t Latched(int32_t k) { return ByteArray::get(s_->cGame_keysLatched, k); }

  host::ManualClock clock_{100000};
  GameStatics* s_ = nullptr;
};
