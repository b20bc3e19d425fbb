// Stages and the layouts of the special level types: the next stage of a staged level read
// again from its pack, the rising floor's layout (type 3), the track's bubbles (type 8) and the
// wave level's stage tables with its top row (type 2). Counts and indexes are checked as the
// type-0 layout checks them; a bad one stops the body.
#include "game/board/actor.h"
#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/static_ref.h"
#include "runtime/string.h"
#include "runtime/trace.h"

// Type 8, little-endian and signed: s16 x, s16 y (thousandths of the screen), s16 speed
//   (thousandths of a px per ms); i32 S; S x s8 segment kind; i32 M (10 at most); M x {s8 kind
//   (0..43), s16 flags (sign-extended into the flag word)}.
// Type 2: s8 layouts made at the start; i32 S (1..20); S x 25 bytes {s8 colours, s8 shots per
//   row, s8 special columns, s8 specials goal; 5 x s8 special kind; s8 stage value, s8 special
//   base, s8 special step, s8 x 3 chances; 4 x s8 row A; 6 x s8 row B}.

namespace {

constexpr int32_t kThousand = 1000;
constexpr int32_t kLastKind = 43;
constexpr int32_t kStraight = 65536;   // a straight segment, one unit of 16.16
constexpr int32_t kQuarterPi = 51471;  // a turn segment: pi / 4 in 16.16
constexpr int32_t kFirstTurn = 4;      // segment kinds from 4 are turns
constexpr int32_t kTrackBunchType = 14;
constexpr int32_t kTrackBubbleBytes = 3;
constexpr int32_t kStages = 20;
constexpr int32_t kStageBytes = 25;
constexpr int32_t kSpecialKinds = 5;
constexpr int32_t kFirstSpecial = 7;
constexpr int32_t kLastMaskedSpecial = 28;  // kind 7 + 21: the last bit below bit 22
constexpr int32_t kRowABytes = 4, kRowBBytes = 6;
constexpr int32_t kTopRowColumns = 11;
constexpr int32_t kTopRowKind = 39;
constexpr int32_t kTopRowFlags = 0x400004;
constexpr int32_t kWaveSpecialState = 3;
constexpr int32_t kSceneryStep = 26;  // px
constexpr int32_t kAboveTop = 15;     // px: the top row hangs this far above playTop

GameStatics* S() {
  return Statics<GameStatics>();
}

int32_t Cursor() {
  return S()->cGame_dataCursor;
}

// The name of the level pack that levelData came from; null off the table.
String* LevelPackName() {
  GameStatics* s = S();
  ObjectArray* names = s->cGame_worldTexts;
  const int32_t pack = s->cGame_levelPack;
  if (!names || pack < 0 || pack >= names->length) return nullptr;
  return static_cast<String*>(names->elements()[pack]);
}

}  // namespace

// ---- The next stage ---------------------------------------------------------------------------

// The level is read again from the pack it came from (levelPack, levelEntry: the current
// world and level). When it cannot be read the level already held is used, traced.
void cGame::loadNextStage() {
  GameStatics* s = S();
  ByteArray* level = nullptr;
  if (String* name = LevelPackName()) {
    openPack(name);
    level = readPackEntry(s->cGame_levelEntry);
    closeResourceStream();
  }
  if (level) {
    s->cGame_levelData = level;
  } else {
    DebugLog("cGame::loadNextStage: level %d of world %d cannot be read again; stage %d is "
             "built from the level held",
             s->cGame_levelEntry, s->cGame_levelPack, s->cGame_currentStage);
  }
  ByteArray* data = s->cGame_levelData;
  setDataCursor(0);
  readLevelHeader(data);
  s->cGame_levelBodyStart = s->cGame_dataCursor;
  s->cGame_levelBodyFailed = false;
  if (s->cGame_levelType == 0) {
    readLevelLayout(data);
  } else if (s->cGame_levelType == 3) {
    readSceneryLayout(data);
  }
}

// ---- Type 3: the rising floor -----------------------------------------------------------------

