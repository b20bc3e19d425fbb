// The bubble sprite, the change sprite and the target badge: each kind a glossy bubble with a
// symbol of its own, drawn in a unit square around the bubble's centre and quantised together.
#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "tools/databuild/bubble_sprites.h"
#include "tools/databuild/cairo_picture.h"
#include "tools/databuild/effect_sprites.h"
#include "tools/databuild/particle_sprites.h"
#include "tools/databuild/sprite_quantiser.h"

namespace databuild {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kRadius = 18;  // a board bubble's
constexpr uint32_t kInk = 0x1A1A22;
constexpr uint32_t kWhite = 0xFFFFFF;

using Symbol = std::function<void(cairo_t*)>;  // drawn in units of the bubble's radius

// Fills the current path in `fill` with a thin dark outline, so a light symbol reads on any
// hue.
void Ink(cairo_t* cr, uint32_t fill, double outline = 0.09) {
  FillAndOutline(cr, fill, outline, kInk);
}

// The mark of plain colour c at scale k (1 fills about half the bubble).
void Mark(cairo_t* cr, int c, double k, uint32_t fill = kWhite) {
  cairo_save(cr);
  cairo_scale(cr, k, k);
  cairo_new_path(cr);
  switch (c) {
    case 0:  // dot
      cairo_arc(cr, 0, 0, 0.3, 0, 2 * kPi);
      break;
    case 1:  // triangle
      cairo_move_to(cr, 0, -0.42);
      cairo_line_to(cr, 0.4, 0.3);
      cairo_line_to(cr, -0.4, 0.3);
      cairo_close_path(cr);
      break;
    case 2:  // square
      cairo_rectangle(cr, -0.3, -0.3, 0.6, 0.6);
      break;
    case 3:  // diamond
      cairo_move_to(cr, 0, -0.45);
      cairo_line_to(cr, 0.32, 0);
      cairo_line_to(cr, 0, 0.45);
      cairo_line_to(cr, -0.32, 0);
      cairo_close_path(cr);
      break;
    case 4:  // cross
      // Three corners of each arm, the arm turned by a quarter each time.
      for (int i = 0; i < 4; i++) {
        const double c = std::cos(i * kPi / 2), sn = std::sin(i * kPi / 2);
        const double corners[3][2] = {{0.13, -0.13}, {0.42, -0.13}, {0.42, 0.13}};
        for (const auto& p : corners) {
          cairo_line_to(cr, p[0] * c - p[1] * sn, p[0] * sn + p[1] * c);
        }
      }
      cairo_close_path(cr);
      break;
    case 5:  // ring
      cairo_arc(cr, 0, 0, 0.36, 0, 2 * kPi);
      cairo_new_sub_path(cr);
      cairo_arc_negative(cr, 0, 0, 0.18, 2 * kPi, 0);
      break;
    default:  // star
      AddStarPath(cr, 0.45, 0.2, 5);
      break;
  }
  Ink(cr, fill, 0.09 / k);
  cairo_restore(cr);
}

void Arrow(cairo_t* cr, double angle, bool twoHeads) {
  cairo_save(cr);
  cairo_rotate(cr, angle);
  cairo_move_to(cr, 0.62, 0);
  cairo_line_to(cr, 0.28, -0.3);
  cairo_line_to(cr, 0.28, -0.11);
  cairo_line_to(cr, twoHeads ? -0.28 : -0.6, -0.11);
  if (twoHeads) {
    cairo_line_to(cr, -0.28, -0.3);
    cairo_line_to(cr, -0.62, 0);
    cairo_line_to(cr, -0.28, 0.3);
  }
  cairo_line_to(cr, twoHeads ? -0.28 : -0.6, 0.11);
  cairo_line_to(cr, 0.28, 0.11);
  cairo_line_to(cr, 0.28, 0.3);
  cairo_close_path(cr);
  cairo_restore(cr);
  Ink(cr, kWhite);
}

void QuestionMark(cairo_t* cr) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_arc(cr, 0, -0.2, 0.24, -kPi, kPi / 2.4);
  cairo_line_to(cr, 0, 0.2);
  cairo_set_line_width(cr, 0.2);
  SetSourceRgb(cr, kWhite);
  cairo_stroke(cr);
  cairo_arc(cr, 0, 0.45, 0.1, 0, 2 * kPi);
  cairo_fill(cr);
}

