// ASprite's painting and measuring, pixel for pixel: modules in the eight transforms against
// drawRegion, from the cache and decoded; frame-modules and animation-frames placed under
// their container's flips and turn; shapes as the Graphics primitives draw them; frame
// rectangles; the clip's edge.
#include <gtest/gtest.h>

#include <vector>

#include "engine/pix_effects.h"
#include "game/cgame.h"
#include "tests/engine/sprite_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

using namespace sprite_test;

// Six opaque colours of a 3 x 2 module that no transform maps onto itself.
SpriteData Asymmetric() {
  SpriteData s = PaletteSprite(flag::kImagesAllowed | flag::kFrameRects, 7);
  for (size_t i = 1; i < s.palettes[0].size(); i++) s.palettes[0][i] |= 0xFF000000;
  s.modules.push_back(ImageModule(3, 2, [](int i) { return i + 1; }));
  const SpriteFModule part[] = {{0, 2, 1, 0}};
  const SpriteRect rects[] = {{-4, 3, 200, 7}, {1, -2, 5, 6}};
  AddFrame(s, part, rects);
  const SpriteAFrame aframe[] = {{0, 1, 4, -2, 0}};
  AddAnimation(s, aframe);
  return s;
}

class SpritePaintTest : public SpriteTest {};

TEST_F(SpritePaintTest, ModulesInEachTransformEqualDrawRegion) {
  constexpr int32_t kToGraphics[8] = {0, 2, 1, 3, 5, 7, 4, 6};
  ASprite* uncached = Load(Asymmetric());
  ASprite* cached = Load(Asymmetric());
  cached->buildModuleImages(0, 0, -1, -1);
  ASSERT_NE(cached->getModuleImage(0, 0), nullptr);
  ASSERT_EQ(uncached->getModuleImage(0, 0), nullptr);
  Image* reference = Image::createRGBImage(MakeInts(Decoded(uncached, 0)), 3, 2, false);
  for (int32_t flags = 0; flags < 16; flags++) {
    Canvas expected(7, 7), fromCache(7, 7), decoded(7, 7);
    expected.graphics->drawRegion(reference, 0, 0, 3, 2, kToGraphics[flags & 7], 2, 3, 0);
    cached->paintModule(fromCache.graphics, 0, 2, 3, flags);
    uncached->paintModule(decoded.graphics, 0, 2, 3, flags);
    EXPECT_EQ(PixelsOf(fromCache), PixelsOf(expected)) << "cached, flags " << flags;
    EXPECT_EQ(PixelsOf(decoded), PixelsOf(expected)) << "decoded, flags " << flags;
  }
  // Two of them spelled out: flags 1 mirrors, flags 4 turns clockwise.
  const std::map<uint16_t, char> legend = {
      {0, '.'},
      {Graphics::Rgb888ToRgb565(0xFF000000 | FormatColour(0x8888, 0, 1)), 'a'},
      {Graphics::Rgb888ToRgb565(0xFF000000 | FormatColour(0x8888, 0, 2)), 'b'},
      {Graphics::Rgb888ToRgb565(0xFF000000 | FormatColour(0x8888, 0, 3)), 'c'},
      {Graphics::Rgb888ToRgb565(0xFF000000 | FormatColour(0x8888, 0, 4)), 'd'},
      {Graphics::Rgb888ToRgb565(0xFF000000 | FormatColour(0x8888, 0, 5)), 'e'},
      {Graphics::Rgb888ToRgb565(0xFF000000 | FormatColour(0x8888, 0, 6)), 'f'}};
  Canvas mirrored(3, 2), turned(2, 3);
  cached->paintModule(mirrored.graphics, 0, 0, 0, 1);
  cached->paintModule(turned.graphics, 0, 0, 0, 4);
  EXPECT_EQ(mirrored.art(legend), "cba\nfed");
  EXPECT_EQ(turned.art(legend), "da\neb\nfc");
}

