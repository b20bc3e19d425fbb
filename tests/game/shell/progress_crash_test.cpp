// The player's progress survives any crash of a save: a child that saves two complete states
// in turn is killed with SIGKILL at random moments, and the k-th write, sync or rename of a
// save fails, for every k; each time a fresh load gives exactly one of the two states.
#include <gtest/gtest.h>
#include <unistd.h>

#include <set>
#include <string>

#include "host/file_faults.h"
#include "tests/game/shell/progress_fixture.h"
#include "tests/support/env_count.h"
#include "tests/support/kill_harness.h"

namespace {

constexpr int kRuns = 4;
constexpr int kDefaultKills = 240;  // over the four runs; PLIMORA_KILL_ROUNDS sets another count
constexpr int kLongestWaitMicros = 15000;

class ProgressCrashTest : public ProgressTest {
 protected:
  void SetUp() override {
    ProgressTest::SetUp();
    Apply(Pattern(0));
    cGame::saveProgress();
  }

  // Which state (0 or 1) a fresh load gives, the setting aside; -1 when it is neither, or the
  // setting is neither on nor off.
  static int LoadedState() {
    cGame::initProgressTables();
    cGame::loadProgress();
    Progress loaded = Current();
    const int setting = loaded.at("setting");
    if (setting != 0 && setting != 1) return -1;
    for (const int which : {0, 1}) {
      Progress expected = Pattern(which);
      expected["setting"] = setting;
      if (loaded == expected) return which;
    }
    return -1;
  }
};

class ProgressKillTest : public ProgressCrashTest, public ::testing::WithParamInterface<int> {
 protected:
  // The child loads what is stored, then saves the two states in turn until it is killed.
  static void SaveUntilKilled() {
    cGame::initProgressTables();
    cGame::loadProgress();
    for (int which = 1;; which ^= 1) {
      Apply(Pattern(which));
      cGame::saveProgress();
      if (GetPendingException()) _exit(3);
    }
  }
};

TEST_P(ProgressKillTest, ProgressKilledMidSaveLoadsAsTheOldOrTheNewState) {
  const int kills = (EnvCount("PLIMORA_KILL_ROUNDS", kDefaultKills) + kRuns - 1) / kRuns;
  const std::set<int> seen = KillAtRandomMoments(
      SaveUntilKilled, LoadedState, static_cast<unsigned>(GetParam()), kills, kLongestWaitMicros);
  EXPECT_EQ(seen.size(), 2u) << "the kills should land between saves as well as in them";
}

INSTANTIATE_TEST_SUITE_P(Seeds, ProgressKillTest, ::testing::Range(1, kRuns + 1));

TEST_F(ProgressCrashTest, AFailureAtAnyStepOfASaveIsTracedAndKeepsTheOldOrTheNewState) {
  host::ArmFileFault(host::kFaultAny, 0);
  Apply(Pattern(1));
  cGame::saveProgress();
  const int steps = host::CountedFileOps();
  host::DisarmFileFaults();
  ASSERT_GE(steps, 8) << "two stores, each a record and an index written and closed";
  std::set<int> seen;
  for (int k = 1; k <= steps; k++) {
    SCOPED_TRACE("operation " + std::to_string(k) + " of " + std::to_string(steps));
    Apply(Pattern(0));
    cGame::saveProgress();
    Apply(Pattern(1));
    TraceCapture trace;
    host::ArmFileFault(host::kFaultAny, k);
    cGame::saveProgress();
    host::DisarmFileFaults();
    EXPECT_EQ(GetPendingException(), nullptr) << "the game goes on";
    EXPECT_FALSE(trace.lines().empty()) << "the failure is traced";
    const int state = LoadedState();
    EXPECT_NE(state, -1);
    seen.insert(state);
  }
  EXPECT_EQ(seen, (std::set<int>{0, 1})) << "early failures keep the old state, late the new";
}

}  // namespace