// A picture of a bubble of `hue` (none when hue is 0) with the symbol over it.
ArgbPicture BubbleLook(uint32_t hue, const Symbol& symbol, int size = kBubbleSize) {
  return DrawPicture(size, size, [&](cairo_t* cr) {
    const double c = size / 2.0;
    if (hue != 0) DrawBubble(cr, c, c, kRadius, hue);
    cairo_translate(cr, c, c);
    cairo_scale(cr, kRadius, kRadius);
    if (symbol) symbol(cr);
  });
}

ArgbPicture Plain(int c) {
  return BubbleLook(kBubbleColours[c], [c](cairo_t* cr) { Mark(cr, c, 1.0); });
}

ArgbPicture Bomb() {
  return BubbleLook(0x4A4A58, [](cairo_t* cr) {
    cairo_arc(cr, -0.06, 0.12, 0.42, 0, 2 * kPi);
    Ink(cr, 0x101014);
    cairo_move_to(cr, 0.18, -0.22);
    cairo_curve_to(cr, 0.3, -0.5, 0.45, -0.45, 0.5, -0.6);
    cairo_set_line_width(cr, 0.1);
    SetSourceRgb(cr, 0xC8B89A);
    cairo_stroke(cr);
    cairo_translate(cr, 0.52, -0.62);
    AddStarPath(cr, 0.22, 0.09, 6);
    Ink(cr, 0xFFD23A, 0.05);
  });
}

ArgbPicture Joker() {
  return BubbleLook(0xFFFFFF, [](cairo_t* cr) {
    for (int c = 0; c < kPlainColours; c++) {
      const double a0 = -kPi / 2 + c * 2 * kPi / kPlainColours;
      cairo_move_to(cr, 0, 0);
      cairo_arc(cr, 0, 0, 0.86, a0, a0 + 2 * kPi / kPlainColours);
      cairo_close_path(cr);
      SetSourceRgb(cr, kBubbleColours[c]);
      cairo_fill(cr);
    }
    AddStarPath(cr, 0.5, 0.22, 5);
    Ink(cr, kWhite);
  });
}

// Colour bomb of colour c: the colour's bubble with a black spiked core holding its mark.
ArgbPicture ColourBomb(int c) {
  return BubbleLook(kBubbleColours[c], [c](cairo_t* cr) {
    AddStarPath(cr, 0.7, 0.45, 8);
    Ink(cr, 0x101014);
    Mark(cr, c, 0.7);
  });
}

// Paint bubble of colour c: a white drop holding the colour's mark in its hue.
ArgbPicture PaintBubble(int c) {
  return BubbleLook(kBubbleColours[c], [c](cairo_t* cr) {
    cairo_move_to(cr, 0, -0.72);
    cairo_curve_to(cr, 0.2, -0.35, 0.58, -0.05, 0.5, 0.28);
    cairo_arc(cr, 0, 0.22, 0.5, 0.1, kPi - 0.1);
    cairo_curve_to(cr, -0.58, -0.05, -0.2, -0.35, 0, -0.72);
    cairo_close_path(cr);
    Ink(cr, kWhite);
    cairo_translate(cr, 0, 0.2);
    Mark(cr, c, 0.6, kBubbleColours[c]);
  });
}

// Target bubble of colour c: rings in the colour's hue on white, its mark at the centre.
ArgbPicture TargetBubble(int c) {
  return BubbleLook(0xF4F4F0, [c](cairo_t* cr) {
    for (const double r : {0.78, 0.46}) {
      cairo_arc(cr, 0, 0, r, 0, 2 * kPi);
      cairo_set_line_width(cr, 0.16);
      SetSourceRgb(cr, kBubbleColours[c]);
      cairo_stroke(cr);
    }
    Mark(cr, c, 0.55, kBubbleColours[c]);
  });
}

