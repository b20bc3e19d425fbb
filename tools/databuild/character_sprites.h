// The player's characters, drawn with Cairo (tools/databuild/character_art.cpp): pack 67's
// entries 0 to 5, three characters in each of the two sprite sets (slots 16, 17 and 15 from
// entries 0 to 2, or 3 to 5). Each figure stands on its origin; animation a plays pose a % 7:
// standing, waving, jumping, walking left, walking right, idling, cheering.
#pragma once

#include <vector>

#include "tools/databuild/sprite_writer.h"

namespace databuild {

std::vector<SpriteData> CharacterSprites();

}  // namespace databuild
