// Big-endian writes into a byte buffer.
#include "tools/databuild/big_endian_writer.h"

namespace databuild {

void BigEndianWriter::writeU16(uint16_t value) {
  writeU8(static_cast<uint8_t>(value >> 8));
  writeU8(static_cast<uint8_t>(value));
}

void BigEndianWriter::writeI32(int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  for (int shift = 24; shift >= 0; shift -= 8) writeU8(static_cast<uint8_t>(bits >> shift));
}

void BigEndianWriter::writeBytes(std::span<const uint8_t> bytes) {
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

}  // namespace databuild
