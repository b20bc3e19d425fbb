// Choosing and opening the display back-end by its mode name, and closing it. The name is
// compared exactly: "gdi" is no mode.
#include <cstring>

#include "platform/display_backends.h"
#include "platform/screen_image.h"
#include "platform/shell.h"
#include "runtime/application_impl.h"
#include "runtime/trace.h"

namespace {

// A back-end for the game window's screen; it stays stored in the context even when its open
// fails (closed), as the device kept it.
template <class Backend>
int32_t OpenBackend(ApplicationImpl& context) {
  host::Window* window = Shell().window;
  const int32_t width = window ? window->screenWidth() : kScreenWidth;
  const int32_t height = window ? window->screenHeight() : kScreenHeight;
  delete context.display;
  context.display = new Backend(width, height, kScreenWidth, kScreenHeight);
  return context.display->open(window);
}

}  // namespace

int32_t ApplicationImpl::openDisplay(const char* mode) {
  if (mode && strcmp(mode, "DDRAW") == 0) {
    const int32_t opened = OpenBackend<DDrawDisplay>(*this);
    DebugLog(opened ? "openDisplay(DDRAW): Using DDRAW display type."
                    : "openDisplay(DDRAW): Could not create a DDRAW display type.");
    return opened;
  }
  if (mode && strcmp(mode, "GDI") == 0) {
    const int32_t opened = OpenBackend<GdiDisplay>(*this);
    DebugLog(opened
                 ? "\nApplicationImpl::openDisplay(GDI): Using GDI display type.\n"
                 : "\nApplicationImpl::openDisplay(GDI): Could not create a GDI display type.\n");
    return opened;
  }
  if (mode && strcmp(mode, "AUTO") == 0) {
    if (OpenBackend<DDrawDisplay>(*this)) {
      DebugLog("\nApplicationImpl::openDisplay(AUTO): Using DDRAW display type.\n");
      return 1;
    }
    DebugLog("\nApplicationImpl::openDisplay(AUTO): Could not create a DDRAW display type.\n");
    const int32_t opened = OpenBackend<GdiDisplay>(*this);
    DebugLog(opened
                 ? "\nApplicationImpl::openDisplay(AUTO): Using GDI display type.\n"
                 : "\nApplicationImpl::openDisplay(AUTO): Could not create a GDI display type.\n");
    return opened;
  }
  DebugLog("\nApplicationImpl::openDisplay(): Display type invalid.\n");
  return 0;
}

void ApplicationImpl::closeDisplay() {
  if (!display) return;
  display->close();
  delete display;
  display = nullptr;
}
