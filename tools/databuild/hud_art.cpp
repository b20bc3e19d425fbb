// The in-game HUD's sprites, drawn with Cairo (tools/databuild/hud_sprites.h says what each
// frame and animation holds). The layout of the HUD's texts is the rectangles of frame 1.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "tools/databuild/cairo_picture.h"
#include "tools/databuild/hud_sprites.h"
#include "tools/databuild/sprite_quantiser.h"

namespace databuild {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr uint32_t kInk = 0x0B1630, kRim = 0x7FB8FF, kWell = 0x0E1C3C, kGold = 0xF0C040;

void Gradient(cairo_t* cr, double y0, double y1, uint32_t top, uint32_t bottom) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgb(g, 0, (top >> 16 & 0xFF) / 255.0, (top >> 8 & 0xFF) / 255.0,
                                   (top & 0xFF) / 255.0);
  cairo_pattern_add_color_stop_rgb(g, 1, (bottom >> 16 & 0xFF) / 255.0,
                                   (bottom >> 8 & 0xFF) / 255.0, (bottom & 0xFF) / 255.0);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

// A dark well with a light rim where a HUD text sits, (x, y) its top-left corner in cr.
void Well(cairo_t* cr, const SpriteRect& r, uint32_t rim) {
  RoundedRect(cr, r.x + 1.5, r.y + 1.5, r.w - 3, r.h - 3, 8);
  SetSourceRgb(cr, kWell);
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, 2);
  SetSourceRgb(cr, rim);
  cairo_stroke(cr);
}

// The top panel: a navy gradient, a light rim along its bottom, the wells of the label, the
// clock and the score.
ArgbPicture Panel() {
  return DrawPicture(kHudWidth, kHudPanelHeight, [](cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, kHudWidth, kHudPanelHeight);
    Gradient(cr, 0, kHudPanelHeight, 0x35507F, 0x16284A);
    cairo_rectangle(cr, 0, kHudPanelHeight - 4, kHudWidth, 4);
    SetSourceRgb(cr, kRim);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, kHudPanelHeight - 1, kHudWidth, 1);
    SetSourceRgb(cr, kInk);
    cairo_fill(cr);
    for (const SpriteRect& r : {kHudLabelRect, kHudClockRect, kHudScoreRect}) Well(cr, r, kRim);
  });
}

// A side rail of the play area below the panel.
ArgbPicture Rail(bool left) {
  return DrawPicture(kHudWallWidth, kHudRailHeight, [left](cairo_t* cr) {
    cairo_rectangle(cr, 0, 0, kHudWallWidth, kHudRailHeight);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, kHudWallWidth, 0);
    const double a = left ? 0.0 : 1.0;
    cairo_pattern_add_color_stop_rgb(g, a, 0x16 / 255.0, 0x28 / 255.0, 0x4A / 255.0);
    cairo_pattern_add_color_stop_rgb(g, 1 - a, 0x4A / 255.0, 0x70 / 255.0, 0xA8 / 255.0);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_rectangle(cr, left ? kHudWallWidth - 2 : 0, 0, 2, kHudRailHeight);
    SetSourceRgb(cr, kRim);
    cairo_fill(cr);
  });
}

// The goal's well with a gold rim, the size of rectangle 4.
ArgbPicture GoalBox() {
  return DrawPicture(kHudGoalRect.w, kHudGoalRect.h, [](cairo_t* cr) {
    Well(cr, {0, 0, kHudGoalRect.w, kHudGoalRect.h}, kGold);
  });
}

// The progress bar inside the goal's well: green rising to gold, left to right.
ArgbPicture ProgressBar() {
  return DrawPicture(kHudGoalRect.w, kHudGoalRect.h, [](cairo_t* cr) {
    RoundedRect(cr, 5, 5, kHudGoalRect.w - 10, kHudGoalRect.h - 10, 5);
    cairo_pattern_t* g = cairo_pattern_create_linear(5, 0, kHudGoalRect.w - 5, 0);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.25, 0.78, 0.30);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.98, 0.80, 0.20);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    cairo_set_line_width(cr, 1.5);
    SetSourceRgb(cr, 0xFFFFFF, 0.7);
    cairo_stroke(cr);
  });
}

constexpr int kIcon = 24;

// The walker goal: a little creature's footprint pair.
ArgbPicture WalkerIcon() {
  return DrawPicture(kIcon, kIcon, [](cairo_t* cr) {
    for (const double x : {7.0, 16.0}) {
      const double y = x < 10 ? 14 : 9;
      cairo_save(cr);
      cairo_translate(cr, x, y);
      cairo_scale(cr, 3.2, 4.6);
      cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
      cairo_restore(cr);
      SetSourceRgb(cr, 0xF4E0B0);
      cairo_fill(cr);
      for (int t = -1; t <= 1; t++) {
        cairo_arc(cr, x + 2.6 * t, y - 6.5, 1.3, 0, 2 * kPi);
        cairo_fill(cr);
      }
    }
  });
}

