// cGame::decodeUtf8 and cGame::formatNumber over the builder's string constants (separators
// ",", "." and " "; padding "00" and "0").
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/cgame.h"
#include "runtime/array.h"
#include "runtime/constant_pool.h"
#include "tests/support/library_fixture.h"
#include "tests/support/managed_bytes.h"
#include "tests/support/runtime_fixture.h"

namespace {

using TextFormatTest = LibraryTest;

TEST_F(TextFormatTest, Utf8DecodesOneToThreeByteCharactersAndRefusesTheRest) {
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
    std::u16string text;  // u"\uFFFF" stands for string constant 46 itself
  };
  const Case kCases[] = {
      {"ASCII", {'a', 'b'}, u"ab"},
      {"two bytes", {0xC3, 0xA9}, u"\u00E9"},
      {"three bytes", {0xE2, 0x82, 0xAC}, u"\u20AC"},
      {"0xF0 lead as three bytes", {0xF1, 0x82, 0xAC}, u"\u10AC"},
      {"zero byte", {'a', 0, 'b'}, std::u16string(u"a\0b", 3)},
      {"lone continuation", {0x80}, u"\uFFFF"},
      {"cut two-byte", {'a', 0xC3}, u"\uFFFF"},
      {"a three-byte lead without room is read as a two-byte one", {0xE2, 0x82}, u"\u0082"},
      {"cut lead", {'a', 0xE2}, u"\uFFFF"},
      {"bad continuation", {0xC3, 0x41}, u"\uFFFF"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    String* text =
        cGame::decodeUtf8(ManagedBytes(c.bytes), 0, static_cast<int32_t>(c.bytes.size()));
    if (c.text == u"\uFFFF") {
      EXPECT_EQ(text, GetConstantString(46));
    } else {
      EXPECT_EQ(UnitsOf(text), c.text);
    }
  }
  // Only the range given is read: a sequence cut by it is malformed.
  ByteArray* euro = ManagedBytes({'x', 0xE2, 0x82, 0xAC, 'y'});
  EXPECT_EQ(UnitsOf(cGame::decodeUtf8(euro, 1, 3)), u"\u20AC");
  EXPECT_EQ(cGame::decodeUtf8(euro, 1, 1), GetConstantString(46));
  String* empty = cGame::decodeUtf8(euro, 0, 0);
  EXPECT_EQ(UnitsOf(empty), u"");
  TraceCapture trace;
  EXPECT_EQ(cGame::decodeUtf8(euro, 3, 5), GetConstantString(46));
  EXPECT_EQ(trace.lines().size(), 1u);
}

TEST_F(TextFormatTest, NumbersAreGroupedByKind) {
  struct Case {
    int32_t n;
    std::vector<int32_t> kinds;
    const char* text;
  };
  const Case kCases[] = {
      {999, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, -1}, "999"},
      {-5000, {0, 3}, "-5000"},
      {0, {0}, "0"},
      {1000000, {0, 7, 8, 9}, "1,000,000"},
      {1000000, {1, 5, 11, 14}, "1.000.000"},
      {1000000, {2, 3, 4, 6, 10, 12, 13}, "1 000 000"},
      {5000, {2, 4, 6, 10, 11, 14}, "5000"},
      {10000, {2, 4, 6, 10}, "10 000"},
      {10000, {11, 14}, "10.000"},
      {5000, {3, 12, 13}, "5 000"},
      {1234567, {15, 99}, "1234567"},
      {2147483647, {0}, "2,147,483,647"},
      {1002003, {1}, "1.002.003"},
      {1020300, {0}, "1,020,300"},
  };
  for (const Case& c : kCases) {
    for (const int32_t kind : c.kinds) {
      EXPECT_EQ(TextOf(cGame::formatNumber(c.n, kind)), c.text) << c.n << " kind " << kind;
    }
  }
}

}  // namespace
