// MQPixEffects' kernels over ARGB int arrays: additive and multiply-add blends that read a
// flipped or turned source straight into an unturned target, grey and alpha transforms, and
// the blend of a module onto the pixels under it. A pixel is a key when (c & 0xFF00FF) is
// 0xFF00FF. Every element a kernel would touch is checked against its array first.
#include <algorithm>
#include <cstring>

#include "engine/pix_effects.h"
#include "engine/pixel_walk.h"
#include "game/game_statics.h"
#include "javame/graphics.h"
#include "javame/image.h"
#include "runtime/range_check.h"
#include "runtime/trace.h"

namespace {

constexpr uint32_t kKeyBits = 0xFF00FF;

bool IsKey(uint32_t c) {
  return (c & kKeyBits) == kKeyBits;
}

uint32_t Channel(uint32_t c, int shift) {
  return (c >> shift) & 0xFF;
}

// The blue, green and red of c combined channel by channel; alpha 0.
template <class Combine>
uint32_t PerChannel(uint32_t s, uint32_t d, Combine combine) {
  uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    out |= std::min<uint32_t>(255, combine(Channel(s, shift), Channel(d, shift))) << shift;
  }
  return out;
}

// True when every source element of the walk over w x h and the w x h targets lie inside.
bool WalkInside(IntArray* src, int32_t start, int32_t rowStep, int32_t pixelStep, IntArray* dst,
                int32_t w, int32_t h, const char* operation) {
  if (!NullCheck(src) || !NullCheck(dst)) return false;
  if (w <= 0 || h <= 0) return false;
  const int64_t corners[4] = {start, start + int64_t{w - 1} * pixelStep,
                              start + int64_t{h - 1} * rowStep,
                              start + int64_t{w - 1} * pixelStep + int64_t{h - 1} * rowStep};
  const auto [low, high] = std::minmax_element(corners, corners + 4);
  if (*low < 0 || *high >= src->length || int64_t{w} * h > dst->length) {
    DebugLog("%s: %d x %d pixels leave the arrays", operation, w, h);
    return false;
  }
  return true;
}

template <class Combine>
void BlendWalk(IntArray* src, int32_t start, int32_t rowStep, int32_t pixelStep, IntArray* dst,
               int32_t w, int32_t h, const char* operation, Combine combine) {
  if (!WalkInside(src, start, rowStep, pixelStep, dst, w, h, operation)) return;
  const auto* from = reinterpret_cast<const uint32_t*>(src->elements());
  auto* to = reinterpret_cast<uint32_t*>(dst->elements());
  for (int32_t r = 0; r < h; r++) {
    for (int32_t c = 0; c < w; c++) {
      const uint32_t s = from[start + int64_t{r} * rowStep + int64_t{c} * pixelStep];
      uint32_t& d = to[int64_t{r} * w + c];
      if (!IsKey(s)) d = PerChannel(s, d, combine);
    }
  }
}

// True when n elements of both arrays exist.
bool BothHold(IntArray* src, IntArray* dst, int32_t n, const char* operation) {
  if (!NullCheck(src) || !NullCheck(dst)) return false;
  if (n < 0 || n > src->length || n > dst->length) {
    DebugLog("%s: %d pixels leave the arrays", operation, n);
    return false;
  }
  return true;
}

uint32_t GreyFromRed(uint32_t c) {
  const uint32_t red = Channel(c, 16);
  return (c & 0xFFFF0000u) | red << 8 | red;
}

uint32_t WithAlpha(uint32_t c, uint32_t alpha) {
  return (c & 0xFFFFFF) | (alpha & 0xFF) << 24;
}

}  // namespace

void MQPixEffects::blendAdd(IntArray* src, int32_t start, int32_t rowStep, int32_t pixelStep,
                            IntArray* dst, int32_t w, int32_t h) {
  BlendWalk(src, start, rowStep, pixelStep, dst, w, h, "MQPixEffects::blendAdd",
            [](uint32_t s, uint32_t d) { return s + d; });
}

void MQPixEffects::blendMultiplyAdd(IntArray* src, int32_t start, int32_t rowStep,
                                    int32_t pixelStep, IntArray* dst, int32_t w, int32_t h) {
  BlendWalk(src, start, rowStep, pixelStep, dst, w, h, "MQPixEffects::blendMultiplyAdd",
            [](uint32_t s, uint32_t d) { return d + ((s * d) >> 6); });
}

