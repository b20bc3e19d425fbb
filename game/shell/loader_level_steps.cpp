// The steps of the level load kinds: a level built behind the loading screen (kind 2, whose
// restart keeps what is loaded and jumps past the resource steps), a restart in one step (kind
// 3), the level's objects (loadLevelItems), and the kinds that release a level's resources
// (11, 15 and 22).
#include "engine/sprite.h"
#include "game/board/actor.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/shell/loader_support.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "runtime/trace.h"

namespace {

using loader::Close;
using loader::LoadSlot;
using loader::LoadSlotWithList;
using loader::Open;
using loader::Run;
using loader::SetSlot;

constexpr int32_t kLevelKind = 2;
constexpr int32_t kBossPack = 63, kCommonPack = 65, kHudPack = 88, kSoundPack = 92;
constexpr int32_t kFeaturePack = 96, kBackdropPack = 101;
constexpr int32_t kLastResourceStep = 13;  // a restart goes on after it
constexpr int32_t kFeatureSprites = 7;
constexpr int32_t kHudSlot = 56;  // frame 1: the HUD panel, with the play field's side walls
constexpr int32_t kBossVariant = 3, kLightVariant = 2, kPlainVariant = 1;
constexpr int32_t kMainWorlds = 8;
constexpr int32_t kBunches = 10;
constexpr int32_t kLevelStartEvent = 40;

// An int[] of the values, for the list shorthand.
IntArray* List(std::initializer_list<int32_t> values) {
  IntArray* list = NewIntArray(static_cast<int32_t>(values.size()));
  int32_t i = 0;
  for (int32_t v : values) {
    if (list) list->elements()[i++] = v;
  }
  return list;
}

// The stored result of the current level: -2 locked, -1 open, 0.. won; -2 off the tables.
int32_t CurrentResult(GameStatics* s) {
  ObjectArray* results = s->cGame_levelResults;
  const int32_t world = s->cGame_currentWorld, column = s->cGame_currentLevel + 1;
  if (!results || world < 0 || world >= results->length) return -2;
  IntArray* row = CheckCast<IntArray>(results->elements()[world]);
  if (!row || column < 1 || column >= row->length) return -2;
  return row->elements()[column];
}

// Boss, lighting variant or plain level. The boss kind follows every level, so a level after a
// boss level has none; the lighting pack is read unless readLight is clear.
void LevelSetUp(GameStatics* s, bool lookUpLight, bool readLight) {
  const int32_t world = s->cGame_currentWorld, level = s->cGame_currentLevel;
  const int32_t light = lookUpLight ? cGame::lookupTripleValue(world, level) : -1;
  const int32_t boss = cGame::lookupPairValue(world, level);
  s->cGame_bossKind = boss;
  if (boss >= 0) {
    s->cGame_levelVariant = kBossVariant;
  } else if (light >= 0) {
    s->cGame_levelVariant = kLightVariant;
    s->cGame_lightVariant = light;
    if (readLight) Run("loadPack235", [light] { cGame::loadPack235(light); });
  } else {
    s->cGame_levelVariant = kPlainVariant;
  }
}

void LoadLevel(GameStatics* s) {
  Run("loadLevelData", [s] { cGame::loadLevelData(s->cGame_currentLevel, s->cGame_currentWorld); });
}

// The pool, the board and the HUD of the level, as kinds 2 and 3 build them.
void BuildLevelObjects(int32_t step) {
  switch (step) {
    case 14:
      Run("cActor::createPool", [] { cActor::createPool(); });
      break;
    case 15:
      Run("buildLevel", [] { cGame::buildLevel(); });
      break;
    case 16:
      Run("allocTripleLists", [] { cGame::allocTripleLists(); });
      break;
    case 17:
      Run("resetLauncherPosition", [] { cGame::resetLauncherPosition(); });
      break;
    case 18:
      Run("initHudAnimPositions", [] { cGame::initHudAnimPositions(); });
      break;
    default:
      break;
  }
}

// The last step of kinds 2 and 3: the clocks, the level's objects, its start event and its
// actors (in type 2 the set the variant drew).
void LevelStart(GameStatics* s) {
  s->cGame_levelTime = 0;
  s->cGame_levelTimeCompanion = 0;
  Run("loadLevelItems", [] { cGame::loadLevelItems(); });
  cActor::setVisible(s->cGame_shotPreviewActor, false);
  cGame::postEvent(kLevelStartEvent);
  s->cGame_levelStartCounter = 0;
  const int32_t set = s->cGame_levelType == 2 ? s->cGame_levelVariantValue : s->cGame_levelActorSet;
  const bool restart = s->cGame_levelRestart;
  Run("spawnLevelActors", [restart, set] { cGame::spawnLevelActors(restart, set); });
}

void HudSprites(GameStatics* s) {
  Open(kHudPack);
  if (s->cGame_levelType == 7) LoadSlot(40, 0);
  LoadSlot(49, 1, 127, false);
  if (s->cGame_levelType == 3) LoadSlot(55, 2);
  LoadSlot(56, 3);
  LoadSlot(57, 4, 3);
  if (s->cGame_currentWorld >= 0 && s->cGame_currentWorld < kMainWorlds) {
    LoadSlotWithList(60, 5, 1, List({s->cGame_currentWorld}));
  }
  s->cGame_hudPanelHeight = 0;
  ASprite* hud = loader::SpriteAt(kHudSlot);
  IntArray* rect = s->cGame_rectScratch;
  if (hud && rect && rect->length >= 4) {
    hud->getFrameRect(1, 0, rect, 0);
    s->cGame_hudPanelHeight = rect->elements()[3];
  }
}

void FeatureSprites(GameStatics* s) {
  constexpr int32_t kSlots[kFeatureSprites] = {26, 41, 42, 43, 44, 51, 45};
  BoolArray* flags = s->cGame_levelSpriteFlags;
  Open(kFeaturePack);
  for (int32_t e = 0; flags && e < kFeatureSprites && e < flags->length; e++) {
    if (!flags->elements()[e]) continue;
    LoadSlot(kSlots[e], e, e == 2 ? 255 : 1, e != 2);
  }
}

void BossSprites(GameStatics* s) {
  if (s->cGame_levelVariant != kBossVariant) return;
  Open(kBossPack);
  switch (s->cGame_bossKind) {
    case 1:
      LoadSlot(58, 1, 3, false);
      break;
    case 2:
    case 5:
      LoadSlot(28, 3, 3, false);
      break;
    case 3:
      LoadSlot(59, 2, 3, false);
      break;
    case 4:
      LoadSlot(47, 4, 3);
      break;
    default:
      break;
  }
}

void PortraitSprites(GameStatics* s) {
  Open(kCommonPack), LoadSlot(33, 0, 3, false), Close();
  if (s->cGame_portraitId >= 0) {
    Open(kBackdropPack);
    LoadSlotWithList(30, 0, 2, List({s->cGame_portraitId}));
  } else {
    SetSlot(30, nullptr);
  }
}

// Kind 2, step 0: the level's tables, its kind of level and its data; a restart keeps what is
// loaded and goes on after the resource steps.
void FirstLevelStep(GameStatics* s) {
  cGame::clearSprite0Field();
  const bool restart = s->cGame_levelRestart;
  if (!restart) {
    s->cGame_levelSpriteFlags = NewBoolArray(kFeatureSprites);
    s->cGame_failCount = 0;  // losses count from the level's load; a retry keeps them
    Run("loadMathTables", [] { cGame::loadMathTables(); });
    Run("pickRandomVariant", [s] { s->cGame_levelVariantValue = cGame::pickRandomVariant(); });
  }
  LevelSetUp(s, CurrentResult(s) == -1, !restart);
  LoadLevel(s);
  if (restart) {
    s->cGame_loadStep = kLastResourceStep;
  } else {
    Run("readLevelObjects", [] { cGame::readLevelObjects(); });
  }
}

void LevelStep(GameStatics* s, int32_t step) {
  switch (step) {
    case 0:
      FirstLevelStep(s);
      break;
    case 2:
      HudSprites(s);
      break;
    case 4:
      Open(kSoundPack);
      break;
    case 5:
    case 6:
      Run("loadLevelSounds", [step] { cGame::loadLevelSounds(step); });
      break;
    case 8:
      FeatureSprites(s);
      break;
    case 9:
      Close(), s->cGame_levelSpriteFlags = nullptr;
      break;
    case 10:
      BossSprites(s);
      break;
    case 12:
      PortraitSprites(s);
      break;
    case 3:
    case 7:
    case 11:
    case 13:
      Close();
      break;
    case 19:
      LevelStart(s);
      s->cGame_levelOver = false;
      break;
    default:
      BuildLevelObjects(step);
      break;
  }
}

// Kind 3: the whole restart in one step; the lighting pack is read again only when the level
// keeps its lighting variant.
void RestartStep(GameStatics* s) {
  LevelSetUp(s, true, s->cGame_levelRestartLight);
  LoadLevel(s);
  for (int32_t step = 14; step <= 18; step++) BuildLevelObjects(step);
  LevelStart(s);
}

// Kind 15, step 1: every bunch burst without score, every actor released, the board and the
// level's actor groups emptied.
void LeaveLevel() {
  for (int32_t b = 0; b < kBunches; b++) Run("burstBunch", [b] { cGame::burstBunch(b, 1); });
  Run("cActor::releaseAll", [] { cActor::releaseAll(); });
  for (int32_t layer = 0; layer < cActor::kLayerCount; layer++) {
    Run("cActor::clearLayer", [layer] { cActor::clearLayer(layer); });
  }
  Run("resetBoard", [] { cGame::resetBoard(); });
  Run("releaseFlyerActors", [] { cGame::releaseFlyerActors(); });
  Run("releaseWalkerActors", [] { cGame::releaseWalkerActors(); });
  Run("releaseShotPreview", [] { cGame::releaseShotPreview(); });
  Run("resetSlotActors", [] { cGame::resetSlotActors(); });
  Run("releaseObjectList", [] { cGame::releaseObjectList(); });
  Run("resetEffects", [] { cGame::resetEffects(); });
  Run("releaseHudActors", [] { cGame::releaseHudActors(); });
}

void ReleaseLevelSprites() {
  for (int32_t slot :
       {40, 26, 41, 42, 43, 44, 45, 49, 51, 47, 52, 53, 54, 55, 56, 57, 58, 30, 59, 28, 60, 33}) {
    SetSlot(slot, nullptr);
  }
  Run("releaseGoalActors", [] { cGame::releaseGoalActors(); });
  Run("freeSounds", [] { cGame::freeSounds(); });
}

}  // namespace

