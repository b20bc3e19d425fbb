// A real window on a virtual X server (tests/host/run_under_xvfb.sh starts one; without it
// these tests are skipped). The X server's own copy of its screen, an XWD file, must show the
// presented frame pixel for pixel, and the server must know the window by its title.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "host/sdl_window.h"
#include "tests/support/xwd_screen.h"

namespace {

using host::DisplaySurface;

constexpr int kW = DisplaySurface::kWidth;
constexpr int kH = DisplaySurface::kHeight;

// A frame where every pixel tells its place: red across, green down, blue mixing both.
uint16_t Pattern(int x, int y) {
  return static_cast<uint16_t>(((x * 31 / (kW - 1)) << 11) | ((y * 63 / (kH - 1)) << 5) |
                               ((x + 3 * y) & 31));
}

int Mismatches(const XwdScreen& screen) {
  int wrong = 0;
  for (int y = 0; y < kH; y++) {
    for (int x = 0; x < kW; x++) wrong += screen.at565(x, y) != Pattern(x, y);
  }
  return wrong;
}

intptr_t Ignore(host::Window&, uint32_t, uintptr_t, intptr_t) {
  return 0;
}

class RealWindowTest : public ::testing::TestWithParam<host::DisplayPath> {
 protected:
  void SetUp() override {
    screenPath_ = std::getenv("PLIMORA_XVFB_SCREEN");
    if (!screenPath_) GTEST_SKIP() << "needs a virtual X server: tests/host/run_under_xvfb.sh";
  }
  const char* screenPath_ = nullptr;
};

TEST_P(RealWindowTest, TheScreenShowsThePresentedFrameAndTheWindowItsTitle) {
  auto window = host::SdlWindow::create({"MarquentClass", Ignore}, "Marquent - Plimora", 1);
  ASSERT_NE(window, nullptr);
  std::unique_ptr<DisplaySurface> surface = window->openDisplay(GetParam());
  ASSERT_NE(surface, nullptr);
  for (int y = 0; y < kH; y++) {
    for (int x = 0; x < kW; x++) surface->backBuffer()[y * kW + x] = Pattern(x, y);
  }

  // The X server draws in its own time: keep showing the frame until the screen has it.
  XwdScreen screen;
  int wrong = -1;
  for (int attempt = 0; attempt < 100 && wrong != 0; attempt++) {
    surface->present();
    surface->showPendingFrame();
    host::WindowMessage message;
    while (window->peekMessage(message)) window->dispatchMessage(message);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_TRUE(screen.load(screenPath_));
    ASSERT_EQ(screen.width, kW);
    ASSERT_EQ(screen.height, kH);
    wrong = Mismatches(screen);
  }
  EXPECT_EQ(wrong, 0) << "pixels differing from the presented frame";

  EXPECT_EQ(std::system("xwininfo -root -tree | grep -q '\"Marquent - Plimora\"'"), 0)
      << "the X server knows no window of that title";
}

INSTANTIATE_TEST_SUITE_P(BothPaths, RealWindowTest,
                         ::testing::Values(host::DisplayPath::Renderer,
                                           host::DisplayPath::WindowSurface),
                         [](const auto& info) {
                           return info.param == host::DisplayPath::Renderer ? "Renderer"
                                                                            : "WindowSurface";
                         });

}  // namespace
