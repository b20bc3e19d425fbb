// The elements of a managed array read back as ints, for comparing with expected tables.
#pragma once

#include <cstdint>
#include <vector>

#include "runtime/array.h"

// A is the array's class (IntArray, ShortArray, ByteArray ...); a null array gives no values.
template <class A>
std::vector<int32_t> ValuesOf(Object* array) {
  auto* typed = static_cast<A*>(array);
  if (!typed) return {};
  return std::vector<int32_t>(typed->elements(), typed->elements() + typed->length);
}
