// Overlay lettering in the system font, inked in place over the frame; without the font file
// the message screen's built-in font at scale 1 draws it, as the message screen falls back.
#include "host/overlay_text.h"

#include "host/message_font.h"
#include "host/text_service.h"

namespace host {

void DrawOverlayText(uint16_t* pixels, int width, int height, int x, int y,
                     std::u16string_view text, uint16_t colour) {
  // The window is the whole frame; the text's box sits at (x, y) in it.
  if (InkText(text, colour, pixels, width, height, width, -int64_t{x}, -int64_t{y})) return;
  DrawMessageLine(pixels, width, height, x, y, text, colour);
}

}  // namespace host
