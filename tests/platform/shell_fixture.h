// The shell brought up in the test's own process on a headless window, with a recording
// MIDlet and canvas as the running application: tests inject messages, pump them the way the
// main loop does, and read what reached the application.
#pragma once

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

#include "host/headless_window.h"
#include "javame/displayable.h"
#include "javame/graphics.h"
#include "javame/midlet.h"
#include "platform/display_backends.h"
#include "platform/frame_driver.h"
#include "platform/screen_image.h"
#include "platform/shell.h"
#include "runtime/application_impl.h"
#include "runtime/exceptions.h"
#include "tests/support/runtime_fixture.h"

// What the application was called with, one entry a call: "keyPressed -5",
// "pointerPressed 200 14", "startApp", "showNotify", "paint", ...
class CallLog {
 public:
  void add(std::string call) {
    std::lock_guard<std::mutex> guard(lock_);
    calls_.push_back(std::move(call));
  }
  std::vector<std::string> take() {
    std::lock_guard<std::mutex> guard(lock_);
    std::vector<std::string> calls;
    calls.swap(calls_);
    return calls;
  }

 private:
  std::mutex lock_;
  std::vector<std::string> calls_;
};

inline CallLog calls;

// The test canvases, MIDlets and threads here keep the ids of the classes they derive from:
// they add no reference field, so the reference-field list of that id fits them as it fits
// their base. Records every call in `calls`.
class RecordingCanvas : public javax_microedition_lcdui_Canvas {
 public:
  void keyPressed(int32_t code) override { calls.add("keyPressed " + std::to_string(code)); }
  void keyReleased(int32_t code) override { calls.add("keyReleased " + std::to_string(code)); }
  void pointerPressed(int32_t x, int32_t y) override { calls.add(Point("pointerPressed", x, y)); }
  void pointerReleased(int32_t x, int32_t y) override { calls.add(Point("pointerReleased", x, y)); }
  void pointerDragged(int32_t x, int32_t y) override { calls.add(Point("pointerDragged", x, y)); }
  void showNotify() override { calls.add("showNotify"); }
  void hideNotify() override { calls.add("hideNotify"); }
  void paint(javax_microedition_lcdui_Graphics*) override { calls.add("paint"); }

 private:
  static std::string Point(const char* name, int32_t x, int32_t y) {
    return std::string(name) + " " + std::to_string(x) + " " + std::to_string(y);
  }
};

class RecordingMidlet : public javax_microedition_midlet_MIDlet {
 public:
  void startApp() override { calls.add("startApp"); }
  void pauseApp() override { calls.add("pauseApp"); }
  void destroyApp(bool) override { calls.add("destroyApp"); }
};

class ShellTest : public ::testing::Test {
 protected:
  // A 480 x 800 window unless a test starts its own with StartShell first.
  void SetUp() override {}
  void TearDown() override {
    ClearPendingException();
    DestroyGameWindow();
    Shell() = ShellState();
    calls.take();
  }

  // The window, the display, the runtime and the screen graphics, as start-up makes them,
  // with the recording MIDlet and canvas in place of the application class.
  void StartShell(int screenWidth = 480, int screenHeight = 800) {
    ConfigureFrameDriver({});
    ASSERT_TRUE(CreateGameWindow({true, 1, screenWidth, screenHeight}));
    window_ = static_cast<host::HeadlessWindow*>(Shell().window);
    ASSERT_EQ(context_.openDisplay("GDI"), 1);
    context_.init();
    context_.backBuffer = context_.display->getBackBuffer();
    auto* screen = NewObject<ScreenImage>();
    screen->initOverBuffer(kScreenWidth, kScreenHeight, context_.backBuffer);
    application().setScreenGraphics(screen);
    application().m_midlet = NewObject<RecordingMidlet>();
    application().currentDisplayable = NewObject<RecordingCanvas>();
    Shell().application = context_.application;
    calls.take();
  }

  Application& application() { return *context_.application; }
  host::DisplaySurface& surface() { return *context_.display->surface(); }

  // Injects the messages and lets the shell take them as one main-loop pass does.
  void Deliver(std::initializer_list<host::WindowMessage> messages, uint32_t imeKey = 0) {
    for (const host::WindowMessage& message : messages) window_->injectMessage(message, imeKey);
    PumpMessages();
  }
  void Key(uint32_t message, uint32_t virtualKey, uint32_t imeKey = 0) {
    Deliver({{message, virtualKey, 0}}, imeKey);
  }
  void Stylus(uint32_t message, int x, int y) {
    Deliver({{message, host::kStylusTouching, host::MakePointParam(x, y)}});
  }

  ApplicationImpl context_;
  host::HeadlessWindow* window_ = nullptr;
};
