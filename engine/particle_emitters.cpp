// The particle emitters: starting one from a definition, the operations its owner calls on it,
// and the burst that fills its dead particle slots. An emitter slot is free (word 4 = 0 and
// word 10 < 0), active from its start until it has stopped emitting and its particles are
// gone, and reusable once its owner has stopped it (word 10 < 0 again).
#include "engine/particle_tables.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/static_class.h"
#include "runtime/trace.h"

using namespace particles;

namespace {

constexpr int32_t kQuarterTurn = 64;  // of the 256-step angles
constexpr int32_t kDefaultPaletteCount = 3;

// A random value 0..n - 1, or 0 without a draw when n is not above 0.
int32_t Spread(int32_t n) {
  return n > 0 ? cGame::getRandom(0, n) : 0;
}

// Emitter e's word, 0 for an emitter outside 0..49.
int32_t WordOf(int32_t e, int32_t word) {
  IntArray* row = EmitterRow(e);
  return row ? row->elements()[word] : 0;
}

void SetWordOf(int32_t e, int32_t word, int32_t value) {
  if (IntArray* row = EmitterRow(e)) row->elements()[word] = value;
}

// What keeps a definition's particles from being seen, traced once per definition until the
// definitions or the players are made again. Its particles live and move all the same.
void CheckDefinition(int32_t def, const Definition& d) {
  ByteArray* traced = Statics<GameStatics>()->cGame_particleDefsTraced;
  if (!traced || def < 0 || def >= traced->length || traced->elements()[def]) return;
  traced->elements()[def] = 1;
  const int32_t sprite = d.b[kSprite];
  const int32_t anim = d.b[kAnim];
  if (sprite < 0 || sprite >= kSprites) {
    DebugLog(
        "particle definition %d: sprite %d is not one of the particle sprites 0..%d; its "
        "particles are not drawn",
        def, sprite, kSprites - 1);
  } else if (!ParticlePlayer(sprite, anim)) {
    DebugLog(
        "particle definition %d: animation %d of particle sprite %d has no player; its "
        "particles are not drawn",
        def, anim, sprite);
  } else if (ParticleFrames(sprite, anim) <= 0) {
    DebugLog(
        "particle definition %d: animation %d of particle sprite %d has no frames; its "
        "particles are not drawn",
        def, anim, sprite);
  }
  if (d.b[kLifeMs] + (d.b[kLifeSpread] > 0 ? d.b[kLifeSpread] - 1 : 0) <= 0) {
    DebugLog("particle definition %d: its particles live %d ms; none is ever drawn", def,
             d.b[kLifeMs]);
  }
}

// A new particle at the emitter's place: its direction, speed (or orbit), life and frame time,
// drawing its random numbers in the device's order.
void SpawnParticle(IntArray* emitterRow, int32_t slot, const Definition& d) {
  const int32_t* emitter = emitterRow->elements();
  const int32_t ex = emitter[kEmitterX];
  const int32_t ey = emitter[kEmitterY];
  const int32_t paletteCount = emitter[kPaletteCount];
  int32_t w[kWords];
  for (int32_t i = 0; i < kWords; i++) w[i] = ParticleRow(slot)->elements()[i];
  const int32_t kind = d.a[kKind];
  const int32_t x0 = ex + Spread(d.a[kOffsetSpread]);
  const int32_t angle = d.a[kAngleA] + Spread(d.a[kAngleSpread]);
  w[kAngle] = 256 * angle / 360;
  if (kind == kKindOrbit) {
    const int32_t r = 256 * d.a[kSpeed] / 360;
    w[kVelocityY] = cGame::getRandom(r / 2, r);
    w[kVelocityX] = cGame::getRandom(20, 30) << 8;
    w[kParticleX] = x0;
    w[kParticleY] = ey;
    w[kOrbitRadius] = 0;
  } else {
    w[kParticleX] = x0 << 8;
    w[kParticleY] = ey << 8;
    const int32_t speed = d.a[kSpeed] + Spread(d.a[kSpeedSpread]);
    w[kVelocityX] = cGame::fixCos(w[kAngle]) * speed / 1000;
    w[kVelocityY] = cGame::fixCos(kQuarterTurn - w[kAngle]) * speed / 1000;
    Spread(d.b[kB5Spread]);  // drawn and not used
  }
  const int32_t life = d.b[kLifeMs] + Spread(d.b[kLifeSpread]);
  const int32_t frames = ParticleFrames(d.b[kSprite], d.b[kAnim]);
  w[kLife] = life;
  w[kSpawnFlag] = 0;
  w[kFrameMs] = frames < 2 ? life + 1 : life / (frames - 1);
  if (w[kFrameMs] < 1) w[kFrameMs] = 1;
  if (kind == kKindPalettes) w[kPalette] = cGame::getRandom(0, paletteCount);
  int32_t* out = ParticleRow(slot)->elements();
  for (int32_t i = 0; i < kWords; i++) out[i] = w[i];
}

}  // namespace

