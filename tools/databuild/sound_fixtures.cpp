// The tone fixtures are pure sines at a known peak, so what a decoder gives back can be told
// from silence and from noise.
#include "tools/databuild/sound_fixtures.h"

#include <string>

#include "tools/databuild/build_error.h"
#include "tools/databuild/sound_synth.h"

namespace databuild {

PcmSound ToneFixtureSound(const ToneFixture& fixture) {
  SoundMix mix(fixture.sampleRate, fixture.channels);
  const uint32_t ms = static_cast<uint32_t>(uint64_t{fixture.frames} * 1000 / fixture.sampleRate);
  for (uint16_t c = 0; c < fixture.channels; c++) {
    const double hz = c == 0 ? 440 : 660;
    mix.add({Wave::kSine, hz, hz, ms, 12000, 4, 20}, 0, c);
  }
  PcmSound sound = mix.take(16);
  if (sound.frames() != fixture.frames) {
    throw BuildError(std::string(fixture.file) + ": " + std::to_string(sound.frames()) +
                     " frames synthesised, " + std::to_string(fixture.frames) + " listed");
  }
  return sound;
}

std::vector<OutputFile> BuildSoundFixtures(OggEncoder encode) {
  std::vector<OutputFile> files;
  for (const ToneFixture& fixture : {kOggToneMono, kOggToneStereo}) {
    files.push_back({std::string(fixture.file), encode(ToneFixtureSound(fixture))});
  }
  files.push_back({std::string(kOggWithoutAudio), encode(PcmSound{})});
  return files;
}

}  // namespace databuild
