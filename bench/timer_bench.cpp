// How late the timer runs its tasks on the real clock: 10,000 one-shot tasks at random delays
// of 0 to 100 ms, each run's lateness measured from the moment the tick count reached its
// planned time. Prints the median and the 99th percentile; the last line is the figure the
// goal is set on (2 ms or less).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <random>
#include <vector>

#include "javame/thread.h"
#include "javame/timer.h"
#include "runtime/application_impl.h"

namespace {

constexpr int32_t kTasks = 10000;
constexpr int32_t kLongestDelay = 100;  // ms

int64_t MonotonicMicros() {
  return std::chrono::duration_cast<std::chrono::microseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// Each run writes its moment into its own slot.
std::vector<int64_t> ranAt;
std::atomic<int32_t> done{0};

class StampTask : public java_util_TimerTask {
 public:
  explicit StampTask(int32_t taskIndex) : index(taskIndex) {}
  void run() override {
    ranAt[index] = MonotonicMicros();
    done.fetch_add(1, std::memory_order_release);
  }
  int32_t index;
};

// The timer's clock is the monotonic clock in whole milliseconds, less whole wraps of the tick
// count: the difference, read where no millisecond passed between the two readings.
int64_t TimerClockOffsetMs() {
  for (;;) {
    const int64_t before = java_util_Timer::now();
    const int64_t monotonicMs = MonotonicMicros() / 1000;
    if (java_util_Timer::now() == before) return monotonicMs - before;
  }
}

double Percentile(std::vector<double> values, double fraction) {
  std::sort(values.begin(), values.end());
  return values[static_cast<size_t>(fraction * static_cast<double>(values.size() - 1))];
}

double lastP99 = 0;

void BM_TimerLateness(benchmark::State& state) {
  ApplicationImpl context;
  context.init();
  for (auto _ : state) {
    ranAt.assign(kTasks, 0);
    done = 0;
    auto* timer = NewObject<java_util_Timer>();
    std::mt19937 random(48);
    std::uniform_int_distribution<int32_t> delays(0, kLongestDelay);
    std::vector<int64_t> planned(kTasks);
    const int64_t offset = TimerClockOffsetMs();
    for (int32_t i = 0; i < kTasks; i++) {
      auto* task = NewObject<StampTask>(i);
      timer->schedule(task, int64_t{delays(random)});
      planned[i] = task->scheduledExecutionTime() + offset;
    }
    while (done.load(std::memory_order_acquire) < kTasks) java_lang_Thread::sleep(5);
    std::vector<double> lateMs(kTasks);
    for (int32_t i = 0; i < kTasks; i++) {
      lateMs[i] = static_cast<double>(ranAt[i] - planned[i] * 1000) / 1000.0;
    }
    state.counters["median_late_ms"] = Percentile(lateMs, 0.5);
    state.counters["p99_late_ms"] = lastP99 = Percentile(lateMs, 0.99);
    timer->cancel();
  }
  context.close();
}
BENCHMARK(BM_TimerLateness)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::printf("timer_late_p99_ms: %.2f\n", lastP99);
  return 0;
}
