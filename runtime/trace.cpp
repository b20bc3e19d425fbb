// The method-name trace of each Java thread, and the stack-trace text built from it.
#include "runtime/trace.h"

#include <cstdio>

#include "runtime/thread_state.h"

// ---------------------------------------------------------------------------------------
// Method-name trace

void PushMethodName(const char* name) {
  JavaThreadState& state = CurrentThreadState();
  if (state.methodDepth < kMethodTraceSize) state.methodNames[state.methodDepth] = name;
  state.methodDepth++;
}

void PopMethodName() {
  JavaThreadState& state = CurrentThreadState();
  if (state.methodDepth > 0) state.methodDepth--;
}

int32_t MethodTraceDepth() {
  return CurrentThreadState().methodDepth;
}

int FormatStackTrace(char* out, int size) {
  if (size <= 0) return 0;
  JavaThreadState& state = CurrentThreadState();
  int used = snprintf(out, size, "stacktrace:\n");
  int stored = state.methodDepth < kMethodTraceSize ? state.methodDepth : kMethodTraceSize;
  for (int i = stored - 1; i >= 0 && used < size - 1; i--) {
    used += snprintf(out + used, size - used, "%s\n", state.methodNames[i]);
  }
  return used < size ? used : size - 1;
}

void PrintStackTrace() {
  char text[kStackTraceTextSize];
  FormatStackTrace(text, sizeof text);
  DebugLog("%s", text);
}
