// The bunch table: ten reusable bunch slots made once, the board's start and end for a level,
// and the operations over the table (free slot, counts, member lists, centre, extents, cell
// lookups and the handle hit test). A slot is live while its inUse is set; its members are
// entries 0 .. count - 1 of its bubbles.
#include <algorithm>
#include <cstdlib>

#include "game/board/actor_support.h"
#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"

using actor_support::SpriteInSlot;

namespace {

constexpr int32_t kBunchSpriteSlot = 23;
constexpr int32_t kBubbleSpriteSlot = 25;
constexpr int32_t kWallHitSpriteSlot = 38;
constexpr int32_t kChangeSpriteSlot = 39;
constexpr int32_t kMadeDuration = 1000;  // ms: cfgDuration of a new bunch
constexpr int32_t kScratchLength = 3;
constexpr int32_t kTemplates = 7;
constexpr int32_t kTemplateCells = 20;
constexpr int32_t kHandleRise = 80 << 16;  // handles hang 80 px above the centre
constexpr int32_t kColumn = 37 << 16;
constexpr int32_t kHandleReach = 40 << 16;  // Manhattan: a hit is closer than this

cGame_CBubbleBunch* Slot(ObjectArray* table, int32_t b) {
  return static_cast<cGame_CBubbleBunch*>(table->elements()[b]);
}

// A table of rows x columns: ObjectArray of rows made by makeRow.
template <class MakeRow>
ObjectArray* Rows(int32_t classId, int32_t rows, MakeRow makeRow) {
  ObjectArray* table = NewObjectArray(classId, rows);
  for (int32_t r = 0; r < rows; r++) {
    Object* row = makeRow();
    if (Object** slot = ObjectArray::slot(table, r, "cGame::initBoardTables")) *slot = row;
  }
  return table;
}

}  // namespace

// ---- The table ----------------------------------------------------------------------------

void cGame::initBoardTables() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_bunches = NewObjectArray(cid::cGame_CBubbleBunch, cGame_CBubbleBunch::kSlots);
  s->cGame_bunchClearedAnchors = NewObjectArray(cid::cActor, cGame_CBubbleBunch::kSlots);
  s->cGame_bunchScratch = NewIntArray(kScratchLength);
  s->cGame_bunchTemplateSize = NewIntArray(kTemplates);
  auto bytes = [] { return NewByteArray(kTemplateCells); };
  s->cGame_bunchTemplateCol = Rows(cid::ByteArray, kTemplates, bytes);
  s->cGame_bunchTemplateRow = Rows(cid::ByteArray, kTemplates, bytes);
  s->cGame_bunchTemplateKind = Rows(cid::ByteArray, kTemplates, bytes);
  s->cGame_bunchTemplateFlags =
      Rows(cid::IntArray, kTemplates, [] { return NewIntArray(kTemplateCells); });
  initBoardMotionState();
}

cGame_CBubbleBunch* cGame::getBunch(int32_t b) {
  ObjectArray* table = Statics<GameStatics>()->cGame_bunches;
  if (!table || b < 0 || b >= table->length) return nullptr;
  return Slot(table, b);
}

void cGame::createBunches() {
  GameStatics* s = Statics<GameStatics>();
  ObjectArray* table = s->cGame_bunches;
  if (!NullCheck(table)) return;
  for (int32_t b = 0; b < table->length; b++) {
    if (Slot(table, b)) continue;
    auto* bunch = NewObject<cGame_CBubbleBunch>();
    if (!bunch) continue;
    table->elements()[b] = bunch;
    bunch->cfgDuration = kMadeDuration;
    bunch->colourA = 0;
    bunch->colourB = 1;
    bunch->facing = 0;
    bunch->bubbles = NewObjectArray(cid::Bubble, cGame_CBubbleBunch::kMaxMembers);
  }
  clearAllBunches();
  s->cGame_bunchSprite = SpriteInSlot(kBunchSpriteSlot);
}

// Each shot-loss count is per board, so the trigger rules count a new level from 0.
void cGame::startBoard() {
  GameStatics* s = Statics<GameStatics>();
  Bubble::fillPool();
  s->Bubble_popAnimCount = 0;
  s->Bubble_shotLost = 0;
  s->Bubble_lostShotCount = 0;
  s->Bubble_bubblesChanged = 0;
  s->cGame_boardChanged = 0;
  Bubble::clearGrid();
  createBunches();
  s->cGame_bubbleSprite = SpriteInSlot(kBubbleSpriteSlot);
  s->cGame_wallHitSprite = SpriteInSlot(kWallHitSpriteSlot);
  s->cGame_changeSprite = SpriteInSlot(kChangeSpriteSlot);
}

void cGame::resetBoard() {
  GameStatics* s = Statics<GameStatics>();
  Bubble::resetPool();
  s->cGame_bunchSprite = nullptr;
  if (s->cGame_levelType == 3) clearSceneryCounters();
  releaseHudMeterActors();
  releaseLevelObjects();
  resetBoardColours();
}

