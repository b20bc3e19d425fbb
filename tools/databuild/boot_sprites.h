// The sprites of the boot screens, pack "logo" (string constant 271), drawn with Cairo and
// quantised into palette 0 (format 0x8888, index 0 the key 0x00FF00FF):
//   entry 0  the logo: frame 0 the word "Plimora" whose "o" and the dot of its "i" are bubbles
//   entry 1  the control bar: frame 0 its 480 x 160 ground at (0, 640), frames 1 to 3 the
//            centre, left and right buttons about their centres (240, 720), (100, 720),
//            (380, 720), frames 4 to 6 the same buttons lit
//   entry 2  the loading screen: frame 0 the 480 x 800 background, frame 1 the progress bar
//            painted at (0, 230) whose rectangle 0 is the part the progress fills
#pragma once

#include "tools/databuild/sprite_writer.h"

namespace databuild {

SpriteData LogoSprite();
SpriteData ControlBarSprite();
SpriteData LoadingSprite();

}  // namespace databuild
