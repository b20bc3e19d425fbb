// The effect sprites of pack "effects" (string constant 80), drawn with Cairo and quantised into
// palette 0 (format 0x8888, index 0 the key 0x00FF00FF); every frame is centred on the origin:
//   entry 4 (sprite slot 35)  a bubble's pop: animation 0 the burst, a ring breaking into
//            droplets; 1 a puff of grey smoke; 2 the dull pop of a lost level, a grey bubble
//            that cracks and falls apart. Each plays once.
//   entry 2 (sprite slot 38)  the wall spark of a shot's bounce: animation 0 the flash on the
//            wall, 1 a spray of sparks; each plays once (160 ms).
//   entry 5 (sprite slot 25)  the rising bubble a special bubble sets off: animation 35 its
//            appearance, growing to full size (once); 34 its rise, a light blue bubble with an
//            upward arrow that wobbles (looping). Animations 0 to 33, which the board's
//            bubbles and carriers will draw, show the risen bubble until they get art.
#pragma once

#include "tools/databuild/sprite_writer.h"

namespace databuild {

inline constexpr int kRisingAppearAnimation = 35;
inline constexpr int kRisingLoopAnimation = 34;
// The ending scene's bubble: animations 36 up to this one show the risen bubble still.
inline constexpr int kSceneBubbleAnimation = 46;

SpriteData PopSprite();
SpriteData RisingBubbleSprite();
SpriteData WallSparkSprite();

}  // namespace databuild
