// The real clock over CLOCK_MONOTONIC and nanosleep, and the switch to a replacement clock.
#include "host/clock.h"

#include <sched.h>
#include <time.h>

namespace host {
namespace {

class RealClock final : public Clock {
 public:
  uint32_t ticks() override { return RealTickCount(); }
  void sleep(uint32_t ms) override {
    if (ms == 0) {
      sched_yield();
      return;
    }
    timespec t{static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000L};
    while (nanosleep(&t, &t) != 0) {
    }
  }
};

RealClock realClock;
std::atomic<Clock*> currentClock{&realClock};

}  // namespace

uint32_t RealTickCount() {
  timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  uint64_t ms =
      static_cast<uint64_t>(t.tv_sec) * 1000u + static_cast<uint64_t>(t.tv_nsec) / 1000000u;
  return static_cast<uint32_t>(ms);
}

uint32_t TickCount() {
  return currentClock.load(std::memory_order_acquire)->ticks();
}

void Sleep(uint32_t ms) {
  currentClock.load(std::memory_order_acquire)->sleep(ms);
}

void UseClock(Clock* clock) {
  currentClock.store(clock ? clock : &realClock, std::memory_order_release);
}

}  // namespace host
