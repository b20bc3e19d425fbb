#include "javame/thread.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "runtime/string.h"
#include "tests/javame/runnable_body.h"
#include "tests/support/library_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

using ThreadTest = LibraryTest;

constexpr int32_t kMainPriority = 6;  // the priority the runtime gives the main thread

// ---- Construction ---------------------------------------------------------------------------

TEST_F(ThreadTest, ANewThreadTakesItsCreatorsPriorityAndItsTarget) {
  ASSERT_EQ(java_lang_Thread::currentThread()->getPriority(), kMainPriority);
  auto* target = NewObject<RunnableBody>([](RunnableBody*) {});
  auto* plain = NewObject<java_lang_Thread>();
  auto* over = NewObject<java_lang_Thread>(target);
  EXPECT_EQ(plain->getPriority(), kMainPriority);
  EXPECT_EQ(plain->target, nullptr);
  EXPECT_EQ(over->getPriority(), kMainPriority);
  EXPECT_EQ(over->target, target);
  EXPECT_EQ(over->collectable, 0);
}

// Made on a thread of priority 7, a thread has priority 7.
TEST_F(ThreadTest, AThreadMadeOnAnotherJavaThreadTakesThatThreadsPriority) {
  auto* maker = NewObject<java_lang_Thread>(NewObject<RunnableBody>(
      [](RunnableBody* self) { self->seen = NewObject<java_lang_Thread>()->getPriority(); }));
  maker->setPriority(7);
  ASSERT_GE(maker->nativeStart(), 0);
  maker->join();
  EXPECT_EQ(static_cast<RunnableBody*>(maker->target)->seen.load(), 7);
}

// A thread that is not a Java thread has no thread object to copy from.
TEST_F(ThreadTest, AThreadMadeOnASystemThreadTakesTheNormalPriority) {
  java_lang_Thread* made = nullptr;
  std::thread([&made] { made = NewObject<java_lang_Thread>(); }).join();
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->getPriority(), java_lang_Thread::kNormPriority);
}

// ---- Priority -------------------------------------------------------------------------------

TEST_F(ThreadTest, SetPriorityTakesOneToTenAndRaisesForAnythingElse) {
  struct Case {
    int32_t priority;
    bool accepted;
  };
  const Case cases[] = {{1, true}, {10, true}, {5, true}, {0, false}, {11, false}, {-1, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.priority);
    auto* thread = NewObject<java_lang_Thread>();
    thread->setPriority(c.priority);
    const Raised raised = TakePending();
    if (c.accepted) {
      EXPECT_EQ(raised.classId, 0);
      EXPECT_EQ(thread->getPriority(), c.priority);
    } else {
      EXPECT_EQ(raised.classId, cid::java_lang_IllegalArgumentException);
      EXPECT_EQ(raised.message, "");
      EXPECT_EQ(thread->getPriority(), kMainPriority);
    }
  }
}

// ---- run, start and join --------------------------------------------------------------------

TEST_F(ThreadTest, RunRunsTheTargetOnceAndWithoutOneNothing) {
  auto* target = NewObject<RunnableBody>([](RunnableBody*) {});
  NewObject<java_lang_Thread>(target)->run();
  EXPECT_EQ(target->runs.load(), 1);
  NewObject<java_lang_Thread>()->run();  // nothing to run, nothing happens
}

TEST_F(ThreadTest, RunOfATargetThatIsNotARunnableWritesATraceLine) {
  TraceCapture trace;
  NewObject<java_lang_Thread>(NewObject<Object>())->run();
  EXPECT_TRUE(trace.contains("java_lang_Thread::run(): the target is a Object, not a Runnable"));
}

// The target runs on the new thread, which is that thread's current thread; a second start
// while it runs changes nothing; join returns only once the run has ended.
TEST_F(ThreadTest, StartRunsTheTargetOnItsOwnThreadAndJoinWaitsForItsEnd) {
  auto* target = NewObject<RunnableBody>([](RunnableBody* self) {
    java_lang_Thread::sleep(50);
    self->held = java_lang_Thread::currentThread();
    self->seen = 1;
  });
  auto* thread = NewObject<java_lang_Thread>(target);
  const int32_t slot = thread->nativeStart();
  ASSERT_GE(slot, 1);
  EXPECT_EQ(thread->nativeStart(), slot);
  EXPECT_TRUE(thread->isAlive());
  thread->join();
  EXPECT_FALSE(thread->isAlive());
  EXPECT_EQ(target->seen.load(), 1);
  EXPECT_EQ(target->held, thread);
  EXPECT_EQ(target->runs.load(), 1);
  EXPECT_EQ(java_lang_Thread::activeCount(), 1);
}

TEST_F(ThreadTest, JoinOnItselfOrOnAThreadThatNeverStartedReturnsAtOnce) {
  auto* thread = NewObject<java_lang_Thread>(NewObject<RunnableBody>([](RunnableBody* self) {
    java_lang_Thread::currentThread()->join();
    self->seen = 1;
  }));
  NewObject<java_lang_Thread>()->join();
  java_lang_Thread::currentThread()->join();
  ASSERT_GE(thread->nativeStart(), 0);
  thread->join();
  EXPECT_EQ(static_cast<RunnableBody*>(thread->target)->seen.load(), 1);
}

// ---- Text -----------------------------------------------------------------------------------

TEST_F(ThreadTest, ToStringGivesTheHashCodeAndThePriority) {
  auto* thread = NewObject<java_lang_Thread>();
  const std::string hash = std::to_string(thread->hashCode());
  EXPECT_EQ(TextOf(thread->toString()), "Thread[" + hash + ",6]");
  thread->setPriority(10);
  EXPECT_EQ(TextOf(thread->toString()), "Thread[" + hash + ",10]");
}

}  // namespace
