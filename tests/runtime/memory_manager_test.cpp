#include "runtime/memory_manager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <vector>

#include "host/thread.h"
#include "tests/support/runtime_fixture.h"

namespace {

static_assert(sizeof(void*) == 8, "the sizes below are those of the 64-bit block layout");

// The block a request took, header included, read from the heap's own accounting.
int32_t TakenBlock(MemoryManager& heap, void* data) {
  return heap.GetBlockSize(data) + heap.headerSize();
}

void ExpectConsistent(const MemoryManager& heap) {
  const char* problem = heap.checkConsistency();
  EXPECT_EQ(problem, nullptr) << problem;
}

TEST(MemoryManagerTest, NewHeapIsOneFreeBlockWithTheHeaderOfItsKind) {
  for (bool compacting : {false, true}) {
    MemoryManager heap(4096, compacting);
    EXPECT_EQ(heap.heapSize(), 4096);
    EXPECT_EQ(heap.headerSize(), compacting ? 16 : 8);
    EXPECT_EQ(heap.blockCount(), 1);
    EXPECT_EQ(heap.freeCount(), 1);
    EXPECT_EQ(heap.usedBytes(), 0);
    EXPECT_EQ(heap.peakUsed(), 0);
    ExpectConsistent(heap);
  }
}

TEST(MemoryManagerTest, RequestsRoundToWholeWordsPlusHeaderWithAMinimumBlock) {
  struct Case {
    bool compacting;
    size_t request;
    int32_t block;
  };
  const Case cases[] = {
      {false, 1, 24}, {false, 16, 24}, {false, 17, 32}, {false, 0, 24},
      {true, 1, 24},  {true, 8, 24},   {true, 9, 32},   {true, 100, 120},
  };
  for (const Case& c : cases) {
    MemoryManager heap(4096, c.compacting);
    void* data = heap.Malloc(c.request);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(TakenBlock(heap, data), c.block)
        << "request " << c.request << (c.compacting ? " data" : " object");
    EXPECT_EQ(heap.usedBytes(), c.block);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(data) % sizeof(void*), 0u);
  }
}

// A free block whose excess over the need is at most header + 32 bytes is handed out whole;
// one word more and it is split.
TEST(MemoryManagerTest, SplitsOnlyWhenTheRestExceedsHeaderPlusSlack) {
  for (bool compacting : {false, true}) {
    MemoryManager probe(4096, compacting);
    const int32_t need = TakenBlock(probe, probe.Malloc(24));
    const int32_t slack = probe.headerSize() + MemoryManager::kSplitSlack;

    MemoryManager whole(need + slack, compacting);
    void* a = whole.Malloc(24);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(whole.blockCount(), 1);
    EXPECT_EQ(whole.freeCount(), 0);
    EXPECT_EQ(whole.usedBytes(), need + slack);

    MemoryManager split(need + slack + MemoryManager::kWord, compacting);
    void* b = split.Malloc(24);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(split.blockCount(), 2);
    EXPECT_EQ(split.freeCount(), 1);
    EXPECT_EQ(split.usedBytes(), need);
    ExpectConsistent(whole);
    ExpectConsistent(split);
  }
}

// Three neighbours a, b, c before a fence block: freed in every order they merge into one
// free block, and freeing the fence brings the heap back to one free block.
TEST(MemoryManagerTest, FreeingThreeNeighboursInAnyOrderMergesThem) {
  int order[] = {0, 1, 2};
  do {
    for (bool compacting : {false, true}) {
      MemoryManager heap(4096, compacting);
      void* blocks[3];
      for (void*& b : blocks) b = heap.Malloc(40);
      void* fence = heap.Malloc(8);
      for (int i : order) {
        EXPECT_EQ(heap.Free(blocks[i]), 1);
        ExpectConsistent(heap);
      }
      EXPECT_EQ(heap.blockCount(), 3) << order[0] << order[1] << order[2];
      EXPECT_EQ(heap.freeCount(), 2);
      EXPECT_EQ(heap.usedBytes(), TakenBlock(heap, fence));
      heap.Free(fence);
      EXPECT_EQ(heap.blockCount(), 1);
      EXPECT_EQ(heap.freeCount(), 1);
      EXPECT_EQ(heap.usedBytes(), 0);
      EXPECT_EQ(heap.Malloc(4096 - heap.headerSize()), blocks[0]);  // the whole arena again
    }
  } while (std::next_permutation(order, order + 3));
}

