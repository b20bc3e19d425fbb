#include "javame/hashtable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <vector>

#include "javame/boxed.h"
#include "runtime/array.h"
#include "runtime/monitor.h"
#include "tests/runtime/thread_fixture.h"
#include "tests/support/library_fixture.h"

namespace {

// A key with a chosen hash code, equal to every key of the same id; its text is its id.
class Key : public Tracked {
 public:
  Key(int32_t keyId, int32_t keyHash) : Tracked(keyId), hash(keyHash) {}
  bool equals(Object* other) override {
    auto* key = dynamic_cast<Key*>(other);
    return key && key->id == id;
  }
  int32_t hashCode() override { return hash; }
  String* toString() override { return String::valueOf(id); }

  int32_t hash;
};

class HashtableTest : public LibraryTest {
 protected:
  static Key* K(int32_t id, int32_t hash) { return NewObject<Key>(id, hash); }
  static Key* K(int32_t id) { return K(id, id); }
  static String* S(const char* text) { return NewJavaString(text); }
  static int32_t Buckets(java_util_Hashtable* t) { return t->table->length; }
  // The ids of the keys in bucket index, from the chain's head.
  static std::vector<int32_t> Chain(java_util_Hashtable* t, int32_t index) {
    std::vector<int32_t> ids;
    auto* e = static_cast<java_util_HashtableEntry*>(t->table->elements()[index]);
    for (; e; e = e->next) ids.push_back(static_cast<Key*>(e->key)->id);
    return ids;
  }
  // Every element of an enumeration, as texts.
  static std::vector<std::string> Walk(java_util_Hashtable_HashtableEnumerator* walk) {
    std::vector<std::string> texts;
    while (walk->hasMoreElements()) texts.push_back(TextOf(walk->nextElement()->toString()));
    return texts;
  }
};

TEST_F(HashtableTest, PutGetAndRemoveByEqualKeys) {
  auto* t = NewObject<java_util_Hashtable>();
  EXPECT_EQ(Buckets(t), 11);
  EXPECT_EQ(t->threshold, 8);
  EXPECT_TRUE(t->isEmpty());
  EXPECT_EQ(t->put(S("one"), S("1")), nullptr);
  EXPECT_EQ(t->put(S("two"), S("2")), nullptr);
  // A second, equal key object finds the entry.
  EXPECT_EQ(TextOf(static_cast<String*>(t->get(S("one")))), "1");
  EXPECT_TRUE(t->containsKey(S("two")));
  EXPECT_FALSE(t->containsKey(S("three")));
  EXPECT_EQ(t->get(S("three")), nullptr);
  // Replacing gives back the old value and adds nothing.
  EXPECT_EQ(TextOf(static_cast<String*>(t->put(S("one"), S("uno")))), "1");
  EXPECT_EQ(t->size(), 2);
  EXPECT_EQ(TextOf(static_cast<String*>(t->remove(S("one")))), "uno");
  EXPECT_EQ(t->remove(S("one")), nullptr);
  EXPECT_EQ(t->get(S("one")), nullptr);
  EXPECT_EQ(t->size(), 1);
  t->clear();
  EXPECT_EQ(t->size(), 0);
  EXPECT_EQ(t->get(S("two")), nullptr);
  EXPECT_EQ(TakePending().classId, 0);
}

// The game's key-code tables: Integer keys hash to their value and match by value.
TEST_F(HashtableTest, IntegerKeysFindTheirEntriesByValue) {
  auto* t = NewObject<java_util_Hashtable>();
  for (int32_t code : {-5, -1, 35, 42}) {
    t->put(NewObject<java_lang_Integer>(code), NewObject<java_lang_Integer>(code * 10));
  }
  EXPECT_EQ(static_cast<java_lang_Integer*>(t->get(NewObject<java_lang_Integer>(-5)))->value, -50);
  EXPECT_EQ(static_cast<java_lang_Integer*>(t->get(NewObject<java_lang_Integer>(42)))->value, 420);
  EXPECT_EQ(t->get(NewObject<java_lang_Integer>(7)), nullptr);
  // A look-up allocates nothing: the tables are read on every key event.
  java_lang_Integer* probe = NewObject<java_lang_Integer>(35);
  const int32_t objects = GetApplication()->getObjectManager()->objectCount();
  EXPECT_NE(t->get(probe), nullptr);
  EXPECT_EQ(GetApplication()->getObjectManager()->objectCount(), objects);
  auto* head = static_cast<java_util_HashtableEntry*>(t->table->elements()[35 % 11]);
  ASSERT_NE(head, nullptr);
  EXPECT_EQ(static_cast<java_lang_Integer*>(head->key)->value, 35);
}

TEST_F(HashtableTest, ThePutThatReachesTheThresholdRehashesFirst) {
  struct Row {
    int32_t capacity;
    std::vector<int32_t> buckets;     // each bucket count the table passes through
    std::vector<int32_t> thresholds;  // and its threshold
  };
  const Row rows[] = {
      {11, {11, 23, 47, 95}, {8, 17, 35, 71}},
      {0, {1, 3, 7, 15}, {0, 2, 5, 11}},
  };
  for (const Row& row : rows) {
    auto* t = NewObject<java_util_Hashtable>(row.capacity);
    std::vector<int32_t> buckets = {Buckets(t)};
    std::vector<int32_t> thresholds = {t->threshold};
    int32_t id = 0;
    while (buckets.size() < row.buckets.size()) {
      const int32_t before = t->count;
      // Replacing at the threshold never rehashes.
      if (before > 0 && before == t->threshold) {
        t->put(K(0), K(0));
        EXPECT_EQ(Buckets(t), buckets.back());
      }
      t->put(K(id), K(id));
      id++;
      if (Buckets(t) != buckets.back()) {
        EXPECT_EQ(before, thresholds.back()) << "rehashed at count " << before;
        buckets.push_back(Buckets(t));
        thresholds.push_back(t->threshold);
      }
    }
    EXPECT_EQ(buckets, row.buckets) << row.capacity;
    EXPECT_EQ(thresholds, row.thresholds) << row.capacity;
    for (int32_t k = 0; k < id; k++) {
      EXPECT_EQ(static_cast<Key*>(t->get(K(k)))->id, k) << k;
    }
  }
}

TEST_F(HashtableTest, KeysLandInTheBucketOfTheirHashAndChainsRunNewestFirst) {
  auto* t = NewObject<java_util_Hashtable>();
  const int32_t negative = -7;  // 0x7FFFFFF9 once the sign bit is masked: bucket 0x7FFFFFF9 % 11
  t->put(K(1, 3), S("a"));
  t->put(K(2, 14), S("b"));  // the same bucket as 1
  t->put(K(3, 25), S("c"));  // and again
  t->put(K(4, negative), S("d"));
  EXPECT_EQ(Chain(t, 3), (std::vector<int32_t>{3, 2, 1}));
  EXPECT_EQ(Chain(t, (negative & 0x7FFFFFFF) % 11), (std::vector<int32_t>{4}));
  EXPECT_EQ(TextOf(static_cast<String*>(t->get(K(1, 3)))), "a");
  EXPECT_EQ(TextOf(static_cast<String*>(t->get(K(4, negative)))), "d");
  // An equal hash alone is no match.
  EXPECT_EQ(t->get(K(9, 3)), nullptr);

  t->remove(K(2, 14));  // inside the chain
  EXPECT_EQ(Chain(t, 3), (std::vector<int32_t>{3, 1}));
  t->remove(K(3, 25));  // the head: the bucket starts at the older entry
  EXPECT_EQ(Chain(t, 3), (std::vector<int32_t>{1}));
  EXPECT_EQ(TextOf(static_cast<String*>(t->get(K(1, 3)))), "a");
  EXPECT_EQ(t->size(), 2);
}

TEST_F(HashtableTest, EnumeratorsRunFromTheLastBucketToTheFirst) {
  auto* t = NewObject<java_util_Hashtable>();
  t->put(K(1, 1), S("v1"));
  t->put(K(12, 1), S("v12"));
  t->put(K(5, 5), S("v5"));
  t->put(K(10, 10), S("v10"));
  EXPECT_EQ(Walk(t->keys()), (std::vector<std::string>{"10", "5", "12", "1"}));
  EXPECT_EQ(Walk(t->elements()), (std::vector<std::string>{"v10", "v5", "v12", "v1"}));

  java_util_Hashtable_HashtableEnumerator* walk = t->keys();
  void* asInterface = walk->getInterface(cid::java_util_Enumeration);
  ASSERT_NE(asInterface, nullptr);
  EXPECT_EQ(asInterface, static_cast<java_util_Enumeration*>(walk));
  EXPECT_EQ(walk->getInterface(cid::java_lang_Runnable), nullptr);
  EXPECT_TRUE(InstanceOf(walk, cid::java_util_Enumeration));
  auto* asEnumeration = static_cast<java_util_Enumeration*>(asInterface);
  for (int32_t i = 0; i < 4; i++) EXPECT_NE(asEnumeration->nextElement(), nullptr);
  EXPECT_EQ(TakePending().classId, 0);

  // Past the end: an exception each time, and no more elements.
  for (int32_t i = 0; i < 2; i++) {
    EXPECT_EQ(walk->nextElement(), nullptr);
    const Raised raised = TakePending();
    EXPECT_EQ(raised.classId, cid::java_util_NoSuchElementException);
    EXPECT_EQ(raised.message, "No more elements");
    EXPECT_FALSE(walk->hasMoreElements());
  }
}

TEST_F(HashtableTest, ContainsComparesValuesByEquals) {
  auto* t = NewObject<java_util_Hashtable>();
  t->put(K(1), S("red"));
  t->put(K(2), S("blue"));
  EXPECT_TRUE(t->contains(S("blue")));
  EXPECT_FALSE(t->contains(S("green")));
  EXPECT_FALSE(t->contains(K(1)));  // keys are not values
  EXPECT_EQ(TakePending().classId, 0);
}

TEST_F(HashtableTest, NullKeysAndValuesThrowAndLeaveTheTableAsItWas) {
  auto* t = NewObject<java_util_Hashtable>();
  t->put(S("k"), S("v"));
  struct Row {
    const char* operation;
    void (*call)(java_util_Hashtable* t);
  };
  const Row rows[] = {
      {"put null key", [](java_util_Hashtable* t) { EXPECT_EQ(t->put(nullptr, S("v")), nullptr); }},
      {"put null value",
       [](java_util_Hashtable* t) { EXPECT_EQ(t->put(S("k"), nullptr), nullptr); }},
      {"get", [](java_util_Hashtable* t) { EXPECT_EQ(t->get(nullptr), nullptr); }},
      {"containsKey", [](java_util_Hashtable* t) { EXPECT_FALSE(t->containsKey(nullptr)); }},
      {"remove", [](java_util_Hashtable* t) { EXPECT_EQ(t->remove(nullptr), nullptr); }},
      {"contains", [](java_util_Hashtable* t) { EXPECT_FALSE(t->contains(nullptr)); }},
  };
  for (const Row& row : rows) {
    row.call(t);
    EXPECT_EQ(TakePending().classId, cid::java_lang_NullPointerException) << row.operation;
    EXPECT_EQ(t->size(), 1) << row.operation;
    EXPECT_EQ(TextOf(static_cast<String*>(t->get(S("k")))), "v") << row.operation;
  }
}

// String hashes are 31 times Java's (the terminator is hashed too), so the order of string
// keys is this system's own: "a" lands in bucket 3007 % 11 = 4, "b" in 3038 % 11 = 2.
TEST_F(HashtableTest, TextListsThePairsInEnumerationOrder) {
  auto* t = NewObject<java_util_Hashtable>();
  EXPECT_EQ(TextOf(t->toString()), "{}");
  t->put(S("b"), S("2"));
  t->put(S("a"), S("1"));
  EXPECT_EQ(S("a")->hashCode(), 3007);
  EXPECT_EQ(TextOf(t->toString()), "{a=1, b=2}");
}

TEST_F(HashtableTest, ANegativeCapacityThrowsAndTheFirstPutGrowsTheTable) {
  auto* t = NewObject<java_util_Hashtable>(-1);
  const Raised raised = TakePending();
  EXPECT_EQ(raised.classId, cid::java_lang_IllegalArgumentException);
  EXPECT_EQ(raised.message, "");
  EXPECT_EQ(t->get(K(1)), nullptr);
  EXPECT_FALSE(t->keys()->hasMoreElements());
  t->put(K(1), S("one"));
  EXPECT_EQ(Buckets(t), 3);
  EXPECT_EQ(TextOf(static_cast<String*>(t->get(K(1)))), "one");
}

// Entries are reachable only through the bucket array and the chains; a removed entry is not.
TEST_F(HashtableTest, EntriesLiveAsLongAsTheTableHoldsThem) {
  java_util_Hashtable* t = nullptr;
  Deep([&] {
    t = NewObject<java_util_Hashtable>(1);  // rehashes along the way
    for (int32_t i = 0; i < 20; i++) t->put(K(i, i % 3), NewObject<Tracked>(100 + i));
    t->remove(K(7, 7 % 3));
  });
  CollectNow();
  std::vector<int32_t> freed = Tracked::freedIds();
  std::sort(freed.begin(), freed.end());
  // The removed key and value, and the equal key the removal looked up with.
  EXPECT_EQ(freed, (std::vector<int32_t>{7, 7, 107}));
  for (int32_t i = 0; i < 20; i++) {
    auto* value = static_cast<Tracked*>(t->get(K(i, i % 3)));
    if (i == 7) {
      EXPECT_EQ(value, nullptr);
    } else {
      ASSERT_NE(value, nullptr) << i;
      EXPECT_EQ(value->id, 100 + i);
    }
  }
}

// An enumerator keeps the table it walks reachable.
TEST_F(HashtableTest, AnEnumeratorKeepsItsEntriesAlive) {
  java_util_Hashtable_HashtableEnumerator* walk = nullptr;
  Deep([&] {
    auto* t = NewObject<java_util_Hashtable>();
    for (int32_t i = 0; i < 5; i++) t->put(K(i), NewObject<Tracked>(100 + i));
    walk = t->elements();
    walk->hasMoreElements();  // holds an entry now, besides the table
  });
  CollectNow();
  EXPECT_TRUE(Tracked::freedIds().empty());
  std::vector<int32_t> ids;
  while (walk->hasMoreElements()) ids.push_back(static_cast<Tracked*>(walk->nextElement())->id);
  std::sort(ids.begin(), ids.end());
  EXPECT_EQ(ids, (std::vector<int32_t>{100, 101, 102, 103, 104}));
}

// A locked operation waits while another thread holds the table's monitor.
std::atomic<java_util_Hashtable*> shared{nullptr};

TEST_F(HashtableTest, LockedOperationsWaitForTheMonitor) {
  auto* t = NewObject<java_util_Hashtable>();
  shared = t;
  Monitor::enter(t);
  ProbeThread* putter = NewProbe([](ProbeThread* self) {
    self->seen = 1;
    shared.load()->put(NewJavaString("k"), NewJavaString("v"));
    self->seen = 2;
  });
  putter->nativeStart();
  SleepUntil([putter] { return putter->seen.load() == 1; });
  java_lang_Thread::sleep(50);
  EXPECT_EQ(putter->seen.load(), 1);
  EXPECT_EQ(t->size(), 0);
  Monitor::exit(t);
  SleepUntil([putter] { return putter->seen.load() == 2; });
  EXPECT_EQ(t->size(), 1);
  WaitForActiveCount(1);
}

}  // namespace
