// What cGame::loadLevelSounds reads of the level (engine/level_sound_seams.cpp): the boss kind
// the loader chose, and a stand-in for the feature flags until they land.
#pragma once

#include <cstdint>

namespace level_sounds {

// The level's boss kind, -1 without a boss.
int32_t BossKind();
// Whether feature flag i of the level is set.
bool LevelFeature(int32_t i);

}  // namespace level_sounds
