// Allocation entry points over the application's two heaps, the object list, and the
// memory report. Bodies that the data heap cannot hold fall back to the native heap, where
// they never move.
#include "runtime/object_manager.h"

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>

#include "host/clock.h"
#include "runtime/application.h"
#include "runtime/application_impl.h"
#include "runtime/array.h"
#include "runtime/object.h"
#include "runtime/static_class.h"
#include "runtime/string.h"
#include "runtime/string_buffer.h"
#include "runtime/trace.h"

namespace {

constexpr uint32_t kAddressBase = 0x00100000;  // added to object-heap offsets for stable addresses
constexpr int32_t kFirstListCapacity = 512;
constexpr size_t kFirstMarkStackCapacity = 3000;

// The running application once its heaps exist, else null.
Application* HeapOwner() {
  Application* application = GetApplication();
  return application && application->objectManager ? application : nullptr;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Entry points

void* AllocObjectMemory(size_t size, int toDataHeap) {
  if (toDataHeap) return AllocDataMemory(size);
  Application* application = HeapOwner();
  if (!application) {
    DebugLog("AllocObjectMemory(): no object heap");
    return nullptr;
  }
  void* memory = application->objectHeap->Malloc(size);
  if (!memory) return nullptr;
  memset(memory, 0, size);
  if (!application->objectManager->registerObject(static_cast<Object*>(memory))) {
    application->objectHeap->Free(memory);
    return nullptr;
  }
  return memory;
}

void* AllocDataMemory(size_t size) {
  Application* application = HeapOwner();
  if (void* memory = application ? application->dataHeap->Malloc(size) : nullptr) {
    memset(memory, 0, size);
    return memory;
  }
  return calloc(size ? size : 1, 1);
}

void FreeDataMemory(void* address) {
  if (!address) return;
  if (Application* application = HeapOwner()) {
    if (application->dataHeap->Free(address)) return;
    // Departure: an object-heap address is refused; the device gave it back to the object heap.
    // Every object-heap block is a listed object: freeing one here would leave the list
    // pointing at free space, so only the sweep frees them.
    if (application->objectHeap->Contains(address)) {
      DebugLog("FreeDataMemory(): %p is an object; only the collector frees objects", address);
      return;
    }
  }
  free(address);
}

void RegisterDataOwner(void* body, void* ownerField) {
  if (Application* application = HeapOwner()) application->dataHeap->SetOwner(body, ownerField);
}

void ForceDataHeapCompaction() {
  if (Application* application = HeapOwner()) application->objectManager->forceDataHeapCompaction();
}

uint32_t ObjectAddress32(const void* object) {
  Application* application = HeapOwner();
  if (application && application->objectHeap->Contains(object)) {
    return kAddressBase + static_cast<uint32_t>(application->objectHeap->offsetOf(object));
  }
  // Off the object heap (class records, native objects) no stable offset exists: both
  // halves of the address are folded in so distinct objects stay distinct.
  auto value = reinterpret_cast<uintptr_t>(object);
  return static_cast<uint32_t>(value ^ (value >> 32));
}

// Departure: the process ends here rather than raising std::bad_alloc, because no C++
// exception may cross translated code and nothing can go on without the memory.
void OperatorNewFailed() {
  DebugLog("ERROR: Operator new failed: out of store.");
  std::abort();
}

// ---------------------------------------------------------------------------------------
// The object list

ObjectManager::ObjectManager(Application* application)
    : application_(application),
      context_(GetApplicationImpl()),
      objectHeap_(application->objectHeap),
      dataHeap_(application->dataHeap),
      lastCollection_(host::TickCount()) {
  objectHeap_->setCollector(this);
  dataHeap_->setCollector(this);
  markStack_.reserve(kFirstMarkStackCapacity);
  std::set_new_handler(OperatorNewFailed);
}

ObjectManager::~ObjectManager() {
  objectHeap_->setCollector(nullptr);
  dataHeap_->setCollector(nullptr);
  free(objects_);
}

bool ObjectManager::registerObject(Object* object) {
  std::lock_guard<host::RecursiveLock> guard(listLock_);
  if (count_ == capacity_) {
    int32_t grown = capacity_ ? capacity_ * 2 : kFirstListCapacity;
    auto* list =
        static_cast<Object**>(realloc(objects_, sizeof(Object*) * static_cast<size_t>(grown)));
    if (!list) {
      DebugLog("ObjectManager::registerObject(): the object list cannot grow past %d", capacity_);
      return false;
    }
    memset(list + capacity_, 0, sizeof(Object*) * static_cast<size_t>(grown - capacity_));
    objects_ = list;
    capacity_ = grown;
  }
  objects_[count_++] = object;
  return true;
}

int32_t ObjectManager::objectCount() const {
  std::lock_guard<host::RecursiveLock> guard(listLock_);
  return count_;
}

void ObjectManager::registerRootSlots(Object** const* slots, int32_t count) {
  std::lock_guard<host::RecursiveLock> guard(collectorLock_);
  rootTables_.push_back({slots, count});
}

// ---------------------------------------------------------------------------------------
// Memory report

ObjectBody BodyOf(Object* object) {
  const int16_t id = object->classId;
  if (id == cid::String) {
    auto* string = static_cast<String*>(object);
    if (string->characters == string->inlineChars) return {nullptr, 0};
    return {string->characters, int64_t{string->length()} * int64_t{sizeof(char16_t)}};
  }
  if (id == cid::StringBuffer) {
    auto* buffer = static_cast<StringBuffer*>(object);
    if (!buffer->characters) return {nullptr, 0};
    return {buffer->characters, int64_t{buffer->length()} * int64_t{sizeof(char16_t)}};
  }
  static constexpr int32_t kElementSize[] = {
      sizeof(ObjectArray::ElementType), sizeof(BoolArray::ElementType),
      sizeof(ByteArray::ElementType),   sizeof(CharArray::ElementType),
      sizeof(ShortArray::ElementType),  sizeof(IntArray::ElementType),
      sizeof(Long64Array::ElementType), sizeof(FloatArray::ElementType),
      sizeof(DoubleArray::ElementType)};
  if (id < cid::ObjectArray || id > cid::DoubleArray) return {nullptr, 0};
  auto* array = static_cast<Array*>(object);
  if (!array->body || array->length <= 0) return {nullptr, 0};
  return {array->body, int64_t{array->length} * kElementSize[id - cid::ObjectArray]};
}

void ObjectManager::memoryReport() {
  std::lock_guard<host::RecursiveLock> guard(listLock_);
  int64_t bytes[kClassCount] = {};
  int32_t counts[kClassCount] = {};
  int64_t total = 0;
  for (int32_t i = 0; i < count_; i++) {
    Object* object = objects_[i];
    if (object->classId < 0 || object->classId >= kClassCount) continue;
    // Departure: characters count in bytes, like everything else in the report.
    int64_t size = objectHeap_->GetBlockSize(object) + BodyOf(object).bytes;
    bytes[object->classId] += size;
    counts[object->classId]++;
    total += size;
  }
  Class* classes = classTable();
  DebugLog("Memory allocation:");
  for (int32_t id = 0; id < kClassCount; id++) {
    if (!counts[id]) continue;
    DebugLog("\t%s: %d (%d)", classes ? classes[id].name : "?", static_cast<int32_t>(bytes[id]),
             counts[id]);
  }
  const StaticClass* block = application_->getStaticClass();
  const int32_t staticBytes = block ? block->blockBytes() : 0;
  DebugLog("\tStaticClass: %d", staticBytes);
  DebugLog("\tTOTAL: %d (%d)", static_cast<int32_t>(total + staticBytes), count_);
}

Class* ObjectManager::classTable() const {
  StaticClass* block = application_->getStaticClass();
  return block ? block->classes : nullptr;
}
