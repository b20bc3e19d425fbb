// The message screen's text: drawn in the system font (host/text_service.h), or, when that
// font cannot be opened, in the small built-in font: 5 x 7 capitals, digits and common
// punctuation, drawn scaled up into an RGB565 frame. Lower case is drawn as capitals and a
// character the built-in font lacks as a blank, so any text draws without failing.
#pragma once

#include <cstdint>
#include <string_view>

namespace host {

// Draws text centred horizontally, one line per '\n', starting at row top. The glyph scale is
// the largest of 3, 2 and 1 at which the widest line fits; pixels outside the frame are skipped.
void DrawMessageText(uint16_t* pixels, int width, int height, int top, std::u16string_view text,
                     uint16_t color);

// The same layout in the system font: each line centred, lines one font height apart from row
// top down, cut to the frame. Falls back to DrawMessageText when the system font is missing,
// so the screen is never blank.
void DrawMessageScreenText(uint16_t* pixels, int width, int height, int top,
                           std::u16string_view text, uint16_t color);

// One line at scale 1 (glyphs 7 pixels high, 6 apart), the top-left of its first glyph at
// (x, y); pixels outside the frame are skipped.
void DrawMessageLine(uint16_t* pixels, int width, int height, int x, int y,
                     std::u16string_view line, uint16_t color);

}  // namespace host
