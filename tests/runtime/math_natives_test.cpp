#include "runtime/math_natives.h"

#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <cmath>
#include <limits>
#include <numbers>

#include "tests/support/runtime_fixture.h"

namespace {

constexpr float kNaNf = std::numeric_limits<float>::quiet_NaN();
constexpr double kFixedOne = 65536.0;

// The same float bits, NaNs and signed zeros included.
bool SameFloat(float a, float b) {
  return std::bit_cast<uint32_t>(a) == std::bit_cast<uint32_t>(b);
}
bool SameDouble(double a, double b) {
  return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b);
}

TEST(MathNativesTest, AbsNegatesWhatIsBelowZeroOnly) {
  EXPECT_EQ(java_lang_Math::abs(-5), 5);
  EXPECT_EQ(java_lang_Math::abs(INT_MIN), INT_MIN);
  EXPECT_EQ(java_lang_Math::abs(int64_t{-5}), 5);
  EXPECT_EQ(java_lang_Math::abs(INT64_MIN), INT64_MIN);
  struct Row {
    float value;
    float expected;
  };
  const Row rows[] = {
      {-1.5f, 1.5f}, {2.0f, 2.0f}, {-0.0f, -0.0f}, {kNaNf, -kNaNf}, {-kNaNf, kNaNf}};
  for (const Row& row : rows) {
    EXPECT_TRUE(SameFloat(java_lang_Math::abs(row.value), row.expected)) << row.value;
    EXPECT_TRUE(SameDouble(java_lang_Math::abs(double{row.value}), double{row.expected}));
  }
}

TEST(MathNativesTest, MaxAndMinGiveTheSecondArgumentUnlessTheFirstWins) {
  struct Row {
    float x;
    float y;
    float max;
    float min;
  };
  const Row rows[] = {
      {kNaNf, 1.0f, 1.0f, 1.0f}, {1.0f, kNaNf, kNaNf, kNaNf}, {2.0f, 1.0f, 2.0f, 1.0f},
      {1.0f, 2.0f, 2.0f, 1.0f},  {-0.0f, 0.0f, 0.0f, 0.0f},   {0.0f, -0.0f, -0.0f, -0.0f},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.x << ", " << row.y);
    EXPECT_TRUE(SameFloat(java_lang_Math::max(row.x, row.y), row.max));
    EXPECT_TRUE(SameFloat(java_lang_Math::min(row.x, row.y), row.min));
    EXPECT_TRUE(SameDouble(java_lang_Math::max(double{row.x}, double{row.y}), double{row.max}));
    EXPECT_TRUE(SameDouble(java_lang_Math::min(double{row.x}, double{row.y}), double{row.min}));
  }
  EXPECT_EQ(java_lang_Math::max(-3, 2), 2);
  EXPECT_EQ(java_lang_Math::min(-3, 2), -3);
  EXPECT_EQ(java_lang_Math::max(INT64_MIN, int64_t{-1}), -1);
  EXPECT_EQ(java_lang_Math::min(INT64_MAX, int64_t{1} << 40), int64_t{1} << 40);
}

TEST(MathNativesTest, FloatFunctionsAreTheDoubleOnesNarrowed) {
  const float x = 0.7f;
  EXPECT_EQ(java_lang_Math::sqrt(2.0f), static_cast<float>(std::sqrt(2.0)));
  EXPECT_EQ(java_lang_Math::sin(x), static_cast<float>(std::sin(double{x})));
  EXPECT_EQ(java_lang_Math::cos(x), static_cast<float>(std::cos(double{x})));
  EXPECT_EQ(java_lang_Math::tan(x), static_cast<float>(std::tan(double{x})));
  EXPECT_EQ(java_lang_Math::asin(x), static_cast<float>(std::asin(double{x})));
  EXPECT_EQ(java_lang_Math::acos(x), static_cast<float>(std::acos(double{x})));
  EXPECT_EQ(java_lang_Math::atan2(1.0f, -1.0f), static_cast<float>(3 * std::numbers::pi / 4));
  EXPECT_TRUE(std::isnan(java_lang_Math::sqrt(-1.0f)));
  EXPECT_EQ(java_lang_Math::sqrt(2.0), std::sqrt(2.0));
  EXPECT_EQ(java_lang_Math::sin(0.5), std::sin(0.5));
  EXPECT_EQ(java_lang_Math::cos(0.5), std::cos(0.5));
  EXPECT_EQ(java_lang_Math::toRadians(180.0f), static_cast<float>(std::numbers::pi));
  EXPECT_EQ(java_lang_Math::toDegrees(static_cast<float>(std::numbers::pi)), 180.0f);
  EXPECT_EQ(java_lang_Math::toDegrees(1.0f), static_cast<float>(180.0f * 0.3183098861837907));
}

