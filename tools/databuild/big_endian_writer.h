// A growing byte buffer with the big-endian writes of Java's DataOutputStream: every
// multi-byte value goes most significant byte first.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace databuild {

class BigEndianWriter {
 public:
  void writeU8(uint8_t value) { bytes_.push_back(value); }
  void writeU16(uint16_t value);
  void writeI32(int32_t value);
  void writeBytes(std::span<const uint8_t> bytes);

  const std::vector<uint8_t>& bytes() const { return bytes_; }
  std::vector<uint8_t> take() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace databuild
