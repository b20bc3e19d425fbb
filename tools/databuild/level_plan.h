// The level plan: every level of every world, drawn from a seed of its world and level, and
// drawn again while the level check refuses it.
#pragma once

#include "tools/databuild/level_check.h"
#include "tools/databuild/level_writer.h"

namespace databuild {

// Worlds 0..11: eight main worlds, three extra sets and a last row of one level.
constexpr int kLevelWorldCount = 12;
// The levels of a world, as the game's levelsPerWorld table holds them.
int LevelsInWorld(int world);

// Level `level` of `world`: the same on every build. A level the check refuses is drawn again
// from the next seed; a BuildError when none passes.
Level PlannedLevel(int world, int level);

// The lesson levels (the first three of world 0), which the lessons table lists.
bool IsLessonLevel(int world, int level);
// The boss kind of a level, -1 none: level 12 of main world w has kind 0, 1, 2, 3, 4, 5, 2, 3.
int BossKindOf(int world, int level);

}  // namespace databuild
