// Millisecond tick count and sleep: the device's time base. Both go through a replaceable
// clock so that frame logic can be driven deterministically by tests and --fixed-clock.
#pragma once

#include <atomic>
#include <cstdint>

namespace host {

// A source of ticks and sleeps. The default is the real monotonic clock.
class Clock {
 public:
  virtual uint32_t ticks() = 0;         // milliseconds, wraps at 2^32
  virtual void sleep(uint32_t ms) = 0;  // blocks the calling thread
 protected:
  ~Clock() = default;
};

// A clock that only moves when told to; sleeps return at once.
class ManualClock final : public Clock {
 public:
  explicit ManualClock(uint32_t start = 0) : now_(start) {}
  uint32_t ticks() override { return now_.load(std::memory_order_relaxed); }
  void sleep(uint32_t) override {}
  void advance(uint32_t ms) { now_.fetch_add(ms, std::memory_order_relaxed); }
  void set(uint32_t ms) { now_.store(ms, std::memory_order_relaxed); }

 private:
  std::atomic<uint32_t> now_;
};

// Milliseconds from the current clock: monotonic, truncated to 32 bits.
uint32_t TickCount();
// Sleeps on the current clock; 0 only yields the processor.
void Sleep(uint32_t ms);
// Replaces the clock (nullptr restores the real one). The clock must outlive its use.
void UseClock(Clock* clock);
// Milliseconds of the real monotonic clock, whatever clock is in use.
uint32_t RealTickCount();

}  // namespace host
