// What every benchmark program shares: its figure is the last line it prints, so the
// runtime's own trace (the lines that bringing a context up and closing it write) is dropped.
#pragma once

#include <benchmark/benchmark.h>

#include "host/trace_line.h"

inline void DropRuntimeTrace() {
  SetTraceSink([](const char*, void*) {}, nullptr);
}

// The body of a Google Benchmark program whose figures are the benchmarks' own lines.
inline int RunBenchmarks(int argc, char** argv) {
  DropRuntimeTrace();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
