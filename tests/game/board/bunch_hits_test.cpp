// Bunches acted on as a whole, on boards built by hand with the real placement: a member
// leaving (the key rule, the throw, a freed attachment), bursts and their points, the types
// that keep their slot, handle hits, re-anchoring, nudges, pushes (with the data set's sine
// table) and the catcher's hit area (with the data set's catcher sprite).
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "engine/mqlib_player.h"
#include "engine/sprite.h"
#include "game/board/actor.h"
#include "tests/game/board/landing_fixture.h"
#include "tests/game/board/rect_sprite.h"

namespace {

std::tuple<int32_t, int32_t> CellOfBubble(const Bubble* b) {
  return {b->col, b->row};
}

class BunchHitsTest : public LandingTest {
 protected:
  // A type-0 bunch at (240, 300) px: core (0, 0), plain (1, 0) and (-1, 0), and two handle
  // bubbles at (2, 0) and (-2, 0), the handles' columns 2 and -2 in that order.
  void HandleBunch() {
    Placed(0, 0, 240, 300);
    core_ = Attached(0, 0, 0, 1);
    Attached(0, 1, 0, 2);
    Attached(0, -1, 0, 2);
    right_ = Attached(0, 2, 0, 3, Bubble::kAttachment);
    left_ = Attached(0, -2, 0, 3, Bubble::kAttachment);
    ASSERT_EQ(Bunch(0)->handleCount, 2);
    s->cGame_anchorPalette = 4;
  }
  static std::vector<int32_t> Handles(int32_t b) {
    cGame_CBubbleBunch* bunch = Bunch(b);
    return std::vector<int32_t>(bunch->handles->elements(),
                                bunch->handles->elements() + bunch->handleCount);
  }
  static cActor* Decoration(int32_t b, int32_t i) {
    return static_cast<cActor*>(Bunch(b)->decorations->elements()[i]);
  }
  Bubble* core_ = nullptr;
  Bubble* right_ = nullptr;
  Bubble* left_ = nullptr;
};

// ---- Leaving a bunch ----------------------------------------------------------------------

TEST_F(BunchHitsTest, TheLastKeyBubbleBurstsABunchWithoutHandlesButNotATypeTwelve) {
  struct Case {
    int32_t type;
    bool burst, keepsSlot;
  };
  for (const Case& c : {Case{6, true, true}, {0, true, false}, {12, false, true}}) {
    SCOPED_TRACE(c.type);
    cGame::clearAllBunches();
    s->cGame_score = s->cGame_droppedBubbleCount = s->cGame_burstCount = 0;
    Placed(0, c.type, 240, 300);
    Bubble* core = Attached(0, 0, 0, 1);
    Bubble* right = Attached(0, 1, 0, 2);
    Bubble* up = Attached(0, 0, 1, 3);
    const int32_t centreX = Bunch(0)->centreX, centreY = Bunch(0)->centreY;
    cGame::releaseBubbleFromBunch(core);
    EXPECT_EQ(core->bunch, Bubble::kLoose);
    EXPECT_EQ(Link(right, 3), nullptr);
    EXPECT_EQ(Bunch(0)->inUse != 0, c.keepsSlot);
    if (c.burst) {
      EXPECT_EQ(Bunch(0)->count, 0);
      EXPECT_EQ(Bunch(0)->type, c.keepsSlot ? c.type : 0);
      for (Bubble* b : {core, right, up}) {
        EXPECT_EQ(b->bunch, Bubble::kLoose);
        EXPECT_TRUE(b->flags & Bubble::kFreeFlyer);
        EXPECT_EQ(std::tie(b->vx, b->vy),
                  std::make_tuple((b->x - centreX) * 2, (b->y - centreY) * 2));
      }
      EXPECT_EQ(std::tie(s->cGame_score, s->cGame_burstCount, s->cGame_droppedBubbleCount),
                std::make_tuple(800, 1, 3));
    } else {
      EXPECT_EQ(Members(0), (std::vector<Bubble*>{up, right}));
      EXPECT_EQ(Bunch(0)->core, nullptr);
      EXPECT_EQ(right->bunch, 0);
    }
    EXPECT_TRUE(BunchesConsistent());
  }
}

// (2, 1) lies 92 px right of and 33 px above the centre (the cell's fraction dropped).
TEST_F(BunchHitsTest, ATypeTwelveThrowsGentlyAndOthersAtTwiceTheOffset) {
  struct Case {
    int32_t type, vx, vy;
  };
  for (const Case& c :
       {Case{6, 5 * kPx + 184 * kPx, -66 * kPx}, {12, 5 * kPx + 23 * kPx, -((33 * kPx) >> 1)}}) {
    SCOPED_TRACE(c.type);
    cGame::clearAllBunches();
    Placed(0, c.type, 240, 300);
    Bubble* core = Attached(0, 0, 0, 1);
    Attached(0, 1, 0, 1);
    Bubble* leaving = Attached(0, 2, 1, 1);
    ASSERT_EQ(leaving->x - Bunch(0)->centreX, 92 * kPx);
    leaving->vx = 5 * kPx;
    cGame::releaseBubbleFromBunch(leaving);
    EXPECT_EQ(std::tie(leaving->vx, leaving->vy), std::make_tuple(c.vx, c.vy));
    EXPECT_EQ(leaving->bunch, Bubble::kLoose);
    EXPECT_EQ(Bunch(0)->count, 2);
    EXPECT_EQ(Bunch(0)->core, core);
    EXPECT_TRUE(BunchesConsistent());
  }
}

// A freed attachment scores 200 even outside the playing phase; a spent bubble dies as it
// leaves, without a throw.
TEST_F(BunchHitsTest, AFreedAttachmentScoresAndASpentBubbleDies) {
  HandleBunch();
  s->cGame_playPhase = 0;
  cGame::releaseBubbleFromBunch(right_);
  EXPECT_EQ(Handles(0), std::vector<int32_t>{-2});
  EXPECT_EQ(std::tie(s->cGame_score, s->cGame_burstCount), std::make_tuple(200, 1));

  Bubble* spent = Attached(0, 0, 1, 39);
  cGame::releaseBubbleFromBunch(spent);
  EXPECT_TRUE(spent->flags & Bubble::kDead);
  EXPECT_GE(spent->popTimer, 125) << "it pops 2 to 7 sixteenths of a second later";
  EXPECT_LE(spent->popTimer, 437);
  EXPECT_FALSE(spent->flags & Bubble::kFreeFlyer);
  EXPECT_EQ(std::tie(spent->vx, spent->vy), std::make_tuple(0, 0));
  EXPECT_EQ(spent->bunch, Bubble::kLoose);
  EXPECT_TRUE(BunchesConsistent());
}

TEST_F(BunchHitsTest, ReleasingFromAHubBunchRelightsItsSpokes) {
  Placed(0, 2, 240, 300);
  Attached(0, 0, 0, 1);  // the core brings its ring of six
  ASSERT_EQ(Bunch(0)->count, 7);
  EXPECT_EQ(cActor::getAnim(Decoration(0, 0)), 7);
  Bubble* east = cGame::findBubbleInBunch(0, 1, 0);
  cGame::releaseBubbleFromBunch(east);
  EXPECT_EQ(cActor::getAnim(Decoration(0, 0)), 0) << "spoke 0 shows its empty side";
  EXPECT_EQ(cActor::getAnim(Decoration(0, 1)), 8);
}

TEST_F(BunchHitsTest, ABubbleInNoBunchIsLeftAlone) {
  Bubble* loose = Bubble::allocate();
  loose->bunch = Bubble::kLoose;
  loose->vx = 3;
  cGame::releaseBubbleFromBunch(loose);
  cGame::releaseBubbleFromBunch(nullptr);
  EXPECT_EQ(std::tie(loose->vx, loose->flags),
            std::make_tuple(3, Bubble::kNeedsRepaint | Bubble::kLive));
}

// ---- Bursts -------------------------------------------------------------------------------

// Three members, one of them already popping: 200 for the burst and 200 for each of the two
// others, unless the level or the call silences it, or a lost level freezes the score.
TEST_F(BunchHitsTest, ABurstScoresItsMembersUnlessSilenced) {
  struct Case {
    const char* name;
    int32_t levelType, bossKind;
    bool silent, lost;
    int32_t score, bursts, dropped;
  };
  const Case kCases[] = {
      {"plain", 0, -1, false, false, 600, 1, 2},     {"level type 3", 3, -1, false, false, 0, 0, 0},
      {"boss kind 3", 0, 3, false, false, 0, 0, 0},  {"silent", 0, -1, true, false, 0, 0, 0},
      {"a lost level", 0, -1, false, true, 0, 0, 2},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    cGame::clearAllBunches();
    s->cGame_score = s->cGame_burstCount = s->cGame_droppedBubbleCount = 0;
    s->cGame_levelType = c.levelType;
    s->cGame_bossKind = c.bossKind;
    s->cGame_levelOver = c.lost;
    s->cGame_levelWon = false;
    Placed(0, 6, 240, 300);
    Attached(0, 0, 0, 1);
    Attached(0, 1, 0, 1)->popTimer = 120;
    Attached(0, 2, 0, 1);
    cGame::burstBunch(0, c.silent);
    EXPECT_EQ(std::tie(s->cGame_score, s->cGame_burstCount, s->cGame_droppedBubbleCount),
              std::make_tuple(c.score, c.bursts, c.dropped));
    EXPECT_EQ(Bunch(0)->count, 0);
    EXPECT_EQ(Bunch(0)->inUse != 0, !c.silent) << "a silent burst clears every type";
    EXPECT_TRUE(BunchesConsistent());
  }
}

// Over 64 seeds spread across the whole int range (so the generator's next value is negative
// for many of them), each member of a burst pops 2 to 7 sixteenths of a second later
// (125 .. 437 ms), every delay of that range turns up, and a member already popping sooner
// keeps its deadline.
TEST_F(BunchHitsTest, ABurstsMembersPopTwoToSevenSixteenthsLaterForEverySeed) {
  std::set<int32_t> delays;
  for (int32_t seed = 0; seed < 64; seed++) {
    SCOPED_TRACE(seed);
    cGame::clearAllBunches();
    Bubble::resetPool();
    Bubble::fillPool();
    Placed(0, 6, 240, 300);
    Bubble* core = Attached(0, 0, 0, 1);
    Bubble* popping = Attached(0, 1, 0, 1);
    popping->popTimer = 120;
    Bubble* other = Attached(0, 2, 0, 1);
    s->cGame_randomSeed = static_cast<int32_t>(static_cast<uint32_t>(seed) * 0x9E3779B9u);
    cGame::burstBunch(0, false);
    for (Bubble* b : {core, other}) {
      EXPECT_GE(b->popTimer, 125);
      EXPECT_LE(b->popTimer, 437);
      delays.insert(b->popTimer);
    }
    EXPECT_EQ(popping->popTimer, 120);
  }
  EXPECT_EQ(delays, (std::set<int32_t>{125, 187, 250, 312, 375, 437}));
}

// A type-4 bunch pressed out and a type-8 bunch of the chain boss are cleared and let their
// anchor go at once; a kept slot keeps its anchor.
TEST_F(BunchHitsTest, SomeTypesKeepTheirSlotThroughABurst) {
  struct Case {
    int32_t type, counter, bossKind;
    bool kept;
  };
  s->cGame_spriteTable->elements()[25] = NewObject<ASprite>();
  const Case kCases[] = {
      {0, 0, -1, false}, {1, 0, -1, true},      {2, 0, -1, false}, {3, 0, -1, false},
      {4, 0, -1, true},  {4, 20000, -1, false}, {5, 0, -1, true},  {6, 0, -1, true},
      {7, 0, -1, false}, {8, 0, -1, true},      {8, 0, 1, false},  {9, 0, -1, false},
      {12, 0, -1, true}, {13, 0, -1, false},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.type << " " << c.counter << " " << c.bossKind);
    cGame::clearAllBunches();
    s->cGame_bossKind = c.bossKind;
    Placed(0, c.type, 240, 300);
    Attached(0, 0, 0, 1);
    Attached(0, 1, 0, 2);
    Bunch(0)->counter = c.counter;
    cActor* anchor = Bunch(0)->anchor;
    cGame::burstBunch(0, false);
    EXPECT_EQ(Bunch(0)->count, 0);
    EXPECT_EQ(Bunch(0)->inUse != 0, c.kept);
    if (c.type == 4 || c.type == 8) {
      ASSERT_NE(anchor, nullptr);
      EXPECT_EQ(anchor->state == cActor::kFree, !c.kept);
    }
    EXPECT_EQ(Bunch(0)->type, c.kept ? c.type : 0);
    EXPECT_TRUE(BunchesConsistent());
  }
}

