// The trace: one line per message (host/trace_line.h writes them), and the per-thread
// method-name trace printed by stack traces.
#pragma once

#include <cstdint>

#include "host/trace_line.h"

constexpr int kStackTraceTextSize = 512;  // "stacktrace:\n" plus the method names
constexpr int kMethodTraceSize = 256;     // entries kept on the method-name trace

// The method-name trace of the calling thread. Pushes past kMethodTraceSize entries are
// counted but not stored, so every pop stays balanced with its push.
void PushMethodName(const char* name);
void PopMethodName();
int32_t MethodTraceDepth();

// Pushes a name for the life of a scope.
class MethodTraceScope {
 public:
  explicit MethodTraceScope(const char* name) { PushMethodName(name); }
  ~MethodTraceScope() { PopMethodName(); }
  MethodTraceScope(const MethodTraceScope&) = delete;
  MethodTraceScope& operator=(const MethodTraceScope&) = delete;
};

// "stacktrace:\n" then one "%s\n" line per stored method name, newest first, truncated to
// kStackTraceTextSize bytes. Returns the length written (without the terminator).
int FormatStackTrace(char* out, int size);

// Writes FormatStackTrace's text with DebugLog (the text's own line end, then DebugLog's).
void PrintStackTrace();
