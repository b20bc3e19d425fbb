// The text service: one FreeType face, opened on first use, and a cache of its rendered
// glyphs by code point. Everything runs under one lock.
#include "host/text_service.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <climits>
#include <cstddef>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "host/trace_line.h"

namespace host {
namespace {

// A horizontal stretch of a glyph's ink: columns [first, end) of bitmap row `row`.
struct InkRun {
  int16_t row;
  int16_t first;
  int16_t end;
};

// A rendered glyph: its advance and its ink, placed with `left` columns from the pen and
// `top` rows above the baseline. The ink is kept as runs, row by row, so drawing writes the
// covered pixels only.
struct Glyph {
  int32_t advance = 0;
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  std::vector<InkRun> ink;
};

struct TextService {
  std::mutex lock;
  std::string file = kSystemFontFile;
  bool tried = false;  // opening was attempted
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  FontMetrics metrics{};
  // By glyph index, so the cache never outgrows the face: every code point the face lacks
  // shares its missing-glyph box. Nodes never move, so pointers stay good.
  std::unordered_map<FT_UInt, Glyph> glyphs;
  const Glyph* latin[256] = {};  // the first 256 code points' glyphs, without a lookup
};

TextService& Service() {
  static TextService service;
  return service;
}

void Close(TextService& s) {
  s.glyphs.clear();
  std::fill(std::begin(s.latin), std::end(s.latin), nullptr);
  if (s.face) FT_Done_Face(s.face);
  if (s.library) FT_Done_FreeType(s.library);
  s.face = nullptr;
  s.library = nullptr;
  s.tried = false;
}

// Opens the face on first use; true when it is open. Caller holds the lock.
bool Open(TextService& s) {
  if (s.tried) return s.face != nullptr;
  s.tried = true;
  if (FT_Init_FreeType(&s.library) != 0 ||
      FT_New_Face(s.library, s.file.c_str(), 0, &s.face) != 0 ||
      FT_Set_Pixel_Sizes(s.face, 0, kSystemFontPixels) != 0) {
    DebugLog("System font: %s cannot be opened; text is not drawn", s.file.c_str());
    if (s.face) FT_Done_Face(s.face);
    s.face = nullptr;
    return false;
  }
  const FT_Size_Metrics& m = s.face->size->metrics;
  s.metrics.ascent = static_cast<int32_t>(m.ascender >> 6);
  s.metrics.height = s.metrics.ascent + static_cast<int32_t>(-m.descender >> 6);
  return true;
}

// The glyph of a code point, rendered and cached on first use. Caller holds the lock.
const Glyph& GlyphOf(TextService& s, char32_t code) {
  if (code < 256 && s.latin[code]) return *s.latin[code];
  const FT_UInt index = FT_Get_Char_Index(s.face, code);  // 0: the missing-glyph box
  auto [found, added] = s.glyphs.try_emplace(index);
  Glyph& glyph = found->second;
  if (code < 256) s.latin[code] = &glyph;
  if (!added) return glyph;
  if (FT_Load_Glyph(s.face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) return glyph;
  const FT_GlyphSlot slot = s.face->glyph;
  const FT_Bitmap& bitmap = slot->bitmap;
  glyph.advance = static_cast<int32_t>((slot->advance.x + 32) >> 6);
  glyph.left = slot->bitmap_left;
  glyph.top = slot->bitmap_top;
  if (bitmap.pixel_mode != FT_PIXEL_MODE_MONO) return glyph;
  // An 18-pixel face's glyphs are far below the 16-bit run fields' range.
  const int32_t width = std::min<int32_t>(static_cast<int32_t>(bitmap.width), INT16_MAX);
  const int32_t rows = std::min<int32_t>(static_cast<int32_t>(bitmap.rows), INT16_MAX);
  glyph.width = width;
  for (int32_t y = 0; y < rows; y++) {
    const uint8_t* row = bitmap.buffer + static_cast<ptrdiff_t>(y) * bitmap.pitch;
    const auto inked = [row](int32_t x) { return (row[x >> 3] >> (7 - (x & 7))) & 1; };
    for (int32_t x = 0; x < width;) {
      if (!inked(x)) {
        x++;
        continue;
      }
      const int32_t first = x;
      while (x < width && inked(x)) x++;
      glyph.ink.push_back(
          {static_cast<int16_t>(y), static_cast<int16_t>(first), static_cast<int16_t>(x)});
    }
  }
  return glyph;
}

// Walks the text's code points: controls below U+0020 are skipped, a surrogate pair is one.
template <typename Visit>
void ForEachCodePoint(std::u16string_view text, Visit visit) {
  for (size_t i = 0; i < text.size(); i++) {
    char32_t code = text[i];
    if (code < 0x20) continue;
    if (code >= 0xD800 && code < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] < 0xE000) {
      code = 0x10000 + ((code - 0xD800) << 10) + (text[++i] - 0xDC00);
    }
    visit(code);
  }
}

// Writes colour into the window's pixels under the glyph's ink, the glyph's bitmap placed at
// window position (x, y); runs are cut to the window.
template <typename Pixel>
void Stamp(const Glyph& glyph, int64_t x, int64_t y, Pixel colour, Pixel* pixels, int32_t width,
           int32_t height, int32_t pitch) {
  for (const InkRun& run : glyph.ink) {
    const int64_t row = y + run.row;
    if (row < 0) continue;
    if (row >= height) return;  // runs go down the rows
    const int64_t first = std::max<int64_t>(x + run.first, 0);
    const int64_t end = std::min<int64_t>(x + run.end, width);
    if (first < end) std::fill(pixels + row * pitch + first, pixels + row * pitch + end, colour);
  }
}

// Inks the window of the text's box (see RenderText). Caller holds the lock; the face is open.
template <typename Pixel>
void InkWindow(TextService& s, std::u16string_view text, Pixel colour, Pixel* pixels, int32_t width,
               int32_t height, int32_t pitch, int64_t left, int64_t top) {
  int64_t pen = -left;
  const int64_t baseline = s.metrics.ascent - top;
  ForEachCodePoint(text, [&](char32_t code) {
    if (pen >= width) return;  // the rest lies right of the window
    const Glyph& glyph = GlyphOf(s, code);
    const int64_t x = pen + glyph.left;
    if (x < width && x + glyph.width > 0) {
      Stamp(glyph, x, baseline - glyph.top, colour, pixels, width, height, pitch);
    }
    pen += glyph.advance;
  });
}

}  // namespace

bool GetSystemFontMetrics(FontMetrics* metrics) {
  TextService& s = Service();
  std::lock_guard<std::mutex> guard(s.lock);
  if (!Open(s)) return false;
  *metrics = s.metrics;
  return true;
}

int64_t MeasureText(std::u16string_view text) {
  TextService& s = Service();
  std::lock_guard<std::mutex> guard(s.lock);
  if (!Open(s)) return 0;
  int64_t width = 0;
  ForEachCodePoint(text, [&](char32_t code) { width += GlyphOf(s, code).advance; });
  return width;
}

bool RenderText(std::u16string_view text, uint32_t rgb, uint32_t* pixels, int32_t width,
                int32_t height, int32_t pitch, int64_t left, int64_t top) {
  TextService& s = Service();
  std::lock_guard<std::mutex> guard(s.lock);
  if (!Open(s)) return false;
  for (int32_t y = 0; y < height; y++) std::fill_n(pixels + int64_t{y} * pitch, width, kTextKey);
  InkWindow(s, text, rgb, pixels, width, height, pitch, left, top);
  return true;
}

bool InkText(std::u16string_view text, uint16_t colour, uint16_t* pixels, int32_t width,
             int32_t height, int32_t pitch, int64_t left, int64_t top) {
  TextService& s = Service();
  std::lock_guard<std::mutex> guard(s.lock);
  if (!Open(s)) return false;
  InkWindow(s, text, colour, pixels, width, height, pitch, left, top);
  return true;
}

void SetSystemFontFile(const std::string& path) {
  TextService& s = Service();
  std::lock_guard<std::mutex> guard(s.lock);
  Close(s);
  s.file = path.empty() ? kSystemFontFile : path;
}

}  // namespace host
