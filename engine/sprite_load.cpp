// ASprite's loading: the header and the five table sections, in data order, each read through
// the bounded reader. A section that runs past the data refuses the whole sprite, so a sprite
// is either whole or empty, never half read.
#include <vector>

#include "engine/sprite.h"
#include "engine/sprite_reader.h"
#include "game/game_statics.h"
#include "runtime/system.h"

// Sprite data, little-endian (i16 signed, u16/u8 unsigned):
//   0   u16  version, not interpreted
//   2   u32  flags
//   6        modules, frame-modules, frames, animation-frames, animations, then the palette
//            and pixel section (flag 0x1000000), each where the previous one ends.
// Modules: i16 count, then per module a kind byte and its fields:
//   0x00 image        [x i16, y i16 with flag 0x20] width height
//   0xFF rect outline  colour u32, width, height       0xFE filled rect: the same
//   0xFD empty box     width, height
//   0xFC arc outline   colour u32, width, height, start i16, arc i16   0xFB filled arc: the same
//   0xFA triangle      colour u32, dx1 dy1 dx2 dy2 (i16)                0xF9 filled: the same
//   width and height are u16 with flag 0x10, else u8. Any other kind byte is left unread: the
//   module is an image that reads the field groups of the module before it.
// Frame-modules: i16 count; per part: module u8, x and y (i16 with flag 0x400, else i8), flags u8.
// Frames: [flag 0x8000: i16 rect count R, 4R values: i16 with 0x400, else bytes], i16 count F;
//   per frame: part count u8, a byte not used, first part i16, [flag 0x8000: rect count i8];
//   [flag 0x1000 clear: 4F bound values, i16 with 0x400, else u8].
// Animation-frames: i16 count; per one: frame u8, duration u8, x and y (i16 with flag 0x40000,
//   else i8), flags u8.
// Animations: i16 count; per one: frame count u8, a byte not used, first animation-frame i16.

namespace {

constexpr int32_t kVersionBytes = 2;

}  // namespace

int32_t ASprite::kindOfByte(int32_t kindByte) {
  switch (kindByte) {
    case 0x00:
      return ASprite::kImage;
    case 0xFF:
      return ASprite::kRectOutline;
    case 0xFE:
      return ASprite::kFilledRect;
    case 0xFD:
      return ASprite::kEmptyBox;
    case 0xFC:
      return ASprite::kArcOutline;
    case 0xFB:
      return ASprite::kFilledArc;
    case 0xFA:
      return ASprite::kTriangleOutline;
    case 0xF9:
      return ASprite::kFilledTriangle;
    default:
      return -1;
  }
}

namespace {

// The groups of fields a module record holds after its kind byte.
struct FieldGroups {
  bool colour = false;
  bool position = false;
  bool size = false;
  int32_t params = 0;
};

FieldGroups GroupsOfKind(int32_t kind, bool positions) {
  switch (kind) {
    case ASprite::kImage:
      return {false, positions, true, 0};
    case ASprite::kEmptyBox:
      return {false, false, true, 0};
    case ASprite::kArcOutline:
    case ASprite::kFilledArc:
      return {true, false, true, 2};
    case ASprite::kTriangleOutline:
    case ASprite::kFilledTriangle:
      return {true, false, false, 4};
    default:  // the two rectangles
      return {true, false, true, 0};
  }
}

// A short[] of the values, or null when there are none.
ShortArray* ShortsOf(const std::vector<int16_t>& values) {
  if (values.empty()) return nullptr;
  ShortArray* array = NewShortArray(static_cast<int32_t>(values.size()));
  if (!array || array->length != static_cast<int32_t>(values.size())) return nullptr;
  for (size_t i = 0; i < values.size(); i++) array->elements()[i] = values[i];
  return array;
}

// A table of 4n values read as 16-bit signed (wide) or as raw bytes (narrow). Narrow values
// are stored as the byte they are; readers take them signed or not.
Array* ReadQuads(SpriteReader& in, int32_t n, bool wide) {
  const int32_t count = 4 * n;
  if (!in.need(int64_t{count} * (wide ? 2 : 1))) return nullptr;
  if (wide) {
    ShortArray* values = NewShortArray(count);
    if (!in.allocated(count, {values})) return nullptr;
    for (int32_t i = 0; i < count; i++) values->elements()[i] = static_cast<int16_t>(in.i16());
    return values;
  }
  ByteArray* values = NewByteArray(count);
  if (!in.allocated(count, {values})) return nullptr;
  for (int32_t i = 0; i < count; i++) values->elements()[i] = static_cast<int8_t>(in.u8());
  return values;
}

}  // namespace

ASprite::ASprite() {
  RegisterReferenceFields(
      this, &moduleTintStamp, &charMap, &moduleImageX, &moduleImageY, &moduleWidth, &moduleHeight,
      &moduleParams, &moduleParamIndex, &frameFModuleCount, &frameFirstFModule, &frameBounds,
      &frameRects, &frameFirstRect, &fmoduleModule, &fmoduleX, &fmoduleY, &fmoduleFlags,
      &animAFrameCount, &animFirstAFrame, &aframeFrame, &aframeDuration, &aframeX, &aframeY,
      &aframeFlags, &moduleRemaps, &pixelData, &modulePixelOffset, &palettes, &trueColorModules,
      &moduleImages, &moduleKind, &moduleColor, &pngImageData, &pngPaletteChunks);
}

