// Stand-ins for the world music tables of the loader's pack, the level's boss kind and its
// feature flags, until they land: every world plays the first music, no level has a boss or a
// feature.
#include "engine/level_sound_seams.h"

namespace level_sounds {

int32_t WorldMusic(int32_t, bool) {
  return 0;
}

int32_t BossKind() {
  return -1;
}

bool LevelFeature(int32_t) {
  return false;
}

}  // namespace level_sounds
