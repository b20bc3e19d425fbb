// The level plan and its check over every level type: the plan draws every level so that it
// passes, every type and boss kind appears, and the check refuses each rule a level breaks.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tools/databuild/build_error.h"
#include "tools/databuild/level_check.h"
#include "tools/databuild/level_plan.h"

namespace databuild {
namespace {

TEST(LevelCheckTest, EveryLevelTypeAndBossKindAppearsAndEveryLevelPasses) {
  std::set<int> types, bosses;
  int lessons = 0, biggest = 0;
  for (int world = 0; world < kLevelWorldCount; world++) {
    for (int level = 0; level < LevelsInWorld(world); level++) {
      SCOPED_TRACE("level " + std::to_string(level) + " of world " + std::to_string(world));
      const Level l = PlannedLevel(world, level);
      EXPECT_EQ(LevelProblem(l), "");
      types.insert(l.header.levelType);
      if (BossKindOf(world, level) >= 0) bosses.insert(BossKindOf(world, level));
      if (IsLessonLevel(world, level)) {
        lessons++;
        int stages = 0;
        for (const LevelBunch& b : l.bunches) stages = std::max(stages, b.stage + 1);
        EXPECT_EQ(stages, 2) << "a lesson has two stages";
      }
      int bubbles = 0;
      for (const LevelBunch& b : l.bunches) bubbles += static_cast<int>(b.bubbles.size());
      if (l.bunches.size() == 8) biggest = std::max(biggest, bubbles);
    }
  }
  EXPECT_EQ(types, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(bosses, (std::set<int>{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(lessons, 3);
  EXPECT_GE(biggest, 120) << "the play benchmark's level of 8 bunches";
  EXPECT_EQ(PlannedLevel(11, 0).header.levelType, 2);
}

struct Spoil {
  const char* what;
  int world, level;  // a planned level of the type the rule is about
  void (*spoil)(Level& level);
};

TEST(LevelCheckTest, TheCheckRefusesEachRuleALevelBreaks) {
  const Spoil kCases[] = {
      {"a drop step of 0", 1, 1, [](Level& l) { l.header.params[0] = 0; }},
      {"a bubble off its core", 1, 1, [](Level& l) { l.bunches[0].bubbles.back().column += 5; }},
      {"a bunch without its core", 1, 1,
       [](Level& l) { l.bunches[0].bubbles.erase(l.bunches[0].bubbles.begin()); }},
      {"a bubble below the room for a drop", 1, 1, [](Level& l) { l.bunches[0].y = 700; }},
      {"a bubble in the side wall", 1, 1, [](Level& l) { l.bunches[0].x = 10; }},
      {"a shot colour not on the board", 1, 1,
       [](Level& l) {
         for (int k = 0; k < 7; k++) l.shots.push_back(k);
       }},
      {"a partner outside the bunches", 1, 1, [](Level& l) { l.bunches[0].partner = 10; }},
      {"a bunch type of 16", 1, 1, [](Level& l) { l.bunches[0].type = 16; }},
      {"a type-3 bunch with a divisor of 0", 1, 1,
       [](Level& l) {
         l.bunches[0].type = 3;
         l.header.params[11] = 0;
       }},
      {"a type-3 level with a feature bunch", 6, 4, [](Level& l) { l.bunches[0].type = 9; }},
      {"a path step to no point", 1, 4, [](Level& l) { l.paths.paths[0][0].point = 9; }},
      {"a path of no steps", 1, 4, [](Level& l) { l.paths.paths[1].clear(); }},
      {"walker parameters not in pairs", 1, 4, [](Level& l) { l.paths.params.pop_back(); }},
      {"a belt row missing", 2, 4, [](Level& l) { l.belt.rowY.pop_back(); }},
      {"eight templates", 2, 4, [](Level& l) { l.templates.resize(8, l.templates[0]); }},
      {"a template without its core", 3, 4,
       [](Level& l) { l.templates[0].bubbles.erase(l.templates[0].bubbles.begin()); }},
      {"a drop of no template", 3, 4, [](Level& l) { l.drops.drops[0].templateIndex = 3; }},
      {"a goal larger than the drops", 3, 4,
       [](Level& l) { l.drops.goals = static_cast<int>(l.drops.drops.size()) + 1; }},
      {"a first row at 0 ms", 4, 4, [](Level& l) { l.rows.firstTime = 0; }},
      {"a row of no template", 4, 4, [](Level& l) { l.rows.templates[0] = 7; }},
      {"a track that does not close", 5, 4, [](Level& l) { l.track.segments.pop_back(); }},
      {"eleven track bubbles", 5, 4, [](Level& l) { l.track.bubbles.resize(11); }},
      {"a stage of no shots a row", 11, 0, [](Level& l) { l.waves.stages[0].wave[1] = 0; }},
      {"a stage of no specials goal", 11, 0, [](Level& l) { l.waves.stages[1].wave[3] = 0; }},
      {"a stage special past kind 28", 11, 0, [](Level& l) { l.waves.stages[0].specials[0] = 29; }},
      {"21 stages", 11, 0, [](Level& l) { l.waves.stages.resize(21, l.waves.stages[0]); }},
      {"a shot of kind 44", 8, 7, [](Level& l) { l.shots[0] = 44; }},
  };
  for (const Spoil& c : kCases) {
    SCOPED_TRACE(c.what);
    Level level = PlannedLevel(c.world, c.level);
    ASSERT_EQ(LevelProblem(level), "");
    c.spoil(level);
    EXPECT_NE(LevelProblem(level), "");
    EXPECT_THROW(CheckLevel(level, c.world, c.level), BuildError);
  }
}

}  // namespace
}  // namespace databuild
