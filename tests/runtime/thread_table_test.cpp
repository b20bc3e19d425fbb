#include "runtime/thread_table.h"

#include <gtest/gtest.h>

#include <atomic>

#include "host/clock.h"
#include "runtime/monitor.h"
#include "tests/runtime/thread_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

Object* volatile lockObject = nullptr;
std::atomic<int32_t> phase{0};
std::atomic<int64_t> counter{0};
std::atomic<bool> release{false};

class StopTheWorldTest : public ThreadsTest {
 protected:
  void SetUp() override {
    ThreadsTest::SetUp();
    lockObject = NewObject<Object>();
    phase = 0;
    counter = 0;
    release = false;
  }
  void TearDown() override {
    lockObject = nullptr;
    ThreadsTest::TearDown();
  }
  ObjectManager* manager() { return application_.objectManager; }
};

// Counts as fast as it can, passing a safe point (yield) on every turn, until released.
void CountUntilReleased(ProbeThread*) {
  while (!release.load()) {
    counter++;
    java_lang_Thread::yield();
  }
}

// Makes one garbage node (ids from firstId on) and collects, rounds times.
void CollectRounds(int32_t firstId, int32_t rounds) {
  for (int32_t round = 0; round < rounds; round++) {
    Deep([&] { NewNode(firstId + round); });
    GetApplication()->objectManager->gc(kGcForced);
  }
}

// ---- Stacks of other threads -------------------------------------------------------------

// The node lives only in the waiting thread's frames and registers; a collection on the
// main thread meanwhile leaves it alone.
TEST_F(StopTheWorldTest, AnObjectHeldOnlyByAParkedThreadSurvivesACollection) {
  ProbeThread* probe = NewProbe([](ProbeThread* self) {
    Node* local = NewNode(5);
    Monitor::enter(lockObject);
    phase = 1;
    Monitor::wait(lockObject, 0);
    Monitor::exit(lockObject);
    self->seen = local->id;
  });
  probe->nativeStart();
  SleepUntil([] { return phase.load() == 1; });
  Monitor::enter(lockObject);  // the probe is waiting: it left the monitor
  manager()->gc(kGcForced);
  EXPECT_TRUE(finalizedIds.empty());
  Monitor::notify(lockObject);
  Monitor::exit(lockObject);
  WaitForActiveCount(1);
  EXPECT_EQ(probe->seen.load(), 5);
  manager()->gc(kGcForced);
  EXPECT_EQ(finalizedIds, std::vector<int32_t>{5});
}

// Another Java thread collects while the main thread waits: the main thread's stack is
// scanned from where it parked, and its garbage goes.
TEST_F(StopTheWorldTest, ACollectionOnAnotherThreadScansTheWaitingMainThread) {
  Deep([] { NewNode(1); });
  Node* local = NewNode(9);
  Monitor::enter(lockObject);
  NewProbe([](ProbeThread*) {
    GetApplication()->objectManager->gc(kGcForced);
    MonitorScope scope(lockObject);
    Monitor::notify(lockObject);
  })->nativeStart();
  Monitor::wait(lockObject, 0);
  Monitor::exit(lockObject);
  WaitForActiveCount(1);
  EXPECT_EQ(finalizedIds, std::vector<int32_t>{1});
  EXPECT_EQ(local->id, 9);
}

// Two threads asking for collections at once take turns; each request collects.
TEST_F(StopTheWorldTest, CollectionsRequestedByTwoThreadsTakeTurns) {
  constexpr int32_t kRounds = 50;
  NewProbe([](ProbeThread*) { CollectRounds(1000, kRounds); })->nativeStart();
  CollectRounds(0, kRounds);
  WaitForActiveCount(1);
  manager()->gc(kGcForced);
  EXPECT_EQ(finalizedIds.size(), 2u * kRounds);
}

// ---- Stopping ----------------------------------------------------------------------------

// While the main thread has the world stopped the counting thread stands still, also
// across a collection nested in the stop; it goes on only when the outer stop ends.
TEST_F(StopTheWorldTest, StopsNestAndAnInnerCollectionWakesNoThread) {
  NewProbe(CountUntilReleased)->nativeStart();
  SleepUntil([] { return counter.load() > 10; });
  context_.stopTheWorld();
  const int64_t stoppedAt = counter.load();
  Deep([] { NewNode(1); });
  manager()->gc(kGcForced);
  EXPECT_EQ(finalizedIds, std::vector<int32_t>{1});
  host::Sleep(30);
  EXPECT_EQ(counter.load(), stoppedAt);
  context_.resumeTheWorld();
  SleepUntil([stoppedAt] { return counter.load() > stoppedAt; });
  release = true;
  WaitForActiveCount(1);
}

// Close stops the world for good: the counting thread never runs again, and neither close
// nor the context's end waits for it.
TEST(CloseTest, NoJavaThreadRunsAfterClose) {
  static std::atomic<int64_t> count{0};
  ApplicationImpl context;
  context.init();
  NewProbe([](ProbeThread*) {
    for (;;) {
      count++;
      java_lang_Thread::yield();
    }
  })->nativeStart();
  SleepUntil([] { return count.load() > 10; });
  context.close();
  const int64_t closedAt = count.load();
  host::Sleep(50);
  EXPECT_EQ(count.load(), closedAt);
}

}  // namespace
