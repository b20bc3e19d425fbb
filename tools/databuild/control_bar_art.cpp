// The control bar below the play area: a dark blue ground with a light top edge, and three
// round buttons (menu on the left, shoot in the centre, swap on the right), each also lit.
#include <cmath>
#include <numbers>
#include <vector>

#include "tools/databuild/boot_sprites.h"
#include "tools/databuild/cairo_picture.h"
#include "tools/databuild/sprite_quantiser.h"

namespace databuild {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kBarWidth = 480, kBarHeight = 160;
constexpr int kStripWidth = 16;
constexpr int kCentre = 104, kSide = 84;  // button pictures, square

enum class Icon { kMenu, kShoot, kSwap };

void DrawIcon(cairo_t* cr, Icon icon, double c, double r) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_set_line_width(cr, r * 0.14);
  switch (icon) {
    case Icon::kMenu:
      for (int i = -1; i <= 1; i++) {
        cairo_move_to(cr, c - r * 0.42, c + i * r * 0.3);
        cairo_line_to(cr, c + r * 0.42, c + i * r * 0.3);
      }
      cairo_stroke(cr);
      break;
    case Icon::kShoot:
      DrawBubble(cr, c, c + r * 0.3, r * 0.3, 0x3C9BF0);
      cairo_set_source_rgb(cr, 1, 1, 1);
      cairo_move_to(cr, c, c - r * 0.1);
      cairo_line_to(cr, c, c - r * 0.6);
      cairo_stroke(cr);
      cairo_move_to(cr, c - r * 0.25, c - r * 0.38);
      cairo_line_to(cr, c, c - r * 0.64);
      cairo_line_to(cr, c + r * 0.25, c - r * 0.38);
      cairo_stroke(cr);
      break;
    case Icon::kSwap:
      // Two arrows chasing each other round a circle.
      for (int half = 0; half < 2; half++) {
        const double start = half * kPi + 0.35, end = start + kPi - 0.7;
        cairo_new_sub_path(cr);
        cairo_arc(cr, c, c, r * 0.42, start, end);
        cairo_stroke(cr);
        const double tipX = c + r * 0.42 * std::cos(end), tipY = c + r * 0.42 * std::sin(end);
        const double back = end - 0.45;
        cairo_move_to(cr, c + r * 0.58 * std::cos(back), c + r * 0.58 * std::sin(back));
        cairo_line_to(cr, tipX, tipY);
        cairo_line_to(cr, c + r * 0.26 * std::cos(back), c + r * 0.26 * std::sin(back));
        cairo_stroke(cr);
      }
      break;
  }
}

// A round button filling a size x size picture; lit buttons glow brighter with a gold rim.
ArgbPicture Button(int size, Icon icon, bool lit) {
  return DrawPicture(size, size, [size, icon, lit](cairo_t* cr) {
    const double c = size / 2.0, r = size / 2.0 - 3;
    cairo_pattern_t* face = cairo_pattern_create_radial(c - r * 0.3, c - r * 0.4, r * 0.1, c, c, r);
    const double glow = lit ? 1.35 : 1.0;
    cairo_pattern_add_color_stop_rgb(face, 0, 0.33 * glow, 0.47 * glow, 0.80 * glow);
    cairo_pattern_add_color_stop_rgb(face, 1, 0.09 * glow, 0.15 * glow, 0.33 * glow);
    cairo_arc(cr, c, c, r, 0, 2 * kPi);
    cairo_set_source(cr, face);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(face);
    cairo_set_line_width(cr, lit ? 5 : 3);
    if (lit) {
      cairo_set_source_rgb(cr, 1.0, 0.82, 0.25);
    } else {
      cairo_set_source_rgb(cr, 0.55, 0.68, 0.95);
    }
    cairo_stroke(cr);
    DrawIcon(cr, icon, c, r);
  });
}

}  // namespace

SpriteData ControlBarSprite() {
  const std::vector<ArgbPicture> pictures = {
      VerticalGradient(kStripWidth, kBarHeight, 0x293654, 0x0A0F1F),  // the ground
      Button(kCentre, Icon::kShoot, false),
      Button(kSide, Icon::kMenu, false),
      Button(kSide, Icon::kSwap, false),
      Button(kCentre, Icon::kShoot, true),
      Button(kSide, Icon::kMenu, true),
      Button(kSide, Icon::kSwap, true)};
  const QuantisedSprite q = Quantise(pictures, 256, {true});
  SpriteData s;
  s.flags = sprite_flags::kImagesAllowed | sprite_flags::kPaletteSection |
            sprite_flags::kWideModuleSizes | sprite_flags::kWideFrameValues;
  s.palettes = {q.palette};
  s.pixelEncoding = 0x27F1;
  for (size_t i = 0; i < pictures.size(); i++) s.modules.push_back(QuantisedModule(q, pictures, i));
  const int edge = static_cast<int>(s.modules.size());
  SpriteModule topEdge;
  topEdge.kind = ModuleKind::kFilledRect;
  topEdge.colour = 0xFF6A8CC8;
  topEdge.width = kBarWidth;
  topEdge.height = 3;
  s.modules.push_back(topEdge);
  // Frame 0, the ground: the strip across the bar, the light edge on top.
  std::vector<SpriteFModule> ground;
  for (int x = 0; x < kBarWidth; x += kStripWidth) ground.push_back({0, x, 0, 0});
  ground.push_back({edge, 0, 0, 0});
  AddFrame(s, ground);
  // Frames 1 to 6: the buttons about their centres, then lit.
  for (int module = 1; module <= 6; module++) {
    const int half = (module == 1 || module == 4 ? kCentre : kSide) / 2;
    const SpriteFModule part[] = {{module, -half, -half, 0}};
    AddFrame(s, part);
  }
  return s;
}

}  // namespace databuild
