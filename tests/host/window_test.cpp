// The headless window: creation messages, the message queue, foreground changes, power
// notifications, orientation and display paths, all driven by injection.
#include "host/headless_window.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

using host::WindowMessage;

std::vector<WindowMessage> received;

intptr_t Record(host::Window&, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  received.push_back({message, wParam, lParam});
  return 0;
}

class HeadlessWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    received.clear();
    window_ = host::HeadlessWindow::create({"MarquentClass", Record}, "Marquent - Plimora");
  }

  // Takes and dispatches every waiting message; returns what was taken.
  std::vector<WindowMessage> pump() {
    std::vector<WindowMessage> taken;
    WindowMessage message;
    while (window_->peekMessage(message)) {
      taken.push_back(message);
      window_->dispatchMessage(message);
    }
    return taken;
  }

  std::unique_ptr<host::HeadlessWindow> window_;
};

TEST_F(HeadlessWindowTest, CreationSendsCreateActivateAndFocusAndLeavesTheWindowInFront) {
  std::vector<WindowMessage> expected = {
      {host::kMsgCreate, 0, 0}, {host::kMsgActivate, 1, 0}, {host::kMsgSetFocus, 0, 0}};
  EXPECT_EQ(received, expected);
  EXPECT_TRUE(window_->isForeground());
  EXPECT_EQ(window_->className(), "MarquentClass");
  EXPECT_EQ(window_->title(), "Marquent - Plimora");
  EXPECT_EQ(window_->screenWidth(), 480);
  EXPECT_EQ(window_->screenHeight(), 800);
  EXPECT_TRUE(pump().empty());  // sent during creation, not queued
}

TEST_F(HeadlessWindowTest, MessagesComeOutInOrderAndQuitIsNeverDispatched) {
  received.clear();
  window_->injectMessage({host::kMsgKeyDown, host::kVkReturn, 0});
  window_->postQuitMessage(3);
  window_->injectMessage(
      {host::kMsgStylusDown, host::kStylusTouching, host::MakePointParam(-5, 799)});
  std::vector<WindowMessage> taken = pump();
  std::vector<WindowMessage> expected = {
      {host::kMsgKeyDown, host::kVkReturn, 0},
      {host::kMsgQuit, 3, 0},
      {host::kMsgStylusDown, host::kStylusTouching, host::MakePointParam(-5, 799)}};
  EXPECT_EQ(taken, expected);
  ASSERT_EQ(received.size(), 2u);
  EXPECT_EQ(received[0].message, host::kMsgKeyDown);
  EXPECT_EQ(received[1].message, host::kMsgStylusDown);
}

TEST(PointParamTest, PointsTravelAsSigned16BitHalvesAndClamp) {
  struct Case {
    int x, y, wantX, wantY;
  } cases[] = {{0, 0, 0, 0},
               {100, 7, 100, 7},
               {-1, -2, -1, -2},
               {479, 799, 479, 799},
               {40000, -40000, 32767, -32768}};
  for (const Case& c : cases) {
    intptr_t lParam = host::MakePointParam(c.x, c.y);
    EXPECT_EQ(host::PointParamX(lParam), c.wantX) << c.x;
    EXPECT_EQ(host::PointParamY(lParam), c.wantY) << c.y;
  }
}

TEST_F(HeadlessWindowTest, TheImeKeyBelongsToTheLastKeyMessageTaken) {
  window_->injectMessage({host::kMsgKeyDown, host::kVkProcessKey, 0}, 'Q');
  window_->injectMessage({host::kMsgSettingChange, 0, 0}, 'Q');
  window_->injectMessage({host::kMsgKeyUp, host::kVkProcessKey, 0}, 'R');
  WindowMessage message;
  ASSERT_TRUE(window_->peekMessage(message));
  EXPECT_EQ(window_->imeVirtualKey(), uint32_t{'Q'});
  ASSERT_TRUE(window_->peekMessage(message));
  EXPECT_EQ(window_->imeVirtualKey(), 0u);  // not a key message
  ASSERT_TRUE(window_->peekMessage(message));
  EXPECT_EQ(window_->imeVirtualKey(), uint32_t{'R'});
}

