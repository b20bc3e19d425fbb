// The game started as the program starts it, headless: the shell's window, display and
// runtime over the built data set, then Application::startApp makes the real MarqPLIM, its
// canvas and its game thread. A stepping clock stands in for time: a sleep moves it on by the
// sleep's length and is recorded (tests/support/recording_clock.h), so the loop's timing is
// exact and runs at full speed. State 1's handler is the test's own, called on the game thread.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/shell/state_table.h"
#include "host/clock.h"
#include "host/file_roots.h"
#include "platform/frame_driver.h"
#include "runtime/safe_region.h"
#include "runtime/static_class.h"
#include "tests/platform/shell_fixture.h"
#include "tests/support/recording_clock.h"

// What state 1's handler does with each message, on the game thread (or on the main thread
// when a resume paints at once); set before the game starts.
inline std::function<void(int32_t message)> stateOneHandler;

inline void TestStateOne(int32_t message) {
  if (stateOneHandler) stateOneHandler(message);
}

class GameThreadTest : public ShellTest {
 protected:
  void SetUp() override {
    host::SetDataRoot(PLIMORA_DATA_PATH);
    host::UseClock(&clock_);
    ReplaceStateHandler(1, &TestStateOne);
    StartShell();
    ASSERT_TRUE(application().getStaticClass()->initialize());
    application().m_midlet = nullptr;
    application().currentDisplayable = nullptr;
    s_ = Statics<GameStatics>();
  }
  void TearDown() override {
    if (s_ && s_->cGame_gameCanvas) {
      application().destoryMIDlet();
      WaitFor([&] { return !context_.running; });
    }
    ShellTest::TearDown();
    stateOneHandler = nullptr;
    RestoreStateHandlers();
    host::UseClock(nullptr);
    host::SetDataRoot(host::DefaultDataRoot());
  }

  // Waits, parked so that the game thread's collections can go on, until done() holds; false
  // after ten seconds.
  static bool WaitFor(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done()) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      SafeRegion parked;
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return true;
  }
  // Waits until n more passes of the game loop have ended.
  static bool WaitForPasses(int64_t n) {
    const int64_t until = GameLoopPassCount() + n;
    return WaitFor([&] { return GameLoopPassCount() >= until; });
  }

  RecordingClock clock_{50000, true};
  GameStatics* s_ = nullptr;
};
