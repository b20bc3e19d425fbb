// The bubble pool over the real static block and actor pool: allocation to exhaustion, filling
// a full pool, the reset state, resetting the pool with a tracked actor, the shuffle's draws,
// the state queries, appearance changes, links and the distances.
#include <gtest/gtest.h>

#include <climits>
#include <tuple>
#include <vector>

#include "engine/mqlib_player.h"
#include "game/board/actor.h"
#include "game/board/bubble.h"
#include "game/cgame.h"
#include "runtime/array.h"
#include "tests/game/board/actor_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

class BubblePoolTest : public ActorTest {
 protected:
  void SetUp() override {
    ActorTest::SetUp();
    Bubble::fillPool();
  }
  static Bubble* Active(int32_t i) {
    return static_cast<Bubble*>(Statics<GameStatics>()->Bubble_activeBubbles->elements()[i]);
  }
  static std::vector<Bubble*> ActiveList(int32_t n) {
    std::vector<Bubble*> list;
    for (int32_t i = 0; i < n; i++) list.push_back(Active(i));
    return list;
  }
  static Bubble* Linked(Bubble* bubble, int32_t d) {
    return static_cast<Bubble*>(bubble->neighbours->elements()[d]);
  }
  static void Link(Bubble* a, int32_t d, Bubble* b) {
    a->neighbours->elements()[d] = b;
    b->neighbours->elements()[Bubble::kOppositeDirection[d]] = a;
  }
};

TEST_F(BubblePoolTest, TheHundredAndSeventyFirstAllocationGivesNullAndChangesNothing) {
  std::vector<Bubble*> handedOut;
  for (int32_t i = 0; i < Bubble::kPoolSize; i++) {
    s->Bubble_shotLost = 1;
    Bubble* bubble = Bubble::allocate();
    ASSERT_NE(bubble, nullptr) << i;
    EXPECT_EQ(s->Bubble_shotLost, 0) << "each success clears it";
    EXPECT_EQ(bubble->flags, Bubble::kNeedsRepaint | Bubble::kLive) << i;
    EXPECT_EQ(bubble, Bubble::getPooled(i)) << "a fresh pool hands out in index order";
    handedOut.push_back(bubble);
  }
  s->Bubble_shotLost = 1;
  EXPECT_EQ(Bubble::allocate(), nullptr);
  EXPECT_EQ(s->Bubble_activeBubbleCount, 170);
  EXPECT_EQ(s->Bubble_shotLost, 1);
  EXPECT_EQ(ActiveList(170), handedOut);
}

TEST_F(BubblePoolTest, FillingAFullPoolMakesNoBubbleAndOnlyEmptiesTheCount) {
  for (int32_t i = 0; i < 5; i++) Bubble::allocate();
  std::swap(s->Bubble_activeBubbles->elements()[0], s->Bubble_activeBubbles->elements()[3]);
  const std::vector<Bubble*> before = ActiveList(170);
  Bubble::fillPool();
  EXPECT_EQ(s->Bubble_activeBubbleCount, 0);
  EXPECT_EQ(ActiveList(170), before);
  for (int32_t i = 0; i < Bubble::kPoolSize; i++) EXPECT_EQ(Bubble::getPooled(i)->index, i);
}

