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

// A BuildError naming world and level when the level breaks a limit of the readers or could
// not be won: the header's 13 parameters, at most six entries a dialogue list, a level type of
// 0..8, dialogue texts inside the level lines, at most 10 bunches of stage 0 on the screen and
// 1 to 170 bubbles of kinds 0..6, each kind shot at least twice by a sequence that repeats.
void CheckLevel(const Level& level, int world, int index);

}  // namespace databuild
