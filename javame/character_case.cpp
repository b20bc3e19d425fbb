// The Latin-1 case rules and the digit rule of DefaultCaseConverter. Upper- and lower-case
// letters of Latin-1 lie 32 apart, except 0xDF and 0xFF, whose upper-case forms lie outside it.
#include "javame/character_case.h"

namespace {

constexpr bool InRange(char16_t c, char16_t first, char16_t last) {
  return c >= first && c <= last;
}

constexpr int32_t kMinRadix = 2;
constexpr int32_t kMaxRadix = 36;

}  // namespace

bool com_sun_cldc_i18n_uclc_DefaultCaseConverter::isLowerCase(char16_t c) {
  return InRange(c, u'a', u'z') || InRange(c, 0xDF, 0xF6) || InRange(c, 0xF8, 0xFF);
}

bool com_sun_cldc_i18n_uclc_DefaultCaseConverter::isUpperCase(char16_t c) {
  return InRange(c, u'A', u'Z') || InRange(c, 0xC0, 0xD6) || InRange(c, 0xD8, 0xDE);
}

bool com_sun_cldc_i18n_uclc_DefaultCaseConverter::isDigit(char16_t c) {
  return InRange(c, u'0', u'9');
}

char16_t com_sun_cldc_i18n_uclc_DefaultCaseConverter::toLowerCase(char16_t c) {
  return isUpperCase(c) ? static_cast<char16_t>(c + 32) : c;
}

// Departure: 0xDF and 0xFF stay as they are; the device subtracted 32 and gave 0xBF and 0xDF.
// Subtracting 32 from 0xDF or 0xFF would give the punctuation 0xBF or the letter 0xDF.
char16_t com_sun_cldc_i18n_uclc_DefaultCaseConverter::toUpperCase(char16_t c) {
  if (c == 0xDF || c == 0xFF) return c;
  return isLowerCase(c) ? static_cast<char16_t>(c - 32) : c;
}

// Departure: only a-z and A-Z count as digits from 10; the device gave Latin-1 letters values.
// The Latin-1 letters would otherwise read as small digits ((c & 31) + 9 of 0xC0 is 9).
int32_t com_sun_cldc_i18n_uclc_DefaultCaseConverter::digit(char16_t c, int32_t radix) {
  if (radix < kMinRadix || radix > kMaxRadix) return -1;
  int32_t value = -1;
  if (isDigit(c)) {
    value = c - u'0';
  } else if (InRange(c, u'a', u'z') || InRange(c, u'A', u'Z')) {
    value = (c & 31) + 9;
  }
  return value < radix ? value : -1;
}
