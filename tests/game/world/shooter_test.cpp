// The launcher on the data set's sprites: the aim's limits by keys and by the pointer, the
// stop before a reversal, the aiming frames, the refill's arc, the fire handshake and the
// launch along the aim, the rapid-fire lockout, a full pool, hiding and showing, the colour
// change, the goal key, the pops of the preview bubbles and the level load's ten dots.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "engine/mqlib_player.h"
#include "game/board/bubble.h"
#include "tests/game/world/play_fixture.h"

namespace {

constexpr int32_t kLimit = 219 << 16;
constexpr int32_t kLeft = 3, kRight = 4, kFire = 5;

class ShooterTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    LoadLauncher();
  }
  // Fires and runs the handshake to the launch; the shot, or null for a full pool.
  Bubble* FireAndLaunch() {
    const int32_t before = s->Bubble_activeBubbleCount;
    Shooter({}, {kFire});
    EXPECT_EQ(s->cGame_shooterState, 1);
    Shooter();
    EXPECT_EQ(s->cGame_shooterState, 2);
    return s->Bubble_activeBubbleCount > before
               ? static_cast<Bubble*>(s->Bubble_activeBubbles->elements()[before])
               : nullptr;
  }
  void Refill() {
    Shooter();
    Shooter();
    EXPECT_EQ(s->cGame_shooterState, 0);
  }
  int32_t LauncherFrame() const {
    return static_cast<cActor*>(s->cGame_launcherActor())->player->frame;
  }
};

TEST_F(ShooterTest, TheAimStopsAt219UnitsByKeysAndPointerAndNotAtOrBelowTheMuzzle) {
  for (int32_t i = 0; i < 100; i++) Shooter({kLeft});
  EXPECT_EQ(s->cGame_aimAngle, kLimit);
  for (int32_t i = 0; i < 100; i++) Shooter({kRight});
  EXPECT_EQ(s->cGame_aimAngle, -kLimit);
  struct Case {
    const char* what;
    int32_t x, y, angle;
  };
  const Case kCases[] = {
      {"far left, just above the muzzle", 0, 563, kLimit},
      {"far right, just above the muzzle", 479, 563, -kLimit},
      {"straight up", 240, 100, 0},
      {"at the muzzle's height", 0, 564, 0},
      {"below the muzzle", 479, 600, 0},
  };
  for (const Case& c : kCases) {
    s->cGame_aimAngle = 0;
    s->cGame_pointerX = c.x;
    s->cGame_pointerY = c.y;
    Shooter();
    EXPECT_EQ(s->cGame_aimAngle, c.angle) << c.what;
  }
}

TEST_F(ShooterTest, TurningBackFirstStopsTheTurn) {
  Shooter({kRight});
  EXPECT_LT(s->cGame_aimSpeed, 0);
  const int32_t angle = s->cGame_aimAngle;
  Shooter({kLeft});
  EXPECT_EQ(s->cGame_aimSpeed, 0);
  EXPECT_EQ(s->cGame_aimAngle, angle);
  Shooter({kLeft});
  EXPECT_GT(s->cGame_aimSpeed, 0);
  EXPECT_EQ(s->cGame_aimAngle, angle + 9000 * kFrameMs);
}

// Each angle is reached by one frame of a held key (a step of 9000 x 40 units), so the aim
// changes within that frame; the limits are reached by the clamp.
TEST_F(ShooterTest, AimFramesRunZeroToTwentyFiveRightAndTwentySixToFiftyLeft) {
  constexpr int32_t kStep = 9000 * kFrameMs;
  struct Case {
    int32_t start, key, frame;
  };
  const Case kCases[] = {
      {-kStep, kLeft, 0},                       // straight up
      {(1 << 16) - kStep, kLeft, 26},           // the smallest positive angle
      {kLimit - 1, kLeft, 50},                  // the full left limit: 51 clamped
      {-kLimit + 1, kRight, 25},                // the full right limit
      {-(110 << 16) + kStep, kRight, 12},       // half way right
  };
  for (const Case& c : kCases) {
    s->cGame_aimAngle = c.start;
    s->cGame_aimSpeed = 0;
    Shooter({c.key});
    EXPECT_EQ(LauncherFrame(), c.frame) << "from " << c.start;
  }
}

