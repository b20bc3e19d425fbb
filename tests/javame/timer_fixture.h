// Timer tests on a test clock. The tick count is a host::ManualClock, and the timer thread's
// timed waits go through a hook: a wait notes its deadline and waits on the queue's monitor
// until notified, and Advance notifies the queues whose deadline the clock has reached. A
// second hook can hold a thread that has decided to end. No test depends on elapsed time.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include "host/clock.h"
#include "javame/date.h"
#include "javame/time_arith.h"
#include "javame/timer.h"
#include "runtime/monitor.h"
#include "runtime/safe_region.h"
#include "tests/support/library_fixture.h"

// A task that logs each run (its id and the timer's clock) and may call a body.
class LoggingTask : public java_util_TimerTask {
 public:
  using Body = void (*)(LoggingTask* self);
  explicit LoggingTask(int32_t taskId, Body runBody = nullptr) : id(taskId), body(runBody) {}
  void run() override;

  int32_t id;
  Body body;
  std::atomic<int32_t> runs;
};

// One timed wait of a timer thread, with what its queue looked like when it began: a notify
// (a new first task, a cancel) changes that, so a wait still matching it is still waiting.
struct TimerWait {
  java_util_TaskQueue* queue;
  java_util_TimerThread* thread;
  int64_t timeout;
  int64_t deadline;  // on the timer's clock
  java_util_TimerTask* head;
  int64_t headTime;
  bool mayBeScheduled;
};

// What the hooks share with the tests.
struct TimerHookState {
  host::ManualClock clock;
  std::mutex lock;                               // guards waits and log
  std::vector<TimerWait*> waits;                 // the waits in progress
  std::vector<std::pair<int32_t, int64_t>> log;  // (task id, time) of each run, in order
  std::atomic<bool> holdLeaving{false};  // set: the next thread that ends waits for its clear
  std::atomic<java_util_TimerThread*> held{nullptr};
};
inline TimerHookState timerHooks;

// Parks the calling Java thread between looks until done() holds.
template <class Done>
void Await(Done done) {
  while (!done()) {
    SafeRegion parked;
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
}

inline void LoggingTask::run() {
  {
    std::lock_guard<std::mutex> guard(timerHooks.lock);
    timerHooks.log.emplace_back(id, java_util_Timer::now());
  }
  if (body) body(this);
  runs++;
}

// ---- The hooks (timer threads, the queue's monitor held) ----------------------------------

inline void SnapshotQueue(TimerWait& wait) {
  wait.head = wait.queue->isEmpty() ? nullptr : wait.queue->getMin();
  wait.headTime = wait.head ? wait.head->nextExecutionTime : 0;
  wait.mayBeScheduled = wait.thread->newTasksMayBeScheduled != 0;
}

inline void WaitOnTestClock(java_util_TaskQueue* queue, int64_t timeoutMs) {
  TimerWait wait = {
      queue,     static_cast<java_util_TimerThread*>(java_lang_Thread::currentThread()),
      timeoutMs, SaturatingAdd(java_util_Timer::now(), timeoutMs),
      nullptr,   0,
      false};
  SnapshotQueue(wait);
  {
    std::lock_guard<std::mutex> guard(timerHooks.lock);
    timerHooks.waits.push_back(&wait);
  }
  Monitor::wait(queue, 0);
  std::lock_guard<std::mutex> guard(timerHooks.lock);
  auto& waits = timerHooks.waits;
  waits.erase(std::remove(waits.begin(), waits.end(), &wait), waits.end());
}

inline void HoldLeaving(java_util_TimerThread* thread) {
  if (!timerHooks.holdLeaving.load()) return;
  timerHooks.held = thread;
  Await([] { return !timerHooks.holdLeaving.load(); });
  timerHooks.held = nullptr;
}

// ---- The fixture --------------------------------------------------------------------------

class TimerFixture : public LibraryTest {
 protected:
  static constexpr uint32_t kStart = 1000;  // the tick count when a test begins

  void SetUp() override {
    timerHooks.clock.set(startTicks());
    timerHooks.log.clear();
    timerHooks.waits.clear();  // those of an earlier test's threads, parked for good
    timerHooks.holdLeaving = false;
    host::UseClock(&timerHooks.clock);
    SetTimerThreadHooks({&WaitOnTestClock, &HoldLeaving});
    LibraryTest::SetUp();
  }
  // Closing leaves the timer threads parked for good, so the hooks and the clock may go.
  void TearDown() override {
    LibraryTest::TearDown();
    SetTimerThreadHooks({nullptr, nullptr});
    host::UseClock(nullptr);
  }
  virtual uint32_t startTicks() { return kStart; }

  // Moves the clock on and wakes the timer's waits that have come to an end. Under the
  // queue's monitor, so no timer thread reads the clock between its reading and its wait.
  static void Advance(java_util_Timer* timer, uint32_t ms) {
    MonitorScope lock(timer->queue);
    timerHooks.clock.advance(ms);
    const int64_t now = java_util_Timer::now();
    bool ended = false;
    {
      std::lock_guard<std::mutex> guard(timerHooks.lock);
      auto& waits = timerHooks.waits;
      auto over = [&](TimerWait* wait) {
        return wait->queue == timer->queue && wait->deadline <= now;
      };
      ended = std::any_of(waits.begin(), waits.end(), over);
      waits.erase(std::remove_if(waits.begin(), waits.end(), over), waits.end());
    }
    if (ended) Monitor::notifyAll(timer->queue);
  }

  // The wait the timer's thread is in, unchanged since it began; none when it is not waiting.
  static std::optional<TimerWait> CurrentWait(java_util_Timer* timer) {
    MonitorScope lock(timer->queue);
    std::lock_guard<std::mutex> guard(timerHooks.lock);
    for (TimerWait* wait : timerHooks.waits) {
      if (wait->queue != timer->queue) continue;
      TimerWait now = *wait;
      SnapshotQueue(now);
      if (now.head == wait->head && now.headTime == wait->headTime &&
          now.mayBeScheduled == wait->mayBeScheduled) {
        return *wait;
      }
    }
    return std::nullopt;
  }
  // Returns once the timer's thread has run everything that is due and waits again; the
  // timeout of that wait.
  static int64_t Settle(java_util_Timer* timer) {
    std::optional<TimerWait> wait;
    Await([&] { return (wait = CurrentWait(timer)).has_value(); });
    return wait->timeout;
  }

  static std::vector<std::pair<int32_t, int64_t>> Log() {
    std::lock_guard<std::mutex> guard(timerHooks.lock);
    return timerHooks.log;
  }
  static int64_t NextTime(java_util_TimerTask* task) {
    MonitorScope lock(task->lock);
    return task->nextExecutionTime;
  }
  static int32_t StateOf(java_util_TimerTask* task) {
    MonitorScope lock(task->lock);
    return task->state;
  }
};
