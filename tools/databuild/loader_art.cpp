// The loader's sprites: plain tiles drawn with Cairo, one picture a frame, and their tinted
// palettes. Each pack's list says what its entries hold and what the loader indexes in them.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "tools/databuild/cairo_picture.h"
#include "tools/databuild/loader_sprites.h"
#include "tools/databuild/sprite_quantiser.h"

namespace databuild {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kColours = 48;
// The hues the palettes after the first lean toward.
constexpr uint32_t kTints[] = {0xE04040, 0x40B040, 0x4060E0, 0xE0C020,
                               0xB040C0, 0x30B0C0, 0x909090, 0xF08030};

uint32_t Mix(uint32_t argb, uint32_t tint) {
  auto channel = [&](int shift) {
    const uint32_t a = (argb >> shift) & 0xFF, b = (tint >> shift) & 0xFF;
    return ((a + b) / 2) << shift;
  };
  return (argb & 0xFF000000u) | channel(16) | channel(8) | channel(0);
}

// A rounded tile shaded from light to the colour, a dark rim, and a white ring with one dot
// per frame number (up to eight, then the ring alone).
ArgbPicture Tile(const ArtFrame& frame, uint32_t rgb, int index) {
  return DrawPicture(frame.width, frame.height, [&](cairo_t* cr) {
    const double w = frame.width, h = frame.height;
    const double r = std::min({6.0, w / 3, h / 3});
    cairo_new_sub_path(cr);
    cairo_arc(cr, w - r - 1, r + 1, r, -kPi / 2, 0);
    cairo_arc(cr, w - r - 1, h - r - 1, r, 0, kPi / 2);
    cairo_arc(cr, r + 1, h - r - 1, r, kPi / 2, kPi);
    cairo_arc(cr, r + 1, r + 1, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgb(fill, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(fill, 0.45, ((rgb >> 16) & 0xFF) / 255.0,
                                     ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0);
    cairo_pattern_add_color_stop_rgb(fill, 1, ((rgb >> 16) & 0xFF) / 400.0,
                                     ((rgb >> 8) & 0xFF) / 400.0, (rgb & 0xFF) / 400.0);
    cairo_set_source(cr, fill);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(fill);
    cairo_set_line_width(cr, 2);
    SetSourceRgb(cr, 0x202020);
    cairo_stroke(cr);
    const double cx = w / 2, cy = h / 2, ring = std::min(w, h) / 4;
    if (ring < 3) return;
    cairo_arc(cr, cx, cy, ring, 0, 2 * kPi);
    cairo_set_line_width(cr, 2);
    SetSourceRgb(cr, 0xFFFFFF);
    cairo_stroke(cr);
    const int dots = index % 9;
    for (int d = 0; d < dots; d++) {
      const double a = -kPi / 2 + d * 2 * kPi / 8;
      cairo_arc(cr, cx + ring * std::cos(a), cy + ring * std::sin(a), 2.2, 0, 2 * kPi);
      cairo_fill(cr);
    }
  });
}

ArtSprite Art(uint32_t colour, int frames = 1, int animations = 1, int palettes = 1) {
  ArtSprite art;
  art.colour = colour;
  art.frames.assign(frames, ArtFrame{});
  art.animations = animations;
  art.palettes = palettes;
  return art;
}

}  // namespace

SpriteData DrawArtSprite(const ArtSprite& art) {
  std::vector<ArgbPicture> pictures;
  for (size_t f = 0; f < art.frames.size(); f++) {
    pictures.push_back(Tile(art.frames[f], art.colour, static_cast<int>(f)));
  }
  const QuantisedSprite q = Quantise(pictures, kColours);
  SpriteData s = QuantisedSpriteData(q);
  bool wide = false, rects = false;
  for (const ArtFrame& frame : art.frames) {
    wide = wide || frame.width > 127 || frame.height > 127;
    rects = rects || !frame.rects.empty();
    for (const SpriteRect& r : frame.rects) wide = wide || r.x + r.w > 127 || r.y + r.h > 127;
  }
  if (wide) s.flags |= sprite_flags::kWideModuleSizes | sprite_flags::kWideFrameValues;
  if (rects) s.flags |= sprite_flags::kFrameRects;
  for (size_t f = 0; f < art.frames.size(); f++) {
    s.modules.push_back(QuantisedModule(q, pictures, f));
    const ArtFrame& frame = art.frames[f];
    const int x = -frame.width / 2, y = -frame.height / 2;
    const SpriteFModule part[] = {{static_cast<int>(f), x, y, 0}};
    AddFrame(s, part, frame.rects);
  }
  for (int a = 0; a < art.animations; a++) {
    const SpriteAFrame still[] = {{a % static_cast<int>(art.frames.size()), 1, 0, 0, 0}};
    AddAnimation(s, still);
  }
  for (int p = 1; p < art.palettes; p++) {
    std::vector<uint32_t> palette = s.palettes[0];
    for (size_t i = 1; i < palette.size(); i++) palette[i] = Mix(palette[i], kTints[(p - 1) % 8]);
    s.palettes.push_back(palette);
  }
  return s;
}

// ---- The packs ------------------------------------------------------------------------------

std::vector<ArtSprite> BossArt() {
  // Entry 0 (slot 46) also stands in the ending scene, playing animations 4 to 6.
  std::vector<ArtSprite> art = {Art(0x7A3FA0, 2, kSceneBossAnimations)};
  for (int kind = 1; kind <= 4; kind++) art.push_back(Art(0xA03F50 + 0x101000 * kind, 4, 4, 2));
  return art;
}

std::vector<ArtSprite> CommonArt() {
  return {Art(0x3F80C0, 4, 4, 2), Art(0x50A060, 2, 2), Art(0xC08040, 2, 2), Art(0x60A0A0, 2, 2),
          Art(0xC06080, 4, 4, 2)};
}

std::vector<ArtSprite> CharacterArt() {
  std::vector<ArtSprite> art;
  for (int e = 0; e < 6; e++) {
    art.push_back(Art(e < 3 ? 0x4F8FD0 : 0xD08F4F, 4, kCharacterAnimations));
  }
  art.push_back(Art(0x8FC04F, 4, 4, 2));
  return art;
}

// The world-select screen's four marks and its cursor (animation 4); frame 78 is the mark on
// the world the cursor walks to, the frames between are small dots.
ArtSprite MapArt() {
  ArtSprite art = Art(0x5FA05F, kWorldTargetFrame + 1, 5);
  for (int f = 5; f < kWorldTargetFrame; f++) art.frames[f] = {8, 8, {}};
  return art;
}

// Entries 0, 1, 3 and 4 are the board's and the HUD's own drawings (tools/databuild/hud_sprites.h).
std::vector<ArtSprite> HudArt() {
  return {Art(0x8F5FAF, 2, 2),    Art(0x4FAFCF, 4, 4, 7), Art(0xAF8F3F, 2, 2), Art(0x304060, 2, 2),
          Art(0xCF4F4F, 4, 4, 2), Art(0x5F7FCF, 8, 8)};
}

std::vector<ArtSprite> FeatureArt() {
  std::vector<ArtSprite> art;
  for (int e = 0; e < 7; e++) {
    // Entry 4 (slot 44) is also the ending scene's scenery, up to its animation 22.
    const int animations = e == 4 ? kSceneryAnimations : 2;
    art.push_back(Art(0x3FA0A0 + 0x100010 * e, 2, animations, e == 2 ? 8 : 1));
  }
  return art;
}

std::vector<ArtSprite> BootEffectArt() {
  std::vector<ArtSprite> art;
  for (int e : {0, 1, 2, 3, 6, 7, 8, 9}) {
    art.push_back(Art(0xE0A030 - 0x100800 * (e % 4), 4, 4, e == 1 || e == 7 ? 8 : 1));
  }
  return art;
}

}  // namespace databuild
