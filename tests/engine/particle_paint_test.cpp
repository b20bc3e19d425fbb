// Painting particles, pixel for pixel against the sprite's own paint: each particle at its
// rounded pixel, on the frame its life reaches, in the palette given or (kind 3) its own; what
// cannot be drawn is skipped; pixel effect 5 ends after each particle.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/pix_effects.h"
#include "engine/sprite.h"
#include "tests/engine/particle_fixture.h"
#include "tests/engine/sprite_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

using namespace particles;
using namespace sprite_test;

constexpr int32_t kSize = 24;  // of the test screen
constexpr int32_t kDotAnim = 0;
constexpr int32_t kEmptyAnim = 1;
constexpr int32_t kDotFrames = 3;
constexpr int32_t kDotPalettes = 3;

// One-pixel frames: animation 0 has three, frame k a dot of colour k + 1 at the origin;
// animation 1 has none. Each of the three palettes colours the dots differently.
SpriteData Dots() {
  SpriteData s = PaletteSprite(flag::kImagesAllowed, kDotFrames + 1, kDotPalettes);
  for (auto& palette : s.palettes) {
    for (size_t i = 1; i < palette.size(); i++) palette[i] |= 0xFF000000;
  }
  std::vector<SpriteAFrame> aframes;
  for (int k = 0; k < kDotFrames; k++) {
    s.modules.push_back(ImageModule(1, 1, [k](int) { return k + 1; }));
    const SpriteFModule part[] = {{k, 0, 0, 0}};
    aframes.push_back({AddFrame(s, part), 1, 0, 0, 0});
  }
  AddAnimation(s, aframes);
  AddAnimation(s, std::span<const SpriteAFrame>{});
  return s;
}

ASprite* LoadDots() {
  ASprite* sprite = NewObject<ASprite>();
  sprite->initFields();
  sprite->load(ManagedBytes(databuild::WriteSprite(Dots())), 0, 0, 0);
  return sprite;
}

class ParticlePaintTest : public ParticleTest {
 protected:
  void SetUp() override {
    ParticleTest::SetUp();
    S()->cGame_spriteTable = NewObjectArray(cid::Object, kFirstSpriteSlot + kSprites);
    for (int32_t i = 0; i < kSprites; i++) {
      ASprite* dots = LoadDots();
      S()->cGame_spriteTable->elements()[kFirstSpriteSlot + i] = dots;
    }
    cGame::createParticlePlayers();
  }

  // A screen that drawGraphics paints on.
  static Canvas Screen() {
    Canvas screen(kSize, kSize);
    S()->cGame_drawGraphics = screen.graphics;
    return screen;
  }
  static ASprite* Sprite(int32_t i) {
    return static_cast<ASprite*>(S()->cGame_spriteTable->elements()[kFirstSpriteSlot + i]);
  }
  // What the sprite itself paints of that animation-frame at (x, y) in palette p.
  static std::vector<uint16_t> Expected(int32_t sprite, int32_t anim, int32_t frame, int32_t x,
                                        int32_t y, int32_t p) {
    Canvas reference(kSize, kSize);
    Sprite(sprite)->setCurrentPalette(p);
    Sprite(sprite)->paintAFrame(reference.graphics, anim, frame, x, y, 0, 0, 0);
    return PixelsOf(reference);
  }
  // Emitter 0 started with definition `d` alone, and its one particle (slot 0).
  static int32_t* OneParticle(const ParticleDefinition& d) {
    Load({d});
    cGame::createParticlePlayers();  // every emitter free again
    const int32_t e = cGame::startParticleEmitter(0, 0, 0, -1, 1);
    EXPECT_EQ(e, 0);
    cGame::spawnEmitterParticles(e);
    EXPECT_EQ(LiveParticles(e), 1);
    return Particle(0);
  }
};

TEST_F(ParticlePaintTest, AParticleIsPaintedAtItsRoundedPixel) {
  struct Case {
    int32_t x, y;    // 8.8
    int32_t px, py;  // where the dot lands
  };
  const Case cases[] = {
      {(5 << 8) + 127, 7 << 8, 5, 7},
      {(5 << 8) + 128, (7 << 8) - 128, 6, 7},
      {(20 << 8) + 255, 3 << 8, 21, 3},
      {(2 << 8) - 129, (9 << 8) - 129, 1, 8},
      {-128, 0, 0, 0},
      {-129, 4 << 8, -1, 4},  // off the screen: nothing
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
    int32_t* p = OneParticle(Quiet());
    p[kParticleX] = c.x;
    p[kParticleY] = c.y;
    Canvas screen = Screen();
    cGame::paintParticleEmitter(0, 0);
    EXPECT_EQ(PixelsOf(screen), Expected(0, kDotAnim, kDotFrames - 1, c.px, c.py, 0));
  }
}

// A new particle shows the animation's last frame and its life counts it down to frame 0; a
// life longer than the animation (set from outside) wraps around it.
TEST_F(ParticlePaintTest, TheFrameFollowsTheLifeDownToFrameZero) {
  struct Case {
    int32_t life;
    int32_t frame;
  };
  // Lives of 500 ms over three frames: 250 ms a frame.
  const Case cases[] = {{500, 2}, {499, 1}, {250, 1}, {249, 0}, {1, 0}, {750, 0}, {1000, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.life);
    int32_t* p = OneParticle(Quiet());
    EXPECT_EQ(p[particles::kFrameMs], 250);
    p[kLife] = c.life;
    p[kParticleX] = 4 << 8;
    p[kParticleY] = 4 << 8;
    Canvas screen = Screen();
    cGame::paintParticleEmitter(0, 0);
    EXPECT_EQ(PixelsOf(screen), Expected(0, kDotAnim, c.frame, 4, 4, 0));
  }
}

