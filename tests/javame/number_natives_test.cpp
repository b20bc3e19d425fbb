#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "javame/boxed.h"
#include "runtime/string.h"
#include "tests/support/runtime_fixture.h"
#include "tests/support/string_text.h"

namespace {

using NumberNativesTest = RuntimeTest;

String* S(const char* text) {
  return NewJavaString(text);
}

constexpr const char* kNullValueOfLine =
    "java_lang_Double::valueOf(): param0 is NULL, returning 0.0 Double.\n";

TEST_F(NumberNativesTest, IntegerParsesReadTextAsAtoiDoesAndSaturate) {
  struct Row {
    const char* text;
    int32_t value;
  };
  const Row rows[] = {
      {"12ab", 12},
      {"", 0},
      {" -7", -7},
      {"\t\n\v\f\r 42", 42},
      {"+5", 5},
      {"abc", 0},
      {"- 3", 0},
      {"3.9", 3},
      {"0x1F", 0},
      {"007", 7},
      {"2147483647", INT_MAX},
      {"2147483648", INT_MAX},
      {"99999999999999999999999", INT_MAX},
      {"-2147483648", INT_MIN},
      {"-2147483649", INT_MIN},
      {"-99999999999999999999999", INT_MIN},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(java_lang_Integer::nativeParseInt(S(row.text)), row.value);
    EXPECT_EQ(java_lang_Long::parseLong(S(row.text)), int64_t{row.value});
  }
  // A zero unit ends the text, as the C string it becomes ends there.
  String* cut = NewObject<String>();
  cut->initFromUnits(
      u"1\0"
      "2",
      0, 3);
  EXPECT_EQ(java_lang_Integer::nativeParseInt(cut), 1);
}

TEST_F(NumberNativesTest, ARadixOtherThanTenIsReportedAndTheTextReadAsDecimal) {
  TraceCapture trace;
  EXPECT_EQ(java_lang_Integer::nativeParseInt(S("12"), 10), 12);
  EXPECT_TRUE(trace.lines().empty());
  EXPECT_EQ(java_lang_Integer::nativeParseInt(S("ff"), 16), 0);
  EXPECT_EQ(java_lang_Long::parseLong(S("-12"), 16), -12);
  EXPECT_EQ(trace.lines(), (std::vector<std::string>{"base == 10", "stacktrace:\n", "base == 10",
                                                     "stacktrace:\n"}));
}

TEST_F(NumberNativesTest, ValueOfBoxesTheParsedValueAndANullTextGivesZero) {
  java_lang_Integer* integer = java_lang_Integer::valueOf(S(" 42x"));
  ASSERT_NE(integer, nullptr);
  EXPECT_EQ(integer->classId, cid::java_lang_Integer);
  EXPECT_EQ(integer->value, 42);
  java_lang_Double* real = java_lang_Double::valueOf(S("-2.5"));
  ASSERT_NE(real, nullptr);
  EXPECT_EQ(real->classId, cid::java_lang_Double);
  EXPECT_EQ(real->value, -2.5);

  TraceCapture trace;
  EXPECT_EQ(java_lang_Integer::valueOf(nullptr)->value, 0);
  EXPECT_EQ(java_lang_Double::valueOf(nullptr)->value, 0.0);
  EXPECT_EQ(trace.lines(), (std::vector<std::string>{kNullValueOfLine, kNullValueOfLine}));
}

TEST_F(NumberNativesTest, IntegerAndLongTexts) {
  struct Row {
    String* text;
    const char* expected;
  };
  const Row rows[] = {
      {java_lang_Integer::toString(-42), "-42"},
      {java_lang_Integer::toString(INT_MIN), "-2147483648"},
      {java_lang_Integer::toHexString(-1), "ffffffff"},
      {java_lang_Integer::toHexString(0xBEEF), "beef"},
      {java_lang_Integer::toHexString(0), "0"},
      {java_lang_Integer::toHexString(INT_MIN), "80000000"},
      {java_lang_Integer::toBinaryString(5), "101"},
      {java_lang_Integer::toBinaryString(0), "0"},
      {java_lang_Integer::toBinaryString(-1), "11111111111111111111111111111111"},
      {java_lang_Integer::toBinaryString(INT_MIN), "10000000000000000000000000000000"},
      {java_lang_Long::toString(int64_t{-1}), "-1"},
      {java_lang_Long::toString(int64_t{0x100000005}), "5"},
      {java_lang_Long::toString(int64_t{0xFFFFFFFF}), "-1"},
      {java_lang_Long::toString(INT64_MIN), "0"},
  };
  for (const Row& row : rows) EXPECT_EQ(TextOf(row.text), row.expected);
}

TEST_F(NumberNativesTest, DoubleParsesReadTextAsAtofDoesInTheCLocale) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  struct Row {
    const char* text;
    double value;
  };
  const Row rows[] = {
      {"1.5", 1.5},       {" -2.25e1x", -22.5}, {"+.5", 0.5},
      {"1,5", 1.0},  // the "C" locale's point only
      {"", 0.0},          {"abc", 0.0},         {"-", 0.0},
      {"1e", 1.0},        {"0x10", 0.0},        {"Infinity", kInf},
      {"-inf", -kInf},    {"1e400", kInf},      {"-1e400", -kInf},
      {"1000e306", kInf}, {"0.001e310", 1e307}, {"0.0001e-320", 0.0},
      {"1e-400", 0.0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(java_lang_Double::parseDouble(S(row.text)), row.value);
  }
  EXPECT_TRUE(std::isnan(java_lang_Double::parseDouble(S("NaN"))));
  EXPECT_TRUE(std::signbit(java_lang_Double::parseDouble(S("-0"))));
}

TEST_F(NumberNativesTest, DoubleQueries) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  struct Row {
    double value;
    bool nan;
    bool infinite;
  };
  const Row rows[] = {{0.0, false, false},  {-1e308, false, false}, {kInf, false, true},
                      {-kInf, false, true}, {kNaN, true, false},    {-kNaN, true, false}};
  for (const Row& row : rows) {
    EXPECT_EQ(java_lang_Double::isNaN(row.value), row.nan);
    EXPECT_EQ(java_lang_Double::isInfinite(row.value), row.infinite);
  }
}

}  // namespace
