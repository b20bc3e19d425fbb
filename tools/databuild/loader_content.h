// The content of the loader's lookup tables: which hint each level opens, each world's music,
// the boss and lighting levels, the character lines of each lighting variant, and the level
// lists of the level-select map.
#pragma once

#include <vector>

#include "tools/databuild/loader_tables_writer.h"

namespace databuild {

// Pack 130: (world, level, hint) in ascending (world, level) order; every hint 1..the hint
// count of the text table.
std::vector<ByteTriple> HintRecords();
// Pack 136: per world 0..11 its value, its music and its last level's music (sound id - 4,
// 0..7).
std::vector<IndexedTriple> WorldInfoRecords();
// Pack 207: the boss level of each main world (its last) and its boss kind 0..5.
std::vector<ByteTriple> BossRecords();
// Pack 234, entry 0: the levels played under a lighting variant, then the int[4] records;
// entry 1: one section of character lines per lighting variant.
std::vector<ByteTriple> LightingRecords();
std::vector<QuadRecord> LookupQuads();
std::vector<std::vector<LinePair>> LightingLines();
// Pack 68, entry 1: per main world, the map position of each of its 13 levels.
std::vector<std::vector<MapPoint>> WorldLevelLists();

}  // namespace databuild
