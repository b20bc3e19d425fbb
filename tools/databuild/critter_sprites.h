// The boss pack's entry 0 (slot 46), drawn with Cairo (tools/databuild/critter_art.cpp): the
// ending scene's three critters (animations 4 to 6, bobbing on their feet, which stand on the
// origin) and the main menu title's ornament (animation 1 a bell swinging from a string that
// hangs from the origin, frame rectangle 0; 2 the bell still; 16 glints twinkling round it).
#pragma once

#include "tools/databuild/sprite_writer.h"

namespace databuild {

inline constexpr int kCritterAnimations = 17;

SpriteData CritterSprite();

}  // namespace databuild
