// Loading levels from their packs: every level the data builder writes loads with its header
// whole and its section read, no trace line; a missing pack or entry gives the empty level.
#include <gtest/gtest.h>

#include <string>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "tests/support/library_fixture.h"
#include "tests/support/runtime_fixture.h"
#include "tools/databuild/data_set.h"
#include "tools/databuild/level_plan.h"

namespace {

class LevelDataTest : public LibraryTest {
 protected:
  void SetUp() override {
    LibraryTest::SetUp();
    for (const databuild::Pack& pack : databuild::LevelPacks()) {
      for (const databuild::ArchiveEntry& file : databuild::WritePack(pack)) {
        PlantArchiveEntry(file.name, file.bytes);
      }
    }
    cGame::initProgressTables();
  }
  // The section readers of the level types that have their own (the walk over the layout
  // for type 0), from the start of the body.
  static void ReadSection(int32_t type) {
    GameStatics* s = Statics<GameStatics>();
    s->cGame_levelSpriteFlags = NewBoolArray(7);
    cGame::readLevelObjects();
    ByteArray* data = s->cGame_levelData;
    if (type >= 5 && type <= 7) cGame::readBoardTables(data);
    if (type == 4) cGame::readLevelType4(data);
    if (type == 5) cGame::readLevelType5(data);
    if (type == 6) cGame::readLevelType6(data);
    if (type == 7) cGame::readLevelType7(data);
  }
};

TEST_F(LevelDataTest, EveryLevelOfTheDataSetLoadsWhole) {
  GameStatics* s = Statics<GameStatics>();
  int levels = 0;
  for (int world = 0; world < databuild::kLevelWorldCount; world++) {
    ASSERT_EQ(s->cGame_levelsPerWorld->elements()[world], databuild::LevelsInWorld(world));
    for (int level = 0; level < databuild::LevelsInWorld(world); level++) {
      SCOPED_TRACE("level " + std::to_string(level) + " of world " + std::to_string(world));
      const databuild::Level planned = databuild::PlannedLevel(world, level);
      TraceCapture trace;
      cGame::loadLevelData(level, world);
      EXPECT_TRUE(trace.lines().empty()) << trace.lines().front();
      EXPECT_EQ(s->cGame_levelBodyStart,
                static_cast<int32_t>(databuild::WriteLevelHeader(planned.header).size()));
      EXPECT_EQ(s->cGame_levelData->length,
                static_cast<int32_t>(databuild::WriteLevel(planned).size()));
      EXPECT_EQ(s->cGame_levelType, planned.header.levelType);
      EXPECT_EQ(s->cGame_fastTime, planned.header.fastTime);
      EXPECT_EQ(s->cGame_levelUnlockItem, planned.header.unlockItem);
      EXPECT_EQ(s->cGame_levelParams->elements()[0], planned.header.params[0]);
      EXPECT_EQ(s->cGame_introCount, static_cast<int32_t>(planned.header.intro.size()));
      EXPECT_EQ(s->cGame_introTexts->elements()[0], planned.header.intro[0].text);
      EXPECT_EQ(s->cGame_lostCount, 1);
      EXPECT_EQ(s->cGame_currentStage, 0);
      EXPECT_EQ(s->cGame_stageCount, 1);
      EXPECT_EQ(s->cGame_previousRating, -2) << "the stored result: locked";
      ReadSection(planned.header.levelType);
      EXPECT_TRUE(trace.lines().empty()) << trace.lines().front();
      const int type = planned.header.levelType;
      if (type == 0 || (type >= 4 && type <= 7)) {
        EXPECT_EQ(s->cGame_dataCursor,
                  s->cGame_levelBodyStart +
                      static_cast<int32_t>(databuild::WriteLevelSection(planned).size()));
      }
      levels++;
    }
  }
  EXPECT_EQ(levels, 135);
}

TEST_F(LevelDataTest, AMissingPackOrEntryGivesTheEmptyLevel) {
  GameStatics* s = Statics<GameStatics>();
  struct Case {
    int32_t entry;
    int32_t pack;
  };
  for (const Case c : {Case{13, 0}, Case{-1, 3}, Case{0, 12}, Case{0, -1}}) {
    SCOPED_TRACE("entry " + std::to_string(c.entry) + " of pack " + std::to_string(c.pack));
    cGame::loadLevelData(4, 1);
    ASSERT_NE(s->cGame_fastTime, 0);
    TraceCapture trace;
    cGame::loadLevelData(c.entry, c.pack);
    EXPECT_FALSE(trace.lines().empty());
    EXPECT_EQ(s->cGame_levelData->length, 0);
    EXPECT_EQ(s->cGame_levelBodyStart, 0);
    EXPECT_EQ(s->cGame_fastTime, 0);
    EXPECT_EQ(s->cGame_introCount, 0);
    EXPECT_EQ(s->cGame_levelParams->elements()[0], 0);
  }
}

TEST_F(LevelDataTest, TheLevelsObjectsAreReadFromTheStartOfItsBodyToTheEndOfItsLayout) {
  GameStatics* s = Statics<GameStatics>();
  const databuild::Level planned = databuild::PlannedLevel(5, 2);
  ASSERT_EQ(planned.header.levelType, 0);
  cGame::loadLevelData(2, 5);
  const int32_t body = s->cGame_levelBodyStart;
  cGame::setDataCursor(3);
  cGame::readLevelObjects();
  EXPECT_EQ(s->cGame_dataCursor,
            body + static_cast<int32_t>(databuild::WriteLevelSection(planned).size()));
}

TEST_F(LevelDataTest, ThePreviousRatingIsTheResultStoredWhenTheLevelLoads) {
  GameStatics* s = Statics<GameStatics>();
  auto* row = static_cast<IntArray*>(s->cGame_levelResults->elements()[9]);
  row->elements()[1 + 7] = 1;
  cGame::loadLevelData(7, 9);
  EXPECT_EQ(s->cGame_previousRating, 1);
}

}  // namespace
