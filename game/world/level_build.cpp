// The level build: the rest of a level record after its header turned into bunches of bubbles
// and the level's objects, by level type, then the shot sequence and the trigger rules. Every
// count is checked against the bytes left and the table it fills and every index against what
// it indexes; a bad one stops the body (stopLevelBody) and what was built stays.
#include <string>

#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/trace.h"

// The type-0 (and type-3) layout, little-endian and signed; positions in thousandths of the
// screen size statics:
//   s8 B (bunches, 10 at most); B x {
//     s16 x, s16 y, s8 stage, s8 type (0..15), s8 partner (outside 0..9: none), s8 colourA,
//     s8 colourB, s16 cfgDuration (ms), s8 facing,
//     i32 M (180 at most); M x {s8 column, s8 row, s8 kind (0..43), i32 flags}}
// The shot sequence after the section: i32 N; N x s8 kind (0..43), the first shot first.

namespace {

constexpr int32_t kBunchRecordBytes = 16;
constexpr int32_t kBubbleRecordBytes = 7;
constexpr int32_t kLastBunchType = 15;
constexpr int32_t kLastKind = 43;
constexpr int32_t kThousand = 1000;
constexpr int32_t kLevelTargetKind = 36;
constexpr int32_t kLevelTargets = 5;  // the level-target lists' capacity
constexpr int32_t kObjectives = 3;

// Bubble record flags the layout acts on.
constexpr int32_t kUnlockShows37 = 0x800;
constexpr int32_t kUnlockShows38 = 0x1000;
constexpr int32_t kObjectiveFlags[kObjectives] = {0x20, 0x40, 0x80};
constexpr int32_t kLockedKindA = 37, kLockedKindB = 38;
constexpr int32_t kAppearing = 39;  // the look of a bubble of a later stage before it appears

GameStatics* S() {
  return Statics<GameStatics>();
}

int32_t Cursor() {
  return S()->cGame_dataCursor;
}

// Stops the body when value is no index below limit.
bool RefuseIndex(const char* section, int32_t offset, const char* what, int32_t value,
                 int32_t limit) {
  if (value >= 0 && value < limit) return false;
  const std::string problem =
      std::string(what) + " " + std::to_string(value) + " is not below " + std::to_string(limit);
  cGame::stopLevelBody(section, offset, problem.c_str());
  return true;
}

bool RefuseKind(const char* section, int32_t offset, int32_t kind) {
  if (kind >= 0 && kind <= kLastKind) return false;
  cGame::stopLevelBody(section, offset,
                       ("kind " + std::to_string(kind) + " is no bubble kind").c_str());
  return true;
}

// The level's unlockable item is open already.
bool LevelItemUnlocked() {
  GameStatics* s = S();
  const int32_t item = s->cGame_levelUnlockItem;
  IntArray* unlocked = s->cGame_unlockFlags;
  return item >= 0 && unlocked && item < unlocked->length && unlocked->elements()[item] != 0;
}

// What a bubble record's flags do to its bubble before it is attached: the locked looks of
// an item not yet unlocked, the lesson objectives it meets.
void ApplyRecordFlags(Bubble* bubble, int32_t flags) {
  GameStatics* s = S();
  if (flags & kUnlockShows37) {
    if (!LevelItemUnlocked()) bubble->colour = kLockedKindA;
  } else if (flags & kUnlockShows38) {
    if (!LevelItemUnlocked()) bubble->colour = kLockedKindB;
  }
  for (int32_t k = 0; k < kObjectives; k++) {
    if (flags & kObjectiveFlags[k]) ByteArray::set(s->cGame_objectiveFlags, k, 0);
  }
}

// The per-bunch values of a bunch record into slot b; false when the body stopped.
bool ReadBunchRecord(ByteArray* data, int32_t b, int32_t& stage) {
  GameStatics* s = S();
  const int32_t x = cGame::readShort(data) * s->cGame_canvasWidth / kThousand;
  const int32_t y = cGame::readShort(data) * s->cGame_canvasHeight / kThousand;
  stage = cGame::readByte(data);
  const int32_t typeAt = Cursor();
  const int32_t type = cGame::readByte(data);
  const int32_t partner = cGame::readByte(data);
  const int32_t colourA = cGame::readByte(data);
  const int32_t colourB = cGame::readByte(data);
  const int32_t duration = cGame::readShort(data);
  const int32_t facing = cGame::readByte(data);
  if (RefuseIndex("bunches", typeAt, "bunch type", type, kLastBunchType + 1)) return false;
  cGame_CBubbleBunch* bunch = cGame::getBunch(b);
  if (!bunch) return true;
  cGame::setBunchCentre(b, x << 16, y << 16);
  bunch->type = type;
  bunch->partner = partner >= 0 && partner < cGame_CBubbleBunch::kSlots ? partner : -1;
  bunch->colourA = colourA;
  bunch->colourB = colourB;
  bunch->cfgDuration = duration;
  bunch->facing = facing;
  return true;
}

// One bubble record of bunch b (record k of the bunch) placed for the current stage; false
// when the body stopped. late: the bubble appears after the others before it.
bool PlaceRecordBubble(ByteArray* data, int32_t b, int32_t k, bool place, bool late,
                       int32_t& targets) {
  GameStatics* s = S();
  const int32_t col = cGame::readByte(data);
  const int32_t row = cGame::readByte(data);
  const int32_t kindAt = Cursor();
  const int32_t kind = cGame::readByte(data);
  const int32_t flags = cGame::readInt(data);
  if (RefuseKind("bunches", kindAt, kind)) return false;
  if (!place) return true;
  if (kind == kLevelTargetKind && ++targets > kLevelTargets) {
    cGame::stopLevelBody("bunches", kindAt, "more level targets than the lists hold");
    return false;
  }
  s->cGame_stageBubbleTotal += 1;
  Bubble* bubble = Bubble::allocate();
  if (!bubble) {
    DebugLog("cGame::readLevelLayout: the bubble pool is exhausted; bunch %d's bubble %d is left out",
             b, k);
    return true;
  }
  bubble->colour = kind;
  bubble->flags |= flags;
  ApplyRecordFlags(bubble, flags);
  if (bubble->colour == kLevelTargetKind) cGame::addLevelTarget(bubble);
  cGame::attachBubbleToBunch(bubble, b, col, row);
  bubble->flags |= Bubble::kClearedOnCopy;
  bubble->syncPixelPosition();
  bubble->updateGridCell();
  if (late) {
    bubble->appearance = kAppearing;
    bubble->startAppearanceChange(k);
  }
  return true;
}

// Every live bubble at its cell's place.
void PlaceLiveBubbles() {
  GameStatics* s = S();
  ObjectArray* active = s->Bubble_activeBubbles;
  for (int32_t i = 0; active && i < s->Bubble_activeBubbleCount && i < active->length; i++) {
    if (auto* bubble = static_cast<Bubble*>(active->elements()[i])) bubble->updateBunchPosition();
  }
}

}  // namespace

