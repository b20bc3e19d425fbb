// Threads, recursive locks and auto-reset events: the operating-system services the
// runtime's threads, monitors and collector stand on.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace host {

constexpr uint32_t kInfinite = 0xFFFFFFFFu;

// A small, non-zero id for the calling thread, unique for the life of the process.
uint32_t CurrentThreadId();

// The highest address of the calling thread's stack (stacks grow downwards here).
void* CurrentStackBase();

// The system's own id of the calling thread, through which its priority is set.
int32_t CurrentSystemThreadId();

// Thread priorities on the device's scale: 0 is the highest, 3 normal, 7 the lowest.
constexpr int32_t kHighestPriority = 0;
constexpr int32_t kNormalPriority = 3;
constexpr int32_t kLowestPriority = 7;
// Sets the priority of the thread with that system id (levels outside 0..7 are clamped);
// false when the system refuses (raising a priority above normal may need privileges).
bool SetThreadPriority(int32_t systemThreadId, int32_t level);
// The priority level of the thread with that system id; kNormalPriority when unknown.
int32_t ThreadPriority(int32_t systemThreadId);

// Makes the next Thread::start fail as if the system had refused the thread (tests use it
// to reach the failure path of whatever starts threads).
void ArmThreadStartFault();

// A joinable operating-system thread running entry(arg).
class Thread {
 public:
  using Entry = void (*)(void* arg);
  Thread() = default;
  Thread(const Thread&) = delete;
  Thread& operator=(const Thread&) = delete;
  ~Thread();

  // Starts the thread; false when the system refuses to create one.
  bool start(Entry entry, void* arg);
  // Waits for the thread to end; does nothing when it never started or was joined.
  void join();
  // Lets the thread run on its own; it can no longer be joined.
  void detach();
  bool started() const { return started_; }

 private:
  unsigned long handle_ = 0;
  bool started_ = false;
};

// A lock that the owning thread may take again; each lock() needs its unlock().
class RecursiveLock {
 public:
  void lock() { mutex_.lock(); }
  void unlock() { mutex_.unlock(); }
  bool tryLock() { return mutex_.try_lock(); }

 private:
  std::recursive_mutex mutex_;
};

// An event that releases one waiter per set() and then resets itself.
class AutoResetEvent {
 public:
  void set();
  // Waits until the event is set or timeoutMs passes (kInfinite: no time-out); true when set.
  bool wait(uint32_t timeoutMs = kInfinite);

 private:
  std::mutex mutex_;
  std::condition_variable signal_;
  bool set_ = false;
};

}  // namespace host
