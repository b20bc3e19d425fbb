// Thread tests: a Java thread whose run calls a test function, a Runnable task, and waits
// that park the calling Java thread the way Java code waits (never a bare system wait, which
// would keep a collection on another thread waiting for it).
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <vector>

#include "javame/thread.h"
#include "runtime/application_impl.h"
#include "runtime/class.h"
#include "runtime/object_manager.h"
#include "tests/runtime/collector_fixture.h"
#include "tests/support/runtime_fixture.h"

// Ids of the probes and tasks finalised so far, in order.
inline std::mutex finalizedLock;
inline std::vector<int32_t> finalizedProbes;

inline void RecordFinalized(int32_t id) {
  std::lock_guard<std::mutex> guard(finalizedLock);
  finalizedProbes.push_back(id);
}

inline std::vector<int32_t> FinalizedProbes() {
  std::lock_guard<std::mutex> guard(finalizedLock);
  return finalizedProbes;
}

// A thread of the timer's thread class: collectable from birth, so only its slot keeps it
// alive while it runs. Its run calls body.
class ProbeThread : public java_lang_Thread {
 public:
  static constexpr int16_t kClassId = cid::java_util_TimerThread;
  using Body = void (*)(ProbeThread* self);
  ProbeThread(Body runBody, int32_t probeId) : body(runBody), id(probeId) {
    RegisterReferenceFields(this, &held);
  }
  void run() override { body(this); }
  void finalize() override { RecordFinalized(id); }

  Body body;
  Object* held;  // whatever the body wants kept through the thread object
  int32_t id;
  std::atomic<int32_t> seen;  // what the body observed, for the test to check
};

inline ProbeThread* NewProbe(ProbeThread::Body body, int32_t id = 0) {
  return NewObject<ProbeThread>(body, id);
}

// A Runnable target; its run counts.
class Task : public Object, public java_lang_Runnable {
 public:
  static constexpr int16_t kClassId = cid::java_util_TimerTask;
  explicit Task(int32_t taskId) : id(taskId) {}
  void* getInterface(int32_t interfaceId) override {
    return interfaceId == cid::java_lang_Runnable ? static_cast<java_lang_Runnable*>(this)
                                                  : nullptr;
  }
  void run() override { runs++; }
  void finalize() override { RecordFinalized(id); }

  int32_t id;
  std::atomic<int32_t> runs;
};

// Parks the calling Java thread in 1 ms sleeps until done() holds.
template <class Done>
void SleepUntil(Done done) {
  while (!done()) java_lang_Thread::sleep(1);
}

// Parks the calling Java thread until no more than count threads are left.
inline void WaitForActiveCount(int32_t count) {
  SleepUntil([count] { return java_lang_Thread::activeCount() <= count; });
}

// A runtime on the real clock, with the records of finalised objects cleared.
class ThreadsTest : public RuntimeTest {
 protected:
  void SetUp() override {
    RuntimeTest::SetUp();
    finalizedIds.clear();
    std::lock_guard<std::mutex> guard(finalizedLock);
    finalizedProbes.clear();
  }
};
