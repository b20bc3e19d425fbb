// Overlay lettering. Stand-in until the system font's text service joins host/: the glyphs are
// the message screen's built-in font at scale 1; the text service's InkText replaces this body
// then, keeping the built-in font for a missing font file as the message screen does.
#include "host/overlay_text.h"

#include "host/message_font.h"

namespace host {

void DrawOverlayText(uint16_t* pixels, int width, int height, int x, int y,
                     std::u16string_view text, uint16_t colour) {
  DrawMessageLine(pixels, width, height, x, y, text, colour);
}

}  // namespace host
