// javax.microedition.lcdui.Displayable and Canvas: what the application paints and sends
// keys and stylus events to. The operations a subclass does not override do nothing;
// getWidth and getHeight are natives of the platform (platform/display_natives.cpp).
#pragma once

#include "runtime/object.h"

class javax_microedition_lcdui_Graphics;

class javax_microedition_lcdui_Displayable : public Object {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_lcdui_Displayable;

  // Operations 6 to 16, in the order of the table the application calls through. Key codes
  // are MIDP codes; points are in screen pixels (480 x 800).
  virtual int32_t getWidth();   // the screen's: 480
  virtual int32_t getHeight();  // the screen's: 800
  virtual void sizeChanged(int32_t, int32_t) {}
  virtual void keyPressed(int32_t) {}
  virtual void keyReleased(int32_t) {}
  virtual void pointerPressed(int32_t, int32_t) {}
  virtual void pointerReleased(int32_t, int32_t) {}
  virtual void pointerDragged(int32_t, int32_t) {}
  virtual void showNotify() {}
  virtual void hideNotify() {}
  virtual void paint(javax_microedition_lcdui_Graphics*) {}
};

class javax_microedition_lcdui_Canvas : public javax_microedition_lcdui_Displayable {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_lcdui_Canvas;
};
