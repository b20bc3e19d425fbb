// A 32-character drawString on the 480 x 800 screen image beside SDL2_ttf rendering the same
// text with the same face and size (TTF_RenderUTF8_Solid) and blitting it onto an RGB565
// surface. The last line is "ratio_vs_sdl_ttf: X", our time over SDL2_ttf's.
#include <SDL.h>
#include <SDL_ttf.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <memory>

#include "bench/bench_main.h"
#include "host/text_service.h"
#include "javame/graphics.h"
#include "javame/image.h"
#include "runtime/application_impl.h"
#include "runtime/string.h"

namespace {

constexpr char kText[] = "Plimora: pop three bubbles now!!";
static_assert(sizeof kText - 1 == 32);

struct Ours {
  ApplicationImpl context;
  javax_microedition_lcdui_Graphics* graphics = nullptr;
  String* text = nullptr;
  Ours() {
    context.init();
    auto* image = javax_microedition_lcdui_Image::createImage(480, 800);
    graphics = image->getGraphics();
    graphics->setColor(0xFFFFFF);
    text = NewJavaString(kText);
  }
  ~Ours() { context.close(); }
  void draw() { graphics->drawString(text, 20, 300, 20); }
};

struct Theirs {
  TTF_Font* font = nullptr;
  SDL_Surface* screen = nullptr;
  Theirs() {
    TTF_Init();
    font = TTF_OpenFont(host::kSystemFontFile, host::kSystemFontPixels);
    screen = SDL_CreateRGBSurfaceWithFormat(0, 480, 800, 16, SDL_PIXELFORMAT_RGB565);
  }
  ~Theirs() {
    SDL_FreeSurface(screen);
    if (font) TTF_CloseFont(font);
    TTF_Quit();
  }
  void draw() {
    SDL_Surface* text = TTF_RenderUTF8_Solid(font, kText, SDL_Color{255, 255, 255, 255});
    SDL_Rect at = {20, 300, 0, 0};
    SDL_BlitSurface(text, nullptr, screen, &at);
    SDL_FreeSurface(text);
  }
};

Ours* ours = nullptr;
Theirs* theirs = nullptr;

void BM_OurDrawString(benchmark::State& state) {
  for (auto _ : state) ours->draw();
}
BENCHMARK(BM_OurDrawString);

void BM_SdlTtfRenderAndBlit(benchmark::State& state) {
  for (auto _ : state) theirs->draw();
}
BENCHMARK(BM_SdlTtfRenderAndBlit);

// Nanoseconds a draw takes, the best of several timed batches.
template <typename Draw>
double BestNanos(Draw draw) {
  double best = 1e18;
  for (int batch = 0; batch < 7; batch++) {
    const auto began = std::chrono::steady_clock::now();
    for (int i = 0; i < 2000; i++) draw();
    const std::chrono::duration<double, std::nano> spent = std::chrono::steady_clock::now() - began;
    best = std::min(best, spent.count() / 2000);
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  DropRuntimeTrace();
  auto mine = std::make_unique<Ours>();
  Theirs reference;
  if (!reference.font || !reference.screen) {
    std::fprintf(stderr, "text_bench: SDL2_ttf cannot open %s\n", host::kSystemFontFile);
    return 1;
  }
  ours = mine.get();
  theirs = &reference;
  if (RunBenchmarks(argc, argv) != 0) return 1;
  const double mineNs = BestNanos([] { ours->draw(); });
  const double theirNs = BestNanos([] { theirs->draw(); });
  mine.reset();
  std::printf("ratio_vs_sdl_ttf: %.2f\n", mineNs / theirNs);
  return 0;
}