// The bubble tied to a level object: a chain link; lit (state 1) a yellow halo, done a tick.
ArgbPicture TiedBubble(int state) {
  return BubbleLook(0x5A8C8C, [state](cairo_t* cr) {
    if (state == 1) {
      cairo_arc(cr, 0, 0, 0.86, 0, 2 * kPi);
      cairo_set_line_width(cr, 0.2);
      SetSourceRgb(cr, 0xFFE040);
      cairo_stroke(cr);
    }
    for (const double dx : {-0.2, 0.2}) {
      cairo_save(cr);
      cairo_translate(cr, dx, 0);
      cairo_scale(cr, 0.36, 0.22);
      cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
      cairo_restore(cr);
      cairo_set_line_width(cr, 0.13);
      SetSourceRgb(cr, kWhite);
      cairo_stroke(cr);
    }
    if (state == 2) {
      cairo_move_to(cr, -0.4, 0.05);
      cairo_line_to(cr, -0.1, 0.4);
      cairo_line_to(cr, 0.48, -0.38);
      cairo_set_line_width(cr, 0.2);
      SetSourceRgb(cr, 0x30E040);
      cairo_stroke(cr);
    }
  });
}

ArgbPicture KeyBubble() {
  return BubbleLook(0xE0A820, [](cairo_t* cr) {
    cairo_arc(cr, -0.3, 0, 0.24, 0, 2 * kPi);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, -0.3, 0, 0.1, 2 * kPi, 0);
    cairo_rectangle(cr, -0.08, -0.07, 0.62, 0.14);
    cairo_rectangle(cr, 0.32, 0.0, 0.1, 0.22);
    cairo_rectangle(cr, 0.46, 0.0, 0.08, 0.18);
    Ink(cr, kWhite, 0.06);
  });
}

ArgbPicture GiftBubble() {
  return BubbleLook(0xE0A820, [](cairo_t* cr) {
    cairo_rectangle(cr, -0.42, -0.18, 0.84, 0.6);
    Ink(cr, 0xD0303A, 0.07);
    cairo_rectangle(cr, -0.08, -0.18, 0.16, 0.6);
    cairo_rectangle(cr, -0.42, -0.02, 0.84, 0.14);
    Ink(cr, kWhite, 0.04);
    for (const double dx : {-0.2, 0.2}) {
      cairo_arc(cr, dx, -0.3, 0.14, 0, 2 * kPi);
      Ink(cr, kWhite, 0.05);
    }
  });
}

ArgbPicture Indestructible() {
  return BubbleLook(0x6C7480, [](cairo_t* cr) {
    cairo_rectangle(cr, -0.5, -0.5, 1.0, 1.0);
    cairo_set_line_width(cr, 0.12);
    SetSourceRgb(cr, 0x2A2E36);
    cairo_stroke(cr);
    for (const double x : {-0.5, 0.5}) {
      for (const double y : {-0.5, 0.5}) {
        cairo_arc(cr, x, y, 0.12, 0, 2 * kPi);
        Ink(cr, 0xD8DCE4, 0.05);
      }
    }
  });
}

// A large disc of the colour's dark shade under the root and its six neighbours (painted
// first, so they lie over it), the root itself ringed in gold.
ArgbPicture CompoundRoot(uint32_t hue, const Symbol& centre) {
  return DrawPicture(kCompoundSize, kCompoundSize, [&](cairo_t* cr) {
    const double c = kCompoundSize / 2.0;
    cairo_arc(cr, c, c, c - 3, 0, 2 * kPi);
    const uint32_t shade = (hue >> 1) & 0x7F7F7F;
    SetSourceRgb(cr, shade);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 4);
    SetSourceRgb(cr, 0xF0C040);
    cairo_stroke(cr);
    DrawBubble(cr, c, c, kRadius, hue);
    cairo_arc(cr, c, c, kRadius + 1.5, 0, 2 * kPi);
    cairo_set_line_width(cr, 3);
    SetSourceRgb(cr, 0xF0C040);
    cairo_stroke(cr);
    cairo_translate(cr, c, c);
    cairo_scale(cr, kRadius, kRadius);
    centre(cr);
  });
}

