// Level type 6's timed drops frame by frame over the real bunch table: the clock held over the
// first two frames, drops in index order at their times, a due drop waiting for a free bunch
// slot, an empty board bringing the next drop early (and never one twice), the lost health.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "tests/game/world/type_rule_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

class TimedDropsTest : public TypeRuleTest {
 protected:
  void SetUp() override {
    TypeRuleTest::SetUp();
    OneBubbleTemplates({3, 6});
    s->cGame_levelType = 6;
    s->cGame_levelOver = false;
    s->cGame_levelFrames = 5;
    s->cGame_goalRemaining = 10;
    s->cGame_dropHealth = 100;
    s->cGame_dropClock = 0;
    s->cGame_dropCursor = 0;
    s->cGame_frameTime = 100;
  }
  // Drops (time ms, template, x px, fall speed px/s).
  void Drops(const std::vector<std::vector<int32_t>>& drops) {
    const int32_t n = static_cast<int32_t>(drops.size());
    s->cGame_dropCount = n;
    s->cGame_dropTime = NewIntArray(n);
    s->cGame_dropTemplate = NewByteArray(n);
    s->cGame_dropX = NewIntArray(n);
    s->cGame_dropValue = NewIntArray(n);
    for (int32_t i = 0; i < n; i++) {
      IntArray::set(s->cGame_dropTime, i, drops[i][0]);
      ByteArray::set(s->cGame_dropTemplate, i, drops[i][1]);
      IntArray::set(s->cGame_dropX, i, drops[i][2]);
      IntArray::set(s->cGame_dropValue, i, drops[i][3]);
    }
  }
  // A busy bunch in every slot but those listed.
  void FillSlotsBut(std::initializer_list<int32_t> free) {
    for (int32_t b = 0; b < 10; b++) {
      bool keep = false;
      for (int32_t f : free) keep = keep || f == b;
      if (!keep && !Bunch(b)->inUse) Attached(b, 0, 0, 1);
    }
  }
};

TEST_F(TimedDropsTest, TheClockStandsStillOverTheFirstTwoFrames) {
  Drops({{150, 0, 100, 20}});
  FillSlotsBut({5});
  for (int32_t frame : {0, 1}) {
    s->cGame_levelFrames = frame;
    cGame::updateTimedDrops();
    EXPECT_EQ(s->cGame_dropClock, 0) << frame;
  }
  s->cGame_levelFrames = 2;
  cGame::updateTimedDrops();
  EXPECT_EQ(s->cGame_dropClock, 100);
  EXPECT_EQ(s->cGame_dropCursor, 0);
  cGame::updateTimedDrops();
  EXPECT_EQ(s->cGame_dropCursor, 1);
}

