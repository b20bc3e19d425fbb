// Opening the display back-ends by name, with their exact trace lines, and the screen image
// laid over the chosen back-end's buffer.
#include <gtest/gtest.h>

#include "javame/graphics.h"
#include "runtime/array.h"
#include "tests/platform/shell_fixture.h"
#include "tests/runtime/collector_fixture.h"

namespace {

using Lines = std::vector<std::string>;

class OpenDisplayTest : public ShellTest {
 protected:
  void SetUp() override {
    ConfigureFrameDriver({});
    ASSERT_TRUE(CreateGameWindow({true, 1, 240, 400}));
    window_ = static_cast<host::HeadlessWindow*>(Shell().window);
  }
};

TEST_F(OpenDisplayTest, EachModeOpensItsBackEndWithItsTraceLine) {
  const struct {
    const char* mode;
    int32_t opened;
    Lines trace;
  } kCases[] = {
      {"GDI", 1, {"\nApplicationImpl::openDisplay(GDI): Using GDI display type.\n"}},
      {"DDRAW", 1, {"openDisplay(DDRAW): Using DDRAW display type."}},
      {"AUTO", 1, {"\nApplicationImpl::openDisplay(AUTO): Using DDRAW display type.\n"}},
      {"gdi", 0, {"\nApplicationImpl::openDisplay(): Display type invalid.\n"}},
      {"", 0, {"\nApplicationImpl::openDisplay(): Display type invalid.\n"}},
  };
  for (const auto& c : kCases) {
    TraceCapture trace;
    EXPECT_EQ(context_.openDisplay(c.mode), c.opened) << c.mode;
    EXPECT_EQ(trace.lines(), c.trace) << c.mode;
    if (c.opened) context_.display->close();
  }
}

TEST_F(OpenDisplayTest, AutoFallsBackToGdiWhenTheBlitPathFails) {
  window_->refuseDisplayPath(host::DisplayPath::WindowSurface);
  TraceCapture trace;
  EXPECT_EQ(context_.openDisplay("AUTO"), 1);
  EXPECT_EQ(trace.lines(),
            (Lines{"\nApplicationImpl::openDisplay(AUTO): Could not create a DDRAW display type.\n",
                   "\nApplicationImpl::openDisplay(AUTO): Using GDI display type.\n"}));
  EXPECT_NE(dynamic_cast<GdiDisplay*>(context_.display), nullptr);
}

TEST_F(OpenDisplayTest, FailuresKeepTheClosedBackEndAndSaySo) {
  window_->refuseDisplayPath(host::DisplayPath::WindowSurface);
  window_->refuseDisplayPath(host::DisplayPath::Renderer);
  const struct {
    const char* mode;
    Lines trace;
  } kCases[] = {
      {"GDI", {"\nApplicationImpl::openDisplay(GDI): Could not create a GDI display type.\n"}},
      {"DDRAW", {"openDisplay(DDRAW): Could not create a DDRAW display type."}},
      {"AUTO",
       {"\nApplicationImpl::openDisplay(AUTO): Could not create a DDRAW display type.\n",
        "\nApplicationImpl::openDisplay(AUTO): Could not create a GDI display type.\n"}},
  };
  for (const auto& c : kCases) {
    TraceCapture trace;
    EXPECT_EQ(context_.openDisplay(c.mode), 0) << c.mode;
    EXPECT_EQ(trace.lines(), c.trace) << c.mode;
    ASSERT_NE(context_.display, nullptr);
    EXPECT_EQ(context_.display->getBackBuffer(), nullptr);
  }
}

// A 240 x 400 screen: the GDI path reports the window's size and stretches the 480 x 800
// buffer with the fast mode until smooth scaling is asked for.
TEST_F(OpenDisplayTest, TheGdiBackEndDescribesTheScreenAndTheBuffer) {
  ASSERT_EQ(context_.openDisplay("GDI"), 1);
  NativeDisplay& display = *context_.display;
  EXPECT_EQ(display.getScreenWidth(), 240);
  EXPECT_EQ(display.getScreenHeight(), 400);
  EXPECT_EQ(display.getBitsPerPixel(), 16);
  EXPECT_EQ(display.getPixelStride(), 2);
  EXPECT_EQ(display.getScreenPitch(), 480);
  EXPECT_EQ(display.getBackBufferWidth(), 480);
  EXPECT_EQ(display.getBackBufferHeight(), 800);
  EXPECT_EQ(display.getBackBufferPitch(), 960);
  EXPECT_TRUE(display.lockBackBuffer() && display.unlockBackBuffer());
  EXPECT_TRUE(display.setWindowedMode() && display.setFullScreenMode());
  auto& gdi = static_cast<GdiDisplay&>(display);
  EXPECT_EQ(gdi.stretchMode(), GdiDisplay::kStretchFast);
  gdi.setSmoothScaling();
  EXPECT_TRUE(gdi.present());
  EXPECT_TRUE(display.surface()->smoothScaling());
  gdi.setFastScaling();
  EXPECT_TRUE(gdi.present());
  EXPECT_FALSE(display.surface()->smoothScaling());
  display.close();
  EXPECT_FALSE(display.present()) << "a closed back-end presents nothing";
}

TEST_F(OpenDisplayTest, TheBlitBackEndReadsTheScreenFromTheWindowsSurface) {
  ASSERT_EQ(context_.openDisplay("DDRAW"), 1);
  NativeDisplay& display = *context_.display;
  EXPECT_EQ(display.getScreenWidth(), 240);
  EXPECT_EQ(display.getScreenHeight(), 400);
  EXPECT_EQ(display.getScreenPitch(), 480);
  EXPECT_EQ(display.getBackBufferPitch(), 960);
  EXPECT_TRUE(display.present());
  EXPECT_EQ(display.surface()->presentCount(), 1u);
}

// Drawing on the screen graphics changes the back buffer at once; nothing reaches the front
// buffer until the frame is presented.
TEST_F(OpenDisplayTest, TheScreenImageLiesOverTheBackBuffer) {
  ASSERT_EQ(context_.openDisplay("GDI"), 1);
  context_.init();
  uint16_t* buffer = context_.display->getBackBuffer();
  auto* screen = NewObject<ScreenImage>();
  screen->initOverBuffer(kScreenWidth, kScreenHeight, buffer);
  EXPECT_EQ(screen->rowLength, 960);
  EXPECT_EQ(screen->getPixelArray()->length, 480 * 800);
  EXPECT_TRUE(screen->isMutable());
  context_.application->setScreenGraphics(screen);
  javax_microedition_lcdui_Graphics* graphics = context_.application->m_screenGraphics;
  graphics->setColor(0xFF0000);
  graphics->fillRect(10, 20, 1, 1);
  EXPECT_EQ(buffer[20 * 480 + 10], 0xF800);
  std::vector<uint16_t> front(host::DisplaySurface::kPixels);
  context_.display->surface()->copyFrontBuffer(front.data());
  EXPECT_EQ(front[20 * 480 + 10], 0);
  context_.display->present();
  context_.display->surface()->copyFrontBuffer(front.data());
  EXPECT_EQ(front[20 * 480 + 10], 0xF800);
}

// The array forgets the buffer when it is freed; the buffer itself stays the display's.
TEST_F(OpenDisplayTest, FreeingTheScreenImageLeavesTheBufferAlone) {
  ASSERT_EQ(context_.openDisplay("GDI"), 1);
  context_.init();
  uint16_t* buffer = context_.display->getBackBuffer();
  buffer[0] = 0x1234;
  Deep([buffer] { NewObject<ScreenImage>()->initOverBuffer(480, 800, buffer); });
  context_.application->objectManager->gc(kGcForced);
  EXPECT_EQ(buffer[0], 0x1234);  // still the display's, and still readable under ASan
  TraceCapture trace;
  Deep([buffer] { NewObject<ScreenImage>()->initOverBuffer(480, -1, buffer); });
  EXPECT_TRUE(trace.contains("length of array should be >= 0"));
}

}  // namespace
