#include "tools/databuild/modified_utf8.h"

#include <gtest/gtest.h>

#include "tools/databuild/build_error.h"

namespace databuild {
namespace {

using Bytes = std::vector<uint8_t>;

struct EncodingCase {
  std::u16string_view text;
  Bytes bytes;
};

// The boundaries of each encoded length, U+0000's two-byte form and a surrogate pair, which
// is written unit by unit (three bytes each), never as one four-byte sequence.
const EncodingCase kEncodings[] = {
    {u"A", {0x41}},
    {std::u16string_view(u"\0", 1), {0xC0, 0x80}},
    {u"\u007F", {0x7F}},
    {u"\u0080", {0xC2, 0x80}},
    {u"\u07FF", {0xDF, 0xBF}},
    {u"\u0800", {0xE0, 0xA0, 0x80}},
    {u"\u20AC", {0xE2, 0x82, 0xAC}},
    {u"\uFFFF", {0xEF, 0xBF, 0xBF}},
    {u"\U0001F600", {0xED, 0xA0, 0xBD, 0xED, 0xB8, 0x80}},
    {u"", {}},
};

TEST(ModifiedUtf8Test, EncodesAndDecodesEachUnitAsJavaDoes) {
  for (const EncodingCase& c : kEncodings) {
    SCOPED_TRACE(testing::PrintToString(c.bytes));
    EXPECT_EQ(EncodeModifiedUtf8(c.text), c.bytes);
    EXPECT_EQ(DecodeModifiedUtf8(c.bytes), std::u16string(c.text));
  }
}

TEST(ModifiedUtf8Test, DecoderRefusesWhatReadUtfRefuses) {
  const Bytes kMalformed[] = {
      {0xC3, 0x28},        // second byte not 10xxxxxx
      {0x80},              // continuation byte as lead
      {0xBF, 0x41},        // continuation byte as lead
      {0xF0, 0x9F, 0x98},  // four-byte lead
      {0x41, 0xC3},        // two-byte sequence cut off by the end
      {0xE2, 0x82},        // three-byte sequence cut off by the end
      {0xE2, 0x41, 0xAC},  // bad second byte of three
      {0xE2, 0x82, 0x41},  // bad third byte of three
  };
  for (const Bytes& bytes : kMalformed) {
    EXPECT_EQ(DecodeModifiedUtf8(bytes), std::nullopt) << testing::PrintToString(bytes);
  }
}

TEST(ModifiedUtf8Test, DecoderTakesASingleZeroByteAndOverlongForms) {
  EXPECT_EQ(DecodeModifiedUtf8(Bytes{0x00, 0x41}), std::u16string(u"\0A", 2));
  EXPECT_EQ(DecodeModifiedUtf8(Bytes{0xC1, 0x81}), u"A");
}

TEST(ModifiedUtf8Test, WriteUtfPutsTheByteCountFirstBigEndian) {
  BigEndianWriter out;
  WriteUtf(out, std::u16string(100, u'\u20AC'));
  ASSERT_EQ(out.bytes().size(), 2u + 300u);
  EXPECT_EQ(out.bytes()[0], 0x01);
  EXPECT_EQ(out.bytes()[1], 0x2C);
  EXPECT_EQ(out.bytes()[2], 0xE2);
}

TEST(ModifiedUtf8Test, WriteUtfTakesUpTo65535BytesAndRefusesMore) {
  std::u16string text(kMaxModifiedUtf8Length / 3, u'\u20AC');
  BigEndianWriter out;
  WriteUtf(out, text);
  EXPECT_EQ(out.bytes()[0], 0xFF);
  EXPECT_EQ(out.bytes()[1], 0xFF);

  text.push_back(u'a');
  BigEndianWriter tooLong;
  EXPECT_THROW(WriteUtf(tooLong, text), BuildError);
  EXPECT_TRUE(tooLong.bytes().empty());
}

}  // namespace
}  // namespace databuild
