// ASprite's readers that nothing calls, each over one fixture of the data builder's writer:
// the column layout reads the tables the row layout does, true-colour modules paint their
// pixels, and a PNG sprite keeps its file and each palette's PLTE and tRNS chunks.
#include <gtest/gtest.h>

#include <vector>

#include "engine/sprite_reader.h"
#include "tests/engine/sprite_fixture.h"
#include "tests/support/runtime_fixture.h"
#include "tools/databuild/big_endian_writer.h"
#include "tools/databuild/png_writer.h"

namespace {

using namespace sprite_test;

template <class Table>
std::vector<int32_t> Values(Table* table) {
  if (!table) return {};
  return std::vector<int32_t>(table->elements(), table->elements() + table->length);
}

std::vector<int32_t> ValuesOf(Array* table) {
  if (!table) return {};
  if (table->classId == cid::ShortArray) return Values(static_cast<ShortArray*>(table));
  return Values(static_cast<ByteArray*>(table));
}

SpriteData Tables(uint32_t flags) {
  SpriteData s = PaletteSprite(flags | flag::kModuleKinds | flag::kFrameRects, 5);
  s.modules.push_back(ImageModule(4, 3, [](int i) { return i % 5; }));
  s.modules.push_back(Shape(ModuleKind::kEmptyBox, 0, 7, 2));
  s.modules.push_back(ImageModule(2, 5, [](int i) { return 4 - i % 5; }));
  s.modules[2].x = -3;
  s.modules[2].y = 9;
  const SpriteFModule a[] = {{0, -5, 4, 1}, {2, 6, -7, 6}};
  const SpriteFModule b[] = {{1, 0, 0, 0}};
  AddFrame(s, a, std::vector<SpriteRect>{{-2, 1, 9, 4}});
  AddFrame(s, b, std::vector<SpriteRect>{{3, -4, 5, 5}, {0, 0, 1, 1}});
  const SpriteAFrame frames[] = {{1, 4, -3, 2, 5}, {0, 9, 6, -1, 0}};
  AddAnimation(s, frames);
  return s;
}

class SpriteColumnsTest : public SpriteTest {};

TEST_F(SpriteColumnsTest, TheColumnLayoutReadsTheTablesOfTheRowLayout) {
  for (const uint32_t flags : {0u, flag::kWideFrameValues | flag::kWideModuleSizes |
                                       flag::kModulePositions | flag::kWideAFrameOffsets}) {
    const SpriteData s = Tables(flags);
    ASprite* rows = Load(s);
    ASprite* columns = NewObject<ASprite>();
    columns->initFields();
    ByteArray* data = ManagedBytes(databuild::WriteSpriteColumns(s));
    SpriteReader in(data, 2, "columns");
    columns->flags = in.i32();
    ASSERT_TRUE(columns->parseModulesColumns(in) && columns->parseFrameModulesColumns(in) &&
                columns->parseFramesColumns(in) && columns->parseAFramesColumns(in) &&
                columns->parseAnimsColumns(in) && columns->loadPalettes(in));
    EXPECT_EQ(in.remaining(), 0);
    EXPECT_EQ(Values(columns->moduleKind), Values(rows->moduleKind));
    EXPECT_EQ(Values(columns->moduleWidth), Values(rows->moduleWidth));
    EXPECT_EQ(Values(columns->moduleHeight), Values(rows->moduleHeight));
    if (flags & flag::kModulePositions) {
      EXPECT_EQ(Values(columns->moduleImageX), (std::vector<int32_t>{0, 0, -3}));
      EXPECT_EQ(Values(columns->moduleImageY), (std::vector<int32_t>{0, 0, 9}));
    }
    EXPECT_EQ(Values(columns->fmoduleModule), Values(rows->fmoduleModule));
    EXPECT_EQ(Values(columns->fmoduleX), Values(rows->fmoduleX));
    EXPECT_EQ(Values(columns->fmoduleY), Values(rows->fmoduleY));
    EXPECT_EQ(Values(columns->fmoduleFlags), Values(rows->fmoduleFlags));
    EXPECT_EQ(Values(columns->frameFModuleCount), Values(rows->frameFModuleCount));
    EXPECT_EQ(Values(columns->frameFirstFModule), Values(rows->frameFirstFModule));
    EXPECT_EQ(Values(columns->frameFirstRect), Values(rows->frameFirstRect));
    EXPECT_EQ(ValuesOf(columns->frameRects), ValuesOf(rows->frameRects));
    EXPECT_EQ(ValuesOf(columns->frameBounds), ValuesOf(rows->frameBounds));
    EXPECT_EQ(Values(columns->aframeFrame), Values(rows->aframeFrame));
    EXPECT_EQ(Values(columns->aframeDuration), Values(rows->aframeDuration));
    EXPECT_EQ(Values(columns->aframeX), Values(rows->aframeX));
    EXPECT_EQ(Values(columns->aframeY), Values(rows->aframeY));
    EXPECT_EQ(Values(columns->aframeFlags), Values(rows->aframeFlags));
    EXPECT_EQ(Values(columns->animAFrameCount), Values(rows->animAFrameCount));
    EXPECT_EQ(Values(columns->animFirstAFrame), Values(rows->animFirstAFrame));
    EXPECT_EQ(Decoded(columns, 2), Decoded(rows, 2));
    EXPECT_FALSE(Decoded(columns, 2).empty());
  }
}

TEST_F(SpriteColumnsTest, TrueColourModulesPaintTheirOwnPixels) {
  SpriteData s;
  s.flags = flag::kImagesAllowed | flag::kTrueColourPalettes;
  s.modules = {ImageModule(2, 1, [](int) { return 0; }), ImageModule(1, 1, [](int) { return 0; })};
  ASprite* sprite = Load(s);
  ASSERT_EQ(sprite->moduleCount, 2);
  struct Case {
    int format;
    uint32_t flags;
    std::vector<std::vector<std::vector<uint32_t>>> pixels;
    std::vector<uint32_t> paletteOne;  // module 0 of the last palette, as read
  };
  const Case kCases[] = {
      {0x8888,
       flag::kTrueColourPalettes,
       {{{0xFFFF0000, 0x80FF00FF}, {0xFF00FF00}}, {{0xFF0000FF, 0xFFFFFFFF}, {0}}},
       {0xFF0000FF, 0xFFFFFFFF}},
      {0x8808, 0, {{{0xFF00FF, 0x123456}, {0xFF000000}}}, {0x00FF00FF, 0xFF123456}},
  };
  for (const Case& c : kCases) {
    sprite->flags = (s.flags & ~flag::kTrueColourPalettes) | c.flags;
    ByteArray* data = ManagedBytes(databuild::WriteTrueColourModules(c.flags, c.format, c.pixels));
    SpriteReader in(data, 0, "true colour");
    ASSERT_TRUE(sprite->loadTrueColorModules(in));
    const auto last = static_cast<int32_t>(c.pixels.size()) - 1;
    auto* row = static_cast<ObjectArray*>(sprite->trueColorModules->elements()[last]);
    auto* module = static_cast<IntArray*>(row->elements()[0]);
    const auto* first = reinterpret_cast<const uint32_t*>(module->elements());
    EXPECT_EQ(std::vector<uint32_t>(first, first + module->length), c.paletteOne) << c.format;
  }
  // With the first case's two palettes: palette 0's key pixel is transparent when painted.
  ByteArray* data = ManagedBytes(
      databuild::WriteTrueColourModules(flag::kTrueColourPalettes, 0x8888, kCases[0].pixels));
  SpriteReader in(data, 0, "true colour");
  sprite->flags = s.flags;
  ASSERT_TRUE(sprite->loadTrueColorModules(in));
  sprite->hasTransparency = true;
  Canvas canvas(2, 1);
  sprite->paintModule(canvas.graphics, 0, 0, 0, 0);
  EXPECT_EQ(PixelsOf(canvas), (std::vector<uint16_t>{0xF800, 0}));
  // A size that is not whole pixels is refused.
  std::vector<uint8_t> bad = databuild::WriteTrueColourModules(0, 0x8808, {{{1}, {2}}});
  bad[2] = 4;  // module 0: 4 bytes of RGB triples
  TraceCapture trace;
  SpriteReader cut(ManagedBytes(bad), 0, "true colour");
  EXPECT_FALSE(sprite->loadTrueColorModules(cut));
  EXPECT_EQ(trace.lines().size(), 1u);
}

TEST_F(SpriteColumnsTest, APngSpriteKeepsItsFileAndEachPalettesChunks) {
  SpriteData s = PaletteSprite(flag::kPngImage, 3, 2);
  s.modules.push_back(ImageModule(2, 1, [](int i) { return i + 1; }));
  ASprite* sprite = Load(s);
  databuild::PngPicture picture;
  picture.width = 2;
  picture.height = 1;
  picture.colourType = 3;
  picture.samples = {0, 1};
  picture.palette = {1, 2, 3, 4, 5, 6};
  const std::vector<uint8_t> png = databuild::EncodePng(picture);
  ByteArray* data = ManagedBytes(databuild::WriteSpritePng(sprite->flags, png));
  SpriteReader in(data, 0, "png");
  ASSERT_TRUE(sprite->loadPngImage(in));
  EXPECT_EQ(BytesOf(sprite->pngImageData), png);
  ASSERT_EQ(sprite->pngPaletteChunks->length, 2);
  for (int32_t p = 0; p < 2; p++) {
    std::vector<uint8_t> rgb, alpha;
    for (const uint32_t c : s.palettes[p]) {
      rgb.insert(rgb.end(), {static_cast<uint8_t>(c >> 16), static_cast<uint8_t>(c >> 8),
                             static_cast<uint8_t>(c)});
      alpha.push_back(static_cast<uint8_t>(c >> 24));
    }
    databuild::BigEndianWriter expected;
    databuild::WritePngChunk(expected, "PLTE", rgb);
    databuild::WritePngChunk(expected, "tRNS", alpha);
    EXPECT_EQ(BytesOf(static_cast<ByteArray*>(sprite->pngPaletteChunks->elements()[p])),
              expected.bytes())
        << p;
  }
  TraceCapture trace;
  SpriteReader cut(ManagedBytes(std::vector<uint8_t>{200, 0, 1, 2}), 0, "png");
  EXPECT_FALSE(sprite->loadPngImage(cut));
  EXPECT_EQ(trace.lines().size(), 1u);
}

}  // namespace
