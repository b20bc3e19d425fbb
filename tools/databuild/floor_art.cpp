// The rising floor of level type 3 (pack "hud" entry 2, slot 55), drawn with Cairo: the ground
// that stands below the floor's y, its front edge, the dust it throws up as it climbs and the
// sparks drifting over it (tools/databuild/hud_sprites.h says what each animation holds).
#include <cmath>
#include <numbers>
#include <vector>

#include "tools/databuild/cairo_picture.h"
#include "tools/databuild/hud_sprites.h"
#include "tools/databuild/sprite_quantiser.h"

namespace databuild {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kBandH = 40, kFillH = 80, kFills = 8;  // the ground reaches 680 px below its top
constexpr int kEdgeH = 14;
constexpr int kPuffSizes[] = {8, 12, 16, 20};
constexpr int kSparkSize = 10;
constexpr uint32_t kTurf = 0x6FB04A, kDeepSoil = 0x4A2E1C, kDust = 0xD8C8A8;

ArgbPicture Band() {
  return DrawPicture(kHudWidth, kBandH, [](cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, kHudWidth, kBandH);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, kBandH);
    cairo_pattern_add_color_stop_rgb(g, 0, 0x6F / 255.0, 0xB0 / 255.0, 0x4A / 255.0);
    cairo_pattern_add_color_stop_rgb(g, 0.3, 0x8A / 255.0, 0x5A / 255.0, 0x32 / 255.0);
    cairo_pattern_add_color_stop_rgb(g, 1, 0x6A / 255.0, 0x40 / 255.0, 0x26 / 255.0);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // Pebbles in the soil, spaced evenly so the band reads as ground at a glance.
    for (int x = 18; x < kHudWidth; x += 46) {
      cairo_arc(cr, x, 24 + (x / 46 % 3) * 4, 3.5, 0, 2 * kPi);
    }
    SetSourceRgb(cr, kDust, 0.7);
    cairo_fill(cr);
  });
}

ArgbPicture Fill() {
  return VerticalGradient(kHudWidth, kFillH, 0x6A4026, kDeepSoil);
}

// The front edge: a row of turf tufts along the floor's top.
ArgbPicture Edge() {
  return DrawPicture(kHudWidth, kEdgeH, [](cairo_t* cr) {
    cairo_move_to(cr, 0, kEdgeH);
    for (int x = 0; x <= kHudWidth; x += 12) {
      cairo_line_to(cr, x + 6, 2 + (x / 12 % 2) * 3);
      cairo_line_to(cr, x + 12, kEdgeH - 4);
    }
    cairo_line_to(cr, kHudWidth, kEdgeH);
    cairo_close_path(cr);
    SetSourceRgb(cr, kTurf);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.5);
    SetSourceRgb(cr, 0x3F7A2A);
    cairo_stroke(cr);
  });
}

ArgbPicture Puff(int size) {
  return DrawPicture(size, size, [size](cairo_t* cr) {
    const double r = size / 2.0;
    cairo_pattern_t* g = cairo_pattern_create_radial(r, r, 0, r, r, r);
    cairo_pattern_add_color_stop_rgba(g, 0, 0xD8 / 255.0, 0xC8 / 255.0, 0xA8 / 255.0, 0.9);
    cairo_pattern_add_color_stop_rgba(g, 1, 0xD8 / 255.0, 0xC8 / 255.0, 0xA8 / 255.0, 0);
    cairo_set_source(cr, g);
    cairo_arc(cr, r, r, r, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  });
}

// A four-pointed spark, lit or dimmed.
ArgbPicture Spark(bool lit) {
  return DrawPicture(kSparkSize, kSparkSize, [lit](cairo_t* cr) {
    const double c = kSparkSize / 2.0;
    cairo_move_to(cr, c, 0);
    cairo_line_to(cr, c + 1.5, c - 1.5);
    cairo_line_to(cr, kSparkSize, c);
    cairo_line_to(cr, c + 1.5, c + 1.5);
    cairo_line_to(cr, c, kSparkSize);
    cairo_line_to(cr, c - 1.5, c + 1.5);
    cairo_line_to(cr, 0, c);
    cairo_line_to(cr, c - 1.5, c - 1.5);
    cairo_close_path(cr);
    SetSourceRgb(cr, lit ? 0xFFF4B0 : 0xC8B070, lit ? 1.0 : 0.7);
    cairo_fill(cr);
  });
}

}  // namespace

SpriteData FloorSprite() {
  std::vector<ArgbPicture> pictures = {Band(), Fill(), Edge()};
  for (const int size : kPuffSizes) pictures.push_back(Puff(size));
  pictures.push_back(Spark(true));
  pictures.push_back(Spark(false));
  const QuantisedSprite q = Quantise(pictures, 64);
  SpriteData s = QuantisedSpriteData(q);
  s.flags |= sprite_flags::kWideModuleSizes | sprite_flags::kWideFrameValues;
  for (size_t i = 0; i < pictures.size(); i++) s.modules.push_back(QuantisedModule(q, pictures, i));
  // Frame 0 the ground from the floor's y down, frame 1 its edge, 2..5 the puffs and 6, 7 the
  // spark, each about its centre.
  std::vector<SpriteFModule> ground = {{0, -kHudWidth / 2, 0, 0}};
  for (int k = 0; k < kFills; k++) ground.push_back({1, -kHudWidth / 2, kBandH + k * kFillH, 0});
  AddFrame(s, ground);
  const SpriteFModule edge[] = {{2, -kHudWidth / 2, -kEdgeH / 2, 0}};
  AddFrame(s, edge);
  for (int i = 3; i < static_cast<int>(pictures.size()); i++) {
    const int half = pictures[i].width / 2;
    const SpriteFModule part[] = {{i, -half, -half, 0}};
    AddFrame(s, part);
  }
  const SpriteAFrame ground_still[] = {{0, 1, 0, 0, 0}};
  const SpriteAFrame edge_still[] = {{1, 1, 0, 0, 0}};
  for (int a = 0; a < 4; a++) AddAnimation(s, a == 3 ? edge_still : ground_still);
  // Dust 4..36: a puff that grows as it flies off the floor, each on its own heading across the
  // upper half turn, from right to left.
  for (int a = kFloorFirstDust; a <= kFloorLastDust; a++) {
    const double heading = kPi * (a - kFloorFirstDust) / (kFloorLastDust - kFloorFirstDust);
    std::vector<SpriteAFrame> flight;
    for (int step = 0; step < 4; step++) {
      const double d = 5.0 * (step + 1);
      flight.push_back({2 + step, 2, static_cast<int>(std::lround(d * std::cos(heading))),
                        -static_cast<int>(std::lround(d * std::sin(heading))), 0});
    }
    AddAnimation(s, flight);
  }
  // Sparks 37 and 38: twinkling as they rise, drifting right or left.
  for (const int drift : {1, -1}) {
    std::vector<SpriteAFrame> rise;
    for (int step = 0; step < 10; step++) {
      rise.push_back({6 + step % 2, 3, drift * step * 2, -step * 6, 0});
    }
    AddAnimation(s, rise);
  }
  return s;
}

}  // namespace databuild
