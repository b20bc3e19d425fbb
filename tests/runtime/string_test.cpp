#include "runtime/string.h"

#include <gtest/gtest.h>

#include <climits>

#include "runtime/array.h"
#include "runtime/string_buffer.h"
#include "tests/support/runtime_fixture.h"
#include "tests/support/string_text.h"

namespace {

using StringTest = RuntimeTest;

String* S(const char* text) {
  return NewJavaString(text);
}

String* Wide(const char16_t* text) {
  String* string = NewObject<String>();
  MakeStringFromWide(string, text);
  return string;
}

// ---- Storage and construction ----------------------------------------------------------------

TEST_F(StringTest, FourteenUnitsStayInlineAndFifteenTakeABody) {
  String* fourteen = S("abcdefghijklmn");
  EXPECT_EQ(fourteen->length(), 14);
  EXPECT_EQ(fourteen->count, 15);
  EXPECT_EQ(fourteen->characters, fourteen->inlineChars);

  String* fifteen = S("abcdefghijklmno");
  EXPECT_EQ(fifteen->count, 16);
  EXPECT_NE(fifteen->characters, fifteen->inlineChars);
  EXPECT_EQ(fifteen->characters[15], 0);
  EXPECT_EQ(TextOf(fifteen), "abcdefghijklmno");

  String* empty = NewObject<String>();
  EXPECT_EQ(empty->count, 1);
  EXPECT_EQ(empty->characters[0], 0);
}

TEST_F(StringTest, RefillingAStringGivesBackItsOldBody) {
  String* string = S("a text long enough for a body");
  MakeStringFromChars(string, "another text that needs a body");
  EXPECT_EQ(TextOf(string), "another text that needs a body");
  MakeStringFromChars(string, "short");
  EXPECT_EQ(string->characters, string->inlineChars);
  EXPECT_EQ(TextOf(string), "short");
  string->finalize();
  EXPECT_EQ(string->characters, nullptr);
}

TEST_F(StringTest, ConstructorsCopyTheirSource) {
  String* original = S("abc");
  String* copy = NewObject<String>(original);
  EXPECT_NE(copy->characters, copy->inlineChars);  // a copy always takes a body
  EXPECT_TRUE(copy->equals(original));
  EXPECT_EQ(copy->characters[3], 0);

  CharArray* chars = FillCharArray(NewCharArray(5), 5, 'h', 'e', 'l', 'l', 'o');
  EXPECT_EQ(TextOf(NewObject<String>(chars)), "hello");
  EXPECT_EQ(TextOf(NewObject<String>(chars, 1, 3)), "ell");
  EXPECT_EQ(UnitsOf(Wide(u"\u20ACuro")), u"\u20ACuro");

  String* units = NewObject<String>();
  const char16_t raw[] = u"xyz\u00E9";
  units->initFromUnits(raw, 1, 3);
  EXPECT_EQ(UnitsOf(units), u"yz\u00E9");

  StringBuffer* buffer = NewObject<StringBuffer>(4);
  for (char16_t unit : std::u16string(u"buffered text, over 14")) buffer->append(unit);
  EXPECT_EQ(UnitsOf(NewObject<String>(buffer)), u"buffered text, over 14");
  EXPECT_EQ(UnitsOf(buffer->toString()), u"buffered text, over 14");
}

TEST_F(StringTest, ConstructorsFromNothingGiveTheEmptyString) {
  TraceCapture trace;
  EXPECT_EQ(NewObject<String>(static_cast<String*>(nullptr))->length(), 0);
  EXPECT_EQ(NewObject<String>(static_cast<CharArray*>(nullptr))->length(), 0);
  EXPECT_EQ(NewObject<String>(static_cast<StringBuffer*>(nullptr))->length(), 0);
  EXPECT_EQ(std::count(trace.lines().begin(), trace.lines().end(), "NullPointer"), 3);

  trace.clear();
  CharArray* chars = FillCharArray(NewCharArray(3), 3, 'a', 'b', 'c');
  EXPECT_EQ(TextOf(NewObject<String>(chars, 1, 10)), "bc");
  EXPECT_EQ(TextOf(NewObject<String>(chars, -2, 3)), "a");
  EXPECT_EQ(TextOf(NewObject<String>(chars, 2, -1)), "");
  EXPECT_EQ(TextOf(NewObject<String>(chars, INT_MAX, INT_MAX)), "");
  EXPECT_EQ(trace.lines().size(), 4u);
  EXPECT_EQ(trace.lines()[0], "String(char[],int,int): range 1..11 out of range (length 3)");
}

// ---- Comparisons -----------------------------------------------------------------------------

TEST_F(StringTest, HashCodeIsThirtyOneTimesJavas) {
  struct Row {
    const char* text;
    int32_t hash;
  };
  const Row rows[] = {
      {"", 0},
      {"a", 3007},
      {"ab", 31 * 3105},
      {"hello", static_cast<int32_t>(31u * 99162322u)},
  };
  for (const Row& row : rows) EXPECT_EQ(S(row.text)->hashCode(), row.hash) << row.text;
}

TEST_F(StringTest, CompareToCountsTheTerminator) {
  struct Row {
    const char* a;
    const char* b;
    int32_t result;
  };
  const Row rows[] = {
      {"abc", "abd", -1}, {"ab", "abc", -99}, {"abc", "ab", 99}, {"abc", "abc", 0},
      {"", "", 0},        {"", "a", -97},     {"b", "a", 1},     {"B", "a", 'B' - 'a'},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(S(row.a)->compareTo(S(row.b)), row.result) << row.a << " vs " << row.b;
    EXPECT_EQ(S(row.a)->equals(S(row.b)), row.result == 0) << row.a << " vs " << row.b;
  }
  String* a = S("a");
  EXPECT_TRUE(a->equals(a));
  EXPECT_FALSE(a->equals(nullptr));
  EXPECT_FALSE(a->equals(NewCharArray(1)));
}

TEST_F(StringTest, EqualsIgnoreCaseNeedsEqualLengths) {
  struct Row {
    const char* a;
    const char* b;
    bool equal;
  };
  const Row rows[] = {
      {"Hello", "hELLO", true}, {"", "", true},   {"ab", "ABC", false}, {"abc", "ab", false},
      {"a1[", "A1{", false},    {"", "a", false}, {"Z@", "z@", true},
  };
  for (const Row& row : rows)
    EXPECT_EQ(S(row.a)->equalsIgnoreCase(S(row.b)), row.equal) << row.a << " vs " << row.b;
  EXPECT_FALSE(S("a")->equalsIgnoreCase(nullptr));
}

TEST_F(StringTest, CharComparisonsAreThePrefixTestsEncodingNamesRelyOn) {
  struct Row {
    const char* string;
    const char* text;
    bool exact;
    bool ignoringCase;
  };
  const Row rows[] = {
      {"", "UTF-8", true, true},         {"UTF", "UTF-8", true, true},
      {"UTF-8", "UTF-8", true, true},    {"utf-8", "UTF-8", false, true},
      {"UTF-8X", "UTF-8", false, false}, {"UTF-9", "UTF-8", false, false},
      {"a", "", false, false},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(S(row.string)->equalsChars(row.text), row.exact) << row.string;
    EXPECT_EQ(S(row.string)->equalsIgnoreCaseChars(row.text), row.ignoringCase) << row.string;
  }
  EXPECT_EQ(Wide(u"\u0141")->equalsChars("A"), false);  // 0x141 does not match 0x41
}

TEST_F(StringTest, RegionMatches) {
  struct Row {
    bool ignoreCase;
    int32_t offset;
    const char* other;
    int32_t otherOffset;
    int32_t length;
    bool matches;
  };
  // Against "Hello World".
  const Row rows[] = {
      {false, 6, "World", 0, 5, true},  {false, 6, "world", 0, 5, false},
      {true, 6, "wORLD", 0, 5, true},   {false, 0, "xHel", 1, 3, true},
      {false, 6, "World", 0, 6, true},  // the terminators match too
      {false, 6, "World", 0, 7, false}, {false, 10, "d", 0, 2, true},
      {false, 0, "x", 0, 0, true},      {false, 0, "x", 0, -3, true},
      {false, 12, "", 0, 0, true},
  };
  String* hello = S("Hello World");
  for (const Row& row : rows) {
    EXPECT_EQ(
        hello->regionMatches(row.ignoreCase, row.offset, S(row.other), row.otherOffset, row.length),
        row.matches)
        << row.offset << " " << row.other;
  }
  TraceCapture trace;
  EXPECT_FALSE(hello->regionMatches(false, -1, S("H"), 0, 1));
  EXPECT_FALSE(hello->regionMatches(false, 0, S("H"), -1, 1));
  EXPECT_FALSE(hello->regionMatches(false, 13, S("H"), 0, 0));
  EXPECT_FALSE(hello->regionMatches(false, 0, S("H"), INT_MAX, 1));
  EXPECT_EQ(trace.lines().size(), 4u);
}

TEST_F(StringTest, StartsWithAndEndsWith) {
  struct Row {
    const char* prefix;
    int32_t offset;
    bool starts;
  };
  // Against "abc".
  const Row rows[] = {
      {"ab", 0, true},  {"bc", 1, true},       {"", 3, true},     {"", 0, true},
      {"c", 3, false},  {"bc", 2, false},      {"abc", 1, false}, {"abcd", 0, false},
      {"a", -1, false}, {"a", INT_MAX, false},
  };
  String* abc = S("abc");
  for (const Row& row : rows)
    EXPECT_EQ(abc->startsWith(S(row.prefix), row.offset), row.starts) << row.prefix << row.offset;
  EXPECT_TRUE(abc->startsWith(S("a")));
  EXPECT_FALSE(abc->startsWith(nullptr));
  EXPECT_TRUE(abc->endsWith(S("bc")));
  EXPECT_TRUE(abc->endsWith(S("")));
  EXPECT_FALSE(abc->endsWith(S("ab")));
  EXPECT_FALSE(abc->endsWith(S("xabc")));
  EXPECT_FALSE(abc->endsWith(nullptr));
}

// ---- Searches --------------------------------------------------------------------------------

TEST_F(StringTest, UnitSearches) {
  String* text = S("abcabc");
  struct Row {
    int32_t unit;
    int32_t from;
    int32_t first;
    int32_t last;
  };
  const Row rows[] =
      {
          {'b', 0, 1, -1},  {'b', 2, 4, 1},       {'b', 5, -1, 4},
          {'b', 99, -1, 4}, {'z', 0, -1, -1},     {'a', 6, -1, 3},
          {0, 0, -1, -1},   {0, 6, -1, 6},  // the terminator's index is searched downwards
          {'a', -5, 0, -1}, {0x10061, 0, -1, -1},
      };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.unit);
    SCOPED_TRACE(row.from);
    EXPECT_EQ(text->indexOf(row.unit, row.from), row.first);
    EXPECT_EQ(text->lastIndexOf(row.unit, row.from), row.last);
  }
  EXPECT_EQ(text->lastIndexOf('c'), 5);
  EXPECT_EQ(text->lastIndexOf(0), -1);
}

