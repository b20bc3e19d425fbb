// Trace output and the method-name trace. Each line is written with one call under one
// lock, so lines from different threads never interleave.
#include "runtime/trace.h"

#include <cstdarg>
#include <cstring>
#include <mutex>

#include "runtime/thread_state.h"

namespace {

std::mutex traceLock;
FILE* traceFile = nullptr;
TraceSink traceSink = nullptr;
void* traceSinkUser = nullptr;

void WriteLine(const char* line) {
  std::lock_guard<std::mutex> guard(traceLock);
  if (traceSink) {
    traceSink(line, traceSinkUser);
    return;
  }
  FILE* out = traceFile ? traceFile : stdout;
  fprintf(out, "%s\n", line);
  fflush(out);
}

}  // namespace

void DebugLog(const char* format, ...) {
  char line[kDebugLogLineSize];
  va_list args;
  va_start(args, format);
  vsnprintf(line, sizeof line, format, args);  // truncates; always terminated
  va_end(args);
  WriteLine(line);
}

void SetTraceFile(FILE* file) {
  std::lock_guard<std::mutex> guard(traceLock);
  traceFile = file;
}

void SetTraceSink(TraceSink sink, void* user) {
  std::lock_guard<std::mutex> guard(traceLock);
  traceSink = sink;
  traceSinkUser = user;
}

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
