// The menus' background and value arrows (menu_sprites.h says what each frame and animation
// is). Arrows are centred on the sprite's origin, where the menus place them.
#include <vector>

#include "tools/databuild/cairo_picture.h"
#include "tools/databuild/menu_sprites.h"
#include "tools/databuild/sprite_quantiser.h"

namespace databuild {

namespace {

constexpr int kScreenWidth = 480, kScreenHeight = 800;
constexpr int kStripWidth = 8;
constexpr int kArrowSize = 56;

void UseLoadingLayout(SpriteData& s, const QuantisedSprite& q) {
  s.flags = sprite_flags::kImagesAllowed | sprite_flags::kPaletteSection |
            sprite_flags::kWideModuleSizes | sprite_flags::kWidePixelSizes |
            sprite_flags::kWideFrameValues | sprite_flags::kFrameRects;
  s.palettes = {q.palette};
  s.pixelEncoding = 0x64F0;
}

// A rounded button with a triangle pointing left (or right); lit, it glows yellow.
ArgbPicture Arrow(bool right, bool lit) {
  return DrawPicture(kArrowSize, kArrowSize, [right, lit](cairo_t* cr) {
    const double c = kArrowSize / 2.0, r = c - 3;
    cairo_arc(cr, c, c, r, 0, 6.28319);
    SetSourceRgb(cr, lit ? 0xFFD84A : 0x2F6FD0);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 3);
    SetSourceRgb(cr, lit ? 0xA86A00 : 0x0F2F66);
    cairo_stroke(cr);
    const double tip = right ? c + r * 0.55 : c - r * 0.55;
    const double back = right ? c - r * 0.35 : c + r * 0.35;
    cairo_move_to(cr, tip, c);
    cairo_line_to(cr, back, c - r * 0.5);
    cairo_line_to(cr, back, c + r * 0.5);
    cairo_close_path(cr);
    SetSourceRgb(cr, 0xFFFFFF);
    cairo_fill(cr);
  });
}

}  // namespace

SpriteData MenuBackgroundSprite() {
  const std::vector<ArgbPicture> pictures = {
      VerticalGradient(kStripWidth, kScreenHeight, 0x3A2A6E, 0x0E1B3C),
      BubblePicture(56, 0x5B8FE8),
      BubblePicture(36, 0xB06BD8),
      BubblePicture(24, 0x4CC2B0),
  };
  const QuantisedSprite q = Quantise(pictures, 64, {true});
  SpriteData s;
  UseLoadingLayout(s, q);
  for (size_t i = 0; i < pictures.size(); i++) s.modules.push_back(QuantisedModule(q, pictures, i));
  std::vector<SpriteFModule> sky;
  for (int x = 0; x < kScreenWidth; x += kStripWidth) sky.push_back({0, x, 0, 0});
  const SpriteFModule kBubbles[] = {{1, 30, 660},  {2, 410, 90}, {3, 70, 140}, {1, 380, 560},
                                    {3, 250, 730}, {2, 20, 420}, {3, 440, 330}};
  sky.insert(sky.end(), std::begin(kBubbles), std::end(kBubbles));
  const SpriteAFrame still[] = {{AddFrame(s, sky), 1, 0, 0, 0}};
  AddAnimation(s, still);
  return s;
}

SpriteData ValueArrowSprite() {
  const std::vector<ArgbPicture> pictures = {Arrow(false, false), Arrow(false, true),
                                             Arrow(true, false), Arrow(true, true)};
  const QuantisedSprite q = Quantise(pictures, 64, {true});
  SpriteData s;
  UseLoadingLayout(s, q);
  std::vector<int> frames;
  for (size_t i = 0; i < pictures.size(); i++) {
    s.modules.push_back(QuantisedModule(q, pictures, i));
    const SpriteFModule part[] = {{static_cast<int>(i), -kArrowSize / 2, -kArrowSize / 2, 0}};
    frames.push_back(AddFrame(s, part));
  }
  for (const int frame : {0, 1, 0, 2, 2, 3}) {
    const SpriteAFrame still[] = {{frames[frame], 1, 0, 0, 0}};
    AddAnimation(s, still);
  }
  return s;
}

}  // namespace databuild
