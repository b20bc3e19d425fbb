#include "javame/data_output_stream.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "javame/byte_array_input_stream.h"
#include "javame/byte_array_output_stream.h"
#include "javame/data_input_stream.h"
#include "javame/exception_classes.h"
#include "runtime/string.h"
#include "tests/javame/stream_fixture.h"
#include "tests/support/string_text.h"

namespace {

class DataOutputStreamTest : public StreamTest {
 protected:
  void SetUp() override {
    StreamTest::SetUp();
    bytes_ = NewObject<java_io_ByteArrayOutputStream>();
    out_ = NewObject<java_io_DataOutputStream>(bytes_);
  }
  std::vector<uint8_t> Written() { return Contents(bytes_->toByteArray()); }
  // A reader over everything written so far.
  java_io_DataInputStream* ReadBack() {
    return NewObject<java_io_DataInputStream>(
        NewObject<java_io_ByteArrayInputStream>(bytes_->toByteArray()));
  }
  static String* Text(const std::u16string& units) {
    return String::newFilled(static_cast<int32_t>(units.size()),
                             [&](char16_t* out) { std::copy(units.begin(), units.end(), out); });
  }

  java_io_ByteArrayOutputStream* bytes_ = nullptr;
  java_io_DataOutputStream* out_ = nullptr;
};

TEST_F(DataOutputStreamTest, IntegersAreWrittenMostSignificantByteFirst) {
  out_->writeInt(-2);
  out_->writeShort(0x12345);
  out_->writeChar(0x20AC);
  out_->writeByte(0x181);
  out_->writeBoolean(true);
  out_->writeBoolean(false);
  out_->writeLong(0x0102030405060708);
  EXPECT_EQ(Written(), (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFE, 0x23, 0x45, 0x20, 0xAC, 0x81,
                                             1, 0, 1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST_F(DataOutputStreamTest, EveryTypedValueComesBackThroughDataInputStream) {
  const int32_t ints[] = {
      0,         1, -1, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(),
      0x12345678};
  const int64_t longs[] = {0, -1, std::numeric_limits<int64_t>::min(),
                           std::numeric_limits<int64_t>::max(), 0x0123456789ABCDEF};
  for (int32_t v : ints) {
    out_->writeInt(v);
    out_->writeShort(v);
    out_->writeChar(v);
    out_->writeByte(v);
    out_->writeBoolean(v != 0);
  }
  for (int64_t v : longs) out_->writeLong(v);
  java_io_DataInputStream* in = ReadBack();
  for (int32_t v : ints) {
    EXPECT_EQ(in->readInt(), v);
    EXPECT_EQ(in->readShort(), static_cast<int16_t>(v));
    EXPECT_EQ(in->readChar(), static_cast<char16_t>(v));
    EXPECT_EQ(in->readByte(), static_cast<int8_t>(v));
    EXPECT_EQ(in->readBoolean(), v != 0);
  }
  for (int64_t v : longs) EXPECT_EQ(in->readLong(), v);
  EXPECT_EQ(in->read(), -1);
  EXPECT_EQ(TakePending().classId, 0);
}

TEST_F(DataOutputStreamTest, WriteUtfWritesModifiedUtf8BehindItsByteCount) {
  struct Case {
    std::u16string text;
    std::vector<uint8_t> bytes;
  };
  const Case cases[] = {
      {u"", {0x00, 0x00}},
      {std::u16string(u"\0A\u20AC", 3), {0x00, 0x06, 0xC0, 0x80, 0x41, 0xE2, 0x82, 0xAC}},
      {u"\u007F\u0080\u07FF\u0800\uFFFF",
       {0x00, 0x0B, 0x7F, 0xC2, 0x80, 0xDF, 0xBF, 0xE0, 0xA0, 0x80, 0xEF, 0xBF, 0xBF}},
      {u"\U0001F600", {0x00, 0x06, 0xED, 0xA0, 0xBD, 0xED, 0xB8, 0x80}},
  };
  for (const Case& c : cases) {
    bytes_->reset();
    out_->writeUTF(Text(c.text));
    EXPECT_EQ(Written(), c.bytes);
    EXPECT_EQ(UnitsOf(ReadBack()->readUTF()), c.text);
  }
  EXPECT_EQ(TakePending().classId, 0);
}

TEST_F(DataOutputStreamTest, WriteUtfRefusesATextBeyondTheSixteenBitCount) {
  // 65535 encoded bytes is the most the count can say; one byte more is refused whole.
  out_->writeUTF(Text(std::u16string(21845, u'\u20AC')));
  EXPECT_EQ(TakePending().classId, 0);
  EXPECT_EQ(bytes_->size(), 65537);
  EXPECT_EQ(UnitsOf(ReadBack()->readUTF()).size(), 21845u);

  bytes_->reset();
  out_->writeUTF(Text(std::u16string(21845, u'\u20AC') + u"a"));
  EXPECT_EQ(TakePending().classId, cid::java_io_UTFDataFormatException);
  EXPECT_EQ(bytes_->size(), 0);
  out_->writeUTF(Text(std::u16string(32768, u'\0')));
  EXPECT_EQ(TakePending().classId, cid::java_io_UTFDataFormatException);
  EXPECT_EQ(bytes_->size(), 0);
}

TEST_F(DataOutputStreamTest, WriteCharsWritesEachCharacterInTwoBytes) {
  out_->writeChars(Text(u"A\u20AC"));
  EXPECT_EQ(Written(), (std::vector<uint8_t>{0x00, 0x41, 0x20, 0xAC}));
  out_->write(Bytes({7, 8}));
  out_->write(Bytes({9, 10, 11}), 1, 1);
  EXPECT_EQ(Written(), (std::vector<uint8_t>{0x00, 0x41, 0x20, 0xAC, 7, 8, 10}));
}

TEST_F(DataOutputStreamTest, ATypedWriteStopsAtTheFirstExceptionOfTheStreamUnder) {
  auto* sink = NewObject<RecordingStream>();
  sink->failWith = NewObject<java_io_IOException>();
  auto* out = NewObject<java_io_DataOutputStream>(sink);
  out->writeLong(-1);
  EXPECT_EQ(TakePending().classId, cid::java_io_IOException);
  EXPECT_EQ(sink->writes, 1);
  out->writeChars(NewJavaString("abc"));
  EXPECT_EQ(TakePending().classId, cid::java_io_IOException);
  EXPECT_EQ(sink->writes, 2);
}

}  // namespace
