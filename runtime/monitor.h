// Java monitors: synchronized code, wait and notify. Each object that has been entered owns
// one of 128 monitor records, kept until the object is freed; when all are taken, further
// objects share one extra record (one global lock). Every record's state is guarded by the
// monitor-table lock, which is never held while a thread blocks.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>

class Object;

constexpr int32_t kMonitorCount = 128;
constexpr int32_t kSharedMonitor = kMonitorCount;  // the record of objects that found none free
constexpr int32_t kMonitorWaiterCount = 8;         // one place per Java thread

// The operations translated code calls. A null object writes the null-pointer trace and is
// skipped; exit, wait and notify by a thread that does not own the monitor write a trace line
// and do nothing.
class Monitor {
 public:
  // Enters the object's monitor, blocking (parked) while another thread owns it; the owner
  // may enter again.
  static void enter(Object* object);
  // Undoes one enter.
  static void exit(Object* object);
  // Releases every level of the owner's entries, waits until notified or, for a time-out
  // above 0, until timeoutMs milliseconds have passed, then enters again as deeply as before.
  static void wait(Object* object, int64_t timeoutMs);
  // Wakes the first n threads waiting on the object, in the order they began to wait
  // (n = -1 or more than are waiting: all of them).
  static void notify(Object* object, int32_t n = 1);
  static void notifyAll(Object* object);
};

// Holds an object's monitor for the life of a scope: a synchronized operation opens one for
// its whole run.
class MonitorScope {
 public:
  explicit MonitorScope(Object* object) : object_(object) { Monitor::enter(object_); }
  ~MonitorScope() { Monitor::exit(object_); }
  MonitorScope(const MonitorScope&) = delete;
  MonitorScope& operator=(const MonitorScope&) = delete;

 private:
  Object* object_;
};

// A thread waiting on a monitor; the object tells apart the waiters of the shared record.
struct MonitorWaiter {
  uint32_t threadId;
  Object* object;
};

struct MonitorRecord {
  Object* object;       // the object this record belongs to; null: free (and for the shared one)
  uint32_t owner;       // thread id of the owner; 0: not owned
  int32_t entryCount;   // the owner's entries minus exits
  int32_t waiterCount;  // waiters in use, oldest first
  MonitorWaiter waiters[kMonitorWaiterCount];
  std::condition_variable changed;  // the owner left, or waiters were notified
};

// The monitor table of the runtime context.
class MonitorTable {
 public:
  MonitorTable();
  MonitorTable(const MonitorTable&) = delete;
  MonitorTable& operator=(const MonitorTable&) = delete;

  void enter(Object* object);
  void exit(Object* object);
  void wait(Object* object, int64_t timeoutMs);
  void notify(Object* object, int32_t n);
  // Releases the record of an object that the collector frees.
  void release(Object* object);

  // The object's record: its index, kSharedMonitor for an object that shares the extra
  // record, or -1 when it has none and create is false. The caller holds the table lock.
  int32_t findMonitor(Object* object, bool create);
  // Adds a waiter behind the others; false when all places are taken. Table lock held.
  bool addWaiter(int32_t monitor, uint32_t threadId, Object* object);

 private:
  // The record the calling thread owns for object, or null after writing why not.
  MonitorRecord* ownedRecord(Object* object, const char* operation);
  void enterContended(MonitorRecord& record, uint32_t self);
  void waitParked(MonitorRecord& record, uint32_t self, int64_t timeoutMs, int32_t depth);
  static bool isWaiting(const MonitorRecord& record, uint32_t threadId);
  static void removeWaiterAt(MonitorRecord& record, int32_t position);
  static void removeWaiter(MonitorRecord& record, uint32_t threadId);

  std::mutex lock_;
  MonitorRecord records_[kMonitorCount + 1];  // the last one is the shared record
  bool fullReported_ = false;  // the table's filling was traced; cleared when a record frees
};
