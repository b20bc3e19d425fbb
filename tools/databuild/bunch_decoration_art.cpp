// The bunches' decorations, drawn with Cairo: the rope anchor and side handle, the hub and its
// spokes, the rising floor's platform, the lock with its feeder top, the flying carrier and the
// feeder chute. Metal parts are drawn in greys, so a palette per bubble colour recolours them.
#include <cmath>
#include <numbers>
#include <vector>

#include "tools/databuild/bunch_decorations.h"
#include "tools/databuild/cairo_picture.h"
#include "tools/databuild/particle_sprites.h"
#include "tools/databuild/sprite_quantiser.h"

namespace databuild {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kColours = 64;

// One frame: its picture, where the origin lies in it, and its rectangles (origin-relative).
struct Frame {
  ArgbPicture picture;
  int originX = 0, originY = 0;
  std::vector<SpriteRect> rects;
};

uint32_t MixRgb(uint32_t a, uint32_t b, double t) {
  auto channel = [&](int shift) {
    const double x = (a >> shift) & 0xFF, y = (b >> shift) & 0xFF;
    return static_cast<uint32_t>(std::lround(x + (y - x) * t)) << shift;
  };
  return channel(16) | channel(8) | channel(0);
}

// Palette 0 recoloured along rgb's ramp by each entry's lightness (the key stays).
std::vector<uint32_t> Recoloured(const std::vector<uint32_t>& palette, uint32_t rgb) {
  std::vector<uint32_t> out = palette;
  const uint32_t deep = MixRgb(rgb, 0x000000, 0.65), pale = MixRgb(rgb, 0xFFFFFF, 0.75);
  for (size_t i = 1; i < out.size(); i++) {
    const uint32_t c = out[i];
    const double l = (((c >> 16) & 0xFF) + ((c >> 8) & 0xFF) + (c & 0xFF)) / (3 * 255.0);
    const uint32_t m =
        l < 0.55 ? MixRgb(deep, rgb, l / 0.55) : MixRgb(rgb, pale, (l - 0.55) / 0.45);
    out[i] = (c & 0xFF000000u) | m;
  }
  return out;
}

// The frames as one sprite with the animations given (lists of frame, ticks), and `palettes`
// palettes: 0 as drawn, then one per bubble colour.
SpriteData Assemble(const std::vector<Frame>& frames,
                    const std::vector<std::vector<std::pair<int, int>>>& animations, int palettes) {
  std::vector<ArgbPicture> pictures;
  for (const Frame& f : frames) pictures.push_back(f.picture);
  const QuantisedSprite q = Quantise(pictures, kColours);
  SpriteData s = QuantisedSpriteData(q);
  bool rects = false;
  for (const Frame& f : frames) rects = rects || !f.rects.empty();
  s.flags |= sprite_flags::kWideModuleSizes | sprite_flags::kWideFrameValues;
  if (rects) s.flags |= sprite_flags::kFrameRects;
  for (size_t i = 0; i < frames.size(); i++) {
    s.modules.push_back(QuantisedModule(q, pictures, i));
    const SpriteFModule part[] = {{static_cast<int>(i), -frames[i].originX, -frames[i].originY, 0}};
    AddFrame(s, part, frames[i].rects);
  }
  for (const auto& animation : animations) {
    std::vector<SpriteAFrame> aframes;
    for (const auto& [frame, ticks] : animation) aframes.push_back({frame, ticks, 0, 0, 0});
    AddAnimation(s, aframes);
  }
  for (int p = 1; p < palettes; p++) {
    s.palettes.push_back(Recoloured(s.palettes[0], kBubbleColours[(p - 1) % 7]));
  }
  return s;
}

// A brushed-metal stroke along the current path: a dark edge under a light core.
void MetalStroke(cairo_t* cr, double width) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, width);
  SetSourceRgb(cr, 0x3A3A3A);
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, width * 0.55);
  SetSourceRgb(cr, 0xC8C8C8);
  cairo_stroke(cr);
}

