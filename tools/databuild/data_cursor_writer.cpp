// The data-cursor layout: little-endian singles, big-endian counted arrays.
#include "tools/databuild/data_cursor_writer.h"

#include <limits>
#include <string>

#include "tools/databuild/build_error.h"
#include "tools/databuild/little_endian.h"

namespace databuild {

namespace {

// A value of `bits` bits, read back signed or unsigned, must be what was written.
int32_t Checked(int32_t value, int bits, const char* what) {
  const int32_t low = -(1 << (bits - 1));
  const int32_t high = (1 << bits) - 1;
  if (value < low || value > high) {
    throw BuildError(std::string("a data-cursor ") + what + " of " + std::to_string(value) +
                     " does not fit " + std::to_string(bits) + " bits");
  }
  return value;
}

}  // namespace

void DataCursorWriter::writeByte(int32_t value) {
  PutLittleEndian(bytes_, static_cast<uint32_t>(Checked(value, 8, "byte")), 1);
}

void DataCursorWriter::writeShort(int32_t value) {
  PutLittleEndian(bytes_, static_cast<uint32_t>(Checked(value, 16, "short")), 2);
}

void DataCursorWriter::writeInt(int32_t value) {
  PutLittleEndian(bytes_, static_cast<uint32_t>(value), 4);
}

void DataCursorWriter::writeIntArray(std::span<const int32_t> values) {
  writeCount(values.size());
  for (const int32_t v : values) putBigEndian(static_cast<uint32_t>(v), 4);
}

void DataCursorWriter::writeShortArray(std::span<const int32_t> values) {
  writeCount(values.size());
  for (const int32_t v : values) putBigEndian(static_cast<uint32_t>(Checked(v, 16, "short")), 2);
}

void DataCursorWriter::writeByteArray(std::span<const int32_t> values) {
  writeCount(values.size());
  for (const int32_t v : values) putBigEndian(static_cast<uint32_t>(Checked(v, 8, "byte")), 1);
}

void DataCursorWriter::putBigEndian(uint32_t value, int count) {
  for (int shift = 8 * (count - 1); shift >= 0; shift -= 8) {
    bytes_.push_back(static_cast<uint8_t>(value >> shift));
  }
}

void DataCursorWriter::writeCount(size_t count) {
  if (count > static_cast<size_t>(std::numeric_limits<int32_t>::max())) {
    throw BuildError("a data-cursor array of " + std::to_string(count) + " elements");
  }
  putBigEndian(static_cast<uint32_t>(count), 4);
}

}  // namespace databuild
