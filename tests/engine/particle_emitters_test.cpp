// Particle emitters: starting one (the words it sets, none free, a definition not loaded), the
// owner's operations, the burst's slots and draws, and bad emitter indexes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/engine/particle_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

using namespace particles;

std::vector<int32_t> Words(const int32_t* row) {
  return std::vector<int32_t>(row, row + kWords);
}

TEST_F(ParticleTest, StartingFillsTheFirstFreeEmitter) {
  struct Case {
    const char* name;
    ParticleDefinition d;
    int32_t direction;
    std::vector<int32_t> words;
  };
  const Case cases[] = {
      {"a burst comes on the first update",
       Quiet([](ParticleDefinition& d) { d.a = {33, 0, 0, 0, 0, 0, 1, 70, 45, 900, 0, 0}; }),
       -1,
       {120, 340, 70, 900, 1, 0, 33, 3, 0, 45, 9}},
      {"kind 2 waits one interval",
       Quiet([](ParticleDefinition& d) { d.a = {33, 0, 0, 0, 0, 0, 1, 70, 45, 900, 2, 0}; }),
       180,
       {120, 340, 0, 900, 1, 0, 180, 3, 0, 45, 9}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Load({c.d});
    cGame::createParticlePlayers();
    EXPECT_EQ(cGame::startParticleEmitter(120, 340, 0, c.direction, 9), 0);
    EXPECT_EQ(Words(Emitter(0)), c.words);
    EXPECT_TRUE(cGame::isEmitterState1(0));
    EXPECT_EQ(cGame::startParticleEmitter(1, 2, 0, -1, 9), 1);
  }
}

TEST_F(ParticleTest, WithNoEmitterFreeAStartGivesMinusOneAndChangesNothing) {
  Load({Quiet()});
  for (int32_t e = 0; e < kEmitters; e++) ASSERT_EQ(cGame::startParticleEmitter(e, e, 0, -1, 1), e);
  std::vector<std::vector<int32_t>> before;
  for (int32_t e = 0; e < kEmitters; e++) before.push_back(Words(Emitter(e)));
  EXPECT_EQ(cGame::startParticleEmitter(7, 7, 0, -1, 1), -1);
  for (int32_t e = 0; e < kEmitters; e++) EXPECT_EQ(Words(Emitter(e)), before[e]) << e;

  // An emitter that has ended is reused only once its owner has stopped it.
  cGame::clearEmitterWord4(30);
  EXPECT_EQ(cGame::startParticleEmitter(7, 7, 0, -1, 1), -1);
  cGame::stopEmitter(30);
  EXPECT_EQ(cGame::startParticleEmitter(7, 7, 0, -1, 1), 30);
}

TEST_F(ParticleTest, ADefinitionNotLoadedStartsNothing) {
  Load({Quiet()});
  TraceCapture trace;
  EXPECT_EQ(cGame::startParticleEmitter(0, 0, 99, -1, 1), -1);
  EXPECT_EQ(cGame::startParticleEmitter(0, 0, -1, -1, 1), -1);
  ASSERT_EQ(trace.lines().size(), 2u);
  EXPECT_NE(trace.lines()[0].find("particle definition 99 is not loaded (1 are)"),
            std::string::npos);
  EXPECT_FALSE(cGame::isEmitterState1(0));
}

TEST_F(ParticleTest, TheOwnersOperationsSetTheirWords) {
  Load({Quiet([](ParticleDefinition& d) { d.a[8] = 60; })});
  const int32_t e = cGame::startParticleEmitter(5, 6, 0, -1, 2);
  cGame::setEmitterPos(e, 250, -30);
  EXPECT_EQ(cGame::getEmitterX(e), 250);
  EXPECT_EQ(cGame::getEmitterY(e), -30);
  cGame::setEmitterTarget(e, 4);
  EXPECT_EQ(Emitter(e)[kTarget], 4);
  cGame::setEmitterSlotShare(e, 1, 4);
  EXPECT_EQ(Emitter(e)[kSlotCount], 15);
  cGame::setEmitterSlotShare(e, 3, 0);  // no share: nothing changes
  EXPECT_EQ(Emitter(e)[kSlotCount], 15);
  cGame::setEmitterSlotShare(e, 3, 4);
  EXPECT_EQ(Emitter(e)[kSlotCount], 45);
  cGame::stopEmitter(e);
  EXPECT_EQ(Emitter(e)[kOwner], -1);
  EXPECT_TRUE(cGame::isEmitterState1(e));
  cGame::clearEmitterWord4(e);
  EXPECT_FALSE(cGame::isEmitterState1(e));
}

TEST_F(ParticleTest, KillingEndsTheBurstsAndTheLiveParticles) {
  Load({Quiet([](ParticleDefinition& d) { d.a[6] = 10; })});
  const int32_t e = cGame::startParticleEmitter(100, 100, 0, -1, 1);
  Frames(1);
  ASSERT_EQ(LiveParticles(e), 10);
  cGame::countLiveParticles(e);
  EXPECT_EQ(S()->cGame_particleLiveCount, 10);
  cGame::killEmitterParticles(e);
  EXPECT_EQ(Emitter(e)[kEmissionLeft], 0);
  EXPECT_EQ(LiveParticles(e), 0);
  EXPECT_TRUE(cGame::isEmitterState1(e));
  Frames(1);
  EXPECT_FALSE(cGame::isEmitterState1(e));
  EXPECT_EQ(LiveParticles(e), 0);

  const int32_t again = cGame::startParticleEmitter(100, 100, 0, -1, 1);
  Frames(1);
  cGame::resetEmitterParticles(again);
  for (int32_t i = 0; i < kSlots; i++) EXPECT_EQ(Particle(again * kSlots + i)[kLife], -1);
}

TEST_F(ParticleTest, IndexesOutsideTheEmittersDoNothing) {
  Load({Quiet()});
  TraceCapture trace;
  for (const int32_t e : {-1, 50, 1000}) {
    SCOPED_TRACE(e);
    cGame::setEmitterPos(e, 1, 1);
    cGame::setEmitterTarget(e, 1);
    cGame::setEmitterSlotShare(e, 1, 2);
    cGame::stopEmitter(e);
    cGame::clearEmitterWord4(e);
    cGame::killEmitterParticles(e);
    cGame::resetEmitterParticles(e);
    cGame::countLiveParticles(e);
    cGame::spawnEmitterParticles(e);
    cGame::updateParticleEmitter(e);
    cGame::paintParticleEmitter(e, 0);
    EXPECT_EQ(cGame::getEmitterX(e), 0);
    EXPECT_EQ(cGame::getEmitterY(e), 0);
    EXPECT_FALSE(cGame::isEmitterState1(e));
  }
  EXPECT_EQ(S()->cGame_particleLiveCount, 0);
  EXPECT_TRUE(trace.lines().empty());
  for (int32_t e = 0; e < kEmitters; e++) EXPECT_EQ(Emitter(e)[kOwner], -1);
}

// ---- The burst ------------------------------------------------------------------------------

TEST_F(ParticleTest, ABurstFillsDeadSlotsUpToItsCount) {
  struct Case {
    const char* name;
    int32_t perBurst;
    int32_t slotsWanted;
    int32_t made;
  };
  const Case cases[] = {
      {"it stops at A[6] though more slots are dead", 5, 60, 5},
      {"A[8] above 60 uses 60 slots", 100, 75, 60},
      {"A[8] below 60 uses A[8] slots", 100, 12, 12},
      {"no slots, no particles", 100, -3, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Load({Quiet([&](ParticleDefinition& d) {
      d.a[6] = c.perBurst;
      d.a[8] = c.slotsWanted;
      d.b[1] = 2;
    })});
    cGame::createParticlePlayers();
    const int32_t e = cGame::startParticleEmitter(10, 10, 0, -1, 1);
    for (int32_t i = 0; i < kSlots; i++) Particle(e * kSlots + i)[kAnimation] = 9;
    cGame::spawnEmitterParticles(e);
    EXPECT_EQ(LiveParticles(e), c.made);
    for (int32_t i = 0; i < kSlots; i++) {
      const bool visited = i < c.made;
      EXPECT_EQ(Particle(e * kSlots + i)[kLife] > 0, visited) << i;
      EXPECT_EQ(Particle(e * kSlots + i)[kAnimation], visited ? 2 : 9) << i;
    }
  }
}

// Live slots are skipped but still take the definition's animation.
TEST_F(ParticleTest, ABurstSkipsLiveSlots) {
  Load({Quiet([](ParticleDefinition& d) {
    d.a[6] = 3;
    d.b[1] = 1;
  })});
  const int32_t e = cGame::startParticleEmitter(10, 10, 0, -1, 1);
  cGame::spawnEmitterParticles(e);
  Particle(e * kSlots + 1)[kLife] = -1;
  for (int32_t i = 0; i < 3; i++) Particle(e * kSlots + i)[kAnimation] = 9;
  cGame::spawnEmitterParticles(e);
  EXPECT_EQ(LiveParticles(e), 5);
  for (int32_t i = 0; i < 5; i++) EXPECT_EQ(Particle(e * kSlots + i)[kAnimation], 1) << i;
}

TEST_F(ParticleTest, LivesSpreadOverTheirPercentage) {
  Load({Quiet([](ParticleDefinition& d) {
    d.a[6] = 60;
    d.b[2] = 1000;
    d.b[3] = 20;
  })});
  int32_t lowest = 1 << 30, highest = 0;
  for (int32_t round = 0; round < 40; round++) {
    const int32_t e = cGame::startParticleEmitter(0, 0, 0, -1, 1);
    cGame::spawnEmitterParticles(e);
    for (int32_t i = 0; i < kSlots; i++) {
      lowest = std::min(lowest, Particle(e * kSlots + i)[kLife]);
      highest = std::max(highest, Particle(e * kSlots + i)[kLife]);
    }
    cGame::resetEmitterParticles(e);
    cGame::clearEmitterWord4(e);
    cGame::stopEmitter(e);
  }
  EXPECT_EQ(lowest, 1000);
  EXPECT_EQ(highest, 1199);
}

// The burst's draws, one particle at a time: x offset, angle, speed, the unused draw, life,
// and kind 3's palette; an orbit draws its angular speed and radius in place of the speed.
TEST_F(ParticleTest, ABurstDrawsItsRandomNumbersInOrder) {
  struct Case {
    const char* name;
    int32_t kind;
  };
  for (const Case& c : {Case{"kind 3", 3}, Case{"kind 4", 4}}) {
    SCOPED_TRACE(c.name);
    Load({ParticleDefinition{{30, 90, 0, 0, 200, 50, 1, 100, 60, 1000, c.kind, 16},
                             {0, 0, 800, 50, 100, 30}}});
    cGame::createParticlePlayers();
    S()->cGame_sharedRandom = NewObject<java_util_Random>(int64_t{77});
    const int32_t e = cGame::startParticleEmitter(100, 200, 0, -1, 1);
    cGame::spawnEmitterParticles(e);
    auto* twin = NewObject<java_util_Random>(int64_t{77});
    auto draw = [&](int32_t lo, int32_t hi) {
      const int64_t r = std::llabs(static_cast<int64_t>(twin->next(32)));
      return static_cast<int32_t>(lo + r % (hi - lo));
    };
    const int32_t* p = Particle(e * kSlots);
    const int32_t x0 = 100 + draw(0, 16);
    const int32_t angle = 30 + draw(0, 90);
    EXPECT_EQ(p[kAngle], 256 * angle / 360);
    if (c.kind == 4) {
      const int32_t r = 256 * 200 / 360;
      EXPECT_EQ(p[kVelocityY], draw(r / 2, r));
      EXPECT_EQ(p[kVelocityX], draw(20, 30) << 8);
      EXPECT_EQ(p[kParticleX], x0);
      EXPECT_EQ(p[kParticleY], 200);
    } else {
      const int32_t speed = 200 + draw(0, 50);
      EXPECT_EQ(p[kVelocityX], cGame::fixCos(p[kAngle]) * speed / 1000);
      EXPECT_EQ(p[kParticleX], x0 << 8);
      draw(0, 30);  // B[5] = 100 x 30 / 100
    }
    EXPECT_EQ(p[kLife], 800 + draw(0, 400));
    if (c.kind == 3) {
      EXPECT_EQ(p[kPalette], draw(0, 3));
    }
    EXPECT_EQ(twin->seed, static_cast<java_util_Random*>(S()->cGame_sharedRandom)->seed);
  }
}

}  // namespace

namespace {

// A definition whose particles cannot be seen is traced once, at its first start; its
// particles live and move all the same.
TEST_F(ParticleTest, DefinitionsWhoseParticlesCannotBeSeenAreTracedOnce) {
  struct Case {
    const char* name;
    std::vector<int> b;
    const char* traced;
  };
  const Case cases[] = {
      {"sprite 5",
       {5, 0, 500, 0, 0, 0},
       "particle definition 0: sprite 5 is not one of the particle sprites 0..2"},
      {"sprite -1", {-1, 0, 500, 0, 0, 0}, "particle definition 0: sprite -1 is not one of"},
      {"life 0", {0, 0, 0, 0, 0, 0}, "particle definition 0: its particles live 0 ms"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Load({Quiet([&](ParticleDefinition& d) { d.b = c.b; })});
    cGame::createParticlePlayers();
    TraceCapture trace;
    const int32_t e = cGame::startParticleEmitter(10, 10, 0, -1, 1);
    cGame::startParticleEmitter(10, 10, 0, -1, 1);
    bool found = false;
    for (const std::string& line : trace.lines())
      found = found || line.find(c.traced) != std::string::npos;
    EXPECT_TRUE(found);
    const size_t lines = trace.lines().size();
    Frames(3);
    EXPECT_EQ(trace.lines().size(), lines);
    EXPECT_TRUE(cGame::isEmitterState1(e));
  }
}

}  // namespace
