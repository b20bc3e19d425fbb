// The packs that only the loader reads: its sprites (tools/databuild/loader_sprites.h) and its
// lookup tables (tools/databuild/loader_content.h), each pack named by its string constant.
//   63 boss, 65 common, 67 characters, 85 scenery, 88 hud, 96 features, 101 backdrop: sprites
//   68 map: entry 0 the map sprite, entry 1 the level lists of the eight main worlds
//   130 levelvalues: the hint records; 136 worldinfo: per world its value and music
//   207 pairs: the boss records; 234 lookups: entry 0 the lighting and int[4] records, entry 1
//   the character lines of each lighting variant
#pragma once

#include <vector>

#include "tools/databuild/pack_writer.h"

namespace databuild {

std::vector<Pack> LoaderPacks();

}  // namespace databuild
