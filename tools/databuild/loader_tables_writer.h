// Writers of the loader's lookup tables, in the layouts its table loaders read (little-endian;
// every count an s32):
//   triples         count, count x {a, b, value}                  bytes
//   indexed         count, count x {index, value, music, final}   bytes (the last unsigned)
//   lookups         triples, then count, count x {a, b, c, d}     s8, s8, s16, s16
//   sections        count, then per section its count c and c x {text + 1, value}   s16, s16
//   level lists     per world: count, count x {x, y}              s16, s16
#pragma once

#include <cstdint>
#include <vector>

namespace databuild {

struct ByteTriple {
  int a = 0, b = 0, value = 0;
};
struct IndexedTriple {
  int index = 0, value = 0, music = 0, finalMusic = 0;
};
struct QuadRecord {
  int a = 0, b = 0, c = 0, d = 0;
};
struct LinePair {
  int text = 0, value = 0;  // text as the game uses it; written plus one
};
struct MapPoint {
  int x = 0, y = 0;
};

// A value that does not fit its field is a BuildError.
std::vector<uint8_t> WriteByteTriples(const std::vector<ByteTriple>& records);
std::vector<uint8_t> WriteIndexedTriples(const std::vector<IndexedTriple>& records);
std::vector<uint8_t> WriteLookups(const std::vector<ByteTriple>& triples,
                                  const std::vector<QuadRecord>& quads);
std::vector<uint8_t> WriteLineSections(const std::vector<std::vector<LinePair>>& sections);
std::vector<uint8_t> WriteLevelLists(const std::vector<std::vector<MapPoint>>& worlds);

}  // namespace databuild
