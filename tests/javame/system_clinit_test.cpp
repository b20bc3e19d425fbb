#include <gtest/gtest.h>

#include "javame/device_statics.h"
#include "javame/hashtable.h"
#include "javame/print_stream.h"
#include "runtime/array.h"
#include "runtime/system.h"
#include "tests/support/library_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

using SystemClinitTest = LibraryTest;

// Start-up ran the initialiser.
TEST_F(SystemClinitTest, ThePropertyTableHoldsThePlatformName) {
  java_util_Hashtable* properties = Statics<DeviceStatics>()->java_lang_System_properties;
  ASSERT_NE(properties, nullptr);
  EXPECT_EQ(properties->table->length, 11);
  EXPECT_EQ(properties->threshold, 8);
  EXPECT_EQ(properties->size(), 1);
  struct Row {
    const char* key;
    const char* value;
  };
  const Row rows[] = {
      {"microedition.platform", "Plimora"},
      {"microedition.media.version", "1.0"},
      {"microedition.platforms", "PROPERTY VALUE EMPTY"},
      {"", "PROPERTY VALUE EMPTY"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(TextOf(java_lang_System::getProperty(NewJavaString(row.key))), row.value) << row.key;
  }
  EXPECT_EQ(TakePending().classId, 0);
}

TEST_F(SystemClinitTest, OutAndErrAreOnePrintStreamOverTheConsole) {
  java_io_PrintStream* out = Statics<DeviceStatics>()->java_lang_System_out;
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(static_cast<java_io_PrintStream*>(Statics<DeviceStatics>()->java_lang_System_err), out);
  ASSERT_NE(out->out, nullptr);
  EXPECT_EQ(out->out->classId, cid::java_io_ConsoleOutputStream);
  // What is printed goes nowhere: not even to the trace.
  TraceCapture trace;
  out->println(NewJavaString("discarded"));
  out->print(static_cast<Object*>(nullptr));
  EXPECT_TRUE(trace.lines().empty());
  EXPECT_EQ(TakePending().classId, 0);
}

}  // namespace
