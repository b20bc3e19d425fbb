// The static character operations of java.lang.Character: each is the Latin-1 case or digit
// rule of DefaultCaseConverter, so the two classes never disagree about a character.
#include "javame/boxed.h"
#include "javame/character_case.h"

using CaseRules = com_sun_cldc_i18n_uclc_DefaultCaseConverter;

bool java_lang_Character::isLowerCase(char16_t c) {
  return CaseRules::isLowerCase(c);
}

bool java_lang_Character::isUpperCase(char16_t c) {
  return CaseRules::isUpperCase(c);
}

bool java_lang_Character::isDigit(char16_t c) {
  return CaseRules::isDigit(c);
}

int32_t java_lang_Character::digit(char16_t c, int32_t radix) {
  return CaseRules::digit(c, radix);
}

char16_t java_lang_Character::toLowerCase(char16_t c) {
  return CaseRules::toLowerCase(c);
}

char16_t java_lang_Character::toUpperCase(char16_t c) {
  return CaseRules::toUpperCase(c);
}
