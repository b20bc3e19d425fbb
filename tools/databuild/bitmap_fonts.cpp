// The three bitmap fonts: glyphs rendered by GlyphRasteriser, each pixel mapped onto the
// shared ramp, and the frames laid out as the text routines read them (bitmap_fonts.h).
#include "tools/databuild/bitmap_fonts.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <span>

#include "tools/databuild/build_error.h"
#include "tools/databuild/game_texts.h"
#include "tools/databuild/glyph_raster.h"
#include "tools/databuild/modified_utf8.h"

namespace databuild {

namespace {

constexpr int kMarkerModule = 0;  // the empty box whose place says an advance or a metric
constexpr char16_t kMissingGlyph = u'\u25A1';  // a hollow square
constexpr int kCharMapBuckets = 31;

struct FontStyle {
  int pixelSize;  // the em
  double border;  // the border's radius, pixels
  int shadow;     // pixels the border lies right of and below the letter
  int lineGap;    // pixels between one line's bottom and the next one's top
};

FontStyle StyleOf(FontKind kind) {
  switch (kind) {
    case FontKind::kTitle:
      return {36, 2.5, 2, 2};
    case FontKind::kHeading:
      return {26, 2.0, 2, 1};
    case FontKind::kBody:
      break;
  }
  return {20, 1.5, 1, 1};
}

// ---- The ramp -------------------------------------------------------------------------------

// Index 0 the key; 1 and 2 the border at a third and two thirds opaque (the outer edge);
// 3 .. 15 opaque, from the border's colour to the letter's in twelve steps.
constexpr int kRampEdge = 1;
constexpr int kRampOpaque = 3;
constexpr int kRampSteps = 12;
constexpr int kRampColours = kRampOpaque + kRampSteps + 1;

struct InkPair {
  uint32_t letter;  // 0xRRGGBB
  uint32_t border;
};

constexpr InkPair kPalettes[] = {
    {0xFFFFFF, 0x1B2A4A},  // 0: white on deep navy
    {0xFFD84A, 0x4A2A0A},  // 1: warm yellow on dark brown
};

uint32_t Mix(uint32_t from, uint32_t to, int step, int steps) {
  uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int a = static_cast<int>(from >> shift & 0xFF), b = static_cast<int>(to >> shift & 0xFF);
    out |= static_cast<uint32_t>(a + ((b - a) * step + steps / 2) / steps) << shift;
  }
  return out;
}

std::vector<uint32_t> RampPalette(const InkPair& ink) {
  std::vector<uint32_t> palette = {0x00FF00FF, 0x55000000 | ink.border, 0xAA000000 | ink.border};
  for (int step = 0; step <= kRampSteps; step++) {
    palette.push_back(0xFF000000 | Mix(ink.border, ink.letter, step, kRampSteps));
  }
  return palette;
}

// The ramp index of one pixel: the letter over its border, as coverages 0..255.
uint8_t RampIndex(int letter, int border) {
  const double f = letter / 255.0, b = border / 255.0;
  const double alpha = f + b * (1 - f);
  if (alpha < 1.0 / 6) return 0;
  if (alpha < 0.5) return kRampEdge;
  if (alpha < 5.0 / 6) return kRampEdge + 1;
  return static_cast<uint8_t>(kRampOpaque + std::lround(f / alpha * kRampSteps));
}

SpriteModule Picture(const GlyphRaster& glyph) {
  SpriteModule m;
  m.width = glyph.width;
  m.height = glyph.height;
  for (int y = 0; y < glyph.height; y++) {
    for (int x = 0; x < glyph.width; x++) {
      m.pixels.push_back(RampIndex(glyph.fillAt(x, y), glyph.borderAt(x, y)));
    }
  }
  return m;
}

// A glyph's frame: its advance marker, then its picture when it has one.
void AddGlyph(SpriteData& s, const GlyphRaster& glyph) {
  std::vector<SpriteFModule> parts = {{kMarkerModule, glyph.advance, 0, 0}};
  if (glyph.width > 0 && glyph.height > 0) {
    parts.push_back({static_cast<int>(s.modules.size()), glyph.left, glyph.top, 0});
    s.modules.push_back(Picture(glyph));
  }
  AddFrame(s, parts);
}

}  // namespace

std::vector<char16_t> FontCharacters() {
  std::set<char16_t> characters;
  for (char16_t c = u' '; c <= u'~'; c++) characters.insert(c);
  for (const std::string& text : GameTexts()) {
    const auto units =
        DecodeModifiedUtf8(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    if (!units) throw BuildError("fonts: a game text is not UTF-8");
    for (const char16_t c : *units) {
      if (c >= u' ') characters.insert(c);
    }
  }
  return {characters.begin(), characters.end()};
}

std::vector<CharFrame> FontCharFrames() {
  std::vector<CharFrame> frames;
  int frame = 2;
  for (const char16_t c : FontCharacters()) frames.push_back({c, frame++});
  return frames;
}

std::vector<int32_t> FontCharMap() {
  return WriteCharMap(FontCharFrames(), kCharMapBuckets);
}

SpriteData FontSprite(FontKind kind) {
  const FontStyle style = StyleOf(kind);
  const GlyphRasteriser face(kDejaVuSansBold, style.pixelSize, style.border, style.shadow);
  SpriteData s;
  s.flags = sprite_flags::kImagesAllowed | sprite_flags::kPaletteSection |
            sprite_flags::kComputedBounds | sprite_flags::kWideFrameValues;
  for (const InkPair& ink : kPalettes) s.palettes.push_back(RampPalette(ink));
  s.pixelEncoding = 0x64F0;  // runs of one index: 4 index bits for the 16 ramp colours
  SpriteModule marker;
  marker.kind = ModuleKind::kEmptyBox;
  s.modules.push_back(marker);

  const SpriteFModule metrics[] = {{kMarkerModule, 0, -face.ascent(), 0},
                                   {kMarkerModule, 0, face.descent(), 0},
                                   {kMarkerModule, 0, face.descent() + style.lineGap, 0}};
  AddFrame(s, metrics);
  AddGlyph(s, face.render(kMissingGlyph));
  for (const char16_t c : FontCharacters()) AddGlyph(s, face.render(c));
  if (s.modules.size() > 256) throw BuildError("fonts: more glyphs than module numbers");
  static_assert(kRampColours == 16);
  return s;
}

}  // namespace databuild
