// The unlockable items and the ending scene's trapped star (slot 30): each item a symbol of its
// own colour on a cream medallion with a gold rim; the scene's bubble and its burst are built
// from the star's medallion, one bubble picture and two droplet rings, placed frame by frame.
#include <cmath>
#include <numbers>
#include <vector>

#include "tools/databuild/cairo_picture.h"
#include "tools/databuild/item_sprites.h"
#include "tools/databuild/sprite_quantiser.h"

namespace databuild {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr uint32_t kInk = 0x2A2430;
constexpr int kBubbleSize = 150;              // the trapped star's bubble, square
constexpr int kBubbleX = 30, kBubbleY = -40;  // its centre from the origin
constexpr int kRingSize = 200;                // the burst's droplet rings, square

// The current path filled in `rgb` and outlined in ink, `line` px wide.
void Ink(cairo_t* cr, uint32_t rgb, double line = 2) {
  FillAndOutline(cr, rgb, line, kInk);
}

// Item k's symbol about (0, 0), about 40 px across.
void Symbol(cairo_t* cr, int k) {
  switch (k) {
    case 0:  // heart
      cairo_move_to(cr, 0, 16);
      cairo_curve_to(cr, -26, -2, -14, -24, 0, -9);
      cairo_curve_to(cr, 14, -24, 26, -2, 0, 16);
      Ink(cr, 0xE8404C);
      break;
    case 1:  // star
      AddStarPath(cr, 20, 8.5, 5);
      Ink(cr, 0xFFD23A);
      break;
    case 2:  // gem
      cairo_move_to(cr, -16, -6);
      cairo_line_to(cr, -9, -14);
      cairo_line_to(cr, 9, -14);
      cairo_line_to(cr, 16, -6);
      cairo_line_to(cr, 0, 16);
      cairo_close_path(cr);
      Ink(cr, 0x40D0E8);
      cairo_move_to(cr, -16, -6);
      cairo_line_to(cr, 16, -6);
      cairo_move_to(cr, -5, -6);
      cairo_line_to(cr, 0, 16);
      cairo_line_to(cr, 5, -6);
      cairo_set_line_width(cr, 1.2);
      cairo_stroke(cr);
      break;
    case 3:  // crown
      cairo_move_to(cr, -17, 11);
      cairo_line_to(cr, -19, -11);
      cairo_line_to(cr, -9, -1);
      cairo_line_to(cr, 0, -15);
      cairo_line_to(cr, 9, -1);
      cairo_line_to(cr, 19, -11);
      cairo_line_to(cr, 17, 11);
      cairo_close_path(cr);
      Ink(cr, 0xF2B824);
      break;
    case 4:  // key
      cairo_arc(cr, -9, 0, 8, 0, 2 * kPi);
      cairo_new_sub_path(cr);
      cairo_rectangle(cr, -2, -3, 20, 6);
      cairo_rectangle(cr, 10, 3, 3, 6);
      cairo_rectangle(cr, 15, 3, 3, 8);
      Ink(cr, 0xD8A040);
      cairo_arc(cr, -9, 0, 3, 0, 2 * kPi);
      Ink(cr, 0xFFF4DC, 1.2);
      break;
    case 5:  // clover
      for (int i = 0; i < 4; i++) {
        const double a = i * kPi / 2 + kPi / 4;
        cairo_arc(cr, 8 * std::cos(a), -2 + 8 * std::sin(a), 7.5, 0, 2 * kPi);
        Ink(cr, 0x48B050, 1.5);
      }
      cairo_move_to(cr, 0, 4);
      cairo_curve_to(cr, 2, 10, 6, 14, 9, 17);
      cairo_set_line_width(cr, 3);
      SetSourceRgb(cr, 0x2E7A34);
      cairo_stroke(cr);
      break;
    case 6:  // moon
      cairo_arc(cr, 0, 0, 17, 0.35 * kPi, 1.65 * kPi);
      cairo_arc_negative(cr, 7, -2, 13, 1.45 * kPi, 0.5 * kPi);
      cairo_close_path(cr);
      Ink(cr, 0xF4E48C);
      break;
    case 7:  // sun
      for (int i = 0; i < 8; i++) {
        const double a = i * kPi / 4;
        cairo_move_to(cr, 13 * std::cos(a - 0.25), 13 * std::sin(a - 0.25));
        cairo_line_to(cr, 20 * std::cos(a), 20 * std::sin(a));
        cairo_line_to(cr, 13 * std::cos(a + 0.25), 13 * std::sin(a + 0.25));
        cairo_close_path(cr);
      }
      Ink(cr, 0xF7A030, 1.2);
      cairo_arc(cr, 0, 0, 11, 0, 2 * kPi);
      Ink(cr, 0xFFC840);
      break;
    case 8:  // flower
      for (int i = 0; i < 5; i++) {
        const double a = -kPi / 2 + i * 2 * kPi / 5;
        cairo_arc(cr, 10 * std::cos(a), 10 * std::sin(a), 8, 0, 2 * kPi);
        Ink(cr, 0xF08CC8, 1.5);
      }
      cairo_arc(cr, 0, 0, 6, 0, 2 * kPi);
      Ink(cr, 0xFFD040, 1.5);
      break;
    case 9:  // drop
      cairo_move_to(cr, 0, -19);
      cairo_curve_to(cr, 8, -6, 14, 1, 14, 6);
      cairo_arc(cr, 0, 6, 14, 0, kPi);
      cairo_curve_to(cr, -14, 1, -8, -6, 0, -19);
      Ink(cr, 0x3C8CE8);
      break;
    case 10:  // lightning bolt
      cairo_move_to(cr, 5, -20);
      cairo_line_to(cr, -12, 3);
      cairo_line_to(cr, -1, 3);
      cairo_line_to(cr, -6, 20);
      cairo_line_to(cr, 12, -4);
      cairo_line_to(cr, 1, -4);
      cairo_close_path(cr);
      Ink(cr, 0xFFE030);
      break;
    case 11:  // shield
      cairo_move_to(cr, 0, -18);
      cairo_curve_to(cr, 8, -13, 14, -13, 16, -13);
      cairo_curve_to(cr, 16, 4, 10, 13, 0, 19);
      cairo_curve_to(cr, -10, 13, -16, 4, -16, -13);
      cairo_curve_to(cr, -14, -13, -8, -13, 0, -18);
      Ink(cr, 0x5878D8);
      cairo_move_to(cr, 0, -12);
      cairo_line_to(cr, 0, 13);
      cairo_move_to(cr, -11, -3);
      cairo_line_to(cr, 11, -3);
      cairo_set_line_width(cr, 3);
      SetSourceRgb(cr, 0xE8ECF4);
      cairo_stroke(cr);
      break;
    case 12:  // ring with a stone
      cairo_arc(cr, 0, 5, 13, 0, 2 * kPi);
      cairo_set_line_width(cr, 7);
      SetSourceRgb(cr, kInk);
      cairo_stroke_preserve(cr);
      cairo_set_line_width(cr, 4);
      SetSourceRgb(cr, 0xF2C030);
      cairo_stroke(cr);
      cairo_move_to(cr, 0, -19);
      cairo_line_to(cr, 7, -11);
      cairo_line_to(cr, 0, -4);
      cairo_line_to(cr, -7, -11);
      cairo_close_path(cr);
      Ink(cr, 0xE84070, 1.5);
      break;
    case 13:  // bell
      cairo_move_to(cr, -15, 11);
      cairo_curve_to(cr, -11, 6, -13, -15, 0, -15);
      cairo_curve_to(cr, 13, -15, 11, 6, 15, 11);
      cairo_close_path(cr);
      Ink(cr, 0xE8B028);
      cairo_arc(cr, 0, 14, 4, 0, 2 * kPi);
      Ink(cr, 0xE8B028, 1.5);
      break;
    default:  // a musical note
      cairo_save(cr);
      cairo_translate(cr, -7, 12);
      cairo_scale(cr, 1.3, 1);
      cairo_arc(cr, 0, 0, 6, 0, 2 * kPi);
      cairo_restore(cr);
      Ink(cr, 0x9058D0, 1.5);
      cairo_rectangle(cr, -1, -18, 4, 30);
      Ink(cr, 0x9058D0, 1.5);
      cairo_move_to(cr, 3, -18);
      cairo_curve_to(cr, 10, -14, 16, -10, 12, 0);
      cairo_set_line_width(cr, 4);
      SetSourceRgb(cr, 0x9058D0);
      cairo_stroke(cr);
      break;
  }
}

// Item k on its medallion, kItemSize square.
ArgbPicture Item(int k) {
  return DrawPicture(kItemSize, kItemSize, [k](cairo_t* cr) {
    const double c = kItemSize / 2.0;
    cairo_pattern_t* face = cairo_pattern_create_radial(c - 8, c - 10, 4, c, c, c);
    cairo_pattern_add_color_stop_rgb(face, 0, 1, 0.99, 0.93);
    cairo_pattern_add_color_stop_rgb(face, 1, 0.93, 0.85, 0.66);
    cairo_arc(cr, c, c, c - 3, 0, 2 * kPi);
    cairo_set_source(cr, face);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(face);
    cairo_set_line_width(cr, 4);
    SetSourceRgb(cr, 0xC89020);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 1.2);
    SetSourceRgb(cr, kInk);
    cairo_stroke(cr);
    cairo_translate(cr, c, c);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Symbol(cr, k);
  });
}

