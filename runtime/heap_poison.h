// Poisoning of the arenas' free space and block headers in the sanitizer build, so that an
// overrun inside an arena is caught; in every other build these do nothing.
#pragma once

#include <cstddef>

#ifdef PLIMORA_ASAN
#include <sanitizer/asan_interface.h>
// Marks the code that reads and writes block headers and free-list links, which the
// sanitizer build keeps poisoned.
#define PLIMORA_HEAP_INTERNAL __attribute__((no_sanitize("address")))
#else
#define PLIMORA_HEAP_INTERNAL
#endif

inline void PoisonHeapRange(const void* start, size_t bytes) {
#ifdef PLIMORA_ASAN
  ASAN_POISON_MEMORY_REGION(start, bytes);
#else
  (void)start;
  (void)bytes;
#endif
}

inline void UnpoisonHeapRange(const void* start, size_t bytes) {
#ifdef PLIMORA_ASAN
  ASAN_UNPOISON_MEMORY_REGION(start, bytes);
#else
  (void)start;
  (void)bytes;
#endif
}

// How many bytes from start on are addressable (all of them outside the sanitizer build); a
// block keeps this much of its data usable when it moves.
inline size_t AddressablePrefix(const void* start, size_t bytes) {
#ifdef PLIMORA_ASAN
  const void* bad = __asan_region_is_poisoned(const_cast<void*>(start), bytes);
  return bad ? static_cast<size_t>(static_cast<const char*>(bad) - static_cast<const char*>(start))
             : bytes;
#else
  (void)start;
  return bytes;
#endif
}
