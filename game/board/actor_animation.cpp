// The controls of an actor's animation (on its own player) and its small accessors. Every
// one takes a null actor, and an actor without a player, without effect.
#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/board/actor.h"
#include "game/board/actor_support.h"
#include "game/cgame.h"
#include "runtime/array.h"

using actor_support::ClearPlayer;
using actor_support::StartAnimation;

// ---- Visibility and pause -------------------------------------------------------------------

void cActor::setVisible(cActor* actor, bool visible) {
  if (!actor) return;
  if (visible) {
    actor->flags &= ~kHidden;
  } else {
    actor->flags |= kHidden;
  }
}

void cActor::pauseAnimation(cActor* actor) {
  if (actor) actor->flags |= kPaused;
}

void cActor::resumeAnimation(cActor* actor) {
  if (actor) actor->flags &= ~kPaused;
}

// ---- Animations -----------------------------------------------------------------------------

void cActor::setAnimation(cActor* actor, int32_t anim, int32_t mode, bool restart) {
  if (!actor) return;
  actor->state = kSprite;
  actor->mode = mode;
  MQLibPlayer* p = actor->player;
  if (!p) return;
  if (restart && anim == p->anim && (p->finished || p->anim != -1)) ClearPlayer(p);
  if (!p->finished && p->anim == anim) return;
  StartAnimation(p, anim, mode == kModeLoop);
}

void cActor::setAnimationAtFrame(cActor* actor, int32_t anim, int32_t frame) {
  if (!actor || !actor->player) return;
  MQLibPlayer* p = actor->player;
  if (p->finished || p->anim != anim) StartAnimation(p, anim, actor->mode == kModeLoop);
  p->setFrame(frame);
}

void cActor::postAnimEvents(cActor* actor) {
  if (!actor || !actor->player) return;
  const int32_t frame = actor->player->frame;
  if (actor->frameA != -1 && actor->frameA == frame) {
    cGame::postEvent(actor->eventA);
    actor->eventA = 0;
    actor->frameA = -1;
  }
  if (actor->frameB != -1 && actor->frameB == frame) {
    cGame::postEvent(actor->eventB);
    actor->eventB = 0;
    actor->frameB = -1;
  }
}

// ---- Accessors ------------------------------------------------------------------------------

void cActor::setEvent(cActor* actor, int32_t event) {
  if (actor) actor->event = event;
}

void cActor::setSpriteMode(cActor* actor, int32_t mode) {
  if (!actor) return;
  actor->state = kSprite;
  actor->mode = mode;
}

void cActor::setPosition(cActor* actor, int32_t x, int32_t y) {
  if (!actor) return;
  actor->x = x;
  actor->y = y;
}

int32_t cActor::getX(cActor* actor) {
  return actor ? actor->x : 0;
}

int32_t cActor::getY(cActor* actor) {
  return actor ? actor->y : 0;
}

int32_t cActor::getAnim(cActor* actor) {
  return actor && actor->player ? actor->player->anim : -1;
}

ASprite* cActor::getSprite(cActor* actor) {
  return actor && actor->player ? actor->player->sprite : nullptr;
}

bool cActor::getFrameRect(cActor* actor, int32_t r, IntArray* out) {
  ASprite* sprite = getSprite(actor);
  if (!sprite || !out || out->length < 4) return false;
  sprite->getAFrameRect(actor->player->anim, actor->player->frame, r, out, 0, true);
  out->elements()[0] += actor->x;
  out->elements()[1] += actor->y;
  return true;
}

void cActor::clearNextAnim(cActor* actor) {
  if (!actor) return;
  actor->nextAnim = -1;
  actor->nextMode = -1;
}

void cActor::setNextAnim(cActor* actor, int32_t anim, int32_t mode) {
  if (!actor) return;
  actor->state = kSpriteThenNext;
  actor->nextAnim = anim;
  actor->nextMode = mode;
}

void cActor::setNextAnimIfChanged(cActor* actor, int32_t anim, int32_t mode) {
  if (actor && (actor->nextAnim != anim || actor->nextMode != mode)) setNextAnim(actor, anim, mode);
}

void cActor::setFrameEvent(cActor* actor, int32_t event, int32_t frame) {
  if (!actor) return;
  actor->eventA = event;
  actor->frameA = frame;
}

void cActor::setPalette(cActor* actor, int32_t palette) {
  if (actor) actor->palette = palette;
}
