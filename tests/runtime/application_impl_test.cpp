#include "runtime/application_impl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>

#include "javame/runtime.h"
#include "javame/thread.h"
#include "runtime/monitor.h"
#include "runtime/object_manager.h"
#include "tests/runtime/thread_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

using ApplicationImplTest = ThreadsTest;

TEST_F(ApplicationImplTest, AfterInitTheMainThreadIsTheCurrentAndOnlyThread) {
  java_lang_Thread* mainThread = context_.mainThread();
  ASSERT_NE(mainThread, nullptr);
  EXPECT_EQ(java_lang_Thread::currentThread(), mainThread);
  EXPECT_EQ(java_lang_Thread::activeCount(), 1);
  EXPECT_TRUE(mainThread->isAlive());
  EXPECT_EQ(mainThread->classId, cid::java_lang_Thread);
  EXPECT_EQ(mainThread->collectable, 0);
  EXPECT_EQ(mainThread->priority, 6);
  EXPECT_EQ(mainThread->getInterface(cid::java_lang_Runnable),
            static_cast<java_lang_Runnable*>(mainThread));
  EXPECT_EQ(GetApplicationImpl(), &context_);
  EXPECT_EQ(GetApplication(), context_.application);
  EXPECT_EQ(context_.running.load(), 1);
  EXPECT_EQ(context_.backBuffer, nullptr);  // headless: no display back-end yet
}

// The main thread's object lives off the heaps: collections mark it, never free it.
TEST_F(ApplicationImplTest, TheMainThreadObjectSurvivesCollections) {
  application_.objectManager->gc(kGcForced);
  application_.objectManager->gc(kGcForced);
  EXPECT_EQ(java_lang_Thread::currentThread(), context_.mainThread());
  EXPECT_FALSE(context_.mainThread()->marked());
}

// Both exit paths may reach close: the second call, and the destructor's, do nothing.
TEST(ApplicationImplLifeTest, CloseRunsOnceAndLeavesNoContextBehind) {
  TraceCapture trace;
  {
    ApplicationImpl context;
    context.init();
    context.close();
    EXPECT_EQ(context.running.load(), 0);
    EXPECT_EQ(context.application, nullptr);
    EXPECT_EQ(GetApplication(), nullptr);
    EXPECT_EQ(java_lang_Thread::currentThread(), nullptr);
    context.close();
  }
  EXPECT_EQ(std::count(trace.lines().begin(), trace.lines().end(), "Application::close"), 1);
  EXPECT_EQ(GetApplicationImpl(), nullptr);
}

// Under LeakSanitizer this also proves that init then close leaves nothing behind; a second
// context in the same process starts from a clean table.
TEST(ApplicationImplLifeTest, ContextsComeAndGoOneAfterAnother) {
  for (int round = 0; round < 2; round++) {
    ApplicationImpl context;
    EXPECT_EQ(context.init(), 1);
    EXPECT_EQ(java_lang_Thread::activeCount(), 1);
    Monitor::enter(context.mainThread());
    Monitor::exit(context.mainThread());
    NewObject<Task>(round);
    context.close();
  }
}

TEST_F(ApplicationImplTest, TotalMemoryIsNotBelowFreeMemory) {
  const int64_t total = java_lang_Runtime::totalMemory();
  const int64_t free = java_lang_Runtime::freeMemory();
  EXPECT_GT(free, 0);
  EXPECT_GE(total, free);
}

}  // namespace
