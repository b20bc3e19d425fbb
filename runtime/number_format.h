// Number texts as the device's C formats wrote them ("%d", "%x", "%f"), always in the "C"
// locale whatever the process locale is: a '.' point, never a comma or digit grouping.
#pragma once

#include <cstdint>

// Room for "%f" of the largest double: 309 integer digits, the sign, the point and 6 decimals.
constexpr int32_t kNumberTextSize = 320;

// A zero-terminated 8-bit number text held by value, so nothing can move or free it.
struct NumberText {
  char text[kNumberTextSize];
};

NumberText FormatDecimal(int32_t value);  // "%d"
NumberText FormatLong(int64_t value);     // "%ld" of the low 32 bits, as the device printed longs
NumberText FormatHex(int32_t value);      // "%x": lower case, two's complement of negatives
NumberText FormatBinary(int32_t value);   // base 2 of the unsigned 32 bits; "0" for 0
NumberText FormatFixed(double value);     // "%f": six decimals, "nan", "-inf"
