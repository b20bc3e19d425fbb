// blit_bench: the Graphics natives against SDL2's software blitter doing the same work, side
// by side in one run: a full-screen fill, a 64 x 64 colour-keyed RGB565 region (ours in each
// of the eight transforms; SDL has only the unturned blit), and a 64 x 64 ARGB4444 blend onto
// the RGB565 screen. The last line is "ratio_vs_sdl: X": our median time over SDL's for the
// keyed blit with transform 0.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>

#include "bench/bench_main.h"
#include "javame/graphics.h"
#include "javame/image.h"
#include "runtime/application_impl.h"

namespace {

using Image = javax_microedition_lcdui_Image;
using Graphics = javax_microedition_lcdui_Graphics;

constexpr int kScreenWidth = 480, kScreenHeight = 800, kSide = 64;
constexpr int kX = 101, kY = 203;  // an odd place, so no row starts aligned by luck
constexpr int kRepetitions = 15;
constexpr double kMinSeconds = 0.05;

// A 64 x 64 picture: a disc of colours inside the key (a quarter of the pixels or so are key),
// and the alpha of the ARGB4444 version rising across it.
uint16_t KeyedPixel(int x, int y) {
  const int dx = x - 32, dy = y - 32;
  if (dx * dx + dy * dy > 30 * 30) return 0xF81F;
  const auto colour = static_cast<uint16_t>(x * 997 + y * 131);
  return colour == 0xF81F ? 0 : colour;
}
uint16_t TranslucentPixel(int x, int y) {
  return static_cast<uint16_t>((x / 4) << 12 | ((x + y) & 15) << 8 | (y & 15) << 4 | 7);
}

// Both sides' surfaces with the same pixels. Nothing allocates managed memory after this, so
// no collection runs during the timings.
struct Scene {
  ApplicationImpl context;
  Image* screen;
  Graphics* graphics;
  Image* keyed;
  Image* translucent;
  SDL_Surface* sdlScreen;
  SDL_Surface* sdlKeyed;
  SDL_Surface* sdlTranslucent;

  Scene() {
    context.init();
    screen = Image::createImage(kScreenWidth, kScreenHeight);
    graphics = screen->getGraphics();
    keyed = MakeImage(Image::kRgb565Keyed, KeyedPixel);
    translucent = MakeImage(Image::kArgb4444, TranslucentPixel);
    sdlScreen =
        SDL_CreateRGBSurfaceWithFormat(0, kScreenWidth, kScreenHeight, 16, SDL_PIXELFORMAT_RGB565);
    sdlKeyed = MakeSurface(SDL_PIXELFORMAT_RGB565, KeyedPixel);
    SDL_SetColorKey(sdlKeyed, SDL_TRUE, 0xF81F);
    sdlTranslucent = MakeSurface(SDL_PIXELFORMAT_ARGB4444, TranslucentPixel);
    SDL_SetSurfaceBlendMode(sdlTranslucent, SDL_BLENDMODE_BLEND);
  }

  static Image* MakeImage(int32_t pixelType, uint16_t (*pixel)(int, int)) {
    Image* image = NewObject<Image>();
    image->initPixels(kSide, kSide, pixelType, 0);
    auto* body = reinterpret_cast<uint16_t*>(image->getPixelArray()->elements());
    for (int y = 0; y < kSide; y++) {
      for (int x = 0; x < kSide; x++) body[y * (image->rowLength / 2) + x] = pixel(x, y);
    }
    return image;
  }

  static SDL_Surface* MakeSurface(uint32_t format, uint16_t (*pixel)(int, int)) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, kSide, kSide, 16, format);
    for (int y = 0; y < kSide; y++) {
      auto* row =
          reinterpret_cast<uint16_t*>(static_cast<uint8_t*>(surface->pixels) + y * surface->pitch);
      for (int x = 0; x < kSide; x++) row[x] = pixel(x, y);
    }
    return surface;
  }
};

