#include <gtest/gtest.h>

#include <atomic>
#include <climits>
#include <thread>
#include <vector>

#include "runtime/array.h"
#include "runtime/string.h"
#include "runtime/string_buffer.h"
#include "tests/support/runtime_fixture.h"
#include "tests/support/string_text.h"

namespace {

using StringEncodingTest = RuntimeTest;

ByteArray* Bytes(const std::vector<uint8_t>& values) {
  ByteArray* array = NewByteArray(static_cast<int32_t>(values.size()));
  for (size_t i = 0; i < values.size(); i++) array->elements()[i] = static_cast<int8_t>(values[i]);
  return array;
}

std::vector<uint8_t> Values(ByteArray* array) {
  if (!array) return {};
  auto* bytes = reinterpret_cast<const uint8_t*>(array->elements());
  return std::vector<uint8_t>(bytes, bytes + array->length);
}

String* Units(const std::u16string& units) {
  String* string = NewObject<String>();
  string->initFromUnits(units.data(), 0, static_cast<int32_t>(units.size()));
  return string;
}

String* Decode(const std::vector<uint8_t>& bytes, const char* encoding) {
  return NewObject<String>(Bytes(bytes), encoding ? NewJavaString(encoding) : nullptr);
}

// ---- Strings to bytes --------------------------------------------------------------------------

TEST_F(StringEncodingTest, PlainGetBytesKeepsTheLowEightBits) {
  EXPECT_EQ(Values(Units(u"A\u00E9\u20AC")->getBytes()), (std::vector<uint8_t>{0x41, 0xE9, 0xAC}));
  EXPECT_EQ(Units(u"")->getBytes()->length, 0);
}

TEST_F(StringEncodingTest, GetBytesByEncodingName) {
  struct Row {
    const char* name;
    bool encodes;
  };
  const Row rows[] = {
      {"UTF-8", true}, {"utf-8", true},       {"UTF8", true},  {"uTf8", true},    {"UTF", true},
      {"", true},      {"ISO-8859-1", false}, {"SJIS", false}, {"UTF-16", false},
  };
  String* text = Units(u"\u00E9");
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TraceCapture trace;
    ByteArray* bytes = text->getBytes(NewJavaString(row.name));
    EXPECT_EQ(bytes != nullptr, row.encodes);
    if (bytes) {
      EXPECT_EQ(Values(bytes), (std::vector<uint8_t>{0xC3, 0xA9}));
    } else {
      EXPECT_EQ(trace.lines().size(), 1u);
    }
  }
  TraceCapture trace;
  EXPECT_EQ(text->getBytes(static_cast<String*>(nullptr)), nullptr);
  EXPECT_TRUE(trace.contains("NullPointer"));
}

TEST_F(StringEncodingTest, Utf8RoundTripsEveryUnitSize) {
  struct Row {
    std::u16string units;
    std::vector<uint8_t> bytes;
  };
  const Row rows[] = {
      {u"", {}},
      {u"Az~\u007F", {0x41, 0x7A, 0x7E, 0x7F}},
      {std::u16string(1, u'\0'), {0xC0, 0x80}},
      {u"\u0080\u07FF", {0xC2, 0x80, 0xDF, 0xBF}},
      {u"\u0800\u20AC\uFFFF", {0xE0, 0xA0, 0x80, 0xE2, 0x82, 0xAC, 0xEF, 0xBF, 0xBF}},
      {std::u16string(u"a\0\u00E9\u3042", 4), {0x61, 0xC0, 0x80, 0xC3, 0xA9, 0xE3, 0x81, 0x82}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.bytes.size());
    ByteArray* bytes = Units(row.units)->getBytes(NewJavaString("UTF-8"));
    EXPECT_EQ(Values(bytes), row.bytes);
    EXPECT_EQ(UnitsOf(NewObject<String>(bytes, NewJavaString("UTF-8"))), row.units);
  }
}

// ---- Bytes to strings --------------------------------------------------------------------------

