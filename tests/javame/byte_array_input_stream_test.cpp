#include "javame/byte_array_input_stream.h"

#include <gtest/gtest.h>

#include "tests/javame/stream_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

using ByteArrayInputStreamTest = StreamTest;

TEST_F(ByteArrayInputStreamTest, ReadsTheRangeCutAtTheEndOfTheArray) {
  auto* in = NewObject<java_io_ByteArrayInputStream>(Bytes({1, 2, 3, 4, 5}), 3, 10);
  EXPECT_EQ(in->available(), 2);
  ByteArray* b = NewByteArray(8);
  EXPECT_EQ(in->read(b, 1, 8 - 1), 2);
  EXPECT_EQ(Contents(b), (std::vector<uint8_t>{0, 4, 5, 0, 0, 0, 0, 0}));
  EXPECT_EQ(in->read(), -1);
}

TEST_F(ByteArrayInputStreamTest, TheEndIsMinusOneAndAnEmptyRequestZero) {
  auto* in = NewObject<java_io_ByteArrayInputStream>(Bytes({0xFF, 0x80}));
  ByteArray* b = NewByteArray(4);
  EXPECT_EQ(in->read(b, 0, 0), 0);
  EXPECT_EQ(in->read(), 0xFF);  // bytes come unsigned
  EXPECT_EQ(in->read(b), 1);
  EXPECT_EQ(ByteArray::get(b, 0), -128);
  EXPECT_EQ(in->read(), -1);
  EXPECT_EQ(in->read(b, 0, 0), -1);
  EXPECT_EQ(in->read(b), -1);
  EXPECT_EQ(in->available(), 0);
}

TEST_F(ByteArrayInputStreamTest, SkipStopsAtTheEndAndRefusesNegativeCounts) {
  auto* in = NewObject<java_io_ByteArrayInputStream>(Bytes({1, 2, 3, 4, 5}));
  EXPECT_EQ(in->skip(-3), 0);
  EXPECT_EQ(in->skip(2), 2);
  EXPECT_EQ(in->read(), 3);
  EXPECT_EQ(in->skip(100), 2);
  EXPECT_EQ(in->skip(1), 0);
}

TEST_F(ByteArrayInputStreamTest, ResetReturnsToTheMarkOrTheStartOfTheRange) {
  auto* in = NewObject<java_io_ByteArrayInputStream>(Bytes({1, 2, 3, 4, 5, 6}), 1, 5);
  EXPECT_TRUE(in->markSupported());
  EXPECT_EQ(in->read(), 2);
  in->reset();  // no mark yet: the start of the range
  EXPECT_EQ(in->read(), 2);
  in->mark(0);
  const int32_t first[] = {in->read(), in->read(), in->read()};
  in->reset();
  EXPECT_EQ((std::vector<int32_t>{in->read(), in->read(), in->read()}),
            (std::vector<int32_t>(std::begin(first), std::end(first))));
  in->close();
  EXPECT_EQ(in->read(), 6);  // closing changes nothing
}

TEST_F(ByteArrayInputStreamTest, RangesOutsideTheArraysAreRefusedBeforeAnythingIsTouched) {
  struct Case {
    int32_t offset;
    int32_t length;
  };
  // Each construction range outside a 4-byte array gives an empty stream and one trace line.
  const Case constructions[] = {{-1, 2}, {5, 0}, {2, -1}, {0x7FFFFFFF, 0x7FFFFFFF}};
  for (const Case& c : constructions) {
    TraceCapture trace;
    auto* in = NewObject<java_io_ByteArrayInputStream>(Bytes({1, 2, 3, 4}), c.offset, c.length);
    EXPECT_EQ(trace.lines().size(), 1u) << c.offset << " " << c.length;
    EXPECT_EQ(in->available(), 0);
    EXPECT_EQ(in->read(), -1);
  }
  // An offset near the int range and a length that would wrap round still reach the end.
  auto* far = NewObject<java_io_ByteArrayInputStream>(Bytes({1, 2, 3, 4}), 2, 0x7FFFFFFF);
  EXPECT_EQ(far->available(), 2);

  // Each read range outside a 4-byte destination reads nothing and leaves the stream as it was.
  const Case reads[] = {{-1, 1}, {0, 5}, {3, 2}, {5, 0}, {1, -1}, {0x7FFFFFFF, 0x7FFFFFFF}};
  auto* in = NewObject<java_io_ByteArrayInputStream>(Bytes({9, 9, 9, 9, 9, 9}));
  ByteArray* b = Bytes({0, 0, 0, 0});
  for (const Case& c : reads) {
    TraceCapture trace;
    EXPECT_EQ(in->read(b, c.offset, c.length), 0) << c.offset << " " << c.length;
    EXPECT_EQ(trace.lines().size(), 1u);
  }
  EXPECT_EQ(Contents(b), (std::vector<uint8_t>{0, 0, 0, 0}));
  EXPECT_EQ(in->available(), 6);
  EXPECT_EQ(in->read(b, 0, 4), 4);
}

TEST_F(ByteArrayInputStreamTest, AFactoryMadeOrNullArrayStreamIsEmpty) {
  auto* made = NewObject<java_io_ByteArrayInputStream>();
  EXPECT_EQ(made->read(), -1);
  EXPECT_EQ(made->read(NewByteArray(2), 0, 2), -1);
  TraceCapture trace;
  auto* overNull = NewObject<java_io_ByteArrayInputStream>(static_cast<ByteArray*>(nullptr));
  EXPECT_TRUE(trace.contains("NullPointer"));
  EXPECT_EQ(overNull->read(), -1);
  EXPECT_EQ(overNull->skip(4), 0);
}

}  // namespace
