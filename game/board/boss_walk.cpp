// The bunch-side services of the bosses that walk on bunches: the nearest occupied neighbour of
// a cell (looked up in the given bunch and placed on the chain boss's bunch, so the two may
// differ; the boss code only ever passes the chain bunch), and the wheel boss's throw let go.
#include "game/board/actor.h"
#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"

namespace {

constexpr int32_t kStartBound = 800 * 800;  // max(480, 800) squared

}  // namespace

// The six cells around (col, row) from (col + 1, row), each the step (k + 2) mod 6 from the
// one before; nearestDirection := the side of the found cell as seen from it.
Bubble* cGame::nearestOccupiedNeighbour(int32_t b, int32_t col, int32_t row) {
  GameStatics* s = Statics<GameStatics>();
  cGame_CBubbleBunch* bunch = getBunch(b);
  cGame_CBubbleBunch* chain = getBunch(s->cGame_chainBunch);
  if (!bunch || !chain) return nullptr;
  const int32_t refX = bunch->centreX >> 16;
  const int32_t refY = bunch->centreY >> 16;
  Bubble* nearest = nullptr;
  int64_t best = kStartBound;
  int32_t c = col + 1, r = row;
  for (int32_t k = 0; k < Bubble::kDirections; k++) {
    Bubble* member = findBubbleInBunch(b, c, r);
    if (member && !(member->flags & Bubble::kDead)) {
      Bubble::cellPosition(chain, c, r, true, true);
      const int64_t dx = (s->Bubble_cellX >> 16) - refX;
      const int64_t dy = (s->Bubble_cellY >> 16) - refY;
      if (dx * dx + dy * dy < best) {
        best = dx * dx + dy * dy;
        nearest = member;
        s->cGame_nearestDirection = (k + 3) % Bubble::kDirections;
      }
    }
    const int32_t d = (k + 2) % Bubble::kDirections;
    c += Bubble::kNeighbourDx[d];
    r += Bubble::kNeighbourDy[d];
  }
  return nearest;
}

// cActor::release passes over an actor that is not in use.
void cGame::releaseThrowActor() {
  GameStatics* s = Statics<GameStatics>();
  cActor::release(s->cGame_throwActor);
  s->cGame_throwTarget = nullptr;
  s->cGame_throwActor = nullptr;
}
