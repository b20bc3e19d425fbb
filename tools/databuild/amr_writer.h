// The builder's AMR-NB writer, over opencore's encoder. Part of the builder program only (see
// tools/databuild/ogg_encoder.h).
#pragma once

#include <cstdint>
#include <vector>

#include "tools/databuild/pcm_sound.h"

namespace databuild {

// "#!AMR\n" and 20 ms frames in the 12.2 kbit/s mode; the last frame is padded with silence.
// The sound must be 8000 Hz mono, else a BuildError.
std::vector<uint8_t> WriteAmr(const PcmSound& sound);

}  // namespace databuild
