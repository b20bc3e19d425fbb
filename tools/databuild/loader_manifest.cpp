// The loader's needs, by the load kind whose steps load each entry.
#include "tools/databuild/loader_manifest.h"

#include <algorithm>
#include <map>
#include <string>
#include <utility>

#include "tools/databuild/bubble_sprites.h"
#include "tools/databuild/build_error.h"
#include "tools/databuild/hud_sprites.h"
#include "tools/databuild/layout_writer.h"

namespace databuild {

namespace {

// ---- The layouts' animated records ------------------------------------------------------------

// Where the loader takes each sprite slot that a layout's animated record names: (pack, entry),
// two for the character slot, whose entry follows the sprite set.
const std::map<int, std::vector<std::pair<int, int>>>& LayoutSlotSources() {
  static const std::map<int, std::vector<std::pair<int, int>>> sources = {
      {10, {{66, 1}}},           // the level map's panel (kind 6)
      {11, {{66, 2}}},           // its markers
      {62, {{66, 3}}},           // its pages
      {13, {{68, 0}}},           // the world-select screen (the boot load)
      {15, {{67, 2}, {67, 5}}},  // the characters (kinds 12 and 16)
      {18, {{66, 7}}},           // the game modes' pictures (kind 5)
      {19, {{65, 4}}},           // the viewer's pictures (kinds 5 and 13)
      {31, {{65, 3}}},           // the value arrows (the boot load)
      {34, {{65, 1}}},           // the extra levels' preview (kind 8)
  };
  return sources;
}

// A row per pack entry behind the layouts' animated records (type 5, and in menus 11 and 23),
// holding every animation they play; a slot the table does not name stops the build.
void AddLayoutNeeds(std::vector<LoaderNeed>& needs) {
  constexpr int kFirstSpriteSlot = 9;  // an animated record names slot value 1 + 9
  std::map<std::pair<int, int>, int> animations;
  for (int e = 0; e < kLayoutEntryCount; e++) {
    for (const LayoutRecord& record : LayoutEntryRecords(e)) {
      const bool animated = record.type == 5 || (e > 0 && (record.type == 11 || record.type == 23));
      if (!animated || record.values.size() != 5) continue;
      const int slot = record.values[1] + kFirstSpriteSlot;
      const auto found = LayoutSlotSources().find(slot);
      if (found == LayoutSlotSources().end()) {
        throw BuildError("layout entry " + std::to_string(e) + " animates sprite slot " +
                         std::to_string(slot) + ", which no load step fills");
      }
      for (const std::pair<int, int>& source : found->second) {
        int& count = animations[source];
        count = std::max(count, record.values[2] + 1);
      }
    }
  }
  for (const auto& [source, count] : animations) {
    needs.push_back({source.first, source.second, 1, count});
  }
}

}  // namespace

std::vector<LoaderNeed> LoaderManifest() {
  std::vector<LoaderNeed> needs = {
      // Kind 0, the boot load.
      {63, 0},
      {65, 2},
      {65, 3},
      {67, 6, 1, 1, 2},
      {68, 0},
      {76, 1},
      {76, 2, 1, 1, 7},
      {76, 3},
      {85, 2},
      // The boot screens' own: the framed box's pieces (corners, edges with their cut
      // rectangles, the second bottom set), the question's buttons (frames 4 and 6,
      // animation 3), the touch overlay (animations up to 15), and the plain tiles of slots
      // 14 and 27.
      {66, 4, 11, 1, 1, 4, 1},
      {66, 5},
      {66, 6, 7, 4},
      {66, 9},
      {66, 10, 1, 16},
      // Kind 2, the level: the HUD (frame 1 of entry 3 with the panel and its side walls), the
      // rising floor of level type 3 (entry 2), the world strip (an animation per main world),
      // the bosses, the portraits.
      {88, 0, 8},
      {88, 1, 1, 1, 7},
      {88, 2, 8, kFloorAnimations},
      {88, 3, 9, 7, 1, 1, 7},
      {88, 4, 1, 1, 2},
      {88, 5, 1, 8},
      {63, 1, 1, 1, 2},
      {63, 2, 1, 1, 2},
      {63, 3, 1, 1, 2},
      {63, 4, 1, 1, 2},
      {65, 0, 1, 1, 2},
      {101, 0, 1, 17, 2},
      // Kinds 5, 8 and 12: the screens behind the menus, and the option sprites.
      {65, 4, 1, 1, 2},
      {65, 1},
  };
  for (int e = 0; e < 10; e++) needs.push_back({80, e, 1, 1, e == 1 || e == 7 ? 8 : 1});
  for (int e = 0; e < 7; e++) needs.push_back({96, e, 1, 1, e == 2 ? 8 : 1});
  for (int e = 0; e < 6; e++) needs.push_back({67, e});
  // The board's painters (tools/databuild/bubble_sprites.h): the bubble sprite's kinds, looks
  // and animations, the colour change and lesson highlight, the target badge's palettes.
  needs.push_back({80, 5, kBubbleKindFrames, kBubbleKindFrames});
  needs.push_back({80, 3, 2 * kChangeSteps + 3, 5});
  needs.push_back({88, 1, kBadgeFrame + 1, 13, 7});
  needs.push_back({96, 0, 5, 5, 1, 0, 1});
  AddLayoutNeeds(needs);
  // The ending scene (kind 11 and the sprites it keeps): the characters up to animation 20,
  // the scenery up to 22, the bubble sprite's 28 and 46, the items' 1, 15 and 16 in palette 1,
  // the boss pack's first entry up to 6, and the birds' 0 and 1.
  for (int e = 0; e < 6; e++) needs.push_back({67, e, 1, 21});
  needs.push_back({96, 4, 1, 23});
  needs.push_back({80, 5, 1, 47});
  needs.push_back({101, 0, 1, 17, 2});
  needs.push_back({63, 0, 1, 7});
  needs.push_back({80, 6, 1, 2});
  // The main menu's title ornament (slot 46: 1, 2 and 16; the character's stand and walks
  // lie among the ending scene's); the world select's target mark (slot 13, frame 78).
  needs.push_back({63, 0, 1, 17});
  needs.push_back({68, 0, 79});
  // The bunches' decorations: the anchor's looks and ends in every palette (slot 23), the
  // hub's rest and break (41), the spokes' stubs, spokes and breaks (42), the platform's frame
  // 1 and its break (43), the lock's animations and the top's rectangle 3 (44), the chute's
  // bubble window (51) and the carrier's flights and pushes with its parts (45).
  needs.push_back({80, 7, 1, 8, 8});
  needs.push_back({96, 1, 1, 2});
  needs.push_back({96, 2, 1, 20, 8});
  needs.push_back({96, 3, 2, 3});
  needs.push_back({96, 4, 1, 23, 1, 0, 4});
  needs.push_back({96, 5, 2, 2, 1, 0, 1});
  needs.push_back({96, 5, 2, 2, 1, 1, 1});
  needs.push_back({96, 6, 1, 15, 1, 0, 4});
  // The launcher's: its 51 aiming frames, the aim dot's animation 1 in eight palettes, the
  // meter characters' 21 animations (the throw of two frames at least).
  needs.push_back({80, 0, 51, 1});
  needs.push_back({80, 1, 1, 2, 8});
  needs.push_back({80, 9, 1, 1});
  for (int e = 0; e < 6; e++) needs.push_back({67, e, 2, 21});
  // The level scenery (spawnLevelActors): the sun and the moon of pack 85, and sprite sets A
  // and B with an animation per piece and a palette per season.
  needs.push_back({85, 0, 1, 1, 3});
  needs.push_back({85, 1});
  needs.push_back({265, 0, 4, 4, 4});
  needs.push_back({266, 0, 6, 4, 4});
  // The wall spark of a shot's bounce (slot 38): the flash and the spray, four frames each.
  needs.push_back({80, 2, 8, 2});
  return needs;
}

}  // namespace databuild