TEST(MemoryManagerTest, BestFitTakesTheSmallestHoleAndTheLowestAmongEquals) {
  MemoryManager heap(4096, true);
  // Holes of 64, 32, 64 and 32 data bytes, each kept apart by a fence.
  const size_t sizes[] = {64, 32, 64, 32};
  void* holes[4];
  for (int i = 0; i < 4; i++) {
    holes[i] = heap.Malloc(sizes[i]);
    heap.Malloc(8);
  }
  for (void* h : holes) heap.Free(h);
  EXPECT_EQ(heap.Malloc(24), holes[1]);  // 32 fits, the first of the two 32s
  EXPECT_EQ(heap.Malloc(40), holes[0]);  // only the 64s fit; the lower one
  EXPECT_EQ(heap.Malloc(32), holes[3]);  // exact fit
  ExpectConsistent(heap);
}

TEST(MemoryManagerTest, FreeRefusesForeignAndNonBlockAddresses) {
  MemoryManager heap(4096, true);
  char* a = static_cast<char*>(heap.Malloc(64));
  heap.Malloc(8);
  const int32_t used = heap.usedBytes();
  const int32_t aBlock = TakenBlock(heap, a);
  const int32_t blocks = heap.blockCount();
  int outside = 0;

  TraceCapture trace;
  EXPECT_EQ(heap.Free(&outside), 0);  // not this heap's: the caller tries elsewhere
  EXPECT_TRUE(trace.lines().empty());
  EXPECT_EQ(heap.Free(a + 8), 1);  // inside the arena but not a block's data
  ASSERT_EQ(heap.Free(a), 1);
  EXPECT_EQ(heap.Free(a), 1);  // already free
  EXPECT_EQ(trace.lines().size(), 2u);
  EXPECT_EQ(heap.blockCount(), blocks);  // the freed block became a hole; nothing else changed
  EXPECT_EQ(heap.usedBytes(), used - aBlock);
  ExpectConsistent(heap);
}

TEST(MemoryManagerTest, QueriesAnswerOnlyForTheirOwnBlocks) {
  MemoryManager heap(4096, false);
  char* a = static_cast<char*>(heap.Malloc(100));
  int outside = 0;
  EXPECT_TRUE(heap.Contains(a));
  EXPECT_FALSE(heap.Contains(&outside));
  EXPECT_EQ(heap.GetBlockSize(a), 104);
  EXPECT_EQ(heap.GetBlockSize(&outside), 0);
  EXPECT_EQ(heap.findBlockData(a), a);
  EXPECT_EQ(heap.findBlockData(a + 103), a);        // interior
  EXPECT_EQ(heap.findBlockData(a - 1), nullptr);    // the header
  EXPECT_EQ(heap.findBlockData(a + 200), nullptr);  // free space
  EXPECT_EQ(heap.findBlockData(&outside), nullptr);
}

TEST(MemoryManagerTest, PeakKeepsTheHighestUse) {
  MemoryManager heap(4096, false);
  void* a = heap.Malloc(1000);
  void* b = heap.Malloc(1000);
  const int32_t peak = heap.usedBytes();
  heap.Free(a);
  heap.Free(b);
  heap.Malloc(10);
  EXPECT_EQ(heap.peakUsed(), peak);
}

TEST(MemoryManagerTest, FailureWithoutACollectorIsTracedAndNull) {
  MemoryManager heap(1024, true);
  TraceCapture trace;
  ASSERT_NE(heap.Malloc(500), nullptr);  // 512 + 16 used
  EXPECT_EQ(heap.Malloc(600), nullptr);
  EXPECT_EQ(heap.Malloc(size_t{1} << 40), nullptr);  // more than any arena: no overflow
  ASSERT_EQ(trace.lines().size(), 2u);
  EXPECT_EQ(trace.lines()[0], "totalFragmentSizeNeeded=616 m_heapUsed=520 m_heapSize=1024");
  EXPECT_EQ(heap.usedBytes(), 520);
  ExpectConsistent(heap);
}

// A stand-in collector that records what the heap asks of it.
class RecordingCollector final : public HeapCollector {
 public:
  void collectForAllocation() override {
    calls.push_back(-1);
    if (onCollect) onCollect();
  }
  void compactForAllocation(MemoryManager* heap, int32_t need) override {
    calls.push_back(need);
    heap->compact(need);
  }
  std::vector<int32_t> calls;  // -1 for a collection, else the need of a compaction
  void (*onCollect)() = nullptr;
};

TEST(MemoryManagerTest, FailedFitAsksForACollectionThenACompactionOfTheDataHeap) {
  // Four 128-byte bodies with room for one more body between each; the 300-byte request
  // fits only after the bodies are moved together.
  MemoryManager heap(1024, true);
  RecordingCollector collector;
  heap.setCollector(&collector);
  void* owners[4];
  void* gaps[4];
  for (int i = 0; i < 4; i++) {
    gaps[i] = heap.Malloc(112);
    owners[i] = heap.Malloc(112);
    memset(owners[i], 'a' + i, 112);
    heap.SetOwner(owners[i], &owners[i]);
  }
  for (void* g : gaps) heap.Free(g);
  void* big = heap.Malloc(300);
  ASSERT_NE(big, nullptr);
  EXPECT_EQ(collector.calls, (std::vector<int32_t>{-1, 320}));
  for (int i = 0; i < 4; i++) {
    EXPECT_EQ(heap.GetBlockSize(owners[i]), 112);
    EXPECT_EQ(static_cast<char*>(owners[i])[111], 'a' + i);
  }
  ExpectConsistent(heap);
}

