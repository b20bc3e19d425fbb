// The timer's thread: its idle end and the race with a scheduling at that moment, the limits
// of its clock and its waits, a task's pending exception, a thread that cannot start.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "host/thread.h"
#include "javame/exception_classes.h"
#include "javame/timer.h"
#include "runtime/system.h"
#include "tests/javame/timer_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

using Runs = std::vector<std::pair<int32_t, int64_t>>;
using TimerThreadTest = TimerFixture;

constexpr int64_t kLongest = std::numeric_limits<int64_t>::max();

TEST_F(TimerThreadTest, AnIdleThreadEndsAfterItsTimeOutAndTheNextTaskStartsANewOne) {
  auto* timer = NewObject<java_util_Timer>();
  java_util_TimerThread* first = timer->thread;
  EXPECT_EQ(Settle(timer), 30000);
  Advance(timer, 29999);
  EXPECT_EQ(Settle(timer), 30000);  // the same wait goes on
  EXPECT_TRUE(first->isAlive());
  Advance(timer, 1);
  Await([&] { return !first->isAlive(); });
  EXPECT_EQ(java_lang_Thread::activeCount(), 1);
  auto* task = NewObject<LoggingTask>(1);
  timer->schedule(task, int64_t{0});
  EXPECT_NE(timer->thread, first);
  EXPECT_TRUE(timer->thread->isAlive());
  Await([&] { return task->runs.load() == 1; });
  EXPECT_EQ(Settle(timer), 30000);
}

// The ending thread is held after it has decided to end: it takes no more tasks, so a task
// scheduled then gets a new thread of its own.
TEST_F(TimerThreadTest, ATaskScheduledWhileTheThreadEndsRunsOnANewThread) {
  auto* timer = NewObject<java_util_Timer>();
  java_util_TimerThread* ending = timer->thread;
  Settle(timer);
  timerHooks.holdLeaving = true;
  Advance(timer, 30000);
  Await([] { return timerHooks.held.load() != nullptr; });
  EXPECT_EQ(timerHooks.held.load(), ending);
  EXPECT_TRUE(ending->isAlive());
  auto* task = NewObject<LoggingTask>(1);
  timer->schedule(task, int64_t{0});
  ASSERT_NE(timer->thread, ending);
  Await([&] { return task->runs.load() == 1; });
  timerHooks.holdLeaving = false;
  Await([&] { return !ending->isAlive(); });
  EXPECT_TRUE(timer->thread->isAlive());
}

// Sums held at the 64-bit limit: each task's next run is never, not a time long past; the
// wait for it is cut to the longest one, and waking from that one changes nothing.
TEST_F(TimerThreadTest, TheLargestPeriodsRunOnceAndTheWaitIsCutToItsLongest) {
  auto* timer = NewObject<java_util_Timer>();
  auto* rate = NewObject<LoggingTask>(1);
  auto* delay = NewObject<LoggingTask>(2);
  timer->scheduleAtFixedRate(rate, int64_t{0}, kLongest);
  timer->schedule(delay, int64_t{0}, kLongest);
  EXPECT_EQ(Settle(timer), java_util_TimerThread::kLongestWaitMs);
  EXPECT_EQ(NextTime(rate), kLongest);
  EXPECT_EQ(NextTime(delay), kLongest);
  Advance(timer, java_util_TimerThread::kLongestWaitMs);
  EXPECT_EQ(Settle(timer), java_util_TimerThread::kLongestWaitMs);
  EXPECT_EQ(rate->runs.load(), 1);
  EXPECT_EQ(delay->runs.load(), 1);
  timer->schedule(NewObject<LoggingTask>(3), kLongest);  // now + delay is held too
  EXPECT_EQ(TakePending().classId, 0);
}

TEST_F(TimerThreadTest, ATaskThatLeavesAnExceptionPendingIsTracedAndTheNextOneRuns) {
  TraceCapture trace;
  auto* timer = NewObject<java_util_Timer>();
  auto* throwing = NewObject<LoggingTask>(
      1, [](LoggingTask*) { ThrowException(NewObject<java_lang_IllegalArgumentException>()); });
  timer->schedule(throwing, int64_t{0});
  timer->schedule(NewObject<LoggingTask>(2), int64_t{0});
  Settle(timer);
  EXPECT_EQ(Log(), (Runs{{1, kStart}, {2, kStart}}));
  EXPECT_TRUE(trace.contains(
      "java_util_TimerThread::mainLoop(): a task left java_lang_IllegalArgumentException "
      "pending; dropped"));
  EXPECT_EQ(GetPendingException(), nullptr);
}

// The failed start leaves a trace line; the task stays queued and the next scheduling starts
// a thread that runs both.
TEST_F(TimerThreadTest, AThreadThatCannotStartLeavesItsTasksForTheNextScheduling) {
  TraceCapture trace;
  host::ArmThreadStartFault();
  auto* timer = NewObject<java_util_Timer>();
  EXPECT_FALSE(timer->thread->isAlive());
  EXPECT_TRUE(trace.contains(
      "java_util_Timer: the timer thread could not start; its tasks wait for the next "
      "scheduling"));
  auto* first = NewObject<LoggingTask>(1);
  timer->schedule(first, int64_t{0});
  Await([&] { return first->runs.load() == 1; });
  Settle(timer);
  Advance(timer, 30000);
  java_util_TimerThread* ended = timer->thread;
  Await([&] { return !ended->isAlive(); });

  host::ArmThreadStartFault();
  auto* waiting = NewObject<LoggingTask>(2);
  timer->schedule(waiting, int64_t{0});
  EXPECT_FALSE(timer->thread->isAlive());
  EXPECT_EQ(timer->queue->size, 1);
  auto* next = NewObject<LoggingTask>(3);
  timer->schedule(next, int64_t{0});
  Await([&] { return waiting->runs.load() == 1 && next->runs.load() == 1; });
  EXPECT_EQ(TakePending().classId, 0);
}

// ---- Across the tick count's wrap ---------------------------------------------------------

class TimerWrapTest : public TimerFixture {
 protected:
  uint32_t startTicks() override { return 0xFFFFFFFA; }
};

// The timer's clock is the tick count until the wrap, and goes on past 2^32 after it.
TEST_F(TimerWrapTest, ATaskAcrossTheTickCountsWrapRunsOnTime) {
  auto* timer = NewObject<java_util_Timer>();
  EXPECT_EQ(java_util_Timer::now(), java_lang_System::currentTimeMillis());
  auto* task = NewObject<LoggingTask>(1);
  timer->schedule(task, int64_t{10});
  EXPECT_EQ(NextTime(task), 0x100000004);
  EXPECT_EQ(Settle(timer), 10);
  Advance(timer, 9);
  Settle(timer);
  EXPECT_EQ(task->runs.load(), 0);
  Advance(timer, 1);
  Settle(timer);
  EXPECT_EQ(Log(), (Runs{{1, 0x100000004}}));
  EXPECT_EQ(java_lang_System::currentTimeMillis(), 4);
}

}  // namespace
