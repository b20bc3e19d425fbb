// java.util.TimerThread: the loop that takes due tasks off the queue, plans their next runs
// and runs them with no monitor held, and the seams through which tests drive its waits.
#include <algorithm>
#include <atomic>

#include "javame/time_arith.h"
#include "javame/timer.h"
#include "runtime/class.h"
#include "runtime/exceptions.h"
#include "runtime/monitor.h"
#include "runtime/trace.h"

namespace {

std::atomic<void (*)(java_util_TaskQueue*, int64_t)> waitHook{nullptr};
std::atomic<void (*)(java_util_TimerThread*)> leavingHook{nullptr};

}  // namespace

void SetTimerThreadHooks(const TimerThreadHooks& hooks) {
  waitHook.store(hooks.wait);
  leavingHook.store(hooks.leaving);
}

java_util_TimerThread::java_util_TimerThread(java_util_TaskQueue* taskQueue) {
  RegisterReferenceFields(this, &queue);
  newTasksMayBeScheduled = 1;
  queue = taskQueue;
}

void java_util_TimerThread::run() {
  mainLoop();
}

// ---- The loop -----------------------------------------------------------------------------

// The leaving mark is set before the queue's monitor is let go: from then on sched starts a
// new thread for any task, since this one will take no more.
void java_util_TimerThread::mainLoop() {
  if (!NullCheck(queue)) return;
  for (;;) {
    java_util_TimerTask* task;
    {
      MonitorScope queueLock(queue);
      if (!awaitTask()) {
        leaving = 1;
        break;
      }
      task = takeDueTask();
    }
    if (task) runTask(task);
  }
  if (auto hook = leavingHook.load()) hook(this);
}

// One idle wait: a task scheduled meanwhile ends it early; a cancel, or the time-out with the
// queue still empty, ends the thread.
bool java_util_TimerThread::awaitTask() {
  if (queue->isEmpty() && newTasksMayBeScheduled) timedWait(kIdleTimeoutMs);
  return !queue->isEmpty();
}

// Departure: the device's sums wrapped, so a huge period made a task due for ever (a spinning
// loop); here they are held at the limit, and a wait beyond kLongestWaitMs is cut to it.
// A due task's next run is planned before it runs: a one-shot task leaves the queue, a fixed
// delay counts from now and a fixed rate from the planned time, each sum held at the 64-bit
// limit so a huge period never wraps into a task that is always due.
java_util_TimerTask* java_util_TimerThread::takeDueTask() {
  java_util_TimerTask* task = queue->getMin();
  int64_t wait = 0;
  {
    MonitorScope taskLock(task->lock);
    if (task->state == java_util_TimerTask::kCancelled) {
      queue->removeMin();
      return nullptr;
    }
    const int64_t now = java_util_Timer::now();
    if (task->nextExecutionTime > now) {
      wait = task->nextExecutionTime - now;
    } else if (task->period == 0) {
      queue->removeMin();
      task->state = java_util_TimerTask::kExecuted;
    } else if (task->period < 0) {
      queue->rescheduleMin(SaturatingSub(now, task->period));
    } else {
      queue->rescheduleMin(SaturatingAdd(task->nextExecutionTime, task->period));
    }
  }
  if (wait == 0) return task;
  timedWait(std::min(wait, kLongestWaitMs));
  return nullptr;
}

void java_util_TimerThread::timedWait(int64_t timeoutMs) {
  if (auto hook = waitHook.load()) return hook(queue, timeoutMs);
  Monitor::wait(queue, timeoutMs);
}

// Departure: the device left such an exception pending into the loop and the next task.
// An exception the task leaves pending has no one to catch it here; the timer goes on.
void java_util_TimerThread::runTask(java_util_TimerTask* task) {
  task->run();
  if (Object* pending = GetPendingException()) {
    DebugLog("java_util_TimerThread::mainLoop(): a task left %s pending; dropped",
             Class::nameOf(pending));
    ClearPendingException();
  }
}
