// cGame's sprite loaders: one entry of the open pack parsed into a new ASprite, the alpha
// treatment of the palettes a mask names, and their module Images built into the cache.
#include <cstdio>
#include <string>

#include "engine/sprite.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "platform/device_path.h"
#include "runtime/string.h"
#include "runtime/system.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kMaskBits = 32;

// The sprite's name in trace lines: the open pack and the entry.
std::string EntryName(int32_t entry) {
  return "(pack \"" + PrintablePath(Statics<GameStatics>()->cGame_packName) + "\" entry " +
         std::to_string(entry) + ")";
}

// Makes and parses the sprite of the entry, then for each palette the mask names (bits 0..31,
// as unsigned bits) applies the alpha treatment and, when asked, build(p). Palettes the
// sprite does not hold are skipped with one trace line.
template <class Build>
ASprite* LoadEntry(int32_t entry, int32_t paletteMask, int32_t alphaMode, int32_t alpha,
                   bool buildImages, bool freeData, Build build) {
  ASprite* sprite = NewObject<ASprite>();
  if (!sprite) return nullptr;
  sprite->initFields();
  const std::string name = EntryName(entry);
  sprite->loadNamed(cGame::readPackEntry(entry), 0, name.c_str());
  uint32_t missing = 0;
  for (int32_t p = 0; p < kMaskBits; p++) {
    if (!((static_cast<uint32_t>(paletteMask) >> p) & 1)) continue;
    if (p >= sprite->paletteCount) {
      missing |= 1u << p;
      continue;
    }
    if (alphaMode == 1) sprite->setPaletteAlphaDefault(p, alpha);
    if (alphaMode == 2) sprite->applyLastAlphaPalette(p);
    if (buildImages) build(sprite, p);
  }
  if (missing) {
    DebugLog("sprite %s: the palette mask 0x%X names palettes past its %d", name.c_str(), missing,
             sprite->paletteCount);
  }
  if (buildImages && freeData) {
    sprite->freePixelData();
    if (Statics<GameStatics>()->ASprite_gcOnLoad) java_lang_System::gc();
  }
  return sprite;
}

}  // namespace

ASprite* cGame::loadSprite(int32_t entry, int32_t paletteMask, int32_t alphaMode, int32_t alpha,
                           bool buildImages, bool freeData, int32_t, ByteArray* skipModules) {
  return LoadEntry(entry, paletteMask, alphaMode, alpha, buildImages, freeData,
                   [skipModules](ASprite* sprite, int32_t p) {
                     if (!skipModules) {
                       sprite->buildModuleImages(p, 0, -1, -1);
                       return;
                     }
                     for (int32_t m = 0; m < sprite->moduleCount; m++) {
                       if (m >= skipModules->length || skipModules->elements()[m] == 0) {
                         sprite->buildModuleImages(p, m, m, -1);
                       }
                     }
                   });
}

ASprite* cGame::loadSpriteWithPalette(int32_t entry, int32_t paletteMask, int32_t alphaMode,
                                      int32_t alpha, bool buildImages, bool freeData, int32_t,
                                      IntArray* anims) {
  return LoadEntry(entry, paletteMask, alphaMode, alpha, buildImages, freeData,
                   [anims](ASprite* sprite, int32_t p) {
                     if (!NullCheck(anims)) return;
                     for (int32_t i = 0; i < anims->length; i++) {
                       sprite->buildAnimImages(p, anims->elements()[i]);
                     }
                   });
}
