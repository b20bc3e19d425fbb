// cGame's fixed-point routines over the tables of the data set: 1024-step sine and direction,
// the 8.8 library (cosine, tangent, arc tangent, square root, multiply, divide, Bezier), and
// long 16.16 vectors that a 32-bit ratio would wrap.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <vector>

#include "runtime/array.h"
#include "runtime/static_class.h"
#include "tests/engine/maths_fixture.h"
#include "tests/support/runtime_fixture.h"
#include "tools/databuild/maths_tables.h"

namespace {

const std::vector<int32_t> kSine = databuild::SineQuarterTable();
const std::vector<int32_t> kArcTangent = databuild::ArcTangentTable();
const std::vector<int32_t> kCosine = databuild::FixedCosineTable();

// ---- 1024-step angles ---------------------------------------------------------------------

TEST_F(MathsTest, Sin1024ReadsTheQuarterTableInEachQuarter) {
  struct Case {
    int32_t angle, expected;
  };
  const Case kCases[] = {
      {0, kSine[0]},     {256, kSine[255]}, {512, -kSine[0]},   {768, -kSine[255]},
      {1024, kSine[0]},  {-1, -kSine[0]},   {1023, -kSine[0]},  {100, kSine[100]},
      {300, kSine[211]}, {600, -kSine[88]}, {900, -kSine[123]}, {INT_MIN, kSine[0]},
  };
  for (const Case& c : kCases) EXPECT_EQ(cGame::sin1024(c.angle), c.expected) << c.angle;
  for (int32_t a = 0; a < 1024; a++) {
    ASSERT_EQ(cGame::sin1024(a + 512), -cGame::sin1024(a)) << a;
    ASSERT_NEAR(cGame::sin1024(a), 65536 * std::sin(2 * M_PI * a / 1024), 410) << a;
  }
}

TEST_F(MathsTest, Atan2To1024GivesTheDirectionInEveryOctant) {
  const int32_t kDiagonal = 200 << 16;  // a 200-pixel 16.16 diagonal: 255 y wraps 32 bits
  struct Case {
    int32_t y, x, expected;
  };
  const Case kCases[] = {
      {0, 0, 256},
      {5, 0, 256},
      {-5, 0, 768},
      {0, 7, kArcTangent[0]},
      {100, 200, kArcTangent[127]},
      {200, 100, 256 - kArcTangent[127]},
      {-100, 200, 1024 - kArcTangent[127]},
      {-200, 100, 768 + kArcTangent[127]},
      {100, -200, 512 - kArcTangent[127]},
      {200, -100, 256 + kArcTangent[127]},
      {-100, -200, 512 + kArcTangent[127]},
      {-200, -100, 768 - kArcTangent[127]},
      {kDiagonal, kDiagonal, kArcTangent[255]},
      {-kDiagonal, -kDiagonal, 512 + kArcTangent[255]},
      {INT_MIN, INT_MAX, 768 + kArcTangent[254]},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(cGame::atan2To1024(c.y, c.x), c.expected) << c.y << ", " << c.x;
  }
}

// ---- 8.8 library --------------------------------------------------------------------------

TEST_F(MathsTest, FixCosIsEvenAndFollowsTheTableRoundTheTurn) {
  for (int32_t a = -1024; a <= 1024; a++) ASSERT_EQ(cGame::fixCos(-a), cGame::fixCos(a)) << a;
  EXPECT_EQ(cGame::fixCos(INT_MAX), cGame::fixCos(-INT_MAX));
  EXPECT_EQ(cGame::fixCos(INT_MIN), kCosine[0]);  // -2^31 is a whole number of turns
  struct Case {
    int32_t angle, expected;
  };
  const Case kCases[] = {{0, 256},    {64, kCosine[64]},   {32, kCosine[32]},  {100, -kCosine[28]},
                         {128, -256}, {160, -kCosine[32]}, {192, kCosine[64]}, {224, kCosine[32]},
                         {256, 256}};
  for (const Case& c : kCases) EXPECT_EQ(cGame::fixCos(c.angle), c.expected) << c.angle;
}

TEST_F(MathsTest, FixTanAndTheArcTangentsFindTheAngleBack) {
  EXPECT_EQ(cGame::fixTan(0), 0);
  EXPECT_EQ(cGame::fixTan(32), 256);
  EXPECT_EQ(cGame::fixTan(64), 0x7FFFFFFF);
  struct Case {
    int32_t x, y, expected;
  };
  const Case kCases[] = {
      {1, 0, 0},        {0, 1, 64},
      {-1, 0, 128},     {0, -1, 192},
      {0, 0, 0},        {256, 256, 32},
      {-256, 256, 96},  {-256, -256, 160},
      {256, -256, 224}, {1 << 24, 1 << 24, 32},  // 256 y in 64 bits
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(cGame::fixAtan2(c.x, c.y), c.expected) << c.x << ", " << c.y;
    EXPECT_EQ(cGame::fixAtanRatio(c.x, c.y), c.expected) << c.x << ", " << c.y;
  }
  ASSERT_NE(Statics<GameStatics>()->cGame_fixAtanTable, nullptr);
  EXPECT_EQ(Statics<GameStatics>()->cGame_fixAtanTable->length, 257);
  EXPECT_EQ(cGame::fixAtanSearch(0, 10, 0x7FFFFFFF), 0);
  EXPECT_EQ(cGame::fixAtanSearch(10, 64, 0x7FFFFFFF), 64);
  EXPECT_EQ(cGame::fixAtanSearch(192, 200, 0x7FFFFFFF), 192);
}

TEST_F(MathsTest, FixSqrtScalesEachRangeOfTheTable) {
  EXPECT_EQ(cGame::fixSqrt(65536), 4096);
  EXPECT_EQ(cGame::fixSqrt(-1), 0);
  EXPECT_EQ(cGame::fixSqrt(0), 0);
  EXPECT_EQ(cGame::fixSqrt(256), 256);
  // Each range from 2^(2k) keeps about 8 significant bits: within 1% (or 2 units).
  for (int32_t v = 1; v > 0 && v < INT_MAX / 3; v = v * 3 + 1) {
    const double exact = 16 * std::sqrt(static_cast<double>(v));
    EXPECT_NEAR(cGame::fixSqrt(v), exact, std::max(2.0, exact / 100)) << v;
  }
  EXPECT_NEAR(cGame::fixSqrt(INT_MAX), 16 * std::sqrt(2147483647.0), 741417 / 100);
}

TEST_F(MathsTest, FixMulAndFixDivRoundHalfUp) {
  struct Case {
    int32_t a, b, product, quotient;
  };
  const Case kCases[] = {
      {384, 384, 576, 256},              // 1.5 x 1.5 = 2.25; 1.5 / 1.5 = 1
      {256, 768, 768, 85},               // 1 / 3 = 0.333 -> 85.33 rounds to 85
      {-256, 768, -768, -85},            // -85.33 rounds half up to -85
      {1, 128, 1, 2},                    // (128 + 128) >> 8 = 1; 1 / 0.5 = 2
      {1 << 24, 256, 1 << 24, 1 << 24},  // a << 9 needs 64 bits
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(cGame::fixMul(c.a, c.b), c.product) << c.a << " x " << c.b;
    EXPECT_EQ(cGame::fixDiv(c.a, c.b), c.quotient) << c.a << " / " << c.b;
  }
  EXPECT_EQ(cGame::fixRound(383), 1);
  EXPECT_EQ(cGame::fixRound(384), 2);
  TraceCapture trace;
  EXPECT_EQ(cGame::fixDiv(256, 0), 0);  // through the division helper's trace
  ASSERT_FALSE(trace.lines().empty());
  EXPECT_EQ(trace.lines()[0], "ArithmeticException: / by zero");
  EXPECT_TRUE(cGame::sameSign(-1, -5));
  EXPECT_TRUE(cGame::sameSign(0, 5));
  EXPECT_FALSE(cGame::sameSign(-1, 0));
}

TEST_F(MathsTest, BezierPointRunsFromTheFirstPointToTheLast) {
  cGame::bezierPoint(10, 20, 50, 100, 90, -40, 0);
  EXPECT_EQ(Statics<GameStatics>()->cGame_bezierX, 10);
  EXPECT_EQ(Statics<GameStatics>()->cGame_bezierY, 20);
  cGame::bezierPoint(10, 20, 50, 100, 90, -40, 256);
  EXPECT_EQ(Statics<GameStatics>()->cGame_bezierX, 90);
  EXPECT_EQ(Statics<GameStatics>()->cGame_bezierY, -40);
  cGame::bezierPoint(10, 20, 50, 100, 90, -40, 128);  // (p0 + 2 p1 + p2) / 4
  EXPECT_EQ(Statics<GameStatics>()->cGame_bezierX, 50);
  EXPECT_EQ(Statics<GameStatics>()->cGame_bezierY, 45);
  EXPECT_EQ(cGame::bezierWeighted(-1, 0, 0, 0, 65535, 0), 0);  // truncated toward zero
}

// ---- Before the tables load ---------------------------------------------------------------

class MathsWithoutTablesTest : public LibraryTest {};

TEST_F(MathsWithoutTablesTest, RoutinesGiveZeroAndTraceEachMissingTableOnce) {
  TraceCapture trace;
  for (int i = 0; i < 3; i++) {
    EXPECT_EQ(cGame::sin1024(256), 0);
    EXPECT_EQ(cGame::atan2To1024(1, 1), 0);
    EXPECT_EQ(cGame::fixCos(0), 0);
    EXPECT_EQ(cGame::fixSqrt(100), 0);
    EXPECT_EQ(cGame::fixAtan2(1, 1), 0);
  }
  EXPECT_EQ(cGame::atan2To1024(-1, 0), 768);  // the axes need no table
  EXPECT_EQ(cGame::fixAtan2(0, 1), 64);
  EXPECT_EQ(trace.lines().size(), 4u);
  EXPECT_EQ(Statics<GameStatics>()->cGame_fixAtanTable, nullptr);
}

}  // namespace
