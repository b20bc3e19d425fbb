// The in-game HUD's sprites of pack "hud" (string constant 88), drawn with Cairo:
//   entry 3 (slot 56)  the HUD: frame 0 the top panel (the wells of the label, the clock and
//       the score) with the play area's side rails; frame 1 no parts, its rectangles the
//       layout: 0 the panel, 1 the label, 2 the clock, 3 the score, 4 the goal, 5 and 6 the
//       side walls; frame 2 the goal's well, 3 the walker goal's icon, 4 the progress bar
//       (drawn at rectangle 4's corner), 5 the target goal's icon, 6 the boss goal's icon, 7 a
//       boss health heart about its centre, 8 the heart lit by a hit. Animations: 0 the panel,
//       1 the walker icon, 2 the target icon, 3 the boss icon, 4 the goal's well, 5 the heart,
//       6 the heart flashing.
//   entry 0 (slot 40)  the type-7 track's bubbles: frames 0..3 the four sizes of the plain look,
//       half to full size, 4..7 the second look; each about its centre.
//   entry 4 (slot 57)  the danger line across the play area at the origin's y; palette 1 red.
//   entry 2 (slot 55)  the rising floor of level type 3, at the floor's y: animation 0 the
//       ground below it, 3 its front edge, 4..36 dust puffs flying off on headings from right to
//       left, 37 and 38 sparks rising and drifting right or left (1 and 2 repeat 0).
#pragma once

#include "tools/databuild/loader_sprites.h"
#include "tools/databuild/sprite_writer.h"

namespace databuild {

inline constexpr int kHudWidth = 480;
inline constexpr int kHudRailHeight = 640 - kHudPanelHeight;  // down to the play area's bottom
inline constexpr int kTrackBubbleSizes[4] = {20, 26, 32, 38};
inline constexpr SpriteRect kHudLabelRect = {20, 10, 84, 44};
inline constexpr SpriteRect kHudClockRect = {110, 10, 104, 44};
inline constexpr SpriteRect kHudScoreRect = {220, 10, 132, 44};
inline constexpr SpriteRect kHudGoalRect = {358, 10, 104, 44};

SpriteData HudSprite();
SpriteData DangerLineSprite();
SpriteData TrackSprite();
SpriteData FloorSprite();

inline constexpr int kFloorFirstDust = 4, kFloorLastDust = 36;
inline constexpr int kFloorAnimations = 39;

}  // namespace databuild
