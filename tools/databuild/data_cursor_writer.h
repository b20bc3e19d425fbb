// Writer of the byte layout that cGame's byte-array reader walks with its data cursor: single
// values little-endian, counted arrays (an int32 count, then the elements) big-endian. Both
// orders occur in the same entry, as the levels and the maths tables have them.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace databuild {

class DataCursorWriter {
 public:
  // Single values, little-endian. A value outside its width's signed or unsigned range is a
  // BuildError.
  void writeByte(int32_t value);   // -128..255
  void writeShort(int32_t value);  // -32768..65535
  void writeInt(int32_t value);

  // Counted arrays: the big-endian int32 count, then each element big-endian.
  void writeIntArray(std::span<const int32_t> values);
  void writeShortArray(std::span<const int32_t> values);  // each -32768..65535
  void writeByteArray(std::span<const int32_t> values);   // each -128..255

  const std::vector<uint8_t>& bytes() const { return bytes_; }
  std::vector<uint8_t> take() { return std::move(bytes_); }

 private:
  void putBigEndian(uint32_t value, int count);
  void writeCount(size_t count);

  std::vector<uint8_t> bytes_;
};

}  // namespace databuild
