#include <gtest/gtest.h>

#include "javame/hashtable.h"
#include "runtime/array.h"
#include "runtime/static_class.h"
#include "runtime/system.h"
#include "tests/support/library_fixture.h"

namespace {

using SystemClinitTest = LibraryTest;

// Start-up ran the initialiser.
TEST_F(SystemClinitTest, ThePropertyTableHoldsThePlatformName) {
  java_util_Hashtable* properties = Statics()->java_lang_System_properties;
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

}  // namespace
