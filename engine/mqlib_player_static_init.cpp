// MQLibPlayer's class initialiser: the first of the game's start-up values.
#include "engine/mqlib_player.h"

#include "game/game_statics.h"
#include "runtime/static_class.h"

namespace {

constexpr int32_t kAnimationTick = 40;  // ms per unit of an animation frame's duration byte
constexpr int32_t kSoundChannels = 4;

}  // namespace

void MQLibPlayer::staticInit() {
  GameStatics* s = Statics<GameStatics>();
  s->MQLibPlayer_animTick = kAnimationTick;
  s->MQLibPlayer_soundChannelCount = kSoundChannels;
}
