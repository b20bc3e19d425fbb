// The boss's picture of one bunch: the cell colour map of the chain boss's type-8 bunch and the
// searches over it (the chain's predecessor, the nearest bubble, the closest open cell, a free
// cell on a ring of bunch 0), and the release of the current boss's board state. A map read
// outside the map gives -1, as an empty cell does.
#include <algorithm>
#include <cstdlib>

#include "game/board/actor.h"
#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/board/hex_ring.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"

namespace {

constexpr int32_t kChainType = 8;
constexpr int32_t kTieBand = 5184;  // 72 px squared: distances this close count as equal
constexpr int32_t kEmitters = 6;
constexpr int32_t kBossKindChain = 1;
constexpr int32_t kBossKindEmitters = 3;

Bubble* Member(cGame_CBubbleBunch* bunch, int32_t i) {
  return static_cast<Bubble*>(bunch->bubbles->elements()[i]);
}

// The larger screen side squared: the start bound of the nearest searches.
int32_t ScreenBound() {
  GameStatics* s = Statics<GameStatics>();
  const int32_t side = std::max(s->cGame_screenWidth(), s->cGame_screenHeight());
  return side * side;
}

int32_t Squared(int32_t dx, int32_t dy) {
  const int64_t d = static_cast<int64_t>(dx) * dx + static_cast<int64_t>(dy) * dy;
  return static_cast<int32_t>(std::min<int64_t>(d, INT32_MAX));
}

}  // namespace

// ---- The cell map ---------------------------------------------------------------------------

void cGame::buildCellColourMap() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_chainBunch = -1;
  s->cGame_bossCol = s->cGame_bossRow = 0;
  s->cGame_pathNextCol = s->cGame_pathNextRow = 0;
  s->cGame_openCol = s->cGame_openRow = 0;
  for (int32_t b = 0; b < cGame_CBubbleBunch::kSlots; b++) {
    cGame_CBubbleBunch* bunch = getBunch(b);
    if (bunch && bunch->inUse && bunch->type == kChainType && bunch->core) {
      s->cGame_chainBunch = b;
      break;
    }
  }
  cGame_CBubbleBunch* chain = getBunch(s->cGame_chainBunch);
  if (!chain) return;
  int32_t minCol = 0, maxCol = 0, minRow = 0, maxRow = 0;
  const int32_t n = bunchMemberCount(chain);
  for (int32_t i = 0; i < n; i++) {
    Bubble* bubble = Member(chain, i);
    if (!bubble) continue;
    minCol = std::min(minCol, bubble->col), maxCol = std::max(maxCol, bubble->col);
    minRow = std::min(minRow, bubble->row), maxRow = std::max(maxRow, bubble->row);
  }
  const int32_t columns = maxCol - minCol + 1;
  const int32_t rows = maxRow - minRow + 1;
  ObjectArray* map = NewObjectArray(cid::IntArray, columns);
  if (!map) return;
  for (int32_t i = 0; i < columns; i++) {
    IntArray* column = NewIntArray(rows);
    if (!column) return;
    std::fill_n(column->elements(), rows, -1);
    map->elements()[i] = column;
  }
  s->cGame_cellColourMap = map;
  s->cGame_mapOriginCol = -minCol;
  s->cGame_mapOriginRow = -minRow;
  for (int32_t i = 0; i < n; i++) {
    Bubble* bubble = Member(chain, i);
    if (!bubble) continue;
    auto* column = static_cast<IntArray*>(map->elements()[bubble->col - minCol]);
    column->elements()[bubble->row - minRow] = bubble->colour;
  }
}

int32_t cGame::cellMapAt(int32_t col, int32_t row) {
  GameStatics* s = Statics<GameStatics>();
  ObjectArray* map = s->cGame_cellColourMap;
  const int32_t i = col + s->cGame_mapOriginCol;
  const int32_t j = row + s->cGame_mapOriginRow;
  if (!map || i < 0 || i >= map->length) return -1;
  auto* column = static_cast<IntArray*>(map->elements()[i]);
  if (!column || j < 0 || j >= column->length) return -1;
  return column->elements()[j];
}

// ---- Searches on the chain bunch ------------------------------------------------------------

bool cGame::isTargetCellOccupied() {
  GameStatics* s = Statics<GameStatics>();
  return findBubbleInBunch(s->cGame_chainBunch, s->cGame_aimCol, s->cGame_aimRow) != nullptr;
}

// The bubble of the chain whose successor sits on the boss's cell gives the next path cell;
// the walk stops after the pool's size, so a chain that closes a loop still ends.
void cGame::findChainPredecessor() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_pathNextCol = s->cGame_bossCol;
  s->cGame_pathNextRow = s->cGame_bossRow;
  Bubble* current = s->cGame_chainHead;
  for (int32_t steps = 0; current && steps < Bubble::kPoolSize; steps++) {
    Bubble* next = current->chainNext;
    if (next && next->col == s->cGame_bossCol && next->row == s->cGame_bossRow) {
      s->cGame_pathNextCol = current->col;
      s->cGame_pathNextRow = current->row;
    }
    current = next;
  }
}

