// The pixel effects' set-up and frame step, the scaled drawing of an ARGB array (effect 11),
// and cGame's three small drawing wrappers. The scaled picture is never built whole: only its
// pixels inside the clip are made, a batch of rows at a time, through one row buffer.
#include <algorithm>

#include "engine/pix_effects.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/graphics.h"
#include "javame/image.h"
#include "runtime/trace.h"

namespace {

using Graphics = javax_microedition_lcdui_Graphics;
using Image = javax_microedition_lcdui_Image;

constexpr uint32_t kKeyRgb = 0xFF00FF;

// The four alpha treatments of the scaled drawing.
enum class AlphaTreatment { kCopy, kMultiply, kKeyed, kReplace };

template <AlphaTreatment kTreat>
uint32_t Treat(uint32_t p, uint32_t alpha) {
  if constexpr (kTreat == AlphaTreatment::kCopy) {
    return p;
  } else if constexpr (kTreat == AlphaTreatment::kMultiply) {
    return (p & 0xFFFFFF) | (((p >> 24) * alpha) >> 8 & 0xFF) << 24;
  } else if constexpr (kTreat == AlphaTreatment::kKeyed) {
    return (p & 0xFFFFFF) == kKeyRgb ? 0 : (p & 0xFFFFFF) | (alpha & 0xFF) << 24;
  } else {
    return (p & 0xFFFFFF) | (alpha & 0xFF) << 24;
  }
}

// The scaled picture: destination pixel (c, r) of dw x dh takes source pixel
// (c * w / dw, r * h / dh) of the w x h source.
struct Scaling {
  const uint32_t* src;
  int64_t srcLength;
  int64_t w, h, dw, dh;
};

// Destination columns c .. c + n - 1 of row r into out, stepping the source column without a
// division per pixel.
template <AlphaTreatment kTreat>
void ScaleRow(const Scaling& s, int64_t r, int64_t c, int32_t n, uint32_t alpha, uint32_t* out) {
  const int64_t rowBase = r * s.h / s.dh * s.w;
  int64_t column = c * s.w / s.dw, rest = c * s.w % s.dw;
  const int64_t whole = s.w / s.dw, part = s.w % s.dw;
  for (int32_t i = 0; i < n; i++) {
    const int64_t index = rowBase + column;
    out[i] = Treat<kTreat>(index < s.srcLength ? s.src[index] : 0, alpha);
    column += whole;
    rest += part;
    if (rest >= s.dw) {
      rest -= s.dw;
      column++;
    }
  }
}

// One batch: `rows` destination rows of n columns from (c, r), packed n a row.
void ScaleBatch(const Scaling& s, AlphaTreatment treat, int64_t r, int64_t c, int32_t n,
                int32_t rows, uint32_t alpha, uint32_t* out) {
  for (int32_t k = 0; k < rows; k++, out += n) {
    switch (treat) {
      case AlphaTreatment::kCopy:
        ScaleRow<AlphaTreatment::kCopy>(s, r + k, c, n, alpha, out);
        break;
      case AlphaTreatment::kMultiply:
        ScaleRow<AlphaTreatment::kMultiply>(s, r + k, c, n, alpha, out);
        break;
      case AlphaTreatment::kKeyed:
        ScaleRow<AlphaTreatment::kKeyed>(s, r + k, c, n, alpha, out);
        break;
      case AlphaTreatment::kReplace:
        ScaleRow<AlphaTreatment::kReplace>(s, r + k, c, n, alpha, out);
        break;
    }
  }
}

}  // namespace

// ---- Set-up and the frame step --------------------------------------------------------------

void MQPixEffects::init() {
  GameStatics* s = Statics<GameStatics>();
  s->MQPixEffects_effectScreenWidth = s->cGame_canvasWidth;
  s->MQPixEffects_effectScreenHeight = s->cGame_canvasHeight;
  s->MQPixEffects_effectMask = 0;
  s->MQPixEffects_effectClock = 0;
  s->MQPixEffects_effectCounter0 = 0;
  s->MQPixEffects_effectCounter1 = 0;
  s->MQPixEffects_effectParams = NewObjectArray(cid::IntArray, kEffectCount);
  resetEffectParams(kScale);
  if (s->cGame_effectsFullSupport) {
    s->MQPixEffects_effectBufferImage =
        Image::createImage(s->cGame_canvasWidth, s->cGame_canvasHeight);
    Image* buffer = s->MQPixEffects_effectBufferImage;
    if (buffer) s->MQPixEffects_effectBufferGraphics = buffer->getGraphics();
  }
  s->MQPixEffects_fullScreenMask = 0;
  s->MQPixEffects_effectsInitialised = true;
}

void MQPixEffects::update(int32_t dt) {
  GameStatics* s = Statics<GameStatics>();
  if (isFullScreenEffectActive() && s->cGame_effectsFullSupport) {
    s->cGame_drawGraphics = s->MQPixEffects_effectBufferGraphics;
    s->cGame_screenGraphics = s->MQPixEffects_effectBufferGraphics;
  }
  s->MQPixEffects_effectClock += dt;
}

