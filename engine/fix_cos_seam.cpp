// Stand-in for the fixed-point cosine until the maths library lands: 256 cos(2 pi a / 256)
// rounded, the values of the cosine table the data builder is to write.
#include <cmath>
#include <numbers>

#include "game/cgame.h"

int32_t cGame::fixCos(int32_t a) {
  const auto i = static_cast<int32_t>(static_cast<uint32_t>(a) & 255);
  return static_cast<int32_t>(std::lround(256 * std::cos(2 * std::numbers::pi * i / 256)));
}
