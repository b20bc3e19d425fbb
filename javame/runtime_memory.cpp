// The memory natives of java.lang.Runtime over the two managed heaps. The device reported its
// machine's physical memory; here the figures are the heaps', since the program's "collect
// when memory runs low" checks are about what it can still allocate.
#include "javame/runtime.h"
#include "runtime/application.h"
#include "runtime/memory_manager.h"

int64_t java_lang_Runtime::freeMemory() {
  Application* application = GetApplication();
  if (!application || !application->objectHeap || !application->dataHeap) return 0;
  return int64_t{application->objectHeap->freeBytes()} + application->dataHeap->freeBytes();
}

int64_t java_lang_Runtime::totalMemory() {
  Application* application = GetApplication();
  if (!application || !application->objectHeap || !application->dataHeap) return 0;
  return int64_t{application->objectHeap->heapSize()} + application->dataHeap->heapSize();
}