// The target goal: a bullseye.
ArgbPicture TargetIcon() {
  return DrawPicture(kIcon, kIcon, [](cairo_t* cr) {
    const uint32_t rings[] = {0xE04040, 0xFFFFFF, 0xE04040, 0xFFFFFF};
    for (int i = 0; i < 4; i++) {
      cairo_arc(cr, kIcon / 2.0, kIcon / 2.0, 11 - 2.6 * i, 0, 2 * kPi);
      SetSourceRgb(cr, rings[i]);
      cairo_fill(cr);
    }
  });
}

// The boss goal: a horned mask, narrow, at the well's left end.
ArgbPicture BossIcon() {
  return DrawPicture(14, kIcon, [](cairo_t* cr) {
    cairo_move_to(cr, 1, 3);
    cairo_line_to(cr, 4, 9);
    cairo_line_to(cr, 10, 9);
    cairo_line_to(cr, 13, 3);
    cairo_line_to(cr, 13, 16);
    cairo_line_to(cr, 7, 22);
    cairo_line_to(cr, 1, 16);
    cairo_close_path(cr);
    SetSourceRgb(cr, 0xB070E0);
    cairo_fill(cr);
    for (const double x : {4.5, 9.5}) {
      cairo_arc(cr, x, 13, 1.6, 0, 2 * kPi);
      SetSourceRgb(cr, 0xFFF070);
      cairo_fill(cr);
    }
  });
}

// A boss health heart, 22 x 20 about its centre; lit white when hit.
ArgbPicture Heart(bool hit) {
  return DrawPicture(22, 20, [hit](cairo_t* cr) {
    cairo_move_to(cr, 11, 18.5);
    cairo_curve_to(cr, -2, 9, 4, -1.5, 11, 5);
    cairo_curve_to(cr, 18, -1.5, 24, 9, 11, 18.5);
    cairo_close_path(cr);
    SetSourceRgb(cr, hit ? 0xFFFFFF : 0xE8364A);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.6);
    SetSourceRgb(cr, hit ? 0xE8364A : 0x5A0A14);
    cairo_stroke(cr);
    cairo_arc(cr, 7, 7, 2, 0, 2 * kPi);
    SetSourceRgb(cr, 0xFFFFFF, hit ? 0.0 : 0.8);
    cairo_fill(cr);
  });
}

}  // namespace

SpriteData HudSprite() {
  const std::vector<ArgbPicture> pictures = {Panel(),       Rail(true),   Rail(false),  GoalBox(),
                                             ProgressBar(), WalkerIcon(), TargetIcon(), BossIcon(),
                                             Heart(false),  Heart(true)};
  enum { kPanel, kLeftRail, kRightRail, kGoal, kBar, kWalker, kTarget, kBoss, kHeart, kHit };
  const QuantisedSprite q = Quantise(pictures, 128, {true, true, true, false, true});
  SpriteData s = QuantisedSpriteData(q);
  s.flags |=
      sprite_flags::kWideModuleSizes | sprite_flags::kWideFrameValues | sprite_flags::kFrameRects;
  for (size_t i = 0; i < pictures.size(); i++) s.modules.push_back(QuantisedModule(q, pictures, i));
  const SpriteRect& g = kHudGoalRect;
  const SpriteFModule frame[] = {{kPanel, 0, 0, 0},
                                 {kLeftRail, 0, kHudPanelHeight, 0},
                                 {kRightRail, kHudWidth - kHudWallWidth, kHudPanelHeight, 0}};
  AddFrame(s, frame);  // 0
  const SpriteRect rects[] = {{0, 0, kHudWidth, kHudPanelHeight},
                              kHudLabelRect,
                              kHudClockRect,
                              kHudScoreRect,
                              kHudGoalRect,
                              {0, 0, kHudWallWidth, kHudPanelHeight},
                              {kHudWidth - kHudWallWidth, 0, kHudWallWidth, kHudPanelHeight}};
  AddFrame(s, {}, rects);  // 1: the layout, no parts
  const SpriteFModule goal[] = {{kGoal, g.x, g.y, 0}};
  AddFrame(s, goal);  // 2
  const SpriteFModule walker[] = {{kWalker, g.x + 4, g.y + (g.h - kIcon) / 2, 0}};
  AddFrame(s, walker);  // 3
  const SpriteFModule bar[] = {{kBar, 0, 0, 0}};
  AddFrame(s, bar);  // 4: painted at the goal rectangle's corner
  const SpriteFModule target[] = {{kTarget, g.x + 4, g.y + (g.h - kIcon) / 2, 0}};
  AddFrame(s, target);  // 5
  const SpriteFModule boss[] = {{kBoss, g.x + 2, g.y + (g.h - kIcon) / 2, 0}};
  AddFrame(s, boss);  // 6
  const SpriteFModule heart[] = {{kHeart, -11, -10, 0}};
  AddFrame(s, heart);  // 7
  const SpriteFModule hit[] = {{kHit, -11, -10, 0}};
  AddFrame(s, hit);  // 8
  for (const int f : {0, 3, 5, 6, 2, 7}) {
    const SpriteAFrame still[] = {{f, 1, 0, 0, 0}};
    AddAnimation(s, still);
  }
  const SpriteAFrame flash[] = {{8, 2, 0, 0, 0}, {7, 2, 0, 0, 0}};
  AddAnimation(s, flash);  // 6
  return s;
}

