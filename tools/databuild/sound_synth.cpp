// Oscillators with a linear pitch glide and an attack-release envelope, summed into 32-bit
// frames. Phases are kept in cycles (0 <= phase < 1).
#include "tools/databuild/sound_synth.h"

#include <algorithm>
#include <cmath>

namespace databuild {
namespace {

constexpr double kPi = 3.14159265358979323846;

// The envelope at frame i of n: a rise over the attack, a fall over the release.
double Envelope(uint32_t i, uint32_t n, uint32_t attack, uint32_t release) {
  double level = 1.0;
  if (attack > 0 && i < attack) level = static_cast<double>(i) / attack;
  if (release > 0 && n - i <= release)
    level = std::min(level, static_cast<double>(n - i) / release);
  return level;
}

double Oscillate(Wave wave, double phase) {
  switch (wave) {
    case Wave::kSine:
      return std::sin(2 * kPi * phase);
    case Wave::kSquare:
      return phase < 0.5 ? 0.6 : -0.6;  // a square sounds louder than a sine of the same peak
    case Wave::kTriangle:
      return phase < 0.5 ? 4 * phase - 1 : 3 - 4 * phase;
    case Wave::kNoise:
      break;
  }
  return 0;
}

}  // namespace

double NoteHz(int semitones) {
  return 440.0 * std::pow(2.0, semitones / 12.0);
}

SoundMix::SoundMix(uint32_t sampleRate, uint16_t channels)
    : rate_(sampleRate), channels_(channels) {}

void SoundMix::add(const Tone& tone, uint32_t atMs, int channel) {
  const uint32_t start = static_cast<uint32_t>(uint64_t{atMs} * rate_ / 1000);
  const uint32_t n = static_cast<uint32_t>(uint64_t{tone.ms} * rate_ / 1000);
  const uint32_t attack = static_cast<uint32_t>(uint64_t{tone.attackMs} * rate_ / 1000);
  const uint32_t release = static_cast<uint32_t>(uint64_t{tone.releaseMs} * rate_ / 1000);
  const size_t end = (static_cast<size_t>(start) + n) * channels_;
  if (sums_.size() < end) sums_.resize(end, 0);

  double phase = 0;
  double held = tone.wave == Wave::kNoise ? nextNoise() : 0;
  for (uint32_t i = 0; i < n; i++) {
    const double value = tone.wave == Wave::kNoise ? held : Oscillate(tone.wave, phase);
    phase += (tone.startHz + (tone.endHz - tone.startHz) * i / n) / rate_;
    if (phase >= 1) {
      phase -= std::floor(phase);
      if (tone.wave == Wave::kNoise) held = nextNoise();
    }
    const auto sample =
        static_cast<int32_t>(std::lround(value * tone.amplitude * Envelope(i, n, attack, release)));
    const size_t frame = (static_cast<size_t>(start) + i) * channels_;
    for (uint16_t c = 0; c < channels_; c++) {
      if (channel < 0 || channel == c) sums_[frame + c] += sample;
    }
  }
}

double SoundMix::nextNoise() {
  noise_ = noise_ * 1664525u + 1013904223u;
  return static_cast<int32_t>(noise_) / 2147483648.0;
}

PcmSound SoundMix::take(uint16_t bitsPerSample) const {
  PcmSound sound;
  sound.sampleRate = rate_;
  sound.channels = channels_;
  sound.bitsPerSample = bitsPerSample;
  sound.samples.reserve(sums_.size());
  for (const int32_t sum : sums_) {
    sound.samples.push_back(static_cast<int16_t>(std::clamp<int32_t>(sum, -32768, 32767)));
  }
  return sound;
}

}  // namespace databuild
