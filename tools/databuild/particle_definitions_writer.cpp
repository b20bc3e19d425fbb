// The particle definitions entry, record by record, checked against the widths of its fields.
#include "tools/databuild/particle_definitions_writer.h"

#include <string>

#include "tools/databuild/build_error.h"
#include "tools/databuild/little_endian.h"

namespace databuild {

namespace {

constexpr int kOpenRecord = 1;
constexpr int kBRecord = 2;
constexpr size_t kMostValues = 255;

void PutRecord(std::vector<uint8_t>& out, const ParticleRecord& record) {
  if (record.type < 0 || record.type > 255) {
    throw BuildError("particle record type " + std::to_string(record.type) + " is not a byte");
  }
  out.push_back(static_cast<uint8_t>(record.type));
  if (record.type != kOpenRecord && record.type != kBRecord) {
    if (!record.values.empty()) {
      throw BuildError("a particle record of type " + std::to_string(record.type) +
                       " has no values");
    }
    return;
  }
  if (record.values.size() > kMostValues) {
    throw BuildError("a particle record holds " + std::to_string(record.values.size()) +
                     " values; its count byte holds at most 255");
  }
  out.push_back(static_cast<uint8_t>(record.values.size()));
  for (const int v : record.values) {
    if (v < -32768 || v > 32767) {
      throw BuildError("particle value " + std::to_string(v) + " is not a signed 16-bit value");
    }
    PutU16(out, static_cast<uint32_t>(v) & 0xFFFF);
  }
}

}  // namespace

std::vector<uint8_t> WriteParticleRecords(std::span<const ParticleRecord> records) {
  std::vector<uint8_t> out;
  for (const ParticleRecord& record : records) PutRecord(out, record);
  return out;
}

std::vector<uint8_t> WriteParticleDefinitions(std::span<const ParticleDefinition> definitions) {
  std::vector<ParticleRecord> records;
  for (const ParticleDefinition& d : definitions) {
    records.push_back({kOpenRecord, d.a});
    records.push_back({kBRecord, d.b});
  }
  return WriteParticleRecords(records);
}

}  // namespace databuild
