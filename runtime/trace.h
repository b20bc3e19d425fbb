// The trace: one line per message, written to the standard output (or to a file or a
// test's capture), and the per-thread method-name trace printed by stack traces.
#pragma once

#include <cstdint>
#include <cstdio>

constexpr int kDebugLogLineSize = 1024;   // one formatted line, longer text is truncated
constexpr int kStackTraceTextSize = 512;  // "stacktrace:\n" plus the method names
constexpr int kMethodTraceSize = 256;     // entries kept on the method-name trace

// Formats like printf and writes the text followed by a line end; one call, one line.
void DebugLog(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Where trace lines go. A sink, when set, receives each line (without its line end)
// instead of the file; tests use it to capture the trace.
using TraceSink = void (*)(const char* line, void* user);
void SetTraceFile(FILE* file);  // nullptr: standard output
void SetTraceSink(TraceSink sink, void* user);

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