// ---- The level --------------------------------------------------------------------------------

void cGame::buildLevel() {
  GameStatics* s = S();
  ByteArray* data = s->cGame_levelData;
  setDataCursor(s->cGame_levelBodyStart);
  s->cGame_levelBodyFailed = false;
  startBoard();
  s->cGame_specialState = 0;
  if (!s->cGame_objectiveFlags) s->cGame_objectiveFlags = NewByteArray(kObjectives);
  switch (s->cGame_levelType) {
    case 0:
      readLevelLayout(data);
      break;
    case 2:
      buildWaveLevel(data);
      break;
    case 3:
      readSceneryLayout(data);
      break;
    case 4:
      readLevelType4(data);
      break;
    case 5:
      readBoardTables(data);
      readLevelType5(data);
      break;
    case 6:
      readBoardTables(data);
      readLevelType6(data);
      break;
    case 7:
      readBoardTables(data);
      readLevelType7(data);
      break;
    case 8:
      placeLevelBubbles(data);
      break;
    default:
      break;  // type 1 and unknown types have no layout
  }
  if (s->cGame_levelFlags & 1) Bubble::setColourReveal(true, true);
  readShotSequence(data);
  readLevelTriggers(data);
  computePlayBands();
}

void cGame::readShotSequence(ByteArray* data) {
  GameStatics* s = S();
  s->cGame_shotSequencePending = s->cGame_shotSequenceLength = 0;
  s->cGame_shotSequence = NewByteArray(0);
  if (s->cGame_levelBodyFailed) return;
  const int32_t at = Cursor();
  const int32_t count = readInt(data);
  if (refuseLevelCount("shots", at, count, 0x7fffffff, 1)) return;
  ByteArray* shots = NewByteArray(count);
  for (int32_t i = 0; i < count; i++) {
    const int32_t kindAt = Cursor();
    const int32_t kind = readByte(data);
    if (RefuseKind("shots", kindAt, kind)) return;
    ByteArray::set(shots, count - 1 - i, kind);
  }
  if (refuseCutSection("shots")) return;
  s->cGame_shotSequence = shots;
  s->cGame_shotSequencePending = s->cGame_shotSequenceLength = count;
}