TEST_F(BunchHitsTest, BurstingAllBunchesEmptiesTheBoard) {
  Placed(0, 6, 100, 300);
  Attached(0, 0, 0, 1);
  Placed(3, 0, 300, 300);
  Attached(3, 0, 0, 1);
  Attached(3, 1, 0, 1);
  cGame::burstAllBunches(true);
  EXPECT_EQ(s->cGame_bunchBubbleTotal, 0);
  EXPECT_EQ(cGame::findFreeBunchSlot(), 0);
  EXPECT_EQ(cGame::countBunches(true), 0);
}

// ---- Handles ------------------------------------------------------------------------------

TEST_F(BunchHitsTest, AHandleShotOfTheWrongColourOnlyMarksTheBunch) {
  HandleBunch();
  cGame::hitBunchHandle(0, 0, 5);
  EXPECT_EQ(Bunch(0)->dropPending, 1);
  EXPECT_EQ(Handles(0), (std::vector<int32_t>{2, -2}));
  EXPECT_EQ(std::tie(s->cGame_handleHitCount, s->cGame_score), std::make_tuple(0, 0));
  EXPECT_TRUE(right_->flags & Bubble::kAttachment);
}

// The anchor's colour, the piercing shot and the bomb free a side handle: its actor closes,
// its bubble loses the attachment, the last handle takes its place.
TEST_F(BunchHitsTest, ASideHandleShotOffScoresAndTheLastTakesItsPlace) {
  for (int32_t colour : {4, 28, 7}) {
    SCOPED_TRACE(colour);
    cGame::clearAllBunches();
    s->cGame_score = s->cGame_burstCount = s->cGame_handleHitCount = 0;
    HandleBunch();
    cActor* closing = Decoration(0, 0);
    cActor* last = Decoration(0, 1);
    cGame::hitBunchHandle(0, 0, colour);
    EXPECT_EQ(Handles(0), std::vector<int32_t>{-2});
    EXPECT_EQ(Decoration(0, 0), last);
    EXPECT_EQ(std::tie(closing->mode, closing->player->anim),
              std::make_tuple(cActor::kModeOnce, 5));
    EXPECT_FALSE(right_->flags & Bubble::kAttachment);
    EXPECT_TRUE(left_->flags & Bubble::kAttachment);
    EXPECT_EQ(std::tie(s->cGame_score, s->cGame_burstCount, s->cGame_handleHitCount),
              std::make_tuple(200, 1, 1));
    EXPECT_EQ(Bunch(0)->count, 5);
  }
}

