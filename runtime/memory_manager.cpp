// The best-fit allocator: the arena, Malloc, Free, owners and the free-list primitives.
// Every function that touches block headers or free links is PLIMORA_HEAP_INTERNAL, because
// the sanitizer build keeps headers and free space poisoned.
#include "runtime/memory_manager.h"

#include <cstdlib>
#include <cstring>

#include "host/invariant.h"
#include "runtime/heap_poison.h"
#include "runtime/object_manager.h"
#include "runtime/trace.h"

// ---------------------------------------------------------------------------------------
// Arena

PLIMORA_HEAP_INTERNAL MemoryManager::MemoryManager(int32_t arenaSize, bool compacting)
    : arena_(nullptr),
      freeHead_(nullptr),
      freeTail_(nullptr),
      m_heapSize(arenaSize < kMinBlockSize ? kMinBlockSize : arenaSize & ~(kWord - 1)),
      blockCount_(1),
      freeCount_(1),
      m_heapUsed(0),
      peakUsed_(0),
      compacting_(compacting),
      headerSize_(compacting ? 2 * kWord : kWord) {
  arena_ = static_cast<char*>(calloc(static_cast<size_t>(m_heapSize), 1));
  if (!arena_) OperatorNewFailed();
  blockStarts_ = BlockMap(static_cast<size_t>(m_heapSize) / kWord);
  freeStarts_ = BlockMap(static_cast<size_t>(m_heapSize) / kWord);
  Block* whole = blockAt(arena_);
  whole->size = m_heapSize;
  freeHead_ = freeTail_ = whole;
  markStart(whole, true);
  markFree(whole, true);
  PoisonHeapRange(arena_, static_cast<size_t>(m_heapSize));
}

MemoryManager::~MemoryManager() {
  UnpoisonHeapRange(arena_, static_cast<size_t>(m_heapSize));
  free(arena_);
}

// ---------------------------------------------------------------------------------------
// Allocation

int32_t MemoryManager::needFor(size_t size) const {
  if (size > static_cast<size_t>(m_heapSize)) return 0;
  size_t need = ((size + kWord - 1) & ~static_cast<size_t>(kWord - 1)) + headerSize_;
  if (need < static_cast<size_t>(kMinBlockSize)) need = kMinBlockSize;
  return need > static_cast<size_t>(m_heapSize) ? 0 : static_cast<int32_t>(need);
}

void* MemoryManager::Malloc(size_t size) {
  int32_t need = needFor(size);
  if (need == 0) {
    // No collection can make room for more than the whole arena.
    traceFailure(size > INT32_MAX - kWord ? INT32_MAX : static_cast<int32_t>(size) + headerSize_);
    return nullptr;
  }
  if (void* data = allocateLocked(need, size)) return data;
  if (collector_) {
    collector_->collectForAllocation();
    if (void* data = allocateLocked(need, size)) return data;
  }
  if (compacting_ && collector_ && usedBytes() + need < m_heapSize) {
    collector_->compactForAllocation(this, need);
    if (void* data = allocateLocked(need, size)) return data;
  }
  traceFailure(need);
  return nullptr;
}

PLIMORA_HEAP_INTERNAL void* MemoryManager::allocateLocked(int32_t need, size_t size) {
  std::lock_guard<host::RecursiveLock> guard(lock_);
  Block* b = bestFit(need, nullptr, nullptr);
  if (!b) return nullptr;
  char* data = dataOf(take(b, need));
  UnpoisonHeapRange(data, size);
  return data;
}

void MemoryManager::traceFailure(int32_t need) const {
  DebugLog("totalFragmentSizeNeeded=%d m_heapUsed=%d m_heapSize=%d", need, usedBytes(), m_heapSize);
}

// ---------------------------------------------------------------------------------------
// Freeing, owners, queries

PLIMORA_HEAP_INTERNAL int32_t MemoryManager::Free(void* address) {
  if (!Contains(address)) return 0;
  std::lock_guard<host::RecursiveLock> guard(lock_);
  const char* p = static_cast<const char*>(address) - headerSize_;
  if (p < arena_ || !isBlockStart(p) || blockAt(p)->size >= 0) {
    DebugLog("MemoryManager::Free(): %p is not a used block of this heap; not freed", address);
    return 1;
  }
  release(blockAt(p));
  return 1;
}