// ---- The type-0 layout ------------------------------------------------------------------------

void cGame::readLevelLayout(ByteArray* data) {
  GameStatics* s = S();
  const int32_t stage = s->cGame_currentStage;
  const bool late = stage >= 1 && s->cGame_levelVariant != 2;
  s->cGame_layoutBubbleTotal = s->cGame_stageBubbleTotal = 0;
  s->cGame_goalTotal = 0;
  if (s->cGame_levelBodyFailed) return;
  const int32_t countAt = Cursor();
  const int32_t bunches = readByte(data);
  if (refuseLevelCount("bunches", countAt, bunches, cGame_CBubbleBunch::kSlots,
                       kBunchRecordBytes)) {
    return;
  }
  s->cGame_goalTotal = bunches;
  int32_t thrownBunches = 0, targets = 0;
  for (int32_t b = 0; b < bunches; b++) {
    int32_t bunchStage = 0;
    if (!ReadBunchRecord(data, b, bunchStage)) return;
    cGame_CBubbleBunch* bunch = getBunch(b);
    if (bunch && (bunch->type == 5 || bunch->type == 7)) thrownBunches += 1;
    if (bunchStage >= s->cGame_stageCount) s->cGame_stageCount = bunchStage + 1;
    const int32_t cellsAt = Cursor();
    const int32_t cells = readInt(data);
    if (refuseLevelCount("bunches", cellsAt, cells, cGame_CBubbleBunch::kMaxMembers,
                         kBubbleRecordBytes)) {
      return;
    }
    s->cGame_layoutBubbleTotal += cells;
    for (int32_t k = 0; k < cells; k++) {
      if (!PlaceRecordBubble(data, b, k, bunchStage == stage, late, targets)) return;
    }
    linkAnchors(b);
    if (bunch) {
      bunch->prevCount = bunch->count;
      bunch->attachedTotal = 0;
      bunch->landedCount = 0;
    }
  }
  if (refuseCutSection("bunches")) return;
  if (thrownBunches > 0) allocTargetLists(thrownBunches);
  PlaceLiveBubbles();
  evaluateBoardRows();
  Bubble::shuffleActive();
}

// ---- Placing one bubble -----------------------------------------------------------------------

Bubble* cGame::placeNewBubble(int32_t colour, int32_t b, int32_t col, int32_t row,
                              int32_t flags) {
  Bubble* bubble = Bubble::allocate();
  if (!bubble) {
    DebugLog("cGame::placeNewBubble: the bubble pool is exhausted; nothing is placed in bunch %d",
             b);
    return nullptr;
  }
  if (col == 0 && row == 0) bubble->flags |= Bubble::kKey;
  bubble->colour = colour;
  attachBubbleToBunch(bubble, b, col, row);
  bubble->flags |= flags;
  bubble->syncPixelPosition();
  bubble->updateGridCell();
  return bubble;
}
