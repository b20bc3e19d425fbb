// The memory natives of java.lang.Runtime: the physical memory figures of the machine (not
// of the managed heaps), as the device reported its own.
#include "host/memory_status.h"
#include "javame/runtime.h"

int64_t java_lang_Runtime::freeMemory() {
  return host::AvailablePhysicalMemory();
}

int64_t java_lang_Runtime::totalMemory() {
  return host::TotalPhysicalMemory();
}
