// The SDL window on SDL's dummy video driver (the test script selects it): creation, the
// key table, the stylus, focus, visibility and quit events, and both display paths. Input is
// pushed into SDL's own queue, so it takes the user's path through the translation.
#include "host/sdl_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace {

using host::SdlWindow;
using host::WindowMessage;

std::vector<WindowMessage> received;

intptr_t Record(host::Window&, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  received.push_back({message, wParam, lParam});
  return 0;
}

class SdlWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    received.clear();
    window_ = SdlWindow::create({"MarquentClass", Record}, "Marquent - Plimora", 1);
    ASSERT_NE(window_, nullptr);
  }

  std::vector<WindowMessage> takeAll() {
    std::vector<WindowMessage> taken;
    WindowMessage message;
    while (window_->peekMessage(message)) taken.push_back(message);
    return taken;
  }

  std::unique_ptr<SdlWindow> window_;
};

TEST_F(SdlWindowTest, CreationSendsCreateActivateAndFocus) {
  std::vector<WindowMessage> expected = {
      {host::kMsgCreate, 0, 0}, {host::kMsgActivate, 1, 0}, {host::kMsgSetFocus, 0, 0}};
  EXPECT_EQ(received, expected);
  EXPECT_TRUE(window_->isForeground());
  EXPECT_EQ(window_->title(), "Marquent - Plimora");
  EXPECT_EQ(window_->orientation(), host::kOrientation0);
  EXPECT_FALSE(window_->setOrientation(host::kOrientation90));
}

TEST(SdlWindowScaleTest, TheScreenIsTheBackBufferTimesTheScale) {
  auto window = SdlWindow::create({"MarquentClass", nullptr}, "t", 2);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->screenWidth(), 960);
  EXPECT_EQ(window->screenHeight(), 1600);
}

TEST_F(SdlWindowTest, KeysArriveWithTheDevicesVirtualKeyCodes) {
  struct Case {
    const char* name;
    uint32_t virtualKey;
  } cases[] = {
      {"Return", 13},    {"Keypad Enter", 13},
      {"Left", 37},      {"Up", 38},
      {"Right", 39},     {"Down", 40},
      {"Keypad 0", 96},  {"Keypad 5", 101},
      {"Keypad 9", 105}, {"F1", 112},
      {"F2", 113},       {"F3", 114},
      {"F4", 115},       {"F6", 117},
      {"F7", 118},       {"F8", 119},
      {"F9", 120},       {"F12", 123},
      {"A", 65},         {"Z", 90},
      {"0", 48},         {"9", 57},
      {"Escape", 27},    {"Home", 36},
      {"Left GUI", 91},  {"Right GUI", 92},
      {"Space", 32},     {"Tab", 9},
      {"Backspace", 8},  {"Keypad *", 106},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(window_->pushKey(c.name, true)) << c.name;
    ASSERT_TRUE(window_->pushKey(c.name, false)) << c.name;
    std::vector<WindowMessage> expected = {{host::kMsgKeyDown, c.virtualKey, 0},
                                           {host::kMsgKeyUp, c.virtualKey, 0}};
    EXPECT_EQ(takeAll(), expected) << c.name;
    EXPECT_EQ(window_->imeVirtualKey(), 0u);
  }
}

TEST_F(SdlWindowTest, KeysTheDeviceLacksAreDropped) {
  ASSERT_TRUE(window_->pushKey("CapsLock", true));
  ASSERT_TRUE(window_->pushKey("Left Shift", true));
  EXPECT_TRUE(takeAll().empty());
}

TEST_F(SdlWindowTest, TheStylusMovesOnlyWhileItTouches) {
  window_->pushStylus(host::kMsgStylusMove, 1, 1);  // hovering: dropped
  window_->pushStylus(host::kMsgStylusUp, 2, 2);    // an up without its down: dropped
  window_->pushStylus(host::kMsgStylusDown, 10, 20);
  window_->pushStylus(host::kMsgStylusMove, 11, 22);
  window_->pushStylus(host::kMsgStylusMove, -3, 900);  // dragged outside the window
  window_->pushStylus(host::kMsgStylusUp, 12, 24);
  window_->pushStylus(host::kMsgStylusMove, 13, 26);  // lifted again: dropped
  std::vector<WindowMessage> expected = {
      {host::kMsgStylusDown, host::kStylusTouching, host::MakePointParam(10, 20)},
      {host::kMsgStylusMove, host::kStylusTouching, host::MakePointParam(11, 22)},
      {host::kMsgStylusMove, host::kStylusTouching, host::MakePointParam(-3, 900)},
      {host::kMsgStylusUp, 0, host::MakePointParam(12, 24)}};
  EXPECT_EQ(takeAll(), expected);
}

