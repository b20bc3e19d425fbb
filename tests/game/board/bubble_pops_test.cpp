// A bubble's pop by kind over the real pool, bunches, landing, actors and pop sprite on boards
// placed by hand: scheduling and its earlier deadline, the bomb's neighbours, both line-bomb
// passes, the paint bubble's sector, a compound root, an indestructible bubble that will not
// pop, what the bunch lets go of, the bunch's reaction, unlock bubbles, and the shake.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "tests/game/board/flight_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

class BubblePopsTest : public FlightTest {
 protected:
  void SetUp() override {
    FlightTest::SetUp();
    LoadEffectSprites();
    s->cGame_levelType = 0;
    s->cGame_levelKind() = 1;
    s->cGame_bandTop = 10000;
    s->cGame_dangerLineY = 10000;
    s->cGame_levelParams = NewIntArray(13);
    s->cGame_levelParams->elements()[7] = 4321;
    Fresh(300);
  }
  // An empty board with bunch 0 of type 6 centred at (240, y) px and its core, colour 6, in
  // cell (0, 0).
  void Fresh(int32_t y) {
    cGame::clearAllBunches();
    Bubble::resetPool();
    Bubble::fillPool();
    BoardSeamCalls().clear();
    Placed(0, 6, 240, y);
    core = At(0, 0, 6);
  }
  // A bubble of bunch 0 at (col, row) of the given colour and flags.
  static Bubble* At(int32_t col, int32_t row, int32_t colour = 0, int32_t flags = 0) {
    return Attached(0, col, row, colour, flags);
  }
  // The same kAside columns right of the core: out of its reach, so what a pop there lets go
  // of drops, and the core never pops with it (releasing the core of a bunch without handles
  // bursts the bunch).
  static constexpr int32_t kAside = 6;
  static Bubble* Aside(int32_t col, int32_t row, int32_t colour = 0, int32_t flags = 0) {
    return At(col + kAside, row, colour, flags);
  }
  static bool Loose(const Bubble* b) { return b->bunch == Bubble::kLoose; }
  // The bubble's frame with its pop timer run out.
  void PopNow(Bubble* b) {
    s->cGame_frameTime = 40;
    b->popTimer = 0;
    b->update();
  }
  static std::vector<int32_t> Indices(const char* name) {
    std::vector<int32_t> list;
    for (const BoardSeamCall& call : Calls(name)) list.push_back(call.args.at(0));
    return list;
  }

  Bubble* core = nullptr;
};

TEST_F(BubblePopsTest, APopIsScheduledInSixteenthsAndTheEarlierDeadlineStays) {
  struct Case {
    const char* what;
    int32_t timerBefore, n, flags;
    bool stop;
    int32_t timerAfter, vx;
    bool flyer;  // still a free flyer
    int8_t pending;
  };
  const Case kCases[] = {
      {"not scheduled: 3 sixteenths", -1, 3, Bubble::kFreeFlyer, true, 187, 0, false, 1},
      {"without stop it flies on", -1, 3, Bubble::kFreeFlyer, false, 187, 50, true, 1},
      {"100 ms already due keeps its deadline", 100, 3, Bubble::kFreeFlyer, true, 100, 50, true, 1},
      {"a later one is brought forward", 300, 3, Bubble::kFreeFlyer, true, 187, 0, false, 1},
      {"never pops", -1, 0, Bubble::kNeverPops | Bubble::kFreeFlyer, true, -1, 50, true, 0},
  };
  for (const Case& c : kCases) {
    Bubble* b = Bubble::allocate();
    b->popTimer = c.timerBefore;
    b->flags |= c.flags;
    b->vx = 50;
    s->cGame_popsPending = 0;
    b->schedulePop(c.n, c.stop);
    EXPECT_EQ(std::make_tuple(b->popTimer, b->vx, (b->flags & Bubble::kFreeFlyer) != 0,
                              s->cGame_popsPending),
              std::make_tuple(c.timerAfter, c.vx, c.flyer, c.pending))
        << c.what;
  }
  // A compound part's pop is its root's; a hidden colour shows as it is scheduled.
  Bubble* root = Bubble::allocate();
  Bubble* part = Bubble::allocate();
  part->parent = root;
  root->flags |= Bubble::kHiddenColour;
  part->schedulePop(2, true);
  EXPECT_EQ(std::tie(part->popTimer, root->popTimer), std::make_tuple(-1, 125));
  EXPECT_EQ(root->appearance, 42);
  EXPECT_FALSE(root->flags & Bubble::kHiddenColour);
}

