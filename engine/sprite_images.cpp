// ASprite's image cache: one Image per palette and image module, built from the decoded
// pixels so painting need not decode. Rows exist only for palettes the sprite holds.
#include <algorithm>

#include "engine/sprite.h"
#include "game/game_statics.h"
#include "javame/image.h"
#include "runtime/range_check.h"
#include "runtime/system.h"
#include "runtime/trace.h"

namespace {

using Image = javax_microedition_lcdui_Image;

void CollectIf(bool collect) {
  if (collect) java_lang_System::gc();
}

// True when some of the n pixels is not opaque.
bool HasAlpha(IntArray* pixels, int32_t n) {
  const auto* p = reinterpret_cast<const uint32_t*>(pixels->elements());
  return std::any_of(p, p + n, [](uint32_t c) { return c >> 24 != 0xFF; });
}

// The cache row of palette p, made when absent; null (traced) when p names no palette.
ObjectArray* CacheRow(ASprite* sprite, int32_t p) {
  ObjectArray* cache = sprite->moduleImages;
  if (!IndexInRange("ASprite::buildModuleImages palette", p,
                    std::min(cache->length, sprite->paletteCount))) {
    return nullptr;
  }
  Object* row = cache->elements()[p];
  if (row) return static_cast<ObjectArray*>(row);
  ObjectArray* made = NewObjectArray(cid::javax_microedition_lcdui_Image, sprite->moduleCount);
  if (!made || made->length != sprite->moduleCount) return nullptr;
  sprite->moduleImages->elements()[p] = made;
  return made;
}

}  // namespace

void ASprite::buildModuleImages(int32_t p, int32_t first, int32_t last, int32_t shareFrom) {
  const bool collect = Statics<GameStatics>()->ASprite_gcOnLoad;
  if (!moduleImages) moduleImages = NewObjectArray(cid::ObjectArray, paletteCount);
  if (moduleCount == 0 || !moduleImages) return;
  if (last == -1) last = moduleCount - 1;
  if (flags & (kImagesAllowed | kPaletteSection)) {
    ObjectArray* row = CacheRow(this, p);
    if (!row) return;
    if (first < 0 || last >= moduleCount) {
      DebugLog("ASprite::buildModuleImages: modules %d..%d leave the %d modules", first, last,
               moduleCount);
      first = std::max(first, 0);
      last = std::min(last, moduleCount - 1);
    }
    if (shareFrom >= 0) {
      ObjectArray* from = nullptr;
      if (IndexInRange("ASprite::buildModuleImages share", shareFrom, moduleImages->length)) {
        from = static_cast<ObjectArray*>(moduleImages->elements()[shareFrom]);
      }
      for (int32_t m = first; from && m <= last && m < from->length; m++) {
        row->elements()[m] = from->elements()[m];
      }
    } else {
      const int32_t kept = currentPalette;
      currentPalette = p;
      CollectIf(collect);
      for (int32_t m = first; m <= last; m++) {
        const int32_t w = moduleWidth->elements()[m] & 0xFFFF;
        const int32_t h = moduleHeight->elements()[m] & 0xFFFF;
        if (moduleKind->elements()[m] != kImage || w < 1 || h < 1) continue;
        IntArray* pixels = decodeModule(m);
        if (!pixels) continue;
        Image* image = Image::createRGBImage(pixels, w, h, HasAlpha(pixels, w * h));
        row->elements()[m] = image;
      }
      CollectIf(collect);
      currentPalette = kept;
    }
  }
  CollectIf(collect);
}

void ASprite::buildFrameImages(int32_t p, int32_t frame) {
  for (int32_t i = 0, n = getFModuleCount(frame); i < n; i++) {
    const int32_t k = fmoduleIndex(frame, i);
    if (k < 0) return;
    const int32_t m = fmoduleModule->elements()[k] & 0xFF;
    if (!getModuleImage(m, p)) buildModuleImages(p, m, m, -1);
  }
}

void ASprite::buildAnimImages(int32_t p, int32_t anim) {
  for (int32_t j = 0, n = getAFrameCount(anim); j < n; j++) {
    const int32_t k = aframeIndex(anim, j);
    if (k < 0) return;
    buildFrameImages(p, aframeFrame->elements()[k] & 0xFF);
  }
}

Image* ASprite::getModuleImage(int32_t m, int32_t p) {
  if (!moduleImages || p < 0 || p >= moduleImages->length) return nullptr;
  auto* row = static_cast<ObjectArray*>(moduleImages->elements()[p]);
  if (!row || m < 0 || m >= row->length) return nullptr;
  return static_cast<Image*>(row->elements()[m]);
}

void ASprite::freePixelData() {
  pixelData = nullptr;
  modulePixelOffset = nullptr;
  palettes = nullptr;
}
