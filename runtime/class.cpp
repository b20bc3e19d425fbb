// Class queries over the class table held by the static block.
#include "runtime/class.h"

#include <cstdlib>
#include <mutex>

#include "runtime/application.h"
#include "runtime/exceptions.h"
#include "runtime/static_class.h"
#include "runtime/string.h"
#include "runtime/trace.h"

namespace {

std::mutex registrationLock;

bool Contains(const ReferenceFieldList* list, int32_t offset) {
  if (!list) return false;
  for (int32_t i = 0; i < list->count; i++) {
    if (list->offsets[i] == offset) return true;
  }
  return false;
}

ReferenceFieldList* NewList(ReferenceFieldList* previous, int32_t count) {
  size_t bytes = sizeof(ReferenceFieldList) + sizeof(int32_t) * (count > 0 ? count - 1 : 0);
  auto* list = static_cast<ReferenceFieldList*>(calloc(1, bytes));
  list->previous = previous;
  list->count = count;
  return list;
}

}  // namespace

int32_t Class::referenceFieldCount() const {
  ReferenceFieldList* list = referenceFields.load(std::memory_order_acquire);
  return list ? list->count : 0;
}

const int32_t* Class::referenceFieldOffsets() const {
  ReferenceFieldList* list = referenceFields.load(std::memory_order_acquire);
  return list ? list->offsets : nullptr;
}

Class* Class::findById(int32_t classId) {
  if (classId < 0 || classId >= kClassCount) return nullptr;
  Class* record = &GetApplication()->getStaticClass()->classes[classId];
  return record->id == classId ? record : nullptr;
}

Class* Class::ofObject(Object* object) {
  return object ? findById(object->classId) : nullptr;
}

const char* Class::nameOf(Object* object) {
  Class* record = ofObject(object);
  return record ? record->name : "?";
}

bool Class::isSubclassOf(Class* record, Class* other) {
  if (!record || !other) return false;
  // The chain is at most as long as the table; the bound guards against a corrupt table.
  for (int32_t steps = 0; record && steps <= kClassCount; steps++) {
    if (record->id == other->id) return true;
    if (record->superclassId == kNoSuperclass) return false;
    record = findById(record->superclassId);
  }
  return false;
}

bool Class::isInstance(Class* record, Object* object) {
  return record && InstanceOf(object, record->id);
}

Class* Class::forName(String* name) {
  if (!NullCheck(name)) return nullptr;
  String* underscored = name->replace(u'.', u'_');
  if (!underscored) return nullptr;
  for (int32_t i = 0; i < kClassCount; i++) {
    Class* record = findById(i);
    if (record && underscored->equalsText(record->name)) return record;
  }
  return nullptr;
}

String* Class::getName(Class* record) {
  if (!NullCheck(record)) return nullptr;
  return NewJavaString(record->name);
}

void Class::registerReferenceFields(Object* object, void* const* fieldAddresses, int32_t count) {
  Class* record = ofObject(object);
  if (!record || count <= 0) return;
  auto offsetOf = [object](void* field) {
    return static_cast<int32_t>(static_cast<char*>(field) - reinterpret_cast<char*>(object));
  };
  ReferenceFieldList* current = record->referenceFields.load(std::memory_order_acquire);
  bool allListed = true;
  for (int32_t i = 0; i < count && allListed; i++)
    allListed = Contains(current, offsetOf(fieldAddresses[i]));
  if (allListed) return;

  std::lock_guard<std::mutex> guard(registrationLock);
  current = record->referenceFields.load(std::memory_order_acquire);
  int32_t known = current ? current->count : 0;
  ReferenceFieldList* grown = NewList(current, known + count);
  int32_t n = 0;
  for (int32_t i = 0; i < known; i++) grown->offsets[n++] = current->offsets[i];
  for (int32_t i = 0; i < count; i++) {
    int32_t offset = offsetOf(fieldAddresses[i]);
    bool seen = false;
    for (int32_t k = 0; k < n && !seen; k++) seen = grown->offsets[k] == offset;
    if (!seen) grown->offsets[n++] = offset;
  }
  grown->count = n;
  record->referenceFields.store(grown, std::memory_order_release);
}

void Class::freeAllReferenceFields() {
  std::lock_guard<std::mutex> guard(registrationLock);
  for (int32_t i = 0; i < kClassCount; i++) {
    Class* record = &GetApplication()->getStaticClass()->classes[i];
    ReferenceFieldList* list = record->referenceFields.exchange(nullptr);
    while (list) {
      ReferenceFieldList* previous = list->previous;
      free(list);
      list = previous;
    }
  }
}

bool InstanceOf(Object* object, int32_t classId) {
  if (!object) return false;
  if (object->getInterface(classId)) return true;
  return Class::isSubclassOf(Class::ofObject(object), Class::findById(classId));
}

Object* CheckCastTo(Object* object, int32_t classId) {
  if (!object || InstanceOf(object, classId)) return object;
  DebugLog("check cast");
  PrintStackTrace();
  return nullptr;
}