void MQPixEffects::greyFromRed(IntArray* src, IntArray* dst, int32_t n, int32_t a, bool keyMode,
                               bool multiply) {
  if (!BothHold(src, dst, n, "MQPixEffects::greyFromRed")) return;
  if (a >= 0) Statics<GameStatics>()->MQPixEffects_effectOutputAlpha = true;
  const auto* from = reinterpret_cast<const uint32_t*>(src->elements());
  auto* to = reinterpret_cast<uint32_t*>(dst->elements());
  for (int32_t i = 0; i < n; i++) {
    const uint32_t c = from[i];
    if (a < 0) {
      to[i] = keyMode && !multiply && IsKey(c) ? 0 : GreyFromRed(c);
    } else if (multiply) {
      to[i] = WithAlpha(GreyFromRed(c), ((c >> 24) * static_cast<uint32_t>(a)) >> 8);
    } else {
      to[i] = keyMode && IsKey(c) ? 0 : WithAlpha(GreyFromRed(c), static_cast<uint32_t>(a));
    }
  }
}

void MQPixEffects::setAlpha(IntArray* src, IntArray* dst, int32_t n, int32_t a, bool keyMode,
                            bool multiply) {
  if (!BothHold(src, dst, n, "MQPixEffects::setAlpha")) return;
  const auto alpha = static_cast<uint32_t>(std::clamp(a, 0, 255));
  Statics<GameStatics>()->MQPixEffects_effectOutputAlpha = true;
  const auto* from = reinterpret_cast<const uint32_t*>(src->elements());
  auto* to = reinterpret_cast<uint32_t*>(dst->elements());
  for (int32_t i = 0; i < n; i++) {
    const uint32_t c = from[i];
    if (multiply) {
      to[i] = WithAlpha(c, ((c >> 24) * alpha) >> 8);
    } else if (keyMode && (c & 0xFFFFFF) == kKeyBits) {
      to[i] = 0;
    } else {
      to[i] = WithAlpha(c, alpha);
    }
  }
}

IntArray* MQPixEffects::blendOntoScreen(javax_microedition_lcdui_Graphics* g, IntArray* src,
                                        IntArray* buffer, int32_t x, int32_t y, int32_t w,
                                        int32_t h, int32_t flags, bool add, bool multiplyAdd,
                                        bool grab) {
  if (!NullCheck(g) || !NullCheck(buffer) || !NullCheck(src)) return nullptr;
  const int32_t dw = (flags & 4) ? h : w, dh = (flags & 4) ? w : h;
  const int64_t cx = g->getClipX(), cy = g->getClipY();
  const int64_t x0 = std::max<int64_t>(x, cx), y0 = std::max<int64_t>(y, cy);
  const int64_t x1 = std::min<int64_t>(int64_t{x} + dw, cx + g->getClipWidth());
  const int64_t y1 = std::min<int64_t>(int64_t{y} + dh, cy + g->getClipHeight());
  if (x1 <= x0 || y1 <= y0) return nullptr;
  const auto cw = static_cast<int32_t>(x1 - x0), ch = static_cast<int32_t>(y1 - y0);
  const auto left = static_cast<int32_t>(x0 - x), top = static_cast<int32_t>(y0 - y);
  if (int64_t{dw} * dh > buffer->length) {
    DebugLog("MQPixEffects::blendOntoScreen: %d x %d pixels leave the buffer", dw, dh);
    return nullptr;
  }
  GameStatics* s = Statics<GameStatics>();
  javax_microedition_lcdui_Image* screen = s->MQPixEffects_effectBufferImage;
  if (grab && s->cGame_effectsFullSupport && screen) {
    screen->getRGB(buffer, 0, cw, static_cast<int32_t>(x0) + g->getTranslateX(),
                   static_cast<int32_t>(y0) + g->getTranslateY(), cw, ch);
  } else if (cw != dw || ch != dh) {
    // The region's own pixels, dw a row, packed to the clipped rows.
    int32_t* pixels = buffer->elements();
    for (int32_t r = 0; r < ch; r++) {
      std::memmove(pixels + int64_t{r} * cw, pixels + int64_t{r + top} * dw + left,
                   sizeof(int32_t) * cw);
    }
  }
  const PixelWalk walk = WalkUnderFlags(flags, w, h);
  const int32_t start = walk.start + top * walk.rowStep + left * walk.pixelStep;
  if (add) blendAdd(src, start, walk.rowStep, walk.pixelStep, buffer, cw, ch);
  if (multiplyAdd) blendMultiplyAdd(src, start, walk.rowStep, walk.pixelStep, buffer, cw, ch);
  s->MQPixEffects_effectOutputWidth = cw;
  s->MQPixEffects_effectOutputHeight = ch;
  s->MQPixEffects_effectOutputAlpha = false;
  return buffer;
}
