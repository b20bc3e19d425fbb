// Power notifications: registered while the game has the focus, read by the main loop. On the
// desktop they come from the window being hidden (suspend) or shown again (on).
#include "platform/shell.h"
#include "runtime/application.h"

// A new registration replaces an earlier one and drops what it left waiting.
void StartPowerNotifications() {
  if (host::Window* window = Shell().window) window->startPowerNotifications();
}

void StopPowerNotifications() {
  if (host::Window* window = Shell().window) window->stopPowerNotifications();
}

void ProcessPowerNotifications() {
  host::Window* window = Shell().window;
  if (!window) return;
  constexpr uint32_t kAsleep =
      host::kPowerStateIdle | host::kPowerStateSuspend | host::kPowerStateUnattended;
  host::PowerNotification notification;
  while (window->readPowerNotification(notification)) {
    Application* application = Shell().application;
    if (notification.message != host::kPowerTransition || !application) continue;
    if (notification.flags & host::kPowerStateOn) {
      if (application->paused) application->resume();
    } else if (notification.flags & kAsleep) {
      if (!application->paused) application->pause();
    }
  }
}