PLIMORA_HEAP_INTERNAL void MemoryManager::SetOwner(void* address, void* owner) {
  if (!compacting_ || !Contains(address)) return;
  std::lock_guard<host::RecursiveLock> guard(lock_);
  const char* p = static_cast<const char*>(address) - headerSize_;
  if (p < arena_ || !isBlockStart(p) || blockAt(p)->size >= 0) {
    DebugLog("MemoryManager::SetOwner(): %p is not a used block of this heap", address);
    return;
  }
  blockAt(p)->prev = static_cast<Block*>(owner);
}

PLIMORA_HEAP_INTERNAL int32_t MemoryManager::GetBlockSize(const void* address) const {
  if (!Contains(address)) return 0;
  std::lock_guard<host::RecursiveLock> guard(lock_);
  const char* p = static_cast<const char*>(address) - headerSize_;
  if (p < arena_ || !isBlockStart(p) || blockAt(p)->size >= 0) return 0;
  return static_cast<int32_t>(-blockAt(p)->size) - headerSize_;
}

PLIMORA_HEAP_INTERNAL void* MemoryManager::findBlockData(const void* address) const {
  if (!Contains(address)) return nullptr;
  const Block* b = blockAt(arena_ + blockStarts_.highestAtOrBelow(granule(address)) * kWord);
  if (b->size >= 0) return nullptr;
  char* data = dataOf(b);
  return address >= data ? data : nullptr;
}

int32_t MemoryManager::blockCount() const {
  std::lock_guard<host::RecursiveLock> guard(lock_);
  return blockCount_;
}

int32_t MemoryManager::freeCount() const {
  std::lock_guard<host::RecursiveLock> guard(lock_);
  return freeCount_;
}

int32_t MemoryManager::usedBytes() const {
  std::lock_guard<host::RecursiveLock> guard(lock_);
  return m_heapUsed;
}

int32_t MemoryManager::peakUsed() const {
  std::lock_guard<host::RecursiveLock> guard(lock_);
  return peakUsed_;
}

PLIMORA_HEAP_INTERNAL int32_t MemoryManager::freeBytes() const {
  std::lock_guard<host::RecursiveLock> guard(lock_);
  intptr_t total = 0;
  for (const Block* f = freeHead_; f; f = f->next) total += f->size;
  return static_cast<int32_t>(total);
}

PLIMORA_HEAP_INTERNAL std::vector<MemoryManager::FreeBlock> MemoryManager::freeBlocks() const {
  std::lock_guard<host::RecursiveLock> guard(lock_);
  std::vector<FreeBlock> blocks;
  blocks.reserve(static_cast<size_t>(freeCount_));
  for (const Block* f = freeHead_; f; f = f->next) {
    blocks.push_back({dataOf(f), static_cast<int32_t>(f->size)});
  }
  return blocks;
}

// ---------------------------------------------------------------------------------------
// Free-list primitives (lock held)

// The smallest free block of at least need bytes, the lowest among equals; one of exactly
// need bytes ends the walk. skipA and skipB are never chosen.
PLIMORA_HEAP_INTERNAL MemoryManager::Block* MemoryManager::bestFit(int32_t need, const Block* skipA,
                                                                   const Block* skipB) const {
  Block* best = nullptr;
  for (Block* f = freeHead_; f; f = f->next) {
    if (f == skipA || f == skipB || f->size < need) continue;
    if (f->size == need) return f;
    if (!best || f->size < best->size) best = f;
  }
  return best;
}

// Turns the free block b into a used block of need bytes. The block is used whole when the
// rest would be at most header + kSplitSlack bytes; otherwise the rest stays free in b's
// place in the list. A new data-heap block has no owner, so it is pinned until one is set.
PLIMORA_HEAP_INTERNAL MemoryManager::Block* MemoryManager::take(Block* b, int32_t need) {
  PLIMORA_ASSERT(isBlockStart(b) && b->size >= need);
  intptr_t excess = b->size - need;
  if (excess <= headerSize_ + kSplitSlack) {
    if (b->prev)
      b->prev->next = b->next;
    else
      freeHead_ = b->next;
    if (b->next)
      b->next->prev = b->prev;
    else
      freeTail_ = b->prev;
    freeCount_--;
  } else {
    Block* rest = blockAt(start(b) + need);
    rest->size = excess;
    rest->prev = b->prev;
    rest->next = b->next;
    if (rest->prev)
      rest->prev->next = rest;
    else
      freeHead_ = rest;
    if (rest->next)
      rest->next->prev = rest;
    else
      freeTail_ = rest;
    markStart(rest, true);
    markFree(rest, true);
    blockCount_++;
    b->size = need;
  }
  markFree(b, false);
  m_heapUsed += static_cast<int32_t>(b->size);
  if (m_heapUsed > peakUsed_) peakUsed_ = m_heapUsed;
  b->size = -b->size;
  if (compacting_) b->prev = nullptr;
  return b;
}

