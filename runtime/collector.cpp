// The mark-and-sweep collector of the ObjectManager: clear every mark, mark from the roots
// (root slot tables, the application's current objects, every thread's pending exception,
// the Java threads' objects and stacks), then sweep the list, finalising and freeing what
// is unmarked and releasing the monitor records of what it frees.
#include <mutex>

#include "host/clock.h"
#include "host/invariant.h"
#include "host/registers.h"
#include "runtime/application.h"
#include "runtime/application_impl.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/memory_manager.h"
#include "runtime/monitor.h"
#include "runtime/object_manager.h"
#include "runtime/thread_state.h"
#include "runtime/trace.h"

// The conservative scan reads whole stack ranges, redzones and other threads' frames
// included.
#define PLIMORA_NO_SANITIZE_SCAN __attribute__((no_sanitize("address", "thread")))

// ---------------------------------------------------------------------------------------
// Collection

void ObjectManager::gc(int32_t flags) {
  MethodTraceScope trace("ObjectManager::gc()");
  if (flags == kGcThrottled && host::TickCount() - lastCollection_.load() < kGcInterval) return;
  if (!enterCollection("ObjectManager::gc()")) return;
  lastCollection_.store(host::TickCount());
  struct Request {
    ObjectManager* manager;
    int32_t flags;
  } request{this, flags};
  host::CallWithRegistersSpilled(
      [](void* user, const void* stackTop) {
        auto* r = static_cast<Request*>(user);
        r->manager->collect(r->flags, stackTop);
      },
      &request);
  lastCollection_.store(host::TickCount());
  leaveCollection();
}

// The phases of one collection. stackTop is where the caller's registers were saved: the
// calling thread's live stack runs from there to its base, and the collector's own frames,
// which lie below it, are never scanned.
void ObjectManager::collect(int32_t flags, const void* stackTop) {
  callerStackTop_ = stackTop;
  loadClassReferences();
  clearMarks();
  if (flags & kGcReleaseAll) {
    for (int32_t i = 0; i < count_; i++) objects_[i]->collectable = 1;
  } else {
    markRoots(flags);
  }
  sweep();
  for (Object* object : outsideMarked_) object->clearMark();
  outsideMarked_.clear();
  checkHeaps();
}

// Where invariants are checked, both heaps must still tile their arenas after a collection.
void ObjectManager::checkHeaps() const {
#if PLIMORA_ASSERTS
  for (const MemoryManager* heap : {objectHeap_, dataHeap_}) {
    if (const char* problem = heap->checkConsistency())
      host::AssertionFailed(problem, __FILE__, __LINE__);
  }
#endif
}

void ObjectManager::collectForAllocation() {
  gc(kGcForAllocation);
}

void ObjectManager::compactForAllocation(MemoryManager* heap, int32_t need) {
  if (!enterCollection("ObjectManager::compactForAllocation()")) return;
  heap->compact(need);
  leaveCollection();
}

void ObjectManager::forceDataHeapCompaction() {
  if (!enterCollection("ObjectManager::forceDataHeapCompaction()")) return;
  dataHeap_->compactAll();
  leaveCollection();
}

// Stopping the world is what makes collections take turns: a thread that asks while
// another collects waits parked inside the stop, so the collector scans its stack. The
// collector lock, taken only by the stopping thread, then never blocks; it guards the state
// of the collection and the root tables.
bool ObjectManager::enterCollection(const char* request) {
  if (!isJavaThread()) {
    DebugLog("%s: thread 0x%X is not a Java thread; refused", request, host::CurrentThreadId());
    return false;
  }
  context_->stopTheWorld();
  collectorLock_.lock();
  if (collecting_) {
    collectorLock_.unlock();
    context_->resumeTheWorld();
    return false;
  }
  collecting_ = true;
  return true;
}

void ObjectManager::leaveCollection() {
  collecting_ = false;
  collectorLock_.unlock();
  context_->resumeTheWorld();
}

bool ObjectManager::isJavaThread() const {
  return context_ && context_->findThreadById(host::CurrentThreadId()) >= 0;
}

// ---------------------------------------------------------------------------------------
// Marking

void ObjectManager::clearMarks() {
  for (int32_t i = 0; i < count_; i++) objects_[i]->clearMark();
}

void ObjectManager::loadClassReferences() {
  Class* classes = classTable();
  for (int32_t id = 0; id < kClassCount; id++) {
    const int32_t* offsets = classes ? classes[id].referenceFieldOffsets() : nullptr;
    classReferences_[id] = {offsets, offsets ? classes[id].referenceFieldCount() : 0};
  }
}

