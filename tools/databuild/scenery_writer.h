// Writer of the scenery entries (the scenery pack, string constant 264) and the scenery that
// each world and each wave variant shows behind the board. A record is little-endian:
//   u8 kind, s16 x, s16 y (pixels), then
//   kinds 1, 2, 3: s16 sprite index (kind 1: an entry of the scenery sprite pack; kinds 2 and
//                  3: unused), s16 animation, s16 palette
//   kind 4:        s16 w, s16 h, s16 top colour, s16 bottom colour (colourTable indexes)
// Kind 1 draws from the scenery sprite pack (85), kinds 2 and 3 from sprite sets A and B
// (265, 266), kind 4 is a gradient box. The records' order is their depth: later in front.
#pragma once

#include <cstdint>
#include <vector>

namespace databuild {

struct SceneryRecord {
  int kind = 0;
  int x = 0, y = 0;
  int values[4] = {0, 0, 0, 0};
};

// The records as the game reads them; a value outside its field's width is a BuildError.
std::vector<uint8_t> WriteSceneryEntry(const std::vector<SceneryRecord>& records);

// Entries 0 to 11: entry w is the scenery of world w's levels (a wave level's drawn variant
// 0..7 picks one of entries 0 to 7; entry 6 is also the end sequence's).
constexpr int kSceneryEntries = 12;
std::vector<SceneryRecord> SceneryOf(int entry);

// What the scenery sprites hold (tools/databuild/scenery_art.cpp): sprite sets A and B each
// have kSceneryPalettes palettes (0 summer, 1 autumn, 2 snow, 3 night) and these animations;
// the scenery sprite pack's entries 0 (the sun) and 1 (the moon) one animation each.
constexpr int kSceneryPalettes = 4;
enum SceneryA : int { kHill = 0, kTree = 1, kCloud = 2, kRock = 3, kSceneryAAnims = 4 };
enum SceneryB : int { kFlower = 0, kStar = 1, kBird = 2, kGrass = 3, kSceneryBAnims = 4 };
enum SceneryFeature : int { kSun = 0, kMoon = 1 };

}  // namespace databuild
