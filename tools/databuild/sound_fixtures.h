// Sound files the tests read, written by the builder program into the build's fixtures folder
// (databuild --fixtures DIR). The Ogg, MP3 and AMR files exist only as files, since their
// encoders live in the builder program alone (tools/databuild/ogg_encoder.h); the MIDI songs
// are also at hand as MidiSong values, the form their writer takes.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "tools/databuild/midi_writer.h"
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

// 440 Hz, half a second at 22050 Hz, mono, as MP3.
constexpr ToneFixture kMp3Tone = {"tone.mp3", 22050, 1, 11025};
// 440 Hz, one second at 8000 Hz, mono (50 frames of 20 ms), as AMR-NB.
constexpr ToneFixture kAmrTone = {"tone.amr", 8000, 1, 8000};

// The sound a tone fixture was encoded from (16-bit samples, peak 12000).
PcmSound ToneFixtureSound(const ToneFixture& fixture);

// A short tune, format 0: a program change, a chord and a scale in running status, and a tempo
// change after the chord (1.5 s).
MidiSong MidiFixtureFormat0();
// The same kind of tune in format 1: the tempo map alone in the first track, two instruments
// in the others, one of them after a long rest (a delta of three bytes; about 4.6 s).
MidiSong MidiFixtureFormat1();
constexpr std::string_view kMidiFormat0File = "tune0.mid";
constexpr std::string_view kMidiFormat1File = "tune1.mid";

// Every fixture file, named by its path under the fixtures folder.
std::vector<OutputFile> BuildSoundFixtures(const SoundEncoders& encoders);

}  // namespace databuild
