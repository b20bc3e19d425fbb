// A sound as the builder synthesises it, before a writer stores it: interleaved 16-bit
// samples with the rate, channel count and stored sample width of the file it becomes.
#pragma once

#include <cstdint>
#include <vector>

namespace databuild {

struct PcmSound {
  uint32_t sampleRate = 22050;  // frames per second
  uint16_t channels = 1;        // 1 or 2; samples interleave left first
  uint16_t bitsPerSample = 16;  // the width a WAV stores, 8 or 16; samples stay 16-bit here
  std::vector<int16_t> samples;

  uint32_t frames() const { return static_cast<uint32_t>(samples.size() / channels); }
};

}  // namespace databuild
