// Hexagonal cells: where cell (col, row) of a bunch lies on the screen, the direction of a
// step between neighbour cells, the neighbour a facing bubble turns toward, and the play
// area's side bounds. Columns are 37 px apart and rows 33 px, each row up shifted half a
// column right; positions are 16.16 pixels.
#include <cstdlib>

#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kHalfColumn = 0x128000;  // 18.5 px
constexpr int32_t kRowUp = -0x210000;      // -33 px: rows grow up the screen
constexpr int32_t kWholePixels = ~0xFFFF;
constexpr int32_t kRimWidth = 18;  // a bubble's radius: its rim stays off the walls

// (a * b + 128) >> 8 in 64 bits: an 8.8 product rounded to the nearest unit.
int64_t Scaled(int64_t a, int64_t b) {
  return (a * b + 128) >> 8;
}

}  // namespace

// ---- Cells --------------------------------------------------------------------------------

// The turn works on 8.8 values (the 16.16 offset >> 8) so the products fit, and comes back
// with << 8; the fraction is then cleared, which drops it toward minus infinity. A null
// bunch reads as one at the origin, unturned.
void Bubble::cellPosition(cGame_CBubbleBunch* bunch, int32_t col, int32_t row, bool turn,
                          bool offset) {
  int32_t x = (2 * col + row) * kHalfColumn;
  int32_t y = row * kRowUp;
  const bool present = NullCheck(bunch);
  if (present && turn && bunch->angle != 0) {
    const int64_t x8 = x >> 8, y8 = y >> 8;
    const int64_t turnedX = Scaled(x8, bunch->cos) - Scaled(y8, bunch->sin);
    const int64_t turnedY = Scaled(y8, bunch->cos) + Scaled(x8, bunch->sin);
    x = static_cast<int32_t>(turnedX) << 8;
    y = static_cast<int32_t>(turnedY) << 8;
  }
  x &= kWholePixels;
  y &= kWholePixels;
  if (present && offset) {
    x += bunch->centreX;
    y += bunch->centreY;
  }
  GameStatics* s = Statics<GameStatics>();
  s->Bubble_cellX = x;
  s->Bubble_cellY = y;
}

// A bunch index outside the table is traced and the bubble left where it is.
void Bubble::updateBunchPosition() {
  if (bunch < 0) return;
  ObjectArray* table = Statics<GameStatics>()->cGame_bunches;
  Object** slot = ObjectArray::slot(table, bunch, "Bubble::updateBunchPosition");
  if (!slot) return;
  cellPosition(static_cast<cGame_CBubbleBunch*>(*slot), col, row, true, true);
  GameStatics* s = Statics<GameStatics>();
  x = s->Bubble_cellX;
  y = s->Bubble_cellY;
  pixelX = x >> 16;
  pixelY = y >> 16;
}

int32_t Bubble::directionIndex(int32_t dx, int32_t dy) {
  if (dx < -1 || dx > 1 || dy < -1 || dy > 1) return -1;
  return kDirectionIndex[dx + 1][dy + 1];
}

// The distance between two directions counts round the shorter way when it is 4 or more; a
// bubble facing no direction (-1) is measured by the same rule.
Bubble* Bubble::neighbourTowardDirection() const {
  if (!NullCheck(neighbours)) return nullptr;
  Bubble* best = nullptr;
  int32_t bestDistance = kDirections;
  for (int32_t k = 0; k < kDirections && k < neighbours->length; k++) {
    Bubble* candidate = static_cast<Bubble*>(neighbours->elements()[k]);
    if (!candidate) continue;
    if (!candidate->isMatchable() && !cGame::isMatchableBubble(candidate->parent)) continue;
    int32_t distance = std::abs(direction - k);
    if (distance >= 4) distance = 6 - distance;
    if (distance < bestDistance) {
      best = candidate;
      bestDistance = distance;
    }
  }
  if (!best) return nullptr;
  return best->parent ? best->parent : best;
}

// ---- The play area ------------------------------------------------------------------------

void cGame::setPlayArea(int32_t leftWall, int32_t rightWall) {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_playMarginLeft = leftWall;
  s->cGame_playMarginRight = rightWall;
  s->cGame_playLeftPx = leftWall + kRimWidth;
  s->cGame_playRightMarginPx = rightWall + kRimWidth;
  s->cGame_playLeft = s->cGame_playLeftPx << 16;
  s->cGame_playRight = (s->cGame_canvasWidth - s->cGame_playRightMarginPx) << 16;
}
