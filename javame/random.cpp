// java.util.Random: seeding, the generator step and the draws derived from next.
#include "javame/random.h"

#include "javame/exception_classes.h"
#include "runtime/constant_pool.h"
#include "runtime/exceptions.h"
#include "runtime/java_arith.h"
#include "runtime/monitor.h"
#include "runtime/system.h"

namespace {

constexpr uint64_t kMultiplier = 0x5DEECE66DULL;
constexpr uint64_t kAddend = 0xB;
constexpr uint64_t kStateMask = (1ULL << 48) - 1;
constexpr int32_t kBoundNotPositiveText = 330;  // string constant: "Bound must be positive"

// One generator step in unsigned 64-bit arithmetic: the product wraps, and only its low 48 bits
// are kept.
int64_t Step(int64_t state) {
  return static_cast<int64_t>((static_cast<uint64_t>(state) * kMultiplier + kAddend) & kStateMask);
}

}  // namespace

// ---- Seeding ------------------------------------------------------------------------------

java_util_Random::java_util_Random() : java_util_Random(java_lang_System::currentTimeMillis()) {}

java_util_Random::java_util_Random(int64_t initialSeed) {
  seed = 0;
  setSeed(initialSeed);
}

void java_util_Random::setSeed(int64_t newSeed) {
  MonitorScope lock(this);
  seed = static_cast<int64_t>((static_cast<uint64_t>(newSeed) ^ kMultiplier) & kStateMask);
}

// ---- The generator ------------------------------------------------------------------------

// The shift count is masked as Java masks a long shift, so a bits argument outside 1..32
// gives some value rather than an undefined shift.
int32_t java_util_Random::next(int32_t bits) {
  MonitorScope lock(this);
  seed = Step(seed);
  return static_cast<int32_t>(JavaLUshr(seed, 48 - bits));
}

// ---- Derived draws ------------------------------------------------------------------------

int32_t java_util_Random::nextInt() {
  return next(32);
}

// A power of two takes the top bits of one draw. Otherwise a draw from the top, incomplete
// multiple of n is rejected (bits - val + (n - 1) overflows the int) so every value is equally
// likely.
int32_t java_util_Random::nextInt(int32_t n) {
  if (n <= 0) {
    ThrowException(
        NewObject<java_lang_IllegalArgumentException>(GetConstantString(kBoundNotPositiveText)));
    return 0;
  }
  if ((n & -n) == n) {
    return static_cast<int32_t>((static_cast<int64_t>(n) * next(31)) >> 31);
  }
  int32_t bits;
  int32_t value;
  do {
    bits = next(31);
    value = bits % n;
  } while (bits - value + (n - 1) < 0);
  return value;
}

int64_t java_util_Random::nextLong() {
  const int64_t high = JavaLShl(next(32), 32);
  return high + next(32);
}

float java_util_Random::nextFloat() {
  return static_cast<float>(next(24)) / static_cast<float>(1 << 24);
}