// Each neighbour but the indestructible one (direction 2) goes off k sixteenths later, flying
// from the bomb; the bomb leaves its bunch and the ring, hanging on nothing now, drops.
TEST_F(BubblePopsTest, ABombSetsOffItsNeighboursOneAfterAnother) {
  s->cGame_levelType = 2;  // the bubble-wave level counts every popped bubble
  Bubble* bomb = Aside(0, 0, 7);
  std::vector<Bubble*> around;
  for (int32_t d = 0; d < Bubble::kDirections; d++) {
    around.push_back(Aside(Bubble::kNeighbourDx[d], Bubble::kNeighbourDy[d], 1,
                           d == 2 ? Bubble::kIndestructible : 0));
  }
  const auto bombAt = std::make_tuple(bomb->pixelX, bomb->pixelY);
  PopNow(bomb);
  const int32_t kTimers[] = {62, 125, -1, 187, 250, 312};
  for (int32_t d = 0; d < Bubble::kDirections; d++) {
    EXPECT_EQ(around[d]->popTimer, kTimers[d]) << "direction " << d;
    if (d != 2) {
      EXPECT_EQ(std::tie(around[d]->flyOffX, around[d]->flyOffY),
                std::make_tuple(around[d]->x - bomb->x, around[d]->y - bomb->y));
    }
  }
  EXPECT_EQ(Indices("objectOnBubbleGone"),
            (std::vector<int32_t>{around[0]->index, around[1]->index, around[3]->index,
                                  around[4]->index, around[5]->index}));
  EXPECT_EQ(s->cGame_bombPopCount, 1);
  EXPECT_TRUE(bomb->flags & Bubble::kDead);
  EXPECT_TRUE(Loose(bomb));
  for (int32_t d = 0; d < Bubble::kDirections; d++) {
    EXPECT_TRUE(Loose(around[d])) << "direction " << d << " dropped";
  }
  EXPECT_EQ(Members(0), std::vector<Bubble*>{core});
  EXPECT_EQ(s->cGame_type2BubblesPopped, 1) << "the bomb's own pop is counted, once";
  EXPECT_EQ(std::tie(s->cGame_lastPopX, s->cGame_lastPopY), bombAt);
}

// Kind 8 walks up-right (5) then down-left (2), kind 9 left (3) then right (0); each walk
// stops at an indestructible bubble.
TEST_F(BubblePopsTest, ALineBombWalksBothWaysInOrder) {
  struct Case {
    int32_t kind;
    std::pair<int32_t, int32_t> first, second;  // cell steps of the two passes
  };
  for (const Case& c : {Case{8, {0, 1}, {0, -1}}, Case{9, {-1, 0}, {1, 0}}}) {
    Fresh(400);
    Bubble* bomb = Aside(0, 0, c.kind);
    auto [ax, ay] = c.first;
    auto [bx, by] = c.second;
    Bubble* a1 = Aside(ax, ay, 1);
    Bubble* a2 = Aside(2 * ax, 2 * ay, 1);
    Bubble* stop = Aside(3 * ax, 3 * ay, 1, Bubble::kIndestructible);
    Bubble* beyond = Aside(4 * ax, 4 * ay, 1);
    Bubble* b1 = Aside(bx, by, 1);
    PopNow(bomb);
    EXPECT_EQ(Indices("objectOnBubbleGone"),
              (std::vector<int32_t>{a1->index, a2->index, b1->index}))
        << "kind " << c.kind;
    EXPECT_EQ(
        std::make_tuple(a1->popTimer, a2->popTimer, stop->popTimer, beyond->popTimer, b1->popTimer),
        std::make_tuple(62, 125, -1, -1, 62))
        << "kind " << c.kind;
    EXPECT_EQ(s->cGame_bombPopCount, 1);
    s->cGame_bombPopCount = 0;
  }
}

// Links that close a loop (here two bubbles that name each other up-right) end the walk.
TEST_F(BubblePopsTest, ALineBombsWalkEndsOnLinksThatLoop) {
  Bubble* bomb = Aside(0, 0, 8);
  Bubble* a = Bubble::allocate();
  Bubble* b = Bubble::allocate();
  bomb->neighbours->elements()[5] = a;
  a->neighbours->elements()[5] = b;
  b->neighbours->elements()[5] = a;
  PopNow(bomb);
  EXPECT_EQ(Calls("objectOnBubbleGone").size(), static_cast<size_t>(Bubble::kPoolSize));
  EXPECT_EQ(std::tie(a->popTimer, b->popTimer), std::make_tuple(62, 125));
}

