// The particle frame: the driver that shares a budget of slots among the active emitters,
// and each emitter's update, which moves and ages its particles by kind, bursts at its
// interval while emission time is left, and frees the emitter once it is done. Positions and
// speeds are 8.8 fixed point, angles 256 steps a turn, times in ms of the frame time.
#include "engine/particle_tables.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/static_class.h"

using namespace particles;

namespace {

constexpr int32_t kQuarterTurn = 64;
constexpr int32_t kHalfTurn = 128;
constexpr int32_t kTurn = 256;
constexpr int32_t kHomingRadius2 = 400;  // squared pixels: nearer, a homing particle wanders
constexpr int32_t kOrbitGrowth = 20;     // pixels a second

int32_t Pixels(int32_t fixed) {
  return (fixed + 128) >> 8;
}

// What one particle's update reads of its emitter.
struct EmitterView {
  int32_t x;
  int32_t y;
  int32_t target;
};

// Gravity pulls word 3; drag takes word 2 towards 0 and stops there.
void Fall(int32_t* w, const Definition& d, int32_t dt) {
  w[kVelocityY] += (d.a[kGravity] << 8) * dt / 1000000;
  const int32_t drag = (d.a[kDrag] << 8) * dt / 1000000;
  if (w[kVelocityX] > 0) {
    w[kVelocityX] = w[kVelocityX] - drag < 0 ? 0 : w[kVelocityX] - drag;
  } else if (w[kVelocityX] < 0) {
    w[kVelocityX] = w[kVelocityX] + drag > 0 ? 0 : w[kVelocityX] + drag;
  }
}

// Kind 1 heads for its emitter, wandering by a random turn while it is within 20 px; its
// emitter's target flag 1 doubles its speed.
void Home(int32_t* w, const Definition& d, const EmitterView& em, int32_t dt) {
  const int32_t px = Pixels(w[kParticleX]);
  const int32_t py = Pixels(w[kParticleY]);
  const int32_t a = cGame::fixAtan2(em.x - px, em.y - py);
  const int32_t rel = a - w[kAngle];
  const int32_t dx = px - em.x;
  const int32_t dy = py - em.y;
  if (dx * dx + dy * dy > kHomingRadius2) {
    w[kAngle] = 0;
  } else {
    w[kAngle] = (w[kAngle] + cGame::getRandom(0, dt * 360 / 1000)) % kTurn;
  }
  const int32_t speed = em.target == 1 ? 2 * d.a[kSpeed] : d.a[kSpeed];
  w[kVelocityX] = cGame::fixCos(rel) * speed / 1000;
  w[kVelocityY] = cGame::fixCos(kQuarterTurn - rel) * speed / 1000;
}

// Kind 4 with target 0 circles its emitter at word 3 steps a second, its radius growing 20 px
// a second until it reaches word 2.
void Orbit(int32_t* w, const EmitterView& em, int32_t dt) {
  w[kAngle] = (w[kAngle] + w[kVelocityY] * dt / 1000) % kTurn;
  if (w[kOrbitRadius] < w[kVelocityX]) w[kOrbitRadius] += (kOrbitGrowth << 8) * dt / 1000;
  const int32_t r = Pixels(w[kOrbitRadius]);
  const int32_t deg = (w[kAngle] * 360) >> 8;
  w[kParticleX] = (em.x + ((cGame::fixCos(256 * deg / 360) * r + 128) >> 8)) << 8;
  w[kParticleY] = cGame::addSineOffset(em.y, r, deg) << 8;
}

// Kind 4 with any other target flies straight away from its emitter at A[4].
void FlyAway(int32_t* w, const Definition& d, const EmitterView& em) {
  const int32_t px = Pixels(w[kParticleX]);
  const int32_t py = Pixels(w[kParticleY]);
  const int32_t a = (cGame::fixAtan2(em.x - px, em.y - py) + kHalfTurn) % kTurn;
  w[kVelocityX] = cGame::fixCos(a) * d.a[kSpeed] / 1000;
  w[kVelocityY] = cGame::fixCos(kQuarterTurn - a) * d.a[kSpeed] / 1000;
}

// One live particle's frame, on a copy of its words (the maths may allocate, which may move
// the row's body).
void UpdateParticle(int32_t slot, const Definition& d, const EmitterView& em, int32_t dt) {
  int32_t w[kWords];
  for (int32_t i = 0; i < kWords; i++) w[i] = ParticleRow(slot)->elements()[i];
  const int32_t kind = d.a[kKind];
  if (kind != kKindHoming && kind != kKindOrbit) w[kLife] -= dt;
  w[kParticleX] += w[kVelocityX] * dt;
  w[kParticleY] += w[kVelocityY] * dt;
  if (kind == kKindHoming) {
    Home(w, d, em, dt);
  } else if (kind == kKindOrbit) {
    if (em.target == 0) {
      Orbit(w, em, dt);
    } else {
      FlyAway(w, d, em);
    }
  } else {
    Fall(w, d, dt);
  }
  int32_t* out = ParticleRow(slot)->elements();
  for (int32_t i = 0; i < kWords; i++) out[i] = w[i];
}

bool IsActive(int32_t e) {
  IntArray* row = EmitterRow(e);
  return row && row->elements()[kActive] == 1;
}

}  // namespace

// ---- The driver -----------------------------------------------------------------------------

// Above 1000 live particles each active emitter gets an equal share of 1000 slots this frame.
void cGame::updateParticleEmitters() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_particleLiveCount = 0;
  s->cGame_particleBudget = kSlots;
  int32_t active = 0;
  for (int32_t e = 0; e < kEmitters; e++) {
    if (!IsActive(e)) continue;
    countLiveParticles(e);
    active++;
  }
  if (s->cGame_particleLiveCount > kLiveBudget && active > 0) {
    s->cGame_particleBudget = kLiveBudget / active;
  }
  for (int32_t e = 0; e < kEmitters; e++) {
    if (IsActive(e)) updateParticleEmitter(e);
  }
  s->cGame_particleLiveCount = 0;
}

// ---- One emitter ----------------------------------------------------------------------------

void cGame::updateParticleEmitter(int32_t e) {
  GameStatics* s = Statics<GameStatics>();
  IntArray* row = EmitterRow(e);
  if (!row) return;
  Definition d{};
  ReadDefinition(row->elements()[kDefinition], &d);  // one reloaded away updates as zeros
  const int32_t dt = s->cGame_frameTime;
  int32_t* w = row->elements();
  if (w[kEmissionLeft] >= 1)
    w[kEmissionLeft] = w[kEmissionLeft] - dt < 0 ? 0 : w[kEmissionLeft] - dt;
  const EmitterView em{w[kEmitterX], w[kEmitterY], w[kTarget]};
  const int32_t budget = s->cGame_particleBudget < kSlots ? s->cGame_particleBudget : kSlots;
  int32_t alive = 0;
  for (int32_t i = 0; i < budget; i++) {
    IntArray* p = ParticleRow(e * kSlots + i);
    if (!p || p->elements()[kLife] < 0) continue;
    UpdateParticle(e * kSlots + i, d, em, dt);
    alive++;
    s->cGame_particleLiveCount++;
  }
  w = row->elements();
  if (w[kEmissionLeft] != 0) {
    w[kBurstTimer] += dt;
    if (w[kBurstTimer] >= d.a[kInterval]) {
      w[kBurstTimer] = 0;
      spawnEmitterParticles(e);
    }
  }
  w = row->elements();
  if (w[kEmissionLeft] == 0 && alive == 0) w[kActive] = 0;
}
