#include "javame/data_input_stream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "tests/support/runtime_fixture.h"
#include "tests/support/string_text.h"

namespace {

// An input stream over test bytes that hands out at most `chunk` bytes per array read, so
// readers that must loop are seen to loop.
class BytesStream : public java_io_InputStream {
 public:
  BytesStream(const std::vector<uint8_t>* bytes, int32_t chunk) : data(bytes), limit(chunk) {}

  int32_t read(ByteArray* b, int32_t off, int32_t len) override {
    if (position == size()) return -1;
    const int32_t n = std::min({len, limit, size() - position});
    memcpy(b->elements() + off, data->data() + position, static_cast<size_t>(n));
    position += n;
    return n;
  }
  int32_t read() override { return position < size() ? (*data)[position++] : -1; }
  int64_t skip(int64_t) override { return 0; }
  int32_t available() override { return size() - position; }

  int32_t size() const { return static_cast<int32_t>(data->size()); }

  const std::vector<uint8_t>* data;
  int32_t limit;
  int32_t position = 0;
};

class DataInputStreamTest : public RuntimeTest {
 protected:
  java_io_DataInputStream* Over(std::vector<uint8_t> bytes, int32_t chunk = 1 << 20) {
    bytes_ = std::move(bytes);
    return NewObject<java_io_DataInputStream>(NewObject<BytesStream>(&bytes_, chunk));
  }
  // The class id of the pending exception, cleared; 0 when none is pending.
  static int32_t TakePending() {
    Object* pending = GetPendingException();
    ClearPendingException();
    return pending ? pending->classId : 0;
  }

  std::vector<uint8_t> bytes_;
};

TEST_F(DataInputStreamTest, IntegersAreBigEndian) {
  java_io_DataInputStream* in = Over({0x80, 0x00, 0x00, 0x01, 0xFF, 0xFE, 0x12, 0x34, 0x56, 0x78});
  EXPECT_EQ(in->readInt(), -2147483647);
  EXPECT_EQ(in->readUnsignedShort(), 65534);
  EXPECT_EQ(in->readInt(), 0x12345678);
  EXPECT_EQ(TakePending(), 0);
}

TEST_F(DataInputStreamTest, AValueTheStreamEndsInsideRaisesEndOfFile) {
  java_io_DataInputStream* in = Over({0x00, 0x00, 0x01});
  EXPECT_EQ(in->readInt(), 0);
  EXPECT_EQ(TakePending(), cid::java_io_EOFException);
  in = Over({0x07});
  EXPECT_EQ(in->readUnsignedShort(), 0);
  EXPECT_EQ(TakePending(), cid::java_io_EOFException);
}

TEST_F(DataInputStreamTest, ReadUtfDecodesModifiedUtf8) {
  struct Row {
    std::vector<uint8_t> bytes;
    std::u16string text;
  };
  const Row rows[] = {
      {{0x00, 0x00}, u""},
      {{0x00, 0x03, 'a', 'b', 'c'}, u"abc"},
      {{0x00, 0x03, 0xE2, 0x82, 0xAC}, u"\u20AC"},
      {{0x00, 0x02, 0xC0, 0x80}, std::u16string(1, u'\0')},
      {{0x00, 0x01, 0x00}, std::u16string(1, u'\0')},
      {{0x00, 0x04, 0xC2, 0x80, 0xDF, 0xBF}, u"\u0080\u07FF"},
      {{0x00, 0x06, 0xED, 0xA0, 0xBD, 0xED, 0xB8, 0x80}, u"\U0001F600"},
  };
  for (const Row& row : rows) {
    // One byte per array read: the text is still read whole.
    String* text = Over(row.bytes, 1)->readUTF();
    EXPECT_EQ(TakePending(), 0);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(UnitsOf(text), row.text);
  }
}

TEST_F(DataInputStreamTest, ReadUtfRefusesMalformedBytesButConsumesThem) {
  const std::vector<std::vector<uint8_t>> texts = {
      {0x00, 0x02, 0xC3, 0x28},        // second byte not 10xxxxxx
      {0x00, 0x01, 0x80},              // a continuation byte as lead
      {0x00, 0x01, 0xF0},              // a four-byte lead
      {0x00, 0x02, 0xE2, 0x82},        // a three-byte unit cut by the length
      {0x00, 0x03, 0xE2, 0x82, 0x2C},  // third byte not 10xxxxxx
      {0x00, 0x01, 0xC3},              // a two-byte unit cut by the length
  };
  for (std::vector<uint8_t> bytes : texts) {
    bytes.insert(bytes.end(), {0x00, 0x01, 'z'});
    java_io_DataInputStream* in = Over(bytes);
    EXPECT_EQ(in->readUTF(), nullptr);
    EXPECT_EQ(TakePending(), cid::java_io_UTFDataFormatException);
    EXPECT_EQ(UnitsOf(in->readUTF()), u"z");
  }
}

TEST_F(DataInputStreamTest, ReadUtfOfATextLongerThanTheStreamRaisesEndOfFile) {
  EXPECT_EQ(Over({0x00, 0x05, 'a', 'b'}, 1)->readUTF(), nullptr);
  EXPECT_EQ(TakePending(), cid::java_io_EOFException);
}

TEST_F(DataInputStreamTest, ReadFullyChecksItsRangeBeforeReading) {
  java_io_DataInputStream* in = Over({1, 2, 3, 4});
  ByteArray* b = NewByteArray(4);
  TraceCapture trace;
  in->readFully(b, 2, 3);
  EXPECT_EQ(trace.lines(), std::vector<std::string>{
                               "DataInputStream.readFully: bytes 2 + 3 outside the array (length 4)"});
  EXPECT_EQ(TakePending(), 0);
  EXPECT_EQ(in->available(), 4);
  in->readFully(b, 1, 3);
  EXPECT_EQ(ByteArray::get(b, 3), 3);
}

}  // namespace