// Returns the used block b to the free list at its address position and merges it with a
// free neighbour on either side. Returns the free block that now holds b.
PLIMORA_HEAP_INTERNAL MemoryManager::Block* MemoryManager::release(Block* b) {
  PLIMORA_ASSERT(isBlockStart(b) && b->size < 0);
  intptr_t size = -b->size;
  PoisonHeapRange(b, static_cast<size_t>(size));
  b->size = size;
  m_heapUsed -= static_cast<int32_t>(size);
  Block* prev = previousFree(b);
  Block* next = prev ? prev->next : freeHead_;
  // The free list stays address-ordered, and b lies clear of both neighbours.
  PLIMORA_ASSERT(!prev || start(prev) + prev->size <= start(b));
  PLIMORA_ASSERT(!next || start(b) + size <= start(next));
  b->prev = prev;
  b->next = next;
  if (prev)
    prev->next = b;
  else
    freeHead_ = b;
  if (next)
    next->prev = b;
  else
    freeTail_ = b;
  markFree(b, true);
  freeCount_++;
  if (next && start(b) + b->size == start(next)) absorbNext(b);
  if (prev && start(prev) + prev->size == start(b)) {
    absorbNext(prev);
    b = prev;
  }
  return b;
}

// Merges the free block after b (its list successor, which touches it) into b.
PLIMORA_HEAP_INTERNAL void MemoryManager::absorbNext(Block* b) {
  Block* n = b->next;
  PLIMORA_ASSERT(n && start(b) + b->size == start(n));
  b->size += n->size;
  b->next = n->next;
  if (n->next)
    n->next->prev = b;
  else
    freeTail_ = b;
  markStart(n, false);
  markFree(n, false);
  blockCount_--;
  freeCount_--;
}

bool MemoryManager::isBlockStart(const void* p) const {
  size_t offset = static_cast<size_t>(static_cast<const char*>(p) - arena_);
  return offset % kWord == 0 && blockStarts_.test(offset / kWord);
}

MemoryManager::Block* MemoryManager::previousFree(const Block* b) const {
  size_t i = granule(b);
  if (i == 0) return nullptr;
  size_t j = freeStarts_.highestAtOrBelow(i - 1);
  return j == BlockMap::kNone ? nullptr : blockAt(arena_ + j * kWord);
}

void MemoryManager::markStart(const Block* b, bool isStart) {
  blockStarts_.setTo(granule(b), isStart);
}

void MemoryManager::markFree(const Block* b, bool isFree) {
  freeStarts_.setTo(granule(b), isFree);
}

// ---------------------------------------------------------------------------------------
// Consistency walk

PLIMORA_HEAP_INTERNAL const char* MemoryManager::checkConsistency() const {
  std::lock_guard<host::RecursiveLock> guard(lock_);
  int32_t blocks = 0;
  int32_t frees = 0;
  intptr_t used = 0;
  const Block* expectedFree = freeHead_;
  const Block* lastFree = nullptr;
  bool previousWasFree = false;
  for (const char* p = arena_; p < end();) {
    const Block* b = blockAt(p);
    intptr_t size = b->size < 0 ? -b->size : b->size;
    if (size < kMinBlockSize || size % kWord != 0 || size > end() - p)
      return "a block size breaks the tiling";
    if (!blockStarts_.test(granule(p))) return "a block start is missing from the block map";
    bool isFree = b->size > 0;
    if (freeStarts_.test(granule(p)) != isFree) return "the free map disagrees with a block";
    if (isFree) {
      if (previousWasFree) return "two free blocks touch";
      if (b != expectedFree) return "the free list is out of address order";
      if (b->prev != lastFree) return "a free block's back link is wrong";
      lastFree = b;
      expectedFree = b->next;
      frees++;
    } else {
      used += size;
    }
    previousWasFree = isFree;
    blocks++;
    p += size;
  }
  if (expectedFree) return "the free list holds a block the walk did not meet";
  if (freeHead_ ? freeHead_->prev != nullptr : lastFree != nullptr) return "the free head is wrong";
  if (freeTail_ != lastFree) return "the free tail is wrong";
  if (blocks != blockCount_) return "the block count is wrong";
  if (frees != freeCount_) return "the free count is wrong";
  if (used != m_heapUsed) return "the used bytes are wrong";
  if (blockStarts_.count() != static_cast<size_t>(blocks))
    return "the block map marks a start inside a block";
  if (freeStarts_.count() != static_cast<size_t>(frees)) return "the free map marks a used block";
  return nullptr;
}
