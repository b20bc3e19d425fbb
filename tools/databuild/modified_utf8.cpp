// Modified UTF-8 encoding and decoding, unit by unit as the Java stream classes do it.
#include "tools/databuild/modified_utf8.h"

#include "tools/databuild/build_error.h"

namespace databuild {

namespace {

bool IsContinuation(uint8_t byte) {
  return (byte & 0xC0) == 0x80;
}

}  // namespace

std::vector<uint8_t> EncodeModifiedUtf8(std::u16string_view text) {
  std::vector<uint8_t> bytes;
  bytes.reserve(text.size());
  for (const char16_t unit : text) {
    if (unit >= 0x0001 && unit <= 0x007F) {
      bytes.push_back(static_cast<uint8_t>(unit));
    } else if (unit <= 0x07FF) {  // U+0000 lands here: C0 80, never a zero byte
      bytes.push_back(static_cast<uint8_t>(0xC0 | ((unit >> 6) & 0x1F)));
      bytes.push_back(static_cast<uint8_t>(0x80 | (unit & 0x3F)));
    } else {
      bytes.push_back(static_cast<uint8_t>(0xE0 | (unit >> 12)));
      bytes.push_back(static_cast<uint8_t>(0x80 | ((unit >> 6) & 0x3F)));
      bytes.push_back(static_cast<uint8_t>(0x80 | (unit & 0x3F)));
    }
  }
  return bytes;
}

std::optional<std::u16string> DecodeModifiedUtf8(std::span<const uint8_t> bytes) {
  std::u16string text;
  size_t i = 0;
  while (i < bytes.size()) {
    const uint8_t lead = bytes[i];
    switch (lead >> 4) {
      case 0x0:
      case 0x1:
      case 0x2:
      case 0x3:
      case 0x4:
      case 0x5:
      case 0x6:
      case 0x7:
        text.push_back(lead);
        i += 1;
        break;
      case 0xC:
      case 0xD:
        if (i + 2 > bytes.size() || !IsContinuation(bytes[i + 1])) return std::nullopt;
        text.push_back(static_cast<char16_t>(((lead & 0x1F) << 6) | (bytes[i + 1] & 0x3F)));
        i += 2;
        break;
      case 0xE:
        if (i + 3 > bytes.size() || !IsContinuation(bytes[i + 1]) ||
            !IsContinuation(bytes[i + 2])) {
          return std::nullopt;
        }
        text.push_back(static_cast<char16_t>(((lead & 0x0F) << 12) | ((bytes[i + 1] & 0x3F) << 6) |
                                             (bytes[i + 2] & 0x3F)));
        i += 3;
        break;
      default:  // a continuation byte or a four-byte lead cannot start a unit
        return std::nullopt;
    }
  }
  return text;
}

void WriteUtf(BigEndianWriter& out, std::u16string_view text) {
  const std::vector<uint8_t> encoded = EncodeModifiedUtf8(text);
  if (encoded.size() > kMaxModifiedUtf8Length) {
    throw BuildError("string of " + std::to_string(encoded.size()) +
                     " bytes is too long for a 16-bit length");
  }
  out.writeU16(static_cast<uint16_t>(encoded.size()));
  out.writeBytes(encoded);
}

}  // namespace databuild