TEST_F(ShooterTest, TheRefillArcsFromTheNextBubblesPlaceToTheMuzzle) {
  cGame::advanceBubbleQueue();
  const int32_t lx = s->cGame_launcherX, ly = s->cGame_launcherY;
  Shooter({}, {}, 0);
  EXPECT_EQ(cActor::getX(s->cGame_currentBubbleActor), lx + 62);
  EXPECT_EQ(cActor::getY(s->cGame_currentBubbleActor), ly - 66);
  int32_t highest = ly;
  for (int32_t i = 0; i < 10; i++) {
    Shooter({}, {}, 25);
    highest = std::min(highest, cActor::getY(s->cGame_currentBubbleActor));
  }
  EXPECT_EQ(s->cGame_swapTimer, 0);
  EXPECT_LT(highest, ly - 76 - 30) << "the arc rises about 40 px";
  Shooter();
  EXPECT_EQ(cActor::getX(s->cGame_currentBubbleActor), lx);
  EXPECT_EQ(cActor::getY(s->cGame_currentBubbleActor), ly - 76);
  EXPECT_EQ(cActor::getX(s->cGame_nextBubbleActor), lx + 62);
  EXPECT_EQ(cActor::getY(s->cGame_nextBubbleActor), ly - 66);
}

TEST_F(ShooterTest, AShotLeavesTheMuzzleAlongTheAimInTheCurrentColour) {
  s->cGame_aimAngle = 100 << 16;
  const int32_t colour = s->cGame_currentColour;
  Bubble* shot = FireAndLaunch();
  ASSERT_NE(shot, nullptr);
  EXPECT_EQ(shot->x, 240 << 16);
  EXPECT_EQ(shot->y, (640 - 76) << 16);
  EXPECT_EQ(shot->vx, cGame::sin1024(100 + 512) * 800);
  EXPECT_EQ(shot->vy, cGame::sin1024(100 + 768) * 800);
  EXPECT_LT(shot->vx, 0) << "aiming left";
  EXPECT_LT(shot->vy, 0) << "upward";
  EXPECT_EQ(shot->colour, colour);
  EXPECT_EQ(shot->bunch, Bubble::kFlyingShot);
  EXPECT_EQ(s->cGame_shotCount, 1);
  Refill();
  EXPECT_EQ(s->cGame_shotCount, 1);
}

TEST_F(ShooterTest, AFullPoolStillCountsTheShotAndRefills) {
  while (Bubble::allocate()) {
  }
  EXPECT_EQ(FireAndLaunch(), nullptr);
  EXPECT_EQ(s->cGame_shotCount, 1);
  Refill();
}

TEST_F(ShooterTest, TwoQuickShotsLockTheThirdOutForThreeSecondsThenTheMeterPlays) {
  s->cGame_sinceFireRequest = 1000;
  FireAndLaunch();
  Refill();
  FireAndLaunch();
  Refill();
  EXPECT_EQ(s->cGame_quickShots, 1);
  FireAndLaunch();
  EXPECT_EQ(s->cGame_rapidFireLockout, 3000);
  EXPECT_EQ(s->cGame_quickShots, 0);
  Refill();
  s->cGame_meterActor = Sprite(100, 600, 400, 1, 0, cActor::kModeLoop);
  s->cGame_meterAnim = 2;
  int32_t waited = 0;
  while (s->cGame_rapidFireLockout > kFrameMs) {
    Shooter({}, {kFire});
    waited += kFrameMs;
    EXPECT_EQ(s->cGame_shooterState, 0) << waited << " ms";
    EXPECT_FALSE(s->cGame_aimGuideOn);
  }
  Shooter();
  waited += kFrameMs;
  EXPECT_GE(waited, 3000 - 2 * kFrameMs);
  EXPECT_EQ(cActor::getAnim(s->cGame_meterActor), 2);
  Shooter({}, {kFire});
  EXPECT_EQ(s->cGame_shooterState, 1);
}

// The throw of a meter whose sprite has no frame 1 would never post the launch: the launch
// comes at once, and the meter does not stay "firing" to refuse the next shot.
TEST_F(ShooterTest, AMeterThatCannotThrowLaunchesAtOnceAndTakesTheNextShot) {
  struct Case {
    const char* what;
    bool meter;
  };
  const Case kCases[] = {{"no meter actor", false}, {"a meter actor without a sprite", true}};
  for (const Case& c : kCases) {
    cActor::release(s->cGame_meterActor);
    s->cGame_meterActor =
        c.meter ? cGame::spawnActor(nullptr, 0, 100, 600, 0, 400, cActor::kModeLoop, 1, 0) : nullptr;
    ASSERT_EQ(s->cGame_meterActor != nullptr, c.meter) << c.what;
    for (int32_t shot = 1; shot <= 2; shot++) {
      s->cGame_sinceFireRequest = 1000;
      ASSERT_NE(FireAndLaunch(), nullptr) << c.what << ", shot " << shot;
      Refill();
    }
  }
}

