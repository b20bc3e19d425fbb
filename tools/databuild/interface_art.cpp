// The interface sprites of the boot screens and the popup (tools/databuild/ui_sprites.h says
// what each frame and animation holds), and the title background, all drawn with Cairo.
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "tools/databuild/cairo_picture.h"
#include "tools/databuild/png_writer.h"
#include "tools/databuild/sprite_quantiser.h"
#include "tools/databuild/ui_sprites.h"

namespace databuild {

namespace {

constexpr double kPi = std::numbers::pi;

// A plate of w x h filled from the light colour down to the dark one, with a dark rim.
void Plate(cairo_t* cr, double w, double h, uint32_t light, uint32_t dark) {
  RoundedRect(cr, 1.5, 1.5, w - 3, h - 3, std::min(12.0, h / 3));
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, 0, 0, h);
  cairo_pattern_add_color_stop_rgb(fill, 0, (light >> 16 & 0xFF) / 255.0,
                                   (light >> 8 & 0xFF) / 255.0, (light & 0xFF) / 255.0);
  cairo_pattern_add_color_stop_rgb(fill, 1, (dark >> 16 & 0xFF) / 255.0, (dark >> 8 & 0xFF) / 255.0,
                                   (dark & 0xFF) / 255.0);
  cairo_set_source(cr, fill);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(fill);
  cairo_set_line_width(cr, 3);
  SetSourceRgb(cr, 0x10203A);
  cairo_stroke(cr);
}

// A sprite of one part a picture, each frame its picture with its top-left corner at (x, y)
// from the origin.
struct Piece {
  ArgbPicture picture;
  int x, y;
};

SpriteData PieceSprite(const std::vector<Piece>& pieces, int colours) {
  std::vector<ArgbPicture> pictures;
  for (const Piece& piece : pieces) pictures.push_back(piece.picture);
  const QuantisedSprite q = Quantise(pictures, colours);
  SpriteData s = QuantisedSpriteData(q);
  for (size_t i = 0; i < pieces.size(); i++) {
    s.modules.push_back(QuantisedModule(q, pictures, i));
    const SpriteFModule part[] = {{static_cast<int>(i), pieces[i].x, pieces[i].y, 0}};
    AddFrame(s, part);
  }
  return s;
}

void AddStill(SpriteData& s, int frame) {
  const SpriteAFrame still[] = {{frame, 1, 0, 0, 0}};
  AddAnimation(s, still);
}

// ---- The overlay's glyphs -------------------------------------------------------------------

using Glyph = std::function<void(cairo_t*, double size)>;

void Tick(cairo_t* cr, double n) {
  cairo_move_to(cr, n * 0.28, n * 0.52);
  cairo_line_to(cr, n * 0.44, n * 0.68);
  cairo_line_to(cr, n * 0.74, n * 0.32);
}

void Back(cairo_t* cr, double n) {
  cairo_move_to(cr, n * 0.70, n * 0.50);
  cairo_line_to(cr, n * 0.30, n * 0.50);
  cairo_move_to(cr, n * 0.46, n * 0.32);
  cairo_line_to(cr, n * 0.28, n * 0.50);
  cairo_line_to(cr, n * 0.46, n * 0.68);
}

void Dot(cairo_t* cr, double n) {
  cairo_arc(cr, n / 2, n / 2, n * 0.12, 0, 2 * kPi);
}

// A soft-key plate of 74 x 74 with its glyph, lit or not.
ArgbPicture KeyPlate(const Glyph& glyph, bool lit) {
  constexpr int kSize = 74;
  return DrawPicture(kSize, kSize, [&](cairo_t* cr) {
    Plate(cr, kSize, kSize, lit ? 0xFFF070 : 0x9AC8F0, lit ? 0xE08A10 : 0x2A5A9A);
    if (!glyph) return;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    glyph(cr, kSize);
    cairo_set_line_width(cr, 7);
    SetSourceRgb(cr, 0xFFFFFF);
    cairo_stroke(cr);
  });
}

// An arrow of 32 x 32 pointing up, turned a quarter d times clockwise.
ArgbPicture Arrow(int quarters, bool lit) {
  constexpr int kSize = 32;
  return DrawPicture(kSize, kSize, [&](cairo_t* cr) {
    cairo_translate(cr, kSize / 2.0, kSize / 2.0);
    cairo_rotate(cr, quarters * kPi / 2);
    cairo_move_to(cr, 0, -13);
    cairo_line_to(cr, 13, 5);
    cairo_line_to(cr, 5, 5);
    cairo_line_to(cr, 5, 13);
    cairo_line_to(cr, -5, 13);
    cairo_line_to(cr, -5, 5);
    cairo_line_to(cr, -13, 5);
    cairo_close_path(cr);
    SetSourceRgb(cr, lit ? 0xFFD040 : 0xF4F4F4);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 2);
    SetSourceRgb(cr, 0x10203A);
    cairo_stroke(cr);
  });
}

}  // namespace

// ---- The box pieces -------------------------------------------------------------------------