// The big bubble: a glossy pale-blue glass.
ArgbPicture BigBubble() {
  return BubblePicture(kBubbleSize, 0x9CCCF4);
}

// Droplets thrown out of the burst bubble, on a ring of radius r.
ArgbPicture Droplets(double r, double size) {
  return DrawPicture(kRingSize, kRingSize, [=](cairo_t* cr) {
    const double c = kRingSize / 2.0;
    for (int i = 0; i < 12; i++) {
      const double a = i * kPi / 6 + (r > 60 ? kPi / 12 : 0);
      DrawBubble(cr, c + r * std::cos(a), c + r * std::sin(a), size, 0x78B4F0);
    }
  });
}

// The colours lifted a quarter of the way toward white: the lit look of the level's banner and
// story box.
std::vector<uint32_t> Lit(const std::vector<uint32_t>& colours) {
  std::vector<uint32_t> lit = colours;
  for (size_t i = 1; i < lit.size(); i++) {
    uint32_t c = lit[i] & 0xFF000000u;
    for (const int shift : {16, 8, 0}) {
      const uint32_t v = (lit[i] >> shift) & 0xFF;
      c |= (v + (255 - v) / 4) << shift;
    }
    lit[i] = c;
  }
  return lit;
}

// Modules after the items.
constexpr int kBubbleModule = kUnlockItems, kSmallRing = kUnlockItems + 1,
              kWideRing = kUnlockItems + 2;

}  // namespace

