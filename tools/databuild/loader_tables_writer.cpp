// Writers of the loader's lookup tables; each field is checked against its width.
#include "tools/databuild/loader_tables_writer.h"

#include <string>

#include "tools/databuild/build_error.h"
#include "tools/databuild/little_endian.h"

namespace databuild {

namespace {

void PutCount(std::vector<uint8_t>& out, size_t count) {
  PutU32(out, static_cast<uint32_t>(count));
}

// A signed field of bits 8 or 16 (or, with isUnsigned, an unsigned one).
void PutField(std::vector<uint8_t>& out, int value, int bytes, bool isUnsigned = false) {
  const int bits = 8 * bytes;
  const int low = isUnsigned ? 0 : -(1 << (bits - 1));
  const int high = isUnsigned ? (1 << bits) - 1 : (1 << (bits - 1)) - 1;
  if (value < low || value > high) {
    throw BuildError("loader table: " + std::to_string(value) + " does not fit " +
                     std::to_string(bits) + " bits");
  }
  PutLittleEndian(out, static_cast<uint32_t>(value), bytes);
}

void PutTriples(std::vector<uint8_t>& out, const std::vector<ByteTriple>& records) {
  PutCount(out, records.size());
  for (const ByteTriple& r : records) {
    PutField(out, r.a, 1);
    PutField(out, r.b, 1);
    PutField(out, r.value, 1);
  }
}

}  // namespace

std::vector<uint8_t> WriteByteTriples(const std::vector<ByteTriple>& records) {
  std::vector<uint8_t> out;
  PutTriples(out, records);
  return out;
}

std::vector<uint8_t> WriteIndexedTriples(const std::vector<IndexedTriple>& records) {
  std::vector<uint8_t> out;
  PutCount(out, records.size());
  for (const IndexedTriple& r : records) {
    PutField(out, r.index, 1);
    PutField(out, r.value, 1);
    PutField(out, r.music, 1);
    PutField(out, r.finalMusic, 1, true);
  }
  return out;
}

std::vector<uint8_t> WriteLookups(const std::vector<ByteTriple>& triples,
                                  const std::vector<QuadRecord>& quads) {
  std::vector<uint8_t> out;
  PutTriples(out, triples);
  PutCount(out, quads.size());
  for (const QuadRecord& r : quads) {
    PutField(out, r.a, 1);
    PutField(out, r.b, 1);
    PutField(out, r.c, 2);
    PutField(out, r.d, 2);
  }
  return out;
}

std::vector<uint8_t> WriteLineSections(const std::vector<std::vector<LinePair>>& sections) {
  std::vector<uint8_t> out;
  PutCount(out, sections.size());
  for (const std::vector<LinePair>& section : sections) {
    PutCount(out, section.size());
    for (const LinePair& pair : section) {
      PutField(out, pair.text + 1, 2);
      PutField(out, pair.value, 2);
    }
  }
  return out;
}

std::vector<uint8_t> WriteLevelLists(const std::vector<std::vector<MapPoint>>& worlds) {
  std::vector<uint8_t> out;
  for (const std::vector<MapPoint>& world : worlds) {
    PutCount(out, world.size());
    for (const MapPoint& p : world) {
      PutField(out, p.x, 2);
      PutField(out, p.y, 2);
    }
  }
  return out;
}

}  // namespace databuild