// A round metal plate of radius r at (cx, cy).
void Plate(cairo_t* cr, double cx, double cy, double r) {
  cairo_pattern_t* fill = cairo_pattern_create_radial(cx - r / 3, cy - r / 3, r / 6, cx, cy, r);
  cairo_pattern_add_color_stop_rgb(fill, 0, 0.95, 0.95, 0.95);
  cairo_pattern_add_color_stop_rgb(fill, 1, 0.45, 0.45, 0.45);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  cairo_set_source(cr, fill);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(fill);
  cairo_set_line_width(cr, 2);
  SetSourceRgb(cr, 0x2A2A2A);
  cairo_stroke(cr);
}

// ---- The rope anchor (slot 23) ----------------------------------------------------------------

constexpr int kAnchorSize = 44;

// Look v (0 ring, 1 hook, 2 knot, 3 bolt) hanging from a short rope, turned by `tilt`
// radians about the rope's top, scaled by `scale`; `broken` cuts the rope.
ArgbPicture Anchor(int look, double tilt, double scale, bool broken) {
  return DrawPicture(kAnchorSize, kAnchorSize, [=](cairo_t* cr) {
    const double c = kAnchorSize / 2.0;
    cairo_translate(cr, c, c);
    cairo_rotate(cr, tilt);
    cairo_scale(cr, scale, scale);
    // The rope from above the top edge down to the look.
    cairo_move_to(cr, 0, -c);
    cairo_line_to(cr, 0, broken ? -6 : 2);
    cairo_set_line_width(cr, 4);
    SetSourceRgb(cr, 0x8A6A3A);
    cairo_stroke(cr);
    if (broken) cairo_translate(cr, 3, 6);
    switch (look) {
      case 0:
        cairo_arc(cr, 0, 10, 8, 0, 2 * kPi);
        MetalStroke(cr, 5);
        break;
      case 1:
        cairo_move_to(cr, 0, 2);
        cairo_line_to(cr, 0, 12);
        cairo_arc(cr, -6, 12, 6, 0, kPi);
        MetalStroke(cr, 5);
        break;
      case 2:
        Plate(cr, 0, 10, 8);
        cairo_move_to(cr, -5, 6);
        cairo_line_to(cr, 5, 14);
        cairo_move_to(cr, 5, 6);
        cairo_line_to(cr, -5, 14);
        cairo_set_line_width(cr, 2);
        SetSourceRgb(cr, 0x303030);
        cairo_stroke(cr);
        break;
      default:
        cairo_rectangle(cr, -8, 4, 16, 12);
        SetSourceRgb(cr, 0xB0B0B0);
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 2);
        SetSourceRgb(cr, 0x2A2A2A);
        cairo_stroke(cr);
        Plate(cr, 0, 10, 3);
        break;
    }
  });
}

// ---- The hub and its spokes (slots 41 and 42) -------------------------------------------------

constexpr int kHubSize = 48;
constexpr int kSpokeSize = 96;  // a spoke reaches the next cell, 37 px out
constexpr double kCellStep = 37;

ArgbPicture Hub(double crack) {
  return DrawPicture(kHubSize, kHubSize, [=](cairo_t* cr) {
    const double c = kHubSize / 2.0;
    Plate(cr, c, c, 20 * (1 - crack * 0.3));
    for (int k = 0; k < 6; k++) {
      const double a = k * kPi / 3 + kPi / 6;
      Plate(cr, c + 13 * std::cos(a), c + 13 * std::sin(a), 2.5);
    }
    if (crack > 0) {
      cairo_move_to(cr, c - 12, c - 10);
      cairo_line_to(cr, c - 2, c + 2);
      cairo_line_to(cr, c + 10, c - 4);
      cairo_move_to(cr, c - 2, c + 2);
      cairo_line_to(cr, c + 2, c + 14);
      cairo_set_line_width(cr, 1.5 + crack * 2);
      SetSourceRgb(cr, 0x101010);
      cairo_stroke(cr);
    }
  });
}

