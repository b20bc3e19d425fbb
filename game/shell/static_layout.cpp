// cGame's later class initialiser steps: the colour table, the layout constants derived from
// the canvas size that clinitTables set (480 x 800; a later change of the logical size does
// not recompute them), the per-option value tables, the text statics and the counts taken from
// the tables already built. Each step keeps its place in the initialiser order.
#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/shell/constant_table.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "runtime/exceptions.h"
#include "runtime/range_check.h"
#include "runtime/static_class.h"
#include "runtime/string.h"

namespace {

constexpr int32_t kUnlockList = 11;     // menu list of the unlockable items
constexpr int32_t kTextEncoding = 270;  // string constant naming the byte-array encoding
constexpr int32_t kFirstShellString = 277;
constexpr int32_t kShellStrings = 15;
constexpr int32_t kFirstTableString = 292;
constexpr int32_t kTableStrings = 10;
constexpr int32_t kShellName = 302;
constexpr int32_t kEmptyString = 46;
constexpr int32_t kScaleUnit = 256;  // the layout's scale unit s

}  // namespace

// ---- Tables and layout --------------------------------------------------------------------

void cGame::clinitSmallTables() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_optionValuesE = ConstantTable({4, 3});
  s->cGame_optionValuesF = ConstantTable({2, 1});
}

// RGB: the three primaries, then the game's browns, yellows, blues and creams.
void cGame::clinitColours() {
  Statics<GameStatics>()->cGame_colourTable =
      ConstantTable({0xFF0000, 0x00FF00, 0x0000FF, 0xB34102, 0xFFC12C, 0x93CEE5, 0xC2EAF9, 0xA8B6CE,
                     0xD9CDCA, 0xF9F8EA, 0xFF9836, 0xFFEDBE, 0x86BFFF, 0xBFEDFF});
}

// Four values from the canvas width.
void cGame::clinitDerivedValues() {
  GameStatics* s = Statics<GameStatics>();
  const int32_t w = s->cGame_canvasWidth;
  s->cGame_screenCentreX = w / 2;
  s->cGame_quarterX = (w - w / 2) / 2;
  s->cGame_canvasWidthAtStart = w;
  s->cGame_mapPanelX = w / 2 + 48;
}

// The edge layout (19 values, margins and anchors measured from the screen's edges), and the
// scale unit's multiples 2s, 4s, s, s / 2.
void cGame::clinitLayout() {
  GameStatics* s = Statics<GameStatics>();
  const int32_t w = s->cGame_canvasWidth;
  const int32_t h = s->cGame_canvasHeight;
  s->cGame_edgeLayout =
      ConstantTable({w - 10, h - 120, h - 40, 5, 80, 20, w - 40, h - 40, w - 80, h - 80, w - 80,
                     w - 160, (w - 160) / 2 + 120, h - 180, w - 80, h - 240, w - 150, w - 60, 30});
  s->cGame_scaleUnit2 = 2 * kScaleUnit;
  s->cGame_scaleUnit4 = 4 * kScaleUnit;
  s->cGame_scaleUnit = kScaleUnit;
  s->cGame_scaleUnitHalf = kScaleUnit / 2;
}

void cGame::clinitPanelRect() {
  GameStatics* s = Statics<GameStatics>();
  const int32_t w = s->cGame_canvasWidth;
  const int32_t h = s->cGame_canvasHeight;
  s->cGame_panelRect = ConstantTable({w - 48, h - 180, h - 60, w - 44, w * 3 / 5});
}

// Value pairs indexed by spriteSetOption (0 or 1).
void cGame::clinitOptionPairs() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_optionValuesA = ConstantTable({7, 9});
  s->cGame_optionValuesB = ConstantTable({6, 8});
  s->cGame_optionValuesC = ConstantTable({10, 11});
}

// The two boolean constants, the remaining option tables and the hidden award list.
void cGame::clinitFlags() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_constantFalse = false;
  s->cGame_constantTrue = true;
  s->cGame_optionValuesD = ConstantTable({7, 7, 7, 7});
  s->cGame_optionValuesG = ConstantTable({0});
  s->cGame_optionValuesH = ConstantTable({});
  s->cGame_optionValuesI = ConstantTable({});
  s->cGame_listedAwardIds = ConstantTable({16, 17, 19, 20, 22, 23});
}

// The canvas height, a 16.16 factor (1.09375) and the map's walk speed (0.5078 in 16.16).
void cGame::clinitFurtherValues() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_canvasHeightAtStart = s->cGame_canvasHeight;
  s->cGame_layoutFactor = 0x11800;
  s->cGame_mapWalkSpeed = 0x8200;
}

// ---- Texts --------------------------------------------------------------------------------

void cGame::clinitStringTables() {
  GameStatics* s = Statics<GameStatics>();
  s->cGame_textEncoding = GetConstantString(kTextEncoding);
  ObjectArray* strings = NewObjectArray(cid::String, kShellStrings);
  for (int32_t i = 0; strings && i < kShellStrings; i++) {
    strings->elements()[i] = GetConstantString(kFirstShellString + i);
  }
  s->cGame_shellStrings = strings;
  ObjectArray* table = NewObjectArray(cid::String, kTableStrings);
  for (int32_t i = 0; table && i < kTableStrings; i++) {
    table->elements()[i] = GetConstantString(kFirstTableString + i);
  }
  s->cGame_shellStringTable = table;
  s->cGame_shellName = GetConstantString(kShellName);
  s->cGame_defaultText = GetConstantString(kEmptyString);
}

// ---- Values from the built tables ---------------------------------------------------------

// The unlockable items are the entries of menu list 11 after its heading and separator.
void cGame::clinitLoadedTableValues() {
  GameStatics* s = Statics<GameStatics>();
  ObjectArray* lists = s->cGame_menuLists;
  if (!NullCheck(lists) ||
      !IndexInRange("cGame::clinitLoadedTableValues", kUnlockList, lists->length)) {
    return;
  }
  auto* unlockList = static_cast<IntArray*>(lists->elements()[kUnlockList]);
  if (NullCheck(unlockList)) s->cGame_unlockFlagCount = unlockList->length - 2;
}

// Three values from the canvas height.
void cGame::clinitLayoutValues() {
  GameStatics* s = Statics<GameStatics>();
  const int32_t h = s->cGame_canvasHeight;
  s->cGame_bottomRowY = h - 1;
  s->cGame_bannerSpeed = (h / 2) << 8;
  s->cGame_mapPanelY = h - 26;
}

// ---- Accessors ----------------------------------------------------------------------------

int32_t cGame::getStatic12(int32_t i) {
  IntArray* table = Statics<GameStatics>()->cGame_levelsPerWorld;
  if (!NullCheck(table) || !IndexInRange("cGame::getStatic12", i, table->length)) return 0;
  return table->elements()[i];
}

// The world tables hold string constants; an entry reads as the number of its constant.
int32_t cGame::getStatic16(int32_t i) {
  GameStatics* s = Statics<GameStatics>();
  ObjectArray* texts = s->cGame_worldTexts;
  ObjectArray* pool = s->constantPool;
  if (!NullCheck(texts) || !IndexInRange("cGame::getStatic16", i, texts->length)) return 0;
  for (int32_t n = 0; pool && n < pool->length; n++) {
    if (pool->elements()[n] == texts->elements()[i]) return n;
  }
  return 0;
}
