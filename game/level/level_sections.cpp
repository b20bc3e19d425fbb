// The level-type sections of a level record after its header: the bunch templates of types
// 5 to 7, the paths of type 4, the belt of type 5, the drops of type 6, the row feeder of type
// 7, and the walk over a type-0 layout that learns its bunch types. Every count is checked
// against the bytes left and the table it fills, every index against what it indexes; a bad
// one stops the level's body with one trace line, and the sections after it read as empty.
#include <climits>
#include <string>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "game/level/level_name.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/trace.h"

// Layouts, little-endian and signed (thousandths of the screen become pixels with the screen
// size statics, x * width / 1000 and y * height / 1000):
//   templates  s8 T; T x {i32 C; C x {s8 column, s8 row, s8 kind, i32 flags}}
//   type 4     i32 P; P x {s16 x, s16 y}; i32 Q; Q x {i32 L; L x {s8 point, s16 ms}};
//              s8 walker slots; s8 goals; i32 R; R x s8 parameter
//   type 5     i32 N; N x s16 y (thousandths of 800); i32 goals; i32 speed (px/s);
//              i32 spacing (px); i32 delay min, i32 delay max (ms)
//   type 6     i32 D; D x {s8 template, i32 ms, s16 x, s8 value}; s8 penalty; s8 goals
//   type 7     i32 interval (ms); i32 first row (ms); s16 speed; i32 R; R x s8 template
//   type 0     s8 B; B x {s16 x, s16 y, s8 stage, s8 type, s8, s8, s8, s16, s8; i32 M;
//              M x {s8 column, s8 row, s8 kind, i32 flags}}

namespace {

constexpr int32_t kTemplates = 7;
constexpr int32_t kTemplateCells = 20;
constexpr int32_t kCellBytes = 7;
constexpr int32_t kLastKind = 43;  // bubble kinds run 0..43
constexpr int32_t kMaskKinds = 32;
constexpr int32_t kPathSteps = 127;  // a path's length is kept in a byte
constexpr int32_t kBunchSlots = 10;
constexpr int32_t kBunchCells = 180;  // a bunch's table of member bubbles
constexpr int32_t kBunchRecordBytes = 16;
constexpr int32_t kLastBunchType = 15;
constexpr int32_t kSpriteFlags = 7;
constexpr int32_t kThousand = 1000;
constexpr int32_t kBeltHeight = 800;  // belt rows are thousandths of the full screen height
constexpr int32_t kBeltMargin = 30 << 16;
constexpr int32_t kDropHealth = 100;
constexpr int32_t kRowLeadTime = 6000;  // play starts 6 s before the first row

GameStatics* S() {
  return Statics<GameStatics>();
}

int32_t Cursor() {
  return S()->cGame_dataCursor;
}

int32_t ToPixelsX(int32_t thousandths) {
  return thousandths * S()->cGame_canvasWidth / kThousand;
}

int32_t ToPixelsY(int32_t thousandths) {
  return thousandths * S()->cGame_canvasHeight / kThousand;
}

bool IsKind(int32_t kind) {
  return kind >= 0 && kind <= kLastKind;
}

// Stops the body when the value at offset is no index below limit.
bool RefuseIndex(const char* section, int32_t offset, const char* what, int32_t value,
                 int32_t limit) {
  if (value >= 0 && value < limit) return false;
  const std::string problem =
      std::string(what) + " " + std::to_string(value) + " is not below " + std::to_string(limit);
  cGame::stopLevelBody(section, offset, problem.c_str());
  return true;
}

bool RefuseKind(const char* section, int32_t offset, int32_t kind) {
  if (IsKind(kind)) return false;
  cGame::stopLevelBody(section, offset,
                       ("kind " + std::to_string(kind) + " is no bubble kind").c_str());
  return true;
}

template <class A>
A* Row(ObjectArray* rows, int32_t i) {
  return rows && i >= 0 && i < rows->length ? CheckCast<A>(rows->elements()[i]) : nullptr;
}

// The goal count of the section, shown on the HUD.
void SetGoal(int32_t goal) {
  S()->cGame_goalTotal = goal;
  S()->cGame_goalRemaining = goal;
  cGame::setGoalCounterText(goal);
}

// The entries of levelSpriteFlags that a bunch type needs.
void MarkSpriteFlags(int32_t type) {
  BoolArray* flags = S()->cGame_levelSpriteFlags;
  if (!flags || flags->length < kSpriteFlags) return;
  auto set = [&](int32_t entry) { flags->elements()[entry] = 1; };
  switch (type) {
    case 1:
    case 6:
    case 9:
    case 11:
      set(0);
      break;
    case 2:
      set(1);
      set(2);
      break;
    case 3:
      set(3);
      break;
    case 7:
      set(4);
      set(5);
      break;
    case 5:
      set(6);
      break;
    default:
      break;
  }
}

}  // namespace

