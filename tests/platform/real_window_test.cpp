// The shell on a real window of a virtual X server (tests/host/run_under_xvfb.sh starts one;
// without it the test is skipped): the server knows the window by its title, and its screen
// shows the boot's logo centred on white.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

#include "host/file_roots.h"
#include "host/sdl_window.h"
#include "tests/platform/shell_fixture.h"
#include "tests/support/boot_screen.h"
#include "tests/support/xwd_screen.h"

namespace {

constexpr int kFrames = 30;

TEST_F(ShellTest, OnARealWindowTheTitleAndTheLogoShow) {
  const char* screenPath = std::getenv("PLIMORA_XVFB_SCREEN");
  if (!screenPath) GTEST_SKIP() << "needs a virtual X server: tests/host/run_under_xvfb.sh";
  host::SetDataRoot(PLIMORA_DATA_PATH);
  ConfigureFrameDriver({kFrames, nullptr, {}});
  ASSERT_TRUE(CreateGameWindow({false, 1}));
  ASSERT_NE(dynamic_cast<host::SdlWindow*>(Shell().window), nullptr) << "a real window";
  ASSERT_EQ(context_.openDisplay("GDI"), 1);
  ASSERT_EQ(context_.init(), 1);
  ASSERT_EQ(context_.initApplication(), 1);
  Shell().application = context_.application;

  while (context_.running) context_.sleepPumping(5);  // until the game ends after its frames
  EXPECT_EQ(std::system("xwininfo -root -tree | grep -q '\"Marquent - Plimora\"'"), 0)
      << "the X server knows no window of that title";

  // The X server draws in its own time: hand the last frame over again until the screen has it.
  const PixelBox logo = CentredLogoBox();
  XwdScreen screen;
  PixelBox shown;
  for (int attempt = 0; attempt < 100 && !(shown == logo); attempt++) {
    context_.display->present();
    surface().showPendingFrame();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    ASSERT_TRUE(screen.load(screenPath));
    ASSERT_EQ(screen.width, kScreenWidth);
    ASSERT_EQ(screen.height, kScreenHeight);
    shown = NonWhiteBox([&](int32_t x, int32_t y) { return screen.at565(x, y); });
  }
  EXPECT_EQ(shown, logo) << "the screen's ink is not the logo centred on white";
}

}  // namespace
