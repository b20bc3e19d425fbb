// The board survey over real bunches and shots: colour counts and the shootable mask, the band
// counts at their edges, the topmost bubble, shots in flight, the danger line and the last
// pending pop's event; and the cells beside a bubble that may take one.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "runtime/array.h"
#include "tests/game/board/motion_fixture.h"

namespace {

class BoardSurveyTest : public MotionTest {
 protected:
  void SetUp() override {
    MotionTest::SetUp();
    s->cGame_bandY25 = 200 * kPx;
    s->cGame_bandY50 = 300 * kPx;
    s->cGame_bandY75 = 400 * kPx;
  }
  std::vector<int32_t> Bands() const {
    return {s->cGame_bandCount0, s->cGame_bandCount1, s->cGame_bandCount2, s->cGame_bandCount3};
  }
  std::vector<int32_t> Counts() const {
    IntArray* c = s->Bubble_colourCountTable;
    return std::vector<int32_t>(c->elements(), c->elements() + 7);
  }
  // A bunch of one bubble (colour, at its core) centred at (x, y) px in slot b.
  Bubble* Single(int32_t b, int32_t x, int32_t y, int32_t colour = 0) {
    Placed(b, 0, x, y);
    return Attached(b, 0, 0, colour);
  }
};

TEST_F(BoardSurveyTest, AnEmptyBoardLeavesTheTopAt800AndEveryCountAtZero) {
  s->cGame_allOnRowZero = 0;
  s->cGame_bandCount2 = 9;
  s->cGame_boardColourMask = 5;
  cGame::evaluateBoardRows();
  EXPECT_EQ(s->cGame_boardTopY, 800);
  EXPECT_EQ(s->cGame_allOnRowZero, 1);
  EXPECT_EQ(Bands(), std::vector<int32_t>(4, 0));
  EXPECT_EQ(Counts(), std::vector<int32_t>(7, 0));
  EXPECT_EQ(std::make_tuple(s->cGame_boardColourMask, s->cGame_bandScore, s->cGame_belowBandCount,
                            s->cGame_hudTimerBlink, s->cGame_shotInFlight),
            std::make_tuple(0, 0, 0, int8_t{0}, int8_t{0}));
}

// A bubble's bottom is 18 px below its centre; a band holds the bottoms above its lower edge.
TEST_F(BoardSurveyTest, BandsCountEachBubbleByItsBottom) {
  struct Case {
    int32_t y;  // the bubble's centre, px
    int32_t band;
  };
  const Case kCases[] = {{181, 0}, {182, 1}, {281, 1}, {282, 2}, {381, 2}, {382, 3}, {600, 3}};
  for (const Case& c : kCases) {
    cGame::clearAllBunches();
    Bubble::resetPool();
    Single(0, 240, c.y);
    cGame::evaluateBoardRows();
    std::vector<int32_t> expected(4, 0);
    expected[c.band] = 1;
    EXPECT_EQ(Bands(), expected) << c.y;
    EXPECT_EQ(s->cGame_bandScore, 1 << c.band) << c.y;
    EXPECT_EQ(s->cGame_boardTopY, c.y);
  }
}

TEST_F(BoardSurveyTest, ColoursShotsTheTopAndTheDangerLine) {
  Single(0, 240, 300, 2);
  Attached(0, 1, 0, 2)->popTimer = 80;  // counted, not shootable
  Attached(0, 2, 0, 3, Bubble::kIndestructible);
  Attached(0, 0, 1, 9);  // a special: no colour count
  Single(1, 100, 150, 4);
  s->cGame_levelKind() = 2;
  s->cGame_noShotSeen = 1;
  cGame::evaluateBoardRows();
  EXPECT_EQ(Counts(), std::vector<int32_t>({0, 0, 2, 1, 1, 0, 0}));
  EXPECT_EQ(s->cGame_boardColourMask, (1 << 2) | (1 << 4));
  EXPECT_EQ(s->cGame_allOnRowZero, 0) << "a bubble on row 1";
  EXPECT_EQ(s->cGame_boardTopY, 150);
  EXPECT_EQ(std::make_tuple(s->cGame_shotInFlight, s->cGame_lessonShotFired, s->cGame_noShotSeen),
            std::make_tuple(int8_t{0}, int8_t{0}, int8_t{0}));
  EXPECT_EQ(s->cGame_pendingPopCount, 1);
  EXPECT_EQ(s->cGame_hudTimerBlink, 0);
  // A shot in a lesson level; a bubble reaching past the danger line at 700 px (682 + 18 is
  // not past it, 683 + 18 is).
  Bubble* shot = Bubble::allocate();
  shot->bunch = Bubble::kFlyingShot;
  shot->colour = 5;
  s->cGame_noShotSeen = 1;
  Single(2, 240, 682);
  cGame::evaluateBoardRows();
  EXPECT_EQ(std::make_tuple(s->cGame_shotInFlight, s->cGame_lessonShotFired, s->cGame_noShotSeen),
            std::make_tuple(int8_t{1}, int8_t{1}, int8_t{1}));
  EXPECT_EQ(Counts()[5], 1) << "a shot's colour is counted too";
  EXPECT_EQ(std::make_tuple(s->cGame_hudTimerBlink, s->cGame_belowBandCount),
            std::make_tuple(int8_t{0}, 0));
  EXPECT_EQ(s->cGame_bandBottomY, 700 * kPx);
  Single(3, 300, 683);
  cGame::evaluateBoardRows();
  EXPECT_EQ(std::make_tuple(s->cGame_hudTimerBlink, s->cGame_belowBandCount),
            std::make_tuple(int8_t{1}, 1));
}

TEST_F(BoardSurveyTest, TheLastPendingPopPostsEvent31Once) {
  Bubble* a = Single(0, 240, 300);
  Bubble* b = Attached(0, 1, 0);
  a->popTimer = 30, b->popTimer = 60;
  std::vector<int32_t> posted;
  for (int32_t frame = 0; frame < 4; frame++) {
    if (frame == 1) a->popTimer = -1;
    if (frame == 2) b->popTimer = -1;
    s->cGame_eventCount = 0;
    cGame::evaluateBoardRows();
    posted.push_back(s->cGame_eventCount);
  }
  EXPECT_EQ(posted, std::vector<int32_t>({0, 0, 1, 0}));
  s->cGame_eventCount = 0;
  a->popTimer = 5;
  cGame::evaluateBoardRows();
  a->popTimer = -1;
  cGame::evaluateBoardRows();
  EXPECT_EQ(Events(), std::vector<int32_t>({31}));
}

// A bunch centred at (240, 300) px: its core's neighbour cells lie right (277, 300), down-right
// (258, 333), down-left (221, 333), left (203, 300), up-left (221, 267) and up-right (258, 267).
TEST_F(BoardSurveyTest, ANeighbourCellMayTakeABubbleOnlyInsideThePlayArea) {
  struct Case {
    int32_t type, x, y, d;
    bool ignoreAimLine, expected;
  };
  const Case kCases[] = {
      {0, 240, 300, 0, false, true},   {0, 240, 300, 1, false, true},
      {0, 240, 300, 5, false, false},  // above the bunch's centre
      {0, 240, 300, 4, false, false},  {5, 240, 300, 0, false, false},
      {7, 240, 300, 1, false, false},  {0, 240, 300, 6, false, false},
      {0, 240, 300, -1, false, false}, {0, 240, 690, 1, false, false},  // 723 is past the line
      {0, 240, 690, 1, true, true},    {0, 240, 690, 0, false, true},
      {0, 450, 300, 0, false, false},  // 487 px: past the right wall at 462
      {0, 30, 300, 3, false, false},   {0, 60, 300, 3, false, true},
      {0, 240, 40, 0, false, false},  // 40 px: above the play area's top at 60
      {0, 240, 60, 0, false, true},    {14, 240, 300, 1, false, true},
  };
  for (const Case& c : kCases) {
    cGame::clearAllBunches();
    Bubble::resetPool();
    Bubble* core = Single(0, c.x, c.y);
    Bunch(0)->type = c.type;
    EXPECT_EQ(cGame::canPlaceNeighbour(core, c.d, c.ignoreAimLine), c.expected)
        << c.type << " at (" << c.x << ", " << c.y << ") side " << c.d;
  }
}

TEST_F(BoardSurveyTest, AWallBunchRefusesRowZeroAndCellsNearAnotherBubble) {
  Placed(0, 14, 240, 300);
  Attached(0, 0, 0);
  Bubble* side = Attached(0, 1, 1);  // row 1: its down-left cell (1, 0) lies on row 0
  EXPECT_FALSE(cGame::canPlaceNeighbour(side, 2, false)) << "(1, 0) lies on row 0";
  Bunch(0)->type = 0;
  EXPECT_TRUE(cGame::canPlaceNeighbour(side, 2, false));
  Bunch(0)->type = 14;
  // Down-right of the core is (1, -1) at (258, 333): free until another bunch's bubble sits
  // within 18 px of it.
  Bubble* core = Bunch(0)->core;
  Bubble::rebuildGrid();
  EXPECT_TRUE(cGame::canPlaceNeighbour(core, 1, false));
  Single(1, 262, 340);
  Bubble::rebuildGrid();
  EXPECT_FALSE(cGame::canPlaceNeighbour(core, 1, false));
  // A falling bubble or one of a slot outside the table has no bunch to ask.
  for (int32_t bunch : {-2, -1, 10}) {
    core->bunch = bunch;
    EXPECT_FALSE(cGame::canPlaceNeighbour(core, 1, false)) << bunch;
  }
}

}  // namespace
