// ASprite's pixel transforms and the two shared scratch buffers: decoding fills rgbScratchA,
// a transform or an effect writes into the other one, so at most two module pictures are live.
#include "engine/pixel_walk.h"
#include "engine/sprite.h"
#include "game/game_statics.h"
#include "runtime/trace.h"

IntArray* ASprite::getScratchBuffer(IntArray* buf) {
  GameStatics* s = Statics<GameStatics>();
  const bool wantB = buf && buf == static_cast<IntArray*>(s->ASprite_rgbScratchA);
  StaticRef<IntArray>& slot = wantB ? s->ASprite_rgbScratchB : s->ASprite_rgbScratchA;
  if (!slot) slot = NewIntArray(kScratchPixels);
  return slot;
}

IntArray* ASprite::transformRGB(IntArray* pixels, int32_t w, int32_t h, int32_t flags) {
  if ((flags & 7) == 0) return pixels;
  if (!NullCheck(pixels)) return nullptr;
  IntArray* out = getScratchBuffer(pixels);  // may allocate: body addresses come after it
  const int64_t n = int64_t{w} * h;
  if (w < 0 || h < 0 || !out || n > out->length || n > pixels->length) {
    DebugLog("ASprite::transformRGB: %d x %d pixels do not fit the buffers", w, h);
    return nullptr;
  }
  if (n == 0) return out;
  const bool turned = (flags & 4) != 0;
  const PixelWalk walk = WalkUnderFlags(flags, turned ? h : w, turned ? w : h);
  const int32_t* src = pixels->elements();
  int32_t* dst = out->elements();
  for (int32_t dy = 0; dy < h; dy++) {
    const int32_t* from = src + walk.start + int64_t{dy} * walk.rowStep;
    int32_t* to = dst + int64_t{dy} * w;
    for (int32_t dx = 0; dx < w; dx++) to[dx] = from[int64_t{dx} * walk.pixelStep];
  }
  return out;
}
