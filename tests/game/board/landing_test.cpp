// A shot's landing on boards built by hand with the real placement: matches and their points,
// jokers, the big-match award, drops, the side turn at the play area's edges, the nudges of a
// type-0 bunch, the lock, the catcher, the type-15 bunch, the neighbours' reactions by kind,
// the second bunch's flood, the type-12 edge columns, and the pop-end events.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "engine/mqlib_player.h"
#include "game/board/actor.h"
#include "tests/game/board/landing_fixture.h"

namespace {

std::tuple<int32_t, int32_t> CellOf(const Bubble* b) {
  return {b->col, b->row};
}

// ---- Matches ------------------------------------------------------------------------------

// Two of colour 1 and a shot of colour 1 beside them: 300 for the bubbles, 200 for the match,
// 200 for each bubble the match is larger than the best before it.
TEST_F(LandingTest, AMatchOfThreeScoresAndMarksTheFloodOrder) {
  struct Case {
    int32_t bestBefore, score, bestAfter;
  };
  for (const Case& c : {Case{0, 1100, 3}, {2, 700, 3}, {3, 500, 3}, {6, 500, 6}}) {
    SCOPED_TRACE(c.bestBefore);
    cGame::clearAllBunches();
    s->cGame_score = 0;
    s->cGame_matchCount = s->cGame_poppedBubbleCount = 0;
    s->cGame_bestMatchSize = c.bestBefore;
    Placed(0, 6, 240, 300);
    Bubble* core = Attached(0, 0, 0, 1);
    Bubble* next = Attached(0, 1, 0, 1);
    Bubble* shot = LandBeside(next, 0, 1);
    EXPECT_EQ(CellOf(shot), std::make_tuple(2, 0));
    EXPECT_EQ(s->cGame_score, c.score);
    EXPECT_EQ(s->cGame_bestMatchSize, c.bestAfter);
    EXPECT_EQ(std::tie(s->cGame_matchCount, s->cGame_poppedBubbleCount), std::make_tuple(1, 3));
    EXPECT_EQ(std::make_tuple(shot->floodOrder, next->floodOrder, core->floodOrder),
              std::make_tuple(0, 1, 2));
    EXPECT_EQ(std::make_tuple(shot->popTimer, next->popTimer, core->popTimer),
              std::make_tuple(0, 62, 125))
        << "they pop in flood order, 1/16 s apart";
    for (Bubble* b : {shot, next, core}) EXPECT_TRUE(b->flags & Bubble::kVisited);
    EXPECT_EQ(Bunch(0)->landedCount, 2) << "the matching shot is not counted as landed";
    EXPECT_EQ(s->cGame_settleTimer, 500);
    EXPECT_TRUE(BunchesConsistent());
  }
}

TEST_F(LandingTest, TwoOfAColourMakeNoMatch) {
  Placed(0, 6, 240, 300);
  Attached(0, 0, 0, 1);
  Bubble* shot = LandBeside(Bunch(0)->core, 0, 1);
  EXPECT_EQ(std::tie(s->cGame_score, s->cGame_matchCount), std::make_tuple(0, 0));
  EXPECT_EQ(Bunch(0)->landedCount, 2);
  EXPECT_EQ(std::tie(s->cGame_missStreak, s->cGame_popStreak), std::make_tuple(1, 0));
  EXPECT_EQ(shot->bunch, 0);
  EXPECT_EQ(Events(), std::vector<int32_t>{21});
}

// A joker two cells away joins the shot's colour; a joker shot takes the colour of the
// neighbour nearest its facing before it counts.
TEST_F(LandingTest, JokersCountForTheShotsColour) {
  Placed(0, 6, 240, 300);
  Attached(0, 0, 0, Bubble::kJoker);
  Bubble* middle = Attached(0, 1, 0, 4);
  LandBeside(middle, 0, 4);
  EXPECT_EQ(s->cGame_poppedBubbleCount, 3);

  struct Case {
    int32_t facing, colour, popped;
  };
  // The shot at (-1, 1): the core (colour 2) lies in direction 1, the bubble at (0, 1)
  // (colour 3) in direction 0; a second 2 at (1, 0) makes three of colour 2.
  for (const Case& c : {Case{1, 2, 3}, {0, 3, 0}, {2, 2, 3}}) {
    SCOPED_TRACE(c.facing);
    cGame::clearAllBunches();
    s->cGame_poppedBubbleCount = 0;
    Placed(0, 6, 240, 300);
    Bubble* core = Attached(0, 0, 0, 2);
    Attached(0, 0, 1, 3);
    Attached(0, 1, 0, 2);
    Bubble::cellPosition(Bunch(0), -1, 1, true, true);
    Bubble* shot = Shot(Bubble::kJoker, s->Bubble_cellX >> 16, s->Bubble_cellY >> 16);
    shot->direction = c.facing;
    Land(shot, core, 4);
    EXPECT_EQ(CellOf(shot), std::make_tuple(-1, 1));
    EXPECT_EQ(shot->colour, c.colour);
    EXPECT_EQ(shot->changeSteps, 9);
    EXPECT_EQ(s->cGame_poppedBubbleCount, c.popped);
    EXPECT_EQ(s->cGame_settleTimer, 1250) << "a joker shot is not matchable as it lands";
  }
}

TEST_F(LandingTest, TheThirdBigMatchOfALevelGrantsAwardTwoOnce) {
  struct Case {
    int32_t levelType;
    std::vector<int32_t> sizes;
    std::vector<bool> granted;  // award 2 earned after each match
  };
  const Case kCases[] = {
      {0, {5, 6, 4, 5, 7}, {false, false, false, true, true}},
      {2, {5, 5, 5, 5}, {false, false, false, false}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.levelType);
    s->cGame_levelType = c.levelType;
    s->cGame_bigMatchCount = 0;
    s->cGame_awardFlags->elements()[2] = 0;
    int32_t opened = 0;
    for (size_t i = 0; i < c.sizes.size(); i++) {
      s->cGame_popupOpen = false;
      cGame::scoreMatch(c.sizes[i]);
      EXPECT_EQ(s->cGame_awardFlags->elements()[2] == 1, c.granted[i]) << i;
      opened += s->cGame_popupOpen;
    }
    EXPECT_EQ(opened, c.levelType == 2 ? 0 : 1) << "the popup opens with the award only";
  }
}

TEST_F(LandingTest, AMatchOnATypeZeroBunchNudgesItAwayFromTheHit) {
  Placed(0, 0, 240, 300);
  Attached(0, 0, 0, 1);
  Bubble* right = Attached(0, 1, 0, 1);
  LandBeside(right, 0, 1);
  // The hit bubble stands 37 px right of the centre: 12 px left, a quarter of -37 px per s.
  EXPECT_EQ(Bunch(0)->restX, (240 - 12) * kPx);
  EXPECT_EQ(Bunch(0)->vx, -(37 * kPx) / 4);
}

// ---- Nudges of a wall-bounced shot --------------------------------------------------------

TEST_F(LandingTest, AWallBouncedShotWithoutAMatchNudgesATypeZeroBunchItsWay) {
  struct Case {
    int32_t type, bounced, vx, restDx;
  };
  for (const Case& c :
       {Case{0, 1, 300, 12}, {0, 1, -300, -12}, {0, 1, 0, 12}, {0, 0, 300, 0}, {6, 1, 300, 0}}) {
    SCOPED_TRACE(testing::Message() << c.type << " " << c.bounced << " " << c.vx);
    cGame::clearAllBunches();
    s->cGame_wallBounced = static_cast<int8_t>(c.bounced);
    Placed(0, c.type, 240, 300);
    Bubble* core = Attached(0, 0, 0, 1);
    Bubble::cellPosition(Bunch(0), 0, -1, true, true);
    Bubble* shot = Shot(3, s->Bubble_cellX >> 16, s->Bubble_cellY >> 16, c.vx, -600);
    Land(shot, core, 2);
    EXPECT_EQ(Bunch(0)->restX, (240 + c.restDx) * kPx);
    EXPECT_EQ(Bunch(0)->restY, 300 * kPx);
    if (c.restDx != 0) {
      cActor* anchor = Bunch(0)->anchor;
      ASSERT_NE(anchor, nullptr);
      EXPECT_EQ(std::tie(anchor->state, anchor->nextAnim, anchor->nextMode),
                std::make_tuple(cActor::kSpriteThenNext, Bunch(0)->variant, cActor::kModeLoop));
    }
  }
}

// ---- The side turn at the play area's edges -----------------------------------------------

// The play area's centres lie between 18 and 462 px. A cell beyond it turns to the next side
// toward the shot's height when that side of the hit bubble is free.
TEST_F(LandingTest, ACellOffThePlayAreaTurnsTowardTheShotsHeight) {
  struct Case {
    int32_t centreX, side, shotY;
    bool blocked;  // the turned-to cell is taken
    int32_t col, row;
  };
  const Case kCases[] = {
      {40, 3, 290, false, -1, 1},   // off the left, shot above: side 4
      {40, 3, 310, false, 0, -1},   // off the left, shot below: side 2
      {40, 3, 290, true, -1, 0},    // side 4 taken: stays
      {440, 0, 290, false, 0, 1},   // off the right, shot above: side 5
      {440, 0, 310, false, 1, -1},  // off the right, shot below: side 1
      {240, 3, 290, false, -1, 0},  // inside: no turn
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.centreX << " " << c.side << " " << c.shotY);
    cGame::clearAllBunches();
    Placed(0, 6, c.centreX, 300);
    Bubble* core = Attached(0, 0, 0, 0);
    if (c.blocked) Attached(0, -1, 1, 1);
    Bubble* shot = Shot(5, c.centreX, c.shotY);
    Land(shot, core, c.side);
    EXPECT_EQ(CellOf(shot), std::make_tuple(c.col, c.row));
    EXPECT_EQ(shot->bunch, 0);
  }
}

