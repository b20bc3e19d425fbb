// Range checks shared by the array, string and string-buffer natives.
#include "runtime/range_check.h"

#include <algorithm>

#include "runtime/trace.h"

bool IndexInRange(const char* operation, int32_t index, int32_t length) {
  if (index >= 0 && index < length) return true;
  DebugLog("%s: index %d out of range (length %d)", operation, index, length);
  return false;
}

Span ClampRange(const char* operation, int64_t begin, int64_t end, int32_t length) {
  int64_t b = std::clamp<int64_t>(begin, 0, length);
  int64_t e = std::clamp<int64_t>(end, b, length);
  if (b != begin || e != end) {
    DebugLog("%s: range %lld..%lld out of range (length %d)", operation,
             static_cast<long long>(begin), static_cast<long long>(end), length);
  }
  return Span{static_cast<int32_t>(b), static_cast<int32_t>(e)};
}

bool RangeInside(int64_t begin, int64_t count, int32_t length) {
  return begin >= 0 && count >= 0 && begin + count <= length;
}

bool BytesInside(const char* operation, int32_t offset, int32_t count, int32_t length) {
  if (RangeInside(offset, count, length)) return true;
  DebugLog("%s: bytes %d + %d outside the array (length %d)", operation, offset, count, length);
  return false;
}
