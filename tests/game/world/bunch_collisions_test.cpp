// Bunch against bunch on boards built with the real placement: the contact bits of boxes and of
// ropes (the centre's and a handle's), the bubble contact's limits, the one push of a pair, the
// falling row's merge, matches across two bunches (compound roots, pairs of two, indestructible
// partners, a match that touches again) and the anchor's cut.
#include <gtest/gtest.h>

#include <iterator>
#include <tuple>
#include <vector>

#include "game/board/actor.h"
#include "runtime/array.h"
#include "tests/game/board/motion_fixture.h"
#include "tests/game/board/rect_sprite.h"

namespace {

constexpr int32_t kTouched = 0x200000;
constexpr int32_t kPlaying = 9;
// Bunch types: 0 hangs on ropes; 6 has none and takes a push as a skipped spin step.
constexpr int32_t kHanging = 0;
constexpr int32_t kPlain = 6;
constexpr int32_t kFallingRow = 15;

class BunchCollisionsTest : public MotionTest {
 protected:
  void SetUp() override {
    MotionTest::SetUp();
    s->cGame_playPhase = kPlaying;
    s->cGame_rectScratch = NewIntArray(4);
  }
  // The world's order: the extents, then the collisions.
  static void Collide() {
    cGame::updateBunchExtents();
    cGame::collideBubbleBunches();
  }
  int8_t Contact(int32_t i, int32_t j) const {
    auto* row = static_cast<ByteArray*>(s->cGame_bunchContacts->elements()[i]);
    return row->elements()[j];
  }
  // The four entries of pair (i, j): [i][j], [j][i], [i][i], [j][j].
  std::tuple<int, int, int, int> Pair(int32_t i, int32_t j) const {
    return {Contact(i, j), Contact(j, i), Contact(i, i), Contact(j, j)};
  }
  static bool Pushed(int32_t b) { return Bunch(b)->skipSpin != 0; }
  static bool IsTouched(const Bubble* bubble) { return (bubble->flags & kTouched) != 0; }
};

// ---- Contacts and pushes --------------------------------------------------------------------

// Bunch 1's p at (200, 300), with a far member at (237, 366) that widens its box toward bunch
// 0's q, offset by (dx, dy) from p: the boxes (18 px beyond the members) overlap in every row;
// only bubbles closer than 47.5 px (Manhattan) and at most 38 px apart on each axis touch, and
// only touching bubbles push.
TEST_F(BunchCollisionsTest, BubblesTouchWithinTheManhattanAndAxisLimits) {
  struct Case {
    int32_t dx, dy;
    bool touch;
  };
  const Case kCases[] = {
      {37, 0, true},  {38, 0, true},   {39, 0, false},   {0, 38, true},   {0, 39, false},
      {24, 23, true}, {24, 24, false}, {-30, 30, false}, {-20, 27, true}, {-20, 28, false},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.dx << ", " << c.dy);
    cGame::clearAllBunches();
    Placed(1, kPlain, 200, 300);
    Placed(0, kPlain, 200 + c.dx, 300 + c.dy);
    Bubble* p = Attached(1, 0, 0);
    Attached(1, 2, -2);
    Bubble* q = Attached(0, 0, 0);
    Collide();
    EXPECT_EQ(Pair(1, 0), std::make_tuple(1, 1, 1, 1));
    EXPECT_EQ(std::make_tuple(Pushed(1), Pushed(0), IsTouched(p), IsTouched(q)),
              std::make_tuple(c.touch, c.touch, c.touch, c.touch));
  }
}

// A bunch alone, and two touching bunches in level type 8, see no contact at all; bunches
// whose boxes stay apart, and a bunch just beyond the top of a rope, leave the table clear.
TEST_F(BunchCollisionsTest, NothingCollidesAloneInLevelType8OrApart) {
  struct Case {
    const char* what;
    int32_t levelType;
    int32_t firstType;
    bool second;
    int32_t secondX, secondY;
  };
  const Case kCases[] = {
      {"one bunch alone", 0, kPlain, false, 0, 0},
      {"level type 8", 8, kPlain, true, 270, 300},
      {"boxes apart", 0, kPlain, true, 300, 300},
      {"99 px above a rope's foot", 0, kHanging, true, 200, 201},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    cGame::clearAllBunches();
    s->cGame_levelType = c.levelType;
    Placed(1, c.firstType, 200, 300);
    Attached(1, 0, 0);
    Bubble* p = Attached(1, 1, 0);  // (237, 300)
    if (c.second) {
      Placed(0, kPlain, c.secondX, c.secondY);
      Attached(0, 0, 0);
    }
    Collide();
    EXPECT_FALSE(Pushed(1));
    EXPECT_FALSE(Pushed(0));
    EXPECT_FALSE(IsTouched(p));
    if (c.levelType != 8) {
      EXPECT_EQ(Pair(1, 0), std::make_tuple(0, 0, 0, 0));
    }
  }
}