// ---- The lock, the catcher and the type-15 bunch ------------------------------------------

TEST_F(LandingTest, ALockOpensForItsColourRefusesAnotherAndThrowsBackTheRest) {
  enum Outcome { kOpens, kRefuses, kBounces };
  struct Case {
    const char* name;
    int32_t phase, timer, timer2, counter, facing, side, colour;
    Outcome outcome;
    int32_t refusalAnim;
  };
  const Case kCases[] = {
      {"right colour", 1, 500, 500, 0, 0, 4, 2, kOpens, 0},
      {"facing 2, side 3", 2, 800, 100, -5, 2, 3, 2, kOpens, 0},
      {"any side", 1, 0, 0, 0, 3, 1, 2, kOpens, 0},
      {"wrong colour, facing 1", 1, 0, 0, 0, 1, 0, 3, kRefuses, 8},
      {"wrong colour, facing 0", 1, 0, 0, 0, 0, 5, 4, kRefuses, 17},
      {"no phase yet", 0, 0, 0, 0, 0, 4, 2, kBounces, 0},
      {"shown time ahead", 1, 100, 101, 0, 0, 4, 2, kBounces, 0},
      {"still refusing", 1, 0, 0, 1, 0, 4, 2, kBounces, 0},
      {"side 0 on facing 0", 1, 0, 0, 0, 0, 0, 2, kBounces, 0},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    cGame::clearAllBunches();
    cGame_CBubbleBunch* lock = Placed(0, 7, 240, 300);
    lock->facing = c.facing;
    Bubble* core = Attached(0, 0, 0, 0);
    lock->phase = c.phase;
    lock->timer = c.timer;
    lock->timer2 = c.timer2;
    lock->counter = c.counter;
    auto* panel = static_cast<cActor*>(lock->decorations->elements()[0]);
    auto* colour = static_cast<cActor*>(lock->decorations->elements()[1]);
    ASSERT_TRUE(panel && colour && lock->anchor);
    colour->player->anim = 2;  // the lock wants colour 2
    Bubble* shot = Shot(c.colour, 250, 320, 100, -600);
    Land(shot, core, c.side);
    EXPECT_EQ(shot->bunch, Bubble::kLoose);
    EXPECT_EQ(lock->count, 1) << "a lock never files the shot";
    EXPECT_EQ((shot->flags & Bubble::kDead) != 0, c.outcome != kBounces);
    switch (c.outcome) {
      case kOpens:
        EXPECT_EQ(lock->timer, 0);
        EXPECT_TRUE(panel->flags & cActor::kHidden);
        EXPECT_TRUE(colour->flags & cActor::kHidden);
        break;
      case kRefuses:
        EXPECT_EQ(lock->counter, 1000);
        EXPECT_EQ(cActor::getAnim(lock->anchor), c.refusalAnim);
        EXPECT_EQ(lock->anchor->mode, cActor::kModeLoop);
        break;
      case kBounces:
        EXPECT_EQ(std::tie(shot->vx, shot->vy), std::make_tuple(40 * kPx, 80 * kPx));
        EXPECT_TRUE(shot->flags & Bubble::kFreeFlyer);
        break;
    }
  }
}

