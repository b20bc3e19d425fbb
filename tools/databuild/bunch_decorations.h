// The bunches' decoration sprites (tools/databuild/bunch_decoration_art.cpp), each frame about
// its origin, metal parts in greys that the palettes after the first recolour per bubble colour:
//   pack 80 entry 7 (slot 23)  the rope anchor: animations 0 to 3 its four looks swaying
//                              (looping), 4 its appearance, 5 its snap, 6 and 7 its nudges to
//                              the right and the left (once); eight palettes
//   pack 96 entry 1 (slot 41)  the hub: animation 0 at rest, 1 its break; rectangles 0 (the
//                              spokes' place) and 1 (the core's) at its centre in every frame
//            entry 2 (slot 42)  the hub's spokes: animation k (0..5, direction k) a stub, 7 + k
//                              a spoke to the next cell, 14 + k its break; eight palettes
//            entry 3 (slot 43)  the rising floor's platform: frame 1 the platform hanging from
//                              its top centre; animation 1 at rest, 2 its break; rectangle 0
//                              of every frame the core's place at the struts' feet
//            entry 4 (slot 44)  the lock: animations 0 to 8 facing right, 9 to 17 left (shut,
//                              shaken, opening, open, shaking hard), 21 and 22 the feeder's top;
//                              rectangle 3 of frames 0 and 1 the top's place
//            entry 5 (slot 51)  the feeder chute: animation 0 on the left, 1 on the right;
//                              rectangle 0 of each frame the next bubble's centre
//            entry 6 (slot 45)  the flying carrier, drawn 80 px inward of its anchor: animations
//                              0 to 7 at the left edge, 8 to 15 at the right; per set 3 to 5
//                              idle (5 swings the held bubble out), 6 pushed, 7 leaving (once);
//                              rectangle 0 the held bubble, 1 to 3 the balloon, basket, pennant
#pragma once

#include "tools/databuild/sprite_writer.h"

namespace databuild {

inline constexpr int kAnchorLooks = 4;
inline constexpr int kAnchorPalettes = 8;
inline constexpr int kSpokePalettes = 8;

SpriteData BunchAnchorSprite();
SpriteData HubSprite();
SpriteData SpokeSprite();
SpriteData PlatformSprite();
SpriteData LockSprite();
SpriteData CarrierSprite();
SpriteData ChuteSprite();

}  // namespace databuild