// A hanging bunch's rope rises 80 px from its centre (98 px for the bubble test) and passes
// through the other's box: bit 4 on the rope's side, bit 2 on the other's, whichever slot holds
// the rope. The bubble on the rope is touched and the rope's bunch is pushed straight away from
// it; a rope on a handle at column 2 counts from the handle's x.
TEST_F(BunchCollisionsTest, ARopeThroughAnotherBunchSetsBits4And2AndPushesOffTheRope) {
  struct Case {
    const char* what;
    int32_t rope, other;  // slots
    bool handle;          // the rope hangs on a handle at column 2 (x 274) instead
    int32_t otherY;
  };
  const Case kCases[] = {
      {"the higher slot's rope", 1, 0, false, 240},
      {"the lower slot's rope", 0, 1, false, 240},
      {"a handle's rope", 1, 0, true, 240},
      {"98 px above the rope's foot", 1, 0, false, 202},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    cGame::clearAllBunches();
    const int32_t x = c.handle ? 200 : 240;
    Placed(c.rope, kHanging, x, 300);
    Attached(c.rope, 0, 0);
    if (c.handle) Attached(c.rope, 2, 0, 1, Bubble::kAttachment);
    Placed(c.other, kPlain, c.handle ? 274 : 240, c.otherY);
    Bubble* q = Attached(c.other, 0, 0);
    Collide();
    EXPECT_EQ(Pair(c.rope, c.other), std::make_tuple(4, 2, 4, 2));
    EXPECT_TRUE(IsTouched(q));
    EXPECT_TRUE(Pushed(c.other));
    cGame_CBubbleBunch* rope = Bunch(c.rope);
    EXPECT_EQ(rope->restX, rope->centreX);
    EXPECT_GT(rope->restY, rope->centreY);
  }
}

// Two pairs of bubbles of two colours touch, one leaning each way: the pair's one push follows
// the first found (the last members of both lists), here down and right from the hanging bunch,
// which then rests up and to the left.
TEST_F(BunchCollisionsTest, APairOfBunchesTakesOnePushFromItsFirstContact) {
  Placed(1, kHanging, 200, 300);
  Attached(1, 0, 0, 1);
  Bubble* left = Attached(1, 0, -1, 1);   // (181, 333)
  Bubble* right = Attached(1, 1, -1, 1);  // (218, 333)
  Placed(0, kPlain, 200, 358);
  Bubble* low1 = Attached(0, -1, 0, 2);  // (163, 358): 18 left of left, 25 down
  Bubble* low2 = Attached(0, 1, 0, 2);   // (237, 358): 19 right of right, 25 down
  Collide();
  EXPECT_EQ(Pair(1, 0), std::make_tuple(1, 1, 1, 1));
  EXPECT_EQ(std::make_tuple(IsTouched(left), IsTouched(right), IsTouched(low1), IsTouched(low2)),
            std::make_tuple(true, true, true, true));
  EXPECT_LT(Bunch(1)->restX, Bunch(1)->centreX);
  EXPECT_LT(Bunch(1)->restY, Bunch(1)->centreY);
  EXPECT_TRUE(Pushed(0));
}

// ---- The falling row ------------------------------------------------------------------------

// A type-15 row touching a bunch joins it by whole cells (34 px right and 3 px down is one
// column) and its slot is cleared, from either slot; no push, and no match though its colour is
// the bunch's.
TEST_F(BunchCollisionsTest, AFallingRowJoinsTheBunchItTouchesWithoutPushOrMatch) {
  for (const auto& [row, bunch] : {std::make_tuple(1, 0), std::make_tuple(0, 1)}) {
    SCOPED_TRACE(row);
    cGame::clearAllBunches();
    s->cGame_matchCount = 0;
    Placed(bunch, kPlain, 240, 300);
    Attached(bunch, 0, 0, 2);
    Attached(bunch, -1, 0, 2);
    Placed(row, kFallingRow, 274, 303);
    Bubble* falling = Attached(row, 0, 0, 2);
    Collide();
    EXPECT_FALSE(Bunch(row)->inUse);
    EXPECT_EQ(Bunch(row)->count, 0);
    EXPECT_EQ(Bunch(bunch)->count, 3);
    EXPECT_EQ(std::make_tuple(falling->bunch, falling->col, falling->row),
              std::make_tuple(bunch, 1, 0));
    EXPECT_FALSE(Pushed(bunch));
    EXPECT_EQ(s->cGame_matchCount, 0);
    EXPECT_EQ(falling->popTimer, -1);
  }
}

// ---- Matches across bunches -----------------------------------------------------------------

