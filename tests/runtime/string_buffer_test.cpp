#include "runtime/string_buffer.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>

#include "javame/boxed.h"
#include "runtime/array.h"
#include "runtime/instance_factory.h"
#include "runtime/string.h"
#include "tests/runtime/collector_fixture.h"
#include "tests/support/runtime_fixture.h"
#include "tests/support/string_text.h"

namespace {

using StringBufferTest = RuntimeTest;

void Append(StringBuffer* buffer, const std::u16string& units) {
  buffer->insertUnits(buffer->length(), units.data(), static_cast<int32_t>(units.size()));
}

StringBuffer* BufferOf(const char* text) {
  return NewObject<StringBuffer>(NewJavaString(text));
}

std::string TextOf(StringBuffer* buffer) {
  return TextOf(buffer->toString());
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

TEST_F(StringBufferTest, MadeFromAStringItHoldsTheTextWithRoomForOneMore) {
  const char* texts[] = {"", "short", "a text long enough to need a body of its own"};
  for (const char* text : texts) {
    StringBuffer* buffer = BufferOf(text);
    EXPECT_EQ(TextOf(buffer), text);
    EXPECT_EQ(buffer->capacity, static_cast<int32_t>(strlen(text)) + 1);
    EXPECT_EQ(buffer->characters[buffer->length()], 0);
  }
  TraceCapture trace;
  StringBuffer* empty = NewObject<StringBuffer>(static_cast<String*>(nullptr));
  EXPECT_EQ(empty->length(), 0);
  EXPECT_TRUE(trace.contains("NullPointer"));
}

TEST_F(StringBufferTest, DeleteRemovesTheRangeWithTheEndCutToTheLength) {
  struct Row {
    int32_t start;
    int32_t end;
    const char* expected;
    bool traced;  // a start outside the text
  };
  const Row rows[] = {
      {2, 100, "ab", false},  {1, 3, "ade", false},         {0, 5, "", false},
      {3, 3, "abcde", false}, {4, 2, "abcde", false},       {-1, 2, "cde", true},
      {7, 9, "abcde", true},  {INT_MIN, INT_MAX, "", true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.start << ".." << row.end);
    StringBuffer* buffer = BufferOf("abcde");
    TraceCapture trace;
    EXPECT_EQ(buffer->delete_(row.start, row.end), buffer);
    EXPECT_EQ(TextOf(buffer), row.expected);
    EXPECT_EQ(buffer->characters[buffer->length()], 0);
    EXPECT_EQ(trace.lines().size(), row.traced ? 1u : 0u);
  }
}

TEST_F(StringBufferTest, DeleteCharAtRemovesOneUnitInsideTheText) {
  struct Row {
    int32_t index;
    const char* expected;
  };
  const Row rows[] = {{0, "bcde"}, {2, "abde"}, {4, "abcd"}, {5, "abcde"}, {-1, "abcde"}};
  for (const Row& row : rows) {
    StringBuffer* buffer = BufferOf("abcde");
    TraceCapture trace;
    buffer->deleteCharAt(row.index);
    EXPECT_EQ(TextOf(buffer), row.expected);
    EXPECT_EQ(trace.lines().size(), strlen(row.expected) == 5 ? 1u : 0u);
  }
}

TEST_F(StringBufferTest, ReverseSwapsWholeUnits) {
  const std::u16string rows[] = {
      u"", u"a", u"ab", u"abc", std::u16string{0x0101, 0x0041}, u"\u00E9\u3042\uFFFFz"};
  for (const std::u16string& units : rows) {
    StringBuffer* buffer = NewObject<StringBuffer>(0);
    Append(buffer, units);
    EXPECT_EQ(buffer->reverse(), buffer);
    EXPECT_EQ(UnitsOf(buffer), std::u16string(units.rbegin(), units.rend()));
  }
}

// The value inserted at position 1 of "<>", and appended to "<>", reads as text.
template <class Value>
void ExpectWrittenAs(Value value, const std::string& text) {
  SCOPED_TRACE(text);
  StringBuffer* inserted = BufferOf("<>");
  EXPECT_EQ(inserted->insert(1, value), inserted);
  EXPECT_EQ(TextOf(inserted), "<" + text + ">");
  StringBuffer* appended = BufferOf("<>");
  EXPECT_EQ(appended->append(value), appended);
  EXPECT_EQ(TextOf(appended), "<>" + text);
}

TEST_F(StringBufferTest, InsertsAndAppendsWriteEachValueAsItsText) {
  String* text = NewJavaString("text");
  ExpectWrittenAs(text, "text");
  ExpectWrittenAs(static_cast<String*>(nullptr), "null");
  ExpectWrittenAs(static_cast<Object*>(text), "text");
  ExpectWrittenAs(static_cast<Object*>(nullptr), "null");
  ExpectWrittenAs(true, "true");
  ExpectWrittenAs(false, "false");
  ExpectWrittenAs(u'\u00E9', "\xE9");
  ExpectWrittenAs(int32_t{-12}, "-12");
  ExpectWrittenAs(int32_t{INT_MIN}, "-2147483648");
  ExpectWrittenAs(int64_t{0x100000005}, "5");  // the low 32 bits
  ExpectWrittenAs(int64_t{-1}, "-1");
  ExpectWrittenAs(1.5f, "1.500000");
  ExpectWrittenAs(-0.25, "-0.250000");
  StringBuffer* buffer = BufferOf("<>");
  buffer->insertCString(1, "abc");
  EXPECT_EQ(TextOf(buffer), "<abc>");
}

TEST_F(StringBufferTest, AnObjectIsInsertedAsItsToString) {
  java_lang_Integer* boxed = NewObject<java_lang_Integer>(7);
  StringBuffer* buffer = NewObject<StringBuffer>(0);
  buffer->append(static_cast<Object*>(boxed));
  EXPECT_EQ(UnitsOf(buffer), UnitsOf(boxed->toString()));
}

TEST_F(StringBufferTest, GetCharsCopiesARangeIntoACharArray) {
  StringBuffer* buffer = BufferOf("abcdef");
  CharArray* chars = NewCharArray(5);
  buffer->getChars(1, 4, chars, 2);
  EXPECT_EQ(std::u16string(chars->elements(), 5), std::u16string(u"\0\0bcd", 5));

  TraceCapture trace;
  buffer->getChars(4, 9, chars, 0);  // cut to the text
  EXPECT_EQ(std::u16string(chars->elements(), 5), std::u16string(u"efbcd", 5));
  buffer->getChars(0, 6, chars, 3);  // cut to the array
  EXPECT_EQ(std::u16string(chars->elements(), 5), std::u16string(u"efbab", 5));
  buffer->getChars(0, 1, nullptr, 0);
  EXPECT_EQ(trace.lines().size(), 4u);  // two ranges, then "NullPointer" and its trace
  EXPECT_TRUE(trace.contains("NullPointer"));
}

TEST_F(StringBufferTest, NegativeCapacityGivesAnEmptyBuffer) {
  TraceCapture trace;
  StringBuffer* buffer = NewObject<StringBuffer>(-5);
  EXPECT_EQ(buffer->capacity, 0);
  EXPECT_EQ(buffer->length(), 0);
  EXPECT_EQ(trace.lines(), (std::vector<std::string>{"StringBuffer: capacity -5 below 0"}));
}

// A buffer grown and edited step by step, with a forced compaction after every step and
// dropped blocks below it so that its block really moves, matches a model of its units.
TEST_F(StringBufferTest, EditsAcrossCompactionsKeepTheExactContents) {
  StringBuffer* buffer = NewObject<StringBuffer>(1);
  std::u16string model;
  String* body = NewJavaString("a string long enough for a body");
  const std::function<void()> steps[] = {
      [&] { buffer->append(int32_t{12345}), model += u"12345"; },
      [&] { buffer->insert(0, body), model.insert(0, u"a string long enough for a body"); },
      [&] { buffer->append(u'\u3042'), model += u'\u3042'; },
      [&] { buffer->delete_(2, 9), model.erase(2, 7); },
      [&] { buffer->insert(3, 2.5), model.insert(3, u"2.500000"); },
      [&] { buffer->reverse(), model.assign(model.rbegin(), model.rend()); },
      [&] { buffer->deleteCharAt(0), model.erase(0, 1); },
      [&] { buffer->setLength(10), model.resize(10); },
      [&] { buffer->append(static_cast<Object*>(buffer)), model += model; },
      [&] { buffer->insertCString(5, "<C>"), model.insert(5, u"<C>"); },
  };
  int moves = 0;
  for (const auto& step : steps) {
    StringBuffer* dropped = NewObject<StringBuffer>(64);
    step();
    dropped->finalize();  // a hole below the blocks allocated after it
    const char16_t* before = buffer->characters;
    ForceDataHeapCompaction();
    moves += buffer->characters != before;
    ASSERT_EQ(UnitsOf(buffer), model);
  }
  EXPECT_GT(moves, 0);
  EXPECT_EQ(UnitsOf(buffer->toString()), model);
}

// Growing may compact the data heap and move the body of the string being inserted; the
// inserted units are still that string's.
class SmallHeapStringBufferTest : public CollectorFixture {
 protected:
  SmallHeapStringBufferTest() : CollectorFixture(256 * 1024, 64 * 1024) {}
};

TEST_F(SmallHeapStringBufferTest, InsertingAStringWhoseBodyMovesWhileGrowingCopiesItsUnits) {
  std::u16string full(5000, u'.');
  std::u16string units;
  for (int32_t i = 0; i < 1000; i++) units += static_cast<char16_t>(u'A' + i % 26);
  // The data heap: the buffer's 10002 bytes, a hole of 10000, the text's 2002, a hole of
  // 10000, 20000 kept, some 13400 free. Growing to 10002 units needs 20004 bytes: only the
  // holes around the text can make them, once the text has moved away.
  StringBuffer* volatile buffer = NewObject<StringBuffer>(5001);
  Append(buffer, full);
  ByteArray* volatile below = NewByteArray(10000);
  String* volatile text = NewObject<String>();
  text->initFromUnits(units.data(), 0, static_cast<int32_t>(units.size()));
  ByteArray* volatile above = NewByteArray(10000);
  ByteArray* volatile kept = NewByteArray(20000);
  below->finalize();
  above->finalize();
  const char16_t* before = text->characters;

  buffer->insert(0, static_cast<String*>(text));

  EXPECT_NE(text->characters, before);  // the growth compacted the heap under the source
  EXPECT_TRUE(application_.dataHeap->Contains(buffer->characters));
  EXPECT_EQ(UnitsOf(buffer), units + full);
  EXPECT_EQ(kept->length, 20000);
  EXPECT_EQ(application_.dataHeap->checkConsistency(), nullptr);
}

}  // namespace
