// The backdrop pack's entry 0 (slot 30), drawn with Cairo (tools/databuild/item_art.cpp): the
// fifteen unlockable items and the ending scene's trapped star.
//   animations 0 to 14  item k on a round medallion, centred on the origin; frame rectangles 0
//                       to 3 the medallion's box (the story box sizes its portrait by
//                       rectangle 3)
//   animation 16        the ending scene's big bubble floating up and to the right of the
//                       origin (the scenery's padlock hangs on its rim), the star of item 1
//                       shut inside it (looping)
//   animation 15        the same bubble shaking, bursting into droplets, and the freed star
//                       falling to the ground at (160, 350) from the origin, where it rests
//                       (played once)
// Palette 0 is the pictures' colours (the scene's); palette 1 the same lit a little (the
// level's banner and story box).
#pragma once

#include "tools/databuild/sprite_writer.h"

namespace databuild {

inline constexpr int kUnlockItems = 15;
inline constexpr int kTrappedStarItem = 1;
inline constexpr int kStarBurstAnimation = 15;
inline constexpr int kTrappedStarAnimation = 16;
inline constexpr int kItemAnimations = 17;
inline constexpr int kItemSize = 64;
// Where the freed star comes to rest, from the origin (the scene places item 1 there next).
inline constexpr int kStarRestX = 160, kStarRestY = 350;

SpriteData ItemSprite();

}  // namespace databuild
