// The extras menu (state 27), the extra-level grid (28) and the lists of the extra modes: the
// award list (24), list 11 (25), list 12 (26), list 15 (29) and list 19 (30), with their value
// arrows.
#include "engine/mqlib_player.h"
#include "game/board/actor_support.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/menus/menu_state_shape.h"
#include "runtime/array.h"

using namespace menu_states;

namespace {

constexpr int32_t kArrowSlot = 31;
constexpr int32_t kArrowY = 768;
constexpr int32_t kLeftArrowX = 130;
constexpr int32_t kRightArrowX = 350;
constexpr int32_t kGridArrowX = 240;
constexpr int32_t kGridArrowY = 710;
constexpr int32_t kQuitQuestion = 39;
constexpr int32_t kPlayState = 17;

GameStatics* S() {
  return Statics<GameStatics>();
}

MQLibPlayer* ArrowPlayer() {
  GameStatics* s = S();
  if (!s->cGame_valueArrowPlayer) {
    s->cGame_valueArrowPlayer =
        NewObject<MQLibPlayer>(actor_support::SpriteInSlot(kArrowSlot), 0, 0);
  }
  return s->cGame_valueArrowPlayer;
}

// Animation anim (restarted only when it changes or has ended), advanced and painted at (x, y);
// -1 paints nothing.
void PaintArrow(int32_t anim, int32_t x, int32_t y) {
  if (anim < 0) return;
  MQLibPlayer* player = ArrowPlayer();
  if (player->anim != anim || player->isAnimOver()) player->setAnim(anim, -1);
  player->update(S()->cGame_frameTime);
  player->x = x;
  player->y = y;
  player->render();
}

// The left arrow while there is a value below, the right one while there is one above `last`;
// lit while pressed.
void PaintValueArrows(int32_t last, bool right) {
  GameStatics* s = S();
  const int32_t value = s->cGame_menuValue;
  PaintArrow(value > 0 ? (s->cGame_leftArrowPressed && value >= 1 ? 1 : 0) : -1, kLeftArrowX,
             kArrowY);
  if (right && value < last) {
    PaintArrow(s->cGame_rightArrowPressed ? 5 : 4, kRightArrowX, kArrowY);
  }
}

void EntryArrows() {
  PaintValueArrows(S()->cGame_menuItemCount - 1, true);
}

void PageArrows() {
  PaintValueArrows(S()->cGame_pagedListPages - 1, true);
}

void QuitAnswer(int32_t popup, bool yes) {
  if (popup == kQuitQuestion) Quit(yes);
}

// ---- States 24, 25, 26, 29, 30 -------------------------------------------------------------

void AwardsBack() {
  if (S()->cGame_launchState == 27)
    Load(23, kLoadingState, 1, 27);
  else
    GoTo(23);
}

void StatisticsBack() {
  if (S()->cGame_launchState == 27)
    Load(24, kLoadingState, 1, 27);
  else
    GoTo(23);
}

void HelpBack() {
  const int32_t from = S()->cGame_launchState;
  if (from == 23)
    Load(20, kLoadingState, 5, 23);
  else
    Load(20, kLoadingState, 1, from);
}

constexpr MenuScreen kAwards = {.list = 10,
                                .layout = 13,
                                .background = Background::kFrozen,
                                .back = AwardsBack,
                                .paint = EntryArrows};
constexpr MenuScreen kUnlockables = {.list = 11,
                                     .layout = 13,
                                     .background = Background::kFrozen,
                                     .back = [] { GoTo(23); },
                                     .answer = QuitAnswer,
                                     .paint = EntryArrows};
constexpr MenuScreen kStatistics = {
    .list = 12,
    .layout = 14,
    .background = Background::kFrozen,
    .back = StatisticsBack,
    .answer = QuitAnswer,
    .paint = [] { PaintValueArrows(1, S()->cGame_menuValue == 0); }};
constexpr MenuScreen kHelp = {.list = 15,
                              .layout = 16,
                              .background = Background::kFrozen,
                              .back = HelpBack,
                              .answer = QuitAnswer,
                              .paint = PageArrows};
constexpr MenuScreen kList19 = {.list = 19,
                                .layout = 18,
                                .background = Background::kFrozen,
                                .back = [] { GoTo(14); },
                                .paint = PageArrows};

// ---- State 27 ------------------------------------------------------------------------------

void ExtrasSelect(int32_t entry) {
  GameStatics* s = S();
  switch (entry) {
    case 71:
      Load(25, kLoadingState, 8, 28);
      break;
    case 70:
      s->cGame_campaignPlay = 0;
      cGame::selectWorld11();
      Load(25, kLoadingState, 2, kPlayState);
      break;
    case 636:
      Load(25, kLoadingState, 13, 24);
      break;
    case 228:
      Load(25, kLoadingState, 14, 26);
      break;
    default:
      break;
  }
}

constexpr MenuScreen kExtras = {.list = 13,
                                .layout = 1,
                                .background = Background::kBackPlayer,
                                .enter = [] { cGame::createMenuHeaderPlayer(); },
                                .select = ExtrasSelect,
                                .back = [] { GoTo(6); },
                                .exit = [] { S()->cGame_launchState = 27; }};

// ---- State 28 ------------------------------------------------------------------------------

void GridEnter() {
  GameStatics* s = S();
  if (s->cGame_launchState == kPlayState) cGame::saveProgress();
  IntArray* remembered = s->cGame_menuSavedSelection;
  cGame::setExtraLevelCell(remembered && remembered->length > 14 ? remembered->elements()[14] : 0);
}

// An open cell plays its level: ten a world from world 8.
void GridSelect(int32_t) {
  GameStatics* s = S();
  if (cGame::currentHiddenAward() != 1) return;
  s->cGame_campaignPlay = 0;
  cGame::selectExtraLevel();
  Load(19, kLoadingState, 2, kPlayState);
}

void GridPaint() {
  GameStatics* s = S();
  const int32_t half = s->cGame_extraGridHalf;
  if (s->cGame_leftArrowPressed)
    PaintArrow(1, kGridArrowX, kGridArrowY);
  else if (s->cGame_rightArrowPressed)
    PaintArrow(5, kGridArrowX, kGridArrowY);
  else
    PaintArrow(half == 1 ? 0 : 4, kGridArrowX, kGridArrowY);
}

constexpr MenuScreen kExtraGrid = {.list = 14,
                                   .layout = 15,
                                   .background = Background::kFrozen,
                                   .enter = GridEnter,
                                   .select = GridSelect,
                                   .back = [] { Load(19, kLoadingState, 1, 27); },
                                   .paint = GridPaint,
                                   .exit = [] { S()->cGame_launchState = 28; }};

}  // namespace

void cGame::stateMenu24(int32_t message) {
  Run(kAwards, message);
}

void cGame::stateMenu25(int32_t message) {
  Run(kUnlockables, message);
}

void cGame::stateMenu26(int32_t message) {
  Run(kStatistics, message);
}

void cGame::stateMenu27(int32_t message) {
  if (message == kStateEnter && S()->cGame_launchState == 6) Remember(13, 0);
  Run(kExtras, message);
}

void cGame::stateMenu28(int32_t message) {
  Run(kExtraGrid, message);
}

void cGame::stateMenu29(int32_t message) {
  Run(kHelp, message);
}

void cGame::stateMenu30(int32_t message) {
  Run(kList19, message);
}
