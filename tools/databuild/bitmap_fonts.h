// The bitmap fonts of pack "fonts" (string constant 274), drawn from DejaVu Sans Bold with
// FreeType: entries 1 to 3 are the fonts of sprite slots 4 (titles), 5 (headings) and 3 (body
// text), on one character numbering that entry 0's character table gives all three:
//   frame 0      the metrics frame: three empty-box parts at y -ascent, descent and
//                descent + line gap (baseline, line height and the gap between lines)
//   frame 1      the missing character, a hollow square
//   frame 2 + i  character i of FontCharacters(): part 0 an empty box at (advance, 0), part 1
//                the glyph's picture (none for the space)
// Every glyph is a white letter with a dark border in palette 0 and a yellow one in palette
// 1; its pixels index one ramp shared by both (0 the key, then the border's fading edge, then
// border to letter), so a palette is just another pair of colours.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/databuild/char_map_writer.h"
#include "tools/databuild/sprite_writer.h"

namespace databuild {

enum class FontKind { kTitle, kHeading, kBody };

// The characters with a glyph, in frame order from frame 2: the space, the printable ASCII
// characters ('_' among them, the underline's glyph) and every other character of the game's
// texts (tools/databuild/game_texts.cpp).
std::vector<char16_t> FontCharacters();
// Character i of FontCharacters() at frame 2 + i.
std::vector<CharFrame> FontCharFrames();
// Entry 0: the character table of all three fonts.
std::vector<int32_t> FontCharMap();
SpriteData FontSprite(FontKind kind);

}  // namespace databuild
