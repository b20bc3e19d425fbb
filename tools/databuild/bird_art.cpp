// The flying bird of slot 24: a round white body with a dark eye, an orange beak and a tail,
// its wings beating through four poses. The left-flying frames are the right-flying ones
// mirrored, so both directions share one drawing.
#include <cmath>
#include <numbers>
#include <vector>

#include "tools/databuild/bird_sprites.h"
#include "tools/databuild/cairo_picture.h"
#include "tools/databuild/sprite_quantiser.h"

namespace databuild {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kBirdW = 48, kBirdH = 40;  // the body's centre at the picture's centre
constexpr int kBeatTicks = 2;            // 80 ms a pose
constexpr uint32_t kBody = 0xF4F6FA, kShade = 0x9AA6BC, kInk = 0x263040, kBeak = 0xF09A28;

// One wing raised by `lift` (1 up, -1 down), seen from the side, its root on the body's back.
void Wing(cairo_t* cr, double lift) {
  const double tipY = -15 * lift;
  cairo_move_to(cr, -6, -2);
  cairo_curve_to(cr, -10, tipY * 0.6 - 4, -16, tipY - 2, -20, tipY);
  cairo_curve_to(cr, -10, tipY * 0.5, -2, tipY * 0.3 + 2, 6, -1);
  cairo_close_path(cr);
  SetSourceRgb(cr, lift > 0 ? kBody : kShade);
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, 1.6);
  SetSourceRgb(cr, kInk);
  cairo_stroke(cr);
}

// The bird flying to the right with its wings at `lift`; `facingLeft` mirrors it.
ArgbPicture Bird(double lift, bool facingLeft) {
  return DrawPicture(kBirdW, kBirdH, [=](cairo_t* cr) {
    cairo_translate(cr, kBirdW / 2.0, kBirdH / 2.0);
    if (facingLeft) cairo_scale(cr, -1, 1);
    cairo_set_line_width(cr, 1.6);
    // Tail: a fan behind the body.
    cairo_move_to(cr, -10, 1);
    cairo_line_to(cr, -21, -4);
    cairo_line_to(cr, -19, 3);
    cairo_line_to(cr, -21, 8);
    cairo_close_path(cr);
    SetSourceRgb(cr, kShade);
    cairo_fill_preserve(cr);
    SetSourceRgb(cr, kInk);
    cairo_stroke(cr);
    if (lift < 0) Wing(cr, lift);  // a lowered wing hangs behind the body's outline
    // Body and head.
    cairo_save(cr);
    cairo_scale(cr, 1.35, 1);
    cairo_arc(cr, 0, 2, 8, 0, 2 * kPi);
    cairo_restore(cr);
    SetSourceRgb(cr, kBody);
    cairo_fill_preserve(cr);
    SetSourceRgb(cr, kInk);
    cairo_stroke(cr);
    cairo_arc(cr, 11, -3, 6, 0, 2 * kPi);
    SetSourceRgb(cr, kBody);
    cairo_fill_preserve(cr);
    SetSourceRgb(cr, kInk);
    cairo_stroke(cr);
    // Beak and eye.
    cairo_move_to(cr, 16, -5);
    cairo_line_to(cr, 23, -2);
    cairo_line_to(cr, 16, 0);
    cairo_close_path(cr);
    SetSourceRgb(cr, kBeak);
    cairo_fill_preserve(cr);
    SetSourceRgb(cr, kInk);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_arc(cr, 12.5, -4.5, 1.7, 0, 2 * kPi);
    cairo_fill(cr);
    if (lift >= 0) Wing(cr, lift);
  });
}

}  // namespace

// Frames 0 to 3 the right-flying beat, 4 to 7 the left-flying one.
SpriteData BirdSprite() {
  const double lifts[kBirdWingBeats] = {1.0, 0.35, -0.7, 0.35};
  std::vector<ArgbPicture> pictures;
  for (const bool left : {false, true}) {
    for (const double lift : lifts) pictures.push_back(Bird(lift, left));
  }
  const QuantisedSprite q = Quantise(pictures, 32);
  SpriteData s = QuantisedSpriteData(q);
  for (size_t i = 0; i < pictures.size(); i++) {
    s.modules.push_back(QuantisedModule(q, pictures, i));
    const SpriteFModule part[] = {{static_cast<int>(i), -kBirdW / 2, -kBirdH / 2, 0}};
    AddFrame(s, part);
  }
  auto beat = [](int first) {
    std::vector<SpriteAFrame> frames;
    for (int f = 0; f < kBirdWingBeats; f++) frames.push_back({first + f, kBeatTicks, 0, 0, 0});
    return frames;
  };
  static_assert(kBirdFlightLeft == 0 && kBirdFlightRight == 1);
  AddAnimation(s, beat(kBirdWingBeats));
  AddAnimation(s, beat(0));
  return s;
}

}  // namespace databuild
