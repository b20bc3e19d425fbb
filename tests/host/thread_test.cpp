#include "host/thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <set>

#include "host/clock.h"

namespace {

TEST(ThreadTest, ThreadRunsItsEntryAndJoins) {
  std::atomic<int> value{0};
  host::Thread thread;
  ASSERT_TRUE(
      thread.start([](void* arg) { static_cast<std::atomic<int>*>(arg)->store(42); }, &value));
  thread.join();
  EXPECT_EQ(value.load(), 42);
  EXPECT_FALSE(thread.started());
}

TEST(ThreadTest, ThreadIdsAreDistinctAndNonZero) {
  std::set<uint32_t> ids{host::CurrentThreadId()};
  EXPECT_EQ(host::CurrentThreadId(), *ids.begin());  // stable for one thread
  for (int i = 0; i < 4; i++) {
    uint32_t id = 0;
    host::Thread thread;
    thread.start([](void* arg) { *static_cast<uint32_t*>(arg) = host::CurrentThreadId(); }, &id);
    thread.join();
    EXPECT_NE(id, 0u);
    EXPECT_TRUE(ids.insert(id).second);
  }
}

TEST(ThreadTest, StackBaseLiesAboveALocal) {
  int local = 0;
  char* base = static_cast<char*>(host::CurrentStackBase());
  ASSERT_NE(base, nullptr);
  EXPECT_GT(base, reinterpret_cast<char*>(&local));
  EXPECT_LT(base - reinterpret_cast<char*>(&local), 64 * 1024 * 1024);
}

TEST(ThreadTest, RecursiveLockMayBeTakenAgainByItsOwner) {
  host::RecursiveLock lock;
  lock.lock();
  EXPECT_TRUE(lock.tryLock());
  bool otherGotIt = true;
  host::Thread other;
  struct Args {
    host::RecursiveLock* lock;
    bool* got;
  } args{&lock, &otherGotIt};
  other.start(
      [](void* p) {
        auto* a = static_cast<Args*>(p);
        *a->got = a->lock->tryLock();
        if (*a->got) a->lock->unlock();
      },
      &args);
  other.join();
  EXPECT_FALSE(otherGotIt);
  lock.unlock();
  lock.unlock();
}

TEST(ThreadTest, AutoResetEventReleasesOneWaitPerSet) {
  host::AutoResetEvent event;
  EXPECT_FALSE(event.wait(0));
  event.set();
  event.set();  // setting a set event does not count twice
  EXPECT_TRUE(event.wait(0));
  EXPECT_FALSE(event.wait(0));
}

TEST(ThreadTest, TimedWaitEndsAtItsTimeOut) {
  host::AutoResetEvent event;
  uint32_t before = host::RealTickCount();
  EXPECT_FALSE(event.wait(30));
  EXPECT_GE(host::RealTickCount() - before, 29u);
}

TEST(ThreadTest, EventWakesAWaiterOnAnotherThread) {
  host::AutoResetEvent event;
  std::atomic<bool> woke{false};
  struct Args {
    host::AutoResetEvent* event;
    std::atomic<bool>* woke;
  } args{&event, &woke};
  host::Thread waiter;
  waiter.start(
      [](void* p) {
        auto* a = static_cast<Args*>(p);
        a->woke->store(a->event->wait());
      },
      &args);
  event.set();
  waiter.join();
  EXPECT_TRUE(woke.load());
}

// Lowering a thread's priority needs no privilege, so the lowest level always takes; the
// level reads back as set.
TEST(ThreadTest, APriorityLevelIsAppliedToTheThreadWithThatSystemId) {
  struct Result {
    bool applied;
    int32_t level;
  } result{};
  host::Thread thread;
  thread.start(
      [](void* p) {
        auto* r = static_cast<Result*>(p);
        const int32_t self = host::CurrentSystemThreadId();
        r->applied = host::SetThreadPriority(self, host::kLowestPriority + 5);  // clamped to 7
        r->level = host::ThreadPriority(self);
      },
      &result);
  thread.join();
  EXPECT_TRUE(result.applied);
  EXPECT_EQ(result.level, host::kLowestPriority);
}

TEST(ThreadTest, AnArmedStartFaultFailsTheNextStartOnly) {
  host::ArmThreadStartFault();
  host::Thread refused;
  EXPECT_FALSE(refused.start([](void*) {}, nullptr));
  EXPECT_FALSE(refused.started());
  host::Thread next;
  EXPECT_TRUE(next.start([](void*) {}, nullptr));
  next.join();
}

}  // namespace
