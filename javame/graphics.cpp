// The Graphics constructor: the state every Graphics starts from, for the screen and for
// images alike.
#include "javame/graphics.h"

#include "runtime/exceptions.h"

javax_microedition_lcdui_Graphics::javax_microedition_lcdui_Graphics(
    javax_microedition_lcdui_Image* image) {
  RegisterReferenceFields(this, &target);
  target = image;
  colour = 0;
  clipX1 = 0;
  clipY1 = 0;
  clipX2 = NullCheck(image) ? image->getWidth() : 0;
  clipY2 = image ? image->getHeight() : 0;
  translateX = 0;
  translateY = 0;
}
