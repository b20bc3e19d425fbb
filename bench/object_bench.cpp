// Cost of the type test that translated code makes around every cast and catch.
#include <benchmark/benchmark.h>

#include "bench/bench_main.h"

#include "javame/timer.h"
#include "runtime/application_impl.h"
#include "runtime/class.h"

namespace {

void BM_InstanceOfSuperclassChain(benchmark::State& state) {
  ApplicationImpl context;
  context.init();
  Object* thread = NewObject<java_util_TimerThread>();
  for (auto _ : state) benchmark::DoNotOptimize(InstanceOf(thread, cid::Object));
  context.close();
}
BENCHMARK(BM_InstanceOfSuperclassChain);

}  // namespace

int main(int argc, char** argv) {
  return RunBenchmarks(argc, argv);
}
