#include "runtime/monitor.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

#include "host/thread.h"
#include "tests/runtime/thread_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

using MonitorTest = ThreadsTest;

// What the waiting probes share with the test: the object they wait on, how many have begun
// to wait, and the order they woke in.
Object* volatile lockObject = nullptr;
std::atomic<int32_t> waiting{0};
std::atomic<bool> release{false};
std::mutex wokeLock;
std::vector<int32_t> wokeOrder;

void RecordWoke(int32_t id) {
  std::lock_guard<std::mutex> guard(wokeLock);
  wokeOrder.push_back(id);
}

std::vector<int32_t> WokeOrder() {
  std::lock_guard<std::mutex> guard(wokeLock);
  return wokeOrder;
}

// Enters the lock object, counts itself waiting, waits untimed, records that it woke (still
// inside, so notify below proves it owns the monitor again) and leaves.
void WaitOnce(ProbeThread* self) {
  Monitor::enter(lockObject);
  waiting++;
  Monitor::wait(lockObject, 0);
  RecordWoke(self->id);
  Monitor::notify(lockObject, 0);
  Monitor::exit(lockObject);
}

void StartWaiters(int32_t count) {
  for (int32_t id = 1; id <= count; id++) {
    NewProbe(WaitOnce, id)->nativeStart();
    // Started one by one, so they begin to wait in the order of their ids.
    SleepUntil([id] { return waiting.load() == id; });
  }
}

// True once every one of count waiters has begun to wait: each counts itself inside the
// monitor and waits before leaving it, so entering after the count proves it.
bool AllWaiting(int32_t count) {
  MonitorScope scope(lockObject);
  return waiting.load() == count;
}

class MonitorWaitTest : public MonitorTest {
 protected:
  void SetUp() override {
    MonitorTest::SetUp();
    lockObject = NewObject<Object>();
    waiting = 0;
    wokeOrder.clear();
  }
  void TearDown() override {
    lockObject = nullptr;
    MonitorTest::TearDown();
  }
};

// ---- Wait and notify ---------------------------------------------------------------------

TEST_F(MonitorWaitTest, NotifyAllWakesThreeWaiters) {
  TraceCapture trace;
  StartWaiters(3);
  SleepUntil([] { return AllWaiting(3); });
  Monitor::enter(lockObject);
  Monitor::notifyAll(lockObject);
  Monitor::exit(lockObject);
  WaitForActiveCount(1);
  EXPECT_EQ(WokeOrder().size(), 3u);
  EXPECT_TRUE(trace.lines().empty());
}

TEST_F(MonitorWaitTest, NotifyWakesExactlyOneWaiterFirstComeFirstServed) {
  StartWaiters(3);
  SleepUntil([] { return AllWaiting(3); });
  for (int32_t round = 1; round <= 3; round++) {
    Monitor::enter(lockObject);
    Monitor::notify(lockObject);
    Monitor::exit(lockObject);
    WaitForActiveCount(4 - round);
    java_lang_Thread::sleep(20);  // room for a wrongly woken second waiter to show
    EXPECT_EQ(java_lang_Thread::activeCount(), 4 - round);
  }
  EXPECT_EQ(WokeOrder(), (std::vector<int32_t>{1, 2, 3}));
}

// The waiter returns only after the notify, and only once the notifier has left the
// monitor: it enters again before returning.
TEST_F(MonitorWaitTest, AnUntimedWaitReturnsOnlyAfterNotifyAndReentersTheMonitor) {
  TraceCapture trace;
  StartWaiters(1);
  SleepUntil([] { return AllWaiting(1); });
  java_lang_Thread::sleep(30);
  EXPECT_TRUE(WokeOrder().empty());
  Monitor::enter(lockObject);
  Monitor::notify(lockObject);
  java_lang_Thread::sleep(30);
  EXPECT_TRUE(WokeOrder().empty());  // notified, but the monitor is still ours
  Monitor::exit(lockObject);
  WaitForActiveCount(1);
  EXPECT_EQ(WokeOrder(), std::vector<int32_t>{1});
  EXPECT_TRUE(trace.lines().empty());  // its notify and exit found it the owner
}

TEST_F(MonitorWaitTest, ATimedWaitEndsAtItsTimeOutStillOwningTheMonitor) {
  TraceCapture trace;
  const uint32_t before = host::RealTickCount();
  Monitor::enter(lockObject);
  Monitor::wait(lockObject, 30);
  EXPECT_GE(host::RealTickCount() - before, 29u);
  Monitor::notify(lockObject);
  Monitor::exit(lockObject);
  EXPECT_TRUE(trace.lines().empty());
}

// Three entries deep, the waiter releases them all: the notifier gets in. After the wait the
// waiter owns exactly three entries again.
TEST_F(MonitorWaitTest, ANestedEnterThenWaitLetsTheNotifierInAndRestoresTheDepth) {
  TraceCapture trace;
  NewProbe([](ProbeThread* self) {
    for (int i = 0; i < 3; i++) Monitor::enter(lockObject);
    waiting++;
    Monitor::wait(lockObject, 0);
    for (int i = 0; i < 3; i++) Monitor::exit(lockObject);
    self->seen = static_cast<int32_t>(host::CurrentThreadId());
    Monitor::exit(lockObject);  // one too many
  })->nativeStart();
  SleepUntil([] { return AllWaiting(1); });
  Monitor::enter(lockObject);
  Monitor::notify(lockObject);
  Monitor::exit(lockObject);
  WaitForActiveCount(1);
  ASSERT_EQ(trace.lines().size(), 1u);
  EXPECT_EQ(trace.lines()[0].find("Monitor::exit(): thread 0x"), 0u);
}

