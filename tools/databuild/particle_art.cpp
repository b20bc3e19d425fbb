// The particle sprites' pictures and their sprites: each animation's frames drawn from the
// dying look (frame 0) to the fresh one (the last), quantised into one palette; the shards'
// palette is then recoloured once per bubble colour.
#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "tools/databuild/cairo_picture.h"
#include "tools/databuild/particle_content.h"
#include "tools/databuild/particle_sprites.h"
#include "tools/databuild/sprite_quantiser.h"

namespace databuild {

namespace {

constexpr double kPi = std::numbers::pi;

// One animation: its frames' pictures, all of one size, frame 0 the dying look.
using Animation = std::vector<ArgbPicture>;
// Draws frame k of an animation of n frames at freshness t = k / (n - 1) (0 dying, 1 born).
using FrameArt = std::function<void(cairo_t*, double c, double t)>;

Animation Frames(int size, int count, const FrameArt& art) {
  Animation frames;
  for (int k = 0; k < count; k++) {
    const double t = count > 1 ? static_cast<double>(k) / (count - 1) : 1.0;
    frames.push_back(DrawPicture(size, size, [&](cairo_t* cr) { art(cr, size / 2.0, t); }));
  }
  return frames;
}

double Mix(double a, double b, double t) {
  return a + (b - a) * t;
}

uint32_t MixRgb(uint32_t a, uint32_t b, double t) {
  uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const double v = Mix((a >> shift) & 0xFF, (b >> shift) & 0xFF, t);
    out |= static_cast<uint32_t>(std::lround(std::clamp(v, 0.0, 255.0))) << shift;
  }
  return out;
}

struct Stop {
  double at;
  uint32_t rgb;
};

// Fills the current path with `pattern` running through three colour stops, keeping the path
// for an outline; the pattern is used up.
void FillWith(cairo_t* cr, cairo_pattern_t* pattern, const Stop (&stops)[3]) {
  for (const Stop& stop : stops) {
    cairo_pattern_add_color_stop_rgb(pattern, stop.at, ((stop.rgb >> 16) & 0xFF) / 255.0,
                                     ((stop.rgb >> 8) & 0xFF) / 255.0, (stop.rgb & 0xFF) / 255.0);
  }
  cairo_set_source(cr, pattern);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(pattern);
}

// A disc of radius r filled from `inner` at its centre through `middle` to `outer`, outlined.
void GlowDisc(cairo_t* cr, double c, double r, uint32_t inner, uint32_t middle, uint32_t outer,
              uint32_t outline) {
  cairo_arc(cr, c, c, r, 0, 2 * kPi);
  FillWith(cr, cairo_pattern_create_radial(c, c, 0, c, c, r),
           {{0, inner}, {0.45, middle}, {1, outer}});
  cairo_set_line_width(cr, 1.0);
  SetSourceRgb(cr, outline);
  cairo_stroke(cr);
}

// ---- Sparks and stars -----------------------------------------------------------------------

// A spark: white-hot, its glow crossed by a four-armed glint 19 px across when fresh; a small
// red ember when dying.
void Spark(cairo_t* cr, double c, double t) {
  const double r = Mix(1.6, 4.4, t);
  if (t > 0.4) {
    const double reach = Mix(r + 2, 9.5, (t - 0.4) / 0.6), w = Mix(1.4, 2.4, t);
    cairo_move_to(cr, c - reach, c);
    cairo_line_to(cr, c, c - w);
    cairo_line_to(cr, c + reach, c);
    cairo_line_to(cr, c, c + w);
    cairo_close_path(cr);
    cairo_move_to(cr, c, c - reach);
    cairo_line_to(cr, c + w, c);
    cairo_line_to(cr, c, c + reach);
    cairo_line_to(cr, c - w, c);
    cairo_close_path(cr);
    SetSourceRgb(cr, 0xFFE680);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 0.8);
    SetSourceRgb(cr, 0xE08A1C);
    cairo_stroke(cr);
  }
  GlowDisc(cr, c, r, MixRgb(0xFF9A3C, 0xFFFFFF, t), MixRgb(0xE8601C, 0xFFE45C, t),
           MixRgb(0xB83414, 0xFFA024, t), MixRgb(0x7A1E0A, 0xC8600E, t));
}