// Direction k (0 right, then clockwise by sixty degrees): a stub, a spoke to the next cell, or
// a spoke broken in two (gap 0..1).
ArgbPicture Spoke(int k, double reach, double gap) {
  return DrawPicture(kSpokeSize, kSpokeSize, [=](cairo_t* cr) {
    const double c = kSpokeSize / 2.0, a = k * kPi / 3;
    const double dx = std::cos(a), dy = std::sin(a);
    const double from = 18, to = reach;
    if (gap > 0) {
      const double mid = (from + to) / 2;
      cairo_move_to(cr, c + dx * from, c + dy * from);
      cairo_line_to(cr, c + dx * (mid - 4 * gap), c + dy * (mid - 4 * gap));
      cairo_move_to(cr, c + dx * (mid + 4 * gap) - dy * 5 * gap,
                    c + dy * (mid + 4 * gap) + dx * 5 * gap);
      cairo_line_to(cr, c + dx * to - dy * 8 * gap, c + dy * to + dx * 8 * gap);
    } else {
      cairo_move_to(cr, c + dx * from, c + dy * from);
      cairo_line_to(cr, c + dx * to, c + dy * to);
    }
    MetalStroke(cr, 6);
    Plate(cr, c + dx * to, c + dy * to, 4);
  });
}

// ---- The rising floor's platform (slot 43) ----------------------------------------------------

constexpr int kPlatformW = 112, kPlatformH = 26;

// A plank platform on two struts; `crack` splits it (0 whole, 1 apart).
ArgbPicture Platform(double crack) {
  return DrawPicture(kPlatformW, kPlatformH, [=](cairo_t* cr) {
    const double half = kPlatformW / 2.0;
    for (int side = 0; side < 2; side++) {
      const double shift = (side == 0 ? -1 : 1) * crack * 8, drop = crack * 6;
      const double x0 = side == 0 ? 2 : half, x1 = side == 0 ? half : kPlatformW - 2;
      cairo_rectangle(cr, x0 + shift, 2 + drop, x1 - x0, 12);
      SetSourceRgb(cr, 0xB07A40);
      cairo_fill_preserve(cr);
      cairo_set_line_width(cr, 2);
      SetSourceRgb(cr, 0x4A2E12);
      cairo_stroke(cr);
      const double strut = side == 0 ? 18 : kPlatformW - 18;
      cairo_move_to(cr, strut + shift, 14 + drop);
      cairo_line_to(cr, strut + shift, kPlatformH - 1);
      MetalStroke(cr, 4);
    }
  });
}

// ---- The lock and its feeder top (slot 44) ----------------------------------------------------

constexpr int kLockW = 72, kLockH = 84;  // origin at the bunch centre, 44 px from the top

// The lock facing right (or left, `mirror`): a padlock body with a shackle, shaken by `shake`
// px and opened by `open` (0 shut, 1 wide).
ArgbPicture Lock(bool mirror, double shake, double open) {
  return DrawPicture(kLockW, kLockH, [=](cairo_t* cr) {
    if (mirror) {
      cairo_translate(cr, kLockW, 0);
      cairo_scale(cr, -1, 1);
    }
    cairo_translate(cr, shake, 0);
    cairo_move_to(cr, 22, 40);
    cairo_line_to(cr, 22, 22 - 10 * open);
    cairo_arc(cr, 36, 22 - 10 * open, 14, kPi, 2 * kPi);
    cairo_line_to(cr, 50, 30 - 10 * open);
    MetalStroke(cr, 7);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, 40, 0, 80);
    cairo_pattern_add_color_stop_rgb(fill, 0, 0.98, 0.84, 0.35);
    cairo_pattern_add_color_stop_rgb(fill, 1, 0.62, 0.44, 0.10);
    cairo_rectangle(cr, 12, 38, 48, 40);
    cairo_set_source(cr, fill);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(fill);
    cairo_set_line_width(cr, 2.5);
    SetSourceRgb(cr, 0x3A2A08);
    cairo_stroke(cr);
    cairo_arc(cr, 36, 54, 5, 0, 2 * kPi);
    SetSourceRgb(cr, 0x2A1E06);
    cairo_fill(cr);
    cairo_move_to(cr, 36, 56);
    cairo_line_to(cr, 36, 68);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    // An arrow on the side the lock opens toward.
    cairo_move_to(cr, 58, 44);
    cairo_line_to(cr, 68, 50);
    cairo_line_to(cr, 58, 56);
    cairo_close_path(cr);
    SetSourceRgb(cr, 0xFFFFFF);
    cairo_fill(cr);
  });
}

