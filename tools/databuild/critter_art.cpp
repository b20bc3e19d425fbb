// The boss pack's first sprite (slot 46), drawn with Cairo: three round critters that bob on the
// ground of the ending scene, and the ornament that hangs from the main menu's title, a bell on
// a string with glints twinkling round it.
#include <cmath>
#include <numbers>
#include <vector>

#include "tools/databuild/cairo_picture.h"
#include "tools/databuild/critter_sprites.h"
#include "tools/databuild/sprite_quantiser.h"

namespace databuild {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kCritterSize = 56;  // square, the critter standing on the bottom centre
constexpr int kOrnamentW = 40, kOrnamentH = 64;  // the string's top at the top centre
constexpr int kHangHeight = 20;  // rectangle 0 of the ornaments: the string above the ornament
// Body and cheek colours of the three critters, told apart by their ears as well.
constexpr uint32_t kCritterColours[3][2] = {
    {0x7FC8F0, 0xF4A0B0}, {0xF0C860, 0xF08060}, {0x9CDC88, 0xF0B0C0}};

// Critter k: a round body squashed by `bob`, two eyes, cheeks, and its own ears (0 round, 1
// pointed, 2 antennae).
ArgbPicture Critter(int k, double bob) {
  return DrawPicture(kCritterSize, kCritterSize, [=](cairo_t* cr) {
    const double cx = kCritterSize / 2.0, r = 20;
    const double sx = 1 + 0.06 * bob, sy = 1 - 0.08 * bob;
    const double cy = kCritterSize - r * sy - 2;
    SetSourceRgb(cr, 0x202020);
    if (k == 0) {
      for (const double side : {-1.0, 1.0}) {
        cairo_arc(cr, cx + side * 12, cy - 17 * sy, 6, 0, 2 * kPi);
        SetSourceRgb(cr, kCritterColours[k][0]);
        cairo_fill_preserve(cr);
        SetSourceRgb(cr, 0x202020);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
      }
    } else if (k == 1) {
      for (const double side : {-1.0, 1.0}) {
        cairo_move_to(cr, cx + side * 6, cy - 16 * sy);
        cairo_line_to(cr, cx + side * 16, cy - 28 * sy);
        cairo_line_to(cr, cx + side * 18, cy - 10 * sy);
        cairo_close_path(cr);
        SetSourceRgb(cr, kCritterColours[k][0]);
        cairo_fill_preserve(cr);
        SetSourceRgb(cr, 0x202020);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
      }
    } else {
      for (const double side : {-1.0, 1.0}) {
        cairo_move_to(cr, cx + side * 5, cy - 18 * sy);
        cairo_line_to(cr, cx + side * 10, cy - 30 * sy);
        cairo_set_line_width(cr, 2);
        SetSourceRgb(cr, 0x202020);
        cairo_stroke(cr);
        cairo_arc(cr, cx + side * 10, cy - 30 * sy, 3, 0, 2 * kPi);
        SetSourceRgb(cr, kCritterColours[k][1]);
        cairo_fill(cr);
      }
    }
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, sx, sy);
    cairo_arc(cr, 0, 0, r, 0, 2 * kPi);
    cairo_restore(cr);
    SetSourceRgb(cr, kCritterColours[k][0]);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 2);
    SetSourceRgb(cr, 0x202020);
    cairo_stroke(cr);
    for (const double side : {-1.0, 1.0}) {
      cairo_arc(cr, cx + side * 7, cy - 4, 3.2, 0, 2 * kPi);
      SetSourceRgb(cr, 0x181818);
      cairo_fill(cr);
      cairo_arc(cr, cx + side * 7 + 1, cy - 5, 1.1, 0, 2 * kPi);
      SetSourceRgb(cr, 0xFFFFFF);
      cairo_fill(cr);
      cairo_arc(cr, cx + side * 13, cy + 4, 3.5, 0, 2 * kPi);
      SetSourceRgb(cr, kCritterColours[k][1]);
      cairo_fill(cr);
    }
    cairo_arc(cr, cx, cy + 4, 4, 0.15 * kPi, 0.85 * kPi);
    cairo_set_line_width(cr, 1.5);
    SetSourceRgb(cr, 0x181818);
    cairo_stroke(cr);
  });
}

