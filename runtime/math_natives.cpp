// java_lang_Math and the 16.16 fixed-point functions. Float operations widen to double, call
// the C library and narrow, as the device did; fixed-point products are taken in 64 bits.
#include "runtime/math_natives.h"

#include <array>
#include <cmath>
#include <numbers>

#include "runtime/trace.h"

// ---- java_lang_Math -----------------------------------------------------------------------

int32_t java_lang_Math::abs(int32_t value) {
  return value >= 0 ? value : static_cast<int32_t>(0u - static_cast<uint32_t>(value));
}

int64_t java_lang_Math::abs(int64_t value) {
  return value >= 0 ? value : static_cast<int64_t>(0u - static_cast<uint64_t>(value));
}

float java_lang_Math::abs(float value) {
  return value >= 0 ? value : -value;
}

double java_lang_Math::abs(double value) {
  return value >= 0 ? value : -value;
}

int32_t java_lang_Math::max(int32_t x, int32_t y) {
  return x > y ? x : y;
}

int32_t java_lang_Math::min(int32_t x, int32_t y) {
  return x < y ? x : y;
}

int64_t java_lang_Math::max(int64_t x, int64_t y) {
  return x > y ? x : y;
}

int64_t java_lang_Math::min(int64_t x, int64_t y) {
  return x < y ? x : y;
}

float java_lang_Math::max(float x, float y) {
  return x > y ? x : y;
}

float java_lang_Math::min(float x, float y) {
  return x < y ? x : y;
}

double java_lang_Math::max(double x, double y) {
  return x > y ? x : y;
}

double java_lang_Math::min(double x, double y) {
  return x < y ? x : y;
}

namespace {

// A C double function applied to a float and narrowed back.
float ThroughDouble(double (*function)(double), float value) {
  return static_cast<float>(function(static_cast<double>(value)));
}

}  // namespace

float java_lang_Math::sqrt(float value) {
  return ThroughDouble(std::sqrt, value);
}

float java_lang_Math::sin(float radians) {
  return ThroughDouble(std::sin, radians);
}

float java_lang_Math::cos(float radians) {
  return ThroughDouble(std::cos, radians);
}

float java_lang_Math::tan(float radians) {
  return ThroughDouble(std::tan, radians);
}

float java_lang_Math::asin(float value) {
  return ThroughDouble(std::asin, value);
}

float java_lang_Math::acos(float value) {
  return ThroughDouble(std::acos, value);
}

float java_lang_Math::atan2(float y, float x) {
  return static_cast<float>(std::atan2(static_cast<double>(y), static_cast<double>(x)));
}

double java_lang_Math::sqrt(double value) {
  return std::sqrt(value);
}

double java_lang_Math::sin(double radians) {
  return std::sin(radians);
}

double java_lang_Math::cos(double radians) {
  return std::cos(radians);
}

float java_lang_Math::toRadians(float degrees) {
  return static_cast<float>(degrees * 0.017453292519943295);
}

float java_lang_Math::toDegrees(float radians) {
  float scaled = radians * 180.0f;  // in float, as the device multiplied
  return static_cast<float>(scaled * 0.3183098861837907);
}

// ---- 16.16 fixed point --------------------------------------------------------------------

namespace {

constexpr int32_t kOne = 65536;
constexpr int32_t kQuarterTurn = 102943;  // pi / 2
constexpr int32_t kHalfTurn = 205887;     // pi

// The integer square root of n, found bit by bit from result bit topBit down to bit 0.
uint32_t SquareRootBits(uint64_t n, int topBit) {
  uint64_t root = 0;
  for (int bit = topBit; bit >= 0; bit--) {
    uint64_t trial = root | (uint64_t{1} << bit);
    if (trial * trial <= n) root = trial;
  }
  return static_cast<uint32_t>(root);
}

// round(sin(k degrees) x 65536) for k = 0 .. 359.
const std::array<int32_t, 360>& SineTable() {
  static const std::array<int32_t, 360> table = [] {
    std::array<int32_t, 360> entries{};
    for (int32_t k = 0; k < 360; k++) {
      entries[k] = static_cast<int32_t>(std::lround(std::sin(k * std::numbers::pi / 180) * kOne));
    }
    return entries;
  }();
  return table;
}

// One product step of a 16.16 polynomial in Horner form: (p x v) >> 16, plus the coefficient.
int64_t HornerStep(int64_t p, int64_t v, int64_t coefficient) {
  return ((p * v) >> 16) + coefficient;
}

// acos over [0, 1]: sqrt(1 - v) x (102939 - 13901 v + 4866 v^2 - 1228 v^3). The square root is
// taken in 16.16 (of (1 - v) << 16); the integer root of FixedSqrt would be 256 times small.
int32_t AcosOfMagnitude(int32_t v) {
  int64_t p = -1228;
  p = HornerStep(p, v, 4866);
  p = HornerStep(p, v, -13901);
  p = HornerStep(p, v, 102939);
  uint32_t root = SquareRootBits(static_cast<uint64_t>(kOne - v) << 16, 16);
  return static_cast<int32_t>((static_cast<int64_t>(root) * p) >> 16);
}

// The arc cosine of v clamped into [-1, 1], with a trace line naming operation when it was not.
int32_t ArcCosine(int32_t v, const char* operation) {
  if (v < -kOne || v > kOne) {
    DebugLog("%s: %d is outside -1.0 .. 1.0 (16.16)", operation, v);
    v = v < 0 ? -kOne : kOne;
  }
  return v < 0 ? kHalfTurn - AcosOfMagnitude(-v) : AcosOfMagnitude(v);
}

}  // namespace

int32_t FixedSqrt(int32_t v) {
  return static_cast<int32_t>(SquareRootBits(static_cast<uint32_t>(v), 15));
}

int32_t FixedSinDeg(int32_t degrees) {
  constexpr int64_t kFullCircle = int64_t{360} << 16;
  int64_t reduced = (degrees % kFullCircle + kFullCircle) % kFullCircle;
  auto whole = static_cast<int32_t>(reduced >> 16);
  auto fraction = static_cast<int32_t>(reduced & 0xFFFF);
  const std::array<int32_t, 360>& table = SineTable();
  int32_t from = table[whole];
  int32_t to = table[(whole + 1) % 360];
  return from + static_cast<int32_t>((static_cast<int64_t>(to - from) * fraction) >> 16);
}

int32_t FixedAtan(int32_t v) {
  // Below -1 the polynomial would overflow: atan is odd.
  if (v < -kOne) return -FixedAtan(v == INT32_MIN ? INT32_MAX : -v);
  if (v > kOne) return kQuarterTurn - FixedAtan(static_cast<int32_t>((int64_t{1} << 32) / v));
  int64_t s = (static_cast<int64_t>(v) * v) >> 16;
  int64_t p = 1365;
  p = HornerStep(p, s, -5579);
  p = HornerStep(p, s, 11805);
  p = HornerStep(p, s, -21646);
  p = HornerStep(p, s, 65527);
  return static_cast<int32_t>((v * p) >> 16);
}

int32_t FixedAcos(int32_t v) {
  return ArcCosine(v, "FixedAcos");
}

int32_t FixedAsin(int32_t v) {
  return kQuarterTurn - ArcCosine(v, "FixedAsin");
}