constexpr int kTopW = 64, kTopH = 30;

// The feeder's top: a funnel the rows come out of, its mouth to the right (or left).
ArgbPicture FeederTop(bool mirror) {
  return DrawPicture(kTopW, kTopH, [=](cairo_t* cr) {
    if (mirror) {
      cairo_translate(cr, kTopW, 0);
      cairo_scale(cr, -1, 1);
    }
    cairo_move_to(cr, 4, 2);
    cairo_line_to(cr, 60, 2);
    cairo_line_to(cr, 44, 28);
    cairo_line_to(cr, 20, 28);
    cairo_close_path(cr);
    SetSourceRgb(cr, 0x7A8AA0);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 2);
    SetSourceRgb(cr, 0x1E2838);
    cairo_stroke(cr);
    cairo_move_to(cr, 14, 9);
    cairo_line_to(cr, 50, 9);
    SetSourceRgb(cr, 0xE0E8F0);
    cairo_stroke(cr);
  });
}

// ---- The flying carrier (slot 45) ---------------------------------------------------------

constexpr int kCarrierW = 80, kCarrierH = 64;

// A small balloon with a basket, facing right (or left); `flap` lifts the pennant, `lean`
// tips it back as a push drives it out.
ArgbPicture Carrier(bool mirror, double flap, double lean) {
  return DrawPicture(kCarrierW, kCarrierH, [=](cairo_t* cr) {
    if (mirror) {
      cairo_translate(cr, kCarrierW, 0);
      cairo_scale(cr, -1, 1);
    }
    cairo_translate(cr, 40, 32);
    cairo_rotate(cr, -lean);
    cairo_arc(cr, 0, -10, 18, 0, 2 * kPi);
    cairo_pattern_t* fill = cairo_pattern_create_radial(-6, -16, 2, 0, -10, 18);
    cairo_pattern_add_color_stop_rgb(fill, 0, 1.0, 0.92, 0.88);
    cairo_pattern_add_color_stop_rgb(fill, 1, 0.86, 0.30, 0.24);
    cairo_set_source(cr, fill);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(fill);
    cairo_set_line_width(cr, 2);
    SetSourceRgb(cr, 0x5A1410);
    cairo_stroke(cr);
    cairo_move_to(cr, -10, 4);
    cairo_line_to(cr, -7, 16);
    cairo_move_to(cr, 10, 4);
    cairo_line_to(cr, 7, 16);
    cairo_set_line_width(cr, 1.5);
    SetSourceRgb(cr, 0x3A3A3A);
    cairo_stroke(cr);
    cairo_rectangle(cr, -10, 16, 20, 12);
    SetSourceRgb(cr, 0xA0703A);
    cairo_fill_preserve(cr);
    SetSourceRgb(cr, 0x3A2410);
    cairo_stroke(cr);
    // The pennant points the way it flies.
    cairo_move_to(cr, 18, -10);
    cairo_line_to(cr, 34, -14 - 6 * flap);
    cairo_line_to(cr, 20, -2);
    cairo_close_path(cr);
    SetSourceRgb(cr, 0xF0D040);
    cairo_fill(cr);
  });
}