void cGame::clearAllBunches() {
  GameStatics* s = Statics<GameStatics>();
  for (int32_t b = 0; b < cGame_CBubbleBunch::kSlots; b++) clearBunch(b, true);
  if (ObjectArray* anchors = s->cGame_bunchClearedAnchors) {
    std::fill_n(anchors->elements(), anchors->length, nullptr);
  }
  if (IntArray* scratch = s->cGame_bunchScratch) {
    std::fill_n(scratch->elements(), scratch->length, 0);
  }
  s->cGame_bunchBubbleTotal = 0;
}

int32_t cGame::findFreeBunchSlot() {
  for (int32_t b = 0; b < cGame_CBubbleBunch::kSlots; b++) {
    cGame_CBubbleBunch* bunch = getBunch(b);
    if (bunch && !bunch->inUse) return b;
  }
  return -1;
}

// Without all, the carrier (type 5) and the lock (type 7) are not counted.
int32_t cGame::countBunches(bool all) {
  int32_t n = 0;
  for (int32_t b = 0; b < cGame_CBubbleBunch::kSlots; b++) {
    cGame_CBubbleBunch* bunch = getBunch(b);
    if (!bunch || bunch->count <= 0) continue;
    if (!all && (bunch->type == 5 || bunch->type == 7)) continue;
    n++;
  }
  return n;
}

// ---- One bunch ----------------------------------------------------------------------------

void cGame::removeBunchBubbles(int32_t b) {
  cGame_CBubbleBunch* bunch = getBunch(b);
  if (!NullCheck(bunch)) return;
  Statics<GameStatics>()->cGame_bunchBubbleTotal -= bunch->count;
  if (bunch->bubbles) std::fill_n(bunch->bubbles->elements(), bunch->bubbles->length, nullptr);
  bunch->count = 0;
  bunch->core = nullptr;
  bunch->indestructibleCount = bunch->attachedTotal = bunch->landedCount = 0;
  bunch->minX = bunch->maxX = bunch->minY = bunch->maxY = 0;
}

void cGame::setBunchCentre(int32_t b, int32_t x, int32_t y) {
  cGame_CBubbleBunch* bunch = getBunch(b);
  if (!NullCheck(bunch)) return;
  bunch->centreX = bunch->restX = x;
  bunch->centreY = bunch->restY = y;
}

// Members are taken last to first; a new low is not also tested as a new high.
void cGame::updateBunchExtents() {
  for (int32_t b = 0; b < cGame_CBubbleBunch::kSlots; b++) {
    cGame_CBubbleBunch* bunch = getBunch(b);
    if (!bunch) continue;
    bunch->minX = bunch->maxX = bunch->minY = bunch->maxY = 0;
    for (int32_t i = bunchMemberCount(bunch) - 1; i >= 0; i--) {
      auto* bubble = static_cast<Bubble*>(bunch->bubbles->elements()[i]);
      if (!bubble) continue;
      const int32_t dx = bubble->x - bunch->centreX;
      const int32_t dy = bubble->y - bunch->centreY;
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
  }
}

int32_t cGame::bunchMemberCount(cGame_CBubbleBunch* bunch) {
  if (!bunch || !bunch->bubbles) return 0;
  return std::clamp<int32_t>(bunch->count, 0, bunch->bubbles->length);
}

Bubble* cGame::findBubbleInBunch(int32_t b, int32_t col, int32_t row) {
  cGame_CBubbleBunch* bunch = getBunch(b);
  for (int32_t i = 0; i < bunchMemberCount(bunch); i++) {
    auto* bubble = static_cast<Bubble*>(bunch->bubbles->elements()[i]);
    if (bubble && bubble->col == col && bubble->row == row) return bubble;
  }
  return nullptr;
}

bool cGame::rectsOverlap(int32_t l1, int32_t r1, int32_t t1, int32_t b1, int32_t l2, int32_t r2,
                         int32_t t2, int32_t b2) {
  return r1 >= l2 && l1 <= r2 && b1 >= t2 && t1 <= b2;
}

// Handles hang 80 px above the centre of a type-0 bunch: the main one over the centre, side
// handle k handles[k] columns across. Side handles are read below both handleCount and the
// length of handles.
bool cGame::hitTestBunches(int32_t x, int32_t y) {
  GameStatics* s = Statics<GameStatics>();
  auto near = [&](int64_t hx, int64_t hy) {
    return std::llabs(hx - x) + std::llabs(hy - y) < kHandleReach;
  };
  for (int32_t b = 0; b < cGame_CBubbleBunch::kSlots; b++) {
    cGame_CBubbleBunch* bunch = getBunch(b);
    if (!bunch || bunch->count < 1 || bunch->type != 0) continue;
    const int64_t handleY = int64_t{bunch->centreY} - kHandleRise;
    int32_t hit = near(bunch->centreX, handleY) ? -1 : -2;
    const int32_t sides = bunch->handles ? std::min(bunch->handleCount, bunch->handles->length) : 0;
    for (int32_t k = 0; hit == -2 && k < sides; k++) {
      if (near(bunch->centreX + int64_t{bunch->handles->elements()[k]} * kColumn, handleY)) {
        hit = k;
      }
    }
    if (hit == -2) continue;
    s->cGame_hitBunch = b;
    s->cGame_hitHandle = hit;
    return true;
  }
  return false;
}
