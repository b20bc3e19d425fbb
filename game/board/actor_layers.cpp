// The 8 display layers: intrusive doubly linked lists of actors headed by actorLayers[L], in
// ascending order of the sort key from head to tail. Insertion walks one layer; removal is
// constant time; the walks that update or paint a layer survive actors released on the way.
#include <array>

#include "game/board/actor.h"
#include "game/game_statics.h"
#include "runtime/array.h"

namespace {

ObjectArray* Heads() {
  return Statics<GameStatics>()->cActor_actorLayers;
}

bool IsLayer(int32_t L) {
  ObjectArray* heads = Heads();
  return heads && L >= 0 && L < heads->length && L < cActor::kLayerCount;
}

cActor* Head(int32_t L) {
  return static_cast<cActor*>(Heads()->elements()[L]);
}

void SetHead(int32_t L, cActor* actor) {
  Heads()->elements()[L] = actor;
}

// The pixel position in 256-pixel bands, rounded: (v + 128) >> 8, arithmetic.
int32_t Band(int32_t v) {
  return (v + 128) >> 8;
}

// Its y is out of order with the actor before or after it.
bool OutOfOrderByY(const cActor* actor) {
  return (actor->next && actor->y > actor->next->y) || (actor->prev && actor->y < actor->prev->y);
}

}  // namespace

// ---- Keys and links -------------------------------------------------------------------------

int32_t cActor::sortKey(cActor* actor) {
  if (!actor) return 0;
  return (actor->z * 1024 + Band(actor->y)) * 1024 + Band(actor->x);
}

// An actor still linked somewhere is unlinked first, so no list can close into a loop.
void cActor::insertIntoLayer(cActor* actor, int32_t L) {
  if (!actor || !IsLayer(L)) return;
  removeFromLayer(actor);
  const int32_t key = sortKey(actor);
  cActor* before = nullptr;
  cActor* at = Head(L);
  while (at && sortKey(at) < key) {
    before = at;
    at = at->next;
  }
  actor->layer = L;
  actor->prev = before;
  actor->next = at;
  if (before) {
    before->next = actor;
  } else {
    SetHead(L, actor);
  }
  if (at) at->prev = actor;
}

void cActor::removeFromLayer(cActor* actor) {
  if (!actor) return;
  if (IsLayer(actor->layer)) {
    if (!actor->prev) {
      SetHead(actor->layer, actor->next);
    } else {
      actor->prev->next = actor->next;
    }
    if (actor->next) actor->next->prev = actor->prev;
  }
  actor->layer = kNoLayer;
  actor->next = actor->prev = nullptr;
}

// Works from the head's links alone, so it also takes off a free actor whose fields no longer
// name the layer.
void cActor::unlinkLayerHead(int32_t L) {
  if (!IsLayer(L)) return;
  cActor* head = Head(L);
  if (!head) return;
  SetHead(L, head->next);
  if (head->next) head->next->prev = nullptr;
  head->layer = kNoLayer;
  head->next = head->prev = nullptr;
}

// ---- Whole layers ---------------------------------------------------------------------------

// Each pass takes the head off, released when in use, so the loop always ends.
void cActor::clearLayer(int32_t L) {
  if (!IsLayer(L)) return;
  while (cActor* head = Head(L)) {
    release(head);
    if (Head(L) == head) unlinkLayerHead(L);
  }
}

void cActor::clearAllLayers() {
  for (int32_t L = 0; L < kLayerCount; L++) clearLayer(L);
}

bool cActor::isLayerEmpty(int32_t L) {
  return !IsLayer(L) || !Head(L);
}

cActor* cActor::layerHead(int32_t L) {
  return IsLayer(L) ? Head(L) : nullptr;
}

// ---- Walks ----------------------------------------------------------------------------------

void cActor::updateAll() {
  for (int32_t L = 0; L < kLayerCount; L++) updateLayer(L);
}

// The successor is taken before each update, so an actor may release itself. When the update
// has taken the successor out of this layer (released it, or a spawn has reused it elsewhere),
// the walk of this layer ends there rather than go on in another list.
void cActor::updateLayer(int32_t L) {
  if (!IsLayer(L)) return;
  cActor* actor = Head(L);
  while (actor) {
    cActor* following = actor->next;
    actor->update();
    if (following && following->layer != L) return;
    actor = following;
  }
}

void cActor::paintLayer(int32_t L) {
  if (!IsLayer(L)) return;
  for (cActor* actor = Head(L); actor; actor = actor->next) actor->paint();
}

// The test is by exact y but the place is found by the coarse key, so actors of one band can
// stay out of order by y after their move: each actor moves at most once a call, which ends
// the walk where moving them again would chase each other for ever. The walk goes on from a
// moved actor's new successor.
void cActor::resortLayer(int32_t L) {
  if (!IsLayer(L)) return;
  std::array<cActor*, kPoolSize> moved;
  size_t movedCount = 0;
  auto wasMoved = [&](const cActor* actor) {
    for (size_t i = 0; i < movedCount; i++) {
      if (moved[i] == actor) return true;
    }
    return false;
  };
  for (cActor* actor = Head(L); actor; actor = actor->next) {
    if (!(actor->flags & kKeepSorted) || !OutOfOrderByY(actor)) continue;
    if (movedCount == moved.size() || wasMoved(actor)) continue;
    moved[movedCount++] = actor;
    insertIntoLayer(actor, L);  // unlinks it first
  }
}
