// The test application: it stands in until the game's application class exists. Its game loop
// has the shape of the game's own: repaint, sleep the rest of a 40 ms budget, report the pass
// to the frame driver, and end the application when the loop ends.
#include "platform/test_pattern_canvas.h"

#include <algorithm>

#include "host/clock.h"
#include "javame/display.h"
#include "javame/graphics.h"
#include "javame/thread.h"
#include "platform/frame_driver.h"
#include "platform/screen_image.h"
#include "runtime/application.h"
#include "runtime/application_impl.h"
#include "runtime/exceptions.h"
#include "runtime/string.h"
#include "runtime/system.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kBandHeight = 100;
constexpr int32_t kBandStep = 2;  // rows a frame
constexpr int32_t kSquareSize = 60;
constexpr int32_t kSquareStep = 6;  // pixels a frame
constexpr int32_t kSquareTop = 370;

TestPatternCanvas* CurrentCanvas() {
  Application* application = GetApplication();
  return application ? dynamic_cast<TestPatternCanvas*>(application->currentDisplayable) : nullptr;
}

}  // namespace

// ---- The pattern ------------------------------------------------------------------------------

// Only the shift modulo one cycle of the eight bands matters, so the frame is reduced first.
void TestPatternCanvas::PaintTestPattern(javax_microedition_lcdui_Graphics* graphics, int32_t frame,
                                         int32_t variant) {
  constexpr int32_t kCycle = 8 * kBandHeight / kBandStep;  // frames
  const int32_t shift = (frame % kCycle + kCycle) % kCycle * kBandStep;
  for (int32_t band = shift / kBandHeight; band * kBandHeight - shift < kScreenHeight; band++) {
    graphics->setColor(static_cast<int32_t>(kBandColours[(band + variant) & 7]));
    graphics->fillRect(0, band * kBandHeight - shift, kScreenWidth, kBandHeight);
  }
  constexpr int32_t kPositions = (kScreenWidth - kSquareSize) / kSquareStep;
  graphics->setColor(0xFFFFFF);
  graphics->fillRect((frame % kPositions + kPositions) % kPositions * kSquareStep, kSquareTop,
                     kSquareSize, kSquareSize);
}

// ---- The canvas -------------------------------------------------------------------------------

TestPatternCanvas::TestPatternCanvas()
    : runState(-1),
      paused(0),
      inPaint(1),
      variant(0),
      markerX(0),
      markerY(0),
      markerShown(0),
      passes(0),
      loopTick(host::TickCount()) {}

void* TestPatternCanvas::getInterface(int32_t interfaceId) {
  return interfaceId == cid::java_lang_Runnable ? static_cast<java_lang_Runnable*>(this) : nullptr;
}

void TestPatternCanvas::keyPressed(int32_t code) {
  if (code == kQuitKey) {
    runState = -1;
  } else {
    variant = (variant + 1) & 7;
  }
}

void TestPatternCanvas::pointerPressed(int32_t x, int32_t y) {
  markerX = x;
  markerY = y;
  markerShown = 1;
}

void TestPatternCanvas::pointerDragged(int32_t x, int32_t y) {
  markerX = x;
  markerY = y;
}

void TestPatternCanvas::pointerReleased(int32_t, int32_t) {
  markerShown = 0;
}

void TestPatternCanvas::showNotify() {
  if (!paused) return;
  loopTick = host::TickCount();
  paused = 0;
  javax_microedition_lcdui_Display::setCurrent(nullptr, this);
  if (!inPaint) GetApplicationImpl()->repaintNow();
}

void TestPatternCanvas::hideNotify() {
  pause();
}

void TestPatternCanvas::paint(javax_microedition_lcdui_Graphics*) {
  javax_microedition_lcdui_Graphics* offscreen = getGraphics();
  if (!offscreen) return;
  PaintTestPattern(offscreen, static_cast<int32_t>(passes + 1), variant);
  if (markerShown) {
    offscreen->setColor(0x000000);
    offscreen->fillRect(markerX - kMarkerSize / 2, markerY - kMarkerSize / 2, kMarkerSize,
                        kMarkerSize);
  }
  flushGraphics();
}

void TestPatternCanvas::startUp() {
  if (runState >= 0) return;
  runState = 0;
  // The new thread takes the calling thread's priority.
  java_lang_Thread* thread = NewObject<java_lang_Thread>(this);
  if (!thread || thread->nativeStart() < 0) runState = -1;
}

void TestPatternCanvas::run() {
  ApplicationImpl* context = GetApplicationImpl();
  javax_microedition_lcdui_Display::setCurrent(nullptr, this);
  inPaint = 0;
  while (runState >= 0) {
    if (paused) {
      loopTick = std::min<int64_t>(loopTick, host::TickCount());
      java_lang_Thread::sleep(1);
    } else {
      context->repaintNow();
      const int64_t now = host::TickCount();
      loopTick = std::min<int64_t>(loopTick, now);
      java_lang_Thread::sleep(std::max<int64_t>(1, kFrameBudget - now + loopTick));
      loopTick = host::TickCount();
    }
    passes++;
    EndOfGameLoopPass();
    if (GetPendingException()) break;
  }
  runState = -1;
  java_lang_System::gc();
  context->exit();
}

// ---- The MIDlet -------------------------------------------------------------------------------

void TestPatternMidlet::startApp() {
  TestPatternCanvas* canvas = CurrentCanvas();
  if (!canvas) {
    DebugLog("TestPatternMidlet: %s %s",
             StringToCString(getAppProperty(NewJavaString("MIDlet-Name"))).c_str(),
             StringToCString(getAppProperty(NewJavaString("MIDlet-Version"))).c_str());
    canvas = NewObject<TestPatternCanvas>();
    if (!canvas) return;
    javax_microedition_lcdui_Display::setCurrent(javax_microedition_lcdui_Display::getDisplay(this),
                                                 canvas);
    canvas->startUp();
  }
  canvas->showNotify();
}

void TestPatternMidlet::pauseApp() {
  if (TestPatternCanvas* canvas = CurrentCanvas()) canvas->pause();
}

void TestPatternMidlet::destroyApp(bool) {
  if (TestPatternCanvas* canvas = CurrentCanvas()) canvas->runState = -1;
}