// The look of kind k (0..44).
ArgbPicture KindLook(int k) {
  if (k < kPlainColours) return Plain(k);
  if (k >= 14 && k <= 20) return ColourBomb(k - 14);
  if (k >= 21 && k <= 27) return PaintBubble(k - 21);
  if (k >= 29 && k <= 35) return TargetBubble(k - 29);
  switch (k) {
    case 7:
      return Bomb();
    case 8:  // along directions 5 and 2: up-right to down-left
      return BubbleLook(0x9AA2B4, [](cairo_t* cr) { Arrow(cr, -kPi / 3, true); });
    case 9:  // along directions 3 and 0
      return BubbleLook(0x9AA2B4, [](cairo_t* cr) { Arrow(cr, 0, true); });
    case 10:
      return Joker();
    case 12:  // pops when a shot lands beside it
      return BubbleLook(0xF060A0, [](cairo_t* cr) {
        AddStarPath(cr, 0.62, 0.3, 8);
        Ink(cr, 0xFFF070);
      });
    case 13:  // a shell: cracks into the rising bubble's kind
      return BubbleLook(0x8A6A48, [](cairo_t* cr) {
        cairo_move_to(cr, -0.7, -0.1);
        cairo_line_to(cr, -0.3, 0.1);
        cairo_line_to(cr, 0, -0.2);
        cairo_line_to(cr, 0.3, 0.15);
        cairo_line_to(cr, 0.7, -0.05);
        cairo_set_line_width(cr, 0.12);
        SetSourceRgb(cr, 0x2A1A0A);
        cairo_stroke(cr);
      });
    case 28:  // piercing: a spear pointing up
      return BubbleLook(0xC0C8D4, [](cairo_t* cr) { Arrow(cr, -kPi / 2, false); });
    case 36:
      return TiedBubble(0);
    case 37:
      return KeyBubble();
    case 38:
      return GiftBubble();
    case 39:  // spent: never painted
      return BubbleLook(0, nullptr);
    case 40:  // starts the rising bubble
      return BubbleLook(0x5EC0F2, [](cairo_t* cr) { Arrow(cr, -kPi / 2, false); });
    case 41:
      return Indestructible();
    case 42:
      return BubbleLook(0x50505C, QuestionMark);
    case 43:  // never masked: clear glass with a sparkle
      return BubbleLook(0xD8E8F0, [](cairo_t* cr) {
        AddStarPath(cr, 0.5, 0.12, 4);
        Ink(cr, kWhite, 0.06);
      });
    default:  // 11 and 44, kinds without a meaning of their own: a pearl
      return BubbleLook(0xE8E0D0, [](cairo_t* cr) {
        cairo_arc(cr, 0, 0, 0.3, 0, 2 * kPi);
        Ink(cr, 0xC8B8A0, 0.06);
      });
  }
}

ArgbPicture Marker() {
  return BubbleLook(0, [](cairo_t* cr) {
    cairo_arc(cr, 0, 0, 0.96, 0, 2 * kPi);
    cairo_set_line_width(cr, 0.14);
    SetSourceRgb(cr, 0xFFD040);
    cairo_stroke(cr);
    for (int i = 0; i < 4; i++) {
      cairo_save(cr);
      cairo_rotate(cr, kPi / 4 + i * kPi / 2);
      cairo_move_to(cr, 1.06, 0);
      cairo_line_to(cr, 0.72, -0.18);
      cairo_line_to(cr, 0.72, 0.18);
      cairo_close_path(cr);
      cairo_restore(cr);
      Ink(cr, 0xFFD040, 0.05);
    }
  });
}

ArgbPicture Anchor() {
  return BubbleLook(0, [](cairo_t* cr) {
    cairo_arc(cr, 0, 0, 0.8, 0, 2 * kPi);
    cairo_set_line_width(cr, 0.3);
    SetSourceRgb(cr, 0x8890A0);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 0.1);
    SetSourceRgb(cr, 0xE0E4EC);
    cairo_stroke(cr);
    cairo_rectangle(cr, -0.12, -1.0, 0.24, 0.5);
    Ink(cr, 0xB0B8C8, 0.06);
  });
}

SpriteData Sprite(const std::vector<ArgbPicture>& pictures, int colours) {
  const QuantisedSprite q = Quantise(pictures, colours);
  SpriteData s = QuantisedSpriteData(q);
  s.flags |= sprite_flags::kWideModuleSizes | sprite_flags::kWideFrameValues;
  for (size_t i = 0; i < pictures.size(); i++) {
    s.modules.push_back(QuantisedModule(q, pictures, i));
  }
  return s;
}

void Centred(SpriteData& s, int module, int size) {
  const SpriteFModule part[] = {{module, -size / 2, -size / 2, 0}};
  AddFrame(s, part);
}

