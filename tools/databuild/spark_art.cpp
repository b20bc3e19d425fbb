// The wall spark of a shot's bounce: two short one-shot animations drawn with Cairo and
// quantised into palette 0, each picture centred on the origin. Animation 0 is the flash on
// the wall, a white-hot star that opens and fades to orange; animation 1 a spray of three
// sparks flying apart, with dark rims so both show on light walls and dark sky alike.
#include <cmath>
#include <numbers>
#include <vector>

#include "tools/databuild/cairo_picture.h"
#include "tools/databuild/effect_sprites.h"
#include "tools/databuild/sprite_quantiser.h"

namespace databuild {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kSize = 32;  // every picture, square, centred on the origin
constexpr double kCentre = kSize / 2.0;
constexpr int kFlashFrames = 4;
constexpr int kSprayFrames = 4;
constexpr int kTicks = 1;  // 40 ms a frame: each animation lasts 160 ms

double Progress(int k, int n) {
  return n > 1 ? static_cast<double>(k) / (n - 1) : 1.0;
}

// A star of six rays about a round core; reach grows and the colour cools as t goes 0..1.
ArgbPicture Flash(int k) {
  const double t = Progress(k, kFlashFrames);
  return DrawPicture(kSize, kSize, [t](cairo_t* cr) {
    const double reach = 6 + 8 * t;
    const double core = 5 * (1 - t) + 1.5;
    cairo_move_to(cr, kCentre + reach, kCentre);
    for (int i = 1; i <= 12; i++) {
      const double angle = i * kPi / 6;
      const double r = i % 2 == 0 ? reach : core;
      cairo_line_to(cr, kCentre + r * std::cos(angle), kCentre + r * std::sin(angle));
    }
    cairo_close_path(cr);
    SetSourceRgb(cr, t < 0.5 ? 0xFFF6C8 : 0xFFB040);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.2);
    SetSourceRgb(cr, 0x8A3A00);
    cairo_stroke(cr);
  });
}

// Three sparks leaving the point of contact along a fan, shrinking as they fly.
ArgbPicture Spray(int k) {
  const double t = Progress(k, kSprayFrames);
  return DrawPicture(kSize, kSize, [t](cairo_t* cr) {
    for (int i = -1; i <= 1; i++) {
      const double angle = i * kPi / 5;
      const double reach = 3 + 10 * t;
      const double r = 3.2 * (1 - t) + 1.3;
      cairo_arc(cr, kCentre + reach * std::cos(angle), kCentre + reach * std::sin(angle), r, 0,
                2 * kPi);
      SetSourceRgb(cr, i == 0 ? 0xFFFFFF : 0xFFD060);
      cairo_fill_preserve(cr);
      cairo_set_line_width(cr, 0.9);
      SetSourceRgb(cr, 0x8A3A00);
      cairo_stroke(cr);
    }
  });
}

}  // namespace

SpriteData WallSparkSprite() {
  struct Animation {
    ArgbPicture (*draw)(int);
    int frames;
  };
  const Animation kAnimations[] = {{Flash, kFlashFrames}, {Spray, kSprayFrames}};
  std::vector<ArgbPicture> pictures;
  for (const Animation& a : kAnimations) {
    for (int k = 0; k < a.frames; k++) pictures.push_back(a.draw(k));
  }
  const QuantisedSprite q = Quantise(pictures, 48);
  SpriteData s = QuantisedSpriteData(q);
  size_t picture = 0;
  for (const Animation& a : kAnimations) {
    std::vector<SpriteAFrame> once;
    for (int k = 0; k < a.frames; k++, picture++) {
      s.modules.push_back(QuantisedModule(q, pictures, picture));
      const SpriteFModule part[] = {{static_cast<int>(picture), -kSize / 2, -kSize / 2, 0}};
      once.push_back({AddFrame(s, part), kTicks, 0, 0, 0});
    }
    AddAnimation(s, once);
  }
  return s;
}

}  // namespace databuild