TEST_F(StringTest, NegativeStartIsReportedAndTakenAsZero) {
  TraceCapture trace;
  EXPECT_EQ(S("abc")->indexOf('a', -1), 0);
  EXPECT_EQ(S("abc")->indexOf(S("bc"), INT_MIN), 1);
  EXPECT_EQ(trace.lines(),
            (std::vector<std::string>{"String::indexOf: start -1 below 0",
                                      "String::indexOf: start -2147483648 below 0"}));
}

TEST_F(StringTest, TextSearches) {
  String* text = S("one two one two");
  struct Row {
    const char* needle;
    int32_t from;
    int32_t found;
  };
  const Row rows[] = {
      {"two", 0, 4}, {"two", 5, 12}, {"two", 13, -1}, {"t", 5, 12},
      {"", 3, 3},    {"", 15, 15},   {"", 99, 15},    {"one two one two!", 0, -1},
      {"e t", 0, 2},
  };
  for (const Row& row : rows)
    EXPECT_EQ(text->indexOf(S(row.needle), row.from), row.found) << row.needle << row.from;
  EXPECT_EQ(text->indexOf(S("one")), 0);
  TraceCapture trace;
  EXPECT_EQ(text->indexOf(nullptr), -1);
  EXPECT_TRUE(trace.contains("NullPointer"));
}

