#include <gtest/gtest.h>

#include <ctime>

#include "host/clock.h"
#include "javame/console_output_stream.h"
#include "runtime/array.h"
#include "runtime/string.h"
#include "runtime/system.h"
#include "tests/runtime/collector_fixture.h"
#include "tests/support/runtime_fixture.h"
#include "tests/support/string_text.h"

namespace {

// A runtime on a test clock that starts at 100000 ms.
using SystemNativesTest = CollectorFixture;

TEST_F(SystemNativesTest, CurrentTimeMillisIsTheTickCountWithAZeroHighWord) {
  EXPECT_EQ(java_lang_System::currentTimeMillis(), 100000);
  clock_.set(0xFFFFFFF0u);
  EXPECT_EQ(java_lang_System::currentTimeMillis(), int64_t{0xFFFFFFF0});
  clock_.advance(0x20);  // the tick count wraps after 49.7 days; so does the time base
  EXPECT_EQ(java_lang_System::currentTimeMillis(), 0x10);
}

TEST_F(SystemNativesTest, WallClockMillisIsTheCalendarTimeInWholeSeconds) {
  int64_t before = static_cast<int64_t>(time(nullptr)) * 1000;
  int64_t now = WallClockMillis();
  int64_t after = static_cast<int64_t>(time(nullptr)) * 1000;
  EXPECT_GE(now, before);
  EXPECT_LE(now, after);
  EXPECT_EQ(now % 1000, 0);
}

TEST_F(SystemNativesTest, OnlyTheMediaVersionHasAPropertyValue) {
  struct Row {
    const char* key;
    const char* value;
  };
  const Row rows[] = {
      {"microedition.media.version", "1.0"},
      {"microedition.platform", "PROPERTY VALUE EMPTY"},
      {"", "PROPERTY VALUE EMPTY"},
      {"microedition.media", "PROPERTY VALUE EMPTY"},
      {"microedition.media.version2", "PROPERTY VALUE EMPTY"},
      {"MICROEDITION.MEDIA.VERSION", "PROPERTY VALUE EMPTY"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(TextOf(java_lang_System::getProperty(NewJavaString(row.key))), row.value) << row.key;
  }
  TraceCapture trace;
  EXPECT_EQ(TextOf(java_lang_System::getProperty(nullptr)), "PROPERTY VALUE EMPTY");
  EXPECT_TRUE(trace.contains("NullPointer"));
}

TEST_F(SystemNativesTest, GcCollectsAtMostOncePerInterval) {
  Deep([] { NewNode(1); });
  java_lang_System::gc();  // the collector was made at this tick
  EXPECT_TRUE(finalizedIds.empty());
  clock_.advance(kGcInterval);
  java_lang_System::gc();
  EXPECT_EQ(finalizedIds, std::vector<int32_t>{1});
  Deep([] { NewNode(2); });
  java_lang_System::gc();
  EXPECT_EQ(finalizedIds, std::vector<int32_t>{1});
}

TEST_F(SystemNativesTest, ConsoleOutputIsDiscarded) {
  java_io_ConsoleOutputStream* console = NewObject<java_io_ConsoleOutputStream>();
  ByteArray* bytes = NewByteArray(2000);
  TraceCapture trace;
  console->write(bytes);
  EXPECT_TRUE(trace.lines().empty());
  console->write(nullptr);
  EXPECT_TRUE(trace.contains("NullPointer"));
}

}  // namespace
