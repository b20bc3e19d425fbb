// A real window on a virtual X server (tests/host/run_under_xvfb.sh starts one; without it
// these tests are skipped). The X server's own copy of its screen, an XWD file, must show the
// presented frame pixel for pixel, and the server must know the window by its title.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

#include "host/sdl_window.h"

namespace {

using host::DisplaySurface;

constexpr int kW = DisplaySurface::kWidth;
constexpr int kH = DisplaySurface::kHeight;

// A frame where every pixel tells its place: red across, green down, blue mixing both.
uint16_t Pattern(int x, int y) {
  return static_cast<uint16_t>(((x * 31 / (kW - 1)) << 11) | ((y * 63 / (kH - 1)) << 5) |
                               ((x + 3 * y) & 31));
}

// The XWD layout Xvfb keeps its screen in: a header of 25 big-endian 32-bit fields (then the
// window name up to the header size), the colour map (12 bytes an entry), then the rows.
struct XwdScreen {
  int width = 0, height = 0, bitsPerPixel = 0, bytesPerLine = 0;
  bool lsbFirst = false;
  std::vector<uint8_t> file;
  size_t pixelsAt = 0;

  bool load(const char* path) {
    std::ifstream in(path, std::ios::binary);
    file.assign(std::istreambuf_iterator<char>(in), {});
    if (file.size() < 100) return false;
    auto field = [&](int i) {
      const uint8_t* p = &file[4 * i];
      return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
    };
    width = static_cast<int>(field(4));
    height = static_cast<int>(field(5));
    lsbFirst = field(7) == 0;
    bitsPerPixel = static_cast<int>(field(11));
    bytesPerLine = static_cast<int>(field(12));
    pixelsAt = field(0) + 12 * size_t{field(19)};
    return bitsPerPixel == 32 && file.size() >= pixelsAt + size_t(bytesPerLine) * height;
  }

  // The pixel as RGB565, assuming the 8-bit-a-channel visual Xvfb's depth 24 gives.
  uint16_t at565(int x, int y) const {
    const uint8_t* p = &file[pixelsAt + size_t(y) * bytesPerLine + 4 * size_t(x)];
    uint32_t v =
        lsbFirst ? (p[0] | (p[1] << 8) | (p[2] << 16)) : (p[3] | (p[2] << 8) | (p[1] << 16));
    uint32_t r = (v >> 16) & 0xFF, g = (v >> 8) & 0xFF, b = v & 0xFF;
    return static_cast<uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
  }
};

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
