// The orientation guard and power notifications: a turned display pauses the game behind a
// "Please wait" screen until it is turned back; power events pause and resume through the
// application's paused flag.
#include <gtest/gtest.h>

#include "platform/startup_messages.h"
#include "tests/platform/shell_fixture.h"

namespace {

using Calls = std::vector<std::string>;

// The main loop's steps 2 to 4: messages, paint state cleared, the guard while active.
void LoopPass() {
  PumpMessages();
  GetApplicationImpl()->paintState = 0;
  if (GetApplicationImpl()->paintingEnabled) CheckDisplayOrientation();
}

TEST_F(ShellTest, ATurnedDisplayPausesBehindPleaseWaitUntilItIsTurnedBack) {
  StartShell();
  window_->injectOrientation(host::kOrientation90, /*held=*/true);
  LoopPass();
  EXPECT_EQ(calls.take(), (Calls{"pauseApp", "hideNotify"}));
  EXPECT_EQ(application().paused, 1);
  EXPECT_EQ(context_.paintState.load(), 1) << "the game thread paints nothing meanwhile";
  EXPECT_EQ(surface().messageScreenText(), u"Please wait");
  EXPECT_GE(window_->orientationRequestCount(), 2) << "the wanted orientation is asked for";

  context_.repaintNow();
  LoopPass();  // still turned: still paused, the message stays
  EXPECT_EQ(calls.take(), Calls{});
  EXPECT_EQ(surface().messageScreenText(), u"Please wait");

  window_->injectOrientation(host::kOrientation0, /*held=*/false);
  LoopPass();
  EXPECT_EQ(calls.take(), (Calls{"startApp", "showNotify"}));
  EXPECT_EQ(application().paused, 0);
  EXPECT_EQ(context_.paintState.load(), 0);
}

TEST_F(ShellTest, ThePleaseWaitScreenSpeaksTheUsersLanguage) {
  StartShell();
  selectStartupMessages(7);
  window_->injectOrientation(host::kOrientation270, true);
  LoopPass();
  EXPECT_EQ(surface().messageScreenText(), u"Bitte warten");
  selectStartupMessages(0);
}

// A display the window can turn back is turned back before the guard ever sees it.
TEST_F(ShellTest, ARotationTheScreenFollowsBackIsUndoneWithoutAPause) {
  StartShell();
  window_->injectOrientation(host::kOrientation180, /*held=*/false);
  LoopPass();
  EXPECT_EQ(window_->orientation(), host::kOrientation0);
  EXPECT_EQ(calls.take(), Calls{});
  EXPECT_TRUE(Shell().orientationForced);
}

TEST_F(ShellTest, PowerEventsPauseAndResumeOnlyWhileTheGameHasTheFocus) {
  StartShell();
  const struct {
    uint32_t flags;
    Calls expected;
    uint8_t paused;
  } kCases[] = {
      {host::kPowerStateSuspend, {"pauseApp", "hideNotify"}, 1},
      {host::kPowerStateIdle, {}, 1},  // already paused
      {host::kPowerStateOn, {"startApp", "showNotify"}, 0},
      {host::kPowerStateOn, {}, 0},
      {host::kPowerStateUnattended, {"pauseApp", "hideNotify"}, 1},
      {host::kPowerStateOn, {"startApp", "showNotify"}, 0},
      {host::kPowerStateIdle, {"pauseApp", "hideNotify"}, 1},
  };
  for (const auto& c : kCases) {
    window_->injectPower({host::kPowerTransition, c.flags});
    ProcessPowerNotifications();
    EXPECT_EQ(calls.take(), c.expected) << std::hex << c.flags;
    EXPECT_EQ(application().paused, c.paused);
  }
  window_->injectFocusLoss();
  PumpMessages();
  calls.take();
  window_->injectPower({host::kPowerTransition, host::kPowerStateOn});
  ProcessPowerNotifications();
  EXPECT_EQ(calls.take(), Calls{}) << "no notifications are registered without the focus";
}

}  // namespace
