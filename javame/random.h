// java.util.Random: the 48-bit linear congruential generator with the published constants and
// derivations, so a seed yields the standard sequence. Only the low 48 bits of seed are ever
// set, and every change of it happens under the instance's monitor.
#pragma once

#include <cstdint>

#include "runtime/object.h"

class java_util_Random : public Object {
 public:
  static constexpr int16_t kClassId = cid::java_util_Random;

  // Seeded with java_lang_System::currentTimeMillis.
  java_util_Random();
  explicit java_util_Random(int64_t seed);

  // Locked. seed := (argument XOR the multiplier) within 48 bits.
  void setSeed(int64_t seed);
  // Locked. One step of the generator; the top bits (1..32) of the new state, as an int.
  int32_t next(int32_t bits);
  int32_t nextInt();
  // A value in 0..n-1. n <= 0 throws java_lang_IllegalArgumentException (string constant 330),
  // returns 0 and leaves seed unchanged.
  int32_t nextInt(int32_t n);
  // Two draws, each taking the monitor on its own: another thread may draw between them.
  int64_t nextLong();
  // next(24) / 2^24: in [0, 1), the largest value 16777215 / 16777216.
  float nextFloat();

  int64_t seed;  // the generator state, below 2^48
};
