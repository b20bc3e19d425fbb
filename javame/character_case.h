// com.sun.cldc.i18n.uclc.DefaultCaseConverter: the Latin-1 case and digit rules behind the
// static character operations of java.lang.Character. Characters beyond 0xFF have no case and
// are no digits.
#pragma once

#include <cstdint>

#include "runtime/class_ids.h"

class com_sun_cldc_i18n_uclc_DefaultCaseConverter {
 public:
  static constexpr int16_t kClassId = cid::com_sun_cldc_i18n_uclc_DefaultCaseConverter;

  // a-z, 0xDF..0xF6 and 0xF8..0xFF.
  static bool isLowerCase(char16_t c);
  // A-Z, 0xC0..0xD6 and 0xD8..0xDE.
  static bool isUpperCase(char16_t c);
  // 0-9.
  static bool isDigit(char16_t c);
  // An upper-case letter plus 32, else c.
  static char16_t toLowerCase(char16_t c);
  // A lower-case letter minus 32, else c; 0xDF and 0xFF have no upper-case form in Latin-1
  // and stay as they are.
  static char16_t toUpperCase(char16_t c);
  // The value of c as a digit of the radix: 0-9, then a-z or A-Z from 10; -1 when c is no
  // such digit or the radix is outside 2..36.
  static int32_t digit(char16_t c, int32_t radix);
};