TEST_F(LandingTest, AnEmptyCatcherTakesTheShotAndAFullOneThrowsItBack) {
  for (int32_t held : {-1, 3, 0, -2}) {
    SCOPED_TRACE(held);
    cGame::clearAllBunches();
    cGame_CBubbleBunch* catcher = Placed(0, 5, 240, 300);
    Bubble* core = Attached(0, 0, 0, 0);
    catcher->ropeLength = held;
    catcher->timer = 77;
    Bubble* shot = Shot(4, 230, 310);
    Land(shot, core, 2);
    EXPECT_EQ(shot->bunch, Bubble::kLoose);
    if (held == -1) {
      EXPECT_EQ(std::tie(catcher->ropeLength, catcher->timer), std::make_tuple(4, 0));
      EXPECT_TRUE(shot->flags & Bubble::kDead);
    } else {
      EXPECT_EQ(catcher->ropeLength, held);
      EXPECT_EQ(std::tie(shot->vx, shot->vy), std::make_tuple(-40 * kPx, 40 * kPx));
      EXPECT_FALSE(shot->flags & Bubble::kDead);
    }
  }
}

TEST_F(LandingTest, ATypeFifteenBunchLetsTheShotFallAt148PixelsASecond) {
  Placed(0, 15, 240, 300);
  Bubble* core = Attached(0, 0, 0, 0);
  Bubble* shot = Shot(2, 240, 336, 400, -600);
  Land(shot, core, 2);
  EXPECT_EQ(std::tie(shot->bunch, shot->vx, shot->vy),
            std::make_tuple(Bubble::kLoose, 100 * kPx, 148 * kPx));
  EXPECT_TRUE(shot->flags & Bubble::kFreeFlyer);
  EXPECT_EQ(Bunch(0)->count, 1);
}

