#include "tools/databuild/big_endian_writer.h"

#include <gtest/gtest.h>

namespace databuild {
namespace {

TEST(BigEndianWriterTest, WritesTheMostSignificantByteFirst) {
  BigEndianWriter out;
  out.writeU8(0x7F);
  out.writeU16(0x1234);
  out.writeI32(-2);
  out.writeI32(0x01020304);
  out.writeBytes(std::vector<uint8_t>{0xAA, 0xBB});
  EXPECT_EQ(out.bytes(), (std::vector<uint8_t>{0x7F, 0x12, 0x34, 0xFF, 0xFF, 0xFF, 0xFE, 1, 2, 3, 4,
                                               0xAA, 0xBB}));
}

}  // namespace
}  // namespace databuild
