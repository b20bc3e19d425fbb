// The monitor table and the monitor operations over it.
#include "runtime/monitor.h"

#include <chrono>

#include "host/invariant.h"
#include "host/thread.h"
#include "runtime/application_impl.h"
#include "runtime/class.h"
#include "runtime/exceptions.h"
#include "runtime/object.h"
#include "runtime/safe_region.h"
#include "runtime/trace.h"

// ---------------------------------------------------------------------------------------
// The operations

namespace {

MonitorTable* Monitors() {
  ApplicationImpl* context = GetApplicationImpl();
  return context ? context->monitorTable() : nullptr;
}

}  // namespace

void Monitor::enter(Object* object) {
  MonitorTable* table = Monitors();
  if (table && NullCheck(object)) table->enter(object);
}

void Monitor::exit(Object* object) {
  MonitorTable* table = Monitors();
  if (table && NullCheck(object)) table->exit(object);
}

void Monitor::wait(Object* object, int64_t timeoutMs) {
  MonitorTable* table = Monitors();
  if (table && NullCheck(object)) table->wait(object, timeoutMs);
}

void Monitor::notify(Object* object, int32_t n) {
  MonitorTable* table = Monitors();
  if (table && NullCheck(object)) table->notify(object, n);
}

void Monitor::notifyAll(Object* object) {
  notify(object, -1);
}

// ---------------------------------------------------------------------------------------
// Records

MonitorTable::MonitorTable() {
  for (MonitorRecord& record : records_) {
    record.object = nullptr;
    record.owner = 0;
    record.entryCount = 0;
    record.waiterCount = 0;
  }
}

// A record is found through the object's header: bit kMonitorFlag says it owns one of the
// table (searched for), kSharedMonitorFlag that it uses the shared record for good, so that
// an object entered through the shared record never gets a second lock of its own.
int32_t MonitorTable::findMonitor(Object* object, bool create) {
  if (object->flags & kSharedMonitorFlag) return kSharedMonitor;
  if (object->flags & kMonitorFlag) {
    for (int32_t i = 0; i < kMonitorCount; i++) {
      if (records_[i].object == object) return i;
    }
  }
  if (!create) return -1;
  for (int32_t i = 0; i < kMonitorCount; i++) {
    if (records_[i].object) continue;
    records_[i].object = object;
    object->flags |= kMonitorFlag;
    return i;
  }
  if (!fullReported_) {
    DebugLog(
        "Monitor::enter(): all %d monitor records are in use; objects without one share one lock",
        kMonitorCount);
    fullReported_ = true;
  }
  object->flags |= kSharedMonitorFlag;
  return kSharedMonitor;
}

bool MonitorTable::addWaiter(int32_t monitor, uint32_t threadId, Object* object) {
  MonitorRecord& record = records_[monitor];
  if (record.waiterCount == kMonitorWaiterCount) return false;
  record.waiters[record.waiterCount++] = {threadId, object};
  return true;
}

bool MonitorTable::isWaiting(const MonitorRecord& record, uint32_t threadId) {
  for (int32_t i = 0; i < record.waiterCount; i++) {
    if (record.waiters[i].threadId == threadId) return true;
  }
  return false;
}

void MonitorTable::removeWaiterAt(MonitorRecord& record, int32_t position) {
  PLIMORA_ASSERT(position >= 0 && position < record.waiterCount);
  for (int32_t i = position + 1; i < record.waiterCount; i++)
    record.waiters[i - 1] = record.waiters[i];
  record.waiterCount--;
}

void MonitorTable::removeWaiter(MonitorRecord& record, uint32_t threadId) {
  for (int32_t i = 0; i < record.waiterCount; i++) {
    if (record.waiters[i].threadId == threadId) return removeWaiterAt(record, i);
  }
}

void MonitorTable::release(Object* object) {
  std::lock_guard<std::mutex> guard(lock_);
  const int32_t monitor = findMonitor(object, false);
  object->flags &= static_cast<uint8_t>(~(kMonitorFlag | kSharedMonitorFlag));
  if (monitor < 0 || monitor == kSharedMonitor) return;
  MonitorRecord& record = records_[monitor];
  record.object = nullptr;
  record.owner = 0;
  record.entryCount = 0;
  record.waiterCount = 0;
  fullReported_ = false;
}