SpriteData BoxPiecesSprite() {
  constexpr int kC = kBoxPieceSize, kL = kBoxEdgeLength;
  // An edge strip of the given length across, kC thick: a rim band with a light inner line.
  auto strip = [](int length, uint32_t rim, uint32_t line) {
    return DrawPicture(length, kC, [=](cairo_t* cr) {
      cairo_rectangle(cr, 0, 3, length, 9);
      SetSourceRgb(cr, 0x10203A);
      cairo_fill(cr);
      cairo_rectangle(cr, 0, 4, length, 7);
      SetSourceRgb(cr, rim);
      cairo_fill(cr);
      cairo_rectangle(cr, 0, 6.5, length, 2);
      SetSourceRgb(cr, line);
      cairo_fill(cr);
    });
  };
  // A corner stud, opaque over the ends of the edges beneath it, with a highlight.
  auto stud = [](uint32_t light, uint32_t dark) {
    return DrawPicture(kC, kC, [=](cairo_t* cr) {
      RoundedRect(cr, 0.5, 0.5, kC - 1, kC - 1, 4);
      SetSourceRgb(cr, 0x10203A);
      cairo_fill(cr);
      RoundedRect(cr, 2, 2, kC - 4, kC - 4, 3);
      cairo_pattern_t* fill = cairo_pattern_create_radial(5, 5, 1, 8, 8, 9);
      cairo_pattern_add_color_stop_rgb(fill, 0, 1, 1, 1);
      cairo_pattern_add_color_stop_rgb(fill, 0.35, (light >> 16 & 0xFF) / 255.0,
                                       (light >> 8 & 0xFF) / 255.0, (light & 0xFF) / 255.0);
      cairo_pattern_add_color_stop_rgb(fill, 1, (dark >> 16 & 0xFF) / 255.0,
                                       (dark >> 8 & 0xFF) / 255.0, (dark & 0xFF) / 255.0);
      cairo_set_source(cr, fill);
      cairo_fill(cr);
      cairo_pattern_destroy(fill);
    });
  };
  // The strip turned upright (columns become rows).
  auto upright = [](const ArgbPicture& across) {
    ArgbPicture down{across.height, across.width, std::vector<uint32_t>(across.pixels.size())};
    for (int y = 0; y < across.height; y++) {
      for (int x = 0; x < across.width; x++) down.pixels[x * down.width + y] = across.at(x, y);
    }
    return down;
  };
  constexpr uint32_t kRim = 0x5FA8E8, kLine = 0xE8F6FF, kGold = 0xF0B030, kGoldLine = 0xFFF2C0;
  const ArgbPicture across = strip(kL, kRim, kLine), goldAcross = strip(kL, kGold, kGoldLine);
  const std::vector<ArgbPicture> pictures = {stud(kRim, 0x1F5A9A), stud(kGold, 0x9A5A10), across,
                                             upright(across), goldAcross};
  const QuantisedSprite q = Quantise(pictures, 32);
  SpriteData s = QuantisedSpriteData(q);
  s.flags |=
      sprite_flags::kWideModuleSizes | sprite_flags::kWideFrameValues | sprite_flags::kFrameRects;
  for (size_t i = 0; i < pictures.size(); i++) s.modules.push_back(QuantisedModule(q, pictures, i));
  enum { kStud, kGoldStud, kAcross, kDown, kGoldAcross };
  // Each piece is painted at the box corner it belongs to (top edge and left column at the
  // top-left, right edge at the top-right, bottom edge at the bottom-right, left edge at the
  // bottom-left), so every part lies inside the box.
  auto corner = [&](int module, int dx, int dy) {
    const SpriteFModule part[] = {{module, dx, dy, 0}};
    AddFrame(s, part);
  };
  auto edge = [&](int module, int dx, int dy, SpriteRect cut) {
    const SpriteFModule part[] = {{module, dx, dy, 0}};
    const SpriteRect rect[] = {cut};
    AddFrame(s, part, rect);
  };
  corner(kStud, 0, 0);                            // 0 top left
  corner(kStud, -kC, 0);                          // 1 top right
  corner(kStud, 0, -kC);                          // 2 bottom left
  corner(kStud, -kC, -kC);                        // 3 bottom right
  edge(kAcross, 0, 0, {kC, 0, kL, kC});           // 4 top, from the top-left corner
  edge(kDown, -kC, 0, {-kC, kC, kC, kL});         // 5 right, from the top-right corner
  edge(kDown, 0, -kL, {0, 0, kC, kL});            // 6 left, up from the bottom-left
  edge(kAcross, -kL, -kC, {0, -kC, kL, kC});      // 7 bottom, left of the bottom-right
  corner(kGoldStud, 0, -kC);                      // 8 bottom left, style 1
  corner(kGoldStud, -kC, -kC);                    // 9 bottom right, style 1
  edge(kGoldAcross, -kL, -kC, {0, -kC, kL, kC});  // 10 bottom, style 1
  AddStill(s, 0);
  return s;
}

// ---- The popup's buttons --------------------------------------------------------------------

