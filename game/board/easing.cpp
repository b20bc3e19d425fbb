// The easing curves of the level objects and bosses: linear, negated, half cosine and half sine
// rises and falls, 16.16. t runs over a half turn as 0..51471 (pi in 16.16); u = t in 1024
// units per turn, so s(u) walks the first half of the sine.
#include "game/cgame.h"

namespace {

constexpr int32_t kHalfTurn = 51471;  // pi, 16.16
constexpr int32_t kQuarter = 256;     // 1024 units per turn
constexpr int32_t kOne = 0x10000;

enum Curve { kNone, kLinear, kNegated, kCosRise, kSinHump, kCosFall, kSinDip };

// Curves by type: easeValue's table and easeValueAlt's, the same curves in another order.
constexpr Curve kEase[12] = {kLinear,  kNone,    kNegated, kNone,    kCosRise, kSinHump,
                             kCosFall, kSinDip,  kSinDip,  kCosRise, kSinHump, kCosFall};
constexpr Curve kEaseAlt[12] = {kNone,    kLinear,  kNone,   kNegated, kSinDip,  kCosRise,
                                kSinHump, kCosFall, kCosRise, kSinHump, kCosFall, kSinDip};

int32_t Eval(Curve curve, int32_t t) {
  const int32_t u = static_cast<int32_t>(static_cast<uint32_t>(t) << 8) / kHalfTurn;
  switch (curve) {
    case kLinear:
      return t;
    case kNegated:
      return -t;
    case kCosRise:
      return (kOne - cGame::sin1024(u + kQuarter)) >> 1;
    case kSinHump:
      return cGame::sin1024(u) >> 1;
    case kCosFall:
      return (cGame::sin1024(u + kQuarter) - kOne) >> 1;
    case kSinDip:
      return -cGame::sin1024(u) >> 1;
    case kNone:
      break;
  }
  return 0;
}

Curve Pick(const Curve (&table)[12], int32_t type) {
  return type >= 0 && type < 12 ? table[type] : kNone;
}

}  // namespace

int32_t cGame::easeValue(int32_t type, int32_t t) {
  return Eval(Pick(kEase, type), t);
}

int32_t cGame::easeValueAlt(int32_t type, int32_t t) {
  return Eval(Pick(kEaseAlt, type), t);
}
