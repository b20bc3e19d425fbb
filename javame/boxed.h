// The boxed values java.lang.Boolean, Byte, Character, Integer, Long and Double: one immutable
// value field after the header, set by the constructor. Their instance operations are in
// javame/boxed.cpp; the number parses and text conversions are natives
// (javame/number_natives.cpp). Float is only an entry in the class table: nothing makes one.
#pragma once

#include <cstdint>

#include "runtime/object.h"

class String;

class java_lang_Boolean : public Object {
 public:
  static constexpr int16_t kClassId = cid::java_lang_Boolean;

  java_lang_Boolean() = default;  // as the class factory makes it: false
  explicit java_lang_Boolean(bool v) : value(v ? 1 : 0) {}

  // Makes the two shared values TRUE and FALSE (static fields of the block).
  static void clinit();

  bool equals(Object* other) override;  // a Boolean of the same value
  String* toString() override;          // string constant 366 for true, 367 for false
  int32_t hashCode() override;          // 1 for true, 0 for false
  bool booleanValue() const { return value != 0; }

  uint8_t value;  // 0 or 1
};

class java_lang_Byte : public Object {
 public:
  static constexpr int16_t kClassId = cid::java_lang_Byte;

  java_lang_Byte() = default;
  explicit java_lang_Byte(int8_t v) : value(v) {}

  // The decimal integer parse of the text (another radix is traced and read as decimal); a
  // value outside -128..127 raises java_lang_NumberFormatException and gives 0.
  static int8_t parseByte(String* text, int32_t radix);
  static int8_t parseByte(String* text);

  bool equals(Object* other) override;
  String* toString() override;  // the value in decimal
  int32_t hashCode() override;  // the value, sign-extended
  int8_t byteValue() const { return value; }

  int8_t value;
};

class java_lang_Character : public Object {
 public:
  static constexpr int16_t kClassId = cid::java_lang_Character;

  java_lang_Character() = default;
  explicit java_lang_Character(char16_t v) : value(v) {}

  bool equals(Object* other) override;
  String* toString() override;  // a one-character string
  int32_t hashCode() override;  // the character's code
  char16_t charValue() const { return value; }

  // ---- Static character operations: javame/character_ops.cpp ----
  // The Latin-1 rules of com_sun_cldc_i18n_uclc_DefaultCaseConverter (javame/character_case.h).
  static bool isLowerCase(char16_t c);
  static bool isUpperCase(char16_t c);
  static bool isDigit(char16_t c);
  static int32_t digit(char16_t c, int32_t radix);  // -1 when c is no digit of the radix
  static char16_t toLowerCase(char16_t c);
  static char16_t toUpperCase(char16_t c);

  char16_t value;
};

class java_lang_Integer : public Object {
 public:
  static constexpr int16_t kClassId = cid::java_lang_Integer;

  java_lang_Integer() = default;  // as the class factory makes it: value 0
  explicit java_lang_Integer(int32_t v) : value(v) {}

  bool equals(Object* other) override;
  String* toString() override;  // "%d"
  int32_t hashCode() override;  // the value
  // Operations 6 to 9: the value cut to 8 or 16 bits with sign, as it is, widened with sign.
  virtual int8_t byteValue();
  virtual int16_t shortValue();
  virtual int32_t intValue();
  virtual int64_t longValue();

  // ---- Natives: javame/number_natives.cpp ----
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

  bool equals(Object* other) override;
  String* toString() override;  // "%ld" of the low 32 bits
  int32_t hashCode() override;  // the low 32 bits
  int64_t longValue() const { return value; }

  // ---- Natives: javame/number_natives.cpp ----
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

  // A Double whose value has the same bits, every NaN taken as one value (so equals is
  // reflexive for NaN too).
  bool equals(Object* other) override;
  String* toString() override;  // "%f"
  // The high and the low word of those bits combined, so equal Doubles hash alike.
  int32_t hashCode() override;
  // Operations 6 to 11. intValue is the saturating conversion (NaN gives 0); byteValue and
  // shortValue cut it, longValue widens it, so values beyond the int range do not survive.
  virtual int8_t byteValue();
  virtual int16_t shortValue();
  virtual int32_t intValue();
  virtual int64_t longValue();
  virtual float floatValue();
  virtual double doubleValue();
  bool isNaN() { return isNaN(value); }
  bool isInfinite() { return isInfinite(value); }

  // ---- Natives: javame/number_natives.cpp ----
  // The value of the text as the C atof reads it, in the "C" locale; 0.0 without a number.
  static double parseDouble(String* text);
  // A new Double of the parsed text; a null text gives 0.0 with a trace line.
  static java_lang_Double* valueOf(String* text);
  static bool isNaN(double value);
  static bool isInfinite(double value);  // either infinity

  double value;
};