// ---- Level kinds ------------------------------------------------------------------------------

void cGame::runLevelLoadStep(int32_t kind, int32_t step) {
  GameStatics* s = Statics<GameStatics>();
  if (kind == kLevelKind) {
    LevelStep(s, step);
  } else {
    RestartStep(s);
  }
}

void cGame::runLevelReleaseStep(int32_t kind, int32_t step) {
  GameStatics* s = Statics<GameStatics>();
  if (kind == 11) {
    if (step == 0) Run("spawnLevelActors", [] { cGame::spawnLevelActors(false, 6); });
    if (step == 1) Open(kFeaturePack), LoadSlot(44, 4), Close();
    if (step == 2) {
      Open(kHudPack), LoadSlotWithList(60, 5, 1, List({s->cGame_currentWorld})), Close();
      Open(kBackdropPack), LoadSlotWithList(30, 0, 2, List({1, 16, 15})), Close();
    }
  } else if (kind == 15) {
    if (step == 1) LeaveLevel();
    if (step == 2 && !s->cGame_levelRestart) ReleaseLevelSprites();
  } else if (step == 0) {
    Run("releaseGoalActors", [] { cGame::releaseGoalActors(); });
  } else if (step == 1) {
    Run("releaseActorArray", [] { cGame::releaseActorArray(); });
    SetSlot(44, nullptr);
    SetSlot(30, nullptr);
  }
}

