// The main menu (state 6), the options (10) and the sound choice (12), over the carousel
// layout with the menus' background player behind them.
#include "engine/mqlib_player.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/menus/menu_state_shape.h"
#include "runtime/array.h"

using namespace menu_states;

namespace {

constexpr int32_t kMainMusic = 0;
constexpr int32_t kEraseQuestion = 201;
constexpr int32_t kErased = 202;
constexpr int32_t kQuitQuestion = 39;
constexpr int32_t kSecretFound = 206;
constexpr int32_t kPopupFont = 3;
constexpr int32_t kPopupY = 320;

GameStatics* S() {
  return Statics<GameStatics>();
}

// The character select, with the players of its cells and its grid.
void ToCharacterSelect() {
  cGame::createScreenPlayers(3);
  cGame::createMenuPlayers(11);
  GoTo(22);
}

// Yes erases the progress (saved) and tells so in a text popup. The erased progress chooses
// the first character set again: from the main menu its sprites are loaded back.
bool Erase(bool yes, bool reloadSprites) {
  if (!yes) return false;
  cGame::resetProgressTables();
  cGame::saveProgress();
  if (reloadSprites) cGame::reloadOptionSprites();
  S()->cGame_popupTextId = kErased;
  S()->cGame_pendingAction = 2;
  cGame::openPopupText(kErased, kPopupFont, kPopupY);
  return true;
}

// ---- State 6 -------------------------------------------------------------------------------

void MainEnter() {
  cGame::setupMainMenu();
  cGame::createMenuHeaderPlayer();
  cGame::clearSoftKeys();
}

void MainSelect(int32_t entry) {
  switch (entry) {
    case 209:
      Load(10, 20);
      break;
    case 60:
      if (cGame::gameInProgress())
        Ask(kEraseQuestion);
      else
        ToCharacterSelect();
      break;
    case 62:
      GoTo(27);
      break;
    case 64:
      Remember(5, 0), GoTo(10);
      break;
    case 66:
      GoTo(18);
      break;
    case 67:
      Ask(kQuitQuestion);
      break;
    case 74:
      Remember(1, 0), GoTo(8);
      break;
    default:
      break;
  }
}

void MainAnswer(int32_t popup, bool yes) {
  switch (popup) {
    case kQuitQuestion:
      Quit(yes);
      break;
    case kSecretFound:
      cGame::leaveScreen();
      cGame::openMenu(0, 1);
      break;
    case kEraseQuestion:
      Erase(yes, true);
      break;
    case kErased:
      ToCharacterSelect();
      break;
    default:
      break;
  }
}

void MainUpdate() {
  cGame::updateMenuCharacter();
  cGame::checkSecretTaps();
}

void MainExit() {
  S()->cGame_launchState = 6;
  cGame::releaseMainMenuPlayers();
}

constexpr MenuScreen kMainMenu = {.list = 0,
                                  .layout = 1,
                                  .background = Background::kBackPlayer,
                                  .music = kMainMusic,
                                  .enter = MainEnter,
                                  .select = MainSelect,
                                  .answer = MainAnswer,
                                  .update = MainUpdate,
                                  .paint = cGame::paintMainMenuPlayers,
                                  .exit = MainExit};

// ---- State 10 ------------------------------------------------------------------------------

void OptionsEnter() {
  cGame::createMenuHeaderPlayer();
  cGame::clearSoftKeys();
  ShowSettings();
}

void OptionsSelect(int32_t entry) {
  GameStatics* s = S();
  if (ChangeSetting(entry, kMainMusic)) return;
  switch (entry) {
    case 66:
      GoTo(18);
      break;
    case 182:
      Ask(kEraseQuestion);
      break;
    case 65:
      s->cGame_launchState = 10;
      Load(25, kLoadingState, 9, 29);
      break;
    default:
      break;
  }
}

void OptionsAnswer(int32_t popup, bool yes) {
  if (popup == kEraseQuestion) {
    const bool inProgress = cGame::gameInProgress();
    if (Erase(yes, false) && inProgress) {
      IntArray* remembered = S()->cGame_menuSavedSelection;
      if (remembered && remembered->length > 0) remembered->elements()[0] -= 1;
    }
  } else if (popup == kErased) {
    Load(12, 10);
  }
}

void OptionsExit() {
  cGame::saveProgress();
}

constexpr MenuScreen kOptions = {.list = 5,
                                 .layout = 1,
                                 .background = Background::kBackPlayer,
                                 .enter = OptionsEnter,
                                 .select = OptionsSelect,
                                 .back = [] { GoTo(6); },
                                 .answer = OptionsAnswer,
                                 .exit = OptionsExit};

// ---- State 12 ------------------------------------------------------------------------------

void SoundEnter() {
  cGame::createMenuHeaderPlayer();
  cGame::setSoftKeys(kBackSoftLabel, 0, 0);
}

void SoundSelect(int32_t entry) {
  GameStatics* s = S();
  if (entry != 34 && entry != 35) return;
  s->cGame_musicEnabled = s->cGame_sfxEnabled = entry == 34;
  if (entry == 35) cGame::stopSound();
  GoTo(10);
}

constexpr MenuScreen kSoundChoice = {.list = 3,
                                     .layout = 1,
                                     .background = Background::kBackPlayer,
                                     .enter = SoundEnter,
                                     .select = SoundSelect,
                                     .back = [] { GoTo(10); }};

}  // namespace

void cGame::stateMainMenu(int32_t message) {
  if (message == 4) return RestartMusic(kMainMusic);
  Run(kMainMenu, message);
}

void cGame::stateMenu10(int32_t message) {
  Run(kOptions, message);
}

void cGame::stateMenu12(int32_t message) {
  Run(kSoundChoice, message);
}
