// Bitmap-font tests: the data set's fonts read as the boot state reads them (pack "fonts":
// the three font sprites with palettes 0 and 1 built, entry 0's character table given to
// each), texts made from UTF-16 literals, and the builder's own tables of the same fonts.
#pragma once

#include <cstdint>
#include <string>

#include "engine/sprite.h"
#include "tests/engine/sprite_fixture.h"
#include "tools/databuild/bitmap_fonts.h"

class FontTest : public SpriteTest {
 protected:
  void SetUp() override;

  // The fonts by sprite slot: 3 body text, 4 titles, 5 headings. They live in the game's
  // sprite table, as the boot state keeps them: a static the collector roots, so a collection
  // during a slow test cannot free them.
  static ASprite* font(int32_t slot);
  static databuild::FontKind KindOfSlot(int32_t slot);
  static String* Text(const std::u16string& text);
  // The builder's advance of character c in the font of slot, as its glyph frame's first
  // part places it.
  static int32_t BuilderAdvance(int32_t slot, char16_t c);
};