// ---- The feeder chute (slot 51) -----------------------------------------------------------

constexpr int kChuteW = 56, kChuteH = 64;
constexpr int kWindowX = 0, kWindowY = -14;  // the next bubble's centre, from the origin

// A chute with a round window where the next bubble shows, its spout to the right (or left).
ArgbPicture Chute(bool mirror) {
  return DrawPicture(kChuteW, kChuteH, [=](cairo_t* cr) {
    if (mirror) {
      cairo_translate(cr, kChuteW, 0);
      cairo_scale(cr, -1, 1);
    }
    cairo_rectangle(cr, 6, 2, 44, 48);
    SetSourceRgb(cr, 0x5A6A80);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 2);
    SetSourceRgb(cr, 0x1A2230);
    cairo_stroke(cr);
    cairo_move_to(cr, 50, 40);
    cairo_line_to(cr, 54, 62);
    cairo_line_to(cr, 36, 50);
    cairo_close_path(cr);
    SetSourceRgb(cr, 0x5A6A80);
    cairo_fill_preserve(cr);
    SetSourceRgb(cr, 0x1A2230);
    cairo_stroke(cr);
    cairo_arc(cr, 28 + kWindowX, 32 + kWindowY, 16, 0, 2 * kPi);
    SetSourceRgb(cr, 0x101418);
    cairo_fill_preserve(cr);
    SetSourceRgb(cr, 0xD0D8E0);
    cairo_stroke(cr);
  });
}

}  // namespace

// Frames: per look its two sway frames (0..7), then the appearance (8..10), the snap
// (11..13) and the nudges right (14, 15) and left (16, 17).
SpriteData BunchAnchorSprite() {
  constexpr double kSway = 0.1, kNudge = 0.3;
  const int c = kAnchorSize / 2;
  std::vector<Frame> frames;
  for (int look = 0; look < kAnchorLooks; look++) {
    frames.push_back({Anchor(look, -kSway, 1, false), c, c, {}});
    frames.push_back({Anchor(look, kSway, 1, false), c, c, {}});
  }
  for (const double scale : {0.4, 0.7, 1.0})
    frames.push_back({Anchor(0, 0, scale, false), c, c, {}});
  for (const double scale : {1.0, 0.8, 0.5})
    frames.push_back({Anchor(0, 0.4, scale, true), c, c, {}});
  for (const double tilt : {-kNudge, -kNudge / 2, kNudge, kNudge / 2}) {
    frames.push_back({Anchor(0, tilt, 1, false), c, c, {}});
  }
  std::vector<std::vector<std::pair<int, int>>> animations;
  for (int look = 0; look < kAnchorLooks; look++) {
    animations.push_back({{2 * look, 6}, {2 * look + 1, 6}});
  }
  animations.push_back({{8, 2}, {9, 2}, {10, 2}});
  animations.push_back({{11, 2}, {12, 2}, {13, 2}});
  animations.push_back({{14, 3}, {15, 3}, {0, 1}});
  animations.push_back({{16, 3}, {17, 3}, {1, 1}});
  return Assemble(frames, animations, kAnchorPalettes);
}

SpriteData HubSprite() {
  const int c = kHubSize / 2;
  // Rectangle 0 the spokes' place, 1 the core's: both the hub's centre.
  const std::vector<SpriteRect> centre = {{0, 0, 1, 1}, {0, 0, 1, 1}};
  const std::vector<Frame> frames = {
      {Hub(0), c, c, centre}, {Hub(0.5), c, c, centre}, {Hub(1), c, c, centre}};
  return Assemble(frames, {{{0, 1}}, {{1, 3}, {2, 3}}}, 1);
}