void Still(SpriteData& s, int frame) {
  const SpriteAFrame still[] = {{frame, 1, 0, 0, 0}};
  AddAnimation(s, still);
}

// The ending scene's piercing bubble floating up from the ground to the trapped star's bubble,
// swaying as it climbs, then gone (the empty frame of the spent kind): kSceneFlightSteps
// positions 200 ms apart.
void AddSceneFlight(SpriteData& s) {
  constexpr int kPiercingFrame = 28, kEmptyFrame = 39, kStepTicks = 5;
  std::vector<SpriteAFrame> flight;
  for (int i = 0; i < kSceneFlightSteps; i++) {
    const double t = static_cast<double>(i) / (kSceneFlightSteps - 1);
    const int sway = static_cast<int>(std::lround(9 * std::sin(t * 5 * kPi)));
    flight.push_back({kPiercingFrame, kStepTicks,
                      static_cast<int>(std::lround(kSceneFlightX * t)) + sway,
                      static_cast<int>(std::lround(kSceneFlightY * t)), 0});
  }
  flight.push_back({kEmptyFrame, 1, 0, 0, 0});
  AddAnimation(s, flight);
}

}  // namespace

SpriteData BubbleSprite() {
  std::vector<ArgbPicture> pictures;
  for (int k = 0; k <= 44; k++) pictures.push_back(KindLook(k));
  pictures.push_back(TiedBubble(1));
  pictures.push_back(TiedBubble(2));
  for (int c = 0; c < kPlainColours; c++) {
    pictures.push_back(CompoundRoot(kBubbleColours[c], [c](cairo_t* cr) { Mark(cr, c, 1.0); }));
  }
  pictures.push_back(CompoundRoot(0x50505C, QuestionMark));
  for (int c = 0; c < kPlainColours; c++) pictures.push_back(Plain(c));
  pictures.push_back(Marker());
  pictures.push_back(Anchor());
  const RisingBubblePictures rising = RisingBubbleLooks();
  pictures.insert(pictures.end(), rising.appear.begin(), rising.appear.end());
  pictures.insert(pictures.end(), rising.wobble.begin(), rising.wobble.end());
  SpriteData s = Sprite(pictures, 255);
  s.flags |= sprite_flags::kWideAFrameOffsets;  // the scene's flight climbs 371 px
  for (int f = 0; f < kBubbleKindFrames; f++) {
    if (f == 39) {
      AddFrame(s, {});
      continue;
    }
    Centred(s, f, f >= 47 && f <= 54 ? kCompoundSize : kBubbleSize);
  }
  for (size_t i = kBubbleKindFrames; i < pictures.size(); i++) {
    Centred(s, static_cast<int>(i), kRisingSize);
  }
  for (int a = 0; a < kRisingLoopAnimation; a++) Still(s, a == kBubbleAnchorAnimation ? 63 : a);
  AddRisingBubbleAnimations(s, kBubbleKindFrames);
  for (int a = kRisingAppearAnimation + 1; a < kBubbleKindFrames; a++) {
    if (a == kSceneFlightAnimation) {
      AddSceneFlight(s);
    } else {
      Still(s, a);
    }
  }
  return s;
}

// ---- The change sprite ----------------------------------------------------------------------

namespace {

// Eight sparkles on a ring of radius r turned by `turn`, their size fading with `fade`.
ArgbPicture Swirl(int size, double r, double turn, double fade) {
  return DrawPicture(size, size, [=](cairo_t* cr) {
    cairo_translate(cr, size / 2.0, size / 2.0);
    for (int i = 0; i < 8; i++) {
      const double a = turn + i * kPi / 4;
      cairo_save(cr);
      cairo_translate(cr, r * std::cos(a), r * std::sin(a));
      AddStarPath(cr, 5.5 * fade, 2.2 * fade, 4);
      cairo_restore(cr);
      SetSourceRgb(cr, i % 2 ? 0xFFF6B0 : kWhite);
      cairo_fill_preserve(cr);
      cairo_set_line_width(cr, 1);
      SetSourceRgb(cr, 0xB08A10);
      cairo_stroke(cr);
    }
  });
}

ArgbPicture Pulse(double r) {
  return DrawPicture(kBubbleSize + 12, kBubbleSize + 12, [r](cairo_t* cr) {
    const double c = (kBubbleSize + 12) / 2.0;
    cairo_arc(cr, c, c, r, 0, 2 * kPi);
    cairo_set_line_width(cr, 4);
    SetSourceRgb(cr, 0xFFE040);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 1.5);
    SetSourceRgb(cr, kWhite);
    cairo_stroke(cr);
  });
}

}  // namespace

