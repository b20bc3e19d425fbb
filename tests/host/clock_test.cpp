#include "host/clock.h"

#include <gtest/gtest.h>

TEST(ClockTest, ManualClockDrivesTickCountAndSleepReturnsAtOnce) {
  host::ManualClock clock(1000);
  host::UseClock(&clock);
  EXPECT_EQ(host::TickCount(), 1000u);
  host::Sleep(5000);  // would block for five seconds on the real clock
  EXPECT_EQ(host::TickCount(), 1000u);
  clock.advance(40);
  EXPECT_EQ(host::TickCount(), 1040u);
  host::UseClock(nullptr);
}

TEST(ClockTest, TickCountWrapsAt32Bits) {
  host::ManualClock clock(0xFFFFFFF0u);
  host::UseClock(&clock);
  clock.advance(0x20);
  EXPECT_EQ(host::TickCount(), 0x10u);
  host::UseClock(nullptr);
}

TEST(ClockTest, RealClockIsMonotonicAndSleepsAtLeastTheTime) {
  uint32_t before = host::TickCount();
  host::Sleep(20);
  uint32_t elapsed = host::TickCount() - before;
  EXPECT_GE(elapsed, 19u);  // the monotonic clock may round the start down by up to 1 ms
}
