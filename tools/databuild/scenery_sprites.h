// The scenery's sprites, drawn with Cairo (tools/databuild/scenery_art.cpp); what their
// animations show is listed in tools/databuild/scenery_writer.h. Ground pieces stand on their
// origin (their bottom edge centred on it); the sky's pieces are centred on it.
//   pack 85 "scenery"   entry 0 the sun (three palettes: noon, evening, winter), entry 1 the
//                       moon (the menus' background is entry 2)
//   pack 265 "scenerya" entry 0 set A: hill, tree, drifting cloud, rock; four palettes
//   pack 266 "sceneryb" entry 0 set B: flower, twinkling star, flying bird, grass; four
//                       palettes
#pragma once

#include "tools/databuild/sprite_writer.h"

namespace databuild {

SpriteData ScenerySunSprite();
SpriteData SceneryMoonSprite();
SpriteData ScenerySetASprite();
SpriteData ScenerySetBSprite();

}  // namespace databuild