// Frames per direction: the stub (k), the spoke (6 + k) and its break (12 + 2k, 13 + 2k).
SpriteData SpokeSprite() {
  const int c = kSpokeSize / 2;
  std::vector<Frame> frames;
  for (int k = 0; k < 6; k++) frames.push_back({Spoke(k, 26, 0), c, c, {}});
  for (int k = 0; k < 6; k++) frames.push_back({Spoke(k, kCellStep, 0), c, c, {}});
  for (int k = 0; k < 6; k++) {
    frames.push_back({Spoke(k, kCellStep, 0.5), c, c, {}});
    frames.push_back({Spoke(k, kCellStep, 1), c, c, {}});
  }
  std::vector<std::vector<std::pair<int, int>>> animations;
  for (int k = 0; k < 6; k++) animations.push_back({{k, 1}});
  animations.push_back({{0, 1}});
  for (int k = 0; k < 6; k++) animations.push_back({{6 + k, 1}});
  animations.push_back({{6, 1}});
  for (int k = 0; k < 6; k++) animations.push_back({{12 + 2 * k, 2}, {13 + 2 * k, 2}});
  return Assemble(frames, animations, kSpokePalettes);
}

// Frame 0 a small plank, frame 1 the platform (hanging from its top centre), 2 and 3 its
// break; animation 1 rests, 2 breaks. Rectangle 0 of every frame is the core's place, at the
// struts' feet.
SpriteData PlatformSprite() {
  const int c = kPlatformW / 2;
  const std::vector<SpriteRect> core = {{0, kPlatformH, 1, 1}};
  const std::vector<Frame> frames = {{Crop(Platform(0), 0, 0, c, kPlatformH), c / 2, 0, core},
                                     {Platform(0), c, 0, core},
                                     {Platform(0.5), c, 0, core},
                                     {Platform(1), c, 0, core}};
  return Assemble(frames, {{{0, 1}}, {{1, 1}}, {{2, 2}, {3, 2}}}, 1);
}

// Frames: shut right (0) and left (1), shaken (2, 3 and 4, 5), opening (6, 7 and 8, 9), the
// feeder's top right (10) and left (11). Rectangle 3 of the shut frames is the top's place.
SpriteData LockSprite() {
  const int ox = kLockW / 2, oy = 44;
  const std::vector<SpriteRect> rects = {{-24, -6, 48, 40},
                                         {-14, -34, 28, 28},
                                         {-36, -44, 72, 84},
                                         {-kTopW / 2, -44 - kTopH, kTopW, kTopH}};
  std::vector<Frame> frames;
  for (const bool mirror : {false, true}) frames.push_back({Lock(mirror, 0, 0), ox, oy, rects});
  for (const bool mirror : {false, true}) {
    frames.push_back({Lock(mirror, -3, 0), ox, oy, {}});
    frames.push_back({Lock(mirror, 3, 0), ox, oy, {}});
  }
  for (const bool mirror : {false, true}) {
    frames.push_back({Lock(mirror, 0, 0.5), ox, oy, {}});
    frames.push_back({Lock(mirror, 0, 1), ox, oy, {}});
  }
  for (const bool mirror : {false, true})
    frames.push_back({FeederTop(mirror), kTopW / 2, kTopH, {}});
  // Per side (right: animations 0..8, left: 9..17): shut, shaken, opening, open, shaking
  // hard, then shut again for 5 to 8.
  std::vector<std::vector<std::pair<int, int>>> animations;
  for (int side = 0; side < 2; side++) {
    const int shut = side, shake = 2 + 2 * side, open = 6 + 2 * side;
    animations.push_back({{shut, 1}});
    animations.push_back({{shake, 2}, {shake + 1, 2}});
    animations.push_back({{open, 2}, {open + 1, 2}});
    animations.push_back({{open + 1, 1}});
    animations.push_back({{shake, 1}, {shake + 1, 1}, {shake, 1}, {shake + 1, 1}});
    for (int a = 5; a < 9; a++) animations.push_back({{shut, 1}});
  }
  for (int a = 18; a < 21; a++) animations.push_back({{a % 2, 1}});
  animations.push_back({{10, 1}});
  animations.push_back({{11, 1}});
  return Assemble(frames, animations, 1);
}

