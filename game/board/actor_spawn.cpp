// The spawn operations the rest of the game calls: each takes the first free actor of the
// pool, fills actorParams, sets the actor up by type and links it into its layer. When all 300
// actors are in use a spawn changes nothing, writes one trace line and gives null.
#include <initializer_list>

#include "engine/mqlib_player.h"
#include "game/board/actor.h"
#include "game/board/actor_support.h"
#include "game/board/bubble.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "host/trace_line.h"
#include "runtime/array.h"

using actor_support::ClearPlayer;
using actor_support::kLoopsForEver;
using actor_support::SpriteInSlot;
using actor_support::StartAnimation;

namespace {

constexpr int32_t kMarkerLayer = 6;
// The rising bubble: sprite slot 25 (until the board's start keeps that sprite), its
// appearance played once, then its rise looping; 15.0 pixels per second upward at first.
constexpr int32_t kTrackedSpriteSlot = 25;
constexpr int32_t kTrackedAppear = 35;
constexpr int32_t kTrackedRise = 34;
constexpr int32_t kTrackedDepth = 500;
constexpr int32_t kTrackedLayer = 1;
constexpr int32_t kTrackedStartSpeed = 15 << 8;
constexpr int32_t kLauncherHides = 40;

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

// The first actor of layer L at (x, y): for markers, the one of that cell.
cActor* FirstAtCell(int32_t L, int32_t x, int32_t y) {
  cActor* at = cActor::layerHead(L);
  while (at && (at->x != x || at->y != y)) at = at->next;
  return at;
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

// The markers of one search live in layer 6, ordered by their value (their depth); the
// bubble keeps the value of its cell's marker and the bubble it was reached from.
cActor* cGame::spawnCellMarker(Bubble* bubble, int32_t value, Bubble* owner) {
  if (!NullCheck(bubble)) return nullptr;
  cActor* actor = TakeFreeActor("spawnCellMarker");
  if (!actor) return nullptr;
  InitFromParams(actor, cActor::kCellMarker, {bubble->col, bubble->row, value});
  cActor* existing = FirstAtCell(kMarkerLayer, actor->x, actor->y);
  if (existing && bubble->markerValue <= value) {
    cActor::release(actor);
    return nullptr;  // a free actor handed back could be released after its reuse
  }
  bubble->chainNext = owner;
  bubble->markerValue = value;
  cActor::release(existing);
  cActor::insertIntoLayer(actor, kMarkerLayer);
  return actor;
}

// Nothing changes, the launcher included, when the pool has no actor for it.
cActor* cGame::spawnTrackedActor(int32_t x, int32_t y) {
  cActor* actor = spawnActor(SpriteInSlot(kTrackedSpriteSlot), 0, x, y, kTrackedAppear,
                             kTrackedDepth, cActor::kModeNotifyOnce, kTrackedLayer, 0);
  if (!actor) return nullptr;
  GameStatics* s = Statics<GameStatics>();
  s->cGame_trackedActor = actor;
  actor->nextAnim = kTrackedRise;
  actor->nextMode = cActor::kModeLoop;
  actor->state = cActor::kSpriteThenNext;
  s->cGame_trackedX = x << 8;
  s->cGame_trackedY = y << 8;
  s->cGame_trackedSpeed = kTrackedStartSpeed;
  s->cGame_trackedVelocityX = 0;
  postEvent(kLauncherHides);
  return actor;
}
