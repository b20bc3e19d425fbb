// java.util.Hashtable: construction, look-up, put with its rehash, removal and the text
// form. Bucket slots are re-read after every call that may allocate, since the array body
// may move.
#include "javame/hashtable.h"

#include <limits>

#include "javame/exception_classes.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "runtime/exceptions.h"
#include "runtime/monitor.h"
#include "runtime/string.h"
#include "runtime/string_buffer.h"
#include "runtime/trace.h"

namespace {

constexpr int32_t kDefaultBuckets = 11;
constexpr int32_t kOpenText = 331;      // string constant "{"
constexpr int32_t kPairText = 332;      // string constant "="
constexpr int32_t kSeparatorText = 42;  // string constant ", "
constexpr int32_t kCloseText = 333;     // string constant "}"

// A load factor of 75 per cent in integer arithmetic.
int32_t ThresholdFor(int64_t buckets) {
  return static_cast<int32_t>(buckets * 75 / 100);
}

// buckets must be at least 1.
int32_t BucketOf(int32_t hash, int32_t buckets) {
  return (hash & 0x7FFFFFFF) % buckets;
}

// Keys and values may not be null: a null one throws java_lang_NullPointerException.
bool Present(const Object* reference) {
  if (reference) return true;
  ThrowException(NewObject<java_lang_NullPointerException>());
  return false;
}

}  // namespace

java_util_HashtableEntry::java_util_HashtableEntry(int32_t keyHash, Object* entryKey,
                                                   Object* entryValue,
                                                   java_util_HashtableEntry* nextEntry)
    : java_util_HashtableEntry() {
  hash = keyHash;
  key = entryKey;
  value = entryValue;
  next = nextEntry;
}

// ---- Construction and size ----------------------------------------------------------------

java_util_Hashtable::java_util_Hashtable() : java_util_Hashtable(kDefaultBuckets) {}

java_util_Hashtable::java_util_Hashtable(int32_t initialCapacity) {
  RegisterReferenceFields(this, &table);
  if (initialCapacity < 0) {
    ThrowException(NewObject<java_lang_IllegalArgumentException>());
    return;
  }
  table = NewObjectArray(cid::Object, initialCapacity == 0 ? 1 : initialCapacity);
  threshold = ThresholdFor(bucketCount());
}

int32_t java_util_Hashtable::size() {
  return count;
}

bool java_util_Hashtable::isEmpty() {
  return count == 0;
}

int32_t java_util_Hashtable::bucketCount() {
  return table ? table->length : 0;
}

java_util_HashtableEntry* java_util_Hashtable::head(int32_t index) {
  return static_cast<java_util_HashtableEntry*>(table->elements()[index]);
}

// ---- Look-up ------------------------------------------------------------------------------

java_util_HashtableEntry* java_util_Hashtable::find(Object* key, int32_t hash,
                                                    java_util_HashtableEntry** previous) {
  const int32_t buckets = bucketCount();
  if (buckets == 0) return nullptr;
  java_util_HashtableEntry* before = nullptr;
  for (java_util_HashtableEntry* e = head(BucketOf(hash, buckets)); e; before = e, e = e->next) {
    if (e->hash != hash || !e->key->equals(key)) continue;
    if (previous) *previous = before;
    return e;
  }
  return nullptr;
}

bool java_util_Hashtable::containsKey(Object* key) {
  MonitorScope lock(this);
  return Present(key) && find(key, key->hashCode()) != nullptr;
}

Object* java_util_Hashtable::get(Object* key) {
  MonitorScope lock(this);
  if (!Present(key)) return nullptr;
  java_util_HashtableEntry* e = find(key, key->hashCode());
  return e ? e->value : nullptr;
}

bool java_util_Hashtable::contains(Object* value) {
  MonitorScope lock(this);
  if (!Present(value)) return false;
  for (int32_t i = bucketCount() - 1; i >= 0; i--) {
    for (java_util_HashtableEntry* e = head(i); e; e = e->next) {
      if (e->value->equals(value)) return true;
    }
  }
  return false;
}

