// Saving the player's progress survives anything: a child process that saves in a loop is
// killed with SIGKILL at random moments, and the k-th write, sync or rename of a save fails,
// for every k; each time the store opens with exactly its old or its new record.
#include <gtest/gtest.h>
#include <unistd.h>

#include <set>
#include <string>

#include "host/file_faults.h"
#include "tests/javame/record_store_fixture.h"
#include "tests/support/env_count.h"
#include "tests/support/kill_harness.h"

namespace {

constexpr int32_t kRecordSize = 264;  // the game's progress record
constexpr int kRuns = 4;
constexpr int kDefaultKills = 240;  // over the four runs; PLIMORA_KILL_ROUNDS sets another count
constexpr int kLongestWaitMicros = 12000;
constexpr const char* kStore = "progress";

// The two records the saves alternate between.
std::string Pattern(int which) {
  std::string bytes(kRecordSize, '\0');
  for (int32_t i = 0; i < kRecordSize; i++)
    bytes[i] = static_cast<char>(which ? 255 - i : i * 7 + 1);
  return bytes;
}

class RecordStoreCrashTest : public RecordStoreTest {
 protected:
  void SetUp() override {
    RecordStoreTest::SetUp();
    Store* store = Open(kStore, true);
    ASSERT_EQ(store->addRecord(Bytes(Pattern(0)), 0, kRecordSize), 1);
  }

  // The game's progress save: open with create, replace record 1, write the index.
  static bool Save(int which) {
    Store* store = Open(kStore, true);
    if (store) store->setRecord(1, Bytes(Pattern(which)), 0, kRecordSize);
    if (store && !GetPendingException()) store->writeIndexFile();
    const bool saved = store && !GetPendingException();
    ClearPendingException();
    return saved;
  }

  // Which pattern the store holds (0 or 1) after checking it is exactly record 1 of 264
  // bytes; -1 when it is anything else.
  static int StoredPattern() {
    Store* store = Open(kStore, false);
    if (!store || Ids(store) != std::vector<int32_t>{1} || store->getNextRecordID() != 2) {
      return -1;
    }
    const std::string record = Text(store->getRecord(1));
    if (GetPendingException()) return -1;
    return record == Pattern(0) ? 0 : record == Pattern(1) ? 1 : -1;
  }
};

class RecordStoreKillTest : public RecordStoreCrashTest, public ::testing::WithParamInterface<int> {
 protected:
  // The child saves until it is killed.
  static void SaveUntilKilled() {
    for (int which = 1;; which ^= 1) {
      if (!Save(which)) _exit(3);
    }
  }
};

TEST_P(RecordStoreKillTest, AStoreKilledMidSaveOpensWithTheOldOrTheNewRecord) {
  const int kills = (EnvCount("PLIMORA_KILL_ROUNDS", kDefaultKills) + kRuns - 1) / kRuns;
  const std::set<int> seen = KillAtRandomMoments(
      SaveUntilKilled, StoredPattern, static_cast<unsigned>(GetParam()), kills, kLongestWaitMicros);
  EXPECT_EQ(seen.size(), 2u) << "the kills should land between saves as well as in them";
}

INSTANTIATE_TEST_SUITE_P(Seeds, RecordStoreKillTest, ::testing::Range(1, kRuns + 1));

TEST_F(RecordStoreCrashTest, AFailureAtAnyStepOfASaveKeepsTheOldOrTheNewRecord) {
  host::ArmFileFault(host::kFaultAny, 0);
  ASSERT_TRUE(Save(1));
  const int steps = host::CountedFileOps();
  ASSERT_GE(steps, 6) << "two replaces, each a write, a sync, a rename and a folder sync";
  for (int k = 1; k <= steps; k++) {
    SCOPED_TRACE("operation " + std::to_string(k));
    host::DisarmFileFaults();
    ASSERT_TRUE(Save(0));
    host::ArmFileFault(host::kFaultAny, k);
    const bool saved = Save(1);
    host::DisarmFileFaults();
    const int stored = StoredPattern();
    EXPECT_NE(stored, -1);
    EXPECT_FALSE(saved) << "a failed step is reported";
  }
  EXPECT_TRUE(Save(1));
  EXPECT_EQ(StoredPattern(), 1);
}

TEST_F(RecordStoreCrashTest, AFailureAtAnyStepOfAnAddOrDeleteKeepsAWholeStore) {
  struct Case {
    const char* what;
    void (*change)(Store* store);
    std::vector<int32_t> before;
    std::vector<int32_t> after;
  };
  const Case cases[] = {
      {"add", [](Store* s) { s->addRecord(Bytes("two"), 0, 3); }, {1}, {1, 2}},
      {"delete", [](Store* s) { s->deleteRecord(1); }, {1}, {}},
  };
  for (const Case& c : cases) {
    host::ArmFileFault(host::kFaultAny, 0);
    c.change(Open(kStore, false));
    const int steps = host::CountedFileOps();
    for (int k = 1; k <= steps; k++) {
      SCOPED_TRACE(std::string(c.what) + ", operation " + std::to_string(k));
      host::DisarmFileFaults();
      Plant(save_, IndexName(kStore), Ints({1, 1, 1}));
      Plant(save_, RecordName(kStore, 1), Pattern(0));
      host::ArmFileFault(host::kFaultAny, k);
      c.change(Open(kStore, false));
      host::DisarmFileFaults();
      ClearPendingException();
      Store* store = Open(kStore, false);
      ASSERT_NE(store, nullptr);
      const std::vector<int32_t> ids = Ids(store);
      EXPECT_TRUE(ids == c.before || ids == c.after);
      for (const int32_t id : ids) EXPECT_NE(store->getRecord(id), nullptr) << "record " << id;
      EXPECT_EQ(TakePending().classId, 0);
    }
  }
}

}  // namespace
