// The rest of the runtime's start-up once a display is open: the static block, the screen
// image over the display's back buffer, the screen graphics, and the start of the MIDlet.
#include <cstring>

#include "javame/image.h"
#include "platform/display_backends.h"
#include "platform/screen_image.h"
#include "platform/shell.h"
#include "runtime/application_impl.h"
#include "runtime/static_class.h"
#include "runtime/trace.h"

int32_t ApplicationImpl::initApplication() {
  pocketPC = IsPocketPC() ? 1 : 0;
  if (!application->getStaticClass()->initialize()) return 0;
  backBuffer = display ? display->getBackBuffer() : nullptr;
  if (!backBuffer) {
    DebugLog("ApplicationImpl::initApplication(): no display back buffer to paint on");
    return 0;
  }
  auto* screen = NewObject<ScreenImage>();
  if (!screen) return 0;
  screen->initOverBuffer(kScreenWidth, kScreenHeight, backBuffer);
  // The screen starts with what a new image holds.
  if (auto* blank = javax_microedition_lcdui_Image::createImage(kScreenWidth, kScreenHeight)) {
    memcpy(backBuffer, blank->getPixelArray()->elements(),
           size_t{kScreenWidth} * kScreenHeight * sizeof(uint16_t));
  }
  application->setScreenGraphics(screen);
  application->startApp();
  return 1;
}
