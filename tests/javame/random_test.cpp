#include "javame/random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <vector>

#include "javame/thread.h"
#include "runtime/instance_factory.h"
#include "runtime/system.h"
#include "tests/javame/runnable_body.h"
#include "tests/support/library_fixture.h"

namespace {

using RandomTest = LibraryTest;

constexpr float kFloatUnit = 16777216.0f;  // 2^24: nextFloat's values are multiples of 1/2^24

// ---- The published sequences ----------------------------------------------------------------

// Values of the published java.util.Random for seeds that exercise the scramble: zero, small,
// negative, and one with bits above the 48 the generator keeps. Each row starts a fresh
// generator for each kind of draw.
struct SeedCase {
  int64_t seed;
  int32_t ints[4];    // nextInt()
  int64_t longs[3];   // nextLong()
  int32_t floats[3];  // nextFloat() times 2^24
};

const SeedCase kSeedCases[] = {
    {0,
     {-1155484576, -723955400, 1033096058, -1690734402},
     {-4962768465676381896, 4437113781045784766, -6688467811848818630},
     {12263604, 13949265, 4035531}},
    {42,
     {-1170105035, 234785527, -1360544799, 205897768},
     {-5025562857975149833, -5843495416241995736, 5694868678511409995},
     {12206493, 917130, 11462587}},
    {-1,
     {1155099827, 1887904451, 52699159, -1941176418},
     {4961115982468162243, 226341162490527646, -6233441030884181172},
     {4512108, 7374626, 205856}},
    {-987654321,
     {-1314770571, -1648208228, -1702638463, -1035876036},
     {-5646896605836454244, -7312776516532582084, -3244340451393990214},
     {11641393, 10338902, 10126284}},
    {0x0123456789ABCDEF,
     {-332795332, 2022105297, -719768573, -1326542597},
     {-1429345065179356975, -3091382483050131205, 8523071870374385941},
     {15477234, 7898848, 13965620}},
};

TEST_F(RandomTest, EachSeedGivesThePublishedIntLongAndFloatSequences) {
  for (const SeedCase& c : kSeedCases) {
    SCOPED_TRACE(c.seed);
    auto* ints = NewObject<java_util_Random>(c.seed);
    for (int32_t expected : c.ints) EXPECT_EQ(ints->nextInt(), expected);
    auto* longs = NewObject<java_util_Random>(c.seed);
    for (int64_t expected : c.longs) EXPECT_EQ(longs->nextLong(), expected);
    auto* floats = NewObject<java_util_Random>(c.seed);
    for (int32_t expected : c.floats) EXPECT_EQ(floats->nextFloat(), expected / kFloatUnit);
  }
}

// Bounds that are powers of two (one draw, its top bits) and others (a draw modulo the bound,
// drawn again when it falls in the top, incomplete range: likely for 2^30 + 1 and 2^31 - 1).
struct BoundCase {
  int64_t seed;
  int32_t bound;
  int32_t values[4];
};

const BoundCase kBoundCases[] = {
    {42, 1, {0, 0, 0, 0}},
    {42, 8, {5, 0, 5, 0}},
    {42, 1 << 30, {781215565, 58696381, 733605624, 51474442}},
    {42, 10, {0, 3, 8, 4}},
    {42, 7, {1, 5, 6, 3}},
    {42, (1 << 30) + 1, {117392763, 102948884, 662969970, 595021505}},
    {42, INT32_MAX, {1562431130, 117392763, 1467211248, 102948884}},
    {-1, 1, {0, 0, 0, 0}},
    {-1, 8, {2, 3, 0, 4}},
    {-1, 1 << 30, {288774956, 471976112, 13174789, 588447719}},
    {-1, 10, {3, 5, 9, 9}},
    {-1, 7, {3, 6, 4, 6}},
    {-1, (1 << 30) + 1, {577549913, 943952225, 26349579, 894294477}},
    {-1, INT32_MAX, {577549913, 943952225, 26349579, 1176895439}},
};

TEST_F(RandomTest, BoundedDrawsGiveThePublishedSequences) {
  for (const BoundCase& c : kBoundCases) {
    SCOPED_TRACE(testing::Message() << "seed " << c.seed << " bound " << c.bound);
    auto* random = NewObject<java_util_Random>(c.seed);
    for (int32_t expected : c.values) EXPECT_EQ(random->nextInt(c.bound), expected);
  }
}

// Every kind of draw advances the one state: the published values of this order of calls.
TEST_F(RandomTest, MixedDrawsShareOneSequence) {
  auto* random = NewObject<java_util_Random>(int64_t{12345});
  EXPECT_EQ(random->nextInt(), 1553932502);
  EXPECT_EQ(random->nextInt(10), 0);
  EXPECT_EQ(random->nextLong(), -1236052134575208584);
  EXPECT_EQ(random->nextFloat(), 13976953 / kFloatUnit);
  EXPECT_EQ(random->nextInt((1 << 30) + 1), 80902084);
  EXPECT_EQ(random->nextInt(64), 20);
}

// ---- Seeding and draw counts ----------------------------------------------------------------

TEST_F(RandomTest, SetSeedScramblesWithinFortyEightBitsAndRestartsTheSequence) {
  auto* random = NewObject<java_util_Random>(int64_t{7});
  random->nextLong();
  random->setSeed(0);
  EXPECT_EQ(random->seed, 0x5DEECE66D);
  EXPECT_EQ(random->nextInt(), -1155484576);
  random->setSeed(-1);
  EXPECT_EQ(random->seed, int64_t{0xFFFFFFFFFFFF} ^ 0x5DEECE66D);
  EXPECT_EQ(random->nextInt(), 1155099827);
}

// The state after a bounded draw equals that of a twin after that many plain draws.
TEST_F(RandomTest, APowerOfTwoBoundDrawsOnceAndTheTopRangeIsDrawnAgain) {
  struct Case {
    int32_t bound;
    int32_t draws;  // for seed 42
  };
  const Case cases[] = {{1, 1}, {8, 1}, {1 << 30, 1}, {10, 1}, {(1 << 30) + 1, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bound);
    auto* random = NewObject<java_util_Random>(int64_t{42});
    auto* twin = NewObject<java_util_Random>(int64_t{42});
    random->nextInt(c.bound);
    for (int32_t i = 0; i < c.draws; i++) twin->next(31);
    EXPECT_EQ(random->seed, twin->seed);
  }
}

TEST_F(RandomTest, ABoundThatIsNotPositiveRaisesAndLeavesTheStateAsItWas) {
  for (int32_t bound : {0, -5, INT32_MIN}) {
    SCOPED_TRACE(bound);
    auto* random = NewObject<java_util_Random>(int64_t{42});
    EXPECT_EQ(random->nextInt(bound), 0);
    const Raised raised = TakePending();
    EXPECT_EQ(raised.classId, cid::java_lang_IllegalArgumentException);
    EXPECT_EQ(raised.message, "Bound must be positive");
    EXPECT_EQ(random->nextInt(), -1170105035);
  }
}

// The state whose next step has all 48 bits set gives the largest float: 16777215 / 2^24,
// which a float holds exactly, so the result stays below 1.
TEST_F(RandomTest, NextFloatStopsJustBelowOne) {
  constexpr uint64_t kInverseMultiplier = 0xDFE05BCB1365;  // 0x5DEECE66D * it = 1 mod 2^48
  constexpr uint64_t kMask = (uint64_t{1} << 48) - 1;
  auto* random = NewObject<java_util_Random>(int64_t{0});
  random->seed = static_cast<int64_t>(((kMask - 0xB) * kInverseMultiplier) & kMask);
  const float largest = random->nextFloat();
  EXPECT_EQ(largest, 16777215 / kFloatUnit);
  EXPECT_LT(largest, 1.0f);
}

// Without a seed, and as the class factory makes it, the seed is the tick count of the moment.
TEST_F(RandomTest, TheDefaultSeedIsTheTickCount) {
  const int64_t before = java_lang_System::currentTimeMillis();
  auto* made = NewObject<java_util_Random>();
  auto* byId =
      static_cast<java_util_Random*>(NewInstanceFactory::newInstance(cid::java_util_Random));
  const int64_t after = java_lang_System::currentTimeMillis();
  for (java_util_Random* random : {made, byId}) {
    ASSERT_NE(random, nullptr);
    const int64_t tick = random->seed ^ 0x5DEECE66D;
    EXPECT_GE(tick, before);
    EXPECT_LE(tick, after);
  }
}

// ---- Threads ----------------------------------------------------------------------------------

// Two threads drawing from one generator together take exactly the values one thread would
// have drawn alone: no step is lost or taken twice. Both wait at a start line, so their draws
// overlap.
constexpr int32_t kDrawsPerThread = 200000;
std::vector<int32_t> drawn[2];
std::atomic<int32_t> atStartLine{0};

void DrawMany(RunnableBody* self) {
  auto* random = static_cast<java_util_Random*>(self->held);
  std::vector<int32_t>& out = drawn[self->seen.load()];
  atStartLine++;
  while (atStartLine.load() < 2) java_lang_Thread::yield();
  for (int32_t i = 0; i < kDrawsPerThread; i++) out.push_back(random->nextInt());
}

TEST_F(RandomTest, DrawsFromSeveralThreadsNeverLoseAStep) {
  auto* shared = NewObject<java_util_Random>(int64_t{99});
  java_lang_Thread* threads[2];
  atStartLine = 0;
  for (int32_t i = 0; i < 2; i++) {
    drawn[i].clear();
    auto* body = NewObject<RunnableBody>(&DrawMany);
    body->held = shared;
    body->seen = i;
    threads[i] = NewObject<java_lang_Thread>(body);
  }
  for (java_lang_Thread* thread : threads) ASSERT_GE(thread->nativeStart(), 0);
  for (java_lang_Thread* thread : threads) thread->join();

  std::vector<int32_t> together = drawn[0];
  together.insert(together.end(), drawn[1].begin(), drawn[1].end());
  auto* alone = NewObject<java_util_Random>(int64_t{99});
  std::vector<int32_t> expected;
  for (int32_t i = 0; i < 2 * kDrawsPerThread; i++) expected.push_back(alone->nextInt());
  std::sort(together.begin(), together.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(together, expected);
  EXPECT_EQ(shared->seed, alone->seed);
}

}  // namespace
