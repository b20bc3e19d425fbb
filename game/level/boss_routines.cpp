// The bosses' helper routines: the walking bosses' search for flat ground on the surface
// bunch's column profile and the profile's climb by one hex row, and the ring boss's state
// setter and weak-point test. The profile is rebuilt whenever the bunch's rows change.
#include <cstdint>

#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"

namespace {

constexpr int32_t kGap = -1000;
constexpr int32_t kFlatRun = 5;            // equal columns a jump needs
constexpr int32_t kHalfColumn = 37 << 15;  // 18.5 px in 16.16
constexpr int32_t kRowHeight = 33;         // px

GameStatics* S() {
  return Statics<GameStatics>();
}

}  // namespace

// ---- The walking bosses' ground -----------------------------------------------------------

// Walks from bossColumn in the facing direction to the profile's limit and stops at the first
// five equal, free, non-gap half columns. The jump lands on the fourth of them facing right,
// the middle one facing left. A blocked column counts as a gap: it ends the run before it and
// is no part of the next one.
bool cGame::findFlatColumnRun() {
  GameStatics* s = S();
  const int32_t facing = s->cGame_bossFacing;
  if (facing != 1 && facing != -1) return false;
  int32_t height = kGap, run = 0, start = s->cGame_bossColumn;
  for (int32_t c = s->cGame_bossColumn;; c += facing) {
    if ((facing == 1 && c > s->cGame_profileLast) || (facing == -1 && c < s->cGame_profileFirst)) {
      return false;
    }
    const int32_t value = isColumnUnderType15Bunch(c) ? kGap : columnProfileAt(c);
    if (value != height || value == kGap) {
      height = value;
      run = 0;
      start = c;
    }
    if (value == kGap) continue;
    if (++run < kFlatRun) continue;
    s->cGame_jumpColumn = facing == 1 ? start + 3 : start - 2;
    s->cGame_bossGround = columnProfileAt(s->cGame_jumpColumn);
    return true;
  }
}

// The surface bunch climbs one hex row while its bubbles keep their places on screen: each
// member's row goes up by one (and its column on by one on a shifted row), the centre moves
// half a column against the shift, and everything measured on the profile follows.
void cGame::shiftColumnProfile() {
  GameStatics* s = S();
  const bool shifted = s->cGame_rowParityShift != 0;
  cGame_CBubbleBunch* bunch = getBunch(s->cGame_surfaceBunch);
  for (int32_t k = 0; bunch && k < bunchMemberCount(bunch); k++) {
    auto* bubble = static_cast<Bubble*>(bunch->bubbles->elements()[k]);
    if (!bubble) continue;
    bubble->row -= 1;
    if (shifted) bubble->col += 1;
  }
  if (bunch) {
    const int32_t dx = shifted ? -kHalfColumn : kHalfColumn;
    bunch->centreX += dx;
    bunch->restX += dx;
  }
  const int32_t step = shifted ? 1 : -1;
  s->cGame_bossGround -= 1;
  s->cGame_bossColumn += step;
  s->cGame_jumpColumn += step;
  s->cGame_jumpToY += kRowHeight;
  s->cGame_rowParityShift = shifted ? 0 : 1;
  buildColumnProfile();
}