TEST_F(BubblePoolTest, ResetLeavesTheFreeStateAndKeepsTheShakeFlyOffFloodAndTarget) {
  Bubble* bubble = Bubble::allocate();
  Bubble* other = Bubble::allocate();
  Link(bubble, 2, other);
  bubble->bunch = 0;
  bubble->setPosition(100, 200);
  bubble->updateGridCell();
  ASSERT_EQ(std::tie(bubble->gridCol, bubble->gridRow), std::make_tuple(12, 25));
  bubble->vx = bubble->vy = 5;
  bubble->direction = 3;
  bubble->colour = bubble->appearance = 4;
  bubble->col = bubble->row = 2;
  bubble->popTimer = 80;
  bubble->changeSteps = bubble->changeDelay = 3;
  bubble->objectIndex = 7;
  bubble->parent = other;
  bubble->flags = 0xFFFF;
  bubble->syncPixelPosition();
  bubble->shakeFramesLeft = 6;
  bubble->shakeAngle = 11, bubble->shakeStrength = 12, bubble->shakeFrames = 13;
  bubble->flyOffX = 14, bubble->flyOffY = 15;
  bubble->floodDepth = 16, bubble->floodOrder = 17, bubble->targetAppearance = 18;

  bubble->reset();
  EXPECT_EQ(std::tie(bubble->x, bubble->y), std::make_tuple(-1000 << 16, -1000 << 16));
  EXPECT_EQ(std::tie(bubble->vx, bubble->vy, bubble->direction), std::make_tuple(0, 0, -1));
  EXPECT_EQ(std::tie(bubble->pixelX, bubble->pixelY, bubble->prevPixelX, bubble->prevPixelY),
            std::make_tuple(0, 0, 0, 0));
  EXPECT_EQ(bubble->shakeFramesLeft, 0);
  EXPECT_EQ(std::tie(bubble->gridCol, bubble->gridRow), std::make_tuple(-1, -1));
  EXPECT_FALSE(Bubble::queryGrid(12, 25, 2)) << "its cell is given back";
  EXPECT_EQ(std::tie(bubble->colour, bubble->appearance, bubble->bunch, bubble->col, bubble->row),
            std::make_tuple(0, 0, -1, 0, 0));
  EXPECT_EQ(
      std::tie(bubble->popTimer, bubble->changeSteps, bubble->changeDelay, bubble->objectIndex),
      std::make_tuple(-1, 0, 0, -1));
  EXPECT_EQ(bubble->parent, nullptr);
  EXPECT_EQ(bubble->flags, 0x40000);
  for (int32_t d = 0; d < 6; d++) EXPECT_EQ(Linked(bubble, d), nullptr) << d;
  EXPECT_EQ(std::tie(bubble->shakeAngle, bubble->shakeStrength, bubble->shakeFrames,
                     bubble->flyOffX, bubble->flyOffY),
            std::make_tuple(11, 12, 13, 14, 15));
  EXPECT_EQ(std::tie(bubble->floodDepth, bubble->floodOrder, bubble->targetAppearance),
            std::make_tuple(16, 17, 18));
}

TEST_F(BubblePoolTest, ResettingThePoolResetsEveryBubbleClearsTheGridAndReleasesTheRisingBubble) {
  LoadEffectSprites();
  for (int32_t i = 0; i < 3; i++) {
    Bubble* bubble = Bubble::allocate();
    bubble->bunch = 0;
    bubble->setPosition(40 + 40 * i, 100);
    bubble->colour = 3;
  }
  Bubble::rebuildGrid();
  ASSERT_TRUE(Bubble::queryGrid(10, 12, 20));
  cActor* rising = cGame::spawnTrackedActor(200, 500);
  ASSERT_NE(rising, nullptr);
  rising->emitter = 3;  // as if it owned emitter 3

  Bubble::resetPool();
  EXPECT_EQ(s->Bubble_activeBubbleCount, 0);
  for (int32_t i = 0; i < Bubble::kPoolSize; i++) {
    Bubble* bubble = Bubble::getPooled(i);
    EXPECT_EQ(std::make_tuple(bubble->flags, bubble->colour, bubble->gridCol),
              std::make_tuple(0x40000, 0, -1))
        << i;
  }
  EXPECT_FALSE(Bubble::queryGrid(30, 50, 61 * 2));
  EXPECT_EQ(s->cGame_trackedActor, nullptr);
  EXPECT_EQ(rising->state, cActor::kFree);
  EXPECT_EQ(rising->layer, cActor::kNoLayer);
  EXPECT_EQ(rising->emitter, -1);
  EXPECT_EQ(cActor::getAnim(rising), -1) << "its player is reset";
  EXPECT_TRUE(cActor::isLayerEmpty(1));
}

