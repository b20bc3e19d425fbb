// Placement in bunches over real pools, bunches and actors: taken cells, the core, the first
// attach's decorations by bunch type, a hub's ring, links both ways, the refused handles and
// bunches, templates, and splitting and merging.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/board/actor.h"
#include "runtime/array.h"
#include "tests/game/board/bunch_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

using BunchPlacementTest = BunchTest;

std::tuple<int32_t, int32_t> CellOf(const Bubble* b) {
  return {b->col, b->row};
}

// The occupant of (0, 0) has neighbours on sides 0 and 1: a second bubble for (0, 0) goes to
// side 2, (0, -1), untested; with all six sides taken it dies unfiled.
TEST_F(BunchPlacementTest, ATakenCellSendsTheBubbleToTheOccupantsFirstFreeSide) {
  Placed(0, 6, 240, 300);
  Bubble* occupant = Attached(0, 0, 0, 1);
  Attached(0, 1, 0, 1);
  Attached(0, 1, -1, 1);
  Bubble* second = Attached(0, 0, 0, 2);
  EXPECT_EQ(CellOf(second), std::make_tuple(0, -1));
  EXPECT_EQ(Link(occupant, 2), second);
  EXPECT_EQ(Bunch(0)->core, occupant) << "a bubble moved off (0, 0) is not the core";
  for (auto [col, row] : {std::pair{-1, 0}, {-1, 1}, {0, 1}}) Attached(0, col, row, 1);
  const int32_t total = s->cGame_bunchBubbleTotal;
  Bubble* crowded = Attached(0, 0, 0, 3);
  EXPECT_TRUE(crowded->flags & Bubble::kDead);
  EXPECT_EQ(crowded->bunch, Bubble::kFlyingShot);
  EXPECT_EQ(s->cGame_bunchBubbleTotal, total);
  EXPECT_EQ(Members(0).size(), 7u);
}

TEST_F(BunchPlacementTest, AKeyBubbleBecomesTheCoreAwayFromTheCentreCell) {
  Placed(0, 6, 240, 300);
  Attached(0, 0, 0, 1);
  Bubble* key = Attached(0, 2, 1, 3, Bubble::kKey);
  EXPECT_EQ(Bunch(0)->core, key);
  Bubble* plain = Attached(0, 3, 1, 3);
  EXPECT_FALSE(plain->flags & Bubble::kKey);
  Bubble* centre = Attached(0, 0, 2, 3);
  EXPECT_EQ(Bunch(0)->core, key);
  EXPECT_FALSE(centre->flags & Bubble::kKey);
  EXPECT_EQ(std::tie(Bunch(0)->attachedTotal, Bunch(0)->landedCount, s->cGame_boardChanged),
            std::make_tuple(int16_t{4}, int16_t{4}, int8_t{1}));
  // Cell (2, 1) lies 92.5 px right (fraction dropped) and 33 px up.
  EXPECT_EQ(std::tie(key->x, key->y, key->pixelX, key->pixelY),
            std::make_tuple(332 * kPx, 267 * kPx, 332, 267));
}