TEST_F(StringTest, CharAtOutsideTheTextReadsZero) {
  String* text = S("ab");
  TraceCapture trace;
  EXPECT_EQ(text->charAt(1), u'b');
  EXPECT_EQ(text->charAt(2), 0);
  EXPECT_EQ(text->charAt(-1), 0);
  EXPECT_EQ(trace.lines().size(), 2u);
}

// ---- Copies out ------------------------------------------------------------------------------

TEST_F(StringTest, GetCharsCopiesAndClampsItsRanges) {
  String* text = S("abcdef");
  struct Row {
    int32_t begin;
    int32_t end;
    int32_t destinationBegin;
    std::u16string expected;  // the four-unit destination afterwards, from "...."
    bool traced;
  };
  const Row rows[] = {
      {1, 4, 0, u"bcd.", false}, {0, 2, 2, u"..ab", false}, {0, 0, 4, u"....", false},
      {4, 99, 0, u"ef..", true}, {-3, 1, 3, u"...a", true}, {0, 6, 1, u".abc", true},
      {3, 1, 0, u"....", true},  {0, 2, -1, u"....", true}, {0, 2, 5, u"....", true},
  };
  CharArray* before = NewCharArray(4);
  CharArray* destination = NewCharArray(4);
  CharArray* after = NewCharArray(4);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.begin);
    std::fill_n(destination->elements(), 4, u'.');
    TraceCapture trace;
    text->getChars(row.begin, row.end, destination, row.destinationBegin);
    EXPECT_EQ(std::u16string(destination->elements(), 4), row.expected);
    EXPECT_EQ(!trace.lines().empty(), row.traced);
  }
  EXPECT_EQ(std::u16string(before->elements(), 4), std::u16string(4, 0));
  EXPECT_EQ(std::u16string(after->elements(), 4), std::u16string(4, 0));
  TraceCapture trace;
  text->getChars(0, 1, nullptr, 0);
  EXPECT_TRUE(trace.contains("NullPointer"));
}