// The main handle moves to the last attachment bubble, (-2, 0): it becomes the core at the
// centre, every column shifts by 2, and the handle that comes to column 0 is the one taken off.
TEST_F(BunchHitsTest, TheMainHandleShotMovesTheBunchOntoItsLastAttachment) {
  HandleBunch();
  const int32_t leftX = left_->x, leftY = left_->y;
  cGame::hitBunchHandle(0, -1, 4);
  cGame_CBubbleBunch* bunch = Bunch(0);
  EXPECT_EQ(std::tie(bunch->centreX, bunch->centreY, bunch->restX, bunch->restY),
            std::tie(leftX, leftY, leftX, leftY));
  EXPECT_EQ(bunch->core, left_);
  EXPECT_EQ(CellOfBubble(left_), std::make_tuple(0, 0));
  EXPECT_EQ(CellOfBubble(core_), std::make_tuple(2, 0));
  EXPECT_EQ(CellOfBubble(right_), std::make_tuple(4, 0));
  EXPECT_EQ(Handles(0), std::vector<int32_t>{4});
  EXPECT_TRUE(left_->flags & Bubble::kKey);
  EXPECT_FALSE(left_->flags & Bubble::kAttachment);
  EXPECT_FALSE(core_->flags & Bubble::kKey);
  EXPECT_TRUE(core_->flags & Bubble::kAttachment);
  EXPECT_EQ(std::tie(s->cGame_score, s->cGame_handleHitCount), std::make_tuple(200, 1));
  for (Bubble* b : Members(0)) {
    const int32_t x = b->x, y = b->y;
    b->updateBunchPosition();
    EXPECT_EQ(std::tie(b->x, b->y), std::tie(x, y)) << "no member moves on the screen";
  }
}

