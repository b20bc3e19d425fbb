// Reading a whole decimal number that makes up all of a word, for the program options and
// input scripts.
#pragma once

#include <charconv>
#include <string_view>
#include <system_error>

// The number text spells, when text holds nothing else (no sign for unsigned types, no spaces)
// and it lies in [min, max]; false, *out unchanged, otherwise.
template <class T>
bool ParseWholeNumber(std::string_view text, T min, T max, T* out) {
  T value{};
  const char* end = text.data() + text.size();
  auto [next, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || next != end || value < min || value > max) return false;
  *out = value;
  return true;
}
