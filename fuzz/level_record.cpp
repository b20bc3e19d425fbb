// Fuzz target: any bytes as a whole level record: the header, the walk over a type-0 layout,
// the level build (the section of the level's type onto the board, the shot sequence, the
// rules), each later stage's layout, ten frames of the trigger rules and, after a build that
// did not stop, 300 frames of the play state, whose shots fly, land, match and drop with the
// data set's maths tables (the grid's directions, the sine for the aim). Every reader stays inside the data, every count
// inside its table, the rule walk ends each frame and play never leaves the board's tables.
#include <cstddef>
#include <cstdint>

#include "fuzz/support/fuzz_data_root.h"
#include "game/board/actor.h"
#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/random.h"
#include "runtime/application.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/static_class.h"
#include "tools/databuild/data_set.h"

namespace {

constexpr int32_t kFuzzDataHeapSize = 4 * 1024 * 1024;
constexpr int32_t kFrames = 10;
constexpr int32_t kSpriteSlots = 63;
constexpr int32_t kStages = 20;
constexpr int32_t kPlayFrames = 300, kFireEvery = 8, kSweepFrames = 50;
constexpr int32_t kFrameMs = 40;
constexpr int32_t kKeyLeft = 3, kKeyRight = 4, kKeyFire = 5;

bool Inside(int32_t cursor, ByteArray* level) {
  return cursor >= 0 && cursor <= level->length;
}

// The board and the actors of the game, as the class initialisers make them, on the 480 x 640
// play screen, with the maths tables of the data set; each input starts from an empty board
// and a free actor pool.
void StartBoard(FuzzDataRoot& root) {
  static const bool made = [&root] {
    FuzzCheck(GetApplication()->getStaticClass()->initialize());
    root.plantArchive(databuild::WritePack(databuild::MathsPack()));
    cGame::loadMathTables();
    GameStatics* s = Statics<GameStatics>();
    FuzzCheck(s->cGame_sinTable1024 && s->cGame_sinTable1024->length == 256);
    s->cGame_canvasWidth = 480;
    s->cGame_canvasHeight = 640;
    s->cGame_spriteTable = NewObjectArray(cid::Object, kSpriteSlots);
    s->cGame_eventQueue = NewIntArray(cGame::kEventQueueLength);
    cActor::createPool();
    return true;
  }();
  (void)made;
  Bubble::resetPool();
  cActor::releaseAll();
  for (int32_t layer = 0; layer < cActor::kLayerCount; layer++) cActor::clearLayer(layer);
  Statics<GameStatics>()->cGame_eventCount = 0;
}

// What the build leaves stays inside the board's tables.
void CheckBoard() {
  GameStatics* s = Statics<GameStatics>();
  FuzzCheck(s->Bubble_activeBubbleCount >= 0 && s->Bubble_activeBubbleCount <= 170);
  for (int32_t i = 0; i < s->Bubble_activeBubbleCount; i++) {
    auto* bubble = static_cast<Bubble*>(s->Bubble_activeBubbles->elements()[i]);
    FuzzCheck(bubble->bunch >= Bubble::kLoose && bubble->bunch < 10);
  }
  for (int32_t b = 0; b < 10; b++) {
    cGame_CBubbleBunch* bunch = cGame::getBunch(b);
    FuzzCheck(!bunch || (bunch->count >= 0 && bunch->count <= 180));
  }
  FuzzCheck(s->cGame_chainCount >= 0 && s->cGame_chainCount <= 10);
  FuzzCheck(s->cGame_shotSequenceLength >= 0 &&
            s->cGame_shotSequenceLength <= s->cGame_shotSequence->length);
}

// The counts the readers of this level's type leave stay inside the tables they describe
// (the statics of the other types keep an earlier input's values).
void CheckSections() {
  GameStatics* s = Statics<GameStatics>();
  const int32_t type = s->cGame_levelType;
  FuzzCheck(s->cGame_bunchTemplateCount >= 0 && s->cGame_bunchTemplateCount <= 7);
  if (type >= 5 && type <= 7) {
    for (int32_t t = 0; t < s->cGame_bunchTemplateCount; t++) {
      const int32_t cells = s->cGame_bunchTemplateSize->elements()[t];
      FuzzCheck(cells >= 0 && cells <= 20);
    }
  }
  if (type == 4 && s->cGame_pathCount > 0) {
    FuzzCheck(s->cGame_pathPointCount <= s->cGame_pathPointX->length);
    FuzzCheck(s->cGame_pathCount <= s->cGame_pathLength->length);
  }
  if (type == 6) {
    if (s->cGame_dropCount > 0) FuzzCheck(s->cGame_dropCount <= s->cGame_dropTime->length);
    for (int32_t i = 0; i < s->cGame_dropCount; i++) {
      const int32_t t = s->cGame_dropTemplate->elements()[i];
      FuzzCheck(t >= 0 && t < s->cGame_bunchTemplateCount);
    }
  }
  if (type == 7 && s->cGame_rowCount > 0) {
    FuzzCheck(s->cGame_rowCount <= s->cGame_rowTemplate->length);
  }
}

// The launcher as a level load makes it, then state 17's update in its playing phase with a
// fire request every 8 frames and an aim that sweeps left and right in turns of 50 frames.
void PlayFrames() {
  GameStatics* s = Statics<GameStatics>();
  if (!s->cGame_sharedRandom) s->cGame_sharedRandom = NewObject<java_util_Random>(int64_t{1});
  s->cGame_keysLive = NewByteArray(cGame::kGameKeyCount);
  s->cGame_keysLatched = NewByteArray(cGame::kGameKeyCount);
  s->cGame_touchAction = cGame::kNoTouchAction;
  s->cGame_pointerX = s->cGame_pointerY = -1;
  s->cGame_tapX = s->cGame_tapY = -1;
  s->cGame_nextState = -1;
  s->cGame_currentState = 17;
  s->cGame_levelOver = false;
  s->cGame_eventCount = 0;
  cGame::resetLauncherPosition();
  cGame::createShooterActors();
  cGame::createAimDots();
  s->cGame_playPhase = 9;
  int8_t* keys = s->cGame_keysLatched->elements();
  for (int32_t frame = 0; frame < kPlayFrames; frame++) {
    for (int32_t k = 0; k < cGame::kGameKeyCount; k++) keys[k] = 0;
    keys[(frame / kSweepFrames) % 2 ? kKeyRight : kKeyLeft] = 2;
    if (frame % kFireEvery == 0) keys[kKeyFire] = 1;
    s->cGame_frameTime = kFrameMs;
    cGame::statePlay(cGame::kStateUpdate);
    FuzzCheck(s->cGame_eventCount >= 0 && s->cGame_eventCount <= cGame::kEventQueueLength);
    FuzzCheck(s->cGame_shooterState >= -1 && s->cGame_shooterState <= 6);
    FuzzCheck(s->cGame_aimAngle >= -s->cGame_aimLimit && s->cGame_aimAngle <= s->cGame_aimLimit);
    CheckBoard();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static FuzzDataRoot& root = StartFuzzRuntimeWithData(kFuzzDataHeapSize, nullptr);
  GameStatics* s = Statics<GameStatics>();
  StartBoard(root);
  ByteArray* level = FuzzBytes(data, size);
  s->cGame_levelData = level;
  s->cGame_levelSpriteFlags = NewBoolArray(7);
  s->cGame_currentStage = 0;
  s->cGame_stageCount = 1;
  cGame::setDataCursor(0);
  cGame::readLevelHeader(level);
  s->cGame_levelBodyStart = s->cGame_dataCursor;
  cGame::readLevelObjects();
  FuzzCheck(Inside(s->cGame_dataCursor, level));
  cGame::buildLevel();
  FuzzCheck(Inside(s->cGame_dataCursor, level));
  CheckSections();
  CheckBoard();
  // Each later stage on a cleared board; the level's pack does not exist here, so the stage
  // is built from the record held.
  const int32_t stages = s->cGame_stageCount;
  for (int32_t stage = 1; stage < stages && stage < kStages; stage++) {
    StartBoard(root);
    cGame::startBoard();
    s->cGame_currentStage = stage;
    cGame::loadNextStage();
    FuzzCheck(Inside(s->cGame_dataCursor, s->cGame_levelData));
    CheckBoard();
  }
  FuzzCheck(s->cGame_triggerCount >= 0 && s->cGame_triggerCount <= 50);
  cGame::resetTriggerBookkeeping();
  s->cGame_sinceEvent9 = s->cGame_sinceEvent10 = 0;
  for (int32_t frame = 0; frame < kFrames; frame++) {
    s->cGame_levelFrames = frame;
    s->cGame_sinceEvent9 += 1000;
    s->cGame_sinceEvent10 += 700;
    s->cGame_eventCount = 0;
    cGame::updateTriggers();
    FuzzCheck(s->cGame_triggerCount >= 0 && s->cGame_triggerCount <= 50);
  }
  if (!s->cGame_levelBodyFailed) PlayFrames();
  return 0;
}
