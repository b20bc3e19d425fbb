// The particle sprites of pack "particles" (string constant 76), drawn with Cairo, each frame
// a picture centred on the sprite's origin. A particle shows its animation's last frame when
// it is born and frame 0 as it dies, so each animation runs from the faded look to the fresh
// one (the animation numbers are those of tools/databuild/particle_content.h):
//   entry 1 (sprite slot 6)  sparks and stars in one palette: a spark cooling from white heat
//                            to a red ember, a gold star shrinking and turning, and a single-
//                            frame round light
//   entry 2 (sprite slot 7)  the shards and drops of a popped bubble, drawn in greys and
//                            coloured by seven palettes, one per bubble colour
//   entry 3 (sprite slot 8)  grey smoke puffs that swell and pale as they age, and a firefly's
//                            green glow
#pragma once

#include <cstdint>

#include "tools/databuild/sprite_writer.h"

namespace databuild {

// The seven bubble colours, 0xRRGGBB, in palette order of the shard sprite.
constexpr uint32_t kBubbleColours[] = {0xE8452C, 0x2F7FE0, 0xF2C230, 0x34B24A,
                                       0x9B59D0, 0xF07E26, 0x2EC4D6};

SpriteData SparkSprite();
SpriteData ShardSprite();
SpriteData SmokeSprite();

}  // namespace databuild
