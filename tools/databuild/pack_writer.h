// Writer of resource packs: the base file and its part files, each an entry of the archive.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "tools/databuild/archive_writer.h"
#include "tools/databuild/lzma_writer.h"

namespace databuild {

// One entry as stored: a type byte then the payload, or nothing at all.
struct PackEntry {
  // Stored as it is; type 0..126.
  static PackEntry Plain(int type, std::span<const uint8_t> payload);
  // An LZMA payload of data; type 0..128 (the stored type byte is 127 + type).
  static PackEntry Lzma(int type, std::span<const uint8_t> data, const LzmaSettings& settings = {});
  // An entry of size 0: no type byte, an empty payload.
  static PackEntry Empty();

  std::vector<uint8_t> bytes;
};

struct Pack {
  std::string name;                      // a string constant's text
  std::vector<PackEntry> entries;        // entry e is entries[e]
  std::vector<int> partFirstEntries{0};  // the first entry of each part, from 0, non-decreasing
};

// Part boundaries that keep each part's entries within budget bytes (an entry larger than the
// budget has a part of its own): the first entry of each part, from 0.
std::vector<int> PartsWithin(std::span<const PackEntry> entries, size_t budget);

// The name of part file k (k >= 1): the pack name, string constant 306, k in decimal.
std::string PartFileName(const std::string& pack, int part);

// Base file, little-endian: u16 entry count T, s16 part count P, s16 x P first entries, then
// part 0's offset table (n + 1 u32 absolute offsets) and entries. Part file k: its offset
// table, then its entries. More than 65535 entries, a bad part list (one that does not start
// at 0, decreases, passes the entries or starts a part past entry 32767) or a part file of
// 4 GB or more is a BuildError. The files come back base first, then parts 1 .. P-1.
std::vector<ArchiveEntry> WritePack(const Pack& pack);

}  // namespace databuild
