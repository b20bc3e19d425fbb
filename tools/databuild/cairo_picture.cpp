// Cairo rendering into ARGB pictures, and the drawing pieces the sprites share.
#include "tools/databuild/cairo_picture.h"

#include <cmath>
#include <numbers>

#include "tools/databuild/build_error.h"

namespace databuild {

namespace {

// Cairo's premultiplied pixel as a plain 0xAARRGGBB colour, rounded.
uint32_t Unpremultiplied(uint32_t p) {
  const uint32_t a = p >> 24;
  if (a == 0) return 0;
  uint32_t out = a << 24;
  for (int shift = 0; shift < 24; shift += 8) {
    const uint32_t c = (p >> shift) & 0xFF;
    out |= std::min<uint32_t>(255, (c * 255 + a / 2) / a) << shift;
  }
  return out;
}

double Channel(uint32_t rgb, int shift, double scale) {
  return std::min(1.0, ((rgb >> shift) & 0xFF) / 255.0 * scale);
}

}  // namespace

ArgbPicture DrawPicture(int w, int h, const std::function<void(cairo_t*)>& draw) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    throw BuildError("sprite art: Cairo cannot make a surface");
  }
  cairo_t* cr = cairo_create(surface);
  draw(cr);
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  ArgbPicture picture{w, h, {}};
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < h; y++) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = 0; x < w; x++) picture.pixels.push_back(Unpremultiplied(row[x]));
  }
  cairo_surface_destroy(surface);
  return picture;
}

ArgbPicture Crop(const ArgbPicture& picture, int x, int y, int w, int h) {
  ArgbPicture part{w, h, {}};
  for (int row = y; row < y + h; row++) {
    for (int column = x; column < x + w; column++) part.pixels.push_back(picture.at(column, row));
  }
  return part;
}

ArgbPicture VerticalGradient(int w, int h, uint32_t top, uint32_t bottom) {
  return DrawPicture(w, h, [h, top, bottom](cairo_t* cr) {
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgb(gradient, 0, Channel(top, 16, 1), Channel(top, 8, 1),
                                     Channel(top, 0, 1));
    cairo_pattern_add_color_stop_rgb(gradient, 1, Channel(bottom, 16, 1), Channel(bottom, 8, 1),
                                     Channel(bottom, 0, 1));
    cairo_set_source(cr, gradient);
    cairo_paint(cr);
    cairo_pattern_destroy(gradient);
  });
}

ArgbPicture BubblePicture(int size, uint32_t rgb) {
  return DrawPicture(size, size, [size, rgb](cairo_t* cr) {
    DrawBubble(cr, size / 2.0, size / 2.0, size / 2.0 - 1, rgb);
  });
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  constexpr double kPi = std::numbers::pi;
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
  cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
  cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
  cairo_close_path(cr);
}

void AddStarPath(cairo_t* cr, double outer, double inner, int points) {
  for (int i = 0; i < 2 * points; i++) {
    const double a = -std::numbers::pi / 2 + i * std::numbers::pi / points;
    const double r = i % 2 ? inner : outer;
    if (i == 0) {
      cairo_move_to(cr, r * std::cos(a), r * std::sin(a));
    } else {
      cairo_line_to(cr, r * std::cos(a), r * std::sin(a));
    }
  }
  cairo_close_path(cr);
}

void FillAndOutline(cairo_t* cr, uint32_t fill, double width, uint32_t outline) {
  SetSourceRgb(cr, fill);
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, width);
  SetSourceRgb(cr, outline);
  cairo_stroke(cr);
}

void SetSourceRgb(cairo_t* cr, uint32_t rgb, double alpha) {
  cairo_set_source_rgba(cr, Channel(rgb, 16, 1), Channel(rgb, 8, 1), Channel(rgb, 0, 1), alpha);
}

void DrawBubble(cairo_t* cr, double cx, double cy, double r, uint32_t rgb) {
  cairo_pattern_t* body =
      cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.4, r * 0.1, cx, cy, r);
  cairo_pattern_add_color_stop_rgb(body, 0, Channel(rgb, 16, 1.6), Channel(rgb, 8, 1.6),
                                   Channel(rgb, 0, 1.6));
  cairo_pattern_add_color_stop_rgb(body, 0.55, Channel(rgb, 16, 1), Channel(rgb, 8, 1),
                                   Channel(rgb, 0, 1));
  cairo_pattern_add_color_stop_rgb(body, 1, Channel(rgb, 16, 0.55), Channel(rgb, 8, 0.55),
                                   Channel(rgb, 0, 0.55));
  cairo_arc(cr, cx, cy, r, 0, 2 * std::numbers::pi);
  cairo_set_source(cr, body);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(body);
  cairo_set_line_width(cr, std::max(1.5, r * 0.08));
  cairo_set_source_rgba(cr, Channel(rgb, 16, 0.4), Channel(rgb, 8, 0.4), Channel(rgb, 0, 0.4), 1);
  cairo_stroke(cr);
  // The highlight: a white ellipse up and to the left.
  cairo_save(cr);
  cairo_translate(cr, cx - r * 0.38, cy - r * 0.45);
  cairo_rotate(cr, -0.6);
  cairo_scale(cr, r * 0.32, r * 0.18);
  cairo_arc(cr, 0, 0, 1, 0, 2 * std::numbers::pi);
  cairo_restore(cr);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.85);
  cairo_fill(cr);
}

}  // namespace databuild