// ---- The neighbours' reactions ------------------------------------------------------------

// The core (colour 0) at (0, 0), the neighbour under test at (1, 0), the shot beside it at
// (2, 0), touching the neighbour alone.
TEST_F(LandingTest, EachKindOfNeighbourReactsToTheLanding) {
  struct Case {
    const char* name;
    int32_t kind, flags, shotColour, objective;
    std::function<void(Bubble* n, Bubble* shot, GameStatics* s)> check;
  };
  const Case kCases[] = {
      {"13 turns into 40", 13, 0, 5, -1,
       [](Bubble* n, Bubble*, GameStatics*) { EXPECT_EQ(n->colour, 40); }},
      {"an indestructible 13 stays", 13, Bubble::kIndestructible, 5, -1,
       [](Bubble* n, Bubble*, GameStatics*) { EXPECT_EQ(n->colour, 13); }},
      {"40 is spent and released; what hung on it drops", 40, 0, 5, -1,
       [](Bubble* n, Bubble* shot, GameStatics* s) {
         EXPECT_EQ(n->colour, 39);
         EXPECT_EQ(n->bunch, Bubble::kLoose);
         EXPECT_TRUE(n->flags & Bubble::kDead);
         EXPECT_NE(s->cGame_trackedActor, nullptr);
         EXPECT_EQ(shot->bunch, Bubble::kLoose) << "the shot hung on the spender only";
         EXPECT_EQ(s->cGame_droppedBubbleCount, 1);
         EXPECT_EQ(s->cGame_score, 200);
       }},
      {"a bomb takes the shot's hit direction", 7, 0, 5, -1,
       [](Bubble* n, Bubble* shot, GameStatics*) {
         EXPECT_EQ(std::tie(n->flyOffX, n->flyOffY), std::make_tuple(0, -600 * kPx));
         EXPECT_EQ(std::tie(shot->flyOffX, shot->flyOffY), std::make_tuple(0, -600 * kPx));
       }},
      {"a joker takes a matchable shot's colour", Bubble::kJoker, Bubble::kKey, 5, -1,
       [](Bubble* n, Bubble*, GameStatics*) {
         EXPECT_EQ(n->colour, 5);
         EXPECT_EQ(n->changeSteps, 9);
         EXPECT_TRUE(n->flags & Bubble::kKey) << "its own key bit stays";
         EXPECT_TRUE(n->flags & Bubble::kNeedsRepaint);
       }},
      {"a joker ignores a special shot", Bubble::kJoker, 0, 13, -1,
       [](Bubble* n, Bubble*, GameStatics*) { EXPECT_EQ(n->colour, Bubble::kJoker); }},
      {"a hidden colour shows", 3, Bubble::kHiddenColour, 5, -1,
       [](Bubble* n, Bubble*, GameStatics*) {
         EXPECT_EQ(n->appearance, 42);
         EXPECT_EQ(n->changeSteps, 9);
         EXPECT_FALSE(n->flags & Bubble::kHiddenColour);
       }},
      {"objective 1 met", 3, 0x40, 5, 1,
       [](Bubble*, Bubble*, GameStatics* s) {
         EXPECT_EQ(s->cGame_objectiveFlags->elements()[1], 1);
       }},
      {"another step's marker", 3, 0x40, 5, 0,
       [](Bubble*, Bubble*, GameStatics* s) {
         EXPECT_EQ(s->cGame_objectiveFlags->elements()[1], 0);
       }},
      {"a paint shot paints its neighbours", 3, 0, 23, -1,
       [](Bubble* n, Bubble*, GameStatics*) {
         EXPECT_EQ(n->colour, 2);
         EXPECT_EQ(n->changeSteps, 9);
       }},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    cGame::clearAllBunches();
    s->cGame_score = s->cGame_droppedBubbleCount = 0;
    s->cGame_currentObjective = c.objective;
    s->cGame_objectiveFlags->elements()[1] = 0;
    Placed(0, 6, 240, 300);
    Attached(0, 0, 0, 0);
    Bubble* n = Attached(0, 1, 0, c.kind, c.flags & ~Bubble::kKey);
    n->flags |= c.flags & Bubble::kKey;  // a second key bubble would take the core
    Bubble* shot = LandBeside(n, 0, c.shotColour);
    c.check(n, shot, s);
    EXPECT_TRUE(BunchesConsistent());
  }
}