TEST_F(SdlWindowTest, LosingTheFocusDeactivatesAndEndsADrag) {
  window_->pushStylus(host::kMsgStylusDown, 10, 20);
  window_->pushEvent(SdlWindow::Event::FocusLost);
  window_->pushEvent(SdlWindow::Event::FocusLost);
  window_->pushStylus(host::kMsgStylusMove, 11, 22);
  std::vector<WindowMessage> lost = {
      {host::kMsgStylusDown, host::kStylusTouching, host::MakePointParam(10, 20)},
      {host::kMsgActivate, 0, 0},
      {host::kMsgKillFocus, 0, 0}};
  EXPECT_EQ(takeAll(), lost);
  EXPECT_FALSE(window_->isForeground());

  window_->pushEvent(SdlWindow::Event::FocusGained);
  std::vector<WindowMessage> gained = {{host::kMsgActivate, 1, 0}, {host::kMsgSetFocus, 0, 0}};
  EXPECT_EQ(takeAll(), gained);
  EXPECT_TRUE(window_->isForeground());
}

TEST_F(SdlWindowTest, HidingAndShowingAreThePowerEventsWhileRegistered) {
  host::PowerNotification read;
  window_->pushEvent(SdlWindow::Event::Hidden);
  window_->pushEvent(SdlWindow::Event::Shown);
  takeAll();
  EXPECT_FALSE(window_->readPowerNotification(read));

  window_->startPowerNotifications();
  window_->pushEvent(SdlWindow::Event::Shown);  // already shown: no event
  window_->pushEvent(SdlWindow::Event::Hidden);
  window_->pushEvent(SdlWindow::Event::Shown);
  takeAll();
  ASSERT_TRUE(window_->readPowerNotification(read));
  EXPECT_EQ(read.message, host::kPowerTransition);
  EXPECT_EQ(read.flags, host::kPowerStateSuspend);
  ASSERT_TRUE(window_->readPowerNotification(read));
  EXPECT_EQ(read.flags, host::kPowerStateOn);
  EXPECT_FALSE(window_->readPowerNotification(read));
}

TEST_F(SdlWindowTest, QuittingIsTheCloseMessage) {
  window_->pushEvent(SdlWindow::Event::Quit);
  std::vector<WindowMessage> expected = {{host::kMsgClose, 0, 0}};
  EXPECT_EQ(takeAll(), expected);
}

TEST_F(SdlWindowTest, TheRendererPathShowsWholeFramesWhileTheGameThreadPaints) {
  std::unique_ptr<host::DisplaySurface> surface = window_->openDisplay(host::DisplayPath::Renderer);
  ASSERT_NE(surface, nullptr);
  EXPECT_EQ(window_->openDisplay(host::DisplayPath::WindowSurface), nullptr);  // one at a time
  host::ScreenFormat format = surface->screenFormat();
  EXPECT_EQ(format.width, 480);
  EXPECT_EQ(format.height, 800);
  EXPECT_EQ(format.bitsPerPixel, 16);

  std::atomic<bool> stop{false};
  std::thread painter([&] {
    for (int frame = 0; !stop.load(); frame++) {
      std::fill_n(surface->backBuffer(), host::DisplaySurface::kPixels,
                  frame % 2 ? uint16_t{0x07E0} : uint16_t{0xF800});
      surface->present();
    }
  });
  std::vector<uint16_t> taken(host::DisplaySurface::kPixels);
  for (int shown = 0; shown < 20;) {
    surface->setSmoothScaling(shown % 2);
    if (surface->showPendingFrame()) shown++;
    if (surface->copyFrontBuffer(taken.data()) == 0) continue;
    ASSERT_TRUE(std::all_of(taken.begin(), taken.end(), [&](uint16_t p) { return p == taken[0]; }));
  }
  stop = true;
  painter.join();
}

TEST(SdlWindowSurfaceTest, TheWindowSurfacePathShowsFramesAndReportsTheRealScreen) {
  auto window = SdlWindow::create({"MarquentClass", nullptr}, "t", 1);
  ASSERT_NE(window, nullptr);
  std::unique_ptr<host::DisplaySurface> surface =
      window->openDisplay(host::DisplayPath::WindowSurface);
  ASSERT_NE(surface, nullptr);
  host::ScreenFormat format = surface->screenFormat();
  EXPECT_EQ(format.width, 480);
  EXPECT_EQ(format.height, 800);
  EXPECT_GE(format.pitch, format.width * format.pixelStride);
  surface->present();
  EXPECT_TRUE(surface->showPendingFrame());
  surface->showMessageScreen(u"Please wait");
  EXPECT_EQ(surface->messageScreenText(), u"Please wait");
}

TEST(SdlWindowLifetimeTest, ASurfaceMayOutliveItsWindowAndAClosedOneFreesTheWindow) {
  auto window = SdlWindow::create({"MarquentClass", nullptr}, "t", 1);
  ASSERT_NE(window, nullptr);
  std::unique_ptr<host::DisplaySurface> surface = window->openDisplay(host::DisplayPath::Renderer);
  ASSERT_NE(surface, nullptr);
  surface.reset();
  surface = window->openDisplay(host::DisplayPath::Renderer);  // the slot is free again
  ASSERT_NE(surface, nullptr);
  window.reset();
  surface->present();
  EXPECT_FALSE(surface->showPendingFrame());  // nothing left to show it on
  std::vector<uint16_t> front(host::DisplaySurface::kPixels);
  EXPECT_EQ(surface->copyFrontBuffer(front.data()), 1u);
}

}  // namespace