// Each bunch type's decorations, at its centre (250, 400) px.
TEST_F(BunchPlacementTest, TheFirstAttachMakesEachTypesDecorations) {
  struct Actor {
    int32_t slot, x, y, anim, z, layer;  // slot: the sprite's place in the sprite table
  };
  struct Case {
    int32_t type;
    std::vector<Actor> anchor, top, decorations;
  };
  s->cGame_playTop = 60;
  s->cGame_canvasWidth = 480;
  s->cGame_levelParams = NewIntArray(13);
  s->cGame_levelParams->elements()[9] = 77;
  // A sprite of its own in each slot the decorations use (empty: no frames to measure).
  for (int32_t slot : {23, 25, 26, 41, 42, 43, 44, 45, 51}) {
    s->cGame_spriteTable->elements()[slot] = NewObject<ASprite>();
  }
  cGame::createBunches();  // takes slot 23 as the rope and handle sprite
  const Case kCases[] = {
      {0, {{23, 250, 400, 0, 300, 1}}, {}, {}},
      {1, {{26, 250, 0, 4, 300, 1}}, {{26, 250, 60, 1, 300, 1}}, {}},
      {2,
       {{41, 250, 400, 0, 200, 5}},
       {},
       {{42, 250, 400, 0, 300, 5},
        {42, 250, 400, 1, 300, 5},
        {42, 250, 400, 2, 300, 5},
        {42, 250, 400, 3, 300, 5},
        {42, 250, 400, 4, 300, 5},
        {42, 250, 400, 5, 300, 5}}},
      {3, {{43, 250, 400, 1, 300, 5}}, {}, {}},
      {4, {{25, 250, 400, 32, 300, 1}}, {}, {}},
      {5, {{45, 520, 360, 11, 100, 5}}, {}, {}},
      {6, {{26, 250, 382, 4, 300, 1}}, {}, {}},
      {7,
       {{44, 250, 400, 9, 300, 1}},
       {{44, 250, 400, 22, 200, 1}},
       {{51, 250, 400, 1, 399, 1}, {25, 250, 400, 0, 400, 1}}},
      {9, {{26, 250, 60, 4, 300, 1}}, {}, {}},
      {12, {}, {}, {}},
      {13, {}, {}, {}},
  };
  auto check = [](cActor* actor, const std::vector<Actor>& expected, const char* what,
                  int32_t type) {
    if (expected.empty()) {
      EXPECT_EQ(actor, nullptr) << what << " of type " << type;
      return;
    }
    ASSERT_NE(actor, nullptr) << what << " of type " << type;
    const Actor& e = expected[0];
    EXPECT_EQ(std::make_tuple(actor->x, actor->y, cActor::getAnim(actor), actor->z, actor->layer,
                              actor->mode),
              std::make_tuple(e.x, e.y, e.anim, e.z, e.layer, cActor::kModeLoop))
        << what << " of type " << type;
    EXPECT_EQ(cActor::getSprite(actor),
              Statics<GameStatics>()->cGame_spriteTable->elements()[e.slot])
        << what << " of type " << type;
  };
  for (const Case& c : kCases) {
    cGame::clearAllBunches();
    cActor::releaseAll();
    Placed(3, c.type, 250, 400);
    Bunch(3)->partner = 2;
    Attached(3, 1, 0);
    cGame_CBubbleBunch* bunch = Bunch(3);
    EXPECT_EQ(bunch->inUse, 1);
    if (c.type == 3) {
      EXPECT_EQ(bunch->counter, 77);
    } else if (c.type == 5) {
      EXPECT_EQ(std::tie(bunch->ropeLength, bunch->timer), std::make_tuple(-1, 1));
    } else if (c.type == 9) {
      EXPECT_EQ(bunch->ropeLength, 340);
    }
    check(bunch->anchor, c.anchor, "anchor", c.type);
    check(bunch->topActor, c.top, "upper actor", c.type);
    if (c.decorations.empty()) {
      EXPECT_EQ(bunch->decorations, nullptr) << c.type;
      continue;
    }
    ASSERT_NE(bunch->decorations, nullptr) << c.type;
    ASSERT_EQ(bunch->decorations->length, static_cast<int32_t>(c.decorations.size()));
    for (size_t k = 0; k < c.decorations.size(); k++) {
      check(static_cast<cActor*>(bunch->decorations->elements()[k]), {c.decorations[k]},
            "decoration", c.type);
    }
  }
  // Under the ring boss, types 4 and 8 are the boss's parts: no anchor.
  s->cGame_bossKind = 3;
  for (int32_t type : {4, 8}) {
    cGame::clearAllBunches();
    Placed(3, type, 250, 400);
    Attached(3, 1, 0);
    EXPECT_EQ(Bunch(3)->anchor, nullptr) << type;
  }
  s->cGame_bossKind = -1;
  // Type 12 moves its centre to half the screen plus a radius.
  Placed(4, 12, 100, 400);
  Attached(4, 1, 0);
  EXPECT_EQ(std::tie(Bunch(4)->centreX, Bunch(4)->restX), std::make_tuple(258 * kPx, 258 * kPx));
}

TEST_F(BunchPlacementTest, AHubsCoreBringsItsRingInAlternatingColourSlots) {
  Placed(1, 2, 240, 400);
  cGame_CBubbleBunch* hub = Bunch(1);
  hub->colourA = 3;
  hub->colourB = 5;
  Bubble* core = Attached(1, 0, 0, 4);
  ASSERT_EQ(Members(1).size(), 7u);
  EXPECT_EQ(hub->core, core);
  for (int32_t k = 0; k < 6; k++) {
    Bubble* ring = Link(core, k);
    ASSERT_NE(ring, nullptr) << k;
    EXPECT_EQ(CellOf(ring), std::make_tuple(Bubble::kNeighbourDx[k], Bubble::kNeighbourDy[k]));
    EXPECT_EQ(ring->colour, k % 2 ? 5 : 3) << k;
    EXPECT_TRUE(ring->flags & Bubble::kClearedOnCopy) << k;
    EXPECT_EQ(ring->prevPixelX, ring->pixelX) << k;
    // The spokes light where the ring holds the colour each one wants.
    cActor* spoke = static_cast<cActor*>(hub->decorations->elements()[k]);
    EXPECT_EQ(cActor::getAnim(spoke), 7 + k) << k;
    EXPECT_EQ(spoke->palette, ring->colour + 1) << k;
  }
  EXPECT_EQ(s->cGame_bunchBubbleTotal, 7);
}