// Bunch 1 at (200, 300) holds a (0, 0) and b (-1, 0); bunch 0 at (234, 300) holds c (0, 0) and
// d (1, 0). Only a and c touch. A match floods each side's colour from its bubble.
TEST_F(BunchCollisionsTest, TouchingBubblesOfOneColourMatchAcrossTheirBunches) {
  struct Case {
    const char* what;
    int32_t a, b, c, d;  // colours
    bool aPartOfB;       // a is a compound part whose root is b
    int32_t cFlags;
    int32_t popping;  // bubbles with a pop scheduled
    int32_t matches;
  };
  const Case kCases[] = {
      {"three of colour 2 in two bunches pop", 2, 2, 2, 4, false, 0, 3, 1},
      {"the two alone do not pop", 2, 3, 2, 4, false, 0, 0, 0},
      {"a compound part matches by its root's colour", 5, 2, 2, 2, true, 0, 3, 1},
      {"a compound part's own colour is not what counts", 2, 5, 2, 2, true, 0, 0, 0},
      {"an indestructible partner starts no match", 2, 2, 2, 2, false, Bubble::kIndestructible, 0,
       0},
  };
  for (const Case& k : kCases) {
    SCOPED_TRACE(k.what);
    cGame::clearAllBunches();
    s->cGame_matchCount = 0;
    s->cGame_score = 0;
    Placed(1, kPlain, 200, 300);
    Placed(0, kPlain, 234, 300);
    Bubble* a = Attached(1, 0, 0, k.a);
    Bubble* b = Attached(1, -1, 0, k.b);
    Bubble* c = Attached(0, 0, 0, k.c, k.cFlags);
    Bubble* d = Attached(0, 1, 0, k.d);
    if (k.aPartOfB) a->parent = b;
    Collide();
    int32_t popping = 0;
    for (const Bubble* bubble : {a, b, c, d}) popping += bubble->popTimer >= 0;
    EXPECT_EQ(popping, k.popping);
    EXPECT_EQ(s->cGame_matchCount, k.matches);
    EXPECT_EQ(s->cGame_score > 0, k.matches > 0);
  }
}

// The matched bubbles stay in their bunches until their pops are due: touching again on the
// next frames, they are not scored again.
TEST_F(BunchCollisionsTest, AMatchStillTouchingBeforeItsPopsIsScoredOnce) {
  Placed(1, kPlain, 200, 300);
  Placed(0, kPlain, 234, 300);
  Attached(1, 0, 0, 2);
  Attached(1, -1, 0, 2);
  Attached(0, 0, 0, 2);
  Attached(0, 1, 0, 2);
  Collide();
  ASSERT_EQ(s->cGame_matchCount, 1);
  const int32_t score = s->cGame_score;
  Collide();
  Collide();
  EXPECT_EQ(s->cGame_matchCount, 1);
  EXPECT_EQ(s->cGame_score, score);
}

// ---- The anchor's cut -----------------------------------------------------------------------

// Bunch 0's anchor at (240, 200) cuts 220..260 x 180..220: every bunch of two or more (not a
// lock, the cutter too) whose box meets it loses its last member within 18 px of it, one each;
// a core without handles takes its bunch with it.
TEST_F(BunchCollisionsTest, TheAnchorsCutReleasesOneBubblePerBunchItOverlaps) {
  struct Layout {
    int32_t type, x, y;
    std::vector<std::pair<int32_t, int32_t>> cells;
    int32_t countAfter;
  };
  const Layout kBunches[] = {
      {kPlain, 240, 200, {{0, 0}, {1, 0}}, 1},           // the cutter itself
      {kPlain, 240, 230, {{0, 0}, {-1, 0}, {1, 0}}, 2},  // three inside: one leaves
      {kPlain, 240, 236, {{0, 0}}, 1},                   // a single bubble stays
      {7, 240, 230, {{0, 0}, {1, 0}}, 2},                // a lock is never cut
      {kPlain, 240, 400, {{0, 0}, {1, 0}}, 2},           // far below
      {kPlain, 240, 200, {{-3, 0}, {3, 0}}, 2},          // the box spans it, no member in
      {kPlain, 240, 215, {{0, 0}, {3, 0}}, 0},           // its core is cut: the bunch bursts
  };
  std::vector<std::vector<Bubble*>> members;
  for (int32_t b = 0; b < static_cast<int32_t>(std::size(kBunches)); b++) {
    const Layout& l = kBunches[b];
    Placed(b, kPlain, l.x, l.y);
    members.emplace_back();
    for (const auto& [col, row] : l.cells) members.back().push_back(Attached(b, col, row));
    Bunch(b)->type = l.type;
  }
  const databuild::SpriteRect rect[] = {{-20, -20, 40, 40}};
  Bunch(0)->anchor = cGame::spawnActor(RectSprite(rect, 1), 0, 240, 200, 0, 300, 20, 1, 0);
  cGame::updateBunchExtents();
  cGame::cutBunchesWithAnchor(0);
  for (int32_t b = 0; b < static_cast<int32_t>(std::size(kBunches)); b++) {
    SCOPED_TRACE(b);
    EXPECT_EQ(Bunch(b)->count, kBunches[b].countAfter);
  }
  // The last member within reach leaves: (1, 0) of the cutter and of the three.
  EXPECT_EQ(members[0][1]->bunch, Bubble::kLoose);
  EXPECT_EQ(members[1][2]->bunch, Bubble::kLoose);
  EXPECT_EQ(members[1][1]->bunch, 1);
}

}  // namespace
