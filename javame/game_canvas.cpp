// GameCanvas's construction: its off-screen image.
#include "javame/game_canvas.h"

#include "javame/image.h"

javax_microedition_lcdui_game_GameCanvas::javax_microedition_lcdui_game_GameCanvas() {
  RegisterReferenceFields(this, &offscreenImage);
  offscreenImage = javax_microedition_lcdui_Image::createImage(getWidth(), getHeight());
}
