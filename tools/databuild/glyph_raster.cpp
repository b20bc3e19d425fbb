// FreeType rendering of one face: hinted glyphs in 8-bit grey, and their border stroked
// around the outline with round joins, both copied onto one grid per glyph.
#include "tools/databuild/glyph_raster.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_GLYPH_H
#include FT_STROKER_H

#include <algorithm>
#include <cmath>

#include "tools/databuild/build_error.h"

namespace databuild {

struct GlyphRasteriser::Face {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  FT_Stroker stroker = nullptr;
  std::string path;

  ~Face() {
    if (stroker) FT_Stroker_Done(stroker);
    if (face) FT_Done_Face(face);
    if (library) FT_Done_FreeType(library);
  }
};

namespace {

// FreeType's 26.6 fixed point.
constexpr int kSubpixels = 64;

int CeilPixels(FT_Pos v) {
  return static_cast<int>((v + kSubpixels - 1) / kSubpixels);
}

// One rendered bitmap: its box in pixels (x right of the pen, y below the baseline).
struct Coverage {
  int x = 0, y = 0, w = 0, h = 0;
  std::vector<uint8_t> grey;
};

// Renders a copy of glyph (stroked when stroker is given) and takes its grey bitmap.
Coverage Render(FT_Glyph glyph, FT_Stroker stroker, const std::string& what) {
  FT_Glyph copy = nullptr;
  if (FT_Glyph_Copy(glyph, &copy) != 0) throw BuildError("font: cannot copy the glyph of " + what);
  if (stroker && FT_Glyph_StrokeBorder(&copy, stroker, false, true) != 0) {
    FT_Done_Glyph(copy);
    throw BuildError("font: cannot stroke the glyph of " + what);
  }
  if (FT_Glyph_To_Bitmap(&copy, FT_RENDER_MODE_NORMAL, nullptr, true) != 0) {
    FT_Done_Glyph(copy);
    throw BuildError("font: cannot render the glyph of " + what);
  }
  const auto* bitmapGlyph = reinterpret_cast<FT_BitmapGlyph>(copy);
  const FT_Bitmap& bitmap = bitmapGlyph->bitmap;
  Coverage out{bitmapGlyph->left,
               -bitmapGlyph->top,
               static_cast<int>(bitmap.width),
               static_cast<int>(bitmap.rows),
               {}};
  out.grey.resize(static_cast<size_t>(out.w) * out.h);
  for (int y = 0; y < out.h; y++) {
    const unsigned char* row = bitmap.buffer + static_cast<ptrdiff_t>(y) * bitmap.pitch;
    std::copy(row, row + out.w, out.grey.begin() + static_cast<ptrdiff_t>(y) * out.w);
  }
  FT_Done_Glyph(copy);
  return out;
}

// c moved by (dx, dy) pixels.
Coverage Moved(Coverage c, int dx, int dy) {
  c.x += dx;
  c.y += dy;
  return c;
}

// Copies coverage c into the grid of raster r (whose box holds c's), keeping the larger value.
void Stamp(const Coverage& c, GlyphRaster& r, std::vector<uint8_t>& grid) {
  for (int y = 0; y < c.h; y++) {
    for (int x = 0; x < c.w; x++) {
      uint8_t& cell = grid[static_cast<size_t>(c.y - r.top + y) * r.width + (c.x - r.left + x)];
      cell = std::max(cell, c.grey[static_cast<size_t>(y) * c.w + x]);
    }
  }
}

std::string Describe(char32_t c) {
  return "U+" + std::to_string(static_cast<uint32_t>(c));
}

}  // namespace

GlyphRasteriser::GlyphRasteriser(const std::string& path, int pixelSize, double border, int shadow)
    : face_(std::make_unique<Face>()) {
  face_->path = path;
  if (FT_Init_FreeType(&face_->library) != 0) throw BuildError("font: FreeType does not start");
  if (FT_New_Face(face_->library, path.c_str(), 0, &face_->face) != 0) {
    throw BuildError("font: cannot open " + path);
  }
  if (FT_Set_Pixel_Sizes(face_->face, 0, static_cast<FT_UInt>(pixelSize)) != 0) {
    throw BuildError("font: " + path + " has no size " + std::to_string(pixelSize));
  }
  if (border > 0) {
    if (FT_Stroker_New(face_->library, &face_->stroker) != 0) {
      throw BuildError("font: FreeType has no stroker");
    }
    FT_Stroker_Set(face_->stroker, static_cast<FT_Fixed>(std::lround(border * kSubpixels)),
                   FT_STROKER_LINECAP_ROUND, FT_STROKER_LINEJOIN_ROUND, 0);
  }
  shadow_ = shadow;
  lead_ = static_cast<int>(std::ceil(std::max(0.0, border - shadow)));
  const FT_Size_Metrics& metrics = face_->face->size->metrics;
  ascent_ = CeilPixels(metrics.ascender) + lead_;
  descent_ = CeilPixels(-metrics.descender) + static_cast<int>(std::ceil(border)) + shadow;
}

GlyphRasteriser::~GlyphRasteriser() = default;

bool GlyphRasteriser::hasGlyph(char32_t c) const {
  return FT_Get_Char_Index(face_->face, c) != 0;
}

// The letter is moved right by the border's lead, so its border starts at the pen. The
// advance is the face's own: the shadow reaches under the next letter, which is drawn over it,
// and the lead is narrower than the space between two letters.
GlyphRaster GlyphRasteriser::render(char32_t c) const {
  const std::string what = Describe(c) + " of " + face_->path;
  if (!hasGlyph(c)) throw BuildError("font: no glyph for " + what);
  if (FT_Load_Char(face_->face, c, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0) {
    throw BuildError("font: cannot load " + what);
  }
  GlyphRaster raster;
  raster.advance = CeilPixels(face_->face->glyph->advance.x);
  FT_Glyph glyph = nullptr;
  if (FT_Get_Glyph(face_->face->glyph, &glyph) != 0) throw BuildError("font: cannot take " + what);
  const Coverage fill = Render(glyph, nullptr, what);
  const Coverage border = face_->stroker ? Render(glyph, face_->stroker, what) : fill;
  FT_Done_Glyph(glyph);
  if (border.w == 0 || border.h == 0) return raster;

  const Coverage letter = Moved(fill, lead_, 0);
  const Coverage behind = Moved(border, lead_ + shadow_, shadow_);
  const int left = std::min(letter.x, behind.x), top = std::min(letter.y, behind.y);
  const int right = std::max(letter.x + letter.w, behind.x + behind.w);
  const int bottom = std::max(letter.y + letter.h, behind.y + behind.h);
  raster.left = left;
  raster.top = top;
  raster.width = right - left;
  raster.height = bottom - top;
  raster.fill.assign(static_cast<size_t>(raster.width) * raster.height, 0);
  raster.border.assign(raster.fill.size(), 0);
  Stamp(letter, raster, raster.fill);
  // The border's coverage holds the letter's as well: the border is drawn under it.
  Stamp(behind, raster, raster.border);
  Stamp(letter, raster, raster.border);
  return raster;
}

}  // namespace databuild