TEST_F(StringTest, ToCharArrayHoldsTheUnits) {
  CharArray* chars = S("a longer text than fourteen")->toCharArray();
  EXPECT_EQ(chars->classId, cid::CharArray);
  EXPECT_EQ(std::u16string(chars->elements(), chars->length), u"a longer text than fourteen");
  EXPECT_EQ(S("")->toCharArray()->length, 0);
}

// ---- Derived strings -------------------------------------------------------------------------

TEST_F(StringTest, SubstringsAndTrims) {
  String* text = S("  Hello, World \t\n");
  struct Row {
    String* result;
    const char* expected;
  };
  const Row rows[] = {
      {text->substring(2, 7), "Hello"},
      {text->substring(9), "World \t\n"},
      {text->substring(0, 0), ""},
      {text->trim(), "Hello, World"},
      {S("   ")->trim(), ""},
      {S("")->trim(), ""},
      {S("x")->trim(), "x"},
      {S("a\x01 b\x7f")->trim(), "a\x01 b\x7f"},
      {S("ab")->concat(S("cd")), "abcd"},
      {S("fourteen chars")->concat(S(" and more")), "fourteen chars and more"},
      {S("Mixed Case 1!")->toLowerCase(), "mixed case 1!"},
      {S("Mixed Case 1!")->toUpperCase(), "MIXED CASE 1!"},
      {S("a.b.c")->replace(u'.', u'_'), "a_b_c"},
  };
  for (const Row& row : rows) EXPECT_EQ(TextOf(row.result), row.expected);
  EXPECT_EQ(UnitsOf(Wide(u"\u00C9a")->toLowerCase()), u"\u00C9a");  // only A-Z change
}

TEST_F(StringTest, DerivedStringsAreNewExceptWhereTheSameTextIsKept) {
  String* text = S("abc");
  String* trimmed = text->trim();
  EXPECT_NE(trimmed, text);
  EXPECT_TRUE(trimmed->equals(text));
  EXPECT_NE(text->substring(0), text);
  EXPECT_EQ(text->concat(S("")), text);
  EXPECT_EQ(text->replace(u'x', u'y'), text);
  EXPECT_EQ(text->replace(u'a', u'a'), text);
}

