// The level's boss kind, as the loader's level set-up chose it, and a stand-in for its feature
// flags until they land: no level has a feature.
#include "engine/level_sound_seams.h"

#include "game/cgame.h"
#include "game/game_statics.h"

namespace level_sounds {

int32_t BossKind() {
  return Statics<GameStatics>()->cGame_bossKind;
}

bool LevelFeature(int32_t) {
  return false;
}

}  // namespace level_sounds
