// javax.microedition.lcdui.Displayable and Canvas: what the application paints and sends
// keys and stylus events to.
#pragma once

#include "runtime/object.h"

class javax_microedition_lcdui_Displayable : public Object {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_lcdui_Displayable;
};

class javax_microedition_lcdui_Canvas : public javax_microedition_lcdui_Displayable {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_lcdui_Canvas;
};
