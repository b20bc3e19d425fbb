#include "javame/timer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "javame/date.h"
#include "runtime/system.h"
#include "tests/javame/timer_fixture.h"

namespace {

using Task = java_util_TimerTask;
using Runs = std::vector<std::pair<int32_t, int64_t>>;

class TimerTest : public TimerFixture {};

// ---- Order and periods --------------------------------------------------------------------

TEST_F(TimerTest, TasksRunInTheOrderOfTheirTimes) {
  auto* timer = NewObject<java_util_Timer>();
  EXPECT_EQ(Settle(timer), java_util_TimerThread::kIdleTimeoutMs);
  for (int32_t delay : {30, 10, 20}) timer->schedule(NewObject<LoggingTask>(delay), delay);
  EXPECT_EQ(Settle(timer), 10);
  for (int32_t step = 0; step < 3; step++) {
    Advance(timer, 10);
    Settle(timer);
  }
  EXPECT_EQ(Log(), (Runs{{10, kStart + 10}, {20, kStart + 20}, {30, kStart + 30}}));
  EXPECT_TRUE(timer->queue->isEmpty());
}

// Both run 30 ms late: the fixed delay counts its next run from that start, the fixed rate
// from the planned time, so it runs again sooner.
TEST_F(TimerTest, FixedDelayCountsFromTheLateStartAndFixedRateFromThePlannedTime) {
  auto* timer = NewObject<java_util_Timer>();
  auto* delay = NewObject<LoggingTask>(1);
  auto* rate = NewObject<LoggingTask>(2);
  timer->schedule(delay, int64_t{100}, int64_t{100});
  timer->scheduleAtFixedRate(rate, int64_t{100}, int64_t{100});
  Settle(timer);
  Advance(timer, 130);
  EXPECT_EQ(Settle(timer), 70);
  EXPECT_EQ(delay->scheduledExecutionTime(), kStart + 130);
  EXPECT_EQ(NextTime(delay), kStart + 230);
  EXPECT_EQ(rate->scheduledExecutionTime(), kStart + 100);
  EXPECT_EQ(NextTime(rate), kStart + 200);
  Advance(timer, 70);
  Settle(timer);
  Advance(timer, 30);
  Settle(timer);
  EXPECT_EQ(Log(),
            (Runs{{1, kStart + 130}, {2, kStart + 130}, {2, kStart + 200}, {1, kStart + 230}}));
  EXPECT_EQ(StateOf(delay), Task::kScheduled);
}

TEST_F(TimerTest, AOneShotTaskEndsExecutedAndCanNoLongerBeCancelled) {
  auto* timer = NewObject<java_util_Timer>();
  auto* task = NewObject<LoggingTask>(1);
  timer->schedule(task, int64_t{0});
  Settle(timer);
  EXPECT_EQ(task->runs.load(), 1);
  EXPECT_EQ(StateOf(task), Task::kExecuted);
  EXPECT_EQ(task->scheduledExecutionTime(), kStart);
  EXPECT_FALSE(task->cancel());
}

// ---- Cancelling ---------------------------------------------------------------------------

// A cancelled task stays queued until it reaches the top; there it is dropped unrun.
TEST_F(TimerTest, ACancelledTaskIsDroppedWhenItReachesTheTop) {
  auto* timer = NewObject<java_util_Timer>();
  auto* dropped = NewObject<LoggingTask>(1);
  auto* kept = NewObject<LoggingTask>(2);
  timer->schedule(dropped, int64_t{10});
  timer->schedule(kept, int64_t{20});
  EXPECT_EQ(Settle(timer), 10);
  EXPECT_TRUE(dropped->cancel());  // wakes nobody: the thread goes on waiting for it
  EXPECT_FALSE(dropped->cancel());
  EXPECT_EQ(timer->queue->size, 2);
  EXPECT_EQ(Settle(timer), 10);
  Advance(timer, 10);
  EXPECT_EQ(Settle(timer), 10);
  EXPECT_EQ(timer->queue->size, 1);
  Advance(timer, 10);
  Settle(timer);
  EXPECT_EQ(Log(), (Runs{{2, kStart + 20}}));
}

TEST_F(TimerTest, CancelForgetsTheTasksEndsTheThreadAndRefusesSchedulingForGood) {
  auto* timer = NewObject<java_util_Timer>();
  timer->schedule(NewObject<LoggingTask>(1), int64_t{10});
  Settle(timer);
  java_util_TimerThread* thread = timer->thread;
  timer->cancel();
  Await([&] { return !thread->isAlive(); });
  EXPECT_TRUE(timer->queue->isEmpty());
  timer->schedule(NewObject<LoggingTask>(2), int64_t{0});
  const Raised raised = TakePending();
  EXPECT_EQ(raised.classId, cid::java_lang_IllegalStateException);
  EXPECT_EQ(raised.message, "Timer already cancelled");
  EXPECT_EQ(timer->thread, thread);  // no thread was started for it
  EXPECT_TRUE(Log().empty());
}

// ---- Faults -------------------------------------------------------------------------------

TEST_F(TimerTest, EachFaultRaisesWithItsMessageAndQueuesNothing) {
  using Action = void (*)(java_util_Timer*, Task*);
  struct Row {
    const char* name;
    Action action;
    int32_t classId;
    const char* message;
  };
  const int32_t kIllegalArgument = cid::java_lang_IllegalArgumentException;
  const Row rows[] = {
      {"negative delay", [](java_util_Timer* t, Task* k) { t->schedule(k, int64_t{-1}); },
       kIllegalArgument, "Negative delay"},
      {"negative delay, fixed delay",
       [](java_util_Timer* t, Task* k) { t->schedule(k, int64_t{-1}, int64_t{5}); },
       kIllegalArgument, "Negative delay"},
      {"negative delay, fixed rate",
       [](java_util_Timer* t, Task* k) { t->scheduleAtFixedRate(k, int64_t{-1}, int64_t{5}); },
       kIllegalArgument, "Negative delay"},
      {"zero period", [](java_util_Timer* t, Task* k) { t->schedule(k, int64_t{0}, int64_t{0}); },
       kIllegalArgument, "Non-positive period"},
      {"negative period, fixed rate",
       [](java_util_Timer* t, Task* k) { t->scheduleAtFixedRate(k, int64_t{0}, int64_t{-5}); },
       kIllegalArgument, "Non-positive period"},
      {"zero period, date",
       [](java_util_Timer* t, Task* k) {
         t->schedule(k, NewObject<java_util_Date>(int64_t{0}), int64_t{0});
       },
       kIllegalArgument, "Non-positive period"},
      {"negative date",
       [](java_util_Timer* t, Task* k) { t->schedule(k, NewObject<java_util_Date>(int64_t{-1})); },
       kIllegalArgument, "Negative execution time"},
      {"negative date, fixed rate",
       [](java_util_Timer* t, Task* k) {
         t->scheduleAtFixedRate(k, NewObject<java_util_Date>(int64_t{-5}), int64_t{10});
       },
       kIllegalArgument, "Negative execution time"},
      {"task scheduled already",
       [](java_util_Timer* t, Task* k) {
         t->schedule(k, int64_t{50});
         t->schedule(k, int64_t{60});
       },
       cid::java_lang_IllegalStateException, "Task already scheduled or cancelled"},
      {"task cancelled",
       [](java_util_Timer* t, Task* k) {
         k->cancel();
         t->schedule(k, int64_t{50});
       },
       cid::java_lang_IllegalStateException, "Task already scheduled or cancelled"},
      {"timer cancelled",
       [](java_util_Timer* t, Task* k) {
         t->cancel();
         t->schedule(k, int64_t{50});
       },
       cid::java_lang_IllegalStateException, "Timer already cancelled"},
  };
  for (const Row& row : rows) {
    auto* timer = NewObject<java_util_Timer>();
    auto* task = NewObject<LoggingTask>(1);
    row.action(timer, task);
    const Raised raised = TakePending();
    EXPECT_EQ(raised.classId, row.classId) << row.name;
    EXPECT_EQ(raised.message, row.message) << row.name;
    const int32_t queued = StateOf(task) == Task::kScheduled ? 1 : 0;  // the first of two
    EXPECT_EQ(timer->queue->size, queued) << row.name;
    EXPECT_EQ(NextTime(task), queued ? kStart + 50 : 0) << row.name;
    timer->cancel();  // its thread ends, and its slot is free for the next row's
    java_util_TimerThread* thread = timer->thread;
    Await([&] { return !thread->isAlive(); });
  }
}

// ---- Dates --------------------------------------------------------------------------------

// A Date is calendar time: the Date forms move it onto the timer's clock. The calendar clock
// counts whole seconds, so a second may pass between the test's reading and the timer's.
TEST_F(TimerTest, TheDateFormsRunAtTheirDateOnTheTimersClock) {
  auto* timer = NewObject<java_util_Timer>();
  auto* later = NewObject<LoggingTask>(1);
  auto* past = NewObject<LoggingTask>(2);
  auto* delay = NewObject<LoggingTask>(3);
  auto* rate = NewObject<LoggingTask>(4);
  const int64_t wall = WallClockMillis();
  timer->schedule(later, NewObject<java_util_Date>(wall + 500));
  const int64_t planned = NextTime(later);
  EXPECT_TRUE(planned == kStart + 500 || planned == 500) << planned;
  timer->schedule(past, NewObject<java_util_Date>(int64_t{0}));
  EXPECT_EQ(NextTime(past), 0);
  timer->schedule(delay, NewObject<java_util_Date>(wall + 5000), int64_t{100});
  timer->scheduleAtFixedRate(rate, NewObject<java_util_Date>(wall + 5000), int64_t{100});
  {
    MonitorScope lock(delay->lock);
    EXPECT_EQ(delay->period, -100);
  }
  {
    MonitorScope lock(rate->lock);
    EXPECT_EQ(rate->period, 100);
  }
  timer->schedule(NewObject<LoggingTask>(5), static_cast<java_util_Date*>(nullptr));
  Settle(timer);
  EXPECT_EQ(past->runs.load(), 1);
  EXPECT_EQ(timer->queue->size, planned == 500 ? 2 : 3);  // the null date queued nothing
}

}  // namespace
