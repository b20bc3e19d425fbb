// MemoryManager: a best-fit allocator over one arena. Blocks tile the arena, the free list
// stays address-ordered and no two free blocks lie side by side. A compacting heap (the data
// heap) may move a used block that has a registered owner and then corrects that owner.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "host/thread.h"
#include "runtime/block_map.h"

class MemoryManager;

// What a heap asks of the collector when best fit fails. Both requests come without the
// heap lock held.
class HeapCollector {
 public:
  // A forced collection that keeps the newest object alive.
  virtual void collectForAllocation() = 0;
  // Stops the world and compacts heap towards one free block of need bytes (header
  // included), then resumes the world.
  virtual void compactForAllocation(MemoryManager* heap, int32_t need) = 0;

 protected:
  ~HeapCollector() = default;
};

class MemoryManager {
 public:
  // Block layout, one word each. A free block holds {size, previous free, next free}; a used
  // block holds its negated size, then (data heap only) its owner, then the data.
  struct Block {
    intptr_t size;  // bytes, header included; negative while the block is used
    Block* prev;    // free: the previous free block; used data-heap block: the owner
    Block* next;    // free: the next free block
  };
  static constexpr int32_t kWord = sizeof(void*);
  static constexpr int32_t kMinBlockSize = sizeof(Block);  // a free block must hold its links
  static constexpr int32_t kSplitSlack = 32;  // excess above header + this splits a block
  static constexpr int32_t kCompactionRounds = 20;

  // An arena of arenaSize bytes (a multiple of kWord, at least kMinBlockSize), zero-filled
  // and free as one block. A compacting heap keeps an owner word in every block header.
  MemoryManager(int32_t arenaSize, bool compacting);
  ~MemoryManager();
  MemoryManager(const MemoryManager&) = delete;
  MemoryManager& operator=(const MemoryManager&) = delete;

  // At least size bytes (not cleared), or null after the collector and, on the data heap,
  // compaction could not make room; the failure is traced.
  void* Malloc(size_t size);
  // 0 when address lies outside the arena (the caller tries elsewhere); otherwise frees the
  // block and returns 1. An address inside the arena that is not a used block's data is
  // refused with a trace line (still 1: it must not go to another heap).
  int32_t Free(void* address);
  // Records owner, the one pointer variable that holds address, in the block of address,
  // so a compaction that moves the block can update it. Data heap only.
  void SetOwner(void* address, void* owner);
  // The data size of the block of address (header excluded), or 0 outside the arena.
  int32_t GetBlockSize(const void* address) const;
  // The offset of address from the arena's start (address must lie inside).
  int32_t offsetOf(const void* address) const {
    return static_cast<int32_t>(static_cast<const char*>(address) - arena_);
  }
  bool Contains(const void* address) const {
    auto* p = static_cast<const char*>(address);
    return p >= arena_ && p < arena_ + m_heapSize;
  }

  // The data start of the used block that holds address, or null when address lies in
  // free space, in a header or outside the arena. Callers hold the world stopped.
  void* findBlockData(const void* address) const;

  // Compaction A, then B when A is not enough, towards a free block of at least need bytes
  // (header included). The caller has stopped the world. True when such a block exists.
  bool compact(int32_t need);
  // Moves every movable block once (each to the best-fitting free block that has room),
  // then joins holes with compaction A. The caller has stopped the world (test hook).
  void compactAll();

  void setCollector(HeapCollector* collector) { collector_ = collector; }

  bool compacting() const { return compacting_; }
  int32_t headerSize() const { return headerSize_; }
  int32_t heapSize() const { return m_heapSize; }
  int32_t blockCount() const;
  int32_t freeCount() const;
  int32_t usedBytes() const;
  int32_t peakUsed() const;
  // Total bytes of the free blocks.
  int32_t freeBytes() const;
  // The free blocks in address order: where each one's data would start, and its size in
  // bytes with the header.
  struct FreeBlock {
    const void* data;
    int32_t size;
  };
  std::vector<FreeBlock> freeBlocks() const;

  // Walks the arena and the free list and returns the first broken invariant, or null: the
  // blocks tile the arena, the free list is address-ordered and doubly linked, no two free
  // blocks touch, the counts, used bytes and block maps agree with the walk.
  const char* checkConsistency() const;

 private:
  Block* blockAt(const char* p) const { return reinterpret_cast<Block*>(const_cast<char*>(p)); }
  char* start(const Block* b) const { return reinterpret_cast<char*>(const_cast<Block*>(b)); }
  char* end() const { return arena_ + m_heapSize; }
  char* dataOf(const Block* b) const { return start(b) + headerSize_; }
  Block* blockOfData(const void* data) const {
    return blockAt(static_cast<const char*>(data) - headerSize_);
  }
  size_t granule(const void* p) const {
    return static_cast<size_t>(static_cast<const char*>(p) - arena_) / kWord;
  }

  // Size rounded up to whole words plus the header, at least kMinBlockSize; 0 when it can
  // never fit the arena.
  int32_t needFor(size_t size) const;
  // Best fit under the lock, taken and unpoisoned for size bytes; null when none fits.
  void* allocateLocked(int32_t need, size_t size);
  void traceFailure(int32_t need) const;

  // Free list and block primitives; all run under the lock.
  Block* bestFit(int32_t need, const Block* skipA, const Block* skipB) const;
  Block* take(Block* b, int32_t need);
  Block* release(Block* b);
  void absorbNext(Block* b);
  bool isBlockStart(const void* p) const;
  Block* previousFree(const Block* b) const;
  void markStart(const Block* b, bool isStart);
  void markFree(const Block* b, bool isFree);

  // Compaction helpers (memory_compaction.cpp).
  bool movable(const Block* b) const;
  bool runIsMovable(const Block* first, const Block* stop) const;
  void moveRun(Block* first, int32_t bytes, Block* destination);
  bool compactionA(int32_t need);
  bool compactionB(int32_t need);
  bool largestFreeAtLeast(int32_t need) const;

  char* arena_;
  Block* freeHead_;
  Block* freeTail_;
  int32_t m_heapSize;
  int32_t blockCount_;
  int32_t freeCount_;
  int32_t m_heapUsed;
  int32_t peakUsed_;
  bool compacting_;
  int32_t headerSize_;
  HeapCollector* collector_ = nullptr;
  // One bit per word of the arena: set where a block starts, and where a free block starts.
  // They find the block around any address and a block's free neighbours without a walk.
  BlockMap blockStarts_;
  BlockMap freeStarts_;
  mutable host::RecursiveLock lock_;
};