SpriteData ChangeSprite() {
  constexpr int kSmall = 52, kLarge = kCompoundSize;
  std::vector<ArgbPicture> pictures;
  // Step k: the ring closes in on the bubble as the step count runs down to 0.
  for (int k = 0; k < kChangeSteps; k++) {
    pictures.push_back(Swirl(kSmall, 8 + 1.8 * k, k * 0.3, 0.5 + 0.05 * k));
  }
  for (int k = 0; k < kChangeSteps; k++) {
    pictures.push_back(Swirl(kLarge, 16 + 4.2 * k, k * 0.3, 0.7 + 0.06 * k));
  }
  for (const double r : {19.0, 21.5, 24.0}) pictures.push_back(Pulse(r));
  SpriteData s = Sprite(pictures, 64);
  for (int k = 0; k < kChangeSteps; k++) Centred(s, k, kSmall);
  for (int k = 0; k < kChangeSteps; k++) Centred(s, kChangeSteps + k, kLarge);
  for (int k = 0; k < 3; k++) Centred(s, 2 * kChangeSteps + k, kBubbleSize + 12);
  std::vector<SpriteAFrame> small, large, pulse;
  for (int k = 0; k < kChangeSteps; k++) {
    small.push_back({k, 2, 0, 0, 0});
    large.push_back({kChangeSteps + k, 2, 0, 0, 0});
  }
  for (int k = 0; k < 3; k++) pulse.push_back({2 * kChangeSteps + k, 2, 0, 0, 0});
  AddAnimation(s, small);
  Still(s, kChangeSteps - 1);
  AddAnimation(s, pulse);
  Still(s, kChangeSteps - 1);
  AddAnimation(s, large);
  return s;
}

// ---- The target badge -----------------------------------------------------------------------

SpriteData BadgeSprite() {
  constexpr int kToken = 28;
  std::vector<ArgbPicture> pictures;
  for (int f = 0; f < 7; f++) {
    if (f == kBadgeFrame) {
      // A grey rosette up and to the right of the bubble; the palettes colour it.
      pictures.push_back(DrawPicture(kBubbleSize, kBubbleSize, [](cairo_t* cr) {
        cairo_translate(cr, kBubbleSize / 2.0 + 11, kBubbleSize / 2.0 - 11);
        AddStarPath(cr, 8.5, 5.5, 8);
        Ink(cr, 0xE8E8E8, 1.2);
        cairo_arc(cr, 0, 0, 3.2, 0, 2 * kPi);
        Ink(cr, 0x909090, 0.8);
      }));
      continue;
    }
    pictures.push_back(DrawPicture(kToken, kToken, [f](cairo_t* cr) {
      cairo_translate(cr, kToken / 2.0, kToken / 2.0);
      AddStarPath(cr, 12, 6, 4 + f);
      Ink(cr, 0xE8E8E8, 1.2);
    }));
  }
  SpriteData s = Sprite(pictures, 64);
  for (int f = 0; f < 7; f++) Centred(s, f, f == kBadgeFrame ? kBubbleSize : kToken);
  for (int a = 0; a < 13; a++) Still(s, a % 7);
  // Palette p: the grey levels of palette 0 carried onto the hue of colour p.
  const std::vector<uint32_t> grey = s.palettes[0];
  s.palettes.clear();
  for (int p = 0; p < kPlainColours; p++) {
    std::vector<uint32_t> palette = grey;
    for (size_t i = 1; i < palette.size(); i++) {
      const uint32_t level = palette[i] & 0xFF;
      auto channel = [&](int shift) {
        const uint32_t v = ((kBubbleColours[p] >> shift) & 0xFF) * level / 200;
        return std::min<uint32_t>(v, 255) << shift;
      };
      palette[i] = (palette[i] & 0xFF000000u) | channel(16) | channel(8) | channel(0);
    }
    s.palettes.push_back(palette);
  }
  return s;
}

}  // namespace databuild
