// Register spill over getcontext.
#include "host/registers.h"

#include <ucontext.h>

#include <cstring>

namespace host {

__attribute__((noinline)) void CallWithRegistersSpilled(void (*run)(void* user, const void* record),
                                                        void* user) {
  // Cleared first: getcontext leaves parts of the record untouched, and whatever an earlier
  // call left in those stack bytes would look like live references to the scan.
  ucontext_t context;
  memset(&context, 0, sizeof context);
  getcontext(&context);
  run(user, &context);
  // The record must stay in this frame until run has returned: no tail call, no early
  // reuse of its slot.
  asm volatile("" : : "r"(&context) : "memory");
}

}  // namespace host
