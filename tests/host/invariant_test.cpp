#include "host/invariant.h"

#include <gtest/gtest.h>

namespace {

// The tests' own code checks its invariants in every build.
TEST(InvariantDeathTest, ABrokenInvariantNamesItselfAndEndsTheProcess) {
  const int count = 3;
  EXPECT_DEATH(PLIMORA_ASSERT(count < 2), "invariant_test.cpp:[0-9]+: invariant broken: count < 2");
}

TEST(InvariantTest, AKeptInvariantIsEvaluatedOnceAndDoesNothing) {
  int evaluations = 0;
  PLIMORA_ASSERT(++evaluations == 1);
  EXPECT_EQ(evaluations, 1);
}

}  // namespace