void cGame::findNearestBubble() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_aimCol = s->cGame_aimRow = 0;
  cGame_CBubbleBunch* chain = getBunch(s->cGame_chainBunch);
  cActor* boss = s->cGame_bossActor;
  if (!chain || !boss) return;
  int32_t best = ScreenBound();
  for (int32_t i = 0; i < bunchMemberCount(chain); i++) {
    Bubble* bubble = Member(chain, i);
    if (!bubble || (bubble->flags & Bubble::kDead)) continue;
    const int32_t d = Squared((bubble->x >> 16) - boss->x, (bubble->y >> 16) - boss->y);
    if (d < best) best = d, s->cGame_aimCol = bubble->col, s->cGame_aimRow = bubble->row;
  }
}

// Cells the map remembers, now empty and beside a bubble: the closest to the bunch's centre;
// within the tie band the higher one wins.
void cGame::findClosestOpenCell() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_openCol = s->cGame_openRow = 0;
  const int32_t b = s->cGame_chainBunch;
  cGame_CBubbleBunch* chain = getBunch(b);
  ObjectArray* map = s->cGame_cellColourMap;
  if (!chain || !map) return;
  const int32_t refX = chain->centreX >> 16;
  const int32_t refY = chain->centreY >> 16;
  int64_t best = ScreenBound();
  int32_t bestY = 0;
  for (int32_t i = 0; i < map->length; i++) {
    auto* column = static_cast<IntArray*>(map->elements()[i]);
    for (int32_t j = 0; column && j < column->length; j++) {
      if (column->elements()[j] == -1) continue;
      const int32_t col = i - s->cGame_mapOriginCol;
      const int32_t row = j - s->cGame_mapOriginRow;
      if (findBubbleInBunch(b, col, row) || !nearestOccupiedNeighbour(b, col, row)) continue;
      Bubble::cellPosition(chain, col, row, true, true);
      const int32_t x = s->Bubble_cellX >> 16;
      const int32_t y = s->Bubble_cellY >> 16;
      const int64_t d = Squared(x - refX, y - refY);
      if (d < best - kTieBand || (d < best + kTieBand && y < bestY)) {
        best = d, bestY = y, s->cGame_openCol = col, s->cGame_openRow = row;
      }
    }
  }
}

// ---- Rings around bunch 0 -------------------------------------------------------------------

bool cGame::findFreeCellOnRing(int32_t radius) {
  GameStatics* s = Statics<GameStatics>();
  return hex_ring::ForEachCell(radius, [s](int32_t col, int32_t row) {
    if (findBubbleInBunch(0, col, row)) return true;
    s->cGame_ringCol = col, s->cGame_ringRow = row;
    return false;
  });
}

bool cGame::findFreeCellNearCentre() {
  GameStatics* s = Statics<GameStatics>();
  if (!findFreeCellOnRing(2) && !findFreeCellOnRing(5)) return false;
  s->cGame_feedCol = s->cGame_ringCol;
  s->cGame_feedRow = s->cGame_ringRow;
  return true;
}

// ---- The boss's release ---------------------------------------------------------------------

void cGame::clearBossTargets() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_feedCol = s->cGame_feedRow = s->cGame_feedSpare = 0;
}

void cGame::stopBossEmitters() {
  GameStatics* s = Statics<GameStatics>();
  IntArray* emitters = s->cGame_weakPointEmitters;
  for (int32_t i = 0; emitters && i < std::min(emitters->length, kEmitters); i++) {
    if (emitters->elements()[i] >= 0) killEmitterParticles(emitters->elements()[i]);
  }
  if (s->cGame_feeder >= 0) killEmitterParticles(s->cGame_feeder);
  s->cGame_weakPointEmitters = nullptr;
}

void cGame::releaseBoss() {
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_bossKind == -1) return;
  cActor::release(s->cGame_bossActor);
  s->cGame_bossActor = nullptr;
  switch (s->cGame_bossKind) {
    case 0:
    case 4:
      releaseThrowActor();
      break;
    case kBossKindChain:
      s->cGame_cellColourMap = nullptr;
      clearBossTargets();
      break;
    case 2:
    case 5:
      s->cGame_columnProfile = nullptr;
      break;
    case kBossKindEmitters:
      stopBossEmitters();
      break;
    default:
      break;  // the device fetched three diagnostic strings here and showed none
  }
  s->cGame_bossKind = -1;
}

void cGame::paintBossAim() {
  if (Statics<GameStatics>()->cGame_bossKind == kBossKindChain) paintAimLine();
}
