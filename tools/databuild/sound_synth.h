// The builder's sound synthesis: tones, glides and noises mixed into a sound, each part with a
// short attack and release so that none starts or stops with a click. The same parts give the
// same samples on every run.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/databuild/pcm_sound.h"

namespace databuild {

enum class Wave { kSine, kSquare, kTriangle, kNoise };

// One part of a sound. Its pitch glides linearly from startHz to endHz over its length; a
// noise part holds each random value for one period of that pitch.
struct Tone {
  Wave wave = Wave::kSine;
  double startHz = 440;
  double endHz = 440;
  uint32_t ms = 100;
  int32_t amplitude = 8000;  // peak sample value, up to 32767
  uint32_t attackMs = 4;
  uint32_t releaseMs = 20;
};

// The frequency of a note `semitones` above (or below) A4, 440 Hz.
double NoteHz(int semitones);

// A sound being mixed: parts are summed at 32 bits and clamped to 16 bits when taken.
class SoundMix {
 public:
  SoundMix(uint32_t sampleRate, uint16_t channels);

  // Adds the part from atMs on to one channel, or to every channel when channel is -1.
  void add(const Tone& tone, uint32_t atMs, int channel = -1);
  // The mix so far, as long as its latest part, stored at the given width.
  PcmSound take(uint16_t bitsPerSample) const;

 private:
  double nextNoise();  // -1 <= value < 1

  uint32_t rate_;
  uint16_t channels_;
  std::vector<int32_t> sums_;    // interleaved
  uint32_t noise_ = 0x2545F491;  // the generator of noise parts, x * 1664525 + 1013904223
};

}  // namespace databuild
