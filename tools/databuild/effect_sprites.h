// The effect sprites of pack "effects" (string constant 80), drawn with Cairo and quantised into
// palette 0 (format 0x8888, index 0 the key 0x00FF00FF); every frame is centred on the origin:
//   entry 4 (sprite slot 35)  a bubble's pop: animation 0 the burst, a ring breaking into
//            droplets; 1 a puff of grey smoke; 2 the dull pop of a lost level, a grey bubble
//            that cracks and falls apart. Each plays once.
//   entry 2 (sprite slot 38)  the wall spark of a shot's bounce: animation 0 the flash on the
//            wall, 1 a spray of sparks; each plays once (160 ms).
//   entry 5 (sprite slot 25)  the bubble sprite (tools/databuild/bubble_sprites.h); among its
//            animations the rising bubble a special bubble sets off: animation 35 its
//            appearance, growing to full size (once); 34 its rise, a light blue bubble with an
//            upward arrow that wobbles (looping).
#pragma once

#include <vector>

#include "tools/databuild/cairo_picture.h"
#include "tools/databuild/sprite_writer.h"

namespace databuild {

inline constexpr int kRisingAppearAnimation = 35;
inline constexpr int kRisingLoopAnimation = 34;

SpriteData PopSprite();
// The rising bubble alone (its frames from 0, animations 0 to 33 its risen look); the data
// set's slot 25 is the bubble sprite (tools/databuild/bubble_sprites.h), which carries it.
SpriteData RisingBubbleSprite();
SpriteData WallSparkSprite();

// The rising bubble's pictures, kRisingSize square and centred: its appearance growing to
// full size, then the squashes of its wobble.
inline constexpr int kRisingSize = 44;
struct RisingBubblePictures {
  std::vector<ArgbPicture> appear, wobble;
};
RisingBubblePictures RisingBubbleLooks();
// Animations 34 (the wobble, looping) and 35 (the appearance) over the looks' frames, placed
// from firstFrame in the order appear, wobble; animations missing below 34 are first filled
// with the risen look.
void AddRisingBubbleAnimations(SpriteData& s, int firstFrame);

}  // namespace databuild
