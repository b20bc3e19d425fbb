// Spilling the calling thread's registers onto its own stack, so that a conservative scan of
// the stack also sees the references that live only in registers.
#pragma once

namespace host {

// Saves the calling thread's registers (getcontext) in a record on its stack, then calls
// run(user, record) from a deeper frame. Everything the caller and its callers hold, in
// registers or in their frames, then lies between record and the stack base.
void CallWithRegistersSpilled(void (*run)(void* user, const void* record), void* user);

}  // namespace host