// A five-pointed gold star, shrinking and turning as it fades.
void Star(cairo_t* cr, double c, double t) {
  const double outer = Mix(4.0, 11.0, t), inner = outer * 0.45, turn = -kPi / 2 + 0.5 * (1 - t);
  for (int i = 0; i < 10; i++) {
    const double r = i % 2 == 0 ? outer : inner, a = turn + i * kPi / 5;
    if (i == 0) {
      cairo_move_to(cr, c + r * std::cos(a), c + r * std::sin(a));
    } else {
      cairo_line_to(cr, c + r * std::cos(a), c + r * std::sin(a));
    }
  }
  cairo_close_path(cr);
  FillWith(cr, cairo_pattern_create_radial(c, c, 0, c, c, outer),
           {{0, 0xFFFFFF}, {0.4, 0xFFD23A}, {1, 0xE8940E}});
  cairo_set_line_width(cr, 1.2);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetSourceRgb(cr, 0x9A4E06);
  cairo_stroke(cr);
}

// A round light: white at its heart, pale blue to its rim.
void Light(cairo_t* cr, double c, double) {
  GlowDisc(cr, c, 4.5, 0xFFFFFF, 0xA8ECFF, 0x3CB4F0, 0x1C68A4);
}

// ---- Shards and drops (greys, coloured by the palettes) -------------------------------------

// A broken piece of a bubble's shell: a three-cornered fragment whose outer edge keeps the
// bubble's curve and shine, smaller and turned further as it falls.
void Shard(cairo_t* cr, double c, double t) {
  const double s = Mix(0.45, 1.0, t);
  cairo_save(cr);
  cairo_translate(cr, c, c);
  cairo_rotate(cr, 1.4 * (1 - t));
  cairo_scale(cr, s, s);
  cairo_move_to(cr, -7.5, 2.5);
  cairo_curve_to(cr, -5.5, -4.5, 1.5, -8.0, 7.5, -5.0);  // the outer, curved edge
  cairo_line_to(cr, 2.0, 1.0);
  cairo_line_to(cr, -1.5, 6.5);
  cairo_close_path(cr);
  FillWith(cr, cairo_pattern_create_linear(0, -7, 0, 6),
           {{0, 0xF4F4F4}, {0.35, 0xA8A8A8}, {1, 0x585858}});
  cairo_set_line_width(cr, 1.0 / s);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetSourceRgb(cr, 0x303030);
  cairo_stroke(cr);
  cairo_move_to(cr, -4.5, -1.0);
  cairo_curve_to(cr, -3.0, -4.0, 0.5, -5.5, 3.5, -5.0);  // the shine along the curve
  cairo_set_line_width(cr, 1.6);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_stroke(cr);
  cairo_restore(cr);
}

// A round drop with a highlight, shrinking as it fades.
void Drop(cairo_t* cr, double c, double t) {
  const double r = Mix(2.2, 6.0, t);
  cairo_arc(cr, c, c, r, 0, 2 * kPi);
  FillWith(cr, cairo_pattern_create_radial(c - r * 0.35, c - r * 0.35, r * 0.1, c, c, r),
           {{0, 0xF0F0F0}, {0.55, 0x9C9C9C}, {1, 0x505050}});
  cairo_set_line_width(cr, 1.0);
  SetSourceRgb(cr, 0x2C2C2C);
  cairo_stroke(cr);
  if (r > 3) {
    cairo_arc(cr, c - r * 0.35, c - r * 0.4, r * 0.22, 0, 2 * kPi);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill(cr);
  }
}

// The grey palette entry recoloured along the colour's ramp: black stays a deep shade, the
// middle greys become the colour, white a pale tint. The key (entry 0) stays.
std::vector<uint32_t> Recoloured(const std::vector<uint32_t>& greys, uint32_t rgb) {
  std::vector<uint32_t> palette = greys;
  const uint32_t deep = MixRgb(rgb, 0x000000, 0.65), pale = MixRgb(rgb, 0xFFFFFF, 0.8);
  for (size_t i = 1; i < palette.size(); i++) {
    const double l = (palette[i] & 0xFF) / 255.0;
    const uint32_t c = l < 0.6 ? MixRgb(deep, rgb, l / 0.6) : MixRgb(rgb, pale, (l - 0.6) / 0.4);
    palette[i] = (palette[i] & 0xFF000000) | c;
  }
  return palette;
}

