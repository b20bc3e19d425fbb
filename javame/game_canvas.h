// javax.microedition.lcdui.game.GameCanvas: a Canvas that draws into its own off-screen image
// and copies it to the screen on flushGraphics (platform/application_paint.cpp).
#pragma once

#include "javame/displayable.h"

class javax_microedition_lcdui_Graphics;
class javax_microedition_lcdui_Image;

class javax_microedition_lcdui_game_GameCanvas : public javax_microedition_lcdui_Canvas {
 public:
  static constexpr int16_t kClassId = cid::javax_microedition_lcdui_game_GameCanvas;

  // The off-screen image is a new mutable image of the screen's size.
  javax_microedition_lcdui_game_GameCanvas();

  // A new Graphics on the off-screen image (javame/game_canvas.cpp); null when there is none.
  javax_microedition_lcdui_Graphics* getGraphics();

  // Copies the off-screen image's rectangle (x, y, width, height) onto the screen's back
  // buffer; the screen graphics' clip is the same afterwards as before.
  void flushGraphics(int32_t x, int32_t y, int32_t width, int32_t height);
  // The whole canvas.
  void flushGraphics();

  javax_microedition_lcdui_Image* offscreenImage;
};
