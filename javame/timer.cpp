// java.util.Timer: the schedule forms, sched, cancel and the timer's clock. Every change of
// the queue happens under the queue's monitor; a task's fields change under its lock too.
#include <algorithm>
#include <mutex>

#include "host/clock.h"
#include "javame/date.h"
#include "javame/device_statics.h"
#include "javame/exception_classes.h"
#include "javame/time_arith.h"
#include "javame/timer.h"
#include "runtime/monitor.h"
#include "runtime/system.h"
#include "runtime/trace.h"

namespace {

// String constants of the faults.
constexpr int32_t kNegativeDelayText = 325;
constexpr int32_t kPeriodNotPositiveText = 326;
constexpr int32_t kNegativeTimeText = 327;
constexpr int32_t kTimerCancelledText = 328;
constexpr int32_t kTaskNotVirginText = 329;

// Guards the clock's latest reading. Held only to read the tick count and store the sum.
std::mutex clockLock;

}  // namespace

// ---- Construction and the clock ------------------------------------------------------------

java_util_Timer::java_util_Timer() {
  RegisterReferenceFields(this, &queue, &thread);
  queue = NewObject<java_util_TaskQueue>();
  startThread();
}

// Departure: the device compared the 32-bit tick count as it stood, so after its wrap every
// task stalled for 49 days.
// The tick count is read under the lock, so readings are ordered and each one adds the ticks
// since the one before, taken modulo 2^32: a wrap of the tick count carries into the high word.
int64_t java_util_Timer::now() {
  std::lock_guard<std::mutex> guard(clockLock);
  int64_t& latest = Statics<DeviceStatics>()->java_util_Timer_clockTime;
  const uint32_t ticks = host::TickCount();
  latest += static_cast<uint32_t>(ticks - static_cast<uint32_t>(latest));
  return latest;
}

void java_util_Timer::startThread() {
  thread = NewObject<java_util_TimerThread>(queue);
  if (thread && thread->nativeStart() < 0) {
    DebugLog(
        "java_util_Timer: the timer thread could not start; its tasks wait for the next "
        "scheduling");
  }
}

// Departure: the device compared a Date's calendar time with the tick count as it stood; the
// date is moved onto the timer's clock, so a Date form runs at that date.
int64_t java_util_Timer::timeOfDate(java_util_Date* date) {
  const int64_t time = date->getTime();
  if (time < 0) return time;
  return std::max<int64_t>(SaturatingAdd(now(), time - WallClockMillis()), 0);
}

// ---- The schedule forms --------------------------------------------------------------------

void java_util_Timer::schedule(java_util_TimerTask* task, int64_t delay) {
  if (delay < 0) return ThrowIllegalArgument(kNegativeDelayText);
  sched(task, SaturatingAdd(now(), delay), 0);
}

void java_util_Timer::schedule(java_util_TimerTask* task, java_util_Date* time) {
  if (NullCheck(time)) sched(task, timeOfDate(time), 0);
}

void java_util_Timer::schedule(java_util_TimerTask* task, int64_t delay, int64_t period) {
  if (delay < 0) return ThrowIllegalArgument(kNegativeDelayText);
  if (period <= 0) return ThrowIllegalArgument(kPeriodNotPositiveText);
  sched(task, SaturatingAdd(now(), delay), -period);
}

void java_util_Timer::schedule(java_util_TimerTask* task, java_util_Date* firstTime,
                               int64_t period) {
  if (period <= 0) return ThrowIllegalArgument(kPeriodNotPositiveText);
  if (NullCheck(firstTime)) sched(task, timeOfDate(firstTime), -period);
}

void java_util_Timer::scheduleAtFixedRate(java_util_TimerTask* task, int64_t delay,
                                          int64_t period) {
  if (delay < 0) return ThrowIllegalArgument(kNegativeDelayText);
  if (period <= 0) return ThrowIllegalArgument(kPeriodNotPositiveText);
  sched(task, SaturatingAdd(now(), delay), period);
}

void java_util_Timer::scheduleAtFixedRate(java_util_TimerTask* task, java_util_Date* firstTime,
                                          int64_t period) {
  if (period <= 0) return ThrowIllegalArgument(kPeriodNotPositiveText);
  if (NullCheck(firstTime)) sched(task, timeOfDate(firstTime), period);
}

// ---- Queueing and cancelling ---------------------------------------------------------------

// Departure: the device looked only at whether the thread was alive, so a task scheduled while
// an idle thread was ending was queued for no one.
// A thread that is ending has marked itself leaving under the queue's monitor before letting
// it go: it takes no more tasks, so a new thread is started for this one.
void java_util_Timer::sched(java_util_TimerTask* task, int64_t time, int64_t period) {
  if (time < 0) return ThrowIllegalArgument(kNegativeTimeText);
  if (!NullCheck(task) || !NullCheck(queue)) return;
  MonitorScope queueLock(queue);
  if (thread && !thread->newTasksMayBeScheduled) return ThrowIllegalState(kTimerCancelledText);
  if (!thread || thread->leaving || !thread->isAlive()) startThread();
  {
    MonitorScope taskLock(task->lock);
    if (task->state != java_util_TimerTask::kVirgin) return ThrowIllegalState(kTaskNotVirginText);
    task->nextExecutionTime = time;
    task->period = period;
    task->state = java_util_TimerTask::kScheduled;
  }
  if (!queue->add(task)) {
    MonitorScope taskLock(task->lock);
    task->state = java_util_TimerTask::kVirgin;
    return;
  }
  if (queue->getMin() == task) Monitor::notify(queue);
}

void java_util_Timer::cancel() {
  if (!NullCheck(queue)) return;
  MonitorScope queueLock(queue);
  if (thread) thread->newTasksMayBeScheduled = 0;
  queue->clear();
  Monitor::notify(queue);
}