// A hand-made patch of cells; after every attach each link points to the member one step that
// way, and back.
TEST_F(BunchPlacementTest, LinksMatchTheHexagonalStepsBothWays) {
  Placed(0, 6, 240, 400);
  const std::pair<int32_t, int32_t> kCells[] = {{0, 0},  {1, 0},  {0, 1},  {-1, 1}, {-1, 0},
                                                {1, -1}, {2, -1}, {0, -1}, {3, 0}};
  std::vector<Bubble*> placed;
  for (auto [col, row] : kCells) {
    placed.push_back(Attached(0, col, row));
    for (Bubble* a : placed) {
      for (int32_t d = 0; d < 6; d++) {
        Bubble* expected = nullptr;
        for (Bubble* b : placed) {
          if (b->col == a->col + Bubble::kNeighbourDx[d] &&
              b->row == a->row + Bubble::kNeighbourDy[d]) {
            expected = b;
          }
        }
        ASSERT_EQ(Link(a, d), expected) << a->col << "," << a->row << " side " << d;
      }
    }
  }
}

// Refusals change neither the handles nor the decorations nor the layers.
TEST_F(BunchPlacementTest, RefusedHandlesAndBunchesLeaveEverythingAsItWas) {
  Placed(0, 0, 240, 400);
  Attached(0, 0, 0);
  Bubble* first = Attached(0, 1, 0, 1, Bubble::kAttachment);
  Attached(0, -1, 0, 1, Bubble::kAttachment);
  cGame_CBubbleBunch* bunch = Bunch(0);
  ASSERT_EQ(bunch->handleCount, 2);
  EXPECT_EQ(std::make_tuple(bunch->handles->elements()[0], bunch->handles->elements()[1]),
            std::make_tuple(1, -1));
  EXPECT_EQ(bunch->hadHandles, 1);
  const std::vector<cActor*> layerBefore = Layer(1);
  ObjectArray* handles = bunch->decorations;
  TraceCapture trace;
  Bubble* third = Attached(0, 2, 0, 1, Bubble::kAttachment);
  EXPECT_EQ(third->bunch, 0) << "attached all the same";
  EXPECT_TRUE(third->flags & Bubble::kAttachment) << "and keeps its flag";
  EXPECT_EQ(bunch->handleCount, 2);
  EXPECT_EQ(bunch->decorations, handles);
  EXPECT_EQ(Layer(1), layerBefore);
  EXPECT_EQ(trace.lines().size(), 1u);

  for (int32_t type : {2, 7}) {
    Placed(1 + type, type, 240, 400);
    Attached(1 + type, 1, 0);
    ObjectArray* own = Bunch(1 + type)->decorations;
    const std::vector<cActor*> before = Layer(type == 2 ? 5 : 1);
    Bubble* refused = Attached(1 + type, 2, 0, 1, Bubble::kAttachment);
    EXPECT_EQ(refused->bunch, 1 + type);
    EXPECT_EQ(Bunch(1 + type)->decorations, own) << type;
    EXPECT_EQ(Bunch(1 + type)->handles, nullptr) << type;
    EXPECT_EQ(Layer(type == 2 ? 5 : 1), before) << type;
  }

  // No bunch 10 and no bunch -1: nothing at all happens.
  const int32_t total = s->cGame_bunchBubbleTotal;
  for (int32_t b : {10, -1}) {
    Bubble* stray = Attached(b, 0, 0);
    EXPECT_EQ(std::make_tuple(stray->bunch, stray->flags & Bubble::kDead), std::make_tuple(-1, 0));
  }
  EXPECT_EQ(s->cGame_bunchBubbleTotal, total);
  (void)first;
}

// 180 members is the list's length: the next bubble is refused as a full cell refuses it.
TEST_F(BunchPlacementTest, AFullMemberListRefusesTheBubble) {
  Placed(0, 6, 240, 400);
  cGame_CBubbleBunch* bunch = Bunch(0);
  Bubble* filler = Attached(0, 0, 0);
  for (int32_t i = 1; i < 180; i++) bunch->bubbles->elements()[i] = filler;
  bunch->count = 180;
  Bubble* late = Bubble::allocate();
  late->colour = 2;
  TraceCapture trace;
  cGame::attachBubbleToBunch(late, 0, 5, 5);
  EXPECT_TRUE(late->flags & Bubble::kDead);
  EXPECT_EQ(late->bunch, -1);
  EXPECT_EQ(bunch->count, 180);
  EXPECT_EQ(trace.lines().size(), 1u);
}

}  // namespace
