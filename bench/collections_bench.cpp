// Cost of the collection operations the game leans on: a key-code look-up in a Hashtable of
// Integer keys (made on every key event; it must not allocate), and filling a Vector.
#include <benchmark/benchmark.h>

#include "bench/bench_main.h"

#include "javame/boxed.h"
#include "javame/hashtable.h"
#include "javame/vector.h"
#include "runtime/application_impl.h"

namespace {

constexpr int32_t kKeyCodes = 20;

void BM_KeyCodeLookup(benchmark::State& state) {
  ApplicationImpl context;
  context.init();
  auto* table = NewObject<java_util_Hashtable>();
  java_lang_Integer* probes[kKeyCodes];
  for (int32_t i = 0; i < kKeyCodes; i++) {
    table->put(NewObject<java_lang_Integer>(i - 7), NewObject<java_lang_Integer>(i));
    probes[i] = NewObject<java_lang_Integer>(i - 7);
  }
  int32_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(table->get(probes[next]));
    next = next + 1 == kKeyCodes ? 0 : next + 1;
  }
  context.close();
}
BENCHMARK(BM_KeyCodeLookup);

void BM_VectorFillAndClear(benchmark::State& state) {
  ApplicationImpl context;
  context.init();
  auto* v = NewObject<java_util_Vector>();
  for (auto _ : state) {
    for (int32_t i = 0; i < 1000; i++) v->addElement(v);
    v->removeAllElements();
  }
  state.SetItemsProcessed(state.iterations() * 1000);
  context.close();
}
BENCHMARK(BM_VectorFillAndClear);

}  // namespace

int main(int argc, char** argv) {
  return RunBenchmarks(argc, argv);
}