SpriteData ItemSprite() {
  std::vector<ArgbPicture> pictures;
  for (int k = 0; k < kUnlockItems; k++) pictures.push_back(Item(k));
  pictures.push_back(BigBubble());
  pictures.push_back(Droplets(48, 7));
  pictures.push_back(Droplets(82, 5));
  const QuantisedSprite q = Quantise(pictures, 255);
  SpriteData s = QuantisedSpriteData(q);
  s.flags |=
      sprite_flags::kWideModuleSizes | sprite_flags::kWideFrameValues | sprite_flags::kFrameRects;
  s.palettes.push_back(Lit(s.palettes[0]));
  for (size_t i = 0; i < pictures.size(); i++) s.modules.push_back(QuantisedModule(q, pictures, i));

  constexpr int half = kItemSize / 2;
  const SpriteRect box[] = {{-half, -half, kItemSize, kItemSize},
                            {-half, -half, kItemSize, kItemSize},
                            {-half, -half, kItemSize, kItemSize},
                            {-half, -half, kItemSize, kItemSize}};
  for (int k = 0; k < kUnlockItems; k++) {
    const SpriteFModule part[] = {{k, -half, -half, 0}};
    AddFrame(s, part, box);
  }
  // A frame of the scene: the bubble (or a droplet ring) centred at (bx, by) from the origin,
  // then the star centred at (sx, sy).
  auto scene = [&](int module, int bx, int by, int sx, int sy) {
    std::vector<SpriteFModule> parts;
    if (module >= 0) {
      const int size = module == kBubbleModule ? kBubbleSize : kRingSize;
      parts.push_back({module, bx - size / 2, by - size / 2, 0});
    }
    parts.push_back({kTrappedStarItem, sx - half, sy - half, 0});
    return AddFrame(s, parts);
  };
  // Item k plays frame k.
  for (int k = 0; k < kUnlockItems; k++) {
    const SpriteAFrame still[] = {{k, 1, 0, 0, 0}};
    AddAnimation(s, still);
  }
  // 15: a shake, the burst, then the star's fall in an arc to its resting place.
  std::vector<SpriteAFrame> burst;
  for (const int dx : {-4, 4, -5, 5, -3, 3}) {
    burst.push_back(
        {scene(kBubbleModule, kBubbleX + dx, kBubbleY, kBubbleX + dx / 2, kBubbleY), 1});
  }
  burst.push_back({scene(kSmallRing, kBubbleX, kBubbleY, kBubbleX, kBubbleY), 2});
  burst.push_back({scene(kWideRing, kBubbleX, kBubbleY, kBubbleX, kBubbleY - 6), 2});
  constexpr int kFallSteps = 16;
  for (int i = 1; i <= kFallSteps; i++) {
    const double t = static_cast<double>(i) / kFallSteps;
    const int x = kBubbleX + static_cast<int>(std::lround((kStarRestX - kBubbleX) * t));
    // A short hop up out of the burst, then down: a parabola through both ends.
    const int y =
        kBubbleY - 6 +
        static_cast<int>(std::lround((kStarRestY - kBubbleY + 6) * t * t - 60 * t * (1 - t)));
    burst.push_back({scene(-1, 0, 0, x, y), 1});
  }
  burst.push_back({scene(-1, 0, 0, kStarRestX, kStarRestY), 1});
  AddAnimation(s, burst);
  // 16: the bubble bobbing, the star inside swaying the other way.
  const int bob[] = {0, -3, -5, -3};
  std::vector<SpriteAFrame> trapped;
  for (const int dy : bob) {
    trapped.push_back(
        {scene(kBubbleModule, kBubbleX, kBubbleY + dy, kBubbleX, kBubbleY - dy / 2), 5});
  }
  AddAnimation(s, trapped);
  return s;
}

}  // namespace databuild