void ASprite::load(ByteArray* data, int32_t offset, int32_t, int32_t) {
  loadNamed(data, offset, "data");
}

void ASprite::loadNamed(ByteArray* data, int32_t offset, const char* resource) {
  if (!data) return;
  const bool collect = Statics<GameStatics>()->ASprite_gcOnLoad;
  if (collect) java_lang_System::gc();
  SpriteReader in(data, offset, resource);
  in.skip(kVersionBytes);
  flags = in.i32();
  bool whole = in.ok() && parseModules(in) && parseFrameModules(in) && parseFrames(in) &&
               parseAFrames(in) && parseAnims(in);
  if (whole && moduleCount > 0) {
    if ((flags & kPaletteSection) && in.remaining() > 0) whole = loadPalettes(in);
    if (whole) {
      moduleRemaps = NewObjectArray(cid::ShortArray, kMostRemaps);
      currentRemap = -1;
      if ((flags & kComputedBounds) && getFrameCount() > 0) computeFrameBounds();
    }
  }
  if (!whole) clearTables();
  if (collect) java_lang_System::gc();
}

bool ASprite::parseModules(SpriteReader& in) {
  in.beginSection("module");
  const int32_t n = in.i16();
  if (!in.ok() || n <= 0) return in.ok();
  moduleCount = n;
  moduleKind = NewByteArray(n);
  moduleColor = NewIntArray(n);
  moduleWidth = NewShortArray(n);
  moduleHeight = NewShortArray(n);
  const bool positions = (flags & kModulePositions) != 0;
  if (!in.allocated(n, {moduleKind, moduleColor, moduleWidth, moduleHeight})) return false;
  if (positions) {
    moduleImageX = NewShortArray(n);
    moduleImageY = NewShortArray(n);
    if (!in.allocated(n, {moduleImageX, moduleImageY})) return false;
  }
  const bool wide = (flags & kWideModuleSizes) != 0;
  std::vector<int16_t> params, paramIndex;
  FieldGroups previous;
  for (int32_t m = 0; m < n && in.ok(); m++) {
    int32_t kind = kindOfByte(in.peekU8());
    FieldGroups groups = previous;
    if (kind >= 0) {
      in.u8();
      groups = GroupsOfKind(kind, positions);
    } else {
      kind = kImage;
      groups.params = 0;
    }
    moduleKind->elements()[m] = static_cast<int8_t>(kind);
    if (groups.colour) moduleColor->elements()[m] = in.i32();
    if (groups.position) {
      const int32_t x = in.i16(), y = in.i16();
      if (positions) {
        moduleImageX->elements()[m] = static_cast<int16_t>(x);
        moduleImageY->elements()[m] = static_cast<int16_t>(y);
      }
    }
    if (groups.size) {
      const int32_t w = in.value(wide, false), h = in.value(wide, false);
      moduleWidth->elements()[m] = static_cast<int16_t>(w);
      moduleHeight->elements()[m] = static_cast<int16_t>(h);
      if (kind == kImage && int64_t{w} * h > kScratchPixels) {
        in.note("module %d is %d x %d, over %d pixels: it gets no image", m, w, h, kScratchPixels);
      }
    }
    if (groups.params > 0) {
      paramIndex.push_back(static_cast<int16_t>(m));
      paramIndex.push_back(static_cast<int16_t>(params.size()));
      for (int32_t i = 0; i < groups.params; i++) params.push_back(static_cast<int16_t>(in.i16()));
    }
    previous = groups;
  }
  moduleParams = ShortsOf(params);
  moduleParamIndex = ShortsOf(paramIndex);
  return in.ok();
}

bool ASprite::parseFrameModules(SpriteReader& in) {
  in.beginSection("frame-module");
  const int32_t n = in.i16();
  if (!in.ok() || n <= 0) return in.ok();
  const bool wide = (flags & kWideFrameValues) != 0;
  if (!in.need(int64_t{n} * (wide ? 6 : 4))) return false;
  fmoduleModule = NewByteArray(n);
  fmoduleX = NewShortArray(n);
  fmoduleY = NewShortArray(n);
  fmoduleFlags = NewByteArray(n);
  if (!in.allocated(n, {fmoduleModule, fmoduleX, fmoduleY, fmoduleFlags})) return false;
  for (int32_t k = 0; k < n; k++) {
    fmoduleModule->elements()[k] = static_cast<int8_t>(in.u8());
    fmoduleX->elements()[k] = static_cast<int16_t>(in.value(wide, true));
    fmoduleY->elements()[k] = static_cast<int16_t>(in.value(wide, true));
    fmoduleFlags->elements()[k] = static_cast<int8_t>(in.u8());
  }
  return in.ok();
}

