// ASprite's palettes: the palette and pixel section of the data, and the palette operations
// (alpha, blending, tint palettes). Palettes hold 0xAARRGGBB colours; RGB 0xFF00FF is the key.
// At most 16 palettes exist, loaded and appended together.
#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

#include "engine/sprite.h"
#include "engine/sprite_reader.h"
#include "runtime/range_check.h"
#include "runtime/trace.h"

// Palette and pixel section:
//   i16 palette format (0x8888, 0x4444, 0x5515, 0x6505), u8 palette count, u8 colours per
//   palette (0 = 256), count x colours colours of 4 or 2 bytes, i16 pixel encoding, then per
//   module its byte size (u32 with flag 0x80, else i16) and that many encoded bytes.

namespace {

constexpr int32_t kArgb8888 = 0x8888;
constexpr int32_t kArgb4444 = 0x4444;
constexpr int32_t kArgb1555 = 0x5515;
constexpr int32_t kRgb565 = 0x6505;
constexpr int32_t kRunsOfIndexBits = 0x64F0;
constexpr int32_t kRunsOfIndexBitsNoDecoder = 0xA640;
constexpr int32_t kColourAndAlphaRuns = 0xA256;
constexpr uint32_t kRgbMask = 0xFFFFFF;
constexpr uint32_t kKeyRgb = 0xFF00FF;

constexpr bool KnownEncoding(int32_t code) {
  switch (code) {
    case 0x5602:
    case 0x1600:
    case 0x0400:
    case 0x0200:
    case kRunsOfIndexBits:
    case 0x27F1:
    case 0x56F2:
    case kColourAndAlphaRuns:
      return true;
    default:
      return false;
  }
}

int32_t BytesPerColour(int32_t format) {
  switch (format) {
    case kArgb8888:
      return 4;
    case kArgb4444:
    case kArgb1555:
    case kRgb565:
      return 2;
    default:
      return 0;
  }
}

// One stored colour as 0xAARRGGBB.
uint32_t ReadColour(SpriteReader& in, int32_t format) {
  if (format == kArgb8888) return static_cast<uint32_t>(in.i32());
  const uint32_t v = static_cast<uint32_t>(in.u16());
  switch (format) {
    case kArgb4444:
      return ((v >> 12) & 15) * 17 << 24 | ((v >> 8) & 15) * 17 << 16 | ((v >> 4) & 15) * 17 << 8 |
             (v & 15) * 17;
    case kArgb1555:
      return ((v & 0x8000) ? 0xFF000000u : 0) | ((v >> 10) & 31) << 19 | ((v >> 5) & 31) << 11 |
             (v & 31) << 3;
    default:  // RGB565; its magenta is the transparent entry
      return (v == 0xF81F ? 0 : 0xFF000000u) | (v >> 11) << 19 | ((v >> 5) & 63) << 10 |
             (v & 31) << 3;
  }
}

uint32_t Alpha(uint32_t c) {
  return c >> 24;
}

uint32_t WithAlpha(uint32_t c, uint32_t alpha) {
  return (c & kRgbMask) | alpha << 24;
}

// c moved toward target by amount/256 in each channel; differences shift arithmetically.
uint32_t Blend(uint32_t c, uint32_t target, int32_t amount) {
  uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const int32_t from = (c >> shift) & 0xFF, to = (target >> shift) & 0xFF;
    const int32_t v = from + (((to - from) * amount) >> 8);
    out |= static_cast<uint32_t>(v & 0xFF) << shift;
  }
  return out;
}

}  // namespace

// ---- The palette and pixel section ----------------------------------------------------------

