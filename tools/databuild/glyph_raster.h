// Glyphs of an outline font rendered with FreeType for the builder's bitmap fonts: each glyph
// as two coverage maps on one grid, the letter itself and a stroked border around it moved
// down and right as a shadow, placed relative to the pen on the baseline. The same face, size,
// border and shadow give the same bytes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace databuild {

// The DejaVu faces the fonts are drawn from, opened by path (no font configuration).
constexpr const char* kDejaVuSansBold = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

struct GlyphRaster {
  int left = 0;   // the grid's first column, in pixels right of the pen
  int top = 0;    // the grid's first row, in pixels below the baseline (negative: above)
  int width = 0;  // 0 for a glyph that marks nothing (the space)
  int height = 0;
  int advance = 0;  // whole pixels from this pen position to the next, the border included
  std::vector<uint8_t> fill;    // coverage of the letter, 0..255, rows from the top
  std::vector<uint8_t> border;  // coverage of the letter and its border, 0..255

  uint8_t fillAt(int x, int y) const { return fill[static_cast<size_t>(y) * width + x]; }
  uint8_t borderAt(int x, int y) const { return border[static_cast<size_t>(y) * width + x]; }
};

// A face at one pixel size with one border width. Throws BuildError when the face cannot be
// opened or sized, or a character it lacks is asked for.
class GlyphRasteriser {
 public:
  // pixelSize: the em in pixels; border: the stroke's radius in pixels (0 for none); shadow:
  // whole pixels the border is moved right and down, so it lies mostly behind the letter's
  // lower right and a glyph drawn again one pixel on (bold) thickens the letter.
  GlyphRasteriser(const std::string& path, int pixelSize, double border, int shadow);
  ~GlyphRasteriser();
  GlyphRasteriser(const GlyphRasteriser&) = delete;
  GlyphRasteriser& operator=(const GlyphRasteriser&) = delete;

  // Whole pixels from the baseline up to the top of the tallest glyph, and down to the
  // bottom of the deepest, the border included.
  int ascent() const { return ascent_; }
  int descent() const { return descent_; }
  bool hasGlyph(char32_t c) const;
  GlyphRaster render(char32_t c) const;

 private:
  struct Face;
  std::unique_ptr<Face> face_;
  int ascent_ = 0;
  int descent_ = 0;
  int lead_ = 0;    // whole pixels the border reaches left of and above the letter
  int shadow_ = 0;  // pixels the border is moved right and down
};

}  // namespace databuild
