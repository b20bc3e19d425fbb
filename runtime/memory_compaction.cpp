// Compaction of the data heap: runs of used blocks move into free blocks elsewhere and each
// moved block's owner is pointed at the new data. Runs only while the world is stopped; a
// block whose owner is missing or no longer holds it is pinned and never moves.
#include <cstring>

#include "runtime/heap_poison.h"
#include "runtime/memory_manager.h"

namespace {

using Block = MemoryManager::Block;

// Whether a run of the given size fits a free block other than l and r: exactly when it
// fits one of the three largest free blocks that is neither.
PLIMORA_HEAP_INTERNAL bool FitsElsewhere(Block* const* largest, const Block* l, const Block* r,
                                         intptr_t run) {
  for (int i = 0; i < 3; i++) {
    if (largest[i] && largest[i] != l && largest[i] != r && largest[i]->size >= run) return true;
  }
  return false;
}

}  // namespace

// A used block may move when its owner lies outside the arena (an owner inside a block
// would itself move) and still holds the block's data address.
PLIMORA_HEAP_INTERNAL bool MemoryManager::movable(const Block* b) const {
  if (b->size >= 0) return false;
  auto* const* owner = reinterpret_cast<void* const*>(b->prev);
  if (!owner || Contains(owner)) return false;
  return *owner == dataOf(b);
}

// Whether every block from first up to stop (exclusive) may move.
PLIMORA_HEAP_INTERNAL bool MemoryManager::runIsMovable(const Block* first,
                                                       const Block* stop) const {
  for (const char* p = start(first); p < start(stop); p += -blockAt(p)->size) {
    if (!movable(blockAt(p))) return false;
  }
  return true;
}

// Moves the run of movable used blocks that starts at first and spans bytes into the free
// block destination (at least bytes long, elsewhere): takes bytes from it by the allocation
// rule, copies the run, points each owner at its block's new data, lets the last block keep
// any bytes of the take beyond the run, and frees the old run as one block.
PLIMORA_HEAP_INTERNAL void MemoryManager::moveRun(Block* first, int32_t bytes, Block* destination) {
  char* from = start(first);
  Block* target = take(destination, bytes);
  intptr_t leftover = -target->size - bytes;
  char* to = start(target);
  UnpoisonHeapRange(to, static_cast<size_t>(bytes));
  Block* last = target;
  for (intptr_t offset = 0; offset < bytes;) {
    Block* old = blockAt(from + offset);
    auto size = static_cast<size_t>(-old->size);
    size_t usable = AddressablePrefix(dataOf(old), size - headerSize_);  // kept across the move
    UnpoisonHeapRange(old, size);
    memcpy(to + offset, old, size);
    last = blockAt(to + offset);
    PoisonHeapRange(last, size);
    UnpoisonHeapRange(dataOf(last), usable);
    markStart(last, true);
    *reinterpret_cast<void**>(last->prev) = dataOf(last);
    // The old run becomes one block, and its copies replace the taken block: the block
    // count stays as the take left it.
    if (offset > 0) markStart(old, false);
    offset += static_cast<intptr_t>(size);
  }
  last->size -= leftover;
  first->size = -bytes;
  release(first);
}

// Compaction A: join two neighbouring holes by moving the used run between them away. Each
// round picks the pair of consecutive free blocks L, R with the highest L + R - run whose
// run is movable and fits a free block other than L and R.
PLIMORA_HEAP_INTERNAL bool MemoryManager::compactionA(int32_t need) {
  for (int round = 0; round < kCompactionRounds; round++) {
    Block* largest[3] = {};
    for (Block* f = freeHead_; f; f = f->next) {
      for (int i = 0; i < 3; i++) {
        if (!largest[i] || f->size > largest[i]->size) {
          for (int j = 2; j > i; j--) largest[j] = largest[j - 1];
          largest[i] = f;
          break;
        }
      }
    }
    Block* bestL = nullptr;
    intptr_t bestScore = -static_cast<intptr_t>(m_heapSize);
    intptr_t bestRun = 0;
    for (Block* l = freeHead_; l && l->next; l = l->next) {
      Block* r = l->next;
      intptr_t run = start(r) - (start(l) + l->size);
      intptr_t score = l->size - run + r->size;
      if (score <= bestScore || !FitsElsewhere(largest, l, r, run)) continue;
      if (!runIsMovable(blockAt(start(l) + l->size), r)) continue;
      bestL = l;
      bestScore = score;
      bestRun = run;
    }
    if (!bestL) return false;
    Block* destination = bestFit(static_cast<int32_t>(bestRun), bestL, bestL->next);
    moveRun(blockAt(start(bestL) + bestL->size), static_cast<int32_t>(bestRun), destination);
    if (bestL->size >= need) return true;
  }
  return false;
}

// Compaction B: grow the largest hole by moving the used blocks after it, one by one, into
// other free blocks. A round ends at a block that is pinned or fits nowhere else.
PLIMORA_HEAP_INTERNAL bool MemoryManager::compactionB(int32_t need) {
  for (int round = 0; round < kCompactionRounds; round++) {
    Block* hole = nullptr;
    for (Block* f = freeHead_; f && end() - start(f) > need; f = f->next) {
      if (!hole || f->size > hole->size) hole = f;
    }
    if (!hole) return false;
    bool moved = false;
    for (char* u = start(hole) + hole->size; u < end(); u = start(hole) + hole->size) {
      Block* used = blockAt(u);
      if (!movable(used)) break;
      intptr_t size = -used->size;
      Block* destination = bestFit(static_cast<int32_t>(size), hole, nullptr);
      if (!destination) break;
      moveRun(used, static_cast<int32_t>(size), destination);
      moved = true;
      if (hole->size >= need) return true;
    }
    if (!moved) return false;
  }
  return false;
}

PLIMORA_HEAP_INTERNAL bool MemoryManager::largestFreeAtLeast(int32_t need) const {
  for (const Block* f = freeHead_; f; f = f->next) {
    if (f->size >= need) return true;
  }
  return false;
}

bool MemoryManager::compact(int32_t need) {
  std::lock_guard<host::RecursiveLock> guard(lock_);
  if (!compacting_) return largestFreeAtLeast(need);
  return largestFreeAtLeast(need) || compactionA(need) || compactionB(need);
}

PLIMORA_HEAP_INTERNAL void MemoryManager::compactAll() {
  if (!compacting_) return;
  std::lock_guard<host::RecursiveLock> guard(lock_);
  // Blocks only ever move into free space, so the blocks not yet moved stay where the walk
  // found them.
  std::vector<Block*> blocks;
  for (char* p = arena_; p < end();
       p += blockAt(p)->size < 0 ? -blockAt(p)->size : blockAt(p)->size) {
    if (movable(blockAt(p))) blocks.push_back(blockAt(p));
  }
  for (Block* b : blocks) {
    intptr_t size = -b->size;
    if (Block* destination = bestFit(static_cast<int32_t>(size), nullptr, nullptr)) {
      moveRun(b, static_cast<int32_t>(size), destination);
    }
  }
  // Compaction B is left out: towards one hole of all the free space it would slide the
  // blocks after its hole through the whole arena, one block's length per move.
  intptr_t free = 0;
  for (const Block* f = freeHead_; f; f = f->next) free += f->size;
  compactionA(static_cast<int32_t>(free));
}
