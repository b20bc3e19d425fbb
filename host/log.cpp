// The host trace: one formatted line per call, handed to the sink whole.
#include "host/log.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>

namespace host {
namespace {

std::atomic<LogSink> logSink{nullptr};

}  // namespace

void SetLogSink(LogSink sink) {
  logSink.store(sink, std::memory_order_release);
}

void Log(const char* format, ...) {
  char line[1024];
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(line, sizeof line, format, arguments);
  va_end(arguments);
  if (LogSink sink = logSink.load(std::memory_order_acquire)) {
    sink(line);
  } else {
    std::printf("%s\n", line);
  }
}

}  // namespace host
