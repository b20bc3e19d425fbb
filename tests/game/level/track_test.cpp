// Level type 8's track: the chain laid out from the scroll, a lap of scroll changing nothing,
// a gap closing once the chain has caught up, and the proximity flood at its 49-pixel reach.
#include <gtest/gtest.h>

#include <vector>

#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "tests/game/board/bunch_fixture.h"
#include "tests/support/array_values.h"

namespace {

constexpr int32_t kCell = 1 << 16;
constexpr int32_t kQuarter = 51471;
constexpr int32_t kThird = 21845;

class TrackTest : public BunchTest {
 protected:
  // The bunches turn with the 8.8 cosine table, loaded as the game loads it.
  void SetUp() override {
    BunchTest::SetUp();
    PlantDataSetPacks();
    cGame::loadFixedPointTables();
  }
  // A closed loop: two cells right, a turn down, two cells down, a turn left, two cells left,
  // a turn up, two cells up and a turn right, with the chain of `entries` single bubbles.
  void Loop(int32_t entries) {
    const std::vector<int32_t> kinds = {0, 0, 5, 1, 1, 6, 2, 2, 7, 3, 3, 4};
    s->cGame_trackSegments = NewByteArray(static_cast<int32_t>(kinds.size()));
    s->cGame_trackLength = 0;
    for (size_t i = 0; i < kinds.size(); i++) {
      ByteArray::set(s->cGame_trackSegments, static_cast<int32_t>(i), kinds[i]);
      s->cGame_trackLength += kinds[i] >= 4 ? kQuarter : kCell;
    }
    s->cGame_trackStartX = 100 * kPx;
    s->cGame_trackStartY = 200 * kPx;
    s->cGame_chainCount = entries;
    s->cGame_chainEntryBunch = NewIntArray(entries);
    s->cGame_chainDistance = NewIntArray(entries);
    for (int32_t k = 0; k < entries; k++) {
      IntArray::set(s->cGame_chainEntryBunch, k, k);
      Placed(k, 14, 0, 0);
      Attached(k, 0, 0, k % 3);
    }
    s->cGame_trackScroll = 0;
    s->cGame_trackStep = 0;
  }
  struct Pose {
    int32_t x, y, angle;
    bool operator==(const Pose&) const = default;
  };
  std::vector<Pose> Poses() const {
    std::vector<Pose> poses;
    for (int32_t k = 0; k < s->cGame_chainCount; k++) {
      const cGame_CBubbleBunch* b = Bunch(IntArray::get(s->cGame_chainEntryBunch, k));
      poses.push_back({b->centreX, b->centreY, b->angle});
    }
    return poses;
  }
  std::vector<int32_t> Distances() const { return ValuesOf<IntArray>(s->cGame_chainDistance); }
};

TEST_F(TrackTest, EntriesAreAThirdOfACellApartAndALapChangesNothing) {
  Loop(4);
  cGame::layoutTrackBunches();
  EXPECT_EQ(Distances(), (std::vector<int32_t>{0, kThird, 2 * kThird, 3 * kThird}));
  const std::vector<Pose> atZero = Poses();
  s->cGame_trackScroll = s->cGame_trackLength;
  cGame::layoutTrackBunches();
  EXPECT_EQ(Poses(), atZero);
  EXPECT_EQ(Distances(), (std::vector<int32_t>{0, kThird, 2 * kThird, 3 * kThird}));
  // Past the end of the loop an entry's distance starts again from 0.
  s->cGame_trackScroll = s->cGame_trackLength - kThird;
  cGame::layoutTrackBunches();
  EXPECT_EQ(Distances(),
            (std::vector<int32_t>{s->cGame_trackLength - kThird, 0, kThird, 2 * kThird}));
  EXPECT_EQ(Poses()[1], atZero[0]);
}

// Angles: 8.8 degrees of the turn so far plus the part of the current turn, toward zero; a
// turn to the left (kinds 8 to 11) counts down from 360.
TEST_F(TrackTest, TheAngleFollowsTheTurnsOfTheTrack) {
  Loop(1);
  struct Case {
    int32_t scroll, angle;
  };
  const int32_t intoTurn = 2 * kCell;  // the first turn starts after two cells
  for (const Case c : {Case{0, 0}, Case{kCell, 0}, Case{intoTurn + kQuarter / 2, 44 << 8},
                       Case{intoTurn + kQuarter, 90 << 8},
                       Case{2 * intoTurn + kQuarter + kQuarter / 2, 134 << 8}}) {
    s->cGame_trackScroll = c.scroll;
    cGame::layoutTrackBunches();
    EXPECT_EQ(Bunch(0)->angle, c.angle) << c.scroll;
  }
  ByteArray::set(s->cGame_trackSegments, 0, 10);  // a left turn first
  s->cGame_trackScroll = kQuarter / 2;
  cGame::layoutTrackBunches();
  EXPECT_EQ(Bunch(0)->angle, (360 - 44) << 8);  // -44.6 degrees, toward zero
}

// The entries behind an emptied bunch wait where they are; the gap goes once the chain ahead
// of it has moved up by the gap's length (less this frame's step).
TEST_F(TrackTest, AnEmptiedBunchStaysAGapUntilTheChainCatchesUp) {
  Loop(4);
  cGame::layoutTrackBunches();
  cGame::removeBunchBubbles(1);
  const std::vector<Pose> before = Poses();
  s->cGame_trackStep = 2000;
  for (int32_t frame = 1; frame <= 10; frame++) {
    s->cGame_trackScroll += s->cGame_trackStep;
    cGame::layoutTrackBunches();
    if (frame < 10) {
      ASSERT_EQ(s->cGame_chainCount, 4) << frame;
      EXPECT_EQ(Poses()[2], before[2]) << frame;
      EXPECT_EQ(Poses()[3], before[3]) << frame;
    }
  }
  // 10 steps of 2000 cover the third of a cell less one step: entries 2 and 3 move down.
  EXPECT_EQ(s->cGame_chainCount, 3);
  EXPECT_EQ(IntArray::get(s->cGame_chainEntryBunch, 1), 2);
  EXPECT_EQ(IntArray::get(s->cGame_chainEntryBunch, 2), 3);
  EXPECT_EQ(IntArray::get(s->cGame_chainDistance, 1), 2 * kThird);
}

TEST_F(TrackTest, EmptiedEntriesAtTheHeadAreSkipped) {
  Loop(3);
  cGame::removeBunchBubbles(0);
  cGame::layoutTrackBunches();
  EXPECT_EQ(s->cGame_chainCount, 3);
  EXPECT_EQ(Distances(), (std::vector<int32_t>{0, kThird, 2 * kThird}));
}

TEST_F(TrackTest, ATrackWithoutSegmentsLaysNothingOut) {
  Loop(2);
  cGame::layoutTrackBunches();
  const std::vector<Pose> before = Poses();
  s->cGame_trackScroll = 5 * kCell;
  s->cGame_trackLength = 0;
  cGame::layoutTrackBunches();
  EXPECT_EQ(Poses(), before);
  s->cGame_trackLength = kCell;
  s->cGame_trackSegments = NewByteArray(0);
  cGame::layoutTrackBunches();
  s->cGame_trackSegments = nullptr;
  cGame::layoutTrackBunches();
  EXPECT_EQ(Poses(), before);
}

// ---- The proximity flood ---------------------------------------------------------------

class FloodTest : public BunchTest {
 protected:
  static Bubble* At(int32_t x, int32_t y, int32_t colour, int32_t flags = 0) {
    Bubble* b = Bubble::allocate();
    b->colour = colour;
    b->flags |= flags;
    b->x = x * kPx;
    b->y = y * kPx;
    return b;
  }
};

TEST_F(FloodTest, SameKindBubblesCloserThan49PixelsJoinTheFlood) {
  Bubble* a = At(100, 100, 2);
  Bubble* near = At(149, 100, 2);      // 49 px: joined
  Bubble* beyond = At(199, 100, 2);    // 50 px from the last: not
  Bubble* diagonal = At(76, 134, 2);   // 24^2 + 34^2 = 1732 from a, far from near
  Bubble* corner = At(184, 135, 2);    // 35^2 + 35^2 = 2450 from near: not
  Bubble* other = At(100, 140, 3);
  Bubble* hard = At(100, 60, 2, Bubble::kIndestructible);
  Bubble* dead = At(130, 70, 2, Bubble::kDead);  // near a, but leaving
  s->cGame_floodSerial = 0;
  EXPECT_EQ(cGame::floodMarkBunch(a, 0, 2), 3);
  for (Bubble* b : {a, near, diagonal}) EXPECT_TRUE(b->flags & Bubble::kVisited);
  for (Bubble* b : {beyond, corner, other, hard, dead}) EXPECT_FALSE(b->flags & Bubble::kVisited);
  EXPECT_EQ(a->floodDepth, 0);
  EXPECT_EQ(a->floodOrder, 0);
  EXPECT_EQ(near->floodDepth, 1);
  EXPECT_EQ(near->floodOrder, 1);
  EXPECT_EQ(diagonal->floodOrder, 2);
  EXPECT_EQ(diagonal->floodDepth, 1);
  EXPECT_EQ(s->cGame_floodSerial, 3);
  EXPECT_EQ(cGame::floodMarkBunch(nullptr, 0, 2), 0);
}

// 40 ms frames: the step is frameTime x speed / 1000; the scroll stays inside the loop going
// either way, and without a track it rests at 0.
TEST_F(TrackTest, TheScrollWrapsBothWays) {
  Loop(2);
  s->cGame_levelType = 8;
  const int32_t L = s->cGame_trackLength;
  struct Case {
    const char* what;
    int32_t length, speed, from;
    int32_t step, to;
  };
  const Case kCases[] = {
      {"forward", L, 100000, 7, 4000, 4007},
      {"forward past the end", L, 100000, L - 1000, 4000, 3000},
      {"backward", L, -100000, 9000, -4000, 5000},
      {"backward past the start", L, -100000, 1000, -4000, L - 3000},
      {"backward onto the start", L, -100000, 4000, -4000, 0},
      {"several laps back at once", L, -100000 * 20, 0, -80000, (L - 80000 % L) % L},
      {"no track", 0, -100000, 1234, -4000, 0},
  };
  s->cGame_frameTime = 40;
  for (const Case& c : kCases) {
    s->cGame_trackLength = c.length;
    s->cGame_trackSpeed = c.speed;
    s->cGame_trackScroll = c.from;
    cGame::updateLevelType8();
    EXPECT_EQ(std::make_pair(s->cGame_trackStep, s->cGame_trackScroll),
              std::make_pair(c.step, c.to))
        << c.what;
  }
}

// The win is posted in the first frame in which no bunch holds bubbles, not before, not in
// another level type, and not once the level is over.
TEST_F(TrackTest, TheTrackLevelIsWonOnceNoBunchHoldsBubbles) {
  Loop(3);
  s->cGame_trackSpeed = 0;
  s->cGame_frameTime = 40;
  auto wins = [&] {
    int32_t n = 0;
    for (int32_t i = 0; i < s->cGame_eventCount; i++)
      n += IntArray::get(s->cGame_eventQueue, i) == 50;
    return n;
  };
  struct Case {
    int32_t levelType;
    bool over;
    int32_t emptied;  // bunches emptied before the frame
    int32_t wins;
  };
  const Case kCases[] = {{8, false, 2, 0}, {8, false, 3, 1}, {7, false, 3, 0}, {8, true, 3, 0}};
  for (const Case& c : kCases) {
    Loop(3);
    s->cGame_eventCount = 0;
    s->cGame_levelType = c.levelType;
    s->cGame_levelOver = c.over;
    for (int32_t b = 0; b < c.emptied; b++) cGame::clearBunch(b, true);
    cGame::updateLevelType8();
    EXPECT_EQ(wins(), c.wins) << c.levelType << " " << c.over << " " << c.emptied;
  }
}

}  // namespace
