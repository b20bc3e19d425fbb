// SafeRegion: parks the calling Java thread around a blocking wait, so that a collection
// that another thread starts meanwhile need not wait for it. Entering spills the registers
// and records the stack pointer, so the collector can scan everything the thread holds;
// leaving waits while another thread has the world stopped.
//
// Use one around every wait that can block a Java thread for long (a contended monitor,
// Monitor::wait, joining, sleeping, waiting for the collector, the main loop's waits):
//
//   {
//     SafeRegion parked;
//     event.wait();
//   }
//
// Inside the region the thread must not touch managed objects (it may be running while a
// collection moves or frees them); it may only wait and then leave. Regions do not nest.
// Threads that are not Java threads pass through a region unchanged.
#pragma once

#include <cstdint>
#include <cstring>

#include "host/registers.h"

class ThreadTable;

class SafeRegion {
 public:
  // Inlined on purpose: the registers are saved from the caller's own frame, so every
  // reference the caller holds lies either in its frames or in the saved record.
  __attribute__((always_inline)) SafeRegion() {
    memset(&registers_, 0, sizeof registers_);
    host::SpillRegisters(&registers_);
    park();
  }
  ~SafeRegion() { unpark(); }
  SafeRegion(const SafeRegion&) = delete;
  SafeRegion& operator=(const SafeRegion&) = delete;

 private:
  void park();
  void unpark();

  host::RegisterRecord registers_;
  ThreadTable* table_;  // kept: threads that a close leaves parked outlive the context
  int32_t slot_;        // -1: not a Java thread, nothing parked
};
