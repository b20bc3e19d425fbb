// What every benchmark program shares: its figure is the last line it prints, so the
// runtime's own trace (the lines that bringing a context up and closing it write) is dropped.
#pragma once

#include <benchmark/benchmark.h>

#include "host/trace_line.h"

inline void DropRuntimeTrace() {
  SetTraceSink([](const char*, void*) {}, nullptr);
}

// The body of a Google Benchmark program whose figures are the benchmarks' own lines, or,
// with a reporter, the figures the reporter keeps for the program's last line; false when the
// arguments are not understood.
inline bool RunBenchmarksWith(int argc, char** argv,
                              benchmark::BenchmarkReporter* reporter = nullptr) {
  DropRuntimeTrace();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return false;
  benchmark::RunSpecifiedBenchmarks(reporter);
  benchmark::Shutdown();
  return true;
}

inline int RunBenchmarks(int argc, char** argv) {
  return RunBenchmarksWith(argc, argv) ? 0 : 1;
}
