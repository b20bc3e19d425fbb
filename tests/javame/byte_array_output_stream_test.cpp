#include "javame/byte_array_output_stream.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/javame/stream_fixture.h"
#include "tests/support/runtime_fixture.h"
#include "tests/support/string_text.h"

namespace {

using ByteArrayOutputStreamTest = StreamTest;

TEST_F(ByteArrayOutputStreamTest, GrowsToTwiceItsLengthOrToWhatIsNeeded) {
  auto* fromZero = NewObject<java_io_ByteArrayOutputStream>(0);
  std::vector<int32_t> lengths;
  for (int32_t i = 0; i < 5; i++) {
    fromZero->write(i);
    lengths.push_back(fromZero->buf->length);
  }
  EXPECT_EQ(lengths, (std::vector<int32_t>{1, 2, 4, 4, 8}));
  EXPECT_EQ(Contents(fromZero->toByteArray()), (std::vector<uint8_t>{0, 1, 2, 3, 4}));

  auto* standard = NewObject<java_io_ByteArrayOutputStream>();
  EXPECT_EQ(standard->buf->length, 32);
  for (int32_t i = 0; i < 32; i++) standard->write(i);
  EXPECT_EQ(standard->buf->length, 32);
  standard->write(32);
  EXPECT_EQ(standard->buf->length, 64);

  auto* atOnce = NewObject<java_io_ByteArrayOutputStream>();
  atOnce->write(NewByteArray(100), 0, 100);
  EXPECT_EQ(atOnce->buf->length, 100);
  EXPECT_EQ(atOnce->size(), 100);
}

TEST_F(ByteArrayOutputStreamTest, WritesKeepTheLowByteAndRangesFromTheirArray) {
  auto* out = NewObject<java_io_ByteArrayOutputStream>(2);
  out->write(0x1FF);
  out->write(Bytes({10, 20, 30, 40}), 1, 2);
  out->write(Bytes({50}));
  out->write(Bytes({}), 0, 0);
  EXPECT_EQ(Contents(out->toByteArray()), (std::vector<uint8_t>{0xFF, 20, 30, 50}));
  EXPECT_EQ(out->size(), 4);
}

TEST_F(ByteArrayOutputStreamTest, ARangeOutsideItsArrayWritesNothing) {
  struct Case {
    int32_t offset;
    int32_t length;
  };
  const Case cases[] = {{-1, 1}, {0, 4}, {2, 2}, {1, -1}, {4, 0}, {0x7FFFFFFF, 0x7FFFFFFF}};
  auto* out = NewObject<java_io_ByteArrayOutputStream>(4);
  ByteArray* source = Bytes({1, 2, 3});
  for (const Case& c : cases) {
    TraceCapture trace;
    out->write(source, c.offset, c.length);
    EXPECT_EQ(trace.lines().size(), 1u) << c.offset << " " << c.length;
  }
  EXPECT_EQ(out->size(), 0);
  EXPECT_EQ(out->buf->length, 4);
}

TEST_F(ByteArrayOutputStreamTest, AClosedExactlyFullStreamHandsOutItsOwnBuffer) {
  auto* out = NewObject<java_io_ByteArrayOutputStream>(2);
  out->write(1);
  out->write(2);
  ByteArray* open = out->toByteArray();
  EXPECT_NE(open, out->buf);  // not closed: a copy
  out->close();
  EXPECT_EQ(out->toByteArray(), out->buf);
  EXPECT_EQ(out->toByteArray(), out->buf);
  out->write(3);  // writing after close is allowed
  ByteArray* copy = out->toByteArray();
  EXPECT_NE(copy, out->buf);
  EXPECT_EQ(Contents(copy), (std::vector<uint8_t>{1, 2, 3}));
}

TEST_F(ByteArrayOutputStreamTest, ResetKeepsTheBufferAndToStringWidensEachByte) {
  auto* out = NewObject<java_io_ByteArrayOutputStream>(4);
  out->write(Bytes({'a', 0xE9, 'z'}));
  EXPECT_EQ(UnitsOf(out->toString()), u"a\u00E9z");
  ByteArray* buffer = out->buf;
  out->reset();
  EXPECT_EQ(out->size(), 0);
  EXPECT_EQ(out->buf, buffer);
  EXPECT_EQ(UnitsOf(out->toString()), u"");
  EXPECT_EQ(out->toByteArray()->length, 0);
}

}  // namespace
