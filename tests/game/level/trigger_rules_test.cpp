// Trigger rules against frames of their condition sources: what each frame posts, one-shot
// rules leaving by a swap, repeats, the periodic timers and their latches, the falls seen
// after a load, and the rule section read from a record the level writer wrote.
#include <gtest/gtest.h>

#include <array>
#include <functional>
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

using Rule =
    std::array<int32_t, 7>;  // flags, repeat, mustSet, mustClear, mustRise, mustFall, event
using Events = std::vector<std::vector<int32_t>>;
constexpr int32_t kMany = 0x100;  // an event that the queue keeps however often it comes

class TriggerRulesTest : public LibraryTest {
 protected:
  static GameStatics* S() { return Statics<GameStatics>(); }
  // The rule section of a written record, read at its offset; levelParams as given.
  static void ReadRules(const std::vector<Rule>& rules, std::array<int32_t, 13> params = {}) {
    databuild::Level level;
    level.header.levelType = 1;
    level.header.params.assign(params.begin(), params.end());
    level.rules = rules;
    const std::vector<uint8_t> bytes = databuild::WriteLevel(level);
    GameStatics* s = S();
    for (int32_t i = 0; i < 13; i++) s->cGame_levelParams->elements()[i] = params[i];
    ByteArray* data = ManagedBytes(bytes);
    s->cGame_levelData = data;
    cGame::setDataCursor(static_cast<int32_t>(bytes.size() - 4 - 28 * rules.size()));
    s->cGame_levelBodyFailed = false;
    cGame::readLevelTriggers(data);
    cGame::resetTriggerBookkeeping();
  }
  // Runs n frames after a load, each after its set-up with the frame number from 1, and
  // returns the events each frame posted. The first frame comes before play: play's first
  // frame (levelFrames 1) is the second.
  static Events Frames(
      int n, const std::function<void(int)>& setUp = [](int) {}) {
    Events events;
    GameStatics* s = S();
    for (int f = 1; f <= n; f++) {
      s->cGame_levelFrames = f - 1;
      setUp(f);
      s->cGame_eventCount = 0;
      cGame::updateTriggers();
      std::vector<int32_t> posted;
      for (int32_t i = 0; i < s->cGame_eventCount; i++)
        posted.push_back(s->cGame_eventQueue->elements()[i]);
      events.push_back(posted);
    }
    return events;
  }
};

