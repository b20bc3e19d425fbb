// The board's starters over the real bunch table and actor pool: a thrown bubble aimed at a
// bubble in play with a free cell below it, drawn by the game generator, and a target creature
// put into the first free special slot.
#include <gtest/gtest.h>

#include <vector>

#include "game/board/actor.h"
#include "game/board/board_seams.h"
#include "game/board/bubble.h"
#include "game/board/bunch.h"
#include "game/cgame.h"
#include "game/game_statics.h"
#include "runtime/array.h"
#include "tests/game/board/motion_fixture.h"

namespace {

class ThrowTest : public MotionTest {
 protected:
  void SetUp() override {
    MotionTest::SetUp();
    // Bunch 0 at (240, 300): A the core, B below-right of it, C below-left, D below-right of
    // B. A has both cells below taken; B only its down-left cell (side 2) free; C and D their
    // down-right cells (side 1). The thrower, bunch 3, is a carrier, whose bubbles take none.
    Placed(0, 0, 240, 300);
    a = Attached(0, 0, 0, 1);
    b = Attached(0, 1, -1, 2);
    c = Attached(0, 0, -1, 3);
    d = Attached(0, 2, -2, 4);
    Placed(3, 5, 100, 500);
    Attached(3, 0, 0, 5);
    Bubble* loose = Bubble::allocate();  // a falling bubble has no bunch to land in
    loose->bunch = -2;
    cGame::allocTargetLists(2);
  }

