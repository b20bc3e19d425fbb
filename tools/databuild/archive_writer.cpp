// "data.bar" from its entries, with the index's offsets computed before anything is written.
#include "tools/databuild/archive_writer.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <set>

#include "tools/databuild/big_endian_writer.h"
#include "tools/databuild/build_error.h"
#include "tools/databuild/modified_utf8.h"

namespace databuild {

namespace {

std::u16string Units(const std::string& name) {
  return std::u16string(name.begin(), name.end());
}

std::string Folded(const std::string& name) {
  std::string folded = name;
  for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return folded;
}

void CheckNames(std::span<const ArchiveEntry> entries) {
  if (entries.size() > static_cast<size_t>(std::numeric_limits<int16_t>::max())) {
    throw BuildError("the archive holds " + std::to_string(entries.size()) +
                     " entries; its count takes at most 32767");
  }
  std::set<std::string> seen;
  for (const ArchiveEntry& entry : entries) {
    if (entry.name.empty() || entry.name[0] == '/') {
      throw BuildError("archive entry \"" + entry.name +
                       "\": a name is not empty and has no "
                       "leading \"/\"");
    }
    if (!seen.insert(Folded(entry.name)).second) {
      throw BuildError("archive entry \"" + entry.name +
                       "\": another entry has the same name but for letter case");
    }
  }
}

}  // namespace

std::vector<uint8_t> WriteArchive(std::span<const ArchiveEntry> entries) {
  CheckNames(entries);
  size_t indexSize = 2;
  for (const ArchiveEntry& entry : entries) {
    indexSize += 2 + EncodeModifiedUtf8(Units(entry.name)).size() + 4 + 4;
  }
  BigEndianWriter out;
  out.writeU16(static_cast<uint16_t>(entries.size()));
  size_t offset = indexSize;
  for (const ArchiveEntry& entry : entries) {
    if (offset + entry.bytes.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max())) {
      throw BuildError("archive entry \"" + entry.name + "\" ends beyond 2 GB");
    }
    WriteUtf(out, Units(entry.name));
    out.writeI32(static_cast<int32_t>(offset));
    out.writeI32(static_cast<int32_t>(entry.bytes.size()));
    offset += entry.bytes.size();
  }
  for (const ArchiveEntry& entry : entries) out.writeBytes(entry.bytes);
  return out.take();
}

}  // namespace databuild
