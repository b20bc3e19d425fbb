// The scenery's sprites: soft landscape pieces drawn with Cairo and quantised into palette 0
// (summer); the further palettes recolour palette 0 for autumn, snow and night, so one drawing
// serves every season. The sun's palettes are noon, evening and winter.
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "tools/databuild/cairo_picture.h"
#include "tools/databuild/scenery_sprites.h"
#include "tools/databuild/scenery_writer.h"
#include "tools/databuild/sprite_quantiser.h"

namespace databuild {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kColours = 64;

struct Rgb {
  double r, g, b;
};

Rgb Split(uint32_t argb) {
  return {((argb >> 16) & 0xFF) / 255.0, ((argb >> 8) & 0xFF) / 255.0, (argb & 0xFF) / 255.0};
}

uint32_t Join(uint32_t argb, Rgb c) {
  auto byte = [](double v) { return static_cast<uint32_t>(std::clamp(v, 0.0, 1.0) * 255 + 0.5); };
  return (argb & 0xFF000000u) | byte(c.r) << 16 | byte(c.g) << 8 | byte(c.b);
}

Rgb Mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// A season's look of a summer colour: autumn turns greens to ochre and rust, snow lays white
// over everything but the darkest shades, night darkens toward blue.
uint32_t Season(uint32_t argb, int season) {
  Rgb c = Split(argb);
  const bool green = c.g > c.r && c.g > c.b;
  switch (season) {
    case 1:
      if (green) c = {c.g * 0.95 + 0.1, c.g * 0.55, c.b * 0.4};
      break;
    case 2:
      c = Mix(c, {0.96, 0.97, 1.0}, green ? 0.75 : 0.45);
      break;
    case 3:
      c = Mix({c.r * 0.35, c.g * 0.38, c.b * 0.55}, {0.1, 0.12, 0.3}, 0.3);
      break;
    default:
      break;
  }
  return Join(argb, c);
}

// The sun's palettes: noon as drawn, evening orange, winter pale.
uint32_t SunLight(uint32_t argb, int palette) {
  Rgb c = Split(argb);
  if (palette == 1) c = {c.r, c.g * 0.62, c.b * 0.35};
  if (palette == 2) c = Mix(c, {1.0, 0.98, 0.92}, 0.55);
  return Join(argb, c);
}

void Fill(cairo_t* cr, uint32_t rgb) {
  SetSourceRgb(cr, rgb);
  cairo_fill(cr);
}

void Outline(cairo_t* cr, uint32_t rgb, double width) {
  cairo_set_line_width(cr, width);
  SetSourceRgb(cr, rgb);
  cairo_stroke(cr);
}

// One piece: its picture and where its origin lies in it (x from the left, y from the top).
struct Piece {
  ArgbPicture picture;
  int originX, originY;
};

Piece Ground(int w, int h, const std::function<void(cairo_t*)>& draw) {
  return {DrawPicture(w, h, draw), w / 2, h};
}

Piece Centred(int w, int h, const std::function<void(cairo_t*)>& draw) {
  return {DrawPicture(w, h, draw), w / 2, h / 2};
}

// ---- Set A ------------------------------------------------------------------------------------

Piece Hill() {
  return Ground(240, 90, [](cairo_t* cr) {
    cairo_move_to(cr, 0, 90);
    cairo_curve_to(cr, 40, 20, 200, 0, 240, 90);
    cairo_close_path(cr);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, 10, 0, 90);
    cairo_pattern_add_color_stop_rgb(fill, 0, 0.45, 0.78, 0.36);
    cairo_pattern_add_color_stop_rgb(fill, 1, 0.18, 0.5, 0.2);
    cairo_set_source(cr, fill);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(fill);
    Outline(cr, 0x1C4A1E, 2);
  });
}

Piece Tree() {
  return Ground(70, 120, [](cairo_t* cr) {
    cairo_rectangle(cr, 29, 70, 12, 50);
    Fill(cr, 0x7A4A22);
    for (const auto& [x, y, r] : {std::array<double, 3>{35, 40, 28}, {22, 58, 18}, {48, 58, 18}}) {
      cairo_arc(cr, x, y, r, 0, 2 * kPi);
      Fill(cr, 0x2F8A35);
    }
    cairo_arc(cr, 28, 32, 9, 0, 2 * kPi);
    Fill(cr, 0x58B552);
  });
}

Piece Cloud() {
  return Centred(110, 50, [](cairo_t* cr) {
    for (const auto& [x, y, r] : {std::array<double, 3>{30, 30, 18}, {55, 22, 20}, {80, 30, 17}}) {
      cairo_arc(cr, x, y, r, 0, 2 * kPi);
      cairo_close_path(cr);
    }
    cairo_rectangle(cr, 30, 30, 50, 17);
    SetSourceRgb(cr, 0xF4F7FB);
    cairo_fill(cr);
  });
}

Piece Rock() {
  return Ground(50, 30, [](cairo_t* cr) {
    cairo_move_to(cr, 2, 30);
    cairo_curve_to(cr, 4, 8, 40, 0, 48, 30);
    cairo_close_path(cr);
    SetSourceRgb(cr, 0x8A8A92);
    cairo_fill_preserve(cr);
    Outline(cr, 0x45454C, 2);
  });
}

// ---- Set B ------------------------------------------------------------------------------------

