// What cGame::loadLevelSounds reads of the level and of the loader's music tables
// (engine/level_sound_seams.cpp). Stand-ins until the loader's tables and the boss land.
#pragma once

#include <cstdint>

namespace level_sounds {

// The music of world `world` as an offset from sound 4: its last level's own when `lastLevel`.
int32_t WorldMusic(int32_t world, bool lastLevel);
// The level's boss kind, -1 without a boss.
int32_t BossKind();
// Whether feature flag i of the level is set.
bool LevelFeature(int32_t i);

}  // namespace level_sounds
