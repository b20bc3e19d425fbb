// The world-select screen (state 20), the level maps (9), the character select (22) and the
// game modes (23).
#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/board/actor_support.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/menus/menu_state_shape.h"
#include "javame/graphics.h"
#include "javame/thread.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/trace.h"

using namespace menu_states;

namespace {

constexpr int32_t kMainWorlds = 8;
constexpr int32_t kLastCheatWorld = 7;
constexpr int32_t kFirstWorldTitle = 193;
constexpr int32_t kFirstWorldAnim = 27;
constexpr int32_t kWorldSelectMusic = 1;
constexpr int32_t kCharacterMusic = 12;
constexpr int32_t kQuitQuestion = 39;
constexpr int32_t kChoicePause = 20;  // ms the game thread rests after a character is chosen
constexpr int32_t kWorldSelectSlot = 13, kTargetFrame = 78;
constexpr int32_t kCursorWalking = 1;  // worldSelectMode while the cursor walks to its target

GameStatics* S() {
  return Statics<GameStatics>();
}

IntArray* Row(ObjectArray* rows, int32_t i) {
  return rows && i >= 0 && i < rows->length ? CheckCast<IntArray>(rows->elements()[i]) : nullptr;
}

int32_t WorldSelection(int32_t world) {
  IntArray* selection = S()->cGame_mapCursorByWorld;
  return selection && world >= 0 && world < selection->length ? selection->elements()[world] : -2;
}

// ---- State 20 ------------------------------------------------------------------------------

void EnterWorld() {
  GameStatics* s = S();
  s->cGame_launchState = 20;
  s->cGame_currentWorld = s->cGame_selectedWorld;
  Load(21, kLoadingState, 6, 9);
}

void WorldSelectChosen(int32_t) {
  if (S()->cGame_worldSelectMode == 0) EnterWorld();
}

// The digit key 1 opens the next world at once: its first level, and every unplayed item of the
// worlds before it counted as played.
void OpenNextWorld() {
  GameStatics* s = S();
  if (s->cGame_worldsUnlocked >= kLastCheatWorld) return;
  const int32_t world = ++s->cGame_worldsUnlocked;
  if (s->cGame_worldScreenPlayer) s->cGame_worldScreenPlayer->setAnim(world + kFirstWorldAnim, -1);
  IntArray* selection = s->cGame_mapCursorByWorld;
  if (selection && world < selection->length) selection->elements()[world] = 0;
  if (IntArray* row = Row(s->cGame_levelResults, world); row && row->length > 1) {
    row->elements()[1] = -1;
  }
  for (int32_t w = 0; w < world; w++) {
    IntArray* row = Row(s->cGame_levelResults, w);
    for (int32_t i = 0; row && i < row->length; i++) {
      if (row->elements()[i] < 0) row->elements()[i] = 0;
    }
  }
  s->cGame_finishedLevelIndex = 0;
  cGame::markSelectedMenuItems();
  cGame::setSoftKeys(kBackSoftLabel, -1, 0);
}

void WorldSelectUpdate() {
  GameStatics* s = S();
  if (s->cGame_worldTapSelected) {
    s->cGame_worldTapSelected = false;
    if (s->cGame_worldSelectMode == 0) EnterWorld();
  }
  if (s->cGame_worldAutoEnter == 1 && s->cGame_worldSelectMode == 0) EnterWorld();
}

void WorldSelectKey(int32_t key) {
  if (key == kDigitOne) OpenNextWorld();
}

void WorldSelectBack() {
  if (S()->cGame_softKeyRight != -1) Load(21, kLoadingState, 1, 6);
}

// The chosen world's name in the title, highlighted; while the cursor walks to a world, the
// target mark (frame 78 of the world-select sprite) on it.
void WorldSelectPaint() {
  GameStatics* s = S();
  cGame::paintNextTextItem(0, -1, cGame::getString(kFirstWorldTitle + s->cGame_selectedWorld),
                           true);
  ASprite* sprite = actor_support::SpriteInSlot(kWorldSelectSlot);
  if (s->cGame_worldSelectMode != kCursorWalking || !sprite || !s->cGame_drawGraphics) return;
  if (sprite->getFrameCount() <= kTargetFrame) return;
  sprite->paintFrame(s->cGame_drawGraphics, kTargetFrame, s->cGame_worldTargetX,
                     s->cGame_worldTargetY, 0, 0, 0);
}

constexpr MenuScreen kWorldSelect = {.list = 6,
                                     .layout = 10,
                                     .fadeIn = false,
                                     .music = kWorldSelectMusic,
                                     .select = WorldSelectChosen,
                                     .back = WorldSelectBack,
                                     .key = WorldSelectKey,
                                     .update = WorldSelectUpdate,
                                     .paint = WorldSelectPaint};

// ---- State 9 -------------------------------------------------------------------------------

void MapSelect(int32_t) {
  GameStatics* s = S();
  if (cGame::mapLevelSelected()) {
    s->cGame_campaignPlay = 1;
    s->cGame_currentLevel = WorldSelection(s->cGame_selectedWorld) - 1;
    Load(18, kLoadingState, 2, 17);
  } else if (cGame::mapEntrySelected()) {
    Remember(9, s->cGame_menuSelection);
    s->cGame_launchState = 9;
    Load(18, kLoadingState, 5, 23);
  }
}

void MapBack() {
  if (S()->cGame_mapMode != 0) return;
  Remember(20, 0);
  cGame::snapshotLevelMap();
  GoTo(32);
}

// A finished change of world loads the other world's map, or the world select when that world
// was never visited; the taps on the back and select areas act as the keys, and while the select
// area is held the map shows its hint.
void MapUpdate() {
  GameStatics* s = S();
  if (s->cGame_mapWorldChange == 2 && s->cGame_pendingAction == 0) {
    if (WorldSelection(s->cGame_currentWorld) != -2)
      Load(7, 9);
    else
      Load(18, kLoadingState, 10, 20);
  }
  if (cGame::isTapReleasedInRect(400, 720, 80, 80)) s->cGame_touchAction = kRightSoft;
  if (cGame::isTapReleasedInRect(185, 690, 110, 110)) s->cGame_touchAction = kFire;
  s->cGame_mapItemPressed = cGame::isTapPressedInRect(185, 690, 110, 110);
}

void MapPaint() {
  GameStatics* s = S();
  if (s->cGame_mapSnapshotTaken && s->cGame_backBuffer && s->cGame_drawGraphics) {
    s->cGame_drawGraphics->drawImage(s->cGame_backBuffer, 0, 0, 0);
    return;
  }
  cGame::paintMapInfoPanel(1);
}

MenuScreen levelMap = {.list = 7,
                       .layout = 0,
                       .select = MapSelect,
                       .back = MapBack,
                       .update = MapUpdate,
                       .paint = MapPaint,
                       .exit = [] { S()->cGame_launchState = 9; }};

// ---- State 22 ------------------------------------------------------------------------------

int32_t CharacterChain() {
  switch (S()->cGame_launchState) {
    case 9:
      return 9;
    case 23:
      return 23;
    default:
      return 20;
  }
}

void LoadCharacterSprites(int32_t chain) {
  if (chain == 9)
    Load(16, kLoadingState, 6, 9);
  else if (chain == 23)
    Load(16, kLoadingState, 5, 23);
  else
    Load(16, kLoadingState, 10, 20);
}

void CharacterSelect(int32_t) {
  GameStatics* s = S();
  if (!cGame::characterUnlocked()) return;
  LoadCharacterSprites(CharacterChain());
  if (s->cGame_sfxEnabled) {
    cGame::playSound(2 * (s->cGame_characterCursor + 17) + s->cGame_characterCursorRow, 1);
  }
  java_lang_Thread::sleep(kChoicePause);
  cGame::keepCharacterChoice(s->cGame_characterCursorRow);
  cGame::saveProgress();
}

void CharacterBack() {
  GameStatics* s = S();
  if (s->cGame_launchState == 9 || s->cGame_launchState == 23) {
    LoadCharacterSprites(s->cGame_launchState);
    return;
  }
  Remember(0, 0);
  Load(16, kLoadingState, 1, 6);
}

// A tap on a cell chooses it; a second tap on the chosen cell selects it.
void CharacterUpdate() {
  GameStatics* s = S();
  for (int32_t cell = 0; cell < 4; cell++) {
    const int32_t row = cell / 2, column = cell % 2;
    if (!cGame::isTapReleasedInRect(56 + 200 * column, 134 + 200 * row, 170, 170)) continue;
    if (s->cGame_characterCursor == row && s->cGame_characterCursorRow == column) {
      s->cGame_touchAction = kTouchSelect;
    }
    s->cGame_characterCursor = row;
    s->cGame_characterCursorRow = column;
  }
}

constexpr MenuScreen kCharacterSelect = {.list = 8,
                                         .layout = 11,
                                         .music = kCharacterMusic,
                                         .enter = [] { cGame::stopSound(); },
                                         .select = CharacterSelect,
                                         .back = CharacterBack,
                                         .update = CharacterUpdate,
                                         .paint = [] { cGame::paintTitleAndEntry(); }};

// ---- State 23 ------------------------------------------------------------------------------

constexpr int32_t kModeAreas[5][4] = {{360, 230, 100, 220},
                                      {76, 568, 118, 162},
                                      {252, 598, 218, 92},
                                      {0, 396, 116, 150},
                                      {196, 200, 116, 196}};

void ModeSelect(int32_t) {
  GameStatics* s = S();
  Remember(9, s->cGame_menuSelection);
  switch (s->cGame_menuSelection) {
    case 0:
      Load(17, kLoadingState, 4, 22);
      break;
    case 1:
      Load(17, kLoadingState, 9, 29);
      break;
    case 2:
      GoTo(26);
      break;
    case 3:
      GoTo(25);
      break;
    case 4:
      GoTo(24);
      break;
    default:
      break;
  }
}

void ModeBack() {
  if (S()->cGame_launchState == 6)
    Load(17, 6);
  else
    Load(17, kLoadingState, 6, 9);
}

void ModeUpdate() {
  for (const auto& area : kModeAreas) {
    if (cGame::isTapReleasedInRect(area[0], area[1], area[2], area[3])) {
      S()->cGame_touchAction = kTouchSelect;
    }
  }
}

void ModeAnswer(int32_t popup, bool yes) {
  if (popup == kQuitQuestion) Quit(yes);
}

constexpr MenuScreen kGameModes = {.list = 9, .layout = 12, .select = ModeSelect,
                                   .back = ModeBack, .answer = ModeAnswer, .update = ModeUpdate,
                                   .exit = [] { S()->cGame_launchState = 23; }};

}  // namespace

