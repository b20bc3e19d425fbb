// The particle frame: the budget shared among emitters, each kind's motion against a hand
// calculation, and an emitter's end.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "tests/engine/particle_fixture.h"

namespace {

using namespace particles;

int32_t Pixels(int32_t fixed) {
  return (fixed + 128) >> 8;
}

// The particle's distance from (x, y) in whole pixels, rounded down.
int32_t DistanceFrom(const int32_t* p, int32_t x, int32_t y) {
  const int64_t dx = Pixels(p[kParticleX]) - x, dy = Pixels(p[kParticleY]) - y;
  int32_t d = 0;
  while (static_cast<int64_t>(d + 1) * (d + 1) <= dx * dx + dy * dy) d++;
  return d;
}

TEST_F(ParticleTest, AnEmitterWithoutEmissionTimeNeverBurstsAndEndsOnItsFirstUpdate) {
  Load({Quiet([](ParticleDefinition& d) { d.a[9] = 0; })});
  const int32_t e = cGame::startParticleEmitter(0, 0, 0, -1, 1);
  Frames(1);
  EXPECT_FALSE(cGame::isEmitterState1(e));
  EXPECT_EQ(LiveParticles(e), 0);
}

TEST_F(ParticleTest, AnEmitterEndsOnceItsTimeIsOverAndItsParticlesAreGone) {
  Load({Quiet()});  // a burst each 100 ms for 1 s, lives of 500 ms
  const int32_t e = cGame::startParticleEmitter(0, 0, 0, -1, 1);
  int32_t frames = 0;
  while (cGame::isEmitterState1(e) && frames < 100) {
    Frames(1);
    frames++;
  }
  // Bursts come in frames 1, 4, ... 22, and emission ends in frame 25; the last particle's life
  // runs out in frame 35, and frame 36 finds none alive.
  EXPECT_EQ(frames, 36);
  EXPECT_EQ(Emitter(e)[kOwner], 1);  // kept for its owner until stopped
}

// Above 1000 live particles every active emitter processes an equal share of slots.
TEST_F(ParticleTest, TheBudgetIsSharedAboveAThousandLiveParticles) {
  struct Case {
    int32_t emitters;
    int32_t budget;
  };
  for (const Case& c : {Case{20, 50}, Case{16, 60}, Case{17, 58}}) {
    SCOPED_TRACE(c.emitters);
    Load({Quiet([](ParticleDefinition& d) {
      d.a[6] = 60;
      d.a[7] = 30000;
      d.a[9] = 30000;
      d.b[2] = 30000;
    })});
    cGame::createParticlePlayers();
    for (int32_t e = 0; e < c.emitters; e++) cGame::startParticleEmitter(0, 0, 0, -1, 1);
    Frames(1);
    const int32_t startX = Particle(59)[kParticleX];
    Frames(1);
    EXPECT_EQ(S()->cGame_particleBudget, c.budget);
    EXPECT_EQ(S()->cGame_particleLiveCount, 0);
    EXPECT_NE(Particle(0)[kParticleX], startX);
    EXPECT_NE(Particle(c.budget - 1)[kParticleX], startX);
    if (c.budget < kSlots) {
      EXPECT_EQ(Particle(c.budget)[kParticleX], startX);
    }
  }
}

// One particle along +x at 250 px/s from (100, 200) under 500 px/s^2 of gravity and 100 px/s^2
// of drag: each 40 ms frame moves it by its speed, then adds 5 to its y speed (128000 x 40 /
// 10^6) and takes 1 from its x speed (25600 x 40 / 10^6). After n frames x = 25600 +
// 40 (64 n - n (n - 1) / 2) and y = 51200 + 100 n (n - 1), in 8.8.
TEST_F(ParticleTest, ADefaultParticleFallsAsCalculated) {
  Load({ParticleDefinition{{0, 0, 500, 100, 250, 0, 1, 30000, 60, 30000, 0, 0},
                           {0, 0, 30000, 0, 0, 0}}});
  const int32_t e = cGame::startParticleEmitter(100, 200, 0, -1, 1);
  Frames(1);  // the burst
  struct Expected {
    int32_t frames, x, y, vx, vy, life;
  };
  const Expected table[] = {
      {1, 28160, 51200, 63, 5, 29960},
      {10, 49400, 60200, 54, 50, 29600},
      {50, 104600, 296200, 14, 250, 28000},
  };
  int32_t done = 0;
  for (const Expected& x : table) {
    SCOPED_TRACE(x.frames);
    Frames(x.frames - done);
    done = x.frames;
    const int32_t* p = Particle(e * kSlots);
    EXPECT_EQ(p[kParticleX], x.x);
    EXPECT_EQ(p[kParticleY], x.y);
    EXPECT_EQ(p[kVelocityX], x.vx);
    EXPECT_EQ(p[kVelocityY], x.vy);
    EXPECT_EQ(p[kLife], x.life);
  }
}

// An orbiting particle circles its emitter, its radius growing 20 px a second (204 in 8.8 a
// 40 ms frame) until it reaches the 20 to 29 px drawn at its birth; it does not age.
TEST_F(ParticleTest, AnOrbitGrowsTwentyPixelsASecondUpToItsRadius) {
  Load({ParticleDefinition{{0, 360, 0, 0, 90, 0, 1, 30000, 60, 30000, 4, 0},
                           {0, 0, 1000, 0, 0, 0}}});
  const int32_t e = cGame::startParticleEmitter(240, 400, 0, -1, 1);
  Frames(1);
  const int32_t* p = Particle(e * kSlots);
  const int32_t radius = p[kVelocityX];
  ASSERT_GE(radius, 20 << 8);
  ASSERT_LE(radius, 29 << 8);
  for (int32_t frame = 1; frame <= 25; frame++) {
    Frames(1);
    EXPECT_EQ(p[kOrbitRadius], 204 * frame);
    EXPECT_LE(std::abs(DistanceFrom(p, 240, 400) - Pixels(204 * frame)), 1);
  }
  Frames(40);
  const int32_t reached = p[kOrbitRadius];
  EXPECT_GE(reached, radius);
  EXPECT_LT(reached, radius + 204);
  const int32_t angle = p[kAngle];
  Frames(5);
  EXPECT_EQ(p[kOrbitRadius], reached);
  EXPECT_NE(p[kAngle], angle);
  EXPECT_LE(std::abs(DistanceFrom(p, 240, 400) - Pixels(reached)), 1);
  EXPECT_EQ(p[kLife], 1000);
}

TEST_F(ParticleTest, AnOrbitOfAnEmitterWithATargetFliesAway) {
  Load({ParticleDefinition{{0, 360, 0, 0, 90, 0, 1, 30000, 60, 30000, 4, 0},
                           {0, 0, 1000, 0, 0, 0}}});
  const int32_t e = cGame::startParticleEmitter(240, 400, 0, -1, 1);
  Frames(30);
  cGame::setEmitterTarget(e, 1);
  const int32_t* p = Particle(e * kSlots);
  int32_t distance = DistanceFrom(p, 240, 400);
  for (int32_t frame = 0; frame < 10; frame++) {
    Frames(1);
    EXPECT_GT(DistanceFrom(p, 240, 400), distance);
    distance = DistanceFrom(p, 240, 400);
  }
  EXPECT_EQ(p[kLife], 1000);
}

// Homing particles come back to their emitter and wander within 20 px of it, at A[4] px/s, or
// twice that while the emitter's target flag is 1; they do not age.
TEST_F(ParticleTest, HomingParticlesGatherAroundTheirEmitter) {
  Load({ParticleDefinition{{0, 360, 0, 0, 100, 100, 6, 30000, 6, 30000, 1, 0},
                           {0, 0, 1000, 0, 0, 0}}});
  const int32_t e = cGame::startParticleEmitter(240, 400, 0, -1, 1);
  Frames(1);
  cGame::setEmitterPos(e, 340, 400);
  Frames(100);
  for (int32_t i = 0; i < 6; i++) {
    const int32_t* p = Particle(e * kSlots + i);
    EXPECT_LE(DistanceFrom(p, 340, 400), 26) << i;
    EXPECT_EQ(p[kLife], Particle(e * kSlots)[kLife]) << i;
    const int32_t speed2 = p[kVelocityX] * p[kVelocityX] + p[kVelocityY] * p[kVelocityY];
    EXPECT_NEAR(speed2, 625, 50) << i;  // 100 px/s is 25.6 in 8.8 a ms
  }
  cGame::setEmitterTarget(e, 1);
  Frames(1);
  const int32_t* p = Particle(e * kSlots);
  EXPECT_NEAR(p[kVelocityX] * p[kVelocityX] + p[kVelocityY] * p[kVelocityY], 2601, 150);
}

}  // namespace
