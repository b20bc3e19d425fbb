// The shot's flight over the real pool, bunches, grid, landing and actors on boards placed by
// hand: sub-steps per frame, wall bounces with their sounds and sparks, the swept hit test's
// contact and side, told by the cell the shot is filed in (grazing, turned bunches, the top of
// the screen), handles, the piercing shot, a lost shot, the danger line, moved counts and
// facing.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "engine/sprite.h"
#include "game/board/actor.h"
#include "tests/game/board/flight_fixture.h"
#include "tests/support/runtime_fixture.h"

namespace {

constexpr int32_t kPx = 1 << 16;
constexpr int32_t kSpeed = 800;  // px/s, the launcher's

class ShotFlightTest : public FlightTest {
 protected:
  void SetUp() override {
    FlightTest::SetUp();
    LoadEffectSprites();
    s->cGame_wallHitSprite = Slot(kPopSlot);
    s->cGame_levelType = 0;
    s->cGame_levelKind() = 1;
    s->cGame_bandTop = 10000;
    s->cGame_shotSpeed = kSpeed;
    s->cGame_dangerLineY = 10000;
    s->cGame_sfxEnabled = true;
  }
  // A shot at (x, y) px flying at (vx, vy) px/s.
  static Bubble* Shot(int32_t x, int32_t y, int32_t vx, int32_t vy, int32_t colour = 1) {
    Bubble* shot = Bubble::allocate();
    shot->colour = colour;
    shot->setPosition(x, y);
    shot->syncPixelPosition();
    shot->vx = vx * kPx;
    shot->vy = vy * kPx;
    return shot;
  }
  // Runs the bubble's update n times at dt ms.
  void Fly(Bubble* b, int32_t dt, int32_t n = 1) {
    s->cGame_frameTime = dt;
    for (int32_t i = 0; i < n; i++) b->update();
  }
  // A bubble of bunch b at (col, row), filed in the grid.
  static Bubble* Cell(int32_t b, int32_t col, int32_t row, int32_t flags = 0) {
    Bubble* bubble = Attached(b, col, row, 0, flags);
    Bubble::rebuildGrid();
    return bubble;
  }
  // The shot is filed in bunch 0 beside `beside` on `side`.
  static bool FiledBeside(const Bubble* shot, const Bubble* beside, int32_t side) {
    return shot->bunch == 0 && shot->col == beside->col + Bubble::kNeighbourDx[side] &&
           shot->row == beside->row + Bubble::kNeighbourDy[side];
  }
  static size_t Count(const TraceCapture& trace, const std::string& text) {
    size_t n = 0;
    for (const std::string& line : trace.lines()) n += line.find(text) != std::string::npos;
    return n;
  }
};

// The flyer test runs once per sub-step: 4 and 9 ms make one, 40 ms eight.
TEST_F(ShotFlightTest, AFrameFliesInOneSubStepPerFiveMilliseconds) {
  for (auto [dt, steps] : {std::pair{4, 1u}, {9, 1u}, {40, 8u}, {1000, 200u}}) {
    BoardSeamCalls().clear();
    Bubble* shot = Shot(240, 400, 0, -10);
    Fly(shot, dt);
    EXPECT_EQ(Calls("bubbleHitsFlyer").size(), steps) << "dt " << dt;
    EXPECT_EQ(Calls("bubbleHitsWalker").size(), steps) << "dt " << dt;
    shot->reset();
  }
}

// Walls 218 px from each side: 4 px sub-steps from x 240 bounce off the left wall at step 6
// and off the right wall at step 17 of 24.
TEST_F(ShotFlightTest, AShotBouncingTwiceCountsOnceAndSparksAtEachWall) {
  for (int32_t levelType : {0, 2, 3}) {
    cActor::createPool();
    s->cGame_levelType = levelType;
    s->cGame_wallBounceCount = 0;
    s->cGame_wallBounced = 0;
    cGame::setPlayArea(200, 200);
    Bubble* shot = Shot(240, 400, -kSpeed, 0);
    TraceCapture trace;
    Fly(shot, 40, 3);
    EXPECT_EQ(Count(trace, "sound 17 "), 2u) << "level type " << levelType;
    EXPECT_EQ(std::tie(s->cGame_wallBounceCount, s->cGame_wallBounced),
              std::make_tuple(1, int8_t{1}));
    EXPECT_LT(shot->vx, 0) << "back toward the left after two bounces";
    EXPECT_EQ(shot->direction, 3);
    std::vector<std::tuple<int32_t, int32_t, int32_t>> sparks;
    for (cActor* a : Layer(1)) sparks.emplace_back(cActor::getAnim(a), a->x, a->y);
    using Spark = std::tuple<int32_t, int32_t, int32_t>;
    // The second spark lies 30 px on along the way the shot came, beyond the wall: toward
    // 512 (left) off the left wall and 0 (right) off the right one.
    const int32_t left = (30 * cGame::sin1024(512 + 256)) >> 16;
    const int32_t right = (30 * cGame::sin1024(0 + 256)) >> 16;
    ASSERT_EQ(std::make_tuple(left, (-30 * cGame::sin1024(512 + 512)) >> 16),
              std::make_tuple(-30, 0));
    const std::vector<Spark> expected = levelType == 0 ? std::vector<Spark>{{0, 218, 400},
                                                                            {1, 218 + left, 400},
                                                                            {0, 262, 400},
                                                                            {1, 262 + right, 400}}
                                                       : std::vector<Spark>{};
    std::sort(sparks.begin(), sparks.end(),
              [](const Spark& a, const Spark& b) { return std::get<1>(a) < std::get<1>(b); });
    auto sorted = expected;
    std::sort(sorted.begin(), sorted.end(),
              [](const Spark& a, const Spark& b) { return std::get<1>(a) < std::get<1>(b); });
    EXPECT_EQ(sparks, sorted) << "level type " << levelType;
    shot->reset();
  }
}

// A shot moving left at a bubble's height touches it 35 px to its right: side 0 on an unturned
// bunch. Turned a quarter (23040, 256 of 1024) the side is 5; turned a quarter more than a
// full turn it is 5 again. The landing files the shot in the cell on that side.
TEST_F(ShotFlightTest, TheLandingGetsTheHitBubbleAndTheSideInItsBunch) {
  struct Case {
    int32_t angle, side;
  };
  for (const Case& c : {Case{0, 0}, Case{23040, 5}, Case{92160 + 23040, 5}, Case{-23040, 2}}) {
    cGame::clearAllBunches();
    Bubble::resetPool();
    Bubble::fillPool();
    BoardSeamCalls().clear();
    Placed(0, 6, 240, 300);
    Bubble* target = Cell(0, 0, 0);
    Bunch(0)->angle = c.angle;
    Bubble* shot = Shot(290, 300, -kSpeed, 0);
    s->cGame_shotLanded = false;
    Fly(shot, 40);
    EXPECT_TRUE(FiledBeside(shot, target, c.side))
        << "angle " << c.angle << ": bunch " << shot->bunch << " cell " << shot->col << ", "
        << shot->row;
    EXPECT_EQ(std::make_tuple(s->Bubble_hitBubble, s->Bubble_hitSide),
              std::make_tuple(target, c.side))
        << "angle " << c.angle;
    // The sub-steps are 262140 (just under 4 px): the walk's point and the shot's place keep
    // the fraction.
    EXPECT_EQ(std::make_tuple(s->Bubble_contactX >> 16, s->Bubble_contactY),
              std::make_tuple(275, 300 * kPx));
    EXPECT_TRUE(s->cGame_shotLanded);
    EXPECT_EQ(s->Bubble_lastPiercedBubble, target);
  }
}

// Straight down onto a bubble: the upper side 5. A bubble of row >= 0 in a type-0 bunch lets
// the shot graze on; one of row < 0, one of another bunch type, or one of a type-0 bunch that
// lost the handles it had, stops it.
TEST_F(ShotFlightTest, AShotGrazesTheUpperSidesOfAHangingBunchOnly) {
  struct Case {
    const char* what;
    int32_t type, row, handles;
    bool hadHandles, lands;
  };
  const Case kCases[] = {
      {"type 0, row 0", 0, 0, 1, false, false},
      {"type 0, row -1", 0, -1, 1, false, true},
      {"type 6, row 0", 6, 0, 1, false, true},
      {"type 0 that lost its handles", 0, 0, 0, true, true},
  };
  for (const Case& c : kCases) {
    cGame::clearAllBunches();
    Bubble::resetPool();
    Bubble::fillPool();
    BoardSeamCalls().clear();
    // The cell lies at (240, 300) whatever its row: the centre makes up for it.
    cGame_CBubbleBunch* bunch = Placed(0, 6, 240 - c.row * 18, 300 + c.row * 33);
    Bubble* target = Cell(0, 0, c.row);
    bunch->type = c.type;
    bunch->handleCount = c.handles;
    bunch->hadHandles = c.hadHandles;
    // Starting 42 px below the main handle (80 px above the centre), clear of it.
    Bubble* shot = Shot(target->pixelX, 262, 0, kSpeed);
    Fly(shot, 40);
    EXPECT_EQ(s->cGame_handleHitCount, 0) << c.what;
    if (c.lands) {
      EXPECT_TRUE(FiledBeside(shot, target, 5)) << c.what;
    } else {
      EXPECT_EQ(shot->bunch, Bubble::kFlyingShot) << c.what;
    }
  }
}

TEST_F(ShotFlightTest, AShotAtTheTopOfTheScreenHitsNothing) {
  for (auto [y, lands] : {std::pair{0, false}, {-3, false}, {2, true}}) {
    cGame::clearAllBunches();
    Bubble::resetPool();
    Bubble::fillPool();
    BoardSeamCalls().clear();
    Placed(0, 6, 240, 10);
    Cell(0, 0, 0);
    // A shot moving right along the top row reaches 35 px from the bubble in its second
    // sub-step; at y <= 0 no point is tested.
    Bubble* shot = Shot(200, y, kSpeed, 0);
    Fly(shot, 40);
    EXPECT_EQ(shot->bunch, lands ? 0 : Bubble::kFlyingShot) << "y " << y;
  }
}

// The piercing shot pops the destructible bubble on its way and reflects off the
// indestructible one; touching it again in the next sub-step does not turn it back again.
TEST_F(ShotFlightTest, ThePiercingShotPopsThroughAndReflectsOnce) {
  Placed(0, 6, 240, 300);
  Bubble* wall = Cell(0, 0, 0, Bubble::kIndestructible);
  Bubble* soft = Cell(0, 2, 0);
  Bubble* shot = Shot(380, 300, -kSpeed, 0, 28);
  Fly(shot, 40, 4);
  EXPECT_EQ(soft->popTimer, 0) << "popped at once on the way";
  EXPECT_EQ(wall->popTimer, -1);
  EXPECT_EQ(shot->vx, kSpeed * kPx) << "reflected straight back, once";
  EXPECT_EQ(shot->vy, 0);
  EXPECT_EQ(shot->direction, 0);
  EXPECT_EQ(shot->bunch, Bubble::kFlyingShot);
  EXPECT_EQ(Bunch(0)->count, 2) << "nothing landed";
  EXPECT_EQ(s->Bubble_lastPiercedBubble, nullptr) << "the last sub-step touched nothing";
}

// A type-0 bunch's main handle hangs 80 px above its centre: a shot 15 px below it pops there
// and the bunch takes the hit: the handle's colour bursts a bunch without handles, another
// colour marks it to drop. The piercing shot bursts it and flies on through.
TEST_F(ShotFlightTest, AShotReachingAHandlePopsThereUnlessItPierces) {
  struct Case {
    int32_t colour;
    bool shotPops, bursts;
  };
  s->cGame_anchorPalette = 3;
  for (const Case& c : {Case{3, true, true}, Case{2, true, false}, Case{28, false, true}}) {
    cGame::clearAllBunches();
    Bubble::resetPool();
    Bubble::fillPool();
    BoardSeamCalls().clear();
    s->cGame_handleHitCount = 0;
    s->cGame_levelType = 2;  // the bubble-wave level counts every popped bubble
    s->cGame_type2BubblesPopped = 0;
    cGame_CBubbleBunch* bunch = Placed(0, 6, 240, 300);
    Bubble* member = Cell(0, 0, 0);
    bunch->type = 0;
    Bubble* shot = Shot(240, 235, 0, -kSpeed, c.colour);
    Fly(shot, 40);
    EXPECT_EQ((shot->flags & Bubble::kDead) != 0, c.shotPops) << "colour " << c.colour;
    EXPECT_EQ(s->cGame_type2BubblesPopped, c.shotPops ? 1 : 0) << "colour " << c.colour;
    EXPECT_EQ(std::make_tuple(s->cGame_handleHitCount, member->bunch == Bubble::kLoose),
              std::make_tuple(c.bursts ? 1 : 0, c.bursts))
        << "colour " << c.colour;
    EXPECT_EQ(bunch->dropPending, c.bursts ? 0 : 1) << "colour " << c.colour;
    if (!c.shotPops) {
      EXPECT_EQ(shot->popTimer, -1);
    }
  }
}

// Below bandTop a shot leaves the side it flies toward for the carriers: 3 left, else 0.
TEST_F(ShotFlightTest, AShotBelowTheBandsTopLeavesItsSide) {
  s->cGame_bandTop = 300;
  for (auto [y, vx, side] : {std::tuple{400, -100, 3}, {400, 100, 0}, {400, 0, 3}, {200, 100, 7}}) {
    s->cGame_shotSide = 7;
    Bubble* shot = Shot(240, y, vx, -10);
    Fly(shot, 40);
    EXPECT_EQ(s->cGame_shotSide, side) << "y " << y << " vx " << vx;
    shot->reset();
  }
}

TEST_F(ShotFlightTest, AShotLeavingTheScreenIsLostOnce) {
  for (auto [colour, counted] : {std::pair{1, 1}, {28, 0}}) {
    s->Bubble_lostShotCount = 0;
    Bubble* shot = Shot(240, 10, 0, -kSpeed, colour);
    s->Bubble_shotLost = 0;
    Fly(shot, 40, 4);
    EXPECT_TRUE(shot->flags & Bubble::kDead);
    EXPECT_EQ(std::tie(s->Bubble_lostShotCount, s->Bubble_shotLost),
              std::make_tuple(counted, int8_t(counted)))
        << "colour " << colour;
    shot->reset();
  }
}

// A bunch bubble below the danger line: nothing while the board settles or once the level is
// over or for a type-15 bunch; else the level's kind and type say what happens.
TEST_F(ShotFlightTest, TheDangerLineEndsTheLevelOnlyOnceTheBoardHasSettled) {
  struct Case {
    const char* what;
    int32_t settle, levelKind, levelType, bunchType;
    bool over;
    // The operation called (a logged stand-in, or the lesson's hint line, seen by the lesson
    // moving to its phase 4), or "" for event 51 posted, or null for nothing.
    const char* seam;
  };
  const Case kCases[] = {
      {"settling", 1, 1, 0, 6, false, nullptr},
      {"settled", 0, 1, 0, 6, false, ""},
      {"long settled", -500, 1, 0, 6, false, ""},
      {"level over", 0, 1, 0, 6, true, nullptr},
      {"type-15 bunch", 0, 1, 0, 15, false, nullptr},
      {"boss level of type 6", 0, 3, 6, 6, false, ""},
      {"level type 6", 0, 1, 6, 6, false, "bubbleReachedGoal"},
      {"lesson", 0, 2, 0, 6, false, "showNextCharacterLine"},
  };
  for (const Case& c : kCases) {
    cGame::clearAllBunches();
    Bubble::resetPool();
    Bubble::fillPool();
    BoardSeamCalls().clear();
    s->cGame_eventCount = 0;
    Placed(0, c.bunchType, 240, 500);
    Bubble* low = Cell(0, 0, 0);
    s->cGame_dangerLineY = 499;
    s->cGame_settleTimer = c.settle;
    s->cGame_levelKind() = c.levelKind;
    s->cGame_levelType = c.levelType;
    s->cGame_levelOver = c.over;
    s->cGame_lessonPhase = 1;
    Fly(low, 40);
    const bool posted = Events() == std::vector<int32_t>{51};
    EXPECT_EQ(posted, c.seam && *c.seam == '\0') << c.what;
    const bool hint = s->cGame_lessonPhase == 4;
    if (c.seam && *c.seam) {
      const bool called =
          std::string(c.seam) == "showNextCharacterLine" ? hint : Calls(c.seam).size() == 1u;
      EXPECT_TRUE(called) << c.what;
    } else {
      EXPECT_TRUE(Calls("bubbleReachedGoal").empty() && !hint) << c.what;
    }
  }
  s->cGame_levelOver = false;
}

TEST_F(ShotFlightTest, BubblesThatMoveAreCountedAndMarked) {
  Placed(0, 6, 240, 300);
  Bubble* still = Cell(0, 0, 0);
  Bubble* moved = Cell(0, 1, 0);
  still->syncPixelPosition();
  moved->syncPixelPosition();
  moved->prevPixelX -= 1;
  still->flags &= ~(Bubble::kMoved | Bubble::kNeedsRepaint);
  s->cGame_bubblesMoved = 0;
  s->cGame_bubbleUpdateStart = 5;
  Fly(still, 40);
  Fly(moved, 40);
  EXPECT_EQ(std::tie(s->cGame_bubblesMoved, s->cGame_bubbleUpdateStart), std::make_tuple(1, 6));
  EXPECT_EQ(still->flags & (Bubble::kMoved | Bubble::kNeedsRepaint), 0);
  EXPECT_EQ(moved->flags & (Bubble::kMoved | Bubble::kNeedsRepaint),
            Bubble::kMoved | Bubble::kNeedsRepaint);
}

TEST_F(ShotFlightTest, ABubbleFacesTheOctantOfItsVelocity) {
  struct Case {
    int32_t vx, vy, seed, direction;
  };
  // Seeds 0 and 2 give generator bits 0 and 1.
  const Case kCases[] = {
      {-5, 1, 0, 3}, {-5, -1, 0, 3}, {-1, -5, 0, 4}, {-1, 5, 0, 2}, {-5, 5, 0, 2},
      {5, 1, 0, 0},  {5, -1, 0, 0},  {1, -5, 0, 5},  {1, 5, 0, 1},  {5, 5, 0, 1},
      {0, -5, 0, 4}, {0, 5, 0, 2},   {0, -5, 2, 5},  {0, 5, 2, 1},
  };
  Bubble* b = Bubble::allocate();
  for (const Case& c : kCases) {
    b->vx = c.vx;
    b->vy = c.vy;
    s->cGame_randomSeed = c.seed;
    b->faceByVelocity();
    EXPECT_EQ(b->direction, c.direction) << c.vx << ", " << c.vy << " seed " << c.seed;
    EXPECT_EQ(s->cGame_randomSeed != c.seed, c.vx == 0) << "only vx 0 draws";
  }
}

}  // namespace
