// cGame's 8.8 fixed-point library (256 is 1.0) with its own 256-step angle (a quarter turn is
// 64): rounding, multiply and divide, cosine and tangent from the data pack's cosine table, the
// arc tangent by search and by a table built on first use, square roots from the data pack's
// table, and quadratic Bezier points. No routine allocates but fixAtan2's first call.
#include "engine/math_tables.h"
#include "engine/octant_angle.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/java_arith.h"
#include "runtime/static_class.h"

namespace {

constexpr int32_t kOne = 256;              // fixOne
constexpr int32_t kQuarter = 64;           // fixQuarter
constexpr int32_t kHalf = 128;             // fixHalf
constexpr int32_t kThreeQuarters = 192;    // fixThreeQuarters
constexpr int32_t kTurn = 256;             // fixFull
constexpr int32_t kInfinite = 0x7FFFFFFF;  // the tangent where the cosine is 0

}  // namespace

// ---- Arithmetic ---------------------------------------------------------------------------

int32_t cGame::fixRound(int32_t v) {
  return (v + kOne / 2) >> 8;
}

int32_t cGame::fixMul(int32_t a, int32_t b) {
  return static_cast<int32_t>((static_cast<int64_t>(a) * b + kOne / 2) >> 8);
}

// a / b rounded half up: the quotient with one more bit, plus one, halved. a is shifted in 64
// bits, so an a above 2^22 keeps its high bits.
int32_t cGame::fixDiv(int32_t a, int32_t b) {
  const int64_t doubled = JavaLDiv(static_cast<int64_t>(a) << 9, b);
  return static_cast<int32_t>(doubled + 1) >> 1;
}

bool cGame::sameSign(int32_t a, int32_t b) {
  return (a ^ b) >= 0;
}

// ---- Cosine and tangent -------------------------------------------------------------------

// The magnitude of a is taken without abs(INT_MIN): only its low 8 bits matter.
int32_t cGame::fixCos(int32_t a) {
  const int32_t* table = math_tables::CosineTable("cGame::fixCos");
  if (!table) return 0;
  const uint32_t magnitude = a < 0 ? 0u - static_cast<uint32_t>(a) : static_cast<uint32_t>(a);
  const int32_t i = static_cast<int32_t>(magnitude & (kTurn - 1));
  if (i <= kQuarter) return table[i];
  if (i < kHalf) return -table[kHalf - i];
  if (i <= kThreeQuarters) return -table[i - kHalf];
  return table[kTurn - i];
}

int32_t cGame::fixTan(int32_t a) {
  const int32_t c = fixCos(a);
  if (c == 0) return kInfinite;
  return JavaDiv(fixCos(kQuarter - a) << 8, c);
}

// ---- Arc tangent --------------------------------------------------------------------------

int32_t cGame::fixAtanSearch(int32_t lo, int32_t hi, int64_t t) {
  for (int32_t a = lo; a < hi; a++) {
    if (fixTan(a) <= t && t < fixTan(a + 1)) return a;
  }
  if (lo == kQuarter || hi == kQuarter) return kQuarter;
  if (lo == kThreeQuarters || hi == kThreeQuarters) return kThreeQuarters;
  return 0;
}

// t = 256 y / x, formed in 64 bits so that a long vector gives its true ratio.
int32_t cGame::fixAtanRatio(int32_t x, int32_t y) {
  if (x == 0) return y > 0 ? kQuarter : y < 0 ? kThreeQuarters : 0;
  if (y == 0) return x > 0 ? 0 : kHalf;
  const int64_t t = static_cast<int64_t>(kOne) * y / x;
  if (x > 0) return y > 0 ? fixAtanSearch(0, kQuarter, t) : fixAtanSearch(kThreeQuarters, kTurn, t);
  return y > 0 ? fixAtanSearch(kQuarter, kHalf, t) : fixAtanSearch(kHalf, kThreeQuarters, t);
}

namespace {

// fixAtanTable, built on first use: entry i is the angle whose tangent is i / 256 (0..64).
// Null while the cosine table it is computed from is missing, so no wrong table is kept.
const int32_t* AtanTable() {
  GameStatics* s = Statics<GameStatics>();
  if (!s->cGame_fixAtanTable) {
    if (!math_tables::CosineTable("cGame::fixAtan2")) return nullptr;
    IntArray* table = NewIntArray(kOne + 1);
    if (!table || table->length != kOne + 1) return nullptr;
    for (int32_t i = 0; i <= kOne; i++) table->elements()[i] = cGame::fixAtanRatio(kOne, i);
    s->cGame_fixAtanTable = table;
  }
  return s->cGame_fixAtanTable->elements();
}

}  // namespace

int32_t cGame::fixAtan2(int32_t x, int32_t y) {
  if (x == 0) return y > 0 ? kQuarter : y < 0 ? kThreeQuarters : 0;
  const int32_t* table = AtanTable();
  if (!table) return 0;
  return OctantAngle(table, kOne, kQuarter, x, y);
}

// ---- Square root --------------------------------------------------------------------------

// sqrt of an 8.8 value in 8.8 is 16 sqrt(v). An even shift k brings v into the table's range,
// and S[v >> k] = 256 sqrt(v) / 2^(k/2) is rescaled by 2^(k/2) / 16.
int32_t cGame::fixSqrt(int32_t v) {
  if (v < 0) return 0;
  const int32_t* table = math_tables::SquareRootTable("cGame::fixSqrt");
  if (!table) return 0;
  if (v < 256) return table[v] >> 4;
  int32_t shift = 2;  // v >> shift lies in 64..255
  while (shift < 24 && v >> shift >= 256) shift += 2;
  const int32_t root = table[v >> shift];
  const int32_t scale = shift / 2 - 4;  // -3..8
  return scale < 0 ? root >> -scale : root << scale;
}

// ---- Bezier points ------------------------------------------------------------------------

int32_t cGame::bezierWeighted(int32_t a, int32_t b, int32_t c, int32_t d, int32_t e, int32_t f) {
  return JavaDiv(2 * b * d + a * e + c * f, 65536);
}

void cGame::bezierPoint(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t x2, int32_t y2,
                        int32_t t) {
  GameStatics* s = Statics<GameStatics>();
  const int32_t u = kOne - t;
  s->cGame_bezierX = bezierWeighted(x0, x1, x2, t * u, u * u, t * t);
  s->cGame_bezierY = bezierWeighted(y0, y1, y2, t * u, u * u, t * t);
}
