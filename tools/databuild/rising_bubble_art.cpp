// The rising bubble: a light blue bubble marked with a white upward arrow, drawn with Cairo at
// the sizes of its appearance and in the squashes of its wobble as it rises.
#include <cmath>
#include <vector>

#include "tools/databuild/cairo_picture.h"
#include "tools/databuild/effect_sprites.h"
#include "tools/databuild/sprite_quantiser.h"

namespace databuild {

namespace {

constexpr int kSize = 44;  // every picture, square, centred on the origin
constexpr double kCentre = kSize / 2.0;
constexpr double kRadius = 18;  // a board bubble's
constexpr uint32_t kColour = 0x5EC0F2;
constexpr int kAppearTicks = 2;
constexpr int kWobbleTicks = 3;

struct Look {
  double sx, sy;  // scale of the bubble across and up
};

constexpr Look kAppear[] = {{0.4, 0.4}, {0.7, 0.7}, {1.0, 1.0}};
constexpr Look kWobble[] = {{1.0, 1.0}, {1.06, 0.94}, {1.0, 1.0}, {0.94, 1.06}};

// The arrow inside: a shaft and a head pointing up, with a dark edge.
void Arrow(cairo_t* cr) {
  cairo_move_to(cr, 0, -0.62);
  cairo_line_to(cr, 0.42, -0.08);
  cairo_line_to(cr, 0.16, -0.08);
  cairo_line_to(cr, 0.16, 0.55);
  cairo_line_to(cr, -0.16, 0.55);
  cairo_line_to(cr, -0.16, -0.08);
  cairo_line_to(cr, -0.42, -0.08);
  cairo_close_path(cr);
}

ArgbPicture Bubble(const Look& look) {
  return DrawPicture(kSize, kSize, [look](cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, kCentre, kCentre);
    cairo_scale(cr, look.sx, look.sy);
    DrawBubble(cr, 0, 0, kRadius, kColour);
    cairo_scale(cr, kRadius, kRadius);
    Arrow(cr);
    cairo_restore(cr);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.4);
    SetSourceRgb(cr, 0x1C5C86);
    cairo_stroke(cr);
  });
}

}  // namespace

SpriteData RisingBubbleSprite() {
  std::vector<ArgbPicture> pictures;
  for (const Look& look : kAppear) pictures.push_back(Bubble(look));
  for (const Look& look : kWobble) pictures.push_back(Bubble(look));
  const QuantisedSprite q = Quantise(pictures, 96);
  SpriteData s = QuantisedSpriteData(q);
  std::vector<int> frames;
  for (size_t i = 0; i < pictures.size(); i++) {
    s.modules.push_back(QuantisedModule(q, pictures, i));
    const SpriteFModule part[] = {{static_cast<int>(i), -kSize / 2, -kSize / 2, 0}};
    frames.push_back(AddFrame(s, part));
  }
  const int risen = frames[std::size(kAppear) - 1];
  const SpriteAFrame still[] = {{risen, 1, 0, 0, 0}};
  for (int a = 0; a < kRisingLoopAnimation; a++) AddAnimation(s, still);
  std::vector<SpriteAFrame> wobble, appear;
  for (size_t i = 0; i < std::size(kWobble); i++) {
    wobble.push_back({frames[std::size(kAppear) + i], kWobbleTicks, 0, 0, 0});
  }
  for (size_t i = 0; i < std::size(kAppear); i++) {
    appear.push_back({frames[i], kAppearTicks, 0, 0, 0});
  }
  AddAnimation(s, wobble);
  AddAnimation(s, appear);
  for (int a = kRisingAppearAnimation + 1; a <= kSceneBubbleAnimation; a++) AddAnimation(s, still);
  return s;
}

}  // namespace databuild
