// The game window as the platform code sees it: a registered class whose procedure receives
// the window's messages, a message queue of {message, wParam, lParam}, the foreground state,
// the display orientation, power notifications and the display surface. Back-ends (SDL2 and
// headless) turn their own events into these messages on the main thread.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>

#include "host/display_surface.h"
#include "host/window_messages.h"

namespace host {

class Window;

// The procedure a window's messages are handed to; its result goes back to the sender.
using WindowProc = intptr_t (*)(Window& window, uint32_t message, uintptr_t wParam,
                                intptr_t lParam);

// A registered kind of window: its class name and its procedure.
struct WindowClass {
  std::string name;
  WindowProc procedure = nullptr;
};

// Unless noted, a window's operations run on the main thread, the thread that created it.
class Window {
 public:
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window() = default;

  const std::string& className() const { return className_; }
  const std::string& title() const { return title_; }
  // The size of the screen the window stands for, in pixels; stylus points are in this space.
  int screenWidth() const { return screenWidth_; }
  int screenHeight() const { return screenHeight_; }

  // ---- Messages ----
  // Takes the oldest message off the queue, first turning the back-end's waiting events into
  // messages; false when the queue is empty.
  bool peekMessage(WindowMessage& out);
  // Hands a message to the class's procedure and returns its result. A quit message is never
  // handed on: it only tells the loop to end.
  intptr_t dispatchMessage(const WindowMessage& message);
  // Calls the class's procedure at once, without the queue.
  intptr_t sendMessage(uint32_t message, uintptr_t wParam, intptr_t lParam);
  // Any thread: adds a message to the end of the queue.
  void postMessage(const WindowMessage& message);
  // Any thread: queues the quit message with the exit code in wParam.
  void postQuitMessage(int exitCode) {
    postMessage({kMsgQuit, static_cast<uintptr_t>(exitCode), 0});
  }
  // The input method's virtual key for the last key message taken off the queue, else 0.
  uint32_t imeVirtualKey() const { return imeVirtualKey_; }
  // Blocks the main thread until the back-end has an event or a message is queued, or ms
  // milliseconds pass (real time). Touches no managed memory, so the caller may wrap it in a
  // collector safe region.
  virtual void waitForEvents(uint32_t ms) = 0;

  // ---- Window state ----
  // Any thread: the window is the foreground window (activated and holding the focus).
  bool isForeground() const { return foreground_.load(std::memory_order_acquire); }
  // Raises the window and asks for the focus.
  virtual void bringToFront() = 0;
  // Makes the window visible. There is no minimising here: a window that loses the focus stays
  // where it is.
  virtual void show() = 0;

  // ---- Display orientation ----
  virtual uint32_t orientation() const = 0;
  // Asks for an orientation; false when the screen cannot take it.
  virtual bool setOrientation(uint32_t orientation) = 0;

  // ---- Power notifications ----
  // Notifications queue up only while registered; at most four wait, and a fifth pushes out the
  // oldest, so the latest power state is never lost.
  void startPowerNotifications();
  // Unregisters and drops whatever waits.
  void stopPowerNotifications();
  // Any thread: takes the oldest waiting notification; false when none waits. Never blocks.
  bool readPowerNotification(PowerNotification& out);

  // ---- Display ----
  // Creates the display surface that shows frames on this window by the given path; nullptr
  // when the back-end cannot (the SDL window shows through one open surface at a time).
  virtual std::unique_ptr<DisplaySurface> openDisplay(DisplayPath path) = 0;

 protected:
  Window(const WindowClass& windowClass, std::string title, int screenWidth, int screenHeight);

  // Sends what the window procedure receives while the window is being created: create,
  // activate and set focus, leaving the window in the foreground.
  void sendCreationMessages();
  // Any thread: records a change of foreground state and queues activate and set-focus (or
  // deactivate and kill-focus) messages. No change, no messages.
  void setForeground(bool foreground);
  // Any thread: queues a message carrying the input method's key for key messages.
  void queueMessage(const WindowMessage& message, uint32_t imeVirtualKey);
  // Any thread: queues a power notification when registered.
  void queuePowerNotification(const PowerNotification& notification);
  // Waits (real time) until a message or a power notification is queued or ms pass.
  void waitForQueue(uint32_t ms);
  bool queueEmpty();
  // Turns the back-end's waiting events into messages; main thread.
  virtual void pumpEvents() {}

 private:
  struct QueuedMessage {
    WindowMessage message;
    uint32_t imeVirtualKey;
  };
  static constexpr size_t kPowerQueueSize = 4;

  const std::string className_;
  const std::string title_;
  const WindowProc procedure_;
  const int screenWidth_;
  const int screenHeight_;
  std::atomic<bool> foreground_{false};
  uint32_t imeVirtualKey_ = 0;

  std::mutex queueLock_;  // guards the two queues and the registration flag
  std::condition_variable queued_;
  std::deque<QueuedMessage> messages_;
  std::deque<PowerNotification> power_;
  bool powerRegistered_ = false;
};

}  // namespace host