// Drops at 100, 200, 200 and 400 ms with one free slot left: each due drop falls when a slot
// is free and the later ones wait behind it, their times kept; none is lost or taken twice.
TEST_F(TimedDropsTest, DueDropsFallInOrderAndWaitForAFreeSlot) {
  Drops({{100, 0, 100, 20}, {200, 1, 200, 30}, {200, 0, 300, 40}, {400, 1, 400, 50}});
  FillSlotsBut({8});
  TraceCapture trace;
  struct Frame {
    int32_t freeSlot;  // -1: none freed this frame
    int32_t clock, cursor;
    std::vector<int32_t> times;
  };
  const std::vector<Frame> kFrames = {
      {-1, 100, 1, {-1, 200, 200, 400}},  // drop 0 into slot 8
      {-1, 200, 1, {-1, 200, 200, 400}},  // drop 1 due, no slot
      {2, 300, 2, {-1, -1, 200, 400}},    // slot 2 freed: drop 1
      {3, 400, 3, {-1, -1, -1, 400}},     // slot 3: drop 2; drop 3 due, no slot left
      {-1, 500, 3, {-1, -1, -1, 400}},
      {4, 600, 4, {-1, -1, -1, -1}},
      {6, 700, 4, {-1, -1, -1, -1}},
  };
  for (const Frame& f : kFrames) {
    if (f.freeSlot >= 0) cGame::clearBunch(f.freeSlot, true);
    cGame::updateTimedDrops();
    EXPECT_EQ(s->cGame_dropClock, f.clock);
    EXPECT_EQ(s->cGame_dropCursor, f.cursor) << f.clock;
    for (int32_t i = 0; i < 4; i++) {
      EXPECT_EQ(IntArray::get(s->cGame_dropTime, i), f.times[i]) << f.clock << " drop " << i;
    }
  }
  EXPECT_EQ(trace.lines(), (std::vector<std::string>{"drop 0", "drop 1", "drop 2", "drop 3"}));
  const int32_t slots[4] = {8, 2, 3, 4};
  const int32_t kinds[4] = {3, 6, 3, 6};
  for (int32_t i = 0; i < 4; i++) {
    cGame_CBubbleBunch* bunch = Bunch(slots[i]);
    ASSERT_TRUE(bunch->core) << i;
    EXPECT_EQ(bunch->core->colour, kinds[i]) << i;
    EXPECT_EQ(bunch->type, 0) << i;
    EXPECT_EQ(bunch->variant, 4) << i;
    EXPECT_EQ(bunch->centreX, (i + 1) * 100 * kPx) << i;
    EXPECT_EQ(bunch->centreY, -28 * kPx) << i;
    EXPECT_EQ(bunch->fallSpeed, (i + 2) * 10 * kPx) << i;
  }
  EXPECT_FALSE(Bunch(6)->inUse);
}

// An empty board takes the next drop at once, long before its time; when that time comes it
// is not dropped again, and the next drop keeps its own time.
TEST_F(TimedDropsTest, AnEmptyBoardBringsTheNextDropAtOnceButNeverTwice) {
  Drops({{1000, 0, 100, 20}, {2000, 1, 200, 20}});
  TraceCapture trace;
  cGame::updateTimedDrops();
  EXPECT_EQ(s->cGame_dropCursor, 1);
  EXPECT_EQ(IntArray::get(s->cGame_dropTime, 0), -1);
  s->cGame_frameTime = 1000;
  cGame::updateTimedDrops();  // 1100 ms
  EXPECT_EQ(s->cGame_dropCursor, 1);
  cGame::updateTimedDrops();  // 2100 ms
  EXPECT_EQ(s->cGame_dropCursor, 2);
  cGame::updateTimedDrops();
  EXPECT_EQ(trace.lines(), (std::vector<std::string>{"drop 0", "drop 1"}));
}

// Health below 1 loses the level; a level that is over or has met its goal drops nothing more.
TEST_F(TimedDropsTest, LostHealthLosesTheLevelAndAnEndedLevelDropsNothing) {
  struct Case {
    int32_t health, goal;
    bool over;
    std::vector<int32_t> events;
    int32_t cursor;
  };
  const std::vector<Case> kCases = {
      {1, 10, false, {}, 1},  {0, 10, false, {51}, 1}, {-20, 10, false, {51}, 1},
      {0, 0, false, {}, 0},   {0, 10, true, {}, 0},
  };
  for (const Case& c : kCases) {
    cGame::clearAllBunches();
    Drops({{0, 0, 100, 20}});
    s->cGame_dropCursor = 0;
    s->cGame_eventCount = 0;
    s->cGame_dropHealth = c.health;
    s->cGame_goalRemaining = c.goal;
    s->cGame_levelOver = c.over;
    cGame::updateTimedDrops();
    EXPECT_EQ(Events(), c.events) << c.health << " " << c.goal << " " << c.over;
    EXPECT_EQ(s->cGame_dropCursor, c.cursor) << c.health << " " << c.goal << " " << c.over;
  }
}

// A drop index past the level's drops builds nothing.
TEST_F(TimedDropsTest, ADropPastTheLastBuildsNothing) {
  Drops({{0, 0, 100, 20}});
  for (int32_t i : {1, 7, -1}) {
    cGame::spawnTimedDrop(3, i);
    EXPECT_FALSE(Bunch(3)->inUse) << i;
    EXPECT_EQ(s->cGame_dropCursor, 0) << i;
  }
}

}  // namespace
