// Stand-ins for the particle emitters until the particle system lands: no emitter exists, so
// there is nothing to kill or stop.
#include "game/cgame.h"

void cGame::killEmitterParticles(int32_t) {}
void cGame::stopEmitter(int32_t) {}
