// The builder's WAV writer: PCM in the canonical 44-byte RIFF header, the form the WAVE
// player reads.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/databuild/pcm_sound.h"

namespace databuild {

// Size of the canonical header; the PCM data follows it.
constexpr uint32_t kWavHeaderSize = 44;

// The whole file, little-endian:
//   0  "RIFF"   4  u32 file size - 8      8  "WAVE"
//   12 "fmt "   16 u32 16 (format size)   20 u16 1 (PCM)   22 u16 channels
//   24 u32 sample rate   28 u32 byte rate   32 u16 block align   34 u16 bits per sample
//   36 "data"   40 u32 PCM bytes          44 the samples: 16-bit signed, or 8-bit unsigned
//                                            (the 16-bit value's high byte + 128)
// A sound with other than 1 or 2 channels, a width other than 8 or 16 bits, a rate of 0 or a
// partial frame is a BuildError.
std::vector<uint8_t> WriteWav(const PcmSound& sound);

}  // namespace databuild
