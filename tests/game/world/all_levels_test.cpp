// Every level the data builder writes builds onto the board with no trace line: each stage's
// bunches hold the plan's bubbles, the special types their own objects, and the whole game
// holds every level type and boss kind.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "runtime/array.h"
#include "tests/game/world/level_fixture.h"
#include "tests/support/runtime_fixture.h"
#include "tools/databuild/level_plan.h"

namespace {

constexpr int32_t kLesson = 2, kPlain = 1, kBoss = 3;
constexpr int32_t kHubRing = 6;  // a type-2 core brings its ring

class AllLevelsTest : public LevelBuildTest {
 protected:
  // The members the plan puts in each bunch of the stage (-1 for a bunch of another stage).
  static std::vector<int> Planned(const databuild::Level& level, int stage) {
    std::vector<int> counts;
    for (const databuild::LevelBunch& b : level.bunches) {
      const int ring = b.type == 2 ? kHubRing : 0;
      counts.push_back(b.stage == stage ? static_cast<int>(b.bubbles.size()) + ring : -1);
    }
    return counts;
  }
  static void ExpectStage(const databuild::Level& level, int stage) {
    const std::vector<int> planned = Planned(level, stage);
    int total = 0;
    for (size_t b = 0; b < planned.size(); b++) {
      if (planned[b] < 0) continue;
      SCOPED_TRACE("stage " + std::to_string(stage) + " bunch " + std::to_string(b));
      EXPECT_EQ(Bunch(static_cast<int32_t>(b))->count, planned[b]);
      EXPECT_EQ(Bunch(static_cast<int32_t>(b))->type, level.bunches[b].type);
      for (Bubble* m : Members(static_cast<int32_t>(b))) {
        EXPECT_EQ(m->flags & Bubble::kDead, 0) << "every planned cell is free";
      }
      total += planned[b];
    }
    EXPECT_EQ(static_cast<int>(Live().size()), total);
  }
};

TEST_F(AllLevelsTest, EveryWrittenLevelBuildsEachStageWithThePlansBubbles) {
  std::set<int> types, bosses;
  for (int world = 0; world < databuild::kLevelWorldCount; world++) {
    for (int index = 0; index < databuild::LevelsInWorld(world); index++) {
      SCOPED_TRACE("level " + std::to_string(index) + " of world " + std::to_string(world));
      const databuild::Level planned = databuild::PlannedLevel(world, index);
      const int type = planned.header.levelType;
      const int boss = databuild::BossKindOf(world, index);
      types.insert(type);
      if (boss >= 0) bosses.insert(boss);
      TraceCapture trace;
      cGame::loadLevelData(index, world);
      s->cGame_levelVariant = databuild::IsLessonLevel(world, index) ? kLesson
                              : boss >= 0                            ? kBoss
                                                                     : kPlain;
      Bubble::resetPool();  // the level before is left, as the loader leaves it
      cActor::createPool();
      cGame::buildLevel();
      ASSERT_TRUE(trace.lines().empty()) << trace.lines().front();
      EXPECT_FALSE(s->cGame_levelBodyFailed);
      EXPECT_EQ(s->cGame_shotSequenceLength, static_cast<int32_t>(planned.shots.size()));
      EXPECT_EQ(s->cGame_dataCursor, s->cGame_levelData->length) << "the record is read whole";
      if (type == 0 || type == 3) {
        int stages = 1;
        for (const databuild::LevelBunch& b : planned.bunches) stages = std::max(stages, b.stage + 1);
        EXPECT_EQ(s->cGame_stageCount, stages);
        ExpectStage(planned, 0);
        for (int stage = 1; stage < stages; stage++) {
          Bubble::resetPool();  // the stage before is cleared
          cGame::startBoard();
          s->cGame_currentStage = stage;
          cGame::loadNextStage();
          ASSERT_TRUE(trace.lines().empty()) << trace.lines().front();
          ExpectStage(planned, stage);
        }
      } else if (type == 8) {
        EXPECT_EQ(s->cGame_chainCount, static_cast<int32_t>(planned.track.bubbles.size()));
        for (int32_t b = 0; b < s->cGame_chainCount; b++) EXPECT_EQ(Bunch(b)->count, 1);
      } else if (type == 2) {
        // The top row and the opening rows below it: rows of 11 and 10, the first of 10.
        const int rows = planned.waves.startLayouts;
        EXPECT_EQ(s->cGame_waveRowCount, rows);
        EXPECT_EQ(Bunch(0)->count, 11 + 11 * rows - (rows + 1) / 2) << "the top row and " << rows;
      } else {
        EXPECT_TRUE(Live().empty()) << "bunches of this type come in play";
      }
    }
  }
  EXPECT_EQ(types, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(bosses, (std::set<int>{0, 1, 2, 3, 4, 5}));
}

}  // namespace
