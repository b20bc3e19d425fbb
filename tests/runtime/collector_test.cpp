#include <gtest/gtest.h>

#include <atomic>
#include <cstring>

#include "host/thread.h"
#include "runtime/array.h"
#include "runtime/thread_state.h"
#include "tests/runtime/collector_fixture.h"
#include "tests/support/runtime_fixture.h"
#include "tests/support/test_class_ids.h"

namespace {

using CollectorTest = CollectorFixture;

// ---- Roots --------------------------------------------------------------------------------

TEST_F(CollectorTest, ObjectsReachableOnlyFromTheStackSurviveAndGarbageIsFinalised) {
  Node* volatile local = nullptr;
  char* volatile interior = nullptr;  // points at the last byte of its object
  Deep([&] {
    local = NewNode(1);
    Node* inner = NewNode(2);
    interior = reinterpret_cast<char*>(inner) + sizeof(Node) - 1;
    NewNode(3);
  });
  const int32_t before = manager()->objectCount();
  manager()->gc(kGcForced);
  EXPECT_EQ(finalizedIds, std::vector<int32_t>{3});
  EXPECT_EQ(manager()->objectCount(), before - 1);
  EXPECT_EQ(local->id, 1);
  EXPECT_EQ(reinterpret_cast<Node*>(interior - sizeof(Node) + 1)->id, 2);
}

TEST_F(CollectorTest, AnUnreachableCycleIsFinalisedOnceEachAndFreed) {
  Deep([] {
    Node* a = NewNode(1);
    Node* b = NewNode(2);
    a->next = b;
    b->next = a;
  });
  const int32_t before = manager()->objectCount();
  manager()->gc(kGcForced);
  manager()->gc(kGcForced);
  EXPECT_EQ(Sorted(finalizedIds), (std::vector<int32_t>{1, 2}));
  EXPECT_EQ(manager()->objectCount(), before - 2);
}

// A word in a data-heap body is not a reference, even when it holds an object's full
// address; the same value in a stack local is.
TEST_F(CollectorTest, AnAddressInABodyKeepsNothingAliveButOnTheStackItDoes) {
  Long64Array* volatile words = NewLong64Array(1);
  Deep([&] { words->elements()[0] = reinterpret_cast<int64_t>(NewNode(1)); });
  manager()->gc(kGcForced);
  EXPECT_EQ(finalizedIds, std::vector<int32_t>{1});

  Node* volatile local = NewNode(2);
  words->elements()[0] = reinterpret_cast<int64_t>(local);
  manager()->gc(kGcForced);
  EXPECT_EQ(finalizedIds, std::vector<int32_t>{1});
}

Object* staticSlots[2];
Object** const kRootTable[] = {&staticSlots[0], nullptr, &staticSlots[1]};

TEST_F(CollectorTest, RegisteredRootSlotsKeepTheirObjectsAlive) {
  manager()->registerRootSlots(kRootTable, 3);
  Deep([] {
    staticSlots[0] = NewNode(1);
    staticSlots[1] = NewNode(2);
  });
  manager()->gc(kGcForced);
  EXPECT_TRUE(finalizedIds.empty());
  staticSlots[0] = nullptr;
  manager()->gc(kGcForced);
  EXPECT_EQ(finalizedIds, std::vector<int32_t>{1});
  staticSlots[1] = nullptr;
}

TEST_F(CollectorTest, EachCurrentObjectOfTheApplicationIsARoot) {
  using Set = void (*)(Application&, Object*);
  const Set fields[] = {
      [](Application& a, Object* o) {
        a.m_midlet = reinterpret_cast<javax_microedition_midlet_MIDlet*>(o);
      },
      [](Application& a, Object* o) {
        a.currentDisplayable = reinterpret_cast<javax_microedition_lcdui_Displayable*>(o);
      },
      [](Application& a, Object* o) {
        a.screenImage = reinterpret_cast<javax_microedition_lcdui_Image*>(o);
      },
      [](Application& a, Object* o) {
        a.m_screenGraphics = reinterpret_cast<javax_microedition_lcdui_Graphics*>(o);
      },
      [](Application& a, Object* o) { a.sharedStringBuffer = reinterpret_cast<StringBuffer*>(o); },
  };
  for (int32_t i = 0; i < 5; i++) {
    Deep([&] { fields[i](application_, NewNode(i)); });
    manager()->gc(kGcForced);
    EXPECT_TRUE(finalizedIds.empty()) << "field " << i;
    fields[i](application_, nullptr);
    manager()->gc(kGcForced);
    EXPECT_EQ(finalizedIds, std::vector<int32_t>{i});
    finalizedIds.clear();
  }
}

class CountedException : public java_lang_Throwable {
 public:
  static constexpr int16_t kClassId = cid::java_lang_Exception;
  void finalize() override { finalizedIds.push_back(-1); }
};

TEST_F(CollectorTest, APendingExceptionIsARootOfItsOwnThread) {
  Deep([] { ThrowException(NewObject<CountedException>()); });
  manager()->gc(kGcForced);
  EXPECT_TRUE(finalizedIds.empty());
  ClearPendingException();
  manager()->gc(kGcForced);
  EXPECT_EQ(finalizedIds, std::vector<int32_t>{-1});
}

// Another thread's pending exception is reached through that thread's state, not through
// any stack.
std::atomic<Object*> handOver{nullptr};
host::AutoResetEvent stored;
host::AutoResetEvent release;

TEST_F(CollectorTest, APendingExceptionOfAnotherThreadIsARoot) {
  Deep([] { handOver.store(NewObject<CountedException>()); });
  host::Thread other;
  other.start(
      [](void*) {
        CurrentThreadState().pendingException = handOver.exchange(nullptr);
        stored.set();
        release.wait();
        CurrentThreadState().pendingException = nullptr;
      },
      nullptr);
  stored.wait();
  manager()->gc(kGcForced);
  EXPECT_TRUE(finalizedIds.empty());
  release.set();
  other.join();
  manager()->gc(kGcForced);
  EXPECT_EQ(finalizedIds, std::vector<int32_t>{-1});
}

// ---- Marking ------------------------------------------------------------------------------

// Only ever made as the base of WithOwnField, so it needs no class id of its own.
class WithField : public Object {
 public:
  WithField() { RegisterReferenceFields(this, &inherited); }
  Object* inherited;
};

class WithOwnField : public WithField {
 public:
  static constexpr int16_t kClassId = test_class_id::kWithOwnField;
  WithOwnField() { RegisterReferenceFields(this, &own); }
  Object* own;
};

TEST_F(CollectorTest, ASubclassOwnReferenceFieldIsFollowed) {
  WithOwnField* volatile holder = NewObject<WithOwnField>();
  Deep([&] {
    holder->inherited = NewNode(1);
    holder->own = NewNode(2);
  });
  manager()->gc(kGcForced);
  EXPECT_TRUE(finalizedIds.empty());
  holder->own = nullptr;
  manager()->gc(kGcForced);
  EXPECT_EQ(finalizedIds, std::vector<int32_t>{2});
}

// Elements of an ObjectArray are references wherever its body has moved; null elements and
// an empty array are skipped.
TEST_F(CollectorTest, ObjectArrayElementsAreFollowedThroughTheirMovableBody) {
  ObjectArray* volatile array = NewObjectArray(cid::Object, 4);
  Deep([&] {
    array->elements()[0] = NewNode(1);
    array->elements()[2] = NewNode(2);
    array->elements()[3] = NewObjectArray(cid::Object, 0);
  });
  void* before = array->body;
  ForceDataHeapCompaction();
  EXPECT_NE(array->body, before);
  manager()->gc(kGcForced);
  EXPECT_TRUE(finalizedIds.empty());
  array->elements()[2] = nullptr;
  manager()->gc(kGcForced);
  EXPECT_EQ(finalizedIds, std::vector<int32_t>{2});
  EXPECT_EQ(static_cast<Node*>(array->elements()[0])->id, 1);
}

// The mark stack grows with the graph: a chain 10,000 containers deep, alternating nodes
// and one-element arrays, is marked to its end.
TEST_F(CollectorTest, ADeepChainIsMarkedCompletely) {
  constexpr int32_t kDepth = 10000;
  Node* volatile head = nullptr;
  Deep([&] {
    Node* last = NewNode(0);
    head = last;
    for (int32_t i = 1; i < kDepth; i++) {
      ObjectArray* link = NewObjectArray(cid::Object, 1);
      Node* node = NewNode(i);
      last->next = reinterpret_cast<Node*>(link);
      link->elements()[0] = node;
      last = node;
    }
  });
  manager()->gc(kGcForced);
  EXPECT_TRUE(finalizedIds.empty());
  int32_t reached = 1;
  for (Node* n = head; n->next;
       n = static_cast<Node*>(reinterpret_cast<ObjectArray*>(n->next)->elements()[0])) {
    reached++;
  }
  EXPECT_EQ(reached, kDepth);
}

// The two marking entry points on their own: mark follows the graph from one object, and
// scanRange takes every word that points into an object, interior or not, and nothing else.
TEST_F(CollectorTest, MarkAndScanRangeMarkWhatTheyReach) {
  Node* a = NewNode(1);
  Node* b = NewNode(2);
  Node* c = NewNode(3);
  Node* d = NewNode(4);
  a->next = b;
  b->other = a;
  for (Node* n : {a, b, c, d}) n->clearMark();
  manager()->mark(a);
  EXPECT_TRUE(a->marked() && b->marked());
  EXPECT_FALSE(c->marked() || d->marked());

  int32_t notAnObject = 0;
  const void* words[] = {reinterpret_cast<char*>(c) + 5, &notAnObject, nullptr,
                         reinterpret_cast<char*>(d) - 1};  // the last lies in d's header
  manager()->scanRange(words, words + 4);
  EXPECT_TRUE(c->marked());
  EXPECT_FALSE(d->marked());
}

// ---- Flags --------------------------------------------------------------------------------

TEST_F(CollectorTest, ThrottledRequestsCollectAtMostOncePerInterval) {
  Deep([] { NewNode(1); });
  manager()->gc(kGcThrottled);  // the manager was made at this tick
  EXPECT_TRUE(finalizedIds.empty());
  clock_.advance(kGcInterval);
  manager()->gc(kGcThrottled);
  EXPECT_EQ(finalizedIds, std::vector<int32_t>{1});

  Deep([] { NewNode(2); });
  clock_.advance(kGcInterval - 1);
  manager()->gc(kGcThrottled);
  EXPECT_EQ(finalizedIds.size(), 1u);
  clock_.advance(1);
  manager()->gc(kGcThrottled);
  EXPECT_EQ(finalizedIds, (std::vector<int32_t>{1, 2}));
}

TEST_F(CollectorTest, ForcedRequestsAlwaysCollect) {
  for (int32_t i = 0; i < 2; i++) {
    Deep([i] { NewNode(i); });
    manager()->gc(kGcForced);
  }
  EXPECT_EQ(finalizedIds, (std::vector<int32_t>{0, 1}));
}

TEST_F(CollectorTest, KeepNewestSparesTheLastRegisteredObjectOnce) {
  Deep([] {
    NewNode(1);
    NewNode(2);
  });
  manager()->gc(kGcKeepNewest);
  EXPECT_EQ(finalizedIds, std::vector<int32_t>{1});
  manager()->gc(kGcForced);
  EXPECT_EQ(finalizedIds, (std::vector<int32_t>{1, 2}));
}

TEST_F(CollectorTest, ReleaseAllFreesEveryObjectEvenUncollectableAndReachableOnes) {
  Node* volatile local = NewNode(1);
  Object* thread = NewObject<Object>();
  thread->collectable = 0;
  manager()->gc(kGcReleaseAll);
  EXPECT_EQ(finalizedIds, std::vector<int32_t>{1});
  EXPECT_EQ(manager()->objectCount(), 0);
  EXPECT_EQ(application_.objectHeap->usedBytes(), 0);
  (void)local;
}

TEST_F(CollectorTest, UncollectableObjectsSurviveOrdinaryCollections) {
  Deep([] { NewNode(1)->collectable = 0; });
  manager()->gc(kGcForced);
  EXPECT_TRUE(finalizedIds.empty());
}

// ---- Requests from where no collection may run --------------------------------------------

TEST_F(CollectorTest, ARequestFromAThreadThatIsNotAJavaThreadIsRefused) {
  Deep([] { NewNode(1); });
  TraceCapture trace;
  uint32_t otherId = 0;
  host::Thread other;
  struct Request {
    ObjectManager* manager;
    uint32_t* id;
  } request{manager(), &otherId};
  other.start(
      [](void* arg) {
        auto* r = static_cast<Request*>(arg);
        *r->id = host::CurrentThreadId();
        r->manager->gc(kGcForced);
      },
      &request);
  other.join();
  EXPECT_TRUE(finalizedIds.empty());
  char expected[96];
  snprintf(expected, sizeof expected,
           "ObjectManager::gc(): thread 0x%X is not a Java thread; refused", otherId);
  EXPECT_TRUE(trace.contains(expected));
  manager()->gc(kGcForced);
  EXPECT_EQ(finalizedIds, std::vector<int32_t>{1});
}

// A finaliser that allocates more than the heap holds asks for a collection from inside the
// sweep; that request is dropped, the allocation fails with its trace, and a small object it
// makes is born marked and lives until the next collection.
class AllocatingFinalizer : public Object {
 public:
  static constexpr int16_t kClassId = cid::java_util_Random;
  void finalize() override {
    finalizedIds.push_back(-1);
    AllocObjectMemory(kObjectHeapSize - 64, 0);
    NewNode(99);
  }
};

TEST_F(CollectorTest, AFinaliserThatAllocatesNeverStartsASecondCollection) {
  Deep([] {
    NewNode(1);
    NewObject<AllocatingFinalizer>();
    NewNode(2);
  });
  TraceCapture trace;
  manager()->gc(kGcForced);
  EXPECT_EQ(Sorted(finalizedIds), (std::vector<int32_t>{-1, 1, 2}));
  ASSERT_EQ(trace.lines().size(), 1u);
  EXPECT_EQ(trace.lines()[0].rfind("totalFragmentSizeNeeded=", 0), 0u);
  manager()->gc(kGcForced);
  EXPECT_EQ(Sorted(finalizedIds), (std::vector<int32_t>{-1, 1, 2, 99}));
}

// ---- Allocation failures ------------------------------------------------------------------

TEST_F(CollectorTest, AnObjectThatCannotBeMadeCollectsThenFailsWithItsTrace) {
  Deep([] { NewNode(2); });
  Node* volatile kept = NewNode(1);  // the newest object, which the allocator's collection spares
  TraceCapture trace;
  EXPECT_EQ(AllocObjectMemory(kObjectHeapSize - 64, 0), nullptr);
  EXPECT_EQ(finalizedIds, std::vector<int32_t>{2});
  ASSERT_EQ(trace.lines().size(), 1u);
  char expected[96];
  snprintf(expected, sizeof expected, "totalFragmentSizeNeeded=%d m_heapUsed=%d m_heapSize=%d",
           kObjectHeapSize - 56, application_.objectHeap->usedBytes(), kObjectHeapSize);
  EXPECT_EQ(trace.lines()[0], expected);
  EXPECT_EQ(kept->id, 1);
  EXPECT_NE(NewNode(3), nullptr);  // the heap still serves what fits
}

// Small heaps: the data heap holds 64 KB, so a body of 32 KB fits only after compaction.
class SmallHeapCollectorTest : public CollectorFixture {
 protected:
  SmallHeapCollectorTest() : CollectorFixture(256 * 1024, 64 * 1024) {}
};

TEST_F(SmallHeapCollectorTest, ABodyThatFitsOnlyAfterCompactionGetsItsRoomThere) {
  constexpr int32_t kBodyInts = 1500;  // 6000 bytes
  IntArray* volatile arrays[8];
  for (int32_t i = 0; i < 8; i++) {
    arrays[i] = NewIntArray(kBodyInts);
    for (int32_t k = 0; k < kBodyInts; k++) arrays[i]->elements()[k] = i * 10000 + k;
  }
  for (int32_t i = 1; i < 8; i += 2) arrays[i] = nullptr;
  manager()->gc(kGcForced);  // frees every other body: holes too small for what follows
  void* before = arrays[6]->body;

  IntArray* volatile big = NewIntArray(8000);  // 32000 bytes
  ASSERT_NE(big, nullptr);
  EXPECT_TRUE(application_.dataHeap->Contains(big->body));
  EXPECT_NE(arrays[6]->body, before);  // moved out of the way
  for (int32_t i = 0; i < 8; i += 2) {
    for (int32_t k = 0; k < kBodyInts; k++) ASSERT_EQ(arrays[i]->elements()[k], i * 10000 + k);
  }
  EXPECT_EQ(application_.dataHeap->checkConsistency(), nullptr);
}

TEST_F(SmallHeapCollectorTest, ABodyLargerThanTheDataHeapComesFromTheNativeHeap) {
  TraceCapture trace;
  IntArray* volatile big = NewIntArray(20000);  // 80000 bytes
  ASSERT_NE(big, nullptr);
  EXPECT_FALSE(application_.dataHeap->Contains(big->body));
  EXPECT_EQ(big->elements()[19999], 0);
  EXPECT_EQ(trace.lines().size(), 1u);  // the failed fit; the close frees the native body
}

}  // namespace
