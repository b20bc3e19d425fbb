// 64-bit arithmetic of the time classes: floor division and modulo (towards minus infinity,
// as day numbers and times before 1970 need), and sums held at the 64-bit limits instead of
// wrapping.
#pragma once

#include <cstdint>
#include <limits>

// a / b rounded towards minus infinity; b > 0.
constexpr int64_t FloorDiv(int64_t a, int64_t b) {
  const int64_t q = a / b;
  return (a % b != 0 && a < 0) ? q - 1 : q;
}

// a mod b in 0 .. b - 1; b > 0.
constexpr int64_t FloorMod(int64_t a, int64_t b) {
  const int64_t r = a % b;
  return r < 0 ? r + b : r;
}

// a + b, held at the largest or smallest 64-bit value when the sum leaves the range.
constexpr int64_t SaturatingAdd(int64_t a, int64_t b) {
  int64_t sum = 0;
  if (!__builtin_add_overflow(a, b, &sum)) return sum;
  return b > 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
}

// a - b, held at the limits likewise.
constexpr int64_t SaturatingSub(int64_t a, int64_t b) {
  int64_t difference = 0;
  if (!__builtin_sub_overflow(a, b, &difference)) return difference;
  return b < 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
}