TEST_F(MonitorWaitTest, ANegativeTimeOutIsRefusedWithoutReleasingTheMonitor) {
  TraceCapture trace;
  Monitor::enter(lockObject);
  Monitor::wait(lockObject, -5);
  EXPECT_TRUE(trace.contains("Monitor::wait(): negative time-out -5; not waited"));
  trace.clear();
  Monitor::exit(lockObject);
  EXPECT_TRUE(trace.lines().empty());
}

// ---- Ownership ---------------------------------------------------------------------------

std::string NotOwnerLine(const char* operation, uint32_t threadId) {
  char text[160];
  snprintf(text, sizeof text,
           "Monitor::%s(): thread 0x%X does not own the monitor of Object; ignored", operation,
           threadId);
  return text;
}

// exit, wait and notify by a thread that does not own the monitor (on an object never
// entered, and on one another thread owns) write one line and change nothing: the owner's
// single exit still frees the monitor for a later enter.
TEST_F(MonitorWaitTest, OperationsWithoutOwningTheMonitorTraceAndDoNothing) {
  using Operation = void (*)(Object*);
  const struct {
    const char* name;
    Operation run;
  } operations[] = {
      {"exit", [](Object* o) { Monitor::exit(o); }},
      {"wait", [](Object* o) { Monitor::wait(o, 0); }},
      {"notify", [](Object* o) { Monitor::notify(o); }},
  };
  release = false;
  NewProbe([](ProbeThread*) {
    Monitor::enter(lockObject);
    waiting++;
    SleepUntil([] { return release.load(); });
    Monitor::exit(lockObject);
  })->nativeStart();
  SleepUntil([] { return waiting.load() == 1; });
  Object* neverEntered = NewObject<Object>();
  for (const auto& operation : operations) {
    for (Object* object : {neverEntered, static_cast<Object*>(lockObject)}) {
      TraceCapture trace;
      operation.run(object);
      EXPECT_EQ(trace.lines(),
                std::vector<std::string>{NotOwnerLine(operation.name, host::CurrentThreadId())})
          << operation.name;
    }
  }
  release = true;
  WaitForActiveCount(1);
  TraceCapture trace;
  Monitor::enter(lockObject);
  Monitor::exit(lockObject);
  EXPECT_TRUE(trace.lines().empty());
}

TEST_F(MonitorTest, ANullObjectIsReportedAndSkipped) {
  TraceCapture trace;
  Monitor::enter(nullptr);
  EXPECT_TRUE(trace.contains("NullPointer"));
}

// ---- Mutual exclusion --------------------------------------------------------------------

constexpr int32_t kIncrements = 20000;
int64_t sharedCount = 0;  // guarded by lockObject's monitor only

void IncrementUnderMonitor(ProbeThread*) {
  for (int32_t i = 0; i < kIncrements; i++) {
    MonitorScope scope(lockObject);
    sharedCount = sharedCount + 1;
  }
}

TEST_F(MonitorWaitTest, MonitorScopesOfContendingThreadsExcludeEachOther) {
  sharedCount = 0;
  for (int32_t i = 0; i < 3; i++) NewProbe(IncrementUnderMonitor)->nativeStart();
  IncrementUnderMonitor(nullptr);
  WaitForActiveCount(1);
  EXPECT_EQ(sharedCount, 4 * kIncrements);
}

// ---- The table ---------------------------------------------------------------------------

constexpr char kTableFull[] =
    "Monitor::enter(): all 128 monitor records are in use; objects without one share one lock";

// When every record is taken, further objects share one lock (traced once, not per object),
// and it still excludes other threads.
TEST_F(MonitorWaitTest, AFullTableFallsBackToOneSharedLock) {
  std::vector<Object*> holders;
  for (int32_t i = 0; i < kMonitorCount; i++) {
    holders.push_back(NewObject<Object>());
    Monitor::enter(holders.back());
  }
  TraceCapture trace;
  Object* extra = NewObject<Object>();
  Monitor::enter(lockObject);
  Monitor::enter(extra);
  Monitor::exit(extra);
  EXPECT_EQ(trace.lines(), std::vector<std::string>{kTableFull});
  sharedCount = 0;
  NewProbe(IncrementUnderMonitor)->nativeStart();
  for (int32_t i = 0; i < kIncrements; i++) {
    sharedCount = sharedCount + 1;
    if (i % 1000 == 999) {
      // Leaves and enters again now and then, so the probe gets its turns.
      Monitor::exit(lockObject);
      Monitor::enter(lockObject);
    }
  }
  Monitor::exit(lockObject);
  WaitForActiveCount(1);
  EXPECT_EQ(sharedCount, 2 * kIncrements);
  for (Object* holder : holders) Monitor::exit(holder);
}

// Records come back when their objects are freed, whatever the class (Task has its own
// finalize): after that, 128 new objects all get records of their own.
TEST_F(MonitorTest, RecordsAreReleasedWhenTheirObjectsAreFreed) {
  Deep([] {
    for (int32_t i = 0; i < kMonitorCount; i++) {
      Object* object = i % 2 ? NewObject<Object>() : NewObject<Task>(i);
      Monitor::enter(object);
      Monitor::exit(object);
    }
  });
  application_.objectManager->gc(kGcForced);
  TraceCapture trace;
  std::vector<Object*> fresh;
  for (int32_t i = 0; i < kMonitorCount; i++) {
    fresh.push_back(NewObject<Object>());
    Monitor::enter(fresh.back());
  }
  EXPECT_TRUE(trace.lines().empty());
  for (Object* object : fresh) Monitor::exit(object);
}

}  // namespace
