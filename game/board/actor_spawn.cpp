// The spawn operations the rest of the game calls: each takes the first free actor of the
// pool, fills actorParams, sets the actor up by type and links it into its layer. When all 300
// actors are in use a spawn changes nothing, writes one trace line and gives null.
#include <initializer_list>

#include "engine/mqlib_player.h"
#include "game/board/actor.h"
#include "game/board/actor_support.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "host/trace_line.h"
#include "runtime/array.h"

using actor_support::ClearPlayer;
using actor_support::kLoopsForEver;
using actor_support::StartAnimation;

namespace {

// The first free actor, unlinked should it still sit in a layer (its old neighbours would
// otherwise keep pointing at it); null, with the trace, when the pool is exhausted.
cActor* TakeFreeActor(const char* spawn) {
  cActor* actor = cActor::findFreeActor();
  if (!actor) {
    DebugLog("actor pool: all %d actors in use, %s makes none", cActor::kPoolSize, spawn);
    return nullptr;
  }
  cActor::removeFromLayer(actor);
  return actor;
}

// Writes values into actorParams from index 0 and sets the actor up as type.
void InitFromParams(cActor* actor, int32_t type, std::initializer_list<int32_t> values) {
  IntArray* params = Statics<GameStatics>()->cActor_actorParams;
  int32_t i = 0;
  for (const int32_t v : values) IntArray::set(params, i++, v);
  cActor::initByType(actor, type, params);
}

// A negative layer keeps the actor out of every layer for its owner to drive; a layer past
// the last one does too, with a trace.
void PlaceInLayer(cActor* actor, int32_t layer, const char* spawn) {
  if (layer < 0) return;
  if (layer >= cActor::kLayerCount) {
    DebugLog("actor layers: %s asked for layer %d of 0..%d, the actor stays out of them", spawn,
             layer, cActor::kLayerCount - 1);
    return;
  }
  cActor::insertIntoLayer(actor, layer);
}

}  // namespace

cActor* cGame::spawnActor(ASprite* sprite, int32_t palette, int32_t x, int32_t y, int32_t anim,
                          int32_t z, int32_t mode, int32_t layer, int32_t event) {
  cActor* actor = TakeFreeActor("spawnActor");
  if (!actor) return nullptr;
  InitFromParams(actor, cActor::kSprite, {x, y, z});
  actor->palette = palette;
  actor->mode = mode;
  if (MQLibPlayer* p = actor->player) {
    p->sprite = sprite;
    if (p->finished || p->anim != -1) ClearPlayer(p, kLoopsForEver);
    p->x = x;
    p->y = y;
    if (p->finished || p->anim != anim) StartAnimation(p, anim, mode == cActor::kModeLoop);
  }
  PlaceInLayer(actor, layer, "spawnActor");
  actor->event = event;
  return actor;
}

cActor* cGame::spawnActorNoExtra(ASprite* sprite, int32_t palette, int32_t x, int32_t y,
                                 int32_t anim, int32_t z, int32_t mode, int32_t layer) {
  return spawnActor(sprite, palette, x, y, anim, z, mode, layer, 0);
}

cActor* cGame::spawnGradientBox(int32_t x, int32_t y, int32_t width, int32_t height,
                                int32_t colourA, int32_t colourB, int32_t mode, int32_t z,
                                int32_t layer) {
  cActor* actor = TakeFreeActor("spawnGradientBox");
  if (!actor) return nullptr;
  InitFromParams(actor, cActor::kGradientBox, {x, y, z, width, height, colourA, colourB, mode});
  PlaceInLayer(actor, layer, "spawnGradientBox");
  return actor;
}

cActor* cGame::spawnFloatingText(int32_t textId, int32_t x, int32_t y, int32_t layer) {
  cActor* actor = TakeFreeActor("spawnFloatingText");
  if (!actor) return nullptr;
  InitFromParams(actor, cActor::kFloatingText, {x, y, textId});
  PlaceInLayer(actor, layer, "spawnFloatingText");
  return actor;
}

// Without a free particle emitter the actor stays free and null is returned: a caller that
// kept the free actor could later release it after the pool had handed it to someone else.
cActor* cGame::spawnEmitterActor(int32_t kind, int32_t palette, int32_t x, int32_t y, int32_t z,
                                 int32_t layer) {
  cActor* actor = TakeFreeActor("spawnEmitterActor");
  if (!actor) return nullptr;
  actor->palette = palette;
  InitFromParams(actor, cActor::kEmitter, {x, y, z, kind});
  if (actor->state == cActor::kFree) return nullptr;
  PlaceInLayer(actor, layer, "spawnEmitterActor");
  return actor;
}
