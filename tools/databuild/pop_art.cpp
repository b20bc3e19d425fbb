// The pop sprite: three short one-shot animations drawn frame by frame with Cairo. A burst is a
// bright ring that widens and breaks into droplets; a puff is a cloud of grey lobes drifting
// apart; the lost pop is a grey bubble that cracks and falls apart in four pieces.
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "tools/databuild/cairo_picture.h"
#include "tools/databuild/effect_sprites.h"
#include "tools/databuild/sprite_quantiser.h"

namespace databuild {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kSize = 48;  // every picture, square, centred on the origin
constexpr double kCentre = kSize / 2.0;

constexpr int kBurstFrames = 6;
constexpr int kPuffFrames = 5;
constexpr int kLostFrames = 5;
constexpr int kBurstTicks = 1;  // 40 ms a frame
constexpr int kPuffTicks = 2;
constexpr int kLostTicks = 2;

// Frame k of n as 0..1.
double Progress(int k, int n) {
  return n > 1 ? static_cast<double>(k) / (n - 1) : 1.0;
}

// A ring that thins as it widens, then eight droplets flying out from it; the first frame is
// the flash of the breaking skin.
ArgbPicture Burst(int k) {
  const double t = Progress(k, kBurstFrames);
  return DrawPicture(kSize, kSize, [k, t](cairo_t* cr) {
    if (k == 0) {
      cairo_arc(cr, kCentre, kCentre, 13, 0, 2 * kPi);
      SetSourceRgb(cr, 0xF4FCFF);
      cairo_fill(cr);
    }
    const double ring = 10 + 6 * t;
    const double width = 4.0 * (1 - t) + 1.2;
    if (t < 0.7) {
      // A dark edge under the light ring, so it shows on light ground too.
      for (const auto& [w, rgb] : {std::pair{width + 1.6, 0x2E7FB0u}, {width, 0xBFEFFFu}}) {
        cairo_arc(cr, kCentre, kCentre, ring, 0, 2 * kPi);
        cairo_set_line_width(cr, w);
        SetSourceRgb(cr, rgb);
        cairo_stroke(cr);
      }
    }
    for (int d = 0; d < 8; d++) {
      const double angle = d * kPi / 4 + kPi / 8;
      const double reach = ring + 2 + 4 * t;
      const double r = 3.0 * (1 - t) + 1.8;
      cairo_arc(cr, kCentre + reach * std::cos(angle), kCentre + reach * std::sin(angle), r, 0,
                2 * kPi);
      SetSourceRgb(cr, d % 2 == 0 ? 0xFFFFFF : 0x8FDCFF);
      cairo_fill_preserve(cr);
      cairo_set_line_width(cr, 0.8);
      SetSourceRgb(cr, 0x2E7FB0);
      cairo_stroke(cr);
    }
  });
}

// Five grey lobes that swell and drift apart, with a darker rim so the puff shows on light
// ground.
ArgbPicture Puff(int k) {
  const double t = Progress(k, kPuffFrames);
  return DrawPicture(kSize, kSize, [t](cairo_t* cr) {
    for (int pass = 0; pass < 2; pass++) {
      for (int lobe = 0; lobe < 5; lobe++) {
        const double angle = lobe * 2 * kPi / 5 - kPi / 2;
        const double reach = 4 + 10 * t;
        const double r = 7 + 5 * t - (t > 0.6 ? (t - 0.6) * 12 : 0);
        cairo_arc(cr, kCentre + reach * std::cos(angle), kCentre + reach * std::sin(angle), r, 0,
                  2 * kPi);
        if (pass == 0) {
          cairo_set_line_width(cr, 3.0);
          SetSourceRgb(cr, 0x6E6E6E);
          cairo_stroke(cr);
        } else {
          SetSourceRgb(cr, lobe % 2 == 0 ? 0xDADADA : 0xC4C4C4);
          cairo_fill(cr);
        }
      }
    }
  });
}

// A quarter of the grey bubble as a wedge, for the pieces it falls apart in.
void Wedge(cairo_t* cr, double cx, double cy, double r, double from) {
  cairo_move_to(cr, cx, cy);
  cairo_arc(cr, cx, cy, r, from, from + kPi / 2);
  cairo_close_path(cr);
}

// The grey bubble, then cracked, then in four pieces that part and sink.
ArgbPicture LostPop(int k) {
  return DrawPicture(kSize, kSize, [k](cairo_t* cr) {
    constexpr double r = 15;
    if (k <= 1) {
      DrawBubble(cr, kCentre, kCentre, r, 0x8C8C8C);
      if (k == 1) {
        cairo_move_to(cr, kCentre - 9, kCentre - 10);
        cairo_line_to(cr, kCentre - 2, kCentre - 2);
        cairo_line_to(cr, kCentre - 6, kCentre + 5);
        cairo_move_to(cr, kCentre - 2, kCentre - 2);
        cairo_line_to(cr, kCentre + 9, kCentre + 1);
        cairo_set_line_width(cr, 1.8);
        SetSourceRgb(cr, 0x2A2A2A);
        cairo_stroke(cr);
      }
      return;
    }
    const double t = Progress(k - 1, kLostFrames - 1);
    for (int piece = 0; piece < 4; piece++) {
      const double from = piece * kPi / 2;
      const double mid = from + kPi / 4;
      const double cx = kCentre + 7 * t * std::cos(mid);
      const double cy = kCentre + 7 * t * std::sin(mid) + 6 * t * t;
      Wedge(cr, cx, cy, r * (1 - 0.3 * t), from);
      SetSourceRgb(cr, piece % 2 == 0 ? 0x9A9A9A : 0x7C7C7C);
      cairo_fill_preserve(cr);
      cairo_set_line_width(cr, 1.5);
      SetSourceRgb(cr, 0x3A3A3A);
      cairo_stroke(cr);
    }
  });
}

}  // namespace

SpriteData PopSprite() {
  struct Animation {
    ArgbPicture (*draw)(int);
    int frames;
    int ticks;
  };
  const Animation kAnimations[] = {
      {Burst, kBurstFrames, kBurstTicks},
      {Puff, kPuffFrames, kPuffTicks},
      {LostPop, kLostFrames, kLostTicks},
  };
  std::vector<ArgbPicture> pictures;
  for (const Animation& a : kAnimations) {
    for (int k = 0; k < a.frames; k++) pictures.push_back(a.draw(k));
  }
  const QuantisedSprite q = Quantise(pictures, 96);
  SpriteData s = QuantisedSpriteData(q);
  size_t picture = 0;
  for (const Animation& a : kAnimations) {
    std::vector<SpriteAFrame> once;
    for (int k = 0; k < a.frames; k++, picture++) {
      s.modules.push_back(QuantisedModule(q, pictures, picture));
      const SpriteFModule part[] = {{static_cast<int>(picture), -kSize / 2, -kSize / 2, 0}};
      once.push_back({AddFrame(s, part), a.ticks, 0, 0, 0});
    }
    AddAnimation(s, once);
  }
  return s;
}

}  // namespace databuild