// ---- Changes ------------------------------------------------------------------------------

Object* java_util_Hashtable::put(Object* key, Object* value) {
  MonitorScope lock(this);
  if (!Present(key) || !Present(value)) return nullptr;
  const int32_t hash = key->hashCode();
  if (java_util_HashtableEntry* existing = find(key, hash)) {
    Object* old = existing->value;
    existing->value = value;
    return old;
  }
  while (count >= threshold && rehash()) {
  }
  if (bucketCount() == 0) {
    DebugLog("java_util_Hashtable::put: the table has no buckets; the entry is not added");
    return nullptr;
  }
  auto* added = NewObject<java_util_HashtableEntry>(hash, key, value, nullptr);
  if (!added) return nullptr;
  const int32_t index = BucketOf(hash, bucketCount());
  added->next = head(index);
  table->elements()[index] = added;
  count++;
  return nullptr;
}

bool java_util_Hashtable::rehash() {
  const int64_t buckets = static_cast<int64_t>(bucketCount()) * 2 + 1;
  ObjectArray* grown = buckets <= std::numeric_limits<int32_t>::max()
                           ? NewObjectArray(cid::Object, static_cast<int32_t>(buckets))
                           : nullptr;
  if (!grown || grown->length != buckets) {
    DebugLog("java_util_Hashtable::rehash: no memory for %lld buckets; the table keeps %d",
             static_cast<long long>(buckets), bucketCount());
    return false;
  }
  ObjectArray* old = table;
  table = grown;
  threshold = ThresholdFor(buckets);
  // The old array keeps its bucket heads: an enumerator made before goes on walking it.
  for (int32_t i = old ? old->length - 1 : -1; i >= 0; i--) {
    auto* e = static_cast<java_util_HashtableEntry*>(old->elements()[i]);
    while (e) {
      java_util_HashtableEntry* following = e->next;
      const int32_t index = BucketOf(e->hash, grown->length);
      e->next = head(index);
      grown->elements()[index] = e;
      e = following;
    }
  }
  return true;
}

Object* java_util_Hashtable::remove(Object* key) {
  MonitorScope lock(this);
  if (!Present(key)) return nullptr;
  java_util_HashtableEntry* before = nullptr;
  java_util_HashtableEntry* e = find(key, key->hashCode(), &before);
  if (!e) return nullptr;
  if (before) {
    before->next = e->next;
  } else {
    table->elements()[BucketOf(e->hash, bucketCount())] = e->next;
  }
  count--;
  return e->value;
}

void java_util_Hashtable::clear() {
  MonitorScope lock(this);
  for (int32_t i = bucketCount() - 1; i >= 0; i--) table->elements()[i] = nullptr;
  count = 0;
}

// ---- Enumerators and text -----------------------------------------------------------------

java_util_Hashtable_HashtableEnumerator* java_util_Hashtable::enumerator(bool overKeys) {
  MonitorScope lock(this);
  return NewObject<java_util_Hashtable_HashtableEnumerator>(this, overKeys);
}

java_util_Hashtable_HashtableEnumerator* java_util_Hashtable::keys() {
  return enumerator(true);
}

java_util_Hashtable_HashtableEnumerator* java_util_Hashtable::elements() {
  return enumerator(false);
}

// Keys and values taken in step from two enumerations, count pairs in all.
String* java_util_Hashtable::toString() {
  MonitorScope lock(this);
  StringBuffer* text = NewObject<StringBuffer>(16);
  java_util_Hashtable_HashtableEnumerator* keyWalk = keys();
  java_util_Hashtable_HashtableEnumerator* valueWalk = elements();
  if (!text || !keyWalk || !valueWalk) return nullptr;
  text->append(GetConstantString(kOpenText));
  for (int32_t i = 0; i < count; i++) {
    if (i > 0) text->append(GetConstantString(kSeparatorText));
    text->append(keyWalk->nextElement());
    text->append(GetConstantString(kPairText));
    text->append(valueWalk->nextElement());
  }
  text->append(GetConstantString(kCloseText));
  return text->toString();
}
