#include "javame/vector.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <vector>

#include "runtime/array.h"
#include "runtime/monitor.h"
#include "tests/runtime/thread_fixture.h"
#include "tests/support/library_fixture.h"

namespace {

class VectorTest : public LibraryTest {
 protected:
  // A Vector of one-letter strings, one element per letter.
  static java_util_Vector* Of(const std::string& letters) {
    auto* v = NewObject<java_util_Vector>();
    for (char c : letters) v->addElement(Text(c));
    return v;
  }
  static String* Text(char c) { return NewJavaString(std::string(1, c).c_str()); }
  // The elements as letters; '.' for a null slot.
  static std::string Letters(java_util_Vector* v) {
    std::string out;
    for (int32_t i = 0; i < v->size(); i++) {
      Object* e = v->elementData->elements()[i];
      out += e ? TextOf(static_cast<String*>(e)) : ".";
    }
    return out;
  }
  // Every slot from elementCount up is null.
  static bool TailIsClear(java_util_Vector* v) {
    for (int32_t i = v->elementCount; i < v->capacity(); i++) {
      if (v->elementData->elements()[i]) return false;
    }
    return true;
  }
};

TEST_F(VectorTest, CapacityGrowsByItsIncrementOrByDoubling) {
  struct Row {
    int32_t initial;
    int32_t increment;
    std::vector<int32_t> capacities;  // each capacity the Vector passes through
  };
  const Row rows[] = {
      {10, 0, {10, 20, 40}},
      {0, 0, {0, 1, 2, 4, 8, 16}},
      {4, 3, {4, 7, 10, 13}},
      {2, -5, {2, 4, 8}},
  };
  for (const Row& row : rows) {
    auto* v = NewObject<java_util_Vector>(row.initial, row.increment);
    std::vector<int32_t> seen = {v->capacity()};
    while (static_cast<int32_t>(seen.size()) < static_cast<int32_t>(row.capacities.size())) {
      v->addElement(v);
      if (v->capacity() != seen.back()) seen.push_back(v->capacity());
    }
    EXPECT_EQ(seen, row.capacities) << row.initial << "," << row.increment;
    EXPECT_TRUE(TailIsClear(v));
  }
  EXPECT_EQ(NewObject<java_util_Vector>()->capacity(), 10);
  EXPECT_EQ(TakePending().classId, 0);
}

TEST_F(VectorTest, InsertAndRemoveMoveTheElementsBehind) {
  java_util_Vector* v = Of("bd");
  v->insertElementAt(Text('a'), 0);
  v->insertElementAt(Text('c'), 2);
  v->insertElementAt(Text('e'), v->size());  // at the size: appends
  EXPECT_EQ(Letters(v), "abcde");
  v->removeElementAt(1);
  EXPECT_EQ(Letters(v), "acde");
  v->removeElementAt(v->size() - 1);  // the last: nothing moves, its slot is cleared
  EXPECT_EQ(Letters(v), "acd");
  EXPECT_TRUE(v->removeElement(Text('c')));  // found by equals, not identity
  EXPECT_FALSE(v->remove(Text('z')));
  EXPECT_EQ(Letters(v), "ad");
  EXPECT_TRUE(TailIsClear(v));
  v->setElementAt(Text('x'), 1);
  v->set(0, Text('w'));
  EXPECT_EQ(Letters(v), "wx");
  v->clear();
  EXPECT_EQ(v->size(), 0);
  EXPECT_TRUE(v->isEmpty());
  EXPECT_TRUE(TailIsClear(v));
  EXPECT_EQ(TakePending().classId, 0);
}

TEST_F(VectorTest, PositionsOutsideTheElementsThrowAndChangeNothing) {
  struct Row {
    const char* operation;
    int32_t position;
    void (*call)(java_util_Vector* v, int32_t position);
  };
  const Row rows[] = {
      {"elementAt", -1,
       [](java_util_Vector* v, int32_t p) { EXPECT_EQ(v->elementAt(p), nullptr); }},
      {"elementAt", 3, [](java_util_Vector* v, int32_t p) { EXPECT_EQ(v->elementAt(p), nullptr); }},
      {"get", 3, [](java_util_Vector* v, int32_t p) { EXPECT_EQ(v->get(p), nullptr); }},
      {"setElementAt", 3, [](java_util_Vector* v, int32_t p) { v->setElementAt(v, p); }},
      {"set", -2, [](java_util_Vector* v, int32_t p) { v->set(p, v); }},
      {"removeElementAt", 3, [](java_util_Vector* v, int32_t p) { v->removeElementAt(p); }},
      {"insertElementAt", 4, [](java_util_Vector* v, int32_t p) { v->insertElementAt(v, p); }},
      {"insertElementAt", -1, [](java_util_Vector* v, int32_t p) { v->insertElementAt(v, p); }},
  };
  for (const Row& row : rows) {
    java_util_Vector* v = Of("abc");
    row.call(v, row.position);
    const Raised raised = TakePending();
    EXPECT_EQ(raised.classId, cid::java_lang_ArrayIndexOutOfBoundsException) << row.operation;
    EXPECT_EQ(raised.message, "Array index out of range: " + std::to_string(row.position))
        << row.operation;
    EXPECT_EQ(Letters(v), "abc") << row.operation;
  }
}

TEST_F(VectorTest, SearchesMatchByEqualsAndNullByNull) {
  auto* v = NewObject<java_util_Vector>();
  for (Object* e : {static_cast<Object*>(Text('a')), static_cast<Object*>(nullptr),
                    static_cast<Object*>(Text('b')), static_cast<Object*>(Text('a')),
                    static_cast<Object*>(nullptr)}) {
    v->addElement(e);
  }
  EXPECT_EQ(v->indexOf(Text('a')), 0);
  EXPECT_EQ(v->indexOf(Text('a'), 1), 3);
  EXPECT_EQ(v->indexOf(nullptr), 1);
  EXPECT_EQ(v->indexOf(Text('b'), 5), -1);
  EXPECT_EQ(v->lastIndexOf(Text('a')), 3);
  EXPECT_EQ(v->lastIndexOf(nullptr, 3), 1);
  EXPECT_EQ(v->lastIndexOf(Text('a'), -1), -1);
  EXPECT_TRUE(v->contains(Text('b')));
  EXPECT_FALSE(v->contains(Text('c')));
  EXPECT_EQ(TakePending().classId, 0);

  // Backwards from the size: an index error whose message is the start.
  EXPECT_EQ(v->lastIndexOf(Text('a'), 5), -1);
  const Raised raised = TakePending();
  EXPECT_EQ(raised.classId, cid::java_lang_IndexOutOfBoundsException);
  EXPECT_EQ(raised.message, "5");
}

TEST_F(VectorTest, ANegativeSearchStartIsRefusedWithATraceLine) {
  java_util_Vector* v = Of("ab");
  TraceCapture trace;
  EXPECT_EQ(v->indexOf(Text('a'), -1), -1);
  EXPECT_EQ(TakePending().classId, 0);
  EXPECT_TRUE(trace.contains("java_util_Vector::indexOf: start -1 is negative; not searched"));
}

TEST_F(VectorTest, SetSizeGrowsExactlyOrClearsTheCutSlots) {
  java_util_Vector* v = Of("abcd");
  v->setSize(25);  // beyond the doubled capacity of 20: exactly 25
  EXPECT_EQ(v->capacity(), 25);
  EXPECT_EQ(v->size(), 25);
  EXPECT_EQ(Letters(v).substr(0, 6), "abcd..");
  v->setSize(12);  // within the capacity: no new array
  EXPECT_EQ(v->capacity(), 25);
  v->setSize(2);
  EXPECT_EQ(Letters(v), "ab");
  EXPECT_TRUE(TailIsClear(v));
  v->setSize(0);
  EXPECT_TRUE(TailIsClear(v));

  java_util_Vector* w = Of("abc");
  w->setSize(11);  // one step of doubling covers it
  EXPECT_EQ(w->capacity(), 20);

  TraceCapture trace;
  w->setSize(-1);
  EXPECT_EQ(w->size(), 11);
  EXPECT_TRUE(trace.contains("java_util_Vector::setSize: size -1 is negative; nothing changed"));
  EXPECT_EQ(TakePending().classId, 0);
}

TEST_F(VectorTest, CopyIntoFillsTheArrayOnlyWhenEveryElementFits) {
  java_util_Vector* v = Of("abc");
  ObjectArray* room = NewObjectArray(cid::Object, 4);
  v->copyInto(room);
  EXPECT_EQ(TextOf(static_cast<String*>(room->elements()[0])), "a");
  EXPECT_EQ(TextOf(static_cast<String*>(room->elements()[2])), "c");
  EXPECT_EQ(room->elements()[3], nullptr);

  TraceCapture trace;
  ObjectArray* small = NewObjectArray(cid::Object, 2);
  v->copyInto(small);
  EXPECT_EQ(small->elements()[0], nullptr);
  EXPECT_TRUE(trace.contains(
      "java_util_Vector::copyInto: 3 elements do not fit an array of 2; nothing copied"));
  v->copyInto(nullptr);
  EXPECT_TRUE(trace.contains("NullPointer"));
  EXPECT_EQ(TakePending().classId, 0);
}

TEST_F(VectorTest, FirstAndLastElementOfAnEmptyVectorAreNull) {
  auto* v = NewObject<java_util_Vector>();
  EXPECT_EQ(v->firstElement(), nullptr);
  EXPECT_EQ(v->lastElement(), nullptr);
  EXPECT_EQ(TakePending().classId, 0);
  v = Of("xyz");
  EXPECT_EQ(TextOf(static_cast<String*>(v->firstElement())), "x");
  EXPECT_EQ(TextOf(static_cast<String*>(v->lastElement())), "z");
}

// The class has no enumerator of its own: callers walk it by position, as the record store's
// enumeration does, and the walk sees the elements in order.
TEST_F(VectorTest, WalkingByPositionSeesEveryElementInOrder) {
  java_util_Vector* v = Of("walk");
  std::string walked;
  for (int32_t i = 0; i < v->size(); i++) walked += TextOf(static_cast<String*>(v->elementAt(i)));
  EXPECT_EQ(walked, "walk");
}

TEST_F(VectorTest, TrimToSizeAndACopyOfAnotherVector) {
  java_util_Vector* v = Of("abc");
  v->trimToSize();
  EXPECT_EQ(v->capacity(), 3);
  EXPECT_EQ(Letters(v), "abc");
  v->ensureCapacity(2);  // below the capacity: unchanged
  EXPECT_EQ(v->capacity(), 3);
  v->ensureCapacity(5);
  EXPECT_EQ(v->capacity(), 6);

  auto* copy = NewObject<java_util_Vector>(v);
  EXPECT_EQ(copy->capacity(), 3);
  EXPECT_EQ(Letters(copy), "abc");
  EXPECT_NE(copy->elementData, v->elementData);
}

TEST_F(VectorTest, ANegativeCapacityThrowsAndLeavesAnEmptyVector) {
  auto* v = NewObject<java_util_Vector>(-1, 0);
  const Raised raised = TakePending();
  EXPECT_EQ(raised.classId, cid::java_lang_IllegalArgumentException);
  EXPECT_EQ(raised.message, "Illegal capacity");
  EXPECT_EQ(v->capacity(), 0);
  v->addElement(v);
  EXPECT_EQ(v->capacity(), 1);
  EXPECT_EQ(v->size(), 1);
}

// Elements are reachable only through the element array; a removed one is not.
TEST_F(VectorTest, ElementsLiveAsLongAsTheVectorHoldsThem) {
  java_util_Vector* v = nullptr;
  Deep([&] {
    v = NewObject<java_util_Vector>(0, 0);
    for (int32_t i = 0; i < 20; i++) v->addElement(NewObject<Tracked>(i));
    v->removeElementAt(19);  // the last: its slot is cleared, nothing moves
    v->removeElementAt(4);
  });
  CollectNow();
  std::vector<int32_t> freed = Tracked::freedIds();
  std::sort(freed.begin(), freed.end());
  EXPECT_EQ(freed, (std::vector<int32_t>{4, 19}));
  ASSERT_EQ(v->size(), 18);
  for (int32_t i = 0; i < 18; i++) {
    EXPECT_EQ(static_cast<Tracked*>(v->elementAt(i))->id, i < 4 ? i : i + 1);
  }
}

// A locked operation waits while another thread holds the Vector's monitor.
std::atomic<java_util_Vector*> shared{nullptr};

TEST_F(VectorTest, LockedOperationsWaitForTheMonitor) {
  auto* v = NewObject<java_util_Vector>();
  shared = v;
  Monitor::enter(v);
  ProbeThread* adder = NewProbe([](ProbeThread* self) {
    self->seen = 1;
    shared.load()->addElement(shared.load());
    self->seen = 2;
  });
  adder->nativeStart();
  SleepUntil([adder] { return adder->seen.load() == 1; });
  java_lang_Thread::sleep(50);
  EXPECT_EQ(adder->seen.load(), 1);
  EXPECT_EQ(v->size(), 0);
  Monitor::exit(v);
  SleepUntil([adder] { return adder->seen.load() == 2; });
  EXPECT_EQ(v->size(), 1);
  WaitForActiveCount(1);
}

}  // namespace
