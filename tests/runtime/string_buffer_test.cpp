#include "runtime/string_buffer.h"

#include <gtest/gtest.h>

#include "runtime/instance_factory.h"
#include "runtime/string.h"
#include "tests/support/runtime_fixture.h"
#include "tests/support/string_text.h"

namespace {

using StringBufferTest = RuntimeTest;

void Append(StringBuffer* buffer, const std::u16string& units) {
  buffer->insertUnits(buffer->length(), units.data(), static_cast<int32_t>(units.size()));
}

TEST_F(StringBufferTest, GrowthTakesTheNeedOrTwiceTheCapacity) {
  struct Row {
    int32_t capacity;
    int32_t appended;
    bool atOnce;  // one insert of all the units, else one append per unit
    int32_t grownTo;
  };
  const Row rows[] = {
      {0, 1, false, 2},     // the need (length + 1 + 1) beats twice 0
      {16, 17, false, 32},  // twice the capacity beats the need of 18
      {16, 15, false, 16},  // 15 units and the terminator fit
      {4, 20, false, 32},   // 8, 16, then 32
      {4, 20, true, 21},    // the need of 21 beats twice 4
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.capacity);
    StringBuffer* buffer = NewObject<StringBuffer>(row.capacity);
    EXPECT_EQ(buffer->capacity, row.capacity);
    EXPECT_EQ(buffer->characters == nullptr, row.capacity == 0);
    std::u16string units;
    for (int32_t i = 0; i < row.appended; i++) units += static_cast<char16_t>(u'a' + i % 26);
    if (row.atOnce) {
      Append(buffer, units);
    } else {
      for (char16_t unit : units) buffer->append(unit);
    }
    EXPECT_EQ(UnitsOf(buffer), units);
    EXPECT_EQ(buffer->capacity, row.grownTo);
    if (row.appended < buffer->capacity) {
      EXPECT_EQ(buffer->characters[row.appended], 0);
    }
  }
}

TEST_F(StringBufferTest, FactoryMadeBufferIsEmpty) {
  auto* buffer = static_cast<StringBuffer*>(NewInstanceFactory::newInstance(cid::StringBuffer));
  ASSERT_NE(buffer, nullptr);
  EXPECT_EQ(buffer->capacity, 0);
  EXPECT_EQ(buffer->characters, nullptr);
  buffer->append(u'z');
  EXPECT_EQ(UnitsOf(buffer), u"z");
  EXPECT_EQ(buffer->capacity, 2);
}

TEST_F(StringBufferTest, SetLengthCutsOrGrows) {
  StringBuffer* buffer = NewObject<StringBuffer>(8);
  Append(buffer, u"abcdef");
  buffer->setLength(2);
  EXPECT_EQ(UnitsOf(buffer), u"ab");
  EXPECT_EQ(buffer->characters[2], 0);
  buffer->setLength(4);  // the units in between keep what they held
  EXPECT_EQ(UnitsOf(buffer), std::u16string(u"ab\0d", 4));
  buffer->setLength(8);  // the capacity itself: no room for a terminator, no growth
  EXPECT_EQ(buffer->capacity, 8);
  buffer->setLength(9);
  EXPECT_EQ(buffer->capacity, 16);
  EXPECT_EQ(buffer->length(), 9);
  buffer->setLength(40);
  EXPECT_EQ(buffer->capacity, 40);

  TraceCapture trace;
  buffer->setLength(-1);
  EXPECT_EQ(buffer->length(), 0);
  EXPECT_EQ(trace.lines(),
            (std::vector<std::string>{"StringBuffer::setLength: length -1 below 0"}));
}

TEST_F(StringBufferTest, InsertMovesTheRestUp) {
  StringBuffer* buffer = NewObject<StringBuffer>(4);
  Append(buffer, u"world");
  buffer->insertUnits(0, u"hello ", 6);
  EXPECT_EQ(UnitsOf(buffer), u"hello world");
  buffer->insertUnits(5, u",", 1);
  EXPECT_EQ(UnitsOf(buffer), u"hello, world");
  buffer->insertUnits(3, u"", 0);
  EXPECT_EQ(UnitsOf(buffer), u"hello, world");

  TraceCapture trace;
  buffer->insertUnits(99, u"!", 1);
  buffer->insertUnits(-1, u"<", 1);
  EXPECT_EQ(UnitsOf(buffer), u"<hello, world!");
  EXPECT_EQ(trace.lines().size(), 2u);
}

// Units taken from this buffer itself, or from a body that growing may move, are copied
// before anything moves.
TEST_F(StringBufferTest, InsertFromItsOwnOrAnotherBodyCopiesFirst) {
  StringBuffer* buffer = NewObject<StringBuffer>(64);
  Append(buffer, u"abcdef");
  buffer->insertUnits(1, buffer->characters + 2, 3);  // no growth, overlapping the moved part
  EXPECT_EQ(UnitsOf(buffer), u"acdebcdef");
  StringBuffer* small = NewObject<StringBuffer>(2);
  Append(small, u"x");
  small->insertUnits(0, small->characters, 1);  // growth frees the old block
  EXPECT_EQ(UnitsOf(small), u"xx");
  String* text = NewJavaString("a text with a body of its own");
  small->insertUnits(1, text->characters, text->length());
  EXPECT_EQ(TextOf(small->toString()), "xa text with a body of its ownx");
}

TEST_F(StringBufferTest, NegativeCapacityGivesAnEmptyBuffer) {
  TraceCapture trace;
  StringBuffer* buffer = NewObject<StringBuffer>(-5);
  EXPECT_EQ(buffer->capacity, 0);
  EXPECT_EQ(buffer->length(), 0);
  EXPECT_EQ(trace.lines(), (std::vector<std::string>{"StringBuffer: capacity -5 below 0"}));
}

TEST_F(StringBufferTest, BufferKeepsItsContentsThroughACompaction) {
  StringBuffer* dropped = NewObject<StringBuffer>(100);
  StringBuffer* buffer = NewObject<StringBuffer>(1);
  Append(buffer, u"grown ");
  Append(dropped, u"garbage");
  Append(buffer, u"over several blocks");
  dropped->finalize();
  const char16_t* before = buffer->characters;
  ForceDataHeapCompaction();
  EXPECT_NE(buffer->characters, before);
  EXPECT_EQ(UnitsOf(buffer), u"grown over several blocks");
  Append(buffer, u"!");
  EXPECT_EQ(UnitsOf(buffer->toString()), u"grown over several blocks!");
}

}  // namespace