bool ASprite::parseFrames(SpriteReader& in) {
  in.beginSection("frame");
  const bool wide = (flags & kWideFrameValues) != 0;
  const bool rects = (flags & kFrameRects) != 0;
  if (rects) {
    const int32_t rectCount = in.i16();
    if (in.ok() && rectCount > 0) frameRects = ReadQuads(in, rectCount, wide);
  }
  const int32_t n = in.i16();
  if (!in.ok() || n <= 0) return in.ok();
  if (!in.need(int64_t{n} * (rects ? 5 : 4))) return false;
  frameFModuleCount = NewByteArray(n);
  frameFirstFModule = NewShortArray(n);
  if (!in.allocated(n, {frameFModuleCount, frameFirstFModule})) return false;
  if (rects) {
    frameFirstRect = NewShortArray(n + 1);
    if (!in.allocated(n + 1, {frameFirstRect})) return false;
  }
  int32_t rectTotal = 0;
  for (int32_t f = 0; f < n; f++) {
    frameFModuleCount->elements()[f] = static_cast<int8_t>(in.u8());
    in.u8();
    frameFirstFModule->elements()[f] = static_cast<int16_t>(in.i16());
    if (rects) {
      frameFirstRect->elements()[f] = static_cast<int16_t>(rectTotal);
      rectTotal += in.i8();
    }
  }
  if (rects) frameFirstRect->elements()[n] = static_cast<int16_t>(rectTotal);
  if (!(flags & kComputedBounds)) {
    // Narrow stored bounds are unsigned bytes, which the byte table keeps as they are.
    frameBounds = ReadQuads(in, n, wide);
  }
  return in.ok();
}

bool ASprite::parseAFrames(SpriteReader& in) {
  in.beginSection("animation-frame");
  const int32_t n = in.i16();
  if (!in.ok() || n <= 0) return in.ok();
  const bool wide = (flags & kWideAFrameOffsets) != 0;
  if (!in.need(int64_t{n} * (wide ? 7 : 5))) return false;
  aframeFrame = NewByteArray(n);
  aframeDuration = NewByteArray(n);
  aframeX = NewShortArray(n);
  aframeY = NewShortArray(n);
  aframeFlags = NewByteArray(n);
  if (!in.allocated(n, {aframeFrame, aframeDuration, aframeX, aframeY, aframeFlags})) return false;
  for (int32_t k = 0; k < n; k++) {
    aframeFrame->elements()[k] = static_cast<int8_t>(in.u8());
    aframeDuration->elements()[k] = static_cast<int8_t>(in.u8());
    aframeX->elements()[k] = static_cast<int16_t>(in.value(wide, true));
    aframeY->elements()[k] = static_cast<int16_t>(in.value(wide, true));
    aframeFlags->elements()[k] = static_cast<int8_t>(in.u8());
  }
  return in.ok();
}

bool ASprite::parseAnims(SpriteReader& in) {
  in.beginSection("animation");
  const int32_t n = in.i16();
  if (!in.ok() || n <= 0) return in.ok();
  if (!in.need(int64_t{n} * 4)) return false;
  animAFrameCount = NewByteArray(n);
  animFirstAFrame = NewShortArray(n);
  if (!in.allocated(n, {animAFrameCount, animFirstAFrame})) return false;
  for (int32_t a = 0; a < n; a++) {
    animAFrameCount->elements()[a] = static_cast<int8_t>(in.u8());
    in.u8();
    animFirstAFrame->elements()[a] = static_cast<int16_t>(in.i16());
  }
  return in.ok();
}

// Each frame's measured bounds {minX, minY, maxX - minX, maxY - minY}, kept in the element
// width of the frame values (an empty frame keeps the wrapped -1, -1, 1, 1 of its extremes).
void ASprite::computeFrameBounds() {
  GameStatics* s = Statics<GameStatics>();
  const int32_t n = getFrameCount();
  const bool wide = (flags & kWideFrameValues) != 0;
  Array* bounds = wide ? static_cast<Array*>(NewShortArray(4 * n)) : NewByteArray(4 * n);
  if (!bounds || bounds->length != 4 * n) return;
  frameBounds = bounds;
  if (!s->ASprite_boundsScratch) s->ASprite_boundsScratch = NewIntArray(4);
  IntArray* scratch = s->ASprite_boundsScratch;
  if (!scratch || scratch->length < 4) return;
  for (int32_t f = 0; f < n; f++) {
    getFrameBounds(scratch, f, 0, 0, 0);
    const int32_t* b = scratch->elements();
    const int32_t values[4] = {b[0], b[1], b[2] - b[0], b[3] - b[1]};
    for (int32_t i = 0; i < 4; i++) {
      if (wide) {
        static_cast<ShortArray*>(bounds)->elements()[4 * f + i] = static_cast<int16_t>(values[i]);
      } else {
        static_cast<ByteArray*>(bounds)->elements()[4 * f + i] = static_cast<int8_t>(values[i]);
      }
    }
  }
}