TEST_F(BubblePoolTest, ReleasingTheTrackedActorWithoutOneOnlyLeavesItNull) {
  s->cGame_trackedActor = nullptr;
  cGame::releaseTrackedActor();
  EXPECT_EQ(s->cGame_trackedActor, nullptr);
  EXPECT_EQ(FreeCount(), cActor::kPoolSize);
}

TEST_F(BubblePoolTest, OneBubbleInPlayIsNotShuffledAndTakesNoDraw) {
  Bubble* only = Bubble::allocate();
  s->cGame_randomSeed = 12345;
  Bubble::shuffleActive();
  EXPECT_EQ(Active(0), only);
  EXPECT_EQ(s->cGame_randomSeed, 12345);
}

// From seed 12345 the five draws (x >>> 16) mod 4 are 1, 0, 0, 1, 3: the swaps (0,1), (1,0),
// (2,0), (3,1) and (4,3) leave the order 2, 3, 0, 4, 1.
TEST_F(BubblePoolTest, FiveBubblesShuffleByTheDrawsModuloCountLessOne) {
  std::vector<Bubble*> b;
  for (int32_t i = 0; i < 5; i++) b.push_back(Bubble::allocate());
  s->cGame_randomSeed = 12345;
  Bubble::shuffleActive();
  EXPECT_EQ(ActiveList(5), (std::vector<Bubble*>{b[2], b[3], b[0], b[4], b[1]}));
  EXPECT_EQ(s->cGame_randomSeed, -386420296) << "five steps of the generator";
  EXPECT_EQ(Active(5), Bubble::getPooled(5)) << "the free entries stay";
}

TEST_F(BubblePoolTest, GetPooledGivesNullOutsideThePool) {
  for (int32_t i : {-1, 170, INT_MIN, INT_MAX}) EXPECT_EQ(Bubble::getPooled(i), nullptr) << i;
  EXPECT_EQ(Bubble::getPooled(0)->index, 0);
  EXPECT_EQ(Bubble::getPooled(169)->index, 169);
}

TEST_F(BubblePoolTest, OnlyPlainColoursWithoutTheIndestructibleFlagAreMatchable) {
  struct Case {
    int32_t colour, flags;
    bool matchable;
  };
  const Case kCases[] = {
      {0, 0, true},   {6, 0, true},   {6, Bubble::kIndestructible, false},       {7, 0, false},
      {10, 0, false}, {3, 0x2, true}, {3, Bubble::kIndestructible | 0x8, false},
  };
  Bubble* bubble = Bubble::getPooled(0);
  for (const Case& c : kCases) {
    bubble->colour = c.colour;
    bubble->flags = c.flags;
    EXPECT_EQ(bubble->isMatchable(), c.matchable) << c.colour << " " << c.flags;
    EXPECT_EQ(cGame::isMatchableBubble(bubble), c.matchable) << c.colour << " " << c.flags;
    EXPECT_EQ(bubble->isIndestructible(), (c.flags & 1) != 0);
  }
  EXPECT_FALSE(cGame::isMatchableBubble(nullptr));
}

TEST_F(BubblePoolTest, PendingEventsAreTheRunningPopAnimations) {
  for (const auto& [count, pending] : {std::pair{0, false}, {1, true}, {-1, false}}) {
    s->Bubble_popAnimCount = count;
    EXPECT_EQ(Bubble::hasPendingEvents(), pending) << count;
  }
}

TEST_F(BubblePoolTest, AnAppearanceChangeOnACompoundChildStartsAtItsRoot) {
  Bubble* root = Bubble::getPooled(0);
  Bubble* child = Bubble::getPooled(1);
  child->parent = root;
  root->appearance = 42;
  s->Bubble_bubblesChanged = 0;
  child->startAppearanceChange(3);
  EXPECT_EQ(std::tie(root->targetAppearance, root->changeDelay, root->changeSteps),
            std::make_tuple(42, 3, 9));
  EXPECT_EQ(child->changeSteps, 0);
  EXPECT_EQ(s->Bubble_bubblesChanged, 1);
}

