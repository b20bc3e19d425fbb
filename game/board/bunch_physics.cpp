// Bunch physics: a roped bunch swings under gravity, is pulled back and turned by its rope and
// damped in whole 100 ms steps; shots and other bunches make bunches spin or push apart; and
// the tests of where a bunch may place a cell. Spin stays within -46080..46080 (180 degrees
// per second in 8.8) after every operation here. Centres and velocities are 16.16 pixels (per
// second), angles and spins 8.8 degrees (per second), directions 256 steps per turn.
#include <algorithm>
#include <cmath>

#include "game/board/actor.h"
#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"

namespace {

constexpr int64_t kGravity = 19660800;  // 300 px/s^2
constexpr int64_t kRopePull = 80;       // per pixel of stretch per second
constexpr int64_t kTurnPull = 180;
constexpr int32_t kDampingStep = 100;  // ms
constexpr int32_t kSpinLimit = 46080;
constexpr int32_t kQuarterTurn = 64;  // of the 256-step circle
constexpr int32_t kHalfTurn = 128;
constexpr int32_t kTurn = 256;
constexpr int32_t kFullAngle = 360 << 8;   // 8.8 degrees
constexpr int32_t kHalfColumn = 0x128000;  // 18.5 px
constexpr int32_t kRowHeight = 33 << 16;
constexpr int32_t kRim = 18;    // a bubble's radius in pixels
constexpr int32_t kReach = 36;  // a bubble's width: the margin round another bunch's box
constexpr int32_t kScreenBottom = 800;
constexpr int64_t kScreenDiagonal2 = 480 * 480 + 800 * 800;
constexpr int32_t kHitTurnScale = 57600;

int32_t ClampSpin(int64_t spin) {
  return static_cast<int32_t>(std::clamp<int64_t>(spin, -kSpinLimit, kSpinLimit));
}

// A difference of two directions brought into -128..128 by one turn either way.
int32_t WrapTurn(int32_t d) {
  if (d > kHalfTurn) return d - kTurn;
  if (d < -kHalfTurn) return d + kTurn;
  return d;
}

// The whole-pixel floor of the square root: the rope's length in pixels.
int64_t IntegerSqrt(int64_t v) {
  if (v <= 0) return 0;
  int64_t r = static_cast<int64_t>(std::sqrt(static_cast<double>(v)));
  while (r * r > v) r--;
  while ((r + 1) * (r + 1) <= v) r++;
  return r;
}

// The unturned offset of cell (col, row) from its bunch's centre, 16.16, in 64 bits.
int64_t CellOffsetX(int32_t col, int32_t row) {
  return (2 * int64_t{col} + row) * kHalfColumn;
}
int64_t CellOffsetY(int32_t row) {
  return -int64_t{row} * kRowHeight;
}

Bubble* Member(cGame_CBubbleBunch* bunch, int32_t i) {
  return static_cast<Bubble*>(bunch->bubbles->elements()[i]);
}

}  // namespace

// ---- The swing ----------------------------------------------------------------------------

