#include "runtime/block_map.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace {

// Positions chosen to sit at word and summary-word edges (64 bits per word, 4096 per
// summary word) and far apart.
TEST(BlockMapTest, FindsTheNearestSetBitBelowAcrossLongClearStretches) {
  BlockMap map(1 << 20);
  for (size_t bit : {0u, 63u, 64u, 4095u, 4096u, 300000u, 1048575u}) map.set(bit);
  struct Case {
    size_t at;
    size_t found;
  };
  const Case cases[] = {
      {0, 0},           {62, 0},           {63, 63},           {64, 64},
      {4094, 64},       {4095, 4095},      {4096, 4096},       {299999, 4096},
      {300000, 300000}, {1048574, 300000}, {1048575, 1048575},
  };
  for (const Case& c : cases) EXPECT_EQ(map.highestAtOrBelow(c.at), c.found) << c.at;
  EXPECT_EQ(map.count(), 7u);

  map.clear(4096);  // its word and its summary word become empty
  map.clear(4095);
  EXPECT_EQ(map.highestAtOrBelow(299999), 64u);
  map.clear(0);
  map.clear(63);
  map.clear(64);
  EXPECT_EQ(map.highestAtOrBelow(299999), BlockMap::kNone);
  EXPECT_FALSE(map.test(64));
  EXPECT_TRUE(map.test(300000));
}

TEST(BlockMapTest, AgreesWithASetOfBitsUnderRandomChanges) {
  constexpr size_t kBits = 50000;
  BlockMap map(kBits);
  std::set<size_t> model;
  std::mt19937 random(7);
  for (int step = 0; step < 20000; step++) {
    size_t bit = random() % kBits;
    bool on = random() % 3 != 0;
    map.setTo(bit, on);
    if (on) {
      model.insert(bit);
    } else {
      model.erase(bit);
    }
    size_t probe = random() % kBits;
    auto above = model.upper_bound(probe);
    size_t expected = above == model.begin() ? BlockMap::kNone : *std::prev(above);
    ASSERT_EQ(map.highestAtOrBelow(probe), expected) << "step " << step;
  }
  EXPECT_EQ(map.count(), model.size());
}

}  // namespace
