// The pause menu (state 13), the in-game options (14), the after-level screen (15) and the
// map's pause (32): the frozen scene (menuBackground, the first back buffer) behind the menu.
#include "engine/sprite.h"
#include "game/board/actor_support.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/menus/menu_state_shape.h"
#include "javame/graphics.h"
#include "runtime/array.h"

using namespace menu_states;

namespace {

// The dim laid over a frozen scene; setColor makes any colour opaque, so it fills solid, as
// the device painted it.
constexpr int32_t kDim = static_cast<int32_t>(0xB5022C00u);
constexpr int32_t kRestartQuestion = 213;
constexpr int32_t kLeaveQuestion = 226;
constexpr int32_t kMenuQuestion = 212;
constexpr int32_t kQuitQuestion = 39;
constexpr int32_t kWorldsQuestion = 41;
constexpr int32_t kRestartEvent = 72;
constexpr int32_t kPlayState = 17;
constexpr int32_t kPausedText = 29;
constexpr int32_t kHeadingFontSlot = 5;
constexpr int32_t kInfoPanelY = 140;
constexpr int32_t kInfoPanelHeight = 620;

GameStatics* S() {
  return Statics<GameStatics>();
}

void DimBackground() {
  javax_microedition_lcdui_Graphics* g = S()->cGame_backBufferGraphics;
  if (!g) return;
  g->setColor(kDim);
  g->fillRect(0, 0, cGame::kCanvasWidth, cGame::kCanvasHeight);
}

// ---- State 13 ------------------------------------------------------------------------------

// The scene painted into the back buffer, then dimmed.
void PauseEnter() {
  GameStatics* s = S();
  javax_microedition_lcdui_Graphics* frame = s->cGame_drawGraphics;
  s->cGame_drawGraphics = s->cGame_backBufferGraphics;
  cGame::paintScene();
  s->cGame_drawGraphics = frame;
  DimBackground();
}

void PauseSelect(int32_t entry) {
  switch (entry) {
    case 210:
      GoTo(kPlayState);
      break;
    case 64:
      Remember(18, 0), GoTo(14);
      break;
    case 211:
      Ask(kRestartQuestion);
      break;
    case 225:
      Ask(kLeaveQuestion);
      break;
    case 224:
      Ask(kMenuQuestion);
      break;
    case 67:
      Ask(kQuitQuestion);
      break;
    default:
      break;
  }
}

// Leaving the level returns where the level was started from; from anywhere else (the extras
// menu's challenge and the rest) the chain goes on as the level's end does.
void LeaveLevel() {
  switch (S()->cGame_launchState) {
    case 28:
      Load(15, kLoadingState, 8, 28);
      break;
    case 9:
      Load(15, kLoadingState, 6, 9);
      break;
    case 8:
      Load(15, 8);
      break;
    case 27:
      Load(15, kLoadingState, 1, 27);
      break;
    default:
      Load(15, kLoadingState, 1, 6);
      break;
  }
}

void PauseAnswer(int32_t popup, bool yes) {
  if (!yes) return;
  switch (popup) {
    case kRestartQuestion:
      cGame::postEvent(kRestartEvent);
      GoTo(kPlayState);
      break;
    case kLeaveQuestion:
      LeaveLevel();
      break;
    case kMenuQuestion:
      Load(15, kLoadingState, 1, 6);
      break;
    case kQuitQuestion:
      Quit(true);
      break;
    default:
      break;
  }
}

constexpr MenuScreen kPause = {.list = 2,
                               .layout = 1,
                               .background = Background::kFrozen,
                               .enter = PauseEnter,
                               .select = PauseSelect,
                               .back = [] { GoTo(kPlayState); },
                               .answer = PauseAnswer};

// ---- State 14 ------------------------------------------------------------------------------

void InGameOptionsEnter() {
  cGame::removeMenuItem(182, true);
  ShowSettings();
}

void InGameOptionsSelect(int32_t entry) {
  if (ChangeSetting(entry, WorldMusic())) return;
  if (entry == 65) GoTo(30);
}

// Back to the map's pause only when that pause led here.
void InGameOptionsBack() {
  GoTo(S()->cGame_launchState == 32 ? 32 : 13);
}

constexpr MenuScreen kInGameOptions = {.list = 18,
                                       .layout = 1,
                                       .background = Background::kFrozen,
                                       .enter = InGameOptionsEnter,
                                       .select = InGameOptionsSelect,
                                       .back = InGameOptionsBack};

// ---- State 15 ------------------------------------------------------------------------------

void LevelEndPaint() {
  GameStatics* s = S();
  cGame::paintScene();
  cGame::paintRevealPanel(static_cast<int32_t>(0x800000FF), static_cast<int32_t>(0xFFFFFFFF));
  ASprite* font = actor_support::SpriteInSlot(kHeadingFontSlot);
  String* text = cGame::getString(kPausedText);
  if (font && text) {
    font->drawStringPlain(s->cGame_drawGraphics, text, cGame::kCanvasWidth / 2, kInfoPanelY + 20,
                          1 | 16, true);
  }
  cGame::paintInfoPanel(kInfoPanelY + kInfoPanelHeight / 2);
}

constexpr MenuScreen kLevelEnd = {.list = kNoList,
                                  .enter = [] { cGame::setSoftKeys(2, 0, 0); },
                                  .select = [](int32_t) { GoTo(14); },
                                  .back = [] { GoTo(14); },
                                  .paint = LevelEndPaint,
                                  .remembered = 3};

// ---- State 32 ------------------------------------------------------------------------------

void MapPauseEnter() {
  cGame::removeMenuItem(182, true);
  if (S()->cGame_launchState == 9) DimBackground();
}

void MapPauseSelect(int32_t entry) {
  switch (entry) {
    case 210:
      GoTo(9);
      break;
    case 64:
      Remember(18, 0), GoTo(14);
      break;
    case 68:
      Ask(kWorldsQuestion);
      break;
    case 224:
      Ask(kMenuQuestion);
      break;
    case 67:
      Ask(kQuitQuestion);
      break;
    default:
      break;
  }
}

void MapPauseAnswer(int32_t popup, bool yes) {
  if (!yes) return;
  switch (popup) {
    case kMenuQuestion:
      Load(18, kLoadingState, 1, 6);
      break;
    case kWorldsQuestion:
      Load(18, kLoadingState, 10, 20);
      break;
    case kQuitQuestion:
      Quit(true);
      break;
    default:
      break;
  }
}

constexpr MenuScreen kMapPause = {.list = 20,
                                  .layout = 1,
                                  .background = Background::kFrozen,
                                  .enter = MapPauseEnter,
                                  .select = MapPauseSelect,
                                  .back = [] { GoTo(9); },
                                  .answer = MapPauseAnswer,
                                  .exit = [] { S()->cGame_launchState = 32; }};

}  // namespace

void cGame::statePauseMenu(int32_t message) {
  Run(kPause, message);
}

void cGame::stateMenu14(int32_t message) {
  Run(kInGameOptions, message);
}

void cGame::stateLevelEnd(int32_t message) {
  Run(kLevelEnd, message);
}

void cGame::stateMenu32(int32_t message) {
  Run(kMapPause, message);
}