void cGame::stateMenu20(int32_t message) {
  Run(kWorldSelect, message);
}

// The map of the current world; a world without a map leaves for the main menu.
void cGame::stateMenu9(int32_t message) {
  GameStatics* s = S();
  if (message == 4) return RestartMusic(WorldMusic());
  if (message == kStateEnter) {
    if (s->cGame_currentWorld < 0 || s->cGame_currentWorld >= kMainWorlds) {
      DebugLog("cGame::stateMenu9: world %d has no map; back to the main menu",
               s->cGame_currentWorld);
      levelMap.layout = 0;
      setState(6);
      return;
    }
    if (s->cGame_launchState == 20) Remember(6, s->cGame_menuSelection);
    levelMap.layout = s->cGame_currentWorld + 2;
    levelMap.music = WorldMusic();
  }
  if (!menuLayout(levelMap.layout) && message != kStateEnter) return;
  Run(levelMap, message);
}

void cGame::stateMenu22(int32_t message) {
  Run(kCharacterSelect, message);
}

void cGame::stateMenu23(int32_t message) {
  Run(kGameModes, message);
}

// The frame shown, the map as it stands, painted into menuBackground for the map's pause.
void cGame::snapshotLevelMap() {
  GameStatics* s = S();
  javax_microedition_lcdui_Graphics* frame = s->cGame_drawGraphics;
  s->cGame_drawGraphics = s->cGame_backBufferGraphics;
  if (s->cGame_drawGraphics) paintCurrentMenu(-1);
  s->cGame_drawGraphics = frame;
  s->cGame_mapSnapshotTaken = 1;
}