// ---- Refusals --------------------------------------------------------------------------------

void cGame::stopLevelBody(const char* section, int32_t offset, const char* problem) {
  GameStatics* s = S();
  DebugLog("cGame::buildLevel: %s: section %s at offset %d: %s; the rest of the level is empty",
           LevelName().c_str(), section, offset, problem);
  s->cGame_levelBodyFailed = true;
  ByteArray* level = s->cGame_levelData;
  s->cGame_dataCursor = level ? level->length : 0;
}

bool cGame::refuseLevelCount(const char* section, int32_t offset, int32_t count, int32_t capacity,
                             int32_t recordBytes) {
  ByteArray* level = S()->cGame_levelData;
  const int64_t left = static_cast<int64_t>(level ? level->length : 0) - Cursor();
  std::string problem;
  if (count < 0) {
    problem = "count " + std::to_string(count) + " is negative";
  } else if (count > capacity) {
    problem = "count " + std::to_string(count) + " passes the table of " + std::to_string(capacity);
  } else if (static_cast<int64_t>(count) * recordBytes > left) {
    problem = "count " + std::to_string(count) + " passes the " +
              std::to_string(left < 0 ? 0 : left) + " bytes left";
  } else {
    return false;
  }
  stopLevelBody(section, offset, problem.c_str());
  return true;
}

bool cGame::refuseCutSection(const char* section) {
  GameStatics* s = S();
  if (!s->cGame_dataReadFailed || s->cGame_levelBodyFailed) return s->cGame_levelBodyFailed;
  ByteArray* level = s->cGame_levelData;
  stopLevelBody(section, level ? level->length : 0, "the section is cut by the end of the data");
  return true;
}

// ---- Bunch templates ---------------------------------------------------------------------

void cGame::readBoardTables(ByteArray* level) {
  GameStatics* s = S();
  s->cGame_bunchTemplateCount = 0;
  s->cGame_bunchTemplateKindMask = 0;
  s->cGame_bunchTemplateKindCount = 0;
  if (s->cGame_levelBodyFailed) return;
  const int32_t countAt = Cursor();
  const int32_t count = readByte(level);
  if (refuseLevelCount("templates", countAt, count, kTemplates, 4)) return;
  for (int32_t t = 0; t < count; t++) {
    const int32_t cellsAt = Cursor();
    const int32_t cells = readInt(level);
    if (refuseLevelCount("templates", cellsAt, cells, kTemplateCells, kCellBytes)) return;
    ByteArray* cols = Row<ByteArray>(s->cGame_bunchTemplateCol, t);
    ByteArray* rows = Row<ByteArray>(s->cGame_bunchTemplateRow, t);
    ByteArray* kinds = Row<ByteArray>(s->cGame_bunchTemplateKind, t);
    IntArray* flags = Row<IntArray>(s->cGame_bunchTemplateFlags, t);
    for (int32_t k = 0; k < cells; k++) {
      ByteArray::set(cols, k, readByte(level));
      ByteArray::set(rows, k, readByte(level));
      const int32_t kindAt = Cursor();
      const int32_t kind = readByte(level);
      IntArray::set(flags, k, readInt(level));
      if (RefuseKind("templates", kindAt, kind)) return;
      ByteArray::set(kinds, k, kind);
      if (kind < kMaskKinds) {
        s->cGame_bunchTemplateKindMask |= 1 << kind;
        s->cGame_bunchTemplateKindCount = __builtin_popcount(s->cGame_bunchTemplateKindMask);
      }
    }
    IntArray::set(s->cGame_bunchTemplateSize, t, cells);
    s->cGame_bunchTemplateCount = t + 1;
  }
  refuseCutSection("templates");
}

// ---- Type 4: paths and walkers -------------------------------------------------------------

