// What cGame::loadLevelSounds reads of the level (engine/level_sound_seams.cpp). Stand-ins
// until the boss and the level's feature flags land.
#pragma once

#include <cstdint>

namespace level_sounds {

// The level's boss kind, -1 without a boss.
int32_t BossKind();
// Whether feature flag i of the level is set.
bool LevelFeature(int32_t i);

}  // namespace level_sounds
