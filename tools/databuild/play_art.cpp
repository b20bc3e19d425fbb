// The launcher's sprites and the meter's pose, drawn with Cairo frame by frame:
//   pack 80 entry 0 (slot 36)  the launcher: animation 0, 51 frames of a barrel around the
//                              muzzle, 0..25 turning right from straight up to 77 degrees,
//                              26..50 turning left the same way
//   pack 80 entry 1 (slot 29)  the aim guide's dot: animations 0 and 1 one dot; palette p
//                              shows bubble colour p (7 white)
//   pack 80 entry 9 (slot 37)  a meter character's small pose (its stand), four animations
// Every frame is centred on the origin.
#include <cmath>
#include <numbers>
#include <vector>

#include "tools/databuild/cairo_picture.h"
#include "tools/databuild/particle_sprites.h"
#include "tools/databuild/play_sprites.h"
#include "tools/databuild/sprite_quantiser.h"

namespace databuild {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kLauncherSize = 96;
constexpr int kLauncherFrames = 51;
constexpr double kAimLimit = 219.0 / 1024.0 * 2 * kPi;  // 77 degrees
constexpr int kDotSize = 14;
constexpr int kDotPalettes = 8;
constexpr int kPoseSize = 40;

// Frame f's aim: 0 straight up, negative to the right.
double LauncherAngle(int f) {
  const int half = kLauncherFrames / 2;
  if (f <= half) return -kAimLimit * f / half;
  return kAimLimit * (f - half) / (kLauncherFrames - 1 - half);
}

// A steel ring round the muzzle (where the bubble sits) and a barrel pointing along the aim;
// a notch on the barrel's end shows the aim at a glance.
ArgbPicture LauncherFrame(int f) {
  const double angle = LauncherAngle(f);
  return DrawPicture(kLauncherSize, kLauncherSize, [angle](cairo_t* cr) {
    const double c = kLauncherSize / 2.0;
    cairo_translate(cr, c, c);
    cairo_arc(cr, 0, 0, 24, 0, 2 * kPi);
    cairo_set_line_width(cr, 6);
    SetSourceRgb(cr, 0x3C4650);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 3);
    SetSourceRgb(cr, 0xB8C4CE);
    cairo_stroke(cr);
    cairo_rotate(cr, -angle);  // Cairo turns clockwise; a positive aim turns left
    cairo_rectangle(cr, -9, -46, 18, 22);
    SetSourceRgb(cr, 0x3C4650);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.5);
    SetSourceRgb(cr, 0x1A2026);
    cairo_stroke(cr);
    cairo_rectangle(cr, -4, -46, 8, 6);
    SetSourceRgb(cr, 0xF0D040);
    cairo_fill(cr);
  });
}

ArgbPicture Dot() {
  return DrawPicture(kDotSize, kDotSize, [](cairo_t* cr) {
    cairo_arc(cr, kDotSize / 2.0, kDotSize / 2.0, 4.5, 0, 2 * kPi);
    SetSourceRgb(cr, 0xFFFFFF);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.5);
    SetSourceRgb(cr, 0x202020);
    cairo_stroke(cr);
  });
}

ArgbPicture Pose(int anim) {
  return DrawPicture(kPoseSize, kPoseSize, [anim](cairo_t* cr) {
    const double c = kPoseSize / 2.0;
    cairo_rectangle(cr, c - 14, c + 4, 28, 8);
    SetSourceRgb(cr, 0x6A4A2A);
    cairo_fill(cr);
    DrawBubble(cr, c, c - 4 - 2 * anim, 9, 0xD0D0D0);
  });
}

// A sprite of the pictures, picture p a module and frame p centred on the origin, with the
// animations as lists of frames (each frame `ticks` long).
SpriteData Framed(const std::vector<ArgbPicture>& pictures, int size,
                  const std::vector<std::vector<int>>& anims, int ticks, int colours) {
  const QuantisedSprite q = Quantise(pictures, colours);
  SpriteData s = QuantisedSpriteData(q);
  for (size_t p = 0; p < pictures.size(); p++) {
    s.modules.push_back(QuantisedModule(q, pictures, p));
    const SpriteFModule part[] = {{static_cast<int>(p), -size / 2, -size / 2, 0}};
    AddFrame(s, part);
  }
  for (const std::vector<int>& frames : anims) {
    std::vector<SpriteAFrame> list;
    for (int f : frames) list.push_back({f, ticks, 0, 0, 0});
    AddAnimation(s, list);
  }
  return s;
}

}  // namespace

SpriteData LauncherSprite() {
  std::vector<ArgbPicture> pictures;
  std::vector<int> frames;
  for (int f = 0; f < kLauncherFrames; f++) {
    pictures.push_back(LauncherFrame(f));
    frames.push_back(f);
  }
  return Framed(pictures, kLauncherSize, {frames}, 1, 32);
}

// Palette p leans the dot's white toward bubble colour p; palette 7 stays white.
SpriteData AimDotSprite() {
  SpriteData s = Framed({Dot()}, kDotSize, {{0}, {0}}, 1, 8);
  const std::vector<uint32_t> base = s.palettes[0];
  for (int p = 1; p < kDotPalettes; p++) s.palettes.push_back(base);
  for (int p = 0; p < kDotPalettes - 1; p++) {
    for (size_t i = 1; i < base.size(); i++) {
      const uint32_t c = base[i];
      if ((c & 0xFFFFFF) < 0x808080) continue;  // the dark rim stays
      s.palettes[p][i] = 0xFF000000u | kBubbleColours[p];
    }
  }
  return s;
}

SpriteData MeterPoseSprite() {
  std::vector<ArgbPicture> pictures;
  std::vector<std::vector<int>> anims;
  for (int a = 0; a < 4; a++) {
    pictures.push_back(Pose(a));
    anims.push_back({a});
  }
  return Framed(pictures, kPoseSize, anims, 2, 24);
}

}  // namespace databuild