// Hit from the right (sector 0), a paint bubble of colour 23 gives colour 2 to the matchable
// bubbles at (1, 0), (1, -1), (2, -1), (2, 0) and (2, -2) of its bunch.
TEST_F(BubblePopsTest, APaintBubbleRecoloursTheFiveCellsOfItsSector) {
  s->cGame_sfxEnabled = true;
  Bubble* paint = Aside(0, 0, 23);
  const std::pair<int32_t, int32_t> kSector[] = {{1, 0}, {1, -1}, {2, -1}, {2, 0}, {2, -2}};
  std::vector<Bubble*> sector;
  for (auto [col, row] : kSector) sector.push_back(Aside(col, row, 5));
  Bubble* hard = sector[3];
  hard->flags |= Bubble::kIndestructible;
  Bubble* outside = Aside(-1, 0, 5);
  paint->flyOffX = 37 << 16;
  paint->flyOffY = 0;
  TraceCapture trace;
  PopNow(paint);
  for (size_t i = 0; i < sector.size(); i++) {
    EXPECT_EQ(sector[i]->colour, sector[i] == hard ? 5 : 2) << "cell " << i;
    EXPECT_EQ(sector[i]->changeSteps, sector[i] == hard ? 0 : 9) << "cell " << i;
  }
  EXPECT_EQ(outside->colour, 5);
  EXPECT_TRUE(trace.contains("cGame::playSound: sound 16 has no data; nothing plays"));
  EXPECT_TRUE(Loose(paint));
}

// The root stands at (2, 0) and its bunch neighbour at (1, 0) hangs on the core: only the
// root's own release lets it go.
TEST_F(BubblePopsTest, ACompoundRootReleasesItsBunchNeighbours) {
  Bubble* root = At(2, 0, 3, Bubble::kCompoundRoot);
  Bubble* left = At(1, 0, 3);
  Bubble* right = At(3, 0, 3);
  right->bunch = Bubble::kLoose;  // already let go
  PopNow(root);
  EXPECT_TRUE(Loose(left) && Loose(root));
  EXPECT_TRUE(root->flags & Bubble::kDead);
  const std::vector<Bubble*> members = Members(0);
  EXPECT_EQ(std::count(members.begin(), members.end(), left) +
                std::count(members.begin(), members.end(), root),
            0);
}

// A bubble that hangs only on the indestructible one drops when, and only when, it pops.
TEST_F(BubblePopsTest, AnIndestructibleBunchBubblePopsOnlyInABossLevel) {
  for (auto [levelKind, pops] : {std::pair{1, false}, {2, false}, {3, true}}) {
    Fresh(300);
    s->cGame_levelKind() = levelKind;
    Bubble* hard = Aside(0, levelKind, 2, Bubble::kIndestructible);
    Bubble* hanging = Aside(1, levelKind, 2);
    PopNow(hard);
    EXPECT_EQ((hard->flags & Bubble::kDead) != 0, pops) << "level kind " << levelKind;
    EXPECT_EQ(hard->popTimer, pops ? 0 : -1) << "level kind " << levelKind;
    EXPECT_EQ(std::make_tuple(Loose(hard), Loose(hanging)), std::make_tuple(pops, pops))
        << "level kind " << levelKind;
  }
}

// A type-2 bunch's timer and counter take levelParams[7] when a bubble of the ring round its
// centre pops; a type-3 bunch's timer restarts at any pop.
TEST_F(BubblePopsTest, TheBunchReactsToAPopByItsType) {
  struct Case {
    int32_t type, col, row;
    int32_t timer, counter;
  };
  const Case kCases[] = {
      {2, 1, 0, 4321, 4321}, {2, -1, 1, 4321, 4321}, {2, 1, 1, 11, 22},
      {2, 2, 0, 11, 22},     {3, 2, 0, 0, 22},       {6, 1, 0, 11, 22},
  };
  for (const Case& c : kCases) {
    cGame_CBubbleBunch* bunch = Bunch(0);
    bunch->type = c.type;
    bunch->timer = 11;
    bunch->counter = 22;
    Bubble* b = At(c.col, c.row, 1);
    PopNow(b);
    EXPECT_EQ(std::tie(bunch->timer, bunch->counter), std::tie(c.timer, c.counter))
        << "type " << c.type << " cell " << c.col << ", " << c.row;
  }
}

