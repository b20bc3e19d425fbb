// Pictures drawn with Cairo for the builder's sprites: anti-aliased shapes, gradients and
// outlines rendered into a w x h ARGB buffer, read back unpremultiplied (0xAARRGGBB).
#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace databuild {

struct ArgbPicture {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // rows from the top, 0xAARRGGBB, not premultiplied

  uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// A transparent w x h picture that draw paints on (with Cairo's default anti-aliasing).
ArgbPicture DrawPicture(int w, int h, const std::function<void(cairo_t*)>& draw);

// The part (x, y, w, h) of a picture.
ArgbPicture Crop(const ArgbPicture& picture, int x, int y, int w, int h);

// Adds a closed sub-path of the rectangle (x, y, w, h) with corners of radius r.
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);

// Adds a closed star about (0, 0) with its first point up: `points` points at radius outer,
// the corners between them at radius inner.
void AddStarPath(cairo_t* cr, double outer, double inner, int points);
// Fills the current path in rgb `fill`, then strokes it `width` wide in rgb `outline`.
void FillAndOutline(cairo_t* cr, uint32_t fill, double width, uint32_t outline);

// Cairo colours from 0xRRGGBB.
void SetSourceRgb(cairo_t* cr, uint32_t rgb, double alpha = 1.0);
// A w x h picture filled with a vertical gradient from rgb `top` to rgb `bottom`.
ArgbPicture VerticalGradient(int w, int h, uint32_t top, uint32_t bottom);
// A size x size picture of one bubble of the colour (DrawBubble) filling it.
ArgbPicture BubblePicture(int size, uint32_t rgb);

// A glossy bubble of radius r at (cx, cy): a radial fill from a light spot to the colour's
// shade, a darker rim and a white highlight.
void DrawBubble(cairo_t* cr, double cx, double cy, double r, uint32_t rgb);

}  // namespace databuild
