// Reading managed strings and buffers back as C++ strings in tests.
#pragma once

#include <string>

#include "runtime/string.h"
#include "runtime/string_buffer.h"

// The string's units (without the terminator); empty for null.
inline std::u16string UnitsOf(String* string) {
  return string ? std::u16string(string->characters, string->length()) : std::u16string();
}

// The buffer's units in use.
inline std::u16string UnitsOf(StringBuffer* buffer) {
  return std::u16string(buffer->characters, buffer->length());
}

// The string's units narrowed to 8 bits, for ASCII expectations.
inline std::string TextOf(String* string) {
  std::string out;
  for (char16_t unit : UnitsOf(string)) out += static_cast<char>(unit);
  return out;
}