// Every product with the frame time is formed in 64 bits and narrowed once, so a long frame
// (up to the 1000 ms the clock allows) neither wraps the gravity nor the pulls; where the
// 32-bit product fits the result is the same. The pull needs a positive distance: a bunch
// sitting on its anchor has no direction to be pulled in.
void cGame::updateBunchSwing(int32_t b) {
  cGame_CBubbleBunch* bunch = getBunch(b);
  if (!NullCheck(bunch)) return;
  const int64_t dt = Statics<GameStatics>()->cGame_frameTime;
  bunch->centreX += static_cast<int32_t>(bunch->vx * dt / 1000);
  bunch->centreY += static_cast<int32_t>(bunch->vy * dt / 1000);
  bunch->angle += static_cast<int32_t>(bunch->spin * dt / 1000);
  bunch->vy += static_cast<int32_t>(kGravity * dt / 1000);

  int32_t anchorX = 0, anchorY = 0;
  if (NullCheck(bunch->anchor)) {
    anchorX = bunch->anchor->x;
    anchorY = bunch->anchor->y;
  }
  const int64_t dx = int64_t{bunch->centreX >> 16} - anchorX;
  const int64_t dy = int64_t{bunch->centreY >> 16} - anchorY;
  const int64_t dist = IntegerSqrt(dx * dx + dy * dy);
  const int64_t stretch = dist - bunch->ropeLength;
  bunch->stretch = static_cast<int32_t>(stretch);
  if (stretch > 0 && dist > 0) {
    const int64_t ux = (dx << 16) / dist;
    const int64_t uy = (dy << 16) / dist;
    bunch->vx -= static_cast<int32_t>(stretch * ux * kRopePull / 1000 * dt);
    bunch->vy -= static_cast<int32_t>(stretch * uy * kRopePull / 1000 * dt);
    const int32_t rope = fixAtan2(static_cast<int32_t>(dx), static_cast<int32_t>(dy));
    const int32_t facing = bunch->angle / 360;
    const int32_t d = WrapTurn(rope - kQuarterTurn - facing);
    bunch->spin += static_cast<int32_t>(stretch * d * dt * kTurnPull / 1000);
  }

  bunch->timer += static_cast<int32_t>(dt);
  while (bunch->timer > kDampingStep) {
    bunch->spin = static_cast<int32_t>(int64_t{bunch->spin} * 90 / 100);
    bunch->vx = static_cast<int32_t>(int64_t{bunch->vx} * 95 / 100);
    bunch->vy = static_cast<int32_t>(int64_t{bunch->vy} * 95 / 100);
    bunch->timer -= kDampingStep;
  }
  bunch->spin = ClampSpin(bunch->spin);
}

// ---- Shots and other bunches --------------------------------------------------------------

void cGame::applyHitToBunch(int32_t b, int32_t x, int32_t y, int32_t vx, int32_t vy) {
  cGame_CBubbleBunch* bunch = getBunch(b);
  if (!NullCheck(bunch)) return;
  if (bunch->type == 9) {
    bunch->spin = ClampSpin(bunch->spin - int64_t{vx >> 8} * 3 / 8);
    return;
  }
  if (bunch->type != 8 && bunch->type != 11) return;
  const int32_t ox = x - bunch->centreX, oy = y - bunch->centreY;
  const int32_t a1 = fixAtan2(ox, oy);
  const int32_t a2 = fixAtan2(ox + vx / 16, oy + vy / 16);
  const int64_t k = int64_t{WrapTurn(a2 - a1)} * kHitTurnScale / kScreenDiagonal2;
  const int64_t rx = ox >> 16, ry = oy >> 16;
  bunch->spin = ClampSpin(bunch->spin + (ry * ry + rx * rx) * k);
  if (bunch->type == 11) {
    bunch->vx += static_cast<int32_t>(int64_t{vx} * 3 / 8);
    bunch->vy += static_cast<int32_t>(int64_t{vy} * 3 / 8);
  }
}

// The spin exchange divides by both member counts: with an empty bunch (or one too full for
// the inverse masses to add up) it changes nothing.
void cGame::resolveBunchCollision(int32_t a, int32_t b, int32_t px, int32_t py) {
  cGame_CBubbleBunch* first = getBunch(a);
  cGame_CBubbleBunch* second = getBunch(b);
  if (!NullCheck(first) || !NullCheck(second)) return;
  if (first->type != 9) {
    if (first->type == 5 || second->type == 5) return;
    pushBunch(a, px, py);
    pushBunch(b, -px, -py);
    return;
  }
  const int64_t ds = int64_t{first->spin} - second->spin;
  const bool closing =
      (ds < 0 && first->centreX < second->centreX) || (ds >= 1 && first->centreX > second->centreX);
  if (!closing || first->count < 1 || second->count < 1) return;
  const int64_t ia = 256 / first->count, ib = 256 / second->count;
  if (ia + ib == 0) return;
  const int64_t m = -((512 * ds + 128) >> 8);
  const int64_t j = ((m * 512) / (ia + ib) + 1) >> 1;
  first->spin = ClampSpin(first->spin + j / first->count);
  second->spin = ClampSpin(second->spin - j / second->count);
}

// ---- Where a bunch may go -----------------------------------------------------------------

