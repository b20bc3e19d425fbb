// Threads over POSIX threads; ids are handed out in creation order so traces stay readable.
#include "host/thread.h"

#include <pthread.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>

namespace host {
namespace {

static_assert(sizeof(pthread_t) == sizeof(unsigned long),
              "thread handles are kept as unsigned long");

std::atomic<uint32_t> nextThreadId{1};
std::atomic<bool> failNextStart{false};

// One device priority level is two steps of the system's nice value; normal is nice 0.
constexpr int kNicePerLevel = 2;

struct StartRecord {
  Thread::Entry entry;
  void* arg;
};

void* Trampoline(void* p) {
  StartRecord record = *static_cast<StartRecord*>(p);
  delete static_cast<StartRecord*>(p);
  record.entry(record.arg);
  return nullptr;
}

}  // namespace

uint32_t CurrentThreadId() {
  thread_local uint32_t id = nextThreadId.fetch_add(1, std::memory_order_relaxed);
  return id;
}

void* CurrentStackBase() {
  pthread_attr_t attr;
  void* low = nullptr;
  size_t size = 0;
  if (pthread_getattr_np(pthread_self(), &attr) != 0) return nullptr;
  pthread_attr_getstack(&attr, &low, &size);
  pthread_attr_destroy(&attr);
  return static_cast<char*>(low) + size;
}

int32_t CurrentSystemThreadId() {
  return static_cast<int32_t>(syscall(SYS_gettid));
}

bool SetThreadPriority(int32_t systemThreadId, int32_t level) {
  level = std::clamp(level, kHighestPriority, kLowestPriority);
  const int nice = (level - kNormalPriority) * kNicePerLevel;
  return setpriority(PRIO_PROCESS, static_cast<id_t>(systemThreadId), nice) == 0;
}

int32_t ThreadPriority(int32_t systemThreadId) {
  errno = 0;
  const int nice = getpriority(PRIO_PROCESS, static_cast<id_t>(systemThreadId));
  if (errno != 0) return kNormalPriority;
  return std::clamp(kNormalPriority + nice / kNicePerLevel, kHighestPriority, kLowestPriority);
}

void ArmThreadStartFault() {
  failNextStart.store(true);
}

Thread::~Thread() {
  if (started_) join();
}

bool Thread::start(Entry entry, void* arg) {
  if (started_) return false;
  if (failNextStart.exchange(false)) return false;
  auto* record = new StartRecord{entry, arg};
  pthread_t handle;
  if (pthread_create(&handle, nullptr, Trampoline, record) != 0) {
    delete record;
    return false;
  }
  handle_ = handle;
  started_ = true;
  return true;
}

void Thread::join() {
  if (!started_) return;
  pthread_join(static_cast<pthread_t>(handle_), nullptr);
  started_ = false;
}

void Thread::detach() {
  if (!started_) return;
  pthread_detach(static_cast<pthread_t>(handle_));
  started_ = false;
}

void AutoResetEvent::set() {
  {
    std::lock_guard<std::mutex> guard(mutex_);
    set_ = true;
  }
  signal_.notify_one();
}

bool AutoResetEvent::wait(uint32_t timeoutMs) {
  std::unique_lock<std::mutex> guard(mutex_);
  if (timeoutMs == kInfinite) {
    signal_.wait(guard, [this] { return set_; });
  } else if (!signal_.wait_for(guard, std::chrono::milliseconds(timeoutMs),
                               [this] { return set_; })) {
    return false;
  }
  set_ = false;
  return true;
}

}  // namespace host
