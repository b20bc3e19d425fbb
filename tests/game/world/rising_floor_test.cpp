// Level type 3's rising floor frame by frame over the real actor pool: the launcher shakes over
// the two shots before a step, the floor steps once the pops are over, dust and ambient actors
// come off the floor by their clocks, and a board down to row 0 reaches the goal.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/board/actor.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "tests/game/board/bunch_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

constexpr int32_t kShotsPerStep = 4;

class RisingFloorTest : public BunchTest {
 protected:
  void SetUp() override {
    BunchTest::SetUp();
    s->cGame_levelType = 3;
    s->cGame_levelOver = false;
    s->cGame_levelParams = NewIntArray(13);
    IntArray::set(s->cGame_levelParams, 5, kShotsPerStep);
    s->cGame_sceneryStep = 26;
    s->cGame_sceneryY = s->cGame_sceneryPrevY = s->cGame_sceneryStartY = 640;
    s->cGame_sceneryMoving = false;
    s->cGame_sceneryDustClock = 0;
    s->cGame_sceneryAmbientTimer = 100000;
    s->cGame_sceneryActorA = nullptr;
    s->cGame_sceneryActorB = nullptr;
    s->cGame_launcherY = 640;
    s->cGame_launcherShake = 0;
    s->cGame_landedShotCount = 0;
    s->cGame_allOnRowZero = 0;
    s->Bubble_popAnimCount = 0;
    s->cGame_frameTime = 10;
    cGame::setRandomSeed(7);
  }
  // One frame, in which a shot lands when `landed`.
  static void Frame(bool landed) {
    GameStatics* g = Statics<GameStatics>();
    g->cGame_shotLanded = landed;
    if (landed) g->cGame_landedShotCount += 1;
    cGame::updateMode3Scenery();
  }
};

// Shots 2 and 3 of 4 start shakes of 24 and 36 frames: one px down on even counts, up on odd,
// counted down in the same frame. Shot 4 stops the shake and moves the floor next frame.
TEST_F(RisingFloorTest, TheLauncherShakesOverTheTwoShotsBeforeAStep) {
  struct Step {
    bool landed;
    int32_t launcherY, shakeLeft, sceneryY;
  };
  const std::vector<Step> kSteps = {
      {true, 640, 0, 640},   {true, 641, 23, 640},  {false, 639, 22, 640}, {false, 641, 21, 640},
      {true, 641, 35, 640},  {false, 639, 34, 640}, {true, 640, 0, 640},   {false, 614, 0, 614},
      {false, 614, 0, 614},
  };
  TraceCapture trace;
  for (size_t i = 0; i < kSteps.size(); i++) {
    Frame(kSteps[i].landed);
    EXPECT_EQ(s->cGame_launcherY, kSteps[i].launcherY) << i;
    EXPECT_EQ(s->cGame_launcherShake, kSteps[i].shakeLeft) << i;
    EXPECT_EQ(s->cGame_sceneryY, kSteps[i].sceneryY) << i;
    EXPECT_EQ(cActor::getY(s->cGame_sceneryActorA), kSteps[i].launcherY) << i;
  }
  EXPECT_EQ(s->cGame_launcherAltY, 641);  // the y the second shake found, one px down
  EXPECT_EQ(s->cGame_landedShotCount, 0);
  EXPECT_EQ(trace.lines(), (std::vector<std::string>{"floor step 1"}));
}

// The floor waits while a pop animation runs and steps in the first frame without one; the step
// marks the grid for rebuilding and a moved floor counts as a landing for the board survey.
TEST_F(RisingFloorTest, TheFloorStepsOnlyAfterTheLastPops) {
  s->cGame_sceneryMoving = true;
  s->Bubble_popAnimCount = 2;
  Frame(false);
  Frame(false);
  EXPECT_EQ(s->cGame_sceneryY, 640);
  s->Bubble_popAnimCount = 0;
  s->cGame_gridRebuildRequested = false;
  s->cGame_shotHasLanded = 0;
  Frame(false);
  EXPECT_EQ(s->cGame_sceneryY, 614);
  EXPECT_FALSE(s->cGame_sceneryMoving);
  EXPECT_TRUE(s->cGame_gridRebuildRequested);
  EXPECT_EQ(s->cGame_shotHasLanded, 1);
  EXPECT_EQ(s->cGame_sceneryPrevY, 614);
}

// Frames of 20 ms: the dust clock passes 50 ms at 60 and again at 60 after its restart, two
// dust actors each time; the ambient timer, run out, makes one actor and re-arms at 3..10 s.
// The two floor actors come once, in the first frame.
TEST_F(RisingFloorTest, DustAndAmbientActorsComeByTheirClocks) {
  s->cGame_frameTime = 20;
  const int32_t free = FreeCount();
  const std::vector<int32_t> kMade = {2, 2, 4, 4, 4, 6};  // actors made after each frame
  for (size_t i = 0; i < kMade.size(); i++) {
    Frame(false);
    EXPECT_EQ(free - FreeCount(), kMade[i]) << i;
  }
  EXPECT_EQ(s->cGame_sceneryDustClock, 0);
  s->cGame_sceneryAmbientTimer = 10;
  Frame(false);
  EXPECT_EQ(free - FreeCount(), 7);
  EXPECT_GE(s->cGame_sceneryAmbientTimer, 3000);
  EXPECT_LT(s->cGame_sceneryAmbientTimer, 10000);
}

// A board down to row 0 posts the goal event, but not in a lesson.
TEST_F(RisingFloorTest, ABoardDownToRowZeroReachesTheGoalOutsideLessons) {
  struct Case {
    int32_t levelKind;
    std::vector<int32_t> events;
  };
  for (const Case& c : std::vector<Case>{{1, {50}}, {2, {}}}) {
    s->cGame_levelKind() = c.levelKind;
    s->cGame_allOnRowZero = 1;
    s->cGame_eventCount = 0;
    Frame(false);
    EXPECT_EQ(Events(), c.events) << c.levelKind;
  }
}

}  // namespace
