// The class initialisers' constant tables: an int[] holding exactly the values given.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "runtime/array.h"

// Null only when the object heap cannot give the array (never at start-up).
inline IntArray* ConstantTable(std::initializer_list<int32_t> values) {
  IntArray* array = NewIntArray(static_cast<int32_t>(values.size()));
  if (!array) return nullptr;
  return FillIntArrayFrom(array, array->length, values.begin(), array->length);
}