// Without handles, without an attachment bubble to move to, or with a handle index that is
// not one of the bunch's, the shot bursts the bunch.
TEST_F(BunchHitsTest, AHandleHitWithNothingToFreeBurstsTheBunch) {
  struct Case {
    const char* name;
    int32_t handle;
    bool dropHandles, clearAttachments;
  };
  const Case kCases[] = {
      {"no handles", -1, true, false},
      {"no attachment bubble", -1, false, true},
      {"handle out of range", 2, false, false},
      {"negative handle", -3, false, false},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    cGame::clearAllBunches();
    s->cGame_handleHitCount = 0;
    HandleBunch();
    if (c.dropHandles) Bunch(0)->handleCount = 0;
    if (c.clearAttachments) {
      for (Bubble* b : Members(0)) b->flags &= ~Bubble::kAttachment;
    }
    cGame::hitBunchHandle(0, c.handle, 4);
    EXPECT_EQ(Bunch(0)->inUse, 0) << "a type-0 bunch is cleared by its burst";
    EXPECT_EQ(s->cGame_handleHitCount, 1);
    EXPECT_EQ(core_->bunch, Bubble::kLoose);
    EXPECT_TRUE(BunchesConsistent());
  }
}

TEST_F(BunchHitsTest, PickingAnAttachmentWithoutOneChangesNothing) {
  Placed(0, 0, 240, 300);
  Bubble* core = Attached(0, 0, 0, 1);
  Attached(0, 1, 0, 1);
  EXPECT_EQ(cGame::pickBunchAttachment(0), -1);
  EXPECT_EQ(Bunch(0)->core, core);
  EXPECT_EQ(Bunch(0)->centreX, 240 * kPx);
  EXPECT_EQ(cGame::pickBunchAttachment(-1), -1);
}

