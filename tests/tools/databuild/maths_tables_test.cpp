// The fixed-point tables of the data set: their lengths, the values at the quarter turns and
// the ends, and the one arc tangent that a signed byte cannot hold.
#include "tools/databuild/maths_tables.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace databuild {
namespace {

TEST(MathsTablesTest, TablesHaveTheirLengthsAndEndValues) {
  struct Case {
    const char* name;
    std::vector<int32_t> table;
    size_t length;
    int32_t first, last;
  };
  const Case kCases[] = {
      {"cosine", FixedCosineTable(), 65, 256, 0},             // cos 0 = 1, cos of a quarter = 0
      {"square root", FixedSquareRootTable(), 256, 0, 4088},  // 256 sqrt(255) = 4088.0
      {"sine", SineQuarterTable(), 256, 0, 65535},            // sin(2 pi 255 / 1024) = 0.99998
      {"arc tangent", ArcTangentTable(), 256, 0, 127},        // 128 stored as 127
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(c.table.size(), c.length);
    EXPECT_EQ(c.table.front(), c.first);
    EXPECT_EQ(c.table.back(), c.last);
  }
  EXPECT_EQ(FixedSquareRootTable()[64], 2048);
  EXPECT_EQ(SineQuarterTable()[128], 46341);  // 65536 sin(pi / 4)
  EXPECT_EQ(ArcTangentTable()[254], 127);     // round(127.8)
}

TEST(MathsTablesTest, CosinesFallAndTheOtherTablesRise) {
  const std::vector<int32_t> cosine = FixedCosineTable();
  EXPECT_TRUE(std::is_sorted(cosine.rbegin(), cosine.rend()));
  for (const std::vector<int32_t>& rising :
       {FixedSquareRootTable(), SineQuarterTable(), ArcTangentTable()}) {
    EXPECT_TRUE(std::is_sorted(rising.begin(), rising.end()));
  }
}

// Counts are big-endian ints; byte arrays hold one byte an entry (-1 is 0xFF).
TEST(MathsTablesTest, EntryZeroHoldsTheDirectionTablesAmongEmptyOnesAndEntryOneTheAngleTables) {
  std::vector<uint8_t> board(3 * 4, 0);
  for (const std::vector<uint8_t>& table :
       {std::vector<uint8_t>{1, 1, 0, 0xFF, 0xFF, 0}, std::vector<uint8_t>{0, 0xFF, 0xFF, 0, 1, 1},
        std::vector<uint8_t>{3, 4, 5, 0, 1, 2}}) {
    board.insert(board.end(), {0, 0, 0, 6});
    board.insert(board.end(), table.begin(), table.end());
  }
  board.resize(board.size() + 2 * 4, 0);
  EXPECT_EQ(WriteBoardTables(), board);
  const std::vector<uint8_t> angles = WriteAngleTables();
  ASSERT_EQ(angles.size(), 4 + 256 * 4 + 4 + 256u);
  EXPECT_EQ(std::vector<uint8_t>(angles.begin(), angles.begin() + 4),
            (std::vector<uint8_t>{0, 0, 1, 0}));  // the big-endian count 256
  EXPECT_EQ(angles[4 + 4 * 255 + 2], 0xFF);       // 65535 = 00 00 FF FF
  EXPECT_EQ(angles.back(), 127);
}

}  // namespace
}  // namespace databuild
