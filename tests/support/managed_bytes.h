// Managed byte arrays made from C++ bytes, and read back, in tests: each array is exactly as
// long as the bytes it is made from.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

#include "runtime/array.h"

inline ByteArray* ManagedBytes(const std::vector<uint8_t>& bytes) {
  ByteArray* array = NewByteArray(static_cast<int32_t>(bytes.size()));
  if (!bytes.empty()) std::memcpy(array->elements(), bytes.data(), bytes.size());
  return array;
}

inline std::vector<uint8_t> BytesOf(ByteArray* array) {
  const auto* first = reinterpret_cast<const uint8_t*>(array->elements());
  return std::vector<uint8_t>(first, first + array->length);
}
