// Stand-ins for the particle emitters until the particle system lands: no emitter starts.
#include "game/cgame.h"

int32_t cGame::startParticleEmitter(int32_t, int32_t, int32_t, int32_t, int32_t) {
  return -1;
}

bool cGame::isEmitterState1(int32_t) {
  return false;
}

void cGame::paintParticleEmitter(int32_t, int32_t) {}
