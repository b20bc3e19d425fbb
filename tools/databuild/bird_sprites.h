// The effects pack's entry 6 (slot 24), drawn with Cairo (tools/databuild/bird_art.cpp): a
// small bird in flight, the ending scene's background actors that cross the upper sky.
// Animation 0 flies to the left and 1 to the right, each a loop of wing beats; every frame is
// centred on the bird's body.
#pragma once

#include "tools/databuild/sprite_writer.h"

namespace databuild {

inline constexpr int kBirdFlightLeft = 0;
inline constexpr int kBirdFlightRight = 1;
inline constexpr int kBirdWingBeats = 4;  // frames of one beat, each way

SpriteData BirdSprite();

}  // namespace databuild
