// cGame's random numbers: the game generator's sequence and its two draws, the shell's draws
// from the shared java_util_Random (a draw of -2^31 included), and the bit-mask routines.
#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/random.h"
#include "runtime/object.h"
#include "runtime/static_class.h"
#include "tests/support/library_fixture.h"

namespace {

class GameRandomTest : public LibraryTest {
 protected:
  static int32_t& seed() { return Statics<GameStatics>()->cGame_randomSeed; }
  // The shared generator, at a known state.
  static java_util_Random* SharedRandom(int64_t state) {
    auto* random = NewObject<java_util_Random>(int64_t{0});
    random->seed = state;
    Statics<GameStatics>()->cGame_sharedRandom = random;
    return random;
  }
};

TEST_F(GameRandomTest, TheGeneratorStepsFromSeedOneAsTheConstantsSay) {
  seed() = 1;
  // x = x * 1664525 + 1013904223; the draw is x >>> 16.
  const int32_t kStates[] = {1015568748, 1586005467, -2129264258, -1267516731, 217083232};
  const int32_t kDraws[] = {15496, 24200, 33046, 46195, 3312};
  for (int i = 0; i < 5; i++) {
    EXPECT_EQ(cGame::rand(65536), kDraws[i]) << i;
    EXPECT_EQ(seed(), kStates[i]) << i;
  }
}

TEST_F(GameRandomTest, RandAndRandRangeStepOnlyWhenThereIsAChoice) {
  seed() = 1;
  EXPECT_EQ(cGame::rand(1), 0);
  EXPECT_EQ(seed(), 1015568748);  // stepped
  EXPECT_EQ(cGame::rand(0), 0);
  EXPECT_EQ(cGame::randRange(5, 5), 5);
  EXPECT_EQ(seed(), 1015568748);          // neither stepped
  EXPECT_EQ(cGame::rand(-7), 24200 % 7);  // the sign follows the non-negative draw
  EXPECT_EQ(cGame::randRange(10, 20), 10 + 33046 % 10);
  EXPECT_EQ(cGame::randRange(20, 10), 20 + 46195 % -10);
}

TEST_F(GameRandomTest, GetRandomDrawsInsideTheRange) {
  java_util_Random* random = SharedRandom(42);
  EXPECT_EQ(cGame::getRandom(5, 5), 5);
  EXPECT_EQ(random->seed, 42);  // no draw
  std::set<int32_t> seen;
  for (int i = 0; i < 100000; i++) {
    const int32_t r = cGame::getRandom(746, 761);
    ASSERT_GE(r, 746);
    ASSERT_LT(r, 761);
    seen.insert(r);
  }
  EXPECT_EQ(seen.size(), 15u);
  const int32_t wide = cGame::getRandom(INT_MIN, INT_MAX);  // hi - lo needs 64 bits
  EXPECT_LT(wide, INT_MAX);
}

// The state whose next step gives the 32 bits 0x80000000: |r| = 2^31, which 32 bits cannot hold.
TEST_F(GameRandomTest, ADrawOfMinusTwoToTheThirtyFirstMapsIntoTheRange) {
  constexpr int64_t kBeforeMinDraw = 0x2162FAE3352D;
  SharedRandom(kBeforeMinDraw);
  EXPECT_EQ(cGame::getRandom(0, 10), 8);  // 2^31 mod 10
  SharedRandom(kBeforeMinDraw);
  EXPECT_EQ(cGame::getRandom(-5, 5), -5 + 8);
  SharedRandom(kBeforeMinDraw);
  EXPECT_EQ(Statics<GameStatics>()->cGame_sharedRandom->next(32), INT_MIN);
}

TEST_F(GameRandomTest, SeedingTheShellSeedsBothGenerators) {
  cGame::setRandomSeed(0x123400000005);
  EXPECT_EQ(seed(), 5);
  auto* reference = NewObject<java_util_Random>(int64_t{0x123400000005});
  EXPECT_EQ(Statics<GameStatics>()->cGame_sharedRandom->next(32), reference->next(32));
  cGame::setRandomSeed(-1);
  EXPECT_EQ(seed(), -1);
}

TEST_F(GameRandomTest, NthSetBitWrapsRoundTheSetBits) {
  struct Case {
    int32_t mask, n, expected;
  };
  const Case kCases[] = {
      {0b1010, 1, 1},  {0b1010, 2, 3},       {0b1010, 3, 1},   {0b1010, 4, 3},
      {1, INT_MAX, 0}, {INT_MIN | 1, 2, 31}, {-1, 33, 0},      {-1, 32, 31},
      {0, 1, -1},      {0b1010, 0, -1},      {0b1010, -3, -1},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(cGame::nthSetBit(c.mask, c.n), c.expected) << c.mask << ", " << c.n;
  }
  EXPECT_EQ(cGame::popCount(-1), 32);
  EXPECT_EQ(cGame::popCount(0b1011), 3);
  EXPECT_EQ(cGame::popCount(0), 0);
}

}  // namespace
