// java.util.Hashtable's enumerator: walks the buckets from the last to the first and each
// chain from its head, handing out keys or values.
#include "javame/hashtable.h"

#include "javame/exception_classes.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "runtime/exceptions.h"

namespace {

constexpr int32_t kNoMoreElementsText = 334;  // string constant "No more elements"

}  // namespace

java_util_Hashtable_HashtableEnumerator::java_util_Hashtable_HashtableEnumerator(
    java_util_Hashtable* hashtable, bool overKeys)
    : java_util_Hashtable_HashtableEnumerator() {
  keys = overKeys ? 1 : 0;
  owner = hashtable;
  table = hashtable->table;
  index = table ? table->length : 0;
}

void* java_util_Hashtable_HashtableEnumerator::getInterface(int32_t interfaceId) {
  if (interfaceId != cid::java_util_Enumeration) return nullptr;
  return static_cast<java_util_Enumeration*>(this);
}

bool java_util_Hashtable_HashtableEnumerator::hasMoreElements() {
  while (!entry && index > 0) {
    index--;
    entry = static_cast<java_util_HashtableEntry*>(table->elements()[index]);
  }
  return entry != nullptr;
}

Object* java_util_Hashtable_HashtableEnumerator::nextElement() {
  if (!hasMoreElements()) {
    ThrowException(
        NewObject<java_util_NoSuchElementException>(GetConstantString(kNoMoreElementsText)));
    return nullptr;
  }
  java_util_HashtableEntry* taken = entry;
  entry = taken->next;
  return keys ? taken->key : taken->value;
}
