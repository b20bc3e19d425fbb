// The data set's particle pack as the game loads it: the definitions of entry 0 over the three
// particle sprites of entries 1 to 3, every animation a definition names there with its
// frames, the shards in the seven bubble colours, and each definition run and painted for 100
// frames without a trace line.
#include <gtest/gtest.h>

#include "engine/sprite.h"
#include "runtime/constant_pool.h"
#include "tests/engine/particle_fixture.h"
#include "tests/platform/canvas.h"
#include "tests/support/runtime_fixture.h"
#include "tools/databuild/particle_content.h"

namespace {

using namespace particles;

constexpr int32_t kParticlePack = 76;
constexpr int32_t kScreenW = 480;
constexpr int32_t kScreenH = 800;

class ParticleDataSetTest : public ParticleTest {
 protected:
  // The pack's definitions and sprites loaded (the shards with their seven palettes), then
  // the players made.
  void SetUp() override {
    ParticleTest::SetUp();
    S()->cGame_spriteTable = NewObjectArray(cid::Object, kFirstSpriteSlot + kSprites);
    cGame::openPack(GetConstantString(kParticlePack));
    cGame::loadParticleDefinitions(cGame::readPackEntry(0));
    for (int32_t i = 0; i < kSprites; i++) {
      ASprite* sprite = cGame::loadSprite(1 + i, i == 1 ? 127 : 1, 0, 0, true, false, 0, nullptr);
      S()->cGame_spriteTable->elements()[kFirstSpriteSlot + i] = sprite;
    }
    cGame::closeResourceStream();
    cGame::createParticlePlayers();
  }
};

TEST_F(ParticleDataSetTest, EveryDefinitionsAnimationIsThereWithItsFrames) {
  const auto definitions = databuild::GameParticleDefinitions();
  ASSERT_EQ(DefinitionCount(), static_cast<int32_t>(definitions.size()));
  for (int32_t def = 0; def < DefinitionCount(); def++) {
    SCOPED_TRACE(def);
    Definition d;
    ASSERT_TRUE(ReadDefinition(def, &d));
    EXPECT_NE(ParticlePlayer(d.b[kSprite], d.b[kAnim]), nullptr);
    EXPECT_GE(ParticleFrames(d.b[kSprite], d.b[kAnim]), 1);
  }
  EXPECT_EQ(ParticleFrames(0, databuild::kLightAnim), 1);
  EXPECT_EQ(ParticleSprite(1)->paletteCount, 7);
}

TEST_F(ParticleDataSetTest, EachDefinitionRunsAHundredPaintedFramesWithoutATrace) {
  for (int32_t def = 0; def < DefinitionCount(); def++) {
    SCOPED_TRACE(def);
    cGame::createParticlePlayers();
    Canvas screen(kScreenW, kScreenH);
    S()->cGame_drawGraphics = screen.graphics;
    TraceCapture trace;
    const int32_t e = cGame::startParticleEmitter(kScreenW / 2, kScreenH / 2, def, -1, 1);
    ASSERT_EQ(e, 0);
    int32_t framesShown = 0;
    for (int32_t frame = 0; frame < 100; frame++) {
      screen.fill(0);
      cGame::updateParticleEmitters();
      cGame::paintParticleEmitter(e, def % 7);
      framesShown += screen.count(0) < kScreenW * kScreenH;
    }
    EXPECT_GT(framesShown, 0);
    EXPECT_EQ(trace.lines(), std::vector<std::string>{});
  }
}

}  // namespace