// The danger line across the play area: light dashes with an arrowhead at each end, red in
// palette 1 (the clock's blink).
SpriteData DangerLineSprite() {
  constexpr int kH = 14;
  const ArgbPicture line = DrawPicture(kHudWidth, kH, [](cairo_t* cr) {
    for (int x = 22; x + 14 < kHudWidth - 22; x += 24) {
      cairo_rectangle(cr, x, kH / 2.0 - 1.5, 14, 3);
    }
    cairo_move_to(cr, 16, 1);
    cairo_line_to(cr, 28, kH / 2.0);
    cairo_line_to(cr, 16, kH - 1);
    cairo_close_path(cr);
    cairo_move_to(cr, kHudWidth - 16, 1);
    cairo_line_to(cr, kHudWidth - 28, kH / 2.0);
    cairo_line_to(cr, kHudWidth - 16, kH - 1);
    cairo_close_path(cr);
    SetSourceRgb(cr, 0xD8E8FF, 0.8);
    cairo_fill(cr);
  });
  const std::vector<ArgbPicture> pictures = {line};
  const QuantisedSprite q = Quantise(pictures, 16);
  SpriteData s = QuantisedSpriteData(q);
  s.flags |= sprite_flags::kWideModuleSizes | sprite_flags::kWideFrameValues;
  s.modules.push_back(QuantisedModule(q, pictures, 0));
  const SpriteFModule part[] = {{0, 0, -kH / 2, 0}};
  AddFrame(s, part);
  const SpriteAFrame still[] = {{0, 1, 0, 0, 0}};
  AddAnimation(s, still);
  // Palette 1: every colour turned to a red of its brightness, its alpha kept.
  std::vector<uint32_t> red = s.palettes[0];
  for (size_t i = 1; i < red.size(); i++) {
    const uint32_t c = red[i];
    const uint32_t lum = ((c >> 16 & 0xFF) * 3 + (c >> 8 & 0xFF) * 6 + (c & 0xFF)) / 10;
    red[i] = (c & 0xFF000000) | 0xFF0000 | (lum / 4) << 8 | (lum / 4);
  }
  s.palettes.push_back(red);
  return s;
}

// The type-7 track's bubbles: four sizes from half to full size (frames 0..3), then the
// same four of the second look, amber with a white ring (4..7), each about its centre.
SpriteData TrackSprite() {
  std::vector<ArgbPicture> pictures;
  for (const bool second : {false, true}) {
    for (int step = 0; step < 4; step++) {
      const int size = kTrackBubbleSizes[step];
      pictures.push_back(DrawPicture(size, size, [=](cairo_t* cr) {
        DrawBubble(cr, size / 2.0, size / 2.0, size / 2.0 - 1, second ? 0xF0A030 : 0x6FB0F0);
        if (!second) return;
        cairo_arc(cr, size / 2.0, size / 2.0, size * 0.22, 0, 2 * kPi);
        cairo_set_line_width(cr, std::max(1.5, size * 0.08));
        SetSourceRgb(cr, 0xFFFFFF);
        cairo_stroke(cr);
      }));
    }
  }
  const QuantisedSprite q = Quantise(pictures, 64);
  SpriteData s = QuantisedSpriteData(q);
  for (size_t i = 0; i < pictures.size(); i++) {
    s.modules.push_back(QuantisedModule(q, pictures, i));
    const int half = pictures[i].width / 2;
    const SpriteFModule part[] = {{static_cast<int>(i), -half, -half, 0}};
    AddFrame(s, part);
  }
  const SpriteAFrame still[] = {{0, 1, 0, 0, 0}};
  AddAnimation(s, still);
  return s;
}

}  // namespace databuild
