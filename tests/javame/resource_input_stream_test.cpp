#include "javame/resource_input_stream.h"

#include <gtest/gtest.h>

#include "javame/byte_array_input_stream.h"
#include "tests/javame/stream_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

class ResourceInputStreamTest : public StreamTest {
 protected:
  // A view of limit bytes over the ten bytes 0..9, starting at the first.
  javax_microedition_io_ResourceInputStream* View(int32_t limit) {
    over_ = NewObject<java_io_ByteArrayInputStream>(Bytes({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    return NewObject<javax_microedition_io_ResourceInputStream>(over_, limit);
  }
  java_io_ByteArrayInputStream* over_ = nullptr;
};

TEST_F(ResourceInputStreamTest, ReadDeliversUpToTheLimitThenMinusOne) {
  javax_microedition_io_ResourceInputStream* in = View(4);
  for (int32_t i = 0; i < 4; i++) EXPECT_EQ(in->read(), i);
  EXPECT_EQ(in->read(), -1);
  EXPECT_EQ(in->available(), 0);
  EXPECT_EQ(over_->available(), 6);  // nothing past the limit was taken
}

TEST_F(ResourceInputStreamTest, ArrayReadsStopAtTheLimitAndRaiseEndOfFileThere) {
  javax_microedition_io_ResourceInputStream* in = View(4);
  EXPECT_EQ(in->skip(2), 2);
  ByteArray* b = NewByteArray(10);
  EXPECT_EQ(in->read(b, 0, 10), 2);
  EXPECT_EQ(ByteArray::get(b, 1), 3);
  EXPECT_EQ(TakePending().classId, 0);
  EXPECT_EQ(in->read(b, 0, 10), -1);
  EXPECT_EQ(TakePending().classId, cid::java_io_EOFException);
  EXPECT_EQ(in->read(b), -1);
  EXPECT_EQ(TakePending().classId, cid::java_io_EOFException);
}

TEST_F(ResourceInputStreamTest, OnlyTheBytesTheStreamGaveAreCounted) {
  // A limit past the end of the stream under it: its end reads as -1 and adds nothing.
  javax_microedition_io_ResourceInputStream* in = View(20);
  ByteArray* b = NewByteArray(16);
  EXPECT_EQ(in->read(b, 0, 16), 10);
  EXPECT_EQ(in->read(b, 0, 16), -1);
  EXPECT_EQ(in->read(), -1);
  EXPECT_EQ(in->position, 10);
  EXPECT_EQ(in->available(), 10);
  EXPECT_EQ(in->skip(5), 0);
  EXPECT_EQ(in->position, 10);
}

TEST_F(ResourceInputStreamTest, SkipIsHeldToTheLimit) {
  javax_microedition_io_ResourceInputStream* in = View(6);
  EXPECT_EQ(in->skip(100), 6);
  EXPECT_EQ(in->read(), -1);
  EXPECT_EQ(over_->read(), 6);
}

TEST_F(ResourceInputStreamTest, MarkAndResetCarryThePositionWithTheStreamUnder) {
  javax_microedition_io_ResourceInputStream* in = View(5);
  EXPECT_TRUE(in->markSupported());
  EXPECT_EQ(in->read(), 0);
  in->mark(100);
  ByteArray* b = NewByteArray(4);
  EXPECT_EQ(in->read(b), 4);
  EXPECT_EQ(in->available(), 0);
  in->reset();
  EXPECT_EQ(in->available(), 4);
  EXPECT_EQ(in->read(b), 4);
  EXPECT_EQ(ByteArray::get(b, 3), 4);
  EXPECT_EQ(in->read(), -1);
}

TEST_F(ResourceInputStreamTest, BadArgumentsChangeNothing) {
  javax_microedition_io_ResourceInputStream* in = View(4);
  ByteArray* b = NewByteArray(4);
  TraceCapture trace;
  EXPECT_EQ(in->read(b, 2, 3), 0);
  EXPECT_EQ(in->read(b, -1, 1), 0);
  EXPECT_EQ(trace.lines().size(), 2u);
  EXPECT_EQ(TakePending().classId, 0);
  EXPECT_EQ(in->position, 0);
  EXPECT_EQ(over_->available(), 10);

  trace.clear();
  auto* negative = NewObject<javax_microedition_io_ResourceInputStream>(over_, -5);
  EXPECT_EQ(trace.lines().size(), 1u);
  EXPECT_EQ(negative->available(), 0);
  EXPECT_EQ(negative->read(), -1);
}

}  // namespace
