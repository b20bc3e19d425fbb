// java.util.Hashtable, its chain entries and its enumerator: separate chaining in an array of
// buckets. An entry lives in bucket (hash & 0x7FFFFFFF) mod the bucket count, and each chain
// runs from the newest entry to the oldest.
#pragma once

#include <cstdint>

#include "javame/enumeration.h"
#include "runtime/class.h"

class ObjectArray;
class String;
class java_util_Hashtable_HashtableEnumerator;

// One key-value pair of a bucket's chain.
class java_util_HashtableEntry : public Object {
 public:
  static constexpr int16_t kClassId = cid::java_util_HashtableEntry;

  java_util_HashtableEntry() { RegisterReferenceFields(this, &key, &value, &next); }
  java_util_HashtableEntry(int32_t keyHash, Object* entryKey, Object* entryValue,
                           java_util_HashtableEntry* nextEntry);

  int32_t hash;  // the key's hashCode
  Object* key;
  Object* value;
  java_util_HashtableEntry* next;  // the next older entry of the same bucket
};

// Operations marked "locked" hold the table's monitor for their whole run (re-entrantly).
// Keys and values are never null: a null one throws java_lang_NullPointerException and
// leaves the table unchanged.
class java_util_Hashtable : public Object {
 public:
  static constexpr int16_t kClassId = cid::java_util_Hashtable;

  // 11 buckets, threshold 8.
  java_util_Hashtable();
  // 0 is taken as 1 bucket. A negative capacity throws java_lang_IllegalArgumentException
  // and leaves a table without buckets, which its first put grows.
  explicit java_util_Hashtable(int32_t initialCapacity);

  String* toString() override;  // locked: "{key=value, key=value}" in enumeration order
  virtual int32_t size();
  virtual bool isEmpty();
  // Locked. Whether some entry's value->equals(value); buckets from the last to the first.
  virtual bool contains(Object* value);
  virtual void clear();  // locked

  // Locked. Enumerators over the keys or the values of the current bucket array.
  java_util_Hashtable_HashtableEnumerator* keys();
  java_util_Hashtable_HashtableEnumerator* elements();
  bool containsKey(Object* key);  // locked
  Object* get(Object* key);       // locked; null when absent
  // Locked. Replaces the value of an existing key (returning the old one) or adds an entry at
  // the head of its bucket, first rehashing while count has reached the threshold.
  Object* put(Object* key, Object* value);
  Object* remove(Object* key);  // locked; the removed value, or null when absent
  // Grows to 2n + 1 buckets, moving every entry; the caller holds the monitor. False, with
  // one trace line and nothing changed, when the new array cannot be had.
  bool rehash();

  ObjectArray* table;  // the buckets; null only when a constructor refused or memory ran out
  int32_t count;
  int32_t threshold;  // bucket count * 75 / 100

 private:
  int32_t bucketCount();
  // The entry that holds key (hash is key's hashCode), or null; *previous gets the entry
  // before it in the chain (null for the bucket head) when previous is given.
  java_util_HashtableEntry* find(Object* key, int32_t hash,
                                 java_util_HashtableEntry** previous = nullptr);
  // Bucket index's first entry; index must be below bucketCount().
  java_util_HashtableEntry* head(int32_t index);
  java_util_Hashtable_HashtableEnumerator* enumerator(bool overKeys);
};

// Walks the bucket array it was made with, from the last bucket to the first, without a lock:
// entries added or removed later may or may not be seen.
class java_util_Hashtable_HashtableEnumerator : public Object, public java_util_Enumeration {
 public:
  static constexpr int16_t kClassId = cid::java_util_Hashtable_HashtableEnumerator;

  // As the class factory makes it: nothing to enumerate.
  java_util_Hashtable_HashtableEnumerator() {
    RegisterReferenceFields(this, &table, &entry, &owner);
  }
  java_util_Hashtable_HashtableEnumerator(java_util_Hashtable* hashtable, bool overKeys);

  void* getInterface(int32_t interfaceId) override;
  bool hasMoreElements() override;
  // The next key or value; past the end throws java_util_NoSuchElementException (string
  // constant 334) and gives null.
  Object* nextElement() override;

  int32_t keys;   // 1: hands out keys; 0: values
  int32_t index;  // buckets still to visit; counts down from the bucket count
  ObjectArray* table;
  java_util_HashtableEntry* entry;  // the next entry to hand out, or null
  java_util_Hashtable* owner;       // keeps the table reachable while it is enumerated
};
