// The orientation guard: the game needs the display unrotated. While it is turned the game is
// paused and a "Please wait" screen shows; once it is right again the game resumes.
#include "host/display_surface.h"
#include "platform/display_backends.h"
#include "platform/shell.h"
#include "platform/startup_messages.h"
#include "runtime/application.h"
#include "runtime/application_impl.h"

uint32_t GetWindowOrientation() {
  host::Window* window = Shell().window;
  return window ? window->orientation() : kWantedOrientation;
}

void SetWindowOrientation(uint32_t orientation) {
  if (host::Window* window = Shell().window) window->setOrientation(orientation);
}

bool CheckDisplayOrientation() {
  Application* application = Shell().application;
  if (GetWindowOrientation() == kWantedOrientation) {
    if (application && application->paused) application->resume();
    return true;
  }
  if (application && !application->paused) application->pause();
  if (ApplicationImpl* context = GetApplicationImpl()) context->paintState = 1;
  ShowMessageScreen();
  SetWindowOrientation(kWantedOrientation);
  return false;
}

// Black with the message in red, from the middle of the screen down.
void ShowMessageScreen() {
  host::DisplaySurface* surface = DisplaySurfaceOf(GetApplicationImpl());
  if (surface) surface->showMessageScreen(getStartupMessage(kPleaseWaitMessage));
}
