// The first two states of a run: state 1 makes the tables every later state relies on, state 2
// shows the logo on white while the boot load brings the title background, the texts, the
// fonts and the interface sprites. The boot load runs exactly once; what fails in it is traced
// with its pack and entry and the boot goes on with what did load.
#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/shell/loader_support.h"
#include "javame/graphics.h"
#include "javame/image.h"
#include "runtime/array.h"
#include "runtime/string.h"
#include "runtime/constant_pool.h"
#include "runtime/exceptions.h"
#include "runtime/trace.h"

namespace {

using Image = javax_microedition_lcdui_Image;

constexpr int32_t kDataPack = 269;  // string constants naming the packs
constexpr int32_t kLogoPack = 271;
constexpr int32_t kTitlePack = 272;
constexpr int32_t kTextPack = 273;
constexpr int32_t kFontPack = 274;
constexpr int32_t kUiPack = 66;
constexpr int32_t kTextEncoding = 270;
constexpr int32_t kSpriteSlots = 63;
constexpr int32_t kLogoSlot = 0;
constexpr int32_t kBootLoadStep = 2;     // the update of state 2 that runs the boot load
constexpr int32_t kShortestLogo = 4000;  // ms the logo shows at least
constexpr int32_t kSoundQuestionState = 3;
constexpr int32_t kSparkleSlot = 9, kSparkleAnimation = 28;
constexpr int32_t kOverlaySlot = 32;
constexpr uint32_t kLogoGround = 0xFFFFFF;

// A java_lang_Exception left by a boot step is printed and cleared, traced with what it was;
// true when the step left none.
bool StepWentWell(const char* what) {
  Object* pending = GetPendingException();
  if (!pending) return true;
  if (!InstanceOf(pending, cid::java_lang_Exception)) return false;
  DebugLog("cGame::bootLoad(): %s raised an exception; the boot goes on", what);
  ClearPendingException();
  static_cast<java_lang_Throwable*>(pending)->printStackTrace();
  return false;
}

// The pack named by string constant n, traced with its name when it does not open.
bool OpenPack(const char* who, int32_t pack) {
  cGame::openPack(GetConstantString(pack));
  if (Statics<GameStatics>()->cGame_packName) return true;
  DebugLog("%s: pack %d does not open; what it holds stays unloaded", who, pack);
  return false;
}

// spriteTable[slot] = entry of the open pack in the palette mask, traced when it gives none.
void LoadBootSprite(const char* who, int32_t pack, int32_t slot, int32_t entry,
                    int32_t palette) {
  ASprite* sprite = cGame::loadSprite(entry, palette, 0, 0, true, false, 0, nullptr);
  StepWentWell("a sprite load");
  if (!sprite) {
    DebugLog("%s: pack %d entry %d gave no sprite; sprite slot %d stays empty", who, pack, entry,
             slot);
  }
  loader::SetSlot(slot, sprite);
}

// The 8.8 cosine and square-root tables from the data pack; false (traced) when either is
// missing.
bool ReadDataPack(const char* who) {
  GameStatics* s = Statics<GameStatics>();
  cGame::loadFixedPointTables();
  const bool raised = !StepWentWell("reading the data pack");
  if (raised || !s->cGame_fixCosTable || !s->cGame_fixSqrtTable) {
    DebugLog("%s: pack %d (\"data\") gave no 8.8 tables", who, kDataPack);
    return false;
  }
  return true;
}

// ---- The boot load's parts ------------------------------------------------------------------

// Entry 0 of the title pack, a PNG, into imageTable slot 0 and into a new back buffer.
void LoadTitleBackground(GameStatics* s) {
  constexpr const char* kWho = "cGame::bootLoad()";
  Image* title = nullptr;
  if (OpenPack(kWho, kTitlePack)) {
    ByteArray* png = cGame::readPackEntry(0);
    if (png) title = Image::nativeCreateImage(png, 0, png->length);
    StepWentWell("decoding the title background");
    if (!title) {
      DebugLog("%s: pack %d entry 0 gave no title background; the back buffer stays blank",
               kWho, kTitlePack);
    }
  }
  if (ObjectArray* images = s->cGame_imageTable; images && images->length > 0) {
    images->elements()[0] = title;
  }
  cGame::createBackBuffer(s->cGame_canvasWidth, s->cGame_canvasHeight);
  if (title && s->cGame_backBufferGraphics) {
    cGame::setDrawGraphics(s->cGame_backBufferGraphics);
    s->cGame_drawGraphics->drawImage(title, 0, 0, 0);
    cGame::setDrawGraphics(s->cGame_overlayGraphics);
  }
  cGame::closeResourceStream();
}

// The three fonts (slots 4, 5 and 3, entries 1 to 3, palettes 0 and 1) and their character
// table (entry 0).
void LoadFonts() {
  constexpr const char* kWho = "cGame::bootLoad()";
  if (!OpenPack(kWho, kFontPack)) return;
  constexpr int32_t kSlotOfEntry[] = {0, 4, 5, 3};
  for (int32_t entry = 1; entry <= 3; entry++) {
    LoadBootSprite(kWho, kFontPack, kSlotOfEntry[entry], entry, 3);
  }
  Object* table = cGame::readPackEntryObject(0);
  StepWentWell("reading the fonts' character table");
  if (!table) DebugLog("%s: pack %d entry 0 gave no character table", kWho, kFontPack);
  for (int32_t slot = 3; slot <= 5; slot++) {
    if (ASprite* font = loader::SpriteAt(slot); font && table) cGame::buildFontCharMap(font, table);
  }
  cGame::closeResourceStream();
}

// The interface sprites: the loading bar's sparkle (slot 9) with its looping player, the box
// pieces (12), the buttons (20), slot 27 and the overlay (32) with the shared player.
void LoadInterface(GameStatics* s) {
  constexpr const char* kWho = "cGame::bootLoad()";
  if (OpenPack(kWho, kUiPack)) {
    constexpr struct {
      int32_t slot, entry;
    } kSprites[] = {{kSparkleSlot, 0}, {12, 4}, {20, 6}, {27, 9}, {kOverlaySlot, 10}};
    for (const auto& sprite : kSprites) LoadBootSprite(kWho, kUiPack, sprite.slot, sprite.entry, 1);
  }
  if (!s->cGame_loadingBarPlayer) {
    s->cGame_loadingBarPlayer = NewObject<MQLibPlayer>(loader::SpriteAt(kSparkleSlot), 0, 0);
    if (s->cGame_loadingBarPlayer) s->cGame_loadingBarPlayer->setAnim(kSparkleAnimation, -1);
  }
  if (!s->cGame_sharedAnimPlayer) {
    s->cGame_sharedAnimPlayer = NewObject<MQLibPlayer>(loader::SpriteAt(kOverlaySlot), 0, 0);
  }
  cGame::closeResourceStream();
  cGame::createPopupPlayer();
}

}  // namespace