void cGame::readSceneryLayout(ByteArray* data) {
  GameStatics* s = S();
  s->cGame_sceneryBunch = s->cGame_currentStage;
  readLevelLayout(data);
  s->cGame_gridRebuildRequested = true;
  setBunchCentre(s->cGame_sceneryBunch, (s->cGame_canvasWidth / 2) << 16,
                 (s->cGame_playTop - kAboveTop) << 16);
  s->cGame_sceneryStep = kSceneryStep;
  s->cGame_sceneryY = s->cGame_sceneryPrevY = s->cGame_sceneryStartY = s->cGame_canvasHeight;
  s->cGame_sceneryMoving = false;
  s->cGame_sceneryDustClock = 0;
  s->cGame_sceneryAmbientTimer = 0;
  s->cGame_sceneryActorA = nullptr;  // the last level's actors went with the actor pool
  s->cGame_sceneryActorB = nullptr;
}

// ---- Type 8: the track ------------------------------------------------------------------------

void cGame::placeLevelBubbles(ByteArray* data) {
  GameStatics* s = S();
  s->cGame_chainCount = 0;
  s->cGame_trackLength = 0;
  if (s->cGame_levelBodyFailed) return;
  s->cGame_trackStartX = (readShort(data) * s->cGame_canvasWidth / kThousand) << 16;
  s->cGame_trackStartY = (readShort(data) * s->cGame_canvasHeight / kThousand) << 16;
  s->cGame_trackSpeed = (readShort(data) << 16) / kThousand;
  const int32_t segmentsAt = Cursor();
  const int32_t segments = readInt(data);
  if (refuseLevelCount("track", segmentsAt, segments, 0x7fffffff, 1)) return;
  s->cGame_trackSegments = NewByteArray(segments);
  for (int32_t i = 0; i < segments; i++) {
    const int32_t kind = readByte(data);
    ByteArray::set(s->cGame_trackSegments, i, kind);
    s->cGame_trackLength += kind >= kFirstTurn ? kQuarterPi : kStraight;
  }
  const int32_t countAt = Cursor();
  const int32_t count = readInt(data);
  if (refuseLevelCount("track", countAt, count, cGame_CBubbleBunch::kSlots, kTrackBubbleBytes)) {
    return;
  }
  for (int32_t i = 0; i < count; i++) {
    const int32_t kindAt = Cursor();
    const int32_t kind = readByte(data);
    const int32_t flags = readShort(data);
    if (kind < 0 || kind > kLastKind) {
      stopLevelBody("track", kindAt, "a track bubble's kind is no bubble kind");
      return;
    }
    if (cGame_CBubbleBunch* bunch = getBunch(i)) {
      bunch->type = kTrackBunchType;
      bunch->partner = -1;
      bunch->colourA = bunch->colourB = bunch->cfgDuration = bunch->facing = 0;
    }
    s->cGame_chainCount = i + 1;
    Bubble* bubble = Bubble::allocate();
    if (!bubble) continue;
    bubble->colour = kind;
    bubble->flags |= flags;
    attachBubbleToBunch(bubble, i, 0, 0);
    bubble->flags |= Bubble::kClearedOnCopy;
  }
  if (refuseCutSection("track")) return;
  s->cGame_trackStep = 0;
  s->cGame_chainDistance = NewIntArray(count);
  s->cGame_chainEntryBunch = NewIntArray(count);
  for (int32_t i = 0; i < count; i++) IntArray::set(s->cGame_chainEntryBunch, i, i);
  s->cGame_trackScroll = 0;
  layoutTrackBunches();
}

// ---- Type 2: waves ----------------------------------------------------------------------------

