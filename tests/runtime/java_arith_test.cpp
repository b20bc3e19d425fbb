#include "runtime/java_arith.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "tests/support/runtime_fixture.h"

namespace {

TEST(JavaArithTest, DivisionAndRemainder) {
  struct Row {
    int32_t a, b, quotient, remainder;
  };
  const Row rows[] = {
      {7, 2, 3, 1},
      {-7, 2, -3, -1},
      {7, -2, -3, 1},
      {INT_MIN, -1, INT_MIN, 0},
      {INT_MIN, 1, INT_MIN, 0},
      {5, 0, 0, 0},
      {0, 0, 0, 0},
      {INT_MAX, -1, -INT_MAX, 0},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(JavaDiv(r.a, r.b), r.quotient) << r.a << "/" << r.b;
    EXPECT_EQ(JavaRem(r.a, r.b), r.remainder) << r.a << "%" << r.b;
  }
  EXPECT_EQ(JavaLDiv(LLONG_MIN, -1), LLONG_MIN);
  EXPECT_EQ(JavaLRem(LLONG_MIN, -1), 0);
  EXPECT_EQ(JavaLDiv(9, 0), 0);
}

TEST(JavaArithTest, ZeroDivisorWritesATraceLine) {
  TraceCapture trace;
  EXPECT_EQ(JavaDiv(1, 0), 0);
  ASSERT_FALSE(trace.lines().empty());
  EXPECT_EQ(trace.lines()[0], "ArithmeticException: / by zero");
}

TEST(JavaArithTest, ShiftsMaskTheirCount) {
  EXPECT_EQ(JavaShl(1, 33), 2);
  EXPECT_EQ(JavaShl(1, 31), INT_MIN);
  EXPECT_EQ(JavaShr(-8, 33), -4);
  EXPECT_EQ(JavaUshr(-1, 28), 15);
  EXPECT_EQ(JavaUshr(-1, 32), -1);  // a count of 32 is 0
  EXPECT_EQ(JavaUshr(INT_MIN, 31), 1);
  EXPECT_EQ(JavaLShl(1, 65), 2);
  EXPECT_EQ(JavaLUshr(-1, 60), 15);
  EXPECT_EQ(JavaLShr(-16, 66), -4);
}

TEST(JavaArithTest, IntArithmeticWraps) {
  volatile int32_t max = INT_MAX;
  EXPECT_EQ(max + 1, INT_MIN);
  EXPECT_EQ(max * 2, -2);
}

TEST(JavaArithTest, FloatingPointToIntegerSaturates) {
  struct Row {
    double v;
    int32_t i;
    int64_t l;
  };
  const Row rows[] = {
      {NAN, 0, 0},
      {3e9, INT_MAX, 3000000000LL},
      {-3e9, INT_MIN, -3000000000LL},
      {1e30, INT_MAX, LLONG_MAX},
      {-1e30, INT_MIN, LLONG_MIN},
      {INFINITY, INT_MAX, LLONG_MAX},
      {-2.9, -2, -2},
      {2.9, 2, 2},
      {-0.0, 0, 0},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(JavaD2I(r.v), r.i) << r.v;
    EXPECT_EQ(JavaD2L(r.v), r.l) << r.v;
    EXPECT_EQ(JavaF2I(static_cast<float>(r.v)), r.i) << r.v;
  }
  EXPECT_EQ(JavaF2L(NAN), 0);
  EXPECT_EQ(JavaF2L(1e20f), LLONG_MAX);
}

}  // namespace
