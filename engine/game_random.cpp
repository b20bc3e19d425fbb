// cGame's random numbers: the game's own linear congruential generator (randomSeed, stepped
// x * 1664525 + 1013904223, its upper 16 bits used), the shell's draws from the shared
// java_util_Random, and the two bit-mask routines that pick among set bits.
#include <bit>
#include <cstdlib>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/random.h"
#include "runtime/exceptions.h"
#include "runtime/java_arith.h"
#include "runtime/static_class.h"

namespace {

// One step of the game generator; the upper 16 bits of the new state (0..65535).
int32_t NextSeedBits() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_randomSeed = s->cGame_randomSeed * 1664525 + 1013904223;
  return JavaUshr(s->cGame_randomSeed, 16);
}

}  // namespace

// ---- The game generator -------------------------------------------------------------------

// The remainder takes the sign of the non-negative dividend: 0 .. |n| - 1.
int32_t cGame::rand(int32_t n) {
  if (n == 0) return 0;
  return JavaRem(NextSeedBits(), n);
}

int32_t cGame::randRange(int32_t a, int32_t b) {
  if (a == b) return a;
  return a + JavaRem(NextSeedBits(), b - a);
}

// ---- The shared generator -----------------------------------------------------------------

// |r| and hi - lo are taken in 64 bits, so a draw of -2^31 and a range wider than an int
// stay in [lo, hi); every other draw gives what 32-bit arithmetic gives.
int32_t cGame::getRandom(int32_t lo, int32_t hi) {
  if (hi == lo) return hi;
  java_util_Random* random = Statics<GameStatics>()->cGame_sharedRandom;
  if (!NullCheck(random)) return lo;
  const int64_t r = std::llabs(static_cast<int64_t>(random->next(32)));
  return static_cast<int32_t>(lo + r % (static_cast<int64_t>(hi) - lo));
}

// ---- Bit masks ----------------------------------------------------------------------------

int32_t cGame::popCount(int32_t m) {
  return std::popcount(static_cast<uint32_t>(m));
}

// n is reduced modulo the count of set bits first: the scan wraps past bit 31 to bit 0, so
// the answer is the same, without a walk of up to 2^31 steps.
int32_t cGame::nthSetBit(int32_t mask, int32_t n) {
  if (mask == 0 || n < 1) return -1;
  int32_t left = (n - 1) % popCount(mask) + 1;
  for (int32_t bit = 0;; bit++) {
    if ((static_cast<uint32_t>(mask) >> bit & 1) && --left == 0) return bit;
  }
}
