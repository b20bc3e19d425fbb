// Reading the null audio device's mix in tests: the next frames stepped by hand, and how many
// of them sound.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
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
