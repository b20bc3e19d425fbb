// Packs as the pack reader finds them: offsets computed per part file before it is written.
#include "tools/databuild/pack_writer.h"

#include <algorithm>
#include <limits>
#include <string_view>

#include "tools/databuild/build_error.h"
#include "tools/databuild/little_endian.h"
#include "tools/databuild/string_constants.h"

namespace databuild {

namespace {

constexpr int kPartNameInfix = 306;
constexpr int kFirstCompressedType = 127;

// The infix as 8-bit text; it must be safe in a file name.
std::string PartInfix() {
  const std::u16string_view infix = StringConstantTable()[kPartNameInfix].text;
  std::string text;
  for (const char16_t unit : infix) {
    if (unit < 0x21 || unit > 0x7E ||
        std::u16string_view(u"/\\:*?\"<>|").find(unit) != std::u16string_view::npos) {
      throw BuildError("string constant 306 is not safe in a part file's name");
    }
    text.push_back(static_cast<char>(unit));
  }
  if (text.empty()) throw BuildError("string constant 306 is empty; part files need an infix");
  return text;
}

// First entries are signed 16-bit in the header, so no part may start past entry 32767.
void CheckParts(const Pack& pack) {
  const std::vector<int>& firsts = pack.partFirstEntries;
  const int count = static_cast<int>(pack.entries.size());
  bool good = !firsts.empty() && firsts[0] == 0 &&
              firsts.size() <= static_cast<size_t>(std::numeric_limits<int16_t>::max()) &&
              count <= std::numeric_limits<uint16_t>::max();
  for (size_t k = 1; good && k < firsts.size(); k++) {
    good = firsts[k] >= firsts[k - 1] && firsts[k] <= count &&
           firsts[k] <= std::numeric_limits<int16_t>::max();
  }
  if (!good) throw BuildError("pack \"" + pack.name + "\": the entries or parts do not fit");
}

// The entries [first, end) behind their offset table, which starts at tableStart.
std::vector<uint8_t> WritePart(const Pack& pack, size_t tableStart, int first, int end,
                               std::vector<uint8_t> file) {
  uint64_t offset = tableStart + 4 * static_cast<uint64_t>(end - first + 1);
  for (int e = first; e <= end; e++) {
    if (offset > std::numeric_limits<uint32_t>::max()) {
      throw BuildError("pack \"" + pack.name + "\": a part file reaches 4 GB");
    }
    PutU32(file, static_cast<uint32_t>(offset));
    if (e < end) offset += pack.entries[e].bytes.size();
  }
  for (int e = first; e < end; e++) {
    file.insert(file.end(), pack.entries[e].bytes.begin(), pack.entries[e].bytes.end());
  }
  return file;
}

// The type byte, then the payload.
PackEntry Typed(uint8_t typeByte, std::span<const uint8_t> payload) {
  PackEntry entry;
  entry.bytes.resize(1 + payload.size());
  entry.bytes[0] = typeByte;
  std::copy(payload.begin(), payload.end(), entry.bytes.begin() + 1);
  return entry;
}

}  // namespace

PackEntry PackEntry::Plain(int type, std::span<const uint8_t> payload) {
  if (type < 0 || type >= kFirstCompressedType) {
    throw BuildError("a plain pack entry's type " + std::to_string(type) + " is not in 0..126");
  }
  return Typed(static_cast<uint8_t>(type), payload);
}

PackEntry PackEntry::Lzma(int type, std::span<const uint8_t> data, const LzmaSettings& settings) {
  if (type < 0 || type > 255 - kFirstCompressedType) {
    throw BuildError("an LZMA pack entry's type " + std::to_string(type) + " is not in 0..128");
  }
  return Typed(static_cast<uint8_t>(kFirstCompressedType + type), WriteLzmaPayload(data, settings));
}

PackEntry PackEntry::Empty() {
  return PackEntry{};
}

std::vector<int> PartsWithin(std::span<const PackEntry> entries, size_t budget) {
  std::vector<int> firsts = {0};
  size_t used = 0;
  for (size_t e = 0; e < entries.size(); e++) {
    const size_t size = entries[e].bytes.size();
    if (used > 0 && used + size > budget) {
      firsts.push_back(static_cast<int>(e));
      used = 0;
    }
    used += size;
  }
  return firsts;
}

std::string PartFileName(const std::string& pack, int part) {
  return pack + PartInfix() + std::to_string(part);
}

std::vector<ArchiveEntry> WritePack(const Pack& pack) {
  CheckParts(pack);
  const std::vector<int>& firsts = pack.partFirstEntries;
  const int partCount = static_cast<int>(firsts.size());
  const int entryCount = static_cast<int>(pack.entries.size());
  std::vector<ArchiveEntry> files;
  for (int k = 0; k < partCount; k++) {
    const int end = k + 1 < partCount ? firsts[k + 1] : entryCount;
    std::vector<uint8_t> head;
    if (k == 0) {
      PutU16(head, static_cast<uint32_t>(entryCount));
      PutU16(head, static_cast<uint32_t>(partCount));
      for (const int first : firsts) PutU16(head, static_cast<uint32_t>(first));
    }
    const size_t tableStart = head.size();
    files.push_back({k == 0 ? pack.name : PartFileName(pack.name, k),
                     WritePart(pack, tableStart, firsts[k], end, std::move(head))});
  }
  return files;
}

}  // namespace databuild