// ---- A second bunch -----------------------------------------------------------------------

// The shot (colour 2) lands right of bunch 0's core, also colour 2. Bunch 1 holds two separate
// bubbles of colour 2 within 74 px of the shot (53 px right and 58 px left): the first one in
// play order joins the match, the other stays out.
TEST_F(LandingTest, OnlyOneBubbleOfASecondBunchJoinsTheMatch) {
  Placed(0, 6, 200, 300);
  Bubble* core = Attached(0, 0, 0, 2);
  Placed(1, 6, 290, 300);
  Bubble* near = Attached(1, 0, 0, 2);
  Bubble* other = Attached(1, -3, 0, 2);
  Bubble* shot = LandBeside(core, 0, 2);
  ASSERT_EQ(shot->pixelX, 237);
  EXPECT_EQ(s->cGame_poppedBubbleCount, 3);
  EXPECT_TRUE(near->flags & Bubble::kVisited);
  EXPECT_EQ(near->floodOrder, 2) << "the second flood goes on counting";
  EXPECT_FALSE(other->flags & Bubble::kVisited);
}

TEST_F(LandingTest, ASecondBunchBeyond74PixelsStaysOutOfTheMatch) {
  Placed(0, 6, 200, 300);
  Bubble* core = Attached(0, 0, 0, 2);
  Placed(1, 6, 312, 300);  // its bubble 75 px from the shot
  Bubble* far = Attached(1, 0, 0, 2);
  LandBeside(core, 0, 2);
  EXPECT_EQ(s->cGame_poppedBubbleCount, 0);
  EXPECT_FALSE(far->flags & Bubble::kVisited);
}

// ---- Drops --------------------------------------------------------------------------------

// The core and (1, 0) hang together; (3, 0) and (4, 0) hang on nothing. Only the one not
// already popping scores its 200.
TEST_F(LandingTest, WhatTheCoreDoesNotHoldDropsAndScoresUnlessPopping) {
  Placed(0, 6, 240, 300);
  Bubble* core = Attached(0, 0, 0, 1);
  Bubble* held = Attached(0, 1, 0, 2);
  Bubble* loose = Attached(0, 3, 0, 3);
  Bubble* popping = Attached(0, 4, 0, 4);
  popping->popTimer = 50;
  cGame::releaseBunch(0);
  EXPECT_EQ(Members(0), (std::vector<Bubble*>{core, held}));
  for (Bubble* b : {loose, popping}) {
    EXPECT_EQ(b->bunch, Bubble::kLoose);
    EXPECT_TRUE(b->flags & Bubble::kFreeFlyer);
  }
  EXPECT_EQ(std::tie(s->cGame_score, s->cGame_droppedBubbleCount), std::make_tuple(200, 1));
  EXPECT_TRUE(BunchesConsistent());
}