// ---- Starting and placing -------------------------------------------------------------------

int32_t cGame::startParticleEmitter(int32_t x, int32_t y, int32_t def, int32_t direction,
                                    int32_t owner) {
  Definition d;
  if (!ReadDefinition(def, &d)) {
    DebugLog(
        "cGame::startParticleEmitter: particle definition %d is not loaded (%d are); no "
        "emitter started",
        def, DefinitionCount());
    return -1;
  }
  for (int32_t e = 0; e < kEmitters; e++) {
    IntArray* row = EmitterRow(e);
    if (!row || row->elements()[kActive] != 0 || row->elements()[kOwner] >= 0) continue;
    int32_t* w = row->elements();
    w[kEmissionLeft] = d.a[kEmissionTime];
    w[kEmitterX] = x;
    w[kEmitterY] = y;
    w[kBurstTimer] = d.a[kKind] == kKindLateBurst ? 0 : d.a[kInterval];
    w[kDefinition] = def;
    w[kActive] = 1;
    w[kDirection] = direction < 0 ? d.a[kAngleA] : direction;
    w[kPaletteCount] = kDefaultPaletteCount;
    w[kTarget] = 0;
    w[kSlotCount] = d.a[kSlotsWanted];
    w[kOwner] = owner;
    CheckDefinition(def, d);
    return e;
  }
  return -1;
}

void cGame::setEmitterPos(int32_t e, int32_t x, int32_t y) {
  SetWordOf(e, kEmitterX, x);
  SetWordOf(e, kEmitterY, y);
}

int32_t cGame::getEmitterX(int32_t e) {
  return WordOf(e, kEmitterX);
}

int32_t cGame::getEmitterY(int32_t e) {
  return WordOf(e, kEmitterY);
}

void cGame::setEmitterTarget(int32_t e, int32_t v) {
  SetWordOf(e, kTarget, v);
}

// The emitter's share num / den of its definition's particle slots; a share of nothing (den
// 0) changes nothing.
void cGame::setEmitterSlotShare(int32_t e, int32_t num, int32_t den) {
  Definition d;
  if (den == 0 || !ReadDefinition(WordOf(e, kDefinition), &d)) return;
  SetWordOf(e, kSlotCount, d.a[kSlotsWanted] * num / den);
}

// ---- Stopping -------------------------------------------------------------------------------

void cGame::stopEmitter(int32_t e) {
  SetWordOf(e, kOwner, -1);
}

void cGame::clearEmitterWord4(int32_t e) {
  SetWordOf(e, kActive, 0);
}

bool cGame::isEmitterState1(int32_t e) {
  return WordOf(e, kActive) == 1;
}

void cGame::killEmitterParticles(int32_t e) {
  if (!EmitterRow(e)) return;
  SetWordOf(e, kEmissionLeft, 0);
  for (int32_t i = 0; i < kSlots; i++) {
    IntArray* p = ParticleRow(e * kSlots + i);
    if (p && p->elements()[kLife] > 0) p->elements()[kLife] = -1;
  }
}

void cGame::resetEmitterParticles(int32_t e) {
  if (!EmitterRow(e)) return;
  for (int32_t i = 0; i < kSlots; i++) {
    if (IntArray* p = ParticleRow(e * kSlots + i)) p->elements()[kLife] = -1;
  }
}

void cGame::countLiveParticles(int32_t e) {
  IntArray* row = EmitterRow(e);
  if (!row) return;
  GameStatics* s = Statics<GameStatics>();
  const int32_t used = UsedSlots(row->elements());
  for (int32_t i = 0; i < used; i++) {
    IntArray* p = ParticleRow(e * kSlots + i);
    if (p && p->elements()[kLife] > 0) s->cGame_particleLiveCount++;
  }
}

// ---- The burst ------------------------------------------------------------------------------

// Walks the emitter's slots in order, giving each the definition's animation, and fills dead
// ones until A[6] particles are made.
void cGame::spawnEmitterParticles(int32_t e) {
  IntArray* emitter = EmitterRow(e);
  Definition d;
  if (!emitter || !ReadDefinition(emitter->elements()[kDefinition], &d)) return;
  const int32_t used = UsedSlots(emitter->elements());
  int32_t made = 0;
  for (int32_t i = 0; i < used && made < d.a[kPerBurst]; i++) {
    IntArray* p = ParticleRow(e * kSlots + i);
    if (!p) continue;
    p->elements()[kAnimation] = d.b[kAnim];
    if (p->elements()[kLife] > 0) continue;
    SpawnParticle(emitter, e * kSlots + i, d);
    made++;
  }
}
