// The player's characters (pack 67 entries 0 to 5), drawn with Cairo: a round-headed figure per
// character, told apart by its colour and its headgear (a cap, a bow, a tuft), in two outfits,
// one per sprite set. Each stands on its origin, its feet's centre.
#include <cmath>
#include <numbers>
#include <vector>

#include "tools/databuild/cairo_picture.h"
#include "tools/databuild/character_sprites.h"
#include "tools/databuild/loader_sprites.h"
#include "tools/databuild/sprite_quantiser.h"

namespace databuild {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kW = 64, kH = 88;  // the feet's centre at (32, 86)

// Body colours by character, per sprite set.
constexpr uint32_t kBody[2][3] = {{0x3C8CE0, 0xE0506C, 0x4CB050}, {0x2A5FA8, 0xA83458, 0x2F7E3A}};
constexpr uint32_t kSkin = 0xF6D2B0, kInk = 0x202020;

enum class Pose { kStand, kBob, kWalkA, kWalkB, kWaveA, kWaveB, kJump, kCheer };

struct Look {
  int set = 0, who = 0;
  bool facingLeft = false;
};

void Outline(cairo_t* cr, uint32_t fill, double width = 2) {
  SetSourceRgb(cr, fill);
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, width);
  SetSourceRgb(cr, kInk);
  cairo_stroke(cr);
}

void Limb(cairo_t* cr, double x0, double y0, double x1, double y1, uint32_t colour) {
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, 7);
  SetSourceRgb(cr, kInk);
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 4.5);
  SetSourceRgb(cr, colour);
  cairo_stroke(cr);
}

// The headgear of character `who` on a head of radius r centred at (cx, cy).
void Headgear(cairo_t* cr, int who, double cx, double cy, double r, uint32_t colour) {
  if (who == 0) {
    cairo_arc(cr, cx, cy - 6, r + 1, kPi, 2 * kPi);
    cairo_close_path(cr);
    Outline(cr, colour);
    cairo_rectangle(cr, cx, cy - 9, r + 8, 4);
    Outline(cr, colour, 1.5);
  } else if (who == 1) {
    for (const double side : {-1.0, 1.0}) {
      cairo_move_to(cr, cx, cy - r + 2);
      cairo_line_to(cr, cx + side * 12, cy - r - 7);
      cairo_line_to(cr, cx + side * 12, cy - r + 9);
      cairo_close_path(cr);
      Outline(cr, 0xF8E050, 1.5);
    }
    cairo_arc(cr, cx, cy - r + 2, 3.5, 0, 2 * kPi);
    Outline(cr, 0xF8E050, 1.5);
  } else {
    for (int k = -2; k <= 2; k++) {
      cairo_move_to(cr, cx + k * 4 - 3, cy - r + 4);
      cairo_line_to(cr, cx + k * 5, cy - r - 9 + std::abs(k) * 2);
      cairo_line_to(cr, cx + k * 4 + 3, cy - r + 4);
      cairo_close_path(cr);
      Outline(cr, 0x6A4020, 1.2);
    }
  }
}

