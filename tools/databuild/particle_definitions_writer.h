// Writer of the particle emitter definitions entry that cGame::loadParticleDefinitions reads:
// a sequence of records, each a type byte, an unsigned value count and that many signed
// 16-bit little-endian values. Type 1 opens a definition with its A values, type 2 gives the
// B values of the definition opened last; other types are the type byte alone.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace databuild {

struct ParticleRecord {
  int type = 1;  // 0..255; only types 1 and 2 carry a count and values
  std::vector<int> values;
};

// One definition: its A values (12 read by the game) and B values (6). B[3] and B[5] are
// percentages of B[2] and B[4], as the reader expects them.
struct ParticleDefinition {
  std::vector<int> a;
  std::vector<int> b;
};

// The records as they are. A type outside 0..255, more than 255 values in a record, a value
// outside -32768..32767, or values on a record of another type than 1 or 2 is a BuildError.
std::vector<uint8_t> WriteParticleRecords(std::span<const ParticleRecord> records);
// Each definition as its type-1 record followed by its type-2 record.
std::vector<uint8_t> WriteParticleDefinitions(std::span<const ParticleDefinition> definitions);

}  // namespace databuild
