#include "javame/thread.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>
#include <thread>

#include "host/clock.h"
#include "host/thread.h"
#include "runtime/exceptions.h"
#include "runtime/thread_table.h"
#include "tests/runtime/thread_fixture.h"
#include "tests/support/recording_clock.h"
#include "tests/support/runtime_fixture.h"

namespace {

using JavaThreadTest = ThreadsTest;

std::atomic<bool> release{false};
std::atomic<int32_t> runs{0};

// Runs once, then stays until released.
void RunUntilReleased(ProbeThread*) {
  runs++;
  SleepUntil([] { return release.load(); });
}

std::string Line(const char* format, uint32_t value) {
  char text[160];
  snprintf(text, sizeof text, format, value);
  return text;
}

// ---- Starting and ending -----------------------------------------------------------------

// A probe is collectable from birth, so while it runs only its slot keeps it; once its run
// has returned it is gone from the table and the next collection frees it.
TEST_F(JavaThreadTest, AThreadIsARootWhileItRunsAndCollectableOnceItsRunReturns) {
  release = false;
  runs = 0;
  Deep([] {
    ProbeThread* probe = NewProbe(RunUntilReleased, 7);
    ASSERT_EQ(probe->nativeStart(), 1);
    SleepUntil([] { return runs.load() == 1; });
    EXPECT_TRUE(probe->isAlive());
    EXPECT_EQ(java_lang_Thread::activeCount(), 2);
  });
  application_.objectManager->gc(kGcForced);
  EXPECT_TRUE(FinalizedProbes().empty());
  release = true;
  WaitForActiveCount(1);
  application_.objectManager->gc(kGcForced);
  EXPECT_EQ(FinalizedProbes(), std::vector<int32_t>{7});
}

// A plain Thread is made uncollectable and runs its target; the end of its run makes it
// collectable, and the target goes with it.
TEST_F(JavaThreadTest, APlainThreadRunsItsTargetAndIsFreedAfterItsRun) {
  Deep([] {
    java_lang_Thread* thread = NewObject<java_lang_Thread>();
    Task* task = NewObject<Task>(3);
    thread->target = task;
    EXPECT_EQ(thread->collectable, 0);
    ASSERT_GE(thread->nativeStart(), 0);
    WaitForActiveCount(1);
    EXPECT_EQ(task->runs.load(), 1);
    EXPECT_FALSE(thread->isAlive());
    EXPECT_EQ(thread->collectable, 1);
  });
  application_.objectManager->gc(kGcForced);
  EXPECT_EQ(FinalizedProbes(), std::vector<int32_t>{3});
}

TEST_F(JavaThreadTest, ANinthThreadIsRefusedWithATraceLine) {
  release = false;
  runs = 0;
  for (int32_t i = 1; i < kThreadSlotCount; i++)
    ASSERT_EQ(NewProbe(RunUntilReleased)->nativeStart(), i);
  SleepUntil([] { return runs.load() == kThreadSlotCount - 1; });
  TraceCapture trace;
  ProbeThread* ninth = NewProbe(RunUntilReleased);
  EXPECT_EQ(ninth->nativeStart(), -1);
  EXPECT_TRUE(
      trace.contains("java_lang_Thread::nativeStart(): all 8 thread slots are taken; not started"));
  EXPECT_FALSE(ninth->isAlive());
  EXPECT_EQ(java_lang_Thread::activeCount(), kThreadSlotCount);
  release = true;
  WaitForActiveCount(1);
  EXPECT_EQ(runs.load(), kThreadSlotCount - 1);  // the ninth never ran
}

TEST_F(JavaThreadTest, ASystemThreadThatCannotBeMadeFreesItsSlotAgain) {
  release = true;
  runs = 0;
  ProbeThread* probe = NewProbe(RunUntilReleased);
  TraceCapture trace;
  host::ArmThreadStartFault();
  EXPECT_EQ(probe->nativeStart(), -1);
  EXPECT_TRUE(trace.contains(
      "java_lang_Thread::nativeStart(): the system refused a new thread; not started"));
  EXPECT_FALSE(probe->isAlive());
  EXPECT_EQ(java_lang_Thread::activeCount(), 1);
  EXPECT_EQ(probe->nativeStart(), 1);  // the slot is free for the next start
  WaitForActiveCount(1);
  EXPECT_EQ(runs.load(), 1);
}

TEST_F(JavaThreadTest, StartingARunningThreadAgainGivesItsSlotAndRunsNothingMore) {
  release = false;
  runs = 0;
  ProbeThread* probe = NewProbe(RunUntilReleased);
  const int32_t slot = probe->nativeStart();
  EXPECT_EQ(probe->nativeStart(), slot);
  EXPECT_EQ(java_lang_Thread::activeCount(), 2);
  release = true;
  WaitForActiveCount(1);
  EXPECT_EQ(runs.load(), 1);
}

// ---- Identity --------------------------------------------------------------------------

TEST_F(JavaThreadTest, CurrentThreadIsEachJavaThreadsOwnObjectAndNullElsewhere) {
  EXPECT_EQ(java_lang_Thread::currentThread(), context_.mainThread());
  ProbeThread* probe = NewProbe(
      [](ProbeThread* self) { self->seen = java_lang_Thread::currentThread() == self ? 1 : -1; });
  probe->nativeStart();
  WaitForActiveCount(1);
  EXPECT_EQ(probe->seen.load(), 1);

  java_lang_Thread* onOtherThread = context_.mainThread();
  host::Thread other;
  other.start(
      [](void* out) { *static_cast<java_lang_Thread**>(out) = java_lang_Thread::currentThread(); },
      &onOtherThread);
  other.join();
  EXPECT_EQ(onOtherThread, nullptr);
}

// ---- The end of a run --------------------------------------------------------------------

class LostException : public java_lang_Throwable {
 public:
  static constexpr int16_t kClassId = cid::java_lang_RuntimeException;
  void finalize() override { RecordFinalized(-1); }
};

TEST_F(JavaThreadTest, AnExceptionPendingWhenRunReturnsIsTracedAndDropped) {
  TraceCapture trace;
  std::atomic<uint32_t> threadId{0};
  Deep([&] {
    ProbeThread* probe = NewProbe([](ProbeThread* self) {
      self->seen = static_cast<int32_t>(host::CurrentThreadId());
      ThrowException(NewObject<LostException>());
    });
    probe->nativeStart();
    WaitForActiveCount(1);
    threadId = static_cast<uint32_t>(probe->seen.load());
  });
  EXPECT_TRUE(
      trace.contains(Line("java_lang_Thread::run0(): java_lang_RuntimeException still pending when "
                          "thread 0x%X ended; dropped",
                          threadId)));
  application_.objectManager->gc(kGcForced);
  EXPECT_EQ(Sorted(FinalizedProbes()), (std::vector<int32_t>{-1, 0}));
}

// ---- Priorities --------------------------------------------------------------------------

// Java priority p is device level 9 - p within 0..7; only a thread in the table gets one.
TEST_F(JavaThreadTest, APriorityIsAppliedToARunningThreadOnly) {
  release = false;
  ProbeThread* probe = NewProbe([](ProbeThread* self) {
    SleepUntil([] { return release.load(); });
    self->seen = host::ThreadPriority(host::CurrentSystemThreadId());
  });
  probe->nativeSetPriority(1);  // not started: nothing to set
  probe->nativeStart();
  probe->nativeSetPriority(1);
  release = true;
  WaitForActiveCount(1);
  EXPECT_EQ(probe->seen.load(), host::kLowestPriority);
}

// ---- Sleeping ----------------------------------------------------------------------------

class SleepTest : public ThreadsTest {
 protected:
  void SetUp() override {
    host::UseClock(&clock_);
    ThreadsTest::SetUp();
  }
  void TearDown() override {
    ThreadsTest::TearDown();
    host::UseClock(nullptr);
  }
  RecordingClock clock_{5000};
};

TEST_F(SleepTest, ASleepAsksTheClockForItsTimeAndANegativeOneReturnsAtOnce) {
  struct Case {
    int64_t ms;
    std::vector<uint32_t> sleeps;
  };
  const Case cases[] = {
      {-1, {}}, {-0x100000000LL, {}}, {0, {0}}, {7, {7}}, {0x200000000LL, {0xFFFFFFFEu}},
  };
  for (const Case& c : cases) {
    clock_.clear();
    java_lang_Thread::sleep(c.ms);
    EXPECT_EQ(clock_.taken(), c.sleeps) << c.ms;
  }
  clock_.clear();
  java_lang_Thread::yield();
  EXPECT_EQ(clock_.taken(), std::vector<uint32_t>{0});
}

// A thread that reaches sleep while another thread stops the world parks there; the time
// it spends parked counts towards its sleep.
TEST_F(SleepTest, ASleepDuringAStopParksAndCountsTheParkedTime) {
  ProbeThread* probe = NewProbe([](ProbeThread* self) {
    self->seen = static_cast<int32_t>(host::CurrentThreadId());
    ThreadTable* table = GetApplicationImpl()->threadTable();
    while (!table->stopRequested()) {
    }
    java_lang_Thread::sleep(50);
  });
  TraceCapture trace;
  probe->nativeStart();
  // The main thread waits without sleeping here, so the clock records the probe's sleeps
  // alone; nothing in this test collects, so nothing needs it parked.
  while (probe->seen.load() == 0) std::this_thread::yield();
  context_.stopTheWorld();  // returns once the probe has parked in its sleep
  clock_.advance(30);
  context_.resumeTheWorld();
  while (java_lang_Thread::activeCount() > 1) std::this_thread::yield();
  const auto id = static_cast<uint32_t>(probe->seen.load());
  EXPECT_EQ(trace.lines(), (std::vector<std::string>{
                               Line("java_lang_Thread::sleep(): thread 0x%X suspending...", id),
                               Line("java_lang_Thread::sleep(): thread 0x%X is awake", id)}));
  EXPECT_EQ(clock_.taken(), std::vector<uint32_t>{20});
}

// A thread made while the world is stopped waits at its first safe point: it runs nothing
// until the stop ends.
TEST_F(JavaThreadTest, AThreadStartedDuringAStopRunsOnlyAfterIt) {
  runs = 0;
  release = true;
  context_.stopTheWorld();
  NewProbe(RunUntilReleased)->nativeStart();
  host::Sleep(50);
  EXPECT_EQ(runs.load(), 0);
  context_.resumeTheWorld();
  WaitForActiveCount(1);
  EXPECT_EQ(runs.load(), 1);
}

}  // namespace
