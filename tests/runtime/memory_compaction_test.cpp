#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <random>
#include <vector>

#include "runtime/memory_manager.h"
#include "tests/support/runtime_fixture.h"

namespace {

static_assert(sizeof(void*) == 8, "the layouts below use the 64-bit block sizes");

void ExpectConsistent(const MemoryManager& heap) {
  const char* problem = heap.checkConsistency();
  EXPECT_EQ(problem, nullptr) << problem;
}

// A data-heap body of the given block size (header included) filled with fill; owned by
// *owner when owner is given, else pinned.
void* Body(MemoryManager& heap, int32_t blockSize, char fill, void** owner) {
  size_t bytes = static_cast<size_t>(blockSize - heap.headerSize());
  void* data = heap.Malloc(bytes);
  EXPECT_NE(data, nullptr);
  memset(data, fill, bytes);
  if (owner) {
    *owner = data;
    heap.SetOwner(data, owner);
  }
  return data;
}

// Takes the rest of the arena (one free block) with a pinned body, so a layout is not
// followed by free space.
void FillRest(MemoryManager& heap) {
  Body(heap, heap.freeBytes(), 'z', nullptr);
}

bool Filled(const void* data, size_t bytes, char fill) {
  for (size_t i = 0; i < bytes; i++) {
    if (static_cast<const char*>(data)[i] != fill) return false;
  }
  return true;
}

// Holes H1 (64), H2 (200), H3 (64) around the owned runs r1 (32) and r2 (128). The pair
// H1, H2 scores highest (64 - 32 + 200), so r1 moves into H3, the best fit elsewhere, and
// keeps H3's spare bytes; H1, r1 and H2 become one hole.
TEST(MemoryCompactionTest, CompactionAJoinsTheBestScoringPairOfHoles) {
  MemoryManager heap(1024, true);
  void *r1, *r2;
  void* h1 = Body(heap, 64, 0, nullptr);
  Body(heap, 32, 'a', &r1);
  void* h2 = Body(heap, 200, 0, nullptr);
  Body(heap, 128, 'b', &r2);
  void* h3 = Body(heap, 64, 0, nullptr);
  void* fence = Body(heap, 24, 'f', nullptr);
  FillRest(heap);
  void* oldR2 = r2;
  for (void* h : {h1, h2, h3}) heap.Free(h);

  EXPECT_TRUE(heap.compact(296));
  EXPECT_EQ(r1, h3);
  EXPECT_EQ(heap.GetBlockSize(r1), 48);  // extended by the part of H3 the take left over
  EXPECT_TRUE(Filled(r1, 16, 'a'));
  EXPECT_EQ(r2, oldR2);
  EXPECT_EQ(heap.freeCount(), 1);
  EXPECT_EQ(heap.Malloc(280), h1);
  EXPECT_TRUE(Filled(fence, 8, 'f'));
  ExpectConsistent(heap);
}

// Compaction A finds no pair whose run may move (each run holds a pinned block), so B grows
// the largest hole F by moving the blocks after it away until a pinned block ends the round.
TEST(MemoryCompactionTest, CompactionBGrowsTheLargestHoleUpToAPinnedBlock) {
  struct Case {
    int32_t need;
    bool found;
  };
  for (Case c : {Case{280, true}, Case{300, false}}) {
    MemoryManager heap(1024, true);
    void *u1, *u2;
    void* f = Body(heap, 200, 0, nullptr);
    Body(heap, 32, '1', &u1);
    Body(heap, 48, '2', &u2);
    void* pinned = Body(heap, 24, 'p', nullptr);
    void* h2 = Body(heap, 64, 0, nullptr);
    Body(heap, 24, 'q', nullptr);
    void* h3 = Body(heap, 48, 0, nullptr);
    FillRest(heap);
    for (void* h : {f, h2, h3}) heap.Free(h);

    EXPECT_EQ(heap.compact(c.need), c.found) << c.need;
    EXPECT_EQ(u1, h3);
    EXPECT_EQ(u2, h2);
    EXPECT_TRUE(Filled(u1, 16, '1'));
    EXPECT_TRUE(Filled(u2, 32, '2'));
    EXPECT_TRUE(Filled(pinned, 8, 'p'));
    EXPECT_EQ(heap.Malloc(264), f);
    ExpectConsistent(heap);
  }
}

// The test hook moves every block whose owner still holds it; a block without an owner,
// or whose owner now holds something else, stays where it is.
TEST(MemoryCompactionTest, CompactAllMovesEveryOwnedBlockAndPinsTheRest) {
  MemoryManager heap(4096, true);
  void* owned[3];
  void* before[3];
  for (int i = 0; i < 3; i++) before[i] = Body(heap, 64, static_cast<char>('a' + i), &owned[i]);
  void* pinned = Body(heap, 64, 'p', nullptr);
  void* staleOwner;
  void* stale = Body(heap, 64, 's', &staleOwner);
  staleOwner = nullptr;

  heap.compactAll();
  for (int i = 0; i < 3; i++) {
    EXPECT_NE(owned[i], before[i]) << i;
    EXPECT_EQ(heap.GetBlockSize(owned[i]), 48);
    EXPECT_TRUE(Filled(owned[i], 48, static_cast<char>('a' + i)));
  }
  EXPECT_TRUE(Filled(pinned, 48, 'p'));
  EXPECT_TRUE(Filled(stale, 48, 's'));
  EXPECT_EQ(heap.GetBlockSize(pinned), 48);
  EXPECT_EQ(heap.GetBlockSize(stale), 48);
  ExpectConsistent(heap);
}

TEST(MemoryCompactionTest, TheObjectHeapNeverMoves) {
  MemoryManager heap(4096, false);
  void* a = heap.Malloc(64);
  void* owner = a;
  heap.SetOwner(a, &owner);  // ignored: no owner word
  heap.Free(heap.Malloc(8));
  heap.compactAll();
  EXPECT_FALSE(heap.compact(4090));
  EXPECT_EQ(owner, a);
  EXPECT_EQ(heap.GetBlockSize(a), 64);
}

// A long random run of allocations, frees and compactions against a model of the live
// bodies: after every step the heap's invariants hold, and after every compaction each
// body reads back its bytes through its owner while pinned bodies stay in place.
TEST(MemoryCompactionTest, RandomOperationsKeepEveryInvariantAndEveryBody) {
  constexpr int kSlots = 200;
  constexpr int kOperations = 100000;
  struct Live {
    size_t size;
    uint8_t seed;
    void* pinnedAt;  // null when owned by its slot
  };
  MemoryManager heap(48 * 1024, true);
  std::vector<void*> slots(kSlots, nullptr);  // owners; the vector never reallocates
  std::vector<std::optional<Live>> model(kSlots);
  std::mt19937 random(20240611);
  auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  auto fill = [](void* data, const Live& live) {
    for (size_t i = 0; i < live.size; i++)
      static_cast<uint8_t*>(data)[i] = static_cast<uint8_t>(live.seed + i * 7);
  };
  auto intact = [](const void* data, const Live& live) {
    for (size_t i = 0; i < live.size; i++) {
      if (static_cast<const uint8_t*>(data)[i] != static_cast<uint8_t>(live.seed + i * 7))
        return false;
    }
    return true;
  };

  TraceCapture quiet;  // a full heap traces its failures
  int moves = 0;
  int compactions = 0;
  for (int step = 0; step < kOperations; step++) {
    int slot = pick(kSlots);
    int choice = pick(100);
    if (choice < 55 && !model[slot]) {
      Live live{static_cast<size_t>(pick(8) == 0 ? 400 + pick(1200) : 1 + pick(200)),
                static_cast<uint8_t>(pick(256)), nullptr};
      void* data = heap.Malloc(live.size);
      if (data) {
        fill(data, live);
        if (pick(10) == 0) {
          live.pinnedAt = data;
        } else {
          slots[slot] = data;
          heap.SetOwner(data, &slots[slot]);
        }
        model[slot] = live;
      }
    } else if (choice < 95 && model[slot]) {
      void* data = model[slot]->pinnedAt ? model[slot]->pinnedAt : slots[slot];
      ASSERT_EQ(heap.Free(data), 1);
      slots[slot] = nullptr;
      model[slot].reset();
    } else if (choice >= 95) {
      std::vector<void*> before(slots);
      if (choice == 99) {
        heap.compactAll();
      } else {
        heap.compact(24 + pick(heap.heapSize() / 2));
      }
      compactions++;
      for (int i = 0; i < kSlots; i++) {
        if (!model[i]) continue;
        const Live& live = *model[i];
        const void* data = live.pinnedAt ? live.pinnedAt : slots[i];
        ASSERT_TRUE(intact(data, live)) << "step " << step << " slot " << i;
        ASSERT_GE(heap.GetBlockSize(data), static_cast<int32_t>(live.size));
        if (!live.pinnedAt && slots[i] != before[i]) moves++;
      }
    }
    const char* problem = heap.checkConsistency();
    ASSERT_EQ(problem, nullptr) << "step " << step << ": " << problem;
    int32_t used = 0;
    int32_t live = 0;
    for (int i = 0; i < kSlots; i++) {
      if (!model[i]) continue;
      live++;
      used +=
          heap.GetBlockSize(model[i]->pinnedAt ? model[i]->pinnedAt : slots[i]) + heap.headerSize();
    }
    ASSERT_EQ(heap.blockCount() - heap.freeCount(), live) << "step " << step;
    ASSERT_EQ(heap.usedBytes(), used) << "step " << step;
  }
  EXPECT_GT(compactions, 1000);
  EXPECT_GT(moves, 1000);  // the run really moved bodies
}

}  // namespace
