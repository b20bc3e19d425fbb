// Particle tests: a started runtime with the data set's maths tables, a seeded shared random
// generator, a 40 ms frame, every emitter free, and definitions written with the builder's own
// writer.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "engine/particle_tables.h"
#include "javame/random.h"
#include "tests/engine/maths_fixture.h"
#include "tests/support/managed_bytes.h"
#include "tools/databuild/particle_definitions_writer.h"

using databuild::ParticleDefinition;
using databuild::ParticleRecord;

class ParticleTest : public MathsTest {
 protected:
  static constexpr int32_t kFrameMs = 40;
  static constexpr int32_t kSeed = 1234;

  void SetUp() override {
    MathsTest::SetUp();
    S()->cGame_sharedRandom = NewObject<java_util_Random>(int64_t{kSeed});
    S()->cGame_frameTime = kFrameMs;
    cGame::createParticlePlayers();
  }

  static GameStatics* S() { return Statics<GameStatics>(); }

  // One straight, steady particle a burst: angle 0 (along +x) at 100 px/s, a burst every
  // 100 ms for 1 s, 60 slots, lives of 500 ms, no randomness; `change` edits it.
  static ParticleDefinition Quiet(const std::function<void(ParticleDefinition&)>& change = {}) {
    ParticleDefinition d{{0, 0, 0, 0, 100, 0, 1, 100, 60, 1000, 0, 0}, {0, 0, 500, 0, 0, 0}};
    if (change) change(d);
    return d;
  }
  static void Load(const std::vector<ParticleDefinition>& definitions) {
    cGame::loadParticleDefinitions(ManagedBytes(databuild::WriteParticleDefinitions(definitions)));
  }
  static void LoadRecords(const std::vector<ParticleRecord>& records) {
    cGame::loadParticleDefinitions(ManagedBytes(databuild::WriteParticleRecords(records)));
  }

  static int32_t* Emitter(int32_t e) { return particles::EmitterRow(e)->elements(); }
  static int32_t* Particle(int32_t slot) { return particles::ParticleRow(slot)->elements(); }
  // Live particles (life above 0) of emitter e's 60 slots.
  static int32_t LiveParticles(int32_t e) {
    int32_t n = 0;
    for (int32_t i = 0; i < particles::kSlots; i++) n += Particle(e * particles::kSlots + i)[4] > 0;
    return n;
  }
  static void Frames(int32_t n) {
    for (int32_t i = 0; i < n; i++) cGame::updateParticleEmitters();
  }
};
