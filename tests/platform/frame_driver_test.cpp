// The frame driver between a game thread and the main loop: replayed input reaches the game
// before the next pass begins, the fixed clock moves one frame period a pass, and the game is
// ended the way it ends itself once the frame count is reached.
#include "platform/frame_driver.h"

#include <gtest/gtest.h>

#include <atomic>

#include "host/clock.h"
#include "javame/thread.h"
#include "tests/platform/shell_fixture.h"

namespace {

using Calls = std::vector<std::string>;

std::atomic<bool> gameDone{false};

// Two passes of a game loop that paints nothing, noting the end of each.
class TwoPasses : public java_lang_Thread {
 public:
  void run() override {
    for (int pass = 1; pass <= 2; pass++) {
      EndOfGameLoopPass();
      calls.add("after pass " + std::to_string(pass));
    }
    gameDone = true;
  }
};

TEST_F(ShellTest, ReplayedInputArrivesBetweenPassesAndTheFrameCountEndsTheGame) {
  StartShell();
  host::ManualClock clock(1000);
  host::UseClock(&clock);
  ConfigureFrameDriver({2, &clock, ParseInputScript("1 key press enter\n1 tap 100 7\n", "script")});
  gameDone = false;
  ASSERT_GE(NewObject<TwoPasses>()->nativeStart(), 0);
  for (int i = 0; i < 100000 && !gameDone; i++) context_.sleepPumping(1);
  host::UseClock(nullptr);
  ASSERT_TRUE(gameDone);
  EXPECT_EQ(calls.take(),
            (Calls{"keyPressed -5", "pointerPressed 100 7", "after pass 1", "keyReleased -5",
                   "pointerReleased 100 7", "destroyApp", "after pass 2"}));
  EXPECT_EQ(GameLoopPassCount(), 2);
  EXPECT_EQ(clock.ticks(), 1000u + 2 * kFramePeriod);
}

// Without a MIDlet to destroy, the frame count ends the main loop directly.
TEST_F(ShellTest, WithoutAMidletTheFrameCountEndsTheMainLoop) {
  StartShell();
  application().m_midlet = nullptr;
  ConfigureFrameDriver({1, nullptr, {}});
  EndOfGameLoopPass();
  EXPECT_EQ(context_.running.load(), 0);
}

}  // namespace
