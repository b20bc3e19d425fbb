#include "javame/data_input_stream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "javame/byte_array_input_stream.h"
#include "javame/exception_classes.h"
#include "runtime/array.h"
#include "runtime/exceptions.h"
#include "tests/javame/stream_fixture.h"
#include "tests/support/runtime_fixture.h"
#include "tests/support/string_text.h"

namespace {

// An input stream over test bytes that hands out at most `chunk` bytes per array read, so
// readers that must loop are seen to loop.
class BytesStream : public java_io_InputStream {
 public:
  BytesStream(const std::vector<uint8_t>* bytes, int32_t chunk) : data(bytes), limit(chunk) {
    RegisterReferenceFields(this, &failWith);
  }

  int32_t read(ByteArray* b, int32_t off, int32_t len) override {
    if (failWith) return Fail();
    if (position == size()) return zeroAtEnd ? 0 : -1;
    const int32_t n = std::min({len, limit, size() - position});
    memcpy(b->elements() + off, data->data() + position, static_cast<size_t>(n));
    position += n;
    return n;
  }
  int32_t read() override {
    if (failWith) return Fail();
    return position < size() ? (*data)[position++] : -1;
  }
  int64_t skip(int64_t) override { return 0; }
  int32_t available() override { return size() - position; }

  int32_t size() const { return static_cast<int32_t>(data->size()); }
  int32_t Fail() {
    ThrowException(failWith);
    return -1;
  }

