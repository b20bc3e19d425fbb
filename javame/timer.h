// java.util.Timer and its parts: the tasks, the queue that orders them (a binary min-heap by
// next execution time, in an array used from position 1) and the background thread that runs
// them. Lock order: the queue's monitor, then a task's lock, never the reverse. Times are
// milliseconds of the timer's clock (java_util_Timer::now).
#pragma once

#include <cstdint>

#include "javame/thread.h"
#include "runtime/interfaces.h"
#include "runtime/object.h"

class ObjectArray;
class java_util_Date;

// ---- Tasks: javame/task_queue.cpp ---------------------------------------------------------

// A task to run once or repeatedly; subclasses supply run. A task is scheduled at most once.
class java_util_TimerTask : public Object, public java_lang_Runnable {
 public:
  static constexpr int16_t kClassId = cid::java_util_TimerTask;
  static constexpr int32_t kVirgin = 0;     // never scheduled
  static constexpr int32_t kScheduled = 1;  // queued (a repeating task stays so)
  static constexpr int32_t kExecuted = 2;   // a one-shot task that has run
  static constexpr int32_t kCancelled = 3;

  java_util_TimerTask();
  void* getInterface(int32_t interfaceId) override;

  // Under lock: true when the task was scheduled (so a run has been prevented); it is then
  // cancelled for good. It stays queued until it reaches the top and is dropped there.
  bool cancel();
  // Under lock: the planned time of the latest run (fixed delay: nextExecutionTime + period;
  // fixed rate and one-shot: nextExecutionTime - period).
  int64_t scheduledExecutionTime();

  Object* lock;               // guards state, nextExecutionTime and period
  int32_t state;              // kVirgin .. kCancelled
  int64_t nextExecutionTime;  // time of the next run
  int64_t period;             // 0 one-shot; > 0 fixed rate; < 0 fixed delay of -period ms
};

// The tasks of one Timer, ordered by nextExecutionTime: the task at position k is due no
// later than those at 2k and 2k + 1. Position 0 stays null. The owner holds its monitor.
class java_util_TaskQueue : public Object {
 public:
  static constexpr int16_t kClassId = cid::java_util_TaskQueue;
  static constexpr int32_t kInitialLength = 4;

  java_util_TaskQueue();

  virtual bool isEmpty();
  // Forgets every task (positions 1 .. size become null).
  virtual void clear();

  // Queues the task, doubling the array when the new size reaches its length. False (one
  // trace line, nothing queued) when the larger array cannot be had.
  bool add(java_util_TimerTask* task);
  java_util_TimerTask* getMin();  // the task due first; the queue is not empty
  void removeMin();
  // The first task is next due at time; it moves down to its place.
  void rescheduleMin(int64_t time);
  void fixUp(int32_t k);
  void fixDown(int32_t k);

  ObjectArray* queue;  // the heap, from position 1
  int32_t size;        // tasks held

 private:
  java_util_TimerTask* at(int32_t k);
  void swap(int32_t a, int32_t b);
};

// ---- The timer's thread: javame/timer_thread.cpp ------------------------------------------

// Takes the due tasks off its queue and runs them, one after another, with no monitor held.
// It ends once an idle wait of kIdleTimeoutMs brought no task, or after the Timer's cancel.
// Its two flags are read and written under the queue's monitor.
class java_util_TimerThread : public java_lang_Thread {
 public:
  static constexpr int16_t kClassId = cid::java_util_TimerThread;
  static constexpr int64_t kIdleTimeoutMs = 30000;
  // The longest single wait: under half the tick count's 32-bit wrap, so a thread waiting for
  // a far task reads the clock often enough to see every wrap.
  static constexpr int64_t kLongestWaitMs = 0x7FFFFFFF;

  java_util_TimerThread() : java_util_TimerThread(nullptr) {}  // as the class factory makes it
  explicit java_util_TimerThread(java_util_TaskQueue* taskQueue);

  void run() override;  // mainLoop, then the thread ends
  void mainLoop();

  uint8_t newTasksMayBeScheduled;  // false once the Timer is cancelled
  uint8_t leaving;                 // set, before it lets the queue go, by a thread that is ending
  java_util_TaskQueue* queue;

 private:
  // Under the queue's monitor: waits for work when there is none; false when the thread ends.
  bool awaitTask();
  // Under the queue's monitor: the first task when it is due now (its next run already
  // planned), else null after removing a cancelled one or waiting until it is due.
  java_util_TimerTask* takeDueTask();
  void timedWait(int64_t timeoutMs);
  static void runTask(java_util_TimerTask* task);
};

// Seams for tests. wait replaces the thread's timed waits on its queue (Monitor::wait in the
// game), so that they can follow a test clock; leaving runs on a thread that has decided to
// end, after it has let the queue go and before it ends. A null member keeps the default.
struct TimerThreadHooks {
  void (*wait)(java_util_TaskQueue* queue, int64_t timeoutMs);
  void (*leaving)(java_util_TimerThread* thread);
};
void SetTimerThreadHooks(const TimerThreadHooks& hooks);

// ---- The Timer: javame/timer.cpp ----------------------------------------------------------

// Schedules tasks on its thread. A schedule form that raises (java_lang_IllegalArgumentException
// or java_lang_IllegalStateException, with its message constant) queues nothing.
class java_util_Timer : public Object {
 public:
  static constexpr int16_t kClassId = cid::java_util_Timer;

  // A new queue and a started thread over it.
  java_util_Timer();

  // One-shot, after delay ms (>= 0) or at the date.
  void schedule(java_util_TimerTask* task, int64_t delay);
  void schedule(java_util_TimerTask* task, java_util_Date* time);
  // Fixed delay (period > 0): each run period ms after the previous one began.
  void schedule(java_util_TimerTask* task, int64_t delay, int64_t period);
  void schedule(java_util_TimerTask* task, java_util_Date* firstTime, int64_t period);
  // Fixed rate: each run period ms after the previous one was planned.
  void scheduleAtFixedRate(java_util_TimerTask* task, int64_t delay, int64_t period);
  void scheduleAtFixedRate(java_util_TimerTask* task, java_util_Date* firstTime, int64_t period);
  // Refuses all scheduling from now on, forgets the queued tasks and lets the thread end.
  void cancel();

  // The timer's clock: the tick count (java_lang_System::currentTimeMillis) widened to 64
  // bits across its 32-bit wrap, so a task never stalls at a wrap.
  static int64_t now();

  java_util_TaskQueue* queue;
  java_util_TimerThread* thread;

 private:
  // Queues the task for time (>= 0) with its period; a thread that has ended, or is ending,
  // is replaced by a new one first.
  void sched(java_util_TimerTask* task, int64_t time, int64_t period);
  // Makes a new thread over the queue and starts it; a thread that cannot start (one trace
  // line) leaves the tasks queued for the next scheduling to try again.
  void startThread();
  // The date as a time of the timer's clock (now + date - the calendar clock's now), at
  // least 0; a negative date stays negative, for sched to refuse.
  static int64_t timeOfDate(java_util_Date* date);
};
