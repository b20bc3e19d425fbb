// The sparkle: a four-pointed star, white at its heart and yellow at its points, with a thin
// orange outline that shows it on light and dark grounds alike, in six steps of size and turn,
// each a picture centred on the sprite's origin.
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

constexpr Step kSteps[] = {{0.6, 0.0},  {0.8, 0.12},  {1.0, 0.24},
                           {0.9, 0.36}, {0.75, 0.48}, {0.6, 0.6}};

// Four long points and four short ones between them; each flank curves in toward the centre
// past a control point a little way out, so the points stay broad enough to see.
void StarPath(cairo_t* cr, double c, double reach, double turn) {
  auto at = [&](double r, double angle) {
    return std::pair{c + r * std::cos(angle), c + r * std::sin(angle)};
  };
  const auto [x0, y0] = at(reach, turn);
  cairo_move_to(cr, x0, y0);
  for (int i = 1; i <= 8; i++) {
    const double angle = turn + i * kPi / 4;
    const auto [cx, cy] = at(reach * 0.32, angle - kPi / 8);
    const auto [x, y] = at(i % 2 == 0 ? reach : reach * 0.5, angle);
    cairo_curve_to(cr, cx, cy, cx, cy, x, y);
  }
  cairo_close_path(cr);
}

ArgbPicture Sparkle(const Step& step) {
  return DrawPicture(kSize, kSize, [&step](cairo_t* cr) {
    const double c = kSize / 2.0, reach = (kSize / 2.0 - 1.5) * step.scale;
    StarPath(cr, c, reach, step.turn);
    cairo_pattern_t* body = cairo_pattern_create_radial(c, c, 0, c, c, reach);
    cairo_pattern_add_color_stop_rgb(body, 0, 1.0, 1.0, 1.0);
    cairo_pattern_add_color_stop_rgb(body, 0.35, 1.0, 0.97, 0.7);
    cairo_pattern_add_color_stop_rgb(body, 1, 1.0, 0.82, 0.2);
    cairo_set_source(cr, body);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(body);
    cairo_set_line_width(cr, 1.2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    SetSourceRgb(cr, 0xC06A10);
    cairo_stroke(cr);
  });
}

}  // namespace

SpriteData SparkleSprite() {
  std::vector<ArgbPicture> pictures;
  for (const Step& step : kSteps) pictures.push_back(Sparkle(step));
  const QuantisedSprite q = Quantise(pictures, 64);
  SpriteData s = QuantisedSpriteData(q);
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
