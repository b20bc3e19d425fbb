// The sparkle: a white four-pointed star with a yellow heart and a soft yellow glow, in six
// steps of size and turn, each a picture centred on the sprite's origin.
#include <cmath>
#include <numbers>
#include <vector>

#include "tools/databuild/cairo_picture.h"
#include "tools/databuild/sprite_quantiser.h"
#include "tools/databuild/ui_sprites.h"

namespace databuild {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kSize = 32;  // each picture, square
constexpr int kSparkleAnimation = 28;
constexpr int kTicksPerFrame = 2;

struct Step {
  double scale;  // of the star's reach, 1 = the picture's half width
  double turn;   // radians
};

constexpr Step kSteps[] = {{0.45, 0.0}, {0.7, 0.15}, {0.95, 0.3},
                           {0.8, 0.45}, {0.6, 0.6},  {0.4, 0.75}};

// Four long points and four short ones, their flanks curving in toward the centre.
void StarPath(cairo_t* cr, double c, double reach, double turn) {
  for (int i = 0; i < 8; i++) {
    const double angle = turn + i * kPi / 4;
    const double r = i % 2 == 0 ? reach : reach * 0.45;
    const double x = c + r * std::cos(angle), y = c + r * std::sin(angle);
    if (i == 0) {
      cairo_move_to(cr, x, y);
    } else {
      cairo_curve_to(cr, c, c, c, c, x, y);
    }
  }
  cairo_curve_to(cr, c, c, c, c, c + reach * std::cos(turn), c + reach * std::sin(turn));
  cairo_close_path(cr);
}

ArgbPicture Sparkle(const Step& step) {
  return DrawPicture(kSize, kSize, [&step](cairo_t* cr) {
    const double c = kSize / 2.0, reach = (kSize / 2.0 - 1) * step.scale;
    cairo_pattern_t* glow = cairo_pattern_create_radial(c, c, 0, c, c, reach * 0.55);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1.0, 0.93, 0.45, 1.0);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1.0, 0.85, 0.30, 0.0);
    cairo_set_source(cr, glow);
    cairo_paint(cr);
    cairo_pattern_destroy(glow);
    StarPath(cr, c, reach, step.turn);
    cairo_pattern_t* body = cairo_pattern_create_radial(c, c, 0, c, c, reach);
    cairo_pattern_add_color_stop_rgb(body, 0, 1.0, 0.95, 0.55);
    cairo_pattern_add_color_stop_rgb(body, 0.5, 1.0, 1.0, 1.0);
    cairo_set_source(cr, body);
    cairo_fill(cr);
    cairo_pattern_destroy(body);
  });
}

}  // namespace

SpriteData SparkleSprite() {
  std::vector<ArgbPicture> pictures;
  for (const Step& step : kSteps) pictures.push_back(Sparkle(step));
  const QuantisedSprite q = Quantise(pictures, 64);
  SpriteData s;
  s.flags =
      sprite_flags::kImagesAllowed | sprite_flags::kPaletteSection | sprite_flags::kComputedBounds;
  s.palettes = {q.palette};
  s.pixelEncoding = 0x56F2;
  std::vector<SpriteAFrame> loop;
  for (size_t i = 0; i < pictures.size(); i++) {
    s.modules.push_back(QuantisedModule(q, pictures, i));
    const SpriteFModule part[] = {{static_cast<int>(i), -kSize / 2, -kSize / 2, 0}};
    loop.push_back({AddFrame(s, part), kTicksPerFrame, 0, 0, 0});
  }
  const SpriteAFrame still[] = {{0, 1, 0, 0, 0}};
  for (int a = 0; a < kSparkleAnimation; a++) AddAnimation(s, still);
  AddAnimation(s, loop);
  return s;
}

}  // namespace databuild