TEST_F(HeadlessWindowTest, FocusChangesQueueActivationAndFocusMessagesOnlyWhenTheyChange) {
  window_->injectFocusLoss();
  window_->injectFocusLoss();
  EXPECT_FALSE(window_->isForeground());
  std::vector<WindowMessage> lost = {{host::kMsgActivate, 0, 0}, {host::kMsgKillFocus, 0, 0}};
  EXPECT_EQ(pump(), lost);

  window_->bringToFront();
  EXPECT_TRUE(window_->isForeground());
  EXPECT_EQ(window_->bringToFrontCount(), 1);
  std::vector<WindowMessage> gained = {{host::kMsgActivate, 1, 0}, {host::kMsgSetFocus, 0, 0}};
  EXPECT_EQ(pump(), gained);
  window_->bringToFront();  // already in front: nothing to say
  EXPECT_TRUE(pump().empty());
}

TEST_F(HeadlessWindowTest, PowerNotificationsArriveOnlyWhileRegisteredAndKeepTheNewestFour) {
  host::PowerNotification read;
  window_->injectPower({host::kPowerTransition, host::kPowerStateSuspend});
  EXPECT_FALSE(window_->readPowerNotification(read));

  window_->startPowerNotifications();
  const uint32_t flags[] = {host::kPowerStateIdle, host::kPowerStateSuspend,
                            host::kPowerStateUnattended, host::kPowerStateIdle,
                            host::kPowerStateOn};
  for (uint32_t f : flags) window_->injectPower({host::kPowerTransition, f});
  for (int i = 1; i < 5; i++) {
    ASSERT_TRUE(window_->readPowerNotification(read));
    EXPECT_EQ(read.message, host::kPowerTransition);
    EXPECT_EQ(read.flags, flags[i]);
  }
  EXPECT_FALSE(window_->readPowerNotification(read));

  window_->injectPower({host::kPowerTransition, host::kPowerStateIdle});
  window_->stopPowerNotifications();
  EXPECT_FALSE(window_->readPowerNotification(read));
  window_->injectPower({host::kPowerTransition, host::kPowerStateIdle});
  EXPECT_FALSE(window_->readPowerNotification(read));
}

TEST_F(HeadlessWindowTest, AnInjectedRotationSaysSoAndAHeldOneIgnoresRequests) {
  window_->injectOrientation(host::kOrientation90, true);
  EXPECT_EQ(window_->orientation(), host::kOrientation90);
  std::vector<WindowMessage> change = {{host::kMsgSettingChange, 0, 0}};
  EXPECT_EQ(pump(), change);
  window_->setOrientation(host::kOrientation0);
  EXPECT_EQ(window_->orientation(), host::kOrientation90);

  window_->injectOrientation(host::kOrientation270, false);
  window_->setOrientation(host::kOrientation0);
  EXPECT_EQ(window_->orientation(), host::kOrientation0);
  EXPECT_EQ(window_->orientationRequestCount(), 2);
}

TEST_F(HeadlessWindowTest, APostFromAnotherThreadReachesAWaitingLoop) {
  std::thread poster([this] {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    window_->postMessage({host::kMsgClose, 0, 0});
  });
  WindowMessage message;
  while (!window_->peekMessage(message)) window_->waitForEvents(60000);
  poster.join();
  EXPECT_EQ(message.message, host::kMsgClose);
}

TEST(HeadlessDisplayTest, BothPathsOpenInMemoryUnlessRefused) {
  auto window = host::HeadlessWindow::create({"MarquentClass", nullptr}, "t", 240, 400);
  for (host::DisplayPath path : {host::DisplayPath::Renderer, host::DisplayPath::WindowSurface}) {
    std::unique_ptr<host::DisplaySurface> surface = window->openDisplay(path);
    ASSERT_NE(surface, nullptr);
    host::ScreenFormat format = surface->screenFormat();
    EXPECT_EQ(format.width, 240);
    EXPECT_EQ(format.height, 400);
    EXPECT_EQ(format.bitsPerPixel, 16);
    EXPECT_EQ(format.pitch, 480);
  }
  window->refuseDisplayPath(host::DisplayPath::WindowSurface);
  EXPECT_EQ(window->openDisplay(host::DisplayPath::WindowSurface), nullptr);
  EXPECT_NE(window->openDisplay(host::DisplayPath::Renderer), nullptr);
}

}  // namespace
