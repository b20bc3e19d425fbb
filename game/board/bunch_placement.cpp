// Bubble placement in bunches: every bubble that comes to rest in a bunch is attached here (a
// taken cell resolved, the member list, links both ways, counters, the core, handles, the
// first attach's decorations, a hub's first ring), and whole groups move between bunches by
// template, split and merge. A member's cell is relative to its bunch's core at (0, 0).
#include <algorithm>

#include "engine/sprite.h"
#include "game/board/actor.h"
#include "game/board/actor_support.h"
#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/trace.h"

using actor_support::SpriteInSlot;

namespace {

constexpr int32_t kHandles = 2;  // a bunch holds at most two side handles
constexpr int32_t kSpokes = 6;
constexpr int32_t kPx = 1 << 16;

// One decoration actor at (x, y) px looping anim (mode 20).
cActor* Decorate(ASprite* sprite, int32_t palette, int32_t x, int32_t y, int32_t anim, int32_t z,
                 int32_t layer) {
  return cGame::spawnActor(sprite, palette, x, y, anim, z, cActor::kModeLoop, layer, 0);
}

cActor* DecorateFromSlot(int32_t slot, int32_t x, int32_t y, int32_t anim, int32_t z,
                         int32_t layer) {
  return Decorate(SpriteInSlot(slot), 0, x, y, anim, z, layer);
}

// The lowest row that any frame of the animation paints, relative to its origin.
int32_t AnimationBottom(ASprite* sprite, int32_t anim) {
  IntArray* box = Statics<GameStatics>()->cGame_rectScratch;
  if (!sprite || !box || box->length < 4) return 0;
  int32_t bottom = 0;
  for (int32_t j = 0; j < sprite->getAFrameCount(anim); j++) {
    sprite->measureAFrame(box, anim, j, 0, 0, 0);
    bottom = j == 0 ? box->elements()[3] : std::max(bottom, box->elements()[3]);
  }
  return bottom;
}

// The type-7 lock: its feeder (upper actor), the lock, its colour panel and the next-bubble
// preview on the panel's rectangle 0, both hidden until the lock opens.
void DecorateLock(int32_t b, cGame_CBubbleBunch* bunch, int32_t x, int32_t y) {
  GameStatics* s = Statics<GameStatics>();
  const int32_t feed = bunch->facing == 1 ? 21 : 22;
  ASprite* lock = SpriteInSlot(44);
  bunch->topActor = Decorate(lock, 0, x, y - AnimationBottom(lock, feed), feed, 200, 1);
  bunch->anchor = Decorate(lock, 0, x, y, bunch->facing == 1 ? 0 : 9, 300, 1);
  bunch->decorations = NewObjectArray(cid::cActor, 2);
  const int32_t panelAnim = x >= s->cGame_canvasWidth / 2 ? 1 : 0;
  cActor* panel = DecorateFromSlot(51, x, y, panelAnim, 399, 1);
  cActor::setVisible(panel, false);
  int32_t rx = 0, ry = 0;
  IntArray* rect = s->cGame_rectScratch;
  if (ASprite* panelSprite = SpriteInSlot(51); panelSprite && rect && rect->length >= 4) {
    panelSprite->getAFrameRect(panelAnim, 0, 0, rect, 0, true);
    rx = rect->elements()[0];
    ry = rect->elements()[1];
  }
  cActor* preview = DecorateFromSlot(25, x + rx, y + ry, cGame::randomColorNotBunch7(b), 400, 1);
  cActor::setVisible(preview, false);
  if (ObjectArray* actors = bunch->decorations) {
    actors->elements()[0] = panel;
    actors->elements()[1] = preview;
  }
}

// The first attach's decoration actors by bunch type, at the bunch centre in whole pixels.
void Decorate(int32_t b, cGame_CBubbleBunch* bunch) {
  GameStatics* s = Statics<GameStatics>();
  const int32_t x = bunch->centreX >> 16;
  const int32_t y = bunch->centreY >> 16;
  switch (bunch->type) {
    case 0:
      bunch->anchor =
          Decorate(s->cGame_bunchSprite, s->cGame_anchorPalette, x, y, bunch->variant, 300, 1);
      break;
    case 1:
      bunch->topActor =
          DecorateFromSlot(26, x, s->cGame_playTop, b >= bunch->partner ? 1 : 0, 300, 1);
      bunch->anchor = DecorateFromSlot(26, x, 0, 4, 300, 1);
      break;
    case 2:
      bunch->decorations = NewObjectArray(cid::cActor, kSpokes);
      bunch->anchor = DecorateFromSlot(41, x, y, 0, 200, 5);
      for (int32_t k = 0; k < kSpokes; k++) {
        cActor* spoke = DecorateFromSlot(42, x, y, k, 300, 5);
        if (bunch->decorations) bunch->decorations->elements()[k] = spoke;
      }
      break;
    case 3: {
      ASprite* holder = SpriteInSlot(43);
      const int32_t lift = holder ? holder->getFrameHeight(1) : 0;
      bunch->anchor = Decorate(holder, 0, x, y - lift, 1, 300, 5);
      bunch->counter = IntArray::get(s->cGame_levelParams, 9);
      break;
    }
    case 4:
    case 8:
      // Under the ring boss these bunches are the boss's own parts and show no anchor.
      if (s->cGame_bossKind != 3) bunch->anchor = DecorateFromSlot(25, x, y, 32, 300, 1);
      break;
    case 5: {
      const bool left = bunch->facing == 2;
      bunch->anchor =
          DecorateFromSlot(45, left ? -40 : s->cGame_canvasWidth + 40, 360, left ? 3 : 11, 100, 5);
      bunch->ropeLength = -1;
      bunch->timer = 1;
      break;
    }
    case 6:
      bunch->anchor = DecorateFromSlot(26, x, y - 18, 4, 300, 1);
      break;
    case 7:
      DecorateLock(b, bunch, x, y);
      break;
    case 9:
    case 11:
      bunch->anchor = DecorateFromSlot(26, x, s->cGame_playTop, 4, 300, 1);
      bunch->ropeLength = y - s->cGame_playTop;
      break;
    case 12:
      cGame::setBunchCentre(b, (s->cGame_canvasWidth / 2 + 18) * kPx, bunch->centreY);
      break;
    default:
      break;
  }
}

// A side handle for a flag-0x10 bubble at column col. Only while fewer than two exist and the
// decorations are the handles' own (or none yet): a third wrote past both arrays, and on a
// hub or lock bunch new arrays replaced the spoke or feeder actors, stranded in their layer.
void AddHandle(cGame_CBubbleBunch* bunch, Bubble* bubble, int32_t col) {
  GameStatics* s = Statics<GameStatics>();
  const bool ownArrays = bunch->handles && bunch->decorations &&
                         bunch->handles->length == kHandles &&
                         bunch->decorations->length == kHandles;
  const bool fresh = !bunch->handles && !bunch->decorations;
  if (bunch->handleCount < 0 || bunch->handleCount >= kHandles || !(ownArrays || fresh)) {
    DebugLog("cGame::attachBubbleToBunch: bubble %d joins bunch %d without a handle (%d held)",
             bubble->index, bubble->bunch, bunch->handleCount);
    return;
  }
  if (fresh) {
    bunch->handles = NewIntArray(kHandles);
    bunch->decorations = NewObjectArray(cid::cActor, kHandles);
    if (!bunch->handles || !bunch->decorations) return;
  }
  cActor* handle = cGame::spawnActor(s->cGame_bunchSprite, s->cGame_anchorPalette, 0, 0,
                                     bunch->variant, 300, cActor::kModeLoop, 1, 0);
  bunch->decorations->elements()[bunch->handleCount] = handle;
  bunch->handles->elements()[bunch->handleCount] = col;
  bunch->handleCount += 1;
  bunch->hadHandles = 1;
}

// Links the bubble both ways with each member one hexagonal step away.
void LinkWithMembers(cGame_CBubbleBunch* bunch, Bubble* bubble) {
  for (int32_t i = 0; i < cGame::bunchMemberCount(bunch); i++) {
    auto* n = static_cast<Bubble*>(bunch->bubbles->elements()[i]);
    if (!n || !n->neighbours || !bubble->neighbours) continue;
    const int32_t d = Bubble::directionIndex(n->col - bubble->col, n->row - bubble->row);
    if (d < 0) continue;
    bubble->neighbours->elements()[d] = n;
    n->neighbours->elements()[Bubble::kOppositeDirection[d]] = bubble;
  }
}

// The hub's first ring around its core: colourA on even sides, colourB on odd ones.
void FillHubRing(int32_t b, cGame_CBubbleBunch* bunch) {
  for (int32_t k = 0; k < Bubble::kDirections; k++) {
    Bubble* ring = Bubble::allocate();
    if (!ring) continue;  // the pool is exhausted: that cell stays empty
    ring->colour = k % 2 ? bunch->colourB : bunch->colourA;
    cGame::attachBubbleToBunch(ring, b, Bubble::kNeighbourDx[k], Bubble::kNeighbourDy[k]);
    ring->flags |= Bubble::kClearedOnCopy;
    ring->syncPixelPosition();
    ring->updateGridCell();
  }
  cGame::refreshCoreAnimations(b);
}

}  // namespace