MonitorRecord* MonitorTable::ownedRecord(Object* object, const char* operation) {
  const int32_t monitor = findMonitor(object, false);
  if (monitor >= 0 && records_[monitor].owner == host::CurrentThreadId()) return &records_[monitor];
  DebugLog("Monitor::%s(): thread 0x%X does not own the monitor of %s; ignored", operation,
           host::CurrentThreadId(), Class::nameOf(object));
  return nullptr;
}

// ---------------------------------------------------------------------------------------
// Entering and leaving

void MonitorTable::enter(Object* object) {
  const uint32_t self = host::CurrentThreadId();
  std::unique_lock<std::mutex> guard(lock_);
  MonitorRecord& record = records_[findMonitor(object, true)];
  if (record.owner == 0 || record.owner == self) {
    record.owner = self;
    record.entryCount++;
    return;
  }
  guard.unlock();
  enterContended(record, self);
}

// The record stays the object's while the thread waits: the object, held by the caller, is
// not freed meanwhile.
void MonitorTable::enterContended(MonitorRecord& record, uint32_t self) {
  SafeRegion parked;
  std::unique_lock<std::mutex> guard(lock_);
  record.changed.wait(guard, [&] { return record.owner == 0; });
  record.owner = self;
  record.entryCount = 1;
}

void MonitorTable::exit(Object* object) {
  std::lock_guard<std::mutex> guard(lock_);
  MonitorRecord* record = ownedRecord(object, "exit");
  PLIMORA_ASSERT(!record || record->entryCount > 0);  // an owner has entered at least once
  if (!record || --record->entryCount > 0) return;
  record->owner = 0;
  record->changed.notify_all();
}

// ---------------------------------------------------------------------------------------
// Waiting and notifying

void MonitorTable::wait(Object* object, int64_t timeoutMs) {
  const uint32_t self = host::CurrentThreadId();
  std::unique_lock<std::mutex> guard(lock_);
  if (timeoutMs < 0) {
    DebugLog("Monitor::wait(): negative time-out %lld; not waited",
             static_cast<long long>(timeoutMs));
    return;
  }
  MonitorRecord* record = ownedRecord(object, "wait");
  if (!record) return;
  if (!addWaiter(static_cast<int32_t>(record - records_), self, object)) {
    DebugLog("Monitor::wait(): all %d waiter places are taken; not waited", kMonitorWaiterCount);
    return;
  }
  const int32_t depth = record->entryCount;
  record->owner = 0;
  record->entryCount = 0;
  record->changed.notify_all();
  guard.unlock();
  waitParked(*record, self, timeoutMs, depth);
}

// Waits until a notify has taken the thread off the waiters or the time-out has passed
// (then it leaves them itself), and owns the monitor again, depth entries deep, before the
// region ends.
void MonitorTable::waitParked(MonitorRecord& record, uint32_t self, int64_t timeoutMs,
                              int32_t depth) {
  SafeRegion parked;
  std::unique_lock<std::mutex> guard(lock_);
  auto notified = [&] { return !isWaiting(record, self); };
  if (timeoutMs == 0) {
    record.changed.wait(guard, notified);
  } else {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    if (!record.changed.wait_until(guard, deadline, notified)) removeWaiter(record, self);
  }
  record.changed.wait(guard, [&] { return record.owner == 0; });
  record.owner = self;
  record.entryCount = depth;
}

void MonitorTable::notify(Object* object, int32_t n) {
  std::lock_guard<std::mutex> guard(lock_);
  MonitorRecord* record = ownedRecord(object, "notify");
  if (!record) return;
  int32_t woken = 0;
  for (int32_t i = 0; i < record->waiterCount && (n < 0 || woken < n);) {
    if (record->waiters[i].object == object) {
      removeWaiterAt(*record, i);
      woken++;
    } else {
      i++;
    }
  }
  if (woken > 0) record->changed.notify_all();
}
