// The actor pool: 300 actors made once with their players and handed out in pool order. An
// actor in use has a state other than kFree; release returns it, out of every layer, with its
// player reset and its particle emitter stopped.
#include "engine/mqlib_player.h"
#include "game/board/actor.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"

namespace {

cActor* PoolActor(ObjectArray* pool, int32_t i) {
  return static_cast<cActor*>(pool->elements()[i]);
}

}  // namespace

// A pool made again would leave the old actors that are still in use linked into the layers,
// updated and painted for ever with nothing able to release them: they are released first,
// and whatever else the layers still hold is unlinked.
void cActor::createPool() {
  ObjectArray* pool = Statics<GameStatics>()->cActor_actorPool;
  if (!NullCheck(pool)) return;
  releaseAll();
  clearAllLayers();
  for (int32_t i = 0; i < pool->length; i++) {
    cActor* actor = NewObject<cActor>();
    pool->elements()[i] = actor;
    if (!actor) continue;
    actor->layer = kNoLayer;
    actor->player = NewObject<MQLibPlayer>(MQLibPlayer::Reset::kReset);
    actor->eventA = 0;
    actor->eventB = 0;
    actor->next = actor->prev = nullptr;
    actor->state = kFree;
    actor->emitter = -1;
  }
}

cActor* cActor::findFreeActor() {
  ObjectArray* pool = Statics<GameStatics>()->cActor_actorPool;
  if (!pool) return nullptr;
  for (int32_t i = 0; i < pool->length; i++) {
    cActor* actor = PoolActor(pool, i);
    if (actor && actor->state == kFree) return actor;
  }
  return nullptr;
}

// The other fields keep their values until the actor is next initialised. A pop actor still
// holding its end event never had it queued (the queue was full, or its layer was cleared):
// no consumer will count it off, so it lowers popAnimCount itself, which a lesson level waits
// to see at 0.
void cActor::release(cActor* actor) {
  if (!actor || actor->state == kFree) return;
  if (actor->event == kPopEndEvent) {
    int32_t& pending = Statics<GameStatics>()->Bubble_popAnimCount;
    if (pending > 0) pending -= 1;
  }
  actor->state = kFree;
  removeFromLayer(actor);
  if (actor->player) actor->player->reset();
  if (actor->emitter >= 0) {
    cGame::killEmitterParticles(actor->emitter);
    cGame::stopEmitter(actor->emitter);
    actor->emitter = -1;
  }
}

void cActor::releaseAll() {
  ObjectArray* pool = Statics<GameStatics>()->cActor_actorPool;
  if (!pool) return;
  for (int32_t i = 0; i < pool->length; i++) release(PoolActor(pool, i));
}