// ---- The level's objects ----------------------------------------------------------------------

// The side walls of the HUD panel (rectangles 5 and 6 of its frame 1) bound the play field.
void cGame::loadLevelItems() {
  GameStatics* s = Statics<GameStatics>();
  int32_t leftWall = 0, rightWall = 0;
  ASprite* hud = loader::SpriteAt(kHudSlot);
  IntArray* rect = s->cGame_rectScratch;
  if (hud && rect && rect->length >= 4) {
    hud->getFrameRect(1, 5, rect, 0);
    leftWall = rect->elements()[2];
    hud->getFrameRect(1, 6, rect, 0);
    rightWall = rect->elements()[2];
  } else {
    DebugLog("cGame::loadLevelItems(): no HUD sprite in slot %d; the play field has no walls",
             kHudSlot);
  }
  s->cGame_playFieldLeft = (leftWall + 1) << 16;
  s->cGame_playFieldRight = (s->cGame_canvasWidth - (rightWall + 18)) << 16;
  setPlayArea(leftWall, rightWall);  // the board's own bounds of a bubble's centre
  switch (s->cGame_bossKind) {
    case 0:
    case 4:
      createBossKind0();
      break;
    case 1:
      createBossKind1();
      break;
    case 2:
    case 5:
      createBossKind2();
      break;
    case 3:
      createBossKind3();
      break;
    default:
      break;
  }
  s->cGame_eventCount = 0;
  resetTriggerBookkeeping();
  resetLevelStats();
  createFlyerActors();
  createWalkerActors();
  releaseSlotActors();
  createShooterActors();
  createAimDots();
  createMeterActors();
  createHudActors();
  createLevelProps();
  if (s->cGame_bannerActor) cActor::release(s->cGame_bannerActor);
  s->cGame_bannerActor = nullptr;
  s->cGame_playPhase = 0;
}
