// The world update: its fixed step order, the colour masks of events 44 and 45, the end of
// the indestructible bubbles (event 24), the stage end of plain levels (and none for boss and
// lesson levels), the bubbles' walk that updates each once a frame, the removal of the bubbles
// flagged dead, and collisions on fresh extents.
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

// Each moving bubble moves the next frame's start on by one while this frame's walk goes on:
// the walk still visits every bubble once, so each moves exactly one step a frame, whether all
// of them move or some rest between them.
TEST_F(WorldUpdateTest, EveryMovingBubbleUpdatesOnceAFrame) {
  s->cGame_levelType = 1;  // no stage end
  constexpr int32_t kMoving = 30, kFrames = 3;
  constexpr int32_t kSpeed = 100 << 16;                // 100 px a second: 4 px a frame
  constexpr int32_t kStep = kSpeed / 1000 * kFrameMs;  // one update's move, 16.16
  struct Case {
    const char* what;
    int32_t restEvery;  // every n-th bubble rests, 0 none
  };
  const Case kCases[] = {{"all moving", 0}, {"a resting one after every fourth", 5}};
  for (const Case& c : kCases) {
    cGame::resetBoard();
    s->cGame_bubbleUpdateStart = 0;
    std::vector<Bubble*> moving, resting;
    for (int32_t i = 0; static_cast<int32_t>(moving.size()) < kMoving; i++) {
      Bubble* b = Bubble::allocate();
      ASSERT_NE(b, nullptr) << c.what;
      const bool rests = c.restEvery > 0 && i % c.restEvery == c.restEvery - 1;
      b->bunch = Bubble::kLoose;
      b->x = (100 + 4 * i) << 16;
      b->y = (200 + 6 * i) << 16;
      b->vx = rests ? 0 : kSpeed;
      b->syncPixelFromPosition();
      b->prevPixelX = b->pixelX;
      b->prevPixelY = b->pixelY;
      (rests ? resting : moving).push_back(b);
    }
    std::vector<int32_t> startX;
    for (Bubble* b : moving) startX.push_back(b->x);
    const int32_t live = s->Bubble_activeBubbleCount;
    for (int32_t f = 1; f <= kFrames; f++) {
      const int32_t start = s->cGame_bubbleUpdateStart % live;
      Step();
      EXPECT_EQ(s->cGame_bubblesMoved, kMoving) << c.what << ", frame " << f;
      EXPECT_EQ(s->cGame_bubbleUpdateStart, start + kMoving) << c.what << ", frame " << f;
      for (size_t i = 0; i < moving.size(); i++) {
        EXPECT_EQ(moving[i]->x - startX[i], f * kStep)
            << c.what << ", frame " << f << ", bubble " << i;
      }
      for (Bubble* b : resting) EXPECT_EQ(b->pixelX, b->prevPixelX) << c.what;
    }
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

// The bubbles' step measures the bunches before it collides them: bunch 1's far member at
// (237, 366) touches bunch 0's bubble 34 px below it, which only this frame's extents bring
// inside bunch 1's box.
TEST_F(WorldUpdateTest, TheCollisionsUseTheExtentsOfTheSameFrame) {
  Placed(1, 6, 200, 300);
  Attached(1, 0, 0, 1);
  Bubble* far = Attached(1, 2, -2, 1);
  Placed(0, 6, 237, 400);
  Bubble* below = Attached(0, 0, 0, 2);
  Step();
  auto* row = static_cast<ByteArray*>(s->cGame_bunchContacts->elements()[1]);
  EXPECT_EQ(row->elements()[0], 1);
  EXPECT_TRUE(far->flags & 0x200000);
  EXPECT_TRUE(below->flags & 0x200000);
}

}  // namespace
