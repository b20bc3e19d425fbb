// A clock for tests that records every sleep it is asked for and returns at once. A stepping
// one also moves on by each sleep's length, so a loop of sleeps runs at full speed in exact
// time; a thread that spins on short sleeps then moves it on fast, so tests that measure across
// two threads make it stand still.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <vector>

#include "host/clock.h"

class RecordingClock final : public host::Clock {
 public:
  explicit RecordingClock(uint32_t start, bool stepping = false)
      : now_(start), stepping_(stepping) {}

  uint32_t ticks() override { return now_.load(); }
  void sleep(uint32_t ms) override {
    {
      std::lock_guard<std::mutex> guard(lock_);
      sleeps_.push_back(ms);
    }
    if (stepping_) now_.fetch_add(ms);
  }

  void advance(uint32_t ms) { now_.fetch_add(ms); }
  // Sleeps no longer move it: time stands still but for advance.
  void standStill() { stepping_ = false; }
  // The sleeps asked for so far, in order; clear forgets them.
  std::vector<uint32_t> taken() {
    std::lock_guard<std::mutex> guard(lock_);
    return sleeps_;
  }
  void clear() {
    std::lock_guard<std::mutex> guard(lock_);
    sleeps_.clear();
  }

 private:
  std::atomic<uint32_t> now_;
  std::atomic<bool> stepping_;
  std::mutex lock_;
  std::vector<uint32_t> sleeps_;
};