// A free flyer that pops leaves the last pop's place alone and is counted as a special.
TEST_F(BubblePopsTest, AFreeFlyersPopKeepsTheLastPopPlace) {
  s->cGame_levelType = 2;  // the bubble-wave level counts every popped bubble
  Bubble* flyer = Bubble::allocate();
  flyer->bunch = Bubble::kLoose;
  flyer->flags |= Bubble::kFreeFlyer;
  flyer->setPosition(100, 100);
  flyer->syncPixelPosition();
  s->cGame_lastPopX = s->cGame_lastPopY = 7;
  PopNow(flyer);
  EXPECT_EQ(std::tie(s->cGame_lastPopX, s->cGame_lastPopY), std::make_tuple(7, 7));
  EXPECT_EQ(s->cGame_type2BubblesPopped, 1) << "its pop is counted, once";
  EXPECT_TRUE(Calls("releaseBunch").empty());
}

TEST_F(BubblePopsTest, AnUnlockBubbleShowsItsBannerWhileTheLevelIsOpenOrWon) {
  struct Case {
    bool over, won;
    int32_t item;
    bool banner;
  };
  for (const Case& c : {Case{false, false, 3, true}, Case{true, true, 3, true},
                        Case{true, false, 3, false}, Case{false, false, -1, false}}) {
    cGame::releaseBannerActor();
    s->cGame_levelOver = c.over;
    s->cGame_levelWon = c.won;
    s->cGame_levelUnlockItem = c.item;
    Bubble* unlock = At(1, 1, 37);
    PopNow(unlock);
    cActor* banner = s->cGame_bannerActor;
    EXPECT_EQ(banner != nullptr, c.banner) << c.over << c.won << c.item;
    if (c.banner && banner) {
      // A falling banner from the bubble's place, showing the level's item.
      EXPECT_EQ(cActor::getX(banner), unlock->pixelX);
      EXPECT_EQ(cActor::getY(banner), unlock->pixelY);
      EXPECT_EQ(cActor::getAnim(banner), c.item);
      EXPECT_FALSE(s->cGame_bannerFromBottom);
    }
  }
  cGame::releaseBannerActor();
  s->cGame_levelOver = s->cGame_levelWon = false;
}

// rand(170) + direction * 170 - 85, plus the bunch's angle to the nearest degree in 1024ths;
// strength 6..11 soft, 12..23 strong; 6 or 7 frames.
TEST_F(BubblePopsTest, AShakeTakesItsRangesAndTurnsWithTheBunch) {
  Bubble* b = At(1, 0, 1);
  for (int32_t seed = 0; seed < 40; seed++) {
    for (bool soft : {true, false}) {
      s->cGame_randomSeed = seed;
      b->startShake(2, soft);
      EXPECT_GE(b->shakeAngle, 2 * 170 - 85);
      EXPECT_LT(b->shakeAngle, 2 * 170 + 85);
      EXPECT_GE(b->shakeStrength, soft ? 6 : 12);
      EXPECT_LT(b->shakeStrength, soft ? 12 : 24);
      EXPECT_GE(b->shakeFrames, 6);
      EXPECT_LT(b->shakeFrames, 8);
      EXPECT_EQ(b->shakeFramesLeft, b->shakeFrames);
    }
  }
  s->cGame_randomSeed = 9;
  b->startShake(1, true);
  const int32_t unturned = b->shakeAngle;
  Bunch(0)->angle = 23040 - 100;  // 89.6 degrees: 90 to the nearest, 256 in 1024ths
  s->cGame_randomSeed = 9;
  b->startShake(1, true);
  EXPECT_EQ(b->shakeAngle, unturned + 256);
  Bubble* part = Bubble::allocate();
  part->parent = b;
  part->shakeAngle = -1;
  s->cGame_randomSeed = 9;
  part->startShake(1, true);
  EXPECT_EQ(std::tie(part->shakeAngle, b->shakeAngle), std::make_tuple(-1, unturned + 256));
  s->cGame_levelType = 2;
  b->shakeAngle = 5;
  b->startShake(1, false);
  EXPECT_EQ(b->shakeAngle, 5) << "no shakes in level type 2";
}

// After the delay each frame takes one step; the board is marked changed while steps remain.
TEST_F(BubblePopsTest, AnAppearanceChangeStepsAfterItsDelay) {
  Bubble* b = At(1, 0, 1);
  b->changeSteps = 2;
  b->changeDelay = 1;
  std::vector<int32_t> steps;
  for (int32_t frame = 0; frame < 4; frame++) {
    s->Bubble_bubblesChanged = 0;
    s->cGame_frameTime = 40;
    b->update();
    steps.push_back(b->changeSteps * 10 + s->Bubble_bubblesChanged);
  }
  EXPECT_EQ(steps, (std::vector<int32_t>{21, 11, 0, 0}));
}

}  // namespace
