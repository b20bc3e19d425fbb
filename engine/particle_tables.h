// What the particle system's files share: the layout of the emitter rows, the particle pool
// and the definitions, and their checked readers. Emitter e owns particle slots e x 60 ..
// e x 60 + 59. Rows live in data-heap bodies that a collection may move, so a row's words are
// read afresh after any call that may allocate.
#pragma once

#include <cstdint>

#include "runtime/array.h"

class ASprite;
class MQLibPlayer;

namespace particles {

constexpr int32_t kEmitters = 50;
constexpr int32_t kSlots = 60;  // particle slots of an emitter
constexpr int32_t kWords = 11;  // of an emitter row and of a particle
constexpr int32_t kLiveBudget = 1000;
constexpr int32_t kSprites = 3;          // particle sprites 0..2
constexpr int32_t kFirstSpriteSlot = 6;  // of the sprite table: slots 6, 7 and 8
constexpr int32_t kPaletteChoices = 3;   // kind 3 draws its palette from 0..2

// Emitter words.
enum EmitterWord : int32_t {
  kEmitterX,      // pixels
  kEmitterY,      // pixels
  kBurstTimer,    // ms since the last burst
  kEmissionLeft,  // ms
  kActive,        // 1 active, 0 free
  kDefinition,    // definition index
  kDirection,     // for the emitter's owner
  kPaletteCount,  // kind 3's palette choices
  kTarget,        // kind 1: 1 doubles the speed; kind 4: 0 orbit, other values fly away
  kSlotCount,     // particle slots of the emitter (at most 60 used)
  kOwner,         // owner tag; negative when the slot is free for reuse
};

// Particle words.
enum ParticleWord : int32_t {
  kParticleX,   // 8.8
  kParticleY,   // 8.8
  kVelocityX,   // 8.8 units per ms; orbit: final radius in 8.8
  kVelocityY,   // 8.8 units per ms; orbit: angular speed in steps per second
  kLife,        // ms; -1 dead, alive above 0
  kAnimation,   // the animation of the particle sprite (B[1])
  kSpawnFlag,   // 0 at spawn
  kFrameMs,     // ms per animation-frame, at least 1
  kAngle,       // 256 steps per turn
  kPalette,     // kind 3's palette
  kOrbitRadius  // kind 4: the current radius in 8.8
};

// Particle kinds (A[10]); other values behave as the default.
constexpr int32_t kKindHoming = 1;
constexpr int32_t kKindLateBurst = 2;  // the first burst waits a full interval
constexpr int32_t kKindPalettes = 3;
constexpr int32_t kKindOrbit = 4;
constexpr int32_t kKindNoEffect = 5;  // clears pixel effect 5 after each particle

// A definition's values (at least this many of each are stored; missing ones are 0).
constexpr int32_t kAValues = 12;
constexpr int32_t kBValues = 6;
enum AValue : int32_t {
  kAngleA,
  kAngleSpread,
  kGravity,
  kDrag,
  kSpeed,
  kSpeedSpread,
  kPerBurst,
  kInterval,
  kSlotsWanted,
  kEmissionTime,
  kKind,
  kOffsetSpread
};
enum BValue : int32_t { kSprite, kAnim, kLifeMs, kLifeSpread, kB4, kB5Spread };

// A copy of one definition's first values.
struct Definition {
  int32_t a[kAValues];
  int32_t b[kBValues];
};

// Definition def copied into out; false (no trace) when it is not loaded.
bool ReadDefinition(int32_t def, Definition* out);
// The definition count.
int32_t DefinitionCount();

// Emitter e's row, null for an index outside 0..49 or a missing table.
IntArray* EmitterRow(int32_t e);
// The particle of pool slot `slot`, null when it is missing.
IntArray* ParticleRow(int32_t slot);

// Particle sprite `sprite` (0..2) of the sprite table, null when it is not loaded
// (engine/particle_paint.cpp).
ASprite* ParticleSprite(int32_t sprite);
// The player of animation anim of particle sprite `sprite`, null when there is none (no such
// sprite or animation, or the players are not made yet).
MQLibPlayer* ParticlePlayer(int32_t sprite, int32_t anim);
// The animation-frames of that animation; 0 without a player.
int32_t ParticleFrames(int32_t sprite, int32_t anim);

// The slots of emitter e's block that a burst, a count or a paint walks: min(word 9, 60),
// not below 0.
inline int32_t UsedSlots(const int32_t* emitter) {
  const int32_t n = emitter[kSlotCount];
  return n < 0 ? 0 : n > kSlots ? kSlots : n;
}

}  // namespace particles
