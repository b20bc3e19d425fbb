// What the actor code shares: driving an actor's player directly, without MQLibPlayer::setAnim's
// "already playing" test (clearing it, starting an animation from its first frame), and the
// sprites of the sprite table by slot.
#pragma once

#include <cstdint>

#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/class.h"

namespace actor_support {

constexpr int32_t kLoopsForEver = -2;  // the loop counter of an animation that loops
constexpr int32_t kPlaysOnce = 0;

// No animation (the frame is left as setFrame leaves it without one), the loop counter given,
// not finished.
inline void ClearPlayer(MQLibPlayer* p, int32_t loopCounter = kPlaysOnce) {
  p->anim = -1;
  p->setFrame(0);
  p->loopCounter = loopCounter;
  p->finished = false;
}

// anim from its first frame, looping for ever or playing once.
inline void StartAnimation(MQLibPlayer* p, int32_t anim, bool looping) {
  p->anim = anim;
  p->setFrame(0);
  p->loopCounter = looping ? kLoopsForEver : kPlaysOnce;
  p->finished = false;
}

// The sprite in slot `slot` of spriteTable; null for an empty slot, one outside the table or
// one that holds no sprite.
inline ASprite* SpriteInSlot(int32_t slot) {
  ObjectArray* table = Statics<GameStatics>()->cGame_spriteTable;
  if (!table || slot < 0 || slot >= table->length) return nullptr;
  return CheckCast<ASprite>(table->elements()[slot]);
}

}  // namespace actor_support
