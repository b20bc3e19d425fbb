// Little-endian appends to a byte buffer, least significant byte first: the byte order of
// packs, text tables, value trees, LZMA headers and WAV files.
#pragma once

#include <cstdint>
#include <vector>

namespace databuild {

// The low count bytes of value (1 to 4).
inline void PutLittleEndian(std::vector<uint8_t>& out, uint32_t value, int count) {
  for (int i = 0; i < count; i++) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

inline void PutU16(std::vector<uint8_t>& out, uint32_t value) {
  PutLittleEndian(out, value, 2);
}

inline void PutU32(std::vector<uint8_t>& out, uint32_t value) {
  PutLittleEndian(out, value, 4);
}

}  // namespace databuild
