// The builder's Ogg Vorbis writer, over libvorbisenc. Part of the builder program only: see
// tools/databuild/ogg_encoder.h.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/databuild/pcm_sound.h"

namespace databuild {

// One logical stream with a fixed serial number: the three header packets on pages of their
// own, then the audio encoded at VBR quality 0.4 (about 64 kbit/s for 22050 Hz mono). The
// stream ends at the sound's last frame, so it decodes to exactly the sound's frame count; a
// sound without frames gives the headers and an empty last page. A sound with other than 1 or
// 2 channels, or a rate the encoder refuses, is a BuildError.
std::vector<uint8_t> WriteOgg(const PcmSound& sound);

}  // namespace databuild
