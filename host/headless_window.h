// The headless window: no screen, frames kept in memory. It reports itself created,
// activated, focused and in front, and lets tests (and input replay) inject what a device
// would send: messages, focus changes, display rotations and power events.
#pragma once

#include <atomic>
#include <memory>
#include <string>

#include "host/window.h"

namespace host {

class HeadlessWindow final : public Window {
 public:
  // A window standing for a screen of the given size in pixels; the creation messages go to
  // the class's procedure before this returns.
  static std::unique_ptr<HeadlessWindow> create(const WindowClass& windowClass, std::string title,
                                                int screenWidth = DisplaySurface::kWidth,
                                                int screenHeight = DisplaySurface::kHeight);

  void waitForEvents(uint32_t ms) override { waitForQueue(ms); }
  // Takes the foreground back when it was lost, with the messages that go with it.
  void bringToFront() override;
  void show() override {}
  uint32_t orientation() const override { return orientation_.load(std::memory_order_acquire); }
  // Turns the screen as asked, unless an injected rotation is being held.
  bool setOrientation(uint32_t orientation) override;
  // Both paths keep frames in memory only; a refused path fails to open.
  std::unique_ptr<DisplaySurface> openDisplay(DisplayPath path) override;

  // ---- Injection; any thread ----
  // Queues a message; key messages may carry the input method's virtual key.
  void injectMessage(const WindowMessage& message, uint32_t imeVirtualKey = 0) {
    queueMessage(message, imeVirtualKey);
  }
  void injectFocusLoss() { setForeground(false); }
  void injectFocusGain() { setForeground(true); }
  // Turns the screen and queues the setting-change message the device sends. While held, the
  // screen stays turned whatever is asked, until the next injection.
  void injectOrientation(uint32_t orientation, bool held);
  // Delivered only while power notifications are registered.
  void injectPower(const PowerNotification& notification) { queuePowerNotification(notification); }
  void refuseDisplayPath(DisplayPath path);

  // What the window was asked to do.
  int bringToFrontCount() const { return bringToFrontCount_.load(); }
  int orientationRequestCount() const { return orientationRequests_.load(); }

 private:
  HeadlessWindow(const WindowClass& windowClass, std::string title, int width, int height)
      : Window(windowClass, std::move(title), width, height) {}

  std::atomic<uint32_t> orientation_{kOrientation0};
  std::atomic<bool> orientationHeld_{false};
  std::atomic<int> orientationRequests_{0};
  std::atomic<int> bringToFrontCount_{0};
  std::atomic<bool> rendererRefused_{false};
  std::atomic<bool> surfaceRefused_{false};
};

}  // namespace host
