// Java's modified UTF-8, the encoding of String's UTF-8 bytes and of writeUTF: each 16-bit
// unit on its own in one to three bytes, 1..127 in one, the zero unit and 128..2047 in two
// (the zero unit as C0 80, so no encoded byte is 0), every other unit in three.
#pragma once

#include <cstdint>

// The bytes the units encode to; 64-bit, so a caller can check it before making an array.
int64_t ModifiedUtf8Length(const char16_t* units, int32_t count);

// Writes the encoding of the units to out, which has room for ModifiedUtf8Length bytes.
void EncodeModifiedUtf8(const char16_t* units, int32_t count, uint8_t* out);