TEST_F(StringEncodingTest, DecoderIsChosenByName) {
  const std::vector<uint8_t> bytes = {0x41, 0xC3, 0xA9, 0x82, 0xA0};
  struct Row {
    const char* name;  // null: no encoding given
    std::u16string units;
  };
  const Row rows[] = {
      {nullptr, u"A\u00C3\u00A9\u0082\u00A0"},
      {"ISO-8859-1", u"A\u00C3\u00A9\u0082\u00A0"},
      {"ISO", u"A\u00C3\u00A9\u0082\u00A0"},
      {"UTF-8", u"A\u00E9"},  // 82 A0 starts nothing and is skipped
      {"utf8", u"A\u00E9"},
      {"", u"A\u00E9"},  // an empty name matches the first name tried
      {"SJIS", u"A\u00C3\u00A9\u82A0"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name ? row.name : "null");
    EXPECT_EQ(UnitsOf(Decode(bytes, row.name)), row.units);
  }
  EXPECT_EQ(UnitsOf(NewObject<String>(Bytes(bytes))), u"A\u00C3\u00A9\u0082\u00A0");
  EXPECT_EQ(UnitsOf(NewObject<String>(Bytes(bytes), 1, 2)), u"\u00C3\u00A9");
  EXPECT_EQ(UnitsOf(NewObject<String>(Bytes(bytes), 1, 2, NewJavaString("UTF-8"))), u"\u00E9");
}

TEST_F(StringEncodingTest, UnknownEncodingGivesTheEmptyString) {
  for (const char* name : {"sjis", "KOI8-R", "UTF-16"}) {
    SCOPED_TRACE(name);
    TraceCapture trace;
    String* text = Decode({0x41, 0x42}, name);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->length(), 0);
    EXPECT_EQ(text->count, 1);
    EXPECT_EQ(text->characters[0], 0);
    EXPECT_EQ(trace.lines(), (std::vector<std::string>{std::string("String: unknown encoding \"") +
                                                       name + "\", the text is left empty"}));
  }
}

TEST_F(StringEncodingTest, MalformedInputEndsWithTheUnitsThatCouldBeRead) {
  struct Row {
    const char* name;
    const char* encoding;
    std::vector<uint8_t> bytes;
    std::u16string units;
    const char* trace;  // null: no trace line
  };
  const Row rows[] = {
      {"lone continuation", "UTF-8", {0x80}, u"", "String: 1 malformed UTF-8 byte(s) skipped"},
      {"F8 lead", "UTF-8", {0xF8}, u"", "String: 1 malformed UTF-8 byte(s) skipped"},
      {"four-byte lead",
       "UTF-8",
       {0x41, 0xF0, 0x9F, 0x98, 0x80, 0x42},
       u"AB",
       "String: 4 malformed UTF-8 byte(s) skipped"},
      {"truncated three-byte",
       "UTF-8",
       {0x61, 0xE2, 0x82},
       u"a",
       "String: 2 malformed UTF-8 byte(s) skipped"},
      {"truncated two-byte", "UTF-8", {0xC3}, u"", "String: 1 malformed UTF-8 byte(s) skipped"},
      {"skipped between",
       "UTF-8",
       {0x41, 0xBF, 0xFF, 0x42},
       u"AB",
       "String: 2 malformed UTF-8 byte(s) skipped"},
      // A continuation byte is taken as it comes: the second C3 completes the first.
      {"lead before lead",
       "UTF-8",
       {0xC3, 0xC3, 0xA9},
       u"\u00C3",
       "String: 1 malformed UTF-8 byte(s) skipped"},
      {"trailing SJIS lead", "SJIS", {0x81}, u"", "String: 1 malformed SJIS byte(s) skipped"},
      {"SJIS lead after text",
       "SJIS",
       {0x41, 0xA5, 0xE0},
       u"A\u00A5",
       "String: 1 malformed SJIS byte(s) skipped"},
      {"SJIS pairs",
       "SJIS",
       {0x9F, 0x00, 0xE0, 0xFF, 0xA0, 0xDF},
       u"\u9F00\uE0FF\u00A0\u00DF",
       nullptr},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TraceCapture trace;
    EXPECT_EQ(UnitsOf(Decode(row.bytes, row.encoding)), row.units);
    std::vector<std::string> expected;
    if (row.trace) expected.push_back(row.trace);
    EXPECT_EQ(trace.lines(), expected);
  }
}

