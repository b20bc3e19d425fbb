#include "javame/boxed.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "javame/device_statics.h"
#include "runtime/constant_pool.h"
#include "runtime/exceptions.h"
#include "runtime/string.h"
#include "tests/support/library_fixture.h"
#include "tests/support/runtime_fixture.h"
#include "tests/support/string_text.h"

namespace {

using BoxedTest = LibraryTest;

TEST_F(BoxedTest, ParseByteKeepsTheByteRangeAndRefusesTheRest) {
  struct Case {
    const char* text;
    int8_t value;
    bool refused;
  };
  const Case cases[] = {
      {"127", 127, false},      {"-128", -128, false},     {" 12abc", 12, false},
      {"", 0, false},           {"128", 0, true},          {"-129", 0, true},
      {"99999999999", 0, true}, {"-99999999999", 0, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(java_lang_Byte::parseByte(NewJavaString(c.text)), c.value);
    Object* pending = GetPendingException();
    EXPECT_EQ(TakePending().classId, c.refused ? cid::java_lang_NumberFormatException : 0);
    if (c.refused) {
      EXPECT_EQ(static_cast<java_lang_Throwable*>(pending)->getMessage(), GetConstantString(46));
    }
  }
}

TEST_F(BoxedTest, ParseByteReadsAnyRadixAsDecimalAfterATrace) {
  TraceCapture trace;
  EXPECT_EQ(java_lang_Byte::parseByte(NewJavaString("12"), 16), 12);
  EXPECT_TRUE(trace.contains("base == 10"));
  EXPECT_EQ(TakePending().classId, 0);
}

TEST_F(BoxedTest, IntegerValuesAreCutOrWidenedWithSign) {
  auto* i300 = NewObject<java_lang_Integer>(300);
  EXPECT_EQ(i300->byteValue(), 44);
  EXPECT_EQ(i300->shortValue(), 300);
  EXPECT_EQ(i300->intValue(), 300);
  EXPECT_EQ(i300->hashCode(), 300);
  EXPECT_EQ(TextOf(i300->toString()), "300");
  auto* big = NewObject<java_lang_Integer>(70000);
  EXPECT_EQ(big->shortValue(), 4464);
  auto* minusOne = NewObject<java_lang_Integer>(-1);
  EXPECT_EQ(minusOne->longValue(), -1);
  EXPECT_EQ(minusOne->byteValue(), -1);
}

TEST_F(BoxedTest, LongHashesAndPrintsItsLowWord) {
  auto* value = NewObject<java_lang_Long>((int64_t{1} << 32) + 2);
  EXPECT_EQ(value->hashCode(), 2);
  EXPECT_EQ(TextOf(value->toString()), "2");
  EXPECT_EQ(value->longValue(), (int64_t{1} << 32) + 2);
  EXPECT_EQ(TextOf(NewObject<java_lang_Long>(int64_t{-5})->toString()), "-5");
}

TEST_F(BoxedTest, DoubleConvertsThroughTheSaturatingIntConversion) {
  struct Case {
    double value;
    int32_t intValue;
    int8_t byteValue;
    int16_t shortValue;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Case cases[] = {
      {300.7, 300, 44, 300},
      {-2.9, -2, -2, -2},
      {3e9, 2147483647, -1, -1},
      {-3e9, -2147483647 - 1, 0, 0},
      {nan, 0, 0, 0},
      {std::numeric_limits<double>::infinity(), 2147483647, -1, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    auto* box = NewObject<java_lang_Double>(c.value);
    EXPECT_EQ(box->intValue(), c.intValue);
    EXPECT_EQ(box->longValue(), int64_t{c.intValue});
    EXPECT_EQ(box->byteValue(), c.byteValue);
    EXPECT_EQ(box->shortValue(), c.shortValue);
  }
  auto* box = NewObject<java_lang_Double>(1.5);
  EXPECT_EQ(box->floatValue(), 1.5f);
  EXPECT_EQ(box->doubleValue(), 1.5);
  EXPECT_EQ(TextOf(box->toString()), "1.500000");
  EXPECT_FALSE(box->isNaN());
  EXPECT_TRUE(NewObject<java_lang_Double>(nan)->isNaN());
  EXPECT_TRUE(NewObject<java_lang_Double>(-std::numeric_limits<double>::infinity())->isInfinite());
}

TEST_F(BoxedTest, EqualsNeedsTheSameClassAndValue) {
  Object* int5 = NewObject<java_lang_Integer>(5);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    Object* a;
    Object* b;
    bool equal;
  };
  const Case cases[] = {
      {int5, NewObject<java_lang_Integer>(5), true},
      {int5, NewObject<java_lang_Integer>(6), false},
      {int5, NewObject<java_lang_Long>(int64_t{5}), false},
      {int5, nullptr, false},
      {NewObject<java_lang_Long>(int64_t{5}), NewObject<java_lang_Long>(int64_t{5}), true},
      {NewObject<java_lang_Long>(int64_t{1} << 32), NewObject<java_lang_Long>(int64_t{0}), false},
      {NewObject<java_lang_Byte>(int8_t{-3}), NewObject<java_lang_Byte>(int8_t{-3}), true},
      {NewObject<java_lang_Byte>(int8_t{5}), int5, false},
      {NewObject<java_lang_Character>(u'x'), NewObject<java_lang_Character>(u'x'), true},
      {NewObject<java_lang_Character>(u'x'), NewObject<java_lang_Character>(u'y'), false},
      {NewObject<java_lang_Boolean>(true), Statics<DeviceStatics>()->java_lang_Boolean_TRUE, true},
      {NewObject<java_lang_Boolean>(false), Statics<DeviceStatics>()->java_lang_Boolean_TRUE,
       false},
      {NewObject<java_lang_Double>(2.5), NewObject<java_lang_Double>(2.5), true},
      {NewObject<java_lang_Double>(nan), NewObject<java_lang_Double>(-nan), true},
      {NewObject<java_lang_Double>(0.0), NewObject<java_lang_Double>(-0.0), false},
  };
  for (size_t i = 0; i < std::size(cases); i++) {
    const Case& c = cases[i];
    EXPECT_EQ(c.a->equals(c.b), c.equal) << "case " << i;
    if (c.equal) {
      EXPECT_EQ(c.a->hashCode(), c.b->hashCode()) << "case " << i;
    }
  }
}

TEST_F(BoxedTest, BooleanSharesItsTwoValuesAndTheirTexts) {
  java_lang_Boolean* yes = Statics<DeviceStatics>()->java_lang_Boolean_TRUE;
  java_lang_Boolean* no = Statics<DeviceStatics>()->java_lang_Boolean_FALSE;
  ASSERT_NE(yes, nullptr);
  ASSERT_NE(no, nullptr);
  EXPECT_TRUE(yes->booleanValue());
  EXPECT_FALSE(no->booleanValue());
  EXPECT_EQ(yes->toString(), GetConstantString(366));
  EXPECT_EQ(TextOf(no->toString()), "false");
  EXPECT_EQ(yes->hashCode(), 1);
  EXPECT_EQ(no->hashCode(), 0);
}

TEST_F(BoxedTest, ByteAndCharacterTextsAndHashes) {
  auto* byte = NewObject<java_lang_Byte>(int8_t{-7});
  EXPECT_EQ(byte->byteValue(), -7);
  EXPECT_EQ(byte->hashCode(), -7);
  EXPECT_EQ(TextOf(byte->toString()), "-7");
  auto* character = NewObject<java_lang_Character>(u'\u20AC');
  EXPECT_EQ(character->charValue(), u'\u20AC');
  EXPECT_EQ(character->hashCode(), 0x20AC);
  EXPECT_EQ(UnitsOf(character->toString()), u"\u20AC");
}

}  // namespace