// ---- Nudges and pushes --------------------------------------------------------------------

TEST_F(BunchHitsTest, ANudgeMovesTheRestPointByLevelType) {
  struct Case {
    int32_t levelType, dx;
    bool moves, across;
    int32_t anim;  // the anchor's swing, -1 none
  };
  const Case kCases[] = {
      {0, 5 * kPx, true, true, 6},   {0, -5 * kPx, true, true, 7},   {0, 0, true, true, -1},
      {5, 5 * kPx, true, false, -1}, {2, 5 * kPx, false, false, -1}, {3, 5 * kPx, false, false, -1},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.levelType << " " << c.dx);
    cGame::clearAllBunches();
    s->cGame_levelType = c.levelType;
    cGame_CBubbleBunch* bunch = Placed(0, 0, 240, 300);
    Attached(0, 0, 0, 1);
    bunch->variant = 2;
    cActor::setAnimation(bunch->anchor, 2, cActor::kModeLoop, true);
    cGame::nudgeBunch(0, c.dx, 3 * kPx, 7, 9);
    EXPECT_EQ(std::tie(bunch->restY, bunch->vy),
              c.moves ? std::make_tuple(303 * kPx, 9) : std::make_tuple(300 * kPx, 0));
    EXPECT_EQ(std::tie(bunch->restX, bunch->vx),
              c.across ? std::make_tuple(240 * kPx + c.dx, 7) : std::make_tuple(240 * kPx, 0));
    cActor* anchor = bunch->anchor;
    if (c.anim < 0) {
      EXPECT_EQ(std::tie(anchor->player->anim, anchor->state), std::make_tuple(2, cActor::kSprite));
    } else {
      EXPECT_EQ(std::tie(anchor->player->anim, anchor->mode, anchor->state, anchor->nextAnim,
                         anchor->nextMode),
                std::make_tuple(c.anim, cActor::kModeNotifyOnce, cActor::kSpriteThenNext, 2,
                                cActor::kModeLoop));
    }
  }
}

