// java.lang.Math, whose operations are all natives, and the library's 16.16 fixed-point
// functions (a value v stands for v / 65536). Floats are computed in double and narrowed.
#pragma once

#include <cstdint>

#include "runtime/class_ids.h"

class java_lang_Math {
 public:
  static constexpr int16_t kClassId = cid::java_lang_Math;

  // The value or its negation; the most negative int or long stays itself.
  static int32_t abs(int32_t value);
  static int64_t abs(int64_t value);
  // The value when it is >= 0, else its negation: -0.0 stays -0.0 and a NaN has its sign
  // flipped, as on the device.
  static float abs(float value);
  static double abs(double value);

  // For float and double, max is x when x > y, else y, and min is x when x < y, else y: a NaN
  // in either place gives y.
  static int32_t max(int32_t x, int32_t y);
  static int32_t min(int32_t x, int32_t y);
  static int64_t max(int64_t x, int64_t y);
  static int64_t min(int64_t x, int64_t y);
  static float max(float x, float y);
  static float min(float x, float y);
  static double max(double x, double y);
  static double min(double x, double y);

  static float sqrt(float value);
  static float sin(float radians);
  static float cos(float radians);
  static float tan(float radians);
  static float asin(float value);
  static float acos(float value);
  static float atan2(float y, float x);
  static double sqrt(double value);
  static double sin(double radians);
  static double cos(double radians);

  static float toRadians(float degrees);  // x * 0.017453292519943295 in double
  static float toDegrees(float radians);  // (x * 180, in float) * 0.3183098861837907 in double
};

// The integer square root of v taken as an unsigned 32-bit integer (16 result bits), so
// FixedSqrt(65536) is 256.
int32_t FixedSqrt(int32_t v);
// The sine (16.16) of an angle in 16.16 degrees, from a table of whole degrees with linear
// interpolation; any angle, negative ones included, is reduced into [0, 360).
int32_t FixedSinDeg(int32_t degrees);
// The arc tangent (16.16 radians) of a 16.16 value, by a polynomial over [0, 1], the quarter
// turn minus the arc tangent of the inverse above 1, and symmetry below 0.
int32_t FixedAtan(int32_t v);
// The arc cosine and arc sine (16.16 radians) of a 16.16 value in [-1, 1], by a polynomial
// times a square root over [0, 1] and symmetry below 0. A value outside is taken as the
// nearest end, with a trace line.
int32_t FixedAcos(int32_t v);
int32_t FixedAsin(int32_t v);
