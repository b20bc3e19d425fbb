// cGame's 1024-step angles (a turn is 1024, 0 points along +x, 256 along +y): the sine from
// a quarter-wave table in 16.16 and the direction of a vector from an arc-tangent table of
// ratios 0..255 / 255. Both tables come from the maths pack.
#include "engine/math_tables.h"
#include "engine/octant_angle.h"
#include "game/cgame.h"
#include "game/game_statics.h"

namespace {

constexpr int32_t kQuarter = 256;
constexpr int32_t kHalf = 512;
constexpr int32_t kThreeQuarters = 768;
constexpr int32_t kTurn = 1024;
constexpr int64_t kRatioScale = 255;  // the arc-tangent table's ratios are n / 255

}  // namespace

// The second and fourth quarters read T[255 - j], not T[256 - j]: the table has no entry for
// a quarter turn, so sin(256) is T[255] and the wave is symmetric about 255.5, not 256.
int32_t cGame::sin1024(int32_t a) {
  const int32_t* table = math_tables::SineTable("cGame::sin1024");
  if (!table) return 0;
  const int32_t i = a & (kTurn - 1);
  const int32_t j = a & (kQuarter - 1);
  if (i < kQuarter) return table[i];
  if (i < kHalf) return table[kQuarter - 1 - j];
  if (i < kThreeQuarters) return -table[j];
  return -table[kQuarter - 1 - j];
}

int32_t cGame::atan2To1024(int32_t y, int32_t x) {
  if (x == 0) return y < 0 ? kThreeQuarters : kQuarter;
  const int8_t* table = math_tables::ArcTangentTable("cGame::atan2To1024");
  if (!table) return 0;
  return OctantAngle(table, kRatioScale, kQuarter, x, y);
}
