// Stand-ins for the level's boss kind and its feature flags, until they land: no level has a
// boss or a feature.
#include "engine/level_sound_seams.h"

namespace level_sounds {

int32_t BossKind() {
  return -1;
}

bool LevelFeature(int32_t) {
  return false;
}

}  // namespace level_sounds
