// ASprite's painting: a module at a place under transform flags (shapes through the Graphics
// primitives, image modules from the image cache or decoded on the fly, optionally through the
// pixel effects), a frame's modules, an animation-frame's frame. With a null Graphics while
// measuring, every module only widens the measured bounds.
#include <utility>

#include "engine/pix_effects.h"
#include "engine/sprite.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/graphics.h"
#include "runtime/range_check.h"

namespace {

using Graphics = javax_microedition_lcdui_Graphics;
using Image = javax_microedition_lcdui_Image;

// The transform tables of the class initialiser, by row.
constexpr int32_t kToGraphics = 0;
constexpr int32_t kAfterFlipX = 1;
constexpr int32_t kAfterFlipY = 2;
constexpr int32_t kAfterRotation = 3;

// Part flags fl under a container's transform through table `row`; bit 3 carried along.
int32_t MapFlags(int32_t row, int32_t fl) {
  ObjectArray* tables = Statics<GameStatics>()->ASprite_transformTables;
  if (!NullCheck(tables) || !IndexInRange("ASprite transform table", row, tables->length)) {
    return fl;
  }
  auto* table = static_cast<IntArray*>(tables->elements()[row]);
  if (!NullCheck(table) || table->length < 8) return fl;
  return table->elements()[fl & 7] | (fl & ~7);
}

// Module m through the selected remap table; m itself when no table applies.
int32_t Remapped(ASprite* sprite, int32_t m) {
  const int32_t n = sprite->currentRemap;
  if (n < 0 || n >= ASprite::kMostRemaps || !sprite->moduleRemaps ||
      n >= sprite->moduleRemaps->length) {
    return m;
  }
  Object* table = sprite->moduleRemaps->elements()[n];
  if (!table || table->classId != cid::ShortArray) return m;
  auto* remap = static_cast<ShortArray*>(table);
  return m >= 0 && m < remap->length ? remap->elements()[m] : m;
}

// Kinds 3, 4, 6 and 7: their `count` parameters, or null when the module has none.
const int16_t* ShapeParams(ASprite* sprite, int32_t m, int32_t count) {
  const int32_t first = sprite->getModuleParamIndex(m);
  if (first < 0 || !sprite->moduleParams) return nullptr;
  if (!RangeInside(first, count, sprite->moduleParams->length)) return nullptr;
  return sprite->moduleParams->elements() + first;
}

// Shapes ignore the transform except for the size swap of the two rectangles.
void PaintShape(ASprite* sprite, Graphics* g, int32_t m, int32_t kind, int32_t x, int32_t y,
                int32_t w, int32_t h) {
  const int32_t colour = sprite->moduleColor->elements()[m];
  g->setColor(colour);
  const int32_t mw = sprite->moduleWidth->elements()[m] & 0xFFFF;
  const int32_t mh = sprite->moduleHeight->elements()[m] & 0xFFFF;
  const int16_t* p = nullptr;
  switch (kind) {
    case ASprite::kRectOutline:
      g->drawRect(x, y, w, h);
      break;
    case ASprite::kFilledRect: {
      const uint32_t alpha = static_cast<uint32_t>(colour) >> 24;
      if (alpha != 0xFF && alpha != 0) {
        Graphics* drawGraphics = Statics<GameStatics>()->cGame_drawGraphics;
        if (NullCheck(drawGraphics)) drawGraphics->setColor(colour);
      }
      g->fillRect(x, y, w, h);
      break;
    }
    case ASprite::kArcOutline:
      if ((p = ShapeParams(sprite, m, 2))) g->drawArc(x, y, mw, mh, p[0], p[1]);
      break;
    case ASprite::kFilledArc:
      if ((p = ShapeParams(sprite, m, 2))) g->fillArc(x, y, mw, mh, p[0], p[1]);
      break;
    case ASprite::kTriangleOutline:
      if ((p = ShapeParams(sprite, m, 4))) {
        const int16_t q[4] = {p[0], p[1], p[2], p[3]};  // drawing may move the table's body
        g->drawLine(x, y, x + q[0], y + q[1]);
        g->drawLine(x + q[0], y + q[1], x + q[2], y + q[3]);
        g->drawLine(x, y, x + q[2], y + q[3]);
      }
      break;
    case ASprite::kFilledTriangle:
      if ((p = ShapeParams(sprite, m, 4))) {
        g->fillTriangle(x, y, x + p[0], y + p[1], x + p[2], y + p[3]);
      }
      break;
    default:  // the empty box, and kinds outside the table
      break;
  }
}

// True when the module, scaled as effect 11 scales it, misses g's clip. A module whose right
// edge lies on the clip's left edge still counts as inside.
bool OutsideClip(Graphics* g, int32_t x, int32_t y, int32_t w, int32_t h) {
  if (MQPixEffects::paintsWith(MQPixEffects::kScaleBit)) {
    const int32_t percent = MQPixEffects::scalePercent();
    w = static_cast<int32_t>(int64_t{w} * percent / 100);
    h = static_cast<int32_t>(int64_t{h} * percent / 100);
  }
  const int64_t cx = g->getClipX(), cy = g->getClipY();
  return int64_t{x} + w < cx || int64_t{y} + h < cy || x >= cx + g->getClipWidth() ||
         y >= cy + g->getClipHeight();
}

// The last effect output, when there is one, drawn as the effect statics describe it.
void DrawEffectOutput(Graphics* g, IntArray* pixels, int32_t x, int32_t y) {
  if (!pixels) return;
  GameStatics* s = Statics<GameStatics>();
  const int32_t w = s->MQPixEffects_effectOutputWidth, h = s->MQPixEffects_effectOutputHeight;
  cGame::drawRGB(g, pixels, 0, w, x, y, w, h, s->MQPixEffects_effectOutputAlpha);
}

}  // namespace