Scene& TheScene() {
  static Scene scene;
  return scene;
}

// ---- Full-screen fill -----------------------------------------------------------------------

void BM_FillRect_Ours(benchmark::State& state) {
  Graphics* g = TheScene().graphics;
  g->setColor(0x336699);
  for (auto _ : state) {
    g->fillRect(0, 0, kScreenWidth, kScreenHeight);
    benchmark::ClobberMemory();
  }
}

void BM_FillRect_Sdl(benchmark::State& state) {
  SDL_Surface* screen = TheScene().sdlScreen;
  for (auto _ : state) {
    SDL_FillRect(screen, nullptr, 0x3193);
    benchmark::ClobberMemory();
  }
}

// ---- 64 x 64 colour-keyed RGB565 ------------------------------------------------------------

void BM_KeyedBlit_Ours(benchmark::State& state) {
  Scene& scene = TheScene();
  const auto transform = static_cast<int32_t>(state.range(0));
  for (auto _ : state) {
    scene.graphics->drawRegion(scene.keyed, 0, 0, kSide, kSide, transform, kX, kY, 0);
    benchmark::ClobberMemory();
  }
}

void BM_KeyedBlit_Sdl(benchmark::State& state) {
  Scene& scene = TheScene();
  for (auto _ : state) {
    SDL_Rect to{kX, kY, kSide, kSide};
    SDL_BlitSurface(scene.sdlKeyed, nullptr, scene.sdlScreen, &to);
    benchmark::ClobberMemory();
  }
}

// ---- 64 x 64 ARGB4444 blend -----------------------------------------------------------------

void BM_Argb4444Blend_Ours(benchmark::State& state) {
  Scene& scene = TheScene();
  for (auto _ : state) {
    scene.graphics->drawImage(scene.translucent, kX, kY, 0);
    benchmark::ClobberMemory();
  }
}

void BM_Argb4444Blend_Sdl(benchmark::State& state) {
  Scene& scene = TheScene();
  for (auto _ : state) {
    SDL_Rect to{kX, kY, kSide, kSide};
    SDL_BlitSurface(scene.sdlTranslucent, nullptr, scene.sdlScreen, &to);
    benchmark::ClobberMemory();
  }
}

void Timed(benchmark::internal::Benchmark* b) {
  b->Repetitions(kRepetitions)->MinTime(kMinSeconds)->ReportAggregatesOnly(true);
}

BENCHMARK(BM_FillRect_Ours)->Apply(Timed);
BENCHMARK(BM_FillRect_Sdl)->Apply(Timed);
BENCHMARK(BM_KeyedBlit_Ours)->DenseRange(0, 7)->Apply(Timed);
BENCHMARK(BM_KeyedBlit_Sdl)->Apply(Timed);
BENCHMARK(BM_Argb4444Blend_Ours)->Apply(Timed);
BENCHMARK(BM_Argb4444Blend_Sdl)->Apply(Timed);

// Prints as the console does, and keeps the median times of the two runs the ratio compares.
class MedianRecorder : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.aggregate_name != "median") continue;
      if (run.run_name.function_name == "BM_KeyedBlit_Ours" && run.run_name.args == "0") {
        ours = run.GetAdjustedRealTime();
      } else if (run.run_name.function_name == "BM_KeyedBlit_Sdl") {
        sdl = run.GetAdjustedRealTime();
      }
    }
  }
  double ours = 0, sdl = 0;
};

}  // namespace

int main(int argc, char** argv) {
  MedianRecorder reporter;
  if (!RunBenchmarksWith(argc, argv, &reporter)) return 1;
  if (reporter.ours > 0 && reporter.sdl > 0) {
    printf("ratio_vs_sdl: %.3f\n", reporter.ours / reporter.sdl);
  } else {
    printf("ratio_vs_sdl: unmeasured (the keyed blits were filtered out)\n");
  }
  return 0;
}