TEST_F(SpritePaintTest, AContainersFlipsAndTurnPlaceItsParts) {
  ASprite* sprite = Load(Asymmetric());
  IntArray* out = NewIntArray(4);
  struct Case {
    int32_t flags;
    std::vector<int32_t> bounds;
  };
  // The part: the 3 x 2 module at (2, 1).
  const Case kFrame[] = {{0, {2, 1, 5, 3}},
                         {1, {-5, 1, -2, 3}},   // at (-(ox + w), oy)
                         {2, {2, -3, 5, -1}},   // at (ox, -(oy + h))
                         {4, {-3, 2, -1, 5}}};  // at (-(oy + h), ox), 2 x 3
  for (const Case& c : kFrame) {
    sprite->getFrameBounds(out, 0, 0, 0, c.flags);
    EXPECT_EQ(Four(out), c.bounds) << "frame, flags " << c.flags;
  }
  // The animation-frame's own offset (4, -2) is negated, not moved by the frame's width.
  const Case kAFrame[] = {{0, {6, -1, 9, 1}}, {1, {-9, -1, -6, 1}}, {4, {-1, 6, 1, 9}}};
  for (const Case& c : kAFrame) {
    sprite->measureAFrame(out, 0, 0, 0, 0, c.flags);
    EXPECT_EQ(Four(out), c.bounds) << "animation-frame, flags " << c.flags;
  }
  // Painted where it was measured, drawn as the module in the part's mapped flags.
  sprite->buildModuleImages(0, 0, -1, -1);
  for (const int32_t flags : {1, 4, 7}) {
    Canvas frame(20, 20), module(20, 20);
    sprite->getFrameBounds(out, 0, 10, 10, flags);
    sprite->paintFrame(frame.graphics, 0, 10, 10, flags, 0, 0);
    sprite->paintModule(module.graphics, 0, out->elements()[0], out->elements()[1], flags);
    EXPECT_EQ(PixelsOf(frame), PixelsOf(module)) << flags;
  }
}

TEST_F(SpritePaintTest, ShapesDrawAsTheirPrimitives) {
  SpriteData s = PaletteSprite(flag::kImagesAllowed, 2);
  s.modules = {Shape(ModuleKind::kRectOutline, 0xFF00FF00, 6, 3),
               Shape(ModuleKind::kFilledRect, 0xFF0000FF, 6, 3),
               Shape(ModuleKind::kArcOutline, 0xFFFFFFFF, 10, 8, {0, 360}),
               Shape(ModuleKind::kFilledArc, 0xFFFFFF00, 10, 8, {0, 90}),
               Shape(ModuleKind::kTriangleOutline, 0xFFFF0000, 0, 0, {8, 2, 3, 9}),
               Shape(ModuleKind::kFilledTriangle, 0xFF00FFFF, 0, 0, {8, 2, 3, 9})};
  ASprite* sprite = Load(s);
  using Draw = void (*)(Graphics*);
  const struct {
    int32_t module, flags;
    Draw draw;
  } kCases[] = {
      {0, 0,
       [](Graphics* g) {
         g->setColor(0x00FF00);
         g->drawRect(1, 2, 6, 3);
       }},
      {0, 4,
       [](Graphics* g) {
         g->setColor(0x00FF00);
         g->drawRect(1, 2, 3, 6);
       }},
      {1, 5,
       [](Graphics* g) {
         g->setColor(0x0000FF);
         g->fillRect(1, 2, 3, 6);
       }},
      {2, 4,
       [](Graphics* g) {
         g->setColor(0xFFFFFF);
         g->drawArc(1, 2, 10, 8, 0, 360);
       }},
      {3, 1,
       [](Graphics* g) {
         g->setColor(0xFFFF00);
         g->fillArc(1, 2, 10, 8, 0, 90);
       }},
      {4, 0,
       [](Graphics* g) {
         g->setColor(0xFF0000);
         g->drawLine(1, 2, 9, 4);
         g->drawLine(9, 4, 4, 11);
         g->drawLine(1, 2, 4, 11);
       }},
      {5, 6,
       [](Graphics* g) {
         g->setColor(0x00FFFF);
         g->fillTriangle(1, 2, 9, 4, 4, 11);
       }},
  };
  for (const auto& c : kCases) {
    Canvas painted(14, 14), expected(14, 14);
    sprite->paintModule(painted.graphics, c.module, 1, 2, c.flags);
    c.draw(expected.graphics);
    EXPECT_EQ(PixelsOf(painted), PixelsOf(expected)) << c.module << " " << c.flags;
    EXPECT_LT(painted.count(0), 14 * 14) << c.module;
  }
  // Without their parameters, the arcs and triangles draw nothing.
  sprite->moduleParamIndex = nullptr;
  Canvas empty(14, 14);
  for (int32_t m = 2; m < 6; m++) sprite->paintModule(empty.graphics, m, 1, 2, 0);
  EXPECT_EQ(empty.count(0), 14 * 14);
}

TEST_F(SpritePaintTest, ATranslucentFilledRectangleFillsOpaqueAndColoursDrawGraphics) {
  SpriteData s = PaletteSprite(flag::kImagesAllowed, 2);
  s.modules = {Shape(ModuleKind::kFilledRect, 0x80FF0000, 4, 2)};
  ASprite* sprite = Load(s);
  Canvas target(6, 4), other(2, 2);
  Statics<GameStatics>()->cGame_drawGraphics = other.graphics;
  sprite->paintModule(target.graphics, 0, 1, 1, 0);
  EXPECT_EQ(target.count(0xF800), 8);
  EXPECT_EQ(other.graphics->colour, 0xFFFF0000u);
  EXPECT_EQ(other.count(0), 4);
}

