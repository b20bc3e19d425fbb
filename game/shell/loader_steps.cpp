// The steps of the load kinds that set up and release screens: the boot load (kind 0), the
// menus, the map, the option sprites and the releases behind them (kinds 1 and 4 to 25 but the
// level ones). Each step is one frame's work; a step a kind does not list only counts.
#include <initializer_list>

#include "engine/mqlib_player.h"
#include "engine/pix_effects.h"
#include "engine/sprite.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/shell/loader_support.h"
#include "javame/graphics.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "runtime/exceptions.h"
#include "runtime/trace.h"

namespace {

using loader::Close;
using loader::LoadSlot;
using loader::Open;
using loader::Run;
using loader::SetSlot;

// Packs, by the string constant that names each.
constexpr int32_t kBossPack = 63, kCommonPack = 65, kUiPack = 66, kCharacterPack = 67;
constexpr int32_t kMapPack = 68, kMenuPack = 71, kParticlePack = 76, kEffectsPack = 80;
constexpr int32_t kSceneryPack = 85, kSoundPack = 92, kFeaturePack = 96, kBackdropPack = 101;
constexpr int32_t kMenuLayouts = 20;  // pack 71: entry 0 the screen layout, 1..19 menu layouts
constexpr int32_t kFirstMusic = 4, kMapSoundA = 32, kMapSoundB = 33;
constexpr int32_t kLastMapWorld = 7, kLastMapMenu = 9;

void ClearSlots(std::initializer_list<int32_t> slots) {
  for (int32_t slot : slots) SetSlot(slot, nullptr);
}

void ResetMenus(std::initializer_list<int32_t> menus) {
  for (int32_t menu : menus)
    Run("resetting menu animations", [menu] { cGame::resetMenuAnimations(menu); });
}

void MenuPlayers(std::initializer_list<int32_t> menus) {
  for (int32_t menu : menus)
    Run("creating menu players", [menu] { cGame::createMenuPlayers(menu); });
}

void ScreenPlayers(std::initializer_list<int32_t> groups) {
  for (int32_t group : groups) {
    Run("creating screen players", [group] { cGame::createScreenPlayers(group); });
  }
}

// The map menu of a world: menu world + 2 for worlds 0..6, menu 9 for world 7; -1 off the map.
int32_t MapMenu(int32_t world) {
  if (world < 0 || world > kLastMapWorld) return -1;
  return world == kLastMapWorld ? kLastMapMenu : world + 2;
}

void MapPlayers(GameStatics* s) {
  const int32_t menu = MapMenu(s->cGame_currentWorld);
  if (menu >= 0) MenuPlayers({menu});
}

void ResetMapMenu(GameStatics* s) {
  const int32_t menu = MapMenu(s->cGame_selectedWorld);
  if (menu >= 0) ResetMenus({menu});
}

// The current world's music (looping) and the map's two sounds, from the sound pack.
void LoadWorldMusic(GameStatics* s) {
  ByteArray* music = s->cGame_worldMusicIds;
  const int32_t world = s->cGame_currentWorld;
  if (!music || world < 0 || world >= music->length) {
    DebugLog("cGame::loadStep(): world %d has no music in the music table; none loaded", world);
  } else {
    s->cGame_musicSoundId = music->elements()[world] + kFirstMusic;
  }
  Open(kSoundPack);
  if (music && world >= 0 && world < music->length)
    Run("loading the world music", [s] { cGame::loadSoundEntry(s->cGame_musicSoundId, 1); });
  for (int32_t id : {kMapSoundA, kMapSoundB}) {
    Run("loading a map sound", [id] { cGame::loadSoundEntry(id, 0); });
  }
  Close();
}

// The loader prints what the frees raise itself, and goes on with the next.
void FreeMapSounds(GameStatics* s) {
  for (int32_t id : {s->cGame_musicSoundId, kMapSoundA, kMapSoundB}) {
    Run("freeing a sound", [id] { MQLibPlayer::soundFree(id); });
  }
}

// The player's character sprites of the current sprite set.
void LoadOptionSprites(GameStatics* s) {
  const bool second = s->cGame_spriteSetOption != 0;
  Open(kCharacterPack);
  LoadSlot(17, second ? 4 : 1);
  LoadSlot(16, second ? 3 : 0);
  LoadSlot(15, second ? 5 : 2);
  Close();
  s->cGame_loadedSpriteSet = s->cGame_spriteSetOption;
}

void ClearOptionSprites(GameStatics* s) {
  ClearSlots({16, 17, 15});
  s->cGame_loadedSpriteSet = -1;
}

// Kind 0, step 0: the title background goes into the back buffer and its image is dropped.
void DrawTitleIntoBackBuffer(GameStatics* s) {
  ObjectArray* images = s->cGame_imageTable;
  Object* title = images && images->length > 0 ? images->elements()[0] : nullptr;
  if (title && s->cGame_backBufferGraphics) {
    s->cGame_backBufferGraphics->drawImage(CheckCast<javax_microedition_lcdui_Image>(title), 0, 0,
                                           0);
  }
  if (images && images->length > 0) images->elements()[0] = nullptr;
}

void TintFontPalette(GameStatics* s) {
  ASprite* font = loader::SpriteAt(4);
  if (!font) {
    DebugLog("cGame::loadStep(): no sprite in slot 4 to tint; no tint palette");
    return;
  }
  s->cGame_tintPaletteIndex = font->addTintPalette(0, 1, 0, false, false);
}

void ParseMenuLayouts() {
  Run("initMenuTables", [] { cGame::initMenuTables(); });
  Run("parseLayout", [] { cGame::parseLayout(cGame::readPackEntry(0)); });
  for (int32_t n = 1; n < kMenuLayouts; n++) {
    Run("parseLayoutTable", [n] { cGame::parseLayoutTable(n, cGame::readPackEntry(n)); });
  }
}

void BootEffects() {
  constexpr int32_t kSlots[] = {36, 29, 38, 39, 35, 25, 24, 23, 48, 37};
  for (int32_t e = 0; e < 10; e++) {
    const bool masked = e == 1 || e == 7;
    LoadSlot(kSlots[e], e, masked ? 255 : 1, !masked);
  }
}

void BootStep(GameStatics* s, int32_t step) {
  switch (step) {
    case 0:
      DrawTitleIntoBackBuffer(s);
      Open(kBossPack);
      LoadSlot(46, 0, 1, false);
      break;
    case 1:
      TintFontPalette(s);
      Open(kCommonPack), LoadSlot(22, 2), LoadSlot(31, 3), Close();
      Open(kUiPack), LoadSlot(14, 5), Close();
      Open(kCharacterPack), LoadSlot(61, 6, 3), Close();
      Open(kMapPack), LoadSlot(13, 0), Close();
      break;
    case 2:
      Run("MQPixEffects::init", [] { MQPixEffects::init(); });
      break;
    case 3:
      Open(kMenuPack);
      break;
    case 4:
      ParseMenuLayouts();
      break;
    case 5:
      Run("assignAnimationSlots", [] { cGame::assignAnimationSlots(); });
      ScreenPlayers({0, 1});
      MenuPlayers({1});
      break;
    case 6:
      Close();
      break;
    case 7:
      Open(kParticlePack);
      break;
    case 8:
      Run("loadParticleDefinitions",
          [] { cGame::loadParticleDefinitions(cGame::readPackEntry(0)); });
      LoadSlot(6, 1), LoadSlot(7, 2, 127, false), LoadSlot(8, 3);
      break;
    case 9:
      Close(), Run("createParticlePlayers", [] { cGame::createParticlePlayers(); });
      break;
    case 10:
      Open(kEffectsPack);
      break;
    case 11:
      BootEffects();
      break;
    case 12:
      Close();
      break;
    case 13:
      Run("loadPack234", [] { cGame::loadPack234(); });
      Run("loadByteTriples207", [] { cGame::loadByteTriples207(); });
      Run("loadByteTriples130", [] { cGame::loadByteTriples130(); });
      break;
    case 14:
      Run("loadIndexedByteTriples136", [] { cGame::loadIndexedByteTriples136(); });
      Run("initSounds", [] { cGame::initSounds(); });
      Run("loadCommonSounds", [] { cGame::loadCommonSounds(); });
      break;
    case 15:
      Run("initProgressTables", [] { cGame::initProgressTables(); });
      Run("loadProgress", [] { cGame::loadProgress(); });
      MenuPlayers({17, 18});
      break;
    case 16:
      Open(kSceneryPack), LoadSlot(21, 2), Close();
      break;
    default:
      break;
  }
}

// Kinds 5 and 6: the screens of the character and world choices.
void ScreenStep(GameStatics* s, int32_t kind, int32_t step) {
  if (kind == 5) {
    switch (step) {
      case 0:
        Open(kBackdropPack);
        break;
      case 1:
        LoadSlot(30, 0, 3, false);
        break;
      case 3:
        Open(kUiPack);
        break;
      case 4:
        LoadSlot(18, 7), Close();
        Open(kCommonPack), LoadSlot(19, 4, 3), LoadSlot(33, 0, 3, false), Close();
        break;
      case 5:
        ScreenPlayers({4, 6, 7, 5, 8}), MenuPlayers({12, 13, 14});
        break;
      case 2:
      case 6:
        Close();
        break;
      default:
        break;
    }
    return;
  }
  switch (step) {
    case 0:
      Open(kUiPack);
      break;
    case 2:
      LoadSlot(62, 3), LoadSlot(10, 1, 7), LoadSlot(11, 2);
      break;
    case 3:
      ScreenPlayers({2}), MapPlayers(s);
      break;
    case 4:
      Close();
      break;
    case 5:
      LoadWorldMusic(s);
      break;
    default:
      break;
  }
}

// Kinds 1, 4 and 7 to 14: screens opened from the menus.
void MenuStep(GameStatics* s, int32_t kind, int32_t step) {
  const auto at = [step](int32_t n) { return step == n; };
  switch (kind) {
    case 1:
      if (at(0)) Open(kSceneryPack);
      if (at(1)) LoadSlot(21, 2);
      if (at(2)) Close();
      break;
    case 4:
      if (at(2)) ScreenPlayers({3}), MenuPlayers({11});
      break;
    case 7:
      if (at(0)) ResetMapMenu(s), FreeMapSounds(s);
      if (at(1)) MapPlayers(s);
      if (at(2)) LoadWorldMusic(s);
      break;
    case 8:
      if (at(0))
        cGame::clearSprite0Field(), Open(kUiPack), LoadSlot(9, 0), Close(), Open(kCommonPack);
      if (at(1)) LoadSlot(34, 1);
      if (at(2)) Close();
      if (at(3)) MenuPlayers({15});
      break;
    case 9:
      if (at(0)) {
        cGame::clearSprite0Field();
        Open(kBackdropPack), LoadSlot(30, 0, 2), Close();
        Open(kFeaturePack), LoadSlot(26, 0), Close();
        Open(kCommonPack);
      }
      if (at(2)) Close();
      if (at(3)) MenuPlayers({16});
      break;
    case 10:
      if (at(0)) cGame::clearSprite0Field(), Open(kMapPack);
      if (at(1)) Run("loadWorldLevelList", [] { cGame::loadWorldLevelList(); }), Close();
      if (at(3)) MenuPlayers({10});
      break;
    case 12:
      if (at(0)) ClearOptionSprites(s);
      if (at(1)) LoadOptionSprites(s);
      break;
    case 13:
    case 14:
      if (at(0)) Open(kCommonPack);
      if (at(1) && kind == 13) LoadSlot(19, 4, 3);
      if (at(2)) Close();
      if (at(3)) MenuPlayers({kind});
      break;
    default:
      break;
  }
}

// Kinds 16 to 25 (but 22): releases on the way back from a screen.
void ReleaseStep(GameStatics* s, int32_t kind, int32_t step) {
  const auto at = [step](int32_t n) { return step == n; };
  switch (kind) {
    case 16:
      if (at(0)) {
        ResetMenus({11});
        Run("resetLayoutAnimations", [] { cGame::resetLayoutAnimations(3); });
      }
      if (at(1)) cGame::reloadOptionSprites();
      break;
    case 17:
      if (at(0)) {
        ResetMenus({12, 13, 14});
        for (int32_t group : {4, 6, 7, 5, 8}) {
          Run("resetLayoutAnimations", [group] { cGame::resetLayoutAnimations(group); });
        }
      }
      if (at(1)) ClearSlots({33, 19, 18, 30});
      break;
    case 18:
      if (at(0)) Run("releaseMapPlayers", [] { cGame::releaseMapPlayers(); }), ResetMapMenu(s);
      if (at(1)) ClearSlots({10, 11, 62});
      if (at(2)) FreeMapSounds(s);
      break;
    case 19:
      if (at(0)) ResetMenus({15});
      if (at(1)) ClearSlots({34});
      break;
    case 20:
      if (at(0)) ResetMenus({16});
      if (at(1)) ClearSlots({26, 30});
      break;
    case 21:
      if (at(0)) ResetMenus({10});
      break;
    case 23:
      if (at(0)) ResetMenus({13});
      if (at(1)) ClearSlots({19});
      break;
    case 24:
      if (at(0)) ResetMenus({14});
      break;
    case 25:
      if (at(1)) ClearSlots({21});
      break;
    default:
      break;
  }
}

}  // namespace

// ---- Dispatch ---------------------------------------------------------------------------------

void cGame::runLoadStep(int32_t kind, int32_t step) {
  GameStatics* s = Statics<GameStatics>();
  switch (kind) {
    case 0:
      BootStep(s, step);
      break;
    case 2:
    case 3:
      runLevelLoadStep(kind, step);
      break;
    case 5:
    case 6:
      ScreenStep(s, kind, step);
      break;
    case 11:
    case 15:
    case 22:
      runLevelReleaseStep(kind, step);
      break;
    default:
      if (kind >= 16) {
        ReleaseStep(s, kind, step);
      } else {
        MenuStep(s, kind, step);
      }
      break;
  }
}

// ---- The option sprites -----------------------------------------------------------------------

void cGame::reloadOptionSprites() {
  GameStatics* s = Statics<GameStatics>();
  if (s->cGame_loadedSpriteSet == s->cGame_spriteSetOption) return;
  ClearOptionSprites(s);
  LoadOptionSprites(s);
}