// The carrier's anchor stands 40 px past its screen edge, so every frame draws the balloon
// kCarrierReach px inward of the origin (right of it for the left-edge set 0..7, which flies
// right; left of it for the right-edge set 8..15). Rectangle 0 is the held bubble's centre under
// the basket, 1 to 3 the balloon, the basket and the pennant. Per set: 0 to 2 flying, 3 to 5
// idle (3 and 4 flapping slow and fast, 5 a swing that takes the held bubble out past the
// anchor, where it is thrown), 6 pushed, 7 leaving after a won level (once, out past the edge).
constexpr int kCarrierReach = 80;
constexpr int kHeldY = 46;  // px below the balloon's centre: the held bubble

SpriteData CarrierSprite() {
  // For one set: the frames with the balloon at `reach` px inward (negative: outward), the
  // held bubble at `held` px from the balloon's centre.
  auto side = [](bool mirror, std::vector<Frame>& frames) {
    const int in = mirror ? -1 : 1;  // the inward direction on the screen
    auto frame = [&](double flap, double lean, int reach, int held) {
      const int bx = in * reach;  // the balloon's centre from the origin
      const std::vector<SpriteRect> rects = {{bx + in * held - 1, kHeldY - 1, 2, 2},
                                             {bx - 18, -28, 36, 36},
                                             {bx - 10, 16, 20, 12},
                                             {mirror ? bx - 34 : bx + 18, -20, 16, 18}};
      frames.push_back({Carrier(mirror, flap, lean), kCarrierW / 2 - bx, kCarrierH / 2, rects});
    };
    frame(0, 0, kCarrierReach, 0);                        // +0 flap down
    frame(1, 0, kCarrierReach, 0);                        // +1 flap up
    frame(1, 0.3, kCarrierReach, 0);                      // +2 pushed
    frame(0, -0.2, kCarrierReach - 10, 0);                // +3 drawing back
    frame(1, -0.35, kCarrierReach - 20, -kCarrierReach);  // +4 swung out: the bubble past it
    frame(1, 0.1, kCarrierReach / 2, 0);                  // +5..+7 leaving
    frame(0, 0.2, 0, 0);
    frame(1, 0.3, -kCarrierReach / 2, 0);
  };
  std::vector<Frame> frames;
  side(false, frames);
  side(true, frames);
  constexpr int kPerSet = 8;
  std::vector<std::vector<std::pair<int, int>>> animations;
  for (int set = 0; set < 2; set++) {
    const int f = set * kPerSet;
    const std::vector<std::pair<int, int>> flying = {{f, 5}, {f + 1, 5}};
    for (int a = 0; a < 3; a++) animations.push_back(flying);
    animations.push_back({{f, 8}, {f + 1, 8}});
    animations.push_back({{f, 3}, {f + 1, 3}});
    animations.push_back({{f, 6}, {f + 3, 6}, {f + 4, 4}, {f + 3, 4}, {f + 1, 6}});
    animations.push_back({{f + 2, 4}, {f, 2}});
    animations.push_back({{f + 1, 3}, {f + 5, 3}, {f + 6, 3}, {f + 7, 3}});
  }
  return Assemble(frames, animations, 1);
}

// Frames: the chute on the left of the screen (spout right, 0) and on the right (1);
// rectangle 0 the next bubble's centre.
SpriteData ChuteSprite() {
  const int ox = kChuteW / 2, oy = kChuteH / 2;
  const std::vector<SpriteRect> window = {{kWindowX, kWindowY, 0, 0}};
  const std::vector<Frame> frames = {{Chute(false), ox, oy, window}, {Chute(true), ox, oy, window}};
  return Assemble(frames, {{{0, 1}}, {{1, 1}}}, 1);
}

}  // namespace databuild
