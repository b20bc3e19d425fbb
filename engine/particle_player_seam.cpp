// Stand-ins for what the particle system needs of the animation player and of the game
// utilities, until they land. A particle player is a bare MQLibPlayer, and rendering one
// paints its animation-frame straight from the sprite, as the player's render will.
#include "engine/mqlib_player.h"
#include "engine/particle_tables.h"
#include "engine/sprite.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/graphics.h"
#include "runtime/static_class.h"

namespace particles {

MQLibPlayer* NewParticlePlayer(ASprite*, int32_t) {
  return NewObject<MQLibPlayer>();
}

void RenderParticlePlayer(MQLibPlayer*, ASprite* sprite, int32_t anim, int32_t frame, int32_t x,
                          int32_t y) {
  sprite->paintAFrame(Statics<GameStatics>()->cGame_drawGraphics, anim, frame, x, y, 0, 0, 0);
}

}  // namespace particles

int32_t cGame::addSineOffset(int32_t base, int32_t amplitude, int32_t degrees) {
  return base + ((fixCos(64 - degrees * 256 / 360) * amplitude + 128) >> 8);
}
