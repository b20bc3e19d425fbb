// The table of Java threads: eight slots, each holding a running thread's object, ids and
// stack, and the parking state through which one thread stops all the others. One lock
// guards it all; while a thread has the world stopped, every other occupied slot is parked
// and its thread runs no Java code.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>

class java_lang_Thread;

constexpr int32_t kThreadSlotCount = 8;

struct ThreadSlot {
  java_lang_Thread* thread;       // the thread object; null: a free slot
  int32_t handle;                 // the system's id of the thread; 0 until it has started
  uint32_t threadId;              // host::CurrentThreadId() of the thread; 0 until it has started
  void* stackBase;                // the highest address of its stack
  const void* savedStackPointer;  // while parked: the lowest address of its live frames
  int32_t pendingPriority;        // a device priority set before it started; -1 for none
  bool parked;                    // at a safe point (or not started yet): runs no Java code
  bool leaving;                   // left its safe region during a stop: waits for that stop's end
};

// One thread's part of a collection: its object and the stack range to scan (empty for a
// thread that has not started).
struct ThreadStack {
  java_lang_Thread* thread;
  const void* low;
  const void* high;
};

class ThreadTable {
 public:
  ThreadTable();
  ThreadTable(const ThreadTable&) = delete;
  ThreadTable& operator=(const ThreadTable&) = delete;

  // ---- Slots
  // Puts thread into the first free slot and returns its index, parked until its own thread
  // starts and reaches its first safe point. A thread already in the table keeps its slot
  // (*added is then false). -1 when every slot is taken.
  int32_t registerThread(java_lang_Thread* thread, bool* added);
  // Makes the calling thread the slot's thread: records its ids and stack base, and applies
  // a priority set before it started. Runs before its first safe point.
  void attach(int32_t slot);
  // Frees the slot (its thread's run has ended, or the thread could not be made).
  void freeSlot(int32_t slot);
  int32_t findThread(const java_lang_Thread* thread);
  int32_t findThreadById(uint32_t threadId);
  // The thread object of the slot whose thread has that id, or null.
  java_lang_Thread* threadWithId(uint32_t threadId);
  int32_t activeCount();
  // Whether a slot other than the one of threadId is occupied.
  bool hasOtherThreads(uint32_t threadId);
  // Sets the device priority of the slot's thread, now when it has started, else when it
  // starts. False when the system refused it.
  bool setPriority(int32_t slot, int32_t level);

  // ---- Parking (the calling thread)
  // Parks the calling thread, its live frames lying above stackPointer. Its slot, or -1 when
  // it is not in the table (nothing to park).
  int32_t park(const void* stackPointer);
  // Unparks the calling thread. When another thread has the world stopped, it first waits,
  // still parked, until that stop ends (the epoch moves), whatever stop may follow it.
  void unpark(int32_t slot);

  // ---- Stopping the world
  // Stops every other thread in the table: returns once each is parked. Nested calls by the
  // stopping thread only count; while another thread has the world stopped the caller waits
  // for the end of that stop first, so a Java thread calls this inside a safe region.
  void stopTheWorld();
  // Ends the calling thread's stop (the outermost of nested ones wakes the parked threads).
  void resumeTheWorld();
  // Whether a thread other than the caller has the world stopped.
  bool stopRequested();

  // The stacks a collection scans: each parked thread's from its saved stack pointer to its
  // base, and the calling thread's from callerStackTop. Returns the number filled in out.
  int32_t threadStacks(ThreadStack out[kThreadSlotCount], const void* callerStackTop);

 private:
  int32_t findLocked(const java_lang_Thread* thread) const;
  int32_t findByIdLocked(uint32_t threadId) const;
  bool othersParkedLocked(uint32_t threadId) const;

  std::mutex lock_;
  std::condition_variable changed_;  // a slot parked, unparked or freed; a stop began or ended
  ThreadSlot slots_[kThreadSlotCount];
  int32_t stopDepth_ = 0;   // nested stops of the stopping thread; 0 while the world runs
  uint32_t stopperId_ = 0;  // the thread that has the world stopped
  uint64_t epoch_ = 0;      // ends of stops so far
};
