// The menu states' common shape (menu_state_shape.h) and the main menu, the options and the
// sound choice. A key is read only while no fade runs; a touch action always is.
#include "game/menus/menu_state_shape.h"

#include "engine/mqlib_player.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/graphics.h"
#include "runtime/array.h"
#include "runtime/class.h"

namespace menu_states {

namespace {

constexpr int32_t kBlack = 0;

GameStatics* S() {
  return Statics<GameStatics>();
}

void Enter(const MenuScreen& screen) {
  GameStatics* s = S();
  if (screen.list != kNoList) cGame::openMenu(screen.list, screen.layout);
  cGame::setSoftKeys(kBackSoftLabel, -1, 0);
  if (screen.enter) screen.enter();
  if (screen.fadeIn) {
    s->cGame_fadeDirection = 1;
    s->cGame_fadeTime = 0;
  }
  s->cGame_fullRedraw = true;
  if (screen.music >= 0) PlayMusic(screen.music);
}

// The action of this frame: a touch action, else (outside a fade) the released key; -1 none.
int32_t ReadAction() {
  GameStatics* s = S();
  if (s->cGame_touchAction != cGame::kNoTouchAction) return cGame::getKeyReleased();
  return s->cGame_fadeDirection == 0 ? cGame::getKeyReleased() : -1;
}

void Update(const MenuScreen& screen) {
  GameStatics* s = S();
  if (s->cGame_popupAnswered) {
    s->cGame_popupAnswered = false;
    s->cGame_fadeDirection = 1;
    s->cGame_fadeTime = 0;
    if (screen.answer) screen.answer(s->cGame_popupTextId, s->cGame_popupChoice == 1);
    return;
  }
  cGame::updateCurrentMenu();
  if (screen.update) screen.update();
  const int32_t action = ReadAction();
  if (action >= 0 && screen.key) screen.key(action);
  if (action == kLeftSoft || action == kFire || action == kTouchSelect) {
    IntArray* entries = s->cGame_menuItems;
    const int32_t i = s->cGame_menuSelection;
    const bool held = entries && i >= 0 && i < s->cGame_menuItemCount && i < entries->length;
    if (held && screen.select) {
      if (s->cGame_sfxEnabled) cGame::playSound(kSelectSound, 1);
      screen.select(entries->elements()[i] & kEntryMask);
    }
  } else if (action == kRightSoft && screen.back) {
    if (s->cGame_sfxEnabled) cGame::playSound(kBackSound, 1);
    screen.back();
  }
  cGame::updateTransition(true);
}

void Paint(const MenuScreen& screen) {
  GameStatics* s = S();
  javax_microedition_lcdui_Graphics* g = s->cGame_drawGraphics;
  if (!g) return;
  g->setClip(0, 0, cGame::kCanvasWidth, cGame::kCanvasHeight);
  if (s->cGame_fullRedraw) {
    g->setColor(kBlack);
    g->fillRect(0, 0, cGame::kCanvasWidth, cGame::kCanvasHeight);
    if (screen.background == Background::kFrozen && s->cGame_backBuffer) {
      g->drawImage(s->cGame_backBuffer, 0, 0, 0);
    } else if (screen.background == Background::kBackPlayer && s->cGame_screenBackPlayer) {
      s->cGame_screenBackPlayer->x = 0;
      s->cGame_screenBackPlayer->y = 0;
      s->cGame_screenBackPlayer->render();
    }
    if (!s->cGame_popupOpen) cGame::paintCurrentMenu(-1);
  }
  cGame::paintCurrentMenu(0);
  if (screen.paint) screen.paint();
}

void Exit(const MenuScreen& screen) {
  const int32_t list = screen.remembered != kNoList ? screen.remembered : screen.list;
  if (list != kNoList) Remember(list, S()->cGame_menuSelection);
  cGame::leaveScreen();
  if (screen.exit) screen.exit();
}

}  // namespace

void Run(const MenuScreen& screen, int32_t message) {
  switch (message) {
    case cGame::kStateEnter:
      Enter(screen);
      break;
    case cGame::kStateUpdate:
      Update(screen);
      break;
    case cGame::kStatePaint:
      Paint(screen);
      break;
    case cGame::kStateExit:
      Exit(screen);
      break;
    default:
      break;
  }
}

void GoTo(int32_t state) {
  S()->cGame_pendingAction = 4;
  S()->cGame_stateAfterLoad = state;
}

void Load(int32_t kind, int32_t after, int32_t chainedKind, int32_t chainedState) {
  GameStatics* s = S();
  s->cGame_pendingAction = 1;
  s->cGame_loadKind = kind;
  s->cGame_stateAfterLoad = after;
  s->cGame_chainedLoadKind = chainedKind;
  s->cGame_chainedStateAfterLoad = chainedState;
}

void Ask(int32_t textId) {
  S()->cGame_pendingAction = 2;
  S()->cGame_popupTextId = textId;
  cGame::openPopupChoice(textId, 0, 1);
}

void Remember(int32_t list, int32_t selection) {
  IntArray* remembered = S()->cGame_menuSavedSelection;
  if (remembered && list >= 0 && list < remembered->length)
    remembered->elements()[list] = selection;
}

void PlayMusic(int32_t id) {
  if (S()->cGame_musicEnabled) cGame::playSound(id, 1);
}

void RestartMusic(int32_t music) {
  cGame::stopSound();
  if (music >= 0) PlayMusic(music);
}

// The options list shows each setting by the entry that changes it: 185, 183 and 192 while
// it is on (their words say so), 186, 184 and 191 while it is off.
void ShowSettings() {
  GameStatics* s = S();
  if (!s->cGame_sfxEnabled) cGame::replaceMenuItem(185, 186);
  if (s->cGame_sfxEnabled) cGame::replaceMenuItem(186, 185);
  if (!s->cGame_musicEnabled) cGame::replaceMenuItem(183, 184);
  if (s->cGame_musicEnabled) cGame::replaceMenuItem(184, 183);
  if (!s->cGame_levelIntroTextsEnabled) cGame::replaceMenuItem(192, 191);
  if (s->cGame_levelIntroTextsEnabled) cGame::replaceMenuItem(191, 192);
}

// Each entry turns its setting to what it names, and the entry then shows the way back; music
// turned on starts `music`, turned off stops the sound.
bool ChangeSetting(int32_t entry, int32_t music) {
  GameStatics* s = S();
  switch (entry) {
    case 186:
      s->cGame_sfxEnabled = true;
      break;
    case 185:
      s->cGame_sfxEnabled = false;
      break;
    case 184:
      s->cGame_musicEnabled = true;
      PlayMusic(music);
      break;
    case 183:
      s->cGame_musicEnabled = false;
      cGame::stopSound();
      break;
    case 191:
      s->cGame_levelIntroTextsEnabled = true;
      break;
    case 192:
      s->cGame_levelIntroTextsEnabled = false;
      break;
    default:
      return false;
  }
  ShowSettings();
  return true;
}

void Quit(bool yes) {
  if (!yes) return;
  cGame::saveSettings();
  S()->cGame_runState = -1;
}

int32_t WorldMusic() {
  constexpr int32_t kFirstMusic = 4;
  GameStatics* s = S();
  ByteArray* table = s->cGame_worldMusicIds;
  const int32_t world = s->cGame_currentWorld;
  return table && world >= 0 && world < table->length ? kFirstMusic + table->elements()[world] : -1;
}

}  // namespace menu_states
