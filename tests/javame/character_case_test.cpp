#include "javame/character_case.h"

#include <gtest/gtest.h>

namespace {

using Case = com_sun_cldc_i18n_uclc_DefaultCaseConverter;

TEST(CharacterCaseTest, LatinOneLettersChangeCaseBy32) {
  struct Row {
    char16_t c;
    bool lower;
    bool upper;
    char16_t toUpper;
    char16_t toLower;
  };
  const Row rows[] = {
      {u'a', true, false, u'A', u'a'},
      {u'z', true, false, u'Z', u'z'},
      {u'A', false, true, u'A', u'a'},
      {u'Z', false, true, u'Z', u'z'},
      {0xE9, true, false, 0xC9, 0xE9},
      {0xC9, false, true, 0xC9, 0xE9},
      {0xC0, false, true, 0xC0, 0xE0},
      {0xDE, false, true, 0xDE, 0xFE},
      {0xF7, false, false, 0xF7, 0xF7},
      {0xD7, false, false, 0xD7, 0xD7},
      {u'@', false, false, u'@', u'@'},
      {u'[', false, false, u'[', u'['},
      {u'`', false, false, u'`', u'`'},
      {u'{', false, false, u'{', u'{'},
      {0x100, false, false, 0x100, 0x100},
      {0x3B1, false, false, 0x3B1, 0x3B1},
      // Lower-case letters whose upper-case forms lie outside Latin-1 stay as they are.
      {0xDF, true, false, 0xDF, 0xDF},
      {0xFF, true, false, 0xFF, 0xFF},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(static_cast<int>(row.c));
    EXPECT_EQ(Case::isLowerCase(row.c), row.lower);
    EXPECT_EQ(Case::isUpperCase(row.c), row.upper);
    EXPECT_EQ(Case::toUpperCase(row.c), row.toUpper);
    EXPECT_EQ(Case::toLowerCase(row.c), row.toLower);
  }
}

TEST(CharacterCaseTest, DigitsOfEveryRadix) {
  struct Row {
    char16_t c;
    int32_t radix;
    int32_t digit;
  };
  const Row rows[] = {
      {u'7', 10, 7},  {u'7', 8, 7},   {u'7', 7, -1},  {u'7', 1, -1},  {u'7', 37, -1},
      {u'0', 2, 0},   {u'1', 2, 1},   {u'2', 2, -1},  {u'a', 16, 10}, {u'F', 16, 15},
      {u'g', 16, -1}, {u'z', 36, 35}, {u'Z', 36, 35}, {u'z', 35, -1}, {u'@', 36, -1},
      {u'/', 36, -1}, {u':', 36, -1}, {0xC0, 16, -1}, {0xE9, 36, -1}, {0x660, 10, -1},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(Case::digit(row.c, row.radix), row.digit)
        << static_cast<int>(row.c) << " radix " << row.radix;
  }
  EXPECT_TRUE(Case::isDigit(u'0'));
  EXPECT_TRUE(Case::isDigit(u'9'));
  EXPECT_FALSE(Case::isDigit(u'a'));
}

}  // namespace