TEST_F(ShooterTest, FireRequestsCountOnlyWhenShotsAreFree) {
  struct Case {
    const char* what;
    int32_t event;
    bool fires;
  };
  const Case kCases[] = {{"event 38 blocks shots", 38, false}, {"event 39 frees them", 39, true}};
  for (const Case& c : kCases) {
    cGame::postEvent(c.event);
    Shooter({}, {kFire});
    EXPECT_EQ(s->cGame_shooterState == 1, c.fires) << c.what;
  }
  Shooter();
  Refill();
  s->cGame_sinceFireRequest = 1000;  // no quick shots, so no lockout
  s->cGame_tapY = 300;  // a tap above the aim line
  Shooter();
  s->cGame_tapY = -1;
  EXPECT_EQ(s->cGame_shooterState, 1) << "a tap above the line fires";
  Shooter();
  Refill();
  s->cGame_sinceFireRequest = 1000;
  cGame::postEvent(37);
  Shooter();
  EXPECT_EQ(s->cGame_shooterState, 1) << "event 37 fires";
}

TEST_F(ShooterTest, EventFortyHidesTheLauncherAndFortyOneBringsItBack) {
  cGame::postEvent(40);
  Shooter({kLeft}, {kFire});
  EXPECT_EQ(s->cGame_shooterState, 5);
  EXPECT_EQ(s->cGame_savedShooterState, 0);
  Shooter({kLeft}, {kFire});
  EXPECT_EQ(s->cGame_aimSpeed, 0) << "a hidden launcher does not turn";
  EXPECT_TRUE(static_cast<cActor*>(s->cGame_launcherActor())->flags & cActor::kHidden);
  cGame::postEvent(41);
  Shooter();
  EXPECT_EQ(s->cGame_shooterState, 0);
  EXPECT_FALSE(static_cast<cActor*>(s->cGame_launcherActor())->flags & cActor::kHidden);
}

// The change effect here is any animation of more than three frames: the launcher's.
TEST_F(ShooterTest, AColourChangeAppliesAtItsEffectsFrameThreeAndEndsReady) {
  s->cGame_spriteTable->elements()[39] = Slot(36);
  s->cGame_currentColour = 2;
  cGame::changeCurrentBubble(5);
  EXPECT_EQ(s->cGame_shooterState, 4);
  EXPECT_NE(s->cGame_currentColour, 5);
  int32_t frames = 0;
  while (s->cGame_shooterState == 4 && frames < 200) {
    s->cGame_frameTime = kFrameMs;
    cActor::updateAll();
    Shooter();
    frames++;
  }
  EXPECT_EQ(s->cGame_shooterState, 0);
  EXPECT_EQ(s->cGame_currentColour, 5);
  EXPECT_EQ(cActor::getAnim(s->cGame_currentBubbleActor), 5);
}

TEST_F(ShooterTest, WithoutAnEffectTheColourChangesAtOnceAndTheLauncherStaysReady) {
  while (cActor::findFreeActor()) Sprite(0, 0, 0, 0);
  cGame::changeNextBubble(6);
  EXPECT_EQ(s->cGame_nextColour, 6);
  EXPECT_EQ(s->cGame_shooterState, 0);
}

TEST_F(ShooterTest, HoldingGameKeySevenPostsTheGoalEveryFrame) {
  Shooter({7});
  EXPECT_TRUE(Queued(50));
  cGame::removeEvent(cGame::findEvent(50));
  Shooter({7});
  EXPECT_TRUE(Queued(50));
}

TEST_F(ShooterTest, ThePreviewBubblesPopWhereTheyStoodAndTheLauncherEnds) {
  for (int32_t i = 0; i < 10; i++) Shooter();  // the refill is over
  const int32_t lx = s->cGame_launcherX, ly = s->cGame_launcherY;
  cGame::popPreviewBubbles();
  EXPECT_EQ(s->cGame_shooterState, 6);
  std::vector<std::pair<int32_t, int32_t>> pops;
  for (cActor* actor : Layer(1)) {
    if (actor->player->sprite == Slot(kPopSlot)) pops.push_back({actor->x, actor->y});
  }
  std::sort(pops.begin(), pops.end());
  EXPECT_EQ(pops, (std::vector<std::pair<int32_t, int32_t>>{{lx, ly - 76}, {lx + 62, ly - 66}}));
  Shooter({}, {kFire});
  EXPECT_EQ(s->cGame_shooterState, 6);
}

TEST_F(ShooterTest, ALevelLoadMakesTheTenHiddenAimDots) {
  ObjectArray* dots = s->cGame_aimGuideDots;
  ASSERT_NE(dots, nullptr);
  ASSERT_EQ(dots->length, 10);
  cGame::createAimDots();
  for (int32_t i = 0; i < 10; i++) {
    cActor* dot = static_cast<cActor*>(dots->elements()[i]);
    ASSERT_NE(dot, nullptr);
    EXPECT_EQ(dot->layer, 1);
    EXPECT_EQ(dot->z, 200);
    EXPECT_EQ(cActor::getAnim(dot), 1);
    EXPECT_TRUE(dot->flags & cActor::kHidden);
  }
  EXPECT_EQ(FreeCount(), cActor::kPoolSize - 3 - 10) << "the old dots were released";
}

}  // namespace
