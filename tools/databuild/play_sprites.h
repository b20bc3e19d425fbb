// The launcher's sprites and the meter's pose (tools/databuild/play_art.cpp says
// what each holds).
#pragma once

#include "tools/databuild/sprite_writer.h"

namespace databuild {

SpriteData LauncherSprite();        // pack 80 entry 0, slot 36
SpriteData AimDotSprite();          // pack 80 entry 1, slot 29
SpriteData MeterPoseSprite();       // pack 80 entry 9, slot 37

}  // namespace databuild
