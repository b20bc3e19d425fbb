// The collision grid over the real static block (61 x 101 cells of 8 px on 480 x 800): a
// shared cell, filing at the screen's edges, clipped query windows, a full query list and the
// nearness test's radius.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "game/board/bubble.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "tests/support/library_fixture.h"

namespace {

constexpr int32_t kPx = 1 << 16;

class BubbleGridTest : public LibraryTest {
 protected:
  void SetUp() override {
    LibraryTest::SetUp();
    s = Statics<GameStatics>();
    Bubble::fillPool();
  }
  // A bubble in play in bunch 0 at (x, y) in 16.16.
  static Bubble* Member(int32_t x, int32_t y) {
    Bubble* bubble = Bubble::allocate();
    bubble->bunch = 0;
    bubble->x = x;
    bubble->y = y;
    return bubble;
  }
  std::vector<Bubble*> Near() const {
    std::vector<Bubble*> found;
    for (int32_t i = 0; i < s->Bubble_nearBubbleCount; i++) {
      found.push_back(static_cast<Bubble*>(s->Bubble_nearBubbles->elements()[i]));
    }
    return found;
  }
  static std::tuple<int32_t, int32_t> Filed(const Bubble* b) { return {b->gridCol, b->gridRow}; }

  GameStatics* s = nullptr;
};

// Both centres lie in cell (12, 12); removing the earlier one must not unfile the later.
TEST_F(BubbleGridTest, TwoBubblesInOneCellTheLaterIsFoundAndStaysFiled) {
  Bubble* earlier = Member(100 * kPx, 100 * kPx);
  Bubble* later = Member(103 * kPx, 101 * kPx);
  Bubble::rebuildGrid();
  ASSERT_TRUE(Bubble::queryGrid(12, 12, 1));
  EXPECT_EQ(Near(), std::vector<Bubble*>{later});
  EXPECT_EQ(Filed(earlier), std::make_tuple(12, 12));
  earlier->removeFromGrid();
  EXPECT_EQ(Filed(earlier), std::make_tuple(-1, -1));
  EXPECT_EQ(Near().size(), 1u);
  ASSERT_TRUE(Bubble::queryGrid(12, 12, 1));
  EXPECT_EQ(Near(), std::vector<Bubble*>{later});

  // The same when the earlier one moves on by itself.
  Bubble::rebuildGrid();
  earlier->x = 200 * kPx;
  earlier->updateGridCell();
  EXPECT_EQ(Filed(earlier), std::make_tuple(25, 12));
  ASSERT_TRUE(Bubble::queryGrid(12, 12, 1));
  EXPECT_EQ(Near(), std::vector<Bubble*>{later});
}

TEST_F(BubbleGridTest, FilingAtTheScreensEdges) {
  struct Case {
    int32_t x, y;
    std::tuple<int32_t, int32_t> byUpdate, byRebuild;
  };
  const Case kCases[] = {
      {0, 100 * kPx, {-1, -1}, {0, 12}},  // x = 0 needs x > 0 to be filed by its mover
      {-1 * kPx, 100 * kPx, {-1, -1}, {-1, -1}},
      {100 * kPx, -1, {-1, -1}, {-1, -1}},
      {480 * kPx, 800 * kPx, {60, 100}, {60, 100}},  // the grid's last cell
      {488 * kPx, 100 * kPx, {-1, -1}, {-1, -1}},
      {100 * kPx, 808 * kPx, {-1, -1}, {-1, -1}},
  };
  for (const Case& c : kCases) {
    Bubble::resetPool();
    Bubble* bubble = Member(c.x, c.y);
    bubble->updateGridCell();
    EXPECT_EQ(Filed(bubble), c.byUpdate) << c.x << ", " << c.y;
    Bubble::rebuildGrid();
    EXPECT_EQ(Filed(bubble), c.byRebuild) << c.x << ", " << c.y;
    const bool filed = std::get<0>(c.byRebuild) >= 0;
    EXPECT_EQ(Bubble::queryGridAt(c.x, c.y, 1), filed) << c.x << ", " << c.y;
  }
}

TEST_F(BubbleGridTest, OnlyBubblesOfABunchAreFiled) {
  Bubble* shot = Member(100 * kPx, 100 * kPx);
  shot->bunch = Bubble::kFlyingShot;
  Bubble* loose = Member(200 * kPx, 100 * kPx);
  loose->bunch = Bubble::kLoose;
  shot->updateGridCell();
  Bubble::rebuildGrid();
  EXPECT_EQ(Filed(shot), std::make_tuple(-1, -1));
  EXPECT_EQ(Filed(loose), std::make_tuple(-1, -1));
  EXPECT_FALSE(Bubble::queryGrid(30, 50, 122));
  // A filed bubble that leaves its bunch is taken off by its next update.
  Bubble* member = Member(300 * kPx, 100 * kPx);
  member->updateGridCell();
  ASSERT_EQ(Filed(member), std::make_tuple(37, 12));
  member->bunch = Bubble::kLoose;
  member->updateGridCell();
  EXPECT_EQ(Filed(member), std::make_tuple(-1, -1));
  EXPECT_FALSE(Bubble::queryGrid(37, 12, 1));
}

// One bubble in each corner cell; a window of size 8 around each corner is clipped to 4 x 4
// cells inside the grid and finds that corner's bubble only.
TEST_F(BubbleGridTest, QueriesAtTheCornersClipTheirWindows) {
  struct Corner {
    int32_t gx, gy;
  };
  const Corner kCorners[] = {{0, 0}, {60, 0}, {0, 100}, {60, 100}};
  std::vector<Bubble*> bubbles;
  for (const Corner& c : kCorners)
    bubbles.push_back(Member((c.gx * 8 + 1) * kPx, (c.gy * 8 + 1) * kPx));
  Bubble::rebuildGrid();
  for (size_t i = 0; i < bubbles.size(); i++) {
    ASSERT_TRUE(Bubble::queryGrid(kCorners[i].gx, kCorners[i].gy, 8)) << i;
    EXPECT_EQ(Near(), std::vector<Bubble*>{bubbles[i]}) << i;
  }
  EXPECT_FALSE(Bubble::queryGrid(-4, -4, 8)) << "the window reaches no cell";
  ASSERT_TRUE(Bubble::queryGrid(-3, -3, 8));
  EXPECT_FALSE(Bubble::queryGrid(65, 105, 8));
  ASSERT_TRUE(Bubble::queryGrid(64, 104, 8));
  EXPECT_EQ(Near(), std::vector<Bubble*>{bubbles[3]});
}

// 64 bubbles fill an 8 x 8 window cell by cell (closer than play ever packs them): the list
// stops at 25, column by column, and the count is the number stored.
TEST_F(BubbleGridTest, AFullWindowStoresTwentyFiveAndCountsThem) {
  std::vector<Bubble*> byColumn;
  for (int32_t gx = 16; gx < 24; gx++) {
    for (int32_t gy = 36; gy < 44; gy++) byColumn.push_back(Member(gx * 8 * kPx, gy * 8 * kPx));
  }
  Bubble::rebuildGrid();
  ASSERT_TRUE(Bubble::queryGrid(20, 40, 8));
  EXPECT_EQ(s->Bubble_nearBubbleCount, 25);
  EXPECT_EQ(Near(), std::vector<Bubble*>(byColumn.begin(), byColumn.begin() + 25));
  ASSERT_TRUE(Bubble::queryGridAt(20 * 8 * kPx, 40 * 8 * kPx, 4));
  EXPECT_EQ(s->Bubble_nearBubbleCount, 16) << "size 4 covers 32 x 32 px";
}

TEST_F(BubbleGridTest, NearnessIncludesTheRadiusItself) {
  Member(100 * kPx, 100 * kPx);
  Bubble::rebuildGrid();
  struct Case {
    int32_t x, y;
    bool near;
  };
  const Case kCases[] = {
      {118 * kPx, 100 * kPx, true}, {118 * kPx + 1, 100 * kPx, false},
      {110 * kPx, 92 * kPx, true},  {110 * kPx, 92 * kPx - 1, false},
      {100 * kPx, 100 * kPx, true}, {140 * kPx, 100 * kPx, false},
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(Bubble::isAnyNear(c.x, c.y, 18), c.near) << c.x << ", " << c.y;
  }
  Bubble::clearGrid();
  EXPECT_FALSE(Bubble::isAnyNear(100 * kPx, 100 * kPx, 18)) << "a cleared grid finds nothing";
}

}  // namespace
