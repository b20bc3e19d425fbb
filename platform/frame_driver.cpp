// Counting the game loop's passes, the fixed clock, the hand-over of replayed input from the
// game thread to the main thread, and the end of the game after --frames passes.
#include "platform/frame_driver.h"

#include <atomic>
#include <condition_variable>
#include <mutex>

#include "host/clock.h"
#include "host/headless_window.h"
#include "host/sdl_window.h"
#include "javame/midlet.h"
#include "platform/screen_image.h"
#include "platform/shell.h"
#include "runtime/application.h"
#include "runtime/application_impl.h"
#include "runtime/safe_region.h"
#include "runtime/trace.h"

namespace {

using Kind = ReplayEvent::Kind;

// Batches are numbered: the game thread waits until the main thread has delivered the batch
// it handed over (or the main loop has ended).
struct DriverState {
  std::mutex lock;
  std::condition_variable delivered;
  FrameDriverSettings settings;
  size_t next = 0;                  // the first script event not handed over yet
  std::vector<ReplayEvent> handed;  // handed over, waiting for the main thread
  uint64_t batchesHanded = 0;
  uint64_t batchInDelivery = 0;
  uint64_t batchesDelivered = 0;
  bool stopped = false;
  std::atomic<int64_t> passes{0};
};

// Never freed: a game thread left parked in its wait by the shut-down still refers to it
// while the process ends.
DriverState& State() {
  static DriverState* state = new DriverState;
  return *state;
}

void HandOverReplay(DriverState& state, int64_t pass) {
  std::unique_lock<std::mutex> guard(state.lock);
  const std::vector<ReplayEvent>& script = state.settings.script;
  if (state.next >= script.size() || script[state.next].frame > pass) return;
  while (state.next < script.size() && script[state.next].frame <= pass) {
    state.handed.push_back(script[state.next++]);
  }
  const uint64_t batch = ++state.batchesHanded;
  SafeRegion parked;  // the main loop's deliveries may start a collection meanwhile
  state.delivered.wait(guard, [&] { return state.batchesDelivered >= batch || state.stopped; });
  guard.unlock();  // leaving the region may wait for a collection: not with the lock held
}

// Ends the game as the game ends itself: its MIDlet's destroyApp stops the game loop, which
// then ends the application.
void EndTheGame(int64_t passes) {
  DebugLog("Frame driver: %lld passes of the game loop have run; ending the game",
           static_cast<long long>(passes));
  Application* application = GetApplication();
  if (application && application->m_midlet) {
    application->m_midlet->destroyApp(true);
  } else if (ApplicationImpl* context = GetApplicationImpl()) {
    context->exit();
  }
}

// Stylus points are given on the 480 x 800 screen; the window may be larger.
intptr_t WindowPoint(const host::Window& window, const ReplayEvent& event) {
  return host::MakePointParam(event.x * window.screenWidth() / kScreenWidth,
                              event.y * window.screenHeight() / kScreenHeight);
}

void DeliverFocus(host::Window& window, bool gained) {
  if (auto* headless = dynamic_cast<host::HeadlessWindow*>(&window)) {
    gained ? headless->injectFocusGain() : headless->injectFocusLoss();
  } else if (auto* sdl = dynamic_cast<host::SdlWindow*>(&window)) {
    sdl->pushEvent(gained ? host::SdlWindow::Event::FocusGained
                          : host::SdlWindow::Event::FocusLost);
  }
}

void DeliverRotation(host::Window& window, uint32_t orientation) {
  auto* headless = dynamic_cast<host::HeadlessWindow*>(&window);
  if (!headless) {
    DebugLog("Frame driver: this window's screen cannot turn; the rotation is skipped");
    return;
  }
  // A turned screen stays turned until the script turns it back.
  headless->injectOrientation(orientation, orientation != kWantedOrientation);
}

// The desktop's power events come from hiding and showing the window.
void DeliverPower(host::Window& window, uint32_t flags) {
  if (auto* headless = dynamic_cast<host::HeadlessWindow*>(&window)) {
    headless->injectPower({host::kPowerTransition, flags});
  } else if (auto* sdl = dynamic_cast<host::SdlWindow*>(&window)) {
    sdl->pushEvent(flags == host::kPowerStateOn ? host::SdlWindow::Event::Shown
                                                : host::SdlWindow::Event::Hidden);
  }
}

void Deliver(host::Window& window, const ReplayEvent& event) {
  switch (event.kind) {
    case Kind::kKeyDown:
      window.postMessage({host::kMsgKeyDown, event.key, 0});
      break;
    case Kind::kKeyUp:
      window.postMessage({host::kMsgKeyUp, event.key, 0});
      break;
    case Kind::kStylusDown:
      window.postMessage({host::kMsgStylusDown, host::kStylusTouching, WindowPoint(window, event)});
      break;
    case Kind::kStylusMove:
      window.postMessage({host::kMsgStylusMove, host::kStylusTouching, WindowPoint(window, event)});
      break;
    case Kind::kStylusUp:
      window.postMessage({host::kMsgStylusUp, 0, WindowPoint(window, event)});
      break;
    case Kind::kFocusLost:
    case Kind::kFocusGained:
      DeliverFocus(window, event.kind == Kind::kFocusGained);
      break;
    case Kind::kRotate:
      DeliverRotation(window, event.value);
      break;
    case Kind::kPower:
      DeliverPower(window, event.value);
      break;
    case Kind::kClose:
      window.postMessage({host::kMsgClose, 0, 0});
      break;
  }
}

}  // namespace

void ConfigureFrameDriver(FrameDriverSettings settings) {
  DriverState& state = State();
  std::lock_guard<std::mutex> guard(state.lock);
  state.settings = std::move(settings);
  state.next = 0;
  state.handed.clear();
  state.batchesHanded = state.batchInDelivery = state.batchesDelivered = 0;
  state.stopped = false;
  state.passes = 0;
}

void EndOfGameLoopPass() {
  DriverState& state = State();
  const int64_t pass = state.passes.fetch_add(1) + 1;
  if (state.settings.fixedClock) state.settings.fixedClock->advance(kFramePeriod);
  HandOverReplay(state, pass);
  if (pass == state.settings.frameLimit) EndTheGame(pass);
}

int64_t GameLoopPassCount() {
  return State().passes.load();
}

void DeliverReplayedInput() {
  DriverState& state = State();
  std::vector<ReplayEvent> batch;
  {
    std::lock_guard<std::mutex> guard(state.lock);
    if (state.handed.empty()) return;
    batch.swap(state.handed);
    state.batchInDelivery = state.batchesHanded;
  }
  if (host::Window* window = Shell().window) {
    for (const ReplayEvent& event : batch) Deliver(*window, event);
  }
}

void ReplayedInputDelivered() {
  DriverState& state = State();
  std::lock_guard<std::mutex> guard(state.lock);
  if (state.batchInDelivery <= state.batchesDelivered) return;
  state.batchesDelivered = state.batchInDelivery;
  state.delivered.notify_all();
}

void StopFrameDriver() {
  DriverState& state = State();
  std::lock_guard<std::mutex> guard(state.lock);
  state.stopped = true;
  state.delivered.notify_all();
}
