// The builder's bitmap fonts: the character table's layout, glyphs rendered with their
// borders, and the three font sprites laid out as the text routines read them.
#include "tools/databuild/bitmap_fonts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "tools/databuild/build_error.h"
#include "tools/databuild/game_texts.h"
#include "tools/databuild/glyph_raster.h"

namespace databuild {
namespace {

TEST(CharMapWriterTest, FirstPairsThenGroupsWithEmptyBucketsOnTheMissingGlyph) {
  const CharFrame pairs[] = {{u'a', 2}, {u'b', 3}, {u'e', 4}, {u'i', 5}};
  // 4 buckets: a (97) and e (101) and i (105) share bucket 1; b (98) is bucket 2; 0 and 3 are
  // empty.
  EXPECT_EQ(WriteCharMap(pairs, 4),
            (std::vector<int32_t>{4, 0, 1, u'a', 2, u'b', 3, 3, 1, 1, 2, u'e', 4, u'i', 5}));
  EXPECT_EQ(WriteCharMap(std::span<const CharFrame>(), 1), (std::vector<int32_t>{1, 0, 1}));
  const CharFrame twice[] = {{u'a', 2}, {u'a', 3}};
  const CharFrame farFrame[] = {{u'a', 40000}};
  EXPECT_THROW(WriteCharMap(pairs, 0), BuildError);
  EXPECT_THROW(WriteCharMap(pairs, 33), BuildError);
  EXPECT_THROW(WriteCharMap(twice, 4), BuildError);
  EXPECT_THROW(WriteCharMap(farFrame, 4), BuildError);
}

TEST(GlyphRasteriserTest, TheBorderSurroundsTheLetterFromThePen) {
  const GlyphRasteriser face(kDejaVuSansBold, 20, 1.5, 1);
  EXPECT_GT(face.ascent(), 15);
  EXPECT_GT(face.descent(), 3);
  for (const char32_t c : {U'A', U'g', U'.', U'W'}) {
    const GlyphRaster g = face.render(c);
    ASSERT_GT(g.width, 0);
    EXPECT_GE(g.left, 0) << static_cast<int>(c);
    EXPECT_GE(g.top, -face.ascent()) << static_cast<int>(c);
    EXPECT_LE(g.top + g.height, face.descent()) << static_cast<int>(c);
    EXPECT_GT(g.advance, 0);
    int inked = 0;
    for (int y = 0; y < g.height; y++) {
      for (int x = 0; x < g.width; x++) {
        EXPECT_GE(g.borderAt(x, y), g.fillAt(x, y));
        inked += g.fillAt(x, y) > 0;
      }
    }
    EXPECT_GT(inked, 0);
  }
  EXPECT_EQ(face.render(U' ').width, 0);
  EXPECT_FALSE(face.hasGlyph(U'\u4E00'));
  EXPECT_THROW(face.render(U'\u4E00'), BuildError);
  EXPECT_THROW(GlyphRasteriser("/nonexistent/face.ttf", 20, 1, 1), BuildError);
}

TEST(BitmapFontsTest, EveryTextCharacterHasAGlyphFrameInEachFont) {
  const std::vector<char16_t> characters = FontCharacters();
  EXPECT_TRUE(std::is_sorted(characters.begin(), characters.end()));
  for (const std::string& text : GameTexts()) {
    for (const char c : text) {
      if (static_cast<unsigned char>(c) >= 32 && static_cast<unsigned char>(c) < 128) {
        EXPECT_TRUE(std::binary_search(characters.begin(), characters.end(), c)) << c;
      }
    }
  }
  EXPECT_EQ(characters.front(), u' ');
  EXPECT_TRUE(std::binary_search(characters.begin(), characters.end(), u'_'));

  int previousHeight = 1000;
  for (const FontKind kind : {FontKind::kTitle, FontKind::kHeading, FontKind::kBody}) {
    const SpriteData s = FontSprite(kind);
    ASSERT_EQ(s.frames.size(), characters.size() + 2);
    ASSERT_EQ(s.palettes.size(), 2u);
    for (const std::vector<uint32_t>& palette : s.palettes) {
      EXPECT_EQ(palette.size(), 16u);
      EXPECT_EQ(palette[0], 0x00FF00FFu);
    }
    // Frame 0: the baseline above, then the line's bottom, then the gap.
    ASSERT_EQ(s.frames[0].fmoduleCount, 3);
    const int top = s.fmodules[0].y, bottom = s.fmodules[1].y, next = s.fmodules[2].y;
    EXPECT_LT(top, 0);
    EXPECT_GT(bottom, 0);
    EXPECT_GT(next, bottom);
    EXPECT_LT(bottom - top, previousHeight);
    previousHeight = bottom - top;
    for (size_t f = 1; f < s.frames.size(); f++) {
      const SpriteFrame& frame = s.frames[f];
      const SpriteFModule& marker = s.fmodules[frame.firstFModule];
      EXPECT_EQ(s.modules[marker.module].kind, ModuleKind::kEmptyBox);
      EXPECT_GT(marker.x, 0) << f;
      // The space is a marker alone; every other glyph has its picture inside the line.
      const bool space = f >= 2 && characters[f - 2] == u' ';
      ASSERT_EQ(frame.fmoduleCount, space ? 1 : 2) << f;
      if (space) continue;
      const SpriteFModule& picture = s.fmodules[frame.firstFModule + 1];
      const SpriteModule& m = s.modules[picture.module];
      EXPECT_GE(picture.y, top) << f;
      EXPECT_LE(picture.y + m.height, bottom) << f;
      EXPECT_TRUE(std::all_of(m.pixels.begin(), m.pixels.end(), [](uint8_t i) { return i < 16; }));
    }
  }
}

}  // namespace
}  // namespace databuild