  const std::vector<uint8_t>* data;
  int32_t limit;
  int32_t position = 0;
  bool zeroAtEnd = false;                   // the array read gives 0 at the end, as a file's does
  java_lang_Throwable* failWith = nullptr;  // raised by every read when set
};

class DataInputStreamTest : public StreamTest {
 protected:
  java_io_DataInputStream* Over(std::vector<uint8_t> bytes, int32_t chunk = 1 << 20) {
    bytes_ = std::move(bytes);
    stream_ = NewObject<BytesStream>(&bytes_, chunk);
    return NewObject<java_io_DataInputStream>(stream_);
  }
  std::vector<uint8_t> bytes_;
  BytesStream* stream_ = nullptr;
};

TEST_F(DataInputStreamTest, IntegersAreBigEndian) {
  java_io_DataInputStream* in = Over({0x80, 0x00, 0x00, 0x01, 0xFF, 0xFE, 0x12, 0x34, 0x56, 0x78});
  EXPECT_EQ(in->readInt(), -2147483647);
  EXPECT_EQ(in->readUnsignedShort(), 65534);
  EXPECT_EQ(in->readInt(), 0x12345678);
  EXPECT_EQ(TakePending().classId, 0);
}

TEST_F(DataInputStreamTest, TypedReadsOfEveryWidth) {
  java_io_DataInputStream* in = Over({0x00, 0x02, 0xFF, 0x80, 0xFF, 0xFE, 0x20, 0xAC, 0x80, 0x00,
                                      0x00, 0x00, 0x00, 0x00, 0x00, 0x01});
  EXPECT_FALSE(in->readBoolean());
  EXPECT_TRUE(in->readBoolean());
  EXPECT_EQ(in->readUnsignedByte(), 255);
  EXPECT_EQ(in->readByte(), -128);
  EXPECT_EQ(in->readShort(), -2);
  EXPECT_EQ(in->readChar(), u'\u20AC');
  EXPECT_EQ(in->readLong(), std::numeric_limits<int64_t>::min() + 1);
  EXPECT_EQ(TakePending().classId, 0);
}

TEST_F(DataInputStreamTest, AValueTheStreamEndsInsideRaisesEndOfFile) {
  struct Case {
    const char* read;
    size_t width;
    int64_t (*call)(java_io_DataInputStream*);
  };
  const Case cases[] = {
      {"readBoolean", 1, [](java_io_DataInputStream* in) -> int64_t { return in->readBoolean(); }},
      {"readByte", 1, [](java_io_DataInputStream* in) -> int64_t { return in->readByte(); }},
      {"readUnsignedByte", 1,
       [](java_io_DataInputStream* in) -> int64_t { return in->readUnsignedByte(); }},
      {"readShort", 2, [](java_io_DataInputStream* in) -> int64_t { return in->readShort(); }},
      {"readUnsignedShort", 2,
       [](java_io_DataInputStream* in) -> int64_t { return in->readUnsignedShort(); }},
      {"readChar", 2, [](java_io_DataInputStream* in) -> int64_t { return in->readChar(); }},
      {"readInt", 4, [](java_io_DataInputStream* in) -> int64_t { return in->readInt(); }},
      {"readLong", 8, [](java_io_DataInputStream* in) -> int64_t { return in->readLong(); }},
  };
  for (const Case& c : cases) {
    // Every length short of the value's width, the empty stream included.
    for (size_t have = 0; have < c.width; have++) {
      SCOPED_TRACE(std::string(c.read) + " over " + std::to_string(have) + " bytes");
      java_io_DataInputStream* in = Over(std::vector<uint8_t>(have, 0x7F));
      EXPECT_EQ(c.call(in), 0);
      EXPECT_EQ(TakePending().classId, cid::java_io_EOFException);
      EXPECT_EQ(in->read(), -1);  // never read past the end
    }
  }
}

TEST_F(DataInputStreamTest, ReadFullyEndsWhenTheStreamGivesNoMore) {
  // One stream reports its end with -1, the other, as a file does, with 0.
  for (const bool zeroAtEnd : {false, true}) {
    SCOPED_TRACE(zeroAtEnd);
    java_io_DataInputStream* in = Over({1, 2, 3}, 2);
    stream_->zeroAtEnd = zeroAtEnd;
    ByteArray* b = NewByteArray(5);
    in->readFully(b);
    EXPECT_EQ(TakePending().classId, cid::java_io_EOFException);
    EXPECT_EQ(ByteArray::get(b, 2), 3);
  }
  // An empty request reads nothing and ends nothing.
  java_io_DataInputStream* in = Over({});
  in->readFully(NewByteArray(0));
  EXPECT_EQ(TakePending().classId, 0);
}

TEST_F(DataInputStreamTest, SkipBytesStopsWhenASkipGivesNothing) {
  auto* in = NewObject<java_io_DataInputStream>(
      NewObject<java_io_ByteArrayInputStream>(Bytes({1, 2, 3, 4, 5})));
  EXPECT_EQ(in->skipBytes(2), 2);
  EXPECT_EQ(in->readUnsignedByte(), 3);
  EXPECT_EQ(in->skipBytes(10), 2);
  EXPECT_EQ(in->skipBytes(1), 0);
  EXPECT_EQ(in->skipBytes(-1), 0);
}

TEST_F(DataInputStreamTest, MarkAndResetAreThoseOfTheStreamUnder) {
  auto* in = NewObject<java_io_DataInputStream>(
      NewObject<java_io_ByteArrayInputStream>(Bytes({0x12, 0x34, 0x56})));
  EXPECT_TRUE(in->markSupported());
  EXPECT_EQ(in->readByte(), 0x12);
  in->mark(10);
  EXPECT_EQ(in->readUnsignedShort(), 0x3456);
  in->reset();
  EXPECT_EQ(in->available(), 2);
  EXPECT_EQ(in->readUnsignedShort(), 0x3456);
  EXPECT_FALSE(Over({})->markSupported());
}

TEST_F(DataInputStreamTest, AnExceptionOfTheStreamUnderPassesThrough) {
  java_io_DataInputStream* in = Over({1, 2, 3, 4});
  stream_->failWith = NewObject<java_io_IOException>();
  EXPECT_EQ(in->readInt(), 0);
  EXPECT_EQ(TakePending().classId, cid::java_io_IOException);
  EXPECT_EQ(in->readUTF(), nullptr);
  EXPECT_EQ(TakePending().classId, cid::java_io_IOException);
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
    EXPECT_EQ(TakePending().classId, 0);
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
    EXPECT_EQ(TakePending().classId, cid::java_io_UTFDataFormatException);
    EXPECT_EQ(UnitsOf(in->readUTF()), u"z");
  }
}

TEST_F(DataInputStreamTest, ReadUtfOfATextLongerThanTheStreamRaisesEndOfFile) {
  EXPECT_EQ(Over({0x00, 0x05, 'a', 'b'}, 1)->readUTF(), nullptr);
  EXPECT_EQ(TakePending().classId, cid::java_io_EOFException);
}

TEST_F(DataInputStreamTest, ReadFullyChecksItsRangeBeforeReading) {
  java_io_DataInputStream* in = Over({1, 2, 3, 4});
  ByteArray* b = NewByteArray(4);
  TraceCapture trace;
  in->readFully(b, 2, 3);
  EXPECT_EQ(trace.lines(),
            std::vector<std::string>{
                "DataInputStream.readFully: bytes 2 + 3 outside the array (length 4)"});
  EXPECT_EQ(TakePending().classId, 0);
  EXPECT_EQ(in->available(), 4);
  in->readFully(b, 1, 3);
  EXPECT_EQ(ByteArray::get(b, 3), 3);
}

}  // namespace
