// ASprite's pixel decoders: a module's encoded palette indexes into ARGB in the scratch buffer
// rgbScratchA. Output stops at the module's w x h pixels and input at the end of its bytes;
// what the bytes do not reach stays transparent, and an index past the palette is transparent.
#include <algorithm>
#include <cstring>

#include "engine/sprite.h"
#include "game/game_statics.h"
#include "runtime/range_check.h"
#include "runtime/trace.h"

namespace {

// The encoded bytes of one module.
struct EncodedBytes {
  const uint8_t* at;
  int32_t position;
  int32_t end;

  bool more() const { return position < end; }
  int32_t next() { return at[position++]; }
};

// The decoded picture: n pixels written in order through the palette.
struct Pixels {
  uint32_t* out;
  int32_t n;
  int32_t written;
  const uint32_t* palette;
  int32_t colours;

  bool full() const { return written >= n; }
  uint32_t colour(int32_t index) const {
    return static_cast<uint32_t>(index) < static_cast<uint32_t>(colours) ? palette[index] : 0;
  }
  void put(int32_t index) {
    if (written < n) out[written++] = colour(index);
  }
  void run(int32_t index, int32_t count) {
    count = std::min(count, n - written);
    if (count <= 0) return;
    std::fill_n(out + written, count, colour(index));
    written += count;
  }
};

// 8, 4, 2 or 1 bits per pixel, the highest bits of each byte first.
void DecodePacked(EncodedBytes& in, Pixels& px, int32_t bits) {
  const int32_t mask = (1 << bits) - 1;
  while (!px.full() && in.more()) {
    const int32_t b = in.next();
    for (int32_t shift = 8 - bits; shift >= 0 && !px.full(); shift -= bits) {
      px.put((b >> shift) & mask);
    }
  }
}

// A byte per run: the low `bits` bits the index, the rest the run length minus one.
void DecodeRunsOfIndexBits(EncodedBytes& in, Pixels& px, int32_t bits, int32_t mask) {
  while (!px.full() && in.more()) {
    const int32_t b = in.next();
    px.run(b & mask, (b >> bits) + 1);
  }
}

// b > 127: the next byte is an index repeated b - 128 times; otherwise b is one index.
void DecodeRunsOrSingles(EncodedBytes& in, Pixels& px) {
  while (!px.full() && in.more()) {
    const int32_t b = in.next();
    if (b > 127) {
      if (!in.more()) return;
      px.run(in.next(), b - 128);
    } else {
      px.put(b);
    }
  }
}

// b < 128: the next byte is an index repeated b times; otherwise b - 128 indexes follow.
void DecodeRunsOrLiterals(EncodedBytes& in, Pixels& px) {
  while (!px.full() && in.more()) {
    const int32_t b = in.next();
    if (b < 128) {
      if (!in.more()) return;
      px.run(in.next(), b);
    } else {
      for (int32_t i = 0; i < b - 128 && in.more(); i++) px.put(in.next());
    }
  }
}

// After the colours of DecodeRunsOrLiterals, the alpha of each pixel: a byte other than 0xFE
// is the next pixel's alpha; 0xFE, a count c and a value v give the next c pixels alpha v.
void DecodeAlphaRuns(EncodedBytes& in, Pixels& px) {
  constexpr int32_t kAlphaRun = 0xFE;
  int32_t i = 0;
  const auto set = [&](int32_t alpha) {
    px.out[i] = (px.out[i] & 0xFFFFFF) | static_cast<uint32_t>(alpha) << 24;
    i++;
  };
  while (i < px.n && in.more()) {
    const int32_t a = in.next();
    if (a != kAlphaRun) {
      set(a);
      continue;
    }
    if (!in.more()) return;
    const int32_t count = in.next();
    if (!in.more()) return;
    const int32_t value = in.next();
    for (int32_t k = 0; k < count && i < px.n; k++) set(value);
  }
}

// Decodes the bytes data[begin, end) of the given encoding into px.
void Decode(int32_t encoding, EncodedBytes& in, Pixels& px, int32_t bits, int32_t mask) {
  switch (encoding) {
    case 0x5602:
      return DecodePacked(in, px, 8);
    case 0x1600:
      return DecodePacked(in, px, 4);
    case 0x0400:
      return DecodePacked(in, px, 2);
    case 0x0200:
      return DecodePacked(in, px, 1);
    case 0x64F0:
      return DecodeRunsOfIndexBits(in, px, bits, mask);
    case 0x27F1:
      return DecodeRunsOrSingles(in, px);
    case 0x56F2:
      return DecodeRunsOrLiterals(in, px);
    case 0xA256:
      DecodeRunsOrLiterals(in, px);
      return DecodeAlphaRuns(in, px);
    default:
      return;  // no decoder: the module stays transparent
  }
}

// The current palette, or null (traced) when there is none to decode through.
IntArray* CurrentPalette(ASprite* sprite) {
  ObjectArray* palettes = sprite->palettes;
  const int32_t p = sprite->currentPalette;
  if (!palettes || p < 0 || p >= std::min(sprite->paletteCount, palettes->length)) {
    DebugLog("ASprite: no palette %d to decode through", p);
    return nullptr;
  }
  Object* palette = palettes->elements()[p];
  if (!palette || palette->classId != cid::IntArray) {
    DebugLog("ASprite: palette %d holds no colours", p);
    return nullptr;
  }
  return static_cast<IntArray*>(palette);
}

// Decodes data[begin, end) as w x h pixels into rgbScratchA; false when nothing could be
// decoded (no palette, a size past the buffer, bytes outside the array).
bool DecodeInto(ASprite* sprite, ByteArray* data, int32_t begin, int32_t end, int32_t w,
                int32_t h) {
  const int64_t n = int64_t{w} * h;
  if (w < 0 || h < 0 || n > ASprite::kScratchPixels) return false;
  if (begin < 0 || end < begin || end > data->length) return false;
  IntArray* palette = CurrentPalette(sprite);
  if (!palette) return false;
  // The scratch buffer is made, if it must be, before any body address is taken.
  IntArray* scratch = ASprite::getScratchBuffer(nullptr);
  if (!scratch || scratch->length < n) return false;
  auto* out = reinterpret_cast<uint32_t*>(scratch->elements());
  std::fill_n(out, n, 0u);
  EncodedBytes in{reinterpret_cast<const uint8_t*>(data->elements()), begin, end};
  Pixels px{out, static_cast<int32_t>(n), 0, reinterpret_cast<const uint32_t*>(palette->elements()),
            palette->length};
  Decode(sprite->pixelFormat & 0xFFFF, in, px, sprite->pixelBits, sprite->pixelMask);
  return true;
}

}  // namespace

void ASprite::decodeModulePixels(ByteArray* data, int32_t offset, int32_t w, int32_t h) {
  if (!NullCheck(data)) return;
  if (int64_t{w} * h > kScratchPixels) {
    DebugLog("ASprite::decodeModulePixels: %d x %d pixels do not fit the scratch buffer", w, h);
    return;
  }
  DecodeInto(this, data, offset, data->length, w, h);
}

IntArray* ASprite::decodeModule(int32_t m) {
  if (!modulePixelOffset || !pixelData) return nullptr;
  if (!IndexInRange("ASprite::decodeModule", m, std::min(moduleCount, modulePixelOffset->length))) {
    return nullptr;
  }
  const int32_t w = moduleWidth->elements()[m] & 0xFFFF, h = moduleHeight->elements()[m] & 0xFFFF;
  const int32_t* offsets = modulePixelOffset->elements();
  const int32_t begin = offsets[m];
  const int32_t end = m + 1 < modulePixelOffset->length ? offsets[m + 1] : pixelData->length;
  if (!DecodeInto(this, pixelData, begin, end, w, h)) return nullptr;
  return Statics<GameStatics>()->ASprite_rgbScratchA;
}
