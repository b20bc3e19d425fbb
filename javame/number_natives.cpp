// The natives of java_lang_Integer, java_lang_Long and java_lang_Double: parses as the C atoi
// and atof read text (never locale-dependent, never raising), and the text conversions.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "javame/boxed.h"
#include "runtime/number_format.h"
#include "runtime/string.h"
#include "runtime/trace.h"

namespace {

// The device's text for a null given to either valueOf, Integer's included.
constexpr const char* kNullValueOfText =
    "java_lang_Double::valueOf(): param0 is NULL, returning 0.0 Double.\n";

// The blanks the C library skips before a number in the "C" locale.
bool IsBlank(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

const char* SkipBlanks(const char* p) {
  while (IsBlank(*p)) p++;
  return p;
}

// atoi: an optional sign and decimal digits; saturates at the int range, as the device's C
// runtime did, rather than wrapping.
int32_t ParseDecimalInt(const char* p) {
  p = SkipBlanks(p);
  bool negative = *p == '-';
  if (*p == '-' || *p == '+') p++;
  constexpr int64_t kLimit = int64_t{INT32_MAX} + 1;  // the magnitude of INT32_MIN
  int64_t magnitude = 0;
  for (; IsDigit(*p); p++) magnitude = std::min(magnitude * 10 + (*p - '0'), kLimit);
  if (negative) return static_cast<int32_t>(-magnitude);
  return static_cast<int32_t>(std::min<int64_t>(magnitude, INT32_MAX));
}

// Whether a decimal number text that a double cannot hold is too large (rather than too
// small): the power of ten of its first significant digit, plus its exponent, is positive.
bool BeyondTheLargest(const char* p, const char* end) {
  int64_t integerDigits = 0;
  int64_t leadingZeros = 0;
  for (; p < end && IsDigit(*p); p++) {
    if (integerDigits++ == leadingZeros && *p == '0') leadingZeros++;
  }
  int64_t power = integerDigits - leadingZeros - 1;
  if (integerDigits == leadingZeros && p < end && *p == '.') {
    for (p++; p < end && *p == '0'; p++) power--;
  }
  while (p < end && (IsDigit(*p) || *p == '.')) p++;
  int64_t exponent = p < end && (*p == 'e' || *p == 'E') ? ParseDecimalInt(p + 1) : 0;
  return power + exponent > 0;
}

// atof in the "C" locale: an optional sign, then a decimal number, "inf", "infinity" or "nan"
// in any letter case; 0.0 without one; the infinity of the sign beyond the largest double.
double ParseDecimalDouble(const char* p) {
  p = SkipBlanks(p);
  bool negative = *p == '-';
  if (*p == '-' || *p == '+') p++;
  const char* end = p + std::char_traits<char>::length(p);
  double value = 0.0;
  auto [stop, error] = std::from_chars(p, end, value);
  if (error == std::errc::result_out_of_range) {
    value = BeyondTheLargest(p, stop) ? HUGE_VAL : 0.0;
  } else if (error != std::errc()) {
    value = 0.0;
  }
  return negative ? -value : value;
}

}  // namespace

// ---- java_lang_Integer --------------------------------------------------------------------

int32_t java_lang_Integer::nativeParseInt(String* text) {
  return ParseDecimalInt(StringToCString(text).c_str());
}

int32_t java_lang_Integer::nativeParseInt(String* text, int32_t radix) {
  if (radix != 10) {
    DebugLog("base == 10");
    PrintStackTrace();
  }
  return nativeParseInt(text);
}

java_lang_Integer* java_lang_Integer::valueOf(String* text) {
  int32_t value = 0;
  if (text) {
    value = nativeParseInt(text);
  } else {
    DebugLog("%s", kNullValueOfText);
  }
  return NewObject<java_lang_Integer>(value);
}

String* java_lang_Integer::toString(int32_t value) {
  return NewJavaString(FormatDecimal(value).text);
}

String* java_lang_Integer::toHexString(int32_t value) {
  return NewJavaString(FormatHex(value).text);
}

String* java_lang_Integer::toBinaryString(int32_t value) {
  return NewJavaString(FormatBinary(value).text);
}

// ---- java_lang_Long -----------------------------------------------------------------------

int64_t java_lang_Long::parseLong(String* text) {
  return java_lang_Integer::nativeParseInt(text);
}

int64_t java_lang_Long::parseLong(String* text, int32_t radix) {
  return java_lang_Integer::nativeParseInt(text, radix);
}

String* java_lang_Long::toString(int64_t value) {
  return NewJavaString(FormatLong(value).text);
}

// ---- java_lang_Double ---------------------------------------------------------------------

double java_lang_Double::parseDouble(String* text) {
  return ParseDecimalDouble(StringToCString(text).c_str());
}

java_lang_Double* java_lang_Double::valueOf(String* text) {
  double value = 0.0;
  if (text) {
    value = parseDouble(text);
  } else {
    DebugLog("%s", kNullValueOfText);
  }
  return NewObject<java_lang_Double>(value);
}

bool java_lang_Double::isNaN(double value) {
  return std::isnan(value);
}

bool java_lang_Double::isInfinite(double value) {
  return std::isinf(value);
}
