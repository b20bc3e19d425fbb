// Physical memory figures over sysconf.
#include "host/memory_status.h"

#include <unistd.h>

namespace host {
namespace {

int64_t Pages(int name) {
  const long pages = sysconf(name);
  const long pageSize = sysconf(_SC_PAGESIZE);
  return pages > 0 && pageSize > 0 ? int64_t{pages} * pageSize : 0;
}

}  // namespace

int64_t TotalPhysicalMemory() {
  return Pages(_SC_PHYS_PAGES);
}

int64_t AvailablePhysicalMemory() {
  return Pages(_SC_AVPHYS_PAGES);
}

}  // namespace host
