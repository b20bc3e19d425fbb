// The bubble pool: 170 bubbles made once and handed out from activeBubbles, whose first
// activeBubbleCount entries are the bubbles in play; allocation and removal are swaps inside
// it, so no bubble is made during play. Also a bubble's state queries, its place in pixels and
// its links to its neighbours.
#include <algorithm>
#include <cstdlib>

#include "game/board/actor.h"
#include "game/board/bubble.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kResetPlace = -1000 << 16;  // far off the screen: off the grid
constexpr int64_t kContactDistance = 36;      // pixels between touching centres
constexpr int32_t kRadius = 18;
constexpr int32_t kChangeSteps = 9;

Bubble* Entry(ObjectArray* list, int32_t i) {
  Object** slot = ObjectArray::slot(list, i, "Bubble pool");
  return slot ? static_cast<Bubble*>(*slot) : nullptr;
}

void Store(ObjectArray* list, int32_t i, Bubble* bubble) {
  if (Object** slot = ObjectArray::slot(list, i, "Bubble::fillPool")) *slot = bubble;
}

Bubble* Neighbour(const Bubble* bubble, int32_t direction) {
  if (!bubble->neighbours) return nullptr;
  return static_cast<Bubble*>(bubble->neighbours->elements()[direction]);
}

int32_t Saturated(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

}  // namespace

// ---- Making and resetting a bubble --------------------------------------------------------

Bubble::Bubble(int32_t poolIndex) : Bubble() {
  index = poolIndex;
  neighbours = NewObjectArray(cid::Bubble, kDirections);
  gridCol = gridRow = -1;
  reset();
}

// The grid is updated while bunch still holds the old value, so a bubble filed in a bunch
// gives its cell back; the negative place then keeps it off the grid.
void Bubble::reset() {
  x = y = kResetPlace;
  vx = vy = 0;
  direction = -1;
  pixelX = pixelY = prevPixelX = prevPixelY = 0;
  shakeFramesLeft = 0;
  updateGridCell();
  colour = appearance = 0;
  bunch = kFlyingShot;
  col = row = 0;
  popTimer = -1;
  changeSteps = changeDelay = 0;
  objectIndex = -1;
  parent = nullptr;
  flags = kNeedsRepaint;
  if (NullCheck(neighbours)) {
    for (int32_t d = 0; d < neighbours->length; d++) neighbours->elements()[d] = nullptr;
  }
}

// ---- The pool -----------------------------------------------------------------------------

void Bubble::fillPool() {
  GameStatics* s = Statics<GameStatics>();
  s->Bubble_activeBubbleCount = 0;
  for (int32_t i = 0; i < kPoolSize; i++) {
    if (Entry(s->Bubble_bubblePool, i)) continue;
    Bubble* bubble = NewObject<Bubble>(i);
    Store(s->Bubble_bubblePool, i, bubble);
    Store(s->Bubble_activeBubbles, i, bubble);
  }
}

// A pool that was never filled has no bubble to hand out: null, and the count stays.
Bubble* Bubble::allocate() {
  GameStatics* s = Statics<GameStatics>();
  if (s->Bubble_activeBubbleCount >= kPoolSize) return nullptr;
  Bubble* bubble = Entry(s->Bubble_activeBubbles, s->Bubble_activeBubbleCount);
  if (!NullCheck(bubble)) return nullptr;
  s->Bubble_activeBubbleCount += 1;
  s->Bubble_shotLost = 0;
  bubble->flags |= kLive;
  return bubble;
}

void Bubble::resetPool() {
  GameStatics* s = Statics<GameStatics>();
  for (int32_t i = 0; i < kPoolSize; i++) {
    if (Bubble* bubble = Entry(s->Bubble_bubblePool, i)) bubble->reset();
  }
  s->Bubble_activeBubbleCount = 0;
  cGame::clearAllBunches();
  clearGrid();
  cGame::releaseTrackedActor();
}