// ---- State 1 --------------------------------------------------------------------------------

// Departure: the tables below are made even when the data pack fails (traced), so no later
// state runs on a null sprite table; only the two 8.8 tables stay unset.
void cGame::stateBoot(int32_t message) {
  GameStatics* s = Statics<GameStatics>();
  switch (message) {
    case kStateEnter:
      ReadDataPack("cGame::stateBoot()");
      s->cGame_textEncoding = GetConstantString(kTextEncoding);
      s->cGame_imageTable = NewObjectArray(cid::Object, 1);
      s->cGame_spriteTable = NewObjectArray(cid::Object, kSpriteSlots);
      s->cGame_soundOption = false;
      s->cGame_bootCounter = 0;
      s->cGame_menuStartValue = IntArray::get(s->cGame_menuStartTable, 0);
      break;
    case kStateUpdate:
      setState(2);
      break;
    default:
      break;
  }
}

// ---- State 2 --------------------------------------------------------------------------------

void cGame::stateBootLoading(int32_t message) {
  GameStatics* s = Statics<GameStatics>();
  switch (message) {
    case kStateEnter:
      if (OpenPack("cGame::stateBootLoading()", kLogoPack)) {
        for (int32_t slot = 0; slot < 3; slot++) {
          LoadBootSprite("cGame::stateBootLoading()", kLogoPack, slot, slot, 1);
        }
      }
      closeResourceStream();
      s->cGame_fullRedraw = true;
      ReadDataPack("cGame::stateBootLoading()");
      s->cGame_bootStep = 0;
      break;
    case kStateUpdate:
      if (s->cGame_stateTime > kShortestLogo && s->cGame_bootStep > kBootLoadStep) {
        setState(kSoundQuestionState);
        s->cGame_bootStep += 1;
        break;
      }
      if (s->cGame_bootStep == kBootLoadStep) bootLoad();
      s->cGame_bootStep += 1;
      break;
    case kStatePaint: {
      if (!s->cGame_fullRedraw && !s->cGame_repaintRequested) break;
      javax_microedition_lcdui_Graphics* g = s->cGame_drawGraphics;
      if (!NullCheck(g)) break;
      g->setColor(static_cast<int32_t>(kLogoGround));
      g->fillRect(0, 0, s->cGame_canvasWidth, s->cGame_canvasHeight);
      if (ASprite* logo = loader::SpriteAt(kLogoSlot)) {
        const int32_t x = (s->cGame_canvasWidth - logo->getFrameWidth(0)) >> 1;
        const int32_t y = (s->cGame_canvasHeight - logo->getFrameHeight(0)) >> 1;
        logo->paintFrame(g, 0, x, y, 0, 0, 0);
      }
      s->cGame_fullRedraw = false;
      break;
    }
    case kStateExit:
      loader::SetSlot(kLogoSlot, nullptr);
      break;
    default:
      break;
  }
}

void cGame::bootLoad() {
  GameStatics* s = Statics<GameStatics>();
  LoadTitleBackground(s);
  loadTextPack(GetConstantString(kTextPack), 0);
  StepWentWell("loading the text table");
  LoadFonts();
  LoadInterface(s);
}
