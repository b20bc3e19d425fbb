// Writer of LZMA payloads, the compressed form of pack entries: a 13-byte header that we
// write, then liblzma's raw LZMA1 range-coded data without an end marker.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace databuild {

// The coder's settings. liblzma's encoder takes lc and lp up to 4 with lc + lp at most 4, pb
// up to 4 and a dictionary of at least 4096 bytes; the defaults give properties byte 0x5D.
struct LzmaSettings {
  int lc = 3;                         // literal context bits
  int lp = 0;                         // literal position bits
  int pb = 2;                         // position bits
  uint32_t dictionarySize = 1 << 20;  // bytes
};

// The properties byte of settings: (pb x 5 + lp) x 9 + lc.
uint8_t LzmaPropertiesByte(const LzmaSettings& settings);

// Payload, little-endian:
//   offset 0   u8   properties byte
//   offset 1   u32  dictionary size
//   offset 5   u32  unpacked size (the true size of data)
//   offset 9   u32  0, the high half of the 64-bit unpacked size
//   offset 13  ...  range-coded data; the decoder stops after the unpacked size
// Settings liblzma refuses, data of 4 GB or more, or an encoder failure are a BuildError.
std::vector<uint8_t> WriteLzmaPayload(std::span<const uint8_t> data,
                                      const LzmaSettings& settings = {});

// liblzma's decoding of such a payload, the reference that tests and benchmarks hold the
// game's decoder to: the header's unpacked size of bytes into the start of out, in one call
// that sets up, runs and frees liblzma's decoder. False when the payload is shorter than its
// header, out is shorter than the unpacked size, or liblzma refuses the data.
bool ReferenceDecodeLzmaPayload(std::span<const uint8_t> payload, std::span<uint8_t> out);

}  // namespace databuild