TEST_F(TriggerRulesTest, RulesFireOnTheFramesTheirMasksHold) {
  struct Case {
    const char* what;
    std::vector<Rule> rules;
    Events expected;
  };
  const Case kCases[] = {
      {"no masks: every frame", {{0, 1, 0, 0, 0, 0, 30}}, {{30}, {30}, {30}}},
      {"no masks, one-shot: the first frame", {{1, 1, 0, 0, 0, 0, 30}}, {{30}, {}, {}}},
      {"rising first frame of play: that frame only", {{0, 1, 0, 0, 0x1, 0, 31}}, {{}, {31}, {}}},
      {"first frame of play clear: the others", {{0, 1, 0, 0x1, 0, 0, 32}}, {{32}, {}, {32}}},
      {"two one-shots: both in the first frame",
       {{1, 1, 0, 0, 0, 0, 33}, {1, 1, 0, 0, 0, 0, 34}},
       {{33, 34}, {}, {}}},
      {"a repeat of three one-shots: three in one frame",
       {{1, 3, 0x1, 0, 0, 0, 35 | kMany}},
       {{}, {35 | kMany, 35 | kMany, 35 | kMany}, {}}},
      {"a repeat of 0 adds nothing", {{0, 0, 0, 0, 0, 0, 36}}, {{}, {}, {}}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    ReadRules(c.rules);
    EXPECT_EQ(Frames(3), c.expected);
  }
}

TEST_F(TriggerRulesTest, AOneShotSwapsInTheLastRuleWhichIsExaminedAtItsPlace) {
  // Rule 0 fires once; rule 2 takes its place and is examined first, before play, where it
  // does not hold; rule 1 does. In play's first frame rule 2 holds and rule 1 does not.
  ReadRules({{1, 1, 0, 0, 0, 0, 40}, {0, 1, 0, 0x1, 0, 0, 41}, {0, 1, 0x1, 0, 0, 0, 42}});
  EXPECT_EQ(Frames(2), (Events{{40, 41}, {42}}));
  GameStatics* s = S();
  EXPECT_EQ(s->cGame_triggerCount, 2);
  EXPECT_EQ(s->cGame_triggerOrder->elements()[0], 2);
  EXPECT_EQ(s->cGame_triggerOrder->elements()[1], 1);
  EXPECT_EQ(s->cGame_triggerOrder->elements()[2], 0);
}

TEST_F(TriggerRulesTest, ConditionsFalseAtLoadCountAsFallenInTheFirstFrame) {
  ReadRules({{0, 1, 0, 0, 0, 0x8, 43}});
  EXPECT_EQ(Frames(2), (Events{{43}, {}}));
}

TEST_F(TriggerRulesTest, TheWaitBitsFollowTheShooterWaitOutsideLessons) {
  struct Case {
    int32_t kind;
    int32_t wait;
    Events expected;
  };
  const Case kCases[] = {{1, 400, {{}}}, {1, 600, {{50}}}, {1, 2000, {{50, 51}}}, {2, 2000, {{}}}};
  for (const Case& c : kCases) {
    SCOPED_TRACE("kind " + std::to_string(c.kind) + ", waited " + std::to_string(c.wait));
    ReadRules({{0, 1, 0x80, 0, 0, 0, 50}, {0, 1, 0x100, 0, 0, 0, 51}}, {0, 500, 1500});
    S()->cGame_levelKind() = c.kind;
    S()->cGame_sinceFireRequest = c.wait;
    EXPECT_EQ(Frames(1), c.expected);
  }
}

// Timer A of 5000 ms at 1000 ms a frame: a pulse on each sixth frame, the latch from then on
// until event 9 restarts the timer, which the latch's rule sees as a fall (as it sees the
// latch false at load in the first frame).
TEST_F(TriggerRulesTest, PeriodicTimersPulseLatchAndFallWhenRestarted) {
  ReadRules({{0, 1, 0x400, 0, 0, 0, 60}, {0, 1, 0x200, 0, 0, 0, 61}, {0, 1, 0, 0, 0, 0x200, 62}},
            {0, 0, 0, 5000});
  GameStatics* s = S();
  s->cGame_sinceEvent9 = 0;
  const Events events = Frames(15, [s](int f) {
    s->cGame_sinceEvent9 += 1000;
    if (f == 9) {  // event 9, as the play phase machine takes it
      s->cGame_sinceEvent9 = 0;
      s->cGame_triggerLatch &= ~0x200;
    }
  });
  const Events expected = {{62}, {}, {}, {}, {}, {60, 61}, {61},    {61},
                           {62}, {}, {}, {}, {}, {},       {60, 61}};
  EXPECT_EQ(events, expected);
}

TEST_F(TriggerRulesTest, ATimerOfPeriodZeroIsOff) {
  ReadRules({{0, 1, 0x1800, 0, 0, 0, 63}}, {0, 0, 0, 0, 0});
  S()->cGame_sinceEvent10 = 1 << 30;
  EXPECT_EQ(Frames(2), (Events{{}, {}}));
}

TEST_F(TriggerRulesTest, TheRuleListHoldsFiftyRules) {
  struct Case {
    const char* what;
    std::vector<Rule> rules;
  };
  const Case kCases[] = {
      {"60 records: 50 read", std::vector<Rule>(60, Rule{0, 1, 0, 0, 0, 0, 70})},
      {"a repeat of 2^31 - 1", {{0, 0x7FFFFFFF, 0, 0, 0, 0, 70}}},
      {"repeats past 50", std::vector<Rule>(3, Rule{0, 20, 0, 0, 0, 0, 70})},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    ReadRules(c.rules);
    EXPECT_EQ(S()->cGame_triggerCount, 50);
    cGame::addTrigger(71, 0, 0, 0, 0, 0);
    EXPECT_EQ(S()->cGame_triggerCount, 50);
    EXPECT_FALSE(S()->cGame_levelBodyFailed);
  }
}

TEST_F(TriggerRulesTest, RemovingAPositionOutsideTheLiveRulesChangesNothing) {
  ReadRules({{0, 2, 0, 0, 0, 0, 72}});
  for (const int32_t k : {2, 3, -1, 49}) {
    cGame::removeTrigger(k);
    EXPECT_EQ(S()->cGame_triggerCount, 2);
  }
  cGame::removeTrigger(0);
  EXPECT_EQ(S()->cGame_triggerCount, 1);
  EXPECT_EQ(S()->cGame_triggerOrder->elements()[0], 1);
}

TEST_F(TriggerRulesTest, ANegativeOrCutRuleCountStopsTheBody) {
  databuild::Level level;
  level.header.levelType = 1;
  level.header.params.assign(13, 0);
  level.rules = {{0, 1, 0, 0, 0, 0, 73}, {0, 1, 0, 0, 0, 0, 74}};
  std::vector<uint8_t> bytes = databuild::WriteLevel(level);
  const size_t at = bytes.size() - 4 - 56;
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
  };
  std::vector<uint8_t> negative = bytes;
  negative[at + 3] = 0x80;
  const Case kCases[] = {{"a negative count", negative},
                         {"a record cut short", {bytes.begin(), bytes.end() - 3}}};
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    GameStatics* s = S();
    ByteArray* data = ManagedBytes(c.bytes);
    s->cGame_levelData = data;
    cGame::setDataCursor(static_cast<int32_t>(at));
    s->cGame_levelBodyFailed = false;
    TraceCapture trace;
    cGame::readLevelTriggers(data);
    EXPECT_TRUE(s->cGame_levelBodyFailed);
    ASSERT_FALSE(trace.lines().empty());
    EXPECT_NE(trace.lines().back().find("section rules at offset"), std::string::npos)
        << trace.lines().back();
  }
}

}  // namespace
