// The zero-padded numbers of the date and time texts (the Calendar's texts, a custom zone ID).
#pragma once

#include <cstdint>

class StringBuffer;

// Appends value in decimal, zero-padded to width digits when it is not negative.
void AppendZeroPadded(StringBuffer* text, int32_t value, int32_t width);
