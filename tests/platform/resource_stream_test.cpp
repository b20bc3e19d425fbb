#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "javame/input_stream.h"
#include "runtime/array.h"
#include "runtime/class.h"
#include "runtime/string.h"
#include "tests/support/runtime_data_fixture.h"

namespace {

class ResourceStreamTest : public RuntimeWithDataTest {
 protected:
  java_io_InputStream* Open(const char* name) {
    return Class::getResourceAsStream(NewJavaString(name));
  }
};

TEST_F(ResourceStreamTest, AResourceIsTheLooseFileOfItsNameInTheDataRoot) {
  PlantPoolBytes({10, 20, 30, 40, 50});
  for (const char* name : {"/constants.bin", "constants.bin", "/CONSTANTS.BIN"}) {
    SCOPED_TRACE(name);
    java_io_InputStream* in = Open(name);
    ASSERT_NE(in, nullptr);
    EXPECT_EQ(in->available(), 5);
    EXPECT_EQ(in->read(), 10);
    ByteArray* b = NewByteArray(8);
    EXPECT_EQ(in->read(b, 1, 8), 0);  // outside the array: nothing read
    EXPECT_EQ(in->read(b, 1, 7), 4);
    EXPECT_EQ(ByteArray::get(b, 4), 50);
    EXPECT_EQ(in->available(), 0);
    EXPECT_EQ(in->read(), -1);
    EXPECT_EQ(in->read(b), -1);
    in->close();
    EXPECT_EQ(in->read(), -1);
  }
}

TEST_F(ResourceStreamTest, SkipStopsAtTheEnd) {
  PlantPoolBytes({1, 2, 3});
  java_io_InputStream* in = Open("/constants.bin");
  EXPECT_EQ(in->skip(2), 2);
  EXPECT_EQ(in->skip(100), 1);
  EXPECT_EQ(in->read(), -1);
}

TEST_F(ResourceStreamTest, AMissingOrUnnameableResourceGivesNoStream) {
  PlantPoolBytes({1});
  EXPECT_EQ(Open("/missing.bin"), nullptr);
  EXPECT_EQ(Open("/../constants.bin"), nullptr);
  EXPECT_EQ(Class::getResourceAsStream(nullptr), nullptr);
  String* name = NewJavaString("/constants.bin");
  name->characters[1] = u'\u00E7';
  EXPECT_EQ(Class::getResourceAsStream(name), nullptr);
}

}  // namespace
