// The boxed numbers java.lang.Integer, Long and Double: one immutable value field after the
// header. Their parses and text conversions are natives (runtime/number_natives.cpp).
#pragma once

#include <cstdint>

#include "runtime/object.h"

class String;

class java_lang_Integer : public Object {
 public:
  static constexpr int16_t kClassId = cid::java_lang_Integer;

  java_lang_Integer() = default;  // as the class factory makes it: value 0
  explicit java_lang_Integer(int32_t v) : value(v) {}
  using Object::toString;

  // ---- Natives: runtime/number_natives.cpp ----
  // The decimal value of the text as the C atoi reads it: blanks skipped, an optional sign,
  // the digits up to the first other character; 0 without digits; saturated at the int range.
  static int32_t nativeParseInt(String* text);
  // Decimal whatever the radix; another radix writes "base == 10" and the method trace.
  static int32_t nativeParseInt(String* text, int32_t radix);
  // A new Integer of the parsed text; a null text gives 0 with a trace line.
  static java_lang_Integer* valueOf(String* text);
  static String* toString(int32_t value);        // "%d"
  static String* toHexString(int32_t value);     // "%x"
  static String* toBinaryString(int32_t value);  // base 2, unsigned; "0" for 0

  int32_t value;
};

class java_lang_Long : public Object {
 public:
  static constexpr int16_t kClassId = cid::java_lang_Long;

  java_lang_Long() = default;
  explicit java_lang_Long(int64_t v) : value(v) {}
  using Object::toString;

  // ---- Natives: runtime/number_natives.cpp ----
  // java_lang_Integer::nativeParseInt's 32-bit value, sign-extended.
  static int64_t parseLong(String* text);
  static int64_t parseLong(String* text, int32_t radix);
  static String* toString(int64_t value);  // "%ld" of the low 32 bits

  int64_t value;
};

class java_lang_Double : public Object {
 public:
  static constexpr int16_t kClassId = cid::java_lang_Double;

  java_lang_Double() = default;
  explicit java_lang_Double(double v) : value(v) {}

  // ---- Natives: runtime/number_natives.cpp ----
  // The value of the text as the C atof reads it, in the "C" locale; 0.0 without a number.
  static double parseDouble(String* text);
  // A new Double of the parsed text; a null text gives 0.0 with a trace line.
  static java_lang_Double* valueOf(String* text);
  static bool isNaN(double value);
  static bool isInfinite(double value);  // either infinity

  double value;
};
