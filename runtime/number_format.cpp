// Number texts through std::to_chars, which never looks at the locale; its fixed format with
// precision 6 is printf's "%f" in the "C" locale.
#include "runtime/number_format.h"

#include <charconv>

namespace {

template <class... Options>
NumberText Format(auto value, Options... options) {
  NumberText out;
  auto [end, error] = std::to_chars(out.text, out.text + kNumberTextSize - 1, value, options...);
  if (error != std::errc()) end = out.text;  // cannot happen: the buffer fits every value
  *end = 0;
  return out;
}

}  // namespace

NumberText FormatDecimal(int32_t value) {
  return Format(value);
}

NumberText FormatLong(int64_t value) {
  return Format(static_cast<int32_t>(value));
}

NumberText FormatHex(int32_t value) {
  return Format(static_cast<uint32_t>(value), 16);
}

NumberText FormatBinary(int32_t value) {
  return Format(static_cast<uint32_t>(value), 2);
}

NumberText FormatFixed(double value) {
  return Format(value, std::chars_format::fixed, 6);
}
