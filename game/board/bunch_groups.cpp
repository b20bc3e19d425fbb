// Whole groups of bubbles moving between bunches: a bunch built from a template, the part of
// a bunch that hangs on a handle of its own split off into a free slot, and one bunch merged
// into another by whole cells. Every bubble goes through attachBubbleToBunch.
#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kHalfRow = 0x108000;  // 16.5 px
constexpr int32_t kRow = 33 << 16;
constexpr int32_t kHalfColumn = 0x128000;  // 18.5 px
constexpr int32_t kColumn = 37 << 16;
constexpr int32_t kRevealSteps = 9;

int32_t TemplateValue(ObjectArray* table, int32_t t, int32_t k) {
  Object** row = ObjectArray::slot(table, t, "cGame::buildBunchFromTemplate");
  if (!row || !*row) return 0;
  Array* cells = Array::ofObject(*row);
  if (!cells || k < 0 || k >= cells->length) return 0;
  if (cells->classId == cid::ByteArray) return ByteArray::get(static_cast<ByteArray*>(cells), k);
  return IntArray::get(static_cast<IntArray*>(cells), k);
}

Bubble* Member(cGame_CBubbleBunch* bunch, int32_t i) {
  return static_cast<Bubble*>(bunch->bubbles->elements()[i]);
}

// The member at i leaves the list: the last one takes its place.
void DropMember(cGame_CBubbleBunch* bunch, int32_t i) {
  const int32_t last = bunch->count - 1;
  bunch->bubbles->elements()[i] = bunch->bubbles->elements()[last];
  bunch->bubbles->elements()[last] = nullptr;
  bunch->count = static_cast<int16_t>(last);
}

// Everything joined to start is flagged visited, the flood order starting again.
void FloodFrom(Bubble* start) {
  Bubble::clearVisitedAll();
  Statics<GameStatics>()->cGame_floodSerial = 0;
  cGame::floodCount(start, 0, 0, 0);
}

// (d + half, or d - half when d < 0) / step, truncated toward zero: d in whole steps, half away
// from zero.
int32_t WholeSteps(int32_t d, int32_t half, int32_t step) {
  return (d < 0 ? d - half : d + half) / step;
}

}  // namespace

// A template at or beyond bunchTemplateCount, or a bunch outside 0..9, builds nothing. A
// bubble the exhausted pool cannot give is skipped. The reveal runs from the last cell to the
// first: each cell's change waits (n - k - 1) * 2 frames.
void cGame::buildBunchFromTemplate(int32_t t, int32_t b, int32_t x, int32_t y, int32_t type,
                                   int32_t appearance) {
  GameStatics* s = Statics<GameStatics>();
  cGame_CBubbleBunch* bunch = getBunch(b);
  if (!bunch || t < 0 || t >= s->cGame_bunchTemplateCount) {
    DebugLog("cGame::buildBunchFromTemplate: no template %d for bunch %d", t, b);
    return;
  }
  bunch->type = type;
  bunch->partner = -1;
  bunch->colourA = bunch->colourB = bunch->cfgDuration = bunch->facing = 0;
  setBunchCentre(b, x, y);
  const int32_t n = IntArray::get(s->cGame_bunchTemplateSize, t);
  for (int32_t k = 0; k < n; k++) {
    Bubble* bubble = Bubble::allocate();
    if (!bubble) continue;
    if (k == 0) {
      bubble->flags |= Bubble::kKey;
      bubble->x = x;
      bubble->y = y;
    }
    bubble->colour = TemplateValue(s->cGame_bunchTemplateKind, t, k);
    bubble->flags |= TemplateValue(s->cGame_bunchTemplateFlags, t, k);
    attachBubbleToBunch(bubble, b, TemplateValue(s->cGame_bunchTemplateCol, t, k),
                        TemplateValue(s->cGame_bunchTemplateRow, t, k));
    bubble->flags |= Bubble::kClearedOnCopy;
    bubble->syncPixelPosition();
    bubble->updateGridCell();
    if (appearance == -1) continue;
    bubble->appearance = appearance;
    const int32_t delay = (n - k - 1) * 2;
    if (bubble->parent) {
      bubble->parent->startAppearanceChange(delay);
    } else {
      bubble->changeSteps = kRevealSteps;
      bubble->targetAppearance = appearance;
      bubble->changeDelay = delay;
      s->Bubble_bubblesChanged = 1;
    }
  }
  linkAnchors(b);
  bunch->attachedTotal = bunch->landedCount = 0;
  bunch->prevCount = bunch->count;
}

