// Text tables from UTF-8 texts, checked against what the reader decodes.
#include "tools/databuild/text_table_writer.h"

#include "tools/databuild/build_error.h"
#include "tools/databuild/little_endian.h"

namespace databuild {

namespace {

// The reader takes sequences of one to three bytes; a four-byte character would be misread.
void CheckUtf8(const std::string& text, size_t id) {
  size_t pos = 0;
  while (pos < text.size()) {
    const auto lead = static_cast<uint8_t>(text[pos]);
    const size_t length = lead < 0x80             ? 1
                          : (lead & 0xE0) == 0xC0 ? 2
                          : (lead & 0xF0) == 0xE0 ? 3
                                                  : 0;
    bool good = length > 0 && pos + length <= text.size();
    for (size_t i = 1; good && i < length; i++) {
      good = (static_cast<uint8_t>(text[pos + i]) & 0xC0) == 0x80;
    }
    if (!good) {
      throw BuildError("text " + std::to_string(id) +
                       " is not UTF-8 of one to three bytes a "
                       "character at byte " +
                       std::to_string(pos));
    }
    pos += length;
  }
}

}  // namespace

std::vector<uint8_t> WriteTextTable(std::span<const std::string> texts) {
  std::vector<uint8_t> out;
  PutU32(out, static_cast<uint32_t>(texts.size()));
  uint64_t end = 0;
  for (size_t i = 0; i < texts.size(); i++) {
    CheckUtf8(texts[i], i);
    end += texts[i].size();
    if (end > 0x7FFFFFFF) throw BuildError("the text table passes 2 GB");
    PutU32(out, static_cast<uint32_t>(end));
  }
  for (const std::string& text : texts) out.insert(out.end(), text.begin(), text.end());
  return out;
}

}  // namespace databuild
