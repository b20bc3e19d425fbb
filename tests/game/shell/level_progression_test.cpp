// Level progression over the progress tables: the reset, winning a level (what it opens and
// that it saves), the derived values, items and awards, and indexes off the tables.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/game/shell/progress_fixture.h"
#include "tests/support/managed_bytes.h"
#include "tools/databuild/layout_writer.h"

namespace {

class LevelProgressionTest : public ProgressTest {
 protected:
  static void SetResult(int32_t world, int32_t level, int32_t result) {
    IntArray::set(Row(world), level + 1, result);
  }
  static int32_t ResultOf(int32_t world, int32_t level) {
    return IntArray::get(Row(world), level + 1);
  }
  static IntArray* Row(int32_t world) {
    return static_cast<IntArray*>(Statics<GameStatics>()->cGame_levelResults->elements()[world]);
  }
  // Wins level `level` of `world` as the play state does: the result it had is kept as the
  // previous rating, the new one stored, then the rule runs.
  static void Win(int32_t world, int32_t level, int32_t result) {
    Statics<GameStatics>()->cGame_previousRating = ResultOf(world, level);
    if (result > ResultOf(world, level)) SetResult(world, level, result);
    cGame::onLevelCompleted(level, world);
  }
  // The data set's level maps, which say what a won level opens.
  static void LoadMaps() {
    const std::vector<std::vector<uint8_t>> entries = databuild::LayoutEntries();
    cGame::initMenuTables();
    for (int32_t t = 2; t <= 9; t++) cGame::parseLayoutTable(t, ManagedBytes(entries[t]));
  }
  static std::vector<int32_t> NewlyUnlocked() {
    IntArray* fresh = Statics<GameStatics>()->cGame_newlyUnlocked;
    return fresh ? std::vector<int32_t>(fresh->elements(), fresh->elements() + fresh->length)
                 : std::vector<int32_t>{};
  }
};

TEST_F(LevelProgressionTest, TheResetGivesEveryValueItsStartingValue) {
  Apply(Pattern(1));
  GameStatics* s = Statics<GameStatics>();
  s->cGame_lastCompletedLevel = 9;
  s->cGame_selectedLevel = 4;
  s->cGame_levelPassedFlag = true;
  cGame::resetProgressTables();
  const Progress values = Current();
  for (const auto& [name, value] : values) {
    if (name == "setting") continue;
    int32_t expected = 0;
    if (name.rfind("mapCursorByWorld", 0) == 0 || name == "selectedWorld") {
      expected = name == "selectedWorld" ? -1 : -2;
    } else if (name.rfind("levelResults", 0) == 0) {
      expected = name.ends_with("[0]") ? 0 : -2;
    } else if (name == "firstPlayHints") {
      expected = 1;
    } else if (name == "stat5" || name == "stat6") {  // statBestBossTime, statBestTime
      expected = -1;
    }
    EXPECT_EQ(value, expected) << name;
  }
  EXPECT_EQ(s->cGame_lastCompletedLevel, 0);
  EXPECT_EQ(s->cGame_selectedLevel, -1);
  EXPECT_FALSE(s->cGame_levelPassedFlag);
  EXPECT_EQ(s->cGame_unlockFlags->length, 15);
}

TEST_F(LevelProgressionTest, AfterAResetEveryCountIsZero) {
  EXPECT_EQ(cGame::getCompletionPercent(), 0);
  EXPECT_EQ(cGame::getWorldsUnlocked(), 0);
  EXPECT_EQ(cGame::countUnlockedAwards(), 0);
  EXPECT_EQ(cGame::countUnlockedItems(), 0);
  EXPECT_EQ(cGame::countExtraLevelsDone(), 0);
  EXPECT_FALSE(cGame::allLevelsAtLeast(0, false));
}

TEST_F(LevelProgressionTest, CompletionCountsTheMainWorldsOnly) {
  struct Case {
    int won;
    int percent;
  };
  for (const Case c : {Case{104, 100}, Case{103, 99}, Case{52, 50}, Case{1, 0}}) {
    SCOPED_TRACE(c.won);
    cGame::resetProgressTables();
    for (int32_t w = 8; w <= 10; w++) {
      for (int32_t l = 0; l < 10; l++) SetResult(w, l, 2);
    }
    for (int i = 0; i < c.won; i++) SetResult(i / 13, i % 13, i % 3);
    EXPECT_EQ(cGame::getCompletionPercent(), c.percent);
    EXPECT_EQ(cGame::countExtraLevelsDone(), 30);
    EXPECT_EQ(cGame::allLevelsAtLeast(0, false), c.won == 104);
    EXPECT_EQ(cGame::allLevelsAtLeast(0, true), c.won == 104);
    EXPECT_FALSE(cGame::allLevelsAtLeast(1, false)) << "one level in three has result 0";
  }
}

TEST_F(LevelProgressionTest, TheLastLevelOfTheOpenWorldOpensTheNextOnce) {
  struct Case {
    int32_t unlockedBefore;
    bool wonBefore;
    int32_t unlockedAfter;
  };
  for (const Case c : {Case{3, false, 4}, Case{3, true, 4}, Case{5, false, 5}, Case{2, false, 2}}) {
    SCOPED_TRACE(std::to_string(c.unlockedBefore) + (c.wonBefore ? ", won before" : ""));
    cGame::resetProgressTables();
    Statics<GameStatics>()->cGame_worldsUnlocked = c.unlockedBefore;
    if (c.wonBefore) Win(3, 12, 1);
    Win(3, 12, 2);
    EXPECT_EQ(Statics<GameStatics>()->cGame_worldsUnlocked, c.unlockedAfter);
    EXPECT_EQ(Statics<GameStatics>()->cGame_lastCompletedLevel, 12);
  }
  cGame::resetProgressTables();
  Statics<GameStatics>()->cGame_worldsUnlocked = 7;
  Win(7, 12, 0);
  EXPECT_EQ(Statics<GameStatics>()->cGame_worldsUnlocked, 7)
      << "the last main world opens no further one";
  EXPECT_EQ(cGame::getWorldsUnlocked(), 8);
  SetResult(7, 12, -1);
  EXPECT_EQ(cGame::getWorldsUnlocked(), 7);
}

TEST_F(LevelProgressionTest, OnlyAFirstWinOpensLinkedLevelsAndEveryWinSaves) {
  Statics<GameStatics>()->cGame_selectedWorld = 2;
  LoadMaps();
  SetResult(2, 4, -1);
  Win(2, 4, 1);
  EXPECT_EQ(NewlyUnlocked(), (std::vector<int32_t>{-1, 6, -1, -1})) << "the map links 5 to 6";
  EXPECT_EQ(ResultOf(2, 5), -1) << "level 5 opens";
  EXPECT_EQ(Statics<GameStatics>()->cGame_newUnlocksPending, 1);
  ASSERT_TRUE(RecordFile(kProgressStore, 1).has_value());
  EXPECT_EQ(static_cast<int8_t>((*RecordFile(kProgressStore, 1))[41 + 14 * 2 + 5]), 1);

  Statics<GameStatics>()->cGame_newUnlocksPending = 0;
  SetResult(2, 5, -2);
  Win(2, 4, 2);
  EXPECT_EQ(ResultOf(2, 5), -2) << "a second win opens nothing";
  EXPECT_EQ(Statics<GameStatics>()->cGame_newUnlocksPending, 0);
  EXPECT_EQ(static_cast<int8_t>((*RecordFile(kProgressStore, 1))[41 + 14 * 2 + 5]), 2)
      << "but saves";
}

TEST_F(LevelProgressionTest, TheLastLevelOfAWorldOpensLinkedLevelsOnlyBeforeWorld7IsSelected) {
  struct Case {
    int32_t selectedWorld;
    int32_t level;
    bool opens;
  };
  for (const Case c :
       {Case{6, 12, true}, Case{7, 12, false}, Case{7, 11, true}, Case{9, 3, true}}) {
    SCOPED_TRACE("selected world " + std::to_string(c.selectedWorld) + ", level " +
                 std::to_string(c.level));
    cGame::resetProgressTables();
    Statics<GameStatics>()->cGame_selectedWorld = c.selectedWorld;
    Statics<GameStatics>()->cGame_newUnlocksPending = 0;
    Win(7, c.level, 0);
    EXPECT_EQ(Statics<GameStatics>()->cGame_newUnlocksPending, c.opens ? 1 : 0);
  }
}

TEST_F(LevelProgressionTest, IndexesOffTheTablesChangeNothing) {
  TraceCapture trace;
  const Progress before = Current();
  for (const auto& [world, level] :
       std::vector<std::pair<int32_t, int32_t>>{{-1, 0}, {12, 0}, {0, -1}, {0, 13}}) {
    cGame::onLevelCompleted(level, world);
  }
  EXPECT_EQ(trace.lines().size(), 4u);
  EXPECT_FALSE(RecordFile(kProgressStore, 1).has_value()) << "nothing saved";
  trace.clear();
  EXPECT_FALSE(cGame::isItemUnlocked(-1));
  cGame::unlockItem(-1);
  EXPECT_TRUE(trace.lines().empty()) << "-1 is the usual no item";
  EXPECT_FALSE(cGame::isItemUnlocked(15));
  cGame::unlockItem(15);
  EXPECT_FALSE(cGame::getListedAwardFlag(-1));
  EXPECT_FALSE(cGame::getListedAwardFlag(6));
  EXPECT_EQ(trace.lines().size(), 4u);
  Statics<GameStatics>()->cGame_menuSelection = 30;
  cGame::selectExtraLevel();
  EXPECT_EQ(Current(), before);
  EXPECT_EQ(trace.lines().size(), 5u);
}

TEST_F(LevelProgressionTest, ItemsAndListedAwards) {
  cGame::unlockItem(0);
  cGame::unlockItem(14);
  EXPECT_TRUE(cGame::isItemUnlocked(0));
  EXPECT_TRUE(cGame::isItemUnlocked(14));
  EXPECT_FALSE(cGame::isItemUnlocked(7));
  EXPECT_EQ(cGame::countUnlockedItems(), 2);

  IntArray* list = Statics<GameStatics>()->cGame_listedAwardIds;
  ASSERT_EQ(list->length, 6);
  EXPECT_FALSE(cGame::getListedAwardFlag(2));
  cGame::unlockListedAwards();
  EXPECT_EQ(cGame::countUnlockedAwards(), 6);
  for (int32_t i = 0; i < 6; i++) {
    EXPECT_TRUE(cGame::getListedAwardFlag(i)) << i;
    EXPECT_TRUE(cGame::isInAwardIdList(list->elements()[i])) << i;
  }
  EXPECT_FALSE(cGame::isInAwardIdList(0));

  TraceCapture trace;
  list->elements()[3] = 25;
  cGame::resetProgressTables();
  cGame::unlockListedAwards();
  EXPECT_EQ(cGame::countUnlockedAwards(), 5) << "the id off the table is skipped";
  EXPECT_FALSE(cGame::getListedAwardFlag(3));
  EXPECT_EQ(trace.lines().size(), 2u);
}

TEST_F(LevelProgressionTest, LevelChoices) {
  GameStatics* s = Statics<GameStatics>();
  struct Case {
    int32_t selection;
    int32_t world;
    int32_t level;
  };
  for (const Case c : {Case{0, 8, 0}, Case{9, 8, 9}, Case{10, 9, 0}, Case{29, 10, 9}}) {
    s->cGame_menuSelection = c.selection;
    cGame::selectExtraLevel();
    EXPECT_EQ(s->cGame_currentWorld, c.world) << c.selection;
    EXPECT_EQ(s->cGame_currentLevel, c.level) << c.selection;
  }
  cGame::selectWorld11();
  EXPECT_EQ(s->cGame_currentWorld, 11);
  EXPECT_EQ(s->cGame_currentLevel, 0);

  s->cGame_currentWorld = 1;
  s->cGame_currentLevel = 12;
  EXPECT_FALSE(cGame::tryWorld0Level12Flag());
  s->cGame_currentWorld = 0;
  EXPECT_TRUE(cGame::tryWorld0Level12Flag());
  EXPECT_EQ(s->cGame_world0Level12Seen, 1);
  EXPECT_FALSE(cGame::tryWorld0Level12Flag()) << "once";
}

}  // namespace
