// cGame's byte-array reader: each typed read and counted array over its layout, and reads
// past the ends or with counts the bytes cannot hold, which give 0 or null, set the failure
// flag and never touch a byte outside the array.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "runtime/static_class.h"
#include "tests/support/array_values.h"
#include "tests/support/managed_bytes.h"
#include "tests/support/runtime_fixture.h"
#include "tools/databuild/data_cursor_writer.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Each counted read as a list of its values, or nullopt for null.
using CountedRead = std::function<std::optional<std::vector<int32_t>>(ByteArray*)>;
template <class A, A* (*Read)(ByteArray*)>
std::optional<std::vector<int32_t>> Counted(ByteArray* data) {
  A* array = Read(data);
  if (!array) return std::nullopt;
  return ValuesOf<A>(array);
}
const CountedRead kIntArray = Counted<IntArray, cGame::readIntArray>;
const CountedRead kShortArray = Counted<ShortArray, cGame::readShortArray>;
const CountedRead kByteArray = Counted<ByteArray, cGame::readByteArray>;

class DataCursorTest : public RuntimeTest {
 protected:
  static int32_t cursor() { return Statics<GameStatics>()->cGame_dataCursor; }
  static bool failed() { return Statics<GameStatics>()->cGame_dataReadFailed; }
};

TEST_F(DataCursorTest, SingleValuesAreLittleEndianAndSigned) {
  struct Case {
    Bytes bytes;
    int32_t (*read)(ByteArray*);
    int32_t expected;
  };
  const Case kCases[] = {
      {{0xFF}, cGame::readByte, -1},
      {{0x7F}, cGame::readByte, 127},
      {{0xFF, 0x7F}, cGame::readShort, 32767},
      {{0x00, 0x80}, cGame::readShort, -32768},
      {{0xFE, 0xFF}, cGame::readShort, -2},
      {{0x01, 0x02, 0x03, 0x84}, cGame::readInt, static_cast<int32_t>(0x84030201u)},
  };
  for (const Case& c : kCases) {
    ByteArray* data = ManagedBytes(c.bytes);
    cGame::setDataCursor(0);
    EXPECT_EQ(c.read(data), c.expected) << c.expected;
    EXPECT_EQ(cursor(), static_cast<int32_t>(c.bytes.size()));
    EXPECT_FALSE(failed());
  }
}

TEST_F(DataCursorTest, CountedArraysAreBigEndianBehindABigEndianCount) {
  ByteArray* ints = ManagedBytes({0, 0, 0, 2, 0x12, 0x34, 0x56, 0x78, 0xFF, 0xFF, 0xFF, 0xFE});
  cGame::setDataCursor(0);
  EXPECT_EQ(kIntArray(ints), (std::vector<int32_t>{0x12345678, -2}));
  EXPECT_EQ(cursor(), 12);
  ByteArray* shorts = ManagedBytes({0, 0, 0, 2, 0x80, 0x00, 0x00, 0x01, 0, 0, 0, 0});
  cGame::setDataCursor(0);
  EXPECT_EQ(kShortArray(shorts), (std::vector<int32_t>{-32768, 1}));
  EXPECT_EQ(kByteArray(shorts), std::vector<int32_t>{});  // a count of 0: an empty array
  EXPECT_EQ(cursor(), 12);
  EXPECT_FALSE(failed());
}

// What the builder writes reads back value for value, both orders in one array.
TEST_F(DataCursorTest, ReadsBackWhatTheBuilderWrites) {
  databuild::DataCursorWriter out;
  out.writeInt(-123456789);
  out.writeByteArray(std::vector<int32_t>{-128, 0, 127});
  out.writeShort(-300);
  out.writeShortArray(std::vector<int32_t>{-32768, 32767});
  out.writeByte(-7);
  out.writeIntArray(std::vector<int32_t>{INT32_MIN, INT32_MAX, 0});
  ByteArray* data = ManagedBytes(out.bytes());
  cGame::setDataCursor(0);
  EXPECT_EQ(cGame::readInt(data), -123456789);
  EXPECT_EQ(kByteArray(data), (std::vector<int32_t>{-128, 0, 127}));
  EXPECT_EQ(cGame::readShort(data), -300);
  EXPECT_EQ(kShortArray(data), (std::vector<int32_t>{-32768, 32767}));
  EXPECT_EQ(cGame::readByte(data), -7);
  EXPECT_EQ(kIntArray(data), (std::vector<int32_t>{INT32_MIN, INT32_MAX, 0}));
  EXPECT_EQ(cursor(), static_cast<int32_t>(out.bytes().size()));
  EXPECT_FALSE(failed());
}

// Missing bytes read as 0, the cursor moves on as far as the read asked, and the flag stays
// set, with one trace line, until a parser sets the cursor again.
TEST_F(DataCursorTest, ReadsPastEitherEndGiveZeroForTheMissingBytesAndFailOnce) {
  ByteArray* data = ManagedBytes({0x34, 0x12, 0x7F});
  TraceCapture trace;
  cGame::setDataCursor(1);
  EXPECT_EQ(cGame::readInt(data), 0x7F12);
  EXPECT_EQ(cursor(), 5);
  EXPECT_TRUE(failed());
  EXPECT_EQ(cGame::readShort(data), 0);
  EXPECT_EQ(cGame::readByte(data), 0);
  EXPECT_EQ(trace.lines().size(), 1u);
  cGame::setDataCursor(0);
  EXPECT_FALSE(failed());
  EXPECT_EQ(cGame::readShort(data), 0x1234);
  cGame::setDataCursor(-1);  // a cursor before the start: its byte is missing too
  EXPECT_EQ(cGame::readShort(data), 0x3400);
  EXPECT_TRUE(failed());
  EXPECT_EQ(trace.lines().size(), 2u);
  EXPECT_EQ(cGame::readInt(nullptr), 0);
  EXPECT_TRUE(failed());
}

// A count below 0, larger than the bytes left or cut off gives null and leaves the cursor at
// the end; a count that was read whole is named in the trace.
TEST_F(DataCursorTest, CountsTheBytesCannotHoldGiveNullAndMoveTheCursorToTheEnd) {
  struct Case {
    Bytes bytes;
    const CountedRead* read;
    const char* traced;  // nullptr: the count itself is cut off
  };
  const Case kCases[] = {
      {{0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4}, &kIntArray, "count -1"},
      {{0x7F, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4}, &kByteArray, "count 2147483647"},
      {{0x40, 0, 0, 0, 1, 2, 3, 4}, &kIntArray, "count 1073741824"},  // 4 x count wraps to 0
      {{0, 0, 0, 3, 0, 0, 0, 1, 0, 0, 0, 2}, &kIntArray, "count 3"},  // one too many
      {{0, 0, 0, 3, 0, 1, 0, 2}, &kShortArray, "count 3"},
      {{0, 0, 0, 5, 1, 2, 3, 4}, &kByteArray, "count 5"},
      {{0, 0}, &kByteArray, nullptr},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.traced ? c.traced : "cut count");
    ByteArray* data = ManagedBytes(c.bytes);
    cGame::setDataCursor(0);
    TraceCapture trace;
    EXPECT_EQ((*c.read)(data), std::nullopt);
    EXPECT_EQ(cursor(), static_cast<int32_t>(c.bytes.size()));
    EXPECT_TRUE(failed());
    ASSERT_EQ(trace.lines().size(), 1u);
    if (c.traced) {
      EXPECT_NE(trace.lines()[0].find(c.traced), std::string::npos) << trace.lines()[0];
    }
  }
}

}  // namespace
