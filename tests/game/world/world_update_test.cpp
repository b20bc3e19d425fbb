// The world update: its fixed step order, the colour masks of events 44 and 45, the end of
// the indestructible bubbles (event 24), the stage end of plain levels (and none for boss and
// lesson levels), and the removal of the bubbles flagged dead.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/world/world_steps.h"
#include "host/trace_line.h"
#include "tests/game/world/play_fixture.h"

namespace {

class WorldUpdateTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    s->cGame_levelType = 0;
    s->cGame_levelOver = false;
    s->cGame_levelStage() = 0;
    s->cGame_levelStageCount() = 1;
    SetTraceSink(&WorldUpdateTest::Capture, this);
  }
  void TearDown() override {
    SetTraceSink(nullptr, nullptr);
    RestoreWorldSteps();
    PlayTest::TearDown();
  }
  static void Capture(const char* line, void* user) {
    const std::string text = line;
    if (text.rfind("stage end ", 0) == 0) static_cast<WorldUpdateTest*>(user)->stages.push_back(text);
  }
  void Step(int32_t dt = kFrameMs) {
    s->cGame_frameTime = dt;
    cGame::updateWorldObjects();
  }
  std::vector<std::string> stages;
};

TEST_F(WorldUpdateTest, TheStepsRunInTheirFixedOrder) {
  const std::pair<int32_t, WorldStep> kNamed[] = {
      {1, &cGame::updateWaveMode},          {2, &cGame::updateMode3Scenery},
      {3, &cGame::updateLevelType4Objects}, {4, &cGame::updateScrollingBunches},
      {5, &cGame::updateTimedDrops},        {6, &cGame::updateRowFeeder},
      {7, &cGame::updateLevelType8},        {8, &cGame::updateHudMeters},
      {9, &cGame::updateWorldObjects},      {10, &cGame::flushBubbleEvents},
      {11, &cGame::updateFlyer},            {12, &cGame::updateWalkerThrow},
      {13, &cGame::updateSlots},            {14, &cGame::updateThrownBubbles},
      {15, &cGame::showScoreLabel},         {16, &cGame::updateTriggers},
      {17, &cGame::updateHudTimer},         {19, &cGame::updateSlidingBanner},
  };
  for (auto [i, step] : kNamed) EXPECT_EQ(WorldStepAt(i), step) << "step " << i;
  static std::vector<int32_t> ran;
  ran.clear();
  ReplaceWorldStep(0, [] { ran.push_back(0); });
  ReplaceWorldStep(9, [] { ran.push_back(9); });
  ReplaceWorldStep(16, [] { ran.push_back(16); });
  ReplaceWorldStep(18, [] { ran.push_back(18); });
  cGame::updateWorld();
  EXPECT_EQ(ran, (std::vector<int32_t>{0, 9, 16, 18}));
  EXPECT_EQ(WorldStepAt(kWorldStepCount), nullptr);
}

TEST_F(WorldUpdateTest, EventsFortyFourAndFortyFiveTogetherLeaveTheColoursShown) {
  s->cGame_levelType = 1;  // no stage end
  struct Case {
    const char* what;
    std::vector<int32_t> events;
    bool masked;
  };
  const Case kCases[] = {{"44 masks", {44}, true},
                         {"45 after 44 shows", {45}, false},
                         {"both together", {45, 44}, false}};
  for (const Case& c : kCases) {
    for (int32_t e : c.events) cGame::postEvent(e);
    Step();
    EXPECT_EQ(s->cGame_coloursMasked, c.masked) << c.what;
    EXPECT_EQ(s->cGame_eventCount, 0) << c.what;
  }
}

TEST_F(WorldUpdateTest, EventTwentyFourMakesTheIndestructibleBubblesOrdinary) {
  s->cGame_levelType = 1;  // no stage end
  Placed(0, 0, 240, 200);
  Bubble* hard = Attached(0, 0, 0, 3, Bubble::kIndestructible);
  Bubble* key = Attached(0, 1, 0, 12);
  const int32_t before = Bunch(0)->indestructibleCount;
  cGame::postEvent(24);
  Step();
  EXPECT_FALSE(hard->flags & Bubble::kIndestructible);
  EXPECT_EQ(Bunch(0)->indestructibleCount, before - 1);
  EXPECT_EQ(hard->changeSteps, 8) << "9 steps of the change, one already taken by its update";
  EXPECT_EQ(key->colour, 12);
  EXPECT_FALSE(Queued(24));
}