void ASprite::paintModule(Graphics* g, int32_t m, int32_t x, int32_t y, int32_t flags) {
  m = Remapped(this, m);
  if (!IndexInRange("ASprite::paintModule module", m, moduleCount)) return;
  const int32_t mw = moduleWidth->elements()[m] & 0xFFFF;
  const int32_t mh = moduleHeight->elements()[m] & 0xFFFF;
  int32_t w = mw, h = mh;
  if (flags & 4) std::swap(w, h);
  const int32_t kind = moduleKind->elements()[m];
  if (kind != kImage && g) {
    PaintShape(this, g, m, kind, x, y, w, h);
    return;
  }
  GameStatics* s = Statics<GameStatics>();
  if (s->ASprite_measureMode == 1) {
    IntArray* bounds = s->ASprite_measureBounds;
    if (!NullCheck(bounds) || bounds->length < 4) return;
    int32_t* b = bounds->elements();
    b[0] = std::min(b[0], x);
    b[1] = std::min(b[1], y);
    b[2] = std::max(b[2], x + w);
    b[3] = std::max(b[3], y + h);
    return;
  }
  if (currentPalette == tintPalette && moduleTintStamp && m < moduleTintStamp->length &&
      moduleTintStamp->elements()[m] != static_cast<int8_t>(tintAmount)) {
    const bool collect = s->ASprite_gcOnLoad;
    s->ASprite_gcOnLoad = false;
    buildModuleImages(currentPalette, m, m, -1);
    s->ASprite_gcOnLoad = collect;
    moduleTintStamp->elements()[m] = static_cast<int8_t>(tintAmount);
  }
  if (w < 1 || h < 1) return;
  if (g && OutsideClip(g, x, y, w, h)) return;
  if (!(this->flags & (kImagesAllowed | kPaletteSection))) return;
  if (!NullCheck(g)) return;
  const bool effects = MQPixEffects::paintsWith(MQPixEffects::kRoutesPixels);
  if (Image* image = getModuleImage(m, currentPalette)) {
    if (effects) {
      DrawEffectOutput(g,
                       MQPixEffects::applyToImage(g, image, x, y, mw, mh, flags, hasTransparency,
                                                  hasPartialAlpha),
                       x, y);
      return;
    }
    const int32_t transform = MapFlags(kToGraphics, flags & 7);
    if (transform != 0) {
      g->drawRegion(image, 0, 0, image->width, image->height, transform, x, y, 0);
    } else {
      g->drawImage(image, x, y, 0);
    }
    return;
  }
  IntArray* pixels = nullptr;
  if (trueColorModules && currentPalette >= 0 && currentPalette < trueColorModules->length) {
    auto* row = static_cast<ObjectArray*>(trueColorModules->elements()[currentPalette]);
    if (row && m < row->length) pixels = static_cast<IntArray*>(row->elements()[m]);
  }
  if (!pixels) pixels = decodeModule(m);
  if (!pixels) return;
  if (effects) {
    DrawEffectOutput(
        g, MQPixEffects::apply(g, pixels, x, y, mw, mh, flags, hasTransparency, hasPartialAlpha), x,
        y);
    return;
  }
  if (flags != 0) pixels = transformRGB(pixels, w, h, flags);
  if (pixels) cGame::drawRGB(g, pixels, 0, w, x, y, w, h, hasTransparency);
}

