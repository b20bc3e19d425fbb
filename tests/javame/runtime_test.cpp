#include "javame/runtime.h"

#include <gtest/gtest.h>

#include "runtime/array.h"
#include "tests/runtime/collector_fixture.h"
#include "tests/support/library_fixture.h"

namespace {

using RuntimeClassTest = LibraryTest;

constexpr int32_t kOneMegabyte = 1024 * 1024;

// The initialiser's one instance is a static root: it survives collections and stays the one.
TEST_F(RuntimeClassTest, GetRuntimeGivesTheOneInstanceThroughCollections) {
  java_lang_Runtime* runtime = java_lang_Runtime::getRuntime();
  ASSERT_NE(runtime, nullptr);
  EXPECT_EQ(runtime->classId, cid::java_lang_Runtime);
  CollectNow();
  EXPECT_EQ(java_lang_Runtime::getRuntime(), runtime);
  EXPECT_EQ(runtime->classId, cid::java_lang_Runtime);
}

// The figures are the managed heaps': an allocation lowers the free figure by at least its
// size, and collecting it gives the bytes back; the total never moves.
TEST_F(RuntimeClassTest, FreeMemoryFallsWithAnAllocationAndRecoversAfterItIsCollected) {
  CollectNow();
  const int64_t total = java_lang_Runtime::totalMemory();
  const int64_t before = java_lang_Runtime::freeMemory();
  EXPECT_LE(before, total);
  int64_t during = 0;
  Deep([&during] {
    ASSERT_NE(NewByteArray(kOneMegabyte), nullptr);
    during = java_lang_Runtime::freeMemory();
  });
  EXPECT_LE(during, before - kOneMegabyte);
  CollectNow();
  EXPECT_EQ(java_lang_Runtime::freeMemory(), before);
  EXPECT_EQ(java_lang_Runtime::totalMemory(), total);
}

}  // namespace