TEST_F(ParticlePaintTest, PalettesComeFromTheArgumentOrKindThreesOwnChoice) {
  struct Case {
    const char* name;
    int32_t kind;
    int32_t argument;
    int32_t own;  // word 9
    int32_t painted;
  };
  const Case cases[] = {
      {"the argument", 0, 2, 1, 2},
      {"kind 3's own", 3, 2, 1, 1},
      {"an argument outside the palettes keeps the current one", 0, 7, 2, 1},
      {"a negative one too", 0, -1, 2, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    int32_t* p = OneParticle(Quiet([&](ParticleDefinition& d) { d.a[kKind] = c.kind; }));
    p[kPalette] = c.own;
    p[kParticleX] = 3 << 8;
    p[kParticleY] = 3 << 8;
    Sprite(0)->setCurrentPalette(1);
    Canvas screen = Screen();
    cGame::paintParticleEmitter(0, c.argument);
    EXPECT_EQ(PixelsOf(screen), Expected(0, kDotAnim, kDotFrames - 1, 3, 3, c.painted));
  }
}

// Particles that cannot be drawn live and move on unseen, with a trace line at their
// emitter's first start.
TEST_F(ParticlePaintTest, WhatCannotBeDrawnIsSkipped) {
  struct Case {
    const char* name;
    int32_t sprite, anim;
    const char* traced;
  };
  const Case cases[] = {
      {"no frames", 0, kEmptyAnim,
       "particle definition 0: animation 1 of particle sprite 0 has no frames; its particles "
       "are not drawn"},
      {"no such animation", 1, 7,
       "particle definition 0: animation 7 of particle sprite 1 has no player; its particles "
       "are not drawn"},
      {"no such sprite", 5, 0,
       "particle definition 0: sprite 5 is not one of the particle sprites 0..2; its particles "
       "are not drawn"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TraceCapture trace;
    int32_t* p = OneParticle(Quiet([&](ParticleDefinition& d) {
      d.b[kSprite] = c.sprite;
      d.b[kAnim] = c.anim;
    }));
    EXPECT_TRUE(trace.contains(c.traced));
    p[kParticleX] = 3 << 8;
    Canvas screen = Screen();
    cGame::paintParticleEmitter(0, 0);
    Frames(2);
    cGame::paintParticleEmitter(0, 0);
    EXPECT_EQ(screen.count(0), kSize * kSize);
    EXPECT_GT(Particle(0)[kLife], 0);
    EXPECT_GT(Particle(0)[kParticleX], 3 << 8);
  }
}

TEST_F(ParticlePaintTest, WithoutTheParticleSpritesNoPlayersAreMadeAndNothingIsDrawn) {
  S()->cGame_particlePlayers = nullptr;
  S()->cGame_spriteTable->elements()[kFirstSpriteSlot + 2] = nullptr;
  cGame::createParticlePlayers();
  EXPECT_EQ(S()->cGame_particlePlayers.operator ObjectArray*(), nullptr);
  OneParticle(Quiet());
  Canvas screen = Screen();
  cGame::paintParticleEmitter(0, 0);
  EXPECT_EQ(screen.count(0), kSize * kSize);
}

// Kind 5 ends pixel effect 5 after each particle; the player's paint already ends every effect
// that routes pixels (5 among them) for any kind, and keeps the full-screen ones.
TEST_F(ParticlePaintTest, PixelEffectFiveEndsWithEachParticle) {
  constexpr int32_t kEffect5 = 1 << 5, kOthers = 1 << 2 | 1 << 3;
  for (const int32_t kind : {0, 5}) {
    SCOPED_TRACE(kind);
    OneParticle(Quiet([&](ParticleDefinition& d) { d.a[kKind] = kind; }));
    [[maybe_unused]] Canvas screen = Screen();
    S()->MQPixEffects_effectMask = kEffect5 | kOthers;
    cGame::paintParticleEmitter(0, 0);
    EXPECT_EQ(S()->MQPixEffects_effectMask, kOthers);
  }
}

// The paint walks the slots the frame's budget and the emitter's share allow.
TEST_F(ParticlePaintTest, ThePaintWalksTheBudgetAndTheShare) {
  struct Case {
    int32_t budget, share;
    int32_t painted;
  };
  const Case cases[] = {{60, 60, 10}, {4, 60, 4}, {60, 6, 6}, {0, 60, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.budget << ", " << c.share);
    Load({Quiet([](ParticleDefinition& d) { d.a[kPerBurst] = 10; })});
    cGame::createParticlePlayers();
    const int32_t e = cGame::startParticleEmitter(0, 0, 0, -1, 1);
    cGame::spawnEmitterParticles(e);
    for (int32_t i = 0; i < 10; i++) {
      Particle(i)[kParticleX] = i << 8;  // a row of dots, one a slot
    }
    Emitter(e)[kSlotCount] = c.share;
    S()->cGame_particleBudget = c.budget;
    Canvas screen = Screen();
    cGame::paintParticleEmitter(e, 0);
    EXPECT_EQ(kSize * kSize - screen.count(0), c.painted);
  }
}

}  // namespace