class BunchPushTest : public BunchHitsTest {
 protected:
  void SetUp() override {
    BunchHitsTest::SetUp();
    PlantDataSetPacks();
    cGame::loadMathTables();
    one_ = cGame::sin1024(256);
    ASSERT_GT(one_, 65000);
  }
  int32_t one_ = 0;  // the sine table's 1.0
};

// The centre stands 10 px right of the rest point; a push along (px, py) rests the bunch at
// the centre less twice (or, having lost its handles, eight times) the push's unit vector,
// in 16.16 pixels from the sine table.
TEST_F(BunchPushTest, ATypeZeroBunchGivesWayAlongThePush) {
  struct Case {
    int32_t px, py;
    bool lostHandles;
    int32_t restDx, restDy, spin;  // units of the table's 1.0 from the centre; 8.8 deg/s
  };
  const Case kCases[] = {
      {5, 0, false, -2, 0, 0},   {5, 0, true, -8, 0, 128}, {-5, 0, true, 8, 0, -128},
      {0, 9, true, 0, -8, -128}, {0, -9, false, 0, 2, 0},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.px << " " << c.py << " " << c.lostHandles);
    cGame::clearAllBunches();
    cGame_CBubbleBunch* bunch = Placed(0, 0, 240, 300);
    Attached(0, 0, 0, 1);
    if (c.lostHandles) bunch->hadHandles = 1;
    bunch->centreX = 250 * kPx;
    bunch->vx = bunch->vy = 3 * kPx;
    cGame::pushBunch(0, c.px, c.py);
    EXPECT_EQ(std::tie(bunch->restX, bunch->restY),
              std::make_tuple(250 * kPx + c.restDx * one_, 300 * kPx + c.restDy * one_));
    EXPECT_EQ(std::tie(bunch->vx, bunch->vy, bunch->spin), std::make_tuple(0, 0, c.spin));
  }
}

// A pair of type 1 stops where it is; its partner only when that is a bunch in play.
TEST_F(BunchPushTest, OtherTypesStopOrSkipASpinStep) {
  struct Case {
    int32_t type, partner, bossKind;
    bool partnerStops;
    int8_t skip;
  };
  const Case kCases[] = {
      {1, 1, -1, true, 0},   {1, -1, -1, false, 0}, {1, 5, -1, false, 0},  {1, 12, -1, false, 0},
      {4, -1, -1, false, 1}, {4, -1, 3, false, 0},  {6, -1, -1, false, 1}, {2, -1, -1, false, 0},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.type << " " << c.partner << " " << c.bossKind);
    cGame::clearAllBunches();
    s->cGame_bossKind = c.bossKind;
    cGame_CBubbleBunch* bunch = Placed(0, c.type, 240, 300);
    Attached(0, 0, 0, 1);
    cGame_CBubbleBunch* other = Placed(1, 1, 100, 200);
    Attached(1, 0, 0, 1);
    bunch->partner = c.partner;
    bunch->vy = other->vy = 20 * kPx;
    cGame::pushBunch(0, 4, 4);
    if (c.type == 1) {
      EXPECT_EQ(std::tie(bunch->centreY, bunch->vy, bunch->restY),
                std::make_tuple(280 * kPx, 0, 280 * kPx));
    }
    EXPECT_EQ(std::tie(other->centreY, other->vy), c.partnerStops
                                                       ? std::make_tuple(180 * kPx, 0)
                                                       : std::make_tuple(200 * kPx, 20 * kPx));
    EXPECT_EQ(bunch->skipSpin, c.skip);
  }
}