// ---- Smoke and glows ------------------------------------------------------------------------

// A puff of three overlapping rounds: small and dark when it rises, large and pale at its end.
void Smoke(cairo_t* cr, double c, double t) {
  const double s = Mix(1.0, 0.4, t);
  const uint32_t fill = MixRgb(0xDADADA, 0x6E6E6E, t), edge = MixRgb(0xA4A4A4, 0x444444, t);
  const double lobes[][3] = {{-0.35, 0.15, 0.55}, {0.35, 0.2, 0.5}, {0.0, -0.2, 0.62}};
  for (const auto& lobe : lobes) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, c + lobe[0] * 18 * s, c + lobe[1] * 18 * s, lobe[2] * 18 * s, 0, 2 * kPi);
  }
  cairo_set_line_width(cr, 2.0);
  SetSourceRgb(cr, edge);
  cairo_stroke_preserve(cr);
  SetSourceRgb(cr, fill);
  cairo_fill(cr);
  cairo_arc(cr, c - 4 * s, c - 6 * s, 4 * s, 0, 2 * kPi);
  SetSourceRgb(cr, MixRgb(fill, 0xFFFFFF, 0.5));
  cairo_fill(cr);
}

// A firefly: a green-yellow light in a darker green halo that pulses with the frame.
void Glow(cairo_t* cr, double c, double t) {
  GlowDisc(cr, c, Mix(4.0, 7.0, t), 0xFFFFE0, 0xD4FF64, 0x62B41E, 0x2E6A0E);
}

// ---- Sprites --------------------------------------------------------------------------------

constexpr int kColours = 48;

// The sprite of these animations (animation a's frames, a picture each, centred on the
// origin), quantised together into one palette.
SpriteData AnimatedSprite(const std::vector<Animation>& animations,
                          QuantisedSprite* out = nullptr) {
  std::vector<ArgbPicture> pictures;
  for (const Animation& a : animations) pictures.insert(pictures.end(), a.begin(), a.end());
  const QuantisedSprite q = Quantise(pictures, kColours);
  SpriteData s;
  s.flags = sprite_flags::kImagesAllowed | sprite_flags::kPaletteSection;
  s.palettes = {q.palette};
  s.pixelEncoding = 0x64F0;
  size_t picture = 0;
  for (const Animation& a : animations) {
    std::vector<SpriteAFrame> frames;
    for (const ArgbPicture& p : a) {
      const int module = static_cast<int>(s.modules.size());
      s.modules.push_back(QuantisedModule(q, pictures, picture++));
      const SpriteFModule part[] = {{module, -p.width / 2, -p.height / 2, 0}};
      frames.push_back({AddFrame(s, part), 1, 0, 0, 0});
    }
    AddAnimation(s, frames);
  }
  if (out) *out = q;
  return s;
}

}  // namespace

SpriteData SparkSprite() {
  std::vector<Animation> animations(3);
  animations[kSparkAnim] = Frames(20, 5, Spark);
  animations[kStarAnim] = Frames(24, 5, Star);
  animations[kLightAnim] = Frames(12, 1, Light);
  return AnimatedSprite(animations);
}

SpriteData ShardSprite() {
  std::vector<Animation> animations(2);
  animations[kShardAnim] = Frames(20, 4, Shard);
  animations[kDropAnim] = Frames(16, 4, Drop);
  QuantisedSprite q;
  SpriteData s = AnimatedSprite(animations, &q);
  s.palettes.clear();
  for (const uint32_t rgb : kBubbleColours) s.palettes.push_back(Recoloured(q.palette, rgb));
  return s;
}

SpriteData SmokeSprite() {
  std::vector<Animation> animations(2);
  animations[kSmokeAnim] = Frames(40, 6, Smoke);
  animations[kGlowAnim] = Frames(20, 4, Glow);
  return AnimatedSprite(animations);
}

}  // namespace databuild