TEST(MemoryManagerTest, NoCompactionWhenTheFreeBytesCannotHoldTheRequest) {
  for (bool compacting : {false, true}) {
    MemoryManager heap(1024, compacting);
    RecordingCollector collector;
    heap.setCollector(&collector);
    TraceCapture trace;
    heap.Malloc(600);
    EXPECT_EQ(heap.Malloc(600), nullptr);
    EXPECT_EQ(collector.calls, std::vector<int32_t>{-1});
    EXPECT_EQ(trace.lines().size(), 1u);
  }
}

MemoryManager* sharedHeap = nullptr;
void* sharedBlock = nullptr;

TEST(MemoryManagerTest, ACollectionThatFreesEnoughEndsTheRetry) {
  MemoryManager heap(1024, true);
  sharedHeap = &heap;
  sharedBlock = heap.Malloc(800);
  RecordingCollector collector;
  collector.onCollect = [] { sharedHeap->Free(sharedBlock); };
  heap.setCollector(&collector);
  EXPECT_EQ(heap.Malloc(600), sharedBlock);
  EXPECT_EQ(collector.calls, std::vector<int32_t>{-1});
}

TEST(MemoryManagerTest, OwnersAreKeptOnlyOnTheDataHeapAndOnlyForBlocks) {
  MemoryManager heap(4096, true);
  char* a = static_cast<char*>(heap.Malloc(64));
  void* owner = a;
  TraceCapture trace;
  heap.SetOwner(a + 8, &owner);
  EXPECT_EQ(trace.lines().size(), 1u);
  heap.SetOwner(a, &owner);
  heap.compactAll();
  EXPECT_NE(owner, a);  // registered, so it moved and the owner followed
  EXPECT_GE(heap.GetBlockSize(owner), 64);
}

// Four threads allocate and free at once; the heap lock keeps every block and count right.
TEST(MemoryManagerTest, ConcurrentMallocAndFreeKeepTheHeapConsistent) {
  MemoryManager heap(1 << 20, true);
  struct Worker {
    MemoryManager* heap;
    int seed;
    std::atomic<int>* failures;
  };
  std::atomic<int> failures{0};
  Worker workers[4];
  host::Thread threads[4];
  for (int t = 0; t < 4; t++) {
    workers[t] = {&heap, t, &failures};
    threads[t].start(
        [](void* arg) {
          auto* w = static_cast<Worker*>(arg);
          std::vector<unsigned char*> mine;
          for (int i = 0; i < 5000; i++) {
            size_t size = 1 + static_cast<size_t>((i * 37 + w->seed * 11) % 200);
            auto* p = static_cast<unsigned char*>(w->heap->Malloc(size));
            if (!p) continue;
            memset(p, w->seed, size);
            mine.push_back(p);
            if (i % 3 == 0) {
              unsigned char* victim = mine[static_cast<size_t>(i) % mine.size()];
              if (victim[0] != w->seed) w->failures->fetch_add(1);
              w->heap->Free(victim);
              mine.erase(mine.begin() + (i % static_cast<int>(mine.size())));
            }
          }
          for (unsigned char* p : mine) {
            if (p[0] != w->seed) w->failures->fetch_add(1);
            w->heap->Free(p);
          }
        },
        &workers[t]);
  }
  for (host::Thread& t : threads) t.join();
  EXPECT_EQ(failures.load(), 0);
  EXPECT_EQ(heap.usedBytes(), 0);
  EXPECT_EQ(heap.blockCount(), 1);
  ExpectConsistent(heap);
}

#ifdef PLIMORA_ASAN
// Free space and headers are poisoned: a one-byte overrun of a block, or a read of free
// space, stops the sanitizer build even though the memory belongs to the arena.
TEST(MemoryManagerDeathTest, OverrunsInsideTheArenaAreCaught) {
  for (bool compacting : {false, true}) {
    EXPECT_DEATH(
        {
          MemoryManager heap(4096, compacting);
          auto* a = static_cast<volatile char*>(heap.Malloc(5));
          heap.Malloc(5);
          a[5] = 1;
        },
        "");
    EXPECT_DEATH(
        {
          MemoryManager heap(4096, compacting);
          auto* a = static_cast<volatile char*>(heap.Malloc(64));
          heap.Free(const_cast<char*>(a));
          (void)a[16];
        },
        "");
  }
}
#endif

}  // namespace
