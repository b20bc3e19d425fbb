// The HUD meter characters' reactions to the launcher: the throw that launches a shot (its
// frame 1 posts event 25), the restart of an animation that returns to a pose afterwards, and
// once a frame the reactions to the lockout and to the player's streaks, and the second
// meter's pose by the board's danger and the time since the last shot.
#include <algorithm>

#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/board/actor.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/class.h"

namespace {

constexpr int32_t kThrowSound = 18;
constexpr int32_t kThrowAnim = 1, kCheerAnim = 9;
constexpr int32_t kLaunch = 25, kLaunchFrame = 1;
constexpr int32_t kNotifyMode = 30, kLoopMode = 20;
constexpr int32_t kLockoutAnim = 4;
constexpr int32_t kFirstCheer = 17, kLastCheer = 19;  // popStreak 2, 3, 4 or more
constexpr int32_t kFirstGroan = 13, kLastGroan = 15;  // missStreak 4, 5, 6 or more
constexpr int32_t kDangerPose = 12, kWaitingPose = 11, kIdlePose = 10;
constexpr int32_t kWaitingTime = 6000;  // ms since the last shot that still reads as waiting
constexpr int32_t kMeters = 4;

// The meter's sprite has a throw that reaches the frame that posts the launch.
bool CanThrow(cActor* meter) {
  MQLibPlayer* player = meter->player;
  ASprite* sprite = player ? player->sprite : nullptr;
  ByteArray* counts = sprite ? sprite->animAFrameCount : nullptr;
  if (!counts || kThrowAnim >= counts->length) return false;
  return (counts->elements()[kThrowAnim] & 0xFF) > kLaunchFrame;
}

// The second meter cheers a streak of popping shots, or groans at a streak of misses while no
// bubble hangs below the danger band.
void ReactToLanding(GameStatics* s) {
  int32_t anim = -1;
  if (s->cGame_popStreak >= 2) {
    anim = std::min(kFirstCheer + s->cGame_popStreak - 2, kLastCheer);
  } else if (s->cGame_belowBandCount == 0 && s->cGame_missStreak >= 4) {
    anim = std::min(kFirstGroan + s->cGame_missStreak - 4, kLastGroan);
  }
  if (anim >= 0) {
    cGame::restartActorAnim(s->cGame_meterActor2, anim, kNotifyMode, 1, s->cGame_meter2Pose,
                            kLoopMode);
  }
}

// The pose plays once the animation under way has ended.
void SetSecondPose(GameStatics* s) {
  const int32_t pose = s->cGame_belowBandCount >= 1                ? kDangerPose
                       : s->cGame_sinceFireRequest <= kWaitingTime ? kWaitingPose
                                                                   : kIdlePose;
  cActor* meter = s->cGame_meterActor2;
  if (pose == s->cGame_meter2Pose) return;
  s->cGame_meter2Pose = pose;
  if (!meter) return;
  meter->mode = kNotifyMode;
  meter->nextAnim = pose;
  meter->nextMode = kLoopMode;
  meter->state = cActor::kSpriteThenNext;
}

// Each meter stands where the HUD player it was made from stands.
void PlaceMeters(GameStatics* s) {
  cActor* meters[kMeters] = {s->cGame_meterActor, s->cGame_meterActor2, s->cGame_meterActor3,
                             s->cGame_meterActor4};
  ObjectArray* players = s->cGame_hudAnimPlayers;
  for (int32_t i = 0; i < kMeters && players && i < players->length; i++) {
    auto* place = CheckCast<MQLibPlayer>(players->elements()[i]);
    if (meters[i] && place) cActor::setPosition(meters[i], place->x, place->y);
  }
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

void cGame::updateHudMeters() {
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_levelOver) return;
  if (s->cGame_rapidFireLockout > 0 && cActor::getAnim(s->cGame_meterActor) == 0) {
    restartActorAnim(s->cGame_meterActor, kLockoutAnim, kLoopMode, 1, s->cGame_meterAnim,
                     kLoopMode);
  }
  if (s->cGame_shotLanded) ReactToLanding(s);
  SetSecondPose(s);
  PlaceMeters(s);
}
