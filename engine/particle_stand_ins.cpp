// Stand-ins for what the particle system needs of the animation player and the game
// utilities, until they land: no particle sprite has players yet, so creating the players
// only frees every emitter and painting draws nothing.
#include "engine/particle_tables.h"
#include "game/cgame.h"

namespace particles {

MQLibPlayer* ParticlePlayer(int32_t, int32_t) {
  return nullptr;
}

int32_t ParticleFrames(int32_t, int32_t) {
  return 0;
}

}  // namespace particles

using namespace particles;

void cGame::createParticlePlayers() {
  for (int32_t e = 0; e < kEmitters; e++) {
    IntArray* row = EmitterRow(e);
    if (!row) continue;
    row->elements()[kActive] = 0;
    row->elements()[kOwner] = -1;
    resetEmitterParticles(e);
  }
}

void cGame::paintParticleEmitter(int32_t, int32_t) {}

int32_t cGame::addSineOffset(int32_t base, int32_t amplitude, int32_t degrees) {
  return base + ((fixCos(64 - degrees * 256 / 360) * amplitude + 128) >> 8);
}
