// Particle emitter actors over the data set's particle pack and effect sprites: a pop's shards
// in the palette of its bubble's colour, an emitter actor that stays while its emitter runs and
// goes on the first update after it has ended, its paint through its emitter in its own
// palette, and a spawn that finds no free emitter.
#include <gtest/gtest.h>

#include <vector>

#include "engine/particle_tables.h"
#include "engine/sprite.h"
#include "game/board/actor.h"
#include "game/board/bubble.h"
#include "game/cgame.h"
#include "javame/random.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "tests/game/board/actor_fixture.h"
#include "tests/platform/canvas.h"
#include "tests/support/runtime_fixture.h"

namespace {

using namespace particles;

constexpr int32_t kParticlePack = 76;  // string constant naming the pack
constexpr int32_t kShards = 1;         // the pop's burst: the shards sprite, seven palettes
constexpr int32_t kShardsPalettes = 127;
constexpr int32_t kFrameMs = 40;
constexpr uint16_t kGround = 0x0841;

class ActorEmitterTest : public ActorTest {
 protected:
  void SetUp() override {
    ActorTest::SetUp();
    PlantDataSetPacks();
    cGame::loadMathTables();
    cGame::loadFixedPointTables();
    s->cGame_sharedRandom = NewObject<java_util_Random>(int64_t{1234});
    LoadEffectSprites();
    cGame::openPack(GetConstantString(kParticlePack));
    cGame::loadParticleDefinitions(cGame::readPackEntry(0));
    for (int32_t i = 0; i < kSprites; i++) {
      ASprite* sprite = cGame::loadSprite(1 + i, i == kShards ? kShardsPalettes : 1, 0, 0, true,
                                          false, 0, nullptr);
      s->cGame_spriteTable->elements()[kFirstSpriteSlot + i] = sprite;
    }
    cGame::closeResourceStream();
    cGame::createParticlePlayers();
    ASSERT_EQ(ParticleSprite(kShards)->paletteCount, 7);
  }
  // One play frame: the particles, then the actors.
  void Frame() {
    s->cGame_frameTime = kFrameMs;
    cGame::updateParticleEmitters();
    cActor::updateAll();
  }
  static std::vector<cActor*> EmittersIn(int32_t L) {
    std::vector<cActor*> found;
    for (cActor* a : Layer(L)) {
      if (a->state == cActor::kEmitter) found.push_back(a);
    }
    return found;
  }
  // The image of `paint` on a fresh 480 x 640 canvas.
  template <typename Paint>
  std::vector<uint16_t> Painted(Paint paint) {
    Canvas canvas(480, 640);
    canvas.fill(kGround);
    s->cGame_drawGraphics = canvas.graphics;
    paint();
    std::vector<uint16_t> pixels;
    for (int32_t y = 0; y < 640; y++) {
      for (int32_t x = 0; x < 480; x++) pixels.push_back(canvas.at(x, y));
    }
    s->cGame_drawGraphics = nullptr;
    return pixels;
  }
};

// The plain colours 0 to 6 colour the shards; every other kind bursts in palette 0.
TEST_F(ActorEmitterTest, APopsBurstTakesThePaletteOfItsBubblesColour) {
  const std::pair<int32_t, int32_t> kCases[] = {{0, 0}, {3, 3},  {6, 6},  {7, 0},
                                                {9, 0}, {14, 0}, {27, 0}, {40, 0}};
  for (const auto& [colour, palette] : kCases) {
    cActor::releaseAll();
    cGame::createParticlePlayers();
    Bubble* bubble = NewObject<Bubble>();
    bubble->colour = colour;
    bubble->pixelX = 150;
    bubble->pixelY = 420;
    bubble->popEffect(1);
    const std::vector<cActor*> bursts = EmittersIn(1);
    ASSERT_EQ(bursts.size(), 1u) << colour;
    cActor* burst = bursts[0];
    EXPECT_EQ(burst->palette, palette) << colour;
    EXPECT_EQ(std::vector<int32_t>({burst->x, burst->y, burst->z}),
              std::vector<int32_t>({150, 420, 100}));
    ASSERT_GE(burst->emitter, 0);
    const int32_t* words = EmitterRow(burst->emitter)->elements();
    EXPECT_EQ(words[kDefinition], 1) << "the shards' definition";
    EXPECT_EQ(std::vector<int32_t>({words[kEmitterX], words[kEmitterY]}),
              std::vector<int32_t>({150, 420}));
  }
}

// Whether the emitter runs out by itself or is switched off, the actor goes on the first
// update that finds its emitter no longer active, and frees the emitter for another.
TEST_F(ActorEmitterTest, AnEmitterActorStaysWhileItsEmitterRunsAndGoesWhenItHasEnded) {
  for (const bool switchedOff : {false, true}) {
    SCOPED_TRACE(switchedOff ? "switched off" : "run out");
    cActor* actor = cGame::spawnEmitterActor(1, 3, 200, 300, 150, 2);
    ASSERT_NE(actor, nullptr);
    const int32_t e = actor->emitter;
    ASSERT_GE(e, 0);
    EXPECT_EQ(Layer(2), (std::vector<cActor*>{actor}));
    int32_t frames = 0;
    for (bool running = true; running && frames < 100; frames++) {
      if (switchedOff && frames == 2) cGame::clearEmitterWord4(e);
      s->cGame_frameTime = kFrameMs;
      cGame::updateParticleEmitters();
      running = cGame::isEmitterState1(e);
      cActor::updateAll();
      ASSERT_EQ(actor->state == cActor::kEmitter, running) << frames;
    }
    EXPECT_EQ(frames > 3, !switchedOff) << frames;
    EXPECT_LT(frames, 100);
    EXPECT_EQ(actor->state, cActor::kFree);
    EXPECT_EQ(actor->emitter, -1);
    EXPECT_TRUE(cActor::isLayerEmpty(2));
    EXPECT_EQ(cGame::startParticleEmitter(0, 0, 1, -1, 1), e) << "the emitter is free again";
    cGame::createParticlePlayers();
  }
}

TEST_F(ActorEmitterTest, AnEmitterActorPaintsItsEmitterInItsOwnPalette) {
  cActor* actor = cGame::spawnEmitterActor(1, 3, 240, 320, 150, 2);
  ASSERT_NE(actor, nullptr);
  for (int32_t i = 0; i < 3; i++) Frame();
  ASSERT_EQ(actor->state, cActor::kEmitter);
  const int32_t e = actor->emitter;
  const std::vector<uint16_t> layer = Painted([] { cActor::paintLayer(2); });
  const std::vector<uint16_t> byHand = Painted([e] { cGame::paintParticleEmitter(e, 3); });
  const std::vector<uint16_t> plain = Painted([e] { cGame::paintParticleEmitter(e, 0); });
  EXPECT_EQ(layer, byHand);
  EXPECT_NE(layer, plain) << "palette 3 shows other colours than palette 0";
  EXPECT_NE(layer, Painted([] {})) << "the shards are on the image";
}

// The actor stays free and out of every layer, and null comes back in place of a free actor
// that a caller could release after the pool has handed it to someone else.
TEST_F(ActorEmitterTest, WithEveryEmitterBusyNoEmitterActorIsMade) {
  for (int32_t e = 0; e < kEmitters; e++) ASSERT_EQ(cGame::startParticleEmitter(1, 1, 0, -1, 2), e);
  EXPECT_EQ(cGame::spawnEmitterActor(1, 3, 100, 100, 150, 2), nullptr);
  EXPECT_EQ(FreeCount(), cActor::kPoolSize);
  for (int32_t L = 0; L < 8; L++) EXPECT_TRUE(cActor::isLayerEmpty(L)) << L;
  Bubble* bubble = NewObject<Bubble>();
  bubble->colour = 2;
  bubble->popEffect(0);
  EXPECT_EQ(Layer(1).size(), 1u) << "the pop shows without its burst";
  EXPECT_TRUE(EmittersIn(1).empty());
}

}  // namespace
