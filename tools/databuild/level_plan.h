// The level plan: every level of every world, drawn from a seed of its world and level, and
// the check that refuses a level the game's readers would not take.
#pragma once

#include "tools/databuild/level_writer.h"

namespace databuild {

// Worlds 0..11: eight main worlds, three extra sets and a last row of one level.
constexpr int kLevelWorldCount = 12;
// The levels of a world, as the game's levelsPerWorld table holds them.
int LevelsInWorld(int world);

// Level `level` of `world`: the same on every build.
Level PlannedLevel(int world, int level);

// A BuildError naming world and level when the level breaks a limit of the readers: the
// header's 13 parameters, at most six entries a dialogue list, a level type of 0..8, dialogue
// texts inside the level lines, bubble kinds 0..6, at least one bubble and one shot.
void CheckLevel(const Level& level, int world, int index);

}  // namespace databuild