// ---- Scaled drawing -------------------------------------------------------------------------

int32_t MQPixEffects::drawScaledRGB(Graphics* g, IntArray* src, IntArray* rowBuf, int32_t x,
                                    int32_t y, int32_t w, int32_t h, int32_t percent, int32_t alpha,
                                    bool processAlpha, bool multiplyAlpha) {
  if (!NullCheck(g) || !NullCheck(src) || !NullCheck(rowBuf) || w <= 0 || h <= 0) return 0;
  percent = std::max(percent, 0);
  const Scaling scaling{reinterpret_cast<const uint32_t*>(src->elements()),
                        src->length,
                        w,
                        h,
                        int64_t{w} * percent / 100 + 1,
                        int64_t{h} * percent / 100 + 1};
  // Only the destination inside the clip is made: columns c0 .. c1 - 1, rows r0 .. r1 - 1.
  const int64_t cx = g->getClipX(), cy = g->getClipY();
  const int64_t c0 = std::max<int64_t>(0, cx - x);
  const int64_t c1 = std::min<int64_t>(scaling.dw, cx + g->getClipWidth() - x);
  const int64_t r0 = std::max<int64_t>(0, cy - y);
  const int64_t r1 = std::min<int64_t>(scaling.dh, cy + g->getClipHeight() - y);
  if (c1 <= c0 || r1 <= r0) return 0;
  const int32_t bufferLength = rowBuf->length;
  if (bufferLength < 1) {
    DebugLog("MQPixEffects::drawScaledRGB: the row buffer is empty");
    return 0;
  }
  AlphaTreatment treat = AlphaTreatment::kCopy;
  if (alpha >= 0) {
    treat = multiplyAlpha  ? AlphaTreatment::kMultiply
            : processAlpha ? AlphaTreatment::kKeyed
                           : AlphaTreatment::kReplace;
  }
  const bool drawAlpha = alpha >= 0 || processAlpha;
  // A row wider than the buffer is drawn in pieces, one row a batch.
  const int64_t visible = c1 - c0;
  const auto piece = static_cast<int32_t>(std::min<int64_t>(visible, bufferLength));
  const int32_t rowsPerBatch = piece == visible ? bufferLength / piece : 1;
  auto* out = reinterpret_cast<uint32_t*>(rowBuf->elements());
  for (int64_t c = c0; c < c1; c += piece) {
    const auto n = static_cast<int32_t>(std::min<int64_t>(piece, c1 - c));
    for (int64_t r = r0; r < r1; r += rowsPerBatch) {
      const auto rows = static_cast<int32_t>(std::min<int64_t>(rowsPerBatch, r1 - r));
      ScaleBatch(scaling, treat, r, c, n, rows, static_cast<uint32_t>(alpha), out);
      g->drawRGB(rowBuf, 0, n, static_cast<int32_t>(x + c), static_cast<int32_t>(y + r), n, rows,
                 drawAlpha);
    }
  }
  return 0;
}

// ---- cGame's drawing wrappers ---------------------------------------------------------------

void cGame::fillRect(int32_t x, int32_t y, int32_t w, int32_t h) {
  Graphics* g = Statics<GameStatics>()->cGame_drawGraphics;
  if (NullCheck(g)) g->fillRect(x, y, w, h);
}

void cGame::drawRGB(Graphics* g, IntArray* rgb, int32_t offset, int32_t scanlength, int32_t x,
                    int32_t y, int32_t w, int32_t h, bool processAlpha) {
  if (NullCheck(g)) g->drawRGB(rgb, offset, scanlength, x, y, w, h, processAlpha);
}

Image* cGame::makeKeyedImage(Image* img) {
  if (!NullCheck(img)) return nullptr;
  const int32_t w = img->getWidth(), h = img->getHeight();
  Image* canvas = Image::createImage(w, h);
  if (!canvas) return nullptr;
  Graphics* g = canvas->getGraphics();
  g->setColor(kKeyRgb);
  g->fillRect(0, 0, w, h);
  g->drawImage(img, 0, 0, 0);
  GameStatics* s = Statics<GameStatics>();
  IntArray* pixels = s->cGame_keyedImagePixels;
  if (!pixels || pixels->length < int64_t{w} * h) {
    pixels = NewIntArray(w * h);
    s->cGame_keyedImagePixels = pixels;
  }
  if (!pixels || pixels->length < int64_t{w} * h) return nullptr;
  canvas->getRGB(pixels, 0, w, 0, 0, w, h);
  auto* p = reinterpret_cast<uint32_t*>(pixels->elements());
  for (int32_t i = 0; i < w * h; i++) {
    if ((p[i] & 0xFFFFFF) == kKeyRgb) p[i] = kKeyRgb;  // alpha 0
  }
  return Image::createRGBImage(pixels, w, h, true);
}