namespace {

// The 20-entry stage tables, new for each build.
void MakeStageTables(GameStatics* s) {
  for (StaticRef<ByteArray> GameStatics::*table :
       {&GameStatics::cGame_stageColours, &GameStatics::cGame_stageShotsPerRow,
        &GameStatics::cGame_stageMaxSpecialColumns, &GameStatics::cGame_stageSpecialsGoal,
        &GameStatics::cGame_stageTableE, &GameStatics::cGame_stageSpecialBase,
        &GameStatics::cGame_stageSpecialStep, &GameStatics::cGame_stageTableH,
        &GameStatics::cGame_stageTableI, &GameStatics::cGame_stageTableJ}) {
    s->*table = NewByteArray(kStages);
  }
  s->cGame_stageMasks = NewIntArray(kStages);
  s->cGame_stageRowsA = NewObjectArray(cid::ByteArray, kStages);
  s->cGame_stageRowsB = NewObjectArray(cid::ByteArray, kStages);
  for (int32_t i = 0; i < kStages; i++) {
    if (s->cGame_stageRowsA) s->cGame_stageRowsA->elements()[i] = NewByteArray(kRowABytes);
    if (s->cGame_stageRowsB) s->cGame_stageRowsB->elements()[i] = NewByteArray(kRowBBytes);
  }
}

// Stage record i at the cursor into the tables.
void ReadStage(GameStatics* s, ByteArray* data, int32_t i) {
  for (ByteArray* table : {s->cGame_stageColours, s->cGame_stageShotsPerRow,
                           s->cGame_stageMaxSpecialColumns, s->cGame_stageSpecialsGoal}) {
    ByteArray::set(table, i, cGame::readByte(data));
  }
  int32_t mask = 0;
  for (int32_t k = 0; k < kSpecialKinds; k++) {
    const int32_t kind = cGame::readByte(data);
    // Kinds past 28 set no bit: from kind 39 the shift passed bit 31.
    if (kind >= kFirstSpecial && kind <= kLastMaskedSpecial) mask |= 1 << (kind - kFirstSpecial);
  }
  IntArray::set(s->cGame_stageMasks, i, mask);
  for (ByteArray* table : {s->cGame_stageTableE, s->cGame_stageSpecialBase,
                           s->cGame_stageSpecialStep, s->cGame_stageTableH, s->cGame_stageTableI,
                           s->cGame_stageTableJ}) {
    ByteArray::set(table, i, cGame::readByte(data));
  }
  auto* rowA = CheckCast<ByteArray>(s->cGame_stageRowsA->elements()[i]);
  for (int32_t k = 0; k < kRowABytes; k++) ByteArray::set(rowA, k, cGame::readByte(data));
  auto* rowB = CheckCast<ByteArray>(s->cGame_stageRowsB->elements()[i]);
  for (int32_t k = 0; k < kRowBBytes; k++) ByteArray::set(rowB, k, cGame::readByte(data));
}

}  // namespace

void cGame::buildWaveLevel(ByteArray* data) {
  GameStatics* s = S();
  if (s->cGame_levelBodyFailed) return;
  const int32_t layouts = readByte(data);
  const int32_t countAt = Cursor();
  const int32_t stages = readInt(data);
  if (refuseLevelCount("stages", countAt, stages, kStages, kStageBytes)) return;
  if (stages == 0) {
    stopLevelBody("stages", countAt, "a wave level has no stage");
    return;
  }
  MakeStageTables(s);
  if (!s->cGame_stageRowsA || !s->cGame_stageRowsB) return;
  for (int32_t i = 0; i < stages; i++) ReadStage(s, data, i);
  if (refuseCutSection("stages")) return;
  s->cGame_stageCount = stages;
  s->cGame_waveRowY = (s->cGame_playTop - kAboveTop) << 16;
  s->cGame_stageIndex = s->cGame_stageReached = s->cGame_pendingRows = 0;
  s->cGame_stageLevelBubblesPopped = s->cGame_type2BubblesPopped = 0;
  // The centre is set before the row is placed, so each bubble takes its place at once.
  setBunchCentre(0, (s->cGame_canvasWidth / 2) << 16, s->cGame_waveRowY);
  for (int32_t col = -(kTopRowColumns / 2); col <= kTopRowColumns / 2; col++) {
    placeNewBubble(kTopRowKind, 0, col, 0, kTopRowFlags);
  }
  s->cGame_waveRowCount = 0;
  selectStage(0);
  for (int32_t i = 0; i < layouts; i++) generateRandomLevel();
  s->cGame_waveSlots = NewIntArray(kTopRowColumns);
  randomizeSlotRow();
  // A stage's shots per row below 1 counts as 1: the pace is divided by it.
  int32_t perRow = ByteArray::get(s->cGame_stageShotsPerRow, s->cGame_stageIndex);
  if (perRow < 1) perRow = 1;
  s->cGame_waveStep = kTopRowColumns / perRow + 1;
  s->cGame_wavePressure = -s->cGame_waveStep;
  s->cGame_stageBannerTimer = 0;
  s->cGame_specialState = kWaveSpecialState;
  evaluateBoardRows();
}
