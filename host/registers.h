// Spilling the calling thread's registers into memory, so that a conservative scan of the
// stack also sees the references that live only in registers.
#pragma once

#include <cstddef>

namespace host {

// Saves the calling thread's registers (getcontext) in a record on its stack, then calls
// run(user, record) from a deeper frame. Everything the caller and its callers hold, in
// registers or in their frames, then lies between record and the stack base.
void CallWithRegistersSpilled(void (*run)(void* user, const void* record), void* user);

// Room for one saved register set (the system's context record).
struct RegisterRecord {
  static constexpr size_t kSize = 1024;
  alignas(16) unsigned char bytes[kSize];
};

// Saves the registers exactly as the caller holds them at the call (getcontext entered
// without a frame of its own), together with the caller's stack pointer. The caller clears
// the record first: getcontext leaves parts of it untouched.
void SpillRegisters(RegisterRecord* record);

// The stack pointer saved in a record: the lowest address of the spilling caller's frame.
const void* SavedStackPointer(const RegisterRecord* record);

}  // namespace host