// The members' cells are turned by the trial angle: the bunch's angle is set to it for the
// turn and put back, as are sin and cos.
// Departure: the cells turn by the trial angle even when the bunch stands at angle 0, where the
// cell turn alone would leave them unturned and let the first turn from rest into a wall.
void cGame::extentsAtAngle(int32_t b, int32_t a) {
  cGame_CBubbleBunch* bunch = getBunch(b);
  if (!NullCheck(bunch)) return;
  if (a < 0) {
    a += kFullAngle;
  } else if (a >= kFullAngle) {
    a -= kFullAngle;
  }
  const int32_t t = a / 360;
  const int32_t oldAngle = bunch->angle, oldSin = bunch->sin, oldCos = bunch->cos;
  bunch->angle = a;
  bunch->sin = fixCos(kQuarterTurn - t);
  bunch->cos = fixCos(t);
  bunch->minX = bunch->maxX = bunch->minY = bunch->maxY = 0;
  GameStatics* s = Statics<GameStatics>();
  for (int32_t i = bunchMemberCount(bunch) - 1; i >= 0; i--) {
    Bubble* bubble = Member(bunch, i);
    if (!bubble) continue;
    Bubble::cellPosition(bunch, bubble->col, bubble->row, true, false);
    const int32_t dx = s->Bubble_cellX, dy = s->Bubble_cellY;
    if (dx < bunch->minX) {
      bunch->minX = dx;
    } else if (dx > bunch->maxX) {
      bunch->maxX = dx;
    }
    if (dy < bunch->minY) {
      bunch->minY = dy;
    } else if (dy > bunch->maxY) {
      bunch->maxY = dy;
    }
  }
  bunch->angle = oldAngle;
  bunch->sin = oldSin;
  bunch->cos = oldCos;
}

bool cGame::isCellInPlayArea(int32_t b, int32_t col, int32_t row) {
  cGame_CBubbleBunch* bunch = getBunch(b);
  if (!NullCheck(bunch)) return false;
  GameStatics* s = Statics<GameStatics>();
  const int64_t x = bunch->centreX + CellOffsetX(col, row);
  const int64_t y = bunch->centreY + CellOffsetY(row);
  const int64_t top = (int64_t{s->cGame_playTop} + kRim) << 16;
  const int64_t bottom = int64_t{kScreenBottom - kRim} << 16;
  return s->cGame_playLeft <= x && x <= s->cGame_playRight && top <= y && y <= bottom;
}

// Another bunch is looked at only when the cell lies within its extents grown by a bubble's
// width; then each of its members' 36 px squares is tested against the cell's.
bool cGame::isCellClearOfOtherBunches(int32_t b, int32_t col, int32_t row) {
  cGame_CBubbleBunch* bunch = getBunch(b);
  if (!NullCheck(bunch)) return true;
  const int32_t cx = static_cast<int32_t>((bunch->centreX + CellOffsetX(col, row)) >> 16);
  const int32_t cy = static_cast<int32_t>((bunch->centreY + CellOffsetY(row)) >> 16);
  for (int32_t o = 0; o < cGame_CBubbleBunch::kSlots; o++) {
    cGame_CBubbleBunch* other = getBunch(o);
    if (o == b || !other || other->count < 1) continue;
    const int64_t left = ((int64_t{other->centreX} + other->minX) >> 16) - kReach;
    const int64_t right = ((int64_t{other->centreX} + other->maxX) >> 16) + kReach;
    const int64_t top = ((int64_t{other->centreY} + other->minY) >> 16) - kReach;
    const int64_t bottom = ((int64_t{other->centreY} + other->maxY) >> 16) + kReach;
    if (cx < left || cx > right || cy < top || cy > bottom) continue;
    for (int32_t i = 0; i < bunchMemberCount(other); i++) {
      Bubble* m = Member(other, i);
      if (m && rectsOverlap(m->pixelX - kRim, m->pixelX + kRim, m->pixelY - kRim, m->pixelY + kRim,
                            cx - kRim, cx + kRim, cy - kRim, cy + kRim)) {
        return false;
      }
    }
  }
  return true;
}
