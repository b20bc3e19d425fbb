// Java arithmetic for translated code: int and long wrap (the build uses -fwrapv), shift
// counts are masked, >>> is unsigned, division by zero gives 0 with a trace line instead of
// an exception, and floating-point to integer conversions saturate with NaN giving 0.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// Writes the trace line for a zero divisor.
void ReportDivisionByZero();

inline int32_t JavaDiv(int32_t a, int32_t b) {
  if (b == 0) {
    ReportDivisionByZero();
    return 0;
  }
  if (b == -1)
    return static_cast<int32_t>(0u - static_cast<uint32_t>(a));  // INT_MIN / -1 = INT_MIN
  return a / b;
}

inline int32_t JavaRem(int32_t a, int32_t b) {
  if (b == 0) {
    ReportDivisionByZero();
    return 0;
  }
  if (b == -1) return 0;
  return a % b;
}

inline int64_t JavaLDiv(int64_t a, int64_t b) {
  if (b == 0) {
    ReportDivisionByZero();
    return 0;
  }
  if (b == -1) return static_cast<int64_t>(0u - static_cast<uint64_t>(a));
  return a / b;
}

inline int64_t JavaLRem(int64_t a, int64_t b) {
  if (b == 0) {
    ReportDivisionByZero();
    return 0;
  }
  if (b == -1) return 0;
  return a % b;
}

inline int32_t JavaShl(int32_t v, int32_t n) {
  return static_cast<int32_t>(static_cast<uint32_t>(v) << (n & 31));
}
inline int32_t JavaShr(int32_t v, int32_t n) {
  return v >> (n & 31);
}
inline int32_t JavaUshr(int32_t v, int32_t n) {
  return static_cast<int32_t>(static_cast<uint32_t>(v) >> (n & 31));
}

inline int64_t JavaLShl(int64_t v, int32_t n) {
  return static_cast<int64_t>(static_cast<uint64_t>(v) << (n & 63));
}
inline int64_t JavaLShr(int64_t v, int32_t n) {
  return v >> (n & 63);
}
inline int64_t JavaLUshr(int64_t v, int32_t n) {
  return static_cast<int64_t>(static_cast<uint64_t>(v) >> (n & 63));
}

// Double to int or long: truncation toward zero, saturating at the type's range, NaN -> 0.
template <class Int>
inline Int JavaToInteger(double v) {
  if (std::isnan(v)) return 0;
  if (v >= static_cast<double>(std::numeric_limits<Int>::max()))
    return std::numeric_limits<Int>::max();
  if (v <= static_cast<double>(std::numeric_limits<Int>::min()))
    return std::numeric_limits<Int>::min();
  return static_cast<Int>(v);
}

inline int32_t JavaD2I(double v) {
  return JavaToInteger<int32_t>(v);
}
inline int64_t JavaD2L(double v) {
  return JavaToInteger<int64_t>(v);
}
inline int32_t JavaF2I(float v) {
  return JavaToInteger<int32_t>(v);
}
inline int64_t JavaF2L(float v) {
  return JavaToInteger<int64_t>(v);
}
