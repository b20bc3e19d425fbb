// Allocation entry points for managed objects and their bodies, and the ObjectManager: the
// list of every object on the object heap and the stop-the-world mark-and-sweep collector
// over it. Every used block of the object heap is a listed object.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "host/thread.h"
#include "runtime/class_ids.h"
#include "runtime/memory_manager.h"

class Application;
class ApplicationImpl;
class Class;
class Object;

// A zero-filled block. toDataHeap == 0: an object-heap block registered with the object
// manager (null when the heap cannot give it). Otherwise a data block that is not registered.
void* AllocObjectMemory(size_t size, int toDataHeap);

// A zero-filled body block (array elements, characters): data heap, else native heap.
void* AllocDataMemory(size_t size);

// Gives a block back to whichever heap holds it.
void FreeDataMemory(void* address);

// Records ownerField (the address of the one pointer that holds body) as the owner of a
// data-heap block, so a compaction that moves the block can update that pointer. Blocks
// outside the data heap are left alone.
void RegisterDataOwner(void* body, void* ownerField);

// Compacts the data heap now, moving every movable body (tests use it to prove that every
// holder of a body goes through its registered owner).
void ForceDataHeapCompaction();

// The stable 32-bit value of an object's address that hashCode and toString print: its
// offset in the object heap plus a fixed base, the same on every run with the same history.
uint32_t ObjectAddress32(const void* object);

// The native heap could not satisfy an allocation: writes "ERROR: Operator new failed: out
// of store." and ends the process. Installed as the handler of operator new.
[[noreturn]] void OperatorNewFailed();

// The body of an object outside its own block: out-of-line string characters, string-buffer
// characters, array elements. Null address and 0 bytes for every other object. bytes counts
// the characters in use (2 each) or the elements.
struct ObjectBody {
  const void* address;
  int64_t bytes;
};
ObjectBody BodyOf(Object* object);

// Flags of ObjectManager::gc.
constexpr int32_t kGcThrottled = 0;      // collect only when kGcInterval ms have passed
constexpr int32_t kGcReleaseAll = 2;     // free every object, collectable or not (at close)
constexpr int32_t kGcForced = 4;         // any non-zero value forces; the paint's request
constexpr int32_t kGcKeepNewest = 8;     // keep the most recently registered object alive
constexpr int32_t kGcForAllocation = 9;  // the allocator's retry: forced, keep the newest
constexpr uint32_t kGcInterval = 2000;   // milliseconds between throttled collections

class ObjectManager final : public HeapCollector {
 public:
  // An empty list over the application's heaps, which it becomes the collector of. Its
  // threads are those of the current runtime context: only they may collect.
  explicit ObjectManager(Application* application);
  ~ObjectManager();
  ObjectManager(const ObjectManager&) = delete;
  ObjectManager& operator=(const ObjectManager&) = delete;

  // Appends object to the list; false when the list cannot grow.
  bool registerObject(Object* object);
  int32_t objectCount() const;

  // A collection; flags as the kGc constants above.
  void gc(int32_t flags);
  // Marks object and everything reachable from it.
  void mark(Object* object);
  // Conservative scan: marks the object around every word in [from, to) that points into
  // one, interior pointers included.
  void scanRange(const void* from, const void* to);

  // A table of count addresses of reference slots outside the heaps (the static block's
  // reference statics, the string-constant pool). Every collection marks the object held in
  // each slot. The table must outlive the manager.
  void registerRootSlots(Object** const* slots, int32_t count);

  // Stops the world and moves every movable body of the data heap (test hook).
  void forceDataHeapCompaction();

  // Writes per class the bytes and count of live objects (with their bodies) with DebugLog.
  void memoryReport();
  // Writes the class names, every listed object with its body, and both heaps' free lists
  // to the file "memdump.dat" (platform/memory_dump.cpp).
  void dumpMemory();

  // HeapCollector.
  void collectForAllocation() override;
  void compactForAllocation(MemoryManager* heap, int32_t need) override;

 private:
  // Where the instances of one class hold references, read from the class table once per
  // collection.
  struct ClassReferences {
    const int32_t* offsets;
    int32_t count;
  };
  struct RootTable {
    Object** const* slots;
    int32_t count;
  };

  bool isJavaThread() const;

  // Enters a collection: the world stopped, then the collector lock taken. Refused (false)
  // when the calling thread is not a Java thread (with a trace line naming request) or when
  // it is already collecting (a finaliser's request from inside the sweep).
  bool enterCollection(const char* request);
  void leaveCollection();

  void collect(int32_t flags, const void* stackTop);
  // Where invariants are checked (host/invariant.h), ends the process when either heap's
  // checkConsistency finds a fault; nothing elsewhere.
  void checkHeaps() const;
  void clearMarks();
  void loadClassReferences();
  void markRoots(int32_t flags);
  void markFrom(Object* object);
  void visit(Object* child);
  void setMark(Object* object);
  bool holdsReferences(const Object* object) const;
  void scanWords(const void* from, const void* to);
  Class* classTable() const;
  void sweep();

  Application* application_;
  ApplicationImpl* context_;  // the thread table's owner; null: no thread may collect
  MemoryManager* objectHeap_;
  MemoryManager* dataHeap_;

  Object** objects_ = nullptr;  // the list, in registration order except as the sweep moves
  int32_t capacity_ = 0;
  int32_t count_ = 0;
  mutable host::RecursiveLock listLock_;

  host::RecursiveLock collectorLock_;
  bool collecting_ = false;  // written only under the collector lock
  std::atomic<uint32_t> lastCollection_;

  ClassReferences classReferences_[kClassCount] = {};
  std::vector<Object*> markStack_;      // marked objects whose references are still to visit
  std::vector<Object*> outsideMarked_;  // objects off the object heap that this collection marked
  std::vector<RootTable> rootTables_;

  const void* callerStackTop_ = nullptr;  // the collecting thread's live stack starts here
};