 public:
  Bubble *a = nullptr, *b = nullptr, *c = nullptr, *d = nullptr;
};

TEST_F(ThrowTest, AFreeCellBelowIsFoundOnlyInABunch) {
  EXPECT_FALSE(cGame::linkFreeNeighbour(a, 1));
  EXPECT_FALSE(cGame::linkFreeNeighbour(a, 2));
  EXPECT_FALSE(cGame::linkFreeNeighbour(b, 1));
  EXPECT_TRUE(cGame::linkFreeNeighbour(b, 2));
  EXPECT_TRUE(cGame::linkFreeNeighbour(c, 1));
  EXPECT_FALSE(cGame::linkFreeNeighbour(a, 5)) << "above the bunch's centre";
  for (int32_t bunch : {-1, -2}) {
    c->bunch = bunch;
    EXPECT_FALSE(cGame::linkFreeNeighbour(c, 1)) << bunch;
  }
  EXPECT_FALSE(cGame::linkFreeNeighbour(nullptr, 1));
}

// The candidates are B, C and D in the order of the bubbles in play; the seed's first draw
// mod 3 picks one (15597, 15496, 15521 for seeds 5, 1, 2), worked by hand. The side is 1 when
// that cell is free, else 2.
TEST_F(ThrowTest, ThrownBubbleAimsAtADrawnCandidateFromTheBunchCentre) {
  struct Case {
    int32_t seed;
    Bubble* ThrowTest::*target;
    int32_t side;
  };
  const Case kCases[] = {{5, &ThrowTest::b, 2}, {1, &ThrowTest::c, 1}, {2, &ThrowTest::d, 1}};
  for (const Case& k : kCases) {
    cGame::allocTargetLists(2);
    cActor* busy = Sprite(0, 0, 0, 1);
    s->cGame_thrownActors->elements()[0] = busy;
    s->cGame_randomSeed = k.seed;
    cGame::throwBubbleFromBunch(3, 6);
    EXPECT_EQ(s->cGame_thrownActors->elements()[0], busy);
    EXPECT_EQ(s->cGame_thrownTargets->elements()[1], this->*k.target) << k.seed;
    EXPECT_EQ(IntArray::get(s->cGame_thrownSide, 1), k.side) << k.seed;
    EXPECT_EQ(IntArray::get(s->cGame_thrownKind, 1), 6);
    EXPECT_EQ(IntArray::get(s->cGame_thrownStartX, 1), 100 * kPx);
    EXPECT_EQ(IntArray::get(s->cGame_thrownStartY, 1), 500 * kPx);
    EXPECT_EQ(IntArray::get(s->cGame_thrownTimer, 1), 0);
    auto* actor = static_cast<cActor*>(s->cGame_thrownActors->elements()[1]);
    ASSERT_TRUE(actor) << k.seed;
    EXPECT_EQ(cActor::getX(actor), 100);
    EXPECT_EQ(cActor::getY(actor), 500);
    EXPECT_EQ(cActor::getAnim(actor), 6);
  }
}

// Without the lists (a layout without carriers or locks), with every entry taken, or with no
// candidate on the board, nothing is thrown; the free entry's old target is cleared all the same.
TEST_F(ThrowTest, NoListNoFreeEntryOrNoCandidateThrowsNothing) {
  s->cGame_thrownActors = nullptr;
  const int32_t free = FreeCount();
  cGame::throwBubbleFromBunch(3, 2);
  EXPECT_EQ(FreeCount(), free);

  cGame::allocTargetLists(1);
  s->cGame_thrownActors->elements()[0] = Sprite(0, 0, 0, 1);
  s->cGame_thrownTargets->elements()[0] = a;
  cGame::throwBubbleFromBunch(3, 2);
  EXPECT_EQ(s->cGame_thrownTargets->elements()[0], a);

  cGame::allocTargetLists(1);
  s->cGame_thrownTargets->elements()[0] = a;
  Bunch(0)->type = 7;  // a lock's bubbles take none either
  const int32_t before = FreeCount();
  cGame::throwBubbleFromBunch(3, 2);
  EXPECT_EQ(s->cGame_thrownTargets->elements()[0], nullptr);
  EXPECT_EQ(s->cGame_thrownActors->elements()[0], nullptr);
  EXPECT_EQ(FreeCount(), before);
}

class TargetSlotTest : public ThrowTest {
 protected:
  void SetUp() override {
    ThrowTest::SetUp();
    cGame::allocTripleLists();
    BoardSeamCalls().clear();
    b->colour = 31;
    b->pixelX = 258;
    b->pixelY = 333;
  }
};

// The first free slot takes the bubble: kind 31 - 29, cleared timer and hops, the creature at
// the bubble's pixel place in palette 2, then its side chosen away from the shot's side and
// its first hop, in that order.
TEST_F(TargetSlotTest, TheFirstFreeSlotTakesTheCreature) {
  s->cGame_slotActor->elements()[0] = Sprite(0, 0, 0, 1);
  IntArray::set(s->cGame_slotTimer, 1, 700);
  IntArray::set(s->cGame_slotHops, 1, 4);
  IntArray::set(s->cGame_slotSide, 1, 3);
  cGame::fillTargetSlot(b, 4);
  EXPECT_EQ(s->cGame_slotBubble->elements()[1], b);
  EXPECT_EQ(IntArray::get(s->cGame_slotKind, 1), 2);
  EXPECT_EQ(IntArray::get(s->cGame_slotTimer, 1), 0);
  EXPECT_EQ(IntArray::get(s->cGame_slotHops, 1), 0);
  auto* creature = static_cast<cActor*>(s->cGame_slotActor->elements()[1]);
  ASSERT_TRUE(creature);
  EXPECT_EQ(cActor::getX(creature), 258);
  EXPECT_EQ(cActor::getY(creature), 333);
  EXPECT_EQ(creature->palette, 2);
  EXPECT_EQ(cActor::getAnim(creature), 3);
  EXPECT_EQ(BoardSeamCalls(), (std::vector<BoardSeamCall>{{"countFreeNeighbours", {1, 4}},
                                                          {"setTargetHit", {1}}}));
}

TEST_F(TargetSlotTest, WithAllThreeSlotsTakenNothingHappens) {
  std::vector<cActor*> busy;
  for (int32_t i = 0; i < 3; i++) {
    busy.push_back(Sprite(0, 0, 0, 1));
    s->cGame_slotActor->elements()[i] = busy.back();
  }
  const int32_t free = FreeCount();
  cGame::fillTargetSlot(b, 4);
  for (int32_t i = 0; i < 3; i++) {
    EXPECT_EQ(s->cGame_slotActor->elements()[i], busy[i]) << i;
    EXPECT_EQ(s->cGame_slotBubble->elements()[i], nullptr) << i;
  }
  EXPECT_EQ(FreeCount(), free);
  EXPECT_TRUE(BoardSeamCalls().empty());
}

}  // namespace