Piece Flower() {
  return Ground(20, 28, [](cairo_t* cr) {
    cairo_move_to(cr, 10, 28);
    cairo_line_to(cr, 10, 10);
    Outline(cr, 0x2F8A35, 2);
    for (int k = 0; k < 5; k++) {
      const double a = k * 2 * kPi / 5;
      cairo_arc(cr, 10 + 5 * std::cos(a), 9 + 5 * std::sin(a), 4, 0, 2 * kPi);
      Fill(cr, 0xE85A8A);
    }
    cairo_arc(cr, 10, 9, 3, 0, 2 * kPi);
    Fill(cr, 0xFFD84A);
  });
}

Piece Star(double size) {
  return Centred(16, 16, [size](cairo_t* cr) {
    for (int k = 0; k < 10; k++) {
      const double a = -kPi / 2 + k * kPi / 5, r = k % 2 ? size * 0.4 : size;
      if (k == 0) cairo_move_to(cr, 8 + r * std::cos(a), 8 + r * std::sin(a));
      else cairo_line_to(cr, 8 + r * std::cos(a), 8 + r * std::sin(a));
    }
    cairo_close_path(cr);
    Fill(cr, 0xFFF4B0);
  });
}

Piece Bird(bool wingsUp) {
  return Centred(28, 16, [wingsUp](cairo_t* cr) {
    const double tip = wingsUp ? 2 : 14;
    cairo_move_to(cr, 1, tip);
    cairo_curve_to(cr, 6, 6, 10, 6, 14, 9);
    cairo_curve_to(cr, 18, 6, 22, 6, 27, tip);
    Outline(cr, 0x30303A, 2.5);
  });
}

Piece Grass() {
  return Ground(30, 16, [](cairo_t* cr) {
    for (int k = 0; k < 5; k++) {
      cairo_move_to(cr, 4 + 5.5 * k, 16);
      cairo_line_to(cr, 2 + 6 * k + (k % 2 ? 3 : -1), 2 + 4 * (k % 2));
    }
    Outline(cr, 0x3E9A3A, 2.5);
  });
}

// ---- Sky --------------------------------------------------------------------------------------

Piece Sun() {
  return Centred(90, 90, [](cairo_t* cr) {
    for (int k = 0; k < 12; k++) {
      const double a = k * kPi / 6;
      cairo_move_to(cr, 45 + 30 * std::cos(a), 45 + 30 * std::sin(a));
      cairo_line_to(cr, 45 + 43 * std::cos(a), 45 + 43 * std::sin(a));
    }
    Outline(cr, 0xFFC83A, 4);
    cairo_arc(cr, 45, 45, 26, 0, 2 * kPi);
    SetSourceRgb(cr, 0xFFE060);
    cairo_fill_preserve(cr);
    Outline(cr, 0xF0A020, 2);
  });
}

Piece Moon() {
  return Centred(70, 70, [](cairo_t* cr) {
    cairo_arc(cr, 35, 35, 30, 0, 2 * kPi);
    SetSourceRgb(cr, 0xF2F0DA);
    cairo_fill(cr);
    for (const auto& [x, y, r] : {std::array<double, 3>{25, 28, 6}, {44, 44, 8}, {40, 20, 4}}) {
      cairo_arc(cr, x, y, r, 0, 2 * kPi);
      Fill(cr, 0xD4D0B8);
    }
  });
}

// ---- Sprites ----------------------------------------------------------------------------------

// An animation: each step a piece (frame) shown for ticks, shifted by dx.
struct Step {
  int piece;
  int ticks;
  int dx = 0;
};

SpriteData Compose(const std::vector<Piece>& pieces, const std::vector<std::vector<Step>>& anims,
                   int palettes, uint32_t (*recolour)(uint32_t, int)) {
  std::vector<ArgbPicture> pictures;
  for (const Piece& p : pieces) pictures.push_back(p.picture);
  const QuantisedSprite q = Quantise(pictures, kColours);
  SpriteData s = QuantisedSpriteData(q);
  s.flags |= sprite_flags::kWideModuleSizes | sprite_flags::kWideFrameValues;
  for (size_t i = 0; i < pieces.size(); i++) {
    s.modules.push_back(QuantisedModule(q, pictures, i));
    const SpriteFModule part[] = {{static_cast<int>(i), -pieces[i].originX, -pieces[i].originY, 0}};
    AddFrame(s, part);
  }
  for (const std::vector<Step>& anim : anims) {
    std::vector<SpriteAFrame> frames;
    for (const Step& step : anim) frames.push_back({step.piece, step.ticks, step.dx, 0, 0});
    AddAnimation(s, frames);
  }
  for (int p = 1; p < palettes; p++) {
    std::vector<uint32_t> palette = s.palettes[0];
    for (size_t i = 1; i < palette.size(); i++) palette[i] = recolour(palette[i], p);
    s.palettes.push_back(palette);
  }
  return s;
}

}  // namespace

SpriteData ScenerySunSprite() {
  return Compose({Sun()}, {{{0, 1}}}, 3, SunLight);
}

SpriteData SceneryMoonSprite() {
  return Compose({Moon()}, {{{0, 1}}}, 1, Season);
}

// Animations in the order of SceneryA: the cloud drifts 2 px to and fro.
SpriteData ScenerySetASprite() {
  return Compose({Hill(), Tree(), Cloud(), Rock()},
                 {{{0, 1}}, {{1, 1}}, {{2, 12}, {2, 12, 2}}, {{3, 1}}}, kSceneryPalettes, Season);
}

// Animations in the order of SceneryB: the star twinkles, the bird beats its wings.
SpriteData ScenerySetBSprite() {
  return Compose({Flower(), Star(7.5), Star(5), Bird(true), Bird(false), Grass()},
                 {{{0, 1}}, {{1, 10}, {2, 6}}, {{3, 4}, {4, 4}}, {{5, 1}}}, kSceneryPalettes,
                 Season);
}

}  // namespace databuild
