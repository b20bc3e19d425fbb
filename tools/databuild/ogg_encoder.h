// The Ogg Vorbis encoder as the library side of the builder receives it. Only the builder
// program links libvorbisenc (tools/databuild/ogg_writer.cpp) and hands its encoder in, so no
// binary that links the game's Tremor decoder carries the reference codec, whose symbols
// share Tremor's names.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/databuild/pcm_sound.h"

namespace databuild {

// The whole Ogg Vorbis file of the sound; the same sound gives the same bytes on every run.
using OggEncoder = std::vector<uint8_t> (*)(const PcmSound& sound);

}  // namespace databuild
