// The message queue, dispatch, foreground state and power-notification queue shared by the
// window back-ends.
#include "host/window.h"

#include <algorithm>
#include <chrono>

namespace host {

intptr_t MakePointParam(int x, int y) {
  auto clamp16 = [](int v) { return static_cast<uint16_t>(std::clamp(v, -32768, 32767)); };
  uint32_t packed = static_cast<uint32_t>(clamp16(x)) | (static_cast<uint32_t>(clamp16(y)) << 16);
  return static_cast<intptr_t>(packed);
}

Window::Window(const WindowClass& windowClass, std::string title, int screenWidth, int screenHeight)
    : className_(windowClass.name),
      title_(std::move(title)),
      procedure_(windowClass.procedure),
      screenWidth_(screenWidth),
      screenHeight_(screenHeight) {}

// ---- Messages ----

bool Window::peekMessage(WindowMessage& out) {
  pumpEvents();
  std::lock_guard<std::mutex> guard(queueLock_);
  if (messages_.empty()) return false;
  QueuedMessage next = messages_.front();
  messages_.pop_front();
  out = next.message;
  bool key = out.message == kMsgKeyDown || out.message == kMsgKeyUp;
  imeVirtualKey_ = key ? next.imeVirtualKey : 0;
  return true;
}

intptr_t Window::dispatchMessage(const WindowMessage& message) {
  if (message.message == kMsgQuit) return 0;
  return sendMessage(message.message, message.wParam, message.lParam);
}

intptr_t Window::sendMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) {
  return procedure_ ? procedure_(*this, message, wParam, lParam) : 0;
}

void Window::postMessage(const WindowMessage& message) {
  queueMessage(message, 0);
}

void Window::queueMessage(const WindowMessage& message, uint32_t imeVirtualKey) {
  {
    std::lock_guard<std::mutex> guard(queueLock_);
    messages_.push_back({message, imeVirtualKey});
  }
  queued_.notify_all();
}

bool Window::queueEmpty() {
  std::lock_guard<std::mutex> guard(queueLock_);
  return messages_.empty() && power_.empty();
}

void Window::waitForQueue(uint32_t ms) {
  std::unique_lock<std::mutex> guard(queueLock_);
  queued_.wait_for(guard, std::chrono::milliseconds(ms),
                   [this] { return !messages_.empty() || !power_.empty(); });
}

// ---- Window state ----

void Window::sendCreationMessages() {
  foreground_.store(true, std::memory_order_release);
  sendMessage(kMsgCreate, 0, 0);
  sendMessage(kMsgActivate, 1, 0);
  sendMessage(kMsgSetFocus, 0, 0);
}

void Window::setForeground(bool foreground) {
  if (foreground_.exchange(foreground, std::memory_order_acq_rel) == foreground) return;
  // The order the device uses: activation first, then the focus.
  postMessage({kMsgActivate, foreground ? 1u : 0u, 0});
  postMessage({foreground ? kMsgSetFocus : kMsgKillFocus, 0, 0});
}

// ---- Power notifications ----

void Window::startPowerNotifications() {
  std::lock_guard<std::mutex> guard(queueLock_);
  power_.clear();
  powerRegistered_ = true;
}

void Window::stopPowerNotifications() {
  std::lock_guard<std::mutex> guard(queueLock_);
  power_.clear();
  powerRegistered_ = false;
}

bool Window::readPowerNotification(PowerNotification& out) {
  std::lock_guard<std::mutex> guard(queueLock_);
  if (power_.empty()) return false;
  out = power_.front();
  power_.pop_front();
  return true;
}

void Window::queuePowerNotification(const PowerNotification& notification) {
  {
    std::lock_guard<std::mutex> guard(queueLock_);
    if (!powerRegistered_) return;
    if (power_.size() == kPowerQueueSize) power_.pop_front();
    power_.push_back(notification);
  }
  queued_.notify_all();
}

}  // namespace host