TEST_F(WorldUpdateTest, AClearedStageBuildsTheNextAndTheLastPostsTheGoal) {
  struct Case {
    const char* what;
    int32_t count, kind, stage;
    bool goal;
    std::vector<std::string> trace;
  };
  const Case kCases[] = {
      {"the first of two stages", 2, 1, 1, false, {"stage end 1"}},
      {"a single stage", 1, 1, 1, true, {"stage end 1"}},
      {"no stage count counts as one", 0, 1, 1, true, {"stage end 1"}},
      {"a boss level never ends by a cleared board", 1, 3, 0, false, {}},
      {"a lesson level neither", 1, 2, 0, false, {}},
  };
  for (const Case& c : kCases) {
    cGame::resetBoard();  // the stage a case builds from the held level is not the next's board
    stages.clear();
    s->cGame_eventCount = 0;
    s->cGame_levelStage() = 0;
    s->cGame_levelStageCount() = c.count;
    s->cGame_levelVariant = c.kind;
    Step();
    EXPECT_EQ(s->cGame_levelStage(), c.stage) << c.what;
    EXPECT_EQ(Queued(50), c.goal) << c.what;
    EXPECT_EQ(stages, c.trace) << c.what;
  }
  s->cGame_levelVariant = 1;
  s->cGame_levelOver = true;
  s->cGame_levelStage() = 0;
  Step();
  EXPECT_EQ(s->cGame_levelStage(), 0) << "an ended level has no stage end";
}

// The goal is taken by the phase machine, which sets levelOver only in the next frame: the
// board is still clear in between, and the ended level ends nothing more.
TEST_F(WorldUpdateTest, TheLastStageEndsOnceWhileTheLevelEndIsUnderWay) {
  struct Case {
    const char* what;
    int32_t count;
  };
  const Case kCases[] = {{"a single stage", 1}, {"no stage count", 0}};
  for (const Case& c : kCases) {
    stages.clear();
    s->cGame_eventCount = 0;
    s->cGame_levelVariant = 1;
    s->cGame_levelStage() = 0;
    s->cGame_levelStageCount() = c.count;
    Step();
    ASSERT_TRUE(cGame::consumeEvent(50)) << c.what;
    Step();
    Step();
    EXPECT_FALSE(Queued(50)) << c.what;
    EXPECT_EQ(s->cGame_levelStage(), 1) << c.what;
    EXPECT_EQ(stages, std::vector<std::string>{"stage end 1"}) << c.what;
  }
}

TEST_F(WorldUpdateTest, BubblesFlaggedDeadLeaveThePoolOnce) {
  s->cGame_levelType = 1;
  std::vector<Bubble*> bubbles;
  for (int32_t i = 0; i < 5; i++) {
    // Loose and at rest mid-screen, so the bubbles' own update keeps them in play.
    Bubble* b = Bubble::allocate();
    b->bunch = Bubble::kLoose;
    b->x = 240 << 16;
    b->y = 400 << 16;
    bubbles.push_back(b);
  }
  for (int32_t i : {1, 4}) bubbles[i]->flags |= Bubble::kDead;
  bubbles[0]->colour = 12;
  bubbles[0]->flags |= Bubble::kDead;
  Step();
  EXPECT_EQ(s->Bubble_activeBubbleCount, 3) << "the last one, swapped into the first place, waits";
  EXPECT_TRUE(Queued(24)) << "a key-coloured bubble's removal posts 24";
  Step();
  EXPECT_EQ(s->Bubble_activeBubbleCount, 2);
  for (int32_t i = 0; i < s->Bubble_activeBubbleCount; i++) {
    Bubble* live = static_cast<Bubble*>(s->Bubble_activeBubbles->elements()[i]);
    EXPECT_FALSE(live->flags & Bubble::kDead);
    EXPECT_TRUE(live == bubbles[2] || live == bubbles[3]);
  }
  cGame::removeBubble(7);  // no bubble in play: traced, nothing changes
  EXPECT_EQ(s->Bubble_activeBubbleCount, 2);
}

}  // namespace
