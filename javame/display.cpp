// Display, the class side: the handle a MIDlet asks for.
#include "javame/display.h"

javax_microedition_lcdui_Display* javax_microedition_lcdui_Display::getDisplay(
    javax_microedition_midlet_MIDlet*) {
  return NewObject<javax_microedition_lcdui_Display>();
}