namespace {

// The path points, in pixels; false when the body stopped.
bool ReadPathPoints(ByteArray* level) {
  GameStatics* s = S();
  const int32_t at = Cursor();
  const int32_t count = cGame::readInt(level);
  if (cGame::refuseLevelCount("paths", at, count, INT_MAX, 4)) return false;
  s->cGame_pathPointX = NewIntArray(count);
  s->cGame_pathPointY = NewIntArray(count);
  for (int32_t i = 0; i < count; i++) {
    s->cGame_pathPointX->elements()[i] = ToPixelsX(cGame::readShort(level));
    s->cGame_pathPointY->elements()[i] = ToPixelsY(cGame::readShort(level));
  }
  s->cGame_pathPointCount = count;
  return true;
}

// The paths, each a list of steps to a point in a time; false when the body stopped.
bool ReadPaths(ByteArray* level) {
  GameStatics* s = S();
  const int32_t at = Cursor();
  const int32_t count = cGame::readInt(level);
  if (cGame::refuseLevelCount("paths", at, count, INT_MAX, 4)) return false;
  s->cGame_pathLength = NewByteArray(count);
  s->cGame_pathStepPoint = NewObjectArray(cid::ByteArray, count);
  s->cGame_pathStepValue = NewObjectArray(cid::ShortArray, count);
  for (int32_t j = 0; j < count; j++) {
    const int32_t stepsAt = Cursor();
    const int32_t steps = cGame::readInt(level);
    if (cGame::refuseLevelCount("paths", stepsAt, steps, kPathSteps, 3)) return false;
    ByteArray* points = NewByteArray(steps);
    ShortArray* times = NewShortArray(steps);
    s->cGame_pathStepPoint->elements()[j] = points;
    s->cGame_pathStepValue->elements()[j] = times;
    for (int32_t k = 0; k < steps; k++) {
      const int32_t pointAt = Cursor();
      const int32_t point = cGame::readByte(level);
      times->elements()[k] = static_cast<int16_t>(cGame::readShort(level));
      if (RefuseIndex("paths", pointAt, "path point", point, s->cGame_pathPointCount)) {
        return false;
      }
      points->elements()[k] = static_cast<int8_t>(point);
    }
    s->cGame_pathLength->elements()[j] = static_cast<int8_t>(steps);
    s->cGame_pathCount = j + 1;
  }
  return true;
}

// The walkers' parameters: pairs of a path index and the kind carried (-1 none).
bool ReadObjectParams(ByteArray* level) {
  GameStatics* s = S();
  const int32_t at = Cursor();
  const int32_t count = cGame::readInt(level);
  if (cGame::refuseLevelCount("paths", at, count, INT_MAX, 1)) return false;
  // Departure: the walkers read the parameters in pairs, wrapping by their count, so an odd
  // count or none at all for walkers that exist is refused rather than read past or by zero.
  if (count % 2 != 0 || (count == 0 && s->cGame_levelObjectCount > 0)) {
    cGame::stopLevelBody(
        "paths", at,
        ("parameter count " + std::to_string(count) + " holds no whole pairs").c_str());
    return false;
  }
  ByteArray* params = NewByteArray(count);
  for (int32_t i = 0; i < count; i++) {
    const int32_t valueAt = Cursor();
    const int32_t value = cGame::readByte(level);
    const bool bad = i % 2 == 0 ? RefuseIndex("paths", valueAt, "path", value, s->cGame_pathCount)
                                : value != -1 && RefuseKind("paths", valueAt, value);
    if (bad) return false;
    params->elements()[i] = static_cast<int8_t>(value);
  }
  s->cGame_objectParams = params;
  s->cGame_objectParamCount = count;
  return true;
}

}  // namespace

void cGame::readLevelType4(ByteArray* level) {
  GameStatics* s = S();
  s->cGame_pathPointCount = s->cGame_pathCount = 0;
  s->cGame_levelObjectCount = s->cGame_objectParamCount = s->cGame_objectParamCursor = 0;
  if (s->cGame_levelBodyFailed) return;
  if (!ReadPathPoints(level) || !ReadPaths(level)) return;
  const int32_t slotsAt = Cursor();
  const int32_t slots = readByte(level);
  if (refuseLevelCount("paths", slotsAt, slots, INT_MAX, 0)) return;
  s->cGame_pathWalkerPath = NewByteArray(slots);
  for (int32_t i = 0; i < slots; i++) s->cGame_pathWalkerPath->elements()[i] = -1;
  s->cGame_levelObjectCount = slots;
  const int32_t goal = readByte(level);
  if (!ReadObjectParams(level) || refuseCutSection("paths")) return;
  SetGoal(goal);
}

// ---- Type 5: the belt ------------------------------------------------------------------------

void cGame::readLevelType5(ByteArray* level) {
  GameStatics* s = S();
  const int32_t templates = s->cGame_bunchTemplateCount;
  s->cGame_beltY = NewIntArray(templates);
  s->cGame_beltX = NewIntArray(templates);
  if (s->cGame_levelBodyFailed) return;
  const int32_t at = Cursor();
  const int32_t rows = readInt(level);
  if (refuseLevelCount("belt", at, rows, templates, 2)) return;
  for (int32_t i = 0; i < rows; i++) {
    s->cGame_beltY->elements()[i] = (readShort(level) * kBeltHeight / kThousand) << 16;
  }
  const int32_t goal = readInt(level);
  s->cGame_beltSpeed = readInt(level) << 16;
  s->cGame_beltBunchSize = readInt(level) << 16;
  s->cGame_beltDelayMin = readInt(level);
  s->cGame_beltDelayMax = readInt(level);
  s->cGame_beltHalf = (templates * s->cGame_beltBunchSize) >> 1;
  const int32_t margin = s->cGame_beltSpeed >= 0 ? -kBeltMargin : kBeltMargin;
  for (int32_t k = 0; k < templates; k++) {
    s->cGame_beltX->elements()[k] = k * s->cGame_beltBunchSize + margin;
  }
  s->cGame_beltTimer = -1;
  if (refuseCutSection("belt")) return;
  SetGoal(goal);
}