ArgbPicture Figure(const Look& look, Pose pose) {
  return DrawPicture(kW, kH, [=](cairo_t* cr) {
    if (look.facingLeft) {
      cairo_translate(cr, kW, 0);
      cairo_scale(cr, -1, 1);
    }
    const uint32_t body = kBody[look.set][look.who];
    const bool walk = pose == Pose::kWalkA || pose == Pose::kWalkB;
    const double lift = pose == Pose::kJump ? 8 : pose == Pose::kBob ? 2 : 0;
    const double cx = 32, feet = 84 - lift;
    // Legs: apart and swinging when walking.
    const double stride = pose == Pose::kWalkA ? 7 : pose == Pose::kWalkB ? -7 : 0;
    Limb(cr, cx - 6, feet - 16, cx - 6 + stride, feet - 2, 0x3A3A50);
    Limb(cr, cx + 6, feet - 16, cx + 6 - stride, feet - 2, 0x3A3A50);
    // The body: a rounded tunic.
    const double top = feet - 40, bottom = feet - 12;
    cairo_move_to(cr, cx - 12, bottom);
    cairo_curve_to(cr, cx - 15, top + 6, cx - 10, top, cx, top);
    cairo_curve_to(cr, cx + 10, top, cx + 15, top + 6, cx + 12, bottom);
    cairo_close_path(cr);
    Outline(cr, body);
    // Arms by pose.
    const double shoulder = top + 6;
    double left[2] = {cx - 18, shoulder + 16}, right[2] = {cx + 18, shoulder + 16};
    if (walk) left[0] = cx - 16 - stride / 2, right[0] = cx + 16 - stride / 2;
    if (pose == Pose::kWaveA) right[0] = cx + 20, right[1] = shoulder - 14;
    if (pose == Pose::kWaveB) right[0] = cx + 12, right[1] = shoulder - 16;
    if (pose == Pose::kCheer || pose == Pose::kJump) {
      left[0] = cx - 18, left[1] = shoulder - 14, right[0] = cx + 18, right[1] = shoulder - 14;
    }
    Limb(cr, cx - 10, shoulder, left[0], left[1], body);
    Limb(cr, cx + 10, shoulder, right[0], right[1], body);
    // The head, looking the way it walks.
    const double hr = 15, hy = top - hr + 3, gaze = walk ? 3 : 0;
    cairo_arc(cr, cx, hy, hr, 0, 2 * kPi);
    Outline(cr, kSkin);
    for (const double side : {-1.0, 1.0}) {
      cairo_arc(cr, cx + gaze + side * 5.5, hy, 2.4, 0, 2 * kPi);
      SetSourceRgb(cr, kInk);
      cairo_fill(cr);
    }
    cairo_arc(cr, cx + gaze, hy + 4, 5, 0.2 * kPi, 0.8 * kPi);
    cairo_set_line_width(cr, 1.6);
    SetSourceRgb(cr, kInk);
    cairo_stroke(cr);
    Headgear(cr, look.who, cx, hy, hr, body);
  });
}

// Animation a plays the pose of a % 7: 0 standing, 1 waving, 2 jumping, 3 walking left, 4
// walking right, 5 idling, 6 cheering.
SpriteData Character(int set, int who) {
  const Look front{set, who, false}, left{set, who, true};
  const std::vector<ArgbPicture> pictures = {
      Figure(front, Pose::kStand), Figure(front, Pose::kBob),   Figure(front, Pose::kWaveA),
      Figure(front, Pose::kWaveB), Figure(front, Pose::kJump),  Figure(left, Pose::kWalkA),
      Figure(left, Pose::kWalkB),  Figure(front, Pose::kWalkA), Figure(front, Pose::kWalkB),
      Figure(front, Pose::kCheer)};
  const QuantisedSprite q = Quantise(pictures, 64);
  SpriteData s = QuantisedSpriteData(q);
  for (size_t i = 0; i < pictures.size(); i++) {
    s.modules.push_back(QuantisedModule(q, pictures, i));
    const SpriteFModule part[] = {{static_cast<int>(i), -kW / 2, -(kH - 2), 0}};
    AddFrame(s, part);
  }
  const std::vector<std::vector<SpriteAFrame>> poses = {
      {{0, 1, 0, 0, 0}},
      {{2, 4, 0, 0, 0}, {3, 4, 0, 0, 0}},
      {{0, 3, 0, 0, 0}, {4, 4, 0, 0, 0}},
      {{5, 3, 0, 0, 0}, {6, 3, 0, 0, 0}},
      {{7, 3, 0, 0, 0}, {8, 3, 0, 0, 0}},
      {{0, 8, 0, 0, 0}, {1, 8, 0, 0, 0}},
      {{9, 4, 0, 0, 0}, {4, 4, 0, 0, 0}}};
  for (int a = 0; a < kCharacterAnimations; a++) AddAnimation(s, poses[a % 7]);
  return s;
}

}  // namespace

// Entries 0 to 2 the first set's characters (slots 16, 17, 15), 3 to 5 the second's.
std::vector<SpriteData> CharacterSprites() {
  std::vector<SpriteData> sprites;
  constexpr int kWhoByEntry[3] = {1, 2, 0};  // slot 15, the one the menus walk, wears the cap
  for (int set = 0; set < 2; set++) {
    for (int e = 0; e < 3; e++) sprites.push_back(Character(set, kWhoByEntry[e]));
  }
  return sprites;
}

}  // namespace databuild