// The bell hanging from its string, swung by `swing` radians about the string's top.
ArgbPicture Bell(double swing) {
  return DrawPicture(kOrnamentW, kOrnamentH, [=](cairo_t* cr) {
    cairo_translate(cr, kOrnamentW / 2.0, 0);
    cairo_rotate(cr, swing);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 0, kHangHeight);
    cairo_set_line_width(cr, 1.5);
    SetSourceRgb(cr, 0xE8E0C8);
    cairo_stroke(cr);
    cairo_translate(cr, 0, kHangHeight + 16);
    cairo_move_to(cr, -12, 10);
    cairo_curve_to(cr, -12, -14, 12, -14, 12, 10);
    cairo_close_path(cr);
    SetSourceRgb(cr, 0xD8A840);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.5);
    SetSourceRgb(cr, 0x5A3A08);
    cairo_stroke(cr);
    cairo_arc(cr, 0, 12, 3.5, 0, 2 * kPi);
    SetSourceRgb(cr, 0x5A3A08);
    cairo_fill(cr);
    cairo_move_to(cr, -12, -6);
    cairo_line_to(cr, 12, -6);
    cairo_set_line_width(cr, 3);
    SetSourceRgb(cr, 0xC03040);
    cairo_stroke(cr);
  });
}

// Four-pointed glints round the bell, the set `phase` (0 or 1) lit: they twinkle in turn.
ArgbPicture Glints(int phase) {
  return DrawPicture(kOrnamentW, kOrnamentH, [=](cairo_t* cr) {
    const double spots[][2] = {{6, 30}, {34, 40}, {8, 56}, {33, 22}};
    for (int i = 0; i < 4; i++) {
      const double r = i % 2 == phase ? 6 : 3, x = spots[i][0], y = spots[i][1];
      cairo_move_to(cr, x, y - r);
      cairo_line_to(cr, x + r / 4, y - r / 4);
      cairo_line_to(cr, x + r, y);
      cairo_line_to(cr, x + r / 4, y + r / 4);
      cairo_line_to(cr, x, y + r);
      cairo_line_to(cr, x - r / 4, y + r / 4);
      cairo_line_to(cr, x - r, y);
      cairo_line_to(cr, x - r / 4, y - r / 4);
      cairo_close_path(cr);
      SetSourceRgb(cr, 0xFFF4B0);
      cairo_fill(cr);
    }
  });
}

}  // namespace

// Frames: the critters (0, 1 and 2, 3 and 4, 5: each at rest and bobbing), the glints (6, 7),
// the bell (8, 9 swinging). Animations: 1 the swinging bell, 2 the bell still (its frame
// rectangle 0 the string), 4 to 6 the critters, 16 the glints twinkling over the bell; the
// others the first critter at rest.
SpriteData CritterSprite() {
  std::vector<ArgbPicture> pictures;
  for (int k = 0; k < 3; k++) {
    pictures.push_back(Critter(k, 0));
    pictures.push_back(Critter(k, 1));
  }
  pictures.push_back(Glints(0));
  pictures.push_back(Glints(1));
  pictures.push_back(Bell(-0.2));
  pictures.push_back(Bell(0.2));
  const QuantisedSprite q = Quantise(pictures, 96);
  SpriteData s = QuantisedSpriteData(q);
  s.flags |= sprite_flags::kFrameRects;
  const SpriteRect hang[] = {{-2, 0, 4, kHangHeight}};
  for (size_t i = 0; i < pictures.size(); i++) {
    s.modules.push_back(QuantisedModule(q, pictures, i));
    const bool ornament = i >= 6;
    const SpriteFModule part[] = {{static_cast<int>(i),
                                   ornament ? -kOrnamentW / 2 : -kCritterSize / 2,
                                   ornament ? 0 : -kCritterSize, 0}};
    AddFrame(s, part, hang);
  }
  auto pair = [](int a, int b, int ticks) {
    return std::vector<SpriteAFrame>{{a, ticks, 0, 0, 0}, {b, ticks, 0, 0, 0}};
  };
  const std::vector<SpriteAFrame> rest = {{0, 1, 0, 0, 0}};
  for (int a = 0; a < kCritterAnimations; a++) {
    switch (a) {
      case 1:
        AddAnimation(s, pair(8, 9, 8));
        break;
      case 2:
        AddAnimation(s, std::vector<SpriteAFrame>{{8, 1, 0, 0, 0}});
        break;
      case 4:
      case 5:
      case 6:
        AddAnimation(s, pair(2 * (a - 4), 2 * (a - 4) + 1, 5 + a));
        break;
      case 16:
        AddAnimation(s, pair(6, 7, 6));
        break;
      default:
        AddAnimation(s, rest);
        break;
    }
  }
  return s;
}

}  // namespace databuild
