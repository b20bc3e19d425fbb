// The sprite writer's sections, in the row and the column layout; the field layouts are the
// reader's (engine/sprite_load.cpp, engine/sprite_columns.cpp, engine/sprite_palettes.cpp).
#include "tools/databuild/sprite_writer.h"

#include <algorithm>
#include <climits>
#include <string>

#include "tools/databuild/build_error.h"
#include "tools/databuild/sprite_fields.h"

namespace databuild {

namespace {

using namespace sprite_flags;

bool Has(const SpriteData& sprite, uint32_t flag) {
  return (sprite.flags & flag) != 0;
}

uint8_t KindByte(ModuleKind kind) {
  constexpr uint8_t kBytes[] = {0x00, 0xFF, 0xFE, 0xFC, 0xFB, 0xFD, 0xFA, 0xF9};
  return kBytes[static_cast<int>(kind)];
}

bool HasColour(ModuleKind kind) {
  return kind != ModuleKind::kImage && kind != ModuleKind::kEmptyBox;
}

bool HasSize(ModuleKind kind) {
  return kind != ModuleKind::kTriangleOutline && kind != ModuleKind::kFilledTriangle;
}

size_t ParamCount(ModuleKind kind) {
  switch (kind) {
    case ModuleKind::kArcOutline:
    case ModuleKind::kFilledArc:
      return 2;
    case ModuleKind::kTriangleOutline:
    case ModuleKind::kFilledTriangle:
      return 4;
    default:
      return 0;
  }
}

// ---- Row layout -----------------------------------------------------------------------------

void WriteModule(SpriteFields& out, const SpriteData& sprite, const SpriteModule& m) {
  if (m.unknownKindByte) {
    out.u8(*m.unknownKindByte, "kind byte");
    return;
  }
  const bool wide = Has(sprite, kWideModuleSizes);
  out.u8(KindByte(m.kind), "kind byte");
  if (HasColour(m.kind)) out.u32(m.colour);
  if (m.kind == ModuleKind::kImage && Has(sprite, kModulePositions)) {
    out.i16(m.x, "module x");
    out.i16(m.y, "module y");
  }
  if (HasSize(m.kind)) {
    out.value(wide, false, m.width, "module width");
    out.value(wide, false, m.height, "module height");
  }
  if (m.params.size() != ParamCount(m.kind)) throw BuildError("sprite: a shape's parameter count");
  for (const int p : m.params) out.i16(p, "shape parameter");
}

void WriteFModule(SpriteFields& out, bool wide, const SpriteFModule& part) {
  out.u8(part.module, "frame-module's module");
  out.value(wide, true, part.x, "frame-module x");
  out.value(wide, true, part.y, "frame-module y");
  out.u8(part.flags, "frame-module flags");
}

// x and y signed, w and h unsigned, in 16 bits or one byte.
void WriteRect(SpriteFields& out, bool wide, const SpriteRect& r) {
  out.value(wide, true, r.x, "rectangle x");
  out.value(wide, true, r.y, "rectangle y");
  out.value(wide, false, r.w, "rectangle w");
  out.value(wide, false, r.h, "rectangle h");
}

// The frame's bounds as the reader measures them: every part's box, a missing module left out;
// an empty frame keeps the wrapped extremes (-1, -1, 1, 1 in any element width).
SpriteRect MeasureFrame(const SpriteData& sprite, const SpriteFrame& frame) {
  int64_t minX = INT_MAX, minY = INT_MAX, maxX = INT_MIN, maxY = INT_MIN;
  for (int i = 0; i < frame.fmoduleCount; i++) {
    const size_t k = static_cast<size_t>(frame.firstFModule + i);
    if (k >= sprite.fmodules.size()) continue;
    const SpriteFModule& part = sprite.fmodules[k];
    if (part.module < 0 || static_cast<size_t>(part.module) >= sprite.modules.size()) continue;
    const SpriteModule& m = sprite.modules[part.module];
    const bool turned = (part.flags & 4) != 0;
    const int w = turned ? m.height : m.width, h = turned ? m.width : m.height;
    minX = std::min<int64_t>(minX, part.x);
    minY = std::min<int64_t>(minY, part.y);
    maxX = std::max<int64_t>(maxX, part.x + w);
    maxY = std::max<int64_t>(maxY, part.y + h);
  }
  if (minX > maxX) return {-1, -1, 1, 1};
  return {static_cast<int>(minX), static_cast<int>(minY), static_cast<int>(maxX - minX),
          static_cast<int>(maxY - minY)};
}

// Narrow bounds are bytes: x and y keep their low 8 bits, w and h must be 0..255.
void WriteBounds(SpriteFields& out, bool wide, const SpriteRect& b) {
  if (wide) return WriteRect(out, true, b);
  out.u8(b.x & 0xFF, "bounds x");
  out.u8(b.y & 0xFF, "bounds y");
  out.u8(b.w, "bounds w");
  out.u8(b.h, "bounds h");
}

void WriteAFrame(SpriteFields& out, bool wide, const SpriteAFrame& f) {
  out.u8(f.frame, "animation-frame's frame");
  out.u8(f.duration, "animation-frame duration");
  out.value(wide, true, f.x, "animation-frame x");
  out.value(wide, true, f.y, "animation-frame y");
  out.u8(f.flags, "animation-frame flags");
}

void WriteFrameTables(SpriteFields& out, const SpriteData& sprite, SpriteLayout& layout) {
  const bool wide = Has(sprite, kWideFrameValues);
  layout.fmodules = out.size();
  out.count(sprite.fmodules.size(), "frame-module");
  for (const SpriteFModule& part : sprite.fmodules) WriteFModule(out, wide, part);
  layout.frames = out.size();
  if (Has(sprite, kFrameRects)) {
    out.count(sprite.rects.size(), "rectangle");
    for (const SpriteRect& r : sprite.rects) WriteRect(out, wide, r);
  }
  out.count(sprite.frames.size(), "frame");
  for (const SpriteFrame& f : sprite.frames) {
    out.u8(f.fmoduleCount, "frame's part count");
    out.u8(0, "unused byte");
    out.i16(f.firstFModule, "frame's first part");
    if (Has(sprite, kFrameRects)) out.i8(f.rectCount, "frame's rectangle count");
  }
  if (!Has(sprite, kComputedBounds)) {
    for (const SpriteFrame& f : sprite.frames) WriteBounds(out, wide, MeasureFrame(sprite, f));
  }
  layout.aframes = out.size();
  out.count(sprite.aframes.size(), "animation-frame");
  for (const SpriteAFrame& f : sprite.aframes) {
    WriteAFrame(out, Has(sprite, kWideAFrameOffsets), f);
  }
  layout.anims = out.size();
  out.count(sprite.anims.size(), "animation");
  for (const SpriteAnim& a : sprite.anims) {
    out.u8(a.aframeCount, "animation's frame count");
    out.u8(0, "unused byte");
    out.i16(a.firstAFrame, "animation's first frame");
  }
}

// ---- Column layout --------------------------------------------------------------------------

template <class Record, class Field>
void Column(const std::vector<Record>& records, Field field) {
  for (const Record& r : records) field(r);
}

void WriteColumnTables(SpriteFields& out, const SpriteData& sprite) {
  const bool wideSizes = Has(sprite, kWideModuleSizes), wide = Has(sprite, kWideFrameValues);
  const auto& ms = sprite.modules;
  out.count(ms.size(), "module");
  if (Has(sprite, kModuleKinds)) Column(ms, [&](auto& m) { out.u8(KindByte(m.kind), "kind"); });
  if (Has(sprite, kModulePositions)) {
    Column(ms, [&](auto& m) { out.i16(m.x, "module x"); });
    Column(ms, [&](auto& m) { out.i16(m.y, "module y"); });
  }
  Column(ms, [&](auto& m) { out.value(wideSizes, false, m.width, "module width"); });
  Column(ms, [&](auto& m) { out.value(wideSizes, false, m.height, "module height"); });
  const auto& ps = sprite.fmodules;
  out.count(ps.size(), "frame-module");
  Column(ps, [&](auto& p) { out.u8(p.module, "frame-module's module"); });
  Column(ps, [&](auto& p) { out.value(wide, true, p.x, "frame-module x"); });
  Column(ps, [&](auto& p) { out.value(wide, true, p.y, "frame-module y"); });
  Column(ps, [&](auto& p) { out.u8(p.flags, "frame-module flags"); });
  if (Has(sprite, kFrameRects)) {
    const auto& rs = sprite.rects;
    out.count(rs.size(), "rectangle");
    Column(rs, [&](auto& r) { out.value(wide, true, r.x, "rectangle x"); });
    Column(rs, [&](auto& r) { out.value(wide, true, r.y, "rectangle y"); });
    Column(rs, [&](auto& r) { out.value(wide, false, r.w, "rectangle w"); });
    Column(rs, [&](auto& r) { out.value(wide, false, r.h, "rectangle h"); });
  }
  const auto& fs = sprite.frames;
  out.count(fs.size(), "frame");
  Column(fs, [&](auto& f) { out.u8(f.fmoduleCount, "frame's part count"); });
  Column(fs, [&](auto& f) { out.i16(f.firstFModule, "frame's first part"); });
  if (Has(sprite, kFrameRects)) Column(fs, [&](auto& f) { out.i8(f.rectCount, "rect count"); });
  if (!Has(sprite, kComputedBounds)) {
    std::vector<SpriteRect> bounds;
    for (const SpriteFrame& f : fs) bounds.push_back(MeasureFrame(sprite, f));
    Column(bounds, [&](auto& b) { out.value(wide, true, b.x, "bounds x"); });
    Column(bounds, [&](auto& b) { out.value(wide, true, b.y, "bounds y"); });
    Column(bounds, [&](auto& b) { out.value(wide, false, b.w, "bounds w"); });
    Column(bounds, [&](auto& b) { out.value(wide, false, b.h, "bounds h"); });
  }
  const bool wideOffsets = Has(sprite, kWideAFrameOffsets);
  const auto& as = sprite.aframes;
  out.count(as.size(), "animation-frame");
  Column(as, [&](auto& f) { out.u8(f.frame, "animation-frame's frame"); });
  Column(as, [&](auto& f) { out.u8(f.duration, "duration"); });
  Column(as, [&](auto& f) { out.value(wideOffsets, true, f.x, "animation-frame x"); });
  Column(as, [&](auto& f) { out.value(wideOffsets, true, f.y, "animation-frame y"); });
  Column(as, [&](auto& f) { out.u8(f.flags, "animation-frame flags"); });
  const auto& ns = sprite.anims;
  out.count(ns.size(), "animation");
  Column(ns, [&](auto& a) { out.u8(a.aframeCount, "animation's frame count"); });
  Column(ns, [&](auto& a) { out.i16(a.firstAFrame, "animation's first frame"); });
}

// ---- Palettes and pixels --------------------------------------------------------------------

void WritePaletteSection(SpriteFields& out, const SpriteData& sprite, SpriteLayout& layout) {
  layout.palettes = out.size();
  if (!Has(sprite, kPaletteSection)) return;
  const size_t colours = sprite.palettes.empty() ? 0 : sprite.palettes.front().size();
  if (sprite.palettes.empty() || colours < 1 || colours > 256) {
    throw BuildError("sprite: the palette section needs palettes of 1 to 256 colours");
  }
  out.i16(sprite.paletteFormat, "palette format");
  out.u8(static_cast<int>(sprite.palettes.size()), "palette count");
  out.u8(static_cast<int>(colours & 0xFF), "colours per palette");
  for (const std::vector<uint32_t>& palette : sprite.palettes) {
    if (palette.size() != colours) throw BuildError("sprite: palettes of different lengths");
    for (const uint32_t c : palette) WritePaletteColour(out, sprite.paletteFormat, c);
  }
  layout.pixels = out.size();
  out.i16(sprite.pixelEncoding, "pixel encoding");
  for (const SpriteModule& m : sprite.modules) {
    std::vector<uint8_t> bytes;
    if (m.encodedPixels) {
      bytes = *m.encodedPixels;
    } else if (m.kind == ModuleKind::kImage && !m.unknownKindByte) {
      if (m.pixels.size() != static_cast<size_t>(m.width) * m.height) {
        throw BuildError("sprite: an image module's pixels do not fill it");
      }
      bytes =
          EncodeSpritePixels(sprite.pixelEncoding, m.pixels, m.alphas, static_cast<int>(colours));
    }
    if (Has(sprite, kWidePixelSizes)) {
      out.u32(static_cast<uint32_t>(bytes.size()));
    } else {
      // Read back signed: at most 32767 bytes.
      out.value(true, true, static_cast<int>(std::min<size_t>(bytes.size(), INT_MAX)),
                "module pixel size");
    }
    out.append(bytes);
  }
}

std::vector<uint8_t> Write(const SpriteData& sprite, bool columns, SpriteLayout* where) {
  SpriteLayout layout;
  SpriteFields out;
  out.u16(0, "version");
  out.u32(sprite.flags);
  layout.modules = out.size();
  if (columns) {
    WriteColumnTables(out, sprite);
  } else {
    out.count(sprite.modules.size(), "module");
    for (const SpriteModule& m : sprite.modules) WriteModule(out, sprite, m);
    WriteFrameTables(out, sprite, layout);
  }
  WritePaletteSection(out, sprite, layout);
  layout.end = out.size();
  if (where) *where = layout;
  return out.take();
}

}  // namespace

int AddFrame(SpriteData& sprite, std::span<const SpriteFModule> parts,
             std::span<const SpriteRect> rects) {
  sprite.frames.push_back({static_cast<int>(parts.size()), static_cast<int>(sprite.fmodules.size()),
                           static_cast<int>(rects.size())});
  sprite.fmodules.insert(sprite.fmodules.end(), parts.begin(), parts.end());
  sprite.rects.insert(sprite.rects.end(), rects.begin(), rects.end());
  return static_cast<int>(sprite.frames.size()) - 1;
}

int AddAnimation(SpriteData& sprite, std::span<const SpriteAFrame> frames) {
  sprite.anims.push_back(
      {static_cast<int>(frames.size()), static_cast<int>(sprite.aframes.size())});
  sprite.aframes.insert(sprite.aframes.end(), frames.begin(), frames.end());
  return static_cast<int>(sprite.anims.size()) - 1;
}

std::vector<uint8_t> WriteSprite(const SpriteData& sprite, SpriteLayout* layout) {
  return Write(sprite, false, layout);
}

std::vector<uint8_t> WriteSpriteColumns(const SpriteData& sprite) {
  return Write(sprite, true, nullptr);
}

std::vector<uint8_t> WriteTrueColourModules(
    uint32_t flags, int format, const std::vector<std::vector<std::vector<uint32_t>>>& pixels) {
  if (format != 0x8888 && format != 0x8808) throw BuildError("sprite: true-colour format");
  SpriteFields out;
  out.i16(format, "true-colour format");
  if (flags & kTrueColourPalettes) {
    out.u8(static_cast<int>(pixels.size()), "true-colour palette count");
  } else if (pixels.size() != 1) {
    throw BuildError("sprite: several true-colour palettes need flag 0x40000000");
  }
  for (const auto& palette : pixels) {
    for (const std::vector<uint32_t>& module : palette) {
      out.u32(static_cast<uint32_t>(module.size() * (format == 0x8888 ? 4 : 3)));
      for (const uint32_t c : module) {
        for (int shift = format == 0x8888 ? 24 : 16; shift >= 0; shift -= 8) {
          out.u8(static_cast<int>(c >> shift & 0xFF), "colour byte");
        }
      }
    }
  }
  return out.take();
}

std::vector<uint8_t> WriteSpritePng(uint32_t flags, std::span<const uint8_t> png) {
  SpriteFields out;
  if (flags & kWidePixelSizes) {
    out.u32(static_cast<uint32_t>(png.size()));
  } else {
    out.value(true, true, static_cast<int>(png.size()), "PNG size");
  }
  out.append(png);
  return out.take();
}

}  // namespace databuild