void ASprite::paintFModule(Graphics* g, int32_t frame, int32_t i, int32_t x, int32_t y,
                           int32_t flags) {
  const int32_t k = fmoduleIndex(frame, i);
  if (k < 0) return;
  int32_t fl = fmoduleFlags->elements()[k] & 0xFF;
  const int32_t m = fmoduleModule->elements()[k] & 0xFF;
  const int32_t mapped = Remapped(this, m);
  if (!IndexInRange("ASprite frame-module's module", mapped, moduleCount)) return;
  int32_t w = moduleWidth->elements()[mapped] & 0xFFFF;
  int32_t h = moduleHeight->elements()[mapped] & 0xFFFF;
  if (fl & 4) std::swap(w, h);
  int32_t ox = fmoduleX->elements()[k], oy = fmoduleY->elements()[k];
  if (flags & 1) {
    fl = MapFlags(kAfterFlipX, fl);
    ox = -(ox + w);
  }
  if (flags & 2) {
    fl = MapFlags(kAfterFlipY, fl);
    oy = -(oy + h);
  }
  if (flags & 4) {
    fl = MapFlags(kAfterRotation, fl);
    const int32_t turned = -(oy + h);
    oy = ox;
    ox = turned;
  }
  if (MQPixEffects::paintsWith(MQPixEffects::kScaleBit)) {
    const int32_t percent = MQPixEffects::scalePercent();
    ox = static_cast<int32_t>(int64_t{ox} * percent / 100);
    oy = static_cast<int32_t>(int64_t{oy} * percent / 100);
  }
  paintModule(g, m, x + ox, y + oy, fl & 15);
}

void ASprite::paintFrame(Graphics* g, int32_t frame, int32_t x, int32_t y, int32_t flags, int32_t,
                         int32_t) {
  if (!IndexInRange("ASprite::paintFrame frame", frame, getFrameCount())) return;
  for (int32_t i = 0, n = getFModuleCount(frame); i < n; i++) {
    paintFModule(g, frame, i, x, y, flags);
  }
}

void ASprite::paintAFrame(Graphics* g, int32_t anim, int32_t aframe, int32_t x, int32_t y,
                          int32_t flags, int32_t, int32_t) {
  const int32_t k = aframeIndex(anim, aframe);
  if (k < 0) return;
  const int32_t frame = aframeFrame->elements()[k] & 0xFF;
  int32_t ox = aframeX->elements()[k], oy = aframeY->elements()[k];
  int32_t fl = aframeFlags->elements()[k] & 15;
  if (flags & 1) {
    fl = MapFlags(kAfterFlipX, fl);
    ox = -ox;
  }
  if (flags & 2) {
    fl = MapFlags(kAfterFlipY, fl);
    oy = -oy;
  }
  if (flags & 4) {
    fl = MapFlags(kAfterRotation, fl);
    const int32_t turned = -oy;
    oy = ox;
    ox = turned;
  }
  paintFrame(g, frame, x + ox, y + oy, fl, 0, 0);
}
