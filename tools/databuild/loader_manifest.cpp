// The loader's needs, by the load kind whose steps load each entry.
#include "tools/databuild/loader_manifest.h"

namespace databuild {

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
      // The boot screens' own: the framed box's pieces (corners, edges, the two bodies), the
      // question's buttons (frames 4 and 6, animation 3), the touch overlay (animations up to
      // 15), and the plain tiles of slots 14 and 27.
      {66, 4, 10},
      {66, 5},
      {66, 6, 7, 4},
      {66, 9},
      {66, 10, 1, 16},
      // Kind 2, the level: the HUD (frame 1 of entry 3 with the panel and its side walls),
      // the world strip (an animation per main world), the bosses, the portraits.
      {88, 0},
      {88, 1, 1, 1, 7},
      {88, 2},
      {88, 3, 2, 1, 1, 1, 7},
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
  // The level scenery (spawnLevelActors): the sun and the moon of pack 85, and sprite sets A
  // and B with an animation per piece and a palette per season.
  needs.push_back({85, 0, 1, 1, 3});
  needs.push_back({85, 1});
  needs.push_back({265, 0, 4, 4, 4});
  needs.push_back({266, 0, 6, 4, 4});
  return needs;
}

}  // namespace databuild