// ---- Attaching ----------------------------------------------------------------------------

void cGame::attachBubbleToBunch(Bubble* bubble, int32_t b, int32_t col, int32_t row) {
  cGame_CBubbleBunch* bunch = getBunch(b);
  if (!bubble || !bunch || !bunch->bubbles) return;
  if (Bubble* occupant = findBubbleInBunch(b, col, row)) {
    int32_t d = 0;
    while (d < Bubble::kDirections && occupant->neighbours && occupant->neighbours->elements()[d]) {
      d++;
    }
    if (d == Bubble::kDirections) {
      bubble->flags |= Bubble::kDead;
      return;
    }
    col += Bubble::kNeighbourDx[d];
    row += Bubble::kNeighbourDy[d];
  }
  if (bunch->count >= bunch->bubbles->length) {
    DebugLog("cGame::attachBubbleToBunch: bunch %d is full; bubble %d is dropped", b,
             bubble->index);
    bubble->flags |= Bubble::kDead;
    return;
  }
  GameStatics* s = Statics<GameStatics>();
  s->cGame_bunchBubbleTotal += 1;
  s->cGame_boardChanged = 1;
  bunch->attachedTotal += 1;
  bunch->landedCount += 1;
  if (!bunch->inUse) {
    bunch->inUse = 1;
    Decorate(b, bunch);
  }
  bunch->bubbles->elements()[bunch->count] = bubble;
  bunch->count += 1;
  if (bubble->isIndestructible()) bunch->indestructibleCount += 1;
  const bool core = (bubble->flags & Bubble::kKey) || (col == 0 && row == 0);
  if (core) {
    bunch->core = bubble;
    bubble->flags |= Bubble::kKey;
  }
  bubble->bunch = b;
  if (bubble->flags & Bubble::kAttachment) AddHandle(bunch, bubble, col);
  bubble->col = col;
  bubble->row = row;
  LinkWithMembers(bunch, bubble);
  bubble->vx = bubble->vy = 0;
  bubble->updateBunchPosition();
  if (!core) {
    if (bunch->type == 2) refreshCoreAnimations(b);
    return;
  }
  pickBunchColours(b, bubble->colour);
  if (bunch->type == 2) FillHubRing(b, bunch);
}

void cGame::landShotOnHitBubble(Bubble* shot) {
  Bubble* hit = Statics<GameStatics>()->Bubble_hitBubble;
  onBubbleLanded(shot, hit, hit ? hit->bunch : -1, Statics<GameStatics>()->Bubble_hitSide, 0, 0);
}
