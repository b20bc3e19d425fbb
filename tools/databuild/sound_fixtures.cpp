// The tone fixtures are pure sines at a known peak, so what a decoder gives back can be told
// from silence and from noise.
#include "tools/databuild/sound_fixtures.h"

#include <iterator>
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

namespace {

// Notes of the C major scale from middle C, in semitones.
constexpr uint8_t kScale[] = {60, 62, 64, 65, 67, 69, 71, 72};

// The scale on a channel: each note a quarter long, all in one running status.
void AddScale(std::vector<MidiEvent>& track, uint8_t channel, uint32_t quarter, uint32_t rest) {
  for (size_t i = 0; i < std::size(kScale); i++) {
    track.push_back(NoteOn(i == 0 ? rest : 0, channel, kScale[i], 100));
    track.push_back(NoteOff(quarter, channel, kScale[i]));
  }
}

}  // namespace

MidiSong MidiFixtureFormat0() {
  MidiSong song{0, 96, {{}}};
  std::vector<MidiEvent>& track = song.tracks[0];
  track.push_back(Tempo(0, 500000));
  track.push_back(ProgramChange(0, 0, 0));
  for (const uint8_t key : {60, 64, 67}) track.push_back(NoteOn(0, 0, key, 90));
  for (const uint8_t key : {60, 64, 67}) track.push_back(NoteOff(key == 60 ? 96 : 0, 0, key));
  track.push_back(Tempo(0, 250000));
  AddScale(track, 0, 48, 0);
  return song;
}

MidiSong MidiFixtureFormat1() {
  MidiSong song{1, 960, {{}, {}, {}}};
  song.tracks[0] = {Tempo(0, 400000), Tempo(3840, 200000)};
  song.tracks[1].push_back(ProgramChange(0, 0, 40));
  AddScale(song.tracks[1], 0, 480, 0);
  song.tracks[2].push_back(ProgramChange(0, 1, 73));
  AddScale(song.tracks[2], 1, 240, 16384);  // the long rest
  return song;
}

std::vector<OutputFile> BuildSoundFixtures(const SoundEncoders& encoders) {
  std::vector<OutputFile> files;
  for (const ToneFixture& fixture : {kOggToneMono, kOggToneStereo}) {
    files.push_back({std::string(fixture.file), encoders.ogg(ToneFixtureSound(fixture))});
  }
  files.push_back({std::string(kOggWithoutAudio), encoders.ogg(PcmSound{})});
  files.push_back({std::string(kMp3Tone.file), encoders.mp3(ToneFixtureSound(kMp3Tone))});
  files.push_back({std::string(kAmrTone.file), encoders.amr(ToneFixtureSound(kAmrTone))});
  files.push_back({std::string(kMidiFormat0File), WriteMidi(MidiFixtureFormat0())});
  files.push_back({std::string(kMidiFormat1File), WriteMidi(MidiFixtureFormat1())});
  return files;
}

}  // namespace databuild
