// The system font: DejaVu Sans at kSystemFontPixels pixels per em, through FreeType (the only
// code that calls it). Glyphs render monochrome; widths sum the hinted advances without
// kerning, exactly as drawing places the glyphs. One lock guards the face and the glyph
// cache, so the game thread and the main thread may both measure and draw.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace host {

constexpr const char* kSystemFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr int kSystemFontPixels = 18;
// What a rendered pixel that no glyph covers holds: RGB565 0xF81F in an int, the value the
// keyed ARGB8888 copy skips.
constexpr uint32_t kTextKey = 0x0000F81F;

struct FontMetrics {
  int32_t ascent;  // pixels from the top of a line to its baseline
  int32_t height;  // ascent plus descent
};

// The face's metrics. False when the font file cannot be opened; that is traced once, with
// the file's name, and every call after it answers false at once.
bool GetSystemFontMetrics(FontMetrics* metrics);

// The advance of the text in pixels: characters below U+0020 measure 0, a surrogate pair is
// one glyph, a character the face lacks has the advance of its missing-glyph box. 0 without
// a font.
int64_t MeasureText(std::u16string_view text);

// Renders the part of the text's box that a window shows. The box has the text's advance as
// its width and the font's height; its top-left is (0, 0) and the baseline is at the ascent.
// The window is width x height pixels (rows `pitch` pixels apart) whose top-left is the box's
// (left, top). Every window pixel becomes kTextKey, then glyph pixels become `rgb`
// (0x00RRGGBB); glyph bitmaps are cut to the window. False (the window untouched) without a
// font.
bool RenderText(std::u16string_view text, uint32_t rgb, uint32_t* pixels, int32_t width,
                int32_t height, int32_t pitch, int64_t left, int64_t top);
// The same window over 16-bit pixels, inked in place: the pixels a glyph covers become
// `colour` and every other pixel keeps what it holds, exactly the pixels RenderText gives
// `rgb`. False (the window untouched) without a font.
bool InkText(std::u16string_view text, uint16_t colour, uint16_t* pixels, int32_t width,
             int32_t height, int32_t pitch, int64_t left, int64_t top);

// The font file used from now on (tests point it at a missing file); empty gives the default
// back. The glyph cache starts afresh.
void SetSystemFontFile(const std::string& path);

}  // namespace host
