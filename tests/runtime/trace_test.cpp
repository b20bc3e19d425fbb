#include "runtime/trace.h"

#include <gtest/gtest.h>

#include "tests/support/runtime_fixture.h"

namespace {

TEST(TraceTest, DebugLogFormatsOneLine) {
  TraceCapture trace;
  DebugLog("totalFragmentSizeNeeded=%d m_heapUsed=%d", 16, 32);
  EXPECT_EQ(trace.lines(), std::vector<std::string>{"totalFragmentSizeNeeded=16 m_heapUsed=32"});
}

TEST(TraceTest, DebugLogTruncatesToItsBuffer) {
  TraceCapture trace;
  std::string longText(3000, 'x');
  DebugLog("%s", longText.c_str());
  ASSERT_EQ(trace.lines().size(), 1u);
  EXPECT_EQ(trace.lines()[0], std::string(kDebugLogLineSize - 1, 'x'));
}

TEST(TraceTest, DebugLogWritesToTheTraceFile) {
  FILE* file = tmpfile();
  SetTraceFile(file);
  DebugLog("a %s", "line");
  SetTraceFile(nullptr);
  rewind(file);
  char buffer[32] = {};
  fread(buffer, 1, sizeof buffer - 1, file);
  fclose(file);
  EXPECT_STREQ(buffer, "a line\n");
}

TEST(TraceTest, StackTraceIsNewestFirst) {
  char text[kStackTraceTextSize];
  FormatStackTrace(text, sizeof text);
  EXPECT_STREQ(text, "stacktrace:\n");
  PushMethodName("A");
  PushMethodName("B");
  FormatStackTrace(text, sizeof text);
  EXPECT_STREQ(text, "stacktrace:\nB\nA\n");
  PopMethodName();
  PopMethodName();
  EXPECT_EQ(MethodTraceDepth(), 0);
}

TEST(TraceTest, PushesPastTheLimitAreIgnoredAndPopsStayBalanced) {
  for (int i = 0; i < kMethodTraceSize + 10; i++)
    PushMethodName(i < kMethodTraceSize ? "kept" : "dropped");
  char text[4096];
  FormatStackTrace(text, kStackTraceTextSize);
  EXPECT_EQ(std::string(text).find("dropped"), std::string::npos);
  EXPECT_LE(strlen(text), static_cast<size_t>(kStackTraceTextSize - 1));
  for (int i = 0; i < 10; i++) PopMethodName();
  EXPECT_EQ(MethodTraceDepth(), kMethodTraceSize);
  PushMethodName("top");  // the trace is full: this one is counted but not stored
  PopMethodName();
  for (int i = 0; i < kMethodTraceSize; i++) PopMethodName();
  EXPECT_EQ(MethodTraceDepth(), 0);
  PopMethodName();  // an extra pop never goes below zero
  EXPECT_EQ(MethodTraceDepth(), 0);
}

TEST(TraceTest, PrintStackTraceWritesTheTextAsOneLine) {
  TraceCapture trace;
  MethodTraceScope scope("ObjectManager::gc()");
  PrintStackTrace();
  EXPECT_EQ(trace.lines(), std::vector<std::string>{"stacktrace:\nObjectManager::gc()\n"});
}

}  // namespace
