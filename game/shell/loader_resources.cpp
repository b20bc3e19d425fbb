// The loader's resources: the sprite shorthands its steps load with, the sprite table by slot,
// packs opened by the string constant that names them, and the guard around each operation of
// a step (a failing one is traced with the kind and the step, and the step goes on).
#include <string>

#include "engine/sprite.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/shell/loader_support.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/class_table_data.h"
#include "runtime/constant_pool.h"
#include "runtime/exceptions.h"
#include "runtime/trace.h"

// ---- Sprite shorthands ------------------------------------------------------------------------

// Palette is the mask of palettes to prepare; cache 0 keeps no Images, so the sprite keeps its
// pixels and decodes its modules when it paints. flag goes to the loader's unused argument.
ASprite* cGame::loadSpriteShort(int32_t entry, int32_t palette, int32_t cache, int32_t flag) {
  return loadSprite(entry, palette, 0, 0, cache != 0, false, flag, nullptr);
}

// Images are built only for the frames of the animations in list (with cache set); a and b are
// the cache and the loader's unused argument.
ASprite* cGame::loadSpriteWithPaletteShort(int32_t entry, int32_t palette, int32_t a, int32_t b,
                                           IntArray* list) {
  return loadSpriteWithPalette(entry, palette, 0, 0, a != 0, false, b, list);
}

namespace loader {

// ---- The sprite table -------------------------------------------------------------------------

ASprite* SpriteAt(int32_t slot) {
  ObjectArray* table = Statics<GameStatics>()->cGame_spriteTable;
  if (!table || slot < 0 || slot >= table->length) return nullptr;
  return CheckCast<ASprite>(table->elements()[slot]);
}

void SetSlot(int32_t slot, Object* value) {
  ObjectArray* table = Statics<GameStatics>()->cGame_spriteTable;
  if (!NullCheck(table)) return;
  if (slot < 0 || slot >= table->length) {
    DebugLog("cGame::loadStep(): sprite slot %d is outside the sprite table (%d slots); skipped",
             slot, table->length);
    return;
  }
  table->elements()[slot] = value;
}

// ---- The guard ----------------------------------------------------------------------------------

bool MayRun() {
  Object* pending = GetPendingException();
  return !pending || InstanceOf(pending, cid::java_lang_Exception);
}

void AfterOperation(const char* what) {
  Object* pending = GetPendingException();
  if (!pending || !InstanceOf(pending, cid::java_lang_Exception)) return;
  GameStatics* s = Statics<GameStatics>();
  DebugLog("cGame::loadStep(): load kind %d step %d: %s raised %s; the step goes on",
           s->cGame_loadKind, s->cGame_loadStep, what, kClassNames[pending->classId]);
  ClearPendingException();
  static_cast<java_lang_Throwable*>(pending)->printStackTrace();
}

// ---- Packs and sprites --------------------------------------------------------------------------

void Open(int32_t pack) {
  const std::string what = "opening pack " + std::to_string(pack);
  Run(what.c_str(), [pack] { cGame::openPack(GetConstantString(pack)); });
}

void Close() {
  Run("closing the pack", [] { cGame::closeResourceStream(); });
}

void LoadSlot(int32_t slot, int32_t entry, int32_t palette, bool cache) {
  const std::string what =
      "sprite slot " + std::to_string(slot) + " = entry " + std::to_string(entry);
  Run(what.c_str(), [=] { SetSlot(slot, cGame::loadSpriteShort(entry, palette, cache, 0)); });
}

void LoadSlotWithList(int32_t slot, int32_t entry, int32_t palette, IntArray* list) {
  const std::string what =
      "sprite slot " + std::to_string(slot) + " = entry " + std::to_string(entry) + " by list";
  Run(what.c_str(),
      [=] { SetSlot(slot, cGame::loadSpriteWithPaletteShort(entry, palette, 1, 0, list)); });
}

}  // namespace loader