// The draw's modulus is count - 1, so j lies in 0 .. count - 2 and the last entry moves only
// when i reaches it; one bubble in play takes no draw (rand(0) is 0 without a step).
void Bubble::shuffleActive() {
  GameStatics* s = Statics<GameStatics>();
  ObjectArray* active = s->Bubble_activeBubbles;
  const int32_t count = std::min(s->Bubble_activeBubbleCount, kPoolSize);
  if (!NullCheck(active) || active->length < count) return;
  Object** entries = active->elements();
  for (int32_t i = 0; i < count; i++) std::swap(entries[i], entries[cGame::rand(count - 1)]);
}

Bubble* Bubble::getPooled(int32_t i) {
  if (i < 0 || i >= kPoolSize) return nullptr;
  return Entry(Statics<GameStatics>()->Bubble_bubblePool, i);
}

void cGame::releaseTrackedActor() {
  GameStatics* s = Statics<GameStatics>();
  cActor::release(s->cGame_trackedActor);
  s->cGame_trackedActor = nullptr;
}

// ---- State and place ----------------------------------------------------------------------

bool cGame::isMatchableBubble(Bubble* bubble) {
  return bubble && bubble->isMatchable();
}

bool Bubble::hasPendingEvents() {
  return Statics<GameStatics>()->Bubble_popAnimCount > 0;
}

void Bubble::setPosition(int32_t px, int32_t py) {
  x = px << 16;
  y = py << 16;
}

void Bubble::syncPixelFromPosition() {
  pixelX = x >> 16;
  pixelY = y >> 16;
}

void Bubble::syncPixelPosition() {
  prevPixelX = pixelX = x >> 16;
  prevPixelY = pixelY = y >> 16;
  flags |= kNeedsRepaint;
}

// Squared in 64 bits: far-apart pixels would wrap into a false contact in 32. A difference of
// 36 px or more on either axis is no contact, which also keeps the squares from overflowing.
bool Bubble::isTouching(int32_t px, int32_t py) const {
  const int64_t dx = std::llabs(int64_t{pixelX} - px);
  const int64_t dy = std::llabs(int64_t{pixelY} - py);
  if (dx >= kContactDistance || dy >= kContactDistance) return false;
  return dx * dx + dy * dy < kContactDistance * kContactDistance;
}

bool Bubble::isInRect(int32_t rx, int32_t ry, int32_t rw, int32_t rh) const {
  const int64_t left = int64_t{rx} - kRadius, right = int64_t{rx} + rw + kRadius;
  const int64_t top = int64_t{ry} - kRadius, bottom = int64_t{ry} + rh + kRadius;
  return pixelX >= left && pixelX <= right && pixelY >= top && pixelY <= bottom;
}

int32_t Bubble::manhattanDistanceTo(const Bubble* other) const {
  if (!NullCheck(other)) return 0;
  return manhattanDistanceTo(x, y, other->x, other->y);
}

int32_t Bubble::manhattanDistanceTo(int32_t px, int32_t py) const {
  return manhattanDistanceTo(x, y, px, py);
}

int32_t Bubble::manhattanDistanceTo(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  return Saturated(std::llabs(int64_t{x2} - x1) + std::llabs(int64_t{y2} - y1));
}

// ---- Links --------------------------------------------------------------------------------

void Bubble::unlinkNeighbours() {
  if (!NullCheck(neighbours)) return;
  for (int32_t d = 0; d < kDirections && d < neighbours->length; d++) {
    Bubble* neighbour = Neighbour(this, d);
    if (!neighbour) continue;
    neighbours->elements()[d] = nullptr;
    if (NullCheck(neighbour->neighbours) && neighbour->neighbours->length == kDirections) {
      neighbour->neighbours->elements()[kOppositeDirection[d]] = nullptr;
    }
  }
}

// The root is found by following parents; a chain that closes into a loop (no root) is cut
// after as many steps as the pool has bubbles, with a trace, rather than followed for ever.
void Bubble::startAppearanceChange(int32_t delay) {
  Bubble* root = this;
  for (int32_t steps = 0; root->parent; steps++) {
    if (steps == kPoolSize) {
      DebugLog("Bubble::startAppearanceChange: bubble %d's parents form a loop", index);
      break;
    }
    root = root->parent;
  }
  root->targetAppearance = root->appearance;
  root->changeDelay = delay;
  root->changeSteps = kChangeSteps;
  Statics<GameStatics>()->Bubble_bubblesChanged = 1;
}
