// What every benchmark program shares: its figure is the last line it prints, so the
// runtime's own trace (the lines that bringing a context up and closing it write) is dropped.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "host/trace_line.h"

// The median of timed runs (the upper one of an even count).
inline double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// A path of the build beside the bench/ folder the program runs from ("plimora", "data").
inline std::string BuildPath(const char* argv0, const char* name) {
  const std::filesystem::path self = std::filesystem::canonical(argv0).parent_path();
  return (self.parent_path() / name).string();
}

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

// The program of a benchmark whose figure is its median time: prints the console's lines,
// then "figure: X" with the median in the benchmark's own unit as the last line.
inline int RunBenchmarksForMedian(int argc, char** argv, const char* figure) {
  class MedianRecorder : public benchmark::ConsoleReporter {
   public:
    void ReportRuns(const std::vector<Run>& runs) override {
      ConsoleReporter::ReportRuns(runs);
      for (const Run& run : runs) {
        if (run.aggregate_name == "median") median = run.GetAdjustedRealTime();
      }
    }
    double median = 0;
  } reporter;
  if (!RunBenchmarksWith(argc, argv, &reporter)) return 1;
  if (reporter.median > 0) {
    printf("%s: %.3f\n", figure, reporter.median);
  } else {
    printf("%s: unmeasured (the benchmark was filtered out)\n", figure);
  }
  return 0;
}
