// The loader's lookup tables' content. Bosses close the main worlds, of the kinds the level plan
// gives them; a few open levels of the first worlds are played by dim light, each variant with
// its own character lines.
#include "tools/databuild/loader_content.h"

#include <iterator>

#include "tools/databuild/game_texts.h"
#include "tools/databuild/level_plan.h"

namespace databuild {

namespace {

constexpr int kMainWorlds = 8;
constexpr int kAllWorlds = 12;
constexpr int kLevelsPerWorld = 13;
constexpr int kLightingVariants = 3;

}  // namespace

// A new hint every few levels of the first worlds, up to the last one.
std::vector<ByteTriple> HintRecords() {
  const ByteTriple records[] = {{0, 0, 1}, {0, 1, 2}, {0, 2, 3}, {0, 4, 4},
                                {0, 7, 5}, {1, 0, 6}, {1, 5, 7}, {2, 0, 8}};
  static_assert(std::size(records) == kGameHintCount);
  return {std::begin(records), std::end(records)};
}

std::vector<IndexedTriple> WorldInfoRecords() {
  std::vector<IndexedTriple> records;
  for (int w = 0; w < kAllWorlds; w++) {
    records.push_back(
        {w, w < kMainWorlds ? kLevelsPerWorld : 10, w % kMainWorlds, (w + 3) % kMainWorlds});
  }
  return records;
}

std::vector<ByteTriple> BossRecords() {
  std::vector<ByteTriple> records;
  for (int w = 0; w < kMainWorlds; w++) {
    records.push_back({w, kLevelsPerWorld - 1, BossKindOf(w, kLevelsPerWorld - 1)});
  }
  return records;
}

std::vector<ByteTriple> LightingRecords() {
  return {{0, 5, 0}, {1, 3, 1}, {2, 8, 2}, {3, 6, 0}};
}

std::vector<QuadRecord> LookupQuads() {
  return {{0, 5, 240, 320}, {1, 3, 120, 200}, {2, 8, 360, 260}};
}

// Each variant's lines: level dialogue texts with the message after each (-1 none).
std::vector<std::vector<LinePair>> LightingLines() {
  std::vector<std::vector<LinePair>> sections;
  for (int v = 0; v < kLightingVariants; v++) {
    const int first = kFirstLevelLineText + 3 * v;
    sections.push_back({{first, -1}, {first + 1, v}, {first + 2, -1}});
  }
  return sections;
}

// A path that climbs the map in a zigzag, the same shape shifted for each world.
std::vector<std::vector<MapPoint>> WorldLevelLists() {
  std::vector<std::vector<MapPoint>> worlds;
  for (int w = 0; w < kMainWorlds; w++) {
    std::vector<MapPoint> levels;
    for (int l = 0; l < kLevelsPerWorld; l++) {
      const int column = l % 4 < 2 ? l % 4 : 3 - l % 4;
      levels.push_back({90 + 100 * column + 10 * (w % 3), 720 - 50 * l});
    }
    worlds.push_back(levels);
  }
  return worlds;
}

}  // namespace databuild
