// The direction of a vector from a table of the angles of the ratios 0..1: the one octant rule
// that the 1024-step and the 256-step arc tangents share.
#pragma once

#include <cstdint>
#include <cstdlib>

// For x != 0: the angle of (x, y) in steps of which quarter make a quarter turn, from table,
// where table[n * scale / d] is the angle of the ratio n / d (0 <= n <= d). The smaller of the
// two ratios is looked up, so every index lies in 0..scale. The products are formed in 64 bits:
// 16.16 vectors longer than 128 pixels would wrap a 32-bit int into a negative index.
template <class Element>
int32_t OctantAngle(const Element* table, int64_t scale, int32_t quarter, int32_t x, int32_t y) {
  const int64_t ax = std::llabs(static_cast<int64_t>(x));
  const int64_t ay = std::llabs(static_cast<int64_t>(y));
  const bool shallow = ax >= ay;  // the angle lies within 45 degrees of the x axis
  const int32_t a = shallow ? table[ay * scale / ax] : table[ax * scale / ay];
  if (x > 0 && y >= 0) return shallow ? a : quarter - a;
  if (x > 0) return shallow ? 4 * quarter - a : 3 * quarter + a;
  if (y >= 0) return shallow ? 2 * quarter - a : quarter + a;
  return shallow ? 2 * quarter + a : 3 * quarter - a;
}
