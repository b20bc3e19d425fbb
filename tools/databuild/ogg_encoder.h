// The compressed-sound encoders as the library side of the builder receives them. Only the
// builder program links libvorbisenc (tools/databuild/ogg_writer.cpp), LAME
// (tools/databuild/mp3_writer.cpp) and opencore's AMR-NB encoder
// (tools/databuild/amr_writer.cpp), and hands them in: no binary that links the game's
// Tremor decoder carries the reference Vorbis codec, whose symbols share Tremor's names.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/databuild/pcm_sound.h"

namespace databuild {

// The whole file of the sound; the same sound gives the same bytes on every run.
using SoundEncoder = std::vector<uint8_t> (*)(const PcmSound& sound);
using OggEncoder = SoundEncoder;

struct SoundEncoders {
  SoundEncoder ogg;
  SoundEncoder mp3;
  SoundEncoder amr;
};

}  // namespace databuild
