// cGame's text templates and small numeric helpers: placeholders replaced by arguments,
// linear interpolation in 8.8, cosine and sine offsets in degrees, and a one-in-n chance.
#include <cstdlib>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/random.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/exceptions.h"
#include "runtime/java_arith.h"
#include "runtime/string.h"
#include "runtime/string_buffer.h"

namespace {

constexpr int32_t kFixOne = 256;     // 8.8
constexpr int32_t kFixQuarter = 64;  // a quarter turn of fixCos's 256
constexpr char16_t kPercent = u'%';

// args[n] as a String, or null (appended as "null", as StringBuffer appends a null String);
// a digit past the arguments stands for the empty string.
String* Argument(ObjectArray* args, int32_t n, bool* present) {
  *present = args && n < args->length;
  return *present ? CheckCast<String>(args->elements()[n]) : nullptr;
}

}  // namespace

// ---- Templates ------------------------------------------------------------------------------

// "%s" and a digit N: the percent sign, the letter and the digit give way to args[N]. A
// percent sign without a digit two places on stays in the text. The letter between is not
// checked: the game built a diagnostic for another one and never showed it.
String* cGame::formatString(String* format, ObjectArray* args) {
  if (!NullCheck(format)) return nullptr;
  if (format->indexOf(kPercent, 0) < 0) return format;
  StringBuffer* out = NewObject<StringBuffer>(format->length() + 16);
  if (!out) return format;
  int32_t from = 0, last = 0;
  const int32_t length = format->length();
  for (;;) {
    const int32_t at = format->indexOf(kPercent, from);
    if (at < 0 || at == length - 1) break;
    const int32_t digit = at + 2 < length ? format->characters[at + 2] - u'0' : -1;
    if (digit < 0 || digit > 9) {
      from = at + 1;
      continue;
    }
    out->append(format->substring(last, at));
    bool present = false;
    String* argument = Argument(args, digit, &present);
    if (present) out->append(argument);
    last = from = at + 3;
  }
  out->append(format->substring(last));
  return out->toString();
}

String* cGame::getText(int32_t n) {
  return getString(n);
}

// ---- Numbers --------------------------------------------------------------------------------

int32_t cGame::lerpFixed(int32_t a, int32_t b, int32_t t, int32_t duration) {
  if (t >= duration || duration == 0) return b;
  return a + ((JavaDiv(t << 8, duration) * (b - a) + kFixOne / 2) >> 8);
}

int32_t cGame::addCosineOffset(int32_t base, int32_t amplitude, int32_t degrees) {
  return base + ((fixCos(degrees * 256 / 360) * amplitude + kFixOne / 2) >> 8);
}

int32_t cGame::addSineOffset(int32_t base, int32_t amplitude, int32_t degrees) {
  return base + ((fixCos(kFixQuarter - degrees * 256 / 360) * amplitude + kFixOne / 2) >> 8);
}

// The draw's magnitude is taken in 64 bits, so a draw of -2^31 counts as 2^31.
bool cGame::randomChance(int32_t n) {
  if (n == 0) return true;
  java_util_Random* random = Statics<GameStatics>()->cGame_sharedRandom;
  const int64_t r = NullCheck(random) ? random->nextInt() : 0;
  return std::llabs(r) % n == 0;
}