// ---- 16.16 fixed point ----------------------------------------------------------------------

TEST(FixedPointTest, SquareRootIsTheIntegerRootOfTheUnsignedValue) {
  struct Row {
    int32_t v;
    int32_t root;
  };
  const Row rows[] = {{0, 0},       {1, 1},           {3, 1},           {4, 2},     {15, 3},
                      {65536, 256}, {1 << 30, 32768}, {INT_MAX, 46340}, {-1, 65535}};
  for (const Row& row : rows) EXPECT_EQ(FixedSqrt(row.v), row.root) << row.v;
}

TEST(FixedPointTest, SineOfDegreesFromTheTable) {
  struct Row {
    int32_t degrees;  // whole degrees
    int32_t sine;
  };
  const Row rows[] = {{0, 0},       {30, 32768},   {90, 65536},    {180, 0},         {270, -65536},
                      {450, 65536}, {-90, -65536}, {-450, -65536}, {720 + 30, 32768}};
  for (const Row& row : rows) EXPECT_EQ(FixedSinDeg(row.degrees << 16), row.sine) << row.degrees;
  // Between two entries the value is interpolated; every angle stays close to the sine.
  for (int64_t v = INT_MIN; v <= INT_MAX; v += 12345677) {
    double radians = static_cast<double>(v) / kFixedOne * std::numbers::pi / 180;
    EXPECT_NEAR(FixedSinDeg(static_cast<int32_t>(v)), std::sin(radians) * kFixedOne, 4) << v;
  }
}

TEST(FixedPointTest, ArcTangentOverTheWholeRange) {
  EXPECT_EQ(FixedAtan(0), 0);
  EXPECT_EQ(FixedAtan(65536), 51472);  // pi / 4
  for (int64_t v = -40 * 65536; v <= 40 * 65536; v += 4099) {
    double expected = std::atan(static_cast<double>(v) / kFixedOne) * kFixedOne;
    EXPECT_NEAR(FixedAtan(static_cast<int32_t>(v)), expected, 8) << v;
  }
  EXPECT_NEAR(FixedAtan(INT_MAX), 102943, 2);
  EXPECT_NEAR(FixedAtan(INT_MIN), -102943, 2);
}

TEST(FixedPointTest, ArcCosineAndArcSineOverMinusOneToOne) {
  EXPECT_EQ(FixedAcos(65536), 0);
  EXPECT_EQ(FixedAcos(-65536), 205887);  // pi
  EXPECT_EQ(FixedAsin(65536), 102943);
  for (int32_t v = -65536; v <= 65536; v += 257) {
    double x = v / kFixedOne;
    EXPECT_NEAR(FixedAcos(v), std::acos(x) * kFixedOne, 12) << v;
    EXPECT_NEAR(FixedAsin(v), std::asin(x) * kFixedOne, 12) << v;
  }
}

TEST(FixedPointTest, ArcCosineOutsideMinusOneToOneIsTakenAtTheNearestEnd) {
  TraceCapture trace;
  EXPECT_EQ(FixedAcos(2 * 65536), FixedAcos(65536));
  EXPECT_EQ(FixedAsin(INT_MIN), FixedAsin(-65536));
  EXPECT_EQ(trace.lines(),
            (std::vector<std::string>{"FixedAcos: 131072 is outside -1.0 .. 1.0 (16.16)",
                                      "FixedAsin: -2147483648 is outside -1.0 .. 1.0 (16.16)"}));
}

}  // namespace
