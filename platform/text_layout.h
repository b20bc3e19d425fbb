// What the text natives share: the range of a text they work on, where a text's box goes for
// an anchor, and the rendering of the part of the box that shows (platform/graphics_text.cpp).
#pragma once

#include <cstdint>
#include <string_view>

// The units offset .. offset + length - 1 of a text of `size` units. False, with a trace line
// naming the operation, when that range is not inside the text.
bool TextSlice(const char16_t* units, int32_t size, int32_t offset, int32_t length,
               const char* operation, std::u16string_view* slice);

// The top-left of a box of w x h whose baseline is `baseline` rows down, for the anchor at
// (*x, *y). The bits apply in the order LEFT, TOP, RIGHT, BOTTOM, HCENTER, BASELINE, so a
// later one wins; 0 counts as TOP | LEFT; VCENTER is ignored. BASELINE puts the baseline at y.
void PlaceTextBox(int64_t w, int64_t h, int64_t baseline, int32_t anchor, int64_t* x, int64_t* y);

// The part of a text's box to render: box pixel (left + x, top + y) is buffer pixel (x, y).
struct TextWindow {
  int64_t left;
  int64_t top;
  int32_t width;
  int32_t height;
};

// Renders the window of the text's box into buffer, window.width ints a row (the row step in
// bytes goes to *pitch): glyph pixels in the colour's RGB, the rest the key 0x0000F81F that
// the keyed ARGB8888 copy skips. False, the buffer untouched, without the system font.
bool RenderTextToBuffer(std::u16string_view text, const TextWindow& window, uint32_t* buffer,
                        int32_t* pitch, uint32_t colour);
