// The lettering of screen overlays (the wait indicator's dots): one line of text drawn over an
// RGB565 frame in the system font, its box's top-left at a position, with nothing but the
// glyphs' pixels written (a transparent background).
#pragma once

#include <cstdint>
#include <string_view>

namespace host {

// Draws text over the width x height frame with its box's top-left at (x, y), in colour;
// pixels outside the frame are skipped. Touches no managed memory, so any thread may call it.
void DrawOverlayText(uint16_t* pixels, int width, int height, int x, int y,
                     std::u16string_view text, uint16_t colour);

}  // namespace host