// ---- Type 6: timed drops ---------------------------------------------------------------------

void cGame::readLevelType6(ByteArray* level) {
  GameStatics* s = S();
  s->cGame_dropCount = s->cGame_dropLastTime = 0;
  s->cGame_dropCursor = s->cGame_dropClock = 0;
  s->cGame_dropHealth = kDropHealth;
  if (s->cGame_levelBodyFailed) return;
  const int32_t at = Cursor();
  const int32_t count = readInt(level);
  if (refuseLevelCount("drops", at, count, INT_MAX, 8)) return;
  s->cGame_dropTemplate = NewByteArray(count);
  s->cGame_dropTime = NewIntArray(count);
  s->cGame_dropX = NewIntArray(count);
  s->cGame_dropValue = NewIntArray(count);
  for (int32_t i = 0; i < count; i++) {
    const int32_t templateAt = Cursor();
    const int32_t t = readByte(level);
    const int32_t time = readInt(level);
    const int32_t x = ToPixelsX(readShort(level));
    const int32_t value = readByte(level) * 4 / 3;
    if (RefuseIndex("drops", templateAt, "template", t, s->cGame_bunchTemplateCount)) return;
    s->cGame_dropTemplate->elements()[i] = static_cast<int8_t>(t);
    s->cGame_dropTime->elements()[i] = time;
    s->cGame_dropX->elements()[i] = x;
    s->cGame_dropValue->elements()[i] = value;
    if (time > s->cGame_dropLastTime) s->cGame_dropLastTime = time;
    s->cGame_dropCount = i + 1;
  }
  s->cGame_dropPenalty = readByte(level);
  const int32_t goal = readByte(level);
  if (refuseCutSection("drops")) return;
  SetGoal(goal);
}

// ---- Type 7: the row feeder ------------------------------------------------------------------

void cGame::readLevelType7(ByteArray* level) {
  GameStatics* s = S();
  s->cGame_rowCount = s->cGame_rowElapsed = 0;
  s->cGame_rowFirstVisible = s->cGame_rowLastVisible = 0;
  if (s->cGame_levelBodyFailed) return;
  s->cGame_rowInterval = readInt(level);
  s->cGame_rowFirstTime = readInt(level);
  s->cGame_rowSpeed = readShort(level);
  const int32_t at = Cursor();
  const int32_t count = readInt(level);
  if (refuseLevelCount("rows", at, count, INT_MAX, 1)) return;
  s->cGame_rowTemplate = NewIntArray(count);
  for (int32_t i = 0; i < count; i++) {
    const int32_t templateAt = Cursor();
    const int32_t t = readByte(level);
    if (RefuseIndex("rows", templateAt, "template", t, s->cGame_bunchTemplateCount)) return;
    s->cGame_rowTemplate->elements()[i] = t;
    s->cGame_rowCount = i + 1;
  }
  const int32_t lead = s->cGame_rowFirstTime - kRowLeadTime;
  s->cGame_rowElapsed = lead > 0 ? lead : 0;
  if (refuseCutSection("rows")) return;
  SetGoal(count);
}

// ---- The type-0 layout's bunch types ---------------------------------------------------------

void cGame::readLevelObjectRecords(ByteArray* level) {
  const int32_t at = Cursor();
  const int32_t bunches = readByte(level);
  if (refuseLevelCount("bunches", at, bunches, kBunchSlots, kBunchRecordBytes)) return;
  for (int32_t b = 0; b < bunches; b++) {
    readShort(level);  // x
    readShort(level);  // y
    readByte(level);   // stage
    const int32_t typeAt = Cursor();
    const int32_t type = readByte(level);
    if (RefuseIndex("bunches", typeAt, "bunch type", type, kLastBunchType + 1)) return;
    for (int32_t v = 0; v < 3; v++) readByte(level);
    readShort(level);
    readByte(level);
    const int32_t cellsAt = Cursor();
    const int32_t cells = readInt(level);
    if (refuseLevelCount("bunches", cellsAt, cells, kBunchCells, kCellBytes)) return;
    for (int32_t k = 0; k < cells; k++) {
      readShort(level);  // column, row
      const int32_t kindAt = Cursor();
      const int32_t kind = readByte(level);
      readInt(level);
      if (RefuseKind("bunches", kindAt, kind)) return;
    }
    MarkSpriteFlags(type);
  }
  refuseCutSection("bunches");
}
