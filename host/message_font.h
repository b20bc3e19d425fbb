// The small built-in font of the message screen: 5 x 7 capitals, digits and common
// punctuation, drawn scaled up into an RGB565 frame. Lower case is drawn as capitals and a
// character the font lacks as a blank, so any text draws without failing.
#pragma once

#include <cstdint>
#include <string_view>

namespace host {

// Draws text centred horizontally, one line per '\n', starting at row top. The glyph scale is
// the largest of 3, 2 and 1 at which the widest line fits; pixels outside the frame are skipped.
void DrawMessageText(uint16_t* pixels, int width, int height, int top, std::u16string_view text,
                     uint16_t color);

}  // namespace host