void ObjectManager::markRoots(int32_t flags) {
  for (const RootTable& table : rootTables_) {
    for (int32_t i = 0; i < table.count; i++) {
      if (table.slots[i]) markFrom(*table.slots[i]);
    }
  }
  // Every current object is a managed object whose header starts the reference.
  Object* current[] = {
      reinterpret_cast<Object*>(application_->m_midlet),
      reinterpret_cast<Object*>(application_->currentDisplayable),
      reinterpret_cast<Object*>(application_->screenImage),
      reinterpret_cast<Object*>(application_->m_screenGraphics),
      reinterpret_cast<Object*>(application_->sharedStringBuffer),
  };
  for (Object* object : current) markFrom(object);
  ForEachThreadState(
      [](JavaThreadState& state, void* manager) {
        static_cast<ObjectManager*>(manager)->markFrom(state.pendingException);
      },
      this);
  context_->scanThreadStacks(this, callerStackTop_);
  if ((flags & kGcKeepNewest) && count_ > 0) markFrom(objects_[count_ - 1]);
}

void ObjectManager::mark(Object* object) {
  loadClassReferences();
  markFrom(object);
}

void ObjectManager::scanRange(const void* from, const void* to) {
  loadClassReferences();
  scanWords(from, to);
}

inline void ObjectManager::setMark(Object* object) {
  object->setMarked();
  // A mark on an object off the object heap is not cleared with the list's; remember it so
  // the next collection visits that object's references again.
  if (!objectHeap_->Contains(object)) outsideMarked_.push_back(object);
}

// An ObjectArray's elements are references; any other object's are the fields its class
// lists. No other array and no string holds any.
inline bool ObjectManager::holdsReferences(const Object* object) const {
  auto id = static_cast<uint16_t>(object->classId);
  return id < kClassCount && (id == cid::ObjectArray || classReferences_[id].count > 0);
}

inline void ObjectManager::visit(Object* child) {
  if (!child || child->marked()) return;
  setMark(child);
  if (holdsReferences(child)) markStack_.push_back(child);
}

// Marks object, then drains the mark stack: each popped object's references are marked and
// those that hold references in turn are pushed. The stack grows as far as the graph needs.
void ObjectManager::markFrom(Object* object) {
  visit(object);
  while (!markStack_.empty()) {
    Object* container = markStack_.back();
    markStack_.pop_back();
    if (container->classId == cid::ObjectArray) {
      // An array whose body is being allocated is still in its base constructor when the
      // stack scan reaches it: read its fields without a checked downcast (no body: no length).
      auto* array = reinterpret_cast<ObjectArray*>(container);
      Object* const* elements = array->elements();
      int32_t length = elements ? array->length : 0;
      for (int32_t i = 0; i < length; i++) visit(elements[i]);
    } else {
      const ClassReferences& references = classReferences_[container->classId];
      auto* base = reinterpret_cast<char*>(container);
      for (int32_t i = 0; i < references.count; i++) {
        visit(*reinterpret_cast<Object**>(base + references.offsets[i]));
      }
    }
  }
}

// Any word that points into a used block of the object heap, interior pointers included,
// keeps that block's object alive: the block map finds the block without a list search.
PLIMORA_NO_SANITIZE_SCAN void ObjectManager::scanWords(const void* from, const void* to) {
  auto low = reinterpret_cast<uintptr_t>(from);
  auto high = reinterpret_cast<uintptr_t>(to);
  if (low > high) std::swap(low, high);
  low = (low + sizeof(void*) - 1) & ~(uintptr_t{sizeof(void*)} - 1);
  for (uintptr_t p = low; p + sizeof(void*) <= high; p += sizeof(void*)) {
    const void* value = *reinterpret_cast<const void* const*>(p);
    if (!objectHeap_->Contains(value)) continue;
    if (auto* object = static_cast<Object*>(objectHeap_->findBlockData(value))) markFrom(object);
  }
}

// ---------------------------------------------------------------------------------------
// Sweep

// From the last entry down: an unmarked collectable object leaves the list (the last entry
// takes its place), is finalised, gets the released class id and its block is freed. An
// object a finaliser makes is appended born marked and is not visited.
void ObjectManager::sweep() {
  std::lock_guard<host::RecursiveLock> guard(listLock_);
  for (int32_t i = count_ - 1; i >= 0; i--) {
    Object* object = objects_[i];
    if (object->marked() || !object->collectable) continue;
    objects_[i] = objects_[count_ - 1];
    objects_[--count_] = nullptr;
    object->finalize();
    if (object->flags & (kMonitorFlag | kSharedMonitorFlag))
      context_->monitorTable()->release(object);
    object->classId = kReleasedClassId;
    objectHeap_->Free(object);
  }
}
