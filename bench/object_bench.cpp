// Cost of the type test that translated code makes around every cast and catch.
#include <benchmark/benchmark.h>

#include "javame/timer.h"
#include "runtime/application.h"
#include "runtime/class.h"

namespace {

void BM_InstanceOfSuperclassChain(benchmark::State& state) {
  Application application{};
  SetApplication(&application);
  application.init();
  Object* thread = NewObject<java_util_TimerThread>();
  for (auto _ : state) benchmark::DoNotOptimize(InstanceOf(thread, cid::Object));
  application.close();
  SetApplication(nullptr);
}
BENCHMARK(BM_InstanceOfSuperclassChain);

}  // namespace

BENCHMARK_MAIN();