TEST_F(StringTest, SubstringOutsideTheTextIsClamped) {
  String* text = S("abcdef");
  struct Row {
    int32_t begin;
    int32_t end;
    const char* expected;
  };
  const Row rows[] = {
      {-2, 3, "abc"}, {4, 99, "ef"}, {4, 2, ""}, {7, 9, ""}, {INT_MIN, INT_MAX, "abcdef"}};
  for (const Row& row : rows) {
    TraceCapture trace;
    EXPECT_EQ(TextOf(text->substring(row.begin, row.end)), row.expected);
    EXPECT_EQ(trace.lines().size(), 1u);
  }
}

TEST_F(StringTest, ValueOfEveryType) {
  struct Row {
    String* result;
    const char* expected;
  };
  const Row rows[] = {
      {String::valueOf(static_cast<Object*>(nullptr)), "null"},
      {String::valueOf(true), "true"},
      {String::valueOf(false), "false"},
      {String::valueOf(u'x'), "x"},
      {String::valueOf(int32_t{-42}), "-42"},
      {String::valueOf(int32_t{INT_MIN}), "-2147483648"},
      {String::valueOf(int64_t{0x100000005}), "5"},
      {String::valueOf(int64_t{-1}), "-1"},
      {String::valueOf(1.5f), "1.500000"},
      {String::valueOf(-0.25), "-0.250000"},
  };
  for (const Row& row : rows) EXPECT_EQ(TextOf(row.result), row.expected);
  String* text = S("self");
  EXPECT_EQ(String::valueOf(static_cast<Object*>(text)), text);
  // The widest "%f": 309 digits, a sign and six decimals.
  std::string widest = TextOf(String::valueOf(-1.7976931348623157e308));
  EXPECT_EQ(widest.size(), 317u);
  EXPECT_EQ(widest.substr(widest.size() - 7), ".000000");
}

TEST_F(StringTest, StringToCStringKeepsEachUnitsLowByte) {
  struct Row {
    std::u16string units;
    std::string bytes;
  };
  const Row rows[] = {
      {u"", ""},
      {u"12ab", "12ab"},
      {u"\u00E9\u0141\u3042", "\xE9\x41\x42"},
      {std::u16string(u"a\0b", 3), std::string("a\0b", 3)},
      {u"a text long enough to live in a body block", "a text long enough to live in a body block"},
  };
  for (const Row& row : rows) {
    String* string = NewObject<String>();
    string->initFromUnits(row.units.data(), 0, static_cast<int32_t>(row.units.size()));
    EXPECT_EQ(StringToCString(string), row.bytes);
  }
  TraceCapture trace;
  EXPECT_EQ(StringToCString(nullptr), "");
  EXPECT_TRUE(trace.contains("NullPointer"));
}

// ---- Compaction ------------------------------------------------------------------------------

TEST_F(StringTest, StringsKeepTheirExactContentsThroughACompaction) {
  constexpr int kCount = 8;
  String* kept[kCount] = {};
  String* dropped[kCount] = {};
  char text[64];
  for (int i = 0; i < kCount; i++) {
    snprintf(text, sizeof text, "dropped text number %d, long enough for a body", i);
    dropped[i] = S(text);
    snprintf(text, sizeof text, i % 2 ? "kept %d" : "kept text number %d, also long enough", i);
    kept[i] = S(text);
  }
  const std::u16string units(u"\u0000\u20AC\uFFFF and more units than fourteen", 32);
  String* wide = NewObject<String>();
  wide->initFromUnits(units.data(), 0, static_cast<int32_t>(units.size()));
  StringBuffer* buffer = NewObject<StringBuffer>(0);
  for (char16_t unit : std::u16string(u"buffered units \u00E9\u3042")) buffer->append(unit);
  for (String* string : dropped) string->finalize();
  const char16_t* bodies[] = {kept[0]->characters, wide->characters, buffer->characters};

  ForceDataHeapCompaction();

  EXPECT_TRUE(kept[0]->characters != bodies[0] || wide->characters != bodies[1] ||
              buffer->characters != bodies[2]);  // the compaction did move bodies

  for (int i = 0; i < kCount; i++) {
    snprintf(text, sizeof text, i % 2 ? "kept %d" : "kept text number %d, also long enough", i);
    EXPECT_EQ(TextOf(kept[i]), text);
    EXPECT_EQ(kept[i]->characters[kept[i]->length()], 0);
  }
  EXPECT_EQ(UnitsOf(wide), units);
  EXPECT_EQ(UnitsOf(buffer), u"buffered units \u00E9\u3042");
}

}  // namespace
