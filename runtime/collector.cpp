// The mark-and-sweep collector of the ObjectManager: clear every mark, mark from the roots
// (root slot tables, the application's current objects, every thread's pending exception,
// the Java threads' stacks), then sweep the list, finalising and freeing what is unmarked.
#include <mutex>

#include "host/clock.h"
#include "host/registers.h"
#include "runtime/application.h"
#include "runtime/array.h"
#include "runtime/class.h"
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
  clearMarks();
  if (flags & kGcReleaseAll) {
    for (int32_t i = 0; i < count_; i++) objects_[i]->collectable = 1;
  } else {
    markRoots(flags);
  }
  sweep();
  for (Object* object : outsideMarked_) object->clearMark();
  outsideMarked_.clear();
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

bool ObjectManager::enterCollection(const char* request) {
  if (!isJavaThread()) {
    DebugLog("%s: thread 0x%X is not a Java thread; refused", request, host::CurrentThreadId());
    return false;
  }
  collectorLock_.lock();
  if (collecting_) {
    collectorLock_.unlock();
    return false;
  }
  collecting_ = true;
  stopTheWorld();
  return true;
}

void ObjectManager::leaveCollection() {
  resumeTheWorld();
  collecting_ = false;
  collectorLock_.unlock();
}

// ---------------------------------------------------------------------------------------
// Java threads. Until the thread table exists, the thread that made this manager is the one
// Java thread: no other thread runs Java code, so there is nothing to stop or resume, and
// its own stack is the only one to scan.

bool ObjectManager::isJavaThread() const {
  return host::CurrentThreadId() == javaThreadId_;
}

void ObjectManager::stopTheWorld() {}

void ObjectManager::resumeTheWorld() {}

void ObjectManager::scanThreadStacks() {
  scanRange(callerStackTop_, stackBase_);
}

// ---------------------------------------------------------------------------------------
// Marking

void ObjectManager::clearMarks() {
  for (int32_t i = 0; i < count_; i++) objects_[i]->clearMark();
}

void ObjectManager::markRoots(int32_t flags) {
  Class* classes = classTable();
  for (const RootTable& table : rootTables_) {
    for (int32_t i = 0; i < table.count; i++) {
      if (table.slots[i]) mark(*table.slots[i], classes);
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
  for (Object* object : current) mark(object, classes);
  ForEachThreadState(
      [](JavaThreadState& state, void* manager) {
        auto* self = static_cast<ObjectManager*>(manager);
        self->mark(state.pendingException, self->classTable());
      },
      this);
  scanThreadStacks();
  if ((flags & kGcKeepNewest) && count_ > 0) mark(objects_[count_ - 1], classes);
}

void ObjectManager::mark(Object* object) {
  mark(object, classTable());
}

void ObjectManager::setMark(Object* object) {
  object->setMarked();
  // A mark on an object off the object heap is not cleared with the list's; remember it so
  // the next collection visits that object's children again.
  if (!objectHeap_->Contains(object)) outsideMarked_.push_back(object);
}

namespace {

// The references an object holds: an ObjectArray's elements, otherwise the reference
// fields listed in its class record.
struct Children {
  Object* const* elements = nullptr;
  const int32_t* offsets = nullptr;
  int32_t count = 0;

  Children(Object* object, Class* classes) {
    if (object->classId == cid::ObjectArray) {
      auto* array = static_cast<ObjectArray*>(object);
      if (array->body && array->length > 0) {
        elements = array->elements();
        count = array->length;
      }
    } else if (classes && object->classId >= 0 && object->classId < kClassCount) {
      const Class& record = classes[object->classId];
      offsets = record.referenceFieldOffsets();
      count = offsets ? record.referenceFieldCount() : 0;
    }
  }
  Object* at(Object* object, int32_t i) const {
    if (elements) return elements[i];
    return *reinterpret_cast<Object* const*>(reinterpret_cast<const char*>(object) + offsets[i]);
  }
};

bool CanHoldReferences(Object* object, Class* classes) {
  if (object->classId == cid::ObjectArray) return true;
  if (!classes || object->classId < 0 || object->classId >= kClassCount) return false;
  return classes[object->classId].referenceFieldCount() > 0;
}

}  // namespace

// Depth first without recursion: the stack holds each container being visited with the
// position of its next child, and grows as deep as the graph goes.
void ObjectManager::mark(Object* root, Class* classes) {
  if (!root || root->marked()) return;
  setMark(root);
  markStack_.clear();
  Object* current = root;
  int32_t position = 0;
  for (;;) {
    Children children(current, classes);
    Object* descend = nullptr;
    while (position < children.count && !descend) {
      Object* child = children.at(current, position++);
      if (!child || child->marked()) continue;
      setMark(child);
      if (CanHoldReferences(child, classes)) descend = child;
    }
    if (descend) {
      markStack_.push_back({current, position});
      current = descend;
      position = 0;
    } else if (!markStack_.empty()) {
      current = markStack_.back().container;
      position = markStack_.back().position;
      markStack_.pop_back();
    } else {
      return;
    }
  }
}

// Any word that points into a used block of the object heap, interior pointers included,
// keeps that block's object alive: the block map finds the block without a list search.
PLIMORA_NO_SANITIZE_SCAN void ObjectManager::scanRange(const void* from, const void* to) {
  auto low = reinterpret_cast<uintptr_t>(from);
  auto high = reinterpret_cast<uintptr_t>(to);
  if (low > high) std::swap(low, high);
  low = (low + sizeof(void*) - 1) & ~(uintptr_t{sizeof(void*)} - 1);
  Class* classes = classTable();
  for (uintptr_t p = low; p + sizeof(void*) <= high; p += sizeof(void*)) {
    const void* value = *reinterpret_cast<const void* const*>(p);
    if (!objectHeap_->Contains(value)) continue;
    auto* object = static_cast<Object*>(objectHeap_->findBlockData(value));
    if (object && !object->marked()) mark(object, classes);
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
    object->classId = kReleasedClassId;
    objectHeap_->Free(object);
  }
}
