// The thread slots and the parking protocol of stopping the world.
#include "runtime/thread_table.h"

#include "host/thread.h"

namespace {

constexpr ThreadSlot kFreeSlot = {nullptr, 0, 0, nullptr, nullptr, -1, false, false};

}  // namespace

ThreadTable::ThreadTable() {
  for (ThreadSlot& slot : slots_) slot = kFreeSlot;
}

// ---------------------------------------------------------------------------------------
// Slots

int32_t ThreadTable::registerThread(java_lang_Thread* thread, bool* added) {
  std::lock_guard<std::mutex> guard(lock_);
  *added = false;
  const int32_t known = findLocked(thread);
  if (known >= 0) return known;
  for (int32_t i = 0; i < kThreadSlotCount; i++) {
    if (slots_[i].thread) continue;
    slots_[i] = kFreeSlot;
    slots_[i].thread = thread;
    slots_[i].parked = true;
    *added = true;
    return i;
  }
  return -1;
}

void ThreadTable::attach(int32_t slot) {
  const uint32_t threadId = host::CurrentThreadId();
  const int32_t handle = host::CurrentSystemThreadId();
  void* stackBase = host::CurrentStackBase();
  int32_t priority;
  {
    std::lock_guard<std::mutex> guard(lock_);
    ThreadSlot& s = slots_[slot];
    s.threadId = threadId;
    s.handle = handle;
    s.stackBase = stackBase;
    priority = s.pendingPriority;
    s.pendingPriority = -1;
  }
  if (priority >= 0) host::SetThreadPriority(handle, priority);
}

void ThreadTable::freeSlot(int32_t slot) {
  std::lock_guard<std::mutex> guard(lock_);
  slots_[slot] = kFreeSlot;
  changed_.notify_all();  // a stop may be waiting for this thread
}

int32_t ThreadTable::findThread(const java_lang_Thread* thread) {
  std::lock_guard<std::mutex> guard(lock_);
  return findLocked(thread);
}

int32_t ThreadTable::findThreadById(uint32_t threadId) {
  std::lock_guard<std::mutex> guard(lock_);
  return findByIdLocked(threadId);
}

java_lang_Thread* ThreadTable::threadWithId(uint32_t threadId) {
  std::lock_guard<std::mutex> guard(lock_);
  int32_t slot = findByIdLocked(threadId);
  return slot >= 0 ? slots_[slot].thread : nullptr;
}

int32_t ThreadTable::activeCount() {
  std::lock_guard<std::mutex> guard(lock_);
  int32_t count = 0;
  for (const ThreadSlot& slot : slots_) count += slot.thread ? 1 : 0;
  return count;
}

bool ThreadTable::hasOtherThreads(uint32_t threadId) {
  std::lock_guard<std::mutex> guard(lock_);
  for (const ThreadSlot& slot : slots_) {
    if (slot.thread && slot.threadId != threadId) return true;
  }
  return false;
}

bool ThreadTable::setPriority(int32_t slot, int32_t level) {
  int32_t handle;
  {
    std::lock_guard<std::mutex> guard(lock_);
    handle = slots_[slot].handle;
    if (handle == 0) {
      slots_[slot].pendingPriority = level;
      return true;
    }
  }
  return host::SetThreadPriority(handle, level);
}

int32_t ThreadTable::findLocked(const java_lang_Thread* thread) const {
  for (int32_t i = 0; i < kThreadSlotCount; i++) {
    if (thread && slots_[i].thread == thread) return i;
  }
  return -1;
}

int32_t ThreadTable::findByIdLocked(uint32_t threadId) const {
  for (int32_t i = 0; i < kThreadSlotCount; i++) {
    if (slots_[i].thread && slots_[i].threadId == threadId) return i;
  }
  return -1;
}

// ---------------------------------------------------------------------------------------
// Parking

int32_t ThreadTable::park(const void* stackPointer) {
  std::lock_guard<std::mutex> guard(lock_);
  int32_t slot = findByIdLocked(host::CurrentThreadId());
  if (slot < 0) return -1;
  slots_[slot].savedStackPointer = stackPointer;
  slots_[slot].parked = true;
  changed_.notify_all();
  return slot;
}

// A thread whose wait ends while another thread has the world stopped stays parked and
// marks itself leaving; the end of that stop bumps the epoch and clears the parked flag of
// every leaving thread. Waiting on the epoch rather than on the stop flag lets it go even
// when a new stop begins before it wakes: with its flag cleared, that stop waits for it to
// park again at its next safe point.
void ThreadTable::unpark(int32_t slot) {
  std::unique_lock<std::mutex> guard(lock_);
  ThreadSlot& s = slots_[slot];
  if (stopDepth_ == 0 || stopperId_ == s.threadId) {
    s.parked = false;
    return;
  }
  s.leaving = true;
  const uint64_t seen = epoch_;
  changed_.wait(guard, [&] { return epoch_ != seen; });
  s.leaving = false;
}

// ---------------------------------------------------------------------------------------
// Stopping the world

void ThreadTable::stopTheWorld() {
  const uint32_t self = host::CurrentThreadId();
  std::unique_lock<std::mutex> guard(lock_);
  if (stopDepth_ > 0 && stopperId_ == self) {
    stopDepth_++;
    return;
  }
  changed_.wait(guard, [&] { return stopDepth_ == 0; });
  stopDepth_ = 1;
  stopperId_ = self;
  changed_.wait(guard, [&] { return othersParkedLocked(self); });
}

void ThreadTable::resumeTheWorld() {
  std::lock_guard<std::mutex> guard(lock_);
  if (stopDepth_ == 0 || stopperId_ != host::CurrentThreadId()) return;
  if (--stopDepth_ > 0) return;
  stopperId_ = 0;
  epoch_++;
  for (ThreadSlot& slot : slots_) {
    if (slot.leaving) slot.parked = false;
  }
  changed_.notify_all();
}

bool ThreadTable::stopRequested() {
  const uint32_t self = host::CurrentThreadId();
  std::lock_guard<std::mutex> guard(lock_);
  return stopDepth_ > 0 && stopperId_ != self;
}

bool ThreadTable::othersParkedLocked(uint32_t threadId) const {
  for (const ThreadSlot& slot : slots_) {
    if (slot.thread && slot.threadId != threadId && !slot.parked) return false;
  }
  return true;
}

int32_t ThreadTable::threadStacks(ThreadStack out[kThreadSlotCount], const void* callerStackTop) {
  const uint32_t self = host::CurrentThreadId();
  std::lock_guard<std::mutex> guard(lock_);
  int32_t count = 0;
  for (const ThreadSlot& slot : slots_) {
    if (!slot.thread) continue;
    ThreadStack& stack = out[count++];
    stack = {slot.thread, nullptr, nullptr};
    if (!slot.stackBase) continue;
    if (slot.threadId == self) {
      stack.low = callerStackTop;
    } else if (slot.savedStackPointer) {
      stack.low = slot.savedStackPointer;
    } else {
      continue;
    }
    stack.high = slot.stackBase;
  }
  return count;
}
