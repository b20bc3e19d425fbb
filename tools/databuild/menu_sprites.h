// The menus' own sprites, drawn with Cairo and quantised into palette 0:
//   the menu background (sprite slot 21, the loader's pack 85 entry 2): frame 0 a calm evening
//     sky across the 480 x 800 screen with a few soft bubbles; animation 0 shows it.
//   the value arrows (sprite slot 31, pack 65 entry 3): frames 0 and 1 the left arrow, plain
//     and lit, frames 2 and 3 the right one; animations 0, 1 (left) and 4, 5 (right), each
//     plain and lit; 2 and 3 repeat the plain arrows.
// The menu screens' plain tiles (the loader's tile style), pack 66 "ui":
//   entry 1 (slot 10) the level map's panel, three palettes; entry 2 (slot 11) its markers,
//   a frame and animation per marker kind 0 to 4; entry 3 (slot 62) its two 480 x 800 pages,
//   hanging from the origin; entry 7 (slot 18) the game modes' five pictures, one per area.
#pragma once

#include "tools/databuild/sprite_writer.h"

namespace databuild {

SpriteData MenuBackgroundSprite();
SpriteData ValueArrowSprite();
SpriteData MapPanelSprite();
SpriteData MapMarkerSprite();
SpriteData MapPageSprite();
SpriteData GameModePictureSprite();

}  // namespace databuild
