// Register spill over getcontext.
#include "host/registers.h"

#include <ucontext.h>

#include <cstring>

namespace host {

static_assert(sizeof(ucontext_t) <= RegisterRecord::kSize,
              "a context record fits a RegisterRecord");
static_assert(alignof(ucontext_t) <= alignof(RegisterRecord), "and is aligned like one");

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

// A jump rather than a call: no frame of ours runs first, so no callee-saved register has
// been saved away and reused before getcontext reads it, and the record's stack pointer is
// the caller's own.
#if defined(__x86_64__)
__attribute__((naked)) void SpillRegisters(RegisterRecord*) {
  asm("jmp getcontext@PLT");
}

const void* SavedStackPointer(const RegisterRecord* record) {
  auto* context = reinterpret_cast<const ucontext_t*>(record->bytes);
  return reinterpret_cast<const void*>(context->uc_mcontext.gregs[REG_RSP]);
}
#elif defined(__aarch64__)
__attribute__((naked)) void SpillRegisters(RegisterRecord*) {
  asm("b getcontext");
}

const void* SavedStackPointer(const RegisterRecord* record) {
  auto* context = reinterpret_cast<const ucontext_t*>(record->bytes);
  return reinterpret_cast<const void*>(context->uc_mcontext.sp);
}
#else
#error "SpillRegisters needs a jump to getcontext for this processor"
#endif

}  // namespace host
