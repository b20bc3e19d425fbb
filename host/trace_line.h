// The trace's output: one line per message, written to the standard output, to a file or to
// a test's capture. Each line is written with one call under one lock, so lines from
// different threads never interleave. The method-name trace over it is the runtime's
// (runtime/trace.h).
#pragma once

#include <cstdio>

constexpr int kDebugLogLineSize = 1024;  // one formatted line, longer text is truncated

// Formats like printf and writes the text followed by a line end; one call, one line.
void DebugLog(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Where trace lines go. A sink, when set, receives each line (without its line end)
// instead of the file; tests use it to capture the trace.
using TraceSink = void (*)(const char* line, void* user);
void SetTraceFile(FILE* file);  // nullptr: standard output
void SetTraceSink(TraceSink sink, void* user);
