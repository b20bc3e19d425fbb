// The builder's MP3 writer, over LAME. Part of the builder program only (see
// tools/databuild/ogg_encoder.h).
#pragma once

#include <cstdint>
#include <vector>

#include "tools/databuild/pcm_sound.h"

namespace databuild {

// MPEG audio at a constant 64 kbit/s with LAME's gapless tag, so that a decoder gives back
// exactly the sound's frame count. A sound of other than 1 or 2 channels, or one the encoder
// refuses, is a BuildError.
std::vector<uint8_t> WriteMp3(const PcmSound& sound);

}  // namespace databuild
