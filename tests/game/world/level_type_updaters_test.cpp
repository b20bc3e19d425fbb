// The level-type rules frame by frame over the real bunch table: the row feeder's clock, its
// rows built one interval apart, and a row that waits while every bunch slot is taken.
#include <gtest/gtest.h>

#include <vector>

#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "tests/game/world/type_rule_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

class RowFeederTest : public TypeRuleTest {
 protected:
  void SetUp() override {
    TypeRuleTest::SetUp();
    OneBubbleTemplates({2, 5});
    s->cGame_levelType = 7;
    s->cGame_rowCount = 3;
    s->cGame_rowTemplate = NewIntArray(3);
    const int32_t templates[3] = {1, 0, 1};
    for (int32_t i = 0; i < 3; i++) IntArray::set(s->cGame_rowTemplate, i, templates[i]);
    s->cGame_rowInterval = 1000;
    s->cGame_rowFirstTime = 500;
    s->cGame_rowSpeed = 15;
    s->cGame_rowElapsed = 0;
    s->cGame_rowFirstVisible = 0;
    s->cGame_rowLastVisible = 0;
    s->cGame_frameTime = 250;
  }
  // The kind of the one bubble of each bunch in use, slot by slot.
  static std::vector<int32_t> BuiltKinds() {
    std::vector<int32_t> kinds;
    for (int32_t b = 0; b < 10; b++) {
      cGame_CBubbleBunch* bunch = Bunch(b);
      if (bunch->inUse && bunch->core) kinds.push_back(bunch->core->colour);
    }
    return kinds;
  }
};

// Frames of 250 ms: row 0 at 500 ms, row 1 at 1500, row 2 at 2500, then none; the shown rows
// step at 1000, 2000 and 3000 ms and stop at the row count.
TEST_F(RowFeederTest, RowsComeOneIntervalApartAndStopAtTheLast) {
  struct Frame {
    int32_t elapsed, firstVisible, lastVisible;
  };
  const std::vector<Frame> kFrames = {{250, 0, 0},  {500, 1, 0},  {750, 1, 0},  {1000, 1, 1},
                                      {1250, 1, 1}, {1500, 2, 1}, {2000, 2, 2}, {2500, 3, 2},
                                      {3000, 3, 3}, {4000, 3, 3}};
  TraceCapture trace;
  for (const Frame& f : kFrames) {
    while (s->cGame_rowElapsed < f.elapsed) cGame::updateRowFeeder();
    EXPECT_EQ(s->cGame_rowFirstVisible, f.firstVisible) << f.elapsed;
    EXPECT_EQ(s->cGame_rowLastVisible, f.lastVisible) << f.elapsed;
  }
  EXPECT_EQ(BuiltKinds(), (std::vector<int32_t>{5, 2, 5}));
  EXPECT_EQ(trace.lines(),
            (std::vector<std::string>{"feeder row 0", "feeder row 1", "feeder row 2"}));
  for (int32_t b = 0; b < 3; b++) {
    EXPECT_EQ(Bunch(b)->type, 13);
    EXPECT_EQ(Bunch(b)->fallSpeed, 30);
    EXPECT_EQ(Bunch(b)->centreX, s->cGame_screenWidth() / 2 * kPx);
    EXPECT_EQ(Bunch(b)->centreY, s->cGame_screenHeight() * 20 / 100 * kPx);
    EXPECT_EQ(Bunch(b)->core->appearance, 42);
  }
}

// With all ten slots taken the due row waits, its clock running on; the first frame with a
// free slot builds it.
TEST_F(RowFeederTest, ARowWaitsForAFreeBunchSlot) {
  for (int32_t b = 0; b < 10; b++) Bunch(b)->inUse = 1;
  s->cGame_frameTime = 600;
  cGame::updateRowFeeder();
  cGame::updateRowFeeder();
  EXPECT_EQ(s->cGame_rowFirstVisible, 0);
  EXPECT_EQ(s->cGame_rowLastVisible, 1);
  Bunch(6)->inUse = 0;
  cGame::updateRowFeeder();
  EXPECT_EQ(s->cGame_rowFirstVisible, 1);
  EXPECT_TRUE(Bunch(6)->core);
  EXPECT_EQ(Bunch(6)->core->colour, 5);
}

TEST_F(RowFeederTest, OtherLevelTypesFeedNothing) {
  for (int32_t type : {0, 2, 6, 8}) {
    s->cGame_levelType = type;
    cGame::updateRowFeeder();
    EXPECT_EQ(s->cGame_rowElapsed, 0) << type;
    EXPECT_TRUE(BuiltKinds().empty()) << type;
  }
}

}  // namespace