// Two roots that are each other's parent have no root: the walk is cut with a trace.
TEST_F(BubblePoolTest, AParentLoopEndsTheWalkWithATrace) {
  Bubble* a = Bubble::getPooled(0);
  Bubble* b = Bubble::getPooled(1);
  a->parent = b;
  b->parent = a;
  TraceCapture trace;
  a->startAppearanceChange(1);
  EXPECT_EQ(trace.lines().size(), 1u);
  EXPECT_EQ(a->changeSteps + b->changeSteps, 9);
}

TEST_F(BubblePoolTest, UnlinkingClearsBothSidesOfEveryLink) {
  Bubble* centre = Bubble::getPooled(0);
  std::vector<Bubble*> around;
  for (int32_t d = 0; d < 6; d++) {
    around.push_back(Bubble::getPooled(1 + d));
    Link(centre, d, around[d]);
  }
  Link(around[0], 2, around[1]);  // a link between two neighbours stays
  centre->unlinkNeighbours();
  for (int32_t d = 0; d < 6; d++) {
    EXPECT_EQ(Linked(centre, d), nullptr) << d;
    EXPECT_EQ(Linked(around[d], Bubble::kOppositeDirection[d]), nullptr) << d;
  }
  EXPECT_EQ(Linked(around[0], 2), around[1]);
  EXPECT_EQ(Linked(around[1], 5), around[0]);
}

TEST_F(BubblePoolTest, PositionsInPixelsAndTheirSynchronisation) {
  Bubble* bubble = Bubble::getPooled(0);
  bubble->setPosition(-3, 250);
  EXPECT_EQ(std::tie(bubble->x, bubble->y), std::make_tuple(-3 << 16, 250 << 16));
  bubble->x += 0x8000;  // half a pixel right of -3 is still in pixel -3
  bubble->flags = 0;
  bubble->syncPixelFromPosition();
  EXPECT_EQ(std::tie(bubble->pixelX, bubble->pixelY, bubble->prevPixelX, bubble->flags),
            std::make_tuple(-3, 250, 0, 0));
  bubble->syncPixelPosition();
  EXPECT_EQ(std::tie(bubble->prevPixelX, bubble->prevPixelY, bubble->flags),
            std::make_tuple(-3, 250, 0x40000));
}

// Distances are taken in 64 bits: far-apart places never wrap into a contact.
TEST_F(BubblePoolTest, ContactRectanglesAndDistances) {
  Bubble* bubble = Bubble::getPooled(0);
  bubble->pixelX = 100;
  bubble->pixelY = 100;
  struct Touch {
    int32_t px, py;
    bool touching;
  };
  for (const Touch& t :
       {Touch{135, 100, true}, Touch{136, 100, false}, Touch{125, 125, true},
        Touch{126, 126, false}, Touch{100 + 65536, 100, false}, Touch{INT_MIN, INT_MIN, false}}) {
    EXPECT_EQ(bubble->isTouching(t.px, t.py), t.touching) << t.px << ", " << t.py;
  }
  struct Rect {
    int32_t x, y, w, h;
    bool inside;
  };
  for (const Rect& r :
       {Rect{118, 118, 10, 10, true}, Rect{119, 100, 10, 10, false}, Rect{50, 50, 32, 32, true},
        Rect{50, 50, 31, 40, false}, Rect{100, 119, 0, 0, false}}) {
    EXPECT_EQ(bubble->isInRect(r.x, r.y, r.w, r.h), r.inside) << r.x << ", " << r.y;
  }
  Bubble* other = Bubble::getPooled(1);
  bubble->x = 10 << 16, bubble->y = 20 << 16;
  other->x = 13 << 16, other->y = 16 << 16;
  EXPECT_EQ(bubble->manhattanDistanceTo(other), 7 << 16);
  EXPECT_EQ(bubble->manhattanDistanceTo(0, 0), 30 << 16);
  EXPECT_EQ(Bubble::manhattanDistanceTo(INT_MIN, INT_MIN, INT_MAX, 0), INT_MAX) << "saturated";
  EXPECT_EQ(Bubble::manhattanDistanceTo(-5, 5, 5, -5), 20);
}

}  // namespace
