// Sound files the tests read, written by the builder program into the build's fixtures folder
// (databuild --fixtures DIR). The Ogg files exist only as files, since the encoder lives in
// the builder program alone (tools/databuild/ogg_encoder.h).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "tools/databuild/ogg_encoder.h"
#include "tools/databuild/output_file.h"
#include "tools/databuild/pcm_sound.h"

namespace databuild {

// A tone fixture: its file name and the format and length of the sound it decodes to.
struct ToneFixture {
  std::string_view file;
  uint32_t sampleRate;
  uint16_t channels;
  uint32_t frames;
};

// 440 Hz, half a second at 22050 Hz, mono.
constexpr ToneFixture kOggToneMono = {"tone_mono.ogg", 22050, 1, 11025};
// 440 Hz on the left and 660 Hz on the right, a quarter second at 44100 Hz.
constexpr ToneFixture kOggToneStereo = {"tone_stereo.ogg", 44100, 2, 11025};
// A stream with every header and no audio: it opens and decodes to nothing.
constexpr std::string_view kOggWithoutAudio = "no_audio.ogg";

// The sound a tone fixture was encoded from (16-bit samples, peak 12000).
PcmSound ToneFixtureSound(const ToneFixture& fixture);

// Every fixture file, named by its path under the fixtures folder.
std::vector<OutputFile> BuildSoundFixtures(OggEncoder encode);

}  // namespace databuild
