// The main thread's loop: power notifications, the window's messages, the orientation guard,
// showing the frames the game thread hands over, and the waits between passes. Every wait of
// the main thread is a safe region, so a collection on the game thread never waits for it.
#include "host/clock.h"
#include "host/termination_signal.h"
#include "javame/thread.h"
#include "platform/display_backends.h"
#include "platform/frame_driver.h"
#include "platform/shell.h"
#include "runtime/application_impl.h"
#include "runtime/safe_region.h"

namespace {

constexpr uint32_t kLoopSleep = 5;  // ms, twice a pass: the native wait, then the Java sleep

// A termination signal closes the game as its close button does, once.
void AnswerTerminationSignal() {
  ShellState& shell = Shell();
  if (shell.closeRequested || !host::TerminationRequested() || !shell.window) return;
  shell.closeRequested = true;
  shell.window->postMessage({host::kMsgClose, 0, 0});
}

// Shows the last frame the game thread presented, if it has not been shown yet. Waiting for
// the front buffer's lock parks the thread; the surface touches no managed memory.
void ShowPendingFrame(ApplicationImpl& context) {
  host::DisplaySurface* surface = DisplaySurfaceOf(&context);
  if (!surface) return;
  SafeRegion parked;
  surface->showPendingFrame();
}

// Steps 1 to 4 of a pass, with the host's own duties around them; false once the loop must
// end (a quit message has shut everything down).
bool LoopBody(ApplicationImpl& context) {
  DeliverReplayedInput();
  AnswerSecondStarts();
  AnswerTerminationSignal();
  ProcessPowerNotifications();
  PumpMessages();
  if (!context.running) return false;
  context.paintState = 0;
  if (context.paintingEnabled && kKeepOrientation) CheckDisplayOrientation();
  ReplayedInputDelivered();
  ShowPendingFrame(context);
  return true;
}

// Waits for window events (real time, so a fixed clock does not turn the loop into a spin),
// then sleeps where a collection may park the thread.
void LoopWait(uint32_t ms) {
  if (host::Window* window = Shell().window) {
    SafeRegion parked;
    window->waitForEvents(ms);
  }
  java_lang_Thread::sleep(ms);
}

}  // namespace

void ApplicationImpl::run() {
  while (running && LoopBody(*this)) LoopWait(kLoopSleep);
  running = 0;
  StopFrameDriver();
  ShutDownRuntime();
}

void ApplicationImpl::sleepPumping(int32_t ms) {
  if (!LoopBody(*this) || ms <= 0) return;
  SafeRegion parked;
  host::Sleep(static_cast<uint32_t>(ms));
}

void ApplicationImpl::exit() {
  running = 0;
}

// Departure: the quit message does not end the process on the spot; the runtime and the
// window are shut down here as the device did, and the loop then ends and the program returns
// the quit code, so everything is released on the way out.
void PumpMessages() {
  ShellState& shell = Shell();
  host::WindowMessage message;
  while (shell.window && shell.window->peekMessage(message)) {
    if (message.message == host::kMsgQuit) {
      if (ApplicationImpl* context = GetApplicationImpl()) context->running = 0;
      shell.exitCode = static_cast<int>(message.wParam);
      ShutDownRuntime();
      DestroyGameWindow();
      return;
    }
    shell.window->dispatchMessage(message);
  }
}
