// MQPixEffects: the game's per-pixel effects, all static: a mask of effect bits with their
// parameters, the scaled drawing of sprite modules (effect 11), a clock-driven oscillator,
// and kernels over ARGB int arrays whose key colour is RGB 0xFF00FF.
#pragma once

#include <cstdint>

#include "runtime/array.h"
#include "runtime/object.h"

class javax_microedition_lcdui_Graphics;
class javax_microedition_lcdui_Image;

class MQPixEffects : public Object {
 public:
  static constexpr int16_t kClassId = cid::MQPixEffects;

  static constexpr int32_t kScale = 11;  // the scaling effect
  static constexpr int32_t kScaleBit = 1 << kScale;
  static constexpr int32_t kFullSupportOnly = 0x27F;  // effects 0..6 and 9
  static constexpr int32_t kFullScreen = 0x1F;        // effects 0..4
  static constexpr int32_t kRoutesPixels = 0xDE0;     // 5, 6, 7, 8, 10, 11: through apply
  static constexpr int32_t kTransformsFirst = 0xD80;  // 7, 8, 10, 11: transform, then apply
  static constexpr int32_t kEffectCount = 12;

  // ---- The effect mask and the module pixels: engine/pix_effects.cpp ----
  static void setEffect(int32_t n, bool reset);
  static void clearEffect(int32_t n, bool reset);
  static bool isEffectOn(int32_t n);
  static void resetEffectParams(int32_t n);  // effect 11: {-1, 100, -1}; others nothing
  static void setFullScreenMaskBit(int32_t n);
  static void clearFullScreenMaskBit(int32_t n);
  static bool isFullScreenEffectActive();
  // Module pixels through the effects: the pixels for the caller to draw (w x h, given in
  // effectOutputWidth and effectOutputHeight), or null when drawn already or nothing to draw.
  static IntArray* apply(javax_microedition_lcdui_Graphics* g, IntArray* pixels, int32_t x,
                         int32_t y, int32_t w, int32_t h, int32_t flags, bool alpha,
                         bool partialAlpha);
  // apply over an Image's w x h pixels, read into rgbScratchA.
  static IntArray* applyToImage(javax_microedition_lcdui_Graphics* g,
                                javax_microedition_lcdui_Image* image, int32_t x, int32_t y,
                                int32_t w, int32_t h, int32_t flags, bool alpha, bool partialAlpha);
  // A sine of the effect clock swinging between lo and hi, freq turns a second (8.8).
  static int32_t oscillate(int32_t freq, int32_t lo, int32_t hi);
  static void noop();
  // Alpha mode 1: false, 2: true, otherwise partialAlpha.
  static bool useAlpha(bool partialAlpha, int32_t mode);
  // Effect 11's scale in percent, 100 when its parameters are missing.
  static int32_t scalePercent();
  // True when sprite painting consults the mask and some of these effect bits are on.
  static bool paintsWith(int32_t bits);

  // ---- Kernels: engine/pix_effects_kernels.cpp ----
  // Over w x h target pixels dst[r * w + c], the source read at start + r * rowStep +
  // c * pixelStep, so a flipped or turned source blends straight into an unturned target.
  // Key source pixels leave the target as it is.
  static void blendAdd(IntArray* src, int32_t start, int32_t rowStep, int32_t pixelStep,
                       IntArray* dst, int32_t w, int32_t h);
  static void blendMultiplyAdd(IntArray* src, int32_t start, int32_t rowStep, int32_t pixelStep,
                               IntArray* dst, int32_t w, int32_t h);
  static void greyFromRed(IntArray* src, IntArray* dst, int32_t n, int32_t a, bool keyMode,
                          bool multiply);
  static void setAlpha(IntArray* src, IntArray* dst, int32_t n, int32_t a, bool keyMode,
                       bool multiply);
  // src (the module's w x h pixels under flags) added and/or multiply-added onto the region's
  // pixels in buffer, packed to the clipped size; null when the region is clipped away.
  static IntArray* blendOntoScreen(javax_microedition_lcdui_Graphics* g, IntArray* src,
                                   IntArray* buffer, int32_t x, int32_t y, int32_t w, int32_t h,
                                   int32_t flags, bool add, bool multiplyAdd, bool grab);

  // ---- Set-up, frame step and scaled drawing: engine/effect_buffer.cpp ----
  static void init();
  static void update(int32_t dt);
  // Draws the w x h pixels of src scaled to percent/100 (plus one pixel each way) through
  // the row buffer, one drawRGB a batch of rows. Returns 0.
  static int32_t drawScaledRGB(javax_microedition_lcdui_Graphics* g, IntArray* src,
                               IntArray* rowBuf, int32_t x, int32_t y, int32_t w, int32_t h,
                               int32_t percent, int32_t alpha, bool processAlpha,
                               bool multiplyAlpha);
};