bool ASprite::loadPalettes(SpriteReader& in) {
  in.beginSection("palette");
  const int32_t format = in.i16() & 0xFFFF;
  const int32_t count = in.u8();
  int32_t colours = in.u8();
  if (colours == 0) colours = 256;
  if (!in.ok()) return false;
  if (count > kMostPalettes) {
    in.fail("it holds %d palettes, more than %d", count, kMostPalettes);
    return false;
  }
  const int32_t bytes = BytesPerColour(format);
  if (bytes > 0 && !in.need(int64_t{count} * colours * bytes)) return false;
  if (!palettes) palettes = NewObjectArray(cid::IntArray, kMostPalettes);
  if (!palettes || palettes->length != kMostPalettes) return false;
  paletteCount = count;
  colorsPerPalette = colours;
  for (int32_t p = 0; p < count; p++) {
    IntArray* palette = NewIntArray(colours);
    if (!palette || palette->length != colours) return false;
    palettes->elements()[p] = palette;
    for (int32_t i = 0; bytes > 0 && i < colours; i++) {
      const uint32_t c = ReadColour(in, format);
      palette->elements()[i] = static_cast<int32_t>(c);
      if (Alpha(c) < 0xFF) hasTransparency = true;
      if ((format == kArgb8888 || format == kArgb4444) && Alpha(c) != 0 && Alpha(c) != 0xFF) {
        hasPartialAlpha = true;
      }
    }
  }
  if (bytes == 0) {
    // The layout of what follows is unknown: reading on would take colours for pixels.
    in.note("unknown palette format 0x%04X: the palettes stay zero, the pixels unread", format);
    return true;
  }
  in.beginSection("pixel");
  pixelFormat = static_cast<int16_t>(in.i16());
  const int32_t encoding = pixelFormat & 0xFFFF;
  if (encoding == kRunsOfIndexBits || encoding == kRunsOfIndexBitsNoDecoder) {
    pixelBits = colours > 1 ? std::bit_width(static_cast<uint32_t>(colours - 1)) : 0;
    pixelMask = (1 << pixelBits) - 1;
  }
  if (encoding == kColourAndAlphaRuns) hasTransparency = hasPartialAlpha = true;
  if (in.ok() && !KnownEncoding(encoding)) {
    in.note("unknown pixel encoding 0x%04X: its modules decode transparent", encoding);
  }
  // First the sizes, walked and checked, then one array for every module's bytes.
  std::vector<int32_t> starts(moduleCount), sizes(moduleCount);
  int64_t total = 0;
  for (int32_t m = 0; m < moduleCount && in.ok(); m++) {
    sizes[m] = (flags & kWidePixelSizes) ? in.i32() : in.i16();
    if (in.ok() && sizes[m] < 0) {
      in.fail("module %d has the pixel size %d", m, sizes[m]);
      break;
    }
    starts[m] = in.position();
    in.skip(sizes[m]);
    total += sizes[m];
  }
  if (!in.ok()) return false;
  IntArray* offsets = NewIntArray(moduleCount);
  ByteArray* pixels = NewByteArray(static_cast<int32_t>(total));
  if (!offsets || offsets->length != moduleCount || !pixels || pixels->length != total) {
    in.fail("no memory for %lld bytes of pixels", static_cast<long long>(total));
    return false;
  }
  int32_t at = 0;
  for (int32_t m = 0; m < moduleCount; m++) {
    offsets->elements()[m] = at;
    if (sizes[m] > 0)
      std::memcpy(pixels->elements() + at, in.data()->elements() + starts[m], sizes[m]);
    at += sizes[m];
  }
  modulePixelOffset = offsets;
  pixelData = pixels;
  return true;
}

// ---- Palette operations ---------------------------------------------------------------------

namespace {

// Palette p of the sprite, or null (traced) when it does not exist.
IntArray* PaletteOf(ASprite* sprite, int32_t p, const char* operation) {
  if (!NullCheck(sprite->palettes)) return nullptr;
  if (!IndexInRange(operation, p, sprite->paletteCount)) return nullptr;
  Object* palette = sprite->palettes->elements()[p];
  if (!palette || palette->classId != cid::IntArray) {
    DebugLog("%s: palette %d holds no colours", operation, p);
    return nullptr;
  }
  return static_cast<IntArray*>(palette);
}

uint32_t* ColoursOf(IntArray* palette) {
  return reinterpret_cast<uint32_t*>(palette->elements());
}

}  // namespace

int32_t ASprite::appendPalette() {
  if (paletteCount >= kMostPalettes) {
    DebugLog("ASprite::appendPalette: %d palettes are held already", paletteCount);
    return -1;
  }
  if (!palettes) palettes = NewObjectArray(cid::IntArray, kMostPalettes);
  IntArray* palette = NewIntArray(colorsPerPalette);
  if (!palettes || palettes->length != kMostPalettes || !palette) return -1;
  palettes->elements()[paletteCount] = palette;
  paletteCount++;
  if (moduleImages) {
    ObjectArray* grown = NewObjectArray(cid::ObjectArray, paletteCount);
    if (!grown || grown->length != paletteCount) return -1;
    const int32_t kept = std::min(moduleImages->length, paletteCount);
    std::copy_n(moduleImages->elements(), kept, grown->elements());
    moduleImages = grown;
  }
  return paletteCount - 1;
}

