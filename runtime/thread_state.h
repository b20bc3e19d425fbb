// What the runtime keeps for each native thread that runs Java code: its pending exception
// and catch site, and its method-name trace. The collector visits every thread's state,
// because a pending exception is a root.
#pragma once

#include <cstdint>

#include "runtime/trace.h"

class Object;

struct JavaThreadState {
  Object* pendingException;  // thrown and not yet caught on this thread, or null
  int32_t catchSite;         // the site given to the last TestPendingException that found one
  int32_t methodDepth;       // pushes minus pops; only the first kMethodTraceSize are stored
  const char* methodNames[kMethodTraceSize];
  JavaThreadState* next;  // registry link
};

// The calling thread's state, made and registered on first use, unregistered when the
// thread ends.
JavaThreadState& CurrentThreadState();

// Calls visit(state, user) for every registered thread's state, under the registry lock.
void ForEachThreadState(void (*visit)(JavaThreadState& state, void* user), void* user);
