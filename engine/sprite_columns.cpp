// ASprite's column readers, kept with the class though nothing calls them: the five table
// sections laid out column by column, each field for every record before the next field.
// Kinds are stored only with flag 0x04; colours and shape parameters not at all.
#include "engine/sprite.h"
#include "engine/sprite_reader.h"

// Modules:          i16 N; [flag 0x04: N kind bytes]; [flag 0x20: N x i16, N y i16];
//                   N widths, N heights (u16 with flag 0x10, else u8)
// Frame-modules:    i16 N; N modules u8; N x, N y (i16 with flag 0x400, else i8); N flags u8
// Frames:           [flag 0x8000: i16 R; R x, R y, R w, R h]; i16 F; F part counts u8;
//                   F first parts i16; [flag 0x8000: F rect counts i8];
//                   [flag 0x1000 clear: F x, F y, F w, F h of the bounds]
// Animation-frames: i16 N; N frames u8, N durations u8, N x, N y (i16 with flag 0x40000,
//                   else i8), N flags u8
// Animations:       i16 N; N frame counts u8, N first animation-frames i16
// Frame values, rectangles and bounds are 16-bit with flag 0x400, else bytes kept as they are.

namespace {

// One column of n values into table[first], table[first + stride], ...
template <class Table>
void ReadColumn(SpriteReader& in, Table* table, int32_t n, int32_t first, int32_t stride, bool wide,
                bool isSigned) {
  for (int32_t i = 0; i < n && in.ok(); i++) {
    const int32_t v = in.value(wide, isSigned);
    table->elements()[first + i * stride] =
        static_cast<typename Table::ElementType>(in.ok() ? v : 0);
  }
}

// Four columns x, y, w, h of n quads, interleaved as the row layout keeps them.
Array* ReadQuadColumns(SpriteReader& in, int32_t n, bool wide) {
  if (wide) {
    ShortArray* table = NewShortArray(4 * n);
    if (!in.allocated(4 * n, {table})) return nullptr;
    for (int32_t c = 0; c < 4; c++) ReadColumn(in, table, n, c, 4, true, c < 2);
    return table;
  }
  ByteArray* table = NewByteArray(4 * n);
  if (!in.allocated(4 * n, {table})) return nullptr;
  for (int32_t c = 0; c < 4; c++) ReadColumn(in, table, n, c, 4, false, false);
  return table;
}

}  // namespace

bool ASprite::parseModulesColumns(SpriteReader& in) {
  in.beginSection("module column");
  const int32_t n = in.i16();
  if (!in.ok() || n <= 0) return in.ok();
  moduleCount = n;
  moduleKind = NewByteArray(n);
  moduleColor = NewIntArray(n);
  moduleWidth = NewShortArray(n);
  moduleHeight = NewShortArray(n);
  if (!in.allocated(n, {moduleKind, moduleColor, moduleWidth, moduleHeight})) return false;
  if (flags & kModuleKinds) {
    for (int32_t m = 0; m < n && in.ok(); m++) {
      const int32_t kind = kindOfByte(in.u8());
      moduleKind->elements()[m] = static_cast<int8_t>(kind < 0 ? kImage : kind);
    }
  }
  if (flags & kModulePositions) {
    moduleImageX = NewShortArray(n);
    moduleImageY = NewShortArray(n);
    if (!in.allocated(n, {moduleImageX, moduleImageY})) return false;
    ReadColumn(in, moduleImageX, n, 0, 1, true, true);
    ReadColumn(in, moduleImageY, n, 0, 1, true, true);
  }
  const bool wide = (flags & kWideModuleSizes) != 0;
  ReadColumn(in, moduleWidth, n, 0, 1, wide, false);
  ReadColumn(in, moduleHeight, n, 0, 1, wide, false);
  return in.ok();
}

bool ASprite::parseFrameModulesColumns(SpriteReader& in) {
  in.beginSection("frame-module column");
  const int32_t n = in.i16();
  if (!in.ok() || n <= 0) return in.ok();
  fmoduleModule = NewByteArray(n);
  fmoduleX = NewShortArray(n);
  fmoduleY = NewShortArray(n);
  fmoduleFlags = NewByteArray(n);
  if (!in.allocated(n, {fmoduleModule, fmoduleX, fmoduleY, fmoduleFlags})) return false;
  const bool wide = (flags & kWideFrameValues) != 0;
  ReadColumn(in, fmoduleModule, n, 0, 1, false, false);
  ReadColumn(in, fmoduleX, n, 0, 1, wide, true);
  ReadColumn(in, fmoduleY, n, 0, 1, wide, true);
  ReadColumn(in, fmoduleFlags, n, 0, 1, false, false);
  return in.ok();
}

bool ASprite::parseFramesColumns(SpriteReader& in) {
  in.beginSection("frame column");
  const bool wide = (flags & kWideFrameValues) != 0;
  const bool rects = (flags & kFrameRects) != 0;
  if (rects) {
    const int32_t rectCount = in.i16();
    if (in.ok() && rectCount > 0) frameRects = ReadQuadColumns(in, rectCount, wide);
  }
  const int32_t n = in.i16();
  if (!in.ok() || n <= 0) return in.ok();
  frameFModuleCount = NewByteArray(n);
  frameFirstFModule = NewShortArray(n);
  if (!in.allocated(n, {frameFModuleCount, frameFirstFModule})) return false;
  ReadColumn(in, frameFModuleCount, n, 0, 1, false, false);
  ReadColumn(in, frameFirstFModule, n, 0, 1, true, true);
  if (rects) {
    frameFirstRect = NewShortArray(n + 1);
    if (!in.allocated(n + 1, {frameFirstRect})) return false;
    int32_t total = 0;
    for (int32_t f = 0; f < n; f++) {
      frameFirstRect->elements()[f] = static_cast<int16_t>(total);
      total += in.i8();
    }
    frameFirstRect->elements()[n] = static_cast<int16_t>(total);
  }
  if (!(flags & kComputedBounds)) frameBounds = ReadQuadColumns(in, n, wide);
  return in.ok();
}

bool ASprite::parseAFramesColumns(SpriteReader& in) {
  in.beginSection("animation-frame column");
  const int32_t n = in.i16();
  if (!in.ok() || n <= 0) return in.ok();
  aframeFrame = NewByteArray(n);
  aframeDuration = NewByteArray(n);
  aframeX = NewShortArray(n);
  aframeY = NewShortArray(n);
  aframeFlags = NewByteArray(n);
  if (!in.allocated(n, {aframeFrame, aframeDuration, aframeX, aframeY, aframeFlags})) return false;
  const bool wide = (flags & kWideAFrameOffsets) != 0;
  ReadColumn(in, aframeFrame, n, 0, 1, false, false);
  ReadColumn(in, aframeDuration, n, 0, 1, false, false);
  ReadColumn(in, aframeX, n, 0, 1, wide, true);
  ReadColumn(in, aframeY, n, 0, 1, wide, true);
  ReadColumn(in, aframeFlags, n, 0, 1, false, false);
  return in.ok();
}

bool ASprite::parseAnimsColumns(SpriteReader& in) {
  in.beginSection("animation column");
  const int32_t n = in.i16();
  if (!in.ok() || n <= 0) return in.ok();
  animAFrameCount = NewByteArray(n);
  animFirstAFrame = NewShortArray(n);
  if (!in.allocated(n, {animAFrameCount, animFirstAFrame})) return false;
  ReadColumn(in, animAFrameCount, n, 0, 1, false, false);
  ReadColumn(in, animFirstAFrame, n, 0, 1, true, true);
  return in.ok();
}
