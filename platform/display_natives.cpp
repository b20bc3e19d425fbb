// The natives of Display and Displayable that the application record answers: the current
// Displayable, and the screen's size as every Displayable sees it.
#include "javame/display.h"
#include "javame/displayable.h"
#include "platform/screen_image.h"
#include "runtime/application.h"

// Making the current Displayable current again writes nothing: the game thread does that with
// its canvas while the main thread reads the field to deliver input.
void javax_microedition_lcdui_Display::setCurrent(
    javax_microedition_lcdui_Display*, javax_microedition_lcdui_Displayable* displayable) {
  Application* application = GetApplication();
  if (application && application->currentDisplayable != displayable) {
    application->currentDisplayable = displayable;
  }
}

int32_t javax_microedition_lcdui_Displayable::getWidth() {
  Application* application = GetApplication();
  return application && application->screenImage ? application->screenImage->width : kScreenWidth;
}

int32_t javax_microedition_lcdui_Displayable::getHeight() {
  Application* application = GetApplication();
  return application && application->screenImage ? application->screenImage->height : kScreenHeight;
}
