// cGame's first class initialiser: the shell's start-up values, the fixed-size work arrays
// that other parts of the game fill, and the constant tables. It runs before every initialiser
// that derives a size from the canvas, so it sets the canvas size first.
#include <initializer_list>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/shell/constant_table.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "runtime/static_class.h"
#include "runtime/string.h"

namespace {

constexpr int32_t kFrameBudget = 40;    // ms a pass of the game loop
constexpr int32_t kNoKeyCode = -9999;   // no key pressed yet
constexpr int32_t kNoPosition = -1;     // no pointer position
constexpr int32_t kPopupFontSlot = 3;   // the sprite table's slot of the popup's font
constexpr int32_t kSoundIds = 38;       // sound ids 0..37
constexpr int32_t kMenuItems = 50;      // items of the current menu
constexpr int32_t kMenuListCount = 21;  // entry lists of menuLists, and remembered selections
constexpr int32_t kTriggerRules = 50;   // rules of a level
constexpr int32_t kParticles = 3000;    // 50 emitters of 60 particles
constexpr int32_t kEmitters = 50;
constexpr int32_t kParticleWords = 11;  // words of a particle and of an emitter row
constexpr int32_t kWorlds = 12;
constexpr int32_t kFirstWorldText = 0;  // string constants 0..11 name the worlds

// ---- Allocation helpers -------------------------------------------------------------------

// int[rows][columns], every row its own array.
ObjectArray* IntRows(int32_t rows, int32_t columns) {
  ObjectArray* table = NewObjectArray(cid::IntArray, rows);
  if (!table) return nullptr;
  for (int32_t row = 0; row < table->length; row++) table->elements()[row] = NewIntArray(columns);
  return table;
}

// ---- The menu lists -----------------------------------------------------------------------

// List n: its heading text, -1, then its item texts, a further -1 between groups.
ObjectArray* MenuLists() {
  ObjectArray* lists = NewObjectArray(cid::IntArray, kMenuListCount);
  if (!lists) return nullptr;
  auto set = [&](int32_t n, IntArray* list) { lists->elements()[n] = list; };
  auto run = [](IntArray* list, int32_t from, int32_t first, int32_t count) {
    for (int32_t i = 0; list && i < count; i++) list->elements()[from + i] = first + i;
    return list;
  };
  set(0, ConstantTable({69, -1, 209, 60, 62, 74, 64, 67}));
  set(1, ConstantTable({207, -1}));
  set(2, ConstantTable({207, -1, 210, 211, 64, 225, 224, 67}));
  set(3, ConstantTable({207, -1, 34, 35}));
  set(4, ConstantTable({207, -1, 6, 7}));
  set(5, ConstantTable({64, -1, 186, 184, 188, 191, 65, 66, 182}));
  set(6, ConstantTable({68, -1, 193, 194, 195, 196, 197, 198, 199, 200}));
  set(7, ConstantTable({207, -1}));
  set(8, ConstantTable({72, -1, 635, 634, 633, 632}));
  set(9, ConstantTable({78, -1, 72, 65, 228, 689, 636}));
  set(10, run(FillIntArray(NewIntArray(27), 2, 636, -1), 2, 637, 25));  // 637..661
  set(11, run(FillIntArray(NewIntArray(17), 2, 689, -1), 2, 690, 15));  // 690..704
  set(12, ConstantTable({228, -1,  732, 721, 722, -1, 734, 240, -1,  241, -1, 230, 242, -1,
                         243, 244, -1,  245, 246, -1, 71,  247, 248, -1,  70, 249, 250}));
  set(13, ConstantTable({62, -1, 70, 71, 228, 636}));
  set(14, ConstantTable({71, -1}));
  set(15, ConstantTable({65, -1}));  // 15 to 17: three arrays, not one shared
  set(16, ConstantTable({65, -1}));
  set(17, ConstantTable({64, -1}));
  set(18, ConstantTable({64, -1, 186, 184, 188, 191, 65}));
  set(19, ConstantTable({65, -1}));
  set(20, ConstantTable({207, -1, 210, 64, 68, 224, 67}));
  return lists;
}

ObjectArray* WorldTexts() {
  ObjectArray* texts = NewObjectArray(cid::String, kWorlds);
  if (!texts) return nullptr;
  for (int32_t world = 0; world < kWorlds; world++) {
    texts->elements()[world] = GetConstantString(kFirstWorldText + world);
  }
  return texts;
}

// ---- Groups of clinitTables ---------------------------------------------------------------

// The shell's own start-up values; the Graphics statics, the pointer flags and the control
// bar's flags start as the zero-filled block has them (null and false).
void ShellDefaults(GameStatics* s) {
  s->cGame_canvasWidth = cGame::kCanvasWidth;
  s->cGame_canvasHeight = cGame::kCanvasHeight;
  s->cGame_frameBudget = kFrameBudget;
  s->cGame_lastKeyCode = kNoKeyCode;
  s->cGame_touchAction = cGame::kNoTouchAction;
  s->cGame_touchSoftKey = cGame::kNoTouchAction;
  s->cGame_softKeyIdleLeft = true;
  s->cGame_softKeyIdleRight = true;
  s->cGame_mapArrowItem = -1;
  for (int32_t* position :
       {&s->cGame_tapX, &s->cGame_tapY, &s->cGame_pointerReleaseX, &s->cGame_pointerReleaseY,
        &s->cGame_pointerPressX, &s->cGame_pointerPressY, &s->cGame_pointerX, &s->cGame_pointerY}) {
    *position = kNoPosition;
  }
  s->cGame_softKeyLeft = -1;
  s->cGame_softKeyRight = -1;
  s->cGame_touchMarginX = 80;
  s->cGame_touchMarginY = 80;
  s->cGame_chainedLoadKind = -1;
  s->cGame_chainedStateAfterLoad = -1;
  s->cGame_loadFresh = true;
  s->cGame_levelVariant = 1;
  s->cGame_bossKind = -1;  // the loader's own: no boss, no portrait, no option sprites yet
  s->cGame_portraitId = -1;
  s->cGame_weakPointTargetRadius = 111 << 8;  // 8.8 px: the ring boss's weak points' orbit
  s->cGame_loadedSpriteSet = -1;
  s->cGame_chooserWorld = -1;  // only the level chooser holds a world
  s->cGame_popupFont = kPopupFontSlot;
  s->cGame_levelIntroTextsEnabled = true;
}

// Capacities that the parts filling them rely on.
void WorkArrays(GameStatics* s) {
  s->cGame_soundData = NewObjectArray(cid::ByteArray, kSoundIds);
  s->cGame_soundLoops = NewByteArray(kSoundIds);
  s->cGame_menuItems = NewIntArray(kMenuItems);
  s->cGame_menuSavedSelection = NewIntArray(kMenuListCount);
  s->cGame_eventQueue = NewIntArray(cGame::kEventQueueLength);
  s->cGame_triggerEvent = NewIntArray(kTriggerRules);
  s->cGame_triggerFlags = NewIntArray(kTriggerRules);
  s->cGame_triggerMustSet = NewIntArray(kTriggerRules);
  s->cGame_triggerMustClear = NewIntArray(kTriggerRules);
  s->cGame_triggerMustRise = NewIntArray(kTriggerRules);
  s->cGame_triggerMustFall = NewIntArray(kTriggerRules);
  s->cGame_triggerOrder = NewIntArray(kTriggerRules);
  s->cGame_rectScratch = NewIntArray(4);
  s->cGame_particlePool = IntRows(kParticles, kParticleWords);
  s->cGame_particleEmitters = IntRows(kEmitters, kParticleWords);
  s->cGame_particleBudget = kParticles / kEmitters;  // every slot until a frame shares them
}

void ConstantTables(GameStatics* s) {
  s->cGame_menuLists = MenuLists();
  s->cGame_menuStartTable = ConstantTable({0});
  s->cGame_levelsPerWorld = ConstantTable({13, 13, 13, 13, 13, 13, 13, 13, 10, 10, 10, 1});
  s->cGame_worldTexts = WorldTexts();
  s->cGame_variantOrder = ConstantTable({0, 3, 5, 4, 2, 1, 7, 6});
  // Eight (x, y) button positions each, for one menu screen.
  s->cGame_buttonPointsA = ConstantTable(
      {290, 560, 364, 440, 268, 440, 348, 310, 256, 312, 184, 276, 104, 220, 180, 162});
  s->cGame_buttonPointsB = ConstantTable(
      {304, 566, 378, 450, 290, 446, 362, 326, 268, 326, 204, 286, 122, 230, 202, 164});
}

// The 8.8 library's constants, after the fixed-point unit and its half.
void FixedPointConstants(GameStatics* s) {
  s->cGame_fixedUnit = 256;
  s->cGame_fixedHalfUnit = 128;
  s->cGame_fixOne = 256;
  s->cGame_fixQuarter = 64;
  s->cGame_fixHalf = 128;
  s->cGame_fixThreeQuarters = 192;
  s->cGame_fixFull = 256;
  s->cGame_fixPi = 804;
}

}  // namespace

void cGame::clinitTables() {
  GameStatics* s = Statics<GameStatics>();
  ShellDefaults(s);
  WorkArrays(s);
  ConstantTables(s);
  FixedPointConstants(s);
  s->cGame_effectsFullSupport = false;
  s->cGame_effectsEnabled = true;
}
