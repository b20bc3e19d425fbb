// sprite_bench: full 480 x 800 screens tiled with 64 x 64 frames of a sprite the data builder
// writes, the tiles in transforms 0 to 7 in turn: from the image cache, decoded on the fly
// (decode, transform, drawRGB with alpha), and through effect 11 at 50 and 150 percent, with
// a copy of the 768 KB frame as the floor. Each median is per screen; the last line is
// "sprite_screens_per_s: X", screens a second from the cache.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "bench/bench_main.h"
#include "engine/pix_effects.h"
#include "engine/sprite.h"
#include "game/game_statics.h"
#include "javame/graphics.h"
#include "javame/image.h"
#include "runtime/application_impl.h"
#include "tools/databuild/sprite_writer.h"

namespace {

using Image = javax_microedition_lcdui_Image;
using Graphics = javax_microedition_lcdui_Graphics;

constexpr int kScreenWidth = 480, kScreenHeight = 800, kSide = 64;
constexpr int kRepetitions = 9;
constexpr double kMinSeconds = 0.1;

// A 64 x 64 frame of one module: a ringed disc of twelve colours inside the key, so about a
// fifth of its pixels are transparent.
databuild::SpriteData TileSprite() {
  databuild::SpriteData s;
  s.flags = databuild::sprite_flags::kImagesAllowed | databuild::sprite_flags::kPaletteSection;
  s.palettes = {{0x00FF00FF}};
  for (uint32_t i = 1; i < 13; i++) s.palettes[0].push_back(0xFF000000 | (i * 0x13579B & 0xFFFFFF));
  s.pixelEncoding = 0x56F2;
  databuild::SpriteModule m;
  m.width = m.height = kSide;
  for (int y = 0; y < kSide; y++) {
    for (int x = 0; x < kSide; x++) {
      const int dx = x - 32, dy = y - 32, d = dx * dx + dy * dy;
      m.pixels.push_back(static_cast<uint8_t>(d > 31 * 31 ? 0 : 1 + (d / 80 + x / 16) % 12));
    }
  }
  s.modules.push_back(m);
  const databuild::SpriteFModule part[] = {{0, 0, 0, 0}};
  databuild::AddFrame(s, part);
  return s;
}

struct Scene {
  ApplicationImpl context;
  Image* screen;
  Graphics* graphics;
  ASprite* cached;
  ASprite* uncached;
  std::vector<uint16_t> copy = std::vector<uint16_t>(kScreenWidth * kScreenHeight);

  Scene() {
    context.init();
    GameStatics* s = Statics<GameStatics>();
    s->cGame_canvasWidth = kScreenWidth;
    s->cGame_canvasHeight = kScreenHeight;
    s->cGame_effectsEnabled = true;
    ASprite::staticInit();
    s->ASprite_gcOnLoad = false;
    MQPixEffects::init();
    screen = Image::createImage(kScreenWidth, kScreenHeight);
    graphics = screen->getGraphics();
    cached = Load();
    cached->buildModuleImages(0, 0, -1, -1);
    uncached = Load();
  }

  static ASprite* Load() {
    const std::vector<uint8_t> bytes = databuild::WriteSprite(TileSprite());
    ByteArray* data = NewByteArray(static_cast<int32_t>(bytes.size()));
    std::memcpy(data->elements(), bytes.data(), bytes.size());
    ASprite* sprite = NewObject<ASprite>();
    sprite->initFields();
    sprite->load(data, 0, 0, 0);
    return sprite;
  }

  // One screen: 8 x 13 tiles, the last column and row cut by the screen's edge.
  void paintScreen(ASprite* sprite) {
    int tile = 0;
    for (int y = 0; y < kScreenHeight; y += kSide) {
      for (int x = 0; x < kScreenWidth; x += kSide)
        sprite->paintFrame(graphics, 0, x, y, tile++ % 8, 0, 0);
    }
  }
};

Scene& TheScene() {
  static Scene scene;
  return scene;
}

void BM_Screen_Cached(benchmark::State& state) {
  Scene& scene = TheScene();
  for (auto _ : state) {
    scene.paintScreen(scene.cached);
    benchmark::ClobberMemory();
  }
}

void BM_Screen_Decoded(benchmark::State& state) {
  Scene& scene = TheScene();
  for (auto _ : state) {
    scene.paintScreen(scene.uncached);
    benchmark::ClobberMemory();
  }
}

// Effect 11 with an alpha of 255, so every module goes through the scaled drawing.
void BM_Screen_Scaled(benchmark::State& state) {
  Scene& scene = TheScene();
  MQPixEffects::setEffect(MQPixEffects::kScale, true);
  auto* params =
      static_cast<IntArray*>(Statics<GameStatics>()->MQPixEffects_effectParams->elements()[11]);
  params->elements()[1] = static_cast<int32_t>(state.range(0));
  params->elements()[2] = 255;
  for (auto _ : state) {
    scene.paintScreen(scene.cached);
    benchmark::ClobberMemory();
  }
  MQPixEffects::clearEffect(MQPixEffects::kScale, true);
}

// The floor: the 768 KB of one frame copied once.
void BM_Screen_FrameCopy(benchmark::State& state) {
  Scene& scene = TheScene();
  for (auto _ : state) {
    auto* pixels = static_cast<ShortArray*>(scene.screen->pixels)->elements();
    std::memcpy(scene.copy.data(), pixels, scene.copy.size() * sizeof(uint16_t));
    benchmark::ClobberMemory();
  }
}

void Timed(benchmark::internal::Benchmark* b) {
  b->Repetitions(kRepetitions)
      ->MinTime(kMinSeconds)
      ->ReportAggregatesOnly(true)
      ->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_Screen_Cached)->Apply(Timed);
BENCHMARK(BM_Screen_Decoded)->Apply(Timed);
BENCHMARK(BM_Screen_Scaled)->Arg(50)->Arg(150)->Apply(Timed);
BENCHMARK(BM_Screen_FrameCopy)->Apply(Timed);

// Prints as the console does, and keeps the median of the cached screens.
class MedianRecorder : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.aggregate_name == "median" && run.run_name.function_name == "BM_Screen_Cached") {
        cachedSeconds = run.GetAdjustedRealTime() / 1e6;  // the unit is microseconds
      }
    }
  }
  double cachedSeconds = 0;
};

}  // namespace

int main(int argc, char** argv) {
  MedianRecorder reporter;
  if (!RunBenchmarksWith(argc, argv, &reporter)) return 1;
  if (reporter.cachedSeconds > 0) {
    printf("sprite_screens_per_s: %.0f\n", 1.0 / reporter.cachedSeconds);
  } else {
    printf("sprite_screens_per_s: unmeasured (the cached screens were filtered out)\n");
  }
  return 0;
}
