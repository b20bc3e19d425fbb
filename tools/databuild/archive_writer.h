// Writer of "data.bar", the resource archive: the index first, then every entry's bytes in
// index order.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace databuild {

// One entry: its name (ASCII, no leading "/") and its bytes.
struct ArchiveEntry {
  std::string name;
  std::vector<uint8_t> bytes;
};

// Archive, big-endian:
//   offset 0  s16  entry count N
//   then N records: name (u16 byte length, modified UTF-8), s32 offset from the start of the
//   file, s32 size; then the entries' bytes, one after the other.
// An empty name, a leading "/", two names equal but for ASCII letter case (the reader would
// never find the second), more than 32767 entries or an archive of 2 GB or more is a
// BuildError.
std::vector<uint8_t> WriteArchive(std::span<const ArchiveEntry> entries);

// The archive's path under the data root: the install folder as the file layer lays it out.
inline constexpr const char* kArchivePath = "program files/marquent/plimora/data.bar";

}  // namespace databuild