// ---- The catcher --------------------------------------------------------------------------

// A catcher sprite of one frame holding the three rectangles the hit area is made of, in
// every animation a catcher plays: rows (1) 340..380, body (2) 490..550 x 310..410 and arm
// (3) from x 420, 40 px wide, on the screen with the right-edge anchor at (520, 360).
ASprite* CatcherSprite() {
  const databuild::SpriteRect rects[] = {
      {0, 0, 1, 1}, {-60, -20, 60, 40}, {-30, -50, 60, 100}, {-100, -10, 40, 20}};
  return RectSprite(rects, 15);
}

class CatcherTest : public BunchHitsTest {
 protected:
  static constexpr int32_t kCatcherSlot = 45;

  void SetUp() override {
    BunchHitsTest::SetUp();
    s->cGame_spriteTable->elements()[kCatcherSlot] = CatcherSprite();
    s->cGame_rectScratch = NewIntArray(4);
  }
};

// A shot on the catcher's body stops there and drives an empty catcher out, at most two
// steps; a catcher holding a colour stops the shot without moving.
TEST_F(CatcherTest, AShotOnTheCatcherDrivesItOutUpToTwoSteps) {
  for (int32_t facing : {0, 2}) {
    SCOPED_TRACE(facing);
    cGame::clearAllBunches();
    cGame_CBubbleBunch* catcher = Placed(0, 5, 240, 300);
    catcher->facing = facing;
    Attached(0, 0, 0, 0);
    cActor* anchor = catcher->anchor;
    const int32_t x = (facing == 2 ? -40 : 520) * kPx, y = 330 * kPx;  // on the body
    EXPECT_FALSE(cGame::shotHitsType5Bunch(x, y + 400 * kPx));
    for (int32_t hit = 1; hit <= 3; hit++) {
      catcher->timer2 = 4000;
      EXPECT_TRUE(cGame::shotHitsType5Bunch(x, y));
      EXPECT_EQ(catcher->pushSteps, std::min(hit, 2));
      if (hit > 2) {
        EXPECT_EQ(catcher->timer2, 4000) << "a third hit drives it no further";
        continue;
      }
      EXPECT_EQ(std::tie(catcher->timer2, catcher->timer3, catcher->easeFromX),
                std::make_tuple(0, 1000, anchor->x));
      EXPECT_EQ(
          std::tie(anchor->player->anim, anchor->mode, anchor->event),
          std::make_tuple(facing == 2 ? 6 : 14, cActor::kModeNotifyOnce, facing == 2 ? 69 : 70));
    }
    catcher->ropeLength = 3;
    catcher->pushSteps = 0;
    EXPECT_TRUE(cGame::shotHitsType5Bunch(x, y));
    EXPECT_EQ(catcher->pushSteps, 0) << "a catcher holding a colour is not driven";
  }
}

// The band over rectangle 1's rows runs from 18 px left of the arm (402) to the body's left
// edge plus the arm's width plus 18 (548); the body is a hit from 490 to 550 across.
TEST_F(CatcherTest, TheHitAreaIsTheBodyAndABandAlongTheArm) {
  Placed(0, 5, 240, 300);
  Attached(0, 0, 0, 0);
  struct Case {
    int32_t x, y;
    bool hit;
  };
  const Case kCases[] = {
      {402, 360, true}, {401, 360, false}, {402, 340, true},  {402, 339, false},
      {402, 380, true}, {402, 381, false}, {550, 310, true},  {551, 330, false},
      {490, 410, true}, {489, 395, false}, {450, 300, false},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
    Bunch(0)->pushSteps = 2;
    EXPECT_EQ(cGame::shotHitsType5Bunch(c.x * kPx + 0xFFFF, c.y * kPx), c.hit);
  }
  Bunch(0)->type = 0;
  EXPECT_FALSE(cGame::shotHitsType5Bunch(520 * kPx, 360 * kPx)) << "only catchers catch";
}

}  // namespace
