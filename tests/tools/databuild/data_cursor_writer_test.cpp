// The data-cursor writer: single values little-endian, counted arrays big-endian behind a
// big-endian count, and values that their width cannot hold refused.
#include "tools/databuild/data_cursor_writer.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "tools/databuild/build_error.h"

namespace databuild {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(DataCursorWriterTest, SinglesAreLittleEndianAndCountedArraysBigEndian) {
  DataCursorWriter out;
  out.writeByte(-1);
  out.writeShort(0x1234);
  out.writeInt(-2);
  out.writeIntArray(std::vector<int32_t>{0x01020304, -1});
  out.writeShortArray(std::vector<int32_t>{0x0506, 0xFFFF});
  out.writeByteArray(std::vector<int32_t>{-128, 255});
  out.writeByteArray({});
  const Bytes expected = {0xFF,                    // byte
                          0x34, 0x12,              // short
                          0xFE, 0xFF, 0xFF, 0xFF,  // int
                          0,    0,    0,    2,    1,    2,    3,    4,
                          0xFF, 0xFF, 0xFF, 0xFF,                          // int[2]
                          0,    0,    0,    2,    5,    6,    0xFF, 0xFF,  // short[2]
                          0,    0,    0,    2,    0x80, 0xFF,              // byte[2]
                          0,    0,    0,    0};                            // byte[0]
  EXPECT_EQ(out.bytes(), expected);
}

TEST(DataCursorWriterTest, RefusesValuesOutsideTheirWidth) {
  const std::function<void(DataCursorWriter&)> kBad[] = {
      [](DataCursorWriter& out) { out.writeByte(256); },
      [](DataCursorWriter& out) { out.writeByte(-129); },
      [](DataCursorWriter& out) { out.writeShort(65536); },
      [](DataCursorWriter& out) { out.writeShort(-32769); },
      [](DataCursorWriter& out) {
        out.writeShortArray(std::vector<int32_t>{0, 70000});
      },
      [](DataCursorWriter& out) { out.writeByteArray(std::vector<int32_t>{300}); },
  };
  for (const auto& write : kBad) {
    DataCursorWriter out;
    EXPECT_THROW(write(out), BuildError);
  }
}

}  // namespace
}  // namespace databuild