SpriteData PopupButtonSprite() {
  constexpr int kW = 300, kH = 48;
  auto button = [](uint32_t light, uint32_t dark) {
    return Piece{DrawPicture(kW, kH, [=](cairo_t* cr) { Plate(cr, kW, kH, light, dark); }), -kW / 2,
                 -kH / 2};
  };
  const Piece idle = button(0x6C8CB0, 0x22384F), chosen = button(0x9AE0FF, 0x1F6FC0),
              lit = button(0xFFF4A0, 0xE09A20);
  // Frames 0 to 3 the idle look too; 4 idle, 5 lit, 6 chosen.
  SpriteData s = PieceSprite({idle, lit, chosen}, 64);
  s.flags |= sprite_flags::kWideModuleSizes | sprite_flags::kWideFrameValues;
  s.frames.clear();
  s.fmodules.clear();
  for (const int module : {0, 0, 0, 0, 0, 1, 2}) {
    const SpriteFModule part[] = {{module, -kW / 2, -kH / 2, 0}};
    AddFrame(s, part);
  }
  for (int a = 0; a < kPopupButtonAnimation; a++) AddStill(s, kButtonIdleFrame);
  const SpriteAFrame flash[] = {{5, 2, 0, 0, 0}, {kButtonChosenFrame, 2, 0, 0, 0}};
  AddAnimation(s, flash);
  return s;
}

// ---- The touch overlay ----------------------------------------------------------------------

SpriteData OverlaySprite() {
  constexpr int kPlateX = 2, kPlateY = -78, kArrow = -16;
  const Glyph none, tick = Tick, back = Back, dot = Dot;
  std::vector<Piece> pieces = {{KeyPlate(none, false), kPlateX, kPlateY}};
  for (const Glyph& g : {tick, dot, none, back}) {
    pieces.push_back({KeyPlate(g, false), kPlateX, kPlateY});
    pieces.push_back({KeyPlate(g, true), kPlateX, kPlateY});
  }
  for (const bool lit : {false, true}) {
    for (int q = 0; q < 4; q++) pieces.push_back({Arrow(q, lit), kArrow, kArrow});
  }
  SpriteData s = PieceSprite(pieces, 96);
  // Frames: 0 the plain plate; 1, 2 confirm; 3, 4 the right key's own; 5, 6 the inert key;
  // 7, 8 back; 9 to 12 the arrows up, right, down, left; 13 to 16 the same lit.
  auto press = [&](int idle) {
    const SpriteAFrame frames[] = {{idle, 1, 0, 0, 0}, {idle + 1, 4, 0, 0, 0}};
    AddAnimation(s, frames);
  };
  AddStill(s, 0);                                               // 0
  AddStill(s, 0);                                               // 1
  press(1);                                                     // 2 confirm
  press(3);                                                     // 3 the right key's own
  for (const int arrow : {9, 11, 12, 10}) AddStill(s, arrow);   // 4 to 7: up, down, left, right
  AddStill(s, 0);                                               // 8
  press(5);                                                     // 9 inert
  AddStill(s, 0);                                               // 10
  press(7);                                                     // 11 back
  for (const int arrow : {16, 14, 13, 15}) AddStill(s, arrow);  // 12 to 15: left, right, up, down
  return s;
}

// ---- The title background -------------------------------------------------------------------

std::vector<uint8_t> TitlePng() {
  constexpr int kW = 480, kH = 800;
  const ArgbPicture picture = DrawPicture(kW, kH, [](cairo_t* cr) {
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, kH);
    cairo_pattern_add_color_stop_rgb(sky, 0, 0.16, 0.40, 0.78);
    cairo_pattern_add_color_stop_rgb(sky, 0.7, 0.55, 0.82, 0.98);
    cairo_pattern_add_color_stop_rgb(sky, 1, 0.80, 0.94, 0.84);
    cairo_set_source(cr, sky);
    cairo_paint(cr);
    cairo_pattern_destroy(sky);
    constexpr struct {
      double x, y, r;
      uint32_t rgb;
    } kBubbles[] = {{90, 180, 46, 0xE8452C},  {380, 140, 38, 0x34B24A}, {240, 300, 70, 0x3A7BE0},
                    {120, 420, 30, 0xF0C020}, {360, 400, 52, 0xB050D0}, {60, 620, 24, 0x30C0C0},
                    {420, 640, 28, 0xF08030}};
    for (const auto& b : kBubbles) DrawBubble(cr, b.x, b.y, b.r, b.rgb);
    cairo_rectangle(cr, 0, kH - 120, kW, 120);
    SetSourceRgb(cr, 0x2E7A3A, 0.85);
    cairo_fill(cr);
  });
  PngPicture png;
  png.width = kW;
  png.height = kH;
  png.colourType = 2;
  for (const uint32_t argb : picture.pixels) {
    for (const int shift : {16, 8, 0}) png.samples.push_back(static_cast<uint8_t>(argb >> shift));
  }
  return EncodePng(png);
}

}  // namespace databuild
