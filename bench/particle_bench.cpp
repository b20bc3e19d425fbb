// particle_bench: one game frame of particles: 20 emitters of the builder's definitions (the
// burst, the star fountain and the confetti, which fill their slots), kept emitting, so that
// over 1000 particles are alive and the budget is shared; every emitter updated by a 40 ms
// frame and painted into a 480 x 800 RGB565 image with the builder's particle sprites, their
// Images cached as the loader builds them. The last line is "particle_frame_ms: X", the median
// frame in milliseconds.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "bench/bench_main.h"
#include "engine/particle_tables.h"
#include "engine/sprite.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/graphics.h"
#include "javame/image.h"
#include "javame/random.h"
#include "runtime/application_impl.h"
#include "tools/databuild/maths_tables.h"
#include "tools/databuild/particle_content.h"
#include "tools/databuild/particle_definitions_writer.h"
#include "tools/databuild/particle_sprites.h"
#include "tools/databuild/sprite_writer.h"

namespace {

using namespace particles;

constexpr int kScreenWidth = 480, kScreenHeight = 800;
constexpr int kEmitterCount = 20;
constexpr int32_t kFilling[] = {0, 2, 3};  // the definitions whose bursts fill 50 or 60 slots
constexpr int32_t kForever = 1 << 30;      // ms of emission: the bench's emitters never stop
constexpr int kRepetitions = 9;
constexpr double kMinSeconds = 0.2;

ByteArray* Bytes(const std::vector<uint8_t>& bytes) {
  ByteArray* data = NewByteArray(static_cast<int32_t>(bytes.size()));
  std::memcpy(data->elements(), bytes.data(), bytes.size());
  return data;
}

IntArray* Ints(const std::vector<int32_t>& values) {
  IntArray* array = NewIntArray(static_cast<int32_t>(values.size()));
  std::memcpy(array->elements(), values.data(), values.size() * sizeof(int32_t));
  return array;
}

// The sprite with the Images of its first `palettes` palettes built.
ASprite* Load(const databuild::SpriteData& data, int32_t palettes) {
  ASprite* sprite = NewObject<ASprite>();
  sprite->initFields();
  sprite->load(Bytes(databuild::WriteSprite(data)), 0, 0, 0);
  for (int32_t p = 0; p < palettes; p++) sprite->buildModuleImages(p, 0, -1, -1);
  return sprite;
}

struct Scene {
  ApplicationImpl context;
  javax_microedition_lcdui_Image* screen;
  int emitters[kEmitterCount];

  Scene() {
    context.init();
    GameStatics* s = Statics<GameStatics>();
    cGame::clinitTables();
    ASprite::staticInit();
    s->ASprite_gcOnLoad = false;
    s->cGame_fixCosTable = Ints(databuild::FixedCosineTable());
    s->cGame_sharedRandom = NewObject<java_util_Random>(int64_t{2024});
    s->cGame_frameTime = 40;
    s->cGame_spriteTable = NewObjectArray(cid::Object, kFirstSpriteSlot + kSprites);
    ASprite* sprites[] = {Load(databuild::SparkSprite(), 1), Load(databuild::ShardSprite(), 7),
                          Load(databuild::SmokeSprite(), 1)};
    for (int32_t i = 0; i < kSprites; i++) {
      s->cGame_spriteTable->elements()[kFirstSpriteSlot + i] = sprites[i];
    }
    screen = javax_microedition_lcdui_Image::createImage(kScreenWidth, kScreenHeight);
    s->cGame_drawGraphics = screen->getGraphics();
    cGame::loadParticleDefinitions(
        Bytes(databuild::WriteParticleDefinitions(databuild::GameParticleDefinitions())));
    cGame::createParticlePlayers();
    for (int i = 0; i < kEmitterCount; i++) {
      const int32_t x = 40 + (i % 5) * 100, y = 100 + (i / 5) * 180;
      emitters[i] = cGame::startParticleEmitter(x, y, kFilling[i % 3], -1, i);
    }
    for (int i = 0; i < 100; i++) frame();  // until the pools are full
  }

  // One frame: the emitters kept emitting, updated, and painted.
  void frame() {
    for (const int e : emitters) {
      if (IntArray* row = EmitterRow(e)) row->elements()[kEmissionLeft] = kForever;
    }
    cGame::updateParticleEmitters();
    for (const int e : emitters) cGame::paintParticleEmitter(e, e % 7);
  }

  int32_t live() {
    int32_t n = 0;
    for (int32_t slot = 0; slot < kEmitters * kSlots; slot++) {
      n += ParticleRow(slot)->elements()[kLife] > 0;
    }
    return n;
  }
};

Scene& TheScene() {
  static Scene scene;
  return scene;
}

void BM_ParticleFrame(benchmark::State& state) {
  Scene& scene = TheScene();
  for (auto _ : state) {
    scene.frame();
    benchmark::ClobberMemory();
  }
  state.counters["live"] = scene.live();
}

BENCHMARK(BM_ParticleFrame)
    ->Repetitions(kRepetitions)
    ->MinTime(kMinSeconds)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return RunBenchmarksForMedian(argc, argv, "particle_frame_ms");
}