TEST_F(StringEncodingTest, ByteRangesOutsideTheArrayAreClamped) {
  ByteArray* before = Bytes({1, 2, 3, 4});
  ByteArray* bytes = Bytes({0x61, 0x62, 0x63});
  ByteArray* after = Bytes({5, 6, 7, 8});
  struct Row {
    int32_t offset;
    int32_t length;
    const char* encoding;
    std::u16string units;
  };
  const Row rows[] = {
      {1, 9, nullptr, u"bc"}, {-1, 2, nullptr, u"a"},   {2, -5, nullptr, u""},
      {1, 9, "UTF-8", u"bc"}, {-9, 99, "SJIS", u"abc"}, {INT_MAX, INT_MAX, "UTF-8", u""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.offset);
    TraceCapture trace;
    String* text = NewObject<String>(bytes, row.offset, row.length,
                                     row.encoding ? NewJavaString(row.encoding) : nullptr);
    EXPECT_EQ(UnitsOf(text), row.units);
    EXPECT_EQ(trace.lines().size(), 1u);
  }
  EXPECT_EQ(Values(before), (std::vector<uint8_t>{1, 2, 3, 4}));
  EXPECT_EQ(Values(after), (std::vector<uint8_t>{5, 6, 7, 8}));
  TraceCapture trace;
  EXPECT_EQ(NewObject<String>(static_cast<ByteArray*>(nullptr), NewJavaString("UTF-8"))->length(),
            0);
  EXPECT_TRUE(trace.contains("NullPointer"));
}

// ---- The shared decoding buffer
// ------------------------------------------------------------------

TEST_F(StringEncodingTest, DecodersShareTheApplicationsBuffer) {
  EXPECT_EQ(GetApplication()->sharedStringBuffer, nullptr);
  Decode({0x41}, "UTF-8");
  StringBuffer* shared = GetApplication()->sharedStringBuffer;
  ASSERT_NE(shared, nullptr);
  EXPECT_EQ(shared->classId, cid::StringBuffer);
  EXPECT_EQ(shared->capacity, 256);

  // A text longer than the buffer grows it; the next, shorter text is not mixed with it.
  std::vector<uint8_t> longText(1000, 'x');
  EXPECT_EQ(UnitsOf(Decode(longText, "SJIS")), std::u16string(1000, u'x'));
  EXPECT_EQ(GetApplication()->sharedStringBuffer, shared);
  EXPECT_EQ(UnitsOf(Decode({0x79}, "UTF-8")), u"y");
}

// Two threads decoding at once each get their own text: one takes the shared buffer, the
// other a buffer of its own while the shared one is taken.
TEST_F(StringEncodingTest, TwoThreadsDecodingAtOnceEachGetTheirOwnText) {
  Decode({0x41}, "UTF-8");  // the shared buffer exists before the threads start
  std::atomic<int> wrong{0};
  std::atomic<int> ready{0};
  auto decodeMany = [&](uint8_t letter, size_t size) {
    std::vector<uint8_t> bytes(size, letter);
    std::u16string expected(size, letter);
    ready++;
    while (ready.load() < 2) std::this_thread::yield();
    for (int i = 0; i < 2000; i++) {
      if (UnitsOf(Decode(bytes, "UTF-8")) != expected) wrong++;
    }
  };
  std::thread a(decodeMany, 'a', 300);
  std::thread b(decodeMany, 'b', 700);
  a.join();
  b.join();
  EXPECT_EQ(wrong.load(), 0);
}

}  // namespace
