// cGame's stream readers: little-endian values from any stream with the end raised as an
// exception, counted bulk reads, and the byte-array helpers' range checks.
#include <gtest/gtest.h>

#include <vector>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "javame/byte_array_input_stream.h"
#include "javame/exception_classes.h"
#include "runtime/array.h"
#include "tests/support/library_fixture.h"
#include "tests/support/managed_bytes.h"
#include "tests/support/runtime_fixture.h"

namespace {

using ResourceStreamsTest = LibraryTest;

java_io_InputStream* Over(const std::vector<uint8_t>& bytes) {
  return NewObject<java_io_ByteArrayInputStream>(ManagedBytes(bytes));
}

TEST_F(ResourceStreamsTest, ValuesAreLittleEndianAndTheEndIsRaised) {
  java_io_InputStream* in = Over({0x34, 0x12, 0xFF, 0xFF, 0xFF, 0x7F, 0xAB, 0x01});
  Statics<GameStatics>()->cGame_streamReadCount = 0;
  EXPECT_EQ(cGame::readStreamShort(in), 0x1234);
  EXPECT_EQ(cGame::readStreamInt(in), 0x7FFFFFFF);
  EXPECT_EQ(cGame::readStreamByteFrom(in), 0xAB);
  EXPECT_EQ(cGame::readStreamShort(in), 0);  // ends inside the value
  EXPECT_EQ(TakePending().classId, cid::java_io_EOFException);
  EXPECT_EQ(cGame::readStreamByteFrom(in), -1);
  EXPECT_EQ(TakePending().classId, 0);
  EXPECT_EQ(Statics<GameStatics>()->cGame_streamReadCount, 8);
}

TEST_F(ResourceStreamsTest, BulkReadsCountWhatWasAskedAndGiveWhatCame) {
  java_io_InputStream* in = Over({1, 2, 3});
  ByteArray* b = NewByteArray(8);
  Statics<GameStatics>()->cGame_streamReadCount = 0;
  EXPECT_EQ(cGame::readStreamFullyFrom(in, b, 2, 5), 3);
  EXPECT_EQ(Statics<GameStatics>()->cGame_streamReadCount, 5);
  EXPECT_EQ(b->elements()[4], 3);
  TraceCapture trace;
  EXPECT_EQ(cGame::readStreamFullyFrom(in, b, 6, 3), 0);  // outside b
  EXPECT_EQ(trace.lines().size(), 1u);
}

TEST_F(ResourceStreamsTest, IntsInByteArraysStayInsideTheArray) {
  ByteArray* b = NewByteArray(6);
  EXPECT_EQ(cGame::writeIntLE(b, 1, -2), 5);
  EXPECT_EQ(b->elements()[1], -2);
  EXPECT_EQ(b->elements()[4], -1);
  EXPECT_EQ(cGame::readIntLE(b, 1), -2);
  TraceCapture trace;
  EXPECT_EQ(cGame::writeIntLE(b, 3, 7), 7);
  EXPECT_EQ(cGame::readIntLE(b, -1), 0);
  EXPECT_EQ(cGame::readIntLE(b, 1), -2);  // unchanged
  EXPECT_EQ(trace.lines().size(), 2u);
}

TEST_F(ResourceStreamsTest, PackStreamReadersGiveZeroOnceTheStreamFails) {
  Statics<GameStatics>()->cGame_packStream = Over({0x01, 0x02, 0x03});
  Statics<GameStatics>()->cGame_packPosition = 0;
  EXPECT_EQ(cGame::readCurrentShort(), 0x0201);
  EXPECT_EQ(cGame::readCurrentShort(), 0x0003);  // the second byte ends the stream
  EXPECT_EQ(Statics<GameStatics>()->cGame_packStream, nullptr);
  EXPECT_EQ(cGame::readCurrentInt(), 0);
  EXPECT_EQ(Statics<GameStatics>()->cGame_packPosition, 4);
}

}  // namespace
