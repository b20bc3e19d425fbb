// Trace output: every line goes to the sink when one is set, else to the trace file (the
// standard output by default), under one lock.
#include "host/trace_line.h"

#include <cstdarg>
#include <mutex>

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