TEST_F(SpritePaintTest, AnEmptyBoxPaintsNothingButCountsInBounds) {
  SpriteData s = PaletteSprite(flag::kImagesAllowed, 2);
  s.modules = {Shape(ModuleKind::kEmptyBox, 0, 9, 2)};
  const SpriteFModule part[] = {{0, 1, 1, 0}};
  AddFrame(s, part);
  ASprite* sprite = Load(s);
  Canvas canvas(12, 4);
  canvas.graphics->setColor(0x123456);
  sprite->paintFrame(canvas.graphics, 0, 0, 0, 0, 0, 0);
  EXPECT_EQ(canvas.count(0), 48);
  EXPECT_EQ(canvas.graphics->colour, 0xFF000000u);  // the box's colour 0, made opaque
  IntArray* out = NewIntArray(4);
  sprite->getFrameBounds(out, 0, 0, 0, 0);
  EXPECT_EQ(Four(out), (std::vector<int32_t>{1, 1, 10, 3}));
}

TEST_F(SpritePaintTest, AModuleEndingOnTheClipsLeftEdgeIsStillDrawn) {
  // Scaled at 100 percent with an alpha, a module is drawn one pixel wider than it is, so the
  // module that ends on the clip's edge shows that pixel, and one pixel further left does not.
  ASprite* sprite = Load(Asymmetric());
  MQPixEffects::init();
  MQPixEffects::setEffect(MQPixEffects::kScale, false);
  auto* params =
      static_cast<IntArray*>(Statics<GameStatics>()->MQPixEffects_effectParams->elements()[11]);
  params->elements()[2] = 255;
  for (const int32_t x : {2, 1}) {
    Canvas canvas(10, 4);
    canvas.graphics->setClip(5, 0, 5, 4);
    sprite->paintModule(canvas.graphics, 0, x, 0, 0);  // x + 3 is 5, then 4
    EXPECT_EQ(canvas.count(0) < 40, x == 2) << x;
  }
}

TEST_F(SpritePaintTest, FrameRectangles) {
  ASprite* sprite = Load(Asymmetric());
  IntArray* out = NewIntArray(4);
  struct Case {
    int32_t r, flags;
    std::vector<int32_t> rect;
  };
  const Case kCases[] = {{0, 0, {-4, 3, 200, 7}},   {1, 0, {1, -2, 5, 6}}, {1, 1, {-6, -2, 5, 6}},
                         {0, 2, {-4, -10, 200, 7}}, {2, 0, {0, 0, 0, 0}},  {-1, 0, {0, 0, 0, 0}}};
  for (const Case& c : kCases) {
    FillIntArray(out, 4, 9, 9, 9, 9);
    sprite->getFrameRect(0, c.r, out, c.flags);
    EXPECT_EQ(Four(out), c.rect) << c.r << " " << c.flags;
  }
  sprite->getAFrameRect(0, 0, 1, out, 1, true);
  EXPECT_EQ(Four(out), (std::vector<int32_t>{-2, -4, 5, 6}));
  sprite->getAFrameRectNoOffset(0, 0, 1, out, 0);
  EXPECT_EQ(Four(out), (std::vector<int32_t>{1, -2, 5, 6}));
  sprite->getAFrameRect(3, 0, 0, out, 0, true);
  EXPECT_EQ(Four(out), (std::vector<int32_t>{0, 0, 0, 0}));
  // Without rectangles nothing is written.
  sprite->frameFirstRect = nullptr;
  FillIntArray(out, 4, 9, 9, 9, 9);
  sprite->getFrameRect(0, 0, out, 0);
  EXPECT_EQ(Four(out), (std::vector<int32_t>{9, 9, 9, 9}));
}

TEST_F(SpritePaintTest, ARemapTablePaintsAnotherModule) {
  SpriteData s = Asymmetric();
  s.modules.push_back(Shape(ModuleKind::kFilledRect, 0xFFFFFFFF, 2, 2));
  ASprite* sprite = Load(s);
  ShortArray* remap = NewShortArray(2);
  remap->elements()[0] = 1;
  sprite->moduleRemaps->elements()[3] = remap;
  for (const int32_t n : {3, 16, 2}) {
    sprite->setModuleRemap(n);
    Canvas canvas(3, 2);
    sprite->paintModule(canvas.graphics, 0, 0, 0, 0);
    EXPECT_EQ(canvas.count(0xFFFF) == 4, n == 3) << n;
    EXPECT_LT(canvas.count(0), 6) << n;
  }
}

}  // namespace