TEST_F(LandingTest, ABunchWithoutACoreOrATypeFourUnderBossKindThreeDropsNothing) {
  Placed(0, 6, 240, 300);
  Attached(0, 1, 0, 1);
  Attached(0, 3, 0, 1);
  ASSERT_EQ(Bunch(0)->core, nullptr);
  cGame::releaseBunch(0);
  EXPECT_EQ(Bunch(0)->count, 2);

  Placed(1, 4, 240, 500);
  Attached(1, 0, 0, 1);
  Attached(1, 2, 0, 1);
  s->cGame_bossKind = 3;
  cGame::releaseBunch(1);
  EXPECT_EQ(Bunch(1)->count, 2);
  s->cGame_bossKind = -1;
  cGame::releaseBunch(1);
  EXPECT_EQ(Bunch(1)->count, 1);
}

// A type-12 member hangs while something connects it to an edge column: -6 or the row's last
// (5 on even rows, 6 on odd ones), rows counted with the parity shift.
TEST_F(LandingTest, ATypeTwelveBunchKeepsWhatReachesAnEdgeColumn) {
  struct Case {
    bool shift;
    std::vector<std::pair<int32_t, int32_t>> kept;
  };
  // Apart from the pair (0, 0), (1, 0), no two of the cells touch.
  const std::vector<std::pair<int32_t, int32_t>> cells = {{-6, 0}, {5, 0}, {0, 0}, {1, 0},
                                                          {-7, 2}, {4, 3}, {-9, 5}};
  const Case kCases[] = {
      {false, {{-6, 0}, {5, 0}, {-7, 2}, {4, 3}, {-9, 5}}},
      {true, {{5, 0}, {-9, 5}}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.shift);
    cGame::clearAllBunches();
    s->cGame_rowParityShift = c.shift;
    Placed(0, 12, 240, 300);
    for (auto [col, row] : cells) Attached(0, col, row, 1);
    cGame_CBubbleBunch* bunch = Bunch(0);
    const int32_t centreX = bunch->centreX;
    cGame::releaseBunch(0);
    std::vector<std::pair<int32_t, int32_t>> kept;
    for (Bubble* b : Members(0)) kept.emplace_back(b->col, b->row);
    std::sort(kept.begin(), kept.end());
    std::vector<std::pair<int32_t, int32_t>> want = c.kept;
    std::sort(want.begin(), want.end());
    EXPECT_EQ(kept, want);
    EXPECT_TRUE(bunch->inUse) << "the core of a type-12 bunch drops without a burst";
    EXPECT_EQ(bunch->centreX, centreX);
    EXPECT_TRUE(BunchesConsistent());
  }
}

// ---- Pop-end events -----------------------------------------------------------------------

TEST_F(LandingTest, FlushingPopEndEventsCountsEachOnceAndNeverBelowZero) {
  struct Case {
    int32_t before;
    std::vector<int32_t> queued;
    int32_t after;
    int8_t pending;
    std::vector<int32_t> left;
  };
  const Case kCases[] = {
      {5, {0x11A, 21, 0x11A, 0x11A}, 2, 1, {21}},
      {3, {0x11A, 0x11A, 0x11A}, 0, 0, {}},
      {1, {0x11A, 0x11A, 0x11A}, 0, 0, {}},
      {4, {21, 0x31A, 0x11A}, 3, 1, {21, 0x31A, 0x11A}},
      {2, {21}, 2, 1, {21}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.before);
    s->cGame_eventCount = 0;
    for (int32_t code : c.queued) cGame::postEvent(code);
    s->Bubble_popAnimCount = c.before;
    s->cGame_popsPending = 1;
    cGame::flushBubbleEvents();
    EXPECT_EQ(s->Bubble_popAnimCount, c.after);
    EXPECT_EQ(s->cGame_popsPending, c.pending);
    EXPECT_EQ(Events(), c.left);
  }
}

}  // namespace
