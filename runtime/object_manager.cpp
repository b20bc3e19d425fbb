// Object allocation: objects come from one fixed arena handed out in order and never
// reclaimed; bodies come from the native heap. The managed heaps and the collector take
// this over.
#include "runtime/object_manager.h"

#include <cstdlib>
#include <cstring>
#include <mutex>

#include "runtime/trace.h"

namespace {

constexpr size_t kArenaSize = 4 * 1024 * 1024;
constexpr uint32_t kAddressBase = 0x00100000;  // added to heap offsets for stable addresses

std::mutex arenaLock;
char* arena = nullptr;
size_t arenaUsed = 0;

}  // namespace

void* AllocObjectMemory(size_t size, int toDataHeap) {
  if (toDataHeap) return AllocDataMemory(size);
  std::lock_guard<std::mutex> guard(arenaLock);
  if (!arena) arena = static_cast<char*>(calloc(kArenaSize, 1));
  size_t need = (size + 15) & ~size_t{15};
  if (!arena || need > kArenaSize - arenaUsed) return nullptr;
  void* block = arena + arenaUsed;
  arenaUsed += need;
  return block;
}

void* AllocDataMemory(size_t size) { return calloc(size ? size : 1, 1); }

void FreeDataMemory(void* address) {
  if (arena && static_cast<char*>(address) >= arena && static_cast<char*>(address) < arena + kArenaSize) return;
  free(address);
}

uint32_t ObjectAddress32(const void* object) {
  const char* p = static_cast<const char*>(object);
  if (arena && p >= arena && p < arena + kArenaSize) return kAddressBase + static_cast<uint32_t>(p - arena);
  return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(object));
}

void RegisterDataOwner(void*, void*) {}

void ForceDataHeapCompaction() {}

// Departure: the process ends here rather than raising std::bad_alloc, because no C++
// exception may cross translated code and nothing can go on without the memory.
void OperatorNewFailed() {
  DebugLog("ERROR: Operator new failed: out of store.");
  std::abort();
}
