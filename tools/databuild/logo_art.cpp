// The logo: the word "Plimora" in a round monoline hand, navy outlined, its letters blue from
// top to bottom, with a red bubble for the "o" and a green one for the dot of the "i". Three
// modules, one frame, bounds computed by the reader.
#include <cmath>
#include <numbers>
#include <vector>

#include "tools/databuild/boot_sprites.h"
#include "tools/databuild/cairo_picture.h"
#include "tools/databuild/sprite_quantiser.h"

namespace databuild {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kWordWidth = 178, kWordHeight = 50;
constexpr double kBaseline = 43, kXHeightTop = 21;

// The letters but the "o" and the i's dot, as one path of strokes.
void LetterPaths(cairo_t* cr) {
  // P: the stem and its bowl.
  cairo_move_to(cr, 7, kBaseline);
  cairo_line_to(cr, 7, 6);
  cairo_line_to(cr, 17, 6);
  cairo_arc(cr, 17, 16.5, 10.5, -kPi / 2, kPi / 2);
  cairo_line_to(cr, 7, 27);
  // l
  cairo_move_to(cr, 38, 5);
  cairo_line_to(cr, 38, kBaseline);
  // i, under its bubble
  cairo_move_to(cr, 50, kXHeightTop);
  cairo_line_to(cr, 50, kBaseline);
  // m: a stem and two arches
  cairo_move_to(cr, 62, kBaseline);
  cairo_line_to(cr, 62, kXHeightTop);
  cairo_move_to(cr, 62, 29);
  cairo_arc(cr, 69.5, 29, 7.5, kPi, 2 * kPi);
  cairo_line_to(cr, 77, kBaseline);
  cairo_move_to(cr, 77, 29);
  cairo_arc(cr, 84.5, 29, 7.5, kPi, 2 * kPi);
  cairo_line_to(cr, 92, kBaseline);
  // r: a stem and its shoulder
  cairo_move_to(cr, 130, kBaseline);
  cairo_line_to(cr, 130, kXHeightTop);
  cairo_move_to(cr, 130, 33);
  cairo_arc(cr, 142, 33, 12, kPi, 1.5 * kPi);
  // a: a bowl and its stem
  cairo_new_sub_path(cr);
  cairo_arc(cr, 159, 32, 10.5, 0, 2 * kPi);
  cairo_move_to(cr, 170.5, kXHeightTop);
  cairo_line_to(cr, 170.5, kBaseline);
}

ArgbPicture Word() {
  return DrawPicture(kWordWidth, kWordHeight, [](cairo_t* cr) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    LetterPaths(cr);
    cairo_set_line_width(cr, 9.5);
    SetSourceRgb(cr, 0x10245A);
    cairo_stroke_preserve(cr);
    cairo_pattern_t* blue = cairo_pattern_create_linear(0, 4, 0, kBaseline);
    cairo_pattern_add_color_stop_rgb(blue, 0, 0.36, 0.70, 0.98);
    cairo_pattern_add_color_stop_rgb(blue, 1, 0.13, 0.35, 0.80);
    cairo_set_source(cr, blue);
    cairo_set_line_width(cr, 5.5);
    cairo_stroke(cr);
    cairo_pattern_destroy(blue);
  });
}

}  // namespace

SpriteData LogoSprite() {
  const std::vector<ArgbPicture> pictures = {Word(), BubblePicture(29, 0xE8452C),
                                             BubblePicture(15, 0x34B24A)};
  const QuantisedSprite q = Quantise(pictures, 256);
  SpriteData s = QuantisedSpriteData(q);
  for (size_t i = 0; i < pictures.size(); i++) s.modules.push_back(QuantisedModule(q, pictures, i));
  // The "o" sits on the baseline between the m and the r; the dot floats over the i.
  const SpriteFModule parts[] = {{0, 0, 0, 0}, {1, 96, 16, 0}, {2, 43, 0, 0}};
  AddFrame(s, parts);
  return s;
}

}  // namespace databuild
