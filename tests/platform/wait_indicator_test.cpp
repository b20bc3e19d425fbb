// The wait indicator over a display surface: its lines of dots near (75, 240), white for the
// first phase and red for the others (the device's colour value was blue-green-red), and
// nothing left on the screen once it stops.
#include "platform/wait_indicator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "host/clock.h"
#include "host/headless_window.h"
#include "tests/platform/indicator_frames.h"

namespace {

using host::DisplaySurface;
using indicator_frames::Dots;
using indicator_frames::DotsIn;

constexpr uint16_t kBackground = 0x1234;
constexpr uint32_t kPatienceMs = 5000;  // far beyond the 300 ms of a phase

TEST(WaitIndicatorTest, TheFirstPhaseIsWhiteTheNextRedAndStoppingLeavesTheFrame) {
  auto window = host::HeadlessWindow::create({"MarquentClass", nullptr}, "t");
  std::unique_ptr<DisplaySurface> surface = window->openDisplay(host::DisplayPath::Renderer);
  std::fill_n(surface->backBuffer(), DisplaySurface::kPixels, kBackground);
  surface->present();
  std::vector<uint16_t> frame(DisplaySurface::kPixels);
  std::vector<Dots> phases;
  {
    WaitIndicator indicator(surface.get());
    const uint32_t start = host::RealTickCount();
    while (host::RealTickCount() - start < kPatienceMs &&
           (phases.empty() || phases.back() != Dots::Red)) {
      surface->copyFrontBuffer(frame.data());
      const Dots dots = DotsIn(frame, kBackground);
      // Nothing shows until the thread has drawn its first phase.
      if (dots != Dots::None && (phases.empty() || phases.back() != dots)) phases.push_back(dots);
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
  EXPECT_EQ(phases, (std::vector<Dots>{Dots::White, Dots::Red}));
  surface->copyFrontBuffer(frame.data());
  EXPECT_EQ(DotsIn(frame, kBackground), Dots::None);
}

}  // namespace
