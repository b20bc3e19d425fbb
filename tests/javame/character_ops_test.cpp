#include <gtest/gtest.h>

#include "javame/boxed.h"

namespace {

// Character's static operations follow the Latin-1 rules: letters change case by 32, the
// Latin-1 lower-case letters without an upper-case form in Latin-1 (0xDF, 0xFF) and the
// signs among the letters (0xD7, 0xF7) keep theirs, and only 0-9, a-z and A-Z are digits.
TEST(CharacterOpsTest, TheCharacterTable) {
  struct Row {
    char16_t c;
    bool lower;
    bool upper;
    bool isDigit;
    char16_t toUpper;
    char16_t toLower;
    int32_t digit36;  // digit in radix 36
  };
  const Row rows[] = {
      {u'a', true, false, false, u'A', u'a', 10},
      {u'z', true, false, false, u'Z', u'z', 35},
      {u'A', false, true, false, u'A', u'a', 10},
      {u'Z', false, true, false, u'Z', u'z', 35},
      {u'0', false, false, true, u'0', u'0', 0},
      {u'9', false, false, true, u'9', u'9', 9},
      {u'1', false, false, true, u'1', u'1', 1},
      {u'@', false, false, false, u'@', u'@', -1},
      {u'[', false, false, false, u'[', u'[', -1},
      {u'`', false, false, false, u'`', u'`', -1},
      {u'{', false, false, false, u'{', u'{', -1},
      {0xC0, false, true, false, 0xC0, 0xE0, -1},
      {0xE9, true, false, false, 0xC9, 0xE9, -1},
      {0xD7, false, false, false, 0xD7, 0xD7, -1},
      {0xF7, false, false, false, 0xF7, 0xF7, -1},
      {0xDF, true, false, false, 0xDF, 0xDF, -1},
      {0xFF, true, false, false, 0xFF, 0xFF, -1},
      {0x100, false, false, false, 0x100, 0x100, -1},
      {0x660, false, false, false, 0x660, 0x660, -1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(static_cast<int>(row.c));
    EXPECT_EQ(java_lang_Character::isLowerCase(row.c), row.lower);
    EXPECT_EQ(java_lang_Character::isUpperCase(row.c), row.upper);
    EXPECT_EQ(java_lang_Character::isDigit(row.c), row.isDigit);
    EXPECT_EQ(java_lang_Character::toUpperCase(row.c), row.toUpper);
    EXPECT_EQ(java_lang_Character::toLowerCase(row.c), row.toLower);
    EXPECT_EQ(java_lang_Character::digit(row.c, 36), row.digit36);
  }
}

TEST(CharacterOpsTest, ADigitCountsOnlyBelowItsRadix) {
  struct Row {
    char16_t c;
    int32_t radix;
    int32_t digit;
  };
  const Row rows[] = {{u'z', 36, 35}, {u'z', 35, -1}, {u'7', 1, -1}, {u'7', 8, 7},
                      {u'7', 7, -1},  {u'F', 16, 15}, {u'1', 2, 1},  {u'1', 37, -1}};
  for (const Row& row : rows) {
    EXPECT_EQ(java_lang_Character::digit(row.c, row.radix), row.digit)
        << static_cast<int>(row.c) << " radix " << row.radix;
  }
}

}  // namespace