void ASprite::setPaletteAlpha(int32_t p, int32_t alpha, bool keepKey, bool multiply) {
  IntArray* palette = PaletteOf(this, p, "ASprite::setPaletteAlpha");
  if (!palette) return;
  uint32_t* colours = ColoursOf(palette);
  for (int32_t i = 0; i < palette->length; i++) {
    const uint32_t c = colours[i];
    if (multiply) {
      colours[i] = WithAlpha(c, (Alpha(c) * static_cast<uint32_t>(alpha)) >> 8 & 0xFF);
    } else if (!keepKey || ((c & kRgbMask) != kKeyRgb && Alpha(c) != 0)) {
      colours[i] = WithAlpha(c, static_cast<uint32_t>(alpha) & 0xFF);
    }
  }
}

void ASprite::setPaletteAlphaDefault(int32_t p, int32_t alpha) {
  setPaletteAlpha(p, alpha, hasTransparency, hasPartialAlpha);
}

void ASprite::applyAlphaPalette(int32_t p, int32_t q) {
  hasTransparency = hasPartialAlpha = true;
  IntArray* target = PaletteOf(this, p, "ASprite::applyAlphaPalette");
  IntArray* source = PaletteOf(this, q, "ASprite::applyAlphaPalette");
  if (!target || !source) return;
  uint32_t* colours = ColoursOf(target);
  const uint32_t* alphas = ColoursOf(source);
  const int32_t n = std::min(target->length, source->length);
  for (int32_t i = 0; i < n; i++) {
    const uint32_t c = colours[i];
    if ((c & kRgbMask) != kKeyRgb && Alpha(c) != 0)
      colours[i] = WithAlpha(c, alphas[i] >> 16 & 0xFF);
  }
}

void ASprite::applyLastAlphaPalette(int32_t p) {
  applyAlphaPalette(p, paletteCount - 1);
}

bool ASprite::blendPalette(int32_t amount, int32_t s, int32_t t, int32_t d, bool useColour) {
  IntArray* source = PaletteOf(this, s, "ASprite::blendPalette");
  IntArray* target = PaletteOf(this, d, "ASprite::blendPalette");
  IntArray* toward = useColour ? nullptr : PaletteOf(this, t, "ASprite::blendPalette");
  if (!source || !target || (!useColour && !toward)) return hasTransparency;
  const int32_t n =
      std::min({source->length, target->length, useColour ? source->length : toward->length});
  const uint32_t* from = ColoursOf(source);
  uint32_t* to = ColoursOf(target);
  bool transparent = hasTransparency;
  for (int32_t i = 0; i < n; i++) {
    const uint32_t c = from[i];
    if ((c & kRgbMask) == kKeyRgb) {
      to[i] = kKeyColour;
      transparent = true;
      continue;
    }
    const uint32_t goal = useColour ? static_cast<uint32_t>(t) : ColoursOf(toward)[i];
    to[i] = Blend(c, goal, amount);
    if (Alpha(to[i]) != 0xFF) transparent = true;
  }
  return transparent;
}

// ---- Tint palettes --------------------------------------------------------------------------

void ASprite::setPaletteBlendAmount(int32_t amount) {
  amount = std::clamp(amount, 0, 255);
  if (amount == tintAmount) return;
  blendPalette(amount, tintSourcePalette, tintColor, tintPalette, tintUsesColor);
  tintAmount = amount;
}

void ASprite::reblendTintPalette(int32_t amount) {
  tintAmount = -1;  // so the blend runs even for the amount held
  setPaletteBlendAmount(amount);
}

int32_t ASprite::addTintPaletteNoStamps(int32_t source, int32_t colourOrPalette, int32_t amount,
                                        bool buildImages, bool useColour) {
  const int32_t p = appendPalette();
  if (p < 0) return -1;
  tintUsesColor = useColour;
  tintSourcePalette = source;
  tintColor = colourOrPalette;
  tintPalette = p;
  // A new palette is always blended, even for the amount of an earlier tint palette.
  reblendTintPalette(amount);
  if (buildImages) buildModuleImages(tintPalette, 0, -1, -1);
  return p;
}

int32_t ASprite::addTintPalette(int32_t source, int32_t colourOrPalette, int32_t amount,
                                bool buildImages, bool useColour) {
  const int32_t p = addTintPaletteNoStamps(source, colourOrPalette, amount, buildImages, useColour);
  if (p < 0) return -1;
  ByteArray* stamps = NewByteArray(moduleCount);
  if (stamps && buildImages) {
    std::fill_n(stamps->elements(), stamps->length, static_cast<int8_t>(tintAmount));
  }
  moduleTintStamp = stamps;
  return p;
}

void ASprite::setCurrentPalette(int32_t p) {
  if (p >= 0 && p < paletteCount) currentPalette = p;
}

int32_t ASprite::getCurrentPalette() {
  return currentPalette;
}
