// The machine's physical memory as the system reports it.
#pragma once

#include <cstdint>

namespace host {

// Bytes of physical memory in total, and of it those free now; 0 when the system does not
// say.
int64_t TotalPhysicalMemory();
int64_t AvailablePhysicalMemory();

}  // namespace host
