// javax.microedition.lcdui.Display: the handle through which a Displayable is made current.
// It has no fields; getDisplay is in javame/display.cpp, setCurrent a native of the platform
// (platform/display_natives.cpp).
#pragma once

#include "runtime/object.h"

class javax_microedition_lcdui_Displayable;
class javax_microedition_midlet_MIDlet;

class javax_microedition_lcdui_Display : public Object {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_lcdui_Display;

  // A new Display on every call, whatever the MIDlet: all of them make the same screen's
  // Displayable current.
  static javax_microedition_lcdui_Display* getDisplay(javax_microedition_midlet_MIDlet* midlet);

  // Makes the displayable the application's current one (it then receives paint, keys and
  // stylus events). Works through any Display object, null included.
  static void setCurrent(javax_microedition_lcdui_Display* display,
                         javax_microedition_lcdui_Displayable* displayable);
};
