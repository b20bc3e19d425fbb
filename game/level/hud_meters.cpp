// The HUD meter characters' reactions to the launcher: the throw that launches a shot (its
// frame 1 posts event 25) and the restart of an animation that returns to a pose afterwards.
#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/board/actor.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"

namespace {

constexpr int32_t kThrowSound = 18;
constexpr int32_t kThrowAnim = 1, kCheerAnim = 9;
constexpr int32_t kLaunch = 25, kLaunchFrame = 1;
constexpr int32_t kNotifyMode = 30, kLoopMode = 20;

// The meter's sprite has a throw that reaches the frame that posts the launch.
bool CanThrow(cActor* meter) {
  MQLibPlayer* player = meter->player;
  ASprite* sprite = player ? player->sprite : nullptr;
  ByteArray* counts = sprite ? sprite->animAFrameCount : nullptr;
  if (!counts || kThrowAnim >= counts->length) return false;
  return (counts->elements()[kThrowAnim] & 0xFF) > kLaunchFrame;
}

}  // namespace

void cGame::restartActorAnim(cActor* actor, int32_t anim, int32_t mode, int32_t, int32_t nextAnim,
                             int32_t nextMode) {
  if (!actor) return;
  actor->eventA = 0;
  actor->event = 0;
  cActor::setAnimation(actor, anim, mode, true);
  cActor::setAnimationAtFrame(actor, anim, 0);
  actor->mode = mode;
  actor->nextMode = nextMode;
  actor->nextAnim = nextAnim;
  if (nextAnim != -1) actor->state = cActor::kSpriteThenNext;
  const int32_t layer = actor->layer;
  if (layer >= 0) {
    cActor::removeFromLayer(actor);
    cActor::insertIntoLayer(actor, layer);
  }
}

// Without a meter actor, or with one whose sprite has no throw reaching frame 1, the throw has
// nobody to post event 25, so it is posted here: the launcher would wait for it for ever (and
// a throw that never ends would read as firing, refusing every later shot).
void cGame::startHudMeters() {
  GameStatics* s = Statics<GameStatics>();
  playSfx(kThrowSound);
  cActor* meter = s->cGame_meterActor;
  if (meter && CanThrow(meter)) {
    restartActorAnim(meter, kThrowAnim, kNotifyMode, 1, s->cGame_meterAnim, kLoopMode);
    meter->eventA = kLaunch;
    meter->frameA = kLaunchFrame;
  } else {
    postEvent(kLaunch);
  }
  restartActorAnim(s->cGame_meterActor2, kCheerAnim, kNotifyMode, 1, s->cGame_meter2Pose,
                   kLoopMode);
  if (cActor* third = s->cGame_meterActor3) {
    restartActorAnim(third, kThrowAnim, kNotifyMode, 1, third->nextAnim, kLoopMode);
    third->state = cActor::kSpriteThenNext;
  }
}
