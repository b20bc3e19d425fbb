// Reading audio output in tests: the null device's mix stepped by hand, the samples SDL's disk
// driver wrote, and how loud and how long they sound.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "host/audio.h"

// The next `frames` frames of the mix, left and right interleaved.
inline std::vector<int16_t> StepMix(uint32_t frames) {
  std::vector<int16_t> out(2 * static_cast<size_t>(frames));
  EXPECT_TRUE(host::StepNullAudio(frames, out.data()));
  return out;
}

// Frames of a mix in which either channel is not zero.
inline size_t SoundingFrames(const std::vector<int16_t>& mix) {
  size_t count = 0;
  for (size_t i = 0; i + 1 < mix.size(); i += 2) count += mix[i] != 0 || mix[i + 1] != 0;
  return count;
}

// The largest magnitude among the samples.
inline int PeakOf(const std::vector<int16_t>& samples) {
  int peak = 0;
  for (const int16_t s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
  return peak;
}

// The 16-bit samples (left and right interleaved) SDL's disk driver wrote into the file.
inline std::vector<int16_t> DiskAudioSamples(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::vector<char> raw(std::istreambuf_iterator<char>(in), {});
  std::vector<int16_t> samples(raw.size() / 2);
  std::memcpy(samples.data(), raw.data(), samples.size() * 2);
  return samples;
}
