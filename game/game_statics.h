// The static fields of the application floor: cGame's, folder by folder (each folder that
// holds cGame members keeps its list in <folder>/cgame_statics.h), then those of the
// application's own classes. Code reads them, and the device floor's, through
// Statics<GameStatics>().
#pragma once

#include "engine/cgame_statics.h"
#include "engine/font_statics.h"
#include "engine/mqlib_player_statics.h"
#include "engine/pix_effects_statics.h"
#include "engine/sprite_statics.h"
#include "game/board/actor_statics.h"
#include "game/board/bubble_statics.h"
#include "game/board/cgame_statics.h"
#include "game/level/cgame_statics.h"
#include "game/menus/cgame_statics.h"
#include "game/shell/cgame_statics.h"
#include "game/shell/marqplim_statics.h"
#include "game/world/cgame_statics.h"
#include "javame/device_statics.h"

// Every list of this floor, in block order.
#define PLIMORA_GAME_STATIC_FIELDS(REF, VALUE)                                             \
  PLIMORA_STATICS_cGame_shell(REF, VALUE) PLIMORA_STATICS_cGame_engine(REF, VALUE)         \
      PLIMORA_STATICS_cGame_board(REF, VALUE) PLIMORA_STATICS_cGame_level(REF, VALUE)      \
          PLIMORA_STATICS_cGame_world(REF, VALUE) PLIMORA_STATICS_cGame_menus(REF, VALUE)  \
              PLIMORA_STATICS_Bubble(REF, VALUE) PLIMORA_STATICS_cActor(REF, VALUE)        \
                  PLIMORA_STATICS_MarqPLIM(REF, VALUE) PLIMORA_STATICS_ASprite(REF, VALUE) \
                      PLIMORA_STATICS_MQPixEffects(REF, VALUE)                             \
                          PLIMORA_STATICS_MQLibPlayer(REF, VALUE)                          \
                              PLIMORA_STATICS_ASprite_text(REF, VALUE)

class GameStatics : public DeviceStatics {
 public:
  PLIMORA_GAME_STATIC_FIELDS(PLIMORA_DECLARE_REF_STATIC, PLIMORA_DECLARE_VALUE_STATIC)

  // Aliases: the names that the board, level, world and menu code give some of the shell's
  // statics. Each is the shell's field itself (one field, never a copy). playTop (the HUD
  // panel's height, which the level load takes from slot 56) and bannerSpeed ((canvasHeight /
  // 2) << 8) go by the same name in both.
  int32_t& cGame_screenWidth() { return cGame_canvasWidth; }
  int32_t& cGame_screenHeight() { return cGame_canvasHeight; }
  StaticRef<javax_microedition_lcdui_Graphics>& cGame_currentGraphics() {
    return cGame_drawGraphics;
  }
  StaticRef<javax_microedition_lcdui_Image>& cGame_backBufferImage() { return cGame_backBuffer; }
  bool& cGame_soundEffectsOn() { return cGame_sfxEnabled; }
  bool& cGame_musicOn() { return cGame_musicEnabled; }
  StaticRef<java_util_Random>& cGame_gameRandom() { return cGame_sharedRandom; }
  StaticRef<ObjectArray>& cGame_menuEntryLists() { return cGame_menuLists; }
  bool& cGame_retryRequested() { return cGame_levelRestart; }
  int32_t& cGame_levelKind() { return cGame_levelVariant; }
  // The launcher's actor is the shot preview that the level start hides.
  StaticRef<cActor>& cGame_launcherActor() { return cGame_shotPreviewActor; }
  // The level's stages: levelStage the current one, levelStageCount how many.
  int32_t& cGame_levelStage() { return cGame_currentStage; }
  int32_t& cGame_levelStageCount() { return cGame_stageCount; }
};
