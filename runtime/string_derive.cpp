// Strings derived from a string (substrings, joins, case and blank edits) and the valueOf
// family. Each new string's characters are written by String::newFilled after its storage
// is made, so the sources' bodies are read where they are then.
#include <algorithm>

#include "runtime/exceptions.h"
#include "runtime/number_format.h"
#include "runtime/range_check.h"
#include "runtime/string.h"
#include "runtime/trace.h"

namespace {

// A new string of the characters in [begin, end) of source, each passed through map.
template <class Map>
String* CopyMapped(String* source, int32_t begin, int32_t end, Map map) {
  return String::newFilled(end - begin, [&](char16_t* out) {
    for (int32_t i = begin; i < end; i++) out[i - begin] = map(source->characters[i]);
  });
}

char16_t Same(char16_t unit) {
  return unit;
}

}  // namespace

String* String::substring(int32_t begin, int32_t end) {
  Span span = ClampRange("String::substring", begin, end, length());
  return CopyMapped(this, span.begin, span.end, Same);
}

String* String::substring(int32_t begin) {
  return substring(begin, length());
}

String* String::concat(String* other) {
  if (!NullCheck(other) || other->length() == 0) return this;
  int64_t total = static_cast<int64_t>(length()) + other->length();
  if (total >= INT32_MAX) {
    DebugLog("String::concat: %lld characters are too many", static_cast<long long>(total));
    return this;
  }
  return newFilled(static_cast<int32_t>(total), [&](char16_t* out) {
    std::copy_n(characters, length(), out);
    std::copy_n(other->characters, other->length(), out + length());
  });
}

String* String::replace(char16_t oldUnit, char16_t newUnit) {
  if (oldUnit == newUnit ||
      std::find(characters, characters + length(), oldUnit) == characters + length()) {
    return this;
  }
  return CopyMapped(this, 0, length(),
                    [&](char16_t unit) { return unit == oldUnit ? newUnit : unit; });
}

String* String::toLowerCase() {
  return CopyMapped(this, 0, length(), AsciiLower);
}

String* String::toUpperCase() {
  return CopyMapped(this, 0, length(), AsciiUpper);
}

String* String::trim() {
  int32_t begin = 0;
  int32_t end = length();
  while (begin < end && characters[begin] <= u' ') begin++;
  while (end > begin && characters[end - 1] <= u' ') end--;
  return CopyMapped(this, begin, end, Same);
}

String* String::valueOf(Object* object) {
  return object ? object->toString() : NewJavaString("null");
}

String* String::valueOf(bool value) {
  return NewJavaString(value ? "true" : "false");
}

String* String::valueOf(char16_t unit) {
  return newFilled(1, [&](char16_t* out) { out[0] = unit; });
}

String* String::valueOf(int32_t value) {
  return NewJavaString(FormatDecimal(value).text);
}

String* String::valueOf(int64_t value) {
  return NewJavaString(FormatLong(value).text);
}

String* String::valueOf(float value) {
  return NewJavaString(FormatFixed(value).text);
}

String* String::valueOf(double value) {
  return NewJavaString(FormatFixed(value).text);
}
