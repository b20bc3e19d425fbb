// The chain sprite (pack 96 entry 0, slot 26): steel links drawn with Cairo. Frame 0 the
// ceiling plate a hanging chain starts from (rectangle 0: where the chain leaves it, from
// the play area's top); 1 the plate turned the other way; 2 a horizontal link, tiled along a
// pair's bar; 3 a vertical link, tiled down a hanging chain; 4 the hook at its end.
// Animations 0 and 1 show the two plates, 2 and 3 the links, 4 the hook.
#include <cmath>
#include <numbers>
#include <vector>

#include "tools/databuild/bubble_sprites.h"
#include "tools/databuild/cairo_picture.h"
#include "tools/databuild/sprite_quantiser.h"

namespace databuild {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kLink = 14;  // a link's length, the tiling step
constexpr int kPlateW = 40, kPlateH = 14;
constexpr uint32_t kSteel = 0xA8B0BC, kShade = 0x4A505C;

void Oval(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  cairo_set_line_width(cr, 3.2);
  SetSourceRgb(cr, kShade);
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 1.6);
  SetSourceRgb(cr, kSteel);
  cairo_stroke(cr);
}

ArgbPicture Plate(bool flipped) {
  return DrawPicture(kPlateW, kPlateH, [flipped](cairo_t* cr) {
    cairo_rectangle(cr, 1, 1, kPlateW - 2, kPlateH - 4);
    SetSourceRgb(cr, kShade);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.5);
    SetSourceRgb(cr, kSteel);
    cairo_stroke(cr);
    for (const double x : {6.0, kPlateW - 6.0}) {
      cairo_arc(cr, flipped ? kPlateW - x : x, kPlateH / 2.0 - 1, 2, 0, 2 * kPi);
      SetSourceRgb(cr, 0xE0E4EC);
      cairo_fill(cr);
    }
  });
}

}  // namespace

SpriteData ChainSprite() {
  std::vector<ArgbPicture> pictures = {
      Plate(false), Plate(true),
      DrawPicture(kLink, 10, [](cairo_t* cr) { Oval(cr, kLink / 2.0, 5, kLink / 2.0 - 1, 3); }),
      DrawPicture(10, kLink, [](cairo_t* cr) { Oval(cr, 5, kLink / 2.0, 3, kLink / 2.0 - 1); }),
      DrawPicture(18, 18, [](cairo_t* cr) {
        cairo_arc(cr, 9, 8, 6, -kPi / 6, kPi * 1.1);
        cairo_set_line_width(cr, 3.5);
        SetSourceRgb(cr, kShade);
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 1.8);
        SetSourceRgb(cr, kSteel);
        cairo_stroke(cr);
      })};
  const QuantisedSprite q = Quantise(pictures, 32);
  SpriteData s = QuantisedSpriteData(q);
  s.flags |= sprite_flags::kFrameRects;
  for (size_t i = 0; i < pictures.size(); i++) s.modules.push_back(QuantisedModule(q, pictures, i));
  // Plates hang from the origin, centred across; links and hook centred across, from the top.
  const SpriteRect leave[] = {{-2, kPlateH - 4, 4, 4}};
  const SpriteFModule plate[] = {{0, -kPlateW / 2, 0, 0}};
  AddFrame(s, plate, leave);
  const SpriteFModule plate2[] = {{1, -kPlateW / 2, 0, 0}};
  AddFrame(s, plate2, leave);
  const SpriteFModule bar[] = {{2, 0, -5, 0}};
  AddFrame(s, bar);
  const SpriteFModule link[] = {{3, -5, 0, 0}};
  AddFrame(s, link);
  const SpriteFModule hook[] = {{4, -9, 0, 0}};
  AddFrame(s, hook);
  for (int a = 0; a < 5; a++) {
    const SpriteAFrame still[] = {{a, 1, 0, 0, 0}};
    AddAnimation(s, still);
  }
  return s;
}

}  // namespace databuild
