// What the two halves of the play state's phase machine share (game/world/play_state.cpp,
// game/world/play_level_end.cpp): the phase numbers they name and the phase change.
#pragma once

#include <cstdint>

namespace play_phases {

constexpr int32_t kPlayState = 17;
constexpr int32_t kPlaying = 9;
constexpr int32_t kLevelEnd = 10;
constexpr int32_t kLevelEndScreen = 21;
constexpr int32_t kLessonLevel = 2;
constexpr int32_t kDialogueTexts = 480;  // a dialogue line's text n is text 480 + n

// playPhase := phase, with the trace line "play phase A -> B" when it changes.
void SetPhase(int32_t phase);

// A dialogue line (text n of the dialogue texts, speaker s > 0 with the portrait of speaker
// s - 1) in the popup, marked open.
void ShowDialogueLine(int32_t text, int32_t speaker);

}  // namespace play_phases
