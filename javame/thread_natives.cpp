// The natives of java.lang.Thread over the context's thread table: starting a thread and its
// entry, identifying threads, sleeping at a safe point, priorities; and the main thread's
// object, which the runtime context makes at its start.
#include <algorithm>
#include <cstdlib>
#include <new>

#include "host/clock.h"
#include "host/thread.h"
#include "javame/thread.h"
#include "runtime/application_impl.h"
#include "runtime/exceptions.h"
#include "runtime/object_manager.h"
#include "runtime/safe_region.h"
#include "runtime/thread_table.h"
#include "runtime/trace.h"

namespace {

// What a new system thread is given: its slot, in the table that will outlive it.
struct ThreadStart {
  ThreadTable* table;
  int32_t slot;
};

constexpr int64_t kLongestSleep = 0xFFFFFFFE;  // ms; the clock's sleeps take 32 bits

ThreadTable* Threads() {
  ApplicationImpl* context = GetApplicationImpl();
  return context ? context->threadTable() : nullptr;
}

// With a target, Thread's own run (which runs the target's) whatever the thread's class;
// otherwise the thread's run.
void RunThread(java_lang_Thread* thread) {
  if (thread->target) {
    thread->java_lang_Thread::run();
  } else {
    thread->run();
  }
}

// An exception that reached the top of the thread has no one left to catch it.
void DropPendingException() {
  Object* pending = GetPendingException();
  if (!pending) return;
  DebugLog("java_lang_Thread::run0(): %s still pending when thread 0x%X ended; dropped",
           Class::nameOf(pending), host::CurrentThreadId());
  ClearPendingException();
}

}  // namespace

// ---------------------------------------------------------------------------------------
// The main thread

// The main thread's object lives on the native heap: it exists before the heaps do. It
// starts unmarked: no collection clears the marks of objects off the object list, and a
// marked object's fields would never be followed.
java_lang_Thread* MakeMainThread() {
  void* memory = calloc(1, sizeof(java_lang_Thread));
  if (!memory) OperatorNewFailed();
  WriteHeaderInPlace(memory, cid::java_lang_Thread);
  auto* thread = new (memory) java_lang_Thread(java_lang_Thread::MainThread{});
  thread->clearMark();
  thread->priority = kMainThreadPriority;
  return thread;
}

// ---------------------------------------------------------------------------------------
// Starting and ending

// The slot is filled first (parked), then the system thread is made with the slot's index:
// the thread object is a root from the start, and a thread made during a collection waits
// at its first safe point for the collection to end.
int32_t java_lang_Thread::nativeStart() {
  ApplicationImpl* context = GetApplicationImpl();
  if (!context) return -1;
  bool added;
  const int32_t slot = context->registerThread(this, &added);
  if (slot < 0) {
    DebugLog("java_lang_Thread::nativeStart(): all %d thread slots are taken; not started",
             kThreadSlotCount);
    return -1;
  }
  if (!added) return slot;
  auto* start = new ThreadStart{context->threadTable(), slot};
  host::Thread thread;
  if (!thread.start(&java_lang_Thread::run0, start)) {
    delete start;
    context->threadTable()->freeSlot(slot);
    DebugLog("java_lang_Thread::nativeStart(): the system refused a new thread; not started");
    return -1;
  }
  thread.detach();
  return slot;
}

void java_lang_Thread::run0(void* start) {
  const ThreadStart record = *static_cast<ThreadStart*>(start);
  delete static_cast<ThreadStart*>(start);
  record.table->attach(record.slot);
  record.table->unpark(record.slot);
  java_lang_Thread* thread = record.table->threadWithId(host::CurrentThreadId());
  RunThread(thread);
  DropPendingException();
  // Still unparked here, so no collection is under way: the header may change.
  thread->collectable = 1;
  record.table->freeSlot(record.slot);
}

// ---------------------------------------------------------------------------------------
// Identity

java_lang_Thread* java_lang_Thread::currentThread() {
  ThreadTable* table = Threads();
  return table ? table->threadWithId(host::CurrentThreadId()) : nullptr;
}

int32_t java_lang_Thread::activeCount() {
  ThreadTable* table = Threads();
  return table ? table->activeCount() : 0;
}

bool java_lang_Thread::isAlive() {
  ThreadTable* table = Threads();
  return table && table->findThread(this) >= 0;
}

// Java priorities 1..10 map to device levels 9 - p, kept within 0..7 (the device's own
// mapping gave priority 10 the invalid level -1).
void java_lang_Thread::nativeSetPriority(int32_t javaPriority) {
  ThreadTable* table = Threads();
  const int32_t slot = table ? table->findThread(this) : -1;
  if (slot < 0) return;
  const int32_t level = std::clamp(9 - javaPriority, host::kHighestPriority, host::kLowestPriority);
  if (!table->setPriority(slot, level)) {
    DebugLog(
        "java_lang_Thread::nativeSetPriority(): the system refused level %d for thread slot %d",
        level, slot);
  }
}

// ---------------------------------------------------------------------------------------
// Sleeping

// When another thread is stopping the world, the thread parks here first and the time it
// spends parked counts towards the sleep. The sleep itself is a safe region too, so a
// collection never waits for a sleeper to wake.
void java_lang_Thread::sleep(int64_t ms) {
  ThreadTable* table = Threads();
  const uint32_t self = host::CurrentThreadId();
  int64_t remaining = ms;
  if (table && table->stopRequested() && table->findThreadById(self) >= 0) {
    const uint32_t parkedAt = host::TickCount();
    DebugLog("java_lang_Thread::sleep(): thread 0x%X suspending...", self);
    { SafeRegion parked; }
    DebugLog("java_lang_Thread::sleep(): thread 0x%X is awake", self);
    remaining = ms - static_cast<int64_t>(host::TickCount() - parkedAt);
  }
  if (ms < 0 || remaining < 0) return;
  SafeRegion parked;
  host::Sleep(static_cast<uint32_t>(std::min(remaining, kLongestSleep)));
}

void java_lang_Thread::yield() {
  sleep(0);
}
