// The game's sounds, numbered as the game plays them (ids 0 to 37): music and jingles
// composed by the builder from a scale and a seed, effects made of tones, glides and noises.
#pragma once

#include <string_view>

#include "tools/databuild/pcm_sound.h"

namespace databuild {

constexpr int kGameSoundCount = 38;

// What the sound is for, as the game uses it.
std::string_view GameSoundRole(int id);
// The sound of that id (0 <= id < kGameSoundCount): music 16-bit mono, effects 8-bit mono,
// all at 22050 Hz.
PcmSound GameSound(int id);

}  // namespace databuild
