// The level check: what a level must hold for the game's readers to take it whole and for
// the player to win it, decided from the data alone.
#pragma once

#include <string>

#include "tools/databuild/level_writer.h"
#include "tools/databuild/loader_sprites.h"

namespace databuild {

// The screen of play, in pixels, that the check places bubbles on: the play state's 480 x
// 640, the HUD panel's side walls (its rectangles 5 and 6, which bound the play field), the
// danger line 136 px above the launcher at the screen's foot, and the largest drop step of a
// type-0 bunch (every lowest bubble leaves room for one drop above the line).
constexpr int kPlayWidth = 480;
constexpr int kPlayHeight = 640;
constexpr int kSideWall = kHudWallWidth;
constexpr int kDangerLineY = kPlayHeight - 136;
constexpr int kDropStep = 60;
constexpr int kBubbleRadius = 18;

// Empty when the level passes; else what it breaks, in a few words: a capacity of the
// readers (bunches 10, bubbles 170 a stage and 180 a bunch, templates 7 of 20 cells, stages
// 20, track bubbles 10, targets 5, path steps 127, belt rows one a template), an index
// (kinds 0..43, bunch types 0..15, templates, path points, paths), a divisor later rules
// take (levelParams[0], levelParams[11] with a type-3 bunch, path lengths, shots per row,
// specials goals, the first row's time), a bubble off its bunch's core or outside the play
// area or below the room for a drop, a shot colour that is not on the board, a board colour
// shot fewer than twice by a sequence that repeats, a track that does not close, a goal
// larger than what can be hit, or a type-3 level with bunch types whose sprites the loader
// does not load.
std::string LevelProblem(const Level& level);

// A BuildError naming world and level when LevelProblem finds one.
void CheckLevel(const Level& level, int world, int index);

}  // namespace databuild
