// The loading screen: a sky from pale to deep blue with bubbles of every colour rising
// through it, and a progress trough whose rectangle 0 is the part the progress fills.
#include <vector>

#include "tools/databuild/boot_sprites.h"
#include "tools/databuild/cairo_picture.h"
#include "tools/databuild/sprite_quantiser.h"

namespace databuild {

namespace {

constexpr int kScreenWidth = 480, kScreenHeight = 800;
constexpr int kStripWidth = 8;
constexpr int kTroughX = 40, kTroughWidth = 400, kTroughHeight = 48;
constexpr SpriteRect kFill = {52, 12, 376, 24};  // in the bar frame, painted at (0, 230)

ArgbPicture Trough() {
  return DrawPicture(kTroughWidth, kTroughHeight, [](cairo_t* cr) {
    const double r = 20, w = kTroughWidth - 4, h = kTroughHeight - 4;
    cairo_new_sub_path(cr);
    cairo_arc(cr, 2 + w - r, 2 + r, r, -1.5708, 0);
    cairo_arc(cr, 2 + w - r, 2 + h - r, r, 0, 1.5708);
    cairo_arc(cr, 2 + r, 2 + h - r, r, 1.5708, 3.14159);
    cairo_arc(cr, 2 + r, 2 + r, r, 3.14159, 4.71239);
    cairo_close_path(cr);
    cairo_set_source_rgb(cr, 0.93, 0.96, 1.0);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 4);
    cairo_set_source_rgb(cr, 0.11, 0.23, 0.43);
    cairo_stroke(cr);
    // The empty groove the progress fills.
    cairo_rectangle(cr, kFill.x - kTroughX, kFill.y, kFill.w, kFill.h);
    cairo_set_source_rgb(cr, 0.72, 0.80, 0.90);
    cairo_fill(cr);
  });
}

struct Decoration {
  int module, x, y;
};

}  // namespace

SpriteData LoadingSprite() {
  const std::vector<ArgbPicture> pictures = {
      VerticalGradient(kStripWidth, kScreenHeight, 0xD6F0FF, 0x3373D1),  // the sky
      Trough(),
      BubblePicture(64, 0xE8452C),  // red
      BubblePicture(64, 0x2F7FE0),  // blue
      BubblePicture(40, 0xF2C230),  // yellow
      BubblePicture(40, 0x34B24A),  // green
      BubblePicture(24, 0x9B59D0),  // purple
      BubblePicture(24, 0xF07E26),  // orange
  };
  const QuantisedSprite q = Quantise(pictures, 64, {true});
  SpriteData s;
  s.flags = sprite_flags::kImagesAllowed | sprite_flags::kPaletteSection |
            sprite_flags::kWideModuleSizes | sprite_flags::kWidePixelSizes |
            sprite_flags::kWideFrameValues | sprite_flags::kFrameRects;
  s.palettes = {q.palette};
  s.pixelEncoding = 0x64F0;
  for (size_t i = 0; i < pictures.size(); i++) s.modules.push_back(QuantisedModule(q, pictures, i));
  // Frame 0: the sky across the screen, the bubbles clear of the bar at y 230..278.
  std::vector<SpriteFModule> background;
  for (int x = 0; x < kScreenWidth; x += kStripWidth) background.push_back({0, x, 0, 0});
  const Decoration kBubbles[] = {{2, 36, 520},  {3, 372, 600}, {4, 300, 340}, {5, 96, 360},
                                 {6, 210, 450}, {7, 420, 470}, {3, 60, 96},   {4, 380, 150},
                                 {6, 180, 60},  {7, 250, 170}, {5, 190, 690}, {2, 290, 730},
                                 {6, 40, 700},  {4, 400, 380}};
  for (const Decoration& d : kBubbles) background.push_back({d.module, d.x, d.y, 0});
  AddFrame(s, background);
  // Frame 1: the trough, with the part the progress fills as its rectangle 0.
  const SpriteFModule trough[] = {{1, kTroughX, 0, 0}};
  const SpriteRect fill[] = {kFill};
  AddFrame(s, trough, fill);
  return s;
}

}  // namespace databuild