// With no free slot nothing changes: the test comes before the chosen bubble loses its flag
// and its handle.
void cGame::splitOffAnchoredPart(int32_t b) {
  GameStatics* s = Statics<GameStatics>();
  cGame_CBubbleBunch* old = getBunch(b);
  if (!old || !old->core) return;
  FloodFrom(old->core);
  Bubble* chosen = nullptr;
  for (int32_t i = bunchMemberCount(old) - 1; i >= 0 && !chosen; i--) {
    Bubble* bubble = Member(old, i);
    if (bubble && bubble->bunch == b && !(bubble->flags & Bubble::kVisited) &&
        (bubble->flags & Bubble::kAttachment)) {
      chosen = bubble;
    }
  }
  if (!chosen) return;
  const int32_t slot = findFreeBunchSlot();
  if (slot < 0) return;
  chosen->flags &= ~Bubble::kAttachment;
  removeBunchAttachment(chosen, true);
  FloodFrom(chosen);
  cGame_CBubbleBunch* part = getBunch(slot);
  setBunchCentre(slot, chosen->x, chosen->y);
  part->type = old->type;
  part->partner = -1;
  part->colourA = part->colourB = part->cfgDuration = part->facing = 0;
  part->hadHandles = 1;
  const int32_t chosenCol = chosen->col, chosenRow = chosen->row;
  for (int32_t i = bunchMemberCount(old) - 1; i >= 0; i--) {
    Bubble* bubble = Member(old, i);
    if (!bubble || !(bubble->flags & Bubble::kVisited)) continue;
    if (bubble->flags & Bubble::kAttachment) removeBunchAttachment(bubble, true);
    attachBubbleToBunch(bubble, slot, bubble->col - chosenCol, bubble->row - chosenRow);
    if (bubble->isIndestructible()) old->indestructibleCount -= 1;
    DropMember(old, i);
    s->cGame_bunchBubbleTotal -= 1;
  }
  old->prevCount = old->count;
  part->prevCount = part->count;
  nudgeBunch(slot, old->centreX - old->restX, old->centreY - old->restY, 0, 0);
}

// Rows are 33 px apart and each row up moves half a column right, so the offsets are whole
// cells: R rows from the centres' heights, then C columns from what is left across.
void cGame::mergeBunch(int32_t f, int32_t t) {
  GameStatics* s = Statics<GameStatics>();
  cGame_CBubbleBunch* from = getBunch(f);
  cGame_CBubbleBunch* into = getBunch(t);
  if (!from || !into || f == t) return;
  const int32_t dy = into->centreY - from->centreY;
  const int32_t dx = into->centreX - from->centreX;
  const int32_t rows = -WholeSteps(dy, kHalfRow, kRow);
  const int32_t columns = WholeSteps(dx - rows * kHalfColumn, kHalfColumn, kColumn);
  for (int32_t i = bunchMemberCount(from) - 1; i >= 0; i--) {
    Bubble* bubble = Member(from, i);
    if (!bubble) continue;
    bubble->flags &= ~Bubble::kKey;
    bubble->unlinkNeighbours();
    attachBubbleToBunch(bubble, t, bubble->col - columns, bubble->row - rows);
    from->bubbles->elements()[i] = nullptr;
    s->cGame_bunchBubbleTotal -= 1;
  }
  from->count = 0;
  clearBunch(f, true);
  into->prevCount = into->count;
}
