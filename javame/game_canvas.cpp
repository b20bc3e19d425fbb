// GameCanvas's off-screen image and the Graphics that draw on it.
#include "javame/game_canvas.h"

#include "javame/graphics.h"
#include "javame/image.h"

javax_microedition_lcdui_game_GameCanvas::javax_microedition_lcdui_game_GameCanvas() {
  RegisterReferenceFields(this, &offscreenImage);
  offscreenImage = javax_microedition_lcdui_Image::createImage(getWidth(), getHeight());
}

javax_microedition_lcdui_Graphics* javax_microedition_lcdui_game_GameCanvas::getGraphics() {
  if (!offscreenImage) return nullptr;
  return NewObject<javax_microedition_lcdui_Graphics>(offscreenImage);
}
