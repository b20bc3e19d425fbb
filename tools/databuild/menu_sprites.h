// The menus' own sprites, drawn with Cairo and quantised into palette 0:
//   the menu background (sprite slot 21, the loader's pack 85 entry 2): frame 0 a calm evening
//     sky across the 480 x 800 screen with a few soft bubbles; animation 0 shows it.
//   the value arrows (sprite slot 31, pack 65 entry 3): frames 0 and 1 the left arrow, plain
//     and lit, frames 2 and 3 the right one; animations 0, 1 (left) and 4, 5 (right), each
//     plain and lit; 2 and 3 repeat the plain arrows.
#pragma once

#include "tools/databuild/sprite_writer.h"

namespace databuild {

SpriteData MenuBackgroundSprite();
SpriteData ValueArrowSprite();

}  // namespace databuild
