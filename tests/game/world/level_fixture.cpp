#include "tests/game/world/level_fixture.h"

#include "engine/sprite.h"
#include "game/board/actor.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "tests/game/board/flight_fixture.h"
#include "tests/support/runtime_fixture.h"
#include "tools/databuild/data_set.h"
#include "tools/databuild/string_constants.h"

namespace {

constexpr int32_t kPlayWidth = 480, kPlayHeight = 640;
constexpr int32_t kHudWall = 16;
constexpr int kMathsPack = 113;  // string constants naming the packs of the maths tables
constexpr int kFixedPointPack = 269;
constexpr int32_t kPlaying = 9;  // play phase
constexpr int32_t kAwards = 25, kObjectives = 3;
constexpr int32_t kOutOfTheWay = 10000;  // px below the screen

}  // namespace

void LevelBuildTest::SetUp() {
  ActorTest::SetUp();
  s->cGame_canvasWidth = kPlayWidth;
  s->cGame_canvasHeight = kPlayHeight;
  s->cGame_playTop = 0;
  cGame::initProgressTables();
  cGame::setPlayArea(kHudWall, kHudWall);
  for (const databuild::Pack& pack : databuild::LevelPacks()) {
    for (const databuild::ArchiveEntry& file : databuild::WritePack(pack)) {
      PlantArchiveEntry(file.name, file.bytes);
    }
  }
  // The game loads its maths tables at start: a track level turns its bunches with the 8.8
  // cosines, a wave level's rows take their special kinds from the maths pack.
  const std::string maths = databuild::ConstantText(kMathsPack);
  const std::string fixedPoint = databuild::ConstantText(kFixedPointPack);
  PlantDataPacks({maths.c_str(), fixedPoint.c_str()});
  cGame::loadMathTables();
  cGame::loadFixedPointTables();
}

void LevelBuildTest::PlantDataPacks(std::initializer_list<const char*> names) {
  for (const databuild::Pack& pack : databuild::DataSetPacks()) {
    for (const char* name : names) {
      if (pack.name != name) continue;
      for (const databuild::ArchiveEntry& file : databuild::WritePack(pack)) {
        PlantArchiveEntry(file.name, file.bytes);
      }
    }
  }
}

void LevelBuildTest::LoadWritten(const databuild::Level& level) {
  databuild::Pack pack{databuild::ConstantText(0),
                       {databuild::PackEntry::Plain(0, databuild::WriteLevel(level))},
                       {0}};
  for (const databuild::ArchiveEntry& file : databuild::WritePack(pack)) {
    PlantArchiveEntry(file.name, file.bytes);
  }
  cGame::loadLevelData(0, 0);
}

databuild::Level PlainLevel(int type) {
  databuild::Level l;
  l.header.levelType = type;
  l.header.params.assign(13, 0);
  l.header.params[0] = 4;
  l.shots = {1, 2, 3};
  l.rules = {{0, 1, 0, 0, 0, 0, 33}};
  return l;
}

std::vector<Bubble*> LevelBuildTest::Members(int32_t b) {
  std::vector<Bubble*> list;
  cGame_CBubbleBunch* bunch = Bunch(b);
  for (int32_t i = 0; bunch && i < bunch->count; i++) {
    list.push_back(static_cast<Bubble*>(bunch->bubbles->elements()[i]));
  }
  return list;
}

std::vector<Bubble*> LevelBuildTest::Live() {
  GameStatics* g = Statics<GameStatics>();
  std::vector<Bubble*> list;
  for (int32_t i = 0; i < g->Bubble_activeBubbleCount; i++) {
    list.push_back(static_cast<Bubble*>(g->Bubble_activeBubbles->elements()[i]));
  }
  return list;
}

void BuiltLevelShotTest::SetUp() {
  LevelBuildTest::SetUp();
  PlantAngleTables();
  LoadEffectSprites();
  s->cGame_wallHitSprite = Slot(kPopSlot);
  s->cGame_shotSpeed = kShotSpeed;
}

void BuiltLevelShotTest::BuildPlanned(int world, int index, int32_t variant) {
  TraceCapture trace;
  cGame::loadLevelData(index, world);
  s->cGame_levelVariant = variant;
  Bubble::resetPool();
  cActor::createPool();
  cGame::buildLevel();
  ASSERT_TRUE(trace.lines().empty()) << trace.lines().front();
}

void BuiltLevelShotTest::EnterPlay() {
  s->cGame_playPhase = kPlaying;
  s->cGame_awardFlags = NewIntArray(kAwards);
  s->cGame_objectiveFlags = NewByteArray(kObjectives);
  s->cGame_bossKind = -1;
  s->cGame_bandTop = kOutOfTheWay;
  s->cGame_dangerLineY = kOutOfTheWay;
}

void BuiltLevelShotTest::Frame(int32_t frameMs) {
  Statics<GameStatics>()->cGame_frameTime = frameMs;
  Bubble::rebuildGrid();
  std::vector<Bubble*> shots;
  for (Bubble* b : Live()) {
    if (b->bunch == Bubble::kFlyingShot && !(b->flags & Bubble::kDead)) {
      shots.push_back(b);
    } else {
      b->update();
    }
  }
  for (Bubble* b : shots) b->update();
  cGame::flushBubbleEvents();
  cActor::updateAll();
}
