// A font's character table and metrics: tables written by the builder's writer give every
// character its frame, faulty tables stop where they go wrong, and a metrics frame of too
// few parts gives zero metrics.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/cgame.h"
#include "tests/engine/sprite_fixture.h"
#include "tests/support/runtime_fixture.h"
#include "tools/databuild/char_map_writer.h"

namespace {

using namespace sprite_test;

ShortArray* Shorts(const std::vector<int32_t>& values) {
  ShortArray* array = NewShortArray(static_cast<int32_t>(values.size()));
  for (size_t i = 0; i < values.size(); i++) array->elements()[i] = static_cast<int16_t>(values[i]);
  return array;
}

// A font of `parts` metrics parts at y -5, 7, 9 and glyph frames 1 to 3 advancing 4, 6, 8.
SpriteData SmallFont(int parts) {
  SpriteData s;
  SpriteModule box;
  box.kind = ModuleKind::kEmptyBox;
  s.modules.push_back(box);
  const SpriteFModule metrics[] = {{0, 0, -5, 0}, {0, 0, 7, 0}, {0, 0, 9, 0}};
  AddFrame(s, std::span(metrics, static_cast<size_t>(parts)));
  for (int advance : {4, 6, 8}) {
    const SpriteFModule glyph[] = {{0, advance, 0, 0}};
    AddFrame(s, glyph);
  }
  return s;
}

class FontCharMapTest : public SpriteTest {};

TEST_F(FontCharMapTest, EveryCharacterOfAWrittenTableFindsItsFrame) {
  // Characters sharing buckets, and buckets left empty.
  std::vector<databuild::CharFrame> pairs;
  for (char16_t c = u' '; c <= u'~'; c++) pairs.push_back({c, c - 30});
  pairs.push_back({u'\u00E9', 300});
  for (int buckets : {1, 7, 31, 32}) {
    ASprite* font = Load(SmallFont(3));
    cGame::buildFontCharMap(font, Shorts(databuild::WriteCharMap(pairs, buckets)));
    ASSERT_EQ(font->charMapBuckets, buckets);
    for (const databuild::CharFrame& p : pairs) {
      EXPECT_EQ(font->getCharFrame(p.character), p.frame) << buckets << " " << static_cast<int>(p.character);
    }
    EXPECT_EQ(font->getCharFrame(u'\u4E00'), 1) << buckets;
    EXPECT_EQ(font->getCharFrame(0x10000 + u'A'), 1) << buckets;  // past the 16-bit characters
  }
}

TEST_F(FontCharMapTest, FaultyTablesStopWhereTheyGoWrong) {
  // Two buckets: 'a' (97, bucket 1) at frame 2 and 'b' (98, bucket 0) at frame 3 as firsts.
  struct Case {
    const char* what;
    std::vector<int32_t> table;
    int32_t buckets;          // the bucket count the font ends with
    std::vector<int32_t> at;  // frames of 'b', 'a', 'd' (bucket 0), 'c' (bucket 1)
    bool traced;
  };
  const Case kCases[] = {
      {"whole", {2, 98, 3, 97, 2, 0, 1, 100, 5, 1, 1, 99, 6}, 2, {3, 2, 5, 6}, false},
      {"no buckets", {0, 98, 3}, 0, {1, 1, 1, 1}, true},
      {"a negative bucket count", {-4, 98, 3}, 0, {1, 1, 1, 1}, true},
      {"empty", {}, 0, {1, 1, 1, 1}, true},
      {"first pairs cut short", {2, 98, 3, 97}, 2, {3, 1, 1, 1}, true},
      {"a group's bucket outside",
       {2, 98, 3, 97, 2, 0, 1, 100, 5, 2, 1, 99, 6},
       2,
       {3, 2, 5, 1},
       true},
      {"a group's pairs cut short",
       {2, 98, 3, 97, 2, 0, 1, 100, 5, 1, 2, 99, 6},
       2,
       {3, 2, 5, 1},
       true},
      {"a group's head cut short", {2, 98, 3, 97, 2, 1}, 2, {3, 2, 1, 1}, true},
      {"a negative group count", {2, 98, 3, 97, 2, 1, -1, 99, 6}, 2, {3, 2, 1, 1}, true},
  };
  for (const Case& c : kCases) {
    ASprite* font = Load(SmallFont(3));
    TraceCapture trace;
    cGame::buildFontCharMap(font, Shorts(c.table));
    EXPECT_EQ(font->charMapBuckets, c.buckets) << c.what;
    const std::vector<int32_t> frames = {font->getCharFrame('b'), font->getCharFrame('a'),
                                         font->getCharFrame('d'), font->getCharFrame('c')};
    EXPECT_EQ(frames, c.at) << c.what;
    EXPECT_EQ(!trace.lines().empty(), c.traced) << c.what;
    // The metrics are read whatever the table.
    EXPECT_EQ(font->lineSpacing, 12) << c.what;
  }
}

TEST_F(FontCharMapTest, ATableThatIsNoShortArrayGivesNoTable) {
  ASprite* font = Load(SmallFont(3));
  TraceCapture trace;
  cGame::buildFontCharMap(font, NewIntArray(3));
  EXPECT_EQ(font->charMap, nullptr);
  EXPECT_EQ(font->getCharFrame('a'), 1);
  EXPECT_FALSE(trace.lines().empty());
  cGame::buildFontCharMap(font, nullptr);
  cGame::buildFontCharMap(nullptr, Shorts({1, 97, 2}));
}

TEST_F(FontCharMapTest, MetricsComeFromFrameZeroAndTheSpacesGlyph) {
  ASprite* font = Load(SmallFont(3));
  cGame::buildFontCharMap(font, Shorts(databuild::WriteCharMap(
                                    std::vector<databuild::CharFrame>{{u' ', 3}, {u'a', 2}}, 4)));
  EXPECT_EQ(font->baseline, 5);
  EXPECT_EQ(font->lineSpacing, 12);
  EXPECT_EQ(font->fontHeight, 2);
  EXPECT_EQ(font->spaceWidth, 8);
  // Scaled getters: scale / 256, truncated toward minus infinity.
  font->scale = 384;
  font->charGap = 3;
  EXPECT_EQ(font->getLineSpacing(), 18);
  EXPECT_EQ(font->getLineSpacingAlt(), 18);
  EXPECT_EQ(font->getFontHeight(), 3);
  EXPECT_EQ(font->getSpaceWidth(), 12);
  EXPECT_EQ(font->getCharGap(), 4);
  EXPECT_EQ(font->getScaledFModuleX(2), 9);
  EXPECT_EQ(font->getScaledFModuleX(99), 0);
  font->resetCharGap();
  EXPECT_EQ(font->getCharGap(), 0);

  // Two metrics parts: zero metrics, with a trace.
  ASprite* bad = Load(SmallFont(2));
  TraceCapture trace;
  bad->initFontMetrics();
  EXPECT_EQ(bad->baseline, 0);
  EXPECT_EQ(bad->lineSpacing, 0);
  EXPECT_EQ(bad->fontHeight, 0);
  EXPECT_FALSE(trace.lines().empty());
}

}  // namespace
