// drawRegion, drawImage and drawRGB: the eight transforms, anchors, clipping that moves the
// source window, the blitter of each pixel type, and the argument checks after which nothing
// is drawn.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <vector>

#include "tests/platform/canvas.h"
#include "tests/support/runtime_fixture.h"

namespace {

using GraphicsRegionTest = RuntimeTest;

// An immutable image of the given pixel type holding pixels row by row.
Image* MakeImage(int32_t width, int32_t height, int32_t pixelType,
                 const std::vector<uint16_t>& pixels) {
  Image* image = NewObject<Image>();
  EXPECT_TRUE(image->initPixels(width, height, pixelType, 0));
  auto* body = reinterpret_cast<uint16_t*>(static_cast<ShortArray*>(image->pixels)->elements());
  for (int32_t i = 0; i < width * height; i++) {
    body[(i / width) * (image->rowLength / 2) + i % width] = pixels[i];
  }
  return image;
}

// Source pixels A..F of a 3 x 2 image, and their letters.
const std::vector<uint16_t> kAbcDef = {1, 2, 3, 4, 5, 6};
const std::map<uint16_t, char> kLetters = {{0, '.'}, {1, 'A'}, {2, 'B'}, {3, 'C'},
                                           {4, 'D'}, {5, 'E'}, {6, 'F'}};

TEST_F(GraphicsRegionTest, EachTransformOfAnAsymmetricSource) {
  const char* expected[8] = {
      "ABC.\nDEF.\n....",  // TRANS_NONE
      "DEF.\nABC.\n....",  // TRANS_MIRROR_ROT180
      "CBA.\nFED.\n....",  // TRANS_MIRROR
      "FED.\nCBA.\n....",  // TRANS_ROT180
      "AD..\nBE..\nCF..",  // TRANS_MIRROR_ROT270
      "DA..\nEB..\nFC..",  // TRANS_ROT90
      "CF..\nBE..\nAD..",  // TRANS_ROT270
      "FC..\nEB..\nDA..",  // TRANS_MIRROR_ROT90
  };
  for (int32_t transform = 0; transform < 8; transform++) {
    SCOPED_TRACE(transform);
    Image* source = MakeImage(3, 2, Image::kRgb565, kAbcDef);
    Canvas canvas(4, 3);
    canvas.graphics->drawRegion(source, 0, 0, 3, 2, transform, 0, 0,
                                Graphics::TOP | Graphics::LEFT);
    EXPECT_EQ(canvas.art(kLetters), expected[transform]);
  }
}

TEST_F(GraphicsRegionTest, Rot90OfATenByTwentyRegionCoversTwentyByTen) {
  std::vector<uint16_t> pixels(10 * 20);
  for (int32_t i = 0; i < 200; i++) pixels[i] = static_cast<uint16_t>(i + 1);
  Image* source = MakeImage(10, 20, Image::kRgb565, pixels);
  Canvas canvas(24, 24);
  canvas.graphics->drawRegion(source, 0, 0, 10, 20, Graphics::TRANS_ROT90, 0, 0,
                              Graphics::TOP | Graphics::LEFT);
  EXPECT_EQ(canvas.count(0), 24 * 24 - 200);
  for (int32_t y = 0; y < 24; y++) {
    for (int32_t x = 0; x < 24; x++) {
      EXPECT_EQ(canvas.at(x, y) != 0, x < 20 && y < 10) << x << "," << y;
    }
  }
  // The first source row runs down the rightmost column.
  for (int32_t i = 0; i < 10; i++) EXPECT_EQ(canvas.at(19, i), i + 1);
}

// The mended clip: for every transform, cutting the destination on any side leaves exactly
// the pixels the uncut drawing puts inside the clip.
TEST_F(GraphicsRegionTest, ClippingKeepsTheSamePixelsForEveryTransform) {
  std::vector<uint16_t> pixels(5 * 3);
  for (int32_t i = 0; i < 15; i++) pixels[i] = static_cast<uint16_t>(100 + i);
  struct Clip {
    int32_t x, y, w, h;
  };
  const Clip clips[] = {{3, 0, 9, 9}, {0, 0, 4, 9}, {0, 3, 9, 9}, {0, 0, 9, 4},
                        {3, 3, 2, 2}, {4, 2, 1, 3}, {2, 4, 4, 1}};
  for (int32_t transform = 0; transform < 8; transform++) {
    Image* source = MakeImage(5, 3, Image::kRgb565, pixels);
    Canvas whole(9, 9);
    // Source window (1, 0, 4, 3), so the window's own offset is carried too.
    whole.graphics->drawRegion(source, 1, 0, 4, 3, transform, 2, 2, 0);
    for (const Clip& clip : clips) {
      SCOPED_TRACE(testing::Message() << "transform " << transform << " clip " << clip.x << ","
                                      << clip.y << " " << clip.w << "x" << clip.h);
      Canvas cut(9, 9);
      cut.graphics->setClip(clip.x, clip.y, clip.w, clip.h);
      cut.graphics->drawRegion(source, 1, 0, 4, 3, transform, 2, 2, 0);
      for (int32_t y = 0; y < 9; y++) {
        for (int32_t x = 0; x < 9; x++) {
          const bool inside =
              x >= clip.x && x < clip.x + clip.w && y >= clip.y && y < clip.y + clip.h;
          EXPECT_EQ(cut.at(x, y), inside ? whole.at(x, y) : 0) << x << "," << y;
        }
      }
    }
  }
}

TEST_F(GraphicsRegionTest, AnchorsUseTheTransformedSize) {
  struct Case {
    int32_t transform, anchor;
    int32_t left, top;  // where the 4 x 2 picture (or 2 x 4 when turned) lands
  };
  const Case cases[] = {
      {Graphics::TRANS_NONE, Graphics::TOP | Graphics::LEFT, 5, 5},
      {Graphics::TRANS_NONE, Graphics::HCENTER | Graphics::VCENTER, 3, 4},
      {Graphics::TRANS_NONE, Graphics::RIGHT | Graphics::BOTTOM, 1, 3},
      {Graphics::TRANS_NONE, Graphics::BASELINE, 5, 5},
      {Graphics::TRANS_ROT90, Graphics::RIGHT | Graphics::BOTTOM, 3, 1},
      {Graphics::TRANS_ROT90, Graphics::HCENTER | Graphics::VCENTER, 4, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "transform " << c.transform << " anchor " << c.anchor);
    Image* source = MakeImage(4, 2, Image::kRgb565, std::vector<uint16_t>(8, 0xFFFF));
    Canvas canvas(12, 12);
    canvas.graphics->drawRegion(source, 0, 0, 4, 2, c.transform, 5, 5, c.anchor);
    const bool turned = c.transform >= 4;
    const int32_t w = turned ? 2 : 4, h = turned ? 4 : 2;
    EXPECT_EQ(canvas.count(0xFFFF), 8);
    EXPECT_EQ(canvas.at(c.left, c.top), 0xFFFF);
    EXPECT_EQ(canvas.at(c.left + w - 1, c.top + h - 1), 0xFFFF);
  }
}

TEST_F(GraphicsRegionTest, DrawImageIsTheWholeImageTranslated) {
  Image* source = MakeImage(3, 2, Image::kRgb565, kAbcDef);
  Canvas canvas(5, 4);
  canvas.graphics->translate(1, 1);
  canvas.graphics->drawImage(source, 1, 0, Graphics::TOP | Graphics::LEFT);
  EXPECT_EQ(canvas.art(kLetters), ".....\n..ABC\n..DEF\n.....");
}

TEST_F(GraphicsRegionTest, KeyedSourcesSkipTheKey) {
  const uint16_t k = 0xF81F;
  Image* source = MakeImage(3, 2, Image::kRgb565Keyed, {1, k, 3, k, 5, k});
  Canvas canvas(3, 2);
  canvas.fill(0x7777);
  for (int32_t transform : {0, 5}) {  // the row loop and the stepped loop
    canvas.fill(0x7777);
    canvas.graphics->drawRegion(source, 0, 0, 3, 2, transform, 0, 0, 0);
    EXPECT_EQ(canvas.count(0x7777), transform == 0 ? 3 : 4);
    EXPECT_EQ(canvas.count(k), 0);
  }
  // The same pixels in an opaque image are copied, key and all.
  Image* opaque = MakeImage(3, 2, Image::kRgb565, {1, k, 3, k, 5, k});
  canvas.graphics->drawImage(opaque, 0, 0, 0);
  EXPECT_EQ(canvas.count(k), 3);
}

TEST_F(GraphicsRegionTest, Argb4444SourcesBlendByTheirAlphaNibble) {
  // Alpha 0 leaves the target; alpha 15 (weight 255) lands within one step of the source.
  Image* source = MakeImage(2, 1, Image::kArgb4444, {0x0F00, 0xFF0F});
  Canvas canvas(2, 1);
  canvas.fill(0x07E0);  // green
  canvas.graphics->drawImage(source, 0, 0, 0);
  EXPECT_EQ(canvas.at(0, 0), 0x07E0);
  const uint16_t p = canvas.at(1, 0);
  EXPECT_GE(p >> 11, 29);  // red 30 expected, 29 reached
  EXPECT_LE((p >> 5) & 63, 1);
  EXPECT_GE(p & 31, 29);
  // Half alpha (8, weight 136) moves black halfway to white.
  Image* half = MakeImage(1, 1, Image::kArgb4444, {0x8FFF});
  Canvas black(1, 1);
  black.graphics->drawImage(half, 0, 0, 0);
  EXPECT_EQ(black.at(0, 0), (15 << 11) | (31 << 5) | 15);  // 30*136>>8, 60*136>>8, 30*136>>8
}

TEST_F(GraphicsRegionTest, ArgumentErrorsAreTracedAndDrawNothing) {
  struct Case {
    const char* line;
    std::function<void(Graphics*, Image*)> draw;
  };
  const Case cases[] = {
      {"drawRegion pSrc",
       [](Graphics* g, Image*) { g->drawRegion(nullptr, 0, 0, 1, 1, 0, 0, 0, 0); }},
      {"drawRegion pSrc", [](Graphics* g, Image*) { g->drawImage(nullptr, 0, 0, 0); }},
      {"drawRegion x_src",
       [](Graphics* g, Image* s) { g->drawRegion(s, -1, 0, 2, 2, 0, 0, 0, 0); }},
      {"drawRegion x_src", [](Graphics* g, Image* s) { g->drawRegion(s, 2, 0, 2, 2, 0, 0, 0, 0); }},
      {"drawRegion x_src",
       [](Graphics* g, Image* s) { g->drawRegion(s, INT_MAX, 0, 2, 2, 0, 0, 0, 0); }},
      {"drawRegion y_src", [](Graphics* g, Image* s) { g->drawRegion(s, 0, 1, 2, 2, 0, 0, 0, 0); }},
      {"drawRegion y_src",
       [](Graphics* g, Image* s) { g->drawRegion(s, 0, -3, 3, 1, 5, 0, 0, 0); }},
      {"drawRegion transform",
       [](Graphics* g, Image* s) { g->drawRegion(s, 0, 0, 2, 2, 8, 0, 0, 0); }},
      {"drawRegion transform",
       [](Graphics* g, Image* s) { g->drawRegion(s, 0, 0, 2, 2, -1, 0, 0, 0); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    Image* source = MakeImage(3, 2, Image::kRgb565, kAbcDef);
    Canvas canvas(6, 6);
    TraceCapture trace;
    c.draw(canvas.graphics, source);
    EXPECT_TRUE(trace.contains(c.line));
    EXPECT_EQ(canvas.count(0), 36);
  }
}

TEST_F(GraphicsRegionTest, ByteImagesAreNotDrawn) {
  Image* bytes = NewObject<Image>();
  ASSERT_TRUE(bytes->initPixels(2, 2, Image::kBytePerPixel, 0));
  Canvas canvas(2, 2);
  TraceCapture trace;
  canvas.graphics->drawImage(bytes, 0, 0, 0);
  EXPECT_TRUE(trace.contains("m_pixelType"));
  EXPECT_EQ(canvas.count(0), 4);
}

TEST_F(GraphicsRegionTest, ATargetWithoutSixteenBitPixelsDrawsNothing) {
  Image* bytes = NewObject<Image>();
  ASSERT_TRUE(bytes->initPixels(4, 4, Image::kBytePerPixel, 0));
  auto* g = NewObject<Graphics>(bytes);
  g->setColor(0xFFFFFF);
  TraceCapture trace;
  g->fillRect(0, 0, 4, 4);
  EXPECT_TRUE(trace.contains("fillRect: the target image has no 16-bit pixels"));
  for (int32_t i = 0; i < bytes->pixels->length; i++) {
    EXPECT_EQ(static_cast<ByteArray*>(bytes->pixels)->elements()[i], 0);
  }
}

TEST_F(GraphicsRegionTest, DrawRgb) {
  const uint32_t red = 0xFFFF0000, clear = 0x00FF0000, half = 0x80FFFFFF;
  struct Case {
    const char* name;
    bool processAlpha;
    uint16_t result[3];  // over black
  };
  const Case cases[] = {
      {"alpha ignored", false, {0xF800, 0xF800, 0xFFFF}},
      {"alpha 0 skipped, 255 copied, others blended",
       true,
       {0xF800, 0x0000, (15 << 11) | (31 << 5) | 15}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas(3, 1);
    canvas.graphics->drawRGB(MakeInts({red, clear, half}), 0, 3, 0, 0, 3, 1, c.processAlpha);
    EXPECT_EQ(canvas.at(0, 0), c.result[0]);
    EXPECT_EQ(canvas.at(1, 0), c.result[1]);
    EXPECT_EQ(canvas.at(2, 0), c.result[2]);
  }
}

TEST_F(GraphicsRegionTest, DrawRgbIntoAnArgb4444ImageKeepsTheAlpha) {
  Image* target = MakeImage(2, 1, Image::kArgb4444, {0, 0});
  auto* g = NewObject<Graphics>(target);
  g->drawRGB(MakeInts({0x80FF4010, 0x00123456}), 0, 2, 0, 0, 2, 1, false);
  const auto* pixels = static_cast<ShortArray*>(target->pixels)->elements();
  EXPECT_EQ(static_cast<uint16_t>(pixels[0]), 0x8F41);
  EXPECT_EQ(static_cast<uint16_t>(pixels[1]), 0x0135);
}

TEST_F(GraphicsRegionTest, DrawRgbReadsTheRowsItsClipLeaves) {
  // Rows of 4 ints, values 1..12; a negative scan length walks them bottom up.
  std::vector<uint32_t> values;
  for (uint32_t v = 1; v <= 12; v++) values.push_back(0xFF000000u | (v << 3));  // blue = v
  struct Case {
    const char* name;
    int32_t offset, scan, x, y, w, h;
    const char* art;
  };
  const Case cases[] = {
      {"whole", 0, 4, 0, 0, 4, 3, "abcd\nefgh\nijkl"},
      {"clipped on the left and top", 0, 4, -1, -1, 4, 3, "fgh.\njkl.\n...."},
      {"negative scan length", 8, -4, 0, 0, 4, 3, "ijkl\nefgh\nabcd"},
      {"narrow rows", 1, 4, 1, 1, 2, 2, "....\n.bc.\n.fg."},
  };
  std::map<uint16_t, char> legend = {{0, '.'}};
  for (int v = 1; v <= 12; v++) legend[static_cast<uint16_t>(v)] = static_cast<char>('a' + v - 1);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas(4, 3);
    TraceCapture trace;
    canvas.graphics->drawRGB(MakeInts(values), c.offset, c.scan, c.x, c.y, c.w, c.h, false);
    EXPECT_EQ(canvas.art(legend), c.art);
    EXPECT_TRUE(trace.lines().empty());
  }
}

TEST_F(GraphicsRegionTest, DrawRgbRefusesRowsOutsideItsArray) {
  struct Case {
    int32_t offset, scan, w, h;
  };
  const Case cases[] = {
      {1, 4, 4, 3},        // the last row runs one past the end
      {0, 5, 4, 3},        // a wider scan leaves the array
      {4, -4, 4, 3},       // a negative scan goes below element 0
      {-1, 4, 2, 1},       // a negative offset
      {0, INT_MAX, 2, 2},  // a huge scan
      {INT_MIN, 0, 1, 1},  // a huge offset
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.offset << " " << c.scan << " " << c.w << "x" << c.h);
    Canvas canvas(4, 3);
    TraceCapture trace;
    canvas.graphics->drawRGB(MakeInts(std::vector<uint32_t>(12, 0xFFFFFFFF)), c.offset, c.scan, 0,
                             0, c.w, c.h, false);
    EXPECT_TRUE(trace.contains("drawRGB length"));
    EXPECT_EQ(canvas.count(0), 12);
  }
  Canvas canvas(1, 1);
  TraceCapture trace;
  canvas.graphics->drawRGB(nullptr, 0, 1, 0, 0, 1, 1, true);
  EXPECT_TRUE(trace.contains("drawRGB rgbData"));
}

TEST_F(GraphicsRegionTest, DrawingSurvivesAMoveOfThePixels) {
  Canvas canvas(4, 4);
  Image* source = MakeImage(2, 2, Image::kRgb565, {1, 2, 3, 4});
  const void* before[2] = {canvas.image->pixels->body, source->pixels->body};
  ForceDataHeapCompaction();
  ASSERT_NE(canvas.image->pixels->body, before[0]);
  ASSERT_NE(source->pixels->body, before[1]);
  canvas.graphics->drawImage(source, 1, 1, 0);
  canvas.graphics->setColor(0xFFFFFF);
  canvas.graphics->fillRect(0, 0, 1, 1);
  EXPECT_EQ(canvas.art({{0, '.'}, {1, 'A'}, {2, 'B'}, {3, 'C'}, {4, 'D'}, {0xFFFF, '#'}}),
            "#...\n.AB.\n.CD.\n....");
}

}  // namespace
