// The level-type section readers over records written by the data builder's level writer:
// each type's section into its statics with the cursor at the shot sequence, the walk over a
// type-0 layout, the ruled bad values that stop the body with their trace line, and every
// prefix of each record read without a fault.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "tests/support/library_fixture.h"
#include "tests/support/managed_bytes.h"
#include "tests/support/runtime_fixture.h"
#include "tools/databuild/level_writer.h"

namespace {

using Bytes = std::vector<uint8_t>;
using databuild::Level;
using databuild::LevelTemplate;

Level Base(int type) {
  Level l;
  l.header.levelType = type;
  l.header.params.assign(13, 0);
  l.shots = {1, 2};
  l.rules = {{0, 1, 0, 0, 0, 0, 33}};
  return l;
}

// Two templates: kinds 0, 5 and 33 (past the mask), then kind 2.
std::vector<LevelTemplate> Templates() {
  return {{{{0, 0, 0, 0x10}, {1, -1, 5, 0}, {-2, 1, 33, 0x4000}}}, {{{3, 4, 2, -1}}}};
}

Level TypeFive(int speed) {
  Level l = Base(5);
  l.templates = Templates();
  l.belt = {{100, -250}, 7, speed, 80, 900, 4000};
  return l;
}

Level TypeSix() {
  Level l = Base(6);
  l.templates = Templates();
  l.drops = {{{1, 3000, 250, -5}, {0, 12000, -100, 6}, {1, 800, 1000, 0}}, 12, 9};
  return l;
}

Level TypeSeven(int firstTime) {
  Level l = Base(7);
  l.templates = Templates();
  l.rows = {2500, firstTime, -40, {1, 0, 1, 1}};
  return l;
}

Level TypeFour() {
  Level l = Base(4);
  l.paths.points = {{0, 0}, {500, 250}, {-100, 1100}};
  l.paths.paths = {{{0, 1000}, {1, 2000}, {2, -1}}, {{2, 500}}};
  l.paths.walkerSlots = 3;
  l.paths.goals = 11;
  l.paths.params = {0, 4, 1, -1};
  return l;
}

Level TypeZero(const std::vector<int>& bunchTypes) {
  Level l = Base(0);
  for (const int type : bunchTypes) {
    databuild::LevelBunch bunch;
    bunch.type = type;
    bunch.bubbles = {{0, 0, 3, 0}, {1, 0, 4, 0x800}};
    l.bunches.push_back(bunch);
  }
  return l;
}

class LevelSectionsTest : public LibraryTest {
 protected:
  // Loads the record as levelData (level 3 of world 1) and reads its section as the level
  // build does; returns the offset the shot sequence starts at.
  static int32_t Read(const Level& level) { return ReadBytes(databuild::WriteLevel(level), level); }
  static int32_t ReadBytes(const Bytes& bytes, const Level& level) {
    GameStatics* s = Statics<GameStatics>();
    s->cGame_levelPack = 1;
    s->cGame_levelEntry = 3;
    ByteArray* data = ManagedBytes(bytes);
    s->cGame_levelData = data;
    const auto body = static_cast<int32_t>(databuild::WriteLevelHeader(level.header).size());
    cGame::setDataCursor(body);
    s->cGame_levelBodyFailed = false;
    switch (level.header.levelType) {
      case 0:
        cGame::readLevelObjectRecords(data);
        break;
      case 4:
        cGame::readLevelType4(data);
        break;
      case 5:
        cGame::readBoardTables(data);
        cGame::readLevelType5(data);
        break;
      case 6:
        cGame::readBoardTables(data);
        cGame::readLevelType6(data);
        break;
      case 7:
        cGame::readBoardTables(data);
        cGame::readLevelType7(data);
        break;
      default:
        break;
    }
    return body + static_cast<int32_t>(databuild::WriteLevelSection(level).size());
  }
  static GameStatics* S() { return Statics<GameStatics>(); }
  template <class A>
  static std::vector<int32_t> Values(const StaticRef<A>& table) {
    return Values(static_cast<A*>(table));
  }
  template <class A>
  static std::vector<int32_t> Values(A* array) {
    std::vector<int32_t> v;
    for (int32_t i = 0; array && i < array->length; i++) v.push_back(array->elements()[i]);
    return v;
  }
  template <class A>
  static std::vector<int32_t> RowOf(ObjectArray* rows, int32_t i, int32_t n) {
    std::vector<int32_t> v = Values(static_cast<A*>(rows->elements()[i]));
    v.resize(n);
    return v;
  }
};

TEST_F(LevelSectionsTest, TemplatesFillTheirTablesAndTheKindMaskCountsKindsBelow32) {
  const int32_t shots = Read(TypeFive(60));
  GameStatics* s = S();
  EXPECT_FALSE(s->cGame_levelBodyFailed);
  EXPECT_EQ(s->cGame_dataCursor, shots);
  EXPECT_EQ(s->cGame_bunchTemplateCount, 2);
  EXPECT_EQ(Values(s->cGame_bunchTemplateSize), (std::vector<int32_t>{3, 1, 0, 0, 0, 0, 0}));
  EXPECT_EQ(RowOf<ByteArray>(s->cGame_bunchTemplateCol, 0, 3), (std::vector<int32_t>{0, 1, -2}));
  EXPECT_EQ(RowOf<ByteArray>(s->cGame_bunchTemplateRow, 0, 3), (std::vector<int32_t>{0, -1, 1}));
  EXPECT_EQ(RowOf<ByteArray>(s->cGame_bunchTemplateKind, 0, 3), (std::vector<int32_t>{0, 5, 33}));
  EXPECT_EQ(RowOf<IntArray>(s->cGame_bunchTemplateFlags, 0, 3),
            (std::vector<int32_t>{0x10, 0, 0x4000}));
  EXPECT_EQ(RowOf<IntArray>(s->cGame_bunchTemplateFlags, 1, 1), (std::vector<int32_t>{-1}));
  EXPECT_EQ(s->cGame_bunchTemplateKindMask, 0x25);
  EXPECT_EQ(s->cGame_bunchTemplateKindCount, 3);
}

TEST_F(LevelSectionsTest, TheBeltLaysItsBunchesOffTheSideItComesFrom) {
  struct Case {
    int speed;
    std::vector<int32_t> beltX;
  };
  const Case kCases[] = {{60, {-30 << 16, 50 << 16}}, {-60, {30 << 16, 110 << 16}}};
  for (const Case& c : kCases) {
    SCOPED_TRACE("speed " + std::to_string(c.speed));
    const int32_t shots = Read(TypeFive(c.speed));
    GameStatics* s = S();
    EXPECT_EQ(s->cGame_dataCursor, shots);
    EXPECT_EQ(Values(s->cGame_beltY), (std::vector<int32_t>{80 << 16, -200 << 16}))
        << "thousandths of 800";
    EXPECT_EQ(s->cGame_beltSpeed, c.speed << 16);
    EXPECT_EQ(s->cGame_beltBunchSize, 80 << 16);
    EXPECT_EQ(s->cGame_beltHalf, 80 << 16);
    EXPECT_EQ(Values(s->cGame_beltX), c.beltX);
    EXPECT_EQ(s->cGame_beltDelayMin, 900);
    EXPECT_EQ(s->cGame_beltDelayMax, 4000);
    EXPECT_EQ(s->cGame_beltTimer, -1);
    EXPECT_EQ(s->cGame_goalTotal, 7);
    EXPECT_EQ(s->cGame_goalRemaining, 7);
  }
}

TEST_F(LevelSectionsTest, DropsKeepTheirLatestTimeAndAValueOfFourThirds) {
  GameStatics* s = S();
  s->cGame_canvasWidth = 480;
  const int32_t shots = Read(TypeSix());
  EXPECT_EQ(s->cGame_dataCursor, shots);
  EXPECT_EQ(s->cGame_dropCount, 3);
  EXPECT_EQ(Values(s->cGame_dropTemplate), (std::vector<int32_t>{1, 0, 1}));
  EXPECT_EQ(Values(s->cGame_dropTime), (std::vector<int32_t>{3000, 12000, 800}));
  EXPECT_EQ(Values(s->cGame_dropX), (std::vector<int32_t>{120, -48, 480}));
  EXPECT_EQ(Values(s->cGame_dropValue), (std::vector<int32_t>{-6, 8, 0})) << "toward zero";
  EXPECT_EQ(s->cGame_dropLastTime, 12000);
  EXPECT_EQ(s->cGame_dropPenalty, 12);
  EXPECT_EQ(s->cGame_goalRemaining, 9);
  EXPECT_EQ(s->cGame_dropHealth, 100);
  EXPECT_EQ(s->cGame_dropCursor, 0);
  EXPECT_EQ(s->cGame_dropClock, 0);
}

TEST_F(LevelSectionsTest, TheRowFeederStartsSixSecondsBeforeItsFirstRow) {
  struct Case {
    int firstTime;
    int32_t elapsed;
  };
  for (const Case c : {Case{3000, 0}, Case{6000, 0}, Case{9500, 3500}}) {
    SCOPED_TRACE("first row at " + std::to_string(c.firstTime));
    const int32_t shots = Read(TypeSeven(c.firstTime));
    GameStatics* s = S();
    EXPECT_EQ(s->cGame_dataCursor, shots);
    EXPECT_EQ(s->cGame_rowInterval, 2500);
    EXPECT_EQ(s->cGame_rowFirstTime, c.firstTime);
    EXPECT_EQ(s->cGame_rowSpeed, -40);
    EXPECT_EQ(Values(s->cGame_rowTemplate), (std::vector<int32_t>{1, 0, 1, 1}));
    EXPECT_EQ(s->cGame_rowElapsed, c.elapsed);
    EXPECT_EQ(s->cGame_goalTotal, 4) << "one goal a row";
    EXPECT_EQ(s->cGame_rowFirstVisible, 0);
    EXPECT_EQ(s->cGame_rowLastVisible, 0);
  }
}

TEST_F(LevelSectionsTest, PathsAreInPixelsOfTheScreenSizeAndEveryWalkerStartsIdle) {
  GameStatics* s = S();
  s->cGame_canvasHeight = 640;  // the play state's height
  const int32_t shots = Read(TypeFour());
  EXPECT_EQ(s->cGame_dataCursor, shots);
  EXPECT_EQ(Values(s->cGame_pathPointX), (std::vector<int32_t>{0, 240, -48}));
  EXPECT_EQ(Values(s->cGame_pathPointY), (std::vector<int32_t>{0, 160, 704}));
  EXPECT_EQ(s->cGame_pathCount, 2);
  EXPECT_EQ(Values(s->cGame_pathLength), (std::vector<int32_t>{3, 1}));
  EXPECT_EQ(RowOf<ByteArray>(s->cGame_pathStepPoint, 0, 3), (std::vector<int32_t>{0, 1, 2}));
  EXPECT_EQ(RowOf<ShortArray>(s->cGame_pathStepValue, 0, 3),
            (std::vector<int32_t>{1000, 2000, -1}));
  EXPECT_EQ(s->cGame_levelObjectCount, 3);
  EXPECT_EQ(Values(s->cGame_pathWalkerPath), (std::vector<int32_t>{-1, -1, -1}));
  EXPECT_EQ(Values(s->cGame_objectParams), (std::vector<int32_t>{0, 4, 1, -1}));
  EXPECT_EQ(s->cGame_objectParamCursor, 0);
  EXPECT_EQ(s->cGame_goalRemaining, 11);
}

TEST_F(LevelSectionsTest, TheLayoutWalkSetsTheSpriteFlagsOfItsBunchTypes) {
  struct Case {
    std::vector<int> types;
    std::vector<int32_t> flags;
  };
  const Case kCases[] = {
      {{0, 4, 8}, {0, 0, 0, 0, 0, 0, 0}},  {{1}, {1, 0, 0, 0, 0, 0, 0}},
      {{6, 9, 11}, {1, 0, 0, 0, 0, 0, 0}}, {{2}, {0, 1, 1, 0, 0, 0, 0}},
      {{3}, {0, 0, 0, 1, 0, 0, 0}},        {{7}, {0, 0, 0, 0, 1, 1, 0}},
      {{5, 3, 2}, {0, 1, 1, 1, 0, 0, 1}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE("bunch types " + ::testing::PrintToString(c.types));
    S()->cGame_levelSpriteFlags = NewBoolArray(7);
    const int32_t shots = Read(TypeZero(c.types));
    EXPECT_EQ(S()->cGame_dataCursor, shots);
    EXPECT_EQ(Values(S()->cGame_levelSpriteFlags), c.flags);
  }
}

// A bad value stops the body where it stands: one trace line names the level, the section
// and the offset; the rules after it are not read.
TEST_F(LevelSectionsTest, RuledBadValuesStopTheBodyWithTheirTraceLine) {
  struct Case {
    const char* what;
    Level level;
    const char* section;
  };
  auto with = [](Level l, auto spoil) {
    spoil(l);
    return l;
  };
  const Case kCases[] = {
      {"eight templates", with(TypeFive(1), [](Level& l) { l.templates.resize(8); }), "templates"},
      {"a template of 21 cells",
       with(TypeSix(), [](Level& l) { l.templates[1].bubbles.resize(21); }), "templates"},
      {"a template kind of 44",
       with(TypeSix(), [](Level& l) { l.templates[0].bubbles[1].kind = 44; }), "templates"},
      {"a negative template kind",
       with(TypeSeven(1), [](Level& l) { l.templates[1].bubbles[0].kind = -1; }), "templates"},
      {"three belt rows for two templates",
       with(TypeFive(1), [](Level& l) { l.belt.rowY.push_back(0); }), "belt"},
      {"a drop of template 2",
       with(TypeSix(), [](Level& l) { l.drops.drops[2].templateIndex = 2; }), "drops"},
      {"a drop of template -1",
       with(TypeSix(), [](Level& l) { l.drops.drops[0].templateIndex = -1; }), "drops"},
      {"a row of template 2", with(TypeSeven(1), [](Level& l) { l.rows.templates[3] = 2; }),
       "rows"},
      {"a path of 128 steps",
       with(TypeFour(),
            [](Level& l) {
              l.paths.paths[1].assign(128, {0, 10});
            }),
       "paths"},
      {"a step to point 3", with(TypeFour(), [](Level& l) { l.paths.paths[0][2].point = 3; }),
       "paths"},
      {"a walker on path 2", with(TypeFour(), [](Level& l) { l.paths.params[2] = 2; }), "paths"},
      {"an odd parameter count", with(TypeFour(), [](Level& l) { l.paths.params.pop_back(); }),
       "paths"},
      {"walkers without parameters", with(TypeFour(), [](Level& l) { l.paths.params.clear(); }),
       "paths"},
      {"a negative walker count", with(TypeFour(), [](Level& l) { l.paths.walkerSlots = -1; }),
       "paths"},
      {"eleven bunches", TypeZero(std::vector<int>(11, 0)), "bunches"},
      {"a bunch type of 16", TypeZero({0, 16}), "bunches"},
      {"a bubble kind of 50",
       with(TypeZero({0}), [](Level& l) { l.bunches[0].bubbles[1].kind = 50; }), "bunches"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    GameStatics* s = S();
    TraceCapture trace;
    Read(c.level);
    EXPECT_TRUE(s->cGame_levelBodyFailed);
    ASSERT_EQ(trace.lines().size(), 1u);
    EXPECT_NE(trace.lines()[0].find("level 3 of world 1: section " + std::string(c.section) +
                                    " at offset "),
              std::string::npos)
        << trace.lines()[0];
    EXPECT_EQ(s->cGame_dataCursor, s->cGame_levelData->length);
    cGame::readLevelTriggers(s->cGame_levelData);
    EXPECT_EQ(s->cGame_triggerCount, 0) << "later sections are empty";
  }
}

TEST_F(LevelSectionsTest, EveryPrefixOfEachSectionStopsTheBodyWithItsTraceLine) {
  const Level kLevels[] = {TypeFour(), TypeFive(-3), TypeSix(), TypeSeven(7000),
                           TypeZero({1, 5, 7})};
  for (const Level& level : kLevels) {
    const Bytes whole = databuild::WriteLevel(level);
    const auto body = databuild::WriteLevelHeader(level.header).size();
    const auto end = body + databuild::WriteLevelSection(level).size();
    for (size_t n = body; n < end; n++) {
      SCOPED_TRACE("type " + std::to_string(level.header.levelType) + ", " + std::to_string(n) +
                   " bytes");
      S()->cGame_levelSpriteFlags = NewBoolArray(7);
      TraceCapture trace;
      ReadBytes(Bytes(whole.begin(), whole.begin() + static_cast<ptrdiff_t>(n)), level);
      EXPECT_TRUE(S()->cGame_levelBodyFailed);
      // The byte reader's own line may come first; the body's refusal is the last.
      ASSERT_FALSE(trace.lines().empty());
      EXPECT_LE(trace.lines().size(), 2u);
      EXPECT_NE(trace.lines().back().find("the rest of the level is empty"), std::string::npos);
      EXPECT_EQ(S()->cGame_dataCursor, static_cast<int32_t>(n));
    }
  }
}

}  // namespace
