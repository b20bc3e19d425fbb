// Fuzz target: any bytes loaded as a sprite; every module built into the image cache in every
// palette; frames and animations measured and painted in the eight transforms on a 64 x 64
// image, with effect 11 off and at 50 percent. The work per input is capped (frames,
// animation-frames and cached modules), so a large table cannot make the run time out.
#include <cstddef>
#include <cstdint>

#include "engine/pix_effects.h"
#include "engine/sprite.h"
#include "fuzz/support/fuzz_runtime.h"
#include "game/game_statics.h"
#include "javame/graphics.h"
#include "javame/image.h"

namespace {

constexpr int32_t kFuzzDataHeapSize = 16 * 1024 * 1024;
constexpr size_t kLargestInput = 64 * 1024;
constexpr int32_t kMostFrames = 48;
constexpr int32_t kMostAnimations = 24;
constexpr int32_t kMostAFrames = 8;
constexpr int32_t kMostCachedModules = 128;
constexpr int32_t kSide = 64;

void MeasureAndPaint(ASprite* sprite, javax_microedition_lcdui_Graphics* g, IntArray* out) {
  const int32_t frames = sprite->getFrameCount();
  for (int32_t f = 0; f < frames && f < kMostFrames; f++) {
    for (int32_t flags = 0; flags < 8; flags++) {
      sprite->getFrameBounds(out, f, 5, 7, flags);
      sprite->paintFrame(g, f, 20, 30, flags, 0, 0);
      sprite->getFrameRect(f, flags - 1, out, flags);
    }
  }
  const int32_t anims = sprite->animAFrameCount ? sprite->animAFrameCount->length : 0;
  for (int32_t a = 0; a < anims && a < kMostAnimations; a++) {
    for (int32_t j = 0; j < sprite->getAFrameCount(a) && j < kMostAFrames; j++) {
      for (int32_t flags = 0; flags < 8; flags++) {
        sprite->measureAFrame(out, a, j, -3, 2, flags);
        sprite->paintAFrame(g, a, j, 32, 32, flags, 0, 0);
        sprite->getAFrameRect(a, j, 0, out, flags, true);
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static bool started = [] {
    StartFuzzRuntime(kFuzzDataHeapSize, nullptr);
    ASprite::staticInit();
    Statics<GameStatics>()->cGame_effectsEnabled = true;
    Statics<GameStatics>()->cGame_canvasWidth = 480;
    Statics<GameStatics>()->cGame_canvasHeight = 800;
    MQPixEffects::init();
    return true;
  }();
  if (!started || size > kLargestInput) return 0;
  ASprite* sprite = NewObject<ASprite>();
  sprite->initFields();
  sprite->load(FuzzBytes(data, size), 0, 0, 0);
  const int32_t last = sprite->moduleCount < kMostCachedModules ? -1 : kMostCachedModules - 1;
  for (int32_t p = 0; p < sprite->paletteCount; p++) sprite->buildModuleImages(p, 0, last, -1);
  auto* image = javax_microedition_lcdui_Image::createImage(kSide, kSide);
  auto* g = image->getGraphics();
  IntArray* out = NewIntArray(4);
  // From the cache, then decoded; each with effect 11 off and at half size.
  for (const bool cached : {true, false}) {
    if (!cached) sprite->moduleImages = nullptr;
    for (const bool scaled : {false, true}) {
      if (scaled) {
        MQPixEffects::setEffect(MQPixEffects::kScale, true);
        auto* params = static_cast<IntArray*>(
            Statics<GameStatics>()->MQPixEffects_effectParams->elements()[11]);
        IntArray::set(params, 1, 50);
      }
      MeasureAndPaint(sprite, g, out);
      MQPixEffects::clearEffect(MQPixEffects::kScale, true);
    }
  }
  return 0;
}
